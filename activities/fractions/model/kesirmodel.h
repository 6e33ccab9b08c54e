#pragma once
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <qnamespace.h>
#include <QtGlobal>
#include <array>
#include <optional>

// The rules of the fractions activity: the geometry of the slices, the
// selection order, the answer checks, expansion and the ranking.

// A whole is cut into at most this many parts.
constexpr int KESIR_EN_COK_PARCA = 100;
constexpr int KESIR_EN_AZ_PARCA = 1;

// How a drawing shows its whole.
enum KesirGorunumu : quint8 {
    GORUNUM_YATAY = 0,  // strips stacked one under the other
    GORUNUM_DIKEY = 1,  // strips side by side
    GORUNUM_CEMBER = 2, // pie slices of a circle
    GORUNUM_COKGEN = 3  // triangles of a regular polygon (a circle below 3 parts)
};

// ---------------------------------------------------------------------------
// Round slices. Every slice of a circle is a box of the same size; the circle
// is inscribed in it, centre (w / 2, h / 2), radius w / 2. Angles are degrees.
//
// Two angle systems meet here:
// - the slot angles of PointOnCircle grow clockwise on the screen, because
//   the screen's y axis points down;
// - AngleOf, and Qt's drawPie, grow counter-clockwise, 0 at 3 o'clock; drawPie
//   counts sixteenths of a degree.
// With the counter-clockwise slots the window uses, slice i (0-based) is drawn
// over the counter-clockwise angles i * step .. (i + span) * step, which is
// exactly where HitTest finds it.

// 360 / n; a whole circle when n <= 0.
double DilimAdimi(int parcaSayisi);
// The point at clockwise angle `aci` on the circle (c, r), rounded half up.
QPoint PointOnCircle(QPoint c, int r, double aci);
// The slot that slice `dilim` occupies: counted backwards with `tersYon`
// (counter-clockwise on the screen), else the slice index itself.
int DilimYuvasi(int parcaSayisi, int dilim, bool tersYon);
// The counter-clockwise angle of (x, y) around `c`, from 3 o'clock: 90 straight
// above. Nothing for the centre itself, which has no direction.
std::optional<double> AngleOf(QPoint c, int x, int y);
// Whether a press at (x, y) of a box w x h falls in slice `dilim`: by direction
// only, both borders included. A press on the centre hits no slice.
bool DilimIsabeti(int w, int h, int parcaSayisi, int dilim, int kapsam, int x, int y);
// The slice of a circle of n parts (each covering one) that a press at (x, y)
// selects: the first, in creation order, whose angles hold it; -1 for none.
int BasilanDilim(int w, int h, int parcaSayisi, int x, int y);

// What drawPie needs for a slice, in sixteenths of a degree.
struct PieAcisi
{
    bool TamDaire = false; // the slice covers the whole circle: draw the ellipse
    int Baslangic = 0;     // 0 .. 5759, counter-clockwise from 3 o'clock
    int Aciklik = 0;       // counter-clockwise
};
PieAcisi PieAngles(int parcaSayisi, int dilim, int kapsam, bool tersYon);

// The triangle centre, P1, P2 of a polygon slice (always counted backwards).
std::array<QPoint, 3> UcgenKoseleri(int w, int h, int parcaSayisi, int dilim);
// Top-left of a slice's number: near the rim, in the middle of its chord,
// computed in the box shrunk by 10. One part: the middle of the box; two
// parts, whose chords both run through the centre: halfway out along the
// slice's middle direction, so the two numbers do not overlap.
QPoint SliceNoPos(int w, int h, int parcaSayisi, int dilim, int kapsam, bool tersYon);
// Top-left of the selection number: halfway between the chord's middle and the centre.
QPoint SelectionNoPos(int w, int h, int parcaSayisi, int dilim, int kapsam, bool tersYon);

// The fill patterns of the brush style picker, sample by sample (0 to 7):
// clear, solid, cross, diagonal cross, backward diagonal, horizontal,
// forward diagonal, vertical.
Qt::BrushStyle StyleOf(int i);
// What a screen reader calls a fill pattern: "Düz", "Kareli" ...
QString StilAdi(Qt::BrushStyle stil);
// What a screen reader says of slice `i` (0-based) whose selection order is
// `tag`: "3. dilim", and "3. dilim, seçili" once it is selected.
QString DilimAdi(int i, int tag);

// The view a drawing builds for `gorunum` with n parts: a polygon needs at
// least 3 corners, so fewer parts draw the circle.
KesirGorunumu CizilenGorunum(int gorunum, int n);

