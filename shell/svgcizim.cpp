#include "svgcizim.h"

#include <QPainter>
#include <QSvgRenderer>

QImage SvgCizim(const QString& yol, QSize boyut, qreal oran)
{
    QSvgRenderer cizici(yol);
    if (!cizici.isValid())
        return QImage();
    if (boyut.isEmpty())
        boyut = cizici.defaultSize();
    QImage resim(boyut * oran, QImage::Format_ARGB32_Premultiplied);
    resim.setDevicePixelRatio(oran);
    resim.fill(Qt::transparent);
    QPainter boya(&resim);
    cizici.render(&boya, QRectF(QPointF(0, 0), QSizeF(boyut)));
    return resim;
}
