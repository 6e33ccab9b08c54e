#include "donusum.h"
#include "piramitmodeli.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QtTest>
#include <limits>

Q_DECLARE_METATYPE(PiramitIslemi)
Q_DECLARE_METATYPE(HucreDegeri)

namespace {
constexpr qint64 EN_BUYUK = std::numeric_limits<qint64>::max();
constexpr qint64 EN_KUCUK = std::numeric_limits<qint64>::min();

// A pyramid on the base typed as "Problem Gir" reads it.
SayiPiramidi Piramit(const QString& taban, PiramitIslemi islem)
{
    SayiPiramidi p;
    p.IslemAyarla(islem);
    p.TabanKur(TabanCevabiOku(taban).Taban);
    return p;
}

// Fills every row below `satir` as a pupil answering right would.
void AltSatirlariDoldur(SayiPiramidi& p, int satir)
{
    for (int r = 2; r < satir; ++r)
        for (int c = 0; c < p.SatirHucreSayisi(r); ++c)
            if (!p.Deger({r, c}))
                QVERIFY(p.Doldur({r, c}));
}

QString DegerMetni(const std::optional<HucreDegeri>& d)
{
    if (!d)
        return QStringLiteral("yok");
    return d->CokBuyuk ? QStringLiteral("çok büyük") : QString::number(d->Sayi);
}

// Answers every open cell in scan order; returns how many answers it took.
int SonunaKadarCoz(SayiPiramidi& p)
{
    int cevap = 0;
    while (const std::optional<HucreYeri> y = p.IlkBos()) {
        if (!p.Acilabilir(*y))
            break;
        if (!p.CevapDogru(*y, QString::number(p.ExpectedValue(*y)->Sayi)))
            break;
        p.Doldur(*y);
        ++cevap;
    }
    return cevap;
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
        const auto T = PiramitIslemi::Toplama, C = PiramitIslemi::Cikarma, X = PiramitIslemi::Carpma;
        QTest::newRow("toplama_sol") << "2,3,4" << T << 2 << 0 << "5" << "2+3=?";
        QTest::newRow("toplama_sag") << "2,3,4" << T << 2 << 1 << "7" << "3+4=?";
        QTest::newRow("toplama_tepe") << "2,3,4" << T << 3 << 0 << "12" << "5+7=?";
        QTest::newRow("cikarma_sol") << "2,5,1" << C << 2 << 0 << "-3" << "2-5=?";
        QTest::newRow("cikarma_sag") << "2,5,1" << C << 2 << 1 << "4" << "5-1=?";
        QTest::newRow("cikarma_tepe") << "2,5,1" << C << 3 << 0 << "-7" << "(-3)-4=?";
        QTest::newRow("carpma_sifir") << "0,7" << X << 2 << 0 << "0" << "(0)x7=?";
        QTest::newRow("taban_hucresi") << "2,3" << T << 1 << 0 << "yok" << "?";
        QTest::newRow("ucuncu_satir_erken") << "2,3,4" << T << 3 << 0 << "yok" << "?";
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
        // The third row's early case keeps its second row empty.
        if (QByteArray(QTest::currentDataTag()) != "ucuncu_satir_erken")
            AltSatirlariDoldur(p, satir);
        QCOMPARE(DegerMetni(p.ExpectedValue({satir, sutun})), deger);
        QCOMPARE(p.IslemMetni({satir, sutun}), etiket);
        QCOMPARE(p.Acilabilir({satir, sutun}), deger != QLatin1String("yok"));
        if (p.Acilabilir({satir, sutun})) {
            QVERIFY(p.CevapDogru({satir, sutun}, deger));
            QVERIFY(p.Doldur({satir, sutun}));
            QCOMPARE(DegerMetni(p.Deger({satir, sutun})), deger);
            QCOMPARE(p.Isaret({satir, sutun}), IslemIsareti(islem));
        }
    }

    void sayi_metni_data()
    {
        QTest::addColumn<qint64>("v");
        QTest::addColumn<QString>("metin");
        QTest::newRow("sifir") << qint64(0) << "(0)";
        QTest::newRow("eksi_uc") << qint64(-3) << "(-3)";
        QTest::newRow("yedi") << qint64(7) << "7";
        QTest::newRow("bir") << qint64(1) << "1";
        QTest::newRow("en_kucuk") << EN_KUCUK << "(-9223372036854775808)";
    }
    void sayi_metni()
    {
        QFETCH(qint64, v);
        QFETCH(QString, metin);
        QCOMPARE(NumberText(v), metin);
    }

