#include "surukle.h"

#include "renk.h"

#include <QAccessible>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <algorithm>

const char* const SURUKLE_MIME = "application/x-orvanta-nesne";

namespace {
const char* const KAYNAK_OZELLIGI = "orvantaOtomatikSurukle";
const char* const HEDEF_OZELLIGI = "orvantaSurukleHedefi";
const char* const TUTAMAK_OZELLIGI = "orvantaSurukleTutamagi";

bool klavyeTusu(QObject* nesne, QKeyEvent* tus);
void klavyeIptal(QObject* kaynak);

SuruklemeSurucusu& surucu()
{
    static SuruklemeSurucusu s;
    return s;
}

// Watches one widget in automatic drag mode; a child of it.
class SurukleKaynagiSuzgeci : public QObject
{
public:
    explicit SurukleKaynagiSuzgeci(QWidget* kaynak) : QObject(kaynak) {}

    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        auto* kaynak = qobject_cast<QWidget*>(nesne);
        if (!kaynak)
            return false;
        switch (olay->type()) {
        case QEvent::MouseButtonPress: {
            auto* fare = static_cast<QMouseEvent*>(olay);
            // Qt shows a disabled widget's presses to its filters; a disabled
            // control still takes no mouse input, so nothing is dragged out of it.
            basili_ = fare->button() == Qt::LeftButton && kaynak->isEnabled();
            baslangic_ = fare->position().toPoint();
            return false;
        }
        case QEvent::MouseButtonRelease:
            basili_ = false;
            return false;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            return klavyeTusu(kaynak, static_cast<QKeyEvent*>(olay));
        case QEvent::FocusOut:
        case QEvent::Hide:
            klavyeIptal(kaynak);
            return false;
        case QEvent::MouseMove: {
            auto* fare = static_cast<QMouseEvent*>(olay);
            if (!basili_ || !(fare->buttons() & Qt::LeftButton) || !kaynak->isEnabled())
                return false;
            if ((fare->position().toPoint() - baslangic_).manhattanLength() < QApplication::startDragDistance())
                return false;
            basili_ = false;
            surukle(kaynak);
            return true;
        }
        default:
            return false;
        }
    }

private:
    void surukle(QWidget* kaynak)
    {
        auto* drag = new QDrag(kaynak);
        auto* veri = new QMimeData;
        veri->setData(QString::fromLatin1(SURUKLE_MIME), QByteArray());
        drag->setMimeData(veri);
        const QPixmap resim = kaynak->grab();
        if (!resim.isNull()) {
            drag->setPixmap(resim);
            drag->setHotSpot(baslangic_);
        }
        // Nothing of this filter is touched after the drag: the drop may have
        // scheduled the source (and with it this filter) for deletion.
        if (const SuruklemeSurucusu s = surucu()) {
            drag->deleteLater();
            s(kaynak);
            return;
        }
        drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    }

    bool basili_ = false;
    QPoint baslangic_;
};

class SurukleHedefiSuzgeci : public QObject
{
public:
    SurukleHedefiSuzgeci(QWidget* hedef, SurukleUzerindeIslevi uzerinde, SurukleBirakIslevi birak)
        : QObject(hedef), uzerinde_(std::move(uzerinde)), birak_(std::move(birak))
    {
    }

    bool eventFilter(QObject*, QEvent* olay) override
    {
        switch (olay->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDragMoveEvent*>(olay);
            QObject* kaynak = SurukleKaynagi(e);
            if (kaynak && uzerinde_ && uzerinde_(kaynak, SuruklemeNoktasi(e)))
                e->acceptProposedAction();
            else
                e->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(olay);
            if (Birak(SurukleKaynagi(e), SuruklemeNoktasi(e)))
                e->acceptProposedAction();
            else
                e->ignore();
            return true;
        }
        default:
            return false;
        }
    }

    bool Birak(QObject* kaynak, QPoint p)
    {
        if (!kaynak || !Uzerinde(kaynak, p))
            return false;
        if (birak_)
            birak_(kaynak, p);
        return true;
    }

    bool Uzerinde(QObject* kaynak, QPoint p) const { return uzerinde_ && uzerinde_(kaynak, p); }

    SurukleYerleriIslevi Yerler;

