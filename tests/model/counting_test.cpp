#include "giyimmodeli.h"
#include "testkaydi.h"

#include <QPainter>
#include <QtTest>
#include <set>

namespace {

// A random source that always answers `n`, whatever it is asked.
std::function<int(int)> Hep(int n)
{
    return [n](int) { return n; };
}

QString Metin(const EsyaRenk& g)
{
    return QString::number(g.GomlekRengi, 16) + '/' + QString::number(g.PantolonRengi, 16);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<QPoint>)

class GiyimModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void esya_listesi()
    {
        EsyaRenkler liste(2);
        QCOMPARE(liste.Sayi(), 0);
        QCOMPARE(liste.Kapasite(), 2);
        QCOMPARE(liste.Al(0), nullptr);
        EsyaRenk* ilk = liste.Ekle({clRed, clBlue});
        liste.Ekle({clBlue, clRed});
        QCOMPARE(liste.Kapasite(), 2);
        liste.Ekle({clRed, clRed});
        QCOMPARE(liste.Kapasite(), 3);
        for (int i = 0; i < 20; ++i)
            liste.Ekle({clLime, TRenk(i)});
        QCOMPARE(liste.Sayi(), 23);
        QCOMPARE(liste.Kapasite(), 23);
        // Records keep their place while the list grows: thumbnails point at them.
        QCOMPARE(liste.Al(0), ilk);
        QCOMPARE(*ilk, (EsyaRenk{clRed, clBlue}));
        QVERIFY(liste.Icerir({clBlue, clRed}));
        QVERIFY(!liste.Icerir({clBlue, clBlue}));
        QCOMPARE(liste.Al(-1), nullptr);
        QCOMPARE(liste.Al(23), nullptr);
        liste.Temizle();
        QCOMPARE(liste.Sayi(), 0);
        QVERIFY(!liste.Icerir({clRed, clBlue}));
    }

