#include "testana.h"
#include "uygulama.h"

#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWidget>

void EkranKaydet(QWidget* pencere, const QString& ad, bool boyutla)
{
    QString klasor = qEnvironmentVariable("ORVANTA_EKRANLAR");
    if (klasor.isEmpty())
        klasor = QDir::current().filePath(QStringLiteral("ekranlar"));
    QDir().mkpath(klasor);
    if (boyutla && pencere->isWindow()) {
        pencere->setWindowState(Qt::WindowNoState);
        pencere->resize(TUR_BOYUTU);
    }
    QCoreApplication::processEvents();
    const QPixmap resim = pencere->grab();
    if (!resim.save(QDir(klasor).filePath(ad + QStringLiteral(".png"))))
        qWarning("ekran kaydedilemedi: %s", qPrintable(ad));
}

void PencereGoster(QWidget& pencere, QSize boyut)
{
    pencere.setWindowState(Qt::WindowNoState);
    pencere.resize(boyut);
    pencere.show();
}

bool EtkinPencereGoster(QWidget& pencere, QSize boyut)
{
    PencereGoster(pencere, boyut);
    QApplication::setActiveWindow(&pencere);
    return QTest::qWaitFor([&] { return pencere.size() == boyut; });
}

QStringList AcikPencereler()
{
    QStringList sonuc;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            sonuc << QString::fromLatin1(w->metaObject()->className());
    return sonuc;
}

// The window tests run under the program's own application object, with its event boundary.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    OrvantaUygulamasi uygulama(argc, argv);
    return KayitliTestleriCalistir(uygulama);
}
