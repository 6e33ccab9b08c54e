#include "aracubugu.h"
#include "erisimgezgini.h"
#include "etkinlikpenceresi.h"
#include "gorunum.h"
#include "hakkinda.h"
#include "kaydirmaalani.h"
#include "odakcercevesi.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"
#include "yardim.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {
const EtkinlikSatiri ODAK_SATIRI{-1, QString(), 0, 98, QStringLiteral("Odak"), QString(), QString(),
                                 HakkindaTuru::Pencere, QString(), QString(), ETKINLIK_OLCUSU, nullptr};

// A window laid out as the activities are: a command bar whose buttons were
// made before the content, two boxes on a board that scrolls, one box under it.
class OdakPenceresi : public EtkinlikPenceresi
{
public:
    OdakPenceresi() : EtkinlikPenceresi(nullptr, ODAK_SATIRI)
    {
        Denetle = Eylem(QStringLiteral("Denetle"), [this] { ++Denetlenen; });
        Yeni = Eylem(QStringLiteral("Yeni Problem"), [this] { ++Yenilenen; });
        AracCubugu* cubuk = KomutCubugu(0xC0C0C0);
        // Made in another order than they stand in.
        QPushButton* ikinci = cubuk->Dugme(Denetle, QString());
        QPushButton* birinci = cubuk->Dugme(Yeni, QString());
        cubuk->Duzen()->insertWidget(0, birinci);
        Q_UNUSED(ikinci);
        KomutCubuguBitir(cubuk);
        tahta_ = new QWidget;
        tahta_->resize(400, 1500);
        Ust = new QLineEdit(tahta_);
        Ust->setGeometry(20, 20, 100, 30);
        Alt = new QLineEdit(tahta_);
        Alt->setGeometry(20, 1400, 100, 30);
        alan_ = new KaydirmaAlani(this, tahta_, KaydirmaAlani::Sabit, QStringLiteral("Deneme tahtası"));
        Kutu = new QSpinBox(this);
        Yerlestir();
    }
    QAction* Denetle;
    QAction* Yeni;
    QLineEdit* Ust;
    QLineEdit* Alt;
    QSpinBox* Kutu;
    int Denetlenen = 0;
    int Yenilenen = 0;

protected:
    void Yerlesim(const QRect& alan) override
    {
        if (!alan_)
            return;
        alan_->setGeometry(alan.x() + 10, alan.y() + 10, 300, 300);
        Kutu->setGeometry(alan.x() + 10, alan.y() + 320, 80, 30);
    }

private:
    QWidget* tahta_ = nullptr;
    KaydirmaAlani* alan_ = nullptr;
};

// Writes down the context-menu requests that reach it; a request opens a
// menu of one command.
class MenuKaydedici : public QWidget
{
public:
    QStringList Kayit;
    QMenu Menu;

    MenuKaydedici()
    {
        setFocusPolicy(Qt::StrongFocus);
        Menu.addAction(QStringLiteral("Seç"), [this] { Kayit << QStringLiteral("seçildi"); });
    }

protected:
    void contextMenuEvent(QContextMenuEvent* olay) override
    {
        Kayit << (olay->reason() == QContextMenuEvent::Keyboard ? QStringLiteral("menü: klavye")
                                                                : QStringLiteral("menü: fare"));
        Menu.popup(olay->globalPos());
    }
};

QStringList Adlar(const QList<QWidget*>& ws)
{
    QStringList s;
    for (QWidget* w : ws) {
        if (auto* d = qobject_cast<QPushButton*>(w))
            s << (d->text().isEmpty() ? d->accessibleName() : d->text());
        else
            s << QString::fromLatin1(w->metaObject()->className());
    }
    return s;
}
}

