#include "eratosthenesmodel.h"
#include "sesnumaralari.h"
#include "testkaydi.h"

#include <QSize>
#include <QtTest>

class EratosthenesModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void tahta_olcusu_data()
    {
        QTest::addColumn<QSize>("pencere");
        QTest::addColumn<int>("sutun");
        QTest::addColumn<int>("satir");
        QTest::addColumn<int>("son");
        QTest::newRow("1024x768") << QSize(1024, 768) << 24 << 24 << 577;
        QTest::newRow("1366x768") << QSize(1366, 768) << 34 << 24 << 817;
        QTest::newRow("600x600") << QSize(600, 600) << 12 << 18 << 217;
        QTest::newRow("cok_kucuk") << QSize(100, 100) << 0 << 0 << 0;
    }
    void tahta_olcusu()
    {
        QFETCH(QSize, pencere);
        const TahtaOlcusu o = TahtaOlcusuHesapla(pencere.width(), pencere.height());
        QTEST(o.Sutun, "sutun");
        QTEST(o.Satir, "satir");
        const QList<JetonYeri> hepsi = TahtaJetonlari(o, 1000000);
        QTEST(hepsi.isEmpty() ? 0 : hepsi.last().Sayi, "son");
        if (!hepsi.isEmpty()) {
            QCOMPARE(hepsi.first().Sayi, 2);
            QCOMPARE(hepsi.size(), o.Konum());
        }
    }

    void tahta_sayilari()
    {
        const TahtaOlcusu o{24, 24};
        const QList<JetonYeri> elli = TahtaJetonlari(o, 50);
        QCOMPARE(elli.size(), 49);
        QCOMPARE(elli[24].Sayi, 26); // the second row starts at 26
        QCOMPARE(elli[24].Satir, 2);
        QCOMPARE(elli[24].Sutun, 1);
        QVERIFY(TahtaJetonlari(o, 1).isEmpty());
        QVERIFY(TahtaJetonlari(o, -5).isEmpty());
    }

    void maksimum_cevabi_data()
    {
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<int>("beklenen"); // -1: the board stays
        QTest::newRow("bos") << QString() << -1;
        QTest::newRow("1000") << QStringLiteral("1000") << 500;
        QTest::newRow("500") << QStringLiteral("500") << 500;
        QTest::newRow("harf") << QStringLiteral("abc") << 100;
        QTest::newRow("yalniz_eksi") << QStringLiteral("-") << 100;
        QTest::newRow("cok_buyuk") << QStringLiteral("99999999999") << 100;
        QTest::newRow("sifir") << QStringLiteral("0") << 0;
        QTest::newRow("bir") << QStringLiteral("1") << 1;
        QTest::newRow("eksi_bes") << QStringLiteral("-5") << -5;
    }
    void maksimum_cevabi()
    {
        QFETCH(QString, cevap);
        QTEST(MaksimumCevabi(cevap).value_or(-1), "beklenen");
    }

    // Presses one after another on a board of 2 .. 50: the sound of the last
    // press and the numbers struck by then.
    void vurma_data()
    {
        QTest::addColumn<QList<int>>("basilanlar");
        QTest::addColumn<int>("ses");
        QTest::addColumn<QList<int>>("vurulmus");
        QTest::addColumn<QList<int>>("vurulmamis");
        QTest::newRow("once_iki") << QList<int>{2} << int(SES_NOTR) << QList<int>{2, 4, 6, 50}
                                  << QList<int>{3, 5, 49};
        QTest::newRow("ikiden_once_dort") << QList<int>{4} << int(SES_HATA) << QList<int>{4, 8, 12, 48}
                                          << QList<int>{2, 6, 10};
        QTest::newRow("ikiden_sonra_uc") << QList<int>{2, 3} << int(SES_NOTR) << QList<int>{3, 6, 9, 45}
                                         << QList<int>{5, 25, 49};
        QTest::newRow("asal_olmayan_49") << QList<int>{49} << int(SES_HATA) << QList<int>{49}
                                         << QList<int>{7, 48, 50};
        QTest::newRow("bir_hepsini_vurur") << QList<int>{1} << int(SES_NOTR) << QList<int>{2, 3, 50}
                                           << QList<int>{};
        QTest::newRow("tahtada_olmayan") << QList<int>{97} << int(SES_NOTR) << QList<int>{} << QList<int>{2, 50};
        QTest::newRow("sifir") << QList<int>{0} << int(SES_NOTR) << QList<int>{} << QList<int>{2, 50};
    }
    void vurma()
    {
        QFETCH(QList<int>, basilanlar);
        QFETCH(QList<int>, vurulmus);
        QFETCH(QList<int>, vurulmamis);
        EleyiciIsaretleri m;
        m.Kur(TahtaJetonlari({24, 24}, 50));
        int son = 0;
        for (int n : basilanlar)
            son = m.Vur(n);
        QTEST(son, "ses");
        for (int n : vurulmus)
            QCOMPARE(m.Isaret(n), 2);
        for (int n : vurulmamis)
            QCOMPARE(m.Isaret(n), 0);
        QCOMPARE(m.Isaret(51), 0);
        // A new board starts unmarked.
        m.Kur(TahtaJetonlari({24, 24}, 50));
        QCOMPARE(m.Isaret(4), 0);
    }

    void komsu_jeton_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("adet");
        QTest::addColumn<int>("yon");
        QTest::addColumn<int>("beklenen");
        // 49 tokens in rows of 10: the last row holds five.
        QTest::newRow("sag_sondan") << 48 << 49 << int(TahtaYonu::Sag) << 48;
        QTest::newRow("asagi_kisa_satira") << 39 << 49 << int(TahtaYonu::Asagi) << 39;
        QTest::newRow("yukari_ilk_satirdan") << 4 << 49 << int(TahtaYonu::Yukari) << 4;
        QTest::newRow("bos_tahta") << 0 << 0 << int(TahtaYonu::Son) << 0;
    }
    void komsu_jeton()
    {
        QFETCH(int, i);
        QFETCH(int, adet);
        QFETCH(int, yon);
        QTEST(KomsuJeton(i, adet, 10, TahtaYonu(yon)), "beklenen");
    }
};

#include "eratosthenesmodel_test.moc"
ORVANTA_TEST(EratosthenesModeliTesti)
