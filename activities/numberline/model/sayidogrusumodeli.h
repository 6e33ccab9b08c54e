#pragma once
#include "eksengeometrisi.h"

#include <QString>
#include <QtGlobal>

// The rules of "Tavşan Git": the rabbit on a number line from -100 to 100.

constexpr int GOSTERIM_SINIRI = 100;
// The amount of a move request that sends the rabbit back to 0.
constexpr int GERI_DON_MIKTARI = -1000;

// The number line of the scene: -100 to 100, 50 pixels a step.
SayiDogrusuOlcusu SahneDogrusu();
constexpr int DOGRU_SOLU = 10; // the number line's place in the scene
constexpr int DOGRU_USTU = 100;
constexpr int DOGRU_YUKSEKLIGI = 40;

// A move request from the movement panel to the main window (numbered message
// 1124, sent synchronously with a pointer to it).
struct HareketIstegi
{
    qint32 Toplama; // 1 for addition, 0 for subtraction
    qint32 Miktar;  // the amount typed; GERI_DON_MIKTARI means back to 0
};

extern const QString SINIR_MESAJI;

// The movement panel's side: the position and what a move comes to.
class HareketPaneliModeli
{
public:
    enum class Sonuc {
        Yok,   // the amount is no integer: nothing happens
        Sinir, // the result leaves -100..100: SINIR_MESAJI, nothing moves
        Git    // `Istek` goes to the main window, the label shows `Denklem`
    };

    int Konum() const { return konum_; }
    // A move of the typed `miktar`; the position changes only on Git.
    Sonuc Git(const QString& miktar, bool toplama);
    HareketIstegi Istek() const { return istek_; }
    QString Denklem() const { return denklem_; }
    // Back to 0; the request to send.
    HareketIstegi Sifirla();

private:
    int konum_ = 0;
    HareketIstegi istek_{1, 0};
    QString denklem_;
};

// "2 - 5 = -3", "(-3) + (-2) = -5": the old position and the amount in
// brackets when negative, the result never.
QString DenklemMetni(long long eski, long long miktar, bool toplama, long long sonuc);

// The scene's side: where the rabbit stands and which way it looks.
class SahneTavsani
{
public:
    int Konum() const { return konum_; }
    // The way of the last move: 1 right (also back to 0), -1 left, 0 none.
    int SonYon() const { return sonYon_; }
    bool SagaBakar() const { return sonYon_ >= 0; }
    void Uygula(const HareketIstegi& istek);
    // The left of a rabbit picture `resimGenisligi` wide centred over the tick.
    int ResimSolu(int resimGenisligi) const;
    // What a reader says of the rabbit: "Tavşan 7 üzerinde, sağa bakıyor".
    QString Adi() const;

private:
    int konum_ = 0;
    int sonYon_ = 0;
};

// The main window's scroll position that keeps the rabbit on `konum` about
// 530 pixels from the left of the visible part, within 0 .. `enFazla`.
int KaydirmaHedefi(int konum, int enFazla);
// The movement panel's left for a rabbit on `konum` in a window `genislik`
// wide: it follows the rabbit and never leaves the window.
int PanelSolu(int konum, int genislik, int panelGenisligi);
