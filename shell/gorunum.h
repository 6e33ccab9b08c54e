#pragma once
#include "renk.h"

#include <QFont>
#include <QPalette>
#include <QString>

class QPainter;
class QPen;
class QRect;
class QWidget;

// A font asked for by the name the program's design gives (fontconfig maps
// Arial, Tahoma, MS Sans Serif, Courier New and Century Gothic to the free
// fonts the scripts install), `piksel` pixels high.
inline QFont PikselYazi(const QString& aile, int piksel, bool kalin = true)
{
    QFont f(aile);
    f.setPixelSize(piksel);
    f.setBold(kalin);
    return f;
}

// The font families the windows use.
enum class YaziAilesi { Arial, Tahoma, MsSansSerif, CenturyGothic, CourierNew };

// The one way a window names a font: family, pixel size, bold by default.
QFont Yazi(YaziAilesi aile, int piksel, bool kalin = true);
// The same for a size given in points ("size 15").
QFont PuntoYazi(YaziAilesi aile, int punto, bool kalin = true);

// The keyboard focus frame: an orange ring with a white edge inside it, seen
// on the green boards, on white paper and on the coloured command bars alike.
constexpr TRenk ODAK_RENGI = 0x0080FF;
constexpr TRenk ODAK_ICI_RENGI = clWhite;

// Gives `w` the colour `renk` for `rol` (text: QPalette::WindowText, a box's
// background: QPalette::Base ...).
void RenkVer(QWidget* w, QPalette::ColorRole rol, TRenk renk);
// Fills `w`'s background with `renk`.
void ZeminVer(QWidget* w, TRenk renk);

// A rounded card filling `alan`: the outline drawn with `cerceve` on the
// half-pixel inside the edge, so that it is crisp, and the inside filled with
// `dolgu`; antialiased.
void KartCiz(QPainter& p, const QRect& alan, const QColor& dolgu, const QPen& cerceve, qreal yaricap);
