#include "cebirselhucre.h"
#include "Hesapla.h"
#include "Spreadsheetdegiskenler.h"
#include "testkaydi.h"

#include <QtTest>
#include <random>

namespace {

// A sheet written as "A1=2;B1=A1*3" (';' separates cells, the first '=' the name).
void SayfaDoldur(BellekTablosu& tablo, const QString& sayfa)
{
    for (const QString& hucre : sayfa.split(u';', Qt::SkipEmptyParts)) {
        const int esit = int(hucre.indexOf(u'='));
        tablo.HucreYaz(hucre.left(esit), hucre.mid(esit + 1));
    }
}

class BellekDegiskenTablosu : public DegiskenTablosu
{
public:
    int SatirSayisi() const override { return satir; }
    void SatirSayisiAyarla(int n) override { satir = n; }
    void GecerliSatirAyarla(int n) override { gecerli = n; }
    void HucreYaz(int sutun, int s, const QString& metin) override
    {
        QVERIFY(s < satir);
        hucreler[{sutun, s}] = metin;
    }
    int satir = 20;
    int gecerli = -1;
    QMap<QPair<int, int>, QString> hucreler;
};

struct Sonuc
{
    bool basarili;
    double deger;
    int dongu;
    bool operator==(const Sonuc& o) const { return basarili == o.basarili && deger == o.deger && dongu == o.dongu; }
};

Sonuc Degerlendir(Hesapla& hesap, const QString& metin)
{
    double d = 0;
    const bool b = IfadeHesapla(hesap, metin, d);
    return {b, d, hesap.DonguBayragi};
}

} // namespace

