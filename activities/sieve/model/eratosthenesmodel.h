#pragma once
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

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

// A token as a screen reader says it: its number, and once struck whether it
// is a prime: "17", "17, asal, işaretlendi", "18, asal değil, elendi".
QString JetonAdi(int sayi, int isaret);

// Moving on the board by keys. Tokens are counted from 0 along the rows,
// `sutun` to a row; left and right run on across the ends of the rows, up and
// down keep the column. The answer is `i` itself where there is no neighbour.
enum class TahtaYonu { Sol, Sag, Yukari, Asagi, Ilk, Son };
int KomsuJeton(int i, int adet, int sutun, TahtaYonu yon);

// The marks of a board: each number on it is unmarked (0) or struck (2).
class EleyiciIsaretleri
{
public:
    // A fresh board of the numbers in `jetonlar` (2 upwards), none struck.
    void Kur(const QList<JetonYeri>& jetonlar);
    // The mark of `sayi`; 0 for a number that is not on the board.
    int Isaret(int sayi) const;
    // Pressing `n` strikes every number of the board that `n` divides, `n`
    // itself included, and answers with the sound: 1256 when `n` is prime,
    // 1258 when it is not. Nothing is struck for `n` <= 0.
    quint16 Vur(int n);

private:
    std::vector<quint8> isaretler_; // index: the number - 2
};
