#include "asal.h"
#include "carpandugumu.h"
#include "sesnumaralari.h"
#include "testkaydi.h"

#include <QtTest>
#include <climits>

namespace {
// The prime leaves a pupil sees, from the left: the children of a node split
// with a factor 1 stay hidden, and so does all below them.
QList<int> Yapraklar(const CarpanDugumu* d)
{
    if (!d)
        return {};
    if (d->IsPrime())
        return {d->Value()};
    if (!d->CocuklarGorunur())
        return {};
    return Yapraklar(d->LeftChild()) + Yapraklar(d->RightChild());
}

// The node at `yol` below `kok`: "L" its left child, "LR" that one's right child ...
CarpanDugumu* Dugum(CarpanDugumu* kok, const QString& yol)
{
    CarpanDugumu* d = kok;
    for (QChar c : yol)
        d = d ? (c == QLatin1Char('L') ? d->LeftChild() : d->RightChild()) : nullptr;
    return d;
}

// The path of `aranan` below `kok`, or "-" when it is not there.
QString Yol(const CarpanDugumu* kok, const CarpanDugumu* aranan, const QString& buraya = QString())
{
    if (!kok || !aranan)
        return QStringLiteral("-");
    if (kok == aranan)
        return buraya;
    const QString sol = Yol(kok->LeftChild(), aranan, buraya + QLatin1Char('L'));
    return sol != QStringLiteral("-") ? sol : Yol(kok->RightChild(), aranan, buraya + QLatin1Char('R'));
}

// An expanded root of `n`, waiting for its divisor.
std::unique_ptr<CarpanDugumu> Kok(int n)
{
    auto kok = std::make_unique<CarpanDugumu>(n);
    kok->Expand();
    return kok;
}
} // namespace

