#include "etkinlikler.h"
#include "olcum.h"
#include "sessizortam.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// Waits for the first paint of a window: of the window itself or of any of
// its widgets (a window covered by its children gets no paint of its own on
// some platforms). Qt paints all of a window in one pass, which the wait lets end.
class BoyamaBekcisi : public QObject
{
public:
    explicit BoyamaBekcisi(QWidget* pencere) : pencere_(pencere) { qApp->installEventFilter(this); }
    ~BoyamaBekcisi() override { qApp->removeEventFilter(this); }
    bool boyandi = false;
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() == QEvent::Paint && nesne->isWidgetType()
            && static_cast<QWidget*>(nesne)->window() == pencere_)
            boyandi = true;
        return false;
    }

private:
    QWidget* pencere_;
};

// Milliseconds from creating the window to its first paint; the window is destroyed.
double ilkBoyamayaKadar(const std::function<QDialog*()>& yap)
{
    QElapsedTimer saat;
    saat.start();
    QDialog* pencere = yap();
    if (!pencere)
        return -1;
    BoyamaBekcisi bekci(pencere);
    if (QScreen* ekran = QGuiApplication::primaryScreen())
        pencere->setGeometry(ekran->availableGeometry());
    pencere->show();
    while (!bekci.boyandi && saat.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = double(saat.nsecsElapsed()) / 1e6;
    delete pencere;
    QApplication::processEvents();
    return ms;
}

double ilkBoyamaOrtancasi(const std::function<QDialog*()>& yap)
{
    std::vector<double> s;
    for (int i = 0; i < 5; ++i)
        s.push_back(ilkBoyamayaKadar(yap));
    return Ortanca(std::move(s));
}

void etkinlikAcilislari()
{
    OlcumOrtami ortam;
    const double taban = ilkBoyamaOrtancasi([] { return new QDialog; });
    OlcumYaz("bos_diyalog_ilk_boyama", taban, "ms", taban);
    for (const EtkinlikSatiri& satir : EtkinlikTablosu()) {
        if (!satir.Yap)
            continue;
        const double ms = ilkBoyamaOrtancasi([&satir] { return satir.Yap(nullptr); });
        OlcumYaz("etkinlik_" + std::to_string(satir.Kod) + "_ilk_boyama", ms, "ms", taban);
    }
}
ORVANTA_OLCUM(etkinlikAcilislari, 1)
}
