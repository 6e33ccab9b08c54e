#pragma once
#include "renk.h"

#include <QList>
#include <QMap>
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
// The scale as a screen reader says it: "Terazi dengede", "Terazi sola eğik".
QString TeraziAdi(TeraziDurumu durum);

// The top-left corners of the two pans in a state of the scale, for a balance
// picture whose top-left is `resim`. They sit on the picture's arms; the heavy
// pan hangs 70 pixels under the level position and the light one 30 above it.
struct KefeYerleri
{
    QPoint Sol;
    QPoint Sag;
};
KefeYerleri KefeYerleriHesapla(TeraziDurumu durum, QPoint resim);

// One pan: the sum of its known weights and whether the unknown lies on it.
// Totals are 64 bits wide: a pan holds as many weights as a pupil drops on
// it, and no count of drops reaches that range.
struct KefeModeli
{
    qint64 Total = 0;
    bool HasUnknown = false;

    void AddToTotal(qint64 fark) { Total += fark; }
    void SetTotal(qint64 toplam) { Total = toplam; }
};

// The window's surface, outside the pans, the palette and the balance picture.
constexpr int PENCERE_YUZEYI = 3;

// A weight the balance knows: one of the three of the palette, or one lying
// on a pan. The drawn weights carry its number (`Kimlik`) and nothing else
// that a rule reads.
struct Agirlik
{
    int Kimlik = 0;    // never 0
    int Kg = 0;        // 1, 3, 5 or BILINMEYEN
    int Yer = YER_YOK; // SOL_KEFE, SAG_KEFE or PALET
    QPoint Konum;      // its top-left on its pan
};

// Where a drop lands: a place (a pan, PALET, PENCERE_YUZEYI) or, when `Agirlik` is
// not 0, the weight of that number.
struct BirakmaHedefi
{
    int Yer = YER_YOK;
    int Agirlik = 0;
};

// What a drop comes to. The window applies it: it moves or makes the drawn
// weight, takes away those that left, relabels the pans and plays the sound.
struct BirakmaKarari
{
    enum Tur {
        Yok,     // nothing happens
        Red,     // refused: the sound and the message
        Tasi,    // the dragged weight moves inside its pan to `Konum`
        Kopyala, // a new weight `Agirlik` lies at `Konum` of pan `Kefe`
        Cikar,   // the dragged weight leaves the balance
        Iptal    // the dragged weight and the one it was dropped on both leave
    };
    Tur Sonuc = Yok;
    QString Mesaj;       // Red: the refusal's text
    quint16 Ses = 0;     // the sound the drop makes, 0 for none
    int Kefe = YER_YOK;  // Tasi, Kopyala: the pan the weight lies on
    int Agirlik = 0;     // Tasi: the dragged weight; Kopyala: the new one
    QPoint Konum;        // Tasi, Kopyala
    bool KaynakGider = false; // the dragged weight leaves once its drag has ended
    int HedefGider = 0;       // Iptal: the weight dropped on, which leaves at once
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
    TeraziModeli();

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
    // What a screen reader says of a pan, "Sol kefe: 4 + X", and of the
    // weight `kimlik`: "5 kg, sol kefede", "X, sağ kefede", "1 kg, ağırlık
    // sırasında"; empty for a weight that has left the balance.
    QString KefeAdi(int kefe) const;
    QString AgirlikAdi(int kimlik) const;
    // A place on the pan where a weight of `boyut` put with its top-left
    // corner there lies clear of every weight of the pan and inside its free
    // area: the lowest such place, nearest the middle. The middle of the
    // free area when none is clear.
    QPoint BosYer(int kefe, QSize boyut) const;

    // The weight numbered `kimlik`, or nullptr once it has left the balance.
    const Agirlik* Bul(int kimlik) const;
    // The weights at `yer` in the order they came there.
    QList<Agirlik> Agirliklar(int yer) const;
    // The number of the palette weight of `kg` kilograms, 0 for none.
    int PaletAgirligi(int kg) const;
    // The number of the unknown, 0 while it lies on no pan.
    int BilinmeyenKimligi() const;

    // The size of a pan and its free area (see BirakmaYeri), as the pan is laid out.
    void KefeAlaniAyarla(int kefe, QSize boyut, QSize serbest);

    // Drag over: whether `yer` takes the weight `kaynak` (0: an object that is
    // no weight). A pan takes drops unless the balance is frozen; the window's
    // surface, the palette and the balance picture take anything but the unknown.
    bool Birakilabilir(int kaynak, int yer) const;
    // The weight `kaynak` is dropped on `hedef` at `nokta` (pan coordinates).
    // A palette weight leaves a copy on a pan; a weight of one pan dropped on
    // the other leaves a copy there and goes; one dropped away from the pans
    // leaves the balance. On another weight: equal weights of the two pans
    // both leave, anything else is refused with its message, frozen or not.
    BirakmaKarari Birak(int kaynak, BirakmaHedefi hedef, QPoint nokta = QPoint());

    // A weight of `kg` at a random place of the pan, drawn from the
    // environment; its number, 0 when none was made.
    int ParcaEkle(int kefe, int kg);
    // The weight `kimlik` is split into the weights of Parcalar; the numbers of
    // the pieces in that order, empty when nothing was split.
    QList<int> Bol(int kimlik);
    // A press on the weight `kimlik` splits it: split mode is on and it lies on a pan.
    bool BasincaBolunur(int kimlik) const;
    // The one unknown, in the middle of the pan; its number, 0 when it exists already.
    int BilinmeyenEkle(int kefe);
    // X takes the value that balances the scale and the balance freezes.
    bool EqualiseUnknown();
    // The typed answer judged; a text that is no integer throws the conversion error.
    CevapSonucu CheckAnswer(const QString& metin) const;
    // Every weight of the pan, the unknown included, leaves it.
    void KefeyiBosalt(int kefe);
    void YeniProblem();

private:
    static bool kefeMi(int k) { return k == SOL_KEFE || k == SAG_KEFE; }
    int ekle(int yer, int kg, QPoint konum);
    void cikar(int kimlik);
    BirakmaKarari kefeye(const Agirlik& s, int kefe, QPoint nokta);
    BirakmaKarari disari(const Agirlik& s);
    BirakmaKarari iptal(int hedef, int kaynak);

    QMap<int, Agirlik> agirliklar_; // by number, which grows with every weight made
    int sonKimlik_ = 0;
    std::array<QSize, 2> boyut_{};
    std::array<QSize, 2> serbest_{};
};
