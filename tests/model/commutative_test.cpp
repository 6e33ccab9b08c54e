#include "degismemodel.h"
#include "testkaydi.h"

#include <QtTest>
#include <random>

Q_DECLARE_METATYPE(Islem)
Q_DECLARE_METATYPE(Gosterim)
Q_DECLARE_METATYPE(HucreDurumu)

namespace {
QString Basliklar(const DegismeTablosu& t)
{
    QStringList s;
    for (int i = 1; i <= t.Boyut(); ++i)
        s << t.BaslikMetni(i);
    return s.join(QLatin1Char('|'));
}

QString Metinler(const std::vector<Baslik>& b)
{
    QStringList s;
    for (const Baslik& x : b)
        s << x.Metin;
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

// The exchange sort as the table has always done it, step by step.
void DegisimSiralamasi(std::vector<Baslik>& b)
{
    for (size_t i = 0; i + 1 < b.size(); ++i)
        for (size_t j = i + 1; j < b.size(); ++j)
            if (b[j].Deger < b[i].Deger)
                std::swap(b[i], b[j]);
}
} // namespace

class DegismeModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void acilis()
    {
        const DegismeTablosu t;
        QCOMPARE(t.Boyut(), 10);
        QCOMPARE(Basliklar(t), QStringLiteral("0|1|2|3|4|5|6|7|8|9"));
        QCOMPARE(t.HucreMetni(0, 0), QStringLiteral("+"));
        QCOMPARE(t.HucreMetni(10, 10), QStringLiteral("18"));
        QCOMPARE(t.HucreMetni(4, 0), QStringLiteral("3"));
        QCOMPARE(t.HucreMetni(0, 6), QStringLiteral("5"));
        QCOMPARE(t.HucreMetni(11, 1), QString());
        QCOMPARE(Vurgular(t, QPoint(4, 6)).join(QString()), QString(100, QLatin1Char('.')));
    }

    void kendin_gir_data()
    {
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<bool>("degisir");
        QTest::addColumn<QString>("basliklar");
        QTest::newRow("karisik") << QStringLiteral("5,x,2,2000,-3") << true << QStringLiteral("-3|2|5|999");
        QTest::newRow("sonda_bosluk") << QStringLiteral("1 ,2") << true << QStringLiteral("2");
        QTest::newRow("basta_bosluk") << QStringLiteral(" 7") << true << QStringLiteral(" 7");
        QTest::newRow("bos_parca") << QStringLiteral("7,,3") << true << QStringLiteral("3|7");
        QTest::newRow("yalniz_virgul") << QStringLiteral(",,,") << true << QString();
        QTest::newRow("yalniz_eksi") << QStringLiteral("-") << true << QString();
        QTest::newRow("arti_isaret") << QStringLiteral("+5") << true << QStringLiteral("+5");
        QTest::newRow("yinelenen") << QStringLiteral("7,3,3") << true << QStringLiteral("3|3|7");
        QTest::newRow("sondaki_virgul") << QStringLiteral("4,") << true << QStringLiteral("4");
        QTest::newRow("ondalik") << QStringLiteral("2.5,3,2,5") << true << QStringLiteral("2|3|5");
        QTest::newRow("sinirda") << QStringLiteral("1000,999") << true << QStringLiteral("999|999");
        QTest::newRow("64_bit_buyuk") << QStringLiteral("5000000000") << true << QStringLiteral("999");
        QTest::newRow("64_bit_disi") << QStringLiteral("99999999999999999999,-99999999999999999999,4") << true
                                     << QStringLiteral("4");
        QTest::newRow("en_kucuk_64") << QStringLiteral("0,-9223372036854775808") << true
                                     << QStringLiteral("-9223372036854775808|0");
        // The exchange sort moves "+3" behind "3" here; a stable sort would not.
        QTest::newRow("esitler_degisim_sirasi") << QStringLiteral("5,+3,3,1") << true << QStringLiteral("1|3|+3|5");
        QTest::newRow("bos_cevap") << QString() << false << QStringLiteral("0|1|2|3|4|5|6|7|8|9");
    }
    void kendin_gir()
    {
        QFETCH(QString, cevap);
        QFETCH(bool, degisir);
        QFETCH(QString, basliklar);
        DegismeTablosu t;
        QCOMPARE(t.KendinGir(cevap), degisir);
        QCOMPARE(Basliklar(t), basliklar);
        QCOMPARE(t.OzelBaslikli(), degisir);
        QCOMPARE(t.Boyut(), basliklar.isEmpty() ? 0 : int(basliklar.count(QLatin1Char('|'))) + 1);
    }

