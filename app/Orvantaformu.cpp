#include "Orvantaformu.h"
#include "gorunum.h"
#include "etkinlikler.h"
#include "hakkinda.h"
#include "mesaj.h"
#include "ortam.h"
#include "resimkutusu.h"
#include "servisler.h"
#include "ses.h"
#include "uygulama.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QWindow>

namespace {
// The highlight frame: a rounded rectangle behind the row's label.
class VurguCercevesi : public QWidget
{
public:
    explicit VurguCercevesi(QWidget* sahip) : QWidget(sahip) {}
    TRenk Dolgu = 0xCCCCFF;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter boya(this);
        boya.setRenderHint(QPainter::Antialiasing);
        QPainterPath yol;
        yol.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
        boya.fillPath(yol, RenkQ(Dolgu));
        boya.setPen(QPen(QColor(160, 70, 100), 2));
        boya.drawPath(yol);
    }
};
}

QString TMatematikForm::EtiketMetni(int oge)
{
    if (oge == 13)
        return QStringLiteral("Hakkında");
    if (oge == 14)
        return QStringLiteral("Çıkış");
    for (const EtkinlikSatiri& satir : EtkinlikTablosu())
        if (satir.Oge == oge)
            return satir.Etiket;
    return QString();
}

TMatematikForm::TMatematikForm(QWidget* sahip) : QWidget(sahip), EtkinlikYapici(EtkinlikOlustur)
{
    setWindowTitle(QStringLiteral("6. Sınıf Orvanta"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setMinimumSize(410, 400);
    ZeminVer(this, clWhite);
    setFont(QFont(QStringLiteral("Courier New")));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);

    Image1 = new ResimKutusu(QStringLiteral(":/pictures/tahta.svg"), this);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);

    Shape1 = new QWidget(this);
    Shape1->setGeometry(0, 0, 89, 22);
    Shape1->hide();
    Shape2 = new QWidget(this);
    Shape2->setGeometry(0, 0, 17, 9);
    Shape2->hide();
    Shape3 = new VurguCercevesi(this);
    Shape3->setGeometry(0, 0, 203, 45);
    Shape3->setMouseTracking(true);
    Shape3->installEventFilter(this);
    Shape3->hide();

    Image2 = new ResimKutusu(QStringLiteral(":/pictures/cikis.svg"), this);
    Image2->setMouseTracking(true);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);

    Label1 = EtiketYap(EtiketMetni(14), Yazi(YaziAilesi::Arial, 13), clWhite, 15);
    Label2 = EtiketYap(QStringLiteral("6. Sınıf"), Yazi(YaziAilesi::Arial, 27), 100, 0);

    CikisAction = new QAction(EtiketMetni(14), this);
    connect(CikisAction, &QAction::triggered, this, [this] { Calistir(15); });
    HakkindaAction = new QAction(EtiketMetni(13), this);
    connect(HakkindaAction, &QAction::triggered, this, [this] { Calistir(14); });
    addAction(CikisAction);
    addAction(HakkindaAction);

    AciklamaTimer = new QTimer(this);
    AciklamaTimer->setInterval(100);
    AciklamaTimer->setSingleShot(true);
    connect(AciklamaTimer, &QTimer::timeout, this, &TMatematikForm::AciklamaTimerTimer);

    // Step by step as the menu is made: labels, the sound library, the board, the exit picture.
    for (int i = 0; i < 14; ++i) {
        etiketler_[i] = EtiketYap(EtiketMetni(i), PuntoYazi(YaziAilesi::Arial, 10), normalRenk_, i + 1);
        etiketler_[i]->move(i < 7 ? 210 : 485, i < 7 ? 160 + 50 * i : 50 * i - 190);
    }
    etiketler_[14] = Label1;
    SesKutuphanesiYukle(QStringLiteral("Sesler.rcc"));
    Image1->move(0, 0);
    Image1->lower();
    CikisResmiYerlestir();
    bekleyen_ = this;
    AciklamaTimer->start();
    setWindowState(Qt::WindowMaximized);
    // The labels are fitted to their text when the window is first exposed,
    // just before it is painted, not when they are made or shown. Measuring
    // text waits for the machine's font list, which is still being gathered
    // on another thread; until the window is on the screen the menu has other
    // work to do.
    windowHandle()->installEventFilter(this);
}

