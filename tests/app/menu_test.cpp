#include "Orvantaformu.h"
#include "hakkinda.h"
#include "mesaj.h"
#include "servisler.h"
#include "testana.h"
#include "testortami.h"
#include "yardim.h"

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {
// An activity window that records the opening message it receives.
class DenemeEtkinligi : public QDialog
{
public:
    using QDialog::QDialog;
    int acilisSayisi = 0;
    bool event(QEvent* e) override
    {
        if (NumaraliMi(e, MSG_ACILIS)) {
            ++acilisSayisi;
            return true;
        }
        return QDialog::event(e);
    }
};
}

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
        QTest::newRow("sütunlar arası") << 430 << 300 << 0;
        QTest::newRow("eksi") << -5 << -5 << 0;
    }
    void isaretTesti()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, sonuc);
        QCOMPARE(TMatematikForm::IsaretTesti(x, y), sonuc);
    }

    void baslatmaKodlari()
    {
        const int beklenen[16] = {0, 1, 2, 3, 4, 5, 6, 13, 7, 8, 9, 10, 11, 12, 14, 15};
        for (int etiket = 0; etiket <= 15; ++etiket)
            QCOMPARE(TMatematikForm::BaslatmaKodu(etiket), beklenen[etiket]);
    }

    void etiketlerVeYerleri()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        QCOMPARE(menu.windowTitle(), QStringLiteral("6. Sınıf Orvanta"));
        QCOMPARE(menu.minimumSize(), QSize(410, 400));
        QCOMPARE(menu.SeciliOge(), -1);
        for (int i = 0; i < 14; ++i) {
            QLabel* e = menu.Etiket(i);
            QCOMPARE(e->text(), TMatematikForm::EtiketMetni(i));
            QCOMPARE(e->property("Tag").toInt(), i + 1);
            QCOMPARE(e->pos(), QPoint(i < 7 ? 210 : 485, 160 + 50 * (i % 7)));
            QCOMPARE(e->font().pointSize(), 10);
            QCOMPARE(e->palette().color(QPalette::WindowText), QColor(128, 0, 49));
        }
        QCOMPARE(menu.Etiket(14), menu.Label1);
        QCOMPARE(menu.Label1->text(), QStringLiteral("Çıkış"));
        QVERIFY(menu.Shape3->isHidden());
    }

    void vurguCercevesiVeBuyutme()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.Image1MouseMove(300, 260); // third row of the left column
        QCOMPARE(menu.SeciliOge(), 2);
        QVERIFY(!menu.Shape3->isHidden());
        QCOMPARE(menu.Shape3->pos(), QPoint(197, 250));
        QCOMPARE(menu.Etiket(2)->font().pointSize(), 10);
        QCOMPARE(menu.Etiket(2)->palette().color(QPalette::WindowText), QColor(128, 128, 255));
        menu.Image1MouseMove(600, 160); // first row of the right column
        QCOMPARE(menu.Shape3->pos(), QPoint(476, 150));
        QCOMPARE(menu.Etiket(2)->palette().color(QPalette::WindowText), QColor(128, 0, 49));
        // Out of every row: the selection goes and the label is drawn one point smaller.
        menu.Image1MouseMove(100, 100);
        QCOMPARE(menu.SeciliOge(), -1);
        QVERIFY(menu.Shape3->isHidden());
        QCOMPARE(menu.Etiket(7)->font().pointSize(), 9);
        // The exit picture highlights the exit label in white and hides the frame.
        menu.Image2MouseMove();
        QCOMPARE(menu.SeciliOge(), 14);
        QVERIFY(menu.Shape3->isHidden());
        QCOMPARE(menu.Label1->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        // Over the bare form only the label changes, to dark red.
        menu.FormMouseMove();
        QCOMPARE(menu.SeciliOge(), 14);
        QCOMPARE(menu.Label1->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(menu.Label1->font().pointSize(), 9);
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

    void etiketTiklamasiDogruEtkinligiAcar_data()
    {
        QTest::addColumn<int>("etiket");
        QTest::addColumn<int>("kod");
        QTest::newRow("Asal Sayıları Bulma") << 7 << 13;
        QTest::newRow("Saymanın Temel İlkeleri") << 8 << 7;
        QTest::newRow("Sayma Pulları") << 1 << 1;
        QTest::newRow("Kesir Karşılaştır") << 13 << 12;
    }
    void etiketTiklamasiDogruEtkinligiAcar()
    {
        QFETCH(int, etiket);
        QFETCH(int, kod);
        TestOrtami ortam;
        TMatematikForm menu;
        menu.show();
        int istenen = 0;
        QPointer<DenemeEtkinligi> etkinlik;
        menu.EtkinlikYapici = [&](int k, QWidget* sahip) {
            istenen = k;
            etkinlik = new DenemeEtkinligi(sahip);
            return etkinlik.data();
        };
        bool menuGizliydi = false;
        int acilis = -1;
        ortam.Modallar.push_back([&](QDialog& d) {
            menuGizliydi = !menu.isVisible();
            // The opening message arrives from the menu's timer while the window is up.
            menu.AciklamaTimerTimer();
            acilis = static_cast<DenemeEtkinligi&>(d).acilisSayisi;
            return 0;
        });
        QTest::mouseClick(menu.Etiket(etiket - 1), Qt::LeftButton);
        QCOMPARE(istenen, kod);
        QVERIFY(menuGizliydi);
        QCOMPARE(acilis, 1);
        QVERIFY(etkinlik.isNull()); // destroyed when it closed
        QVERIFY(menu.isVisible());
        menu.close();
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
        QCOMPARE(menu.AciklamaTimer->interval(), 100);
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

    // The labels take the size of their text once the window comes on the
    // screen; "6. Sınıf" stands centred over x = 435.
    void etiketlerGorununceSigdirilir()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        PencereGoster(menu);
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        for (int i = 0; i < 15; ++i)
            QCOMPARE(menu.Etiket(i)->size(), menu.Etiket(i)->sizeHint());
        QCOMPARE(menu.Label2->size(), menu.Label2->sizeHint());
        QCOMPARE(menu.Label2->pos(), QPoint(435 - menu.Label2->width() / 2, 5));
        QCOMPARE(menu.Label1->pos(), menu.Image2->pos() + QPoint(10, 10));
        menu.close();
    }

    void cikisResmiYerlesimi()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        menu.resize(1366, 768);
        menu.CikisResmiYerlestir();
        QCOMPARE(menu.Image2->pos(), QPoint(1366 - menu.Image2->width() - 40, 768 - menu.Image2->height() - 100));
        QCOMPARE(menu.Label1->pos(), menu.Image2->pos() + QPoint(10, 10));
        menu.resize(800, 600);
        menu.CikisResmiYerlestir();
        QCOMPARE(menu.Image2->pos(), QPoint(670, 106));
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

#include "menu_test.moc"
ORVANTA_TEST(MenuTesti)
