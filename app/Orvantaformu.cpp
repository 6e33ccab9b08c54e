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

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

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
        // Drawn at the board's scale: the frame is 45 board pixels high.
        const qreal olcek = height() / 45.0;
        QPainterPath yol;
        yol.addRoundedRect(QRectF(rect()).adjusted(olcek, olcek, -olcek, -olcek), 12 * olcek, 12 * olcek);
        boya.fillPath(yol, RenkQ(Dolgu));
        boya.setPen(QPen(QColor(160, 70, 100), 2 * olcek));
        boya.drawPath(yol);
    }
};

// A row of the menu for the keyboard and for screen readers: a button named by
// the row's text. It draws nothing (the highlight frame and the magnified label
// show it) and lets the mouse through to the labels and the board beneath.
// Space presses it; every other key goes on to the menu, which moves the
// highlight.
class MenuSatiri : public QAbstractButton
{
public:
    MenuSatiri(const QString& metin, int oge, TMatematikForm* menu) : QAbstractButton(menu), oge_(oge), menu_(menu)
    {
        setText(metin);
        setFocusPolicy(Qt::TabFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setProperty("odakCercevesiz", true);
    }

protected:
    void paintEvent(QPaintEvent*) override {}
    void focusInEvent(QFocusEvent* olay) override
    {
        QAbstractButton::focusInEvent(olay);
        if (menu_->SeciliOge() != oge_)
            menu_->Vurgula(oge_);
    }
    void keyPressEvent(QKeyEvent* olay) override
    {
        if (olay->key() == Qt::Key_Space || olay->key() == Qt::Key_Select)
            QAbstractButton::keyPressEvent(olay);
        else
            olay->ignore();
    }

private:
    const int oge_;
    TMatematikForm* const menu_;
};

// The band of row 0 .. 13 on the board: the highlight frame's place.
QRect SatirBandi(int oge)
{
    return QRect(oge < 7 ? 197 : 476, 150 + 50 * (oge % 7), 203, 45);
}

// The exit picture's size, and the point on the board over which the title
// "6. Sınıf" stands centred.
constexpr QSize CIKIS_BOYUTU(127, 42);
constexpr int BASLIK_ORTASI = 435;
constexpr int BASLIK_UST = 5;
}

TahtaDonusumu::TahtaDonusumu(QSize pencere)
{
    if (pencere.isEmpty())
        return;
    olcek_ = std::min(qreal(pencere.width()) / GENISLIK, qreal(pencere.height()) / YUKSEKLIK);
    kayma_ = QPointF((pencere.width() - GENISLIK * olcek_) / 2, (pencere.height() - YUKSEKLIK * olcek_) / 2);
}

QRect TahtaDonusumu::Pencereye(const QRect& tahtada) const
{
    const QPoint sol = Pencereye(tahtada.topLeft());
    const QPoint sag = Pencereye(tahtada.topLeft() + QPoint(tahtada.width(), tahtada.height()));
    return QRect(sol, QSize(sag.x() - sol.x(), sag.y() - sol.y()));
}

