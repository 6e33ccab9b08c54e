#include "tavsangitanaformu.h"
#include "gorunum.h"
#include "hareketmiktarformu.h"
#include "mesaj.h"
#include "tavsangitformu.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace {
constexpr int PANEL_USTU = 8;
const QPoint SAHNE_YERI(10, 150);
}

TTavsanGitAnaForm::TTavsanGitAnaForm(QWidget* sahip) : EtkinlikPenceresi(sahip, 5)
{
    setObjectName(QStringLiteral("TTavsanGitAnaForm"));
    ZeminVer(this, clBtnFace);
    ScrollBox = new QScrollArea(this);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    auto* icerik = new QWidget;
    ZeminVer(icerik, clBtnFace);
    Sahne = new TTavsanGitForm(icerik);
    Sahne->move(SAHNE_YERI);
    icerik->setFixedSize(Sahne->geometry().right() + 1 + SAHNE_YERI.x(), Sahne->geometry().bottom() + 1);
    ScrollBox->setWidget(icerik);

    Panel = new THareketMiktarForm(this);
    Panel->raise();
    ScrollBox->setGeometry(rect());
    Panel->Edit1->setFocus();
}

bool TTavsanGitAnaForm::event(QEvent* olay)
{
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_TAVSAN_HAREKET)) {
        if (const HareketIstegi* istek = MesajIsaretcisi<HareketIstegi>(m->WParam)) {
            Sahne->Hareket(*istek);
            TavsanIzle();
        }
        return true;
    }
    return EtkinlikPenceresi::event(olay);
}

void TTavsanGitAnaForm::TavsanIzle()
{
    QScrollBar* kaydirma = ScrollBox->horizontalScrollBar();
    kaydirma->setValue(KaydirmaHedefi(Sahne->Konum(), kaydirma->maximum()));
    Panel->move(PanelSolu(Sahne->Konum(), width(), Panel->width()), PANEL_USTU);
}

void TTavsanGitAnaForm::keyPressEvent(QKeyEvent* olay)
{
    // Enter anywhere in the window moves the rabbit; Escape stays with the base.
    if (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter) {
        olay->accept();
        Panel->GitAction->trigger();
        return;
    }
    EtkinlikPenceresi::keyPressEvent(olay);
}

void TTavsanGitAnaForm::resizeEvent(QResizeEvent* olay)
{
    EtkinlikPenceresi::resizeEvent(olay);
    ScrollBox->setGeometry(rect());
    TavsanIzle();
}

void TTavsanGitAnaForm::showEvent(QShowEvent* olay)
{
    EtkinlikPenceresi::showEvent(olay);
    TavsanIzle();
}