QLabel* TMatematikForm::EtiketYap(const QString& metin, const QFont& yazi, TRenk renk, int tag)
{
    auto* etiket = new QLabel(metin, this);
    etiket->setFont(yazi);
    RenkVer(etiket, QPalette::WindowText, renk);
    etiket->installEventFilter(this);
    // Its size counts as set, so that showing the window does not measure it.
    etiket->setAttribute(Qt::WA_Resized);
    if (tag > 0) {
        // A label that opens something: it follows the mouse like the board.
        etiket->setProperty("Tag", tag);
        etiket->setMouseTracking(true);
        etiket->setCursor(Qt::PointingHandCursor);
    }
    return etiket;
}

TMatematikForm::~TMatematikForm()
{
    SesKutuphanesiBirak();
}

int TMatematikForm::IsaretTesti(int x, int y)
{
    if (y < 150 || y > 490)
        return 0;
    if (x >= 200 && x <= 390)
        return (y - 100) / 50;
    if (x >= 480 && x <= 670)
        return (y - 100) / 50 + 7;
    return 0;
}

int TMatematikForm::BaslatmaKodu(int etiket)
{
    const EtkinlikSatiri* satir = TagSatiri(etiket);
    return satir ? satir->Kod : etiket;
}

QLabel* TMatematikForm::Etiket(int oge) const
{
    return oge >= 0 && oge < 15 ? etiketler_[oge] : nullptr;
}

void TMatematikForm::Vurgula(int i)
{
    if (i < 0 || i > 14)
        return;
    secili_ = i;
    const int sol = i < 7 ? 99 : 690;
    const int ust = i < 7 ? 50 * i + 195 : 50 * i + 195 - 350;
    Shape1->move(sol, ust);
    Shape2->move(sol + 35, ust + 5);
    Shape1->hide();
    Shape2->hide();
    Shape3->setVisible(i != 14);
    Shape3->move(sol + 98 - (i >= 7 ? 312 : 0), ust - 45);
    VurguyuKaldir(10, normalRenk_);
    EtiketBuyut(etiketler_[i], i == 14 ? clWhite : vurguRenk_, vurguBoyut_, true);
    // The frame stands behind the labels, above the board.
    Shape3->stackUnder(etiketler_[0]);
}

void TMatematikForm::Image1MouseMove(int x, int y)
{
    const int k = IsaretTesti(x, y);
    if (k > 0) {
        Vurgula(k - 1);
        return;
    }
    VurguyuKaldir(normalBoyut_, normalRenk_);
    secili_ = -1;
    Shape1->hide();
    Shape2->hide();
    Shape3->hide();
}

void TMatematikForm::Image1MouseDown()
{
    if (secili_ >= 0)
        Calistir(BaslatmaKodu(secili_ + 1));
}

void TMatematikForm::Image2MouseMove()
{
    Vurgula(14);
}

void TMatematikForm::FormMouseMove()
{
    VurguyuKaldir(normalBoyut_, 0x000080);
}

void TMatematikForm::EtiketTiklandi(int etiket)
{
    Calistir(BaslatmaKodu(etiket));
}

void TMatematikForm::Calistir(int kod)
{
    if (kod == 14) {
        HakkindaGoster(QString(), QString());
        return;
    }
    if (kod == 15) {
        close();
        return;
    }
    hide();
    if (kod >= 1 && kod <= 13) {
        QDialog* pencere = EtkinlikYapici ? EtkinlikYapici(kod, this) : nullptr;
        if (pencere) {
            if (pencere->isVisible())
                pencere->hide();
            bekleyen_ = pencere;
            AciklamaTimer->start();
            Ortam::Gecerli().ModalGoster(*pencere);
            AciklamaTimer->stop();
            delete pencere;
        }
    }
    show();
    activateWindow();
}

void TMatematikForm::AciklamaTimerTimer()
{
    AciklamaTimer->stop();
    if (QWidget* alici = bekleyen_.data()) {
        bekleyen_ = nullptr;
        MesajGonder(alici, MSG_ACILIS);
    }
}