    // Equal values under different texts are where the exchange sort's order
    // shows; the quick way for lists without them must give the same table.
    void siralama_degisim_sirasinda()
    {
        std::mt19937 uretec(6);
        const QStringList bicimler = {QStringLiteral("%1"), QStringLiteral("+%1"), QStringLiteral(" %1"),
                                      QStringLiteral("0%1")};
        for (int tur = 0; tur < 400; ++tur) {
            const bool karisik = tur % 2 == 0;
            std::vector<Baslik> b(uretec() % 40);
            for (Baslik& x : b) {
                x.Deger = int(uretec() % 7);
                x.Metin = bicimler[karisik ? int(uretec() % 4) : 0].arg(x.Deger);
            }
            std::vector<Baslik> beklenen = b;
            DegisimSiralamasi(beklenen);
            BasliklariSirala(b);
            QVERIFY2(b == beklenen, qPrintable(Metinler(b) + QStringLiteral(" <> ") + Metinler(beklenen)));
        }
    }

    void boyut_degistir_data()
    {
        QTest::addColumn<QString>("girilen"); // "Kendin Gir" first, when not empty
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<bool>("degisir");
        QTest::addColumn<QString>("basliklar");
        const QString onluk = QStringLiteral("0|1|2|3|4|5|6|7|8|9");
        QTest::newRow("30_21_olur") << QString() << QStringLiteral("30") << true
                                    << QStringLiteral("0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20");
        QTest::newRow("uc") << QString() << QStringLiteral("3") << true << QStringLiteral("0|1|2");
        QTest::newRow("ayni_boyut") << QString() << QStringLiteral("10") << false << onluk;
        QTest::newRow("harf") << QString() << QStringLiteral("abc") << false << onluk;
        QTest::newRow("bos") << QString() << QString() << false << onluk;
        QTest::newRow("32_bit_disi") << QString() << QStringLiteral("99999999999") << false << onluk;
        QTest::newRow("sonda_bosluk") << QString() << QStringLiteral("4 ") << false << onluk;
        QTest::newRow("sifir") << QString() << QStringLiteral("0") << true << QString();
        QTest::newRow("eksi_bes") << QString() << QStringLiteral("-5") << true << QString();
        QTest::newRow("ozel_ayni_boyut") << QStringLiteral("7,3,3") << QStringLiteral("3") << false
                                         << QStringLiteral("3|3|7");
        QTest::newRow("ozel_baska_boyut") << QStringLiteral("7,3,3") << QStringLiteral("4") << true
                                          << QStringLiteral("0|1|2|3");
        QTest::newRow("ozel_harf") << QStringLiteral("7,3,3") << QStringLiteral("x") << false
                                   << QStringLiteral("3|3|7");
        QTest::newRow("bos_tablodan_sifir") << QStringLiteral(",") << QStringLiteral("-1") << true << QString();
    }
    void boyut_degistir()
    {
        QFETCH(QString, girilen);
        QFETCH(QString, cevap);
        QFETCH(bool, degisir);
        QFETCH(QString, basliklar);
        DegismeTablosu t;
        if (!girilen.isEmpty())
            QVERIFY(t.KendinGir(girilen));
        const bool ozel = t.OzelBaslikli();
        QCOMPARE(t.BoyutDegistir(cevap), degisir);
        QCOMPARE(Basliklar(t), basliklar);
        QCOMPARE(t.OzelBaslikli(), ozel && !degisir);
    }

