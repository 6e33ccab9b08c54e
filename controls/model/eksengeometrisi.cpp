#include "eksengeometrisi.h"

#include <algorithm>

DuzlemOlcusu DuzlemOlcusuHesapla(int genislik, int yukseklik)
{
    DuzlemOlcusu o;
    o.Genislik = genislik - 10;
    o.Yukseklik = yukseklik - 10;
    // A sheet narrower than 35 pixels or lower than one unit still gets one
    // unit each way instead of a division by zero.
    o.Birim = std::max(1, o.Genislik / DUZLEM_X_BIRIMLERI);
    o.DikeyAdet = std::max(1, o.Yukseklik / o.Birim);
    o.DikeyAdim = std::max(1, o.Yukseklik / o.DikeyAdet);
    o.Orijin = QPoint(o.Genislik / 2 + 10, o.Yukseklik / 2 + 10);
    o.YSiniri = o.DikeyAdet / 2;
    return o;
}
