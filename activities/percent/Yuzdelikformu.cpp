#include "Yuzdelikformu.h"
#include "surukle.h"

#include <QPainter>
#include <algorithm>

TYuzdelikForm::TYuzdelikForm(QWidget* sahip, int cellSize, bool horizontal, TRenk fillColor) : QWidget(sahip)
{
    setObjectName(QStringLiteral("TYuzdelikForm"));
    durum_.CellSize = std::max(1, cellSize);
    durum_.Horizontal = horizontal;
    durum_.FillColor = fillColor;
    setFixedSize(durum_.CellSize * 10 + 1, durum_.CellSize * 10 + 1);
    setCursor(Qt::OpenHandCursor);
    OtomatikSurukle(this, true);
    // Carried by keys, a card is held by its top-left corner: the point at which a drop puts it.
    SurukleTutamagi(this, QPoint(0, 0));
}

void TYuzdelikForm::SetHorizontal(bool yatay)
{
    if (durum_.Horizontal == yatay)
        return;
    durum_.Horizontal = yatay;
    update();
}

void TYuzdelikForm::SetFilledCount(int dolu)
{
    dolu = std::clamp(dolu, 0, 100);
    if (durum_.FilledCount == dolu)
        return;
    durum_.FilledCount = dolu;
    update();
}

void TYuzdelikForm::SetShowGrid(bool goster)
{
    if (durum_.ShowGrid == goster)
        return;
    durum_.ShowGrid = goster;
    update();
}

void TYuzdelikForm::SetShowEmpty(bool goster)
{
    if (durum_.ShowEmpty == goster)
        return;
    durum_.ShowEmpty = goster;
    update();
}

void TYuzdelikForm::paintEvent(QPaintEvent*)
{
    const KartCizimi cizim = KartCiz(durum_);
    QPainter p(this);
    const QColor dolgu = RenkQ(durum_.FillColor);
    for (const QRect& r : cizim.Dolu)
        p.fillRect(r, dolgu);
    for (const QRect& r : cizim.Bos)
        p.fillRect(r, Qt::white);
    for (const QRect& r : cizim.Cizgiler)
        p.fillRect(r, Qt::black);
}