    void vurgular_data()
    {
        QTest::addColumn<Islem>("islem");
        QTest::addColumn<Gosterim>("gosterim");
        QTest::addColumn<QPoint>("gecerli");
        QTest::addColumn<QStringList>("vurgu");
        // (4, 6) holds 3 + 5 = 8, and so do its mirror (6, 4) and every cell of
        // the other diagonal of the eights.
        QTest::newRow("ayni_degerler_4_6")
            << Islem::Toplama << Gosterim::AyniDegerler << QPoint(4, 6)
            << QStringList{"........#.", ".......#..", "......#...", ".....#....", "....#.....",
                           "...#......", "..#.......", ".#........", "#.........", ".........."};
        QTest::newRow("ayni_degerler_carpma_sifir")
            << Islem::Carpma << Gosterim::AyniDegerler << QPoint(1, 5)
            << QStringList{"##########", "#.........", "#.........", "#.........", "#.........",
                           "#.........", "#.........", "#.........", "#.........", "#........."};
        QTest::newRow("ayni_degerler_carpma_3_5")
            << Islem::Carpma << Gosterim::AyniDegerler << QPoint(3, 5)
            << QStringList{"..........", "........#.", "....#.....", "..........", "..#.......",
                           "..........", "..........", "..........", ".#........", ".........."};
        QTest::newRow("etkisiz_toplama")
            << Islem::Toplama << Gosterim::EtkisizEleman << QPoint(5, 5)
            << QStringList{"##########", "#.........", "#.........", "#.........", "#.........",
                           "#.........", "#.........", "#.........", "#.........", "#........."};
        QTest::newRow("etkisiz_carpma")
            << Islem::Carpma << Gosterim::EtkisizEleman << QPoint(5, 5)
            << QStringList{".#........", "##########", ".#........", ".#........", ".#........",
                           ".#........", ".#........", ".#........", ".#........", ".#........"};
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
        QFETCH(QStringList, vurgu);
        DegismeTablosu t;
        t.IslemAyarla(islem);
        t.GosterimAyarla(gosterim);
        QCOMPARE(Vurgular(t, gecerli), vurgu);
        QCOMPARE(t.HucreMetni(0, 0), islem == Islem::Toplama ? QStringLiteral("+") : QStringLiteral("*"));
        QVERIFY(!t.Vurgulu(0, 1, gecerli.x(), gecerli.y()) && !t.Vurgulu(1, 0, gecerli.x(), gecerli.y()));
    }

    // Typed heads that are not the defaults: 0 and 1 where the pupil put them.
    void vurgular_ozel_basliklar()
    {
        DegismeTablosu t;
        QVERIFY(t.KendinGir(QStringLiteral("4,1,0")));
        t.GosterimAyarla(Gosterim::EtkisizEleman);
        QCOMPARE(Vurgular(t, QPoint()), (QStringList{"###", "#..", "#.."}));
        t.IslemAyarla(Islem::Carpma);
        QCOMPARE(Vurgular(t, QPoint()), (QStringList{".#.", "###", ".#."}));
        QVERIFY(t.KendinGir(QStringLiteral("7,8")));
        QCOMPARE(Vurgular(t, QPoint()), (QStringList{"..", ".."}));
    }

    // A far cell selected in a large table, then the table made smaller: the
    // cell no longer exists and nothing is marked.
    void kuculen_tablo()
    {
        DegismeTablosu t;
        QVERIFY(t.BoyutDegistir(QStringLiteral("21")));
        t.GosterimAyarla(Gosterim::AyniDegerler);
        QCOMPARE(t.Vurgulu(21, 19, 20, 20), true);
        QVERIFY(t.BoyutDegistir(QStringLiteral("5")));
        QCOMPARE(Vurgular(t, QPoint(20, 20)), QStringList(5, QStringLiteral(".....")));
        QVERIFY(!t.Vurgulu(21, 19, 20, 20));
        QVERIFY(t.KendinGir(QStringLiteral("x")));
        QCOMPARE(Vurgular(t, QPoint(1, 1)), QStringList());
    }

