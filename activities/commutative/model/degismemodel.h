#pragma once
#include "renk.h"
#include "renksemasi.h"

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

// The rules of the operation table: the same numbers head the columns and the
// rows, every inner cell holds the sum or the product of its two heads, and a
// display mode marks either the cells of the selected cell's value or the row
// and the column of the identity element.
//
// Cells are addressed as the table shows them: column c and row r count from
// 0, row 0 and column 0 hold the heads, (0, 0) is the corner with the sign.

// An inner cell's value: a sum or product of two 64-bit heads, always exact.
using TabloDegeri = __int128;
QString TabloDegeriMetni(TabloDegeri deger);

enum class Islem { Toplama, Carpma };
enum class Gosterim { Normal, AyniDegerler, EtkisizEleman };

constexpr int ACILIS_BOYUTU = 10;
constexpr int EN_BUYUK_BOYUT = 21;        // "Boyut Değiştir" goes no further
constexpr long long EN_BUYUK_BASLIK = 999; // typed heads of 1000 or more become 999

// A head as the pupil typed it: the text the table shows (" 7", "+5" stay as
// typed) and its value.
struct Baslik
{
    QString Metin;
    long long Deger = 0;
    bool operator==(const Baslik& o) const { return Metin == o.Metin && Deger == o.Deger; }
};

// The answer to "Kendin Gir": nothing for an empty answer (the table stays);
// otherwise the comma separated pieces that are 64-bit integers (leading
// blanks allowed, trailing ones not), 1000 and more as "999", sorted. The
// list may be empty.
std::optional<std::vector<Baslik>> BaslikCevabi(const QString& cevap);

// Ascending by value, in the order of the exchange sort that the table has
// always used: for each place from the first, every later head that is
// smaller than the one there is swapped into it. Heads of equal value but
// different text ("3" and "+3") keep that sort's order.
void BasliklariSirala(std::vector<Baslik>& basliklar);

// The answer to "Boyut Değiştir" for a table of `simdiki` numbered rows:
// nothing when the table stays (an empty answer, no integer, the same size);
// otherwise the new size, at most 21 and at least 0.
std::optional<int> BoyutCevabi(const QString& cevap, int simdiki);

// The grid's layout for `n` numbered rows and columns: head column 50 pixels
// wide, the others 40, every row 30 high, and the grid 55 + 43n by 30 + 36n
// (a little larger than its cells). A table without numbered rows is the corner alone.
constexpr int BASLIK_SUTUNU_GENISLIGI = 50;
constexpr int SUTUN_GENISLIGI = 40;
constexpr int SATIR_YUKSEKLIGI = 30;
QSize IzgaraBoyutu(int n);
// The grid's size in a space `alan` large, with scroll bars `cubuk` thick
// (the vertical one's width, the horizontal one's height): the size above,
// as far as it fits, while every cell fits. Otherwise, along a side where
// the cells do not fit, whole cells only (no number is ever seen cut in
// half) and a scroll bar; along the other side the cells and that bar.
QSize IzgaraYerlesimi(int n, QSize alan, QSize cubuk);

// How a cell is drawn, in this order: a head, else the selected cell, else a
// highlighted or focused cell, else an ordinary one.
enum class HucreDurumu { Baslik, Secili, Vurgulu, Normal };
HucreDurumu DurumBelirle(bool baslik, bool secili, bool odakli, bool vurgulu);

struct HucreRengi
{
    TRenk Yazi;
    TRenk Zemin;
};
// From the window's colour-scheme record: heads use entries 4 and 5, the
// selected cell 6 and 7, highlighted cells 8 and 9, the others 2 and 3.
HucreRengi DurumRengi(const RenkSemasi& renkler, HucreDurumu durum);

class DegismeTablosu
{
public:
    int Boyut() const { return boyut_; }
    Islem Islemi() const { return islem_; }
    void IslemAyarla(Islem islem) { islem_ = islem; }
    Gosterim GosterimTipi() const { return gosterim_; }
    void GosterimAyarla(Gosterim gosterim) { gosterim_ = gosterim; }
    bool OzelBaslikli() const { return ozel_.has_value(); }

    // The pupil's heads; the size becomes their count (any count).
    void BasliklariAyarla(std::vector<Baslik> basliklar);
    // The default heads 0 .. n-1; n is kept between 0 and 21.
    void BoyutAyarla(int n);
    // "Kendin Gir" and "Boyut Değiştir" with the pupil's answer; true when the table changed.
    bool KendinGir(const QString& cevap);
    bool BoyutDegistir(const QString& cevap);

    // Head i, for i = 1 .. size: the i-th typed head, or i - 1.
    long long BaslikDegeri(int i) const;
    QString BaslikMetni(int i) const;
    bool IcHucre(int c, int r) const { return c >= 1 && r >= 1 && c <= boyut_ && r <= boyut_; }
    // The sum or product of the heads of an inner cell; nothing elsewhere.
    std::optional<TabloDegeri> Deger(int c, int r) const;
    // What a cell shows: the sign in the corner, the heads, the values; empty outside the table.
    QString HucreMetni(int c, int r) const;
    // The identity element of the operation: 0 for addition, 1 for multiplication.
    long long EtkisizEleman() const { return islem_ == Islem::Toplama ? 0 : 1; }

    // Whether inner cell (c, r) is marked by the display mode while
    // (gecerliC, gecerliR) is the grid's current cell. A current cell outside
    // the inner cells (none, or left behind by a smaller table) marks nothing
    // in the same-value mode.
    bool Vurgulu(int c, int r, int gecerliC, int gecerliR) const;

    // An inner cell as a screen reader says it: its value, the column head and
    // the row head with the operation between them, and whether the display
    // mode marks it: "8, 3 + 5", "15, 5 × 3, vurgulu". The corner says the
    // operation ("işlem: toplama"). Empty outside the table.
    QString HucreAdi(int c, int r, int gecerliC, int gecerliR) const;

private:
    int boyut_ = ACILIS_BOYUTU;
    Islem islem_ = Islem::Toplama;
    Gosterim gosterim_ = Gosterim::Normal;
    std::optional<std::vector<Baslik>> ozel_; // the typed heads, or the defaults
};