    void islem_sonucu_data()
    {
        QTest::addColumn<PiramitIslemi>("islem");
        QTest::addColumn<HucreDegeri>("sol");
        QTest::addColumn<HucreDegeri>("sag");
        QTest::addColumn<HucreDegeri>("sonuc");
        const auto T = PiramitIslemi::Toplama, C = PiramitIslemi::Cikarma, X = PiramitIslemi::Carpma;
        const auto S = [](qint64 n) { return HucreDegeri::Sayisi(n); };
        const HucreDegeri tasan = HucreDegeri::Tasan();
        QTest::newRow("toplam_siniri") << T << S(EN_BUYUK - 1) << S(1) << S(EN_BUYUK);
        QTest::newRow("toplam_tasar") << T << S(EN_BUYUK) << S(1) << tasan;
        QTest::newRow("fark_asagi_tasar") << C << S(EN_KUCUK) << S(1) << tasan;
        QTest::newRow("fark_yukari_tasar") << C << S(0) << S(EN_KUCUK) << tasan;
        QTest::newRow("carpim_1e16") << X << S(100000000) << S(100000000) << S(10000000000000000LL);
        QTest::newRow("carpim_1e32") << X << S(10000000000000000LL) << S(10000000000000000LL) << tasan;
        QTest::newRow("eksi_bir_en_kucuk") << X << S(-1) << S(EN_KUCUK) << tasan;
        QTest::newRow("tasan_arti_bir") << T << tasan << S(1) << tasan;
        QTest::newRow("tasan_eksi_tasan") << C << tasan << tasan << tasan;
        QTest::newRow("tasan_carpi_sifir") << X << tasan << S(0) << S(0);
        QTest::newRow("sifir_carpi_tasan") << X << S(0) << tasan << S(0);
    }
    void islem_sonucu()
    {
        QFETCH(PiramitIslemi, islem);
        QFETCH(HucreDegeri, sol);
        QFETCH(HucreDegeri, sag);
        QFETCH(HucreDegeri, sonuc);
        QCOMPARE(DegerMetni(IslemSonucu(islem, sol, sag)), DegerMetni(sonuc));
    }

    void girilen_cevap_data()
    {
        QTest::addColumn<QString>("taban");
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<bool>("dogru");
        QTest::newRow("dogru") << "2,3" << "5" << true;
        QTest::newRow("arti_isaretli") << "2,3" << "+5" << true;
        QTest::newRow("yanlis") << "2,3" << "6" << false;
        QTest::newRow("yalniz_eksi") << "2,3" << "-" << false;
        QTest::newRow("yalniz_arti") << "2,3" << "+" << false;
        QTest::newRow("cift_eksi") << "2,3" << "--5" << false;
        QTest::newRow("sonda_bosluk") << "2,3" << "5 " << false;
        QTest::newRow("yirmi_basamak") << "2,3" << "12345678901234567890" << false;
        QTest::newRow("bos_bes_degil") << "2,3" << "" << false;
        // An empty box counts as 0.
        QTest::newRow("bos_sifir") << "3,-3" << "" << true;
        QTest::newRow("eksi_sifir") << "3,-3" << "-0" << true;
    }
    void girilen_cevap()
    {
        QFETCH(QString, taban);
        QFETCH(QString, cevap);
        QFETCH(bool, dogru);
        const SayiPiramidi p = Piramit(taban, PiramitIslemi::Toplama);
        QCOMPARE(p.CevapDogru({2, 0}, cevap), dogru);
    }

