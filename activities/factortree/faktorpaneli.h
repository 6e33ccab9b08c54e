#pragma once
#include "renk.h"

#include <QFrame>

// A panel of the prime leaves; its Tag is its kind (1, 3 or 2 from left to right).
class FaktorPaneli : public QFrame
{
    Q_OBJECT
public:
    FaktorPaneli(QWidget* ebeveyn, int tag, TRenk renk);
    int Tag;
    TRenk Renk;
    void RenkAyarla(TRenk renk);

signals:
    void CiftTiklandi();

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;
};
