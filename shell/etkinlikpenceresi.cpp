#include "etkinlikpenceresi.h"
#include "hakkinda.h"
#include "mesaj.h"
#include "ortam.h"
#include "yardim.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>

EtkinlikPenceresi::EtkinlikPenceresi(QWidget* sahip, EtkinlikBilgisi bilgi)
    : QDialog(sahip), bilgi_(std::move(bilgi))
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(bilgi_.Baslik);
    setMinimumSize(bilgi_.EnKucuk);
    // Laid out for the whole screen from the start, also where no window manager maximises.
    const QScreen* ekran = QGuiApplication::primaryScreen();
    if (ekran && ekran->availableGeometry().width() >= 1024 && ekran->availableGeometry().height() >= 600)
        setGeometry(ekran->availableGeometry());
    else
        resize(1024, 768);
    setWindowState(Qt::WindowMaximized);

    YardimAction = new QAction(QStringLiteral("Yardım"), this);
    YardimAction->setShortcut(QKeySequence(Qt::Key_F1));
    YardimAction->setShortcutContext(Qt::WindowShortcut);
    addAction(YardimAction);
    connect(YardimAction, &QAction::triggered, this, [this] { YardimActionExecute(); });

    HakkindaAction = new QAction(QStringLiteral("Hakkında"), this);
    addAction(HakkindaAction);
    connect(HakkindaAction, &QAction::triggered, this, [this] { HakkindaActionExecute(); });

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
    YardimGoster(bilgi_.Baslik, bilgi_.YardimKaynagi);
}

void EtkinlikPenceresi::HakkindaActionExecute()
{
    if (bilgi_.HakkindaMesajKutusu)
        Ortam::Gecerli().MesajKutusu(bilgi_.HakkindaBaslik + QLatin1Char('\n') + HAKKINDA_HAZIRLAYAN
                                         + QLatin1Char('\n') + HAKKINDA_YER_YIL,
                                     bilgi_.HakkindaBaslik);
    else
        HakkindaGoster(bilgi_.HakkindaBaslik, bilgi_.HakkindaIkinciSatir);
}

QPushButton* EtkinlikPenceresi::EylemDugmesi(QAction* eylem, QWidget* ebeveyn, const QString& baslik)
{
    auto* dugme = new QPushButton(baslik.isEmpty() ? eylem->text() : baslik, ebeveyn ? ebeveyn : this);
    dugme->setAutoDefault(false);
    dugme->setDefault(false);
    connect(dugme, &QPushButton::clicked, eylem, &QAction::trigger);
    return dugme;
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

void EtkinlikPenceresi::AcilisMesaji()
{
    YardimActionExecute();
}
