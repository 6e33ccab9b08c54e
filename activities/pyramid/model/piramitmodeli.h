#pragma once
#include "renk.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <vector>

// The operation that makes a cell from the two cells beneath it, left one
// first; the numbers are those of the radio buttons.
enum class PiramitIslemi { Toplama = 1, Cikarma = 2, Carpma = 3 };

// "+", "-" or "x".
QString IslemIsareti(PiramitIslemi islem);

// What a cell holds once it is done: a number, or the mark of a value whose
// exact size does not fit in 64 bits. A too-large cell cannot be entered and
// counts as done.
struct HucreDegeri
{
    bool CokBuyuk = false;
    qint64 Sayi = 0; // only when not CokBuyuk

    static HucreDegeri Sayisi(qint64 n) { return HucreDegeri{false, n}; }
    static HucreDegeri Tasan() { return HucreDegeri{true, 0}; }
    bool operator==(const HucreDegeri& o) const { return CokBuyuk == o.CokBuyuk && Sayi == o.Sayi; }
    bool operator!=(const HucreDegeri& o) const { return !(*this == o); }
};

// `sol` op `sag`, exact, or too large when the exact value leaves 64 bits.
// A product with 0 is 0 even beside a too-large cell; any other result with a
// too-large cell beneath it is too large as well (its exact value is not
// known, and it fits only when it nearly cancels a value of about 2^63).
HucreDegeri IslemSonucu(PiramitIslemi islem, HucreDegeri sol, HucreDegeri sag);

// A number as the operation label writes it: "7", and in brackets below 1:
// "(0)", "(-3)". A too-large value reads "(çok büyük)".
QString NumberText(qint64 v);
QString NumberText(const HucreDegeri& d);
// What a cell shows: the number, or "çok" over "büyük".
QString HucreMetni(const HucreDegeri& d);

// Sizes a pupil may ask for.
constexpr int PIRAMIT_ACILIS_BOYU = 8;   // rows of the pyramid at start
constexpr int PIRAMIT_EN_BUYUK_BOY = 8;  // "Yeni Problem": a larger size becomes this
constexpr int PIRAMIT_TABAN_SINIRI = 20; // "Problem Gir": base items at most
// The message for a longer base; the old pyramid stays.
QString TabanSiniriMesaji();

// The board's layout, in pixels of the pyramid window. Rows count from 1 at
// the base, columns from 0; row r holds n - r + 1 cells.
constexpr int HUCRE_GENISLIGI = 80;
constexpr int HUCRE_YUKSEKLIGI = 55;
constexpr int PIRAMIT_UST_PAYI = 10;
constexpr int PIRAMIT_SOL_PAYI = 10;
constexpr int ISLEM_ETIKETI_SOLU = 16;
// Rows move right by half a cell each, so every row is centred over the one beneath.
constexpr int SATIR_KAYMASI = 40;
// 100 for small pyramids, 25 from 7 rows on.
int YatayKayma(int n);
int SatirUstu(int n, int satir, bool yukaridanAsagiya);
QPoint HucreKonumu(int n, int satir, int sutun, bool yukaridanAsagiya);
// The top of a cell's sign label inside the cell: at the top edge when the
// base is on top, 20 above the bottom edge otherwise.
int IsaretUstu(bool yukaridanAsagiya);
int IslemEtiketiUstu(int n);
// Where the operation label stands: at left 16 and IslemEtiketiUstu, kept
// inside `gorunur`, the part of a scrolling board in view (an empty rect: all of it).
QPoint IslemEtiketiKonumu(int n, const QRect& gorunur, QSize etiket);
// Window height n * 55 + 30; width up to the right edge of the base row and a margin.
int PiramitYuksekligi(int n);
int PiramitGenisligi(int n);
// The yellow entry box over the cell whose top-left corner is `hucre`.
QRect GirisKutusuYeri(QPoint hucre, bool yukaridanAsagiya);

// Colours of the cells: their own, and while the pointer is over them.
constexpr TRenk HUCRE_BOS_RENGI = clWhite;
constexpr TRenk HUCRE_DOLU_RENGI = clAqua;
constexpr TRenk HUCRE_COK_BUYUK_RENGI = clSilver;
constexpr TRenk UZERINDE_DOLU_RENGI = clBlue;
constexpr TRenk UZERINDE_HESAPLANABILIR_RENGI = clLime;
constexpr TRenk UZERINDE_HESAPLANAMAZ_RENGI = clRed;

struct HucreYeri
{
    int Satir = 0;
    int Sutun = 0;
    bool operator==(const HucreYeri& o) const { return Satir == o.Satir && Sutun == o.Sutun; }
    bool operator!=(const HucreYeri& o) const { return !(*this == o); }
    // The cell's Tag: 100 * row + column, unique while rows hold at most 100 cells.
    int Tag() const { return 100 * Satir + Sutun; }
};

