#pragma once
#include "renk.h"

#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

// The rules of the counting chips: +1 and -1 chips on a grid of 30-pixel
// cells, a +1 dropped onto a -1 (or the reverse) makes a neutral pair, and
// the box shows the sum of every chip added.

constexpr int HUCRE = 30;              // one cell of the grid
constexpr int CIFT_HUCRESI = 60;       // pairs snap to every second cell
constexpr int PUL_CAPI = 25;           // a chip is 25 x 25, a pair 50 x 25
constexpr int BOS_HUCRE_DENEMESI = 50; // random cells tried for a new chip
constexpr int PUL_SINIRI = 100;        // chips added at once stay below this
constexpr TRenk KUTU_RENGI = 12615808; // the box's background, RGB 128, 128, 192

// Colours of the three kinds of chip and the display mode of the pairs. They
// belong to the program, not to a window: they stay as the pupil left them
// when the activity is closed and opened again.
struct BoncukAyarlari
{
    TRenk Eksi = clRed;
    TRenk Yuksuz = clWhite;
    TRenk Arti = clBlue;
    bool CiftleriGoster = true;

    static BoncukAyarlari& Genel();
};

// The colour of chips worth `deger` (-1, 0 or +1); clNone for any other value.
TRenk BoncukRengi(int deger);
// Changes the colour of the chips worth `deger`; false (and nothing changes)
// for a value other than -1, 0 and +1.
bool BoncukRengiAyarla(int deger, TRenk renk);
// The colour the total is written in: the +1 colour above 0, the -1 colour below, else the neutral one.
TRenk ToplamRengi(int toplam);

// What a colour picked for the chips worth `deger` does.
enum class RenkKarari {
    Degismez,    // cancelled, or the colour they have already
    Kullanilmis, // another kind of chip or the box has it: "Bu renk daha önce kullanılmış"
    Yeni,        // the chips take it
};
RenkKarari RenkSecimi(int deger, TRenk secilen);
extern const char* const RENK_KULLANILMIS;

// The count typed for "Pul Ekle".
struct PulGirdisi
{
    enum Durum {
        Yok,   // empty, no integer, or 0: nothing happens and nothing is said
        Fazla, // 100 or more chips at once: "Bir seferde bu kadar boncuk eklenmez!..."
        Tamam,
    };
    Durum Sonuc = Yok;
    int Sayi = 0;
};
PulGirdisi PulGirdisiOku(const QString& metin);
extern const char* const PUL_FAZLA;

// The line of operations after an entry of `n` chips: "(+3)", "(+3)-(+2)",
// "(+3)-(+2)+(-4)"; a first subtraction starts with "-": "-(+3)".
QString IslemSatiri(const QString& satir, int n, bool cikarma);

// Where the chip box stands in a window of client size `pencere`: at (10, 120),
// (2 * width - 200) div 3 + 200 wide and height div 2 + 100 high.
QRect KutuAlani(QSize pencere);

// Cells of the grid along a side `uzunluk` pixels long: (uzunluk - 30) div 30,
// and 0 for a side shorter than two cells, never less.
int HucreSayisi(int uzunluk);

// The cell corner for a drop at (X, Y): x = 30 * ((X - 1) div 30) (60 for a
// pair), y = 30 * (Y div 30). Division truncates towards zero, so X = 0 gives 0.
QPoint Yasla(QPoint p, bool cift);

// A chip dropped onto a chip.
enum class Eslesme {
    Yok,       // nothing happens
    Yuksuz,    // a pair is involved: "Yüksüz değer yok edilemez!"
    AyniDeger, // same sign, or the chip itself: "Aynı değerler yok edilemez!"
    Cift,      // the two become a neutral pair
};
Eslesme EslesmeKarari(int kaynakDeger, int hedefDeger);
extern const char* const YUKSUZ_MESAJI;
extern const char* const AYNI_DEGER_MESAJI;

// One chip or pair of the box, by number: numbers count up from 0 in the
// order things are made, so the newest has the largest.
struct BoncukOgesi
{
    int No = -1;
    int Deger = 0;
    QRect Alan;
    bool Cift = false;
    bool IlkPozitif = false; // a pair whose receiving chip was +1 shows "+" first
    bool Gizli = false;      // a chip hidden by pairing: it still holds its cell
};

// What a screen reader says of a chip or a pair: "+1 pulu", "-1 pulu",
// "yüksüz çift: +1 ve -1" (the receiving chip's sign first, as it is drawn).
QString BoncukAdi(const BoncukOgesi& oge);
// The total as a reader hears it: "Toplam: -3".
QString ToplamAdi(int toplam);

// The chip box without its widgets: where every chip and pair stands, the
// total, and the rules of adding, pairing and moving. Lookups by point go
// through an index of the cells each thing covers, so a box of thousands of
// chips answers as quickly as an empty one.
class BoncukKutusuModeli
{
public:
    void BoyutAyarla(QSize boyut) { boyut_ = boyut; }
    QSize Boyut() const { return boyut_; }
    int Toplam() const { return toplam_; }
    int OgeSayisi() const { return int(ogeler_.size()); }
    // nullptr for a number the box does not hold.
    const BoncukOgesi* Oge(int no) const;

    // A cell for a new chip: up to 50 random cells (from Ortam::Rastgele),
    // the first that is free, else the 50th.
    QPoint BosHucre() const;
    // Adds a chip worth `deger` on a free cell and counts it in the total.
    const BoncukOgesi& PulEkle(int deger);
    // The newest thing whose bounds hold `p` (left and top edges in, right and
    // bottom out), hidden chips included; -1 when none.
    int NoktadakiOge(QPoint p) const;

    struct EslesmeSonucu
    {
        Eslesme Karar = Eslesme::Yok;
        int CiftNo = -1; // the new pair
    };
    // `kaynak` dropped onto `hedef`. A pair takes the receiving chip's place,
    // twice its width; both chips are hidden. The total does not change.
    EslesmeSonucu Eslestir(int kaynak, int hedef);

    // Whether `no` may be dropped at `p` on the box: `p` lies in the box and
    // the snapped cell is free or holds `no` itself.
    bool TasimaKabul(int no, QPoint p) const;
    // Moves `no` to the snapped cell; false (and nothing moves) when refused.
    bool Tasi(int no, QPoint p);

    // The chips standing exactly on `alan` that no pairing has taken, oldest
    // first. A full box stacks chips on one cell: only the newest can be seen.
    std::vector<int> AyniYerdekiPullar(const QRect& alan) const;

    // Forgets every chip and pair and sets the total to 0.
    void Temizle();

private:
    void dizineEkle(const BoncukOgesi& oge);
    void dizindenCikar(const BoncukOgesi& oge);
    int yeniOge(int deger, QRect alan, bool cift);

    QSize boyut_;
    int toplam_ = 0;
    std::vector<BoncukOgesi> ogeler_; // by number
    QHash<quint64, std::vector<int>> hucreler_; // cell -> numbers of what covers it
};
