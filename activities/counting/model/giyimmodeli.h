#pragma once
#include "renk.h"
#include "sesnumaralari.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// The rules of dressing the man: S shirts and T pairs of trousers in distinct
// colours, every shirt-and-trousers combination found once, S x T in all.

// One way of dressing: the colour of the shirt and of the trousers, clNone
// while that garment is not chosen. Two outfits are equal when both colours are.
struct EsyaRenk
{
    TRenk GomlekRengi = clNone;
    TRenk PantolonRengi = clNone;

    bool operator==(const EsyaRenk& o) const
    {
        return GomlekRengi == o.GomlekRengi && PantolonRengi == o.PantolonRengi;
    }
    bool operator!=(const EsyaRenk& o) const { return !(*this == o); }
};

// A list of outfits that owns its records. A record keeps its address until
// the list is cleared, so a thumbnail may point at the outfit it shows. When
// the list is full its capacity grows by one.
class EsyaRenkler
{
public:
    explicit EsyaRenkler(int kapasite);

    int Sayi() const { return int(kayitlar_.size()); }
    int Kapasite() const { return kapasite_; }
    // Stores a copy of `kayit` and returns it.
    EsyaRenk* Ekle(const EsyaRenk& kayit);
    // The record at `i`, nullptr outside 0 .. Sayi() - 1.
    EsyaRenk* Al(int i);
    const EsyaRenk* Al(int i) const;
    bool Icerir(const EsyaRenk& kayit) const;
    void Temizle();

private:
    std::vector<std::unique_ptr<EsyaRenk>> kayitlar_;
    int kapasite_;
};

// The colours new garments get: teal, red, yellow, blue, green, maroon, aqua,
// purple, silver, lime. Any other index gives clNone.
constexpr int PALET_BOYU = 10;
TRenk PaletRengi(int i);

// `adet` different palette colours (never more than the palette holds). Each
// is drawn with `rastgele(n)` (0 .. n-1) among the colours not given yet, so
// the draw ends whatever the random source answers.
// The Turkish name of a colour a garment or the man can wear, in lower case
// ("kırmızı", "beyaz"); "renksiz" for clNone and for any other colour.
QString RenkAdi(TRenk renk);

std::vector<TRenk> FarkliRenkler(int adet, const std::function<int(int)>& rastgele);

// No more garments of a kind than this fit the window.
constexpr int EN_COK_GIYSI = 8;

// A problem: the counts and the wardrobe. Record i of the wardrobe holds the
// colour of shirt i and of trousers i, clNone where there is no such garment.
class GiyimProblemi
{
public:
    GiyimProblemi();

    // A new problem with `gomlek` shirts and `pantolon` trousers, each above
    // EN_COK_GIYSI becoming EN_COK_GIYSI; the shirt colours are drawn first.
    // Returns false, and nothing changes, when a count is below 1.
    bool Kur(int gomlek, int pantolon, const std::function<int(int)>& rastgele);

    int GomlekSayisi() const { return gomlek_; }
    int PantolonSayisi() const { return pantolon_; }
    // S x T: every outfit there is.
    int Toplam() const { return gomlek_ * pantolon_; }
    const EsyaRenkler& Gardirop() const { return gardirop_; }
    TRenk Gomlek(int i) const;
    TRenk Pantolon(int i) const;
    // Every outfit, trousers by trousers: the first trousers with every shirt,
    // then the second trousers with every shirt, and so on.
    std::vector<EsyaRenk> TumGiyimler() const;

private:
    int gomlek_ = 0;
    int pantolon_ = 0;
    EsyaRenkler gardirop_;
};

// What recording an outfit comes to.
enum class KayitSonucu {
    Yok,    // a garment is white or not chosen, or every outfit is found: nothing happens
    Tekrar, // already on the board
    Yeni    // a new outfit for the board
};
KayitSonucu KayitKarari(const EsyaRenk& giyim, const EsyaRenkler& bulunanlar, int toplam);
// Every outfit of the problem is on the board.
bool Tamamlandi(const EsyaRenkler& bulunanlar, int toplam);

extern const QString TEKRAR_MESAJI; // "Bu renklerde giysiler var!"
// The congratulation once all `toplam` outfits are found.
QString TamamMesaji(int toplam);

// The two kinds of garment.
enum class GiysiTuru { Yok = 0, Gomlek = 1, Pantolon = 2 };

// A garment of the problem: its kind, its place in the row of its kind, its colour.
struct Giysi
{
    GiysiTuru Tur = GiysiTuru::Yok;
    int Sira = 0;
    TRenk Renk = clNone;
    // The number its picture carries: 100 a shirt, 200 trousers.
    int Tag() const { return 100 * int(Tur); }
};

// What one move comes to, in the order the window shows it: the man's shirt
// or trousers filled with `Renk`, the sound, the message, the new thumbnail,
// then the congratulation (SES_TEBRIK and TamamMesaji) when it completed the set.
struct GiyimYaniti
{
    GiysiTuru Giyilen = GiysiTuru::Yok;
    TRenk Renk = clNone;
    KayitSonucu Kayit = KayitSonucu::Yok;
    int Numara = 0;  // of the new thumbnail, from 1
    quint16 Ses = 0; // SES_NOTR a new outfit, SES_HATA a repeat, 0 nothing
    QString Mesaj;   // TEKRAR_MESAJI for a repeat, when messages are on
    bool Tamam = false;
};

// Dressing the man, without widgets: the problem and its garments, what the
// man wears, the outfits found and "Tüm Giysileri Göster". The window draws
// this state and forwards the pupil's moves; each move answers what to show.
class GiyimModeli
{
public:
    GiyimModeli();

