#include "faktorpaneli.h"

#include <QMouseEvent>
#include <QPainter>

FaktorPaneli::FaktorPaneli(QWidget* ebeveyn, int tag, TRenk renk) : QFrame(ebeveyn), Tag(tag), Renk(renk)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void FaktorPaneli::RenkAyarla(TRenk renk)
{
    Renk = renk;
    update();
}

void FaktorPaneli::paintEvent(QPaintEvent* olay)
{
    {
        QPainter p(this);
        p.fillRect(rect(), RenkQ(Renk));
    }
    QFrame::paintEvent(olay);
}

void FaktorPaneli::mouseDoubleClickEvent(QMouseEvent* olay)
{
    olay->accept();
    emit CiftTiklandi();
}
