#include "uygulama.h"
#include "donusum.h"
#include "uretimortami.h"

#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <dlfcn.h>
#include <system_error>

YaziYapilandirmasiOkuyucu::YaziYapilandirmasiOkuyucu()
{
    // fontconfig comes with Qt's own libraries; without it there is nothing to read.
    using Baslatici = int (*)();
    if (auto baslat = reinterpret_cast<Baslatici>(dlsym(RTLD_DEFAULT, "FcInit"))) {
        try {
            okuyucu_ = std::thread(baslat);
        } catch (const std::system_error&) {
            // No thread to be had: Qt reads the configuration itself when it first needs it.
        }
    }
}

void YaziYapilandirmasiOkuyucu::YaziYapilandirmasiniBekle()
{
    if (okuyucu_.joinable())
        okuyucu_.join();
}

OrvantaUygulamasi::OrvantaUygulamasi(int& argc, char** argv) : QApplication(argc, argv)
{
    YaziYapilandirmasiniBekle();
    UygulamaAyarla(*this);
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
    QFont yazi(QStringLiteral("Arial"));
    yazi.setPointSize(uygulama.font().pointSize() > 0 ? uygulama.font().pointSize() : 9);
    uygulama.setFont(yazi);
}
