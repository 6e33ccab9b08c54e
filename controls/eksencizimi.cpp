#include "eksencizimi.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int EKSEN_KALINLIGI = 5;
constexpr int CENTIK_YARISI = 5;

QPen EksenKalemi(TRenk renk)
{
    return QPen(RenkQ(renk), EKSEN_KALINLIGI, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Writes `metin` with its top-left corner at `sol_ust`.
void Yaz(QPainter& ressam, QPoint solUst, const QString& metin)
{
    ressam.drawText(QPoint(solUst.x(), solUst.y() + ressam.fontMetrics().ascent()), metin);
}
}

void DuzlemCiz(QPainter& ressam, const DuzlemOlcusu& o, const QRect& alan, const QRect& boyanacak, bool sayilar)
{
    ressam.save();
    ressam.fillRect(boyanacak, Qt::white);
    const QPoint O = o.Orijin;
    const int ilkY = -(o.DikeyAdet / 2);

    // The grid first, so that the axes and the numbers stay whole on top of it.
    ressam.setPen(QPen(RenkQ(clGray), 1));
    for (int k = -DUZLEM_X_SINIRI; k <= DUZLEM_X_SINIRI + 1; ++k) {
        const int x = O.x() + k * o.Birim;
        if (x >= boyanacak.left() - 1 && x <= boyanacak.right() + 1)
            ressam.drawLine(x, alan.top(), x, alan.bottom());
    }
    for (int i = 0; i <= o.DikeyAdet; ++i) {
        const int y = O.y() + (ilkY + i) * o.DikeyAdim;
        if (y >= boyanacak.top() - 1 && y <= boyanacak.bottom() + 1)
            ressam.drawLine(alan.left(), y, alan.right(), y);
    }

    ressam.setPen(EksenKalemi(clBlue));
    ressam.drawLine(O.x() - o.Genislik / 2, O.y(), O.x() + o.Genislik / 2, O.y());
    ressam.drawLine(O.x(), O.y() - o.Yukseklik / 2, O.x(), O.y() + o.Yukseklik / 2);
    for (int k = -DUZLEM_X_SINIRI; k <= DUZLEM_X_SINIRI + 1; ++k) {
        const int x = O.x() + k * o.Birim;
        ressam.drawLine(x, O.y() - CENTIK_YARISI, x, O.y() + CENTIK_YARISI);
    }
    for (int i = 0; i <= o.DikeyAdet; ++i) {
        const int y = O.y() + (ilkY + i) * o.DikeyAdim;
        ressam.drawLine(O.x() - CENTIK_YARISI, y, O.x() + CENTIK_YARISI, y);
    }

    if (sayilar) {
        ressam.setPen(Qt::black);
        for (int k = -DUZLEM_X_SINIRI; k <= DUZLEM_X_SINIRI + 1; ++k)
            if (k != 0)
                Yaz(ressam, QPoint(O.x() + k * o.Birim, O.y() - 25), QString::number(k));
        // Upwards the numbers grow.
        for (int i = 0; i <= o.DikeyAdet; ++i) {
            const int k = ilkY + i;
            if (k != 0)
                Yaz(ressam, QPoint(O.x() + 10, O.y() + k * o.DikeyAdim - 10), QString::number(-k));
        }
    }
    ressam.restore();
}

void SayiDogrusuCiz(QPainter& ressam, const SayiDogrusuOlcusu& o, TRenk renk, const QRect& boyanacak, bool sayilar)
{
    ressam.save();
    ressam.setPen(EksenKalemi(renk));
    const QPoint kok = o.Kok;
    ressam.drawLine(kok, QPoint(kok.x() + o.Adet * o.Adim, kok.y()));
    // Only the ticks whose number may reach the painted part: a long line
    // scrolls by, and most of it is out of sight.
    const int payi = ressam.fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + EKSEN_KALINLIGI;
    for (int i = 0; i <= o.Adet; ++i) {
        const int x = kok.x() + o.Adim * i;
        if (x + payi < boyanacak.left() || x - EKSEN_KALINLIGI > boyanacak.right())
            continue;
        if (sayilar) {
            ressam.setPen(Qt::black);
            Yaz(ressam, QPoint(x, 0), QString::number(o.Baslangic + i));
            ressam.setPen(EksenKalemi(renk));
        }
        ressam.drawLine(x, kok.y() - CENTIK_YARISI, x, kok.y() + CENTIK_YARISI);
    }
    ressam.restore();
}
