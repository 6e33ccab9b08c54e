#include "faktoragaci.h"
#include "Myshape.h"
#include "carpanmodel.h"
#include "erisim.h"
#include "servisler.h"
#include "surukle.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

TFaktorForm::TFaktorForm(QWidget* sahip, int tag, CarpanAgaciModeli& model)
    : QWidget(sahip), Tag(tag), Renk(model.AgacRengi(tag)), model_(model), agac_(tag)
{
    setProperty(FORM_TAG_OZELLIGI, tag);
    SurukleHedefiKur(
        this, [this](QObject* kaynak, QPoint p) { return FormDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { FormDragDrop(kaynak, p); });
    // A node carried by keys goes to the panels by Tab; within its own tree
    // it moves by the arrow keys.
    SurukleYerleriKur(this, [] { return QList<QPoint>(); });
    // The name alone is what a reader hears of a node carried over the tree;
    // the state follows it as the description.
    ErisimKur(this, QAccessible::Grouping,
              [this] { return agac_ == 1 ? QStringLiteral("Birinci ağaç") : QStringLiteral("İkinci ağaç"); });
}

namespace {
const char* const ERISIM_KURULDU = "faktorErisimi";

void OkumaSirasinaEkle(const MyShape* dugum, QList<QWidget*>& sira)
{
    if (!dugum)
        return;
    sira << const_cast<MyShape*>(dugum);
    if (dugum->LeftEdit())
        sira << dugum->LeftEdit();
    if (dugum->RightEdit())
        sira << dugum->RightEdit();
    OkumaSirasinaEkle(dugum->LeftChild(), sira);
    OkumaSirasinaEkle(dugum->RightChild(), sira);
}

void DugumErisimi(MyShape* dugum)
{
    if (!dugum->property(ERISIM_KURULDU).isValid()) {
        dugum->setProperty(ERISIM_KURULDU, true);
        ErisimKur(dugum, QAccessible::ListItem, [dugum] { return DugumOkunusu(dugum->Dugum()); });
        SurukleTutamagi(dugum, QPoint(0, 0));
    } else {
        ErisimDegisti(dugum);
    }
    const QString sayi = QString::number(dugum->Value());
    if (dugum->LeftEdit())
        dugum->LeftEdit()->setAccessibleName(sayi + QStringLiteral(" için bölen, sol kutu"));
    if (dugum->RightEdit())
        dugum->RightEdit()->setAccessibleName(sayi + QStringLiteral(" için bölen, sağ kutu"));
}
} // namespace

QList<QWidget*> TFaktorForm::OkumaSirasi() const
{
    QList<QWidget*> sira;
    OkumaSirasinaEkle(root_, sira);
    return sira;
}

void TFaktorForm::ErisimiGuncelle()
{
    erisimBekliyor_ = false;
    for (QWidget* w : OkumaSirasi())
        if (auto* dugum = qobject_cast<MyShape*>(w))
            DugumErisimi(dugum);
    DurumuBildir();
    emit DugumlerDegisti();
}

void TFaktorForm::DurumuBildir()
{
    setAccessibleDescription(model_.AgacDurumu(agac_));
}

bool TFaktorForm::event(QEvent* olay)
{
    // The nodes and boxes are made by the nodes themselves. A child just
    // added is not finished yet: it is named on the next turn of the event
    // loop, before a reader can ask; one shown for the first time is named
    // at once, before it is announced.
    if (olay->type() == QEvent::ChildAdded && !erisimBekliyor_) {
        erisimBekliyor_ = true;
        QMetaObject::invokeMethod(this, [this] { if (erisimBekliyor_) ErisimiGuncelle(); }, Qt::QueuedConnection);
    } else if (olay->type() == QEvent::ChildPolished) {
        ErisimiGuncelle();
    }
    return QWidget::event(olay);
}

void TFaktorForm::AgaciGoster()
{
    if (root_) {
        root_->hide();
        delete root_.data();
    }
    root_ = nullptr;
    if (CarpanDugumu* kok = model_.Kok(agac_)) {
        root_ = new MyShape(this, *kok);
        connect(root_, &MyShape::AgacBitti, this, &TFaktorForm::AgacBitti);
        yerlesimGenisligi_ = width();
        root_->move(width() / 2, 10);
        root_->Yansit();
        root_->show();
    }
    ErisimiGuncelle();
    update();
}

void TFaktorForm::Yenile()
{
    if (root_)
        root_->Yansit();
    ErisimiGuncelle();
    update();
}

void TFaktorForm::SetNumber(int n)
{
    ClearTree();
    model_.SetNumber(agac_, n);
    AgaciGoster();
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
    SetNumber(RastgeleBilesik());
}

void TFaktorForm::ClearTree()
{
    // The controls go before the model's nodes they show.
    if (root_) {
        root_->hide();
        delete root_.data();
    }
    root_ = nullptr;
    model_.ClearTree(agac_);
    update();
}

int TFaktorForm::RootValue() const
{
    return model_.RootValue(agac_);
}

int TFaktorForm::CountUnsplit() const
{
    const CarpanDugumu* kok = model_.Kok(agac_);
    return kok ? kok->CountUnsplit() : 0;
}

int TFaktorForm::CountAvailable(int v) const
{
    return model_.CountAvailable(agac_, v);
}

bool TFaktorForm::TakeAvailable(int v)
{
    const bool alindi = model_.TakeAvailable(agac_, v);
    Yenile();
    return alindi;
}

void TFaktorForm::SolveAll()
{
    if (root_)
        root_->SolveAll();
    ErisimiGuncelle();
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
    ErisimDegisti(dugum);
    update();
}

void TFaktorForm::RenkAyarla(TRenk renk)
{
    Renk = renk;
    update();
}

void TFaktorForm::FormDblClick()
{
    model_.AgacRengiAyarla(agac_, RenkSec(model_.AgacRengi(agac_)));
    RenkAyarla(model_.AgacRengi(agac_));
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
