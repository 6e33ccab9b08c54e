#include "boncukmodel.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QtTest>

Q_DECLARE_METATYPE(PulGirdisi::Durum)
Q_DECLARE_METATYPE(RenkKarari)

namespace {
// A box model of `boyut` with chips on the given cells, drawn from a scripted random source.
struct Kutu
{
    explicit Kutu(QSize boyut) { model.BoyutAyarla(boyut); }
    const BoncukOgesi& Ekle(int deger, QPoint hucre)
    {
        ortam.Rastgeleler = {hucre.x() / HUCRE, hucre.y() / HUCRE};
        return model.PulEkle(deger);
    }
    TestOrtami ortam;
    BoncukKutusuModeli model;
};
}

class BoncukModeliTesti : public QObject
{
    Q_OBJECT
    BoncukAyarlari onceki_;

private slots:
    void init() { onceki_ = BoncukAyarlari::Genel(); }
    void cleanup() { BoncukAyarlari::Genel() = onceki_; }

    void yaslama_data()
    {
        QTest::addColumn<QPoint>("nokta");
        QTest::addColumn<bool>("cift");
        QTest::addColumn<QPoint>("hucre");
        QTest::newRow("30_30") << QPoint(30, 30) << false << QPoint(0, 30);
        QTest::newRow("31_30") << QPoint(31, 30) << false << QPoint(30, 30);
        QTest::newRow("x_0") << QPoint(0, 45) << false << QPoint(0, 30);
        QTest::newRow("59_59") << QPoint(59, 59) << false << QPoint(30, 30);
        QTest::newRow("cift_61_10") << QPoint(61, 10) << true << QPoint(60, 0);
        QTest::newRow("cift_60_10") << QPoint(60, 10) << true << QPoint(0, 0);
        QTest::newRow("cift_x_0") << QPoint(0, 90) << true << QPoint(0, 90);
    }
    void yaslama()
    {
        QFETCH(QPoint, nokta);
        QFETCH(bool, cift);
        QTEST(Yasla(nokta, cift), "hucre");
    }

    void islem_satiri_data()
    {
        QTest::addColumn<QString>("satir");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("cikarma");
        QTest::addColumn<QString>("sonuc");
        QTest::newRow("ilk_arti") << QString() << 3 << false << QStringLiteral("(+3)");
        QTest::newRow("sonra_eksi") << QStringLiteral("(+3)") << 2 << true << QStringLiteral("(+3)-(+2)");
        QTest::newRow("sonra_negatif") << QStringLiteral("(+3)-(+2)") << -4 << false
                                       << QStringLiteral("(+3)-(+2)+(-4)");
        QTest::newRow("ilk_cikarma") << QString() << 3 << true << QStringLiteral("-(+3)");
        QTest::newRow("ilk_negatif") << QString() << -3 << false << QStringLiteral("(-3)");
        QTest::newRow("ilk_negatif_cikarma") << QString() << -99 << true << QStringLiteral("-(-99)");
    }
    void islem_satiri()
    {
        QFETCH(QString, satir);
        QFETCH(int, n);
        QFETCH(bool, cikarma);
        QTEST(IslemSatiri(satir, n, cikarma), "sonuc");
    }

