#pragma once
#include <QList>
#include <QString>
#include <optional>

// The board of the sieve: as many positions as fit the window, 35 pixels per
// column and 25 per row, 150 pixels kept free in each direction.
struct TahtaOlcusu
{
    int Sutun = 0;
    int Satir = 0;
    int Konum() const { return Sutun * Satir; }
    bool operator==(const TahtaOlcusu& o) const { return Sutun == o.Sutun && Satir == o.Satir; }
    bool operator!=(const TahtaOlcusu& o) const { return !(*this == o); }
};
// From the window's outer width and height.
TahtaOlcusu TahtaOlcusuHesapla(int genislik, int yukseklik);

// One token of the board: its number and its row and column, both from 1.
struct JetonYeri
{
    int Sayi;
    int Satir;
    int Sutun;
};
// The tokens from 2 up to `enBuyuk`, along the rows, as far as the board has room.
QList<JetonYeri> TahtaJetonlari(TahtaOlcusu olcu, int enBuyuk);

// The largest number a board may hold.
constexpr int SIEVE_UST_SINIR = 500;
constexpr int SIEVE_ACILIS = 50;

// The answer typed for "Maksimum Sayı": nothing for an empty answer (the
// board stays), 100 for a text that is no integer, at most 500.
std::optional<int> MaksimumCevabi(const QString& cevap);
