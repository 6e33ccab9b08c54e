#include "qtparcalari.h"

#include <QApplication>
#include <QProxyStyle>
#include <QScrollBar>

namespace {
class AdlandiranStil : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    using QProxyStyle::polish;

    void polish(QWidget* w) override
    {
        QProxyStyle::polish(w);
        if (!w->accessibleName().isEmpty())
            return;
        if (auto* cubuk = qobject_cast<QScrollBar*>(w)) {
            cubuk->setAccessibleName(cubuk->orientation() == Qt::Horizontal ? QStringLiteral("Yatay kaydırma çubuğu")
                                                                             : QStringLiteral("Dikey kaydırma çubuğu"));
        } else if (w->objectName() == QLatin1String("qt_scrollarea_viewport")) {
            // The visible part of a text or a board: named as the whole.
            const QString ad = w->parentWidget() ? w->parentWidget()->accessibleName() : QString();
            w->setAccessibleName(ad.isEmpty() ? QStringLiteral("Görünen bölüm") : ad);
        }
    }
};
}

void QtParcalariniAdlandir(QApplication& uygulama)
{
    uygulama.setStyle(new AdlandiranStil);
}
