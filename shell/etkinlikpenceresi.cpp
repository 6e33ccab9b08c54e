#include "etkinlikpenceresi.h"
#include "aracubugu.h"
#include "gorunum.h"
#include "hakkinda.h"
#include "kaydirmaalani.h"
#include "mesaj.h"
#include "ortam.h"
#include "uygulama.h"
#include "yardim.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace {
// Numbered messages that the page's controls send to their parent widget go
// on to the window, as they did while the controls stood on it.
class MesajAktarici : public QObject
{
public:
    MesajAktarici(QWidget* sayfa, QWidget* pencere) : QObject(sayfa), pencere_(pencere)
    {
        sayfa->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* olay) override
    {
        if (olay->type() < QEvent::User || olay->type() > QEvent::MaxUser)
            return false;
        QCoreApplication::sendEvent(pencere_, olay);
        return true;
    }

private:
    QWidget* pencere_;
};
}

EtkinlikPenceresi::EtkinlikPenceresi(QWidget* sahip, const EtkinlikSatiri& satir) : QDialog(sahip), satir_(satir)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(satir_.PencereBasligi);
    tahta_ = new QWidget;
    sayfa_ = new QWidget(tahta_);
    sayfa_->setObjectName(QStringLiteral("EtkinlikSayfasi"));
    new MesajAktarici(sayfa_, this);
    cerceve_ = new KaydirmaAlani(this, tahta_, KaydirmaAlani::Sabit, QStringLiteral("Etkinlik alanı"));
    // Laid out for the whole screen from the start, also where no window manager maximises.
    ekranaUy(true);
    setWindowState(Qt::WindowMaximized);

    YardimAction = Eylem(QStringLiteral("Yardım"), [this] { YardimActionExecute(); }, QKeySequence(Qt::Key_F1));
    HakkindaAction = Eylem(QStringLiteral("Hakkında"), [this] { HakkindaActionExecute(); });

    BitBtn2 = new QPushButton(this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setIcon(QIcon(QStringLiteral(":/pictures/anamenu.svg")));
    BitBtn2->setIconSize(QSize(36, 36));
    BitBtn2->setFixedSize(52, 52);
    BitBtn2->setToolTip(QStringLiteral("Ana Menüye Dön"));
    BitBtn2->setAccessibleName(QStringLiteral("Ana Menüye Dön"));
    BitBtn2->setAutoDefault(false);
    BitBtn2->setFocusPolicy(Qt::TabFocus);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::close);
}

void EtkinlikPenceresi::YardimActionExecute()
{
    YardimGoster(satir_.YardimBasligi, satir_.YardimKaynagi);
}

void EtkinlikPenceresi::HakkindaActionExecute()
{
    if (satir_.Hakkinda == HakkindaTuru::MesajKutusu)
        Ortam::Gecerli().MesajKutusu(satir_.HakkindaBaslik + QLatin1Char('\n') + HAKKINDA_HAZIRLAYAN
                                         + QLatin1Char('\n') + HAKKINDA_YER_YIL,
                                     satir_.HakkindaBaslik);
    else
        HakkindaGoster(satir_.HakkindaBaslik, satir_.HakkindaIkinciSatir);
}

QAction* EtkinlikPenceresi::Eylem(const QString& metin, std::function<void()> is, const QKeySequence& kisayol)
{
    auto* eylem = new QAction(metin, this);
    if (!kisayol.isEmpty()) {
        eylem->setShortcut(kisayol);
        eylem->setShortcutContext(Qt::WindowShortcut);
    }
    addAction(eylem);
    // The error is shown here, before it could unwind through Qt's own frames.
    connect(eylem, &QAction::triggered, this, [is = std::move(is)] { HataSinirinda(is); });
    return eylem;
}

QPushButton* EtkinlikPenceresi::EylemDugmesi(QAction* eylem, QWidget* ebeveyn, const QString& baslik)
{
    return EylemDugmesiYap(eylem, ebeveyn ? ebeveyn : this, baslik);
}

AracCubugu* EtkinlikPenceresi::KomutCubugu(TRenk renk)
{
    komutCubugu_ = new AracCubugu(this, renk);
    cubuklariYerlestir();
    return komutCubugu_;
}

void EtkinlikPenceresi::KomutCubuguBitir(AracCubugu* cubuk)
{
    cubuk->KapatmaDugmesiEkle(BitBtn2);
}

