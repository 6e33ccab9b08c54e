#include "tavsangitanaformu.h"
#include "gorunum.h"
#include "hareketmiktarformu.h"
#include "mesaj.h"
#include "tavsangitformu.h"

#include <QAction>
#include <algorithm>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace {
constexpr int PANEL_USTU = 8;
constexpr int SAHNE_SOLU = 10;
}

const EtkinlikSatiri& TTavsanGitAnaForm::Satiri()
{
    static const EtkinlikSatiri satir{
        4, QStringLiteral("Tavşan Git"), 5, 5, QStringLiteral("Tavşan Git "),
        QStringLiteral("Tavşan Git"), QStringLiteral("TavsanGit"),
        HakkindaTuru::Pencere, QStringLiteral("Tavşan Git"), QString(), QSize(600, 400),
        PencereYap<TTavsanGitAnaForm>};
    return satir;
}

TTavsanGitAnaForm::TTavsanGitAnaForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TTavsanGitAnaForm"));
    ZeminVer(this, clBtnFace);
    ScrollBox = new QScrollArea(this);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    // Under the line the scene is empty: only the long line scrolls.
    ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->horizontalScrollBar()->setAccessibleName(QStringLiteral("Sayı doğrusunu kaydır"));
    auto* icerik = new QWidget;
    ZeminVer(icerik, clBtnFace);
    Sahne = new TTavsanGitForm(icerik);
    Sahne->move(SAHNE_SOLU, 0);
    icerik->setFixedSize(Sahne->geometry().right() + 1 + SAHNE_SOLU, Sahne->height());
    ScrollBox->setWidget(icerik);

    Panel = new THareketMiktarForm(this);
    Yerlestir();
    Panel->Edit1->setFocus();
}

bool TTavsanGitAnaForm::event(QEvent* olay)
{
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_TAVSAN_HAREKET)) {
        if (const HareketIstegi* istek = MesajIsaretcisi<HareketIstegi>(m->WParam)) {
            // The scroll comes before the picture moves: a part of the scene
            // already waiting to be repainted would have to be repainted whole.
            Sahne->Hareket(*istek);
            TavsanIzle();
            Sahne->TavsanYerlestir();
        }
        return true;
    }
    return EtkinlikPenceresi::event(olay);
}

void TTavsanGitAnaForm::Yerlesim(const QRect& alan)
{
    // The scene scrolls under the panel's strip, never beneath the panel:
    // a panel over the scrolling part would make every scroll repaint it all.
    const int ust = alan.top() + PANEL_USTU + Panel->height() + PANEL_USTU;
    ScrollBox->setGeometry(alan.left(), ust, alan.width(), std::max(0, alan.bottom() + 1 - ust));
    TavsanIzle();
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

void TTavsanGitAnaForm::showEvent(QShowEvent* olay)
{
    EtkinlikPenceresi::showEvent(olay);
    TavsanIzle();
}
