#include "ses.h"
#include "ortam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QResource>
#include <unistd.h>

namespace {
const QString KOK = QStringLiteral("/sesler-kutuphanesi");

SesModulu& modul()
{
    static SesModulu m;
    return m;
}

QString sesYolu(quint16 numara)
{
    return KOK + QLatin1Char('/') + QString::number(numara) + QStringLiteral(".wav");
}

using SesCalIslevi = int (*)(const QString*, int, int);
using SesBirakIslevi = void (*)();

// Qt's audio on this system speaks to a PulseAudio server (PipeWire offers the
// same socket). Where none runs there is no device to play on, and loading the
// player would only cost memory: the beep stands in.
bool sesSunucusuOlabilir()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    QStringList yerler;
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        yerler << qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse/native");
    yerler << QStringLiteral("/run/user/%1/pulse/native").arg(getuid())
           << QStringLiteral("/var/run/pulse/native") << QStringLiteral("/run/pulse/native");
    for (const QString& yer : yerler)
        if (QFileInfo::exists(yer))
            return true;
    return false;
}

// The player module, loaded on the first sound that can be heard and kept
// for the rest of the run; nullptr where there is none. Looked for beside the
// program, then where the install puts it.
QLibrary* oynaticiKutuphanesi = nullptr;
bool oynaticiArandi = false;

QLibrary* oynatici()
{
    if (oynaticiArandi)
        return oynaticiKutuphanesi;
    oynaticiArandi = true;
    if (!QCoreApplication::instance() || !sesSunucusuOlabilir())
        return nullptr;
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& yer : {program.filePath(QStringLiteral(ORVANTA_SES_MODULU)),
                               program.filePath(QStringLiteral(ORVANTA_SES_MODULU_KURULU))}) {
        auto* k = new QLibrary(yer, QCoreApplication::instance());
        if (k->load()) {
            oynaticiKutuphanesi = k;
            break;
        }
        delete k;
    }
    return oynaticiKutuphanesi;
}

void efektleriSil()
{
    if (!oynaticiKutuphanesi)
        return;
    if (auto birak = reinterpret_cast<SesBirakIslevi>(oynaticiKutuphanesi->resolve("OrvantaSesleriBirak")))
        birak();
}
}

void SesKutuphanesiYukle(const QString& ad)
{
    if (ad.isEmpty())
        return;
    SesKutuphanesiBirak();
    QString yol = ad;
    if (QFileInfo(ad).isRelative() && QCoreApplication::instance()) {
        // Beside the program (the build folder), else in the installed data folder.
        const QDir program(QCoreApplication::applicationDirPath());
        yol = program.filePath(ad);
        if (!QFileInfo(yol).isFile())
            yol = program.filePath(QStringLiteral(ORVANTA_VERI_KLASORU "/") + ad);
    }
    if (!QFileInfo(yol).isFile())
        return;
    if (QResource::registerResource(yol, KOK))
        modul().yol = yol;
}

void SesKutuphanesiBirak()
{
    if (modul().yol.isEmpty())
        return;
    efektleriSil();
    QResource::unregisterResource(modul().yol, KOK);
    modul().yol.clear();
}

const SesModulu& SesKutuphanesi()
{
    return modul();
}

void SesCal(quint16 numara)
{
    Ortam::Gecerli().SesOynat(numara, false);
}

void SesCalSecenekli(quint16 numara, SesSecenek secenek, const SesModulu& m)
{
    const QString yol = sesYolu(numara);
    if (m.yol.isEmpty() || m.yol != modul().yol || !QFile::exists(QLatin1Char(':') + yol)) {
        Ortam::Gecerli().Bip();
        return;
    }
    QLibrary* k = oynatici();
    const auto cal = k ? reinterpret_cast<SesCalIslevi>(k->resolve("OrvantaSesCal")) : nullptr;
    const QString adres = QStringLiteral("qrc:") + yol;
    if (!cal || !cal(&adres, numara, secenek.bekle ? 1 : 0))
        Ortam::Gecerli().Bip();
}
