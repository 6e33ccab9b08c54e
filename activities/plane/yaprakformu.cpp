#include "yaprakformu.h"
#include "eksencizimi.h"
#include "gorunum.h"
#include "resimkutusu.h"

#include <QPainter>
#include <QPaintEvent>

namespace {
ResimKutusu* Resimcik(QWidget* ebeveyn, const QString& yol, QSize boyut)
{
    auto* resim = new ResimKutusu(yol, ebeveyn, boyut);
    resim->setAttribute(Qt::WA_TransparentForMouseEvents);
    return resim;
}
}

TAnalitikYaprakForm::TAnalitikYaprakForm(QWidget* sahip)
    : QWidget(sahip), olcu_(DuzlemOlcusuHesapla(width(), height()))
{
    setObjectName(QStringLiteral("TAnalitikYaprakForm"));
    setFont(Yazi(YaziAilesi::MsSansSerif, 11, false));
    TavsanImage = Resimcik(this, QStringLiteral(":/pictures/tavsan.svg"), QSize(30, 30));
    TavsanImage->setObjectName(QStringLiteral("TavsanImage"));
    Shape1 = Resimcik(this, QStringLiteral(":/pictures/tas.svg"), QSize(15, 15));
    Shape1->setObjectName(QStringLiteral("Shape1"));
    SpritelariYerlestir();
}

void TAnalitikYaprakForm::SpritelariYerlestir()
{
    const QPoint p = DuzlemdenPiksele(oyun_.Tavsan);
    TavsanImage->move(p.x() - TavsanImage->width() / 2, p.y() - TavsanImage->height() / 2 - 5);
    const QPoint q = DuzlemdenPiksele(oyun_.Tas);
    Shape1->move(q.x() - Shape1->width() / 2, q.y() - Shape1->height() / 2);
    Shape1->raise();
    update();
}

void TAnalitikYaprakForm::TavsanRastgele()
{
    oyun_.TavsanYerlestir(olcu_.YSiniri);
    SpritelariYerlestir();
}

void TAnalitikYaprakForm::TasKoy(QPoint nokta)
{
    oyun_.Tas = nokta;
    SpritelariYerlestir();
}

void TAnalitikYaprakForm::Goster()
{
    oyun_.Goster();
    SpritelariYerlestir();
}

void TAnalitikYaprakForm::paintEvent(QPaintEvent* olay)
{
    QPainter ressam(this);
    ressam.setFont(font());
    DuzlemCiz(ressam, olcu_, rect(), olay->rect(), SayilarGorunur);
}

void TAnalitikYaprakForm::AlanAyarla(const QRect& alan)
{
    setGeometry(alan);
    // A hidden sheet gets its resize event only when shown.
    OlcuyuGuncelle();
}

void TAnalitikYaprakForm::resizeEvent(QResizeEvent* olay)
{
    QWidget::resizeEvent(olay);
    OlcuyuGuncelle();
}

void TAnalitikYaprakForm::OlcuyuGuncelle()
{
    olcu_ = DuzlemOlcusuHesapla(width(), height());
    // A rabbit the new plane no longer holds hides again where it can be caught.
    oyun_.SinirdaTut(olcu_.YSiniri);
    SpritelariYerlestir();
}
