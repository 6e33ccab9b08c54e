#include "baslangic.h"
#include "olcum.h"
#include "Orvantaformu.h"
#include "uygulama.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {
long yerlesikBellekKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> alanlar = f.readAll().split(' ');
    return alanlar.size() > 1 ? alanlar[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

void bildirVeCik()
{
    std::printf("boyandi %ld\n", yerlesikBellekKb());
    std::fflush(stdout);
    _exit(0);
}

// Paints like a window with nothing on it, and reports its first paint.
class BosPencere : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, [] { bildirVeCik(); }); }
};

struct Sonuc
{
    double ms = 0;
    double kb = 0;
};

Sonuc olc(const char* kip)
{
    std::vector<double> sureler, bellekler;
    for (int i = 0; i < 7; ++i) {
        QProcess cocuk;
        QElapsedTimer saat;
        saat.start();
        cocuk.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kip)});
        if (!cocuk.waitForFinished(30000)) {
            cocuk.kill();
            cocuk.waitForFinished();
            continue;
        }
        const double ms = double(saat.nsecsElapsed()) / 1e6;
        const QByteArray cikti = cocuk.readAllStandardOutput();
        const int yer = cikti.indexOf("boyandi ");
        if (yer < 0)
            continue;
        sureler.push_back(ms);
        bellekler.push_back(cikti.mid(yer + 8).trimmed().toDouble());
    }
    Sonuc s;
    if (sureler.empty())
        return s;
    std::sort(sureler.begin(), sureler.end());
    std::sort(bellekler.begin(), bellekler.end());
    s.ms = sureler[sureler.size() / 2];
    s.kb = bellekler[bellekler.size() / 2];
    return s;
}

void baslangic()
{
    const Sonuc taban = olc("--cocuk-bos");
    const Sonuc menu = olc("--cocuk-menu");
    OlcumYaz("bos_pencere_acilis", taban.ms, "ms", taban.ms);
    OlcumYaz("menu_ilk_boyamaya_kadar", menu.ms, "ms", taban.ms);
    OlcumYaz("bos_pencere_bellek", taban.kb / 1024.0, "MB", taban.kb / 1024.0);
    OlcumYaz("menu_bellek", menu.kb / 1024.0, "MB", taban.kb / 1024.0);
}
ORVANTA_OLCUM(baslangic, 0)
}

int BaslangicCocugu(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool menuMu = std::strcmp(argv[1], "--cocuk-menu") == 0;
    OrvantaUygulamasi uygulama(argc, argv);
    QWidget* pencere = nullptr;
    if (menuMu) {
        auto* menu = new TMatematikForm;
        QObject::connect(menu, &TMatematikForm::IlkBoyandi, [] { QTimer::singleShot(0, [] { bildirVeCik(); }); });
        pencere = menu;
    } else {
        pencere = new BosPencere;
    }
    if (QScreen* ekran = QGuiApplication::primaryScreen())
        pencere->setGeometry(ekran->availableGeometry());
    pencere->showMaximized();
    return uygulama.exec();
}
