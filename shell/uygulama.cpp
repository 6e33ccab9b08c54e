#include "uygulama.h"
#include "donusum.h"
#include "uretimortami.h"

#include <QIcon>

OrvantaUygulamasi::OrvantaUygulamasi(int& argc, char** argv) : QApplication(argc, argv)
{
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

void UygulamaAyarla(QApplication& uygulama)
{
    // Only the name is set: a display name would be appended to every window title.
    Ortam::VarsayilanKur(&UretimOrtami::Program());
    uygulama.setApplicationName(QStringLiteral("Orvanta (6)"));
    uygulama.setWindowIcon(QIcon(QStringLiteral(":/pictures/orvanta.svg")));
}
