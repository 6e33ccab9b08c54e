#include "Yuzdeformu.h"
#include "Yuzdelikformu.h"
#include "gorunum.h"
#include "olcum.h"
#include "sessizortam.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <algorithm>
#include <vector>

namespace {

double ortanca(std::vector<double> s)
{
    std::sort(s.begin(), s.end());
    return s[s.size() / 2];
}

// One repaint of the card table (the window under its command bar) with 9,99
// compared against 9,99: twenty see-through cards, two on each place, the
// upper ten drawing only their filled cells. The floor is the same window with
// its cards hidden and twenty opaque plain widgets in their places.
void YuzdeKarsilastirmaBoyamasi()
{
    OlcumOrtami ortam;
    TYuzdeForm pencere(nullptr);
    ProjektordeGoster(pencere);
    for (QLineEdit* kutu : {pencere.Edit3, pencere.Edit4})
        kutu->setText(QStringLiteral("9"));
    for (QLineEdit* kutu : {pencere.Edit1, pencere.Edit2})
        kutu->setText(QStringLiteral("99"));
    pencere.GuncelleActionExecute();
    pencere.CheckBox1->setChecked(true);
    QApplication::processEvents();

    std::vector<TYuzdelikForm*> kartlar;
    std::vector<QWidget*> duzler;
    for (bool ilk : {true, false})
        for (int i = 0; i < KART_YUVASI; ++i)
            if (TYuzdelikForm* kart = pencere.Kart(ilk, i)) {
                kartlar.push_back(kart);
                auto* duz = new QWidget(pencere.Masa);
                duz->setGeometry(kart->geometry());
                ZeminVer(duz, clWhite);
                duz->hide();
                duzler.push_back(duz);
            }
    auto goster = [&](bool kartli) {
        for (TYuzdelikForm* k : kartlar)
            k->setVisible(kartli);
        for (QWidget* d : duzler)
            d->setVisible(!kartli);
        QApplication::processEvents();
    };
    // The two cases take turns, so that both meet the same load of the machine.
    std::vector<double> seffaf, opak;
    for (int tur = 0; tur < 15; ++tur) {
        goster(true);
        seffaf.push_back(OrtancaSure([&] { pencere.Masa->repaint(); }, 5));
        goster(false);
        opak.push_back(OrtancaSure([&] { pencere.Masa->repaint(); }, 5));
    }
    OlcumYaz("yuzde_20_opak_duz_pencere_boyama", ortanca(opak), "ms", ortanca(opak));
    OlcumYaz("yuzde_9,99_9,99_karsilastirma_boyama", ortanca(seffaf), "ms", ortanca(opak));
}

} // namespace

ORVANTA_OLCUM(YuzdeKarsilastirmaBoyamasi, 50)