void TMatematikForm::CikisResmiYerlestir()
{
    if (width() > 850)
        Image2->move(width() - Image2->width() - 40, height() - Image2->height() - 100);
    else
        Image2->move(670, 106);
    Label1->move(Image2->x() + 10, Image2->y() + 10);
    Label1->raise();
}

bool TMatematikForm::event(QEvent* olay)
{
    if (NumaraliMi(olay, MSG_ACILIS)) {
        HakkindaGoster(QString(), QString());
        return true;
    }
    return QWidget::event(olay);
}

void TMatematikForm::keyPressEvent(QKeyEvent* olay)
{
    const int s = secili_;
    switch (olay->key()) {
    case Qt::Key_Up:
        Vurgula(s <= 0 ? 13 : s - 1);
        break;
    case Qt::Key_Down:
        Vurgula(s >= 13 ? 0 : s + 1);
        break;
    case Qt::Key_Left:
        if (s >= 0)
            Vurgula(s < 7 ? s + 7 : s - 7);
        break;
    case Qt::Key_Right:
        if (s >= 0)
            Vurgula(s > 7 ? s - 7 : s + 7);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (s >= 0)
            Calistir(BaslatmaKodu(s + 1));
        break;
    default:
        QWidget::keyPressEvent(olay);
        return;
    }
    olay->accept();
}

void TMatematikForm::closeEvent(QCloseEvent* olay)
{
    QWidget::closeEvent(olay);
    emit Kapandi();
}

void TMatematikForm::mouseMoveEvent(QMouseEvent* olay)
{
    FormMouseMove();
    QWidget::mouseMoveEvent(olay);
}

void TMatematikForm::resizeEvent(QResizeEvent* olay)
{
    QWidget::resizeEvent(olay);
    CikisResmiYerlestir();
}

void TMatematikForm::paintEvent(QPaintEvent* olay)
{
    QWidget::paintEvent(olay);
    if (!boyandi_) {
        boyandi_ = true;
        emit IlkBoyandi();
        // After whatever waits for the first paint.
        QTimer::singleShot(0, this, [] { PencereSimgesiKur(); });
    }
}

void TMatematikForm::EtiketleriSigdir()
{
    for (QLabel* etiket : etiketler_)
        etiket->adjustSize();
    Label2->adjustSize();
    Label2->move(435 - Label2->width() / 2, 5);
}

bool TMatematikForm::eventFilter(QObject* nesne, QEvent* olay)
{
    const QEvent::Type tur = olay->type();
    if (tur == QEvent::Expose && nesne == windowHandle()) {
        // Once is enough: the texts and fonts stay until a highlight, which
        // fits its label itself.
        nesne->removeEventFilter(this);
        EtiketleriSigdir();
    }
    if (tur != QEvent::MouseMove && tur != QEvent::MouseButtonPress)
        return QWidget::eventFilter(nesne, olay);
    auto* fare = static_cast<QMouseEvent*>(olay);
    auto* w = qobject_cast<QWidget*>(nesne);
    if (!w)
        return false;
    const QPoint tahtada = w->mapTo(this, fare->position().toPoint()) - Image1->pos();
    if (nesne == Image2 || nesne == Label1) {
        if (tur == QEvent::MouseMove)
            Image2MouseMove();
        else if (fare->button() == Qt::LeftButton)
            CikisAction->trigger();
        return true;
    }
    if (nesne == Label2) {
        if (tur == QEvent::MouseButtonPress) {
            RenkVer(Label2, QPalette::WindowText, RenkSec(QRenk(Label2->palette().color(QPalette::WindowText))));
        } else {
            FormMouseMove();
        }
        return true;
    }
    const bool etiket = nesne->property("Tag").isValid() && qobject_cast<QLabel*>(nesne);
    if (tur == QEvent::MouseMove) {
        Image1MouseMove(tahtada.x(), tahtada.y());
        return true;
    }
    if (fare->button() != Qt::LeftButton)
        return true;
    if (etiket)
        EtiketTiklandi(nesne->property("Tag").toInt());
    else
        Image1MouseDown();
    return true;
}
