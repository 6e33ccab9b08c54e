#pragma once
#include <QPoint>
#include <QRect>

// A point and a number. The sets board keeps its circles (centre, radius),
// its region seeds (point, highlight flag) and the further points of split
// regions (point, region number) in records of this kind.
struct NoktaCift
{
    int x = -1;
    int y = -1;
    int value = 0;

    NoktaCift() = default;
    NoktaCift(QPoint p, int deger) : x(p.x()), y(p.y()), value(deger) {}

    QPoint Nokta() const { return QPoint(x, y); }
    void NoktaAyarla(QPoint p)
    {
        x = p.x();
        y = p.y();
    }
    int Deger() const { return value; }
    void DegerAyarla(int deger) { value = deger; }
    // The place of a circle's name label: 50 x 30 from the point.
    QRect EtiketDikdortgeni() const { return QRect(x, y, 50, 30); }
};