    void tarama_ve_yanlis_cevap()
    {
        SayiPiramidi p = Piramit(QStringLiteral("2,3,4"), PiramitIslemi::Toplama);
        QCOMPARE(p.IlkBos(), std::optional<HucreYeri>(HucreYeri{2, 0}));
        QVERIFY(!p.CevapDogru({2, 0}, QStringLiteral("6")));
        QVERIFY(!p.Deger({2, 0}));
        QCOMPARE(p.IlkBos(), std::optional<HucreYeri>(HucreYeri{2, 0}));
        QVERIFY(!p.Doldur({3, 0})); // not computable yet
        QVERIFY(p.Doldur({2, 0}));
        QVERIFY(!p.Doldur({2, 0})); // already filled
        QCOMPARE(p.IlkBos(), std::optional<HucreYeri>(HucreYeri{2, 1}));
        QCOMPARE(SonunaKadarCoz(p), 2);
        QVERIFY(p.Bitti());
        QCOMPARE(DegerMetni(p.Deger({3, 0})), QStringLiteral("12"));
    }

    // An empty base item: the cells above it never become computable and the
    // scan stops on the base cell, so the pyramid is never done.
    void bos_taban_tamamlanmaz()
    {
        SayiPiramidi p = Piramit(QStringLiteral("2,,3"), PiramitIslemi::Toplama);
        QCOMPARE(p.Boyut(), 3);
        QCOMPARE(p.IlkBos(), std::optional<HucreYeri>(HucreYeri{1, 1}));
        QVERIFY(!p.Acilabilir({1, 1}));
        QVERIFY(!p.Acilabilir({2, 0}));
        QCOMPARE(SonunaKadarCoz(p), 0);
        QVERIFY(!p.Bitti());
        QCOMPARE(p.UzerindeRengi({2, 0}), UZERINDE_HESAPLANAMAZ_RENGI);
    }

    // A multiplication pyramid on a base of 10s: the rows reach 10^16 and then
    // leave 64 bits; those cells are too large, cannot be entered, count as done.
    void carpma_onlar_cok_buyuk()
    {
        TestOrtami ortam;
        ortam.Rastgeleler.assign(8, 8); // 8 mod 9 + 2 = 10
        SayiPiramidi p;
        p.IslemAyarla(PiramitIslemi::Carpma);
        p.RastgeleKur(8);
        QCOMPARE(p.HucreSayisi(), 36);
        for (int c = 0; c < 8; ++c)
            QCOMPARE(DegerMetni(p.Deger({1, c})), QStringLiteral("10"));
        QCOMPARE(SonunaKadarCoz(p), 7 + 6 + 5 + 4);
        QVERIFY(p.Bitti());
        QCOMPARE(DegerMetni(p.Deger({5, 3})), QStringLiteral("10000000000000000"));
        for (int r = 6; r <= 8; ++r)
            for (int c = 0; c < p.SatirHucreSayisi(r); ++c) {
                QCOMPARE(DegerMetni(p.Deger({r, c})), QStringLiteral("çok büyük"));
                QCOMPARE(p.Isaret({r, c}), QStringLiteral("x"));
                QVERIFY(!p.Acilabilir({r, c}));
                QCOMPARE(p.Renk({r, c}), HUCRE_COK_BUYUK_RENGI);
            }
        QCOMPARE(HucreMetni(*p.Deger({8, 0})), QStringLiteral("çok\nbüyük"));
    }

    // The marks follow the operation: sums of the largest 32-bit numbers fit,
    // their products do not; the filled cells keep their sign.
    void islem_degisince_isaretleme()
    {
        SayiPiramidi p = Piramit(QStringLiteral("2147483647,2147483647,2147483647"), PiramitIslemi::Toplama);
        QVERIFY(p.Doldur({2, 0}));
        QVERIFY(p.Doldur({2, 1}));
        QCOMPARE(p.IslemMetni({3, 0}), QStringLiteral("4294967294+4294967294=?"));
        p.IslemAyarla(PiramitIslemi::Carpma);
        QCOMPARE(DegerMetni(p.Deger({3, 0})), QStringLiteral("çok büyük"));
        QCOMPARE(p.Isaret({2, 0}), QStringLiteral("+"));
        QVERIFY(p.Bitti());
    }

