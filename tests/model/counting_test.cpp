#include "giyimmodeli.h"
#include "testkaydi.h"

#include <QtTest>
#include <set>

Q_DECLARE_METATYPE(std::vector<QPoint>)

class GiyimModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void farkli_renkler_data()
    {
        QTest::addColumn<int>("cevap");
        QTest::addColumn<int>("adet");
        for (int cevap : {0, 9, -7, 1000000})
            QTest::addRow("hep_%d", cevap) << cevap << 8;
        QTest::newRow("paletten_fazla") << 3 << 15;
    }
    // A source that always answers the same still ends with distinct colours,
    // none of them the outline's.
    void farkli_renkler()
    {
        QFETCH(int, cevap);
        QFETCH(int, adet);
        const std::vector<TRenk> r = FarkliRenkler(adet, [cevap](int) { return cevap; });
        const std::set<TRenk> farkli(r.begin(), r.end());
        QCOMPARE(int(r.size()), std::min(adet, PALET_BOYU));
        QCOMPARE(farkli.size(), r.size());
        QVERIFY(!farkli.count(clNone) && !farkli.count(GIYSI_CIZGISI) && !farkli.count(clWhite));
    }

    void tum_giyimler_sirasi()
    {
        GiyimProblemi p;
        p.Kur(2, 3, [](int) { return 0; }); // shirts teal, red; trousers teal, red, yellow
        QStringList sira;
        for (const EsyaRenk& g : p.TumGiyimler())
            sira << QString::number(g.GomlekRengi, 16) + '/' + QString::number(g.PantolonRengi, 16);
        QCOMPARE(sira, QStringList({"808000/808000", "ff/808000", "808000/ff", "ff/ff", "808000/ffff", "ff/ffff"}));
    }

    void yerlesim_data()
    {
        QTest::addColumn<int>("adet");
        QTest::addColumn<int>("genislik");
        QTest::addColumn<std::vector<QPoint>>("yerler");
        QTest::addColumn<int>("yukseklik");
        // 270 + 100 is not past 370: the third stays in the first row.
        QTest::newRow("sinirda") << 4 << 370 << std::vector<QPoint>{{10, 10}, {140, 10}, {270, 10}, {10, 140}} << 300;
        QTest::newRow("bir_eksik") << 4 << 369 << std::vector<QPoint>{{10, 10}, {140, 10}, {10, 140}, {140, 140}}
                                   << 300;
        // The third row passes 300 pixels: the board grows to show it.
        QTest::newRow("uzar") << 5 << 300 << std::vector<QPoint>{{10, 10}, {140, 10}, {10, 140}, {140, 140}, {10, 270}}
                              << 410;
        QTest::newRow("dar") << 2 << 50 << std::vector<QPoint>{{10, 140}, {10, 270}} << 410;
    }
    void yerlesim()
    {
        QFETCH(int, adet);
        QFETCH(int, genislik);
        QFETCH(std::vector<QPoint>, yerler);
        QFETCH(int, yukseklik);
        const PanoYerlesimi y = KucukResimYerleri(adet, genislik, 300);
        QCOMPARE(y.Yerler, yerler);
        QCOMPARE(y.Yukseklik, yukseklik);
    }
};

#include "counting_test.moc"
ORVANTA_TEST(GiyimModeliTesti)