class KabukErisimTesti : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    // The program's own windows read in Turkish, nothing without a name.
    void kabukPencereleriOkunur()
    {
        TestOrtami ortam;
        QStringList suclular;
        ortam.Modallar.push_back([&](QDialog& d) {
            d.show();
            suclular << AdsizErisilebilirler(&d);
            d.hide();
            return 0;
        });
        YardimGoster(QStringLiteral("Çarpan Ağacı"), QStringLiteral("CarpanAgaci"));
        TSetHakkindaForm hakkinda;
        hakkinda.show();
        suclular << AdsizErisilebilirler(&hakkinda);
        hakkinda.close();
        // The message box as the program shows it.
        QMessageBox kutu(QMessageBox::NoIcon, QStringLiteral("Başlık"), QStringLiteral("İleti"), QMessageBox::Ok);
        kutu.show();
        suclular << AdsizErisilebilirler(&kutu);
        QCOMPARE(kutu.button(QMessageBox::Ok)->text(), QStringLiteral("Tamam"));
        kutu.close();
        // A board that scrolls, with Qt's own parts: its bars and their buttons.
        auto* tahta = new QWidget;
        new QLabel(QStringLiteral("Pul"), tahta);
        KaydirmaAlani alan(nullptr, tahta, KaydirmaAlani::Sabit, QStringLiteral("Tahta"));
        tahta->resize(2000, 2000);
        alan.resize(200, 200);
        alan.show();
        suclular << AdsizErisilebilirler(&alan);
        alan.close();
        QVERIFY2(suclular.isEmpty(), qPrintable(suclular.join('\n')));
    }

    // Tab: the content first, then the command bar left to right, the close
    // button last, and round again; Shift+Tab back.
    void tabSirasi()
    {
        TestOrtami ortam;
        OdakPenceresi p;
        QVERIFY(EtkinPencereGoster(p, TUR_BOYUTU));
        p.Ust->setFocus();
        QStringList gidilen;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            gidilen << Adlar({OdakCercevesi::CerceveHedefi(QApplication::focusWidget())});
            // The box at the bottom of the board is scrolled into view when Tab reaches it.
            if (i == 0)
                QVERIFY(!p.Alt->visibleRegion().isEmpty());
        }
        QCOMPARE(gidilen, QStringList({"QLineEdit", "QSpinBox", "Yeni Problem", "Denetle", "Ana Menüye Dön",
                                       "QLineEdit"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), p.BitBtn2);
        // A box disabled while it has the focus (a tile as it is placed):
        // the focus goes on to the next stop, not back to the first.
        p.Alt->setFocus();
        p.Alt->setEnabled(false);
        QCOMPARE(QApplication::focusWidget(), p.Kutu);
        p.close();
    }

    // The context-menu key asks the focused widget by keyboard, as the desktop
    // does (the window tests press it so), and the open menu takes the keys.
    void menuTusu()
    {
        MenuKaydedici k;
        QVERIFY(EtkinPencereGoster(k, QSize(300, 200)));
        k.setFocus();
        QCOMPARE(TuslaraBas({Qt::Key_Menu, Qt::Key_Down, Qt::Key_Return}), 3);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(k.Kayit, QStringList({"menü: klavye", "seçildi"}));
        k.close();
    }

    // A focused command button is pressed by Space and by Enter; Enter and
    // Escape elsewhere still close nothing, and a click leaves the focus in
    // the box.
    void dugmeTuslari_data()
    {
        QTest::addColumn<int>("tus");
        QTest::addColumn<int>("denetlenen");
        QTest::newRow("boşluk") << int(Qt::Key_Space) << 1;
        QTest::newRow("enter") << int(Qt::Key_Return) << 1;
        QTest::newRow("tuş takımı enter") << int(Qt::Key_Enter) << 1;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0;
    }
    void dugmeTuslari()
    {
        QFETCH(int, tus);
        QFETCH(int, denetlenen);
        TestOrtami ortam;
        OdakPenceresi p;
        QVERIFY(EtkinPencereGoster(p, TUR_BOYUTU));
        auto* denetle = qobject_cast<QPushButton*>(p.TabSirasi().at(4));
        denetle->setFocus(Qt::TabFocusReason);
        QTest::keyClick(denetle, Qt::Key(tus));
        QCOMPARE(p.Denetlenen, denetlenen);
        QVERIFY(p.isVisible());
        // Enter on the close button does not close the window either.
        p.BitBtn2->setFocus(Qt::TabFocusReason);
        QTest::keyClick(p.BitBtn2, Qt::Key_Return);
        QVERIFY(p.isVisible());
        p.Ust->setFocus();
        QTest::mouseClick(denetle, Qt::LeftButton);
        QCOMPARE(p.Denetlenen, denetlenen + 1);
        QCOMPARE(QApplication::focusWidget(), p.Ust);
        p.close();
    }

    // The focus frame stands around the focused widget, in its parent, with
    // the inside left open; it follows the widget and leaves with the focus.
    // A window deleted with the frame in it: a new frame follows the next focus.
    void odakCercevesi()
    {
        TestOrtami ortam;
        auto* p = new OdakPenceresi;
        QVERIFY(EtkinPencereGoster(*p, TUR_BOYUTU));
        OdakCercevesi* cerceve = OdakCercevesi::Uygulamaninki();
        QVERIFY(cerceve);
        const int k = OdakCercevesi::KALINLIK;
        p->Ust->setFocus();
        QCOMPARE(cerceve->Hedef(), p->Ust);
        QCOMPARE(cerceve->parentWidget(), p->Ust->parentWidget());
        QVERIFY(cerceve->isVisible());
        QCOMPARE(cerceve->geometry(), p->Ust->geometry().adjusted(-k, -k, k, k));
        // The typed text shows through, and clicks reach the box.
        QVERIFY(!cerceve->mask().contains(cerceve->rect().center()));
        QCOMPARE(p->Ust->parentWidget()->childAt(p->Ust->geometry().center()), p->Ust);
        // The frame's colour is on the screen around the box.
        const QImage resim = p->grab().toImage();
        const QPoint kose = p->Ust->mapTo(p, QPoint(-2, -2));
        QCOMPARE(resim.pixelColor(kose * resim.devicePixelRatio()), RenkQ(ODAK_RENGI));
        EkranKaydet(p, QStringLiteral("odak_cercevesi"), false);
        // It follows the widget.
        p->Ust->move(50, 60);
        QCOMPARE(cerceve->geometry(), p->Ust->geometry().adjusted(-k, -k, k, k));
        // Hidden, the box gives the focus away and the frame goes with it.
        p->Ust->hide();
        QVERIFY(!cerceve->isVisible() || cerceve->Hedef() != p->Ust);
        p->Ust->show();
        p->Ust->setFocus();
        QVERIFY(cerceve->isVisible());
        // A spin box is framed whole.
        p->Kutu->setFocus();
        QCOMPARE(cerceve->Hedef(), p->Kutu);
        QCOMPARE(cerceve->parentWidget(), p->Kutu->parentWidget());
        // A widget at its parent's edge gets the ring on its own edge.
        p->Ust->move(0, 0);
        p->Ust->setFocus();
        QCOMPARE(cerceve->geometry(), p->Ust->geometry());
        // The window closes: the frame is no longer seen.
        p->close();
        QCoreApplication::processEvents();
        QVERIFY(!cerceve->isVisible());
        QVERIFY(EtkinPencereGoster(*p, TUR_BOYUTU));
        p->Ust->setFocus();
        QCOMPARE(OdakCercevesi::Uygulamaninki()->parentWidget(), p->Ust->parentWidget());
        delete p;
        QVERIFY(OdakCercevesi::Uygulamaninki());
        QVERIFY(!OdakCercevesi::Uygulamaninki()->parentWidget());
        OdakPenceresi ikinci;
        QVERIFY(EtkinPencereGoster(ikinci, TUR_BOYUTU));
        ikinci.Ust->setFocus();
        QCOMPARE(OdakCercevesi::Uygulamaninki()->Hedef(), ikinci.Ust);
        QVERIFY(OdakCercevesi::Uygulamaninki()->isVisible());
        ikinci.close();
    }

    void cerceveHedefi_data()
    {
        QTest::addColumn<QString>("tur");
        QTest::addColumn<bool>("cercevelenir");
        QTest::newRow("kutu") << "kutu" << true;
        QTest::newRow("kendi çizen") << "cercevesiz" << false;
        QTest::newRow("pencere") << "pencere" << false;
        QTest::newRow("yok") << "yok" << false;
    }
    void cerceveHedefi()
    {
        QFETCH(QString, tur);
        QFETCH(bool, cercevelenir);
        QWidget pencere;
        auto* kutu = new QLineEdit(&pencere);
        if (tur == QLatin1String("cercevesiz"))
            kutu->setProperty("odakCercevesiz", true);
        QWidget* odak = tur == QLatin1String("pencere") ? &pencere : tur == QLatin1String("yok") ? nullptr : kutu;
        QCOMPARE(OdakCercevesi::CerceveHedefi(odak) != nullptr, cercevelenir);
    }
};

#include "kabukerisim_test.moc"
ORVANTA_TEST(KabukErisimTesti)
