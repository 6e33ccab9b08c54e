#pragma once
#include "carpandugumu.h"
#include "donusum.h"
#include "renk.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <memory>

// Kinds of the three prime panels; a panel's Tag is its kind.
constexpr int PANEL_ONLY_FIRST = 1;
constexpr int PANEL_ONLY_SECOND = 2;
constexpr int PANEL_BOTH = 3;

// The Turkish accusative ending of a number as it is read aloud:
// 12 "yi" (on ikiyi), 40 "ı" (kırkı), 100 "u" (yüzü).
QString AccusativeSuffix(qint64 n);

// "Sadece 12 yi bölenler", "Hem 12 yi Hem 18 i bölenler", "Sadece 18 i bölenler".
QString PanelBasligi(int tur, qint64 ilk, qint64 ikinci);

// Greatest common divisor of two numbers, 1 unless both are at least 1.
qint64 Obeb(qint64 x, qint64 y);
// Least common multiple through Obeb; numbers of five digits need the 64 bits.
qint64 Okek(qint64 x, qint64 y);


// The answer to a check of typed OBEB and OKEK values.
struct DenetimSonucu
{
    bool Dogru = false;
    QString Baslik; // "Tebrikler" or "Hatalı Değer"
    QString Mesaj;
};
DenetimSonucu CevapDenetle(qint64 x, qint64 y, qint64 obebCevap, qint64 okekCevap);

// What a drop of prime leaf `v` of tree `t` (1 or 2) on panel kind `k` comes to.
// `kalanBolunmemis`: composite nodes still waiting in both trees together;
// `kendiAgacinda` / `digerAgacta`: leaves with `v` still available in the
// leaf's own tree and in the other tree.
struct PanelKarari
{
    bool Kabul = false;
    bool DigerindenAl = false; // the common panel takes one `v` of the other tree
    QString Mesaj;             // empty when refused silently or accepted
    QString Baslik;
};
PanelKarari PanelKurali(int k, int t, int v, int kalanBolunmemis, int kendiAgacinda, int digerAgacta);

// Where a placed copy stands on a panel of `panelBoyu`: the drop point, pulled
// back inside when the copy (50 x 30 when made) would reach the edge.
QPoint KopyaYeri(QPoint birakma, QSize panelBoyu);

// Where the copies of a panel stand once the panel is `panelBoyu`: a copy
// that still fits keeps its place; one that would reach past an edge moves
// to the first free place of a 55 x 35 grid from the top left, where it
// covers no other copy, or is pulled back inside when none is free.
QList<QPoint> KopyalariSigdir(const QList<QRect>& kopyalar, QSize panelBoyu);

// The first free place for one more copy of size `kopya` on a panel: the
// same 55 x 35 grid from the top left, a place where the copy stays inside
// and covers none of `kopyalar`; KopyaYeri of the middle when all are taken.
QPoint BosKopyaYeri(const QList<QRect>& kopyalar, QSize panelBoyu, QSize kopya);

// What a screen reader says of a node: its number, then what it waits for
// or what it is: "12, bölen bekliyor", "12, 2 çarpı 6", "3, asal",
// "3, asal, kullanıldı".
QString DugumOkunusu(const CarpanDugumu& dugum);

// The line beside OKEK in practice mode: " = 2 * 6 * 3 = 36".
QString OkekSatiri(qint64 p1, qint64 p2, qint64 p3);

// Where the window puts its parts in a body `genislik` x `yukseklik` under
// its menu: the two trees side by side, the three panels under them, each
// with its problem text 20 pixels above it and its product 10 below, and the
// OBEB and OKEK rows under the products, "Sonucu Denetle" 10 below OBEB's top.
struct FaktorYerlesimi
{
    QRect Agac1, Agac2;
    QRect Paneller[3]; // left to right: only the first, both, only the second
    QRect Ustler[3];   // Label1, Label2, Label3
    QRect Altlar[3];   // Label4, Label5, Label6
    QRect Label7, Label8, Label9, Label10, Edit1, Edit2, Button1;
};
FaktorYerlesimi FaktorYerlesimiHesapla(int genislik, int yukseklik);

// "Problem Gir" takes two different numbers, each at least 2.
bool ProblemSayilariUygun(qint64 ilk, qint64 ikinci);

// A root drawn through the environment: a composite number from 4 to 49.
// Draws are repeated while they give a prime (0 to 3 count as prime).
int RastgeleBilesik();

