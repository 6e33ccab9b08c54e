#include "donusum.h"
#include "testkaydi.h"
#include "yuzdemodel.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {
// A card from the rectangles the card widget paints, or painted cell by cell
// in fill order, each cell with its outline in black (in its own colour
// without the grid). Magenta is where nothing is painted.
QImage Ciz(const KartDurumu& k, bool hucreHucre)
{
    QImage resim(KART_KENARI, KART_KENARI, QImage::Format_RGB32);
    resim.fill(Qt::magenta);
    QPainter p(&resim);
    if (hucreHucre) {
        const int dolu = std::clamp(k.FilledCount, 0, 100);
        for (int i = 0; i < (k.ShowEmpty ? 100 : dolu); ++i) {
            const QRect a = HucreAlani(i, k.Horizontal);
            const QColor renk = i < dolu ? Qt::yellow : Qt::white;
            p.fillRect(a, k.ShowGrid ? QColor(Qt::black) : renk);
            p.fillRect(a.adjusted(1, 1, -1, -1), renk);
        }
    } else {
        const KartCizimi c = KartCiz(k);
        for (const auto& [alanlar, renk] : {std::pair(c.Dolu, Qt::yellow), std::pair(c.Bos, Qt::white),
                                            std::pair(c.Cizgiler, Qt::black)})
            for (const QRect& a : alanlar) {
                if (resim.rect().contains(a))
                    p.fillRect(a, renk);
                else
                    p.fillRect(resim.rect(), Qt::red); // something leaves the card
            }
    }
    p.end();
    return resim;
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
        QTest::addColumn<int>("sayi");      // in hundredths; -1 no integer, -2 hundredths out of range
        QTest::addColumn<QString>("metin"); // the hundredths box afterwards, or the refused text
        QTest::newRow("1,10") << "1" << "10" << 110 << "10";
        QTest::newRow("onda_bes") << "1" << "5" << 150 << "50";
        QTest::newRow("yuzde_bes") << "1" << "05" << 105 << "05";
        QTest::newRow("ikisi_bos") << "" << "" << 0 << "0";
        QTest::newRow("sifir_sifir") << "0" << "00" << 0 << "00";
        QTest::newRow("arti_bes") << "2" << "+5" << 250 << "50";
        QTest::newRow("eksi_bes") << "1" << "-5" << -2 << "";
        QTest::newRow("eksi_sifir") << "1" << "-0" << 100 << "0";
        QTest::newRow("yalniz_eksi") << "1" << "-" << -1 << "-";
        QTest::newRow("harfler") << "1" << "a5" << -1 << "a5";
        QTest::newRow("kutuya_sigmaz") << "1" << "100" << -2 << "";
        QTest::newRow("tam_arti") << "+" << "10" << -1 << "+";
        QTest::newRow("tam_on") << "10" << "10" << -1 << "10";
        QTest::newRow("once_tam_okunur") << "x" << "-5" << -1 << "x";
        QTest::newRow("eksi_harf") << "1" << "-a" << -1 << "-a";
    }
    void sayi_okuma()
    {
        QFETCH(QString, tam);
        QFETCH(QString, yuzdelik);
        QFETCH(int, sayi);
        QFETCH(QString, metin);
        try {
            const SayiGirdisi g = SayiOku(tam, yuzdelik);
            QVERIFY2(sayi != -1, "a conversion error was expected");
            QCOMPARE(g.Hata, sayi == -2 ? QStringLiteral("Yüzdelik kısım 0 ile 99 arasında olmalıdır") : QString());
            if (sayi != -2) {
                QCOMPARE(g.Sayi.Yuzdelikler(), sayi);
                QCOMPARE(g.YuzdelikMetni, metin);
            }
        } catch (const DonusumHatasi& h) {
            QCOMPARE(sayi, -1);
            QCOMPARE(h.Mesaj(), QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(metin));
        }
    }

    void sayi_kartlari_data()
    {
        QTest::addColumn<bool>("ilk");
        QTest::addColumn<int>("sayi");
        QTest::addColumn<QList<int>>("dolular");
        QTest::newRow("ilk_1,10") << true << 110 << QList<int>{100, 10};
        QTest::newRow("ikinci_2,15") << false << 215 << QList<int>{100, 100, 15};
        QTest::newRow("0,00") << true << 0 << QList<int>{};
        QTest::newRow("3,00") << true << 300 << QList<int>{100, 100, 100};
        QTest::newRow("4,01") << true << 401 << QList<int>{100, 100, 100, 100, 1};
        QTest::newRow("ikinci_9,99") << false << 999 << (QList<int>(9, 100) << 99);
    }
    void sayi_kartlari()
    {
        QFETCH(bool, ilk);
        QFETCH(int, sayi);
        QList<int> dolu;
        for (const KartYeri& k : SayiKartlari(ilk, {sayi / 100, sayi % 100})) {
            QCOMPARE(k.Sira, int(dolu.size()));
            dolu << k.Dolu;
        }
        QTEST(dolu, "dolular");
    }

    // The few rectangles a card paints give the picture of painting every
    // cell on its own, and nothing outside the card.
    void kart_cizimi_data()
    {
        QTest::addColumn<int>("dolu");
        QTest::addColumn<int>("durum"); // bits: horizontal, grid, empty cells shown
        for (int dolu : {0, 1, 15, 37, 99, 100, -5, 150})
            for (int durum = 0; durum < 8; ++durum)
                QTest::addRow("%d_%d", dolu, durum) << dolu << durum;
    }
    void kart_cizimi()
    {
        QFETCH(int, dolu);
        QFETCH(int, durum);
        KartDurumu k;
        k.FilledCount = dolu;
        k.Horizontal = durum & 1;
        k.ShowGrid = durum & 2;
        k.ShowEmpty = durum & 4;
        QCOMPARE(Ciz(k, false), Ciz(k, true));
        // A handful of rectangles, not one per cell.
        QVERIFY(KartCiz(k).Dolu.size() <= 2 && KartCiz(k).Bos.size() <= 2);
    }

    void karsilastirma_data()
    {
        QTest::addColumn<int>("ilk"); // in hundredths
        QTest::addColumn<int>("ikinci");
        QTest::addColumn<bool>("karsilastir");
        QTest::addColumn<int>("sol");     // left of both numbers' fifth card; -1 apart
        QTest::addColumn<int>("ustteki"); // 1 the first number's cards on top, 2 the second's, 0 none
        QTest::newRow("1,10_2,15") << 110 << 215 << true << 120 << 1;
        QTest::newRow("2,15_1,10") << 215 << 110 << true << 460 << 2;
        QTest::newRow("esit") << 110 << 110 << true << 120 << 1;
        QTest::newRow("9,99_9,98") << 999 << 998 << true << 460 << 2;
        QTest::newRow("karsilastirmadan") << 215 << 110 << false << -1 << 0;
    }
    void karsilastirma()
    {
        QFETCH(int, ilk);
        QFETCH(int, ikinci);
        QFETCH(bool, karsilastir);
        QFETCH(int, sol);
        QFETCH(int, ustteki);
        const Karsilastirma k = KarsilastirmaDuzeni({ilk / 100, ilk % 100}, {ikinci / 100, ikinci % 100}, karsilastir);
        QCOMPARE(k.Sol(true, 4), sol < 0 ? 120 : sol);
        QCOMPARE(k.Sol(false, 4), sol < 0 ? 460 : sol);
        // Only the cards on top hide their empty cells.
        QCOMPARE(k.BosGoster(true), ustteki != 1);
        QCOMPARE(k.BosGoster(false), ustteki != 2);
        QCOMPARE(k.Ustte(true), ustteki == 1);
        QCOMPARE(k.Ustte(false), ustteki == 2);
        QCOMPARE(k.BirakincaUsteCikar(true), ustteki != 2);
        QCOMPARE(k.BirakincaUsteCikar(false), ustteki != 1);
    }
};

#include "yuzdemodel_test.moc"
ORVANTA_TEST(YuzdeModeliTesti)
