#include "duzlemformu.h"
#include "koordinatkutusu.h"
#include "resimkutusu.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"
#include "yaprakformu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Queues the random numbers that hide the rabbit at (x, y).
void Sakla(TestOrtami& ortam, int x, int y)
{
    ortam.Rastgeleler.insert(ortam.Rastgeleler.end(), {std::abs(x), std::abs(y), x < 0, y < 0});
}

// A window shown at `boyut` and active, so that its boxes take the focus.
void Ac(TAnalitikDuzlemForm& f, QSize boyut = QSize(1024, 700))
{
    QVERIFY(EtkinPencereGoster(f, boyut));
}

// The rabbit picture (5 pixels high) and the stone stand on their plane points.
void SpritelarYerinde(const TAnalitikDuzlemForm& f)
{
    const TAnalitikYaprakForm* y = f.Yaprak;
    QCOMPARE(y->TavsanImage->pos(), y->DuzlemdenPiksele(y->Tavsan()) - QPoint(15, 20));
    QCOMPARE(y->Shape1->pos(), y->DuzlemdenPiksele(y->Tas()) - QPoint(7, 7));
}

QColor Zemin(const QLineEdit* kutu)
{
    return kutu->palette().color(QPalette::Base);
}

} // namespace

class DuzlemFormuTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void enterIleYakalama()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        QVERIFY(!f.PesAction->isEnabled() && !f.CheckBox1->isEnabled());
        // The buttons of commands that are off are greyed.
        QVERIFY(!f.Button3->isEnabled() && !f.Button2->isEnabled());
        // F9 begins the first turn, and only that one.
        Sakla(ortam, 3, -2);
        Sakla(ortam, 8, 1);
        QTest::keyClick(&f, Qt::Key_F9);
        QTest::keyClick(&f, Qt::Key_F9);
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(3, -2));
        QVERIFY(f.PesAction->isEnabled() && f.CheckBox1->isEnabled() && !f.TavsanSaklaAction->isEnabled());
        QVERIFY(f.Button3->isEnabled() && !f.Button2->isEnabled());
        ortam.Rastgeleler.clear();
        QVERIFY(f.Edit1->hasFocus());
        QCOMPARE(Zemin(f.Edit1), QColor(Qt::yellow));
        QCOMPARE(f.Edit1->palette().color(QPalette::Text), QColor(Qt::blue));

        // Letters never reach the boxes; the arrows move between them.
        QTest::keyClicks(f.Edit1, QStringLiteral("x3"));
        QTest::keyClick(f.Edit1, Qt::Key_Down);
        QVERIFY(f.Edit2->hasFocus());
        QCOMPARE(Zemin(f.Edit1), QColor(Qt::white));
        QCOMPARE(Zemin(f.Edit2), QColor(Qt::yellow));
        QTest::keyClicks(f.Edit2, QStringLiteral("-"));
        // A lone minus is no number: the beep alone. An empty box has its message.
        QTest::keyClick(f.Edit2, Qt::Key_Return);
        QCOMPARE(ortam.Kayit, QStringList({"bip"}));
        f.Edit1->clear();
        f.GitAction->trigger();
        QCOMPARE(ortam.Kayit.mid(1), QStringList({"ses: 1258", "mesaj: x için uygun bir değer giriniz"}));
        ortam.Temizle();
        QTest::keyClicks(f.Edit1, QStringLiteral("3"));
        QTest::keyClicks(f.Edit2, QStringLiteral("2."));
        QCOMPARE(f.Edit1->text() + f.Edit2->text(), QStringLiteral("3-2"));
        QCOMPARE(f.Yaprak->Tas(), QPoint(5, 5));

        Sakla(ortam, -7, 1);
        QTest::keyClick(f.Edit2, Qt::Key_Return);
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1257", "mesaj: Tebrikler Tavşanı yakaladınız!"}));
        QCOMPARE(f.Yaprak->Tas(), QPoint(3, -2));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(-7, 1));
        QVERIFY(f.Edit1->hasFocus());
        SpritelarYerinde(f);

        // A miss on the edge: no message, the stone stays where it fell.
        ortam.Temizle();
        f.Edit1->setText(QStringLiteral("12"));
        f.Edit2->setText(QString::number(f.Yaprak->YSiniri()));
        f.Button1->click();
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(f.Yaprak->Tas(), QPoint(12, f.Yaprak->YSiniri()));
        SpritelarYerinde(f);
    }

    void pesEtSayacIsliyorken()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        Sakla(ortam, -4, 3);
        f.Timer1Timer();
        f.CheckBox1->setChecked(true);
        f.KalanTimerTimer();
        Sakla(ortam, 2, -1);
        f.Button3->click();
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1258", "mesaj: Oyunu Kaybettiniz!\nTavşanın yeri ( -4 , 3 ) noktası idi."}));
        QCOMPARE(f.Yaprak->Tas(), QPoint(-4, 3));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(2, -1));
        // The next turn has begun, with the countdown started again.
        QVERIFY(f.KalanTimer->isActive());
        QCOMPARE(f.Label5->text(), QStringLiteral("15"));
        SpritelarYerinde(f);
    }

    void hizliKac()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        Sakla(ortam, 6, 2);
        f.Timer1Timer();
        QVERIFY(f.Label5->isHidden() && !f.ZamanAyarlaAction->isEnabled());
        f.CheckBox1->click();
        QVERIFY(f.KalanTimer->isActive() && f.Label5->isVisible() && f.ZamanAyarlaAction->isEnabled());
        QVERIFY(f.Button2->isEnabled());
        QCOMPARE(f.Label5->text(), QStringLiteral("15"));
        for (int i = 0; i < 14; ++i)
            f.KalanTimerTimer();
        QCOMPARE(f.Label5->text(), QStringLiteral("1"));
        QCOMPARE(ortam.Kayit, QStringList());
        Sakla(ortam, -3, -1);
        f.KalanTimerTimer();
        QCOMPARE(f.Label5->text(), QStringLiteral("0"));
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1258"}));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(-3, -1));
        f.KalanTimerTimer();
        QCOMPARE(f.Label5->text(), QStringLiteral("14"));

        f.Edit1->setText(QStringLiteral("4"));
        f.Edit2->setText(QStringLiteral("3"));
        f.GitAction->trigger();
        EkranKaydet(&f, QStringLiteral("tavsani_yakalayalim_kacis"));
        SpritelarYerinde(f);

        // An escape time below one second is refused; a new one counts from the next start.
        ortam.Girdiler = {QStringLiteral("0"), QStringLiteral("5")};
        f.Button2->click();
        QCOMPARE(f.Sayac().KacmaZamani(), 15);
        f.Button2->click();
        QCOMPARE(ortam.Suzulmus("girdi"), QStringList(2, "girdi: Kaçma zamanı | Kaçma zamanınını giriniz"));
        QCOMPARE(f.Label5->text(), QStringLiteral("14"));
        f.CheckBox1->click();
        QVERIFY(!f.KalanTimer->isActive() && f.Label5->isHidden());
        f.CheckBox1->click();
        QCOMPARE(f.Label5->text(), QStringLiteral("5"));
    }

    // On a resize the pictures follow their points; a rabbit the lower
    // plane no longer holds hides again inside it.
    void boyutDegisince()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f, QSize(600, 600));
        QVERIFY(f.Yaprak->Olcu().Birim >= 22);
        const int genisL = f.Yaprak->YSiniri();
        Sakla(ortam, -11, genisL - 1);
        f.Timer1Timer();
        f.Edit1->setText(QStringLiteral("-11"));
        f.Edit2->setText(QString::number(genisL));
        f.GitAction->trigger();

        Sakla(ortam, 4, -2);
        f.resize(1366, 600);
        QTRY_COMPARE(f.size(), QSize(1366, 600));
        QVERIFY(f.Yaprak->YSiniri() < genisL - 1);
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(4, -2));
        QCOMPARE(f.Yaprak->Tas(), QPoint(-11, genisL));
        SpritelarYerinde(f);
        // A rabbit the plane still holds stays.
        f.resize(700, 650);
        QTRY_COMPARE(f.size(), QSize(700, 650));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(4, -2));
        SpritelarYerinde(f);
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // A pupil at the keys: Tab to the plane, the arrows walk it until the
    // reader says where the rabbit is, back to the boxes, the coordinates, Enter.
    void klavyeIleYakalama()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        Sakla(ortam, 3, -2);
        int tuslar = TuslaraBas({Qt::Key_F9});
        tuslar += SekmeIle(f.Yaprak);
        tuslar += TuslaraBas({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down});
        QCOMPARE(OkunanAd(f.Yaprak), QStringLiteral("(3, -2) noktası, tavşan burada"));
        tuslar += SekmeIle(f.Edit1, true);
        QCOMPARE(OkunanAd(QApplication::focusWidget()), QStringLiteral("X:"));
        Sakla(ortam, -7, 1);
        tuslar += TuslaraBas({'3', Qt::Key_Down, '-', '2', Qt::Key_Return});
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1257", "mesaj: Tebrikler Tavşanı yakaladınız!"}));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(-7, 1));
        QCOMPARE(OkunanAd(f.Yaprak->Shape1), QStringLiteral("Taş, (3, -2) noktasında"));
        qInfo("Tavşanı Yakalayalım, tuşlarla: %d tuş", tuslar);
    }

    // The arrows walk the lattice within the points a stone can reach; Home is the origin.
    void duzlemNoktalari_data()
    {
        QTest::addColumn<QList<int>>("tuslar");
        QTest::addColumn<QString>("ad");
        const int R = Qt::Key_Right, L = Qt::Key_Left, U = Qt::Key_Up, D = Qt::Key_Down;
        QTest::newRow("başta") << QList<int>{} << "(0, 0) noktası";
        QTest::newRow("tavşan") << QList<int>{R, R, R, D, D} << "(3, -2) noktası, tavşan burada";
        QTest::newRow("taş") << QList<int>{R, R, R, R, R, U, U, U, U, U} << "(5, 5) noktası, taş burada";
        QTest::newRow("x sınırı") << QList<int>(20, L) << "(-12, 0) noktası";
        QTest::newRow("y sınırı") << QList<int>(40, U) << "(0, L) noktası";
        QTest::newRow("Home") << QList<int>{R, R, D, Qt::Key_Home} << "(0, 0) noktası";
    }
    void duzlemNoktalari()
    {
        QFETCH(QList<int>, tuslar);
        QFETCH(QString, ad);
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        Sakla(ortam, 3, -2);
        f.Timer1Timer();
        f.Yaprak->setFocus(Qt::TabFocusReason);
        TuslaraBas(tuslar);
        QCOMPARE(OkunanAd(f.Yaprak), QString(ad).replace('L', QString::number(f.Yaprak->YSiniri())));
    }

    // Closing stops both timers: nothing runs on after the window is gone.
    void kapaninca_zamanlayicilar_durur()
    {
        TestOrtami ortam;
        auto* g = new TAnalitikDuzlemForm(nullptr);
        const QPoint ilkYer = g->Yaprak->Tavsan();
        Sakla(ortam, 9, 1);
        g->show();
        QVERIFY(g->Timer1->isActive());
        QElapsedTimer saat;
        saat.start();
        g->close();
        QVERIFY(!g->Timer1->isActive());
        QTRY_VERIFY(saat.hasExpired(250));
        QCOMPARE(g->Durum(), TurDurumu::IlkTurOncesi);
        QCOMPARE(g->Yaprak->Tavsan(), ilkYer);
        g->Timer1Timer();
        g->CheckBox1->setChecked(true);
        g->show();
        g->close();
        QVERIFY(!g->KalanTimer->isActive());
        delete g;
        QCOMPARE(ortam.Kayit, QStringList());
    }
};

#include "duzlemformu_test.moc"
ORVANTA_TEST(DuzlemFormuTesti)
