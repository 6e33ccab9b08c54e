#include "Eratostehnesformu.h"
#include "Myshape.h"
#include "olcum.h"
#include "sessizortam.h"

#include <QApplication>
#include <QDialog>
#include <memory>
#include <vector>

namespace {


void EleyiciTahtasi()
{
    OlcumOrtami sessiz;
    TErasthethenesForm pencere(nullptr);
    pencere.setWindowState(Qt::WindowNoState);
    pencere.resize(1366, 768);
    const int jeton = int(TahtaJetonlari(pencere.Olcu(), 500).size());

    // Floor: the same number of plain child widgets made, placed and shown,
    // the previous ones destroyed, on a window of the same size.
    QWidget duz;
    duz.resize(1366, 768);
    std::vector<QWidget*> cocuklar;
    const double taban = OrtancaSure(
        [&] {
            for (auto it = cocuklar.rbegin(); it != cocuklar.rend(); ++it)
                delete *it;
            cocuklar.clear();
            for (int i = 0; i < jeton; ++i) {
                auto* w = new QWidget(&duz);
                w->move(35 * (i % 34) + 45, 25 * (i / 34) + 60);
                w->resize(30, 20);
                w->show();
                cocuklar.push_back(w);
            }
        },
        15);
    const double tahta = OrtancaSure([&] { pencere.TahtaKur(500); }, 15);
    OlcumYaz("eratosthenes_tahta_" + std::to_string(jeton) + "_jeton", tahta, "ms", taban);
}

// Trial division of `n` into primes, the arithmetic of a solved tree without the tree.
int DeneyerekBol(int n)
{
    int carpan = 0;
    for (int d = 2; qint64(d) * d <= n; ++d)
        while (n % d == 0) {
            n /= d;
            ++carpan;
        }
    return carpan + (n > 1);
}

void AgacCoz()
{
    OlcumOrtami sessiz;
    QWidget yuzey;
    yuzey.resize(700, 400);
    for (int n : {65536, 99999}) {
        volatile int sonuc = 0;
        const double taban = OrtancaSure(
            [&] {
                for (int i = 0; i < 1000; ++i)
                    sonuc = sonuc + DeneyerekBol(n);
            },
            9) / 1000.0;
        double toplam = 0;
        const double sure = OrtancaSure(
            [&] {
                auto kok = std::make_unique<MyShape>(&yuzey, n, nullptr);
                kok->move(350, 10);
                kok->Expand();
                kok->SolveAll();
                toplam += kok->CountAvailable(2);
            },
            9);
        OlcumYaz("carpan_agaci_SolveAll_" + std::to_string(n), sure, "ms", taban);
    }
}

} // namespace

ORVANTA_OLCUM(EleyiciTahtasi, 40)
ORVANTA_OLCUM(AgacCoz, 41)
