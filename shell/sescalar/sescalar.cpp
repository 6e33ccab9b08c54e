// The part of the sound service that plays: a module of its own, so that the
// program links neither Qt Multimedia nor the audio libraries beneath it.
// The sound service loads it on the first sound that can be heard.
#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {
// Sound effects made on first use, by their sound number; owned by the application object.
QHash<int, QPointer<QSoundEffect>>& efektler()
{
    static QHash<int, QPointer<QSoundEffect>> h;
    return h;
}

bool sesCikisiVar()
{
    static const bool var = !QMediaDevices::audioOutputs().isEmpty();
    return var;
}
}

// Plays the WAVE resource `adres` (a "qrc:" address) as sound `numara`,
// cutting off the one playing; with `bekle` it returns when the sound has
// ended (at most three seconds). 0 when nothing could be played: no audio
// device or a sound that does not load; the caller beeps then.
extern "C" Q_DECL_EXPORT int OrvantaSesCal(const QString* adres, int numara, int bekle)
{
    if (!adres || !QCoreApplication::instance() || !sesCikisiVar())
        return 0;
    for (auto it = efektler().begin(); it != efektler().end(); ++it)
        if (it.key() != numara && it.value() && it.value()->isPlaying())
            it.value()->stop();
    QPointer<QSoundEffect>& efekt = efektler()[numara];
    if (!efekt) {
        efekt = new QSoundEffect(QCoreApplication::instance());
        efekt->setSource(QUrl(*adres));
    }
    if (efekt->status() == QSoundEffect::Error)
        return 0;
    efekt->stop();
    efekt->play();
    if (bekle) {
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
    return 1;
}

// Drops every sound effect: the sound library they read from is going away.
extern "C" Q_DECL_EXPORT void OrvantaSesleriBirak()
{
    for (auto& e : efektler())
        delete e.data();
    efektler().clear();
}
