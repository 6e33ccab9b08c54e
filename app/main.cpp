#include "Orvantaformu.h"
#include "ortam.h"
#include "uygulama.h"

#include <QScreen>

int main(int argc, char** argv)
{
    OrvantaUygulamasi uygulama(argc, argv);
    int sonuc = 1;
    HataSinirinda([&] {
        // Only closing the menu ends the program: while an activity runs the menu
        // is hidden, and closing a help or about window then must not count as
        // closing the last window.
        uygulama.setQuitOnLastWindowClosed(false);
        TMatematikForm menu;
        QObject::connect(&menu, &TMatematikForm::Kapandi, &uygulama, &QCoreApplication::quit);
        // Without a window manager "maximised" means nothing; the geometry covers that case.
        if (QScreen* ekran = QGuiApplication::primaryScreen())
            menu.setGeometry(ekran->availableGeometry());
        menu.showMaximized();
        sonuc = uygulama.exec();
    });
    return sonuc;
}
