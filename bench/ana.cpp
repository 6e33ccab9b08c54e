#include "olcum.h"
#include "baslangic.h"
#include "uygulama.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace {
struct Kayit
{
    std::string ad;
    int sira;
    std::function<void()> islev;
};

std::vector<Kayit>& kayitlar()
{
    static std::vector<Kayit> k;
    return k;
}
}

int OlcumKaydet(const char* ad, int sira, std::function<void()> islev)
{
    kayitlar().push_back({ad, sira, std::move(islev)});
    return int(kayitlar().size());
}

void OlcumYaz(const std::string& ad, double deger, const char* birim, double taban)
{
    const double oran = taban > 0 ? deger / taban : 0.0;
    std::printf("%s: %.3f %s ratio=%.2f\n", ad.c_str(), deger, birim, oran);
    std::fflush(stdout);
}

double Ortanca(std::vector<double> degerler)
{
    if (degerler.empty())
        return 0.0;
    std::sort(degerler.begin(), degerler.end());
    return degerler[degerler.size() / 2];
}

double OrtancaSure(const std::function<void()>& is, int tekrar)
{
    std::vector<double> sureler;
    for (int i = 0; i < std::max(1, tekrar); ++i) {
        QElapsedTimer saat;
        saat.start();
        is();
        sureler.push_back(double(saat.nsecsElapsed()) / 1e6);
    }
    return Ortanca(std::move(sureler));
}

void ProjektordeGoster(QWidget& pencere)
{
    pencere.setWindowState(Qt::WindowNoState);
    pencere.resize(1366, 768);
    pencere.show();
    QApplication::processEvents();
}

int main(int argc, char** argv)
{
    // A child run measures one start-up and reports it to the parent.
    if (argc > 1 && std::strncmp(argv[1], "--cocuk-", 8) == 0)
        return BaslangicCocugu(argc, argv);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    OrvantaUygulamasi uygulama(argc, argv);
    // Figures are printed with a decimal point whatever the locale.
    std::setlocale(LC_NUMERIC, "C");
    std::stable_sort(kayitlar().begin(), kayitlar().end(),
                     [](const Kayit& a, const Kayit& b) { return a.sira < b.sira; });
    const char* secilen = argc > 1 ? argv[1] : nullptr;
    for (const Kayit& k : kayitlar())
        if (!secilen || k.ad.find(secilen) != std::string::npos)
            k.islev();
    return 0;
}
