#pragma once
#include "testkaydi.h"

#include <QSize>
#include <QString>
#include <QStringList>

class QImage;
class QWidget;

// The screen tour's size: a classroom projector's 1366 x 768.
constexpr QSize TUR_BOYUTU(1366, 768);

// Writes a picture of `pencere` into the screen tour folder as <ad>.png.
// A top-level window is first brought to the tour size when `boyutla` is set.
void EkranKaydet(QWidget* pencere, const QString& ad, bool boyutla = true);

// Shows the top-level `pencere` in its normal state, `boyut` large.
void PencereGoster(QWidget& pencere, QSize boyut = TUR_BOYUTU);

// Shows it as PencereGoster does and makes it the active window, so that its
// boxes take the focus; false when the window did not reach `boyut`.
bool EtkinPencereGoster(QWidget& pencere, QSize boyut);

// Class names of the top-level windows still shown: a test's cleanup expects none.
QStringList AcikPencereler();

// The shown widgets of `pencere` that a pupil cannot see whole: cut off by the
// window or by a parent. A widget on a board that scrolls counts as seen when
// it lies wholly on the board, which the scroll bars reach. Each entry names
// the widget (class, object name or text) and where it stands.
QStringList Kesilenler(const QWidget& pencere);

// The shown labels of `pencere` whose text (a line of it) is wider than the
// label can show.
QStringList TasanEtiketler(const QWidget& pencere);

// The shown controls of `pencere` (buttons, boxes, sliders) that a pupil
// cannot bring into view whole: each is scrolled into view through every
// scroll area around it and must then lie inside each of them and the window.
// Leaves the scroll areas scrolled.
QStringList GorunmeyenKontroller(const QWidget& pencere);

// Compares `ekran`, a grab of a picture as shown, with `resim`, the picture
// drawn alone at the same size, on every `adim`-th pixel where the picture is
// opaque: blending into a window may round a shade, a picture drawn at another
// size differs by far more. Returns the first pixel that differs (empty when
// none) and counts the pixels compared into `sayi`.
QString ResimFarki(const QImage& ekran, const QImage& resim, int adim, int& sayi);