QPoint TahtaDonusumu::Tahtaya(QPoint pencerede) const
{
    const QPointF p = (QPointF(pencerede) + QPointF(0.5, 0.5) - kayma_) / olcek_;
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

QSize TMatematikForm::TahtaBoyutu(QSize ekran)
{
    return TahtaDonusumu(ekran).Tahta().size();
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
    // The menu opens with no row highlighted: the window, not the first
    // row, takes the focus when it is first activated.
    setFocus(Qt::OtherFocusReason);
    setMouseTracking(true);

    // The board is drawn, on another thread, at the size it will have once
    // the window is maximised on its screen; a window that ends up another
    // size draws it at that size when it first paints.
    QSize tahta(TahtaDonusumu::GENISLIK, TahtaDonusumu::YUKSEKLIK);
    if (const QScreen* ekran = screen())
        tahta = TahtaBoyutu(ekran->availableGeometry().size());
    Image1 = new ResimKutusu(QStringLiteral(":/pictures/tahta.svg"), this, tahta);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    Image1->setAccessibleName(QStringLiteral("Menü tahtası"));

    Shape1 = new QWidget(this);
    TahtayaKoy(Shape1, QRect(0, 0, 89, 22));
    Shape1->hide();
    Shape2 = new QWidget(this);
    TahtayaKoy(Shape2, QRect(0, 0, 17, 9));
    Shape2->hide();
    Shape3 = new VurguCercevesi(this);
    TahtayaKoy(Shape3, QRect(0, 0, 203, 45));
    Shape3->setAccessibleName(QStringLiteral("Seçili satırın çerçevesi"));
    Shape3->setMouseTracking(true);
    Shape3->installEventFilter(this);
    Shape3->hide();

    Image2 = new ResimKutusu(QStringLiteral(":/pictures/cikis.svg"), this);
    Image2->setMouseTracking(true);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setAccessibleName(QStringLiteral("Çıkış resmi"));
    Image2->installEventFilter(this);

    Label1 = EtiketYap(EtiketMetni(14), Yazi(YaziAilesi::Arial, 13), clWhite, 15);
    Label1->setProperty("tahtaPiksel", 13);
    Label2 = EtiketYap(QStringLiteral("6. Sınıf"), Yazi(YaziAilesi::Arial, 27), 100, 0);
    Label2->setProperty("tahtaPiksel", 27);

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
    SatirlariYap();
    SesKutuphanesiYukle(QStringLiteral("Sesler.rcc"));
    TahtayaKoy(Image1, QRect(0, 0, TahtaDonusumu::GENISLIK, TahtaDonusumu::YUKSEKLIK));
    Image1->lower();
    CikisResmiYerlestir();
    Yerlestir();
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

// The fourteen row labels and the exit's, and over them the rows the
// keyboard and screen readers use, in reading order: the left column, the
// right column, the exit.
void TMatematikForm::SatirlariYap()
{
    for (int i = 0; i < 14; ++i) {
        etiketler_[i] = EtiketYap(EtiketMetni(i), PuntoYazi(YaziAilesi::Arial, 10), normalRenk_, i + 1);
        etiketler_[i]->setProperty("tahtaPunto", 10);
        TahtayaKoy(etiketler_[i], QRect(i < 7 ? 210 : 485, i < 7 ? 160 + 50 * i : 50 * i - 190, 0, 0));
    }
    etiketler_[14] = Label1;
    for (int i = 0; i < 15; ++i) {
        auto* satir = new MenuSatiri(EtiketMetni(i), i, this);
        connect(satir, &QAbstractButton::clicked, this, [this, i] { Calistir(BaslatmaKodu(i + 1)); });
        if (i < 14)
            TahtayaKoy(satir, SatirBandi(i));
        satirlar_[i] = satir;
    }
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

void TMatematikForm::TahtayaKoy(QWidget* w, const QRect& tahtada)
{
    w->setProperty("tahtaYeri", tahtada);
    const QRect yer = donusum_.Pencereye(tahtada);
    if (tahtada.isEmpty()) {
        w->move(yer.topLeft());
        return;
    }
    if (auto* resim = qobject_cast<ResimKutusu*>(w))
        resim->Boyutla(yer.size());
    else
        w->resize(yer.size());
    w->move(yer.topLeft());
}

void TMatematikForm::TahtadaTasi(QWidget* w, QPoint tahtada)
{
    TahtayaKoy(w, QRect(tahtada, w->property("tahtaYeri").toRect().size()));
}

void TMatematikForm::Yerlestir()
{
    donusum_ = TahtaDonusumu(size());
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (auto* etiket = qobject_cast<QLabel*>(w))
            YaziOlcekle(etiket);
        const QVariant yer = w->property("tahtaYeri");
        if (yer.isValid())
            TahtayaKoy(w, yer.toRect());
    }
    // The title stands centred over the board's x = 435, whatever its width.
    const QPoint baslik = donusum_.Pencereye(QPoint(BASLIK_ORTASI, BASLIK_UST));
    Label2->move(baslik.x() - Label2->width() / 2, baslik.y());
}

void TMatematikForm::YaziOlcekle(QLabel* etiket)
{
    QFont yazi = etiket->font();
    const qreal olcek = donusum_.Olcek();
    if (const QVariant punto = etiket->property("tahtaPunto"); punto.isValid())
        yazi.setPointSizeF(punto.toReal() * olcek);
    else if (const QVariant piksel = etiket->property("tahtaPiksel"); piksel.isValid())
        yazi.setPixelSize(std::max(1, qRound(piksel.toReal() * olcek)));
    else
        return;
    if (yazi == etiket->font())
        return;
    etiket->setFont(yazi);
    // Before the window is first on the screen nothing is measured (see EtiketleriSigdir).
    if (sigdirildi_)
        etiket->adjustSize();
}

void TMatematikForm::Buyut(QLabel* etiket, TRenk renk, int boyut)
{
    EtiketBuyut(etiket, renk, boyut, true);
    etiket->setProperty("tahtaPunto", boyut);
    YaziOlcekle(etiket);
    // The magnifier measured the label already, so fitting it again costs nothing.
    etiket->adjustSize();
}

void TMatematikForm::VurguyuGeriAl(int boyut, TRenk renk)
{
    QLabel* etiket = BuyutulmusEtiket();
    VurguyuKaldir(boyut, renk);
    if (etiket && etiket->parentWidget() == this) {
        etiket->setProperty("tahtaPunto", boyut);
        YaziOlcekle(etiket);
        etiket->adjustSize();
    }
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

QAbstractButton* TMatematikForm::Satir(int oge) const
{
    return oge >= 0 && oge < 15 ? satirlar_[oge] : nullptr;
}

void TMatematikForm::Vurgula(int i)
{
    if (i < 0 || i > 14)
        return;
    secili_ = i;
    const int sol = i < 7 ? 99 : 690;
    const int ust = i < 7 ? 50 * i + 195 : 50 * i + 195 - 350;
    TahtadaTasi(Shape1, QPoint(sol, ust));
    TahtadaTasi(Shape2, QPoint(sol + 35, ust + 5));
    Shape1->hide();
    Shape2->hide();
    Shape3->setVisible(i != 14);
    TahtadaTasi(Shape3, QPoint(sol + 98 - (i >= 7 ? 312 : 0), ust - 45));
    VurguyuGeriAl(10, normalRenk_);
    Buyut(etiketler_[i], i == 14 ? clWhite : vurguRenk_, vurguBoyut_);
    // The frame stands behind the labels, above the board.
    Shape3->stackUnder(etiketler_[0]);
    // The highlighted row has the focus, so that a screen reader says it.
    if (!satirlar_[i]->hasFocus())
        satirlar_[i]->setFocus(Qt::OtherFocusReason);
}

void TMatematikForm::Image1MouseMove(int x, int y)
{
    const int k = IsaretTesti(x, y);
    if (k > 0) {
        Vurgula(k - 1);
        return;
    }
    VurguyuGeriAl(normalBoyut_, normalRenk_);
    secili_ = -1;
    // No row is highlighted: none keeps the focus either.
    if (QWidget* odak = focusWidget(); odak && odak != this)
        setFocus(Qt::OtherFocusReason);
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
    VurguyuGeriAl(normalBoyut_, 0x000080);
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
    // The board is the form the rule is written for: on it the picture
    // stands 40 from the right and 100 from the bottom, in the green board's
    // lower right corner.
    const QRect cikis(QPoint(TahtaDonusumu::GENISLIK - CIKIS_BOYUTU.width() - 40,
                             TahtaDonusumu::YUKSEKLIK - CIKIS_BOYUTU.height() - 100),
                      CIKIS_BOYUTU);
    TahtayaKoy(Image2, cikis);
    TahtayaKoy(Label1, QRect(cikis.topLeft() + QPoint(10, 10), QSize()));
    if (satirlar_[14])
        TahtayaKoy(satirlar_[14], cikis);
    Label1->raise();
}

bool TMatematikForm::event(QEvent* olay)
{
    if (NumaraliMi(olay, MSG_ACILIS)) {
        HakkindaGoster(QString(), QString());
        // The about window opened before anything was active: on a display
        // without a window manager nothing would take the keyboard after it.
        if (isVisible())
            activateWindow();
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

bool TMatematikForm::focusNextPrevChild(bool sonraki)
{
    int i = secili_;
    if (QWidget* odak = focusWidget())
        for (int k = 0; k < 15; ++k)
            if (satirlar_[k] == odak)
                i = k;
    if (i < 0)
        i = sonraki ? 0 : 14;
    else
        i = (i + (sonraki ? 1 : 14)) % 15;
    satirlar_[i]->setFocus(sonraki ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
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
    Yerlestir();
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
    sigdirildi_ = true;
    for (QLabel* etiket : etiketler_)
        etiket->adjustSize();
    Label2->adjustSize();
    Yerlestir();
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
    const QPoint tahtada = donusum_.Tahtaya(w->mapTo(this, fare->position().toPoint()));
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
