#include "donusum.h"
#include "kesirkarsilastirma.h"
#include "testortami.h"
#include "testkaydi.h"

#include <QtTest>
#include <cmath>
#include <limits>


namespace {
constexpr int INT_EN_BUYUK = std::numeric_limits<int>::max();

int IlkIsabet(int w, int n, int x, int y)
{
    return BasilanDilim(w, w, n, x, y);
}

// A point at counter-clockwise angle `aci` (degrees) and distance `uzaklik` from the centre of a box w x w.
QPoint Nokta(int w, double aci, double uzaklik)
{
    const double r = aci * M_PI / 180.0;
    return QPoint(int(std::lround(w / 2 + uzaklik * std::cos(r))), int(std::lround(w / 2 - uzaklik * std::sin(r))));
}
} // namespace

class KesirModeliTesti : public QObject
{
    Q_OBJECT

private slots:
    // A 300 x 300 box, centre (150, 150): which slice a press selects.
    void basilan_dilim_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QPoint>("nokta");
        QTest::addColumn<int>("dilim");
        QTest::newRow("tek_parca_sag") << 1 << QPoint(200, 150) << 0;
        QTest::newRow("dort_sag_ust") << 4 << QPoint(220, 80) << 0;
        QTest::newRow("dort_sol_ust") << 4 << QPoint(80, 80) << 1;
        QTest::newRow("dort_sol_alt") << 4 << QPoint(80, 220) << 2;
        QTest::newRow("dort_sag_alt") << 4 << QPoint(220, 220) << 3;
        // Straight above the centre lies on the border of slices 1 and 2: the first wins.
        QTest::newRow("dort_aci_90_sinir") << 4 << QPoint(150, 50) << 0;
        QTest::newRow("dort_aci_180_sinir") << 4 << QPoint(10, 150) << 1;
        QTest::newRow("saat_uc") << 4 << QPoint(290, 150) << 0;
        QTest::newRow("saat_ucun_hemen_alti") << 4 << QPoint(290, 151) << 3;
        // Direction only: the corners of the box, outside the circle.
        QTest::newRow("kose_sag_ust") << 4 << QPoint(299, 0) << 0;
        QTest::newRow("merkez") << 4 << QPoint(150, 150) << -1;
        QTest::newRow("merkez_tek_parca") << 1 << QPoint(150, 150) << -1;
        QTest::newRow("yuz_parca_ilk") << 100 << QPoint(299, 149) << 0;
        QTest::newRow("yuz_parca_son") << 100 << QPoint(299, 152) << 99;
        QTest::newRow("uzak_nokta") << 3 << QPoint(150 + 1000000, 150 - 1) << 0;
    }
    void basilan_dilim()
    {
        QFETCH(int, n);
        QFETCH(QPoint, nokta);
        QFETCH(int, dilim);
        QCOMPARE(IlkIsabet(300, n, nokta.x(), nokta.y()), dilim);
    }

    void sinirdaki_basma_iki_dilime_duser()
    {
        QVERIFY(DilimIsabeti(300, 300, 4, 0, 1, 150, 50));
        QVERIFY(DilimIsabeti(300, 300, 4, 1, 1, 150, 50));
        QVERIFY(!DilimIsabeti(300, 300, 4, 2, 1, 150, 50));
    }

    // The pies close the circle without gaps, and each is drawn where the press finds it;
    // one part is the whole disc, and clockwise the first slice starts at 6 o'clock.
    void pieler_cemberi_kapatir_ve_basilanla_ortusur()
    {
        QVERIFY(PieAngles(1, 0, 1, true).TamDaire);
        QCOMPARE(PieAngles(4, 0, 1, false).Baslangic, 4320);
        for (int n : {2, 3, 4, 7, 11, 12, 100}) {
            int toplam = 0;
            for (int i = 0; i < n; ++i) {
                const PieAcisi a = PieAngles(n, i, 1, true);
                toplam += a.Aciklik;
                const PieAcisi sonraki = PieAngles(n, (i + 1) % n, 1, true);
                QCOMPARE((a.Baslangic + a.Aciklik) % 5760, sonraki.Baslangic);
                const QPoint orta = Nokta(1000, (a.Baslangic + a.Aciklik / 2.0) / 16.0, 400);
                QVERIFY2(IlkIsabet(1000, n, orta.x(), orta.y()) == i, qPrintable(QStringLiteral("%1/%2").arg(i).arg(n)));
            }
            QCOMPARE(toplam, 5760);
        }
    }

    void cokgen_dilimleri()
    {
        // Three triangles from the centre: their outer corners make one triangle.
        QSet<QPair<int, int>> koseler;
        for (int i = 0; i < 3; ++i) {
            const std::array<QPoint, 3> k = UcgenKoseleri(300, 300, 3, i);
            QCOMPARE(k[0], QPoint(150, 150));
            koseler << qMakePair(k[1].x(), k[1].y()) << qMakePair(k[2].x(), k[2].y());
            // The triangle lies in the directions of its slice.
            const QPoint ic((k[0].x() + k[1].x() + k[2].x()) / 3, (k[0].y() + k[1].y() + k[2].y()) / 3);
            QCOMPARE(IlkIsabet(300, 3, ic.x(), ic.y()), i);
        }
        QCOMPARE(koseler.size(), 3);
        QVERIFY(koseler.contains(qMakePair(300, 150)));
    }

    // Each number stands in its own slice: the slice number near the rim, the
    // selection number nearer the centre.
    void numaralar_kendi_dilimlerinde()
    {
        for (int n : {1, 2, 3, 4, 6, 8}) {
            for (int i = 0; i < n; ++i) {
                const QPoint dilimNo = SliceNoPos(300, 300, n, i, 1, true) + QPoint(9, 9);
                const QPoint secimNo = SelectionNoPos(300, 300, n, i, 1, true) + QPoint(9, 4);
                const QString ad = QStringLiteral("%1/%2").arg(i).arg(n);
                QVERIFY2(IlkIsabet(300, n, dilimNo.x(), dilimNo.y()) == i, qPrintable(ad));
                QVERIFY2(IlkIsabet(300, n, secimNo.x(), secimNo.y()) == i, qPrintable(ad));
                QVERIFY2(QLineF(secimNo, QPoint(150, 150)).length() < QLineF(dilimNo, QPoint(150, 150)).length(),
                         qPrintable(ad));
            }
        }
    }

    // The strips fill the whole square: no pixel row or column is left over,
    // and no strip is more than one pixel longer than another.
    void seritler_kareyi_doldurur_data()
    {
        QTest::addColumn<int>("gorunum");
        QTest::addColumn<QRect>("sekil");
        QTest::addColumn<int>("n");
        QTest::newRow("yuz_yatay_dar") << int(GORUNUM_YATAY) << QRect(10, 10, 150, 150) << 100;
        QTest::newRow("yuz_dikey_genis") << int(GORUNUM_DIKEY) << QRect(5, 7, 299, 299) << 100;
        QTest::newRow("tam_bolunen") << int(GORUNUM_DIKEY) << QRect(0, 0, 300, 300) << 3;
        QTest::newRow("tek_parca") << int(GORUNUM_DIKEY) << QRect(10, 10, 301, 301) << 1;
        QTest::newRow("pikselden_cok_parca") << int(GORUNUM_YATAY) << QRect(10, 10, 60, 60) << 100;
    }
    void seritler_kareyi_doldurur()
    {
        QFETCH(int, gorunum);
        QFETCH(QRect, sekil);
        QFETCH(int, n);
        const bool yatay = gorunum == GORUNUM_YATAY;
        int sonraki = yatay ? sekil.top() : sekil.left();
        int enKisa = std::numeric_limits<int>::max();
        int enUzun = 0;
        for (int i = 0; i < n; ++i) {
            const QRect r = SeritYeri(gorunum, sekil, n, i);
            QCOMPARE(yatay ? r.top() : r.left(), sonraki);
            // Across the strip the whole square.
            QCOMPARE(yatay ? r.left() : r.top(), yatay ? sekil.left() : sekil.top());
            QCOMPARE(yatay ? r.width() : r.height(), yatay ? sekil.width() : sekil.height());
            const int boy = yatay ? r.height() : r.width();
            enKisa = std::min(enKisa, boy);
            enUzun = std::max(enUzun, boy);
            sonraki += boy;
        }
        QCOMPARE(sonraki, yatay ? sekil.top() + sekil.height() : sekil.left() + sekil.width());
        QVERIFY(enUzun - enKisa <= 1);
    }

    void mod_cevabi_data()
    {
        QTest::addColumn<int>("mod");
        QTest::addColumn<int>("secili");
        QTest::addColumn<int>("parca");
        QTest::addColumn<int>("yazilanPay");
        QTest::addColumn<int>("yazilanPayda");
        QTest::addColumn<QString>("metin"); // empty: no check in that mode
        // Mode 2: the target is 3/5.
        QTest::newRow("goster_dogru") << 2 << 3 << 5 << 0 << 0 << QStringLiteral("Tebrikler Bildiniz");
        QTest::newRow("goster_pay") << 2 << 2 << 5 << 0 << 0 << QStringLiteral("Pay doğru değil");
        QTest::newRow("goster_payda") << 2 << 3 << 6 << 0 << 0 << QStringLiteral("Payda doğru değil");
        QTest::newRow("goster_denk_ama_degil") << 2 << 6 << 10 << 0 << 0
                                               << QStringLiteral("Ne pay ne de payda doğru değil");
    }
    void mod_cevabi()
    {
        QFETCH(int, mod);
        QFETCH(int, secili);
        QFETCH(int, parca);
        QFETCH(int, yazilanPay);
        QFETCH(int, yazilanPayda);
        QFETCH(QString, metin);
        const auto y = ModCevabi(mod, secili, parca, 3, 5, yazilanPay, yazilanPayda);
        QCOMPARE(y.has_value(), !metin.isEmpty());
        if (!y)
            return;
        QCOMPARE(y->Metin, metin);
        QCOMPARE(y->Dogru, metin == QStringLiteral("Tebrikler Bildiniz"));
        QCOMPARE(y->Baslik, y->Dogru ? QStringLiteral("Doğru Cevap") : QStringLiteral("Yanlış Cevap"));
    }

    // "Denetle" of a pane: target pay/payda against a drawing.
    void pane_denetimi_data()
    {
        QTest::addColumn<int>("pay");
        QTest::addColumn<int>("payda");
        QTest::addColumn<int>("secili");
        QTest::addColumn<int>("parca");
        QTest::addColumn<QString>("metin"); // empty: ignored
        QTest::addColumn<bool>("olumlu");
        QTest::newRow("dogru") << 1 << 2 << 1 << 2 << QStringLiteral("Tebrikler doğru") << true;
        QTest::newRow("kesirler_esit") << 1 << 2 << 2 << 4
                                       << QStringLiteral("Pay ve paydalar aynı değil ama kesirler eşit") << true;
        QTest::newRow("payda_yanlis") << 1 << 2 << 1 << 3 << QStringLiteral("Payda doğru değil") << false;
        QTest::newRow("pay_yanlis") << 1 << 2 << 2 << 2 << QStringLiteral("Pay doğru değil") << false;
        QTest::newRow("ikisi_yanlis") << 1 << 2 << 3 << 4 << QStringLiteral("Ne pay ne payda doğru değil") << false;
        // 32-bit products would wrap to the same value: not equal at all.
        QTest::newRow("pay_en_buyuk") << INT_EN_BUYUK << 1073741823 << 4 << 4
                                      << QStringLiteral("Ne pay ne payda doğru değil") << false;
        QTest::newRow("pay_en_buyuk_esit") << INT_EN_BUYUK << INT_EN_BUYUK << 3 << 3
                                           << QStringLiteral("Pay ve paydalar aynı değil ama kesirler eşit") << true;
        QTest::newRow("pay_sifir") << 0 << 2 << 0 << 2 << QString() << false;
        QTest::newRow("payda_sifir") << 1 << 0 << 1 << 2 << QString() << false;
    }
    void pane_denetimi()
    {
        QFETCH(int, pay);
        QFETCH(int, payda);
        QFETCH(int, secili);
        QFETCH(int, parca);
        QFETCH(QString, metin);
        QFETCH(bool, olumlu);
        const auto y = KesirDenetle(Kesir{pay, payda}, secili, parca);
        QCOMPARE(y.has_value(), !metin.isEmpty());
        if (y) {
            QCOMPARE(y->Metin, metin);
            QCOMPARE(y->Olumlu, olumlu);
        }
    }

    void genisletme_data()
    {
        QTest::addColumn<int>("pay");
        QTest::addColumn<int>("payda");
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<int>("durum");
        QTest::addColumn<int>("yeniPay");
        QTest::addColumn<int>("yeniPayda");
        const int YOK = GenisletmeSonucu::Yok, RED = GenisletmeSonucu::Reddedildi, OLDU = GenisletmeSonucu::Degisti;
        QTest::newRow("2_3_ile_9") << 2 << 3 << QStringLiteral("9") << OLDU << 6 << 9;
        QTest::newRow("6_9_ile_3") << 6 << 9 << QStringLiteral("3") << OLDU << 2 << 3;
        QTest::newRow("2_3_ile_4") << 2 << 3 << QStringLiteral("4") << RED << 0 << 0;
        QTest::newRow("3_6_ile_3") << 3 << 6 << QStringLiteral("3") << RED << 0 << 0;
        QTest::newRow("bos") << 2 << 3 << QString() << YOK << 0 << 0;
        QTest::newRow("sifir") << 2 << 3 << QStringLiteral("0") << YOK << 0 << 0;
        QTest::newRow("iki_milyar") << 1 << 2 << QStringLiteral("2000000000") << OLDU << 1000000000 << 2000000000;
        // 3 x 2 000 000 000 / 2 does not fit in 32 bits: refused, never wrapped.
        QTest::newRow("iki_milyar_tasar") << 3 << 2 << QStringLiteral("2000000000") << RED << 0 << 0;
        QTest::newRow("32_bitten_buyuk") << 1 << 3 << QStringLiteral("99999999999") << RED << 0 << 0;
        QTest::newRow("eksi_pay") << -1 << 2 << QStringLiteral("4") << OLDU << -2 << 4;
    }
    void genisletme()
    {
        QFETCH(int, pay);
        QFETCH(int, payda);
        QFETCH(QString, cevap);
        QFETCH(int, durum);
        QFETCH(int, yeniPay);
        QFETCH(int, yeniPayda);
        const GenisletmeSonucu s = Genislet(Kesir{pay, payda}, cevap);
        QCOMPARE(int(s.Durum), durum);
        if (s.Durum == GenisletmeSonucu::Degisti)
            QCOMPARE(s.Yeni, (Kesir{yeniPay, yeniPayda}));
    }

    void siralama_data()
    {
        QTest::addColumn<QVector<int>>("paylar");
        QTest::addColumn<QVector<int>>("paydalar");
        QTest::addColumn<QVector<int>>("siralar");
        QTest::addColumn<bool>("dogru");
        QTest::newRow("yarim_ceyrek_dogru") << QVector<int>{1, 3} << QVector<int>{2, 4} << QVector<int>{2, 1} << true;
        QTest::newRow("yarim_ceyrek_yanlis") << QVector<int>{1, 3} << QVector<int>{2, 4} << QVector<int>{1, 2} << false;
        QTest::newRow("esit_ilk_once") << QVector<int>{1, 2} << QVector<int>{2, 4} << QVector<int>{1, 2} << true;
        QTest::newRow("esit_ikinci_once") << QVector<int>{1, 2} << QVector<int>{2, 4} << QVector<int>{2, 1} << true;
        QTest::newRow("uc_esit_312") << QVector<int>{1, 2, 3} << QVector<int>{2, 4, 6} << QVector<int>{3, 1, 2} << true;
        QTest::newRow("uc_farkli") << QVector<int>{1, 1, 2} << QVector<int>{3, 2, 3} << QVector<int>{3, 2, 1} << true;
        QTest::newRow("iki_esit_bir_kucuk") << QVector<int>{1, 1, 2} << QVector<int>{4, 2, 4} << QVector<int>{3, 2, 1}
                                            << true;
        QTest::newRow("iki_esit_arada_kucuk") << QVector<int>{1, 1, 2} << QVector<int>{4, 2, 4}
                                              << QVector<int>{2, 3, 1} << false;
        QTest::newRow("ayni_sira_iki_kez") << QVector<int>{1, 2, 3} << QVector<int>{2, 4, 6} << QVector<int>{1, 1, 2}
                                           << false;
        // Products of 2^31 - 1 sized numbers: 32 bits would wrap.
        QTest::newRow("buyuk_sayilar") << QVector<int>{INT_EN_BUYUK, INT_EN_BUYUK - 1}
                                       << QVector<int>{INT_EN_BUYUK - 1, INT_EN_BUYUK - 2} << QVector<int>{2, 1}
                                       << true;
        QTest::newRow("buyuk_sayilar_yanlis") << QVector<int>{INT_EN_BUYUK, INT_EN_BUYUK - 1}
                                              << QVector<int>{INT_EN_BUYUK - 1, INT_EN_BUYUK - 2}
                                              << QVector<int>{1, 2} << false;
    }
    void siralama()
    {
        QFETCH(QVector<int>, paylar);
        QFETCH(QVector<int>, paydalar);
        QFETCH(QVector<int>, siralar);
        QFETCH(bool, dogru);
        QVector<Kesir> kesirler;
        for (int i = 0; i < paylar.size(); ++i)
            kesirler << Kesir{paylar[i], paydalar[i]};
        QCOMPARE(SiralamaDogru(kesirler, siralar), dogru);
    }

    // A drawing's moves, one word each: "n5" five parts, "b2" a press on the
    // third slice, "g1" view 1 anew, "k1" view 1 keeping the selections, "+"
    // and "-" the parts arrows. The selection orders, the counter and the view drawn.
    void cizim_hamleleri_data()
    {
        QTest::addColumn<QString>("hamleler");
        QTest::addColumn<QVector<int>>("taglar");
        QTest::addColumn<int>("sayac");
        QTest::addColumn<int>("cizilen");
        QTest::newRow("gorunumler_secimi_korur") << QStringLiteral("n5 g1 b3 b0 b4 k2 k3") << QVector<int>{2, 0, 0, 1, 3}
                                                 << 3 << int(GORUNUM_COKGEN);
        QTest::newRow("sayac_korunandan_surer") << QStringLiteral("n5 g1 b3 b0 b4 k2 b1") << QVector<int>{2, 4, 0, 1, 3}
                                                << 4 << int(GORUNUM_CEMBER);
        QTest::newRow("ilki_birakilinca_inerler") << QStringLiteral("n4 g2 b0 b1 b2 b0") << QVector<int>{0, 1, 2, 0}
                                                  << 2 << int(GORUNUM_CEMBER);
        QTest::newRow("birakilip_yeniden") << QStringLiteral("n4 g2 b0 b1 b0 b0") << QVector<int>{2, 1, 0, 0} << 2
                                           << int(GORUNUM_CEMBER);
        QTest::newRow("korumasiz_gorunum_siler") << QStringLiteral("n3 g0 b1 g1") << QVector<int>{0, 0, 0} << 0
                                                 << int(GORUNUM_DIKEY);
        QTest::newRow("parca_oku_secimi_siler") << QStringLiteral("n5 g1 b0 b1 +") << QVector<int>(6, 0) << 0
                                                << int(GORUNUM_DIKEY);
        QTest::newRow("en_az_bir_parca") << QStringLiteral("n1 g0 b0 -") << QVector<int>{1} << 1 << int(GORUNUM_YATAY);
        QTest::newRow("iki_parcada_cokgen_daire") << QStringLiteral("n2 g3 b1") << QVector<int>{0, 1} << 1
                                                  << int(GORUNUM_CEMBER);
        QTest::newRow("disaridaki_basma") << QStringLiteral("n3 g2 b3 b-1") << QVector<int>{0, 0, 0} << 0
                                          << int(GORUNUM_CEMBER);
        QTest::newRow("ilk_kurulusta_korunacak_yok") << QStringLiteral("k1 b0") << QVector<int>{1} << 1
                                                     << int(GORUNUM_DIKEY);
    }
    void cizim_hamleleri()
    {
        QFETCH(QString, hamleler);
        QFETCH(QVector<int>, taglar);
        QFETCH(int, sayac);
        QFETCH(int, cizilen);
        KesirCizimi c;
        for (const QString& h : hamleler.split(' ')) {
            const int sayi = h.mid(1).toInt();
            if (h[0] == 'n')
                c.SetPartCount(sayi);
            else if (h[0] == 'b')
                c.ToggleSlice(sayi);
            else if (h[0] == 'g' || h[0] == 'k')
                c.Rebuild(sayi, h[0] == 'k');
            else
                c.ParcaOkunaBas(h == QStringLiteral("+") ? 1 : -1);
        }
        QCOMPARE(c.Tags(), taglar);
        QCOMPARE(c.SelectionCounter(), sayac);
        QCOMPARE(c.SelectedCount(), SeciliSayisi(taglar));
        QCOMPARE(int(c.DrawnView()), cizilen);
    }

    // The parts arrows from `n` parts, the first slice selected.
    void parca_oklari_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("yon");
        QTest::addColumn<int>("sonuc");
        QTest::addColumn<int>("parca");
        const int OLDU = int(KesirCizimi::ParcaOku::Degisti), YOK = int(KesirCizimi::ParcaOku::Degismedi),
                  FAZLA = int(KesirCizimi::ParcaOku::CokFazla);
        QTest::newRow("99_yukari") << 99 << 1 << OLDU << 100;
        QTest::newRow("100_yukari_reddedilir") << 100 << 1 << FAZLA << 100;
        QTest::newRow("100_asagi") << 100 << -1 << OLDU << 99;
    }
    void parca_oklari()
    {
        QFETCH(int, n);
        QFETCH(int, yon);
        QFETCH(int, sonuc);
        QFETCH(int, parca);
        KesirCizimi c;
        c.SetPartCount(n);
        c.Rebuild(GORUNUM_DIKEY, false);
        c.ToggleSlice(0);
        QCOMPARE(int(c.ParcaOkunaBas(yon)), sonuc);
        QCOMPARE(c.PartCount(), parca);
        // Only a new number of parts drops the selection.
        QCOMPARE(c.SelectedCount(), sonuc == int(KesirCizimi::ParcaOku::Degisti) ? 0 : 1);
    }

    // The exercise of mode 3 with the target 2/7, answered in the mode of the row.
    void kesir_adi_cevabi_data()
    {
        QTest::addColumn<int>("mod");
        QTest::addColumn<QString>("pay");
        QTest::addColumn<QString>("payda");
        QTest::addColumn<QString>("metin"); // empty: no check; "hata": a conversion error
        QTest::newRow("2_7") << 3 << QStringLiteral("2") << QStringLiteral("7") << QStringLiteral("Tebrikler Bildiniz");
        QTest::newRow("bos") << 3 << QString() << QString() << QStringLiteral("Ne pay ne de payda doğru değil");
        QTest::newRow("payda_yanlis") << 3 << QStringLiteral("2") << QStringLiteral("8")
                                      << QStringLiteral("Payda doğru değil");
        QTest::newRow("yalniz_isaret") << 3 << QStringLiteral("-") << QStringLiteral("7") << QStringLiteral("hata");
        // Mode 2 looks at the drawing only: the boxes are not read.
        QTest::newRow("goster_kutular_okunmaz") << 2 << QStringLiteral("-") << QStringLiteral("x")
                                                << QStringLiteral("Tebrikler Bildiniz");
        QTest::newRow("gorsellestirme") << 1 << QStringLiteral("2") << QStringLiteral("7") << QString();
    }
    void kesir_adi_cevabi()
    {
        QFETCH(int, mod);
        QFETCH(QString, pay);
        QFETCH(QString, payda);
        QFETCH(QString, metin);
        TestOrtami ortam;
        ortam.Rastgeleler = {1, 4, 2};
        KesirCizimi c;
        c.SetMode(MOD_KESIR_ADI);
        c.NewFraction();
        c.SetPartCount(c.TargetDenominator());
        c.Rebuild(c.View(), false);
        c.HedefiSec();
        QCOMPARE(c.PartCount(), 7);
        QCOMPARE(c.Tags(), (QVector<int>{1, 2, 0, 0, 0, 0, 0}));
        QCOMPARE(c.SelectionCounter(), 2);
        QVERIFY(!c.SlicesEnabled());
        c.SetMode(mod);
        if (metin == QStringLiteral("hata")) {
            QVERIFY_THROWS_EXCEPTION(DonusumHatasi, c.CevapDenetle(pay, payda));
            return;
        }
        const std::optional<CevapYargisi> y = c.CevapDenetle(pay, payda);
        QCOMPARE(y.has_value(), !metin.isEmpty());
        if (y)
            QCOMPARE(y->Metin, metin);
    }

    // Presses of the rank arrows ("0+": the first pane's upper arrow) with
    // `sayi` fractions 1/2, 3/4, 2/3; the ranks afterwards and the verdict.
    void sira_oklari_data()
    {
        QTest::addColumn<int>("sayi");
        QTest::addColumn<QString>("basmalar");
        QTest::addColumn<QVector<int>>("siralar");
        QTest::addColumn<bool>("dogru");
        QTest::newRow("baslangic") << 2 << QString() << QVector<int>{1, 2, 3} << false;
        QTest::newRow("ilk_ikiye") << 2 << QStringLiteral("0+") << QVector<int>{2, 1, 3} << true;
        QTest::newRow("ikinci_yukari_sarar") << 2 << QStringLiteral("1+") << QVector<int>{2, 1, 3} << true;
        QTest::newRow("ilk_asagi_sarar") << 3 << QStringLiteral("0-") << QVector<int>{3, 2, 1} << false;
        QTest::newRow("hizli_basmalar") << 2 << QStringLiteral("0+ 1- 1- 0+ 1- 1- 0+") << QVector<int>{2, 1, 3} << true;
        QTest::newRow("uc_yanlis") << 3 << QStringLiteral("1+ 2-") << QVector<int>{2, 3, 1} << false;
        QTest::newRow("uc_dogru") << 3 << QStringLiteral("0+ 0+") << QVector<int>{3, 1, 2} << true;
    }
    void sira_oklari()
    {
        QFETCH(int, sayi);
        QFETCH(QString, basmalar);
        QFETCH(QVector<int>, siralar);
        QFETCH(bool, dogru);
        KesirKarsilastirmaModeli m;
        m.SetFractionCount(sayi);
        const Kesir kesirler[] = {{1, 2}, {3, 4}, {2, 3}};
        for (int i = 0; i < 3; ++i)
            m.SetFraction(i, kesirler[i]);
        for (const QString& b : basmalar.split(' ', Qt::SkipEmptyParts)) {
            const int pane = b.left(1).toInt();
            m.RankChanged(m.Rank(pane), m.IstenenSira(pane, b.endsWith('+') ? 1 : -1));
        }
        QCOMPARE((QVector<int>{m.Rank(0), m.Rank(1), m.Rank(2)}), siralar);
        QCOMPARE(m.CompareRanks(), dogru);
    }

    // A pane's answers, from 2/3: "pay" and "payda" the clicks on the
    // numerator and the denominator, "genislet" the expansion.
    void pane_cevaplari_data()
    {
        QTest::addColumn<QString>("islem");
        QTest::addColumn<QString>("cevap");
        QTest::addColumn<int>("pay");
        QTest::addColumn<int>("payda");
        QTest::addColumn<bool>("hata");
        QTest::newRow("pay_5") << "pay" << "5" << 5 << 3 << false;
        QTest::newRow("pay_bos") << "pay" << "" << 2 << 3 << false;
        QTest::newRow("pay_arti") << "pay" << "+" << 2 << 3 << true;
        QTest::newRow("payda_8") << "payda" << "8" << 2 << 8 << false;
        QTest::newRow("payda_sifir") << "payda" << "0" << 2 << 3 << false;
        QTest::newRow("payda_eksi") << "payda" << "-4" << 2 << 3 << false;
        QTest::newRow("payda_yalniz_eksi") << "payda" << "-" << 2 << 3 << true;
        QTest::newRow("genislet_9") << "genislet" << "9" << 6 << 9 << false;
        QTest::newRow("genislet_harf") << "genislet" << "abc" << 2 << 3 << true;
    }
    void pane_cevaplari()
    {
        QFETCH(QString, islem);
        QFETCH(QString, cevap);
        QFETCH(int, pay);
        QFETCH(int, payda);
        QFETCH(bool, hata);
        KesirKarsilastirmaModeli m;
        m.SetFraction(1, Kesir{2, 3});
        auto yap = [&] {
            if (islem == "pay")
                m.PayCevabiVer(1, cevap);
            else if (islem == "payda")
                m.PaydaCevabiVer(1, cevap);
            else
                m.KesriGenislet(1, cevap);
        };
        if (hata)
            QVERIFY_THROWS_EXCEPTION(DonusumHatasi, yap());
        else
            yap();
        QCOMPARE(m.Fraction(1), (Kesir{pay, payda}));
        QCOMPARE(m.Fraction(0), (Kesir{0, 0}));
    }

    // A pane checks its drawing only while two or more fractions are shown.
    void pane_baglantisi_data()
    {
        QTest::addColumn<int>("sayi");
        QTest::addColumn<int>("pane");
        QTest::addColumn<bool>("bagli");
        QTest::newRow("tek_kesir") << 1 << 0 << false;
        QTest::newRow("iki_kesir_ilk") << 2 << 0 << true;
        QTest::newRow("iki_kesir_ucuncu") << 2 << 2 << false;
        QTest::newRow("uc_kesir_ucuncu") << 3 << 2 << true;
    }
    void pane_baglantisi()
    {
        QFETCH(int, sayi);
        QFETCH(int, pane);
        QFETCH(bool, bagli);
        KesirKarsilastirmaModeli m;
        m.SetFractionCount(sayi);
        m.SetFraction(pane, Kesir{1, 2});
        KesirCizimi& c = m.YeniCizim(pane);
        c.SetPartCount(4);
        c.Rebuild(GORUNUM_CEMBER, false);
        c.ToggleSlice(0);
        c.ToggleSlice(3);
        QCOMPARE(m.PaneBagli(pane), bagli);
        const std::optional<PaneYargisi> y = m.Denetle(pane);
        QCOMPARE(y.has_value(), bagli);
        if (y)
            QCOMPARE(y->Metin, QStringLiteral("Pay ve paydalar aynı değil ama kesirler eşit"));
    }

    // A drawing made anew takes the colours and numbers chosen for all, and
    // in the first place the first drawing's brush style; nothing else stays.
    void yeni_cizim_secilenleri_alir()
    {
        KesirKarsilastirmaModeli m;
        m.AlanRengiVer(false, clGreen);
        m.AlanRengiVer(true, clBlue);
        m.SetShowSliceNumbers(true);
        m.Cizim(0).SetAreaBrushStyle(Qt::CrossPattern);
        m.Cizim(1).SetAreaBrushStyle(Qt::HorPattern);
        m.Cizim(1).SetPartCount(5);
        m.Cizim(1).Rebuild(GORUNUM_DIKEY, false);
        m.Cizim(1).ToggleSlice(2);
        for (int i = 0; i < 3; ++i) {
            const KesirCizimi& c = m.YeniCizim(i);
            QCOMPARE(c.AllAreaColour(), clGreen);
            QCOMPARE(c.SelectedAreaColour(), clBlue);
            QVERIFY(c.ShowSliceNumbers() && !c.ShowSelectionNumbers());
            QCOMPARE(c.AreaBrushStyle(), i == 0 ? Qt::CrossPattern : Qt::SolidPattern);
            QCOMPARE(c.PartCount(), 1);
            QVERIFY(c.Tags().isEmpty());
        }
        // The clear style leaves the old one.
        m.Cizim(0).SetAreaBrushStyle(Qt::NoBrush);
        QCOMPARE(m.Cizim(0).AreaBrushStyle(), Qt::CrossPattern);
    }

    void kesir_sayisi_data()
    {
        QTest::addColumn<int>("istenen");
        QTest::addColumn<int>("sayi");
        QTest::addColumn<int>("mod");
        // The third exercise was in force; more than one fraction goes back to the first.
        QTest::newRow("bir") << 1 << 1 << 3;
        QTest::newRow("iki") << 2 << 2 << 1;
        QTest::newRow("sifir") << 0 << 1 << 3;
        QTest::newRow("bes") << 5 << 3 << 1;
    }
    void kesir_sayisi()
    {
        QFETCH(int, istenen);
        QFETCH(int, sayi);
        QFETCH(int, mod);
        KesirKarsilastirmaModeli m;
        m.SetFractionCount(1);
        m.SetDrawingMode(MOD_KESIR_ADI);
        m.RankChanged(1, 3);
        m.SetFractionCount(istenen);
        QCOMPARE(m.FractionCount(), sayi);
        QCOMPARE(m.DrawingMode(), mod);
        // The ranks start again, so that a hidden pane's rank never stays on a shown one.
        QCOMPARE((QVector<int>{m.Rank(0), m.Rank(1), m.Rank(2)}), (QVector<int>{1, 2, 3}));
    }
};

#include "kesirmodel_test.moc"
ORVANTA_TEST(KesirModeliTesti)
