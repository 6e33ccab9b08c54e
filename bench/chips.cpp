#include "boncukformu.h"
#include "boncukkutusu.h"
#include "olcum.h"
#include "sessizortam.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <random>
#include <vector>

namespace {

// Chips fall where a pupil's would: on cells drawn uniformly at random.
class RastgeleSessizOrtam : public OlcumOrtami
{
public:
    int Rastgele(int n) override { return n > 0 ? int(uretec_() % unsigned(n)) : 0; }

private:
    std::mt19937 uretec_{20240611};
};

// One "Pul Ekle" of 99 and the paint that follows, on a box that holds
// `hazir` chips; filling the box is not timed.
double PulEkleSuresi(TBoncukForm& pencere, int hazir)
{
    pencere.ResetActionExecute();
    for (int kalan = hazir; kalan > 0; kalan -= 99)
        pencere.BoncukKutu->PulEkle(std::min(kalan, 99));
    QApplication::processEvents();
    pencere.Edit1->setText(QStringLiteral("99"));
    QElapsedTimer saat;
    saat.start();
    pencere.BoncukEkleActionExecute();
    QApplication::processEvents();
    return double(saat.nsecsElapsed()) / 1e6;
}

void SaymaPullari()
{
    RastgeleSessizOrtam ortam;
    TBoncukForm pencere(nullptr);
    ProjektordeGoster(pencere);
    // The two cases take turns, so that both meet the same load of the machine.
    std::vector<double> bos, dolu;
    for (int i = 0; i < 15; ++i) {
        bos.push_back(PulEkleSuresi(pencere, 0));
        dolu.push_back(PulEkleSuresi(pencere, 2000));
    }
    OlcumYaz("sayma_pullari_99_pul_bos_kutu", Ortanca(bos), "ms", Ortanca(bos));
    OlcumYaz("sayma_pullari_99_pul_2000_pullu_kutu", Ortanca(dolu), "ms", Ortanca(bos));
    pencere.ResetActionExecute();
}

} // namespace

ORVANTA_OLCUM(SaymaPullari, 45)
