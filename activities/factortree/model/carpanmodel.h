#pragma once
#include "donusum.h"
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

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
