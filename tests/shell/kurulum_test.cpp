#include "ses.h"
#include "testana.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

// The sound library of an installed program: the program in bin/, the library
// in share/orvanta6/. The test runs a copy of itself from such a layout in a
// temporary folder; the copy does the looking up.
class KurulumTesti : public QObject
{
    Q_OBJECT
private slots:
    void kuruluDuzendeSesKutuphanesiBulunur()
    {
        if (qEnvironmentVariableIsSet("ORVANTA_KURULU_DUZEN")) {
            SesKutuphanesiYukle(QStringLiteral("Sesler.rcc"));
            const QString beklenen = QFileInfo(QCoreApplication::applicationDirPath()
                                               + QStringLiteral("/../share/orvanta6/Sesler.rcc"))
                                         .canonicalFilePath();
            QVERIFY(!beklenen.isEmpty());
            QCOMPARE(QFileInfo(SesKutuphanesi().yol).canonicalFilePath(), beklenen);
            QVERIFY(QFile::exists(QStringLiteral(":/sesler-kutuphanesi/1257.wav")));
            SesKutuphanesiBirak();
            return;
        }
        const QString kaynak = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Sesler.rcc"));
        if (!QFile::exists(kaynak))
            QSKIP("the sound library is not built beside the tests");
        QTemporaryDir kok(QDir::current().filePath(QStringLiteral("kurulu-XXXXXX")));
        QVERIFY(kok.isValid());
        QVERIFY(QDir(kok.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(kok.path()).mkpath(QStringLiteral("share/orvanta6")));
        QVERIFY(QFile::copy(kaynak, kok.filePath(QStringLiteral("share/orvanta6/Sesler.rcc"))));
        // A hard link where the file system allows it: the copy must not sit beside the library.
        const QString program = kok.filePath(QStringLiteral("bin/") + QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        if (::link(QFile::encodeName(QCoreApplication::applicationFilePath()).constData(),
                   QFile::encodeName(program).constData())
            != 0)
            QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QTemporaryDir calismaKlasoru;
        QProcess cocuk;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("ORVANTA_KURULU_DUZEN"), QStringLiteral("1"));
        cocuk.setProcessEnvironment(ortam);
        cocuk.setWorkingDirectory(calismaKlasoru.path());
        cocuk.start(program, {QStringLiteral("KurulumTesti")});
        QVERIFY(cocuk.waitForFinished(120000));
        QVERIFY2(cocuk.exitCode() == 0, cocuk.readAllStandardOutput().constData());
    }
};

#include "kurulum_test.moc"
ORVANTA_TEST(KurulumTesti)
