#include "Orvantaformu.h"
#include "erisimgezgini.h"
#include "etkinlikpenceresi.h"
#include "etkinlikler.h"
#include "testana.h"
#include "testortami.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {
// The activity window opened from the menu as a pupil opens it: the menu
// hidden, the opening message sent (the help window answered), the window
// shown and active. `is` runs on it while it is open.
void MenudenAc(const EtkinlikSatiri& satir, const std::function<void(EtkinlikPenceresi&)>& is)
{
    TestOrtami ortam;
    TMatematikForm menu;
    menu.AciklamaTimer->stop();
    menu.show();
    bool acildi = false;
    ortam.VarsayilanModal = [&](QDialog& d) -> int {
        auto* etkinlik = qobject_cast<EtkinlikPenceresi*>(&d);
        if (!etkinlik || acildi)
            return 0;
        acildi = true;
        menu.AciklamaTimerTimer();
        EtkinPencereGoster(d, TUR_BOYUTU);
        QCoreApplication::processEvents();
        is(*etkinlik);
        return 0;
    };
    menu.EtiketTiklandi(satir.Tag);
    QVERIFY(acildi);
    menu.close();
}
}

// Every window as a screen reader reads it.
class EtkinlikErisimTesti : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void ingilizceSozcuk_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("sozcuk");
        QTest::newRow("kaydırma çubuğu") << QStringLiteral("Line up") << QStringLiteral("Line up");
        QTest::newRow("cümle içinde") << QStringLiteral("Dikey Scroll here") << QStringLiteral("Scroll here");
        QTest::newRow("türkçe") << QStringLiteral("Yukarı kaydır") << QString();
        QTest::newRow("sözcüğün parçası") << QStringLiteral("Positionlar") << QString();
        QTest::newRow("küçük harf") << QStringLiteral("top, close") << QString();
    }
    void ingilizceSozcuk()
    {
        QFETCH(QString, ad);
        QFETCH(QString, sozcuk);
        QCOMPARE(IngilizceSozcuk(ad), sozcuk);
    }

    // The menu: every row named, none without a name, the highlighted one focused.
    void menuOkunur()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        QVERIFY(EtkinPencereGoster(menu, TUR_BOYUTU));
        QTest::keyClick(&menu, Qt::Key_Down);
        const ErisimRaporu rapor = ErisimAgaciniGez(&menu);
        qInfo("menü: %d öge, %d adsız, %d odaklanabilir", rapor.Oge, rapor.Adsiz(), rapor.Odaklanabilir);
        QVERIFY2(rapor.Suclular.isEmpty(), qPrintable(rapor.Suclular.join('\n')));
        QCOMPARE(rapor.Odaklanabilir, 15);
        const QStringList odak = OdakDurumuEksikler(&menu);
        QVERIFY2(odak.isEmpty(), qPrintable(odak.join('\n')));
        menu.close();
    }

    void herEtkinlikOkunur_data()
    {
        QTest::addColumn<int>("kod");
        for (const EtkinlikSatiri& s : EtkinlikTablosu())
            QTest::newRow(qPrintable(s.YardimKaynagi)) << s.Kod;
    }
    // No element without a name, no English name, and every element the
    // keyboard reaches says so when it has the focus.
    void herEtkinlikOkunur()
    {
        QFETCH(int, kod);
        const EtkinlikSatiri& satir = *KodSatiri(kod);
        ErisimRaporu rapor;
        QStringList odak;
        MenudenAc(satir, [&](EtkinlikPenceresi& pencere) {
            rapor = ErisimAgaciniGez(&pencere);
            odak = OdakDurumuEksikler(&pencere);
        });
        qInfo("%s: %d öge, %d adsız (%d yaprak, %d denetim), %d odaklanabilir", qPrintable(satir.YardimKaynagi),
              rapor.Oge, rapor.Adsiz(), rapor.AdsizYaprak, rapor.AdsizEtkilesimli, rapor.Odaklanabilir);
        QVERIFY(rapor.Oge > 0);
        QVERIFY2(odak.isEmpty(), qPrintable(odak.join('\n')));
        QVERIFY2(rapor.Suclular.isEmpty(), qPrintable(rapor.Suclular.join('\n')));
    }
};

#include "erisim_test.moc"
ORVANTA_TEST(EtkinlikErisimTesti)
