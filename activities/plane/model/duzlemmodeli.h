#pragma once
#include "eksengeometrisi.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// The rules of "Tavşanı Yakalayalım": where the sheet goes, where the rabbit
// hides, what a throw means, and the quick-escape countdown.

// The sheet of a window with client size `pencere` whose commands take the
// top `ust` pixels: 10 pixels free at the left, right and bottom.
QRect YaprakAlani(QSize pencere, int ust);

// The rabbit and the stone, in plane coordinates.
class DuzlemOyunu
{
public:
    QPoint Tavsan{0, 0};
    QPoint Tas{5, 5};

    // A random lattice point for the rabbit: x from -11 to 11, y from
    // -(L-1) to L-1 (0 when L is 0), drawn from the environment.
    void TavsanYerlestir(int ySiniri);
    bool Yakalandi() const { return Tas == Tavsan; }
    // Giving up: the stone goes onto the rabbit.
    void Goster() { Tas = Tavsan; }
    // After the sheet changed size: a rabbit outside the new placement range
    // is placed anew, so that it can still be caught. True when it moved.
    bool SinirdaTut(int ySiniri);
};

// The keyboard's point on the plane, which readers follow. The arrow keys
// move it by a unit within the points a stone can reach: x from -12 to 12,
// y from -L to L.
QPoint ImleciTasi(QPoint imlec, int dx, int dy, int ySiniri);
// What a reader says of the point `imlec`: "(3, -2) noktası", with "tavşan
// burada" and "taş burada" where they stand.
QString NoktaAdi(QPoint imlec, const DuzlemOyunu& oyun);

// What a throw with the typed X and Y comes to.
enum class AtisTuru {
    BosX,     // sound 1258 and a message
    BosY,     // sound 1258 and a message
    Gecersiz, // no integer: the beep only
    XDisi,    // sound 1258 and a message
    YDisi,    // sound 1258 and a message
    Atis      // the stone lands on `Nokta`
};
struct AtisSonucu
{
    AtisTuru Tur;
    QPoint Nokta;
    QString Mesaj; // empty for Gecersiz and Atis
};
// X is checked before Y; x must lie in -12..12 and y in -L..L.
AtisSonucu AtisDenetle(const QString& x, const QString& y, int ySiniri);

extern const QString YAKALANDI_MESAJI;
// "Oyunu Kaybettiniz!" and, on the next line, where the rabbit was.
QString PesEtMetni(QPoint tavsan);

// A typed escape time: nothing (the time stays) when the answer is empty,
// no integer, or below one second.
std::optional<int> KacmaZamaniCevabi(const QString& cevap);

// The quick-escape countdown. The shown value reaches 0, and in that same
// second the count starts again from the escape time and the rabbit jumps.
class KacmaSayaci
{
public:
    static constexpr int ACILIS_SURESI = 15;

    int KacmaZamani() const { return kacmaZamani_; }
    // Takes effect the next time the count starts.
    void KacmaZamaniAyarla(int saniye);
    int Kalan() const { return kalan_; }
    // What the countdown label shows.
    int Gosterilen() const { return gosterilen_; }

    void Baslat();
    // One second: true when the rabbit jumps now.
    bool Tik();

private:
    int kacmaZamani_ = ACILIS_SURESI;
    int kalan_ = ACILIS_SURESI;
    int gosterilen_ = ACILIS_SURESI;
};

// Before the first turn the rabbit may be hidden again (F9); in play the
// pupil may give up and switch quick escape.
enum class TurDurumu { IlkTurOncesi, Oyunda };
