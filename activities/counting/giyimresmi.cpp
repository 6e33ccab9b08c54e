#include "giyimresmi.h"
#include "gorunum.h"
#include "resimkutusu.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

GiyimResmi::GiyimResmi(QWidget* sahip, const QImage& cizim)
    : QWidget(sahip), resim_(BoyamayaHazirla(cizim)), cizim_(cizim)
{
    resize(Olcu());
}

GiyimResmi::GiyimResmi(QWidget* sahip, const GiyimResmi& sablon)
    : QWidget(sahip), resim_(sablon.resim_), cizim_(sablon.cizim_)
{
    resize(Olcu());
}

QImage GiyimResmi::Cizim(const QString& yol, QSize olcu, qreal oran)
{
    return ResimKutusu::SvgCiz(yol, olcu, oran);
}

void GiyimResmi::Doldur(const std::vector<QPoint>& noktalar, TRenk renk)
{
    NoktalardanDoldur(resim_, noktalar, renk);
    gorunum_ = QImage();
    update();
}

QImage GiyimResmi::Gorunum() const
{
    if (gorunum_.isNull())
        gorunum_ = SaydamGorunum(resim_, cizim_);
    return gorunum_;
}

void GiyimResmi::paintEvent(QPaintEvent*)
{
    QPainter boya(this);
    boya.setRenderHint(QPainter::SmoothPixmapTransform);
    boya.drawImage(rect(), Gorunum());
}

void GiyimResmi::mouseDoubleClickEvent(QMouseEvent* olay)
{
    olay->accept();
    emit CiftTiklandi(this);
}

void GiyimResmi::contextMenuEvent(QContextMenuEvent* olay)
{
    olay->accept();
    emit MenuIstendi(this, olay->globalPos());
}

void GiyimResmi::keyPressEvent(QKeyEvent* olay)
{
    const Qt::KeyboardModifiers tuslar = olay->modifiers() & ~Qt::KeypadModifier;
    switch (olay->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (tuslar != Qt::NoModifier)
            break;
        olay->accept();
        emit CiftTiklandi(this);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (tuslar != Qt::NoModifier)
            break;
        olay->accept();
        emit OkBasildi(this, olay->key());
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(olay);
}

KucukResim::KucukResim(QWidget* sahip, const QImage& adam, int numara, ErisimAdi ad)
    : QWidget(sahip), Numara(numara)
{
    if (!ad)
        ad = [numara] { return QStringLiteral("%1. giyim").arg(numara); };
    ErisimKur(this, QAccessible::Graphic, std::move(ad));
    const qreal oran = adam.devicePixelRatio();
    const QSize boyut(KUCUK_RESIM, KUCUK_RESIM);
    resim_ = QImage(boyut * oran, QImage::Format_RGB32);
    resim_.setDevicePixelRatio(oran);
    QPainter boya(&resim_);
    // Smooth enough for a picture that shrinks by less than half.
    boya.setRenderHint(QPainter::SmoothPixmapTransform);
    boya.drawImage(QRect(QPoint(0, 0), boyut), adam);
    const QFont yazi = Yazi(YaziAilesi::Arial, 20, false);
    boya.setFont(yazi);
    boya.setPen(Qt::black);
    // The number's top left corner at (5, 10).
    boya.drawText(QPoint(5, 10 + QFontMetrics(yazi).ascent()), QString::number(numara));
    boya.end();
    resize(boyut);
}

void KucukResim::paintEvent(QPaintEvent*)
{
    QPainter boya(this);
    boya.drawImage(0, 0, resim_);
}
