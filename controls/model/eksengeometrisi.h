#pragma once
#include <QPoint>

// Where the lines of the coordinate plane and of the number line fall, in
// pixels. Both activities draw with these numbers; divisions truncate towards
// zero as in the rest of the program.

// The coordinate plane on a sheet: the x axis spans 25 units, the y axis as
// many units of about the same size as the sheet's height holds.
struct DuzlemOlcusu
{
    int Genislik = 1;  // the sheet's width less 10
    int Yukseklik = 1; // the sheet's height less 10
    int Birim = 1;     // pixels per x unit, at least 1
    int DikeyAdet = 1; // y units drawn, at least 1
    int DikeyAdim = 1; // pixels per y unit, at least 1
    QPoint Orijin;     // where (0, 0) lies
    int YSiniri = 0;   // the largest |y| a point of the plane may have

    // The pixel of the plane point (x, y).
    QPoint Piksel(int x, int y) const { return {Orijin.x() + x * Birim, Orijin.y() - y * DikeyAdim}; }
};

// The x axis runs from -12 to 12; its ticks are drawn from -12 to 13.
constexpr int DUZLEM_X_BIRIMLERI = 25;
constexpr int DUZLEM_X_SINIRI = 12;

// The plane on a sheet `genislik` x `yukseklik` pixels. Any size gives a
// drawable plane: before the first layout a sheet may be empty.
DuzlemOlcusu DuzlemOlcusuHesapla(int genislik, int yukseklik);

// A number line: `Adet` unit steps from `Baslangic`, `Adim` pixels apart,
// the line at `Kok` inside its control.
struct SayiDogrusuOlcusu
{
    int Baslangic = 0;
    int Adet = 50;
    int Adim = 50;
    QPoint Kok{10, 25};

    // The x of the tick of `deger`.
    int CentikX(int deger) const { return Kok.x() + Adim * (deger - Baslangic); }
    // The control's width: every step and the line's pen.
    int Genislik() const { return Adet * Adim + 5; }
};
