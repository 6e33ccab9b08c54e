#pragma once
#include "kumeformu.h"

#include <QPoint>
#include <QRect>

// Points of a region on a board, spread out so that tiles dropped there do
// not sit on each other: the n-th such point (n counted from 0).
inline QPoint BolgeNoktasi(const TKumeForm& tahta, int bolge, int n = 0)
{
    int bulunan = 0;
    QPoint son(-1, -1);
    for (int y = 40; y < tahta.height() - 40; y += 29)
        for (int x = 15; x < tahta.width() - 40; x += 31) {
            const QPoint p(x, y);
            // Keep away from the outlines: the whole neighbourhood is in the region.
            if (tahta.RegionAt(p) != bolge || tahta.RegionAt(p + QPoint(8, 8)) != bolge
                || tahta.RegionAt(p - QPoint(8, 8)) != bolge)
                continue;
            son = p;
            if (bulunan++ == n)
                return p;
        }
    return son;
}
