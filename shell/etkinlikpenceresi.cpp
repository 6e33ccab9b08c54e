#include "etkinlikpenceresi.h"
#include "aracubugu.h"
#include "gorunum.h"
#include "hakkinda.h"
#include "mesaj.h"
#include "ortam.h"
#include "uygulama.h"
#include "yardim.h"

#include <QAction>
#include <QGuiApplication>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <memory>

namespace {
EtkinlikSatiri satirBul(int kod)
{
    if (const EtkinlikSatiri* satir = KodSatiri(kod))
        return *satir;
    return EtkinlikSatiri{-1,           QString(), 0,         kod,       QString(), QString(), QString(),
                          HakkindaTuru::Pencere, QString(), QString(), QSize(600, 600), nullptr};
}
}

EtkinlikPenceresi::EtkinlikPenceresi(QWidget* sahip, int kod) : QDialog(sahip), satir_(satirBul(kod))
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(satir_.PencereBasligi);
    setMinimumSize(satir_.EnKucuk);
    // Laid out for the whole screen from the start, also where no window manager maximises.
    const QScreen* ekran = QGuiApplication::primaryScreen();
    if (ekran && ekran->availableGeometry().width() >= 1024 && ekran->availableGeometry().height() >= 600)
        setGeometry(ekran->availableGeometry());
    else
        resize(1024, 768);
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
    auto* dugme = new QPushButton(baslik.isEmpty() ? eylem->text() : baslik, ebeveyn ? ebeveyn : this);
    dugme->setAutoDefault(false);
    dugme->setDefault(false);
    dugme->setEnabled(eylem->isEnabled());
    if (!eylem->isVisible())
        dugme->setVisible(false);
    // The button follows its action from now on. Text and visibility are
    // copied only when the action's own changes, so a window that hides a
    // button or gives it a caption of its own keeps it until the action
    // says otherwise.
    struct Son
    {
        QString metin;
        bool gorunur;
    };
    auto son = std::make_shared<Son>(Son{eylem->text(), eylem->isVisible()});
    auto esle = [dugme, eylem, son] {
        dugme->setEnabled(eylem->isEnabled());
        if (eylem->isVisible() != son->gorunur) {
            son->gorunur = eylem->isVisible();
            dugme->setVisible(son->gorunur);
        }
        if (eylem->text() != son->metin) {
            son->metin = eylem->text();
            dugme->setText(son->metin);
        }
        if (dugme->isCheckable())
            dugme->setChecked(eylem->isChecked());
    };
    // A window may make the button of a checkable action a plain one (its
    // caption telling the state instead).
    dugme->setCheckable(eylem->isCheckable());
    esle();
    connect(eylem, &QAction::changed, dugme, esle);
    // A checkable button has turned itself already; the action decides what
    // it shows (an action in an exclusive group may refuse to turn off).
    connect(dugme, &QPushButton::clicked, eylem, [eylem, esle] {
        eylem->trigger();
        esle();
    });
    return dugme;
}

AracCubugu* EtkinlikPenceresi::KomutCubugu(TRenk renk, QWidget* ebeveyn)
{
    return new AracCubugu(ebeveyn ? ebeveyn : this, renk);
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
    return cubuk;
}

bool EtkinlikPenceresi::event(QEvent* olay)
{
    if (NumaraliMi(olay, MSG_ACILIS)) {
        AcilisMesaji();
        return true;
    }
    return QDialog::event(olay);
}

void EtkinlikPenceresi::keyPressEvent(QKeyEvent* olay)
{
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

void EtkinlikPenceresi::contextMenuEvent(QContextMenuEvent* olay)
{
    olay->accept();
}

void EtkinlikPenceresi::AcilisMesaji()
{
    YardimActionExecute();
}
