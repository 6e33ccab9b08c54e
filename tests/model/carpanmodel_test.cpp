#include "carpanmodel.h"
#include "donusum.h"
#include "testkaydi.h"
#include "testortami.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// A shown node of the subtree of `d` with number `v` and state `durum`.
const CarpanDugumu* Gorunen(const CarpanDugumu* d, int v, int durum)
{
    if (!d)
        return nullptr;
    if (d->Value() == v && d->State == durum)
        return d;
    if (!d->CocuklarGorunur())
        return nullptr;
    const CarpanDugumu* b = Gorunen(d->LeftChild(), v, durum);
    return b ? b : Gorunen(d->RightChild(), v, durum);
}

QString Urunler(const CarpanAgaciModeli& m)
{
    return m.UrunMetni(PANEL_ONLY_FIRST) + QLatin1Char(' ') + m.UrunMetni(PANEL_BOTH) + QLatin1Char(' ')
           + m.UrunMetni(PANEL_ONLY_SECOND);
}

// Plays the pupil's moves on `m` and returns every message box, "caption | text":
// "coz" solves both trees, "b1:2" types 2 into the right box of the first
// waiting node of tree 1, "1:2>3" drops an available 2 of tree 1 on the
// panel of kind 3 ("1:2u>3" a used one, "x:3>1" a 3 of no tree).
QStringList Oyna(CarpanAgaciModeli& m, const QStringList& hamleler)
{
    QStringList kutular;
    for (const QString& h : hamleler) {
        if (h == QLatin1String("coz")) {
            m.Kok(1)->SolveAll();
            m.Kok(2)->SolveAll();
            continue;
        }
        const QStringList parca = h.split(QRegularExpression(QStringLiteral("[:>]")));
        if (parca[0].startsWith(QLatin1Char('b'))) {
            CarpanDugumu* kok = m.Kok(parca[0].mid(1).toInt());
            const_cast<CarpanDugumu*>(kok->IlkBekleyen())->EditEntered(parca[1].toInt(), false);
            continue;
        }
        const bool kullanilmis = parca[1].endsWith(QLatin1Char('u'));
        const int v = QString(parca[1]).remove(QLatin1Char('u')).toInt();
        CarpanDugumu yabanci(v);
        const CarpanDugumu* d =
            parca[0] == QLatin1String("x") ? &yabanci : Gorunen(m.Kok(parca[0].toInt()), v, kullanilmis ? 0 : 1);
        if (!d) {
            kutular << QStringLiteral("yok: ") + h;
            continue;
        }
        const PanelKarari karar = m.PanelaBirak(parca[2].toInt(), d);
        if (!karar.Mesaj.isEmpty())
            kutular << karar.Baslik + QStringLiteral(" | ") + karar.Mesaj;
    }
    return kutular;
}

} // namespace

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
            {99999, QStringLiteral("u")}, {27, QStringLiteral("yi")}};
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
        QTest::newRow("esit") << qint64(9) << qint64(9) << qint64(9) << qint64(9);
        QTest::newRow("aralarinda_asal") << qint64(4) << qint64(9) << qint64(1) << qint64(36);
        // Beyond 32 bits: 99999 * 99998 = 9 999 700 002.
        QTest::newRow("bes_basamak") << qint64(99999) << qint64(99998) << qint64(1) << qint64(9999700002LL);
        QTest::newRow("bes_basamak_ortak") << qint64(99990) << qint64(99996) << qint64(6) << qint64(1666433340LL);
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
        QTest::newRow("bosluk_isaret") << QStringLiteral("  +42") << true << qint64(42);
        QTest::newRow("en_buyuk") << QStringLiteral("9223372036854775807") << true
                                  << std::numeric_limits<qint64>::max();
        QTest::newRow("tasma") << QStringLiteral("9223372036854775808") << false << qint64(0);
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

    // The place a copy carried by keys is offered on a panel: the first free
    // place of the grid, never over a copy already there.
    void bos_kopya_yeri_data()
    {
        QTest::addColumn<QList<QRect>>("kopyalar");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QSize>("kopya");
        QTest::addColumn<QPoint>("yer");
        const QSize panel(246, 150);
        const QSize kopya(50, 30);
        QTest::newRow("bos_panel") << QList<QRect>{} << panel << kopya << QPoint(5, 5);
        QTest::newRow("fareyle_birakilan_iki_yer_kaplar")
            << QList<QRect>{QRect(30, 20, 50, 30)} << panel << kopya << QPoint(115, 5);
        QTest::newRow("satir_dolunca_alta") << QList<QRect>{QRect(5, 5, 50, 30), QRect(60, 5, 50, 30)}
                                            << QSize(120, 150) << kopya << QPoint(5, 40);
        QTest::newRow("genis_kopyanin_yanina") << QList<QRect>{QRect(5, 5, 70, 30)} << panel << kopya << QPoint(115, 5);
        QTest::newRow("yer_yoksa_iceride") << QList<QRect>{QRect(5, 5, 50, 30)} << QSize(60, 40) << kopya << QPoint(5, 5);
    }
    void bos_kopya_yeri()
    {
        QFETCH(QList<QRect>, kopyalar);
        QFETCH(QSize, panel);
        QFETCH(QSize, kopya);
        QFETCH(QPoint, yer);
        QCOMPARE(BosKopyaYeri(kopyalar, panel, kopya), yer);
    }

    // Roots drawn through the environment: a prime, or 0 to 3, is drawn again.
    void kok_cekilisi_data()
    {
        QTest::addColumn<QList<int>>("cekilenler");
        QTest::addColumn<int>("ilk");
        QTest::addColumn<int>("ikinci");
        QTest::newRow("bilesikler") << QList<int>{12, 18} << 12 << 18;
        QTest::newRow("asallar_yeniden") << QList<int>{7, 12, 2, 18} << 12 << 18;
        QTest::newRow("sifir_bir_yeniden") << QList<int>{0, 1, 3, 49, 1, 4} << 49 << 4;
        QTest::newRow("esit_olabilir") << QList<int>{4, 4} << 4 << 4;
    }
    void kok_cekilisi()
    {
        QFETCH(QList<int>, cekilenler);
        QFETCH(int, ilk);
        QFETCH(int, ikinci);
        TestOrtami ortam;
        ortam.Rastgeleler.assign(cekilenler.begin(), cekilenler.end());
        CarpanAgaciModeli m;
        m.NewProblem(-1, -1);
        QCOMPARE(m.RootValue(1), ilk);
        QCOMPARE(m.RootValue(2), ikinci);
        QVERIFY(ortam.Rastgeleler.empty());
        // A fresh root waits for its divisor.
        QCOMPARE(m.CountUnsplit(), 2);
    }

    // Moves of the pupil on a problem, the message boxes they bring, and the
    // panels' products (only the first, both, only the second) afterwards.
    void panele_birakma_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QStringList>("hamleler");
        QTest::addColumn<QStringList>("kutular");
        QTest::addColumn<QString>("urunler");
        const QString yanlis = QStringLiteral("Yanlış Panel | ");
        QTest::newRow("once_tum_carpanlar") << 12 << 18 << QStringList{"b1:2", "1:2>1"}
                                            << QStringList{"İşlem Eksik | Önce tüm çarpanları bulunuz"} << "1 1 1";
        QTest::newRow("12_18_tamami") << 12 << 18
                                      << QStringList{"coz", "1:2>3", "1:2>3", "1:2>1", "1:3>3", "2:3>2"}
                                      << QStringList{yanlis + "2 her iki sayıyıda bölmez!"} << "2 6 3";
        QTest::newRow("ortak_bolen_tek_panele") << 12 << 18 << QStringList{"coz", "1:3>1"}
                                                << QStringList{yanlis + "3 her iki sayıyıda böler"} << "1 1 1";
        QTest::newRow("ortaktan_sonra_tek_panele") << 12 << 18 << QStringList{"coz", "1:3>3", "2:3>2"}
                                                   << QStringList() << "1 3 3";
        QTest::newRow("baska_agacin_paneli") << 12 << 18 << QStringList{"coz", "1:2>2", "2:3>1"}
                                             << QStringList{yanlis + "Yanlış panele bırakıyorsunuz",
                                                            yanlis + "Yanlış panele bırakıyorsunuz"}
                                             << "1 1 1";
        // Only an available prime leaf of a tree is placed; the rest is ignored without a word.
        QTest::newRow("bilesik_sessiz") << 12 << 18 << QStringList{"coz", "1:12>1", "1:6>1"} << QStringList()
                                        << "1 1 1";
        QTest::newRow("kullanilmis_sessiz") << 12 << 18 << QStringList{"coz", "1:2>3", "2:2u>2", "1:2u>1"}
                                            << QStringList() << "1 2 1";
        QTest::newRow("agactan_olmayan_sessiz") << 12 << 18 << QStringList{"coz", "x:3>2"} << QStringList()
                                                << "1 1 1";
        QTest::newRow("panel_olmayan_bolunmemiste_sessiz") << 12 << 18 << QStringList{"b1:2", "1:2>4"}
                                                           << QStringList() << "1 1 1";
        QTest::newRow("panel_olmayan_sessiz") << 12 << 18 << QStringList{"coz", "1:2>0", "1:2>4"} << QStringList()
                                              << "1 1 1";
        QTest::newRow("asal_kok") << 7 << 12 << QStringList{"coz", "1:7>1"} << QStringList() << "7 1 1";
        // Products beyond 32 bits stay whole.
        QTest::newRow("bes_basamak") << 99999 << 99998
                                     << QStringList{"coz", "1:3>1", "1:3>1", "1:41>1", "1:271>1", "2:2>2",
                                                    "2:49999>2"}
                                     << QStringList() << "99999 1 99998";
    }
    void panele_birakma()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QStringList, hamleler);
        QFETCH(QStringList, kutular);
        QFETCH(QString, urunler);
        TestOrtami ortam;
        CarpanAgaciModeli m;
        m.NewProblem(a, b);
        QCOMPARE(Oyna(m, hamleler), kutular);
        QCOMPARE(Urunler(m), urunler);
        // What a panel shows is what was placed on it.
        for (int k : {PANEL_ONLY_FIRST, PANEL_BOTH, PANEL_ONLY_SECOND}) {
            qint64 carpim = 1;
            for (int v : m.Yerlesenler(k))
                carpim *= v;
            QCOMPARE(carpim, m.Products()[k]);
        }
        QVERIFY(ortam.Kayit.isEmpty());
    }

    void sonuc_satirlari_data()
    {
        QTest::addColumn<QStringList>("hamleler");
        QTest::addColumn<bool>("denetim");
        QTest::addColumn<QString>("obeb");
        QTest::addColumn<QString>("okek");
        QTest::addColumn<QString>("komut");
        QTest::newRow("baslangic") << QStringList() << false << " = 1" << " = 1 * 1 * 1 = 1" << "Denetleme Modu";
        QTest::newRow("12_18") << QStringList{"coz", "1:2>3", "1:2>1", "1:3>3", "2:3>2"} << false << " = 6"
                               << " = 2 * 6 * 3 = 36" << "Denetleme Modu";
        QTest::newRow("denetimde") << QStringList{"coz", "1:2>3"} << true << "=1" << "=1" << "Deneme Modu";
    }
    void sonuc_satirlari()
    {
        QFETCH(QStringList, hamleler);
        QFETCH(bool, denetim);
        QFETCH(QString, obeb);
        QFETCH(QString, okek);
        QFETCH(QString, komut);
        CarpanAgaciModeli m;
        m.NewProblem(12, 18);
        Oyna(m, hamleler);
        m.SetCheckMode(denetim);
        QCOMPARE(m.ObebMetni(), obeb);
        QCOMPARE(m.OkekMetni(), okek);
        QCOMPARE(m.ModKomutu(), komut);
    }

    // "Sıfırla" takes the trees and the placed primes away but leaves the
    // products until the next problem.
    void sifirlama()
    {
        CarpanAgaciModeli m;
        m.NewProblem(12, 18);
        Oyna(m, {"coz", "1:2>3"});
        m.ResetBoard();
        QVERIFY(!m.Kok(1) && !m.Kok(2) && !m.AgaclarVar());
        QCOMPARE(m.RootValue(1), 0);
        QCOMPARE(m.Yerlesenler(PANEL_BOTH), QList<int>());
        QCOMPARE(Urunler(m), QStringLiteral("1 2 1"));
        QCOMPARE(m.Baslik(PANEL_BOTH), QStringLiteral("Hem 0 u Hem 0 u bölenler"));
        m.NewProblem(20, 30);
        QCOMPARE(Urunler(m), QStringLiteral("1 1 1"));
        QCOMPARE(m.Baslik(PANEL_BOTH), QStringLiteral("Hem 20 yi Hem 30 u bölenler"));
    }

    // The answers as typed: both boxes read 64 bits.
    void denetim_metinden_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("obeb");
        QTest::addColumn<QString>("okek");
        QTest::addColumn<QString>("sonuc"); // the message, or the conversion error
        QTest::newRow("dogru") << 8 << 12 << "4" << "24" << "Tebrikler Bildiniz!";
        QTest::newRow("ikisi_yanlis") << 8 << 12 << "2" << "48"
                                      << "Maalesef, ne OBEB ne OKEK değerleriniz doğru değil.";
        QTest::newRow("obeb_cok_uzun") << 8 << 12 << "99999999999" << "24" << "Maalesef, OBEB değeriniz doğru değil.";
        QTest::newRow("bes_basamak") << 99999 << 99998 << "1" << "9999700002" << "Tebrikler Bildiniz!";
        // The value a 32-bit product would have wrapped to is wrong.
        QTest::newRow("sarmis_okek") << 99999 << 99998 << "1" << QString::number(qint32(quint32(9999700002ULL)))
                                     << "Maalesef, OKEK değeriniz doğru değil.";
        QTest::newRow("yalniz_eksi") << 8 << 12 << "-" << "24" << "'-' geçerli bir tamsayı değeri değil";
        QTest::newRow("bos_okek") << 8 << 12 << "4" << "" << "'' geçerli bir tamsayı değeri değil";
    }
    void denetim_metinden()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, obeb);
        QFETCH(QString, okek);
        QFETCH(QString, sonuc);
        CarpanAgaciModeli m;
        m.NewProblem(a, b);
        try {
            const DenetimSonucu s = m.Denetle(obeb, okek);
            QCOMPARE(s.Mesaj, sonuc);
            QCOMPARE(s.Baslik, s.Dogru ? QStringLiteral("Tebrikler") : QStringLiteral("Hatalı Değer"));
            QCOMPARE(s.Dogru, sonuc == QStringLiteral("Tebrikler Bildiniz!"));
        } catch (const DonusumHatasi& h) {
            QCOMPARE(h.Mesaj(), sonuc);
        }
    }

    void problem_sayilari_data()
    {
        QTest::addColumn<qint64>("ilk");
        QTest::addColumn<qint64>("ikinci");
        QTest::addColumn<bool>("uygun");
        QTest::newRow("esit") << qint64(7) << qint64(7) << false;
        QTest::newRow("bir") << qint64(1) << qint64(9) << false;
        QTest::newRow("ikinci_bir") << qint64(9) << qint64(1) << false;
        QTest::newRow("eksi") << qint64(-4) << qint64(9) << false;
        QTest::newRow("en_kucukler") << qint64(2) << qint64(3) << true;
        QTest::newRow("asal") << qint64(7) << qint64(12) << true;
        QTest::newRow("bes_basamak") << qint64(99999) << qint64(99998) << true;
    }
    void problem_sayilari()
    {
        QFETCH(qint64, ilk);
        QFETCH(qint64, ikinci);
        QFETCH(bool, uygun);
        QCOMPARE(ProblemSayilariUygun(ilk, ikinci), uygun);
    }

    // A tree's colour goes to its panel; a panel's colour goes back to the
    // trees from the two outer panels. Columns: trees 1 and 2, then panels
    // only first, both, only second.
    void renkler_data()
    {
        QTest::addColumn<bool>("agac");
        QTest::addColumn<int>("numara");
        QTest::addColumn<QList<TRenk>>("renkler");
        const TRenk r = 0x112233;
        QTest::newRow("baslangic") << true << 0 << QList<TRenk>{AGAC1_RENGI, AGAC2_RENGI, AGAC1_RENGI, clBtnFace, AGAC2_RENGI};
        QTest::newRow("ilk_agac") << true << 1 << QList<TRenk>{r, AGAC2_RENGI, r, clBtnFace, AGAC2_RENGI};
        QTest::newRow("ikinci_agac") << true << 2 << QList<TRenk>{AGAC1_RENGI, r, AGAC1_RENGI, clBtnFace, r};
        QTest::newRow("ilk_panel") << false << PANEL_ONLY_FIRST
                                   << QList<TRenk>{r, AGAC2_RENGI, r, clBtnFace, AGAC2_RENGI};
        QTest::newRow("ikinci_panel") << false << PANEL_ONLY_SECOND
                                      << QList<TRenk>{AGAC1_RENGI, r, AGAC1_RENGI, clBtnFace, r};
        QTest::newRow("ortak_panel") << false << PANEL_BOTH
                                     << QList<TRenk>{AGAC1_RENGI, AGAC2_RENGI, AGAC1_RENGI, r, AGAC2_RENGI};
    }
    void renkler()
    {
        QFETCH(bool, agac);
        QFETCH(int, numara);
        QFETCH(QList<TRenk>, renkler);
        CarpanAgaciModeli m;
        if (agac)
            m.AgacRengiAyarla(numara, 0x112233);
        else
            m.PanelRengiAyarla(numara, 0x112233);
        QCOMPARE((QList<TRenk>{m.AgacRengi(1), m.AgacRengi(2), m.PanelRengi(PANEL_ONLY_FIRST),
                               m.PanelRengi(PANEL_BOTH), m.PanelRengi(PANEL_ONLY_SECOND)}),
                 renkler);
    }
};

#include "carpanmodel_test.moc"
ORVANTA_TEST(CarpanModeliTesti)