constexpr TRenk AGAC1_RENGI = 0xFFCC33; // light blue
constexpr TRenk AGAC2_RENGI = 0xCCFFCC; // light green

// Everything of the factor tree that the pupil changes: the two trees (1 and
// 2) with their nodes, the products of the panels and the primes placed on
// them, the mode, and the colours of the trees and panels. The windows show
// it and pass the pupil's moves to it; the trees' nodes are shown by controls
// that point into the trees held here, so a tree is cleared only after the
// controls showing it are gone.
class CarpanAgaciModeli
{
public:
    using Urunler = qint64[4];

    CarpanAgaciModeli();
    ~CarpanAgaciModeli();
    CarpanAgaciModeli(const CarpanAgaciModeli&) = delete;
    CarpanAgaciModeli& operator=(const CarpanAgaciModeli&) = delete;

    // A new problem on `a` and `b` (-1 draws the number, the first tree's
    // first): the products become 1, nothing is placed, both roots expanded.
    void NewProblem(int a, int b);
    // Tree `agac` gets the root `n`, expanded.
    void SetNumber(int agac, int n);
    void ClearTree(int agac);
    // "Sıfırla": no trees and nothing placed; the products keep their values.
    void ResetBoard();

    // The root of tree 1 or 2, nullptr without one.
    CarpanDugumu* Kok(int agac) const;
    bool AgaclarVar() const { return Kok(1) && Kok(2); }
    int RootValue(int agac) const;
    // Both trees together.
    int CountUnsplit() const;
    int CountAvailable(int agac, int deger) const;
    bool TakeAvailable(int agac, int deger);
    // The tree whose shown nodes hold `dugum`, 0 when neither does (a
    // placeholder still hidden, a copy on a panel, a node of no tree).
    int Agaci(const CarpanDugumu* dugum) const;

    // A drop of `dugum` on the panel of kind `k`. Only an available prime
    // leaf of a tree counts; anything else is refused without a word. When
    // accepted, the leaf is used, the common panel takes one of the other
    // tree's leaves with it, and the panel's product and list grow.
    PanelKarari PanelaBirak(int k, const CarpanDugumu* dugum);
    // The primes placed on panel `k` since the board was last cleared.
    QList<int> Yerlesenler(int k) const;

    const bool& CheckMode() const { return checkMode_; }
    void SetCheckMode(bool kip) { checkMode_ = kip; }
    // Indexed by panel kind; 64 bits for five-digit problems.
    const Urunler& Products() const { return products_; }

    // What a screen reader says of the state of tree 1 or 2 ("12, 1 sayı
    // bölen bekliyor", "boş") and of the panel of kind `k` ("2, 2; çarpım 4",
    // "boş"), and of a copy `v` placed on the panel titled `baslik`.
    QString AgacDurumu(int agac) const;
    QString PanelDurumu(int k) const;
    static QString KopyaOkunusu(int v, const QString& baslik);

    // Label1 to Label3: the panel texts of the problem.
    QString Baslik(int k) const;
    // Label4 to Label6.
    QString UrunMetni(int k) const;
    // Label9 and Label10: " = 6" and " = 2 * 6 * 3 = 36" in practice
    // mode, "=1" in checking mode.
    QString ObebMetni() const;
    QString OkekMetni() const;
    // The mode command names the mode it switches to.
    QString ModKomutu() const;
    // The typed answers against the roots. A text that is no integer throws
    // the conversion error; a number beyond 32 bits is simply wrong.
    DenetimSonucu Denetle(const QString& obeb, const QString& okek) const;

    TRenk AgacRengi(int agac) const;
    TRenk PanelRengi(int k) const;
    // A tree's colour goes to its own panel; a panel's colour is taken back
    // by the trees from the panels of the first and the second number.
    void AgacRengiAyarla(int agac, TRenk renk);
    void PanelRengiAyarla(int k, TRenk renk);

private:
    CarpanDugumu* Bul(const CarpanDugumu* dugum) const;

    std::unique_ptr<CarpanDugumu> kokler_[2];
    bool checkMode_ = false;
    Urunler products_ = {1, 1, 1, 1};
    QList<int> yerlesenler_[4];
    TRenk agacRenkleri_[2] = {AGAC1_RENGI, AGAC2_RENGI};
    TRenk panelRenkleri_[4] = {clNone, AGAC1_RENGI, AGAC2_RENGI, clBtnFace};
};
