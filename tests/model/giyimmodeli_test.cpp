#include "giyimmodeli.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QtTest>
#include <set>

Q_DECLARE_METATYPE(std::vector<QPoint>)

namespace {

// A colour by its place in the palette, so rows read "01" for a teal shirt on red trousers.
QString PaletNo(TRenk renk)
{
    for (int i = 0; i < PALET_BOYU; ++i)
        if (PaletRengi(i) == renk)
            return QString::number(i);
    return QStringLiteral("?");
}

QString Pano(const GiyimModeli& m)
{
    QStringList s;
    for (int i = 0; i < m.Bulunanlar().Sayi(); ++i)
        s << PaletNo(m.Bulunanlar().Al(i)->GomlekRengi) + PaletNo(m.Bulunanlar().Al(i)->PantolonRengi);
    return s.join(' ');
}

// What an answer lets the pupil hear and see: "1256#3" a new outfit numbered
// 3, "1258!" a repeat told with its message, "1258" a repeat without one,
// "1257=6" the congratulation for 6 outfits. Silent answers add nothing.
void Duy(const GiyimModeli& m, const GiyimYaniti& y, QStringList& duyulan)
{
    if (!y.Ses)
        return;
    QString s = QString::number(y.Ses);
    if (y.Kayit == KayitSonucu::Yeni)
        s += '#' + QString::number(y.Numara);
    if (!y.Mesaj.isEmpty())
        s += y.Mesaj == TEKRAR_MESAJI ? QStringLiteral("!") : y.Mesaj;
    duyulan << s;
    if (y.Tamam)
        duyulan << QStringLiteral("%1=%2").arg(SES_TEBRIK).arg(m.Toplam());
}

// Plays space-separated moves: "g1" puts on shirt 1, "p0" trousers 0, "n7"
// garment number 7, "gw"/"pw" a white shirt or trousers, "k" records without
// message, "hepsi" is "Tüm Giysileri Göster".
QString Oyna(GiyimModeli& m, const QString& hamleler)
{
    QStringList duyulan;
    for (const QString& h : hamleler.split(' ', Qt::SkipEmptyParts)) {
        if (h == QLatin1String("hepsi")) {
            for (const GiyimYaniti& y : m.HepsiniGoster())
                Duy(m, y, duyulan);
        } else if (h == QLatin1String("k")) {
            Duy(m, m.GiyimKaydet(false), duyulan);
        } else if (h == QLatin1String("gw")) {
            Duy(m, m.GomlekGiydir(clWhite), duyulan);
        } else if (h == QLatin1String("pw")) {
            Duy(m, m.PantolonGiydir(clWhite), duyulan);
        } else if (h[0] == 'n') {
            Duy(m, m.Giydir(h.mid(1).toInt()), duyulan);
        } else { // the shirts are numbered first
            const int sira = h.mid(1).toInt();
            Duy(m, m.Giydir(h[0] == 'g' ? sira : m.Problem().GomlekSayisi() + sira), duyulan);
        }
    }
    return duyulan.join(' ');
}

} // namespace

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

    void rastgele_problem_data()
    {
        QTest::addColumn<QList<int>>("cekilen");
        QTest::addColumn<int>("gomlek");
        QTest::addColumn<int>("pantolon");
        QTest::newRow("en_az") << QList<int>{0, 0} << 2 << 2;
        QTest::newRow("once_gomlek") << QList<int>{3, 6} << 5 << 8;
        // Rastgele(8) + 2 reaches 9; there is room for 8.
        QTest::newRow("dokuz_sekiz_olur") << QList<int>{7, 7} << 8 << 8;
        QTest::newRow("mod_sekiz") << QList<int>{15, 9} << 8 << 3;
    }
    // Counts from the environment; distinct colours in each row; shirts first.
    void rastgele_problem()
    {
        QFETCH(QList<int>, cekilen);
        QFETCH(int, gomlek);
        QFETCH(int, pantolon);
        TestOrtami ortam;
        ortam.Rastgeleler.assign(cekilen.begin(), cekilen.end());
        for (int i = 0; i < 16; ++i)
            ortam.Rastgeleler.push_back(i * 7);
        GiyimModeli m;
        m.RastgeleProblem();
        QCOMPARE(m.Problem().GomlekSayisi(), gomlek);
        QCOMPARE(m.Problem().PantolonSayisi(), pantolon);
        QCOMPARE(m.Toplam(), gomlek * pantolon);
        QCOMPARE(int(m.Giysiler().size()), gomlek + pantolon);
        // Shirts first, then trousers; no two of a kind share a colour.
        std::set<TRenk> renkler[3];
        for (size_t no = 0; no < m.Giysiler().size(); ++no) {
            QCOMPARE(m.Giysiler()[no].Tag(), int(no) < gomlek ? 100 : 200);
            renkler[int(m.Giysiler()[no].Tur)].insert(m.Giysiler()[no].Renk);
        }
        QCOMPARE(int(renkler[1].size()), gomlek);
        QCOMPARE(int(renkler[2].size()), pantolon);
        QCOMPARE(m.Adam(), (EsyaRenk{clWhite, clWhite}));
    }

    void problem_kur_data()
    {
        QTest::addColumn<int>("gomlek");
        QTest::addColumn<int>("pantolon");
        QTest::addColumn<bool>("kuruldu");
        QTest::addColumn<QSize>("sonuc");
        QTest::newRow("dokuz_gomlek") << 9 << 3 << true << QSize(8, 3);
        QTest::newRow("dokuz_pantolon") << 8 << 9 << true << QSize(8, 8);
        QTest::newRow("bir_bir") << 1 << 1 << true << QSize(1, 1);
        QTest::newRow("gomlek_sifir") << 0 << 3 << false << QSize(2, 3);
        QTest::newRow("pantolon_sifir") << 3 << 0 << false << QSize(2, 3);
    }
    // A new problem starts from an empty board, the man in white and no garment
    // chosen; a refused one leaves everything as it was.
    void problem_kur()
    {
        QFETCH(int, gomlek);
        QFETCH(int, pantolon);
        QFETCH(bool, kuruldu);
        QFETCH(QSize, sonuc);
        TestOrtami ortam;
        GiyimModeli m;
        QCOMPARE(QSize(m.GirisGomlekSayisi(), m.GirisPantolonSayisi()), QSize(3, 3));
        QVERIFY(m.ProblemKur(2, 3));
        QCOMPARE(Oyna(m, "g0 p1"), QStringLiteral("1256#1"));
        m.GiysiSec(1);
        QCOMPARE(m.ProblemKur(gomlek, pantolon), kuruldu);
        QCOMPARE(QSize(m.Problem().GomlekSayisi(), m.Problem().PantolonSayisi()), sonuc);
        QCOMPARE(QSize(m.GirisGomlekSayisi(), m.GirisPantolonSayisi()), sonuc);
        QCOMPARE(int(m.Giysiler().size()), sonuc.width() + sonuc.height());
        QCOMPARE(m.Bulunanlar().Sayi(), kuruldu ? 0 : 1);
        QCOMPARE(m.Adam(), (kuruldu ? EsyaRenk{clWhite, clWhite} : EsyaRenk{clTeal, clRed}));
        QCOMPARE(m.GecerliGiysi(), kuruldu ? -1 : 1);
    }

    void giydirme_data()
    {
        QTest::addColumn<QSize>("problem"); // shirts x trousers, colours from the palette's start
        QTest::addColumn<QString>("hamleler");
        QTest::addColumn<QString>("duyulan");
        QTest::addColumn<QString>("pano");
        QTest::newRow("gomlek_yalniz") << QSize(2, 3) << "g0" << "" << "";
        QTest::newRow("pantolon_yalniz") << QSize(2, 3) << "p2 p1" << "" << "";
        QTest::newRow("ilk") << QSize(2, 3) << "g1 p0" << "1256#1" << "10";
        QTest::newRow("ayni_pantolon_yeniden") << QSize(2, 3) << "g0 p0 p0" << "1256#1 1258!" << "00";
        QTest::newRow("geri_donus") << QSize(2, 3) << "g0 p0 g1 g0" << "1256#1 1256#2 1258!" << "00 10";
        QTest::newRow("mesajsiz_kayit") << QSize(2, 3) << "g0 p0 k" << "1256#1 1258" << "00";
        // White is the colour of no garment: never recorded, never a repeat.
        QTest::newRow("beyaz") << QSize(2, 3) << "g0 p0 gw p0 pw g0" << "1256#1" << "00";
        QTest::newRow("olmayan_giysi") << QSize(2, 3) << "n5 n-1 g0 n99" << "" << "";
        QTest::newRow("tamam_2x3") << QSize(2, 3) << "g0 p0 g1 p1 g0 p2 g1"
                                   << "1256#1 1256#2 1256#3 1256#4 1256#5 1256#6 1257=6" << "00 10 11 01 02 12";
        QTest::newRow("tamamdan_sonra_sessiz") << QSize(2, 3) << "g0 p0 g1 p1 g0 p2 g1 g0 p0 p1 k"
                                               << "1256#1 1256#2 1256#3 1256#4 1256#5 1256#6 1257=6"
                                               << "00 10 11 01 02 12";
        QTest::newRow("bir_bir") << QSize(1, 1) << "p0 g0 p0" << "1256#1 1257=1" << "00";
        // Shirt and trousers colours are drawn apart: the same colour on both is an outfit.
        QTest::newRow("ayni_renk_iki_tur") << QSize(3, 3) << "g2 p2 g1" << "1256#1 1256#2" << "22 12";
    }
    void giydirme()
    {
        QFETCH(QSize, problem);
        QFETCH(QString, hamleler);
        QFETCH(QString, duyulan);
        QFETCH(QString, pano);
        TestOrtami ortam;
        GiyimModeli m;
        QVERIFY(m.ProblemKur(problem.width(), problem.height()));
        QCOMPARE(Oyna(m, hamleler), duyulan);
        QCOMPARE(Pano(m), pano);
        QVERIFY(m.OtomatikKayit());
    }

    void hepsini_goster_data()
    {
        QTest::addColumn<QSize>("problem");
        QTest::addColumn<QString>("once");
        QTest::addColumn<QString>("duyulan");
        QTest::addColumn<QString>("pano");
        QTest::newRow("bos_2x2") << QSize(2, 2) << "" << "1256#1 1256#2 1256#3 1256#4 1257=4" << "00 10 01 11";
        // Trousers by trousers; the two found first are passed over with 1258 and no message.
        QTest::newRow("iki_bulunmus")
            << QSize(3, 4) << "g1 p1 g0"
            << "1256#3 1256#4 1256#5 1258 1258 1256#6 1256#7 1256#8 1256#9 1256#10 1256#11 1256#12 1257=12"
            << "11 01 00 10 20 21 02 12 22 03 13 23";
        // The last of the order was found first: the show stops before it.
        QTest::newRow("sonuncu_bulunmus")
            << QSize(3, 4) << "g2 p3"
            << "1256#2 1256#3 1256#4 1256#5 1256#6 1256#7 1256#8 1256#9 1256#10 1256#11 1256#12 1257=12"
            << "23 00 10 20 01 11 21 02 12 22 03 13";
        QTest::newRow("tamam_2x1") << QSize(2, 1) << "g0 p0 g1 hepsi" << "" << "00 10";
    }
    void hepsini_goster()
    {
        QFETCH(QSize, problem);
        QFETCH(QString, once);
        QFETCH(QString, duyulan);
        QFETCH(QString, pano);
        TestOrtami ortam;
        GiyimModeli m;
        QVERIFY(m.ProblemKur(problem.width(), problem.height()));
        Oyna(m, once);
        QCOMPARE(Oyna(m, "hepsi"), duyulan);
        QCOMPARE(Pano(m), pano);
        QVERIFY(m.Tamam());
        QVERIFY(m.OtomatikKayit());
        QCOMPARE(Oyna(m, "hepsi g0"), QString());
    }

    void secim_data()
    {
        QTest::addColumn<int>("no");
        QTest::addColumn<bool>("yeniProblem");
        QTest::addColumn<int>("gecerli");
        QTest::addColumn<TRenk>("pantolon");
        QTest::newRow("pantolon") << 3 << false << 3 << clRed;
        QTest::newRow("yeni_problem_unutur") << 3 << true << -1 << clWhite;
        QTest::newRow("olmayan") << 5 << false << -1 << clWhite;
    }
    // "Giydir" dresses the man in the garment whose menu was opened, if it is still there.
    void secim()
    {
        QFETCH(int, no);
        QFETCH(bool, yeniProblem);
        QFETCH(int, gecerli);
        QFETCH(TRenk, pantolon);
        TestOrtami ortam;
        GiyimModeli m;
        m.ProblemKur(2, 3);
        m.GiysiSec(no);
        if (yeniProblem)
            m.ProblemKur(2, 3);
        QCOMPARE(m.GecerliGiysi(), gecerli);
        m.Giydir(m.GecerliGiysi());
        QCOMPARE(m.Adam().PantolonRengi, pantolon);
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

#include "giyimmodeli_test.moc"
ORVANTA_TEST(GiyimModeliTesti)
