#pragma once
#include "yuzdemodel.h"

#include <QWidget>

// A card of a hundred cells, embedded in the percentages window's table.
// Only its cells are painted: it has no background of its own, so the table
// and the cards beneath show through wherever it draws nothing. It drags
// itself (automatic drag mode); the table decides where it lands.
class TYuzdelikForm : public QWidget
{
    Q_OBJECT
public:
    TYuzdelikForm(QWidget* sahip, int cellSize, bool horizontal, TRenk fillColor);

    const KartDurumu& Durum() const { return durum_; }
    int CellSize() const { return durum_.CellSize; }
    bool Horizontal() const { return durum_.Horizontal; }
    TRenk FillColor() const { return durum_.FillColor; }
    int FilledCount() const { return durum_.FilledCount; }
    bool ShowGrid() const { return durum_.ShowGrid; }
    bool ShowEmpty() const { return durum_.ShowEmpty; }

    // Each change repaints the card; painting itself never asks for more.
    void SetHorizontal(bool yatay);
    void SetFilledCount(int dolu); // held within 0 .. 100
    void SetShowGrid(bool goster);
    void SetShowEmpty(bool goster);

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    KartDurumu durum_;
};
