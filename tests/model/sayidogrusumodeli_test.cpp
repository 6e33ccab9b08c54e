#include "sayidogrusumodeli.h"
#include "testkaydi.h"

#include <QtTest>

class SayiDogrusuModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    // Moves in a row from 0: the panel's equation and where the scene's
    // rabbit stands and looks.
    void hareketler_data()
    {
        QTest::addColumn<QStringList>("adimlar"); // "+7", "--5": operation, then the typed amount
        QTest::addColumn<QString>("denklem");
        QTest::addColumn<bool>("saga");
        QTest::newRow("0_arti_7") << QStringList{"+7"} << "0 + 7 = 7" << true;
        QTest::newRow("7_eksi_10") << QStringList{"+7", "-10"} << "7 - 10 = -3" << false;
        QTest::newRow("eksi_3_arti_eksi_4") << QStringList{"-3", "+-4"} << "(-3) + (-4) = -7" << false;
        QTest::newRow("eksi_eksi_saga") << QStringList{"-3", "--5"} << "(-3) - (-5) = 2" << true;
        QTest::newRow("0_arti_0") << QStringList{"+0"} << "0 + 0 = 0" << true;
        // A move of 0 after a move left: the rabbit stays and faces right.
        QTest::newRow("sola_sonra_sifir") << QStringList{"-4", "-0"} << "(-4) - 0 = -4" << true;
        QTest::newRow("95_arti_5") << QStringList{"+95", "+5"} << "95 + 5 = 100" << true;
    }
    void hareketler()
    {
        QFETCH(QStringList, adimlar);
        HareketPaneliModeli panel;
        SahneTavsani sahne;
        for (const QString& adim : adimlar) {
            QCOMPARE(panel.Git(adim.mid(1), adim.at(0) == QLatin1Char('+')), HareketPaneliModeli::Sonuc::Git);
            sahne.Uygula(panel.Istek());
            QCOMPARE(sahne.Konum(), panel.Konum());
        }
        QTEST(panel.Denklem(), "denklem");
        QTEST(sahne.SagaBakar(), "saga");
    }

    // From 95: a refused move leaves everything as it was.
    void yapilmayanlar_data()
    {
        QTest::addColumn<QString>("miktar");
        QTest::addColumn<bool>("toplama");
        QTest::addColumn<int>("sonuc");
        const int sinir = int(HareketPaneliModeli::Sonuc::Sinir);
        const int yok = int(HareketPaneliModeli::Sonuc::Yok);
        QTest::newRow("95_arti_6") << "6" << true << sinir;
        QTest::newRow("95_arti_eksi_196") << "-196" << true << sinir;
        // Sums that leave 32 bits are refused, never wrapped onto the line.
        QTest::newRow("en_buyuk_int") << "2147483647" << true << sinir;
        QTest::newRow("en_kucuk_int_cikar") << "-2147483648" << false << sinir;
        QTest::newRow("yalniz_eksi") << "-" << true << yok;
        QTest::newRow("harf") << "5a" << true << yok;
    }
    void yapilmayanlar()
    {
        QFETCH(QString, miktar);
        QFETCH(bool, toplama);
        HareketPaneliModeli panel;
        panel.Git(QStringLiteral("95"), true);
        QTEST(int(panel.Git(miktar, toplama)), "sonuc");
        QCOMPARE(panel.Konum(), 95);
        QCOMPARE(panel.Denklem(), QStringLiteral("0 + 95 = 95"));
    }

    void sifirla()
    {
        HareketPaneliModeli panel;
        SahneTavsani sahne;
        panel.Git(QStringLiteral("40"), false);
        sahne.Uygula(panel.Istek());
        const HareketIstegi istek = panel.Sifirla();
        QCOMPARE(istek.Miktar, GERI_DON_MIKTARI);
        sahne.Uygula(istek);
        QCOMPARE(sahne.Konum(), 0);
        QVERIFY(sahne.SagaBakar());
        panel.Git(QStringLiteral("3"), true);
        QCOMPARE(panel.Denklem(), QStringLiteral("0 + 3 = 3"));
        // A request the panel did not check still leaves the rabbit on the line.
        sahne.Uygula(HareketIstegi{0, -2147483647 - 1});
        QCOMPARE(sahne.Konum(), 100);
    }

    void kaydirma_hedefi_data()
    {
        QTest::addColumn<int>("konum");
        QTest::addColumn<int>("hedef");
        QTest::newRow("sifir") << 0 << 4500;
        QTest::newRow("eksi_3") << -3 << 4350;
        QTest::newRow("en_sol_baslangicta_kalir") << -100 << 0;
        QTest::newRow("en_sag_sona_dayanir") << 100 << 9000;
    }
    void kaydirma_hedefi()
    {
        QFETCH(int, konum);
        QTEST(KaydirmaHedefi(konum, 9000), "hedef");
    }
};

#include "sayidogrusumodeli_test.moc"
ORVANTA_TEST(SayiDogrusuModeliTesti)
