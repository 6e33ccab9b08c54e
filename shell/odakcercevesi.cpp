#include "odakcercevesi.h"
#include "gorunum.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRegion>

OdakCercevesi::OdakCercevesi()
{
    setObjectName(QStringLiteral("odakCercevesi"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* odak) { odakDegisti(odak); });
}

namespace {
QPointer<OdakCercevesi> uygulamaninki;
bool kurulu = false;
}

OdakCercevesi::~OdakCercevesi()
{
    // A window deleted with the frame in it (a closed window is deleted while
    // the frame still stands hidden over its last focused widget): a new one
    // waits, on its own, for the next focus.
    if (kurulu && uygulamaninki == this)
        uygulamaninki = new OdakCercevesi;
}

OdakCercevesi* OdakCercevesi::Uygulamaninki()
{
    return uygulamaninki;
}

void OdakCercevesiKur()
{
    kurulu = true;
    if (uygulamaninki)
        return;
    uygulamaninki = new OdakCercevesi;
    uygulamaninki->odakDegisti(QApplication::focusWidget());
}

void OdakCercevesiKaldir()
{
    kurulu = false;
    delete uygulamaninki.data();
}

QWidget* OdakCercevesi::CerceveHedefi(QWidget* odak)
{
    if (!odak || odak->isWindow())
        return nullptr;
    // The spin box or combo box whose line edit has the focus is framed whole.
    QWidget* w = odak;
    for (QWidget* ebeveyn = w->parentWidget(); ebeveyn && !ebeveyn->isWindow() && ebeveyn->focusProxy() == w;
         ebeveyn = w->parentWidget())
        w = ebeveyn;
    const QWidget* pencere = w->window();
    if (pencere->windowType() == Qt::Popup || qobject_cast<const QMenu*>(pencere))
        return nullptr;
    for (const QWidget* c = w; c && c != pencere; c = c->parentWidget())
        if (qobject_cast<const QMenuBar*>(c) || c->property("odakCercevesiz").toBool())
            return nullptr;
    return w;
}

void OdakCercevesi::odakDegisti(QWidget* odak)
{
    QWidget* hedef = CerceveHedefi(odak);
    if (hedef == hedef_ && (!hedef || parentWidget() == hedef->parentWidget())) {
        yerlestir();
        return;
    }
    if (hedef_)
        hedef_->removeEventFilter(this);
    hedef_ = hedef;
    if (!hedef) {
        ayril();
        return;
    }
    hedef->installEventFilter(this);
    if (parentWidget() != hedef->parentWidget()) {
        setParent(hedef->parentWidget());
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    yerlestir();
}

void OdakCercevesi::ayril()
{
    hide();
    // Back on its own, so that no window takes it along when it is deleted.
    if (parentWidget())
        setParent(nullptr);
}

void OdakCercevesi::yerlestir()
{
    QWidget* hedef = hedef_;
    if (!hedef || !parentWidget()) {
        hide();
        return;
    }
    const QRect yer = hedef->geometry();
    const QRect dis = yer.adjusted(-KALINLIK, -KALINLIK, KALINLIK, KALINLIK);
    // Around the widget where its parent has room; at the parent's edge the
    // ring is drawn on the widget's own edge (a box's frame, never its text).
    icte_ = !parentWidget()->rect().contains(dis);
    const QRect alan = icte_ ? yer : dis;
    setGeometry(alan);
    const QRect ic = QRect(QPoint(), alan.size()).adjusted(KALINLIK, KALINLIK, -KALINLIK, -KALINLIK);
    setMask(QRegion(QRect(QPoint(), alan.size())).subtracted(QRegion(ic)));
    if (hedef->isVisible() && alan.width() > 2 * KALINLIK && alan.height() > 2 * KALINLIK) {
        raise();
        show();
        update();
    } else {
        hide();
    }
}

bool OdakCercevesi::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == hedef_) {
        switch (olay->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
            yerlestir();
            break;
        case QEvent::ParentChange:
            odakDegisti(QApplication::focusWidget());
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(nesne, olay);
}

void OdakCercevesi::paintEvent(QPaintEvent*)
{
    QPainter boya(this);
    const QRect r = rect();
    // Two pixels of the focus colour outside, one of white inside them.
    boya.setPen(Qt::NoPen);
    boya.setBrush(RenkQ(ODAK_RENGI));
    boya.drawRect(r);
    boya.setBrush(RenkQ(ODAK_ICI_RENGI));
    boya.drawRect(r.adjusted(KALINLIK - 1, KALINLIK - 1, 1 - KALINLIK, 1 - KALINLIK));
}
