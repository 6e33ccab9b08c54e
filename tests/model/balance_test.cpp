#include "donusum.h"
#include "terazimodeli.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QtTest>
#include <random>

namespace {
// Loads a pan with the weights of `kgler`; BILINMEYEN puts the unknown there.
void Yukle(TeraziModeli& m, int kefe, const QList<int>& kgler)
{
    for (int kg : kgler)
        QVERIFY(kg == BILINMEYEN ? m.BilinmeyenEkle(kefe) : m.AgirlikEkle(kefe, kg));
}
}

class TeraziModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void etiketler()
    {
        QCOMPARE(KefeEtiketi(7, false), QStringLiteral("7"));
        QCOMPARE(KefeEtiketi(0, true), QStringLiteral("X"));
        QCOMPARE(KefeEtiketi(4, true), QStringLiteral("4 + X"));
        QCOMPARE(KefeEtiketi(5000000000LL, false), QStringLiteral("5000000000"));
    }

    // The heavy pan hangs 70 under the level position, the light one 30 above it.
    void kefe_yerleri()
    {
        const QPoint r(200, 47);
        QCOMPARE(KefeYerleriHesapla(TeraziDurumu::Dengede, r).Sol, QPoint(72, 142));
        QCOMPARE(KefeYerleriHesapla(TeraziDurumu::Dengede, r).Sag, QPoint(508, 142));
        QCOMPARE(KefeYerleriHesapla(TeraziDurumu::SolAgir, r).Sol, QPoint(77, 212));
        QCOMPARE(KefeYerleriHesapla(TeraziDurumu::SolAgir, r).Sag, QPoint(498, 112));
        QCOMPARE(KefeYerleriHesapla(TeraziDurumu::SagAgir, r).Sol, QPoint(72, 112));
        QCOMPARE(KefeYerleriHesapla(TeraziDurumu::SagAgir, r).Sag, QPoint(491, 212));
    }

    // The free area is the pan less its label: 250 wide, 218 down to the label's top.
    void birakma_yeri_data()
    {
        QTest::addColumn<QPoint>("nokta");
        QTest::addColumn<int>("kg");
        QTest::addColumn<QSize>("serbest");
        QTest::addColumn<QPoint>("yer");
        const QSize kefe(250, 218);
        QTest::newRow("icerde") << QPoint(100, 120) << 5 << kefe << QPoint(100, 120);
        QTest::newRow("sag_kenar") << QPoint(230, 10) << 5 << kefe << QPoint(215, 10);
        QTest::newRow("tam_kenar") << QPoint(220, 0) << 5 << kefe << QPoint(215, 0);
        QTest::newRow("etiketin_ustune_cekilir") << QPoint(100, 200) << 5 << kefe << QPoint(100, 177);
        QTest::newRow("etiketin_hemen_ustu") << QPoint(100, 181) << 5 << kefe << QPoint(100, 181);
        QTest::newRow("etikete_degen") << QPoint(100, 182) << 5 << kefe << QPoint(100, 177);
        QTest::newRow("kose") << QPoint(249, 249) << 3 << kefe << QPoint(221, 183);
        QTest::newRow("bilinmeyen_altta") << QPoint(10, 240) << BILINMEYEN << kefe << QPoint(10, 173);
        QTest::newRow("sigmayan_kefe_sol_ustte") << QPoint(10, 10) << 5 << QSize(20, 20) << QPoint(0, 0);
    }
    void birakma_yeri()
    {
        QFETCH(QPoint, nokta);
        QFETCH(int, kg);
        QFETCH(QSize, serbest);
        QFETCH(QPoint, yer);
        QCOMPARE(BirakmaYeri(nokta, AgirlikBoyu(kg), serbest), yer);
    }

    // A weight dropped on a weight: left pan 3 + 5, right pan 3 + 1 + X.
    void iptal_data()
    {
        QTest::addColumn<int>("hedefKefe");
        QTest::addColumn<int>("hedef");
        QTest::addColumn<int>("birakilanYeri");
        QTest::addColumn<int>("birakilan");
        QTest::addColumn<QString>("mesaj"); // empty: both leave
        const QString esitsiz = QStringLiteral("Eşit olmayan ağırlıkları Götüremezsiniz!");
        QTest::newRow("uc_uce") << SOL_KEFE << 3 << SAG_KEFE << 3 << QString();
        QTest::newRow("sagdan_sola") << SAG_KEFE << 3 << SOL_KEFE << 3 << QString();
        QTest::newRow("paletten") << SOL_KEFE << 3 << PALET << 3 << QStringLiteral("Önce ağırlığı bir kefeye bırakınız!");
        QTest::newRow("ayni_kefe_esit") << SAG_KEFE << 1 << SAG_KEFE << 1
                                        << QStringLiteral("Aynı Kefeden aynı oranları götüremezsiniz!");
        QTest::newRow("ayni_kefe_farkli") << SOL_KEFE << 5 << SOL_KEFE << 3
                                          << QStringLiteral("Aynı Kefeden farklı ağırlıkları Götüremezsiniz!");
        QTest::newRow("esit_olmayan") << SOL_KEFE << 5 << SAG_KEFE << 3 << esitsiz;
        QTest::newRow("bilinmeyen_karsiya") << SOL_KEFE << 3 << SAG_KEFE << BILINMEYEN << esitsiz;
    }
    void iptal()
    {
        QFETCH(int, hedefKefe);
        QFETCH(int, hedef);
        QFETCH(int, birakilanYeri);
        QFETCH(int, birakilan);
        QFETCH(QString, mesaj);
        TeraziModeli m;
        Yukle(m, SOL_KEFE, {3, 5});
        Yukle(m, SAG_KEFE, {3, 1, BILINMEYEN});
        const IptalKarari karar = m.Iptal(hedefKefe, hedef, birakilanYeri, birakilan);
        QCOMPARE(karar.Sonuc, mesaj.isEmpty() ? IptalKarari::Kabul : IptalKarari::Red);
        QCOMPARE(karar.Mesaj, mesaj);
        QCOMPARE(m.Kefe(SOL_KEFE).Total, mesaj.isEmpty() ? 5 : 8);
        QCOMPARE(m.Kefe(SAG_KEFE).Total, mesaj.isEmpty() ? 1 : 4);
        QCOMPARE(m.Iptal(SOL_KEFE, 3, YER_YOK, 3).Sonuc, IptalKarari::Yok);
    }

    void esitleme_data()
    {
        QTest::addColumn<QList<int>>("sol");
        QTest::addColumn<QList<int>>("sag");
        QTest::addColumn<bool>("saga"); // the unknown moved to the right pan first
        QTest::addColumn<qint64>("x");
        QTest::newRow("x1_51") << QList<int>{BILINMEYEN, 1} << QList<int>{5, 1} << false << qint64(5);
        QTest::newRow("x5_3") << QList<int>{BILINMEYEN, 5} << QList<int>{3} << false << qint64(-2);
        QTest::newRow("yalniz_x") << QList<int>{BILINMEYEN} << QList<int>{} << false << qint64(0);
        QTest::newRow("sagda_x") << QList<int>{BILINMEYEN, 5, 5} << QList<int>{3} << true << qint64(7);
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
        QCOMPARE(m.CheckAnswer(QString::number(x + 1)).Mesaj,
                 QStringLiteral("Maalesef x değerini bulamadınız.\nTekrar Deneyiniz!"));
    }

    // Frozen: nothing more goes onto or off the pans, but equal weights still cancel.
    void donmus_terazi()
    {
        TeraziModeli m;
        Yukle(m, SOL_KEFE, {BILINMEYEN, 3, 1});
        Yukle(m, SAG_KEFE, {3, 5});
        QVERIFY(m.EqualiseUnknown());
        QVERIFY(!m.EqualiseUnknown());
        QVERIFY(!m.KefeyeBirakilabilir() && !m.DisariBirakilabilir(false));
        QVERIFY(!m.AgirlikTasi(SOL_KEFE, SAG_KEFE, 1));
        QVERIFY(!m.AgirlikCikar(SOL_KEFE, 1));
        QCOMPARE(m.Iptal(SOL_KEFE, 3, SAG_KEFE, 3).Sonuc, IptalKarari::Kabul);
        QCOMPARE(m.Bol(SAG_KEFE, 5), (QList<int>{3, 1, 1}));
        QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
        QCOMPARE(m.Etiket(SOL_KEFE), QStringLiteral("1 + X"));
        m.YeniProblem();
        QVERIFY(!m.Frozen && !m.UnknownAdded && m.UnknownValue == 0);
        QCOMPARE(m.BilinmeyenKefesi(), YER_YOK);
    }

    void cevap_metni_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("sonuc"); // 1 right, 0 wrong, -1 conversion error
        QTest::newRow("bos") << QString() << -1;
        QTest::newRow("eksi") << QStringLiteral("-") << -1;
        QTest::newRow("arti") << QStringLiteral("+") << -1;
        QTest::newRow("eksi_sifir") << QStringLiteral("-0") << 1;
        QTest::newRow("yirmi_basamak") << QStringLiteral("12345678901234567890") << -1;
        QTest::newRow("en_kucuk_64") << QStringLiteral("-9223372036854775808") << 0;
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

    // Random drops, moves, cancels, splits, removals, unknowns, equalising and
    // new problems from a scripted random source. After every step each pan's
    // total is the sum of the weights the test saw arrive and leave, the label
    // says so, and a frozen scale stays level.
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
        TeraziModeli m;
        std::array<std::array<int, 6>, 2> gorulen{}; // weights by kilograms on each pan
        int x = YER_YOK;
        for (int adim = 0; adim < 600; ++adim) {
            const int kefe = r(2), diger = r(2);
            const int kg = 1 + 2 * r(3), kg2 = 1 + 2 * r(3);
            switch (r(8)) {
            case 0:
                if (m.KefeyeBirakilabilir() && m.AgirlikEkle(kefe, kg))
                    ++gorulen[kefe][kg];
                break;
            case 1:
                if (gorulen[kefe][kg] > 0 && m.AgirlikTasi(kefe, diger, kg))
                    --gorulen[kefe][kg], ++gorulen[diger][kg];
                break;
            case 2:
                if (gorulen[kefe][kg] > 0 && gorulen[diger][kg2] > 0) {
                    const bool kabul = m.Iptal(kefe, kg, diger, kg2).Sonuc == IptalKarari::Kabul;
                    QCOMPARE(kabul, kefe != diger && kg == kg2);
                    if (kabul)
                        --gorulen[kefe][kg], --gorulen[diger][kg2];
                }
                break;
            case 3: {
                const QList<int> parcalar = m.Bol(kefe, kg);
                QCOMPARE(parcalar.isEmpty(), kg == 1 || gorulen[kefe][kg] == 0);
                for (int p : parcalar)
                    ++gorulen[kefe][p];
                gorulen[kefe][kg] -= parcalar.isEmpty() ? 0 : 1;
                break;
            }
            case 4:
                if (gorulen[kefe][kg] > 0 && m.AgirlikCikar(kefe, kg))
                    --gorulen[kefe][kg];
                break;
            case 5:
                if (x == YER_YOK ? m.BilinmeyenEkle(kefe) : m.AgirlikTasi(x, kefe, BILINMEYEN))
                    x = kefe;
                break;
            case 6:
                m.EqualiseUnknown();
                break;
            default:
                if (r(4) == 0) {
                    m.YeniProblem();
                    gorulen = {};
                    x = YER_YOK;
                }
            }
            for (int k : {SOL_KEFE, SAG_KEFE}) {
                const qint64 toplam = gorulen[k][1] + 3 * gorulen[k][3] + 5 * gorulen[k][5];
                QCOMPARE(m.Kefe(k).Total, toplam);
                QCOMPARE(m.Etiket(k), KefeEtiketi(toplam, x == k));
            }
            QCOMPARE(m.BilinmeyenKefesi(), x);
            if (m.Frozen)
                QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
        }
    }
};

#include "balance_test.moc"
ORVANTA_TEST(TeraziModeliTesti)