    // "Yeni Problem": (Rastgele(8) + 2) shirts, then as many trousers, drawn
    // through the environment; 9 becomes 8.
    void RastgeleProblem();
    // A new problem from a reset; see GiyimProblemi::Kur. False, and nothing
    // changes, when a count is below 1.
    bool ProblemKur(int gomlek, int pantolon);
    // No problem, no garments, an empty board, the man in white.
    void Sifirla();
    // The counts "Problem Gir" starts from: the problem's, 3 while none is set.
    int GirisGomlekSayisi() const;
    int GirisPantolonSayisi() const;

    const GiyimProblemi& Problem() const { return problem_; }
    int Toplam() const { return problem_.Toplam(); }
    // Shirts left to right, then trousers left to right; a garment's number is its index.
    const std::vector<Giysi>& Giysiler() const { return giysiler_; }
    const EsyaRenk& Adam() const { return adam_; }
    // The outfits found, in the order of their thumbnails.
    const EsyaRenkler& Bulunanlar() const { return bulunanlar_; }
    bool Tamam() const { return Tamamlandi(bulunanlar_, Toplam()); }
    // Off only while HepsiniGoster runs.
    bool OtomatikKayit() const { return otomatikKayit_; }

    // The garment "Giydir" acts on: the one whose menu was opened last; -1
    // when none, and again after every new problem.
    int GecerliGiysi() const { return gecerli_; }
    void GiysiSec(int no);

    // The man puts on garment `no`; nothing for a number with no garment.
    GiyimYaniti Giydir(int no);
    // Both record the outfit, with its message, while OtomatikKayit is on.
    GiyimYaniti GomlekGiydir(TRenk renk);
    GiyimYaniti PantolonGiydir(TRenk renk);
    // Puts what the man wears on the board when both garments are coloured,
    // not white, new, and the set is not complete yet. `mesaj`: a repeat is
    // told with TEKRAR_MESAJI besides its sound.
    GiyimYaniti GiyimKaydet(bool mesaj);
    // Dresses the man in every outfit of TumGiyimler in turn, recording each
    // without messages, until the set is complete; one answer for every
    // garment put on. Nothing when the set is already complete.
    std::vector<GiyimYaniti> HepsiniGoster();

    // What a screen reader says of garment `no` ("Kırmızı gömlek", with
    // ", giyili" while the man wears its colour), of the man, and of the
    // outfit found `sira`-th (from 1).
    QString GiysiAdi(int no) const;
    QString AdamAdi() const;
    QString BulunanAdi(int sira) const;

private:
    GiyimYaniti giy(GiysiTuru tur, TRenk renk);

    GiyimProblemi problem_;
    std::vector<Giysi> giysiler_;
    EsyaRenk adam_;
    EsyaRenkler bulunanlar_{10};
    bool otomatikKayit_ = true;
    int gecerli_ = -1;
};

// The board: thumbnails 130 pixels square, from (10, 10) along the rows. A
// thumbnail whose left edge would pass `genislik - 100` starts the next row.
constexpr int KUCUK_RESIM = 130;
struct PanoYerlesimi
{
    std::vector<QPoint> Yerler; // in the order the outfits were found
    int Yukseklik = 0;          // the board's height: `yukseklik`, or more to show the last row
};
PanoYerlesimi KucukResimYerleri(int adet, int genislik, int yukseklik);

// Where garment `i` of a row of `adet` stands in a window `genislik` pixels
// wide (kind 1 shirts from (213, 48), kind 2 trousers from (221, 136), one
// template width apart). A row that would pass the window's right edge less
// 10 pixels shrinks, garments and gaps alike, to end there.
QRect GiysiYeri(int tur, int i, int adet, int genislik);

// The pictures. Every fill area is flat white and closed on every side by
// GIYSI_CIZGISI, a dark slate that no garment colour equals. Points are in the
// pictures' logical pixels.
constexpr TRenk GIYSI_CIZGISI = 0x47302E; // RGB 46, 48, 71
struct GiysiSablonu
{
    QSize Olcu;
    std::vector<QPoint> DolguNoktalari;
    QPoint RenkNoktasi; // where a garment's colour is read
};
extern const GiysiSablonu GOMLEK_SABLONU;
extern const GiysiSablonu PANTOLON_SABLONU;
// The man's picture, and the points where his shirt and trousers are filled.
extern const QSize ADAM_OLCUSU;
extern const std::vector<QPoint> ADAM_GOMLEK_NOKTALARI;
extern const std::vector<QPoint> ADAM_PANTOLON_NOKTALARI;

// A picture drawn with smoothed edges over a transparent background, made
// ready for surface fills: the soft edge between an outline of colour `cizgi`
// and a white area becomes hard (each pixel takes the nearer of the two), so
// a white area stays one flat colour up to its outline; then the picture is
// laid on white. The result is opaque RGB32 with the same device pixel ratio.
QImage BoyamayaHazirla(const QImage& cizim, TRenk cizgi = GIYSI_CIZGISI);
// Surface fills of `renk` at each point, in order; the number of pixels changed.
int NoktalardanDoldur(QImage& resim, const std::vector<QPoint>& noktalar, TRenk renk);
// The colour at a point in logical pixels; clNone outside the picture.
TRenk RenkOrnegi(const QImage& resim, QPoint nokta);
// How a filled picture is shown over any background: its pixels where the
// drawing `cizim` (the transparent original) covered them fully, and the
// drawing's own soft edges elsewhere, so the white the fills work on never
// shows around the figure. Premultiplied ARGB with `boyali`'s pixel ratio.
QImage SaydamGorunum(const QImage& boyali, const QImage& cizim);