private:
    SurukleUzerindeIslevi uzerinde_;
    SurukleBirakIslevi birak_;
};

SurukleHedefiSuzgeci* hedefSuzgeci(const QWidget* w)
{
    return w ? dynamic_cast<SurukleHedefiSuzgeci*>(w->property(HEDEF_OZELLIGI).value<QObject*>()) : nullptr;
}

// The widget that a drop at the global point `g` of `pencere` reaches: the
// one under it that takes drops, as the platform finds it for a mouse drag.
QWidget* hedefBul(QWidget* pencere, QPoint g)
{
    const QPoint p = pencere->mapFromGlobal(g);
    if (!pencere->rect().contains(p))
        return nullptr;
    QWidget* w = pencere->childAt(p);
    if (!w)
        w = pencere;
    while (w && !w->acceptDrops())
        w = w->isWindow() ? nullptr : w->parentWidget();
    return w;
}

// The picture of a widget carried by keys: it stands over the window, takes no
// mouse and follows the keys; its frame shows that it is being carried.
class TasinanResim : public QWidget
{
public:
    TasinanResim(QWidget* kaynak, QPoint tutamak)
        : QWidget(kaynak->window()), Kaynak(kaynak), Tutamak(tutamak), resim_(kaynak->grab())
    {
        setObjectName(QStringLiteral("TasinanResim"));
        // It stands over the whole window, also where a window's page scrolls.
        setProperty("orvantaUstKatman", true);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(kaynak->size());
        Goturulen(kaynak->mapToGlobal(tutamak));
        raise();
        show();
    }

    // The hot spot's global point.
    QPoint Nokta() const { return mapToGlobal(Tutamak); }

    // Puts the hot spot at `g`, kept inside the window.
    void Goturulen(QPoint g)
    {
        QPoint p = parentWidget()->mapFromGlobal(g);
        const QRect alan = parentWidget()->rect();
        p.setX(std::clamp(p.x(), alan.left(), alan.right()));
        p.setY(std::clamp(p.y(), alan.top(), alan.bottom()));
        move(p - Tutamak);
    }

    QPointer<QWidget> Kaynak;
    QPoint Tutamak;
    QString EskiAciklama;
    QString EskiAd; // the name set by hand before, usually none
    QString Ad;     // what a reader heard before it was picked up
    int Yer = -1;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter boya(this);
        boya.setOpacity(0.8);
        boya.drawPixmap(rect(), resim_);
        boya.setOpacity(1.0);
        QPen kalem(RenkQ(clNavy), 2, Qt::DashLine);
        boya.setPen(kalem);
        boya.drawRect(rect().adjusted(1, 1, -1, -1));
    }

private:
    QPixmap resim_;
};

QPointer<TasinanResim>& tasinan()
{
    static QPointer<TasinanResim> t;
    return t;
}

void birakKlavye(TasinanResim* resim, bool birak)
{
    QPointer<QWidget> kaynak = resim->Kaynak;
    const QPoint g = resim->Nokta();
    QWidget* pencere = resim->parentWidget();
    if (kaynak)
        kaynak->setAccessibleDescription(resim->EskiAciklama);
        kaynak->setAccessibleName(resim->EskiAd);
    tasinan() = nullptr;
    resim->hide();
    resim->deleteLater();
    if (!birak || !kaynak)
        return;
    QWidget* hedef = hedefBul(pencere, g);
    if (hedef)
        SurukleBirak(kaynak, hedef, hedef->mapFromGlobal(g));
}

