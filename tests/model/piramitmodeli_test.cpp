#include "donusum.h"
#include "piramitmodeli.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QtTest>
#include <limits>

Q_DECLARE_METATYPE(PiramitIslemi)

namespace {
constexpr qint64 EN_BUYUK = std::numeric_limits<qint64>::max();
constexpr qint64 EN_KUCUK = std::numeric_limits<qint64>::min();
constexpr auto T = PiramitIslemi::Toplama;
constexpr auto C = PiramitIslemi::Cikarma;
constexpr auto X = PiramitIslemi::Carpma;

// A pyramid on the base as "Problem Gir" reads it.
SayiPiramidi Piramit(const QString& taban, PiramitIslemi islem)
{
    SayiPiramidi p;
    p.IslemAyarla(islem);
    const TabanCevabi cevap = TabanCevabiOku(taban);
    p.TabanKur(cevap.Taban, cevap.Yazilanlar);
    return p;
}

QString DegerMetni(const std::optional<HucreDegeri>& d)
{
    if (!d)
        return QStringLiteral("yok");
    return d->CokBuyuk ? QStringLiteral("çok büyük") : QString::number(d->Sayi);
}

// Answers right, in scan order, up to `satir` (every row when 0); returns the number of answers.
int Coz(SayiPiramidi& p, int satir = 0)
{
    int cevap = 0;
    while (const std::optional<HucreYeri> y = p.IlkBos()) {
        if ((satir && y->Satir >= satir) || !p.Acilabilir(*y)
            || !p.CevapDogru(*y, QString::number(p.ExpectedValue(*y)->Sayi)))
            break;
        p.Doldur(*y);
        ++cevap;
    }
    return cevap;
}

QString TabanMetni(int adet)
{
    QStringList ogeler;
    for (int i = 1; i <= adet; ++i)
        ogeler << QString::number(i);
    return ogeler.join(QLatin1Char(','));
}
} // namespace

class PiramitModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void hucre_degeri_ve_etiket_data()
    {
        QTest::addColumn<QString>("taban");
        QTest::addColumn<PiramitIslemi>("islem");
        QTest::addColumn<int>("satir");
        QTest::addColumn<int>("sutun");
        QTest::addColumn<QString>("deger");
        QTest::addColumn<QString>("etiket");
        QTest::newRow("toplama_sol") << "2,3,4" << T << 2 << 0 << "5" << "2+3=?";
        QTest::newRow("toplama_tepe") << "2,3,4" << T << 3 << 0 << "12" << "5+7=?";
        QTest::newRow("cikarma_sol") << "2,5,1" << C << 2 << 0 << "-3" << "2-5=?";
        QTest::newRow("cikarma_tepe") << "2,5,1" << C << 3 << 0 << "-7" << "(-3)-4=?";
        QTest::newRow("carpma_sifir") << "0,7" << X << 2 << 0 << "0" << "(0)x7=?";
        QTest::newRow("taban_hucresi") << "2,3" << T << 1 << 0 << "yok" << "?";
        QTest::newRow("bos_komsu") << "2,,3" << T << 2 << 1 << "yok" << "?";
        // "Cannot be computed" is no value: a cell that really is -100000 can be entered.
        QTest::newRow("eksi_yuz_bin") << "0,100000" << C << 2 << 0 << "-100000" << "(0)-100000=?";
        QTest::newRow("32_bit_ustu") << "2147483647,2147483647" << T << 2 << 0 << "4294967294"
                                     << "2147483647+2147483647=?";
    }
    void hucre_degeri_ve_etiket()
    {
        QFETCH(QString, taban);
        QFETCH(PiramitIslemi, islem);
        QFETCH(int, satir);
        QFETCH(int, sutun);
        QFETCH(QString, deger);
        QFETCH(QString, etiket);
        SayiPiramidi p = Piramit(taban, islem);
        Coz(p, satir);
        const HucreYeri y{satir, sutun};
        QCOMPARE(DegerMetni(p.ExpectedValue(y)), deger);
        QCOMPARE(p.IslemMetni(y), etiket);
        QCOMPARE(p.Acilabilir(y), deger != QLatin1String("yok"));
        if (p.Acilabilir(y)) {
            QVERIFY(p.Doldur(y));
            QCOMPARE(DegerMetni(p.Deger(y)), deger);
            QCOMPARE(p.Isaret(y), IslemIsareti(islem));
        }
    }

    // Exact in 64 bits or too large; beside a too-large cell only a product with 0 is known.
    void islem_sonucu()
    {
        const auto S = [](qint64 n) { return HucreDegeri::Sayisi(n); };
        const HucreDegeri tasan = HucreDegeri::Tasan();
        QCOMPARE(DegerMetni(IslemSonucu(T, S(EN_BUYUK - 1), S(1))), QString::number(EN_BUYUK));
        QCOMPARE(DegerMetni(IslemSonucu(T, S(EN_BUYUK), S(1))), QStringLiteral("çok büyük"));
        QCOMPARE(DegerMetni(IslemSonucu(C, S(0), S(EN_KUCUK))), QStringLiteral("çok büyük"));
        QCOMPARE(DegerMetni(IslemSonucu(X, S(-1), S(EN_KUCUK))), QStringLiteral("çok büyük"));
        QCOMPARE(DegerMetni(IslemSonucu(C, tasan, S(1))), QStringLiteral("çok büyük"));
        QCOMPARE(DegerMetni(IslemSonucu(X, tasan, S(0))), QStringLiteral("0"));
    }

    void girilen_cevap_data()
    {
        QTest::addColumn<QString>("taban");
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<bool>("dogru");
        QTest::newRow("dogru") << "2,3" << "5" << true;
        QTest::newRow("arti_isaretli") << "2,3" << "+5" << true;
        QTest::newRow("yalniz_eksi") << "2,3" << "-" << false;
        QTest::newRow("cift_eksi") << "2,3" << "--5" << false;
        QTest::newRow("yirmi_basamak") << "2,3" << "12345678901234567890" << false;
        QTest::newRow("bos_bes_degil") << "2,3" << "" << false;
        QTest::newRow("bos_sifir") << "3,-3" << "" << true; // an empty box counts as 0
    }
    void girilen_cevap()
    {
        QFETCH(QString, taban);
        QFETCH(QString, cevap);
        QFETCH(bool, dogru);
        QCOMPARE(Piramit(taban, T).CevapDogru({2, 0}, cevap), dogru);
    }

    // Base cells show their items as typed; the sums use the values.
    void yazilan_taban_data()
    {
        QTest::addColumn<QString>("taban");
        QTest::addColumn<QString>("metinler"); // every cell, row by row from the base, after solving
        QTest::newRow("isaret_ve_sifirlar") << "+5,007,-2" << "+5|007|-2|12|5|17";
        QTest::newRow("bas_bosluk") << " 7,1" << " 7|1|8";
        QTest::newRow("eksi_sifir") << "-0,3" << "-0|3|3";
        QTest::newRow("bos_oge") << "4,,+1" << "4||+1|||";
    }
    void yazilan_taban()
    {
        QFETCH(QString, taban);
        QFETCH(QString, metinler);
        SayiPiramidi p = Piramit(taban, T);
        Coz(p);
        QStringList gorulen;
        for (int r = 1; r <= p.Boyut(); ++r)
            for (int c = 0; c < p.SatirHucreSayisi(r); ++c)
                gorulen << p.Metin({r, c});
        QCOMPARE(gorulen.join(QLatin1Char('|')), metinler);
    }

    // An empty base item: the cells above it never become computable and the
    // scan stops on the base cell, so the pyramid is never done.
    void bos_taban_tamamlanmaz()
    {
        SayiPiramidi p = Piramit(QStringLiteral("2,,3,4"), T);
        QCOMPARE(Coz(p), 0);
        QVERIFY(p.Doldur({2, 2}));
        QCOMPARE(p.IlkBos(), std::optional<HucreYeri>(HucreYeri{1, 1}));
        QVERIFY(!p.Acilabilir({2, 0}));
        QVERIFY(!p.Bitti());
    }

    // Multiplication on a base of 10s: row 5 reaches 10^16, rows 6 to 8 leave
    // 64 bits; they are marked, cannot be entered, and count as done.
    void carpma_onlar_cok_buyuk()
    {
        TestOrtami ortam;
        ortam.Rastgeleler.assign(8, 8); // 8 mod 9 + 2 = 10
        SayiPiramidi p;
        p.IslemAyarla(X);
        p.RastgeleKur(8);
        QCOMPARE(DegerMetni(p.Deger({1, 7})), QStringLiteral("10"));
        QCOMPARE(Coz(p), 7 + 6 + 5 + 4);
        QVERIFY(p.Bitti());
        QCOMPARE(DegerMetni(p.Deger({5, 3})), QStringLiteral("10000000000000000"));
        for (int r = 6; r <= 8; ++r)
            for (int c = 0; c < p.SatirHucreSayisi(r); ++c) {
                QCOMPARE(DegerMetni(p.Deger({r, c})), QStringLiteral("çok büyük"));
                QVERIFY(!p.Acilabilir({r, c}));
                QCOMPARE(p.Renk({r, c}), HUCRE_COK_BUYUK_RENGI);
            }
        QCOMPARE(p.Isaret({8, 0}), QStringLiteral("x"));
    }

    // A new operation leaves the filled cells and marks what becomes too large
    // under it: sums of the largest 32-bit numbers fit, their products do not.
    void islem_degisimi()
    {
        SayiPiramidi p = Piramit(QStringLiteral("2,3,4"), T);
        QVERIFY(p.Doldur({2, 0}));
        p.IslemAyarla(X);
        QCOMPARE(p.IslemMetni({2, 1}), QStringLiteral("3x4=?"));
        QVERIFY(p.Doldur({2, 1}));
        QCOMPARE(DegerMetni(p.ExpectedValue({3, 0})), QStringLiteral("60"));
        QCOMPARE(p.Isaret({2, 0}), QStringLiteral("+"));

        p = Piramit(QStringLiteral("2147483647,2147483647,2147483647"), T);
        QCOMPARE(Coz(p, 3), 2);
        QCOMPARE(p.IslemAyarla(X), 1);
        QCOMPARE(DegerMetni(p.Deger({3, 0})), QStringLiteral("çok büyük"));
        QVERIFY(p.Bitti());
        // A marked cell stays marked: switching again marks nothing new.
        QCOMPARE(p.IslemAyarla(T), 0);
    }

    // The last cell of the widest base lies inside the board, and the operation
    // label stays inside the part of a scrolling board in view.
    void yerlesim()
    {
        const QRect tahta(0, 0, PiramitGenisligi(20), PiramitYuksekligi(20));
        QVERIFY(tahta.contains(QRect(HucreKonumu(20, 1, 19, false), QSize(80, 55))));
        for (const QRect& gorunen : {QRect(0, 0, 1300, 400), QRect(300, 800, 1000, 330)})
            QVERIFY(gorunen.contains(QRect(IslemEtiketiKonumu(20, gorunen, QSize(90, 28)), QSize(90, 28))));
    }

    void taban_cevabi_data()
    {
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QString>("taban"); // items joined by ';', "_" for an empty item
        QTest::addColumn<QString>("hata");  // the item that is no number
        const int tamam = TabanCevabi::Tamam;
        QTest::newRow("bos") << "" << int(TabanCevabi::Bos) << "" << "";
        QTest::newRow("iki_virgul") << "2,,3" << tamam << "2;_;3" << "";
        QTest::newRow("bas_bosluk") << " 7" << tamam << "7" << "";
        QTest::newRow("yalniz_virgul") << "," << tamam << "_" << "";
        QTest::newRow("32_bit_disi") << "-5,99999999999" << tamam << "" << "99999999999";
        QTest::newRow("yirmi") << TabanMetni(20) << tamam << TabanMetni(20).replace(',', ';') << "";
        QTest::newRow("yirmi_bir_harfli") << TabanMetni(20) + ",a" << int(TabanCevabi::CokUzun) << "" << "";
    }
    void taban_cevabi()
    {
        QFETCH(QString, cevap);
        QFETCH(int, durum);
        QFETCH(QString, taban);
        QFETCH(QString, hata);
        try {
            const TabanCevabi sonuc = TabanCevabiOku(cevap);
            QVERIFY2(hata.isEmpty(), "a conversion error was expected");
            QCOMPARE(int(sonuc.Sonuc), durum);
            QStringList ogeler;
            for (const std::optional<qint64>& oge : sonuc.Taban)
                ogeler << (oge ? QString::number(*oge) : QStringLiteral("_"));
            QCOMPARE(ogeler.join(';'), taban);
        } catch (const DonusumHatasi& h) {
            QCOMPARE(h.Mesaj(), QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(hata));
        }
    }

    // The largest pyramid a pupil may type: every cell entered, the top the sum
    // of binomial(19, k) * (k + 1), that is 21 * 2^18.
    void yirmi_satirlik_piramit()
    {
        SayiPiramidi p = Piramit(TabanMetni(20), T);
        QCOMPARE(p.HucreSayisi(), 210);
        QCOMPARE(Coz(p), 190);
        QCOMPARE(DegerMetni(p.Deger({20, 0})), QString::number(21 << 18));
    }

    void komsu_hucre_data()
    {
        QTest::addColumn<int>("satir");
        QTest::addColumn<int>("sutun");
        QTest::addColumn<int>("yon");
        QTest::addColumn<int>("beklenenSatir");
        QTest::addColumn<int>("beklenenSutun");
        // Four rows: 4, 3, 2 and 1 cells.
        QTest::newRow("sag_satir_sonunda") << 1 << 3 << int(SayiPiramidi::Yon::Sag) << 1 << 3;
        QTest::newRow("yukari_sondan") << 1 << 3 << int(SayiPiramidi::Yon::Yukari) << 2 << 2;
        QTest::newRow("yukari_tepeden") << 4 << 0 << int(SayiPiramidi::Yon::Yukari) << 4 << 0;
        QTest::newRow("asagi_soldaki") << 3 << 1 << int(SayiPiramidi::Yon::Asagi) << 2 << 1;
    }
    void komsu_hucre()
    {
        QFETCH(int, satir);
        QFETCH(int, sutun);
        QFETCH(int, yon);
        SayiPiramidi p;
        p.Kur(4);
        const HucreYeri k = p.Komsu({satir, sutun}, SayiPiramidi::Yon(yon));
        QTEST(k.Satir, "beklenenSatir");
        QTEST(k.Sutun, "beklenenSutun");
    }
};

#include "piramitmodeli_test.moc"
ORVANTA_TEST(PiramitModeliTesti)
