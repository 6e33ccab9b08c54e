#include "baslangic.h"
#include "cocukbildirimi.h"
#include "olcum.h"
#include "Orvantaformu.h"
#include "uygulama.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
double sayiAl(const QByteArray& cikti, const char* anahtar)
{
    const int yer = cikti.indexOf(anahtar);
    return yer < 0 ? -1 : cikti.mid(yer + int(std::strlen(anahtar))).split('\n').value(0).trimmed().toDouble();
}

// One start-up of a child: wall time until its first paint was reported, its
// memory then, and its memory once settled.
bool birBaslangic(const QString& program, const QStringList& argumanlar, const QProcessEnvironment& ortam,
                  double& ms, double& kb, double& yerlesikKb)
{
    QProcess cocuk;
    cocuk.setProcessEnvironment(ortam);
    QElapsedTimer saat;
    saat.start();
    cocuk.start(program, argumanlar);
    QByteArray cikti;
    ms = -1;
    while (cocuk.state() != QProcess::NotRunning || cocuk.bytesAvailable() > 0) {
        cocuk.waitForReadyRead(50);
        cikti += cocuk.readAllStandardOutput();
        if (ms < 0 && cikti.contains("boyandi "))
            ms = double(saat.nsecsElapsed()) / 1e6;
        if (saat.elapsed() > 30000) {
            cocuk.kill();
            cocuk.waitForFinished();
            return false;
        }
    }
    kb = sayiAl(cikti, "boyandi ");
    yerlesikKb = sayiAl(cikti, "yerlesti ");
    return ms >= 0 && kb > 0 && yerlesikKb > 0;
}

// Start-ups of the bare window and of the menu in `ortam`, taking turns; the
// figures' names end in `ek`.
void baslangicOlc(const QProcessEnvironment& ortam, const std::string& ek)
{
    // The two kinds of start-up take turns, so that a busy moment of the
    // machine falls on both alike. The floor is a bare window in a program of
    // its own beside this one.
    const QString taban = QCoreApplication::applicationDirPath() + QStringLiteral("/orvanta-olcum-taban");
    std::vector<double> tabanOlcu[3], menu[3];
    const int tekrar = qEnvironmentVariableIntValue("ORVANTA_BASLANGIC_TEKRAR") > 0
                           ? qEnvironmentVariableIntValue("ORVANTA_BASLANGIC_TEKRAR")
                           : 9;
    for (int i = 0; i < tekrar; ++i) {
        double olcu[3] = {};
        if (birBaslangic(taban, {}, ortam, olcu[0], olcu[1], olcu[2]))
            for (int k = 0; k < 3; ++k)
                tabanOlcu[k].push_back(olcu[k]);
        if (birBaslangic(QCoreApplication::applicationFilePath(), {QStringLiteral("--cocuk-menu")}, ortam, olcu[0],
                         olcu[1], olcu[2]))
            for (int k = 0; k < 3; ++k)
                menu[k].push_back(olcu[k]);
    }
    const double tabanMs = Ortanca(tabanOlcu[0]), tabanKb = Ortanca(tabanOlcu[1]),
                 tabanYerlesik = Ortanca(tabanOlcu[2]);
    OlcumYaz("bos_pencere_acilis" + ek, tabanMs, "ms", tabanMs);
    OlcumYaz("menu_ilk_boyamaya_kadar" + ek, Ortanca(menu[0]), "ms", tabanMs);
    OlcumYaz("bos_pencere_bellek" + ek, tabanKb / 1024.0, "MB", tabanKb / 1024.0);
    OlcumYaz("menu_bellek" + ek, Ortanca(menu[1]) / 1024.0, "MB", tabanKb / 1024.0);
    OlcumYaz("bos_pencere_yerlesik_bellek" + ek, tabanYerlesik / 1024.0, "MB", tabanYerlesik / 1024.0);
    OlcumYaz("menu_yerlesik_bellek" + ek, Ortanca(menu[2]) / 1024.0, "MB", tabanYerlesik / 1024.0);
}

void baslangic()
{
    // On the screen of the platform the measuring runs on.
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        std::printf("ekran: %dx%d oran %.2f\n", ekran->availableGeometry().width(),
                    ekran->availableGeometry().height(), ekran->devicePixelRatio());
    std::fflush(stdout);
    baslangicOlc(QProcessEnvironment::systemEnvironment(), std::string());

    // The same on a classroom board's screen, at a pixel ratio of one and of
    // two (a desktop scaled by two: 3840 x 2160 pixels), both on the
    // offscreen platform, which is told the screen's size and ratio.
    QTemporaryDir klasor;
    struct Ekran
    {
        const char* ek;
        int genislik, yukseklik, oran;
    };
    for (const Ekran& e : {Ekran{"_1920x1080", 1920, 1080, 1}, Ekran{"_1920x1080_oran2", 1920, 1080, 2}}) {
        const QString yol = klasor.filePath(QString::fromLatin1(e.ek) + QStringLiteral(".json"));
        QFile dosya(yol);
        if (!klasor.isValid() || !dosya.open(QIODevice::WriteOnly))
            return;
        dosya.write(QStringLiteral(R"({"screens":[{"name":"tahta","x":0,"y":0,"width":%1,"height":%2,"dpr":%3}]})")
                        .arg(e.genislik)
                        .arg(e.yukseklik)
                        .arg(e.oran)
                        .toUtf8());
        dosya.close();
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + yol);
        ortam.remove(QStringLiteral("QT_SCALE_FACTOR"));
        baslangicOlc(ortam, e.ek);
    }
}
ORVANTA_OLCUM(baslangic, 0)
}

int BaslangicCocugu(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    OrvantaUygulamasi uygulama(argc, argv);
    auto* menu = new TMatematikForm;
    QObject::connect(menu, &TMatematikForm::IlkBoyandi,
                     [] { QTimer::singleShot(0, [] { cocuk::BoyandiBildir(); }); });
    if (QScreen* ekran = QGuiApplication::primaryScreen())
        menu->setGeometry(ekran->availableGeometry());
    menu->showMaximized();
    return uygulama.exec();
}
