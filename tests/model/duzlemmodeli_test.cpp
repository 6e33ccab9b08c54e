#include "duzlemmodeli.h"
#include "eksengeometrisi.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QtTest>

class DuzlemModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void olcu_data()
    {
        QTest::addColumn<QSize>("yaprak");
        QTest::addColumn<QList<int>>("unvL"); // u, n, v, L
        QTest::addColumn<QPoint>("orijin");
        // The sheet of a 600 x 600 window, the smallest it may be.
        QTest::newRow("en_kucuk_pencere") << QSize(580, 490) << QList<int>{22, 21, 22, 10} << QPoint(295, 250);
        QTest::newRow("genis_alcak") << QSize(1346, 486) << QList<int>{53, 8, 59, 4} << QPoint(678, 248);
        // v differs from u when the height is no whole number of units.
        QTest::newRow("v_u_farkli") << QSize(260, 69) << QList<int>{10, 5, 11, 2} << QPoint(135, 39);
        // Sizes where the plane would divide by zero: one unit each way at least.
        QTest::newRow("bos") << QSize(0, 0) << QList<int>{1, 1, 1, 0} << QPoint(5, 5);
        QTest::newRow("birim_alti_genislik") << QSize(34, 300) << QList<int>{1, 290, 1, 145} << QPoint(22, 155);
        QTest::newRow("birimden_alcak") << QSize(600, 20) << QList<int>{23, 1, 10, 0} << QPoint(305, 15);
    }
    void olcu()
    {
        QFETCH(QSize, yaprak);
        QFETCH(QPoint, orijin);
        const DuzlemOlcusu o = DuzlemOlcusuHesapla(yaprak.width(), yaprak.height());
        QTEST(QList<int>({o.Birim, o.DikeyAdet, o.DikeyAdim, o.YSiniri}), "unvL");
        QCOMPARE(o.Orijin, orijin);
        QCOMPARE(o.Piksel(-3, 2), orijin + QPoint(-3 * o.Birim, -2 * o.DikeyAdim));
    }

    // Random numbers from the environment: |x|, |y|, then the signs of x and y.
    void tavsan_yerlestir_data()
    {
        QTest::addColumn<int>("L");
        QTest::addColumn<QList<int>>("rastgele");
        QTest::addColumn<QPoint>("nokta");
        QTest::newRow("en_sol_en_alt") << 5 << QList<int>{11, 4, 1, 1} << QPoint(-11, -4);
        QTest::newRow("eksi_dort_uc") << 8 << QList<int>{4, 3, 1, 0} << QPoint(-4, 3);
        QTest::newRow("L_bir") << 1 << QList<int>{7, 3, 0, 1} << QPoint(7, 0);
        // Without y room no number is drawn for y: the next one is the sign of x.
        QTest::newRow("L_sifir") << 0 << QList<int>{7, 1, 1} << QPoint(-7, 0);
    }
    void tavsan_yerlestir()
    {
        QFETCH(int, L);
        QFETCH(QList<int>, rastgele);
        TestOrtami ortam;
        ortam.Rastgeleler.assign(rastgele.begin(), rastgele.end());
        DuzlemOyunu oyun;
        oyun.TavsanYerlestir(L);
        QTEST(oyun.Tavsan, "nokta");
        QVERIFY(ortam.Rastgeleler.empty());
    }

    void atis_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<int>("tur");
        QTest::addColumn<QPoint>("nokta");
        const int atis = int(AtisTuru::Atis);
        // L is 6 on every row.
        QTest::newRow("kenar_x_12_y_L") << "12" << "6" << atis << QPoint(12, 6);
        QTest::newRow("kenar_eksi") << "-12" << "-6" << atis << QPoint(-12, -6);
        QTest::newRow("x_13") << "13" << "0" << int(AtisTuru::XDisi) << QPoint();
        QTest::newRow("y_L_arti_1") << "0" << "-7" << int(AtisTuru::YDisi) << QPoint();
        QTest::newRow("once_x") << "999" << "999" << int(AtisTuru::XDisi) << QPoint();
        QTest::newRow("ikisi_bos") << "" << "" << int(AtisTuru::BosX) << QPoint();
        QTest::newRow("y_bos_x_bozuk") << "-" << "" << int(AtisTuru::BosY) << QPoint();
        QTest::newRow("yalniz_eksi") << "-" << "1" << int(AtisTuru::Gecersiz) << QPoint();
        // A number no int holds is no number, not a huge x.
        QTest::newRow("tasan") << "99999999999" << "1" << int(AtisTuru::Gecersiz) << QPoint();
        QTest::newRow("bozuk_y_x_disi") << "13" << "x" << int(AtisTuru::Gecersiz) << QPoint();
    }
    void atis()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(int, tur);
        const AtisSonucu s = AtisDenetle(x, y, 6);
        QCOMPARE(int(s.Tur), tur);
        QTEST(s.Nokta, "nokta");
        const QStringList mesajlar = {"x için uygun bir değer giriniz", "y için uygun bir değer giriniz", "",
                                      "Uygun olmayan x değeri", "Uygun olmayan y değeri", ""};
        QCOMPARE(s.Mesaj, mesajlar.at(tur));
    }

    void pes_et_metni()
    {
        QCOMPARE(PesEtMetni(QPoint(-4, 3)), QStringLiteral("Oyunu Kaybettiniz!\nTavşanın yeri ( -4 , 3 ) noktası idi."));
    }

    void sayac()
    {
        KacmaSayaci sayac;
        sayac.Baslat();
        QCOMPARE(sayac.Gosterilen(), 15);
        for (int beklenen = 14; beklenen >= 1; --beklenen) {
            QVERIFY(!sayac.Tik());
            QCOMPARE(sayac.Gosterilen(), beklenen);
        }
        // At 0 the rabbit jumps; the label keeps 0 for that second.
        QVERIFY(sayac.Tik());
        QCOMPARE(sayac.Gosterilen(), 0);
        sayac.KacmaZamaniAyarla(2);
        QVERIFY(!sayac.Tik());
        QCOMPARE(sayac.Gosterilen(), 14);
        // A new time counts from the next start.
        for (int i = 0; i < 13; ++i)
            QVERIFY(!sayac.Tik());
        QVERIFY(sayac.Tik());
        QVERIFY(!sayac.Tik());
        QCOMPARE(sayac.Gosterilen(), 1);
        QVERIFY(sayac.Tik());
    }

    void kacma_zamani_cevabi_data()
    {
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<int>("saniye"); // 0: the time stays
        QTest::newRow("bes") << "5" << 5;
        QTest::newRow("bos") << "" << 0;
        QTest::newRow("sifir") << "0" << 0;
        QTest::newRow("eksi") << "-3" << 0;
        QTest::newRow("harf") << "on" << 0;
    }
    void kacma_zamani_cevabi()
    {
        QFETCH(QString, cevap);
        QTEST(KacmaZamaniCevabi(cevap).value_or(0), "saniye");
    }
};

#include "duzlemmodeli_test.moc"
ORVANTA_TEST(DuzlemModeliTesti)
