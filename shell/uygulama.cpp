#include "uygulama.h"
#include "donusum.h"
#include "dokunma.h"
#include "odakcercevesi.h"
#include "qtparcalari.h"
#include "uretimortami.h"

#include <QAccessible>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QThreadPool>
#include <QTranslator>

OrvantaUygulamasi::OrvantaUygulamasi(int& argc, char** argv) : QApplication(argc, argv)
{
    // Qt's accessibility bridge looks for the session bus the first time a
    // widget asks for it (the menu's first label); where there is none, the
    // bus library forks to start one. Asked here, the fork copies a process
    // that is still quiet, before the pool threads below are at work.
    QAccessible::isActive();
    UygulamaAyarla(*this);
    OdakCercevesiKur();
    // A finger on a touch board: a long press is a right click.
    DokunmayiKur(*this);
    // The machine's font list (fontconfig's configuration and Qt's list of
    // faces) is gathered on a pool thread while the menu builds its pictures;
    // the first text waits only for what is left of it. Started after the
    // settings above, which change Qt's font tables.
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
}

OrvantaUygulamasi::~OrvantaUygulamasi()
{
    OdakCercevesiKaldir();
    QThreadPool::globalInstance()->waitForDone();
}

bool OrvantaUygulamasi::notify(QObject* alici, QEvent* olay)
{
    bool sonuc = false;
    HataSinirinda([&] { sonuc = QApplication::notify(alici, olay); });
    return sonuc;
}

bool HataSinirinda(const std::function<void()>& is)
{
    try {
        is();
        return true;
    } catch (const DonusumHatasi& hata) {
        Ortam::Gecerli().HataGoster(hata.Mesaj());
    } catch (const std::exception& hata) {
        Ortam::Gecerli().HataGoster(QString::fromLocal8Bit(hata.what()));
    }
    return false;
}

void PencereSimgesiKur()
{
    if (!QGuiApplication::windowIcon().isNull())
        return;
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/orvanta.svg")));
}

void UygulamaAyarla(QApplication& uygulama)
{
    // Only the name is set: a display name would be appended to every window title.
    Ortam::VarsayilanKur(&UretimOrtami::Program());
    uygulama.setApplicationName(QStringLiteral("Orvanta (6)"));
    // Desktops match the running window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANTA_UYGULAMA_KIMLIGI));
    // The windows name Arial, Tahoma and MS Sans Serif; fontconfig finds Arial's
    // metric twin Liberation Sans by itself but would give the other two some
    // other face. One face for all three keeps the look even and loads one font.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // The program speaks Turkish whatever the machine's language: Qt's own
    // dialogs (buttons, the colour dialog) too.
    auto* ceviri = new QTranslator(&uygulama);
    if (ceviri->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(ceviri);
    else
        delete ceviri;
    QtParcalariniAdlandir(uygulama);
    QFont yazi(QStringLiteral("Arial"));
    yazi.setPointSize(uygulama.font().pointSize() > 0 ? uygulama.font().pointSize() : 9);
    uygulama.setFont(yazi);
}
