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

#include <ctime>

using namespace std::chrono_literals;

namespace {
// Events per activity in an ordinary run; ORVANTA_MAYMUN_OLAY raises it for long runs.
constexpr int VARSAYILAN_OLAY = 1000;
// No event of a pupil may use more of the main thread's processor time ...
constexpr std::chrono::milliseconds ISLEMCI_SINIRI = 2000ms;
// ... nor wait longer. A busy machine stretches an event by the clock, so
// this limit stands well above the other: it is for waits that never end.
constexpr std::chrono::milliseconds BEKLEME_SINIRI = 30000ms;

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
        Bekci bekci(ISLEMCI_SINIRI, BEKLEME_SINIRI);
        MaymunSonucu sonuc;
        {
            Maymun maymun(tohum_, bekci);
            sonuc = maymun.Oyna(satir, olay_);
        }
        QStringList turler;
        for (auto it = sonuc.Turler.begin(); it != sonuc.Turler.end(); ++it)
            turler << QStringLiteral("%1 %2").arg(QString::fromUtf8(it.key())).arg(it.value());
        qInfo("%s: %d olay, %d açılış, %.1f s, saniyede %.0f olay; en uzun olay %lld ms: %s; en çok işlemci "
              "zamanı %lld ms: %s\n  %s",
              qPrintable(satir.Etiket), sonuc.Olay, sonuc.Acilis, sonuc.Saniye,
              (sonuc.Olay + sonuc.Acilis) / qMax(sonuc.Saniye, 1e-9), static_cast<long long>(bekci.EnUzun().count()),
              bekci.EnUzunOlay().constData(), static_cast<long long>(bekci.EnCokIslemci().count()),
              bekci.EnCokIslemciOlay().constData(), qPrintable(turler.join(QStringLiteral(", "))));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(sonuc.Olay + sonuc.Acilis, olay_);
        // A run of the usual length has its episodes played by keys alone.
        if (olay_ >= 500)
            QVERIFY(sonuc.Turler.value("klavye") >= 20);
    }
};

// The watchdog must stop a run whose event hangs, in a loop or in a wait, and
// no other. A run that it stops ends with a signal, so the run is a child
// process of this test. The child's watchdog allows 300 ms of processor time
// and 2 s by the clock.
class BekciTesti : public QObject
{
    Q_OBJECT
private slots:
    void yavasOlayDurdurulur_data()
    {
        QTest::addColumn<QByteArray>("ileti"); // the watchdog's report; empty: the run is not stopped
        QTest::newRow("donguye-giren-olay") << QByteArray("maymun: bir olay 300 ms işlemci zamanı içinde bitmedi");
        QTest::newRow("bitmeyen-bekleme") << QByteArray("maymun: bir olay 2000 ms içinde bitmedi");
        // On a busy machine an event lasts longer by the clock than the time
        // it computes: that is not a hang.
        QTest::newRow("yogun-makinede-olay") << QByteArray();
        // An event that waits in a dialog whose own events are quick is not
        // slow, though the dialog's events together outlast both limits.
        QTest::newRow("askidaki-olay") << QByteArray();
    }
    void yavasOlayDurdurulur()
    {
        QFETCH(QByteArray, ileti);
        const QByteArray tur = QTest::currentDataTag();
        if (qEnvironmentVariableIsSet("ORVANTA_BEKCI_DENEMESI")) {
            cocuk(tur);
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
                    {QStringLiteral("BekciTesti"), QStringLiteral("yavasOlayDurdurulur:") + QString::fromLatin1(tur)});
        QVERIFY(surec.waitForFinished(120000));
        const QByteArray cikti = surec.readAll();
        const bool durdu = surec.exitStatus() == QProcess::CrashExit || surec.exitCode() != 0;
        const bool durmali = !ileti.isEmpty();
        QVERIFY2(durdu == durmali, cikti.constData());
        if (durmali) {
            QVERIFY2(cikti.contains(ileti), cikti.constData());
            QVERIFY2(cikti.contains("tohum 42, deneme"), cikti.constData());
            QVERIFY2(cikti.contains("#7 tıklama QPushButton 'yavaş'"), cikti.constData());
        } else {
            QVERIFY2(!cikti.contains("maymun: bir olay"), cikti.constData());
        }
    }

private:
    // Keeps the calling thread computing for `sure` of its own processor time.
    static void islemciHarca(std::chrono::milliseconds sure)
    {
        const auto simdi = [] {
            timespec an{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &an);
            return std::chrono::seconds(an.tv_sec) + std::chrono::nanoseconds(an.tv_nsec);
        };
        const auto son = simdi() + sure;
        volatile quint64 toplam = 0;
        while (simdi() < son)
            for (int i = 0; i < 10000; ++i)
                toplam = toplam + quint64(i);
    }

    // The child's run: a button clicked under the watchdog, whose handler
    // computes for a minute, sleeps for ten seconds, or sleeps for 700 ms; or
    // an event suspended while three events of a dialog run, each computing
    // for 150 ms and sleeping for 600 ms, that then sleeps for 300 ms.
    static void cocuk(const QByteArray& tur)
    {
        Bekci bekci(300ms, 2000ms);
        bekci.BaglamAyarla("tohum 42, deneme");
        if (tur == "askidaki-olay") {
            bekci.Izle("#8 iç pencere", [&] {
                bekci.Ara([&] {
                    for (int i = 0; i < 3; ++i)
                        bekci.Izle("#9 iç pencerede tıklama", [] {
                            islemciHarca(150ms);
                            QThread::msleep(600);
                        });
                });
                // The event goes on once the dialog is closed.
                QThread::msleep(300);
            });
            return;
        }
        std::function<void()> isleyici;
        if (tur == "donguye-giren-olay")
            isleyici = [] { islemciHarca(60s); };
        else if (tur == "bitmeyen-bekleme")
            isleyici = [] { QThread::sleep(10); };
        else
            isleyici = [] { QThread::msleep(700); };
        QPushButton dugme(QStringLiteral("yavaş"));
        QObject::connect(&dugme, &QPushButton::clicked, isleyici);
        dugme.show();
        bekci.Izle("#7 tıklama QPushButton 'yavaş'", [&] { QTest::mouseClick(&dugme, Qt::LeftButton); });
    }
};

#include "maymun_test.moc"
ORVANTA_TEST(MaymunTesti)
ORVANTA_TEST(BekciTesti)
