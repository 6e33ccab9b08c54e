#include "yaprakformu.h"
#include "eksencizimi.h"
#include "erisim.h"
#include "gorunum.h"
#include "resimkutusu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPaintEvent>

namespace {
QLabel* Resimcik(QWidget* ebeveyn, const QString& yol, QSize boyut)
{
    auto* resim = new QLabel(ebeveyn);
    resim->setFixedSize(boyut);
    resim->setPixmap(ResimKutusu::Resim(yol, boyut, ebeveyn->devicePixelRatioF()));
    resim->setAttribute(Qt::WA_TransparentForMouseEvents);
    return resim;
}
}

TAnalitikYaprakForm::TAnalitikYaprakForm(QWidget* sahip)
    : QWidget(sahip), olcu_(DuzlemOlcusuHesapla(width(), height()))
{
    setObjectName(QStringLiteral("TAnalitikYaprakForm"));
    // Before any child: Qt keeps the first description it makes of a widget.
    ErisimKur(this, QAccessible::Canvas, [this] { return NoktaAdi(imlec_, oyun_); });
    setFont(Yazi(YaziAilesi::MsSansSerif, 11, false));
    TavsanImage = Resimcik(this, QStringLiteral(":/pictures/tavsan.svg"), QSize(30, 30));
    TavsanImage->setObjectName(QStringLiteral("TavsanImage"));
    Shape1 = Resimcik(this, QStringLiteral(":/pictures/tas.svg"), QSize(15, 15));
    Shape1->setObjectName(QStringLiteral("Shape1"));
    // A click leaves the focus in the coordinate boxes; Tab reaches the plane.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(QStringLiteral("Koordinat düzlemi: ok tuşlarıyla noktalar arasında gezebilirsin"));
    ErisimKur(TavsanImage, QAccessible::Graphic, [] { return QStringLiteral("Tavşan"); });
    ErisimKur(Shape1, QAccessible::Graphic, [this] {
        return QStringLiteral("Taş, (%1, %2) noktasında").arg(oyun_.Tas.x()).arg(oyun_.Tas.y());
    });
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
    ErisimDegisti(this);
    ErisimDegisti(Shape1);
}

void TAnalitikYaprakForm::keyPressEvent(QKeyEvent* olay)
{
    int dx = 0;
    int dy = 0;
    switch (olay->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = 1;
        break;
    case Qt::Key_Down:
        dy = -1;
        break;
    case Qt::Key_Home:
        dx = -imlec_.x();
        dy = -imlec_.y();
        break;
    default:
        QWidget::keyPressEvent(olay);
        return;
    }
    olay->accept();
    const QPoint yeni = ImleciTasi(imlec_, dx, dy, olcu_.YSiniri);
    if (yeni == imlec_)
        return;
    update(QRect(DuzlemdenPiksele(imlec_) - QPoint(12, 12), QSize(25, 25)));
    imlec_ = yeni;
    update(QRect(DuzlemdenPiksele(imlec_) - QPoint(12, 12), QSize(25, 25)));
    ErisimDegisti(this);
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
    // The keyboard's point, only while the keys walk the plane.
    if (hasFocus()) {
        ressam.setRenderHint(QPainter::Antialiasing);
        ressam.setPen(QPen(Qt::black, 3));
        ressam.setBrush(Qt::NoBrush);
        ressam.drawEllipse(QPointF(DuzlemdenPiksele(imlec_)), 9, 9);
    }
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
    imlec_ = ImleciTasi(imlec_, 0, 0, olcu_.YSiniri);
    SpritelariYerlestir();
}
