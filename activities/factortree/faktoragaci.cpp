#include "faktoragaci.h"
#include "Myshape.h"
#include "asal.h"
#include "ortam.h"
#include "servisler.h"
#include "surukle.h"

#include <QMouseEvent>
#include <QPainter>

TFaktorForm::TFaktorForm(QWidget* sahip, int tag, TRenk renk) : QWidget(sahip), Tag(tag), Renk(renk)
{
    setProperty(FORM_TAG_OZELLIGI, tag);
    SurukleHedefiKur(
        this, [this](QObject* kaynak, QPoint p) { return FormDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { FormDragDrop(kaynak, p); });
}

void TFaktorForm::SetNumber(int n)
{
    ClearTree();
    root_ = new MyShape(this, n, nullptr);
    connect(root_, &MyShape::AgacBitti, this, &TFaktorForm::AgacBitti);
    yerlesimGenisligi_ = width();
    root_->move(width() / 2, 10);
    root_->Expand();
    root_->show();
    update();
}

void TFaktorForm::SetNumberOrRandom(int n)
{
    if (n == -1)
        RandomNumber();
    else
        SetNumber(n);
}

void TFaktorForm::RandomNumber()
{
    int n = 2;
    // A composite number from 4 to 49; a generator stuck on primes must not hang the window.
    for (int deneme = 0; IsPrime(n) && deneme < 10000; ++deneme)
        n = Ortam::Gecerli().Rastgele(50);
    if (IsPrime(n))
        n = 4;
    SetNumber(n);
}

void TFaktorForm::ClearTree()
{
    if (root_) {
        root_->hide();
        delete root_.data();
    }
    root_ = nullptr;
    update();
}

int TFaktorForm::RootValue() const
{
    return root_ ? root_->Value() : 0;
}

int TFaktorForm::CountUnsplit() const
{
    return root_ ? root_->CountUnsplit() : 0;
}

int TFaktorForm::CountAvailable(int v) const
{
    return root_ ? root_->CountAvailable(v) : 0;
}

bool TFaktorForm::TakeAvailable(int v)
{
    return root_ && root_->TakeAvailable(v);
}

void TFaktorForm::SolveAll()
{
    if (root_)
        root_->SolveAll();
}

QLineEdit* TFaktorForm::BekleyenKutu() const
{
    return root_ ? root_->BekleyenKutu() : nullptr;
}

bool TFaktorForm::FormDragOver(QObject*, QPoint) const
{
    return true;
}

void TFaktorForm::FormDragDrop(QObject* kaynak, QPoint p)
{
    // Only a node of this tree moves: a node of the other tree belongs to another surface.
    auto* dugum = qobject_cast<MyShape*>(kaynak);
    if (!dugum || dugum->parentWidget() != this)
        return;
    dugum->move(p);
    dugum->LayoutChildren();
    update();
}

void TFaktorForm::RenkAyarla(TRenk renk)
{
    Renk = renk;
    update();
}

void TFaktorForm::FormDblClick()
{
    RenkAyarla(RenkSec(Renk));
    emit RenkDegisti();
}

void TFaktorForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), RenkQ(Renk));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (root_)
        root_->DrawEdges(&p);
}

void TFaktorForm::mouseDoubleClickEvent(QMouseEvent* olay)
{
    olay->accept();
    FormDblClick();
}

void TFaktorForm::resizeEvent(QResizeEvent* olay)
{
    // The root stands at the middle: the whole tree, with whatever the pupil
    // moved, follows the middle when the surface changes width.
    const int kayma = width() / 2 - yerlesimGenisligi_ / 2;
    yerlesimGenisligi_ = width();
    if (kayma != 0)
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            w->move(w->x() + kayma, w->y());
    QWidget::resizeEvent(olay);
}