    void degerler_64_bit_data()
    {
        QTest::addColumn<QString>("basliklar");
        QTest::addColumn<Islem>("islem");
        QTest::addColumn<QPoint>("hucre");
        QTest::addColumn<QString>("deger");
        QTest::newRow("iki_milyar_toplam") << QStringLiteral("-2000000000") << Islem::Toplama << QPoint(1, 1)
                                           << QStringLiteral("-4000000000");
        QTest::newRow("carpim_32_bit_disi") << QStringLiteral("-99999") << Islem::Carpma << QPoint(1, 1)
                                            << QStringLiteral("9999800001");
        QTest::newRow("en_kucuk_toplam") << QStringLiteral("-9223372036854775808") << Islem::Toplama
                                         << QPoint(1, 1) << QStringLiteral("-18446744073709551616");
        QTest::newRow("en_kucuk_kare") << QStringLiteral("-9223372036854775808") << Islem::Carpma << QPoint(1, 1)
                                       << QStringLiteral("85070591730234615865843651857942052864");
        QTest::newRow("en_kucuk_999") << QStringLiteral("999,-9223372036854775808") << Islem::Carpma
                                      << QPoint(2, 1) << QStringLiteral("-9214148664817921032192");
        QTest::newRow("en_buyuk_64_sinirda") << QStringLiteral("-9223372036854775807,999") << Islem::Toplama
                                             << QPoint(2, 1) << QStringLiteral("-9223372036854774808");
        QTest::newRow("isaretler") << QStringLiteral("-7,6") << Islem::Carpma << QPoint(1, 2)
                                   << QStringLiteral("-42");
        QTest::newRow("sifir_carpim") << QStringLiteral("-7,0") << Islem::Carpma << QPoint(1, 2)
                                      << QStringLiteral("0");
    }
    void degerler_64_bit()
    {
        QFETCH(QString, basliklar);
        QFETCH(Islem, islem);
        QFETCH(QPoint, hucre);
        QFETCH(QString, deger);
        DegismeTablosu t;
        QVERIFY(t.KendinGir(basliklar));
        t.IslemAyarla(islem);
        QCOMPARE(t.HucreMetni(hucre.x(), hucre.y()), deger);
        QCOMPARE(t.HucreMetni(hucre.y(), hucre.x()), deger);
        // The same-value mode compares the exact values.
        t.GosterimAyarla(Gosterim::AyniDegerler);
        QVERIFY(t.Vurgulu(hucre.y(), hucre.x(), hucre.x(), hucre.y()));
    }

    // A size of 0 or less, or typed heads of which none is a number: the corner alone.
    void bos_tablo_data()
    {
        QTest::addColumn<QString>("komut");
        QTest::addColumn<QString>("cevap");
        QTest::newRow("boyut_0") << QStringLiteral("boyut") << QStringLiteral("0");
        QTest::newRow("boyut_eksi_5") << QStringLiteral("boyut") << QStringLiteral("-5");
        QTest::newRow("boyut_en_kucuk") << QStringLiteral("boyut") << QStringLiteral("-2147483648");
        QTest::newRow("kendin_gir_gecersiz") << QStringLiteral("kendin") << QStringLiteral("a,b,-");
    }
    void bos_tablo()
    {
        QFETCH(QString, komut);
        QFETCH(QString, cevap);
        DegismeTablosu t;
        QVERIFY(komut == QLatin1String("boyut") ? t.BoyutDegistir(cevap) : t.KendinGir(cevap));
        QCOMPARE(t.Boyut(), 0);
        QCOMPARE(t.HucreMetni(0, 0), QStringLiteral("+"));
        QCOMPARE(t.HucreMetni(1, 0), QString());
        QCOMPARE(t.HucreMetni(1, 1), QString());
        QVERIFY(!t.Deger(1, 1));
        QCOMPARE(IzgaraBoyutu(t.Boyut()), QSize(55, 30));
        for (Gosterim g : {Gosterim::AyniDegerler, Gosterim::EtkisizEleman}) {
            t.GosterimAyarla(g);
            QVERIFY(!t.Vurgulu(1, 1, 1, 1));
        }
    }

