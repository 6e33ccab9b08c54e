#include "kesirgorsellestirmeformu.h"
#include "kesirshape.h"
#include "kesirmodel.h"
#include "olcum.h"
#include "sessizortam.h"

#include <QPainter>
#include <QWidget>

namespace {

// The floor: one widget that paints the same hundred pies, in the same
// colours and with the same smoothing, on a drawing of the same size.
class YuzDilim : public QWidget
{
public:
    explicit YuzDilim(QSize boy)
    {
        resize(boy);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(RenkQ(clBlue), 1));
        p.setBrush(RenkQ(0xFFC4C4));
        const QRectF kutu(10.5, 10.5, 299, 299);
        for (int i = 0; i < KESIR_EN_COK_PARCA; ++i) {
            const PieAcisi a = PieAngles(KESIR_EN_COK_PARCA, i, 1, true);
            p.drawPie(kutu, a.Baslangic, a.Aciklik);
        }
    }
};

void kesirYuzDilim()
{
    OlcumOrtami sessiz;
    TKesirGorsellestirmeForm cizim(nullptr);
    cizim.SetSize(300);
    cizim.SetPartCount(KESIR_EN_COK_PARCA);
    cizim.Rebuild(GORUNUM_CEMBER, false);
    YuzDilim taban(cizim.size());
    taban.grab();
    cizim.grab();

    const double tabanSure = OrtancaSure([&] { taban.grab(); }, 31);
    // A new set of slice controls, made, placed and painted.
    const double kurma = OrtancaSure(
        [&] {
            cizim.Rebuild(GORUNUM_CEMBER, false);
            cizim.grab();
        },
        31);
    OlcumYaz("kesir_100_dilim_kur_ve_boya", kurma, "ms", tabanSure);
    // A press that selects one slice, and the picture after it.
    int i = 0;
    const double secme = OrtancaSure(
        [&] {
            cizim.ToggleSlice(cizim.Slices()[(i++ * 37) % KESIR_EN_COK_PARCA]);
            cizim.grab();
        },
        31);
    OlcumYaz("kesir_100_dilim_sec_ve_boya", secme, "ms", tabanSure);
}

} // namespace

ORVANTA_OLCUM(kesirYuzDilim, 70)
