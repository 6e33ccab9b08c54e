#include "aralikanaformu.h"
#include "araliktoplamformu.h"
#include "olcum.h"
#include "piramithucresi.h"
#include "sessizortam.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

namespace {

// Notes the first paint of a cell after each build. The board itself is not
// repainted where cells cover it, so the cells are watched.
class BoyamaBekcisi : public QObject
{
public:
    bool boyandi = false;
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() == QEvent::Paint && qobject_cast<PiramitHucresi*>(nesne))
            boyandi = true;
        return false;
    }
};

double IsParcacigiMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double Ortanca(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Sure
{
    double duvar; // wall clock, ms
    double islemci; // this thread's processor time, ms: steadier on a busy machine
};

// Builds a pyramid on `taban` from an empty board in a shown window, up to
// the first paint of its cells; the medians of `tekrar` builds.
Sure KurVeBoya(TAralikAnaForm& pencere, BoyamaBekcisi& bekci, const QList<std::optional<qint64>>& taban,
               int tekrar)
{
    std::vector<double> duvar, islemci;
    for (int i = 0; i < tekrar; ++i) {
        pencere.AralikToplamForm->BuildPyramid(0, false);
        QApplication::processEvents();
        bekci.boyandi = false;
        QElapsedTimer saat;
        saat.start();
        const double bas = IsParcacigiMs();
        pencere.AralikToplamForm->TabanaKur(taban);
        while (!bekci.boyandi && saat.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        islemci.push_back(IsParcacigiMs() - bas);
        duvar.push_back(double(saat.nsecsElapsed()) / 1e6);
    }
    return {Ortanca(duvar), Ortanca(islemci)};
}

// The largest pyramid a pupil may type (20 rows, 210 cells) against the
// 8-row pyramid of the start (36 cells), both up to their first paint.
void PiramitKurulumu()
{
    OlcumOrtami sessiz;
    TAralikAnaForm pencere(nullptr);
    ProjektordeGoster(pencere);
    BoyamaBekcisi bekci;
    qApp->installEventFilter(&bekci);

    QList<std::optional<qint64>> sekiz, yirmi;
    for (int i = 0; i < PIRAMIT_TABAN_SINIRI; ++i) {
        if (i < PIRAMIT_ACILIS_BOYU)
            sekiz << qint64(i % 9 + 2);
        yirmi << qint64(i % 9 + 2);
    }
    // Fonts and caches warm for both before anything counts.
    KurVeBoya(pencere, bekci, yirmi, 3);
    KurVeBoya(pencere, bekci, sekiz, 3);
    const Sure taban = KurVeBoya(pencere, bekci, sekiz, 31);
    const Sure enBuyuk = KurVeBoya(pencere, bekci, yirmi, 31);
    OlcumYaz("piramit_8_satir_ilk_boyama", taban.duvar, "ms", taban.duvar);
    OlcumYaz("piramit_20_satir_ilk_boyama", enBuyuk.duvar, "ms", taban.duvar);
    OlcumYaz("piramit_8_satir_ilk_boyama_islemci", taban.islemci, "ms", taban.islemci);
    OlcumYaz("piramit_20_satir_ilk_boyama_islemci", enBuyuk.islemci, "ms", taban.islemci);
    qApp->removeEventFilter(&bekci);
}

} // namespace

ORVANTA_OLCUM(PiramitKurulumu, 45)
