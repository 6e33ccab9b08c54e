#include "gorunum.h"

#include <QPainter>
#include <QPen>

#include <QWidget>

namespace {
QString AileAdi(YaziAilesi aile)
{
    switch (aile) {
    case YaziAilesi::Tahoma:
        return QStringLiteral("Tahoma");
    case YaziAilesi::MsSansSerif:
        return QStringLiteral("MS Sans Serif");
    case YaziAilesi::CenturyGothic:
        return QStringLiteral("Century Gothic");
    case YaziAilesi::CourierNew:
        return QStringLiteral("Courier New");
    case YaziAilesi::Arial:
        break;
    }
    return QStringLiteral("Arial");
}
}

QFont Yazi(YaziAilesi aile, int piksel, bool kalin)
{
    return PikselYazi(AileAdi(aile), piksel, kalin);
}

QFont PuntoYazi(YaziAilesi aile, int punto, bool kalin)
{
    QFont f(AileAdi(aile));
    f.setPointSize(punto);
    f.setBold(kalin);
    return f;
}

void RenkVer(QWidget* w, QPalette::ColorRole rol, TRenk renk)
{
    QPalette p = w->palette();
    p.setColor(rol, RenkQ(renk));
    w->setPalette(p);
}

void ZeminVer(QWidget* w, TRenk renk)
{
    w->setAutoFillBackground(true);
    RenkVer(w, QPalette::Window, renk);
}

void KartCiz(QPainter& p, const QRect& alan, const QColor& dolgu, const QPen& cerceve, qreal yaricap)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(cerceve);
    p.setBrush(dolgu);
    p.drawRoundedRect(QRectF(alan).adjusted(0.5, 0.5, -0.5, -0.5), yaricap, yaricap);
}
