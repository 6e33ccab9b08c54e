#include "donusum.h"
#include "terazimodeli.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QtTest>
#include <limits>
#include <random>

namespace {
// A pan loaded with the weights of `kgler` (BILINMEYEN puts the unknown there).
void Yukle(TeraziModeli& m, int kefe, const QList<int>& kgler)
{
    for (int kg : kgler)
        QVERIFY(kg == BILINMEYEN ? m.BilinmeyenEkle(kefe) : m.AgirlikEkle(kefe, kg));
}

qint64 Toplam(const KefeModeli& k)
{
    return qint64(k.Adet(1)) + 3 * k.Adet(3) + 5 * k.Adet(5);
}
}

class TeraziModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void etiketler_data()
    {
        QTest::addColumn<qint64>("toplam");
        QTest::addColumn<bool>("bilinmeyen");
        QTest::addColumn<QString>("etiket");
        QTest::newRow("bos") << qint64(0) << false << QStringLiteral("0");
        QTest::newRow("yedi") << qint64(7) << false << QStringLiteral("7");
        QTest::newRow("yalniz_x") << qint64(0) << true << QStringLiteral("X");
        QTest::newRow("dort_arti_x") << qint64(4) << true << QStringLiteral("4 + X");
        QTest::newRow("64_bit") << qint64(5000000000LL) << true << QStringLiteral("5000000000 + X");
    }
    void etiketler()
    {
        QFETCH(qint64, toplam);
        QFETCH(bool, bilinmeyen);
        QFETCH(QString, etiket);
        QCOMPARE(KefeEtiketi(toplam, bilinmeyen), etiket);
    }

    // The pans hang on the picture's arms; the heavy side 70 below level, the light one 30 above.
    void kefe_yerleri()
    {
        const QPoint resim(200, 47);
        const KefeYerleri duz = KefeYerleriHesapla(TeraziDurumu::Dengede, resim);
        QCOMPARE(duz.Sol, QPoint(72, 142));
        QCOMPARE(duz.Sag, QPoint(508, 142));
        const KefeYerleri sol = KefeYerleriHesapla(TeraziDurumu::SolAgir, resim);
        QCOMPARE(sol.Sol, QPoint(77, 212));
        QCOMPARE(sol.Sag, QPoint(498, 112));
        const KefeYerleri sag = KefeYerleriHesapla(TeraziDurumu::SagAgir, resim);
        QCOMPARE(sag.Sol, QPoint(72, 112));
        QCOMPARE(sag.Sag, QPoint(491, 212));
    }

    void birakma_yeri_data()
    {
        QTest::addColumn<QPoint>("nokta");
        QTest::addColumn<int>("kg");
        QTest::addColumn<QPoint>("yer");
        QTest::newRow("icerde") << QPoint(100, 120) << 5 << QPoint(100, 120);
        QTest::newRow("sag_kenar") << QPoint(230, 10) << 5 << QPoint(215, 10);
        QTest::newRow("alt_kenar") << QPoint(10, 240) << 1 << QPoint(10, 221);
        QTest::newRow("kose") << QPoint(249, 249) << 3 << QPoint(221, 215);
        // Touching the edge exactly counts as reaching it.
        QTest::newRow("tam_kenar") << QPoint(220, 0) << 5 << QPoint(215, 0);
    }
    void birakma_yeri()
    {
        QFETCH(QPoint, nokta);
        QFETCH(int, kg);
        QFETCH(QPoint, yer);
        QCOMPARE(BirakmaYeri(nokta, AgirlikBoyu(kg), QSize(250, 250)), yer);
    }

    void parca_yeri()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {0, 0, 179, 179, 7};
        QCOMPARE(ParcaYeri(QSize(250, 250)), QPoint(20, 20));
        QCOMPARE(ParcaYeri(QSize(250, 250)), QPoint(199, 199));
        // A pan smaller than 70 leaves no room to draw from.
        QCOMPARE(ParcaYeri(QSize(50, 70)), QPoint(20, 20));
    }

    // Cancelling: the rule's answer, and what it leaves on the two pans.
    void iptal_data()
    {
        QTest::addColumn<QList<int>>("sol");
        QTest::addColumn<QList<int>>("sag");
        QTest::addColumn<int>("hedefKefe");
        QTest::addColumn<int>("hedef");
        QTest::addColumn<int>("birakilanYeri");
        QTest::addColumn<int>("birakilan");
        QTest::addColumn<QString>("mesaj"); // empty: both leave
        QTest::addColumn<qint64>("solSonra");
        QTest::addColumn<qint64>("sagSonra");
        const QString palet = QStringLiteral("Önce ağırlığı bir kefeye bırakınız!");
        const QString ayni = QStringLiteral("Aynı Kefeden aynı oranları götüremezsiniz!");
        const QString farkli = QStringLiteral("Aynı Kefeden farklı ağırlıkları Götüremezsiniz!");
        const QString esitsiz = QStringLiteral("Eşit olmayan ağırlıkları Götüremezsiniz!");
        const QList<int> s35{3, 5}, s3{3, 1};
        QTest::newRow("uc_uce") << s35 << s3 << SOL_KEFE << 3 << SAG_KEFE << 3 << QString() << qint64(5) << qint64(1);
        QTest::newRow("sagdan_sola") << s35 << s3 << SAG_KEFE << 3 << SOL_KEFE << 3 << QString() << qint64(5)
                                     << qint64(1);
        QTest::newRow("paletten") << s35 << s3 << SOL_KEFE << 3 << PALET << 3 << palet << qint64(8) << qint64(4);
        QTest::newRow("ayni_kefe_esit") << QList<int>{3, 3} << s3 << SOL_KEFE << 3 << SOL_KEFE << 3 << ayni
                                        << qint64(6) << qint64(4);
        QTest::newRow("ayni_kefe_farkli") << s35 << s3 << SOL_KEFE << 5 << SOL_KEFE << 3 << farkli << qint64(8)
                                          << qint64(4);
        QTest::newRow("esit_olmayan") << s35 << s3 << SOL_KEFE << 5 << SAG_KEFE << 3 << esitsiz << qint64(8)
                                      << qint64(4);
        QTest::newRow("bilinmeyen_karsiya") << s35 << QList<int>{BILINMEYEN, 3} << SOL_KEFE << 3 << SAG_KEFE
                                            << BILINMEYEN << esitsiz << qint64(8) << qint64(3);
        QTest::newRow("bilinmeyen_ayni_kefe") << QList<int>{BILINMEYEN, 5} << s3 << SOL_KEFE << 5 << SOL_KEFE
                                              << BILINMEYEN << farkli << qint64(5) << qint64(4);
        QTest::newRow("hic_yerde_degil") << s35 << s3 << SOL_KEFE << 3 << YER_YOK << 3 << QString("-") << qint64(8)
                                         << qint64(4);
    }
    void iptal()
    {
        QFETCH(QList<int>, sol);
        QFETCH(QList<int>, sag);
        QFETCH(int, hedefKefe);
        QFETCH(int, hedef);
        QFETCH(int, birakilanYeri);
        QFETCH(int, birakilan);
        QFETCH(QString, mesaj);
        QFETCH(qint64, solSonra);
        QFETCH(qint64, sagSonra);
        TeraziModeli m;
        Yukle(m, SOL_KEFE, sol);
        Yukle(m, SAG_KEFE, sag);
        const IptalKarari karar = m.Iptal(hedefKefe, hedef, birakilanYeri, birakilan);
        if (mesaj.isEmpty())
            QCOMPARE(karar.Sonuc, IptalKarari::Kabul);
        else if (mesaj == QStringLiteral("-"))
            QCOMPARE(karar.Sonuc, IptalKarari::Yok);
        else
            QCOMPARE(karar.Mesaj, mesaj);
        QCOMPARE(m.Kefe(SOL_KEFE).Total, solSonra);
        QCOMPARE(m.Kefe(SAG_KEFE).Total, sagSonra);
    }

    // Frozen: nothing more goes onto or off the pans, but equal weights still cancel.
    void donmus_terazi()
    {
        TeraziModeli m;
        Yukle(m, SOL_KEFE, {BILINMEYEN, 3, 1});
        Yukle(m, SAG_KEFE, {3, 5});
        QVERIFY(m.EqualiseUnknown());
        QVERIFY(!m.EqualiseUnknown());
        QCOMPARE(m.UnknownValue, qint64(4));
        QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
        QVERIFY(!m.KefeyeBirakilabilir());
        QVERIFY(!m.DisariBirakilabilir(false));
        QVERIFY(!m.AgirlikTasi(SOL_KEFE, SAG_KEFE, 1));
        QVERIFY(!m.AgirlikCikar(SOL_KEFE, 1));
        QCOMPARE(m.Iptal(SOL_KEFE, 3, SAG_KEFE, 3).Sonuc, IptalKarari::Kabul);
        QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
        QCOMPARE(m.Etiket(SOL_KEFE), QStringLiteral("1 + X"));
        QCOMPARE(m.Bol(SAG_KEFE, 5), (QList<int>{3, 1, 1}));
        QCOMPARE(m.Kefe(SAG_KEFE).Total, qint64(5));
        m.YeniProblem();
        QVERIFY(!m.Frozen && !m.UnknownAdded && m.UnknownValue == 0);
        QCOMPARE(m.BilinmeyenKefesi(), YER_YOK);
        QCOMPARE(m.Etiket(SOL_KEFE), QStringLiteral("0"));
    }

    void esitleme_data()
    {
        QTest::addColumn<QList<int>>("sol");
        QTest::addColumn<QList<int>>("sag");
        QTest::addColumn<bool>("saga");    // the unknown moved to the right pan first
        QTest::addColumn<qint64>("x");
        QTest::newRow("x1_51") << QList<int>{BILINMEYEN, 1} << QList<int>{5, 1} << false << qint64(5);
        QTest::newRow("x5_3") << QList<int>{BILINMEYEN, 5} << QList<int>{3} << false << qint64(-2);
        QTest::newRow("yalniz_x") << QList<int>{BILINMEYEN} << QList<int>{} << false << qint64(0);
        QTest::newRow("sagda_x") << QList<int>{BILINMEYEN, 5, 5} << QList<int>{3} << true << qint64(7);
        QTest::newRow("sagda_eksi") << QList<int>{BILINMEYEN, 1} << QList<int>{3, 3} << true << qint64(-5);
    }
    void esitleme()
    {
        QFETCH(QList<int>, sol);
        QFETCH(QList<int>, sag);
        QFETCH(bool, saga);
        QFETCH(qint64, x);
        TeraziModeli m;
        Yukle(m, SOL_KEFE, sol);
        Yukle(m, SAG_KEFE, sag);
        QVERIFY(!m.BilinmeyenEkle(SAG_KEFE)); // only one unknown
        if (saga)
            QVERIFY(m.AgirlikTasi(SOL_KEFE, SAG_KEFE, BILINMEYEN));
        QVERIFY(m.EqualiseUnknown());
        QCOMPARE(m.UnknownValue, x);
        QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
        QVERIFY(m.CheckAnswer(QString::number(x)).Dogru);
        const CevapSonucu yanlis = m.CheckAnswer(QString::number(x + 1));
        QVERIFY(!yanlis.Dogru);
        QCOMPARE(yanlis.Mesaj, QStringLiteral("Maalesef x değerini bulamadınız.\nTekrar Deneyiniz!"));
    }

    void cevap_metni_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("sonuc"); // 1 right, 0 wrong, -1 conversion error
        QTest::newRow("bos") << QString() << -1;
        QTest::newRow("eksi") << QStringLiteral("-") << -1;
        QTest::newRow("arti") << QStringLiteral("+") << -1;
        QTest::newRow("eksi_sifir") << QStringLiteral("-0") << 1;
        QTest::newRow("arti_sifir") << QStringLiteral("+0") << 1;
        QTest::newRow("yirmi_basamak") << QStringLiteral("12345678901234567890") << -1;
        QTest::newRow("en_kucuk_64") << QString::number(std::numeric_limits<qint64>::min()) << 0;
        QTest::newRow("bir") << QStringLiteral("1") << 0;
    }
    void cevap_metni()
    {
        QFETCH(QString, metin);
        QFETCH(int, sonuc);
        TeraziModeli m;
        Yukle(m, SOL_KEFE, {BILINMEYEN});
        QVERIFY(m.EqualiseUnknown());
        if (sonuc < 0) {
            QVERIFY_THROWS_EXCEPTION(DonusumHatasi, m.CheckAnswer(metin));
            return;
        }
        const CevapSonucu s = m.CheckAnswer(metin);
        QCOMPARE(s.Dogru, sonuc == 1);
        if (s.Dogru)
            QCOMPARE(s.Mesaj, QStringLiteral("Tebrikler x değerini doğru buldunuz."));
    }

    // Random drops, cancels, splits, removals, unknowns, equalising and new
    // problems, replayed from a scripted random source. After every step each
    // pan's total is the sum of the weights the test saw arrive and leave,
    // the label says so, and the scale leans to the heavier side.
    void rastgele_adimlar_data()
    {
        QTest::addColumn<int>("tohum");
        for (int tohum = 1; tohum <= 12; ++tohum)
            QTest::addRow("tohum_%d", tohum) << tohum;
    }
    void rastgele_adimlar()
    {
        QFETCH(int, tohum);
        TestOrtami ortam;
        std::mt19937 uretec{unsigned(tohum)};
        for (int i = 0; i < 4000; ++i)
            ortam.Rastgeleler.push_back(int(uretec() % 100000));
        auto r = [](int n) { return Ortam::Gecerli().Rastgele(n); };
        const int kgler[3] = {1, 3, 5};

        TeraziModeli m;
        // What the test saw lying on each pan: weights by kind, and the unknown.
        std::array<std::array<int, 6>, 2> gorulen{};
        int bilinmeyen = YER_YOK;
        for (int adim = 0; adim < 600; ++adim) {
            const int kefe = r(2);
            const int diger = 1 - kefe;
            const int kg = kgler[r(3)];
            switch (r(9)) {
            case 0:
            case 1: // a copy from the palette
                if (m.KefeyeBirakilabilir() && m.AgirlikEkle(kefe, kg))
                    ++gorulen[kefe][kg];
                break;
            case 2: { // a weight moved to either pan
                const int hedef = r(2);
                if (gorulen[kefe][kg] > 0 && m.AgirlikTasi(kefe, hedef, kg)) {
                    --gorulen[kefe][kg];
                    ++gorulen[hedef][kg];
                }
                break;
            }
            case 3: { // a weight dropped on a weight of the other pan or the same one
                const int kg2 = kgler[r(3)];
                const int yer = r(3) == 0 ? kefe : diger;
                if (gorulen[kefe][kg] == 0 || gorulen[yer][kg2] == 0)
                    break;
                const IptalKarari k = m.Iptal(kefe, kg, yer, kg2);
                QCOMPARE(k.Sonuc == IptalKarari::Kabul, yer != kefe && kg == kg2);
                if (k.Sonuc == IptalKarari::Kabul) {
                    --gorulen[kefe][kg];
                    --gorulen[yer][kg2];
                }
                break;
            }
            case 4: { // split
                const QList<int> parcalar = m.Bol(kefe, kg);
                QCOMPARE(parcalar.isEmpty(), kg == 1 || gorulen[kefe][kg] == 0);
                for (int p : parcalar)
                    ++gorulen[kefe][p];
                if (!parcalar.isEmpty())
                    --gorulen[kefe][kg];
                break;
            }
            case 5: // dropped away from the balance
                if (gorulen[kefe][kg] > 0 && m.AgirlikCikar(kefe, kg))
                    --gorulen[kefe][kg];
                else
                    QVERIFY(gorulen[kefe][kg] == 0 || m.Frozen);
                break;
            case 6: // the unknown added or moved
                if (bilinmeyen == YER_YOK && m.BilinmeyenEkle(kefe))
                    bilinmeyen = kefe;
                else if (bilinmeyen != YER_YOK && m.AgirlikTasi(bilinmeyen, kefe, BILINMEYEN))
                    bilinmeyen = kefe;
                break;
            case 7:
                if (m.EqualiseUnknown())
                    QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
                break;
            default:
                if (r(4) == 0) {
                    m.YeniProblem();
                    gorulen = {};
                    bilinmeyen = YER_YOK;
                }
            }
            for (int k : {SOL_KEFE, SAG_KEFE}) {
                const KefeModeli& p = m.Kefe(k);
                const qint64 beklenen = gorulen[k][1] + 3 * gorulen[k][3] + 5 * gorulen[k][5];
                QCOMPARE(p.Total, beklenen);
                QCOMPARE(Toplam(p), beklenen);
                QCOMPARE(p.HasUnknown, bilinmeyen == k);
                QCOMPARE(m.Etiket(k), KefeEtiketi(beklenen, bilinmeyen == k));
            }
            QCOMPARE(m.BilinmeyenKefesi(), bilinmeyen);
            QCOMPARE(m.Durum(), Denge(m.TotalWithUnknown(SOL_KEFE), m.TotalWithUnknown(SAG_KEFE)));
            if (m.Frozen)
                QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
        }
    }
};

#include "balance_test.moc"
ORVANTA_TEST(TeraziModeliTesti)
