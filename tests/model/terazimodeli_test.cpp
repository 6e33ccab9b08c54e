#include "donusum.h"
#include "sesnumaralari.h"
#include "terazimodeli.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QtTest>
#include <random>

namespace {
// Pans as the window lays them out: 250 square, free down to the label at 218.
const QSize KEFE(250, 250);
const QSize SERBEST(250, 218);

void Kur(TeraziModeli& m)
{
    for (int k : {SOL_KEFE, SAG_KEFE})
        m.KefeAlaniAyarla(k, KEFE, SERBEST);
}

// Loads a pan with the weights of `kgler`, dropped from the palette;
// BILINMEYEN puts the unknown there.
void Yukle(TeraziModeli& m, int kefe, const QList<int>& kgler)
{
    for (int kg : kgler) {
        if (kg == BILINMEYEN)
            QVERIFY(m.BilinmeyenEkle(kefe) != 0);
        else
            QCOMPARE(m.Birak(m.PaletAgirligi(kg), BirakmaHedefi{kefe}, QPoint(60, 80)).Sonuc, BirakmaKarari::Kopyala);
    }
}

// The first (or last) weight of `kg` on `yer` (the palette's for PALET), 0 for none.
int Agirligi(const TeraziModeli& m, int yer, int kg, bool son = false)
{
    int kimlik = 0;
    for (const Agirlik& a : m.Agirliklar(yer))
        if (a.Kg == kg && (son || kimlik == 0))
            kimlik = a.Kimlik;
    return kimlik;
}
}

class TeraziModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void etiketler()
    {
        QCOMPARE(KefeEtiketi(4, true), QStringLiteral("4 + X"));
        QCOMPARE(KefeEtiketi(5000000000LL, false), QStringLiteral("5000000000"));
    }

    // What readers hear of a weight follows it from the palette to a pan and off the balance.
    void agirlik_adlari()
    {
        TestOrtami ortam;
        TeraziModeli m;
        Kur(m);
        QCOMPARE(m.AgirlikAdi(m.PaletAgirligi(3)), QStringLiteral("3 kg, ağırlık sırasında"));
        Yukle(m, SOL_KEFE, {5, BILINMEYEN});
        const int bes = Agirligi(m, SOL_KEFE, 5);
        QCOMPARE(m.AgirlikAdi(bes), QStringLiteral("5 kg, sol kefede"));
        QCOMPARE(m.AgirlikAdi(m.BilinmeyenKimligi()), QStringLiteral("X, sol kefede"));
        QCOMPARE(m.KefeAdi(SOL_KEFE), QStringLiteral("Sol kefe: 5 + X"));
        // Moved to the other pan, a weight is read under its new identity alone.
        const BirakmaKarari karar = m.Birak(bes, BirakmaHedefi{SAG_KEFE}, QPoint(10, 10));
        QCOMPARE(m.AgirlikAdi(karar.Agirlik), QStringLiteral("5 kg, sağ kefede"));
        QCOMPARE(m.AgirlikAdi(bes), QString());
    }

    // The place Tab offers on a pan: clear of every weight there and inside
    // the free area, low in the pan; the middle when the pan is full.
    void bos_yer_data()
    {
        QTest::addColumn<QList<QPoint>>("dolu"); // where 5 kg weights lie
        QTest::addColumn<int>("kg");
        QTest::addColumn<bool>("bos");
        QTest::newRow("boş kefe") << QList<QPoint>{} << 1 << true;
        QTest::newRow("ortası dolu") << QList<QPoint>{{105, 177}, {105, 140}, {70, 177}, {140, 177}, {105, 91}} << 5 << true;
        QTest::newRow("X için") << QList<QPoint>{{0, 177}, {110, 177}} << BILINMEYEN << true;
        QList<QPoint> hepsi;
        for (int y = 0; y < 218; y += 36)
            for (int x = 0; x < 250; x += 30)
                hepsi << QPoint(x, y);
        QTest::newRow("dolu kefe") << hepsi << 1 << false;
    }

    void bos_yer()
    {
        QFETCH(QList<QPoint>, dolu);
        QFETCH(int, kg);
        QFETCH(bool, bos);
        TestOrtami ortam;
        TeraziModeli m;
        Kur(m);
        for (const QPoint& p : dolu)
            m.Birak(m.PaletAgirligi(5), BirakmaHedefi{SOL_KEFE}, p);
        Yukle(m, SAG_KEFE, {1, 3, 5});
        const QSize boyut = AgirlikBoyu(kg);
        const QPoint yer = m.BosYer(SOL_KEFE, boyut);
        const QRect alan(yer, boyut);
        bool cakisir = false;
        for (const Agirlik& a : m.Agirliklar(SOL_KEFE))
            cakisir = cakisir || alan.intersects(QRect(a.Konum, AgirlikBoyu(a.Kg)));
        QCOMPARE(!cakisir, bos);
        if (bos) {
            QVERIFY(QRect(QPoint(0, 0), SERBEST - QSize(5, 5)).contains(alan));
            // Low in the pan: no clear place lies a row lower.
            QVERIFY(alan.bottom() > SERBEST.height() - 5 - 10 - (dolu.isEmpty() ? 0 : 80));
            // Where it lies, a drop there puts the weight, unmoved.
            QCOMPARE(BirakmaYeri(yer, boyut, SERBEST), yer);
        } else {
            QCOMPARE(yer, QPoint((SERBEST.width() - boyut.width()) / 2, (SERBEST.height() - boyut.height()) / 2));
        }
    }

    // The heavy pan hangs below the level position, the light one above it.
    void kefe_yerleri()
    {
        const auto yer = [](TeraziDurumu d) { return KefeYerleriHesapla(d, QPoint(200, 47)); };
        const KefeYerleri duz = yer(TeraziDurumu::Dengede), sol = yer(TeraziDurumu::SolAgir),
                          sag = yer(TeraziDurumu::SagAgir);
        QCOMPARE(duz.Sol.y(), duz.Sag.y());
        QVERIFY(sol.Sol.y() > duz.Sol.y() && sol.Sag.y() < duz.Sag.y());
        QVERIFY(sag.Sag.y() > duz.Sag.y() && sag.Sol.y() < duz.Sol.y());
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

    // A weight dropped on a weight: left pan 3 + 5, right pan 3 + 1 + 1 + X.
    void iptal_data()
    {
        QTest::addColumn<int>("hedefKefe");
        QTest::addColumn<int>("hedef");
        QTest::addColumn<int>("birakilanYeri");
        QTest::addColumn<int>("birakilan");
        QTest::addColumn<int>("sonuc");
        QTest::addColumn<QString>("mesaj");
        const QString esitsiz = QStringLiteral("Eşit olmayan ağırlıkları Götüremezsiniz!");
        const int kabul = BirakmaKarari::Iptal, red = BirakmaKarari::Red, yok = BirakmaKarari::Yok;
        QTest::newRow("uc_uce") << SOL_KEFE << 3 << SAG_KEFE << 3 << kabul << QString();
        QTest::newRow("sagdan_sola") << SAG_KEFE << 3 << SOL_KEFE << 3 << kabul << QString();
        QTest::newRow("paletten") << SOL_KEFE << 3 << PALET << 3 << red
                                  << QStringLiteral("Önce ağırlığı bir kefeye bırakınız!");
        QTest::newRow("ayni_kefe_esit") << SAG_KEFE << 1 << SAG_KEFE << 1 << red
                                        << QStringLiteral("Aynı Kefeden aynı oranları götüremezsiniz!");
        QTest::newRow("ayni_kefe_farkli") << SOL_KEFE << 5 << SOL_KEFE << 3 << red
                                          << QStringLiteral("Aynı Kefeden farklı ağırlıkları Götüremezsiniz!");
        QTest::newRow("esit_olmayan") << SOL_KEFE << 5 << SAG_KEFE << 3 << red << esitsiz;
        QTest::newRow("bilinmeyen_karsiya") << SOL_KEFE << 3 << SAG_KEFE << BILINMEYEN << red << esitsiz;
        QTest::newRow("bilinmeyenin_ustune") << SAG_KEFE << BILINMEYEN << SOL_KEFE << 3 << red << esitsiz;
        QTest::newRow("kendi_ustune") << SOL_KEFE << 5 << SOL_KEFE << 5 << yok << QString();
        QTest::newRow("palet_agirliginin_ustune") << PALET << 3 << SAG_KEFE << 3 << yok << QString();
    }
    void iptal()
    {
        QFETCH(int, hedefKefe);
        QFETCH(int, hedef);
        QFETCH(int, birakilanYeri);
        QFETCH(int, birakilan);
        QFETCH(int, sonuc);
        QFETCH(QString, mesaj);
        TeraziModeli m;
        Kur(m);
        Yukle(m, SOL_KEFE, {3, 5});
        Yukle(m, SAG_KEFE, {3, 1, 1, BILINMEYEN});
        const int t = Agirligi(m, hedefKefe, hedef);
        const int s = Agirligi(m, birakilanYeri, birakilan, true);
        const BirakmaKarari karar = m.Birak(s, BirakmaHedefi{YER_YOK, t});
        QCOMPARE(int(karar.Sonuc), sonuc);
        QCOMPARE(karar.Mesaj, mesaj);
        const bool gitti = sonuc == BirakmaKarari::Iptal;
        QCOMPARE(karar.Ses, sonuc == BirakmaKarari::Yok ? 0 : gitti ? SES_NOTR : SES_HATA);
        QCOMPARE(karar.KaynakGider, gitti);
        QCOMPARE(karar.HedefGider, gitti ? t : 0);
        QCOMPARE(m.Bul(t) == nullptr, gitti);
        QCOMPARE(m.Bul(s) == nullptr, gitti);
        QCOMPARE(m.Kefe(SOL_KEFE).Total, gitti ? 5 : 8);
        QCOMPARE(m.Kefe(SAG_KEFE).Total, gitti ? 2 : 5);
        // Once gone, neither takes part in another drop.
        if (gitti)
            QCOMPARE(m.Birak(s, BirakmaHedefi{YER_YOK, t}).Sonuc, BirakmaKarari::Yok);
    }

    // A weight dropped on a place: left pan X + 3, right pan 1; the unknown
    // equalised first where `donmus`.
    void birak_data()
    {
        QTest::addColumn<int>("kaynakYeri"); // PALET, or the pan the weight lies on
        QTest::addColumn<int>("kg");
        QTest::addColumn<int>("hedef");
        QTest::addColumn<bool>("donmus");
        QTest::addColumn<bool>("kabul"); // the drag over accepts it
        QTest::addColumn<int>("sonuc");
        QTest::addColumn<bool>("gider"); // the dragged weight leaves once its drag has ended
        QTest::addColumn<int>("ses");
        QTest::addColumn<QString>("sol"); // the labels after the drop
        QTest::addColumn<QString>("sag");
        const int yok = BirakmaKarari::Yok, tasi = BirakmaKarari::Tasi, kopya = BirakmaKarari::Kopyala,
                  cikar = BirakmaKarari::Cikar;
        const int notr = SES_NOTR;
        QTest::newRow("paletten_kefeye") << PALET << 5 << SOL_KEFE << false << true << kopya << false << notr << "8 + X" << "1";
        QTest::newRow("kefe_icinde") << SOL_KEFE << 3 << SOL_KEFE << false << true << tasi << false << notr << "3 + X" << "1";
        QTest::newRow("karsi_kefeye") << SOL_KEFE << 3 << SAG_KEFE << false << true << kopya << true << notr << "X" << "4";
        QTest::newRow("bilinmeyen_icinde") << SOL_KEFE << BILINMEYEN << SOL_KEFE << false << true << tasi << false << 0
                                           << "3 + X" << "1";
        QTest::newRow("bilinmeyen_karsiya") << SOL_KEFE << BILINMEYEN << SAG_KEFE << false << true << kopya << true << 0
                                            << "3" << "1 + X";
        QTest::newRow("pencereye") << SOL_KEFE << 3 << PENCERE_YUZEYI << false << true << cikar << true << 0 << "X" << "1";
        QTest::newRow("palete") << SAG_KEFE << 1 << PALET << false << true << cikar << true << 0 << "3 + X" << "0";
        QTest::newRow("palet_pencereye") << PALET << 3 << PENCERE_YUZEYI << false << true << yok << false << 0 << "3 + X" << "1";
        QTest::newRow("bilinmeyen_pencereye") << SOL_KEFE << BILINMEYEN << PENCERE_YUZEYI << false << false << yok << false << 0
                                              << "3 + X" << "1";
        QTest::newRow("yersiz") << SOL_KEFE << 3 << YER_YOK << false << false << yok << false << 0 << "3 + X" << "1";
        QTest::newRow("donmus_paletten") << PALET << 5 << SOL_KEFE << true << false << yok << false << 0 << "3 + X" << "1";
        QTest::newRow("donmus_pencereye") << SAG_KEFE << 1 << PENCERE_YUZEYI << true << false << yok << false << 0 << "3 + X" << "1";
    }
    void birak()
    {
        QFETCH(int, kaynakYeri);
        QFETCH(int, kg);
        QFETCH(int, hedef);
        QFETCH(bool, donmus);
        QFETCH(bool, kabul);
        QFETCH(int, sonuc);
        QFETCH(bool, gider);
        QFETCH(int, ses);
        QFETCH(QString, sol);
        QFETCH(QString, sag);
        TeraziModeli m;
        Kur(m);
        Yukle(m, SOL_KEFE, {BILINMEYEN, 3});
        Yukle(m, SAG_KEFE, {1});
        if (donmus)
            QVERIFY(m.EqualiseUnknown());
        const int s = Agirligi(m, kaynakYeri, kg);
        QCOMPARE(m.Birakilabilir(s, hedef), kabul);
        // Low at the right edge: pulled back inside the free area.
        const BirakmaKarari karar = m.Birak(s, BirakmaHedefi{hedef}, QPoint(240, 240));
        QCOMPARE(int(karar.Sonuc), sonuc);
        QCOMPARE(karar.KaynakGider, gider);
        QCOMPARE(int(karar.Ses), ses);
        QCOMPARE(m.Etiket(SOL_KEFE), sol);
        QCOMPARE(m.Etiket(SAG_KEFE), sag);
        QCOMPARE(m.Bul(s) == nullptr, gider);
        if (sonuc == BirakmaKarari::Tasi || sonuc == BirakmaKarari::Kopyala) {
            const QPoint yer = BirakmaYeri(QPoint(240, 240), AgirlikBoyu(kg), SERBEST);
            QCOMPARE(karar.Kefe, hedef);
            QCOMPARE(karar.Konum, yer);
            QCOMPARE(karar.Agirlik == s, sonuc == BirakmaKarari::Tasi);
            const Agirlik* a = m.Bul(karar.Agirlik);
            QVERIFY(a);
            QCOMPARE(a->Yer, hedef);
            QCOMPARE(a->Konum, yer);
        }
        // The palette is never used up.
        for (int p : {1, 3, 5})
            QVERIFY(m.PaletAgirligi(p) != 0);
    }

    // Drag over by something that is no weight: the pans and the window's
    // surface take it (and the drop then does nothing), the palette does not.
    void yabanci_surukleme()
    {
        TeraziModeli m;
        QVERIFY(m.Birakilabilir(0, SOL_KEFE) && m.Birakilabilir(0, PENCERE_YUZEYI) && !m.Birakilabilir(0, PALET));
        QCOMPARE(m.Birak(0, BirakmaHedefi{SOL_KEFE}).Sonuc, BirakmaKarari::Yok);
        QCOMPARE(m.Birak(12345, BirakmaHedefi{PENCERE_YUZEYI}).Sonuc, BirakmaKarari::Yok);
    }

    // A press in split mode: the pieces come at random places, pulled above
    // the label like a drop.
    void bolme_data()
    {
        QTest::addColumn<int>("kg");
        QTest::addColumn<bool>("kip");
        QTest::addColumn<QList<int>>("parcalar");
        QTest::addColumn<QList<QPoint>>("yerler");
        // Random draws of 0 and then of the largest value, 250 - 71.
        QTest::newRow("bes") << 5 << true << QList<int>{3, 1, 1}
                             << QList<QPoint>{{20, 20}, {199, 189}, {199, 189}};
        QTest::newRow("uc") << 3 << true << QList<int>{1, 1, 1} << QList<QPoint>{{20, 20}, {199, 189}, {199, 189}};
        QTest::newRow("bir") << 1 << true << QList<int>{} << QList<QPoint>{};
        QTest::newRow("bilinmeyen") << BILINMEYEN << true << QList<int>{} << QList<QPoint>{};
        QTest::newRow("kip_kapali") << 5 << false << QList<int>{3, 1, 1}
                                    << QList<QPoint>{{20, 20}, {199, 189}, {199, 189}};
    }
    void bolme()
    {
        QFETCH(int, kg);
        QFETCH(bool, kip);
        QFETCH(QList<int>, parcalar);
        QFETCH(QList<QPoint>, yerler);
        TestOrtami ortam;
        ortam.Rastgeleler = {0, 0, 179, 179, 179, 179};
        TeraziModeli m;
        Kur(m);
        Yukle(m, SAG_KEFE, {kg, 1});
        m.BolmeKipi = kip;
        const int w = Agirligi(m, SAG_KEFE, kg);
        QCOMPARE(m.BasincaBolunur(w), kip);
        QVERIFY(!m.BasincaBolunur(m.PaletAgirligi(5)));
        const qint64 once = m.Kefe(SAG_KEFE).Total;
        const QList<int> yeni = m.Bol(w);
        QList<int> kgler;
        QList<QPoint> konumlar;
        for (int k : yeni) {
            QCOMPARE(m.Bul(k)->Yer, SAG_KEFE);
            kgler << m.Bul(k)->Kg;
            konumlar << m.Bul(k)->Konum;
        }
        QCOMPARE(kgler, parcalar);
        QCOMPARE(konumlar, yerler);
        QCOMPARE(m.Bul(w) == nullptr, !parcalar.isEmpty());
        QCOMPARE(m.Kefe(SAG_KEFE).Total, once);
        QVERIFY(m.Bol(m.PaletAgirligi(5)).isEmpty());
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
        Kur(m);
        Yukle(m, SOL_KEFE, sol);
        Yukle(m, SAG_KEFE, sag);
        QCOMPARE(m.BilinmeyenEkle(SAG_KEFE), 0); // only one unknown
        if (saga)
            QCOMPARE(m.Birak(m.BilinmeyenKimligi(), BirakmaHedefi{SAG_KEFE}).Sonuc, BirakmaKarari::Kopyala);
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
        TestOrtami ortam;
        TeraziModeli m;
        Kur(m);
        Yukle(m, SOL_KEFE, {BILINMEYEN, 3, 1});
        Yukle(m, SAG_KEFE, {3, 5});
        QVERIFY(m.EqualiseUnknown());
        QVERIFY(!m.EqualiseUnknown());
        QCOMPARE(m.Birak(Agirligi(m, SAG_KEFE, 3), BirakmaHedefi{YER_YOK, Agirligi(m, SOL_KEFE, 3)}).Sonuc,
                 BirakmaKarari::Iptal);
        QCOMPARE(m.Bol(Agirligi(m, SAG_KEFE, 5)).size(), 3);
        QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
        QCOMPARE(m.Etiket(SOL_KEFE), QStringLiteral("1 + X"));
        m.YeniProblem();
        QVERIFY(!m.Frozen && !m.UnknownAdded && m.UnknownValue == 0);
        QCOMPARE(m.BilinmeyenKefesi(), YER_YOK);
        QCOMPARE(m.BilinmeyenKimligi(), 0);
        QVERIFY(m.Agirliklar(SOL_KEFE).isEmpty() && m.Agirliklar(SAG_KEFE).isEmpty());
        QCOMPARE(m.Agirliklar(PALET).size(), 3);
        QVERIFY(m.BilinmeyenEkle(SAG_KEFE) != 0);
    }

    void cevap_metni_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("sonuc"); // 1 right, 0 wrong, -1 conversion error
        QTest::newRow("bos") << QString() << -1;
        QTest::newRow("eksi") << QStringLiteral("-") << -1;
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
    // says so, every weight lies wholly in its pan's free area, and a frozen
    // scale stays level.
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
        for (int i = 0; i < 8000; ++i)
            ortam.Rastgeleler.push_back(int(uretec() % 100000));
        auto r = [](int n) { return Ortam::Gecerli().Rastgele(n); };
        TeraziModeli m;
        Kur(m);
        std::array<std::array<int, 6>, 2> gorulen{}; // weights by kilograms on each pan
        int x = YER_YOK;
        auto geldi = [&](int kefe, int kg, int fark) {
            if (kg == BILINMEYEN)
                x = fark > 0 ? kefe : YER_YOK;
            else
                gorulen[size_t(kefe)][size_t(kg)] += fark;
        };
        // A weight of the pan at random, the unknown among them.
        auto herhangi = [&](int kefe) {
            const QList<Agirlik> hepsi = m.Agirliklar(kefe);
            return hepsi.isEmpty() ? Agirlik() : hepsi.at(r(int(hepsi.size())));
        };
        for (int adim = 0; adim < 600; ++adim) {
            const int kefe = r(2), diger = r(2);
            const QPoint nokta(r(260), r(260));
            const Agirlik w = herhangi(kefe);
            switch (r(8)) {
            case 0: {
                const int kg = 1 + 2 * r(3);
                const auto sonuc = m.Birak(m.PaletAgirligi(kg), BirakmaHedefi{kefe}, nokta).Sonuc;
                QCOMPARE(sonuc, m.Frozen ? BirakmaKarari::Yok : BirakmaKarari::Kopyala);
                if (!m.Frozen)
                    geldi(kefe, kg, 1);
                break;
            }
            case 1:
                if (w.Kimlik) {
                    const auto sonuc = m.Birak(w.Kimlik, BirakmaHedefi{diger}, nokta).Sonuc;
                    QCOMPARE(sonuc, m.Frozen         ? BirakmaKarari::Yok
                                    : kefe == diger ? BirakmaKarari::Tasi
                                                    : BirakmaKarari::Kopyala);
                    if (sonuc == BirakmaKarari::Kopyala)
                        geldi(kefe, w.Kg, -1), geldi(diger, w.Kg, 1);
                }
                break;
            case 2: {
                const Agirlik v = herhangi(diger);
                if (w.Kimlik && v.Kimlik && w.Kimlik != v.Kimlik) {
                    const auto sonuc = m.Birak(v.Kimlik, BirakmaHedefi{YER_YOK, w.Kimlik}).Sonuc;
                    const bool kabul = kefe != diger && w.Kg == v.Kg;
                    QCOMPARE(sonuc, kabul ? BirakmaKarari::Iptal : BirakmaKarari::Red);
                    if (kabul)
                        geldi(kefe, w.Kg, -1), geldi(diger, v.Kg, -1);
                }
                break;
            }
            case 3:
                if (w.Kimlik) {
                    const QList<int> parcalar = m.Bol(w.Kimlik);
                    QCOMPARE(parcalar.isEmpty(), w.Kg != 3 && w.Kg != 5);
                    for (int p : parcalar)
                        geldi(kefe, m.Bul(p)->Kg, 1);
                    if (!parcalar.isEmpty())
                        geldi(kefe, w.Kg, -1);
                }
                break;
            case 4:
                if (w.Kimlik) {
                    const int yer = r(2) ? PALET : PENCERE_YUZEYI;
                    const bool gider = !m.Frozen && w.Kg != BILINMEYEN;
                    QCOMPARE(m.Birak(w.Kimlik, BirakmaHedefi{yer}, nokta).Sonuc,
                             gider ? BirakmaKarari::Cikar : BirakmaKarari::Yok);
                    if (gider)
                        geldi(kefe, w.Kg, -1);
                }
                break;
            case 5:
                if (m.BilinmeyenEkle(kefe))
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
                for (const Agirlik& a : m.Agirliklar(k))
                    QVERIFY(QRect(QPoint(), SERBEST).contains(QRect(a.Konum, AgirlikBoyu(a.Kg))));
            }
            QCOMPARE(m.BilinmeyenKefesi(), x);
            if (m.Frozen)
                QCOMPARE(m.Durum(), TeraziDurumu::Dengede);
        }
    }
};

#include "terazimodeli_test.moc"
ORVANTA_TEST(TeraziModeliTesti)
