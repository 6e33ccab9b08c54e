#include "boncuk.h"
#include "boncukformu.h"
#include "boncukkutusu.h"
#include "boncukmodel.h"
#include "kaydirmaalani.h"
#include "sesnumaralari.h"
#include "surukle.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {
// Adds a chip worth `deger` on the cell `hucre` of the window's box.
Boncuk* Koy(TestOrtami& ortam, TBoncukForm& f, int deger, QPoint hucre)
{
    ortam.Rastgeleler = {hucre.x() / HUCRE, hucre.y() / HUCRE};
    return f.BoncukKutu->BoncukEkle(deger);
}

int GorunenCiftler(const TBoncukKutuForm* kutu)
{
    int n = 0;
    for (const BoncukCifti* c : kutu->findChildren<BoncukCifti*>())
        n += c->isVisible();
    return n;
}

TRenk EtiketRengi(const QLabel* etiket)
{
    return QRenk(etiket->palette().color(QPalette::WindowText));
}

// The colour painted at `p` of the box (a chip's inside lies 6 pixels in from its corner).
TRenk Piksel(TBoncukKutuForm* kutu, QPoint p)
{
    const QImage resim = kutu->grab().toImage();
    return QRenk(resim.pixelColor(p * resim.devicePixelRatio()));
}

// The shown chip under the hot spot of the chip carried by keys.
Boncuk* TasinaninAltindaki(TBoncukForm& f)
{
    const std::optional<QPoint> nokta = KlavyeTasimaNoktasi();
    if (!nokta)
        return nullptr;
    Boncuk* b = f.BoncukKutu->NoktadakiBoncuk(f.BoncukKutu->mapFromGlobal(*nokta));
    return b && b->isVisible() ? b : nullptr;
}

void Gir(TBoncukForm& f, const QString& metin, bool cikarma = false)
{
    f.ComboBox1->setCurrentIndex(cikarma ? 1 : 0);
    f.Edit1->setText(metin);
    f.BoncukEkleAction->trigger();
}
}

class BoncukFormuTesti : public QObject
{
    Q_OBJECT
    BoncukAyarlari onceki_;

private slots:
    void init() { onceki_ = BoncukAyarlari::Genel(); }
    void cleanup()
    {
        BoncukAyarlari::Genel() = onceki_;
        QCOMPARE(AcikPencereler(), QStringList());
    }

