#include "degismemodel.h"
#include "testkaydi.h"

#include <QtTest>
#include <random>

Q_DECLARE_METATYPE(Islem)
Q_DECLARE_METATYPE(Gosterim)

namespace {
QString Basliklar(const DegismeTablosu& t)
{
    QStringList s;
    for (int i = 1; i <= t.Boyut(); ++i)
        s << t.BaslikMetni(i);
    return s.join(QLatin1Char('|'));
}

// The marked inner cells, one line per row from row 1, '#' where marked.
QStringList Vurgular(const DegismeTablosu& t, QPoint gecerli)
{
    QStringList satirlar;
    for (int r = 1; r <= t.Boyut(); ++r) {
        QString satir;
        for (int c = 1; c <= t.Boyut(); ++c)
            satir += t.Vurgulu(c, r, gecerli.x(), gecerli.y()) ? QLatin1Char('#') : QLatin1Char('.');
        satirlar << satir;
    }
    return satirlar;
}
} // namespace

class DegismeModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void kendin_gir_data()
    {
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<QString>("basliklar"); // "yok": the table stays
        QTest::newRow("karisik") << "5,x,2,2000,-3" << "-3|2|5|999";
        QTest::newRow("sonda_bosluk") << "1 ,2" << "2";
        QTest::newRow("basta_bosluk") << " 7" << " 7";
        QTest::newRow("bos_parca") << "7,,3" << "3|7";
        QTest::newRow("yalniz_virgul") << ",,," << "";
        QTest::newRow("yalniz_eksi") << "-" << "";
        QTest::newRow("64_bit_disi") << "99999999999999999999,5000000000" << "999";
        // The exchange sort moves "+3" behind "3" here; a stable sort would not.
        QTest::newRow("esitler_degisim_sirasi") << "5,+3,3,1" << "1|3|+3|5";
        QTest::newRow("bos_cevap") << "" << "yok";
    }
    void kendin_gir()
    {
        QFETCH(QString, cevap);
        QFETCH(QString, basliklar);
        if (basliklar == QLatin1String("yok"))
            basliklar = QStringLiteral("0|1|2|3|4|5|6|7|8|9");
        DegismeTablosu t;
        QCOMPARE(t.KendinGir(cevap), !cevap.isEmpty());
        QCOMPARE(Basliklar(t), basliklar);
        QCOMPARE(t.Boyut(), basliklar.isEmpty() ? 0 : int(basliklar.count(QLatin1Char('|'))) + 1);
    }

    // Equal values under different texts are where the exchange sort's order
    // shows; the quick way for lists without them must give the same table.
    void siralama_degisim_sirasinda()
    {
        std::mt19937 uretec(6);
        const QStringList bicimler = {"%1", "+%1", " %1", "0%1"};
        for (int tur = 0; tur < 400; ++tur) {
            std::vector<Baslik> b(uretec() % 40);
            for (Baslik& x : b) {
                x.Deger = int(uretec() % 7);
                x.Metin = bicimler[tur % 2 ? 0 : int(uretec() % 4)].arg(x.Deger);
            }
            std::vector<Baslik> beklenen = b;
            for (size_t i = 0; i + 1 < beklenen.size(); ++i)
                for (size_t j = i + 1; j < beklenen.size(); ++j)
                    if (beklenen[j].Deger < beklenen[i].Deger)
                        std::swap(beklenen[i], beklenen[j]);
            BasliklariSirala(b);
            QVERIFY(b == beklenen);
        }
    }

    void boyut_degistir_data()
    {
        QTest::addColumn<QString>("girilen"); // "Kendin Gir" first, when not empty
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<QString>("basliklar"); // "yok": the table stays
        QTest::newRow("30_21_olur") << "" << "30" << "0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20";
        QTest::newRow("ayni_boyut") << "" << "10" << "yok";
        QTest::newRow("harf") << "" << "abc" << "yok";
        QTest::newRow("bos") << "" << "" << "yok";
        QTest::newRow("32_bit_disi") << "" << "99999999999" << "yok";
        QTest::newRow("sifir") << "" << "0" << "";
        QTest::newRow("eksi_bes") << "" << "-5" << "";
        QTest::newRow("ozel_ayni_boyut") << "7,3,3" << "3" << "yok";
        QTest::newRow("ozel_baska_boyut") << "7,3,3" << "4" << "0|1|2|3";
    }
    void boyut_degistir()
    {
        QFETCH(QString, girilen);
        QFETCH(QString, cevap);
        QFETCH(QString, basliklar);
        DegismeTablosu t;
        if (!girilen.isEmpty())
            QVERIFY(t.KendinGir(girilen));
        const QString onceki = Basliklar(t);
        const bool ozel = t.OzelBaslikli();
        const bool degisir = basliklar != QLatin1String("yok");
        QCOMPARE(t.BoyutDegistir(cevap), degisir);
        QCOMPARE(Basliklar(t), degisir ? basliklar : onceki);
        QCOMPARE(t.OzelBaslikli(), ozel && !degisir);
    }

    void vurgular_data()
    {
        QTest::addColumn<Islem>("islem");
        QTest::addColumn<Gosterim>("gosterim");
        QTest::addColumn<QPoint>("gecerli");
        QTest::addColumn<QStringList>("vurgu");
        // (4, 6) holds 3 + 5 = 8, and so do its mirror (6, 4) and the whole diagonal of the eights.
        QTest::newRow("ayni_degerler_4_6")
            << Islem::Toplama << Gosterim::AyniDegerler << QPoint(4, 6)
            << QStringList{"........#.", ".......#..", "......#...", ".....#....", "....#.....",
                           "...#......", "..#.......", ".#........", "#.........", ".........."};
        const QString sifir = QStringLiteral("#.........");
        QTest::newRow("etkisiz_toplama") << Islem::Toplama << Gosterim::EtkisizEleman << QPoint(5, 5)
                                         << (QStringList{"##########"} + QStringList(9, sifir));
        const QString bir = QStringLiteral(".#........");
        QTest::newRow("etkisiz_carpma") << Islem::Carpma << Gosterim::EtkisizEleman << QPoint(5, 5)
                                        << QStringList{bir, "##########", bir, bir, bir, bir, bir, bir, bir, bir};
        const QStringList bos(10, QString(10, QLatin1Char('.')));
        QTest::newRow("normal") << Islem::Toplama << Gosterim::Normal << QPoint(4, 6) << bos;
        QTest::newRow("gecerli_yok") << Islem::Toplama << Gosterim::AyniDegerler << QPoint(-1, -1) << bos;
        QTest::newRow("gecerli_baslikta") << Islem::Toplama << Gosterim::AyniDegerler << QPoint(0, 3) << bos;
        QTest::newRow("gecerli_disarida") << Islem::Toplama << Gosterim::AyniDegerler << QPoint(11, 3) << bos;
    }
    void vurgular()
    {
        QFETCH(Islem, islem);
        QFETCH(Gosterim, gosterim);
        QFETCH(QPoint, gecerli);
        DegismeTablosu t;
        t.IslemAyarla(islem);
        t.GosterimAyarla(gosterim);
        QTEST(Vurgular(t, gecerli), "vurgu");
        QCOMPARE(t.HucreMetni(0, 0), islem == Islem::Toplama ? "+" : "*");
    }

    // A far cell selected in a large table, then the table made smaller or
    // emptied: the cell no longer exists and nothing is marked.
    void kuculen_ve_bos_tablo()
    {
        DegismeTablosu t;
        QVERIFY(t.BoyutDegistir(QStringLiteral("21")));
        t.GosterimAyarla(Gosterim::AyniDegerler);
        QVERIFY(t.Vurgulu(21, 19, 20, 20));
        QVERIFY(t.BoyutDegistir(QStringLiteral("5")));
        QCOMPARE(Vurgular(t, QPoint(20, 20)), QStringList(5, QStringLiteral(".....")));
        QVERIFY(!t.Vurgulu(21, 19, 20, 20));
        QVERIFY(t.KendinGir(QStringLiteral("a,-")));
        QCOMPARE(t.HucreMetni(0, 0), QStringLiteral("+"));
        QVERIFY(t.HucreMetni(1, 0).isEmpty() && t.HucreMetni(1, 1).isEmpty() && !t.Deger(1, 1));
        t.GosterimAyarla(Gosterim::EtkisizEleman);
        QVERIFY(!t.Vurgulu(1, 1, 1, 1));
        QVERIFY(t.BoyutDegistir(QStringLiteral("-2147483648")));
        QCOMPARE(t.Boyut(), 0);
    }

    void degerler_64_bit_data()
    {
        QTest::addColumn<QString>("basliklar");
        QTest::addColumn<Islem>("islem");
        QTest::addColumn<QString>("deger"); // of cell (2, 1) and (1, 2)
        QTest::newRow("iki_milyar_toplam") << "-2000000000,-2000000000" << Islem::Toplama << "-4000000000";
        QTest::newRow("carpim_32_bit_disi") << "-99999,-99999" << Islem::Carpma << "9999800001";
        QTest::newRow("en_kucuk_kare") << "-9223372036854775808,-9223372036854775808" << Islem::Carpma
                                       << "85070591730234615865843651857942052864";
        QTest::newRow("en_kucuk_999") << "999,-9223372036854775808" << Islem::Carpma << "-9214148664817921032192";
    }
    void degerler_64_bit()
    {
        QFETCH(QString, basliklar);
        QFETCH(Islem, islem);
        QFETCH(QString, deger);
        DegismeTablosu t;
        QVERIFY(t.KendinGir(basliklar));
        t.IslemAyarla(islem);
        QCOMPARE(t.HucreMetni(2, 1), deger);
        QCOMPARE(t.HucreMetni(1, 2), deger);
        // The same-value mode compares the exact values.
        t.GosterimAyarla(Gosterim::AyniDegerler);
        QVERIFY(t.Vurgulu(1, 2, 2, 1));
    }

    void izgara_yerlesimi_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("alan");
        QTest::addColumn<QSize>("boyut");
        QTest::newRow("sigan_55_43n") << 10 << QSize(1200, 700) << QSize(485, 390);
        // 21 rows need 660 pixels, the table's own size 786: every cell, no scroll bar.
        QTest::newRow("21_alcak_pencere") << 21 << QSize(1000, 690) << QSize(958, 690);
        QTest::newRow("iki_cubuk") << 10000 << QSize(1080, 690) << QSize(1065, 675);
        QTest::newRow("yalniz_yatay") << 10 << QSize(300, 600) << QSize(290, 345);
        QTest::newRow("yalniz_dikey") << 21 << QSize(1000, 600) << QSize(905, 600);
        QTest::newRow("yatay_dikeyi_getirir") << 21 << QSize(700, 665) << QSize(665, 645);
        QTest::newRow("bos") << 0 << QSize(20, 20) << QSize(55, 30);
        QTest::newRow("eksi") << -5 << QSize(1200, 700) << QSize(55, 30);
    }
    void izgara_yerlesimi()
    {
        QFETCH(int, n);
        QFETCH(QSize, alan);
        QTEST(IzgaraYerlesimi(n, alan, QSize(15, 15)), "boyut");
    }
};

#include "degismemodel_test.moc"
ORVANTA_TEST(DegismeModeliTesti)
