#include "surukle.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

const char* const SURUKLE_MIME = "application/x-orvanta-nesne";

namespace {
const char* const KAYNAK_OZELLIGI = "orvantaOtomatikSurukle";
const char* const HEDEF_OZELLIGI = "orvantaSurukleHedefi";

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
        if (!kaynak || !uzerinde_ || !uzerinde_(kaynak, p))
            return false;
        if (birak_)
            birak_(kaynak, p);
        return true;
    }

private:
    SurukleUzerindeIslevi uzerinde_;
    SurukleBirakIslevi birak_;
};
}

void OtomatikSurukle(QWidget* kaynak, bool acik)
{
    if (!kaynak)
        return;
    auto* mevcut = kaynak->property(KAYNAK_OZELLIGI).value<QObject*>();
    if (acik && !mevcut) {
        auto* suzgec = new SurukleKaynagiSuzgeci(kaynak);
        kaynak->installEventFilter(suzgec);
        kaynak->setProperty(KAYNAK_OZELLIGI, QVariant::fromValue<QObject*>(suzgec));
    } else if (!acik && mevcut) {
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
    if (auto* eski = hedef->property(HEDEF_OZELLIGI).value<QObject*>()) {
        hedef->removeEventFilter(eski);
        delete eski;
    }
    auto* suzgec = new SurukleHedefiSuzgeci(hedef, std::move(uzerinde), std::move(birak));
    hedef->installEventFilter(suzgec);
    hedef->setProperty(HEDEF_OZELLIGI, QVariant::fromValue<QObject*>(suzgec));
    hedef->setAcceptDrops(true);
}

bool SurukleBirak(QObject* kaynak, QWidget* hedef, QPoint p)
{
    auto* suzgec = hedef ? dynamic_cast<SurukleHedefiSuzgeci*>(hedef->property(HEDEF_OZELLIGI).value<QObject*>())
                         : nullptr;
    return suzgec && suzgec->Birak(kaynak, p);
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