    void acilis()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        PencereGoster(f);
        QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("+"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("3"));
        QVERIFY(f.Edit2->text().isEmpty() && f.RadioButton2->isChecked());
        QCOMPARE(f.Panel1->Renk, clRed);
        QCOMPARE(f.Panel3->Renk, clBlue);
        QCOMPARE(EtiketRengi(f.BoncukKutu->Label1), clWhite);
        QCOMPARE(Piksel(f.BoncukKutu, QPoint(300, 300)), KUTU_RENGI);
        f.resize(700, 650);
        QVERIFY(f.Edit2->geometry().bottom() < 650);
        QCOMPARE(ortam.Kayit, QStringList());
        EkranKaydet(&f, QStringLiteral("pullar_baslangic"));
    }

    // Typed counts, with Enter and with the button; what is refused leaves
    // the box, the total and the operations line as they were.
    void pul_ekleme()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        PencereGoster(f);
        Gir(f, QStringLiteral("-3"));
        QCOMPARE(f.Edit2->text(), QStringLiteral("(-3)"));
        QCOMPARE(f.BoncukKutu->Pullar().Sayi(), 3);
        QCOMPARE(f.BoncukKutu->Label1->text(), QStringLiteral("-3"));
        QCOMPARE(OkunanAd(f.BoncukKutu->Label1), QStringLiteral("Toplam: -3"));
        QCOMPARE(EtiketRengi(f.BoncukKutu->Label1), clRed);
        f.ComboBox1->setCurrentIndex(1);
        f.Edit1->setText(QStringLiteral("3"));
        QTest::keyClick(f.Edit1, Qt::Key_Return);
        QCOMPARE(f.Edit2->text(), QStringLiteral("(-3)-(+3)"));
        QCOMPARE(f.BoncukKutu->Toplam(), -6);
        QCOMPARE(f.BoncukKutu->Pullar().Oge(5)->Deger(), -1);

        for (const QString& metin : {QString(), QStringLiteral("-"), QStringLiteral("0"), QStringLiteral("+-3")})
            Gir(f, metin);
        QCOMPARE(ortam.Kayit, QStringList());
        Gir(f, QStringLiteral("100"));
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("mesaj: Bir seferde bu kadar boncuk eklenmez!\nTekrar deneyiniz")});
        QCOMPARE(f.Edit2->text(), QStringLiteral("(-3)-(+3)"));
        QCOMPARE(f.BoncukKutu->Pullar().Sayi(), 6);

        Gir(f, QStringLiteral("99"));
        QCOMPARE(f.BoncukKutu->Pullar().Sayi(), 105);
        QCOMPARE(f.BoncukKutu->Label1->text(), QStringLiteral("93"));
        QCOMPARE(OkunanAd(f.BoncukKutu->Label1), QStringLiteral("Toplam: 93"));
        QCOMPARE(EtiketRengi(f.BoncukKutu->Label1), clBlue);

        // Only digits and signs reach the count box; it holds three characters.
        f.Edit1->clear();
        QTest::keyClicks(f.Edit1, QStringLiteral("a.1,2 -45"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("12-"));
    }

    // Chips put into a large box stay in sight when the window is made
    // smaller: the box keeps them and scrolls inside its place.
    void kucuk_pencerede_pullar_kalir()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        PencereGoster(f);
        Gir(f, QStringLiteral("99"));
        Koy(ortam, f, -1, QPoint(960, 420));
        const QRect kapsam = f.BoncukKutu->childrenRect();
        for (QSize boyut : {QSize(600, 600), QSize(640, 600), QSize(720, 720)}) {
            f.resize(boyut);
            QCoreApplication::processEvents();
            QCOMPARE(f.BoncukKutu->Toplam(), 98);
            QVERIFY(f.BoncukKutu->rect().contains(kapsam));
            QVERIFY(f.KutuCercevesi->horizontalScrollBar()->maximum() > 0);
            const QStringList kesilen = Kesilenler(f);
            QVERIFY2(kesilen.isEmpty(), qPrintable(kesilen.join('\n')));
            if (boyut == QSize(640, 600))
                EkranKaydet(&f, QStringLiteral("pullar_640x600"), false);
        }
        // A box made large again has room for new chips beside the old ones.
        f.resize(TUR_BOYUTU);
        QCoreApplication::processEvents();
        QCOMPARE(f.BoncukKutu->size(), KutuAlani(f.size()).size());
        QCOMPARE(f.KutuCercevesi->horizontalScrollBar()->maximum(), 0);
    }

    void eslestirme_ve_gosterim()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        PencereGoster(f);
        TBoncukKutuForm* kutu = f.BoncukKutu;
        Boncuk* eksi = Koy(ortam, f, -1, QPoint(60, 90));
        Boncuk* arti = Koy(ortam, f, 1, QPoint(300, 90));
        Boncuk* arti2 = Koy(ortam, f, 1, QPoint(300, 180));
        Boncuk* eksi2 = Koy(ortam, f, -1, QPoint(600, 180));
        QCOMPARE(Piksel(kutu, QPoint(306, 96)), clBlue);

        // Refusals: same sign, the chip onto itself, something that is not a chip.
        QVERIFY(arti->BoncukDragOver(arti2, QPoint(3, 3)));
        arti->BoncukDragDrop(arti2, QPoint(3, 3));
        eksi->BoncukDragDrop(eksi, QPoint(3, 3));
        QObject yabanci;
        QVERIFY(!arti->BoncukDragOver(&yabanci, QPoint(3, 3)));
        eksi->BoncukDragDrop(&yabanci, QPoint(3, 3));
        const QString ayni = QStringLiteral("mesaj: Aynı değerler yok edilemez!");
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1258"), ayni, QStringLiteral("ses: 1258"), ayni}));
        ortam.Temizle();

        // A +1 onto the -1: one pair at the -1's place, "-" first; the total stays.
        eksi->BoncukDragDrop(arti, QPoint(3, 3));
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("ses: 1256")});
        auto* cift = qobject_cast<BoncukCifti*>(kutu->Ciftler().Oge(0));
        QVERIFY(cift && cift->isVisible() && !cift->IlkPozitif);
        QCOMPARE(OkunanAd(cift), QStringLiteral("yüksüz çift: -1 ve +1"));
        QVERIFY(eksi->isHidden() && arti->isHidden());
        QCOMPARE(kutu->Toplam(), 0);
        QCOMPARE(Piksel(kutu, QPoint(91, 96)), clWhite);
        QCOMPARE(Piksel(kutu, QPoint(306, 96)), KUTU_RENGI);
        ortam.Temizle();

        // A pair onto a chip; moves onto the pair or the hidden +1's cell are refused.
        arti2->BoncukDragDrop(cift, QPoint(3, 3));
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1258"), QStringLiteral("mesaj: Yüksüz değer yok edilemez!")}));
        QVERIFY(!kutu->FormDragOver(arti2, QPoint(91, 100)));
        kutu->FormDragDrop(arti2, QPoint(310, 100));
        kutu->FormDragDrop(arti2, QPoint(5000, 5000));
        kutu->FormDragDrop(&yabanci, QPoint(700, 300));
        QCOMPARE(arti2->pos(), QPoint(300, 180));
        kutu->FormDragDrop(arti2, QPoint(31, 30));
        kutu->FormDragDrop(cift, QPoint(61, 250));

        // Hide mode: the pairs go, a new pair is made hidden, "Göster" brings all back.
        f.RadioButton1->click();
        QCOMPARE(GorunenCiftler(kutu), 0);
        eksi2->BoncukDragDrop(arti2, QPoint(3, 3));
        QVERIFY(kutu->Ciftler().Oge(1)->isHidden());
        QCOMPARE(Piksel(kutu, QPoint(606, 186)), KUTU_RENGI);
        f.RadioButton2->click();
        QCOMPARE(GorunenCiftler(kutu), 2);
        QCOMPARE(Piksel(kutu, QPoint(606, 186)), clWhite);
    }

    // On a screen smaller than the window's minimum size its page scrolls
    // under the command bar: a press through the window reaches the chip
    // shown under the pointer, and the drop lands on the chip shown where the
    // pointer lets go.
    void kaydirilan_sayfada_surukleme_data()
    {
        QTest::addColumn<bool>("klavye");
        QTest::newRow("fare") << false;
        QTest::newRow("klavye") << true;
    }

    void kaydirilan_sayfada_surukleme()
    {
        QFETCH(bool, klavye);
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        PencereGoster(f);
        Boncuk* eksi = Koy(ortam, f, -1, QPoint(270, 240));
        Boncuk* arti = Koy(ortam, f, 1, QPoint(330, 240));
        f.setMinimumSize(0, 0);
        f.resize(480, 360);
        QTRY_COMPARE(f.size(), QSize(480, 360));
        auto* cerceve = qobject_cast<QScrollArea*>(f.Sayfa()->parentWidget()->parentWidget()->parentWidget());
        QVERIFY(cerceve);
        cerceve->horizontalScrollBar()->setValue(200);
        cerceve->verticalScrollBar()->setValue(180);
        const QPoint basilan = arti->mapTo(&f, QPoint(8, 8));
        const QPoint birakilan = eksi->mapTo(&f, QPoint(8, 8));
        QVERIFY(cerceve->geometry().contains(basilan) && cerceve->geometry().contains(birakilan));
        QCOMPARE(f.childAt(basilan), arti);
        QWidget* hedef = f.childAt(birakilan);
        QCOMPARE(hedef, eksi);

        if (klavye) {
            // The carried picture stands over the window, not on the page,
            // and its hot spot finds the chip shown under it.
            arti->setFocus();
            QTest::keyClick(arti, Qt::Key_Space);
            QCoreApplication::processEvents();
            QCOMPARE(TasinanResim(&f)->parentWidget(), &f);
            // Tab until the hot spot is over the other chip, as shown.
            KosulaKadarSekme([&] { return TasinaninAltindaki(f) == eksi; }, 20);
            QCOMPARE(TasinaninAltindaki(f), eksi);
            QTest::keyClick(arti, Qt::Key_Return);
        } else {
            QWidget* suruklenen = nullptr;
            SuruklemeSurucusuKur([&](QWidget* kaynak) {
                suruklenen = kaynak;
                QVERIFY(SurukleBirak(kaynak, hedef, hedef->mapFrom(&f, birakilan)));
            });
            QTest::mousePress(f.windowHandle(), Qt::LeftButton, {}, basilan);
            QTest::mouseMove(f.windowHandle(), basilan + QPoint(QApplication::startDragDistance() + 5, 0));
            QTest::mouseRelease(f.windowHandle(), Qt::LeftButton, {}, basilan + QPoint(QApplication::startDragDistance() + 5, 0));
            SuruklemeSurucusuKur(nullptr);
            QCOMPARE(suruklenen, arti);
        }
        QCOMPARE(f.BoncukKutu->Ciftler().Sayi(), 1);
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("ses: 1256")});
    }

    // With no free cell found a chip lands on another one: only the newest of
    // a stack shows, and the one under it comes back when it leaves.
    void ust_uste_pullar()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        PencereGoster(f);
        TBoncukKutuForm* kutu = f.BoncukKutu;
        Boncuk* alttaki = Koy(ortam, f, -1, QPoint(0, 0));
        Boncuk* ustteki = f.BoncukKutu->BoncukEkle(1);
        QCOMPARE(ustteki->pos(), QPoint(0, 0));
        QVERIFY(alttaki->isHidden() && ustteki->isVisible());
        QCOMPARE(kutu->NoktadakiBoncuk(QPoint(1, 1)), ustteki);
        QCOMPARE(kutu->Toplam(), 0);
        kutu->FormDragDrop(ustteki, QPoint(301, 301));
        QCOMPARE(ustteki->pos(), QPoint(300, 300));
        QVERIFY(alttaki->isVisible());
        QCOMPARE(Piksel(kutu, QPoint(6, 6)), clRed);
        // Pairing takes the top chip of a stack: the one under it shows again.
        Boncuk* ucuncu = f.BoncukKutu->BoncukEkle(1);
        QCOMPARE(ucuncu->pos(), QPoint(0, 0));
        QVERIFY(alttaki->isHidden());
        Koy(ortam, f, -1, QPoint(600, 300))->BoncukDragDrop(ucuncu, QPoint(1, 1));
        QVERIFY(ucuncu->isHidden() && alttaki->isVisible());
    }

    void renk_degistirme()
    {
        TestOrtami ortam;
        {
            TBoncukForm f(nullptr);
            PencereGoster(f);
            Koy(ortam, f, 1, QPoint(90, 90));
            Koy(ortam, f, 1, QPoint(150, 90));
            ortam.Renkler = {clRed, KUTU_RENGI, std::nullopt, clBlue};
            for (int i = 0; i < 4; ++i)
                f.Panel1DblClick(f.Panel3);
            const QString kullanilmis = QStringLiteral("mesaj: Bu renk daha önce kullanılmış");
            QCOMPARE(ortam.Suzulmus(QStringLiteral("mesaj")), (QStringList{kullanilmis, kullanilmis}));
            QCOMPARE(BoncukRengi(1), clBlue);

            ortam.Renkler = {clLime};
            f.Panel1DblClick(f.Panel3);
            QCOMPARE(f.Panel3->Renk, clLime);
            QCOMPARE(Piksel(f.BoncukKutu, QPoint(96, 96)), clLime);
            QCOMPARE(Piksel(f.BoncukKutu, QPoint(156, 96)), clLime);
            // The total keeps its colour until it changes.
            QCOMPARE(EtiketRengi(f.BoncukKutu->Label1), clBlue);
            ortam.Rastgeleler = {7, 3};
            Gir(f, QStringLiteral("1"));
            QCOMPARE(EtiketRengi(f.BoncukKutu->Label1), clLime);
            EkranKaydet(&f, QStringLiteral("pullar_renk_degisti"));
        }
        TBoncukForm yeniden(nullptr);
        QCOMPARE(yeniden.Panel3->Renk, clLime);
        QCOMPARE(yeniden.Panel1->Renk, clRed);
    }

    void temizle()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        PencereGoster(f);
        Boncuk* eksi = Koy(ortam, f, -1, QPoint(60, 60));
        Boncuk* arti = Koy(ortam, f, 1, QPoint(120, 60));
        Gir(f, QStringLiteral("5"), true);
        arti->BoncukDragDrop(eksi, QPoint(1, 1));
        f.RadioButton1->click();
        BoncukRengiAyarla(0, clYellow);
        f.ResetAction->trigger();
        QVERIFY(f.BoncukKutu->findChildren<Boncuk*>().isEmpty());
        QCOMPARE(f.BoncukKutu->Label1->text(), QStringLiteral("0"));
        QCOMPARE(EtiketRengi(f.BoncukKutu->Label1), clYellow);
        QVERIFY(f.Edit2->text().isEmpty());
        QVERIFY(!BoncukAyarlari::Genel().CiftleriGoster && f.RadioButton1->isChecked());
        QCOMPARE(f.BoncukKutu->NoktadakiBoncuk(QPoint(61, 61)), nullptr);
        Gir(f, QStringLiteral("2"));
        QCOMPARE(f.Edit2->text(), QStringLiteral("(+2)"));
    }

    // Pairs of a closed window are out of every list: the display mode and
    // recolouring reach only the table, the mode and the open window's pairs.
    void kapanan_pencerenin_ciftleri()
    {
        TestOrtami ortam;
        QPointer<BoncukCifti> eskiCift;
        {
            TBoncukForm f(nullptr);
            PencereGoster(f);
            Boncuk* eksi = Koy(ortam, f, -1, QPoint(60, 60));
            eksi->BoncukDragDrop(Koy(ortam, f, 1, QPoint(120, 60)), QPoint(1, 1));
            eskiCift = qobject_cast<BoncukCifti*>(f.BoncukKutu->Ciftler().Oge(0));
            QVERIFY(eskiCift);
        }
        QVERIFY(!eskiCift);
        QCOMPARE(TBoncukKutuForm::Etkin(), nullptr);
        CiftGosterimiAyarla(true);
        CiftGosterimiAyarla(false);

        TBoncukForm f(nullptr);
        PencereGoster(f);
        // The buttons open on the mode in force.
        QVERIFY(f.RadioButton1->isChecked() && !f.RadioButton2->isChecked());
        QCOMPARE(f.BoncukKutu->Ciftler().Sayi(), 0);
        f.RadioButton2->click();
        f.RadioButton1->click();
        ortam.Renkler = {clYellow};
        f.Panel1DblClick(f.Panel2);
        QCOMPARE(BoncukRengi(0), clYellow);
        Boncuk* arti = Koy(ortam, f, 1, QPoint(60, 60));
        arti->BoncukDragDrop(Koy(ortam, f, -1, QPoint(120, 60)), QPoint(1, 1));
        BoncukCifti* cift = qobject_cast<BoncukCifti*>(f.BoncukKutu->Ciftler().Oge(0));
        QVERIFY(cift && cift->isHidden() && cift->IlkPozitif);
        QCOMPARE(cift->Firca, clYellow);
    }

    // (+3)-(+2) by keys alone: the count typed, the operation chosen, then
    // each -1 chip paired with a +1 chip carried onto it. One +1 chip is left.
    void klavyeyle_cozum()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(900, 700)));
        // The chips land on cells (0, 0), (1, 0), (2, 0), then (0, 2) and (2, 2).
        ortam.Rastgeleler = {0, 0, 1, 0, 2, 0, 0, 2, 2, 2};
        QCOMPARE(QApplication::focusWidget(), f.Edit1);
        Klavye k;
        k.Bas(Qt::Key_Return);
        k.Bas(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f.ComboBox1);
        k.Sayi += TuslaraBas({Qt::Key_Down, Qt::Key_Tab, Qt::Key_2, Qt::Key_Return});
        QCOMPARE(f.Edit2->text(), QStringLiteral("(+3)-(+2)"));
        QCOMPARE(f.BoncukKutu->Model().Toplam(), 1);
        for (int cift = 0; cift < 2; ++cift) {
            QVERIFY(k.Sekme([](QWidget* w) {
                auto* b = qobject_cast<Boncuk*>(w);
                return b && !qobject_cast<BoncukCifti*>(b) && b->Deger() == 1;
            }));
            k.Bas(Qt::Key_Space);
            QVERIFY(KlavyeIleTasinan());
            Boncuk* hedef = nullptr;
            for (int i = 0; i < 20 && !(hedef && hedef->Deger() == -1); ++i) {
                k.Bas(Qt::Key_Tab);
                hedef = TasinaninAltindaki(f);
            }
            QVERIFY(hedef && hedef->Deger() == -1);
            k.Bas(Qt::Key_Return);
            QVERIFY(!KlavyeIleTasinan());
            QCOMPARE(f.BoncukKutu->Ciftler().Sayi(), cift + 1);
            // The new pair has the focus: a reader names it.
            QCOMPARE(QApplication::focusWidget(), f.BoncukKutu->Ciftler().Oge(cift));
        }
        // After the chips, Tab reaches the operations line.
        QVERIFY(k.Sekme([&](QWidget* w) { return w == f.Edit2 || qobject_cast<Boncuk*>(w) == nullptr; }));
        QCOMPARE(QApplication::focusWidget(), f.Edit2);
        QCOMPARE(ortam.Sesler(), QList<int>({SES_NOTR, SES_NOTR}));
        QVERIFY(ortam.Suzulmus(QStringLiteral("mesaj")).isEmpty());
        qInfo("tuşlar: %d", k.Sayi);
        f.close();
    }

    // The arrows go to the nearest chip or pair that way, straight ahead
    // before off to the side; with none further that way the focus stays.
    void oklarla_komsu()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(900, 700)));
        // The middle chip at cell (3, 3); the one to the right at (6, 3), up
        // at (3, 1), left at (1, 4), down at (3, 6).
        QList<Boncuk*> pullar;
        for (QPoint hucre : {QPoint(3, 3), QPoint(6, 3), QPoint(3, 1), QPoint(1, 4), QPoint(3, 6)})
            pullar << Koy(ortam, f, 1, hucre * HUCRE);
        const QList<int> oklar = {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down};
        for (int i = 0; i < oklar.size(); ++i) {
            pullar[0]->setFocus(Qt::TabFocusReason);
            TuslaraBas({oklar[i]});
            QCOMPARE(QApplication::focusWidget(), pullar[i + 1]);
            TuslaraBas({oklar[i]});
            QCOMPARE(QApplication::focusWidget(), pullar[i + 1]);
        }
        QVERIFY(!KlavyeIleTasinan());
        f.close();
    }

    // A colour panel reached by keys opens the colour dialog as a double
    // click does, with Space and with Enter.
    void renk_paneli_tuslari()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(900, 700)));
        ortam.Renkler = {clYellow, clLime};
        Klavye k;
        QVERIFY(k.Sekme([&](QWidget* w) { return w == f.Panel3; }));
        k.Bas(Qt::Key_Space);
        QCOMPARE(f.Panel3->Renk, clYellow);
        k.Bas(Qt::Key_Enter);
        QCOMPARE(f.Panel3->Renk, clLime);
        f.close();
    }

    // The tour: +3 and -5 chips with two pairs, shown and hidden.
    void ekran_turu()
    {
        TestOrtami ortam;
        TBoncukForm f(nullptr);
        PencereGoster(f);
        const QList<QPoint> artilar = {QPoint(90, 60), QPoint(390, 150), QPoint(630, 300)};
        const QList<QPoint> eksiler = {QPoint(180, 60), QPoint(240, 240), QPoint(510, 120), QPoint(720, 330),
                                       QPoint(900, 210)};
        for (QPoint h : artilar)
            ortam.Rastgeleler.insert(ortam.Rastgeleler.end(), {h.x() / HUCRE, h.y() / HUCRE});
        Gir(f, QStringLiteral("3"));
        for (QPoint h : eksiler)
            ortam.Rastgeleler.insert(ortam.Rastgeleler.end(), {h.x() / HUCRE, h.y() / HUCRE});
        Gir(f, QStringLiteral("5"), true);
        TBoncukKutuForm* kutu = f.BoncukKutu;
        kutu->NoktadakiBoncuk(QPoint(181, 61))->BoncukDragDrop(kutu->NoktadakiBoncuk(QPoint(91, 61)), QPoint());
        kutu->NoktadakiBoncuk(QPoint(391, 151))->BoncukDragDrop(kutu->NoktadakiBoncuk(QPoint(511, 121)), QPoint());
        QCOMPARE(f.Edit2->text(), QStringLiteral("(+3)-(+5)"));
        QCOMPARE(kutu->Label1->text(), QStringLiteral("-2"));
        QCOMPARE(GorunenCiftler(kutu), 2);
        EkranKaydet(&f, QStringLiteral("pullar_ciftler_gorunur"));
        f.RadioButton1->click();
        QCOMPARE(GorunenCiftler(kutu), 0);
        EkranKaydet(&f, QStringLiteral("pullar_ciftler_gizli"));
    }
};

#include "boncukformu_test.moc"
ORVANTA_TEST(BoncukFormuTesti)
