#include "kumebolgeleri.h"
#include "olcum.h"
#include "taramadoldurma.h"

#include <QImage>

namespace {

// The board of a large screen with the exercise's two circles.
KumeBolgeModeli BuyukTahta(QSize boyut)
{
    KumeBolgeModeli m;
    const int r = (boyut.height() - 50) / 2;
    m.CemberEkle({r + 10, r + 25}, r);
    m.CemberEkle({2 * r + 20, r + 25}, r);
    m.SeedListBoyutla();
    return m;
}

// One pass that reads every pixel of the picture: the floor of the figures below.
quint32 HepsiniOku(const QImage& resim)
{
    quint32 toplam = 0;
    for (int y = 0; y < resim.height(); ++y) {
        const quint32* satir = reinterpret_cast<const quint32*>(resim.constScanLine(y));
        for (int x = 0; x < resim.width(); ++x)
            toplam += satir[x];
    }
    return toplam;
}

void kumeBolgeleri()
{
    const QSize boyut(1900, 1000);
    KumeBolgeModeli m = BuyukTahta(boyut);
    const QImage resim = m.TahtaResmi(boyut, 1.0, true);
    volatile quint32 yutak = 0;
    const double okuma = OrtancaSure([&] { yutak = yutak + HepsiniOku(resim); }, 15);
    const double hesap = OrtancaSure([&] { m.ComputeRegions(boyut); }, 9);
    OlcumYaz("kume_piksel_okuma_1900x1000", okuma, "ms", okuma);
    OlcumYaz("kume_bolge_hesabi_1900x1000", hesap, "ms", okuma);

    // Fills of the largest area (outside both circles) and of the lens, done
    // back and forth between two colours on the same picture.
    QImage dolgu = resim;
    dolgu.fill(Qt::white);
    {
        KumeBolgeModeli bos = BuyukTahta(boyut);
        dolgu = bos.TahtaResmi(boyut, 1.0, false);
    }
    const double okumaHizi = double(boyut.width()) * boyut.height() / (okuma * 1000.0);
    int sira = 0;
    int piksel = 0;
    const double sinir = OrtancaSure(
        [&] { piksel = SinirDoldur(dolgu, {5, 5}, clRed, (sira++ % 2) ? clWhite : clYellow); }, 15);
    OlcumYaz("kume_piksel_okuma_hizi", okumaHizi, "MP/s", okumaHizi);
    OlcumYaz("sinir_dolgusu_hizi", piksel / (sinir * 1000.0), "MP/s", okumaHizi);
    const double yuzey = OrtancaSure(
        [&] { piksel = YuzeyDoldur(dolgu, {5, 5}, (sira++ % 2) ? clWhite : clYellow); }, 15);
    OlcumYaz("yuzey_dolgusu_hizi", piksel / (yuzey * 1000.0), "MP/s", okumaHizi);
}
ORVANTA_OLCUM(kumeBolgeleri, 40)

} // namespace