// A strip of the whole `sekil` cut into n: stacked (GORUNUM_YATAY) or side by
// side. The n strips cover `sekil` exactly; their lengths differ by one pixel at most.
QRect SeritYeri(int gorunum, QRect sekil, int n, int i);
// Whether a number whose text box is `yazi`, written with its top-left at
// `yer`, stands wholly inside a strip of size `dilim`; a number that would be
// cut off is not written.
bool NumaraSigar(QSize dilim, QPoint yer, QSize yazi);

// ---------------------------------------------------------------------------
// Selection order. A tag is 0 for an unselected slice, else its order (1 first).

// The press of slice `i`: an unselected slice gets the next order; a selected
// one loses its order and the later ones close up, keeping their order.
void SecimDegistir(QVector<int>& taglar, int& sayac, int i);
int SeciliSayisi(const QVector<int>& taglar);
// The tags of `n` new slices from the saved ones, slice by slice.
QVector<int> SecimleriGeriVer(const QVector<int>& kayitli, int n);

// ---------------------------------------------------------------------------
// A drawing's exercise.

struct KesirProblemi
{
    int Pay = 1;
    int Payda = 2;
    quint8 Gorunum = GORUNUM_CEMBER;
};
// A new target (numerator 1 to 5, a larger denominator up to 15) and view,
// drawn from the environment's random numbers.
KesirProblemi YeniKesirProblemi();

// The exercise modes of a drawing.
enum KesirModu : quint8 { MOD_GORSELLESTIRME = 1, MOD_KESIR_GOSTER = 2, MOD_KESIR_ADI = 3 };
QString ModYonergesi(int mod);

// What a message box says about an answer.
struct CevapYargisi
{
    bool Dogru = false;
    QString Baslik;
    QString Metin;
};
// "Cevap Denetle" of modes 2 and 3; nothing in mode 1. In mode 2 the drawing
// must show the target; in mode 3 the typed fraction must name the drawing.
std::optional<CevapYargisi> ModCevabi(int mod, int secili, int parca, int hedefPay, int hedefPayda, int yazilanPay,
                                      int yazilanPayda);
// A typed answer: empty counts as 0; anything else must be an integer
// (DonusumHatasi otherwise).
int BosSifirTamsayi(const QString& metin);

// ---------------------------------------------------------------------------
// A pane's fraction.

struct Kesir
{
    int Pay = 0;
    int Payda = 1;
    bool operator==(const Kesir& o) const { return Pay == o.Pay && Payda == o.Payda; }
};
// A pane's new target: numerator 1 to 7, denominator that to 4 more.
Kesir YeniHedefKesir();

// The verdict of "Denetle" on a drawing with `secili` of `parca` parts selected.
struct PaneYargisi
{
    bool Olumlu = false; // a neutral sound, else the error sound
    QString Metin;
};
// Nothing when the numerator or the denominator is 0. Products are 64 bits wide.
std::optional<PaneYargisi> KesirDenetle(Kesir hedef, int secili, int parca);

// The answer to "Payda Genişletme".
struct GenisletmeSonucu
{
    enum Tur { Yok, Reddedildi, Degisti } Durum = Yok;
    Kesir Yeni;
};
// Empty, or not above 0: nothing happens. A denominator that is a multiple of
// the current one expands; a divisor that also divides the numerator's factor
// simplifies; anything else, and any result outside the 32-bit range, is
// refused. A text that is no integer throws DonusumHatasi.
GenisletmeSonucu Genislet(Kesir kesir, const QString& cevap);
GenisletmeSonucu Genislet(Kesir kesir, long long yeniPayda);

// The answer to "Yeni Pay Değeri": nothing when empty (DonusumHatasi for no integer).
std::optional<int> PayCevabi(const QString& cevap);
// The answer to "Yeni Payda Değeri": nothing when empty; the value, checked by the caller for > 0.
std::optional<int> PaydaCevabi(const QString& cevap);

// ---------------------------------------------------------------------------
// Ranking.

// The rank the arrows ask for: p wrapped into 1 .. kesirSayisi (0 becomes the
// count, one past the count becomes 1).
int SiraSar(int p, int kesirSayisi);
// Every rank `eski` becomes `yeni` and every rank `yeni` becomes `eski`.
void SiraDegistir(QVector<int>& siralar, int eski, int yeni);
// Whether the ranks 1, 2, 3 ... go from the largest fraction to the smallest.
// Equal fractions may stand in either order. Denominators are positive.
bool SiralamaDogru(const QVector<Kesir>& kesirler, const QVector<int>& siralar);
