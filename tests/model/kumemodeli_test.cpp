#include "kumebolgeleri.h"
#include "kumelistesi.h"
#include "metinler.h"
#include "testkaydi.h"

#include <QLocale>
#include <QtTest>
#include <clocale>

namespace {
// The exercise's design board: 750 x 354, r = 152, A at (162, 177), B at (324, 177).
KumeBolgeModeli IkiCember()
{
    KumeBolgeModeli m;
    m.CemberEkle({162, 177}, 152);
    m.CemberEkle({324, 177}, 152);
    return m;
}

QString Sirala(const QStringList& girdi)
{
    QStringList liste;
    for (const QString& s : girdi)
        SiraliEkle(liste, s);
    return liste.join(QLatin1Char(','));
}
}

class KumeModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void noktaCiftler_eksik_kayit()
    {
        NoktaCiftler l;
        QCOMPARE(l.Count(), 0);
        QVERIFY(!l.Get(0));
        QCOMPARE(l.Nokta(3), QPoint(-1, -1));
        QCOMPARE(l.Deger(-1), 0);
        l.NoktaAyarla(0, {5, 5}); // nothing to write to
        l.DegerAyarla(0, 7);
        QCOMPARE(l.Count(), 0);
        l.GrowTo(3, NoktaCift({-1, -1}, 0));
        QCOMPARE(l.Count(), 3);
        l.GrowTo(2, NoktaCift({9, 9}, 9)); // never shrinks
        QCOMPARE(l.Count(), 3);
        l.NoktaAyarla(1, {4, 5});
        l.DegerAyarla(1, 1);
        l.Delete(0);
        l.Delete(7);
        QCOMPARE(l.Count(), 2);
        QCOMPARE(l.Nokta(0), QPoint(4, 5));
        QCOMPARE(l.Deger(0), 1);
        l.Clear();
        QCOMPARE(l.Count(), 0);
    }

    void bolge_numaralari_data()
    {
        QTest::addColumn<QPoint>("nokta");
        QTest::addColumn<int>("bolge");
        QTest::addRow("iki cemberin disi") << QPoint(700, 20) << 0;
        QTest::addRow("yalniz B") << QPoint(420, 177) << 1;
        QTest::addRow("yalniz A") << QPoint(60, 177) << 2;
        QTest::addRow("kesisim") << QPoint(243, 177) << 3;
        QTest::addRow("A cemberinin ustunde, B disinda") << QPoint(10, 177) << 2;
        QTest::addRow("B cemberinin ustunde, A disinda") << QPoint(476, 177) << 1;
        QTest::addRow("A cemberinin hemen disi") << QPoint(9, 177) << 0;
        QTest::addRow("A cemberinin tepesi") << QPoint(162, 25) << 2;
        QTest::addRow("B cemberinin ustunde, A icinde") << QPoint(172, 177) << 3;
        QTest::addRow("cok uzak nokta") << QPoint(2000000000, -2000000000) << 0;
    }
    void bolge_numaralari()
    {
        QFETCH(QPoint, nokta);
        QFETCH(int, bolge);
        const KumeBolgeModeli m = IkiCember();
        QCOMPARE(m.RegionCount(), 4);
        QCOMPARE(m.RegionAt(nokta), bolge);
    }

    void cembersiz_her_nokta_sifirda()
    {
        KumeBolgeModeli m;
        QCOMPARE(m.CircleCount(), 0);
        QCOMPARE(m.RegionCount(), 1);
        QCOMPARE(m.RegionAt({0, 0}), 0);
        QCOMPARE(m.RegionAt({300, 200}), 0);
        QVERIFY(!m.InCircle(0, {0, 0}));
    }

    void gecersiz_cember_bir_sey_icermez_data()
    {
        QTest::addColumn<QPoint>("merkez");
        QTest::addColumn<int>("yaricap");
        QTest::addRow("yaricap sifir") << QPoint(50, 50) << 0;
        QTest::addRow("merkez x -1") << QPoint(-1, 50) << 500;
        QTest::addRow("merkez y -1") << QPoint(50, -1) << 500;
    }
    void gecersiz_cember_bir_sey_icermez()
    {
        QFETCH(QPoint, merkez);
        QFETCH(int, yaricap);
        KumeBolgeModeli m;
        m.CemberEkle(merkez, yaricap);
        QVERIFY(!m.InCircle(0, merkez == QPoint(50, 50) ? QPoint(50, 50) : QPoint(60, 60)));
        QCOMPARE(m.RegionAt({50, 50}), 0);
    }

    void cember_harfleri_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("harf");
        const char* harfler[] = {"A", "B", "C", "D", "F", "G", "H"};
        for (int k = 0; k < 7; ++k)
            QTest::addRow("%d", k) << k << QString::fromLatin1(harfler[k]);
        QTest::addRow("24") << 24 << QStringLiteral("Z");
    }
    void cember_harfleri()
    {
        QFETCH(int, k);
        QFETCH(QString, harf);
        QCOMPARE(KumeBolgeModeli::CircleLetter(k), harf);
    }

    void en_cok_yirmi_bes_cember()
    {
        KumeBolgeModeli m;
        for (int k = 0; k < 25; ++k)
            QVERIFY(m.CemberEkle({10 + k, 10}, 5));
        QVERIFY(!m.CemberEkle({100, 100}, 5));
        QCOMPARE(m.CircleCount(), 25);
    }

    void birakma_izinleri_data()
    {
        QTest::addColumn<int>("etiket");
        QTest::addColumn<int>("bolge");
        QTest::addColumn<bool>("izin");
        for (int bolge = 0; bolge < 4; ++bolge) {
            QTest::addRow("ilk kelime bolge %d", bolge) << 1 << bolge << (bolge == 2 || bolge == 3);
            QTest::addRow("ikinci kelime bolge %d", bolge) << 2 << bolge << (bolge == 1 || bolge == 3);
            QTest::addRow("etiketsiz bolge %d", bolge) << 0 << bolge << true;
            QTest::addRow("etiket 7 bolge %d", bolge) << 7 << bolge << true;
        }
    }
    void birakma_izinleri()
    {
        QFETCH(int, etiket);
        QFETCH(int, bolge);
        QFETCH(bool, izin);
        QCOMPARE(KumeBolgeModeli::CanDropInRegion(etiket, bolge), izin);
    }

    void bolgedeki_elemanlar_sol_ust_koseden()
    {
        const KumeBolgeModeli m = IkiCember();
        // The corner of "k" lies in B only, its body reaches back into A.
        const std::vector<KumeKarosu> karolar = {
            {{60, 177}, QStringLiteral("n")}, {{420, 177}, QStringLiteral("k")}, {{40, 150}, QStringLiteral("a")},
            {{243, 177}, QStringLiteral("t")}, {{50, 160}, QStringLiteral("A")}};
        QVERIFY(!m.ElementsInRegion(karolar, 0));
        QCOMPARE(m.ElementsInRegion(karolar, 1)->join(','), QStringLiteral("k"));
        // The last tile comes first, so "A" stands for the letter a.
        QCOMPARE(m.ElementsInRegion(karolar, 2)->join(','), QStringLiteral("A,n"));
        QCOMPARE(m.ElementsInRegion(karolar, 3)->join(','), QStringLiteral("t"));
        // The check compares exactly: "A" and "a" are two elements there.
        QCOMPARE(m.BolgedekiMetinler(karolar, 2), (QSet<QString>{"A", "a", "n"}));
        QVERIFY(!m.ElementsInRegion({}, 2));
        QCOMPARE(m.BolgelerMetni(karolar, {2, 3}), QStringLiteral("A,n,t"));
        QCOMPARE(m.BolgelerMetni(karolar, {1, 2, 3}), QStringLiteral("A,k,n,t"));
        QCOMPARE(m.BolgelerMetni(karolar, {0}), QString());
        QCOMPARE(m.BolgelerMetni({}, {1, 2, 3}), QString());
    }

    void turkce_siralama_data()
    {
        QTest::addColumn<QStringList>("girdi");
        QTest::addColumn<QString>("beklenen");
        QTest::addRow("alfabe") << QStringList{"z", "ü", "u", "ş", "s", "ö", "o", "ı", "i", "ğ", "g", "ç", "c", "a"}
                                << QStringLiteral("a,c,ç,g,ğ,ı,i,o,ö,s,ş,u,ü,z");
        QTest::addRow("noktali ve noktasiz buyuk harf")
            << QStringList{"İ", "I", "i", "ı"} << QStringLiteral("I,İ");
        QTest::addRow("I ile i ayni degil") << QStringList{"I", "i"} << QStringLiteral("I,i");
        QTest::addRow("İ ile ı ayni degil") << QStringList{"ı", "İ"} << QStringLiteral("ı,İ");
        QTest::addRow("buyuk kucuk ayni, ilk gelen kalir")
            << QStringList{"K", "k", "a", "A", "Ç", "ç"} << QStringLiteral("a,Ç,K");
        QTest::addRow("rakam ve bosluk") << QStringList{"b", "3", " ", "1", "a"} << QStringLiteral(" ,1,3,a,b");
    }
    void turkce_siralama()
    {
        QFETCH(QStringList, girdi);
        QFETCH(QString, beklenen);
        const QByteArray eski = std::setlocale(LC_ALL, nullptr);
        const QLocale eskiQ;
        QStringList sonuclar;
        for (const char* yerel : {"C", "tr_TR.UTF-8", "en_US.UTF-8"}) {
            std::setlocale(LC_ALL, yerel);
            QLocale::setDefault(QLocale(QString::fromLatin1(yerel).section('.', 0, 0)));
            sonuclar << Sirala(girdi);
        }
        std::setlocale(LC_ALL, eski.constData());
        QLocale::setDefault(eskiQ);
        for (const QString& s : sonuclar)
            QCOMPARE(s, beklenen);
    }

    void kelime_harfleri_data()
    {
        QTest::addColumn<QString>("kelime");
        QTest::addColumn<QStringList>("harfler");
        QTest::addRow("bosluklu") << QStringLiteral("a b") << QStringList{"a", " ", "b"};
        QTest::addRow("emoji") << QStringLiteral("a😀b") << QStringList{"a", "😀", "b"};
        QTest::addRow("birlesik isaret") << QStringLiteral("e\u0301x") << QStringList{"e\u0301", "x"};
        QTest::addRow("bos") << QString() << QStringList{};
    }
    void kelime_harfleri()
    {
        QFETCH(QString, kelime);
        QFETCH(QStringList, harfler);
        QCOMPARE(KelimeHarfleri(kelime), harfler);
    }

    void bolgeler_hesaplanir_data()
    {
        QTest::addColumn<QSize>("boyut");
        QTest::addRow("tasarim tahtasi") << QSize(750, 354);
        QTest::addRow("genis tahta") << QSize(1900, 1000);
    }
    void bolgeler_hesaplanir()
    {
        QFETCH(QSize, boyut);
        KumeBolgeModeli m;
        const int r = (boyut.height() - 50) / 2;
        m.CemberEkle({r + 10, r + 25}, r);
        m.CemberEkle({2 * r + 20, r + 25}, r);
        m.SeedListBoyutla();
        QCOMPARE(m.SeedList.Count(), 4);
        m.ComputeRegions(boyut);
        for (int b = 0; b < 4; ++b) {
            const QPoint p = m.SeedList.Nokta(b);
            QVERIFY2(p != QPoint(-1, -1), qPrintable(QString::number(b)));
            QCOMPARE(m.RegionAt(p), b);
            QCOMPARE(m.SeedList.Deger(b), 0);
        }
        for (int i = 0; i < m.ExtraSeedList.Count(); ++i)
            QCOMPARE(m.RegionAt(m.ExtraSeedList.Nokta(i)), m.ExtraSeedList.Deger(i));
        // Computing again gives the same seeds and no more extra points.
        const int ekler = m.ExtraSeedList.Count();
        const QPoint ilk = m.SeedList.Nokta(3);
        m.ComputeRegions(boyut);
        QCOMPARE(m.SeedList.Nokta(3), ilk);
        QCOMPARE(m.ExtraSeedList.Count(), ekler);
    }

    // A tile carried by keys is offered a free place in each region: the
    // whole tile inside the region, over no other tile. On an empty board
    // the three regions are offered on one row; tiles put one after another
    // stand left to right in the order they came.
    void bos_yer_data()
    {
        QTest::addColumn<int>("bolge");
        QTest::addColumn<QList<QRect>>("dolu");
        QTest::addColumn<bool>("bulunur");
        for (int b : {1, 2, 3})
            QTest::addRow("bos_tahta_%d", b) << b << QList<QRect>{} << true;
        QList<QRect> kesisimde;
        for (int y = 0; y < 354; y += 34)
            kesisimde << QRect(150, y, 40, 30);
        QTest::newRow("kesisimde_bir_sutun_dolu") << 3 << kesisimde << true;
        QTest::newRow("tahta_dolu") << 2 << QList<QRect>{QRect(0, 0, 750, 354)} << false;
    }
    void bos_yer()
    {
        QFETCH(int, bolge);
        QFETCH(QList<QRect>, dolu);
        QFETCH(bool, bulunur);
        const KumeBolgeModeli m = IkiCember();
        const QSize karo(21, 32);
        const QSize tahta(750, 354);
        QCOMPARE(m.RegionAt(m.BolgeOrtasi(bolge, tahta)), bolge);
        for (int i = 0; i < 3; ++i) {
            const QPoint p = m.BosYer(bolge, karo, dolu, tahta);
            QCOMPARE(p != QPoint(-1, -1), bulunur);
            if (!bulunur)
                return;
            const QRect yer(p, karo);
            for (QPoint kose : {yer.topLeft(), yer.topRight(), yer.bottomLeft(), yer.bottomRight()})
                QCOMPARE(m.RegionAt(kose), bolge);
            for (const QRect& r : dolu)
                QVERIFY(!r.intersects(yer));
            if (i == 0 && dolu.isEmpty())
                QCOMPARE(p.y(), 177 - karo.height() / 2);
            if (i > 0)
                QVERIFY(p.x() > dolu.last().x());
            dolu << yer;
        }
    }

    void vurgu_resimde_sari()
    {
        KumeBolgeModeli m = IkiCember();
        m.SeedListBoyutla();
        m.ComputeRegions({750, 354});
        QVERIFY(m.VurguDegistir({243, 177}));
        QCOMPARE(m.SeedList.Deger(3), 1);
        for (qreal oran : {1.0, 1.25, 2.0}) {
            const QImage r = m.TahtaResmi({750, 354}, oran, false);
            auto renk = [&](QPoint p) { return r.pixel(int(p.x() * oran), int(p.y() * oran)) & 0xFFFFFF; };
            QCOMPARE(renk({243, 177}), 0xFFFF00u);
            QCOMPARE(renk({243, 100}), 0xFFFF00u);
            QCOMPARE(renk({60, 177}), 0xFFFFFFu);
            QCOMPARE(renk({420, 177}), 0xFFFFFFu);
            QCOMPARE(renk({700, 300}), 0xFFFFFFu);
        }
        QVERIFY(m.VurguDegistir({243, 177}));
        const QImage r = m.TahtaResmi({750, 354}, 1.0, false);
        QCOMPARE(r.pixel(243, 177) & 0xFFFFFF, 0xFFFFFFu);
    }
};

#include "kumemodeli_test.moc"
ORVANTA_TEST(KumeModeliTesti)