// The cells of a number pyramid and the rules of filling them in.
class SayiPiramidi
{
public:
    // `n` rows of empty cells; a negative size counts as 0.
    void Kur(int n);
    // A pyramid on `taban`: as many rows as items, an empty item leaves an
    // empty base cell. `yazilanlar`, when given, holds the items as typed: a
    // base cell shows its item's text ("+5", "007") and counts with its value.
    // Returns how many cells it marked too large.
    int TabanKur(const QList<std::optional<qint64>>& taban, const QStringList& yazilanlar = QStringList());
    // `n` rows on a random base of numbers from 2 to 10, drawn through the environment.
    void RastgeleKur(int n);

    int Boyut() const { return boyut_; }
    int SatirHucreSayisi(int satir) const;
    int HucreSayisi() const;
    bool Var(HucreYeri y) const;
    // The cell's place in row-by-row order from the base; -1 when there is no such cell.
    int Indeks(HucreYeri y) const;

    // Empty while the cell is empty (or does not exist).
    std::optional<HucreDegeri> Deger(HucreYeri y) const;
    // What the cell shows: the text typed for a base cell, else its number
    // (HucreMetni); empty while the cell is empty.
    QString Metin(HucreYeri y) const;
    // The sign of the operation that filled the cell, empty for base cells.
    QString Isaret(HucreYeri y) const;
    void DegerVer(HucreYeri y, std::optional<HucreDegeri> deger, const QString& isaret = QString());

    PiramitIslemi Islem() const { return islem_; }
    // Filled cells stay; later cells are computed with the new operation.
    // Returns how many empty cells it marked too large.
    int IslemAyarla(PiramitIslemi islem);

    // The value the cell must get from its two lower neighbours; empty when
    // either is missing or empty, so the cell cannot be computed yet.
    std::optional<HucreDegeri> ExpectedValue(HucreYeri y) const;
    // "2+3=?" for the cell's neighbours, "?" when they cannot be found.
    QString IslemMetni(HucreYeri y) const;
    // Whether a click opens the entry on this cell: empty and computable to a number.
    bool Acilabilir(HucreYeri y) const;
    // Whether a mouse press in the entry box checks its answer: only when the
    // box holds an integer; an empty box or a lone sign takes it as a click.
    static bool TiklamaDenetler(const QString& cevap);
    // The typed answer against the expected value. An empty box counts as 0;
    // anything that is no 64-bit integer is wrong.
    bool CevapDogru(HucreYeri y, const QString& cevap) const;
    // Fills an openable cell with its value and the operation's sign, and
    // marks the cells that become too large through it. False when it cannot.
    bool Doldur(HucreYeri y);
    // Marks every empty cell whose value is known to be too large, row by row
    // upwards; returns how many were marked.
    int TasanlariIsaretle();

    // The first empty cell, scanning rows from the base upwards and columns from 0.
    std::optional<HucreYeri> IlkBos() const;
    bool Bitti() const { return !IlkBos(); }

    TRenk Renk(HucreYeri y) const;
    TRenk UzerindeRengi(HucreYeri y) const;

    // The cell as a screen reader says it: "5, taban", "12 = 5 + 7",
    // "boş hücre, 9 + 11", "boş hücre, henüz hesaplanamaz", "çok büyük".
    QString ErisimAdi(HucreYeri y) const;

    // Moving between cells by keys: along the row, or to the row above
    // (`Yukari`, towards the top of the pyramid) or beneath. A row higher up
    // is one cell shorter: up keeps the column as far as the row reaches,
    // down goes to the left one of the two cells beneath. `y` itself where
    // there is no cell to go to.
    enum class Yon { Sol, Sag, Yukari, Asagi };
    HucreYeri Komsu(HucreYeri y, Yon yon) const;

private:
    struct Hucre
    {
        std::optional<HucreDegeri> deger;
        QString isaret;
        QString yazilan; // a base cell's item as typed; empty when drawn at random
    };
    int boyut_ = 0;
    std::vector<Hucre> hucreler_; // row by row from the base
    PiramitIslemi islem_ = PiramitIslemi::Toplama;
};

// The answer of "Yeni Problem": the new size, at most 8; nothing for a
// negative size (the pyramid stays). A text that is no integer throws the
// conversion error.
std::optional<int> YeniBoyutCevabi(const QString& cevap);

// The answer of "Problem Gir", every item checked before anything is built.
struct TabanCevabi
{
    enum Durum { Bos, CokUzun, Tamam };
    Durum Sonuc = Bos;
    QList<std::optional<qint64>> Taban; // when Tamam
    QStringList Yazilanlar;              // the items as typed, one per base cell
};
// Empty answer: Bos. More than 20 items: CokUzun. An item that is neither
// empty nor an integer throws the conversion error.
TabanCevabi TabanCevabiOku(const QString& cevap);
