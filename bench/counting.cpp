#include "bebekformu.h"
#include "bebekgiyimformu.h"
#include "giyimresmi.h"
#include "olcum.h"
#include "sessizortam.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <vector>

namespace {

// "Tüm Giysileri Göster" on 8 x 8 from an empty board: 64 outfits, each a
// fill of the man's shirt and a thumbnail, against the 64 scalings of the
// man's picture to thumbnail size that the thumbnails cannot do without.
void GiyimHepsiniGoster()
{
    OlcumOrtami sessiz;
    TBebekGiyimForm pencere(nullptr);
    ProjektordeGoster(pencere);

    // The floor keeps its 64 pictures as the board keeps its thumbnails; both
    // let them go outside the timed part, before the next round.
    const QImage adam = pencere.Image4->Resim();
    const QSize kucuk = QSize(KUCUK_RESIM, KUCUK_RESIM) * adam.devicePixelRatio();
    std::vector<QImage> olcekli;
    std::vector<double> taban, sureler;
    for (int tekrar = 0; tekrar < 25; ++tekrar) {
        olcekli.clear();
        QElapsedTimer saat;
        saat.start();
        for (int i = 0; i < 64; ++i)
            olcekli.push_back(adam.scaled(kucuk, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        taban.push_back(double(saat.nsecsElapsed()) / 1e6);

        pencere.ProblemKur(8, 8);
        saat.start();
        pencere.CozActionExecute();
        sureler.push_back(double(saat.nsecsElapsed()) / 1e6);
        if (pencere.BebekForm->Sayi() != 64)
            std::printf("giyim: %d outfits instead of 64\n", pencere.BebekForm->Sayi());
        QApplication::processEvents();
    }
    std::sort(taban.begin(), taban.end());
    std::sort(sureler.begin(), sureler.end());
    OlcumYaz("giyim_hepsini_goster_8x8", sureler[sureler.size() / 2], "ms", taban[taban.size() / 2]);
}

} // namespace

ORVANTA_OLCUM(GiyimHepsiniGoster, 42)