QMenuBar* EtkinlikPenceresi::MenuCubugu(const QList<QPair<QString, QList<QAction*>>>& menuler)
{
    auto* cubuk = new QMenuBar(this);
    cubuk->setFont(Yazi(YaziAilesi::Arial, 14, false));
    for (const auto& menu : menuler)
        cubuk->addMenu(menu.first)->addActions(menu.second);
    menuCubugu_ = cubuk;
    cubuklariYerlestir();
    return cubuk;
}

QRect EtkinlikPenceresi::IstemciAlani() const
{
    int ust = 0;
    if (menuCubugu_)
        ust += menuCubugu_->sizeHint().height();
    if (komutCubugu_)
        ust += CUBUK_YUKSEKLIGI;
    return QRect(0, ust, width(), std::max(0, height() - ust));
}

QSize EtkinlikPenceresi::SayfaBoyutu() const
{
    if (layout())
        return size();
    // Below the minimum size in one direction the page keeps the minimum
    // there and the frame shows a scroll bar, which takes room from the
    // other direction.
    const QSize en = EnKucukSayfa();
    const int cubuk = cerceve_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, cerceve_);
    bool yatay = width() < en.width();
    bool dikey = height() < en.height();
    if (dikey && !yatay)
        yatay = width() - cubuk < en.width();
    if (yatay && !dikey)
        dikey = height() - cubuk < en.height();
    return QSize(std::max(width() - (dikey ? cubuk : 0), en.width()),
                 std::max(height() - (yatay ? cubuk : 0), en.height()));
}

QSize EtkinlikPenceresi::EnKucukSayfa() const
{
    return satir_.EnKucuk;
}

void EtkinlikPenceresi::ekranaUy(bool boyutla)
{
    const QScreen* ekran = screen();
    if (!ekran) {
        setMinimumSize(satir_.EnKucuk);
        return;
    }
    const QRect kullanilir = ekran->availableGeometry();
    // The window manager's frame is known once the window is shown.
    const QSize kenar = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    setMinimumSize(satir_.EnKucuk.boundedTo(kullanilir.size() - kenar));
    if (boyutla)
        setGeometry(kullanilir);
}

void EtkinlikPenceresi::sayfayiBoyutla()
{
    const QRect alan = IstemciAlani();
    cerceve_->setGeometry(alan);
    const QSize sayfa = SayfaBoyutu();
    tahta_->resize(sayfa.width(), std::max(0, sayfa.height() - alan.top()));
    sayfa_->setGeometry(0, -alan.top(), sayfa.width(), sayfa.height());
}

void EtkinlikPenceresi::sayfayaTasi()
{
    if (layout()) {
        cerceve_->hide();
        return;
    }
    const QObjectList cocuklar = children();
    for (QObject* cocuk : cocuklar) {
        auto* w = qobject_cast<QWidget*>(cocuk);
        if (!w || w->isWindow() || w == cerceve_ || w == menuCubugu_ || w == komutCubugu_
            || w->inherits("QFocusFrame") || w->inherits("QSizeGrip") || w->property(UST_KATMAN).toBool())
            continue;
        // A new parent hides a control; one that was not hidden on purpose is shown again.
        const bool gizli = w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden);
        w->setParent(sayfa_);
        if (!gizli)
            w->show();
    }
}

void EtkinlikPenceresi::cubuklariYerlestir()
{
    int ust = 0;
    if (menuCubugu_) {
        menuCubugu_->setGeometry(0, 0, width(), menuCubugu_->sizeHint().height());
        ust = menuCubugu_->height();
    }
    if (komutCubugu_) {
        komutCubugu_->setGeometry(0, ust, width(), CUBUK_YUKSEKLIGI);
        komutCubugu_->GenisligeUyar(width());
    }
    sayfayiBoyutla();
}

void EtkinlikPenceresi::Yerlesim(const QRect&)
{
}

void EtkinlikPenceresi::Yerlestir()
{
    cubuklariYerlestir();
    sayfayaTasi();
    if (layout()) {
        Yerlesim(IstemciAlani());
        return;
    }
    const int ust = IstemciAlani().top();
    Yerlesim(QRect(0, ust, sayfa_->width(), std::max(0, sayfa_->height() - ust)));
}