// Cell references, variables and cycles, without a window.
class DegiskenlerTesti : public QObject
{
    Q_OBJECT

private slots:
    void hucreAdlari_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<bool>("hucre");
        QTest::addColumn<int>("sutun");
        QTest::addColumn<int>("satir");
        QTest::newRow("A1") << "A1" << true << 1 << 1;
        QTest::newRow("AB") << "AB3" << true << 2 << 3;
        QTest::newRow("BA") << "BA1" << true << 28 << 1;
        QTest::newRow("sifirli") << "A007" << true << 1 << 7;
        QTest::newRow("yalniz_harf") << "X" << false << 0 << 0;
        QTest::newRow("yalniz_rakam") << "12" << false << 0 << 0;
        QTest::newRow("rakamdan_sonra_harf") << "A1B" << false << 0 << 0;
        QTest::newRow("turkce_harf") << "Ç1" << false << 0 << 0;
        QTest::newRow("bos") << "" << false << 0 << 0;
    }
    void hucreAdlari()
    {
        QFETCH(QString, ad);
        QFETCH(bool, hucre);
        QFETCH(int, sutun);
        QFETCH(int, satir);
        const auto adres = HucreAdiCoz(ad);
        QCOMPARE(adres.has_value(), hucre);
        if (hucre) {
            QCOMPARE(adres->Sutun, sutun);
            QCOMPARE(adres->Satir, satir);
        }
    }

    void uzunSutunHarfleriTabloDisinda()
    {
        const auto adres = HucreAdiCoz(QStringLiteral("Z").repeated(40) + QStringLiteral("1"));
        QVERIFY(adres.has_value());
        QVERIFY(adres->Sutun > 1000);
    }

    void sayfa_data()
    {
        QTest::addColumn<QString>("sayfa");
        QTest::addColumn<QString>("ifade");
        QTest::addColumn<bool>("basarili");
        QTest::addColumn<double>("beklenen");
        QTest::addColumn<int>("dongu");
        QTest::newRow("basit_basvuru") << "A1=2;B1=A1*3" << "B1" << true << 6.0 << 0;
        QTest::newRow("zincir") << "A1=2;A2=A1+1;A3=A2*A2" << "A3+1" << true << 10.0 << 0;
        QTest::newRow("tirnakli_basvuru") << "A1=2" << "?A1~*5" << true << 10.0 << 0;
        QTest::newRow("dogrudan_dongu") << "A1=A1" << "A1" << true << 0.0 << 1;
        QTest::newRow("dolayli_dongu") << "A1=B1;B1=C1;C1=A1+1" << "A1+1" << true << 1.0 << 1;
        QTest::newRow("ayni_hucrenin_iki_adi") << "A1=AA1" << "A1" << true << 0.0 << 1;
        QTest::newRow("donguden_sonra_basvurular_sifir") << "A1=A1;B1=5" << "A1+B1" << true << 0.0 << 1;
        QTest::newRow("donguden_once_basvuru_sayilir") << "A1=A1;B1=5" << "B1+A1" << true << 5.0 << 1;
        QTest::newRow("ayni_dolu_hucre_iki_kez") << "A1=3" << "A1+A1" << true << 6.0 << 0;
        QTest::newRow("ayni_hucre_iki_yoldan") << "A1=3;B1=A1;C1=A1" << "B1*C1" << true << 9.0 << 0;
        QTest::newRow("hatali_hucre_zincirde") << "A1=1/0;B1=A1+1" << "B1*2" << true << 2.0 << 0;
        QTest::newRow("satir_sifir") << "" << "A0+1" << true << 1.0 << 0;
        QTest::newRow("tablo_disi_sutun") << "" << "E1+1" << true << 1.0 << 0;
        QTest::newRow("tablo_disi_satir") << "" << "A10+1" << true << 1.0 << 0;
        QTest::newRow("X1_tablo_disi") << "" << "X1+1" << true << 1.0 << 0;
        QTest::newRow("kucuk_x1_degisken") << "" << "x1+1" << true << 1.0 << 0;
        QTest::newRow("tasan_satir_numarasi") << "A1=4" << "A99999999999+A1" << true << 4.0 << 0;
        QTest::newRow("degisken") << "" << "2X" << true << 8.0 << 0;
        QTest::newRow("hucrede_degisken") << "A1=X*X" << "A1+X" << true << 20.0 << 0;
        QTest::newRow("bilinmeyen_degisken") << "" << "Y+1" << true << 1.0 << 0;
        QTest::newRow("buyuk_SIN_degisken") << "A1=SIN 30" << "A1" << true << 0.0 << 0;
        QTest::newRow("ust_duzeyde_hata") << "A1=0" << "1/A1" << false << 0.0 << 0;
        QTest::newRow("hucre_ucondalik") << "A1=1/3" << "A1*3" << true << 0.999 << 0;
    }
    void sayfa()
    {
        QFETCH(QString, sayfa);
        QFETCH(QString, ifade);
        QFETCH(bool, basarili);
        QFETCH(double, beklenen);
        QFETCH(int, dongu);
        BellekTablosu tablo;
        SayfaDoldur(tablo, sayfa);
        Spreadsheetdegiskenler cozucu(&tablo);
        cozucu.Ayarla(QStringLiteral("X"), 4);
        Hesapla hesap(&cozucu);
        const Sonuc duz = Degerlendir(hesap, ifade);
        QCOMPARE(duz.basarili, basarili);
        QVERIFY2(qAbs(duz.deger - beklenen) < 1e-9, qPrintable(QString::number(duz.deger)));
        QCOMPARE(duz.dongu, dongu);
        QVERIFY(hesap.HesaplananAdlar.isEmpty());
        // The value memory changes nothing, cycles included.
        BellekOturumu oturum(&cozucu);
        QVERIFY(Degerlendir(hesap, ifade) == duz);
        QVERIFY(Degerlendir(hesap, ifade) == duz);
    }

    void bilinen()
    {
        BellekTablosu tablo;
        Spreadsheetdegiskenler cozucu(&tablo);
        QVERIFY(cozucu.Bilinen(QStringLiteral("A1")));
        QVERIFY(cozucu.Bilinen(QStringLiteral("Z10")));
        QVERIFY(!cozucu.Bilinen(QStringLiteral("A11")));
        QVERIFY(!cozucu.Bilinen(QStringLiteral("A99999999999")));
        QVERIFY(!cozucu.Bilinen(QStringLiteral("X")));
        Spreadsheetdegiskenler tablosuz(nullptr);
        QVERIFY(!tablosuz.Bilinen(QStringLiteral("A1")));
        QCOMPARE(tablosuz.Deger(QStringLiteral("A1"), nullptr), 0.0);
        // Without an evaluator a cell reads as the number its text begins with.
        tablo.HucreYaz(QStringLiteral("B2"), QStringLiteral("12.5+1"));
        QCOMPARE(cozucu.Deger(QStringLiteral("B2"), nullptr), 12.5);
    }

    // Each cell refers twice to the one before: 2^35 evaluations without the
    // memory, one per cell with it, and the same values.
    void ikiyeKatlananSayfa()
    {
        BellekTablosu tablo;
        QString onceki;
        int k = 0;
        for (int sutun = 1; sutun <= 4; ++sutun)
            for (int satir = 1; satir <= 9; ++satir, ++k) {
                const QString ad = QString(QChar(char16_t(u'A' + sutun - 1))) + QString::number(satir);
                tablo.HucreYaz(ad, onceki.isEmpty() ? QStringLiteral("1") : onceki + QLatin1Char('+') + onceki);
                onceki = ad;
            }
        Spreadsheetdegiskenler cozucu(&tablo);
        Hesapla hesap(&cozucu);
        BellekOturumu oturum(&cozucu);
        const long long once = cozucu.HucreDegerlendirmeSayisi();
        double son = 0;
        for (int sutun = 1; sutun <= 4; ++sutun)
            for (int satir = 1; satir <= 9; ++satir) {
                double d = 0;
                QVERIFY(IfadeHesapla(hesap, tablo.HucreMetni(sutun, satir), d));
                son = d;
            }
        QCOMPARE(son, 34359738368.0); // 2^35
        QVERIFY(cozucu.HucreDegerlendirmeSayisi() - once <= 36);
    }

    // Random small sheets, cycles and errors included: the memory gives
    // exactly what the plain recursive evaluation gives, cell by cell.
    void bellekDuzEvaluationIleAyni()
    {
        std::mt19937 uretec(20261206);
        const QStringList parcalar = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0"),
                                      QStringLiteral("X")};
        const QStringList islecler = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"),
                                      QStringLiteral("/"), QStringLiteral("^"), QStringLiteral("%")};
        auto rastgele = [&](int n) { return int(uretec() % unsigned(n)); };
        auto hucreAdi = [&] {
            return QString(QChar(char16_t(u'A' + rastgele(4)))) + QString::number(1 + rastgele(9));
        };
        int donguSayisi = 0;
        for (int deneme = 0; deneme < 300; ++deneme) {
            BellekTablosu tablo;
            for (int h = 0; h < 8; ++h) {
                QString ifade;
                const int uzunluk = 1 + rastgele(3);
                for (int i = 0; i < uzunluk; ++i) {
                    if (i > 0)
                        ifade += islecler[rastgele(int(islecler.size()))];
                    ifade += rastgele(2) ? hucreAdi() : parcalar[rastgele(int(parcalar.size()))];
                }
                tablo.HucreYaz(hucreAdi(), ifade);
            }
            Spreadsheetdegiskenler cozucu(&tablo);
            cozucu.Ayarla(QStringLiteral("X"), 3);
            Hesapla hesap(&cozucu);
            QList<QPair<QString, Sonuc>> duz;
            for (int sutun = 1; sutun <= 4; ++sutun)
                for (int satir = 1; satir <= 9; ++satir) {
                    const QString metin = tablo.HucreMetni(sutun, satir);
                    duz.append({metin, Degerlendir(hesap, metin)});
                    donguSayisi += duz.last().second.dongu;
                }
            BellekOturumu oturum(&cozucu);
            for (const auto& [metin, beklenen] : duz)
                QVERIFY2(Degerlendir(hesap, metin) == beklenen, qPrintable(metin));
        }
        QVERIFY(donguSayisi > 0);
    }

    void degiskenAyarla()
    {
        Mysayidegiskenler d;
        QVERIFY(!d.Ayarla(QString(), 1));
        QVERIFY(d.Ayarla(QStringLiteral("X"), 4));
        QVERIFY(d.Ayarla(QStringLiteral("Y"), 2));
        QVERIFY(d.Ayarla(QStringLiteral("X"), 5));
        QCOMPARE(d.Liste().Sayi(), 2);
        QCOMPARE(d.Liste().Oge(0)->Ad, QStringLiteral("X"));
        QCOMPARE(d.Deger(QStringLiteral("X"), nullptr), 5.0);
        QVERIFY(d.Bilinen(QStringLiteral("Y")));
        QVERIFY(!d.Bilinen(QStringLiteral("x")));
        d.VarolaniAyarla(QStringLiteral("Z"), 9);
        QVERIFY(!d.Bilinen(QStringLiteral("Z")));
        QVERIFY(d.Sil(QStringLiteral("X")));
        QVERIFY(!d.Sil(QStringLiteral("X")));
        QCOMPARE(d.Deger(QStringLiteral("X"), nullptr), 0.0);
    }

    void goster()
    {
        Mysayidegiskenler d;
        QVERIFY(!d.Goster(nullptr));
        BellekDegiskenTablosu tablo;
        tablo.hucreler[{0, 5}] = QStringLiteral("eski");
        d.Ayarla(QStringLiteral("X"), 4);
        d.Ayarla(QStringLiteral("PI"), 3.14159);
        QVERIFY(d.Goster(&tablo));
        QCOMPARE(tablo.hucreler.value({0, 0}), QStringLiteral("Değişkenler"));
        QCOMPARE(tablo.hucreler.value({1, 0}), QStringLiteral("Değerler"));
        QCOMPARE(tablo.hucreler.value({0, 2}), QStringLiteral("PI"));
        QCOMPARE(tablo.hucreler.value({1, 2}), QStringLiteral("3.14159"));
        QCOMPARE(tablo.hucreler.value({0, 5}), QStringLiteral("eski"));
        QCOMPARE(tablo.gecerli, 3);
        QCOMPARE(tablo.satir, 20);
        // More variables than the 19 rows: the table grows to show them all.
        for (int i = 0; i < 25; ++i)
            d.Ayarla(QStringLiteral("V") + QString(QChar(char16_t(u'A' + i))), i);
        QVERIFY(d.Goster(&tablo));
        QCOMPARE(tablo.satir, 29);
        QCOMPARE(tablo.gecerli, 28);
        QCOMPARE(tablo.hucreler.value({0, 27}), QStringLiteral("VY"));
        QCOMPARE(tablo.hucreler.value({1, 27}), QStringLiteral("24"));
    }

    void genelSayiMetni_data()
    {
        QTest::addColumn<double>("deger");
        QTest::addColumn<QString>("metin");
        QTest::newRow("tamsayi") << 4.0 << "4";
        QTest::newRow("sifir") << 0.0 << "0";
        QTest::newRow("ondalik") << 2.5 << "2.5";
        QTest::newRow("negatif") << -0.25 << "-0.25";
        QTest::newRow("on_bes_basamak") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("buyuk") << 1e20 << "1E20";
        QTest::newRow("kucuk") << -1e-7 << "-1E-7";
        QTest::newRow("sonsuz") << qInf() << "INF";
    }
    void genelSayiMetni()
    {
        QFETCH(double, deger);
        QFETCH(QString, metin);
        QCOMPARE(GenelSayiMetni(deger), metin);
    }

    void hucreGosterimi_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("aciklama");
        QTest::addColumn<QString>("gosterim");
        QTest::newRow("bos") << "" << true << "";
        QTest::newRow("toplam") << "2+3" << false << "5.0";
        QTest::newRow("aciklama_buyuk_harfsiz") << "2+3" << true << "5.0";
        QTest::newRow("aciklama_basvuru") << "B1*2" << true << "B1*2=10.0";
        QTest::newRow("aciklamasiz_basvuru") << "B1*2" << false << "10.0";
        QTest::newRow("aciklama_hata") << "B1/0" << true << "B1/0=İfadede hata var!";
        QTest::newRow("sifira_bolme") << "1/0" << false << "İfadede hata var!";
        QTest::newRow("eksi_sifir") << "-0" << false << "0.0";
        QTest::newRow("eksi_basvuru") << "-B1" << true << "-B1=-5.0";
        QTest::newRow("bir_ondalik") << "1/3" << false << "0.3";
        QTest::newRow("yuvarlama") << "0.25" << false << "0.2";
        QTest::newRow("buyuk_SIN") << "SIN 30" << false << "0.0";
        QTest::newRow("kucuk_harf_aciklamasiz") << "sin 30" << true << "0.5";
    }
    void hucreGosterimi()
    {
        QFETCH(QString, metin);
        QFETCH(bool, aciklama);
        QFETCH(QString, gosterim);
        BellekTablosu tablo;
        tablo.HucreYaz(QStringLiteral("B1"), QStringLiteral("2+3"));
        Spreadsheetdegiskenler cozucu(&tablo);
        Hesapla hesap(&cozucu);
        QCOMPARE(HucreGosterimi(hesap, metin, aciklama), gosterim);
    }
};

#include "degiskenler_test.moc"
ORVANTA_TEST(DegiskenlerTesti)
