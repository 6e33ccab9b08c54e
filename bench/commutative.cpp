#include "degismeformu.h"
#include "islemtablosu.h"
#include "olcum.h"
#include "sessizortam.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Answers every input box with the text it holds.
class CevapliOrtam : public OlcumOrtami
{
public:
    QString Cevap;
    QString GirdiKutusu(const QString&, const QString&, const QString&) override { return Cevap; }
};

// Notes the first paint of a widget.
class BoyamaBekcisi : public QObject
{
public:
    bool boyandi = false;
    bool eventFilter(QObject*, QEvent* olay) override
    {
        if (olay->type() == QEvent::Paint)
            boyandi = true;
        return false;
    }
};

// Milliseconds from `is` until the grid has painted its cells.
double IzgaraBoyanana(TTheDegismeForm*& pencere, const std::function<void()>& is)
{
    QElapsedTimer saat;
    saat.start();
    is();
    BoyamaBekcisi bekci;
    pencere->StringGrid1->viewport()->installEventFilter(&bekci);
    pencere->StringGrid1->viewport()->update();
    while (!bekci.boyandi && saat.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = double(saat.nsecsElapsed()) / 1e6;
    pencere->StringGrid1->viewport()->removeEventFilter(&bekci);
    return ms;
}

TTheDegismeForm* Ac()
{
    auto* pencere = new TTheDegismeForm(nullptr);
    ProjektordeGoster(*pencere);
    return pencere;
}

// Ten thousand heads as a pupil might paste them: -1000 .. 999 in a jumbled
// order; `isaretli` writes every second one with a plus sign, so that equal
// values differ in their text and the exchange sort runs in full.
QString OnBinBaslik(bool isaretli)
{
    QStringList sayilar;
    for (int i = 0; i < 10000; ++i) {
        const int n = (i * 7919) % 2000 - 1000;
        sayilar << (isaretli && n > 0 && (i / 2000) % 2 ? QStringLiteral("+%1").arg(n) : QString::number(n));
    }
    return sayilar.join(QLatin1Char(','));
}

void DegismeOzelligi()
{
    CevapliOrtam ortam;
    std::vector<double> acilis, duz, isaretli, kaydirma, kucukBoyama;
    for (int tur = 0; tur < 7; ++tur) {
        TTheDegismeForm* pencere = nullptr;
        acilis.push_back(IzgaraBoyanana(pencere, [&] { pencere = Ac(); }));
        pencere->RadioButton7->click();
        kucukBoyama.push_back(OrtancaSure([&] { pencere->StringGrid1->viewport()->repaint(); }, 9));

        ortam.Cevap = OnBinBaslik(tur % 2 == 1);
        const double ms = IzgaraBoyanana(pencere, [&] { pencere->KendinGirActionExecute(); });
        (tur % 2 == 1 ? isaretli : duz).push_back(ms);

        // Wheel notches of three cells, down and to the right, each painted at once.
        IslemTablosu* g = pencere->StringGrid1;
        g->GecerliHucreAyarla(5000, 5000);
        int adim = 0;
        kaydirma.push_back(OrtancaSure(
            [&] {
                QScrollBar* cubuk = ++adim % 2 ? g->verticalScrollBar() : g->horizontalScrollBar();
                cubuk->setValue(cubuk->value() + 3);
                g->viewport()->repaint();
                g->horizontalHeader()->viewport()->repaint();
                g->verticalHeader()->viewport()->repaint();
            },
            41));
        delete pencere;
        QApplication::processEvents();
    }
    const double taban = Ortanca(acilis);
    OlcumYaz("degisme_acilis_10x10_ilk_boyama", taban, "ms", taban);
    OlcumYaz("degisme_kendin_gir_10000_ilk_boyama", Ortanca(duz), "ms", taban);
    OlcumYaz("degisme_kendin_gir_10000_esit_farkli_metin", Ortanca(isaretli), "ms", taban);
    OlcumYaz("degisme_10x10_ayni_deger_boyama", Ortanca(kucukBoyama), "ms", taban);
    OlcumYaz("degisme_10000_ayni_deger_kaydirma_adimi", Ortanca(kaydirma), "ms", taban);
    OlcumYaz("degisme_10000_kaydirma_10x10_boyamaya_gore", Ortanca(kaydirma), "ms", Ortanca(kucukBoyama));
}

} // namespace

ORVANTA_OLCUM(DegismeOzelligi, 46)
