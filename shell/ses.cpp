#include "ses.h"
#include "ortam.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QResource>
#include <QSoundEffect>
#include <QTimer>

namespace {
const QString KOK = QStringLiteral("/sesler-kutuphanesi");

SesModulu& modul()
{
    static SesModulu m;
    return m;
}

// Sound effects made on first use; owned by the application object.
QHash<quint16, QPointer<QSoundEffect>>& efektler()
{
    static QHash<quint16, QPointer<QSoundEffect>> h;
    return h;
}

void efektleriSil()
{
    for (auto& e : efektler())
        delete e.data();
    efektler().clear();
}

QString sesYolu(quint16 numara)
{
    return KOK + QLatin1Char('/') + QString::number(numara) + QStringLiteral(".wav");
}

bool sesCikisiVar()
{
    static const bool var = !QMediaDevices::audioOutputs().isEmpty();
    return var;
}
}

void SesKutuphanesiYukle(const QString& ad)
{
    if (ad.isEmpty())
        return;
    SesKutuphanesiBirak();
    QString yol = ad;
    if (QFileInfo(ad).isRelative() && QCoreApplication::instance())
        yol = QDir(QCoreApplication::applicationDirPath()).filePath(ad);
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
    if (m.yol.isEmpty() || m.yol != modul().yol || !QFile::exists(QLatin1Char(':') + yol) || !sesCikisiVar()
        || !QCoreApplication::instance()) {
        Ortam::Gecerli().Bip();
        return;
    }
    for (auto it = efektler().begin(); it != efektler().end(); ++it)
        if (it.key() != numara && it.value() && it.value()->isPlaying())
            it.value()->stop();
    QPointer<QSoundEffect>& efekt = efektler()[numara];
    if (!efekt) {
        efekt = new QSoundEffect(QCoreApplication::instance());
        efekt->setSource(QUrl(QStringLiteral("qrc:") + yol));
    }
    if (efekt->status() == QSoundEffect::Error) {
        Ortam::Gecerli().Bip();
        return;
    }
    efekt->stop();
    efekt->play();
    if (secenek.bekle) {
        QEventLoop dongu;
        QTimer sinir;
        sinir.setSingleShot(true);
        QObject::connect(&sinir, &QTimer::timeout, &dongu, &QEventLoop::quit);
        QObject::connect(efekt.data(), &QSoundEffect::playingChanged, &dongu, [&dongu, &efekt] {
            if (!efekt || !efekt->isPlaying())
                dongu.quit();
        });
        sinir.start(3000);
        dongu.exec();
    }
}
