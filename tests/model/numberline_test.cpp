#include "eksengeometrisi.h"
#include "sayidogrusumodeli.h"
#include "testkaydi.h"

#include <QtTest>

class SayiDogrusuModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    // Moves in a row from 0: what the panel answers, the equation and where
    // the rabbit of the scene stands and looks.
    void hareketler_data()
    {
        QTest::addColumn<QStringList>("adimlar"); // "+7", "-10": operation and typed amount
        QTest::addColumn<QString>("denklem");
        QTest::addColumn<int>("konum");
        QTest::addColumn<bool>("saga");
        QTest::newRow("0_arti_7") << QStringList{"+7"} << "0 + 7 = 7" << 7 << true;
        QTest::newRow("7_eksi_10") << QStringList{"+7", "-10"} << "7 - 10 = -3" << -3 << false;
        QTest::newRow("eksi_3_arti_eksi_4") << QStringList{"+7", "-10", "+-4"} << "(-3) + (-4) = -7" << -7 << false;
        QTest::newRow("eksi_3_arti_eksi_2") << QStringList{"-3", "+-2"} << "(-3) + (-2) = -5" << -5 << false;
        QTest::newRow("2_eksi_5") << QStringList{"+2", "-5"} << "2 - 5 = -3" << -3 << false;
        QTest::newRow("eksi_eksi_saga") << QStringList{"-3", "--5"} << "(-3) - (-5) = 2" << 2 << true;
        QTest::newRow("0_arti_0") << QStringList{"+0"} << "0 + 0 = 0" << 0 << true;
        // A move of 0 after a move left: the rabbit stays and faces right.
        QTest::newRow("sola_sonra_sifir") << QStringList{"-4", "-0"} << "(-4) - 0 = -4" << -4 << true;
        QTest::newRow("95_arti_5") << QStringList{"+95", "+5"} << "95 + 5 = 100" << 100 << true;
        QTest::newRow("en_sol") << QStringList{"-100"} << "0 - 100 = -100" << -100 << false;
        QTest::newRow("arti_isaretli") << QStringList{"++8"} << "0 + 8 = 8" << 8 << true;
        QTest::newRow("bosluklu") << QStringList{"+ 8"} << "0 + 8 = 8" << 8 << true;
    }
    void hareketler()
    {
        QFETCH(QStringList, adimlar);
        QFETCH(QString, denklem);
        QFETCH(int, konum);
        QFETCH(bool, saga);
        HareketPaneliModeli panel;
        SahneTavsani sahne;
        for (const QString& adim : adimlar) {
            QCOMPARE(panel.Git(adim.mid(1), adim.at(0) == QLatin1Char('+')), HareketPaneliModeli::Sonuc::Git);
            sahne.Uygula(panel.Istek());
            QCOMPARE(sahne.Konum(), panel.Konum());
        }
        QCOMPARE(panel.Denklem(), denklem);
        QCOMPARE(panel.Konum(), konum);
        QCOMPARE(sahne.SagaBakar(), saga);
    }

    // From 95: what is refused leaves everything as it was.
    void yapilmayanlar_data()
    {
        QTest::addColumn<QString>("miktar");
        QTest::addColumn<bool>("toplama");
        QTest::addColumn<int>("sonuc");
        const int sinir = int(HareketPaneliModeli::Sonuc::Sinir);
        const int yok = int(HareketPaneliModeli::Sonuc::Yok);
        QTest::newRow("95_arti_6") << "6" << true << sinir;
        QTest::newRow("95_eksi_196") << "196" << false << sinir;
        QTest::newRow("95_arti_eksi_196") << "-196" << true << sinir;
        // Sums that leave 32 bits are refused, never wrapped onto the line.
        QTest::newRow("en_buyuk_int") << "2147483647" << true << sinir;
        QTest::newRow("en_kucuk_int_cikar") << "-2147483648" << false << sinir;
        QTest::newRow("bos") << "" << true << yok;
        QTest::newRow("yalniz_eksi") << "-" << true << yok;
        QTest::newRow("yalniz_arti") << "+" << false << yok;
        QTest::newRow("harf") << "5a" << true << yok;
        QTest::newRow("ondalik") << "1.5" << true << yok;
        QTest::newRow("tasan") << "99999999999" << true << yok;
    }
    void yapilmayanlar()
    {
        QFETCH(QString, miktar);
        QFETCH(bool, toplama);
        QFETCH(int, sonuc);
        HareketPaneliModeli panel;
        QCOMPARE(panel.Git(QStringLiteral("95"), true), HareketPaneliModeli::Sonuc::Git);
        QCOMPARE(int(panel.Git(miktar, toplama)), sonuc);
        QCOMPARE(panel.Konum(), 95);
        QCOMPARE(panel.Denklem(), QStringLiteral("0 + 95 = 95"));
        QCOMPARE(panel.Istek().Miktar, 95);
    }

    void sifirla()
    {
        HareketPaneliModeli panel;
        SahneTavsani sahne;
        panel.Git(QStringLiteral("40"), false);
        sahne.Uygula(panel.Istek());
        QVERIFY(!sahne.SagaBakar());
        const HareketIstegi istek = panel.Sifirla();
        QCOMPARE(istek.Toplama, 1);
        QCOMPARE(istek.Miktar, GERI_DON_MIKTARI);
        QCOMPARE(panel.Konum(), 0);
        sahne.Uygula(istek);
        QCOMPARE(sahne.Konum(), 0);
        QVERIFY(sahne.SagaBakar());
        // From 0 again, as after a fresh opening.
        panel.Git(QStringLiteral("3"), true);
        QCOMPARE(panel.Denklem(), QStringLiteral("0 + 3 = 3"));
    }

    // A request the panel did not check still leaves the rabbit on the line.
    void sahne_dogrudan_istek()
    {
        SahneTavsani sahne;
        sahne.Uygula(HareketIstegi{1, 2147483647});
        QCOMPARE(sahne.Konum(), 100);
        sahne.Uygula(HareketIstegi{0, -2147483647 - 1});
        QCOMPARE(sahne.Konum(), 100);
        QVERIFY(sahne.SagaBakar());
        sahne.Uygula(HareketIstegi{0, 999});
        QCOMPARE(sahne.Konum(), -100);
        QVERIFY(!sahne.SagaBakar());
    }

    void resim_centik_ustunde_data()
    {
        QTest::addColumn<int>("konum");
        QTest::addColumn<int>("sol");
        // Left of the line + (position + 100) * 50 - half the picture + 10.
        QTest::newRow("eksi_100") << -100 << 10 + 0 - 27 + 10;
        QTest::newRow("sifir") << 0 << 10 + 5000 - 27 + 10;
        QTest::newRow("100") << 100 << 10 + 10000 - 27 + 10;
    }
    void resim_centik_ustunde()
    {
        QFETCH(int, konum);
        QFETCH(int, sol);
        SahneTavsani sahne;
        sahne.Uygula(HareketIstegi{1, konum});
        QCOMPARE(sahne.ResimSolu(55), sol);
        const SayiDogrusuOlcusu dogru = SahneDogrusu();
        QCOMPARE(dogru.Genislik(), 201 * 50 + 5);
        QCOMPARE(DOGRU_SOLU + dogru.CentikX(konum), sol + 27);
    }

    void kaydirma_hedefi_data()
    {
        QTest::addColumn<int>("konum");
        QTest::addColumn<int>("enFazla");
        QTest::addColumn<int>("hedef");
        QTest::newRow("sifir") << 0 << 9000 << 4500;
        QTest::newRow("7") << 7 << 9000 << 4850;
        QTest::newRow("eksi_3") << -3 << 9000 << 4350;
        QTest::newRow("eksi_90") << -90 << 9000 << 0;
        QTest::newRow("en_sol_baslangicta_kalir") << -100 << 9000 << 0;
        QTest::newRow("en_sag_sona_dayanir") << 100 << 9000 << 9000;
        QTest::newRow("kaydirma_yok") << 50 << 0 << 0;
    }
    void kaydirma_hedefi()
    {
        QFETCH(int, konum);
        QFETCH(int, enFazla);
        QFETCH(int, hedef);
        QCOMPARE(KaydirmaHedefi(konum, enFazla), hedef);
    }

    void panel_solu_data()
    {
        QTest::addColumn<int>("konum");
        QTest::addColumn<int>("genislik");
        QTest::addColumn<int>("sol");
        QTest::newRow("genis_pencere") << 40 << 1366 << 540;
        QTest::newRow("genis_en_sol") << -100 << 1366 << 400;
        QTest::newRow("dar_pencere_saga_dayanir") << 100 << 800 << 400;
        QTest::newRow("panelden_dar") << 0 << 300 << 0;
    }
    void panel_solu()
    {
        QFETCH(int, konum);
        QFETCH(int, genislik);
        QFETCH(int, sol);
        QCOMPARE(PanelSolu(konum, genislik, 400), sol);
    }
};

#include "numberline_test.moc"
ORVANTA_TEST(SayiDogrusuModeliTesti)
