#include "testana.h"
#include "uygulama.h"

#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<QString, std::function<QObject*()>>>& kayitlar()
{
    static std::vector<std::pair<QString, std::function<QObject*()>>> k;
    return k;
}
}

int TestKaydet(const char* ad, std::function<QObject*()> yapici)
{
    kayitlar().emplace_back(QString::fromLatin1(ad), std::move(yapici));
    return int(kayitlar().size());
}

void EkranKaydet(QWidget* pencere, const QString& ad, bool boyutla)
{
    QString klasor = qEnvironmentVariable("ORVANTA_EKRANLAR");
    if (klasor.isEmpty())
        klasor = QDir::current().filePath(QStringLiteral("ekranlar"));
    QDir().mkpath(klasor);
    if (boyutla && pencere->isWindow()) {
        pencere->setWindowState(Qt::WindowNoState);
        pencere->resize(1366, 768);
    }
    QCoreApplication::processEvents();
    const QPixmap resim = pencere->grab();
    if (!resim.save(QDir(klasor).filePath(ad + QStringLiteral(".png"))))
        qWarning("ekran kaydedilemedi: %s", qPrintable(ad));
}

QStringList AcikPencereler()
{
    QStringList sonuc;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            sonuc << QString::fromLatin1(w->metaObject()->className());
    return sonuc;
}

// Runs every registered class, or only the class named by the first argument
// (the remaining arguments then go to QTest as usual).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    OrvantaUygulamasi uygulama(argc, argv);
    QStringList argumanlar = uygulama.arguments();
    QString secilen;
    if (argumanlar.size() > 1 && !argumanlar[1].startsWith(QLatin1Char('-'))) {
        for (const auto& k : kayitlar())
            if (k.first == argumanlar[1])
                secilen = k.first;
        if (!secilen.isEmpty())
            argumanlar.removeAt(1);
    }
    int hatalar = 0;
    for (const auto& k : kayitlar()) {
        if (!secilen.isEmpty() && k.first != secilen)
            continue;
        QObject* test = k.second();
        hatalar += QTest::qExec(test, argumanlar);
        delete test;
    }
    return hatalar == 0 ? 0 : 1;
}
