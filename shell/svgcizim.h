#pragma once
#include <QImage>
#include <QSize>
#include <QString>

// An SVG drawn into a premultiplied ARGB image of `boyut` logical pixels (its
// natural size when `boyut` is empty) at device pixel ratio `oran`,
// transparent around the picture. A null image when the SVG cannot be read.
// Safe on any thread; needs no application object, so the build's picture
// tool draws with it too.
QImage SvgCizim(const QString& yol, QSize boyut, qreal oran);
