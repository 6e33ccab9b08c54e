#include "kaydirmaalani.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QScrollBar>

KaydirmaAlani::KaydirmaAlani(QWidget* ebeveyn, QWidget* tahta, Boyut boyut, const QString& ad)
    : QScrollArea(ebeveyn), boyut_(boyut)
{
    setAccessibleName(ad);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setWidgetResizable(boyut == Duzenli);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Tab moves between the board's controls, not onto the frame.
    setFocusPolicy(Qt::NoFocus);
    setWidget(tahta);
    tahta->installEventFilter(this);
    if (boyut_ == Izleyen)
        for (QObject* cocuk : tahta->children())
            if (cocuk->isWidgetType())
                cocuk->installEventFilter(this);
    sigdir();
}

QSize KaydirmaAlani::GerekenBoyut() const
{
    const QWidget* tahta = widget();
    if (!tahta)
        return QSize();
    QSize boyut = viewport()->size().expandedTo(tahta->minimumSize());
    const QRect cocuklar = tahta->childrenRect();
    if (cocuklar.isValid())
        boyut = boyut.expandedTo(QSize(cocuklar.right() + 1, cocuklar.bottom() + 1));
    return boyut;
}

void KaydirmaAlani::sigdir()
{
    if ((boyut_ != Buyuyen && boyut_ != Izleyen) || !widget())
        return;
    const QSize gereken = GerekenBoyut();
    if (widget()->size() != gereken)
        widget()->resize(gereken);
}

bool KaydirmaAlani::eventFilter(QObject* nesne, QEvent* olay)
{
    QWidget* tahta = widget();
    if (tahta && nesne == tahta) {
        if (olay->type() == QEvent::ChildAdded) {
            QObject* cocuk = static_cast<QChildEvent*>(olay)->child();
            if (boyut_ == Izleyen && cocuk->isWidgetType())
                cocuk->installEventFilter(this);
        } else if (olay->type() >= QEvent::User && olay->type() <= QEvent::MaxUser) {
            // A child's numbered message is the window's to answer.
            if (QWidget* pencere = tahta->window(); pencere && pencere != tahta) {
                QCoreApplication::sendEvent(pencere, olay);
                return true;
            }
        } else if (olay->type() == QEvent::ChildRemoved && boyut_ == Izleyen) {
            sonraSigdir();
        }
        return false;
    }
    if (tahta && boyut_ == Izleyen && nesne->parent() == tahta) {
        switch (olay->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show: {
            // A child that reaches further makes the board grow at once; the
            // board shrinks, if it can, once the moves of this event are done,
            // so that a board of many children is not measured at every move.
            const QRect yer = static_cast<QWidget*>(nesne)->geometry();
            if (!static_cast<QWidget*>(nesne)->isHidden() && !tahta->rect().contains(yer))
                tahta->resize(tahta->size().expandedTo(QSize(yer.right() + 1, yer.bottom() + 1)));
            else
                sonraSigdir();
            break;
        }
        case QEvent::Hide:
            sonraSigdir();
            break;
        default:
            break;
        }
    }
    return false;
}

void KaydirmaAlani::sonraSigdir()
{
    // Only a board larger than the visible part can shrink.
    if (sigdirmeBekliyor_ || !widget() || widget()->size() == viewport()->size())
        return;
    sigdirmeBekliyor_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            sigdirmeBekliyor_ = false;
            sigdir();
        },
        Qt::QueuedConnection);
}

void KaydirmaAlani::resizeEvent(QResizeEvent* olay)
{
    QScrollArea::resizeEvent(olay);
    sigdir();
}