// The places that Tab visits for `resim`: global points in sight whose target
// takes the carried widget there, top to bottom and left to right.
QList<QPoint> tasimaYerleri(TasinanResim* resim)
{
    QWidget* pencere = resim->parentWidget();
    QList<QWidget*> hedefler = pencere->findChildren<QWidget*>();
    hedefler.prepend(pencere);
    QList<QPoint> yerler;
    for (QWidget* h : hedefler) {
        SurukleHedefiSuzgeci* suzgec = hedefSuzgeci(h);
        if (!suzgec || !h->isVisible())
            continue;
        const QList<QPoint> noktalar = suzgec->Yerler ? suzgec->Yerler() : QList<QPoint>{h->rect().center()};
        for (const QPoint& n : noktalar) {
            const QPoint g = h->mapToGlobal(n);
            QWidget* alan = hedefBul(pencere, g);
            // A place hidden by a scrolled frame or outside its parent is out of sight.
            bool gorunur = h->rect().contains(n);
            for (QWidget* u = h; gorunur && u && u != pencere; u = u->parentWidget())
                gorunur = u->parentWidget() && u->parentWidget()->rect().contains(u->parentWidget()->mapFromGlobal(g));
            if (!gorunur || !alan)
                continue;
            SurukleHedefiSuzgeci* kural = hedefSuzgeci(alan);
            if (kural && kural->Uzerinde(resim->Kaynak, alan->mapFromGlobal(g)) && !yerler.contains(g))
                yerler.append(g);
        }
    }
    std::stable_sort(yerler.begin(), yerler.end(), [](const QPoint& a, const QPoint& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return yerler;
}

// Tells a reader where the carried widget is: over what, and whether it
// may be dropped there.
void yeriSoyle(TasinanResim* resim)
{
    QWidget* kaynak = resim->Kaynak;
    if (!kaynak)
        return;
    const QPoint g = resim->Nokta();
    QWidget* hedef = hedefBul(resim->parentWidget(), g);
    const SurukleHedefiSuzgeci* kural = hedefSuzgeci(hedef);
    QString yer;
    if (QAccessibleInterface* a = hedef ? QAccessible::queryAccessibleInterface(hedef) : nullptr)
        yer = a->text(QAccessible::Name);
    const bool olur = kural && kural->Uzerinde(kaynak, hedef->mapFromGlobal(g));
    QString aciklama = QStringLiteral("taşınıyor");
    if (!yer.isEmpty())
        aciklama += QStringLiteral(", ") + yer + QStringLiteral(" üzerinde");
    aciklama += olur ? QStringLiteral(", bırakılabilir") : QStringLiteral(", buraya bırakılamaz");
    kaynak->setAccessibleDescription(aciklama);
    kaynak->setAccessibleName(resim->Ad + QStringLiteral(", ") + aciklama);
}

bool tasimaTusu(int tus)
{
    switch (tus) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

bool klavyeTusu(QObject* nesne, QKeyEvent* tus)
{
    auto* kaynak = qobject_cast<QWidget*>(nesne);
    TasinanResim* resim = tasinan();
    const bool tasiyor = resim && resim->Kaynak == kaynak;
    const bool bizim = tasiyor ? tasimaTusu(tus->key())
                               : tus->key() == Qt::Key_Space && !(tus->modifiers() & ~Qt::KeypadModifier);
    if (!kaynak || !bizim)
        return false;
    if (tus->type() == QEvent::ShortcutOverride) {
        tus->accept();
        return true;
    }
    if (!tasiyor) {
        if (!kaynak->isEnabled())
            return true;
        if (resim)
            birakKlavye(resim, false);
        const QVariant t = kaynak->property(TUTAMAK_OZELLIGI);
        resim = new TasinanResim(kaynak, t.isValid() ? t.toPoint() : kaynak->rect().center());
        resim->EskiAciklama = kaynak->accessibleDescription();
        resim->EskiAd = kaynak->accessibleName();
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(kaynak))
            resim->Ad = a->text(QAccessible::Name);
        // A reader speaks a change of the focused widget's name: it hears
        // that the widget is carried, and later where it stands.
        kaynak->setAccessibleName(resim->Ad + QStringLiteral(", taşınıyor"));
        kaynak->setAccessibleDescription(QStringLiteral("taşınıyor: oklar ya da Sekme ile götür, Enter ile bırak, Esc ile geri koy"));
        tasinan() = resim;
        return true;
    }
    const int adim = (tus->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (tus->key()) {
    case Qt::Key_Left:
        resim->Goturulen(resim->Nokta() + QPoint(-adim, 0));
        break;
    case Qt::Key_Right:
        resim->Goturulen(resim->Nokta() + QPoint(adim, 0));
        break;
    case Qt::Key_Up:
        resim->Goturulen(resim->Nokta() + QPoint(0, -adim));
        break;
    case Qt::Key_Down:
        resim->Goturulen(resim->Nokta() + QPoint(0, adim));
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const QList<QPoint> yerler = tasimaYerleri(resim);
        if (yerler.isEmpty())
            break;
        const bool geri = tus->key() == Qt::Key_Backtab || (tus->modifiers() & Qt::ShiftModifier);
        const int n = int(yerler.size());
        resim->Yer = resim->Yer < 0 ? (geri ? n - 1 : 0) : (resim->Yer + (geri ? n - 1 : 1)) % n;
        resim->Goturulen(yerler[resim->Yer]);
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        birakKlavye(resim, true);
        return true;
    case Qt::Key_Escape:
        birakKlavye(resim, false);
        return true;
    default:
        break;
    }
    yeriSoyle(resim);
    return true;
}

void klavyeIptal(QObject* kaynak)
{
    if (TasinanResim* resim = tasinan(); resim && resim->Kaynak == kaynak)
        birakKlavye(resim, false);
}
}

void OtomatikSurukle(QWidget* kaynak, bool acik)
{
    if (!kaynak)
        return;
    auto* mevcut = kaynak->property(KAYNAK_OZELLIGI).value<QObject*>();
    if (acik && !mevcut) {
        auto* suzgec = new SurukleKaynagiSuzgeci(kaynak);
        kaynak->installEventFilter(suzgec);
        if (kaynak->focusPolicy() == Qt::NoFocus)
            kaynak->setFocusPolicy(Qt::TabFocus);
        kaynak->setProperty(KAYNAK_OZELLIGI, QVariant::fromValue<QObject*>(suzgec));
    } else if (!acik && mevcut) {
        klavyeIptal(kaynak);
        kaynak->removeEventFilter(mevcut);
        delete mevcut;
        kaynak->setProperty(KAYNAK_OZELLIGI, QVariant());
    }
}

bool OtomatikSurukleAcik(const QWidget* kaynak)
{
    return kaynak && kaynak->property(KAYNAK_OZELLIGI).value<QObject*>() != nullptr;
}

void SurukleHedefiKur(QWidget* hedef, SurukleUzerindeIslevi uzerinde, SurukleBirakIslevi birak)
{
    if (!hedef)
        return;
    auto* suzgec = new SurukleHedefiSuzgeci(hedef, std::move(uzerinde), std::move(birak));
    if (auto* eski = hedefSuzgeci(hedef)) {
        suzgec->Yerler = std::move(eski->Yerler);
        hedef->removeEventFilter(eski);
        delete eski;
    }
    hedef->installEventFilter(suzgec);
    hedef->setProperty(HEDEF_OZELLIGI, QVariant::fromValue<QObject*>(suzgec));
    hedef->setAcceptDrops(true);
}

bool SurukleBirak(QObject* kaynak, QWidget* hedef, QPoint p)
{
    SurukleHedefiSuzgeci* suzgec = hedefSuzgeci(hedef);
    return suzgec && suzgec->Birak(kaynak, p);
}

void SurukleTutamagi(QWidget* kaynak, QPoint tutamak)
{
    if (kaynak)
        kaynak->setProperty(TUTAMAK_OZELLIGI, tutamak);
}

void SurukleYerleriKur(QWidget* hedef, SurukleYerleriIslevi yerler)
{
    if (SurukleHedefiSuzgeci* suzgec = hedefSuzgeci(hedef))
        suzgec->Yerler = std::move(yerler);
}

std::optional<QPoint> KlavyeTasimaNoktasi()
{
    TasinanResim* resim = tasinan();
    if (!resim || !resim->Kaynak)
        return std::nullopt;
    return resim->Nokta();
}

QWidget* KlavyeIleTasinan()
{
    TasinanResim* resim = tasinan();
    return resim ? resim->Kaynak.data() : nullptr;
}

void SuruklemeSurucusuKur(SuruklemeSurucusu yeni)
{
    surucu() = std::move(yeni);
}

QObject* SurukleKaynagi(const QDropEvent* olay)
{
    if (!olay || !olay->mimeData() || !olay->mimeData()->hasFormat(QString::fromLatin1(SURUKLE_MIME)))
        return nullptr;
    return olay->source();
}

QPoint SuruklemeNoktasi(const QDropEvent* olay)
{
    return olay ? olay->position().toPoint() : QPoint();
}