    void pul_girdisi_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<PulGirdisi::Durum>("durum");
        QTest::addColumn<int>("sayi");
        QTest::newRow("bos") << QString() << PulGirdisi::Yok << 0;
        QTest::newRow("eksi") << QStringLiteral("-") << PulGirdisi::Yok << 0;
        QTest::newRow("sifir") << QStringLiteral("0") << PulGirdisi::Yok << 0;
        QTest::newRow("arti_eksi") << QStringLiteral("+-3") << PulGirdisi::Yok << 0;
        QTest::newRow("arti_uc") << QStringLiteral("+3") << PulGirdisi::Tamam << 3;
        QTest::newRow("99") << QStringLiteral("99") << PulGirdisi::Tamam << 99;
        QTest::newRow("eksi_99") << QStringLiteral("-99") << PulGirdisi::Tamam << -99;
        QTest::newRow("100") << QStringLiteral("100") << PulGirdisi::Fazla << 100;
        QTest::newRow("eksi_100") << QStringLiteral("-100") << PulGirdisi::Fazla << -100;
        QTest::newRow("32_bit_disi") << QStringLiteral("99999999999") << PulGirdisi::Yok << 0;
    }
    void pul_girdisi()
    {
        QFETCH(QString, metin);
        QFETCH(PulGirdisi::Durum, durum);
        const PulGirdisi g = PulGirdisiOku(metin);
        QCOMPARE(g.Sonuc, durum);
        if (durum != PulGirdisi::Yok)
            QTEST(g.Sayi, "sayi");
    }

    void renk_secimi_data()
    {
        QTest::addColumn<int>("deger");
        QTest::addColumn<TRenk>("renk");
        QTest::addColumn<RenkKarari>("karar");
        QTest::newRow("kendi_rengi") << 1 << clBlue << RenkKarari::Degismez;
        QTest::newRow("eksinin_rengi") << 1 << clRed << RenkKarari::Kullanilmis;
        QTest::newRow("yuksuzun_rengi") << -1 << clWhite << RenkKarari::Kullanilmis;
        QTest::newRow("kutunun_rengi") << 0 << KUTU_RENGI << RenkKarari::Kullanilmis;
        QTest::newRow("yeni") << 1 << clLime << RenkKarari::Yeni;
    }
    void renk_secimi()
    {
        QFETCH(int, deger);
        QFETCH(TRenk, renk);
        QTEST(RenkSecimi(deger, renk), "karar");
    }

    // A +1 dropped onto a -1, and a -1 onto a +1: the pair takes the receiving
    // chip's place, twice as wide, with the receiver's sign first.
    void eslestirme_hedefin_yerinde_data()
    {
        QTest::addColumn<int>("hedefDegeri");
        QTest::newRow("arti_eksiye") << -1;
        QTest::newRow("eksi_artiya") << 1;
    }
    void eslestirme_hedefin_yerinde()
    {
        QFETCH(int, hedefDegeri);
        Kutu k(QSize(600, 400));
        const int hedef = k.Ekle(hedefDegeri, QPoint(60, 90)).No;
        const int kaynak = k.Ekle(-hedefDegeri, QPoint(300, 30)).No;
        const auto sonuc = k.model.Eslestir(kaynak, hedef);
        QCOMPARE(sonuc.Karar, Eslesme::Cift);
        const BoncukOgesi* cift = k.model.Oge(sonuc.CiftNo);
        QCOMPARE(cift->Alan, QRect(60, 90, 50, 25));
        QCOMPARE(cift->IlkPozitif, hedefDegeri == 1);
        // Readers hear the signs in the order they are drawn.
        QCOMPARE(BoncukAdi(*cift), hedefDegeri == 1 ? QStringLiteral("yüksüz çift: +1 ve -1")
                                                    : QStringLiteral("yüksüz çift: -1 ve +1"));
        QCOMPARE(BoncukAdi(*k.model.Oge(hedef)), hedefDegeri == 1 ? QStringLiteral("+1 pulu") : QStringLiteral("-1 pulu"));
        QVERIFY(cift->Cift && k.model.Oge(kaynak)->Gizli && k.model.Oge(hedef)->Gizli);
        QCOMPARE(k.model.Toplam(), 0);
        // A paired chip takes part in no other pairing; a pair and the same sign are refused.
        const int yeni = k.Ekle(hedefDegeri, QPoint(300, 300)).No;
        QCOMPARE(k.model.Eslestir(kaynak, yeni).Karar, Eslesme::Yok);
        QCOMPARE(k.model.Eslestir(yeni, kaynak).Karar, Eslesme::Yok);
        QCOMPARE(k.model.Eslestir(sonuc.CiftNo, yeni).Karar, Eslesme::Yuksuz);
        QCOMPARE(k.model.Eslestir(yeni, yeni).Karar, Eslesme::AyniDeger);
    }

    // Lookups find the newest thing (right and bottom edges outside), hidden
    // chips included, so a move onto a paired chip's cell is refused.
    void nokta_ve_tasima()
    {
        Kutu k(QSize(600, 400));
        const int eksi = k.Ekle(-1, QPoint(30, 30)).No;
        const int arti = k.Ekle(1, QPoint(120, 30)).No;
        const int tek = k.Ekle(1, QPoint(300, 300)).No;
        QCOMPARE(k.model.NoktadakiOge(QPoint(54, 54)), eksi);
        QCOMPARE(k.model.NoktadakiOge(QPoint(55, 30)), -1);
        QCOMPARE(k.model.NoktadakiOge(QPoint(30, 55)), -1);
        const int cift = k.model.Eslestir(arti, eksi).CiftNo;
        QCOMPARE(k.model.NoktadakiOge(QPoint(79, 40)), cift);
        QCOMPARE(k.model.NoktadakiOge(QPoint(120, 30)), arti);
        QVERIFY(!k.model.Tasi(tek, QPoint(125, 35)));  // the hidden +1
        QVERIFY(!k.model.Tasi(tek, QPoint(61, 40)));   // the pair's right half
        QVERIFY(!k.model.Tasi(cift, QPoint(301, 310))); // a chip
        QVERIFY(!k.model.Tasi(arti, QPoint(400, 100))); // a hidden chip does not move
        for (QPoint disari : {QPoint(-5, -5), QPoint(600, 10), QPoint(10, 400)})
            QVERIFY(!k.model.TasimaKabul(tek, disari));
        QVERIFY(k.model.Tasi(tek, QPoint(310, 310)));
        QVERIFY(k.model.Tasi(tek, QPoint(211, 250)));
        QCOMPARE(k.model.Oge(tek)->Alan, QRect(210, 240, 25, 25));
        QCOMPARE(k.model.NoktadakiOge(QPoint(300, 300)), -1);
        QVERIFY(k.model.Tasi(cift, QPoint(200, 100)));
        QCOMPARE(k.model.Oge(cift)->Alan, QRect(180, 90, 50, 25));
        QCOMPARE(k.model.NoktadakiOge(QPoint(40, 40)), eksi);
    }

    // A full box places the chip on the 50th candidate; a free cell ends the search at once.
    void dolu_kutu_ellinci_aday()
    {
        Kutu k(QSize(90, 90)); // two columns, two rows
        for (QPoint h : {QPoint(0, 0), QPoint(30, 0), QPoint(0, 30), QPoint(30, 30)})
            QCOMPARE(k.Ekle(1, h).Alan.topLeft(), h);
        k.ortam.Rastgeleler.assign(2 * (BOS_HUCRE_DENEMESI - 1), 0);
        k.ortam.Rastgeleler.insert(k.ortam.Rastgeleler.end(), {1, 0, 7, 7});
        const BoncukOgesi& son = k.model.PulEkle(-1);
        QCOMPARE(son.Alan.topLeft(), QPoint(30, 0));
        QCOMPARE(k.ortam.Rastgeleler.size(), size_t(2));
        QCOMPARE(k.model.NoktadakiOge(QPoint(30, 0)), son.No);
        QCOMPARE(k.model.Toplam(), 3);
        k.model.Temizle();
        QCOMPARE(k.model.Toplam(), 0);
        QCOMPARE(k.model.NoktadakiOge(QPoint(30, 0)), -1);
        k.ortam.Rastgeleler = {1, 1, 9, 9};
        QCOMPARE(k.model.PulEkle(1).Alan.topLeft(), QPoint(30, 30));
        QCOMPARE(k.ortam.Rastgeleler.size(), size_t(2));
    }

    // A box with no whole column or row, also before it has a size, falls back to the corner cell.
    void dar_kutu_data()
    {
        QTest::addColumn<QSize>("boyut");
        QTest::addColumn<QPoint>("ilk");
        QTest::newRow("boyutsuz") << QSize(0, 0) << QPoint(0, 0);
        QTest::newRow("tek_hucreden_dar") << QSize(29, 29) << QPoint(0, 0);
        QTest::newRow("iki_hucreden_dar") << QSize(59, 59) << QPoint(0, 0);
        QTest::newRow("yalniz_dar") << QSize(20, 400) << QPoint(0, 60);
        QTest::newRow("yalniz_alcak") << QSize(400, 20) << QPoint(60, 0);
    }
    void dar_kutu()
    {
        QFETCH(QSize, boyut);
        Kutu k(boyut);
        k.ortam.Rastgeleler = {2, 2};
        QTEST(k.model.PulEkle(1).Alan.topLeft(), "ilk");
        const BoncukOgesi& son = k.model.PulEkle(1);
        QCOMPARE(son.Alan.topLeft(), QPoint(0, 0));
        QCOMPARE(k.model.NoktadakiOge(QPoint(0, 0)), son.No);
    }

    void toplam_ve_renkleri()
    {
        Kutu k(QSize(600, 400));
        for (int i = 0; i < 3; ++i)
            k.Ekle(-1, QPoint(30 * i, 0));
        QCOMPARE(k.model.Toplam(), -3);
        QCOMPARE(ToplamRengi(k.model.Toplam()), clRed);
        for (int i = 0; i < 3; ++i)
            k.Ekle(1, QPoint(30 * i, 60));
        QCOMPARE(ToplamRengi(k.model.Toplam()), clWhite);
        QVERIFY(BoncukRengiAyarla(1, clLime) && !BoncukRengiAyarla(2, clLime));
        QCOMPARE(ToplamRengi(7), clLime);
        QCOMPARE(BoncukRengi(2), clNone);
    }
};

#include "boncukmodel_test.moc"
ORVANTA_TEST(BoncukModeliTesti)
