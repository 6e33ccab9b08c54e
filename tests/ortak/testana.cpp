#include "testana.h"
#include "etkinlikpenceresi.h"
#include "uygulama.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
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

// The page of an activity window, which keeps the window's coordinates: its
// top strip lies under the bars, cut off on purpose.
bool EtkinlikSayfasi(const QWidget* w)
{
    const auto* pencere = qobject_cast<const EtkinlikPenceresi*>(w->window());
    return pencere && pencere->Sayfa() == w;
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
            if (TahtasiOldugu(c) || EtkinlikSayfasi(c))
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

QStringList TasanEtiketler(const QWidget& pencere)
{
    QStringList sonuc;
    for (const QLabel* e : pencere.findChildren<QLabel*>()) {
        if (!e->isVisibleTo(&pencere) || e->isWindow() || e->text().isEmpty() || e->wordWrap() || QtParcasi(e, &pencere))
            continue;
        if (e->textFormat() == Qt::RichText || (e->textFormat() == Qt::AutoText && Qt::mightBeRichText(e->text())))
            continue;
        QString metin = e->text();
        if (e->buddy())
            metin.remove(QLatin1Char('&'));
        int genislik = 0;
        for (const QString& satir : metin.split(QLatin1Char('\n')))
            genislik = std::max(genislik, e->fontMetrics().horizontalAdvance(satir));
        const int yer = e->contentsRect().width() - 2 * e->margin() - std::max(0, e->indent());
        if (genislik > yer)
            sonuc << Tanim(e) + QStringLiteral(": metin %1, etiket %2").arg(genislik).arg(yer);
    }
    return sonuc;
}

namespace {
// Scrolls `alan` so that `yer`, a rectangle of its board, is in view, whole
// where it fits.
void GorunurYap(QScrollArea& alan, const QRect& yer)
{
    const QSize gorunur = alan.viewport()->size();
    const auto kaydir = [](QScrollBar* cubuk, int bas, int boy, int gorunen) {
        const int deger = std::clamp(cubuk->value(), bas + boy - gorunen, bas);
        cubuk->setValue(std::clamp(deger, cubuk->minimum(), cubuk->maximum()));
    };
    kaydir(alan.horizontalScrollBar(), yer.left(), yer.width(), gorunur.width());
    kaydir(alan.verticalScrollBar(), yer.top(), yer.height(), gorunur.height());
}
}

QStringList GorunmeyenKontroller(const QWidget& pencere)
{
    QStringList sonuc;
    for (QWidget* w : pencere.findChildren<QWidget*>()) {
        const bool kontrol = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                             || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w)
                             || (qobject_cast<QAbstractSlider*>(w) && !qobject_cast<QScrollBar*>(w));
        if (!kontrol || !w->isVisibleTo(&pencere) || w->isWindow() || QtParcasi(w, &pencere))
            continue;
        // The innermost scroll area first: scrolling an outer one leaves the
        // inner ones as they are. (QScrollArea::ensureWidgetVisible would
        // show no more of a box than its text cursor.)
        for (QWidget* c = w->parentWidget(); c && c != &pencere; c = c->parentWidget())
            if (auto* alan = qobject_cast<QScrollArea*>(c); alan && alan->widget() && alan->widget()->isAncestorOf(w))
                GorunurYap(*alan, QRect(w->mapTo(alan->widget(), QPoint(0, 0)), w->size()));
        QRect yer = w->rect();
        for (const QWidget* c = w; c != &pencere; c = c->parentWidget()) {
            yer.translate(c->pos());
            const QWidget* ebeveyn = c->parentWidget();
            if (!ebeveyn->rect().contains(yer)) {
                sonuc << Tanim(w) + QStringLiteral(" (%1x%2) görünmüyor: ").arg(w->width()).arg(w->height())
                             + Tanim(ebeveyn) + QStringLiteral(" içinde %1,%2").arg(yer.x()).arg(yer.y());
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
