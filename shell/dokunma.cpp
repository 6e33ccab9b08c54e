#include "dokunma.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace {

// A mouse event Qt made from a finger on a touch screen.
bool Dokunma(const QMouseEvent* olay)
{
    const QPointingDevice* aygit = olay->pointingDevice();
    return aygit && aygit->type() == QInputDevice::DeviceType::TouchScreen;
}

QWidget* PencereninKendisi(const QWindow* pencere)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowHandle() == pencere)
            return w;
    return nullptr;
}

// Watches the mouse events Qt makes from touches, where they reach a window,
// before the window hands them to its widgets.
class DokunmaSuzgeci : public QObject
{
public:
    explicit DokunmaSuzgeci(QObject* sahip) : QObject(sahip)
    {
        saat_.setSingleShot(true);
        saat_.setInterval(UZUN_BASMA_MS);
        connect(&saat_, &QTimer::timeout, this, &DokunmaSuzgeci::uzunBasma);
    }

    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        switch (olay->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            break;
        default:
            return false;
        }
        if (!nesne->isWindowType() || olay == kendiOlayi_)
            return false;
        auto* fare = static_cast<QMouseEvent*>(olay);
        if (!Dokunma(fare))
            return false;
        auto* pencere = static_cast<QWindow*>(nesne);
        switch (olay->type()) {
        case QEvent::MouseButtonPress:
            // Qt's own second tap: a press its window keeps from the widgets,
            // followed by the double click, where it is decided.
            if (fare->flags() & Qt::MouseEventCreatedDoubleClick)
                return false;
            if (ciftDokunma(fare)) {
                // Qt takes a second tap for a double click only at the very
                // pixel of the first, where a finger seldom lands twice.
                yerine(pencere, fare, QEvent::MouseButtonDblClick);
                return true;
            }
            basildi(pencere, fare, false);
            return false;
        case QEvent::MouseButtonDblClick:
            if (!ciftDokunma(fare)) {
                // ... and there however long after the first it comes.
                yerine(pencere, fare, QEvent::MouseButtonPress);
                return true;
            }
            basildi(pencere, fare, true);
            return false;
        case QEvent::MouseMove:
            if (harcandi_)
                return true;
            if (saat_.isActive()
                && (fare->position() - basmaYeri_).manhattanLength() >= QApplication::startDragDistance())
                saat_.stop();
            return false;
        default: // release
            saat_.stop();
            if (harcandi_) {
                harcandi_ = false;
                return true;
            }
            return false;
        }
    }

private:
    bool ciftDokunma(const QMouseEvent* fare) const
    {
        if (!oncekiBasma_)
            return false;
        const qint64 gecen = qint64(fare->timestamp()) - qint64(oncekiZaman_);
        const qreal uzaklik = QGuiApplication::styleHints()->touchDoubleTapDistance();
        const QPointF fark = fare->globalPosition() - oncekiYer_;
        return gecen >= 0 && gecen < QGuiApplication::styleHints()->mouseDoubleClickInterval()
               && std::abs(fark.x()) <= uzaklik && std::abs(fark.y()) <= uzaklik;
    }

    // Hands the window `tur` in place of `fare`; it comes back through this filter.
    static void yerine(QWindow* pencere, const QMouseEvent* fare, QEvent::Type tur)
    {
        QMouseEvent yeni(tur, fare->position(), fare->scenePosition(), fare->globalPosition(), fare->button(),
                         fare->buttons(), fare->modifiers(), fare->pointingDevice());
        yeni.setTimestamp(fare->timestamp());
        QCoreApplication::sendEvent(pencere, &yeni);
    }

    void basildi(QWindow* pencere, const QMouseEvent* fare, bool cift)
    {
        harcandi_ = false;
        // After a double click the next tap starts anew, as after two clicks.
        oncekiBasma_ = !cift;
        oncekiZaman_ = fare->timestamp();
        oncekiYer_ = fare->globalPosition();
        saat_.stop();
        // A finger on an open menu plays the menu; only the left button is a finger's.
        if (fare->button() != Qt::LeftButton || QApplication::activePopupWidget())
            return;
        pencere_ = pencere;
        aygit_ = fare->pointingDevice();
        basmaYeri_ = fare->position();
        basmaGenel_ = fare->globalPosition();
        saat_.start();
    }

    void uzunBasma()
    {
        QWidget* ust = pencere_ ? PencereninKendisi(pencere_) : nullptr;
        if (!ust || !ust->isVisible() || QApplication::activePopupWidget())
            return;
        harcandi_ = true;
        // The press ends off the window, as a mouse dragged away and let go:
        // the pressed widget takes no click and the drag helper lets go.
        const QPointF disarida(-100, -100);
        QMouseEvent birakma(QEvent::MouseButtonRelease, disarida, disarida, basmaGenel_ + (disarida - basmaYeri_),
                            Qt::LeftButton, Qt::NoButton, QGuiApplication::keyboardModifiers(), aygit_.data());
        kendiOlayi_ = &birakma;
        QCoreApplication::sendEvent(pencere_, &birakma);
        kendiOlayi_ = nullptr;
        // Then what a right click at the finger opens.
        ust = pencere_ ? PencereninKendisi(pencere_) : nullptr;
        if (!ust || !ust->isVisible())
            return;
        const QPoint yer = basmaYeri_.toPoint();
        QWidget* hedef = ust->childAt(yer);
        if (!hedef)
            hedef = ust;
        QContextMenuEvent menu(QContextMenuEvent::Mouse, hedef->mapFrom(ust, yer), basmaGenel_.toPoint(),
                               QGuiApplication::keyboardModifiers());
        QCoreApplication::sendEvent(hedef, &menu);
    }

    QTimer saat_;
    // The touch of the running long press.
    QPointer<QWindow> pencere_;
    QPointer<const QPointingDevice> aygit_;
    QPointF basmaYeri_, basmaGenel_;
    // The long press has fired: the rest of that touch is kept from the widgets.
    bool harcandi_ = false;
    // The last touch press, for the double tap.
    bool oncekiBasma_ = false;
    quint64 oncekiZaman_ = 0;
    QPointF oncekiYer_;
    const QEvent* kendiOlayi_ = nullptr;
};
}

void DokunmayiKur(QApplication& uygulama)
{
    uygulama.installEventFilter(new DokunmaSuzgeci(&uygulama));
}
