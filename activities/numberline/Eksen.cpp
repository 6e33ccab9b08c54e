#include "Eksen.h"
#include "eksencizimi.h"
#include "gorunum.h"

#include <QPainter>
#include <QPaintEvent>

Eksen::Eksen(QWidget* sahip) : QWidget(sahip)
{
    ErisimKur(this, QAccessible::Graphic, [this] { return Ad ? Ad() : QStringLiteral("Sayı doğrusu"); });
    // It fills all of itself: what lies under it is never painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(Yazi(YaziAilesi::MsSansSerif, 14));
    OlcuAyarla(0, 50, 50);
}

void Eksen::OlcuAyarla(int baslangic, int adet, int adim)
{
    olcu_.Baslangic = baslangic;
    olcu_.Adet = adet;
    olcu_.Adim = adim;
    resize(olcu_.Genislik(), height());
    update();
}

QVariant Eksen::inputMethodQuery(Qt::InputMethodQuery sorgu) const
{
    if (sorgu == Qt::ImCursorRectangle)
        return QRect(olcu_.CentikX(OdakDegeri) - 40, 0, 80, height());
    return QWidget::inputMethodQuery(sorgu);
}

void Eksen::paintEvent(QPaintEvent* olay)
{
    QPainter ressam(this);
    ressam.fillRect(olay->rect(), RenkQ(Brush));
    ressam.setFont(font());
    SayiDogrusuCiz(ressam, olcu_, clRed, olay->rect(), true);
}
