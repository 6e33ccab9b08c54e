#include "faktorpaneli.h"
#include "carpanmodel.h"

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

void FaktorPaneli::resizeEvent(QResizeEvent* olay)
{
    QFrame::resizeEvent(olay);
    // A placed copy stays whole and in sight when the panel is made smaller.
    QList<QWidget*> kopyalar;
    QList<QRect> yerler;
    for (QWidget* kopya : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!kopya->isHidden()) {
            kopyalar << kopya;
            yerler << kopya->geometry();
        }
    const QList<QPoint> yeni = KopyalariSigdir(yerler, size());
    for (int i = 0; i < kopyalar.size(); ++i)
        kopyalar[i]->move(yeni[i]);
}
