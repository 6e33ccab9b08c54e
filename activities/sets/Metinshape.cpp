#include "Metinshape.h"
#include "gorunum.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

MetinShape::MetinShape(QWidget* ebeveyn, const QString& metin) : QWidget(ebeveyn), Text(metin)
{
    setAutoFillBackground(false);
    setCursor(Qt::OpenHandCursor);
    setAccessibleName(metin);
}

QFont MetinShape::KaroYazisi()
{
    return PuntoYazi(YaziAilesi::Tahoma, 15, false);
}

void MetinShape::FitToText()
{
    if (Text.isEmpty())
        return;
    const QFontMetrics olcu(KaroYazisi());
    resize(olcu.horizontalAdvance(Text) + 10, olcu.height() + 10);
}

void MetinShape::paintEvent(QPaintEvent*)
{
    QPainter boya(this);
    const QFont yazi = KaroYazisi();
    boya.setFont(yazi);
    boya.setPen(RenkQ(FontColor));
    const QFontMetrics olcu(yazi);
    const int x = (width() - olcu.horizontalAdvance(Text)) / 2;
    const int y = (height() - olcu.height()) / 2;
    boya.drawText(QPoint(x, y + olcu.ascent()), Text);
}

void MetinShape::changeEvent(QEvent* olay)
{
    if (olay->type() == QEvent::EnabledChange)
        setCursor(isEnabled() ? Qt::OpenHandCursor : Qt::ArrowCursor);
    QWidget::changeEvent(olay);
}

void MetinShape::mousePressEvent(QMouseEvent* olay)
{
    olay->accept();
}
