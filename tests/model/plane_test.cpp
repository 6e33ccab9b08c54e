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
        QTest::addColumn<int>("u");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("v");
        QTest::addColumn<QPoint>("orijin");
        QTest::addColumn<int>("L");
        // The sheet of a 600 x 600 window, the smallest it may be.
        QTest::newRow("en_kucuk_pencere") << QSize(580, 490) << 22 << 21 << 22 << QPoint(295, 250) << 10;
        QTest::newRow("genis_alcak") << QSize(1346, 486) << 53 << 8 << 59 << QPoint(678, 248) << 4;
        // v differs from u when the height is no whole number of units.
        QTest::newRow("v_u_farkli") << QSize(260, 69) << 10 << 5 << 11 << QPoint(135, 39) << 2;
        QTest::newRow("dar_uzun") << QSize(60, 1000) << 2 << 495 << 2 << QPoint(35, 505) << 247;
        // Sizes where the plane would divide by zero: one unit each way at least.
        QTest::newRow("bos") << QSize(0, 0) << 1 << 1 << 1 << QPoint(5, 5) << 0;
        QTest::newRow("on_piksel") << QSize(10, 10) << 1 << 1 << 1 << QPoint(10, 10) << 0;
        QTest::newRow("birim_alti_genislik") << QSize(34, 300) << 1 << 290 << 1 << QPoint(22, 155) << 145;
        QTest::newRow("birimden_alcak") << QSize(600, 20) << 23 << 1 << 10 << QPoint(305, 15) << 0;
    }
    void olcu()
    {
        QFETCH(QSize, yaprak);
        QFETCH(int, u);
        QFETCH(int, n);
        QFETCH(int, v);
        QFETCH(QPoint, orijin);
        QFETCH(int, L);
        const DuzlemOlcusu o = DuzlemOlcusuHesapla(yaprak.width(), yaprak.height());
        QCOMPARE(o.Birim, u);
        QCOMPARE(o.DikeyAdet, n);
        QCOMPARE(o.DikeyAdim, v);
        QCOMPARE(o.Orijin, orijin);
        QCOMPARE(o.YSiniri, L);
        QCOMPARE(o.Piksel(0, 0), orijin);
        QCOMPARE(o.Piksel(-3, 2), orijin + QPoint(-3 * u, -2 * v));
    }

    void yaprak_alani()
    {
        const QRect alan = YaprakAlani(QSize(600, 600), 100);
        QCOMPARE(alan, QRect(10, 100, 580, 490));
        QVERIFY(DuzlemOlcusuHesapla(alan.width(), alan.height()).Birim >= 22);
        // A window lower than its commands gets an empty sheet, never a negative one.
        QCOMPARE(YaprakAlani(QSize(15, 50), 100).size(), QSize(0, 0));
    }

    // Random numbers from the environment: |x|, |y|, then the signs of x and y.
    void tavsan_yerlestir_data()
    {
        QTest::addColumn<int>("L");
        QTest::addColumn<QList<int>>("rastgele");
        QTest::addColumn<QPoint>("nokta");
        QTest::newRow("sifir") << 5 << QList<int>{0, 0, 0, 0} << QPoint(0, 0);
        QTest::newRow("en_sag_en_ust") << 5 << QList<int>{11, 4, 0, 0} << QPoint(11, 4);
        QTest::newRow("en_sol_en_alt") << 5 << QList<int>{11, 4, 1, 1} << QPoint(-11, -4);
        QTest::newRow("x_12_olmaz") << 5 << QList<int>{12, 5, 0, 1} << QPoint(0, 0);
        QTest::newRow("eksi_dort_uc") << 8 << QList<int>{4, 3, 1, 0} << QPoint(-4, 3);
        QTest::newRow("L_bir") << 1 << QList<int>{7, 3, 0, 1} << QPoint(7, 0);
        // Without y room no number is drawn for y: the next one is the sign of x.
        QTest::newRow("L_sifir") << 0 << QList<int>{7, 1, 1} << QPoint(-7, 0);
    }
    void tavsan_yerlestir()
    {
        QFETCH(int, L);
        QFETCH(QList<int>, rastgele);
        QFETCH(QPoint, nokta);
        TestOrtami ortam;
        ortam.Rastgeleler.assign(rastgele.begin(), rastgele.end());
        DuzlemOyunu oyun;
        oyun.TavsanYerlestir(L);
        QCOMPARE(oyun.Tavsan, nokta);
        QVERIFY(ortam.Rastgeleler.empty());
        QCOMPARE(oyun.Tas, QPoint(5, 5));
    }

    void yakalama_ve_gosterme()
    {
        DuzlemOyunu oyun;
        oyun.Tavsan = QPoint(-4, 3);
        QVERIFY(!oyun.Yakalandi());
        oyun.Tas = QPoint(-4, -3);
        QVERIFY(!oyun.Yakalandi());
        oyun.Tas = QPoint(4, 3);
        QVERIFY(!oyun.Yakalandi());
        oyun.Goster();
        QCOMPARE(oyun.Tas, QPoint(-4, 3));
        QVERIFY(oyun.Yakalandi());
        QCOMPARE(PesEtMetni(oyun.Tavsan), QStringLiteral("Oyunu Kaybettiniz!\nTavşanın yeri ( -4 , 3 ) noktası idi."));
        QCOMPARE(PesEtMetni(QPoint(0, -11)), QStringLiteral("Oyunu Kaybettiniz!\nTavşanın yeri ( 0 , -11 ) noktası idi."));
    }

    // After a resize only a rabbit outside the new placement range moves.
    void sinirda_tut_data()
    {
        QTest::addColumn<QPoint>("tavsan");
        QTest::addColumn<int>("L");
        QTest::addColumn<bool>("tasindi");
        QTest::newRow("icinde") << QPoint(11, 3) << 4 << false;
        QTest::newRow("eksi_icinde") << QPoint(-11, -3) << 4 << false;
        QTest::newRow("kenarda") << QPoint(2, 4) << 4 << true;
        QTest::newRow("eksi_disinda") << QPoint(2, -9) << 4 << true;
        QTest::newRow("L_sifir_y_sifir") << QPoint(5, 0) << 0 << false;
        QTest::newRow("L_sifir_y_bir") << QPoint(5, 1) << 0 << true;
    }
    void sinirda_tut()
    {
        QFETCH(QPoint, tavsan);
        QFETCH(int, L);
        QFETCH(bool, tasindi);
        TestOrtami ortam;
        ortam.Rastgeleler = {1, 1, 0, 0};
        DuzlemOyunu oyun;
        oyun.Tavsan = tavsan;
        QCOMPARE(oyun.SinirdaTut(L), tasindi);
        QVERIFY(std::abs(oyun.Tavsan.y()) <= std::max(0, L - 1));
        if (!tasindi)
            QCOMPARE(oyun.Tavsan, tavsan);
    }

    void atis_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<int>("L");
        QTest::addColumn<int>("tur");
        QTest::addColumn<QPoint>("nokta");
        const int atis = int(AtisTuru::Atis);
        QTest::newRow("kenar_x_12_y_L") << "12" << "6" << 6 << atis << QPoint(12, 6);
        QTest::newRow("kenar_eksi") << "-12" << "-6" << 6 << atis << QPoint(-12, -6);
        QTest::newRow("arti_isaret") << "+3" << "+0" << 6 << atis << QPoint(3, 0);
        QTest::newRow("L_sifir") << "0" << "0" << 0 << atis << QPoint(0, 0);
        QTest::newRow("x_13") << "13" << "0" << 6 << int(AtisTuru::XDisi) << QPoint();
        QTest::newRow("x_eksi_13") << "-13" << "0" << 6 << int(AtisTuru::XDisi) << QPoint();
        QTest::newRow("y_L_arti_1") << "0" << "7" << 6 << int(AtisTuru::YDisi) << QPoint();
        QTest::newRow("y_eksi_L_eksi_1") << "0" << "-7" << 6 << int(AtisTuru::YDisi) << QPoint();
        QTest::newRow("once_x") << "999" << "999" << 6 << int(AtisTuru::XDisi) << QPoint();
        QTest::newRow("x_bos") << "" << "1" << 6 << int(AtisTuru::BosX) << QPoint();
        QTest::newRow("ikisi_bos") << "" << "" << 6 << int(AtisTuru::BosX) << QPoint();
        QTest::newRow("y_bos") << "1" << "" << 6 << int(AtisTuru::BosY) << QPoint();
        QTest::newRow("y_bos_x_bozuk") << "-" << "" << 6 << int(AtisTuru::BosY) << QPoint();
        QTest::newRow("yalniz_eksi") << "-" << "1" << 6 << int(AtisTuru::Gecersiz) << QPoint();
        QTest::newRow("yalniz_arti_y") << "1" << "+" << 6 << int(AtisTuru::Gecersiz) << QPoint();
        QTest::newRow("harf") << "1a" << "1" << 6 << int(AtisTuru::Gecersiz) << QPoint();
        // A number no int holds is no number, not a huge x.
        QTest::newRow("tasan") << "99999999999" << "1" << 6 << int(AtisTuru::Gecersiz) << QPoint();
        QTest::newRow("bozuk_y_x_disi") << "13" << "x" << 6 << int(AtisTuru::Gecersiz) << QPoint();
    }
    void atis()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(int, L);
        QFETCH(int, tur);
        QFETCH(QPoint, nokta);
        const AtisSonucu s = AtisDenetle(x, y, L);
        QCOMPARE(int(s.Tur), tur);
        QCOMPARE(s.Nokta, nokta);
        const QStringList mesajlar = {"x için uygun bir değer giriniz", "y için uygun bir değer giriniz", "",
                                      "Uygun olmayan x değeri", "Uygun olmayan y değeri", ""};
        QCOMPARE(s.Mesaj, mesajlar.at(tur));
    }

    void sayac_15_ten_sifira()
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
        QCOMPARE(sayac.Kalan(), 15);
        QVERIFY(!sayac.Tik());
        QCOMPARE(sayac.Gosterilen(), 14);
    }

    void sayac_yeni_zaman_sonraki_baslangicta()
    {
        KacmaSayaci sayac;
        sayac.Baslat();
        sayac.Tik();
        sayac.KacmaZamaniAyarla(2);
        QCOMPARE(sayac.Gosterilen(), 14);
        for (int i = 0; i < 13; ++i)
            QVERIFY(!sayac.Tik());
        QVERIFY(sayac.Tik());
        QCOMPARE(sayac.Kalan(), 2);
        QVERIFY(!sayac.Tik());
        QVERIFY(sayac.Tik());
        // One second: the rabbit jumps every second, showing 0 each time.
        sayac.KacmaZamaniAyarla(1);
        sayac.Baslat();
        QCOMPARE(sayac.Gosterilen(), 1);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(sayac.Tik());
            QCOMPARE(sayac.Gosterilen(), 0);
        }
    }

    void kacma_zamani_cevabi_data()
    {
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<int>("saniye"); // 0: the time stays
        QTest::newRow("bes") << "5" << 5;
        QTest::newRow("bir") << "1" << 1;
        QTest::newRow("bosluklu") << " 30" << 30;
        QTest::newRow("buyuk") << "2147483647" << 2147483647;
        QTest::newRow("bos") << "" << 0;
        QTest::newRow("sifir") << "0" << 0;
        QTest::newRow("eksi") << "-3" << 0;
        QTest::newRow("yalniz_eksi") << "-" << 0;
        QTest::newRow("harf") << "on" << 0;
        QTest::newRow("tasan") << "2147483648" << 0;
    }
    void kacma_zamani_cevabi()
    {
        QFETCH(QString, cevap);
        QFETCH(int, saniye);
        QCOMPARE(KacmaZamaniCevabi(cevap).value_or(0), saniye);
    }
};

#include "plane_test.moc"
ORVANTA_TEST(DuzlemModeliTesti)
