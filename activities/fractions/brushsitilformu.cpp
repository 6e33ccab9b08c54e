#include "brushsitilformu.h"
#include "erisim.h"
#include "gorunum.h"
#include "kesirmodel.h"
#include "renk.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int ORNEK_SAYISI = 8;
constexpr int ORNEK_GENISLIK = 75;
constexpr int ORNEK_YUKSEKLIK = 100;
// The yellow samples lie on a dark ground, the blue preview on white.
constexpr TRenk ORNEK_ZEMINI = 0x503214;
}

FircaOrnegi::FircaOrnegi(QWidget* sahip, const QColor& firca, const QColor& kalem, Qt::BrushStyle stil)
    : QWidget(sahip), Firca(firca), Kalem(kalem), Stil(stil)
{
    setCursor(Qt::PointingHandCursor);
}

void FircaOrnegi::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Zemin);
    p.setPen(QPen(Kalem, 1));
    p.setBrush(QBrush(Firca, Stil));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FircaOrnegi::mousePressEvent(QMouseEvent* olay)
{
    olay->accept();
    emit Basildi();
}

TBrushSitilForm::TBrushSitilForm(QWidget* sahip, Qt::BrushStyle baslangic) : QDialog(sahip)
{
    setWindowTitle(QStringLiteral("Fırça Boyama Sitili"));
    setObjectName(QStringLiteral("TBrushSitilForm"));

    Shape1 = new FircaOrnegi(this, RenkQ(clBlue), RenkQ(clRed), baslangic);
    Shape1->setGeometry(8, 8, 65, 65);
    Shape1->setCursor(Qt::ArrowCursor);
    ErisimKur(Shape1, QAccessible::Graphic, [this] { return QStringLiteral("Önizleme: ") + StilAdi(Shape1->Stil); });
    const int ornekUst = Shape1->y() + 65 + 15;
    for (int i = 0; i < ORNEK_SAYISI; ++i) {
        auto* o = new FircaOrnegi(this, RenkQ(clYellow), Qt::black, StyleOf(i));
        o->Zemin = RenkQ(ORNEK_ZEMINI);
        o->setGeometry(80 * i + 20, ornekUst, ORNEK_GENISLIK, ORNEK_YUKSEKLIK);
        connect(o, &FircaOrnegi::Basildi, this, [this, i] { OrnekBasildi(i); });
        // The samples are a row of choices: Tab reaches each, a click gives no focus.
        o->setFocusPolicy(Qt::TabFocus);
        ErisimKur(o, QAccessible::RadioButton, [o] { return StilAdi(o->Stil); },
                  [this, o](QAccessible::State& durum) {
                      durum.checkable = true;
                      durum.checked = Shape1->Stil == o->Stil;
                  });
        Ornekler << o;
    }
    const int dugmeUst = ornekUst + ORNEK_YUKSEKLIK + 10;
    TamamButton = new QPushButton(QStringLiteral("Tamam"), this);
    IptalButton = new QPushButton(QStringLiteral("İptal"), this);
    const int sag = Ornekler.last()->geometry().right();
    for (QPushButton* b : {TamamButton, IptalButton}) {
        b->setFont(Yazi(YaziAilesi::Arial, 14));
        b->setAutoDefault(false);
        b->resize(100, 30);
    }
    IptalButton->move(sag - 100, dugmeUst);
    TamamButton->move(sag - 210, dugmeUst);
    connect(TamamButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(IptalButton, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sag + 21, dugmeUst + 30 + 10);
}

void FircaOrnegi::keyPressEvent(QKeyEvent* olay)
{
    if (olay->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(olay);
        return;
    }
    switch (olay->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        olay->accept();
        emit Basildi();
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        olay->accept();
        focusPreviousChild();
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        olay->accept();
        focusNextChild();
        return;
    default:
        QWidget::keyPressEvent(olay);
    }
}

void TBrushSitilForm::OrnekBasildi(int i)
{
    Shape1->Firca = RenkQ(clBlue);
    Shape1->Kalem = RenkQ(clRed);
    Shape1->Stil = StyleOf(i);
    Shape1->update();
    ErisimDegisti(Shape1);
    for (FircaOrnegi* o : Ornekler)
        ErisimDegisti(o);
}
