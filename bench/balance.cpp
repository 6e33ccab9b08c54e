#include "agirlikshape.h"
#include "kefeformu.h"
#include "teraziformu.h"
#include "olcum.h"
#include "sessizortam.h"

#include <QApplication>
#include <algorithm>
#include <vector>

namespace {

// One drop from the palette on a balance holding a hundred weights, with the
// balance judged again and the window painted, against painting the same
// window unchanged. The drops go to the two pans in turn, so the scale tips
// and comes back level every other time.
void TeraziBirakma()
{
    OlcumOrtami sessiz;
    TTeraziForm pencere(nullptr);
    ProjektordeGoster(pencere);
    const int kgler[3] = {1, 3, 5};
    for (int i = 0; i < 50; ++i)
        for (TKefeForm* kefe : {pencere.LeftPan, pencere.RightPan})
            kefe->AddPiece(kgler[i % 3])->move(20 + (i % 10) * 21, 20 + (i / 10) * 38);
    QApplication::processEvents();

    // The two take turns, so that both see the same load of a shared machine.
    std::vector<double> bos, dolu;
    for (int sira = 0; sira < 31; ++sira) {
        bos.push_back(OrtancaSure([&] { pencere.repaint(); }, 1));
        dolu.push_back(OrtancaSure(
            [&] {
                TKefeForm* kefe = sira % 2 ? pencere.RightPan : pencere.LeftPan;
                kefe->KefeDragDrop(pencere.PaletAgirligi(5), QPoint(120, 150));
                pencere.repaint();
            },
            1));
    }
    std::sort(bos.begin(), bos.end());
    std::sort(dolu.begin(), dolu.end());
    const double taban = bos[bos.size() / 2];
    const double birakma = dolu[dolu.size() / 2];
    OlcumYaz("terazi_bos_boyama_100_agirlik", taban, "ms", taban);
    OlcumYaz("terazi_birakma_ve_denge_100_agirlik", birakma, "ms", taban);
    pencere.close();
}

} // namespace

ORVANTA_OLCUM(TeraziBirakma, 45)