class CarpanDugumuTesti : public QObject
{
    Q_OBJECT

private slots:
    void asal_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("asal");
        QTest::newRow("sifir") << 0 << true;
        QTest::newRow("bir") << 1 << true;
        QTest::newRow("iki") << 2 << true;
        QTest::newRow("dort") << 4 << false;
        QTest::newRow("kare_9") << 9 << false;
        QTest::newRow("kare_49") << 49 << false;
        QTest::newRow("49999") << 49999 << true;
        QTest::newRow("99999") << 99999 << false;
        QTest::newRow("en_buyuk_int") << INT_MAX << true;
        QTest::newRow("asal_kare_46337") << 46337 * 46337 << false;
    }
    void asal()
    {
        QFETCH(int, n);
        QTEST(IsPrime(n), "asal");
    }

    // A divisor typed under 12: ignored, refused, or the two factors, the
    // typed one on its own side.
    // Where the keyboard goes after each split: moves are "path:divisor" for
    // the left box, "path:divisor>" for the right one.
    void sonraki_bekleyen_data()
    {
        QTest::addColumn<int>("kok");
        QTest::addColumn<QStringList>("hamleler");
        QTest::addColumn<QStringList>("sonrakiler"); // after each move; "-" for none
        QTest::newRow("solu_asal") << 12 << QStringList{":2"} << QStringList{"R"};
        QTest::newRow("sagi_asal") << 12 << QStringList{":3>"} << QStringList{"L"};
        QTest::newRow("iki_bilesik_cocuk") << 36 << QStringList{":6"} << QStringList{"L"};
        QTest::newRow("sagdaki_bitince_soldaki") << 36 << QStringList{":6", "R:2"} << QStringList{"L", "L"};
        QTest::newRow("bolunenin_alti_once") << 72 << QStringList{":9", "R:2"} << QStringList{"L", "RR"};
        QTest::newRow("sonuna_kadar") << 12 << QStringList{":2", "R:3"} << QStringList{"R", "-"};
        QTest::newRow("asal_cocuklar") << 6 << QStringList{":2"} << QStringList{"-"};
        QTest::newRow("kendisiyle_bolunen") << 12 << QStringList{":12>"} << QStringList{"R"};
        QTest::newRow("bolmeyen_bolen") << 12 << QStringList{":5"} << QStringList{""};
    }
    void sonraki_bekleyen()
    {
        QFETCH(int, kok);
        QFETCH(QStringList, hamleler);
        QFETCH(QStringList, sonrakiler);
        auto agac = Kok(kok);
        for (int i = 0; i < hamleler.size(); ++i) {
            const QString yol = hamleler[i].section(QLatin1Char(':'), 0, 0);
            QString bolen = hamleler[i].section(QLatin1Char(':'), 1);
            const bool sag = bolen.endsWith(QLatin1Char('>'));
            bolen.remove(QLatin1Char('>'));
            CarpanDugumu* d = Dugum(agac.get(), yol);
            QVERIFY(d && d->KutularAcik());
            d->EditEntered(bolen.toInt(), !sag);
            QCOMPARE(Yol(agac.get(), SonrakiBekleyen(*agac, *d)), sonrakiler[i]);
        }
    }

    void bolen_girisi_data()
    {
        QTest::addColumn<int>("bolen");
        QTest::addColumn<bool>("sol");
        QTest::addColumn<int>("sonuc");
        QTest::addColumn<int>("ses");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<int>("solCarpan");
        QTest::addColumn<int>("sagCarpan");
        const QString yok;
        QTest::newRow("sag_kutuya_3") << 3 << false << int(BolmeSonucu::Bolundu) << int(SES_NOTR) << yok << 4 << 3;
        QTest::newRow("sol_kutuya_3") << 3 << true << int(BolmeSonucu::Bolundu) << int(SES_NOTR) << yok << 3 << 4;
        QTest::newRow("kendisi") << 12 << false << int(BolmeSonucu::Bolundu) << int(SES_NOTR) << yok << 1 << 12;
        QTest::newRow("bolmeyen") << 5 << true << int(BolmeSonucu::Bolmez) << int(SES_HATA)
                                  << QStringLiteral("5 sayısı 12 sayısını tam olarak bölmez!") << 12 << 1;
        QTest::newRow("buyuk_bolmeyen") << 999999999 << false << int(BolmeSonucu::Bolmez) << int(SES_HATA)
                                        << QStringLiteral("999999999 sayısı 12 sayısını tam olarak bölmez!") << 12
                                        << 1;
        QTest::newRow("sifir") << 0 << true << int(BolmeSonucu::YokSayildi) << 0 << yok << 12 << 1;
        QTest::newRow("bir") << 1 << false << int(BolmeSonucu::YokSayildi) << 0 << yok << 12 << 1;
        QTest::newRow("eksi") << -4 << false << int(BolmeSonucu::YokSayildi) << 0 << yok << 12 << 1;
    }
    void bolen_girisi()
    {
        QFETCH(int, bolen);
        QFETCH(bool, sol);
        QFETCH(int, sonuc);
        QFETCH(int, solCarpan);
        auto kok = Kok(12);
        QVERIFY(kok->KutularAcik() && !kok->CocuklarGorunur());
        const BolmeSonucu s = kok->EditEntered(bolen, sol);
        QCOMPARE(int(s.Sonuc), sonuc);
        QTEST(int(s.Ses), "ses");
        QTEST(s.Mesaj, "mesaj");
        QCOMPARE(kok->LeftChild()->Value(), solCarpan);
        QTEST(kok->RightChild()->Value(), "sagCarpan");
        const bool bolundu = sonuc == BolmeSonucu::Bolundu;
        QCOMPARE(kok->KutularAcik(), !bolundu);
        QCOMPARE(kok->CocuklarGorunur(), bolundu && solCarpan != 1);
        QCOMPARE(kok->LeftChild()->Acildi(), bolundu);
    }

    // 12 split as 1 and 12: both children stay hidden, the 12 waits with its
    // own boxes, and the hidden 1s count as prime leaves.
    void bir_carpani()
    {
        auto kok = Kok(12);
        kok->EditEntered(12, false);
        const CarpanDugumu* gizli = kok->RightChild();
        QVERIFY(!kok->CocuklarGorunur());
        QVERIFY(gizli->KutularAcik());
        QCOMPARE(kok->CountUnsplit(), 1);
        QCOMPARE(kok->CountAvailable(1), 2);
        kok->SolveAll();
        QCOMPARE(kok->CountUnsplit(), 0);
        QCOMPARE(gizli->CountAvailable(2), 2);
        QCOMPARE(gizli->CountAvailable(3), 1);
    }

    void hepsini_coz_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("ilkBolen"); // typed into the root's left box first; 0 for none
        QTest::addColumn<QList<int>>("yapraklar");
        QTest::newRow("12") << 12 << 0 << QList<int>{3, 2, 2};
        QTest::newRow("18") << 18 << 0 << QList<int>{3, 3, 2};
        QTest::newRow("99999") << 99999 << 0 << QList<int>{271, 41, 3, 3};
        QTest::newRow("65536") << 65536 << 0 << QList<int>(16, 2);
        QTest::newRow("asal") << 97 << 0 << QList<int>{97};
        // A half split tree is finished in one pass.
        QTest::newRow("yari_bolunmus_24") << 24 << 4 << QList<int>{2, 2, 3, 2};
    }
    void hepsini_coz()
    {
        QFETCH(int, n);
        QFETCH(int, ilkBolen);
        QFETCH(QList<int>, yapraklar);
        auto kok = Kok(n);
        int bolmeler = int(yapraklar.size()) - 1;
        if (ilkBolen) {
            kok->EditEntered(ilkBolen, true);
            --bolmeler;
        }
        const std::vector<BolmeSonucu> sonuclar = kok->SolveAll();
        QCOMPARE(Yapraklar(kok.get()), yapraklar);
        QCOMPARE(kok->CountUnsplit(), 0);
        QCOMPARE(kok->CountAvailable(yapraklar.first()), int(yapraklar.count(yapraklar.first())));
        if (yapraklar.size() == 1) { // a prime root has no boxes: a number sent to it is ignored
            QVERIFY(!kok->KutularVar() && !kok->LeftChild());
            QCOMPARE(int(kok->EditEntered(n, false).Sonuc), int(BolmeSonucu::YokSayildi));
        }
        // One confirming sound for every split.
        QCOMPARE(int(sonuclar.size()), bolmeler);
        for (const BolmeSonucu& s : sonuclar)
            QCOMPARE(s.Ses, SES_NOTR);
    }

    void uygun_yapraklar()
    {
        auto kok = Kok(12);
        QCOMPARE(kok->CountAvailable(2), 0);
        kok->SolveAll();
        QCOMPARE(kok->CountAvailable(2), 2);
        QVERIFY(kok->TakeAvailable(2));
        // The left side is taken first: 12 is 6 * 2, 6 is 3 * 2.
        QCOMPARE(kok->LeftChild()->RightChild()->State, 0);
        QCOMPARE(kok->RightChild()->State, 1);
        QVERIFY(kok->TakeAvailable(2));
        QVERIFY(!kok->TakeAvailable(2));
        QVERIFY(!kok->TakeAvailable(7));
        QCOMPARE(kok->CountAvailable(2), 0);
        // A placed copy is no longer available.
        CarpanDugumu kopya(3);
        kopya.SetState(-1);
        QCOMPARE(kopya.CountAvailable(3), 0);
    }
};

#include "carpandugumu_test.moc"
ORVANTA_TEST(CarpanDugumuTesti)
