#include "bekci.h"
#include "maymun.h"
#include "testana.h"

#include <QElapsedTimer>
#include <QHashSeed>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

using namespace std::chrono_literals;

namespace {
// Events per activity in an ordinary run; ORVANTA_MAYMUN_OLAY raises it for long runs.
constexpr int VARSAYILAN_OLAY = 1000;
// No event of a pupil may take longer.
constexpr std::chrono::milliseconds OLAY_SINIRI = 2000ms;

// A long run plays for hours: QTest's five minutes per test function would
// end it, and hangs are the watchdog's to find. Set before QTest reads it.
[[maybe_unused]] const bool qtestSiniriKalkti = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "2000000000");
    return true;
}();

QtMessageHandler qtestIsleyicisi = nullptr;

// The offscreen platform tells of every feature it lacks (raising a window,
// grabbing the keyboard, size hints); those lines are not the program's.
void platformNotlariniAtla(QtMsgType tur, const QMessageLogContext& baglam, const QString& metin)
{
    if (tur == QtWarningMsg && metin.startsWith(QLatin1String("This plugin does not support")))
        return;
    qtestIsleyicisi(tur, baglam, metin);
}
}

// Every activity of the table, played by the monkey. The seed is printed; set
// ORVANTA_MAYMUN_TOHUM to it to replay a run.
class MaymunTesti : public QObject
{
    Q_OBJECT
    quint64 tohum_ = 0;
    int olay_ = VARSAYILAN_OLAY;

private slots:
    void initTestCase()
    {
        // Hashes iterate in the same order in every run, so a seed replays.
        QHashSeed::setDeterministicGlobalSeed();
        qtestIsleyicisi = qInstallMessageHandler(platformNotlariniAtla);
        bool tamam = true;
        const QString tohum = qEnvironmentVariable("ORVANTA_MAYMUN_TOHUM");
        tohum_ = tohum.isEmpty() ? QRandomGenerator::system()->generate64() : tohum.toULongLong(&tamam);
        QVERIFY2(tamam, "ORVANTA_MAYMUN_TOHUM bir sayı değil");
        const QString olay = qEnvironmentVariable("ORVANTA_MAYMUN_OLAY");
        if (!olay.isEmpty())
            olay_ = olay.toInt(&tamam);
        QVERIFY2(tamam && olay_ > 0, "ORVANTA_MAYMUN_OLAY pozitif bir sayı değil");
        qInfo("maymun tohumu: %llu (ORVANTA_MAYMUN_TOHUM ile yeniden oynatılır), etkinlik başına %d olay",
              static_cast<unsigned long long>(tohum_), olay_);
    }
    void cleanupTestCase() { qInstallMessageHandler(qtestIsleyicisi); }

    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void herEtkinlik_data()
    {
        QTest::addColumn<int>("kod");
        for (const EtkinlikSatiri& s : EtkinlikTablosu())
            if (s.Yap)
                QTest::newRow(qPrintable(s.YardimKaynagi)) << s.Kod;
    }
    void herEtkinlik()
    {
        QFETCH(int, kod);
        const EtkinlikSatiri& satir = *KodSatiri(kod);
        Bekci bekci(OLAY_SINIRI);
        MaymunSonucu sonuc;
        {
            Maymun maymun(tohum_, bekci);
            sonuc = maymun.Oyna(satir, olay_);
        }
        QStringList turler;
        for (auto it = sonuc.Turler.begin(); it != sonuc.Turler.end(); ++it)
            turler << QStringLiteral("%1 %2").arg(QString::fromUtf8(it.key())).arg(it.value());
        qInfo("%s: %d olay, %d açılış, %.1f s, saniyede %.0f olay; en uzun olay %lld ms: %s\n  %s",
              qPrintable(satir.Etiket), sonuc.Olay, sonuc.Acilis, sonuc.Saniye,
              (sonuc.Olay + sonuc.Acilis) / qMax(sonuc.Saniye, 1e-9), static_cast<long long>(bekci.EnUzun().count()),
              bekci.EnUzunOlay().constData(), qPrintable(turler.join(QStringLiteral(", "))));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(sonuc.Olay + sonuc.Acilis, olay_);
    }
};

// The watchdog must stop a run whose event hangs. A run that it stops ends
// with a signal, so the run is a child process of this test.
class BekciTesti : public QObject
{
    Q_OBJECT
private slots:
    void yavasOlayDurdurulur_data()
    {
        QTest::addColumn<bool>("durmali");
        QTest::newRow("yavas-olay") << true;
        // An event that waits in a dialog whose own events are quick is not slow.
        QTest::newRow("askidaki-olay") << false;
    }
    void yavasOlayDurdurulur()
    {
        QFETCH(bool, durmali);
        if (qEnvironmentVariableIsSet("ORVANTA_BEKCI_DENEMESI")) {
            cocuk(durmali);
            return;
        }
        QProcess surec;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("ORVANTA_BEKCI_DENEMESI"), QStringLiteral("1"));
        // The stopped child need not print its stack through a debugger here.
        ortam.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
        surec.setProcessEnvironment(ortam);
        surec.setProcessChannelMode(QProcess::MergedChannels);
        surec.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("BekciTesti"),
                     QStringLiteral("yavasOlayDurdurulur:") + QString::fromLatin1(QTest::currentDataTag())});
        QVERIFY(surec.waitForFinished(120000));
        const QByteArray cikti = surec.readAll();
        const bool durdu = surec.exitStatus() == QProcess::CrashExit || surec.exitCode() != 0;
        QVERIFY2(durdu == durmali, cikti.constData());
        QCOMPARE(cikti.contains("maymun: bir olay 300 ms içinde bitmedi"), durmali);
        if (durmali) {
            QVERIFY2(cikti.contains("tohum 42, deneme"), cikti.constData());
            QVERIFY2(cikti.contains("#7 tıklama QPushButton 'yavaş'"), cikti.constData());
        }
    }

private:
    // The child's run: a button whose handler takes ten seconds, clicked
    // under a watchdog of 300 ms; or an event suspended while three quick
    // events of 150 ms run, which together outlast the limit.
    static void cocuk(bool yavas)
    {
        Bekci bekci(300ms);
        bekci.BaglamAyarla("tohum 42, deneme");
        QPushButton dugme(QStringLiteral("yavaş"));
        QObject::connect(&dugme, &QPushButton::clicked, [] { QThread::sleep(10); });
        dugme.show();
        if (yavas) {
            bekci.Izle("#7 tıklama QPushButton 'yavaş'", [&] { QTest::mouseClick(&dugme, Qt::LeftButton); });
            return;
        }
        bekci.Izle("#8 iç pencere", [&] {
            bekci.Ara([&] {
                for (int i = 0; i < 3; ++i)
                    bekci.Izle("#9 hızlı", [] { QThread::msleep(150); });
            });
        });
    }
};

#include "maymun_test.moc"
ORVANTA_TEST(MaymunTesti)
ORVANTA_TEST(BekciTesti)
