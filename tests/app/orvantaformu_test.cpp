#include "Orvantaformu.h"
#include "hakkinda.h"
#include "resimkutusu.h"
#include "servisler.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"
#include "yardim.h"

#include <QAbstractButton>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cstdlib>

class MenuTesti : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void isaretTesti_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("sonuc");
        QTest::newRow("sol sütun sol kenar") << 200 << 150 << 1;
        QTest::newRow("sol sütun sağ kenar") << 390 << 199 << 1;
        QTest::newRow("sol sütunun solu") << 199 << 160 << 0;
        QTest::newRow("sol sütunun sağı") << 391 << 160 << 0;
        QTest::newRow("ikinci satır") << 300 << 200 << 2;
        QTest::newRow("son satır alt kenar") << 300 << 490 << 7;
        QTest::newRow("son satırın altı") << 300 << 491 << 0;
        QTest::newRow("ilk satırın üstü") << 300 << 149 << 0;
        QTest::newRow("sağ sütun sol kenar") << 480 << 150 << 8;
        QTest::newRow("sağ sütun sağ kenar") << 670 << 490 << 14;
        QTest::newRow("sağ sütunun solu") << 479 << 300 << 0;
        QTest::newRow("sağ sütunun sağı") << 671 << 300 << 0;
        QTest::newRow("eksi") << -5 << -5 << 0;
    }
    void isaretTesti()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, sonuc);
        QCOMPARE(TMatematikForm::IsaretTesti(x, y), sonuc);
    }

    void baslikVeCikis()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        QCOMPARE(menu.windowTitle(), QStringLiteral("6. Sınıf Orvanta"));
        QCOMPARE(menu.SeciliOge(), -1);
        QCOMPARE(menu.Etiket(14), menu.Label1);
        QCOMPARE(menu.Label1->text(), QStringLiteral("Çıkış"));
        QVERIFY(menu.Shape3->isHidden());
    }

    void vurguCercevesiVeBuyutme()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        const TahtaDonusumu& d = menu.Donusum();
        menu.Image1MouseMove(300, 260); // third row of the left column
        QCOMPARE(menu.SeciliOge(), 2);
        QVERIFY(!menu.Shape3->isHidden());
        QCOMPARE(menu.Etiket(2)->palette().color(QPalette::WindowText), QColor(128, 128, 255));
        menu.Image1MouseMove(600, 160); // first row of the right column
        QCOMPARE(menu.SeciliOge(), 7);
        QCOMPARE(menu.Etiket(2)->palette().color(QPalette::WindowText), QColor(128, 0, 49));
        QCOMPARE(menu.Etiket(2)->font().pointSizeF(), 10 * d.Olcek());
        // Out of every row: the selection goes and the label is drawn one point smaller.
        menu.Image1MouseMove(100, 100);
        QCOMPARE(menu.SeciliOge(), -1);
        QVERIFY(menu.Shape3->isHidden());
        QCOMPARE(menu.Etiket(7)->font().pointSizeF(), 9 * d.Olcek());
        // The exit picture highlights the exit label in white and hides the frame.
        menu.Image2MouseMove();
        QCOMPARE(menu.SeciliOge(), 14);
        QVERIFY(menu.Shape3->isHidden());
        QCOMPARE(menu.Label1->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        // Over the bare form only the label changes, to dark red.
        menu.FormMouseMove();
        QCOMPARE(menu.SeciliOge(), 14);
        QCOMPARE(menu.Label1->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(menu.Label1->font().pointSizeF(), 9 * d.Olcek());
    }

    void tuslar_data()
    {
        QTest::addColumn<int>("baslangic");
        QTest::addColumn<int>("tus");
        QTest::addColumn<int>("sonuc");
        QTest::newRow("yukarı seçimsiz") << -1 << int(Qt::Key_Up) << 13;
        QTest::newRow("yukarı ilk") << 0 << int(Qt::Key_Up) << 13;
        QTest::newRow("yukarı") << 5 << int(Qt::Key_Up) << 4;
        QTest::newRow("aşağı seçimsiz") << -1 << int(Qt::Key_Down) << 0;
        QTest::newRow("aşağı son") << 13 << int(Qt::Key_Down) << 0;
        QTest::newRow("aşağı çıkıştan") << 14 << int(Qt::Key_Down) << 0;
        QTest::newRow("aşağı") << 3 << int(Qt::Key_Down) << 4;
        QTest::newRow("sol seçimsiz") << -1 << int(Qt::Key_Left) << -1;
        QTest::newRow("sol sol sütunda") << 2 << int(Qt::Key_Left) << 9;
        QTest::newRow("sol sağ sütunda") << 9 << int(Qt::Key_Left) << 2;
        QTest::newRow("sol çıkıştan") << 14 << int(Qt::Key_Left) << 7;
        QTest::newRow("sağ seçimsiz") << -1 << int(Qt::Key_Right) << -1;
        QTest::newRow("sağ 7 çıkışa") << 7 << int(Qt::Key_Right) << 14;
        QTest::newRow("sağ sağ sütunda") << 10 << int(Qt::Key_Right) << 3;
        QTest::newRow("sağ sol sütunda") << 0 << int(Qt::Key_Right) << 7;
        QTest::newRow("başka tuş") << 4 << int(Qt::Key_A) << 4;
    }
    void tuslar()
    {
        QFETCH(int, baslangic);
        QFETCH(int, tus);
        QFETCH(int, sonuc);
        TestOrtami ortam;
        TMatematikForm menu;
        if (baslangic >= 0)
            menu.Vurgula(baslangic);
        QTest::keyClick(&menu, Qt::Key(tus));
        QCOMPARE(menu.SeciliOge(), sonuc);
    }

    // The rows for the keyboard and readers: buttons named as the menu's rows,
    // each over its row and drawing nothing. The highlighted row has the focus
    // whichever way it was highlighted (Qt tells readers of every move of the
    // focus); a pointer off the rows takes the focus back to the window.
    void satirlar()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        QVERIFY(EtkinPencereGoster(menu, TUR_BOYUTU));
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(OkunanAd(menu.Satir(i)), TMatematikForm::EtiketMetni(i));
            QVERIFY(menu.Satir(i)->geometry().contains(menu.Etiket(i)->geometry().center()));
        }
        const QImage satirli = menu.grab().toImage();
        for (int i = 0; i < 15; ++i)
            menu.Satir(i)->hide();
        QCOMPARE(menu.grab().toImage(), satirli);
        for (int i = 0; i < 15; ++i)
            menu.Satir(i)->show();
        QList<QObject*> odaklar;
        const auto baglanti = connect(qApp, &QApplication::focusChanged, this,
                                      [&](QWidget*, QWidget* yeni) { odaklar << yeni; });
        TuslaraBas({Qt::Key_Down, Qt::Key_Right});
        menu.Image1MouseMove(300, 260);
        menu.Image2MouseMove();
        disconnect(baglanti);
        QCOMPARE(odaklar, QList<QObject*>({menu.Satir(0), menu.Satir(7), menu.Satir(2), menu.Satir(14)}));
        menu.Image1MouseMove(100, 100);
        QCOMPARE(QApplication::focusWidget(), &menu);
        menu.close();
    }

    // Tab and Shift+Tab go round the rows in the menu's order, the highlight
    // with them, from a window that opens with none highlighted; Space on a
    // row opens it, Enter too (through the menu), as a click does.
    void satirTuslari_data()
    {
        QTest::addColumn<int>("baslangic");
        QTest::addColumn<int>("tus");
        QTest::addColumn<int>("secili"); // -1: opened
        QTest::addColumn<int>("kod");
        const int geri = (Qt::SHIFT | Qt::Key_Backtab).toCombined();
        QTest::newRow("seçimsiz ileri") << -1 << int(Qt::Key_Tab) << 0 << 0;
        QTest::newRow("sol sütundan sağa") << 6 << int(Qt::Key_Tab) << 7 << 0;
        QTest::newRow("hakkında çıkışa") << 13 << int(Qt::Key_Tab) << 14 << 0;
        QTest::newRow("geri") << 9 << geri << 8 << 0;
        QTest::newRow("ilkten geri çıkışa") << 0 << geri << 14 << 0;
        QTest::newRow("boşluk sağ sütun") << 7 << int(Qt::Key_Space) << -1 << TMatematikForm::BaslatmaKodu(8);
        QTest::newRow("enter") << 4 << int(Qt::Key_Return) << -1 << TMatematikForm::BaslatmaKodu(5);
        QTest::newRow("harf açmaz") << 4 << int(Qt::Key_A) << 4 << 0;
    }
    void satirTuslari()
    {
        QFETCH(int, baslangic);
        QFETCH(int, tus);
        QFETCH(int, secili);
        QFETCH(int, kod);
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        QVERIFY(EtkinPencereGoster(menu, TUR_BOYUTU));
        QCOMPARE(QApplication::focusWidget(), &menu);
        int acilan = 0;
        menu.EtkinlikYapici = [&](int k, QWidget*) -> QDialog* {
            acilan = k;
            return nullptr;
        };
        if (baslangic >= 0)
            menu.Vurgula(baslangic);
        TuslaraBas({tus});
        QCOMPARE(acilan, kod);
        if (secili >= 0) {
            QCOMPARE(menu.SeciliOge(), secili);
            QCOMPARE(QApplication::focusWidget(), menu.Satir(secili));
        }
        menu.close();
    }

    void sagOkVeEnterProgramiKapatir()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.show();
        menu.Vurgula(7);
        QTest::keyClick(&menu, Qt::Key_Right);
        QTest::keyClick(&menu, Qt::Key_Return);
        QVERIFY(!menu.isVisible());
        QVERIFY(ortam.Suzulmus(QStringLiteral("modal")).isEmpty());
    }

    void olmayanEtkinlikMenuyeDoner()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.show();
        menu.EtkinlikYapici = [](int, QWidget*) -> QDialog* { return nullptr; };
        menu.Vurgula(4);
        menu.Image1MouseDown();
        QVERIFY(menu.isVisible());
        menu.Calistir(99);
        QVERIFY(menu.isVisible());
        QVERIFY(ortam.Suzulmus(QStringLiteral("modal")).isEmpty());
        menu.close();
    }

    void hakkindaKendiligindenBirKezAcilir()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        QVERIFY(menu.AciklamaTimer->isActive());
        int baslikGizli = 0;
        ortam.VarsayilanModal = [&](QDialog& d) {
            baslikGizli += static_cast<TSetHakkindaForm&>(d).Label4->isHidden();
            return 1;
        };
        QTRY_COMPARE(ortam.Suzulmus(QStringLiteral("modal")).size(), 1);
        QVERIFY(!menu.AciklamaTimer->isActive());
        menu.AciklamaTimerTimer(); // nothing pending any more
        QCOMPARE(ortam.Suzulmus(QStringLiteral("modal")), QStringList({"modal: TSetHakkindaForm"}));
        QCOMPARE(baslikGizli, 1);
        // The "Hakkında" row opens it again, with both texts empty.
        menu.Vurgula(13);
        QTest::keyClick(&menu, Qt::Key_Return);
        QCOMPARE(ortam.Suzulmus(QStringLiteral("modal")).size(), 2);
        QCOMPARE(baslikGizli, 2);
    }

    // After the about window of the start the menu has the keyboard, even
    // where nothing was active before (a display without a window manager).
    void acilistanSonraKlavyeMenude()
    {
        TestOrtami ortam;
        ortam.VarsayilanModal = [](QDialog&) { return 1; };
        TMatematikForm menu;
        menu.show();
        QWidget baska;
        baska.show();
        baska.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&baska));
        QTRY_COMPARE(ortam.Suzulmus(QStringLiteral("modal")).size(), 1);
        QTRY_VERIFY(menu.isActiveWindow());
        menu.close();
    }

    // The icon is drawn only once the menu stands on the screen, but it comes.
    void pencereSimgesiIlkBoyamadanSonraGelir()
    {
        TestOrtami ortam;
        QGuiApplication::setWindowIcon(QIcon());
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTRY_VERIFY(!QGuiApplication::windowIcon().isNull());
        QVERIFY(!menu.windowIcon().pixmap(32).isNull());
        menu.close();
    }

    // The board in windows of the classroom's sizes, worked out by hand: the
    // scale, where the board stands, the first row's frame (197, 150, 203 x 45)
    // and the exit picture (833, 498, 127 x 42, the board's lower right).
    // Sizes are logical pixels: a 3840 x 2160 screen scaled by two is the
    // 1920 x 1080 row (the whole menu is checked at that ratio as well).
    void donusum_data()
    {
        QTest::addColumn<QSize>("pencere");
        QTest::addColumn<qreal>("olcek");
        QTest::addColumn<QRect>("tahta");
        QTest::addColumn<QRect>("cerceve");
        QTest::addColumn<QRect>("cikis");
        QTest::newRow("1366x768") << QSize(1366, 768) << 1.2 << QRect(83, 0, 1200, 768) << QRect(319, 180, 244, 54)
                                  << QRect(1083, 598, 152, 50);
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.6875 << QRect(116, 0, 1688, 1080)
                                   << QRect(449, 253, 342, 76) << QRect(1522, 840, 214, 71);
        QTest::newRow("3840x2160") << QSize(3840, 2160) << 3.375 << QRect(233, 0, 3375, 2160)
                                   << QRect(897, 506, 686, 152) << QRect(3044, 1681, 429, 142);
        QTest::newRow("1024x600") << QSize(1024, 600) << 0.9375 << QRect(43, 0, 938, 600) << QRect(228, 141, 190, 42)
                                  << QRect(824, 467, 119, 39);
        QTest::newRow("en küçük 410x400") << QSize(410, 400) << 0.41 << QRect(0, 69, 410, 262)
                                          << QRect(81, 130, 83, 19) << QRect(342, 273, 52, 17);
        QTest::newRow("tahtanın kendisi") << QSize(1000, 640) << 1.0 << QRect(0, 0, 1000, 640)
                                          << QRect(197, 150, 203, 45) << QRect(833, 498, 127, 42);
    }
    void donusum()
    {
        QFETCH(QSize, pencere);
        QFETCH(qreal, olcek);
        QFETCH(QRect, tahta);
        QFETCH(QRect, cerceve);
        QFETCH(QRect, cikis);
        const TahtaDonusumu d(pencere);
        QCOMPARE(d.Olcek(), olcek);
        QCOMPARE(d.Tahta(), tahta);
        QCOMPARE(d.Pencereye(QRect(197, 150, 203, 45)), cerceve);
        QCOMPARE(d.Pencereye(QRect(833, 498, 127, 42)), cikis);
        QCOMPARE(TMatematikForm::TahtaBoyutu(pencere), tahta.size());
        // The pixel at the centre of each row's frame is in that row, and a
        // row's 50-pixel band ends in the window where the next row begins.
        for (int k = 1; k <= 14; ++k) {
            const QRect satir((k <= 7 ? 197 : 476), 150 + 50 * ((k - 1) % 7), 203, 45);
            const QPoint orta = d.Pencereye(satir).center();
            QCOMPARE(TMatematikForm::IsaretTesti(d.Tahtaya(orta).x(), d.Tahtaya(orta).y()), k);
            const QRect bant(satir.topLeft(), QSize(203, 50));
            QCOMPARE(d.Pencereye(bant).bottom() + 1, d.Pencereye(satir.translated(0, 50)).top());
        }
        QVERIFY(QRect(QPoint(), pencere).contains(tahta));
    }

    // Shown at each size, the menu puts everything where the transform says,
    // every label shows its whole text in a font of the board's scale, nothing
    // is cut off, and a click at the centre of each row opens that row. The
    // screen tour gets its picture, the size in the name (at a pixel ratio of
    // two, the screen's pixels and "_olcek2").
    void menuEkraniDoldurur_data()
    {
        QTest::addColumn<QSize>("boyut");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("1024x600") << QSize(1024, 600);
        QTest::newRow("410x400") << QSize(410, 400);
    }
    void menuEkraniDoldurur()
    {
        QFETCH(QSize, boyut);
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        QVERIFY(EtkinPencereGoster(menu, boyut));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const TahtaDonusumu& d = menu.Donusum();
        QCOMPARE(d.Tahta(), TahtaDonusumu(boyut).Tahta());
        QCOMPARE(menu.Image1->geometry(), d.Tahta());
        QCOMPARE(menu.Image2->geometry(), d.Pencereye(QRect(833, 498, 127, 42)));
        QVERIFY2(Kesilenler(menu).isEmpty(), qPrintable(Kesilenler(menu).join('\n')));
        for (int i = 0; i < 15; ++i) {
            QLabel* e = menu.Etiket(i);
            QVERIFY2(e->fontMetrics().horizontalAdvance(e->text()) <= e->width(), qPrintable(e->text()));
            QVERIFY(menu.rect().contains(e->geometry()));
        }
        QCOMPARE(menu.Etiket(3)->pos(), d.Pencereye(QPoint(210, 310)));
        QCOMPARE(menu.Etiket(12)->pos(), d.Pencereye(QPoint(485, 410)));
        QCOMPARE(menu.Etiket(12)->font().pointSizeF(), 10 * d.Olcek());
        QCOMPARE(menu.Label2->font().pixelSize(), qRound(27 * d.Olcek()));
        const qreal oran = menu.devicePixelRatioF();
        QString ad = QStringLiteral("menu_%1x%2").arg(qRound(boyut.width() * oran)).arg(qRound(boyut.height() * oran));
        if (oran != 1.0)
            ad += QStringLiteral("_olcek%1").arg(oran);
        EkranKaydet(&menu, ad, false);
        menu.Vurgula(9);
        EkranKaydet(&menu, ad + QStringLiteral("_satir_vurgulu"), false);

        // The board is drawn at its size in the window and the screen's pixel
        // ratio, not a smaller picture stretched.
        const QImage ekran = menu.Image1->grab().toImage();
        const QImage resim = ResimKutusu::SvgCiz(QStringLiteral(":/pictures/tahta.svg"), menu.Image1->size(),
                                                 ekran.devicePixelRatio());
        int karsilastirilan = 0;
        const QString fark = ResimFarki(ekran, resim, 17, karsilastirilan);
        QVERIFY2(fark.isEmpty(), qPrintable(fark));
        QVERIFY(karsilastirilan > 100);

        QList<int> acilan;
        menu.EtkinlikYapici = [&](int kod, QWidget*) -> QDialog* {
            acilan << kod;
            return nullptr;
        };
        ortam.VarsayilanModal = [&](QDialog&) { return 0; };
        for (int k = 1; k <= 14; ++k) {
            const QPoint p = d.Pencereye(QPoint(k <= 7 ? 295 : 575, 175 + 50 * ((k - 1) % 7)));
            // Through the window, as the window system delivers it; the test
            // platform's cursor stops at its small screen.
            QTest::mouseMove(menu.windowHandle(), p);
            QCOMPARE(menu.SeciliOge(), k - 1);
            QVERIFY(!menu.Shape3->isHidden());
            QVERIFY(menu.Shape3->geometry().contains(p));
            QWidget* altinda = menu.childAt(p);
            QVERIFY(altinda);
            QTest::mouseClick(altinda, Qt::LeftButton, {}, altinda->mapFrom(&menu, p));
        }
        QCOMPARE(acilan, QList<int>({1, 2, 3, 4, 5, 6, 13, 7, 8, 9, 10, 11, 12}));
        QCOMPARE(ortam.Suzulmus(QStringLiteral("modal")), QStringList({"modal: TSetHakkindaForm"}));
        QVERIFY(menu.isVisible());
        // The exit picture's centre closes the menu.
        const QPoint cikis = menu.Image2->geometry().center();
        QTest::mouseMove(menu.windowHandle(), cikis);
        QCOMPARE(menu.SeciliOge(), 14);
        QTest::mouseClick(menu.childAt(cikis), Qt::LeftButton, {}, menu.childAt(cikis)->mapFrom(&menu, cikis));
        QVERIFY(!menu.isVisible());
    }

    void ekranTuru()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        menu.show();
        EkranKaydet(&menu, QStringLiteral("menu_acilis"));
        menu.Image1MouseMove(300, 260);
        EkranKaydet(&menu, QStringLiteral("menu_satir_vurgulu"), false);
        menu.Image2MouseMove();
        EkranKaydet(&menu, QStringLiteral("menu_cikis_vurgulu"), false);
        menu.close();

        TSetHakkindaForm hakkinda;
        hakkinda.Timer1Timer();
        hakkinda.Timer1Timer();
        hakkinda.show();
        EkranKaydet(&hakkinda, QStringLiteral("hakkinda"), false);
        hakkinda.close();

        ortam.Modallar.push_back([](QDialog& d) {
            EkranKaydet(&d, QStringLiteral("yardim_carpan_agaci"), false);
            return 0;
        });
        YardimGoster(QStringLiteral("Çarpan Ağacı"), QStringLiteral("CarpanAgaci"));
    }
};

#include "orvantaformu_test.moc"
ORVANTA_TEST(MenuTesti)
