#include "carpanmodel.h"
#include "donusum.h"
#include "testkaydi.h"

#include <QtTest>

class CarpanModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    void belirtme_eki_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("ek");
        const QList<QPair<int, QString>> satirlar = {
            {20, QStringLiteral("yi")}, {40, QStringLiteral("ı")},  {70, QStringLiteral("i")},
            {30, QStringLiteral("u")},  {100, QStringLiteral("u")}, {6, QStringLiteral("yı")},
            {9, QStringLiteral("u")},   {12, QStringLiteral("yi")}, {18, QStringLiteral("i")},
            {13, QStringLiteral("ü")},  {24, QStringLiteral("ü")},  {45, QStringLiteral("i")},
            {10, QStringLiteral("u")},  {50, QStringLiteral("yi")}, {60, QStringLiteral("ı")},
            {80, QStringLiteral("i")},  {90, QStringLiteral("ı")},  {1000, QStringLiteral("u")},
            {99999, QStringLiteral("u")}, {99998, QStringLiteral("i")}, {27, QStringLiteral("yi")}};
        for (const auto& [n, ek] : satirlar)
            QTest::addRow("%d", n) << n << ek;
    }
    void belirtme_eki()
    {
        QFETCH(int, n);
        QFETCH(QString, ek);
        QCOMPARE(AccusativeSuffix(n), ek);
    }

    void panel_basliklari()
    {
        QCOMPARE(PanelBasligi(PANEL_ONLY_FIRST, 12, 18), QStringLiteral("Sadece 12 yi bölenler"));
        QCOMPARE(PanelBasligi(PANEL_BOTH, 12, 18), QStringLiteral("Hem 12 yi Hem 18 i bölenler"));
        QCOMPARE(PanelBasligi(PANEL_ONLY_SECOND, 12, 18), QStringLiteral("Sadece 18 i bölenler"));
    }

    void obeb_okek_data()
    {
        QTest::addColumn<qint64>("x");
        QTest::addColumn<qint64>("y");
        QTest::addColumn<qint64>("obeb");
        QTest::addColumn<qint64>("okek");
        QTest::newRow("12_18") << qint64(12) << qint64(18) << qint64(6) << qint64(36);
        QTest::newRow("8_12") << qint64(8) << qint64(12) << qint64(4) << qint64(24);
        QTest::newRow("esit") << qint64(9) << qint64(9) << qint64(9) << qint64(9);
        QTest::newRow("aralarinda_asal") << qint64(4) << qint64(9) << qint64(1) << qint64(36);
        // Beyond 32 bits: 99999 * 99998 = 9 999 700 002.
        QTest::newRow("bes_basamak") << qint64(99999) << qint64(99998) << qint64(1) << qint64(9999700002LL);
        QTest::newRow("bes_basamak_ortak") << qint64(99990) << qint64(99996) << qint64(6) << qint64(1666433340LL);
        QTest::newRow("iki_uzeri_on_alti") << qint64(65536) << qint64(99999) << qint64(1) << qint64(6553534464LL);
        QTest::newRow("bos_agac") << qint64(0) << qint64(12) << qint64(1) << qint64(0);
    }
    void obeb_okek()
    {
        QFETCH(qint64, x);
        QFETCH(qint64, y);
        QFETCH(qint64, obeb);
        QFETCH(qint64, okek);
        QCOMPARE(Obeb(x, y), obeb);
        QCOMPARE(Okek(x, y), okek);
    }

    void uzun_donusum_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("gecerli");
        QTest::addColumn<qint64>("deger");
        QTest::newRow("okek") << QStringLiteral("9999700002") << true << qint64(9999700002LL);
        QTest::newRow("bosluk_isaret") << QStringLiteral("  +42") << true << qint64(42);
        QTest::newRow("en_kucuk") << QStringLiteral("-9223372036854775808") << true
                                  << std::numeric_limits<qint64>::min();
        QTest::newRow("en_buyuk") << QStringLiteral("9223372036854775807") << true
                                  << std::numeric_limits<qint64>::max();
        QTest::newRow("tasma") << QStringLiteral("9223372036854775808") << false << qint64(0);
        QTest::newRow("bos") << QString() << false << qint64(0);
        QTest::newRow("yalniz_eksi") << QStringLiteral("-") << false << qint64(0);
        QTest::newRow("yalniz_arti") << QStringLiteral("+") << false << qint64(0);
        QTest::newRow("harf") << QStringLiteral("12a") << false << qint64(0);
        QTest::newRow("sonda_bosluk") << QStringLiteral("12 ") << false << qint64(0);
    }
    void uzun_donusum()
    {
        QFETCH(QString, metin);
        QFETCH(bool, gecerli);
        QFETCH(qint64, deger);
        try {
            const qint64 sonuc = UzunTamsayiyaCevirVeyaHata(metin);
            QVERIFY(gecerli);
            QCOMPARE(sonuc, deger);
        } catch (const DonusumHatasi& h) {
            QVERIFY(!gecerli);
            QCOMPARE(h.Mesaj(), QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(metin));
        }
    }

    void denetim_data()
    {
        QTest::addColumn<qint64>("obeb");
        QTest::addColumn<qint64>("okek");
        QTest::addColumn<bool>("dogru");
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("ikisi_dogru") << qint64(4) << qint64(24) << true << QStringLiteral("Tebrikler")
                                     << QStringLiteral("Tebrikler Bildiniz!");
        QTest::newRow("ikisi_yanlis") << qint64(2) << qint64(48) << false << QStringLiteral("Hatalı Değer")
                                      << QStringLiteral("Maalesef, ne OBEB ne OKEK değerleriniz doğru değil.");
        QTest::newRow("obeb_yanlis") << qint64(2) << qint64(24) << false << QStringLiteral("Hatalı Değer")
                                     << QStringLiteral("Maalesef, OBEB değeriniz doğru değil.");
        QTest::newRow("okek_yanlis") << qint64(4) << qint64(96) << false << QStringLiteral("Hatalı Değer")
                                     << QStringLiteral("Maalesef, OKEK değeriniz doğru değil.");
    }
    void denetim()
    {
        QFETCH(qint64, obeb);
        QFETCH(qint64, okek);
        QFETCH(bool, dogru);
        QFETCH(QString, baslik);
        QFETCH(QString, mesaj);
        const DenetimSonucu s = CevapDenetle(8, 12, obeb, okek);
        QCOMPARE(s.Dogru, dogru);
        QCOMPARE(s.Baslik, baslik);
        QCOMPARE(s.Mesaj, mesaj);
    }

    // A prime leaf `v` of tree `t` dropped on panel `k`, with `kalan` nodes
    // still unsplit and `kendi` / `diger` leaves of `v` still available in its
    // own tree and in the other one.
    void panel_kurali_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("kalan");
        QTest::addColumn<int>("kendi");
        QTest::addColumn<int>("diger");
        QTest::addColumn<bool>("kabul");
        QTest::addColumn<bool>("digerindenAl");
        QTest::addColumn<QString>("kutu"); // "caption | text", empty when nothing is said
        const QString yanlis = QStringLiteral("Yanlış Panel | ");
        QTest::newRow("bolunmemis_kaldi") << 1 << 1 << 1 << 2 << 0 << false << false
                                          << QStringLiteral("İşlem Eksik | Önce tüm çarpanları bulunuz");
        QTest::newRow("ortak_panele_bolunmemis") << 3 << 1 << 2 << 1 << 1 << false << false
                                                 << QStringLiteral("İşlem Eksik | Önce tüm çarpanları bulunuz");
        QTest::newRow("ilk_agac_ikinci_panele") << 2 << 1 << 0 << 1 << 0 << false << false
                                                << yanlis + QStringLiteral("Yanlış panele bırakıyorsunuz");
        QTest::newRow("ikinci_agac_ilk_panele") << 1 << 2 << 0 << 1 << 0 << false << false
                                                << yanlis + QStringLiteral("Yanlış panele bırakıyorsunuz");
        QTest::newRow("digerinde_esit_sayida") << 1 << 1 << 0 << 1 << 1 << false << false
                                               << yanlis + QStringLiteral("2 her iki sayıyıda böler");
        QTest::newRow("digerinde_fazla") << 2 << 2 << 0 << 1 << 2 << false << false
                                         << yanlis + QStringLiteral("2 her iki sayıyıda böler");
        QTest::newRow("kendinde_fazla") << 1 << 1 << 0 << 2 << 1 << true << false << QString();
        QTest::newRow("yalniz_kendinde") << 2 << 2 << 0 << 1 << 0 << true << false << QString();
        QTest::newRow("ortak_panele") << 3 << 1 << 0 << 1 << 1 << true << true << QString();
        QTest::newRow("ortak_panele_ikinci_agactan") << 3 << 2 << 0 << 2 << 1 << true << true << QString();
        QTest::newRow("ortak_digerinde_yok") << 3 << 1 << 0 << 2 << 0 << false << false
                                             << yanlis + QStringLiteral("2 her iki sayıyıda bölmez!");
        QTest::newRow("panel_degil") << 0 << 1 << 0 << 1 << 0 << false << false << QString();
        QTest::newRow("bilinmeyen_panel") << 4 << 1 << 1 << 1 << 0 << false << false << QString();
    }
    void panel_kurali()
    {
        QFETCH(int, k);
        QFETCH(int, t);
        QFETCH(int, kalan);
        QFETCH(int, kendi);
        QFETCH(int, diger);
        QFETCH(bool, kabul);
        QFETCH(bool, digerindenAl);
        QFETCH(QString, kutu);
        const PanelKarari karar = PanelKurali(k, t, 2, kalan, kendi, diger);
        QCOMPARE(karar.Kabul, kabul);
        QCOMPARE(karar.DigerindenAl, digerindenAl);
        QCOMPARE(karar.Mesaj.isEmpty() ? QString() : karar.Baslik + QStringLiteral(" | ") + karar.Mesaj, kutu);
    }

    // Each problem text stands 20 pixels above its panel and each product 10
    // below it; "Sonucu Denetle" stands 10 below the top of the OBEB row,
    // beside the answer boxes.
    void yerlesim_araliklari_data()
    {
        QTest::addColumn<QSize>("govde");
        QTest::newRow("projektor") << QSize(1366, 700);
        QTest::newRow("en_kucuk") << QSize(600, 570);
    }
    void yerlesim_araliklari()
    {
        QFETCH(QSize, govde);
        const FaktorYerlesimi y = FaktorYerlesimiHesapla(govde.width(), govde.height());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(y.Paneller[i].top() - y.Ustler[i].top(), 20);
            QCOMPARE(y.Altlar[i].top() - (y.Paneller[i].top() + y.Paneller[i].height()), 10);
            QVERIFY(i == 0 || y.Paneller[i - 1].right() < y.Paneller[i].left());
        }
        QCOMPARE(y.Button1.top() - y.Label7.top(), 10);
        QVERIFY(!y.Button1.intersects(y.Edit1) && !y.Button1.intersects(y.Edit2));
        QVERIFY(y.Button1.bottom() < govde.height());
    }

    // Copies that a smaller panel would cut move to free places; the ones
    // that fit stay, and none covers another while there is room.
    void kopyalar_sigdirilir_data()
    {
        QTest::addColumn<QList<QRect>>("kopyalar");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QList<QPoint>>("yerler");
        QTest::newRow("hepsi_sigar") << QList<QRect>{QRect(10, 10, 50, 30), QRect(100, 40, 50, 30)} << QSize(246, 150)
                                     << QList<QPoint>{{10, 10}, {100, 40}};
        QTest::newRow("disarida_kalan_bosa") << QList<QRect>{QRect(5, 5, 50, 30), QRect(400, 10, 50, 30)}
                                             << QSize(246, 150) << QList<QPoint>{{5, 5}, {60, 5}};
        QTest::newRow("iki_tasan_ust_uste_binmez")
            << QList<QRect>{QRect(300, 100, 50, 30), QRect(300, 100, 50, 30)} << QSize(246, 150)
            << QList<QPoint>{{5, 5}, {60, 5}};
        QTest::newRow("yer_yoksa_iceri_cekilir") << QList<QRect>{QRect(5, 5, 50, 30), QRect(90, 50, 50, 30)}
                                                 << QSize(60, 40) << QList<QPoint>{{5, 5}, {5, 5}};
    }
    void kopyalar_sigdirilir()
    {
        QFETCH(QList<QRect>, kopyalar);
        QFETCH(QSize, panel);
        QFETCH(QList<QPoint>, yerler);
        QCOMPARE(KopyalariSigdir(kopyalar, panel), yerler);
    }

    void okek_satiri()
    {
        QCOMPARE(OkekSatiri(2, 6, 3), QStringLiteral(" = 2 * 6 * 3 = 36"));
        QCOMPARE(OkekSatiri(99999, 1, 99998), QStringLiteral(" = 99999 * 1 * 99998 = 9999700002"));
    }
};

#include "carpanmodel_test.moc"
ORVANTA_TEST(CarpanModeliTesti)
