#include "taramadoldurma.h"

#include <QImage>
#include <QtMath>
#include <algorithm>
#include <vector>

namespace {

constexpr quint32 ALFA = 0xFF000000u;

// The colour as an RGB32 pixel without its alpha byte.
quint32 Piksel(TRenk renk)
{
    return RenkQ(renk).rgb() & 0x00FFFFFFu;
}

bool Hazirla(QImage& resim, QPoint tohum, QPoint& p)
{
    if (resim.isNull())
        return false;
    if (resim.format() != QImage::Format_RGB32) {
        const qreal oran = resim.devicePixelRatio();
        resim = resim.convertToFormat(QImage::Format_RGB32);
        resim.setDevicePixelRatio(oran);
    }
    const qreal oran = resim.devicePixelRatio();
    p = QPoint(qFloor(tohum.x() * oran), qFloor(tohum.y() * oran));
    return p.x() >= 0 && p.y() >= 0 && p.x() < resim.width() && p.y() < resim.height();
}

// Scan line seed fill after Heckbert: each stacked segment is a run of the
// parent line and the direction of the line to fill next, so a line is only
// read again where the new run leaks past the parent's ends.
//
// A filled pixel is written with its alpha byte cleared. Every pixel of an
// RGB32 picture has alpha 0xFF, so that mark tells filled pixels from the
// rest without a second bitmap, whatever the colours; the runs are recorded
// and get their alpha back at the end.
template <typename Icinde>
int Doldur(QImage& resim, QPoint p, quint32 dolgu, Icinde icinde)
{
    const int w = resim.width();
    const int h = resim.height();
    const qsizetype satirBoyu = resim.bytesPerLine() / 4;
    quint32* const bas = reinterpret_cast<quint32*>(resim.bits());
    const quint32 isaret = dolgu & 0x00FFFFFFu;

    struct Parca
    {
        int y, xl, xr, dy;
    };
    struct Kosu
    {
        int y, xl, xr;
    };
    std::vector<Parca> yigin;
    std::vector<Kosu> kosular;
    auto it = [&](int y, int xl, int xr, int dy) {
        if (y + dy >= 0 && y + dy < h)
            yigin.push_back({y, xl, xr, dy});
    };

    if (!icinde(bas[p.y() * satirBoyu + p.x()]))
        return 0;
    it(p.y(), p.x(), p.x(), 1);
    it(p.y() + 1, p.x(), p.x(), -1);
    while (!yigin.empty()) {
        const Parca s = yigin.back();
        yigin.pop_back();
        const int y = s.y + s.dy;
        const int x1 = s.xl, x2 = s.xr, dy = s.dy;
        quint32* satir = bas + y * satirBoyu;
        int x = x1;
        for (; x >= 0 && icinde(satir[x]); --x)
            satir[x] = isaret;
        int l = x1;
        bool doldur = x < x1;
        if (doldur) {
            kosular.push_back({y, x + 1, x1});
            l = x + 1;
            if (l < x1)
                it(y, l, x1 - 1, -dy);
            x = x1 + 1;
        }
        // When the parent's left end is not inside here, the first pass only
        // looks for the next inside pixel under the parent run.
        do {
            if (doldur) {
                const int baslangic = x;
                for (; x < w && icinde(satir[x]); ++x)
                    satir[x] = isaret;
                if (x > baslangic)
                    kosular.push_back({y, baslangic, x - 1});
                it(y, l, x - 1, dy);
                if (x > x2 + 1)
                    it(y, x2 + 1, x - 1, -dy);
            }
            doldur = true;
            for (++x; x <= x2 && !icinde(satir[x]); ++x) {
            }
            l = x;
        } while (x <= x2);
    }

    int toplam = 0;
    for (const Kosu& k : kosular) {
        quint32* satir = bas + k.y * satirBoyu;
        for (int x = k.xl; x <= k.xr; ++x)
            satir[x] |= ALFA;
        toplam += k.xr - k.xl + 1;
    }
    return toplam;
}

} // namespace

int SinirDoldur(QImage& resim, QPoint tohum, TRenk sinir, TRenk dolgu)
{
    QPoint p;
    if (!Hazirla(resim, tohum, p))
        return 0;
    const quint32 s = Piksel(sinir);
    return Doldur(resim, p, Piksel(dolgu),
                  [s](quint32 px) { return (px & ALFA) != 0 && (px & 0x00FFFFFFu) != s; });
}

int YuzeyDoldur(QImage& resim, QPoint tohum, TRenk dolgu)
{
    QPoint p;
    if (!Hazirla(resim, tohum, p))
        return 0;
    const quint32 hedef = reinterpret_cast<const quint32*>(resim.constScanLine(p.y()))[p.x()];
    return Doldur(resim, p, Piksel(dolgu), [hedef](quint32 px) { return px == hedef; });
}
