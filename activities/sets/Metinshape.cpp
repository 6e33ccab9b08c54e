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
}

QString MetinShape::Okunus(const QString& metin)
{
    if (!metin.isEmpty() && metin.trimmed().isEmpty())
        return QStringLiteral("boşluk");
    if (metin.size() == 1 && metin.at(0).isUpper())
        return QStringLiteral("büyük ") + metin;
    return metin;
}

QString MetinShape::GorunenMetin(const QString& metin)
{
    QString gorunen = metin;
    for (QChar& c : gorunen)
        if (c.isSpace())
            c = QChar(0x2423);
    return gorunen;
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
    resize(olcu.horizontalAdvance(GorunenMetin(Text)) + 10, olcu.height() + 10);
}

void MetinShape::paintEvent(QPaintEvent*)
{
    QPainter boya(this);
    const QFont yazi = KaroYazisi();
    boya.setFont(yazi);
    boya.setPen(RenkQ(FontColor));
    const QFontMetrics olcu(yazi);
    const QString gorunen = GorunenMetin(Text);
    const int x = (width() - olcu.horizontalAdvance(gorunen)) / 2;
    const int y = (height() - olcu.height()) / 2;
    boya.drawText(QPoint(x, y + olcu.ascent()), gorunen);
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
