#include "donusum.h"
#include "metinler.h"
#include "renk.h"
#include "testkaydi.h"

#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>

class MetinlerTesti : public QObject
{
    Q_OBJECT
private slots:
    void sayiMetni_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("yarim çifte yuvarlanır") << 2.5f << 0 << "2";
        QTest::newRow("3.5 yukarı") << 3.5f << 0 << "4";
        QTest::newRow("bir basamak") << 5.0f << 1 << "5.0";
        QTest::newRow("iki basamak") << 0.125f << 2 << "0.12";
        QTest::newRow("kod 4 üç basamak") << 1.25f << 4 << "1.250";
        QTest::newRow("eksi kod üç basamak") << 1.0f << -7 << "1.000";
        QTest::newRow("kod 6") << 1.5f << 6 << "1.500000";
        QTest::newRow("negatif") << -0.0005f << 3 << "-0.001";
        QTest::newRow("en büyük float") << 3.4028235e38f << 0 << "340282346638528859811704183484516925440";
        QTest::newRow("sonsuz") << INFINITY << 3 << "inf";
        QTest::newRow("eksi sonsuz") << -INFINITY << 3 << "-inf";
        QTest::newRow("tanımsız") << NAN << 1 << "nan";
    }
    void sayiMetni()
    {
        QFETCH(float, x);
        QFETCH(int, kod);
        QTEST(SayiMetni(x, kod), "beklenen");
    }

    void metinSayiya_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<double>("beklenen");
        QTest::newRow("boş") << "" << 0.0;
        QTest::newRow("harfler") << "abc" << 0.0;
        QTest::newRow("sayıdan sonra harf") << "3.5abc" << 3.5;
        QTest::newRow("virgül ondalık değil") << "3,5" << 3.0;
        QTest::newRow("baştaki boşluk") << "  \t-12.25" << -12.25;
        QTest::newRow("artı") << "+7" << 7.0;
        QTest::newRow("üstel") << "1e3x" << 1000.0;
        QTest::newRow("yarım üstel") << "2e" << 2.0;
        QTest::newRow("noktayla başlayan") << ".5" << 0.5;
        QTest::newRow("iki işaret") << "+-3" << 0.0;
        QTest::newRow("yalnız eksi") << "-" << 0.0;
        QTest::newRow("onaltılık") << "0x1A" << 26.0;
        QTest::newRow("Türkçe harfle biten") << "42ğ" << 42.0;
    }
    void metinSayiya()
    {
        QFETCH(QString, metin);
        QTEST(MetinSayiya(metin), "beklenen");
    }

    // Out of range: too large is infinity, too small is 0 with its sign, decided by the magnitude.
    void metinSayiyaAralikDisi_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<double>("beklenen");
        const double sonsuz = std::numeric_limits<double>::infinity();
        const QString binSifir(1000, QLatin1Char('0'));
        QTest::newRow("üstelle çok büyük") << "1e400" << sonsuz;
        QTest::newRow("üstelle çok büyük eksi") << "-1e400" << -sonsuz;
        QTest::newRow("üstelle çok küçük") << "1e-400" << 0.0;
        QTest::newRow("üstelle çok küçük eksi") << "-1e-400" << 0.0;
        QTest::newRow("basamaklar taşırır, üs eksi") << "1" + binSifir + "e-50" << sonsuz;
        QTest::newRow("basamaklar taşırır, işaretli") << "+1" + binSifir << sonsuz;
        QTest::newRow("basamaklar taşırır, eksi") << "-1" + binSifir + ".5" << -sonsuz;
        QTest::newRow("sıfırlar küçültür, üssüz") << "0." + binSifir + "1" << 0.0;
        QTest::newRow("sıfırlar küçültür, üs artı") << "-0." + binSifir + "1e+300" << 0.0;
        QTest::newRow("sıfırlar ve üs dengelenir") << "0." + binSifir.left(99) + "1e100" << 1.0;
        QTest::newRow("onaltılık çok büyük") << "0x1p5000" << sonsuz;
        QTest::newRow("onaltılık çok küçük") << "0x1p-5000" << 0.0;
    }
    void metinSayiyaAralikDisi()
    {
        QFETCH(QString, metin);
        const double deger = MetinSayiya(metin);
        QTEST(deger, "beklenen");
        QCOMPARE(std::signbit(deger), metin.startsWith(QLatin1Char('-')));
    }

    // The program's own numbers never depend on the locale it runs under.
    void yerelAyardanBagimsiz()
    {
        const QByteArray onceki = std::setlocale(LC_ALL, nullptr);
        for (const char* ayar : {"tr_TR.UTF-8", "de_DE.UTF-8", "C"}) {
            std::setlocale(LC_ALL, ayar);
            QCOMPARE(MetinSayiya(QStringLiteral("3.5abc")), 3.5);
            QCOMPARE(SayiMetni(2.25f, 2), QStringLiteral("2.25"));
        }
        std::setlocale(LC_ALL, onceki.constData());
    }

    void metinParcasiAl()
    {
        const QString metin = QStringLiteral("ab,,c");
        int konum = 0;
        QCOMPARE(MetinParcasiAl(metin, konum, QLatin1Char(','), false), QStringLiteral("ab"));
        QCOMPARE(konum, 2); // left on the separator
        QCOMPARE(MetinParcasiAl(metin, konum, QLatin1Char(','), true), QString());
        QCOMPARE(konum, 3);
        QCOMPARE(MetinParcasiAl(metin, konum, QLatin1Char(','), true), QString());
        QCOMPARE(MetinParcasiAl(metin, konum, QLatin1Char(','), true), QStringLiteral("c"));
        QCOMPARE(konum, 5);
        QCOMPARE(MetinParcasiAl(metin, konum, QLatin1Char(','), true), QString());
        QCOMPARE(konum, 5);
    }

    void virgulleAyir()
    {
        QVERIFY(!VirgulleAyir(QString()));
        QCOMPARE(*VirgulleAyir(QStringLiteral("1,,2")), QStringList({"1", "", "2"}));
        QCOMPARE(*VirgulleAyir(QStringLiteral("1,2,")), QStringList({"1", "2"}));
        QCOMPARE(*VirgulleAyir(QStringLiteral(",")), QStringList({""}));
    }

    void listeBirlestir()
    {
        QCOMPARE(ListeBirlestir(nullptr, QLatin1Char(','), true), QStringLiteral("0"));
        const QStringList bos;
        QCOMPARE(ListeBirlestir(&bos, QLatin1Char(','), true), QStringLiteral("0,"));
        QCOMPARE(ListeBirlestir(&bos, QLatin1Char(','), false), QString());
        const QStringList liste{"a", "ı", "ğ"};
        QCOMPARE(ListeBirlestir(&liste, QLatin1Char(','), true), QStringLiteral("3,a,ı,ğ"));
        QCOMPARE(ListeBirlestir(&liste, QLatin1Char(';'), false), QStringLiteral("a;ı;ğ"));
    }

    void kucukMetinIslemleri()
    {
        QCOMPARE(CiftMetni(3, 4), QStringLiteral("3é4é"));
        QCOMPARE(CiftMetni(-1, 10), QStringLiteral("-1é10é"));
        QCOMPARE(KarakterTekrar(QLatin1Char('x'), 3), QStringLiteral("xxx"));
        QCOMPARE(KarakterTekrar(QLatin1Char('x'), -2), QString());
        QCOMPARE(MetinTersCevir(QStringLiteral("kuş")), QStringLiteral("şuk"));
        QCOMPARE(MetinTersCevir(QString()), QString());
        QCOMPARE(TamsayiMetni(-2147483648LL), QStringLiteral("-2147483648"));
    }

    void tamsayiyaCevir_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("gecerli");
        QTest::addColumn<int>("deger");
        QTest::newRow("sade") << "12" << true << 12;
        QTest::newRow("boşluk ve işaret") << "  -7" << true << -7;
        QTest::newRow("artı") << "+5" << true << 5;
        QTest::newRow("en küçük") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("en büyük") << "2147483647" << true << 2147483647;
        QTest::newRow("taşan") << "2147483648" << false << 0;
        QTest::newRow("çok uzun") << "99999999999999999999999" << false << 0;
        QTest::newRow("yalnız eksi") << "-" << false << 0;
        QTest::newRow("yalnız artı") << "+" << false << 0;
        QTest::newRow("boş") << "" << false << 0;
        QTest::newRow("sondaki boşluk") << "5 " << false << 0;
        QTest::newRow("ondalık") << "2.0" << false << 0;
        QTest::newRow("Arapça rakam") << "\u0663" << false << 0;
    }
    void tamsayiyaCevir()
    {
        QFETCH(QString, metin);
        QFETCH(bool, gecerli);
        QFETCH(int, deger);
        const auto sonuc = TamsayiyaCevir(metin);
        QCOMPARE(sonuc.has_value(), gecerli);
        if (gecerli) {
            QCOMPARE(*sonuc, deger);
            QCOMPARE(TamsayiyaCevirVeyaHata(metin), deger);
        } else {
            try {
                TamsayiyaCevirVeyaHata(metin);
                QFAIL("dönüşüm hatası bekleniyordu");
            } catch (const DonusumHatasi& hata) {
                QCOMPARE(hata.Mesaj(), QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(metin));
            }
        }
    }

    void renkDonusumu()
    {
        QCOMPARE(RenkQ(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(RenkQ(0x9393C9), QColor(201, 147, 147));
        QCOMPARE(RenkQ(clNone).alpha(), 0);
        QCOMPARE(QRenk(QColor(128, 128, 255)), TRenk(0xFF8080));
        QCOMPARE(QRenk(RenkQ(clNone)), clNone);
    }
};

#include "metinler_test.moc"
ORVANTA_TEST(MetinlerTesti)
