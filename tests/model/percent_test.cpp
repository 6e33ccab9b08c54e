#include "donusum.h"
#include "testkaydi.h"
#include "yuzdemodel.h"

#include <QtTest>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {
// A card painted pixel by pixel as the window's design describes it: each
// cell in turn, filled cells first, its outline in black (or in its own
// colour without the grid). 0 is nothing, 1 the fill colour, 2 white, 3 black.
using Resim = std::vector<std::vector<int>>;

Resim hucreHucreCiz(const KartDurumu& k)
{
    const int n = k.CellSize * 10 + 1;
    Resim r(size_t(n), std::vector<int>(size_t(n), 0));
    auto hucre = [&](int i, int renk) {
        const QRect a = HucreAlani(i, k.Horizontal, k.CellSize);
        for (int y = a.top(); y <= a.bottom(); ++y)
            for (int x = a.left(); x <= a.right(); ++x) {
                const bool kenar = x == a.left() || x == a.right() || y == a.top() || y == a.bottom();
                r[size_t(y)][size_t(x)] = kenar && k.ShowGrid ? 3 : renk;
            }
    };
    const int dolu = std::clamp(k.FilledCount, 0, 100);
    for (int i = 0; i < dolu; ++i)
        hucre(i, 1);
    if (k.ShowEmpty)
        for (int i = dolu; i < 100; ++i)
            hucre(i, 2);
    return r;
}

// The same card from the rectangles the card widget paints; false when one leaves the card.
bool plandanCiz(const KartDurumu& k, Resim& r)
{
    const int n = k.CellSize * 10 + 1;
    r.assign(size_t(n), std::vector<int>(size_t(n), 0));
    const KartCizimi c = KartCiz(k);
    const QRect kart(0, 0, n, n);
    auto boya = [&](const std::vector<QRect>& rects, int renk) {
        for (const QRect& a : rects) {
            if (!kart.contains(a))
                return false;
            for (int y = a.top(); y <= a.bottom(); ++y)
                for (int x = a.left(); x <= a.right(); ++x)
                    r[size_t(y)][size_t(x)] = renk;
        }
        return true;
    };
    return boya(c.Dolu, 1) && boya(c.Bos, 2) && boya(c.Cizgiler, 3);
}
}

class YuzdeModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void sayi_okuma_data()
    {
        QTest::addColumn<QString>("tam");
        QTest::addColumn<QString>("yuzdelik");
        QTest::addColumn<int>("sayi");      // in hundredths; -1 when refused
        QTest::addColumn<QString>("metin"); // the hundredths box afterwards, or the refused text
        QTest::newRow("1,10") << "1" << "10" << 110 << "10";
        QTest::newRow("onda_bes") << "1" << "5" << 150 << "50";
        QTest::newRow("yuzde_bes") << "1" << "05" << 105 << "05";
        QTest::newRow("ikisi_bos") << "" << "" << 0 << "0";
        QTest::newRow("yuzdelik_bos") << "3" << "" << 300 << "0";
        QTest::newRow("tam_bos") << "" << "37" << 37 << "37";
        QTest::newRow("sifir") << "0" << "0" << 0 << "0";
        QTest::newRow("sifir_sifir") << "0" << "00" << 0 << "00";
        QTest::newRow("9,99") << "9" << "99" << 999 << "99";
        QTest::newRow("arti_bes") << "2" << "+5" << 250 << "50";
        QTest::newRow("bosluklu_bes") << "2" << " 5" << 250 << "50";
        QTest::newRow("eksi_sifir") << "2" << "-0" << 200 << "0";
        QTest::newRow("eksi_bes") << "1" << "-5" << -1 << "-5";
        QTest::newRow("yalniz_eksi") << "1" << "-" << -1 << "-";
        QTest::newRow("yalniz_arti") << "1" << "+" << -1 << "+";
        QTest::newRow("harfler") << "1" << "a5" << -1 << "a5";
        QTest::newRow("sondaki_bosluk") << "1" << "5 " << -1 << "5 ";
        QTest::newRow("kutuya_sigmaz") << "1" << "100" << -1 << "100";
        QTest::newRow("tam_eksi") << "-" << "10" << -1 << "-";
        QTest::newRow("tam_arti") << "+" << "10" << -1 << "+";
        QTest::newRow("tam_negatif") << "-1" << "10" << -1 << "-1";
        QTest::newRow("tam_on") << "10" << "10" << -1 << "10";
        // The whole part is read first: its error is the one shown.
        QTest::newRow("ikisi_hatali") << "x" << "-5" << -1 << "x";
    }
    void sayi_okuma()
    {
        QFETCH(QString, tam);
        QFETCH(QString, yuzdelik);
        QFETCH(int, sayi);
        QFETCH(QString, metin);
        try {
            const SayiGirdisi g = SayiOku(tam, yuzdelik);
            QCOMPARE(g.Sayi.Yuzdelikler(), sayi);
            QCOMPARE(g.YuzdelikMetni, metin);
        } catch (const DonusumHatasi& h) {
            QCOMPARE(sayi, -1);
            QCOMPARE(h.Mesaj(), QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(metin));
        }
    }

    void sayi_kartlari_data()
    {
        QTest::addColumn<bool>("ilk");
        QTest::addColumn<int>("tam");
        QTest::addColumn<int>("yuzdelik");
        QTest::addColumn<std::vector<int>>("dolular");
        QTest::addColumn<QPoint>("sonKonum");
        QTest::newRow("ilk_1,10") << true << 1 << 10 << std::vector<int>{100, 10} << QPoint(10, 175);
        QTest::newRow("ikinci_2,15") << false << 2 << 15 << std::vector<int>{100, 100, 15} << QPoint(350, 285);
        QTest::newRow("0,00") << true << 0 << 0 << std::vector<int>{} << QPoint();
        QTest::newRow("0,05") << false << 0 << 5 << std::vector<int>{5} << QPoint(350, 65);
        QTest::newRow("3,00") << true << 3 << 0 << std::vector<int>{100, 100, 100} << QPoint(10, 285);
        QTest::newRow("4,00") << true << 4 << 0 << std::vector<int>(4, 100) << QPoint(10, 395);
        QTest::newRow("4,01_yeni_sutun") << true << 4 << 1 << std::vector<int>{100, 100, 100, 100, 1}
                                         << QPoint(120, 65);
        std::vector<int> on(9, 100);
        on.push_back(99);
        QTest::newRow("ilk_9,99") << true << 9 << 99 << on << QPoint(230, 175);
        QTest::newRow("ikinci_9,99") << false << 9 << 99 << on << QPoint(570, 175);
    }
    void sayi_kartlari()
    {
        QFETCH(bool, ilk);
        QFETCH(int, tam);
        QFETCH(int, yuzdelik);
        QFETCH(std::vector<int>, dolular);
        QFETCH(QPoint, sonKonum);
        const std::vector<KartYeri> kartlar = SayiKartlari(ilk, {tam, yuzdelik});
        QCOMPARE(kartlar.size(), dolular.size());
        for (size_t i = 0; i < kartlar.size(); ++i) {
            QCOMPARE(kartlar[i].Sira, int(i));
            QCOMPARE(kartlar[i].Dolu, dolular[i]);
            QCOMPARE(kartlar[i].Konum, KartKonumu(ilk, int(i)));
        }
        if (!kartlar.empty())
            QCOMPARE(kartlar.back().Konum, sonKonum);
    }

    void hucre_alani_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<bool>("yatay");
        QTest::addColumn<QRect>("alan");
        QTest::newRow("ilk_yatay") << 0 << true << QRect(0, 0, 11, 11);
        QTest::newRow("ilk_dikey") << 0 << false << QRect(0, 0, 11, 11);
        QTest::newRow("ikinci_yatay") << 1 << true << QRect(10, 0, 11, 11);
        QTest::newRow("ikinci_dikey") << 1 << false << QRect(0, 10, 11, 11);
        QTest::newRow("37_yatay") << 37 << true << QRect(70, 30, 11, 11);
        QTest::newRow("37_dikey") << 37 << false << QRect(30, 70, 11, 11);
        QTest::newRow("son") << 99 << true << QRect(90, 90, 11, 11);
    }
    void hucre_alani()
    {
        QFETCH(int, i);
        QFETCH(bool, yatay);
        QFETCH(QRect, alan);
        QCOMPARE(HucreAlani(i, yatay), alan);
    }

    // The few rectangles a card paints give exactly the picture of painting
    // every cell on its own, and nothing outside the card.
    void kart_cizimi_data()
    {
        QTest::addColumn<int>("dolu");
        QTest::addColumn<bool>("yatay");
        QTest::addColumn<bool>("izgara");
        QTest::addColumn<bool>("bos");
        for (int dolu : {0, 1, 10, 15, 37, 99, 100, -5, 150})
            for (int durum = 0; durum < 8; ++durum) {
                const bool yatay = durum & 1, izgara = durum & 2, bos = durum & 4;
                QTest::addRow("%d_%s_%s_%s", dolu, yatay ? "yatay" : "dikey", izgara ? "izgara" : "cizgisiz",
                              bos ? "bos_gorunur" : "yalniz_dolu")
                    << dolu << yatay << izgara << bos;
            }
    }
    void kart_cizimi()
    {
        QFETCH(int, dolu);
        QFETCH(bool, yatay);
        QFETCH(bool, izgara);
        QFETCH(bool, bos);
        KartDurumu k;
        k.FilledCount = dolu;
        k.Horizontal = yatay;
        k.ShowGrid = izgara;
        k.ShowEmpty = bos;
        Resim plan;
        QVERIFY(plandanCiz(k, plan));
        QCOMPARE(plan, hucreHucreCiz(k));
        // A handful of rectangles, not one per cell.
        const KartCizimi c = KartCiz(k);
        QVERIFY(c.Dolu.size() <= 3 && c.Bos.size() <= 3);
    }

    void karsilastirma_data()
    {
        QTest::addColumn<int>("ilk");    // in hundredths
        QTest::addColumn<int>("ikinci");
        QTest::addColumn<bool>("karsilastir");
        QTest::addColumn<int>("ilkSol");    // left of each number's card in slot 4
        QTest::addColumn<int>("ikinciSol");
        QTest::addColumn<bool>("ilkBos");   // shows its empty cells
        QTest::addColumn<bool>("ikinciBos");
        QTest::addColumn<int>("ustteki");   // 1 the first number's cards on top, 2 the second's, 0 none
        QTest::newRow("1,10_2,15") << 110 << 215 << true << 120 << 120 << false << true << 1;
        QTest::newRow("2,15_1,10") << 215 << 110 << true << 460 << 460 << true << false << 2;
        QTest::newRow("esit") << 110 << 110 << true << 120 << 120 << false << true << 1;
        QTest::newRow("9,99_9,98") << 999 << 998 << true << 460 << 460 << true << false << 2;
        QTest::newRow("0,00_0,01") << 0 << 1 << true << 120 << 120 << false << true << 1;
        QTest::newRow("karsilastirmadan") << 215 << 110 << false << 120 << 460 << true << true << 0;
    }
    void karsilastirma()
    {
        QFETCH(int, ilk);
        QFETCH(int, ikinci);
        QFETCH(bool, karsilastir);
        QFETCH(int, ilkSol);
        QFETCH(int, ikinciSol);
        QFETCH(bool, ilkBos);
        QFETCH(bool, ikinciBos);
        QFETCH(int, ustteki);
        const Karsilastirma k = KarsilastirmaDuzeni({ilk / 100, ilk % 100}, {ikinci / 100, ikinci % 100}, karsilastir);
        QCOMPARE(k.Sol(true, 4), ilkSol);
        QCOMPARE(k.Sol(false, 4), ikinciSol);
        QCOMPARE(k.Sol(true, 0), ilkSol - 110);
        QCOMPARE(k.BosGoster(true), ilkBos);
        QCOMPARE(k.BosGoster(false), ikinciBos);
        QCOMPARE(k.Ustte(true), ustteki == 1);
        QCOMPARE(k.Ustte(false), ustteki == 2);
        // A dropped card comes to the top unless its number lies beneath while comparing.
        QCOMPARE(k.BirakincaUsteCikar(true), ustteki != 2);
        QCOMPARE(k.BirakincaUsteCikar(false), ustteki != 1);
    }

    void birakma_yeri_data()
    {
        QTest::addColumn<QPoint>("nokta");
        QTest::addColumn<QSize>("masa");
        QTest::addColumn<QPoint>("yer");
        QTest::newRow("ortada") << QPoint(500, 300) << QSize(1366, 724) << QPoint(500, 300);
        QTest::newRow("kose") << QPoint(0, 0) << QSize(1366, 724) << QPoint(0, 0);
        QTest::newRow("sag_alt") << QPoint(1365, 723) << QSize(1366, 724) << QPoint(1265, 623);
        QTest::newRow("tam_sigar") << QPoint(1265, 623) << QSize(1366, 724) << QPoint(1265, 623);
        QTest::newRow("disarida") << QPoint(-40, 2000) << QSize(1366, 724) << QPoint(0, 623);
        QTest::newRow("kucuk_masa") << QPoint(50, 50) << QSize(80, 80) << QPoint(0, 0);
    }
    void birakma_yeri()
    {
        QFETCH(QPoint, nokta);
        QFETCH(QSize, masa);
        QFETCH(QPoint, yer);
        QCOMPARE(BirakmaYeri(nokta, masa), yer);
    }
};

#include "percent_test.moc"
ORVANTA_TEST(YuzdeModeliTesti)
