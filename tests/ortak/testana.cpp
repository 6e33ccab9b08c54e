#include "testana.h"
#include "uygulama.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <cstdlib>

void EkranKaydet(QWidget* pencere, const QString& ad, bool boyutla)
{
    QString klasor = qEnvironmentVariable("ORVANTA_EKRANLAR");
    if (klasor.isEmpty())
        klasor = QDir::current().filePath(QStringLiteral("ekranlar"));
    QDir().mkpath(klasor);
    if (boyutla && pencere->isWindow()) {
        pencere->setWindowState(Qt::WindowNoState);
        pencere->resize(TUR_BOYUTU);
    }
    QCoreApplication::processEvents();
    const QPixmap resim = pencere->grab();
    if (!resim.save(QDir(klasor).filePath(ad + QStringLiteral(".png"))))
        qWarning("ekran kaydedilemedi: %s", qPrintable(ad));
}

void PencereGoster(QWidget& pencere, QSize boyut)
{
    pencere.setWindowState(Qt::WindowNoState);
    pencere.resize(boyut);
    pencere.show();
}

bool EtkinPencereGoster(QWidget& pencere, QSize boyut)
{
    PencereGoster(pencere, boyut);
    QApplication::setActiveWindow(&pencere);
    return QTest::qWaitFor([&] { return pencere.size() == boyut; });
}

QStringList AcikPencereler()
{
    QStringList sonuc;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            sonuc << QString::fromLatin1(w->metaObject()->className());
    return sonuc;
}

namespace {
QString Tanim(const QWidget* w)
{
    QString ad = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        ad += QLatin1Char('#') + w->objectName();
    if (const auto* d = qobject_cast<const QAbstractButton*>(w); d && !d->text().isEmpty())
        ad += QStringLiteral(" \"") + d->text() + QLatin1Char('"');
    else if (const auto* e = qobject_cast<const QLabel*>(w); e && !e->text().isEmpty())
        ad += QStringLiteral(" \"") + e->text().left(20) + QLatin1Char('"');
    return ad;
}

// The scroll area whose board `w` is, or nullptr.
const QScrollArea* TahtasiOldugu(const QWidget* w)
{
    const QWidget* ebeveyn = w->parentWidget();
    const auto* alan = qobject_cast<const QScrollArea*>(ebeveyn ? ebeveyn->parentWidget() : nullptr);
    return alan && alan->widget() == w ? alan : nullptr;
}

// Widgets whose parts are drawn by Qt itself and laid out by it.
bool QtParcasi(const QWidget* w, const QWidget* pencere)
{
    for (const QWidget* c = w->parentWidget(); c && c != pencere; c = c->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(c) || qobject_cast<const QComboBox*>(c)
            || qobject_cast<const QAbstractSpinBox*>(c) || qobject_cast<const QMenuBar*>(c)
            || (qobject_cast<const QAbstractScrollArea*>(c) && !qobject_cast<const QScrollArea*>(c)))
            return true;
    return qobject_cast<const QScrollBar*>(w) || w->inherits("QScrollAreaCornerWidget")
           || w->inherits("QFocusFrame") || w->inherits("OdakCercevesi");
}
}

QStringList Kesilenler(const QWidget& pencere)
{
    QStringList sonuc;
    for (const QWidget* w : pencere.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&pencere) || w->isWindow() || w->width() <= 0 || w->height() <= 0
            || QtParcasi(w, &pencere))
            continue;
        // Up to the window, or to the board of a scroll area: wholly inside each parent.
        QRect yer = w->rect();
        for (const QWidget* c = w; c != &pencere; c = c->parentWidget()) {
            if (TahtasiOldugu(c))
                break;
            yer.translate(c->pos());
            const QWidget* ebeveyn = c->parentWidget();
            if (!ebeveyn->rect().contains(yer)) {
                sonuc << Tanim(w) + QStringLiteral(" (%1,%2 %3x%4) dışında: ")
                                        .arg(yer.x()).arg(yer.y()).arg(yer.width()).arg(yer.height())
                             + Tanim(ebeveyn) + QStringLiteral(" %1x%2").arg(ebeveyn->width()).arg(ebeveyn->height());
                break;
            }
        }
    }
    return sonuc;
}

QString ResimFarki(const QImage& ekran, const QImage& resim, int adim, int& sayi)
{
    sayi = 0;
    if (ekran.size() != resim.size())
        return QStringLiteral("boyut: %1x%2 / %3x%4")
            .arg(ekran.width()).arg(ekran.height()).arg(resim.width()).arg(resim.height());
    for (int y = 0; y < resim.height(); y += adim)
        for (int x = 0; x < resim.width(); x += adim) {
            const QColor b = resim.pixelColor(x, y);
            if (b.alpha() != 255)
                continue;
            const QColor a = ekran.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 6)
                return QStringLiteral("%1,%2: %3 %4").arg(x).arg(y).arg(a.name(), b.name());
            ++sayi;
        }
    return QString();
}

// The window tests run under the program's own application object, with its
// event boundary and its focus frame.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    OrvantaUygulamasi uygulama(argc, argv);
    return KayitliTestleriCalistir(uygulama);
}