    void palet_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<TRenk>("renk");
        const TRenk renkler[] = {clTeal, clRed, clYellow, clBlue, clGreen, clMaroon, clAqua, clPurple, clSilver, clLime};
        for (int i = 0; i < 10; ++i)
            QTest::addRow("%d", i) << i << renkler[i];
        QTest::newRow("eksi") << -1 << clNone;
        QTest::newRow("10") << 10 << clNone;
    }
    void palet()
    {
        QFETCH(int, i);
        QFETCH(TRenk, renk);
        QCOMPARE(PaletRengi(i), renk);
        // No garment may have the colour of the outlines that close the fill areas.
        QVERIFY(PaletRengi(i) != GIYSI_CIZGISI);
    }

    void farkli_renkler_data()
    {
        QTest::addColumn<int>("cevap");
        QTest::addColumn<int>("adet");
        QTest::addColumn<int>("beklenen");
        for (int cevap : {0, 3, 9, -7, 1000000})
            for (int adet : {1, 8})
                QTest::addRow("hep_%d_%d", cevap, adet) << cevap << adet << adet;
        QTest::newRow("on") << 5 << 10 << 10;
        QTest::newRow("on_bes") << 0 << 15 << 10;
        QTest::newRow("sifir") << 0 << 0 << 0;
    }
    // Every draw ends and gives distinct colours, whatever the source answers.
    void farkli_renkler()
    {
        QFETCH(int, cevap);
        QFETCH(int, adet);
        QFETCH(int, beklenen);
        const std::vector<TRenk> r = FarkliRenkler(adet, Hep(cevap));
        QCOMPARE(int(r.size()), beklenen);
        QCOMPARE(int(std::set<TRenk>(r.begin(), r.end()).size()), beklenen);
        for (TRenk renk : r)
            QVERIFY(renk != clNone);
    }

    void farkli_renkler_sirasi()
    {
        // Drawn among the colours left: 0 always takes the first one left.
        QCOMPARE(FarkliRenkler(3, Hep(0)), (std::vector<TRenk>{clTeal, clRed, clYellow}));
        std::vector<int> istenen;
        FarkliRenkler(4, [&](int n) { istenen.push_back(n); return n - 1; });
        QCOMPARE(istenen, (std::vector<int>{10, 9, 8, 7}));
    }

    void problem_kur_data()
    {
        QTest::addColumn<int>("gomlek");
        QTest::addColumn<int>("pantolon");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("t");
        QTest::newRow("2x3") << 2 << 3 << 2 << 3;
        QTest::newRow("1x1") << 1 << 1 << 1 << 1;
        QTest::newRow("9x9") << 9 << 9 << 8 << 8;
        QTest::newRow("9x2") << 9 << 2 << 8 << 2;
        QTest::newRow("buyuk") << 1000000 << 4 << 8 << 4;
        QTest::newRow("sifir_gomlek") << 0 << 4 << 5 << 6;
        QTest::newRow("sifir_pantolon") << 4 << 0 << 5 << 6;
        QTest::newRow("eksi") << -3 << 4 << 5 << 6;
    }
    // A refused problem leaves the one before (5 x 6) as it was.
    void problem_kur()
    {
        QFETCH(int, gomlek);
        QFETCH(int, pantolon);
        QFETCH(int, s);
        QFETCH(int, t);
        GiyimProblemi p;
        QVERIFY(p.Kur(5, 6, Hep(0)));
        QCOMPARE(p.Kur(gomlek, pantolon, Hep(4)), gomlek > 0 && pantolon > 0);
        QCOMPARE(p.GomlekSayisi(), s);
        QCOMPARE(p.PantolonSayisi(), t);
        QCOMPARE(p.Toplam(), s * t);
        QCOMPARE(p.Gardirop().Sayi(), std::max(s, t));
        std::set<TRenk> gomlekler, pantolonlar;
        for (int i = 0; i < p.Gardirop().Sayi(); ++i) {
            QCOMPARE(p.Gomlek(i) == clNone, i >= s);
            QCOMPARE(p.Pantolon(i) == clNone, i >= t);
            if (i < s)
                gomlekler.insert(p.Gomlek(i));
            if (i < t)
                pantolonlar.insert(p.Pantolon(i));
        }
        QCOMPARE(int(gomlekler.size()), s);
        QCOMPARE(int(pantolonlar.size()), t);
        QCOMPARE(p.Gomlek(-1), clNone);
        QCOMPARE(p.Pantolon(8), clNone);
    }

    void tum_giyimler_sirasi()
    {
        GiyimProblemi p;
        p.Kur(2, 3, Hep(0)); // shirts teal, red; trousers teal, red, yellow
        QStringList sira;
        for (const EsyaRenk& g : p.TumGiyimler())
            sira << Metin(g);
        QCOMPARE(sira, QStringList({"808000/808000", "ff/808000", "808000/ff", "ff/ff", "808000/ffff", "ff/ffff"}));
        p.Kur(8, 8, Hep(3));
        const std::vector<EsyaRenk> hepsi = p.TumGiyimler();
        QCOMPARE(int(hepsi.size()), 64);
        QCOMPARE(int(std::set<QString>([&] {
                         std::set<QString> s;
                         for (const EsyaRenk& g : hepsi)
                             s.insert(Metin(g));
                         return s;
                     }()).size()),
                 64);
        QCOMPARE(GiyimProblemi().TumGiyimler().size(), size_t(0));
    }

    void kayit_karari_data()
    {
        QTest::addColumn<TRenk>("gomlek");
        QTest::addColumn<TRenk>("pantolon");
        QTest::addColumn<int>("toplam");
        QTest::addColumn<int>("sonuc");
        const int yok = int(KayitSonucu::Yok), tekrar = int(KayitSonucu::Tekrar), yeni = int(KayitSonucu::Yeni);
        // The board holds red/blue and blue/red.
        QTest::newRow("yeni") << clRed << clRed << 4 << yeni;
        QTest::newRow("tekrar") << clRed << clBlue << 4 << tekrar;
        QTest::newRow("ters_tekrar") << clBlue << clRed << 4 << tekrar;
        QTest::newRow("beyaz_pantolon") << clRed << clWhite << 4 << yok;
        QTest::newRow("beyaz_gomlek") << clWhite << clRed << 4 << yok;
        QTest::newRow("gomlek_yalniz") << clRed << clNone << 4 << yok;
        QTest::newRow("hic") << clNone << clNone << 4 << yok;
        QTest::newRow("tamam_yeni") << clRed << clRed << 2 << yok;
        QTest::newRow("tamam_tekrar") << clRed << clBlue << 2 << yok;
    }
    void kayit_karari()
    {
        QFETCH(TRenk, gomlek);
        QFETCH(TRenk, pantolon);
        QFETCH(int, toplam);
        QFETCH(int, sonuc);
        EsyaRenkler pano(10);
        pano.Ekle({clRed, clBlue});
        pano.Ekle({clBlue, clRed});
        QCOMPARE(int(KayitKarari({gomlek, pantolon}, pano, toplam)), sonuc);
    }

    void mesajlar()
    {
        QCOMPARE(TEKRAR_MESAJI, QStringLiteral("Bu renklerde giysiler var!"));
        QCOMPARE(TamamMesaji(12),
                 QStringLiteral("Tebrikler tüm elbiseleri buldunuz.\nAdam toplam 12 şekilde giyinebilir."));
    }

    void yerlesim_data()
    {
        QTest::addColumn<int>("adet");
        QTest::addColumn<int>("genislik");
        QTest::addColumn<int>("yukseklik");
        QTest::addColumn<std::vector<QPoint>>("yerler");
        QTest::addColumn<int>("pano");
        QTest::newRow("bos") << 0 << 600 << 300 << std::vector<QPoint>{} << 300;
        QTest::newRow("bir") << 1 << 600 << 300 << std::vector<QPoint>{{10, 10}} << 300;
        // 270 + 100 is not past 370: the third stays in the row.
        QTest::newRow("sinirda") << 4 << 370 << 300 << std::vector<QPoint>{{10, 10}, {140, 10}, {270, 10}, {10, 140}}
                                 << 300;
        QTest::newRow("bir_fazla") << 4 << 369 << 300
                                   << std::vector<QPoint>{{10, 10}, {140, 10}, {10, 140}, {140, 140}} << 300;
        // The third row does not fit 300 pixels: the board grows to show it.
        QTest::newRow("uzar") << 5 << 300 << 300
                              << std::vector<QPoint>{{10, 10}, {140, 10}, {10, 140}, {140, 140}, {10, 270}} << 410;
        QTest::newRow("dar") << 2 << 50 << 100 << std::vector<QPoint>{{10, 140}, {10, 270}} << 410;
    }
    void yerlesim()
    {
        QFETCH(int, adet);
        QFETCH(int, genislik);
        QFETCH(int, yukseklik);
        QFETCH(std::vector<QPoint>, yerler);
        QFETCH(int, pano);
        const PanoYerlesimi y = KucukResimYerleri(adet, genislik, yukseklik);
        QCOMPARE(y.Yerler, yerler);
        QCOMPARE(y.Yukseklik, pano);
    }

    void yerlesim_64()
    {
        // A maximised window of 1366 pixels: ten to a row, the seventh row ends the board.
        const PanoYerlesimi y = KucukResimYerleri(64, 1346, 468);
        QCOMPARE(y.Yerler[9], QPoint(1180, 10));
        QCOMPARE(y.Yerler[10], QPoint(10, 140));
        QCOMPARE(y.Yerler[63], QPoint(400, 790));
        QCOMPARE(y.Yukseklik, 790 + 130 + 10);
        for (const QPoint& p : y.Yerler)
            QVERIFY(p.x() + 100 <= 1346);
    }

    void giysi_yeri_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("adet");
        QTest::addColumn<int>("genislik");
        QTest::addColumn<QRect>("yer");
        QTest::newRow("gomlek_ilk") << 1 << 0 << 8 << 1366 << QRect(213, 48, 89, 65);
        QTest::newRow("gomlek_son") << 1 << 7 << 8 << 1024 << QRect(213 + 7 * 89, 48, 89, 65);
        QTest::newRow("pantolon_ikinci") << 2 << 1 << 3 << 600 << QRect(310, 136, 89, 81);
        // 213 + 8 x 89 + 10 = 935: one pixel less and the row shrinks.
        QTest::newRow("tam_sigar") << 1 << 7 << 8 << 935 << QRect(836, 48, 89, 65);
        QTest::newRow("daralir") << 1 << 7 << 8 << 934 << QRect(213 + 622, 48, 88, 64);
        QTest::newRow("600_gomlek") << 1 << 7 << 8 << 600 << QRect(213 + 329, 48, 47, 34);
        QTest::newRow("600_pantolon") << 2 << 7 << 8 << 600 << QRect(221 + 322, 136, 46, 41);
        QTest::newRow("hic_yer_yok") << 1 << 3 << 4 << 100 << QRect(213, 48, 0, 0);
    }
    // A row that does not fit the window shrinks to end 10 pixels before its right edge.
    void giysi_yeri()
    {
        QFETCH(int, tur);
        QFETCH(int, i);
        QFETCH(int, adet);
        QFETCH(int, genislik);
        QFETCH(QRect, yer);
        const QRect r = GiysiYeri(tur, i, adet, genislik);
        QCOMPARE(r, yer);
        QVERIFY(r.right() < std::max(genislik - 10, r.left() + 1) || r.isEmpty());
    }

    void boyamaya_hazirla_data()
    {
        QTest::addColumn<qreal>("oran");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
    }
    // A smoothed ring of the outline colour around white, on a transparent
    // ground: inside, only the outline colour and white remain; the ground
    // becomes white; the ring's outer soft edge stays soft.
    void boyamaya_hazirla()
    {
        QFETCH(qreal, oran);
        QImage cizim(QSize(40, 40) * oran, QImage::Format_ARGB32_Premultiplied);
        cizim.setDevicePixelRatio(oran);
        cizim.fill(Qt::transparent);
        {
            QPainter p(&cizim);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(RenkQ(GIYSI_CIZGISI), 2.6));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(20, 20), 13.3, 11.7);
            p.setPen(QPen(QColor(200, 120, 60), 1.4));
            p.setBrush(QColor(250, 215, 185));
            p.drawEllipse(QPointF(36, 5), 3.2, 3.2); // a hand: its edges are left alone
        }
        const QImage hazir = BoyamayaHazirla(cizim);
        QCOMPARE(hazir.format(), QImage::Format_RGB32);
        QCOMPARE(hazir.devicePixelRatio(), oran);
        QCOMPARE(hazir.pixel(0, 0), qRgb(255, 255, 255));
        const QRgb koyu = RenkQ(GIYSI_CIZGISI).rgb();
        int yumusak = 0, el = 0;
        for (int y = 0; y < hazir.height(); ++y)
            for (int x = 0; x < hazir.width(); ++x) {
                const QRgb p = hazir.pixel(x, y);
                const bool tam = qAlpha(cizim.pixel(x, y)) == 255;
                if (QPointF(x / oran - 36, y / oran - 5).manhattanLength() < 8) {
                    // The hand is as it was drawn.
                    if (tam) {
                        QCOMPARE(p, cizim.pixel(x, y));
                        ++el;
                    }
                } else if (tam) {
                    QVERIFY2(p == koyu || p == qRgb(255, 255, 255), qPrintable(QString::number(p, 16)));
                } else {
                    yumusak += p != qRgb(255, 255, 255);
                }
            }
        QVERIFY(yumusak > 0);
        QVERIFY(el > 0);
        // The inside is one white area closed by the ring.
        QImage boyali = hazir;
        QVERIFY(NoktalardanDoldur(boyali, {{20, 20}}, clRed) > 0);
        QCOMPARE(RenkOrnegi(boyali, {20, 20}), clRed);
        QCOMPARE(RenkOrnegi(boyali, {1, 39}), clWhite);
        QCOMPARE(RenkOrnegi(boyali, {20, 50}), clNone);

        // Shown over another background, the ground is transparent again.
        const QImage gorunum = SaydamGorunum(boyali, cizim);
        QCOMPARE(gorunum.devicePixelRatio(), oran);
        QCOMPARE(qAlpha(gorunum.pixel(0, 0)), 0);
        QCOMPARE(gorunum.pixelColor(QPoint(20, 20) * oran), RenkQ(clRed));
        QVERIFY(SaydamGorunum(boyali, QImage()).isNull());
    }
};

#include "counting_test.moc"
ORVANTA_TEST(GiyimModeliTesti)