void EtkinlikPenceresi::resizeEvent(QResizeEvent* olay)
{
    QDialog::resizeEvent(olay);
    Yerlestir();
}

bool EtkinlikPenceresi::event(QEvent* olay)
{
    if (NumaraliMi(olay, MSG_ACILIS)) {
        AcilisMesaji();
        return true;
    }
    if (olay->type() == QEvent::Polish) {
        sayfayaTasi();
    } else if (olay->type() == QEvent::ChildAdded && static_cast<QChildEvent*>(olay)->child()->isWidgetType()
               && !tasimaBekliyor_) {
        // A control made on the window while the activity runs goes onto the
        // page once the event that made it is done; it keeps its place.
        tasimaBekliyor_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                tasimaBekliyor_ = false;
                sayfayaTasi();
            },
            Qt::QueuedConnection);
    }
    return QDialog::event(olay);
}

void EtkinlikPenceresi::showEvent(QShowEvent* olay)
{
    ekranaUy(false);
    // A window taken to another screen fits that one.
    if (windowHandle() && !ekranIzleniyor_) {
        ekranIzleniyor_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { ekranaUy(false); });
    }
    QDialog::showEvent(olay);
}

void EtkinlikPenceresi::keyPressEvent(QKeyEvent* olay)
{
    // Shift+F10 is the context-menu key of a keyboard without one: the
    // focused control gets what the context-menu key gives it, a keyboard
    // context-menu event, which goes on to its parents when it has no menu.
    QWidget* odak = QApplication::focusWidget();
    if (olay->key() == Qt::Key_F10 && (olay->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier && odak
        && odak->window() == this) {
        const QPoint orta = odak->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, orta, odak->mapToGlobal(orta), olay->modifiers());
        QApplication::sendEvent(odak, &menu);
        olay->accept();
        return;
    }
    switch (olay->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        olay->accept();
        return;
    default:
        QDialog::keyPressEvent(olay);
    }
}

QList<QWidget*> EtkinlikPenceresi::TabSirasi() const
{
    QList<QWidget*> icerik, cubuk;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w->window() != this || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled()
            || !w->isVisibleTo(this))
            continue;
        (komutCubugu_ && komutCubugu_->isAncestorOf(w) ? cubuk : icerik) << w;
    }
    std::stable_sort(cubuk.begin(), cubuk.end(), [this](const QWidget* a, const QWidget* b) {
        return a->mapTo(komutCubugu_, QPoint()).x() < b->mapTo(komutCubugu_, QPoint()).x();
    });
    return icerik + cubuk;
}

bool EtkinlikPenceresi::focusNextPrevChild(bool sonraki)
{
    const QList<QWidget*> sira = TabSirasi();
    if (sira.isEmpty())
        return QDialog::focusNextPrevChild(sonraki);
    // The focus may be inside one of them (a spin box's line edit).
    QWidget* const odak = QApplication::focusWidget();
    qsizetype i = -1;
    for (QWidget* w = odak; w && w != this && i < 0; w = w->parentWidget())
        i = sira.indexOf(w);
    const qsizetype n = sira.size();
    QWidget* hedef = nullptr;
    if (i >= 0) {
        hedef = sira[(i + (sonraki ? 1 : n - 1)) % n];
    } else if (odak && odak->window() == this) {
        // On something Tab does not stop at (a tile disabled as it was
        // placed): the next stop from its place in the focus chain.
        for (QWidget* w = sonraki ? odak->nextInFocusChain() : odak->previousInFocusChain(); w && w != odak;
             w = sonraki ? w->nextInFocusChain() : w->previousInFocusChain())
            if (sira.contains(w)) {
                hedef = w;
                break;
            }
    }
    if (!hedef)
        hedef = sonraki ? sira.first() : sira.last();
    hedef->setFocus(sonraki ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    for (QWidget* w = hedef->parentWidget(); w && w != this; w = w->parentWidget())
        if (auto* alan = qobject_cast<QScrollArea*>(w); alan && alan->widget() && alan->widget()->isAncestorOf(hedef))
            alan->ensureWidgetVisible(hedef, 8, 8);
    return true;
}

void EtkinlikPenceresi::contextMenuEvent(QContextMenuEvent* olay)
{
    olay->accept();
}

void EtkinlikPenceresi::AcilisMesaji()
{
    YardimActionExecute();
}