    void islem_degisimi_dolulari_korur()
    {
        SayiPiramidi p = Piramit(QStringLiteral("2,3,4"), PiramitIslemi::Toplama);
        QVERIFY(p.Doldur({2, 0}));
        p.IslemAyarla(PiramitIslemi::Carpma);
        QCOMPARE(DegerMetni(p.Deger({2, 0})), QStringLiteral("5"));
        QCOMPARE(p.IslemMetni({2, 1}), QStringLiteral("3x4=?"));
        QVERIFY(p.Doldur({2, 1}));
        QCOMPARE(DegerMetni(p.ExpectedValue({3, 0})), QStringLiteral("60"));
    }

    void renkler()
    {
        SayiPiramidi p = Piramit(QStringLiteral("2,3,4"), PiramitIslemi::Toplama);
        QVERIFY(p.Doldur({2, 0}));
        QCOMPARE(p.Renk({1, 0}), HUCRE_DOLU_RENGI);
        QCOMPARE(p.Renk({2, 1}), HUCRE_BOS_RENGI);
        QCOMPARE(p.UzerindeRengi({1, 0}), UZERINDE_DOLU_RENGI);
        QCOMPARE(p.UzerindeRengi({2, 0}), UZERINDE_DOLU_RENGI);
        QCOMPARE(p.UzerindeRengi({2, 1}), UZERINDE_HESAPLANABILIR_RENGI);
        QCOMPARE(p.UzerindeRengi({3, 0}), UZERINDE_HESAPLANAMAZ_RENGI);
        QCOMPARE(p.UzerindeRengi({1, 0}), clBlue);
        QCOMPARE(p.UzerindeRengi({2, 1}), clLime);
        QCOMPARE(p.UzerindeRengi({3, 0}), clRed);
    }

