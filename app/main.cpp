#include "Orvantaformu.h"
#include "ortam.h"
#include "uygulama.h"

#include <QScreen>

int main(int argc, char** argv)
{
    OrvantaUygulamasi uygulama(argc, argv);
    int sonuc = 1;
    HataSinirinda([&] {
        TMatematikForm menu;
        // Without a window manager "maximised" means nothing; the geometry covers that case.
        if (QScreen* ekran = QGuiApplication::primaryScreen())
            menu.setGeometry(ekran->availableGeometry());
        menu.showMaximized();
        sonuc = uygulama.exec();
    });
    return sonuc;
}
