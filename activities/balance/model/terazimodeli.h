#pragma once
#include "renk.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <array>

// The balance: two pans holding weights of 1, 3 and 5 kilograms and at most
// one unknown weight X. Everything here is plain bookkeeping; the window and
// its pans draw what this says.

constexpr int SOL_KEFE = 0;
constexpr int SAG_KEFE = 1;
// Where a dragged weight may lie besides the two pans.
constexpr int PALET = 2;    // the palette of weights above the balance
constexpr int YER_YOK = -1; // nowhere the balance knows (no parent)

// The unknown's number and Tag; the weights draw it as "X".
constexpr int BILINMEYEN = -10000;

// The kinds of weights a pupil can put on a pan.
bool AgirlikMi(int kg);
// Width and height of a weight of `kg` kilograms (BILINMEYEN: the unknown).
QSize AgirlikBoyu(int kg);
TRenk AgirlikRengi(int kg);
// What a pressed weight turns into in split mode: 5 into 3, 1, 1 (in that
// order), 3 into 1, 1, 1; nothing for any other weight.
QList<int> Parcalar(int kg);

// Where a weight dropped at `p` (pan coordinates) comes to lie: at the point,
// pulled back 5 pixels inside where it would reach the right or bottom edge of
// `serbest`, the pan's free area (its width, down to the top of its total
// label, which is raised over the weights), and never above or left of it.
// The weight so lies wholly inside the free area whenever it fits there.
QPoint BirakmaYeri(QPoint p, QSize agirlik, QSize serbest);
// Where a piece of a split appears: 20 pixels in from the top-left, plus a
// random offset of up to the pan's size less 70, drawn from the environment.
QPoint ParcaYeri(QSize kefe);
// Where the unknown appears on a pan.
QPoint BilinmeyenYeri(QSize kefe);

// A pan's label: its total, "X" for the unknown alone, "4 + X" beside it.
QString KefeEtiketi(qint64 toplam, bool bilinmeyen);

enum class TeraziDurumu { Dengede, SolAgir, SagAgir };
TeraziDurumu Denge(qint64 sol, qint64 sag);

// The top-left corners of the two pans in a state of the scale, for a balance
// picture whose top-left is `resim`. They sit on the picture's arms; the heavy
// pan hangs 70 pixels under the level position and the light one 30 above it.
struct KefeYerleri
{
    QPoint Sol;
    QPoint Sag;
};
KefeYerleri KefeYerleriHesapla(TeraziDurumu durum, QPoint resim);

// One pan: the sum of its known weights, the weights by kind, and whether the
// unknown lies on it. Totals are 64 bits wide: a pan holds as many weights as
// a pupil drops on it, and no count of drops reaches that range.
struct KefeModeli
{
    qint64 Total = 0;
    bool HasUnknown = false;
    std::array<int, 3> Adetler{}; // weights of 1, 3 and 5 kilograms

    int Adet(int kg) const;
    void AddToTotal(qint64 fark) { Total += fark; }
    void SetTotal(qint64 toplam) { Total = toplam; }
};

// What a weight dropped on another weight comes to.
struct IptalKarari
{
    enum Tur { Yok, Red, Kabul };
    Tur Sonuc = Yok;
    QString Mesaj; // the refusal's text
};

// What the answer typed for x comes to.
struct CevapSonucu
{
    bool Dogru = false;
    QString Mesaj;
};

class TeraziModeli
{
public:
    std::array<KefeModeli, 2> Kefeler;
    bool UnknownAdded = false; // only one unknown is allowed
    qint64 UnknownValue = 0;   // the value equalising gave X
    bool Frozen = false;       // equalised: drops on the pans and away from them are refused
    bool BolmeKipi = false;    // split mode: a press on a 3 or a 5 splits it

    const KefeModeli& Kefe(int kefe) const { return Kefeler[size_t(kefe)]; }
    // The pan the unknown lies on, or YER_YOK.
    int BilinmeyenKefesi() const;
    qint64 TotalWithUnknown(int kefe) const;
    QString Etiket(int kefe) const;
    TeraziDurumu Durum() const;

    // Drag rules: a pan takes drops unless the balance is frozen; the window's
    // surface, the palette and the balance picture take weights, never the unknown.
    bool KefeyeBirakilabilir() const { return !Frozen; }
    bool DisariBirakilabilir(bool bilinmeyen) const { return !Frozen && !bilinmeyen; }

    // A weight of `kg` arrives on a pan (a copy from the palette, a piece of a split).
    bool AgirlikEkle(int kefe, int kg);
    // A weight (or the unknown) of pan `kaynak` is dropped on pan `hedef`, which may be the same.
    bool AgirlikTasi(int kaynak, int hedef, int kg);
    // A weight of a pan is dropped away from the balance.
    bool AgirlikCikar(int kefe, int kg);
    // The weight `birakilan` (lying at `birakilanYeri`: a pan, PALET or YER_YOK)
    // is dropped on the weight `hedef` of pan `hedefKefe`. Equal weights of the
    // two pans both leave; anything else is refused with its message.
    IptalKarari Iptal(int hedefKefe, int hedef, int birakilanYeri, int birakilan);
    // A weight of `kg` on a pan is split; the pieces made, empty when none.
    QList<int> Bol(int kefe, int kg);
    bool BilinmeyenEkle(int kefe);
    // X takes the value that balances the scale and the balance freezes.
    bool EqualiseUnknown();
    // The typed answer judged; a text that is no integer throws the conversion error.
    CevapSonucu CheckAnswer(const QString& metin) const;
    void KefeyiBosalt(int kefe);
    void YeniProblem();

private:
    KefeModeli& kefe(int k) { return Kefeler[size_t(k)]; }
    static bool kefeMi(int k) { return k == SOL_KEFE || k == SAG_KEFE; }
    bool agirlikKoy(int kefe, int kg, int adet);
};
