#include "kefeformu.h"
#include "agirlikshape.h"
#include "erisim.h"
#include "gorunum.h"
#include "mesaj.h"
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

TKefeForm::TKefeForm(QWidget* sahip, TeraziModeli& model, int taraf)
    : QWidget(sahip), model_(model), taraf_(taraf)
{
    setObjectName(taraf == SOL_KEFE ? QStringLiteral("LeftPan") : QStringLiteral("RightPan"));
    Label1 = new QLabel(QStringLiteral("0"), this);
    Label1->setFont(Yazi(YaziAilesi::Arial, 18));
    Label1->setMargin(3);
    ZeminVer(Label1, ETIKET_RENGI);
    Label1->adjustSize();
    etiketiYerlestir();
    SurukleHedefiKur(
        this, [this](QObject* kaynak, QPoint p) { return KefeDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { KefeDragDrop(kaynak, p); });
    // A weight carried by keys goes by Tab to a clear place of the pan, its
    // top-left corner there, as a drop puts it.
    SurukleYerleriKur(this, [this] {
        const ::Agirlik* tasinan = model_.Bul(AgirlikKimligi(KlavyeIleTasinan()));
        const QSize boyut = AgirlikBoyu(tasinan ? tasinan->Kg : BILINMEYEN);
        return QList<QPoint>{model_.BosYer(taraf_, boyut)};
    });
    // Reached by Tab (a click gives no focus): the context-menu key opens its menu.
    setFocusPolicy(Qt::TabFocus);
    ErisimKur(this, QAccessible::Grouping, [this] { return model_.KefeAdi(taraf_); });
}

void TKefeForm::BilinmeyenActionKur(QAction* eylem)
{
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(eylem);
}

qint64 TKefeForm::Total() const
{
    return model_.Kefe(taraf_).Total;
}

bool TKefeForm::HasUnknown() const
{
    return model_.Kefe(taraf_).HasUnknown;
}

qint64 TKefeForm::TotalWithUnknown() const
{
    return model_.TotalWithUnknown(taraf_);
}

void TKefeForm::UpdatePanLabel()
{
    Label1->setText(model_.Etiket(taraf_));
    Label1->adjustSize();
    etiketiYerlestir();
    ErisimDegisti(this);
    emit EtiketDegisti();
}

QList<AgirlikShape*> TKefeForm::Agirliklar() const
{
    QList<AgirlikShape*> sonuc;
    for (AgirlikShape* a : findChildren<AgirlikShape*>(QString(), Qt::FindDirectChildrenOnly))
        if (!a->isHidden())
            sonuc << a;
    return sonuc;
}

AgirlikShape* TKefeForm::Agirlik(int kimlik) const
{
    if (kimlik == 0)
        return nullptr;
    for (AgirlikShape* a : Agirliklar())
        if (a->Kimlik() == kimlik)
            return a;
    return nullptr;
}

void TKefeForm::ClearPan()
{
    const QList<AgirlikShape*> agirliklar = Agirliklar();
    for (auto it = agirliklar.rbegin(); it != agirliklar.rend(); ++it)
        emit Ayrildi(*it);
    model_.KefeyiBosalt(taraf_);
    UpdatePanLabel();
}

void TKefeForm::SetPanDragMode(bool otomatik)
{
    otomatik_ = otomatik;
    const QList<AgirlikShape*> agirliklar = Agirliklar();
    for (auto it = agirliklar.rbegin(); it != agirliklar.rend(); ++it)
        OtomatikSurukle(*it, otomatik);
}

AgirlikShape* TKefeForm::AgirlikGoster(int kimlik)
{
    const ::Agirlik* w = model_.Bul(kimlik);
    if (!w || w->Yer != taraf_)
        return nullptr;
    auto* a = new AgirlikShape(this, w->Kg, kimlik);
    a->move(w->Konum);
    OtomatikSurukle(a, otomatik_);
    ErisimKur(a, QAccessible::Graphic, [this, kimlik] { return model_.AgirlikAdi(kimlik); });
    // In reading order: after the pan and the weights already on it.
    QWidget* once = this;
    for (AgirlikShape* b : Agirliklar())
        if (b != a)
            once = b;
    setTabOrder(once, a);
    a->show();
    Label1->raise();
    return a;
}

AgirlikShape* TKefeForm::AddPiece(int kg)
{
    AgirlikShape* a = AgirlikGoster(model_.ParcaEkle(taraf_, kg));
    if (a)
        MesajGonder(parentWidget(), MSG_PAN_CHANGED);
    return a;
}

AgirlikShape* TKefeForm::AddUnknown()
{
    AgirlikShape* x = AgirlikGoster(model_.BilinmeyenEkle(taraf_));
    if (!x)
        return nullptr;
    SesCal(SES_NOTR);
    UpdatePanLabel();
    return x;
}

bool TKefeForm::KefeDragOver(QObject* kaynak, QPoint) const
{
    return model_.Birakilabilir(AgirlikKimligi(kaynak), taraf_);
}

void TKefeForm::KefeDragDrop(QObject* kaynak, QPoint p)
{
    emit Birakildi(kaynak, p);
}

void TKefeForm::CancelWeights(QObject* hedef, QObject* birakilan)
{
    emit UstuneBirakildi(hedef, birakilan);
}

void TKefeForm::SplitWeight(AgirlikShape* agirlik)
{
    if (!agirlik || agirlik->parentWidget() != this || agirlik->isHidden())
        return;
    const QList<int> parcalar = model_.Bol(agirlik->Kimlik());
    if (!parcalar.isEmpty()) {
        SesCal(SES_NOTR);
        // Split by keys, the first piece takes the focus.
        const bool odakta = agirlik->hasFocus();
        for (int kimlik : parcalar) {
            AgirlikShape* parca = AgirlikGoster(kimlik);
            if (odakta && parca && kimlik == parcalar.first())
                parca->setFocus(Qt::TabFocusReason);
            MesajGonder(parentWidget(), MSG_PAN_CHANGED);
        }
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
        for (AgirlikShape* a : Agirliklar())
            if (MesajParametresi(static_cast<SayiShape*>(a)) == m->WParam) {
                if (model_.BasincaBolunur(a->Kimlik()))
                    SplitWeight(a);
                break;
            }
        return true;
    }
    return QWidget::event(olay);
}

void TKefeForm::etiketiYerlestir()
{
    Label1->move(width() / 2, height() - Label1->height() - 5);
    // A weight may lie across the pan's width, down to the top of its label.
    model_.KefeAlaniAyarla(taraf_, size(), QSize(width(), Label1->y()));
}

int TKefeForm::resimYuksekligi() const
{
    return std::max(1, height() - Label1->height() - 10);
}

void TKefeForm::resizeEvent(QResizeEvent* olay)
{
    QWidget::resizeEvent(olay);
    etiketiYerlestir();
    Label1->raise();
    resim_ = QImage();
}

void TKefeForm::paintEvent(QPaintEvent*)
{
    const QSize boyut(width(), resimYuksekligi());
    if (resim_.isNull() || resim_.deviceIndependentSize().toSize() != boyut
        || resim_.devicePixelRatio() != devicePixelRatioF())
        resim_ = ResimKutusu::SvgCiz(QStringLiteral(":/pictures/kefe.svg"), boyut, devicePixelRatioF());
    QPainter p(this);
    p.drawImage(0, 0, resim_);
}