    void izgara_boyutu_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("boyut");
        QTest::newRow("acilis_10") << 10 << QSize(485, 390);
        QTest::newRow("en_buyuk_21") << 21 << QSize(958, 786);
        QTest::newRow("bir") << 1 << QSize(98, 66);
        QTest::newRow("eksi") << -5 << QSize(55, 30);
        QTest::newRow("on_bin") << 10000 << QSize(430055, 360030);
        QTest::newRow("sinirsiz") << 2000000000 << QSize(16777215, 16777215);
    }
    void izgara_boyutu()
    {
        QFETCH(int, n);
        QFETCH(QSize, boyut);
        QCOMPARE(IzgaraBoyutu(n), boyut);
    }

    void izgara_yerlesimi_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("alan");
        QTest::addColumn<QSize>("boyut");
        const QSize genis(1200, 700);
        QTest::newRow("sigan") << 10 << genis << QSize(485, 390);
        QTest::newRow("tam_sigan") << 10 << QSize(485, 390) << QSize(485, 390);
        // 21 rows need 660 pixels, the table's own size 786: all cells, no scroll bar.
        QTest::newRow("21_alcak_pencere") << 21 << QSize(1000, 690) << QSize(958, 690);
        QTest::newRow("200_iki_cubuk") << 200 << QSize(1080, 690) << QSize(1065, 675);
        QTest::newRow("yalniz_yatay") << 30 << QSize(700, 1000) << QSize(690, 945);
        QTest::newRow("yalniz_dikey") << 21 << QSize(1000, 600) << QSize(905, 600);
        QTest::newRow("on_genislikte_dar") << 10 << QSize(300, 600) << QSize(290, 345);
        QTest::newRow("yatay_dikeyi_getirir") << 21 << QSize(700, 665) << QSize(665, 645);
        QTest::newRow("tek_hucre_sigmaz") << 3 << QSize(100, 100) << QSize(105, 75);
        QTest::newRow("bos") << 0 << genis << QSize(55, 30);
        QTest::newRow("bos_yer_yok") << 0 << QSize(20, 20) << QSize(55, 30);
        QTest::newRow("on_bin") << 10000 << QSize(1080, 690) << QSize(1065, 675);
    }
    void izgara_yerlesimi()
    {
        QFETCH(int, n);
        QFETCH(QSize, alan);
        QFETCH(QSize, boyut);
        QCOMPARE(IzgaraYerlesimi(n, alan, QSize(15, 15)), boyut);
    }

    void hucre_renkleri_data()
    {
        QTest::addColumn<bool>("baslik");
        QTest::addColumn<bool>("secili");
        QTest::addColumn<bool>("odakli");
        QTest::addColumn<bool>("vurgulu");
        QTest::addColumn<TRenk>("yazi");
        QTest::addColumn<TRenk>("zemin");
        QTest::newRow("baslik") << true << false << false << false << clRed << clAqua;
        QTest::newRow("baslik_secili_vurgulu") << true << true << true << true << clRed << clAqua;
        QTest::newRow("secili") << false << true << true << false << clRed << clBlue;
        QTest::newRow("secili_vurgulu") << false << true << false << true << clRed << clBlue;
        QTest::newRow("odakli") << false << false << true << false << clRed << clTeal;
        QTest::newRow("vurgulu") << false << false << false << true << clRed << clTeal;
        QTest::newRow("siradan") << false << false << false << false << clBlue << clWhite;
    }
    void hucre_renkleri()
    {
        QFETCH(bool, baslik);
        QFETCH(bool, secili);
        QFETCH(bool, odakli);
        QFETCH(bool, vurgulu);
        QFETCH(TRenk, yazi);
        QFETCH(TRenk, zemin);
        const HucreRengi r = DurumRengi(RenkSemasi(), DurumBelirle(baslik, secili, odakli, vurgulu));
        QCOMPARE(r.Yazi, yazi);
        QCOMPARE(r.Zemin, zemin);
    }
};

#include "commutative_test.moc"
ORVANTA_TEST(DegismeModeliTesti)
