#include "Kefeformu.h"
#include "Agirlikshape.h"
#include "Teraziformu.h"
#include "gorunum.h"
#include "mesaj.h"
#include "ortam.h"
#include "resimkutusu.h"
#include "ses.h"
#include "surukle.h"
#include "terazimodeli.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {
constexpr TRenk ETIKET_RENGI = 0x4080FF; // orange
}

TKefeForm::TKefeForm(TTeraziForm* terazi, int taraf) : QWidget(terazi), terazi_(terazi), taraf_(taraf)
{
    setObjectName(taraf == SOL_KEFE ? QStringLiteral("LeftPan") : QStringLiteral("RightPan"));
    Label1 = new QLabel(QStringLiteral("0"), this);
    Label1->setFont(Yazi(YaziAilesi::Arial, 18));
    Label1->setMargin(3);
    ZeminVer(Label1, ETIKET_RENGI);
    Label1->adjustSize();
    SurukleHedefiKur(
        this, [this](QObject* kaynak, QPoint p) { return KefeDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { KefeDragDrop(kaynak, p); });
}

void TKefeForm::BilinmeyenActionKur(QAction* eylem)
{
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(eylem);
}

qint64 TKefeForm::Total() const
{
    return terazi_->Model.Kefe(taraf_).Total;
}

bool TKefeForm::HasUnknown() const
{
    return terazi_->Model.Kefe(taraf_).HasUnknown;
}

qint64 TKefeForm::TotalWithUnknown() const
{
    return terazi_->Model.TotalWithUnknown(taraf_);
}

void TKefeForm::UpdatePanLabel()
{
    Label1->setText(terazi_->Model.Etiket(taraf_));
    Label1->adjustSize();
    Label1->move(width() / 2, height() - Label1->height() - 5);
    terazi_->UpdateBalance();
}

QList<AgirlikShape*> TKefeForm::Agirliklar() const
{
    QList<AgirlikShape*> sonuc;
    for (AgirlikShape* a : findChildren<AgirlikShape*>(QString(), Qt::FindDirectChildrenOnly))
        if (!a->isHidden())
            sonuc << a;
    return sonuc;
}

void TKefeForm::ClearPan()
{
    const QList<AgirlikShape*> agirliklar = Agirliklar();
    for (auto it = agirliklar.rbegin(); it != agirliklar.rend(); ++it)
        if (!(*it)->Bilinmeyen())
            terazi_->ScheduleDelete(*it);
    terazi_->Model.KefeyiBosalt(taraf_);
    UpdatePanLabel();
}

void TKefeForm::SetPanDragMode(bool otomatik)
{
    otomatik_ = otomatik;
    const QList<AgirlikShape*> agirliklar = Agirliklar();
    for (auto it = agirliklar.rbegin(); it != agirliklar.rend(); ++it)
        OtomatikSurukle(*it, otomatik);
}

AgirlikShape* TKefeForm::agirlikYap(int kg, QPoint yer)
{
    auto* a = new AgirlikShape(this, kg);
    a->move(yer);
    OtomatikSurukle(a, otomatik_);
    a->show();
    Label1->raise();
    return a;
}

AgirlikShape* TKefeForm::parcaYap(int kg)
{
    // The random place may reach under the label; the piece is pulled above it as a drop is.
    AgirlikShape* a = agirlikYap(kg, BirakmaYeri(ParcaYeri(size()), AgirlikBoyu(kg), serbestAlan()));
    MesajGonder(parentWidget(), MSG_PAN_CHANGED);
    return a;
}

AgirlikShape* TKefeForm::AddPiece(int kg)
{
    if (!terazi_->Model.AgirlikEkle(taraf_, kg))
        return nullptr;
    return parcaYap(kg);
}

AgirlikShape* TKefeForm::AddUnknown()
{
    if (!terazi_->Model.BilinmeyenEkle(taraf_))
        return nullptr;
    AgirlikShape* x = agirlikYap(BILINMEYEN, BilinmeyenYeri(size()));
    terazi_->UnknownShape = x;
    SesCal(SES_NOTR);
    UpdatePanLabel();
    return x;
}

bool TKefeForm::KefeDragOver(QObject*, QPoint) const
{
    return terazi_->Model.KefeyeBirakilabilir();
}

void TKefeForm::KefeDragDrop(QObject* kaynak, QPoint p)
{
    auto* s = qobject_cast<AgirlikShape*>(kaynak);
    if (!s || s->isHidden() || !KefeDragOver(kaynak, p))
        return;
    const int yer = terazi_->Yeri(s);
    TKefeForm* q = terazi_->Kefe(yer);
    if (!q && yer != PALET)
        return;
    const int kg = s->Tag;
    // A weight that comes from the other pan is not carried over: a copy
    // appears here and the dragged one leaves once its drag has ended.
    const QPoint konum = BirakmaYeri(p, s->size(), serbestAlan());
    if (kg == BILINMEYEN) {
        if (!q || !terazi_->Model.AgirlikTasi(yer, taraf_, kg))
            return;
        if (q == this) {
            s->move(konum);
        } else {
            terazi_->UnknownShape = agirlikYap(kg, konum);
            terazi_->ScheduleDelete(s);
        }
        q->UpdatePanLabel();
        UpdatePanLabel();
        return;
    }
    if (!AgirlikMi(kg))
        return;
    if (q) {
        if (!terazi_->Model.AgirlikTasi(yer, taraf_, kg))
            return;
        if (q == this) {
            s->move(konum);
        } else {
            agirlikYap(kg, konum);
            terazi_->ScheduleDelete(s);
            q->UpdatePanLabel();
        }
    } else {
        if (!terazi_->Model.AgirlikEkle(taraf_, kg))
            return;
        agirlikYap(kg, konum);
    }
    SesCal(SES_NOTR);
    UpdatePanLabel();
}

void TKefeForm::CancelWeights(QObject* hedef, QObject* birakilan)
{
    auto* t = qobject_cast<AgirlikShape*>(hedef);
    auto* s = qobject_cast<AgirlikShape*>(birakilan);
    if (!t || !s || t == s || !t->parentWidget() || !s->parentWidget() || t->isHidden() || s->isHidden())
        return;
    const int tYer = terazi_->Yeri(t);
    const int sYer = terazi_->Yeri(s);
    const IptalKarari karar = terazi_->Model.Iptal(tYer, t->Tag, sYer, s->Tag);
    if (karar.Sonuc == IptalKarari::Red) {
        SesCal(SES_HATA);
        Ortam::Gecerli().MesajGoster(karar.Mesaj);
        return;
    }
    if (karar.Sonuc != IptalKarari::Kabul)
        return;
    // Both leave the balance. The receiving weight is in the middle of its own
    // drop and the dragged one in the middle of its drag: both are hidden now
    // and deleted once Qt is done with them.
    t->hide();
    t->deleteLater();
    terazi_->ScheduleDelete(s);
    terazi_->Kefe(tYer)->UpdatePanLabel();
    terazi_->Kefe(sYer)->UpdatePanLabel();
    SesCal(SES_NOTR);
}

void TKefeForm::SplitWeight(AgirlikShape* agirlik)
{
    if (!agirlik || agirlik->parentWidget() != this || agirlik->isHidden())
        return;
    const QList<int> parcalar = terazi_->Model.Bol(taraf_, agirlik->Tag);
    if (!parcalar.isEmpty()) {
        SesCal(SES_NOTR);
        for (int kg : parcalar)
            parcaYap(kg);
        // Pressed, so in the middle of its own mouse event.
        agirlik->hide();
        agirlik->deleteLater();
    }
    MesajGonder(parentWidget(), MSG_PAN_CHANGED);
    MesajGonder(parentWidget(), MSG_SPLIT_DONE);
}

bool TKefeForm::event(QEvent* olay)
{
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_SHAPE_DROPPED)) {
        auto* hedef = static_cast<QObject*>(MesajIsaretcisi<SayiShape>(m->WParam));
        CancelWeights(hedef, MesajIsaretcisi<QObject>(m->LParam));
        return true;
    }
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_SHAPE_ACTIVATED)) {
        // Every press of a weight reports itself, also the press that starts
        // a drag; a double click reports the address of the number instead.
        // Only a press in split mode that names a weight of this pan splits.
        if (terazi_->Model.BolmeKipi)
            for (AgirlikShape* a : Agirliklar())
                if (MesajParametresi(static_cast<SayiShape*>(a)) == m->WParam) {
                    SplitWeight(a);
                    break;
                }
        return true;
    }
    return QWidget::event(olay);
}

QSize TKefeForm::serbestAlan() const
{
    // The label's top as resizeEvent and UpdatePanLabel place it.
    return QSize(width(), height() - Label1->height() - 5);
}

int TKefeForm::resimYuksekligi() const
{
    return std::max(1, height() - Label1->height() - 10);
}

void TKefeForm::resizeEvent(QResizeEvent* olay)
{
    QWidget::resizeEvent(olay);
    Label1->move(width() / 2, height() - Label1->height() - 5);
    Label1->raise();
    resim_ = QImage();
}

void TKefeForm::paintEvent(QPaintEvent*)
{
    const QSize boyut(width(), resimYuksekligi());
    if (resim_.isNull() || resim_.deviceIndependentSize().toSize() != boyut)
        resim_ = ResimKutusu::SvgCiz(QStringLiteral(":/pictures/kefe.svg"), boyut, devicePixelRatioF());
    QPainter p(this);
    p.drawImage(0, 0, resim_);
}