    void yerlesim_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("satir");
        QTest::addColumn<int>("sutun");
        QTest::addColumn<bool>("yukaridan");
        QTest::addColumn<QPoint>("konum");
        QTest::newRow("8_taban_altta") << 8 << 1 << 0 << false << QPoint(35, 395);
        QTest::newRow("8_taban_ustte") << 8 << 1 << 0 << true << QPoint(35, 10);
        QTest::newRow("8_tepe_altta") << 8 << 8 << 0 << false << QPoint(315, 10);
        QTest::newRow("8_tepe_ustte") << 8 << 8 << 0 << true << QPoint(315, 395);
        QTest::newRow("3_kayma_100") << 3 << 2 << 1 << false << QPoint(230, 65);
        QTest::newRow("7_kayma_25") << 7 << 1 << 6 << false << QPoint(515, 340);
        QTest::newRow("20_taban_sonu") << 20 << 1 << 19 << false << QPoint(1555, 1055);
    }
    void yerlesim()
    {
        QFETCH(int, n);
        QFETCH(int, satir);
        QFETCH(int, sutun);
        QFETCH(bool, yukaridan);
        QFETCH(QPoint, konum);
        QCOMPARE(HucreKonumu(n, satir, sutun, yukaridan), konum);
        // Every cell lies inside the window the pyramid gets.
        QVERIFY(konum.x() + HUCRE_GENISLIGI <= PiramitGenisligi(n));
        QVERIFY(konum.y() + HUCRE_YUKSEKLIGI <= PiramitYuksekligi(n));
    }

    void yerlesim_olculeri()
    {
        QCOMPARE(PiramitYuksekligi(8), 470);
        QCOMPARE(IslemEtiketiUstu(8), 240);
        QCOMPARE(IslemEtiketiUstu(5), 130);
        // The entry box sits 10 higher when the base is at the bottom.
        QCOMPARE(GirisKutusuYeri(QPoint(35, 395), false), QRect(55, 403, 48, 27));
        QCOMPARE(GirisKutusuYeri(QPoint(35, 10), true), QRect(55, 28, 48, 27));
    }

    // The operation label keeps its place while the whole board is in view and
    // stays inside the visible part of a board that scrolls.
    void islem_etiketi_konumu_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QRect>("gorunur");
        QTest::addColumn<QPoint>("konum");
        QTest::newRow("hepsi_gorunur") << 8 << QRect() << QPoint(16, 240);
        QTest::newRow("yirmi_orta_gorunur") << 20 << QRect(0, 500, 1300, 630) << QPoint(16, 570);
        QTest::newRow("yirmi_ust_gorunur") << 20 << QRect(0, 0, 1300, 400) << QPoint(16, 362);
        QTest::newRow("yirmi_alt_gorunur") << 20 << QRect(300, 800, 1000, 330) << QPoint(316, 810);
        QTest::newRow("cok_alcak") << 20 << QRect(0, 600, 1300, 20) << QPoint(16, 610);
    }
    void islem_etiketi_konumu()
    {
        QFETCH(int, n);
        QFETCH(QRect, gorunur);
        QFETCH(QPoint, konum);
        QCOMPARE(IslemEtiketiKonumu(n, gorunur, QSize(90, 28)), konum);
    }

    void yeni_boyut_cevabi_data()
    {
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<int>("boy"); // -1: the pyramid stays; -2: conversion error
        QTest::newRow("bes") << "5" << 5;
        QTest::newRow("sifir") << "0" << 0;
        QTest::newRow("sekiz") << "8" << 8;
        QTest::newRow("on_bir") << "11" << 8;
        QTest::newRow("eksi_uc") << "-3" << -1;
        QTest::newRow("harf") << "abc" << -2;
        QTest::newRow("bos") << "" << -2;
        QTest::newRow("cok_buyuk") << "99999999999" << -2;
    }
    void yeni_boyut_cevabi()
    {
        QFETCH(QString, cevap);
        QFETCH(int, boy);
        try {
            QCOMPARE(YeniBoyutCevabi(cevap).value_or(-1), boy);
        } catch (const DonusumHatasi& hata) {
            QCOMPARE(boy, -2);
            QCOMPARE(hata.Mesaj(), QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(cevap));
        }
    }

    void taban_cevabi_data()
    {
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<int>("durum");
        QTest::addColumn<QString>("taban"); // items joined by ';', "_" for an empty item
        QTest::addColumn<QString>("hata");  // the item that is no number
        QString yirmi = QStringLiteral("1");
        for (int i = 2; i <= 20; ++i)
            yirmi += QLatin1Char(',') + QString::number(i);
        QTest::newRow("bos") << "" << int(TabanCevabi::Bos) << "" << "";
        QTest::newRow("uc") << "2,3,4" << int(TabanCevabi::Tamam) << "2;3;4" << "";
        QTest::newRow("iki_virgul") << "2,,3" << int(TabanCevabi::Tamam) << "2;_;3" << "";
        QTest::newRow("bas_bosluk") << " 7" << int(TabanCevabi::Tamam) << "7" << "";
        QTest::newRow("yalniz_virgul") << "," << int(TabanCevabi::Tamam) << "_" << "";
        QTest::newRow("harf") << "a,2" << int(TabanCevabi::Tamam) << "" << "a";
        QTest::newRow("32_bit_disi") << "-5,99999999999" << int(TabanCevabi::Tamam) << "" << "99999999999";
        QTest::newRow("yirmi") << yirmi << int(TabanCevabi::Tamam) << QString(yirmi).replace(',', ';') << "";
        QTest::newRow("yirmi_bir") << yirmi + ",21" << int(TabanCevabi::CokUzun) << "" << "";
        QTest::newRow("yirmi_bir_harfli") << yirmi + ",a" << int(TabanCevabi::CokUzun) << "" << "";
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

    void yirmi_satirlik_piramit()
    {
        QString yirmi = QStringLiteral("1");
        for (int i = 2; i <= 20; ++i)
            yirmi += QLatin1Char(',') + QString::number(i);
        SayiPiramidi p = Piramit(yirmi, PiramitIslemi::Toplama);
        QCOMPARE(p.Boyut(), 20);
        QCOMPARE(p.HucreSayisi(), 210);
        // Tags stay unique: no row reaches 100 cells.
        QSet<int> taglar;
        for (int r = 1; r <= 20; ++r)
            for (int c = 0; c < p.SatirHucreSayisi(r); ++c)
                taglar << HucreYeri{r, c}.Tag();
        QCOMPARE(taglar.size(), 210);
        QCOMPARE(SonunaKadarCoz(p), 210 - 20);
        // The top is the sum of binomial(19, k) * (k + 1): 2^18 * 21.
        QCOMPARE(DegerMetni(p.Deger({20, 0})), QString::number((qint64(1) << 18) * 21));
    }
};

#include "pyramid_test.moc"
ORVANTA_TEST(PiramitModeliTesti)
