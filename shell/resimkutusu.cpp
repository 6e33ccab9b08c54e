#include "resimkutusu.h"

#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

ResimKutusu::ResimKutusu(const QString& yol, QWidget* sahip) : QWidget(sahip), yol_(yol)
{
    resim_ = Resim(yol_, QSize(), devicePixelRatioF());
    setFixedSize(resim_.isNull() ? QSize(1, 1) : resim_.deviceIndependentSize().toSize());
}

QPixmap ResimKutusu::Resim(const QString& yol, QSize boyut, qreal oran)
{
    if (yol.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer cizici(yol);
        if (!cizici.isValid())
            return QPixmap();
        if (boyut.isEmpty())
            boyut = cizici.defaultSize();
        QPixmap resim(boyut * oran);
        resim.setDevicePixelRatio(oran);
        resim.fill(Qt::transparent);
        QPainter boya(&resim);
        cizici.render(&boya, QRectF(QPointF(0, 0), QSizeF(boyut)));
        return resim;
    }
    QPixmap resim(yol);
    if (!resim.isNull() && !boyut.isEmpty())
        resim = resim.scaled(boyut * oran, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resim.setDevicePixelRatio(oran);
    return resim;
}

QSize ResimKutusu::sizeHint() const
{
    return size();
}

void ResimKutusu::paintEvent(QPaintEvent*)
{
    QPainter boya(this);
    boya.drawPixmap(0, 0, resim_);
}
