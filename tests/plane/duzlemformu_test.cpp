#include "duzlemformu.h"
#include "koordinatkutusu.h"
#include "testana.h"
#include "testortami.h"
#include "yaprakformu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
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
    f.setWindowState(Qt::WindowNoState);
    f.show();
    f.resize(boyut);
    QApplication::setActiveWindow(&f);
    QTRY_COMPARE(f.size(), boyut);
}

// The rabbit picture and the stone stand on the pixels of their plane points.
void SpritelarYerinde(const TAnalitikDuzlemForm& f)
{
    const TAnalitikYaprakForm* y = f.Yaprak;
    QCOMPARE(y->TavsanImage->pos(), y->DuzlemdenPiksele(y->Tavsan()) - QPoint(15, 20));
    QCOMPARE(y->Shape1->pos(), y->DuzlemdenPiksele(y->Tas()) - QPoint(7, 7));
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
        QCOMPARE(f.Durum(), TurDurumu::IlkTurOncesi);
        QVERIFY(f.TavsanSaklaAction->isEnabled());
        QVERIFY(!f.PesAction->isEnabled() && !f.CheckBox1->isEnabled());

        Sakla(ortam, 3, -2);
        f.Timer1Timer();
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(3, -2));
        QCOMPARE(f.Durum(), TurDurumu::Oyunda);
        QVERIFY(!f.TavsanSaklaAction->isEnabled());
        QVERIFY(f.PesAction->isEnabled() && f.CheckBox1->isEnabled());
        QVERIFY(f.Edit1->hasFocus());
        QCOMPARE(f.Edit1->palette().color(QPalette::Base), QColor(Qt::yellow));
        QCOMPARE(f.Edit1->palette().color(QPalette::Text), QColor(Qt::blue));

        // Letters never reach the boxes; the arrows move between them.
        QTest::keyClicks(f.Edit1, QStringLiteral("x3"));
        QTest::keyClick(f.Edit1, Qt::Key_Down);
        QVERIFY(f.Edit2->hasFocus());
        QCOMPARE(f.Edit1->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(f.Edit2->palette().color(QPalette::Base), QColor(Qt::yellow));
        QTest::keyClicks(f.Edit2, QStringLiteral("-2.5"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("3"));
        QCOMPARE(f.Edit2->text(), QStringLiteral("-25"));
        QTest::keyClick(f.Edit2, Qt::Key_Backspace);
        QTest::keyClick(f.Edit2, Qt::Key_Up);
        QVERIFY(f.Edit1->hasFocus());
        QTest::keyClick(f.Edit1, Qt::Key_Right);

        Sakla(ortam, -7, 1);
        QTest::keyClick(f.Edit2, Qt::Key_Return);
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1257", "mesaj: Tebrikler Tavşanı yakaladınız!"}));
        QCOMPARE(f.Yaprak->Tas(), QPoint(3, -2));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(-7, 1));
        QVERIFY(f.Edit1->hasFocus());
        SpritelarYerinde(f);

        // A miss: no message, the stone stays where it fell.
        ortam.Temizle();
        f.Edit1->setText(QStringLiteral("12"));
        f.Edit2->setText(QString::number(f.Yaprak->YSiniri()));
        f.Button1->click();
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(f.Yaprak->Tas(), QPoint(12, f.Yaprak->YSiniri()));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(-7, 1));
        SpritelarYerinde(f);
    }

    // Each refused throw: its sound and message (or the beep), and nothing moves.
    void reddedilenAtislar_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QStringList>("kayit");
        const QStringList bosX = {"ses: 1258", "mesaj: x için uygun bir değer giriniz"};
        const QStringList bosY = {"ses: 1258", "mesaj: y için uygun bir değer giriniz"};
        const QStringList xDisi = {"ses: 1258", "mesaj: Uygun olmayan x değeri"};
        const QStringList yDisi = {"ses: 1258", "mesaj: Uygun olmayan y değeri"};
        const QStringList bip = {"bip"};
        QTest::newRow("ikisi_bos") << QString() << QString() << bosX;
        QTest::newRow("x_bos") << QString() << "1" << bosX;
        QTest::newRow("y_bos") << "1" << QString() << bosY;
        QTest::newRow("yalniz_eksi") << "-" << "1" << bip;
        QTest::newRow("yalniz_arti_y") << "1" << "+" << bip;
        QTest::newRow("yapistirilan_harf") << "ab" << "1" << bip;
        QTest::newRow("bosluk") << " " << "1" << bip;
        QTest::newRow("x_13") << "13" << "0" << xDisi;
        QTest::newRow("x_eksi_13") << "-13" << "0" << xDisi;
        QTest::newRow("x_999_y_999") << "999" << "999" << xDisi;
        QTest::newRow("y_999") << "0" << "999" << yDisi;
        QTest::newRow("y_eksi_99") << "0" << "-99" << yDisi;
    }
    void reddedilenAtislar()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QStringList, kayit);
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        Sakla(ortam, 1, 1);
        f.Timer1Timer();
        f.Edit1->setText(x);
        f.Edit2->setText(y);
        f.GitAction->trigger();
        QCOMPARE(ortam.Kayit, kayit);
        QCOMPARE(f.Yaprak->Tas(), QPoint(5, 5));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(1, 1));
        QCOMPARE(f.Edit1->text(), x);
    }

    void pesEt()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        QVERIFY(f.Yaprak->YSiniri() > 3);
        Sakla(ortam, -4, 3);
        f.Timer1Timer();
        f.CheckBox1->setChecked(true);
        Sakla(ortam, 2, -1);
        f.Button3->click();
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1258", "mesaj: Oyunu Kaybettiniz!\nTavşanın yeri ( -4 , 3 ) noktası idi."}));
        QCOMPARE(f.Yaprak->Tas(), QPoint(-4, 3));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(2, -1));
        // The next turn has begun, with the countdown started again.
        QVERIFY(f.KalanTimer->isActive());
        QCOMPARE(f.Label5->text(), QStringLiteral("15"));
        QVERIFY(f.Edit1->hasFocus());
        SpritelarYerinde(f);
    }

    void hizliKac()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        Sakla(ortam, 6, 2);
        f.Timer1Timer();
        QVERIFY(f.Label5->isHidden() && f.Label4->isHidden());
        QVERIFY(!f.ZamanAyarlaAction->isEnabled());
        f.CheckBox1->click();
        QVERIFY(f.KalanTimer->isActive());
        QVERIFY(f.Label5->isVisible() && f.Label4->isVisible());
        QVERIFY(f.ZamanAyarlaAction->isEnabled());
        QCOMPARE(f.Label5->text(), QStringLiteral("15"));
        for (int saniye = 14; saniye >= 1; --saniye) {
            f.KalanTimerTimer();
            QCOMPARE(f.Label5->text(), QString::number(saniye));
        }
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(6, 2));
        QCOMPARE(ortam.Kayit, QStringList());

        Sakla(ortam, -3, -1);
        f.Edit2->setFocus();
        f.KalanTimerTimer();
        QCOMPARE(f.Label5->text(), QStringLiteral("0"));
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1258"}));
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(-3, -1));
        QVERIFY(f.Edit1->hasFocus());
        QVERIFY(f.KalanTimer->isActive());
        f.KalanTimerTimer();
        QCOMPARE(f.Label5->text(), QStringLiteral("14"));

        f.Edit1->setText(QStringLiteral("4"));
        f.Edit2->setText(QStringLiteral("3"));
        f.GitAction->trigger();
        EkranKaydet(&f, QStringLiteral("tavsani_yakalayalim_kacis"));
        SpritelarYerinde(f);

        f.CheckBox1->click();
        QVERIFY(!f.KalanTimer->isActive());
        QVERIFY(f.Label5->isHidden());
        QVERIFY(!f.ZamanAyarlaAction->isEnabled());
    }

    // The escape time: only a whole number of at least one second replaces it.
    void zamanAyarla_data()
    {
        QTest::addColumn<std::optional<QString>>("cevap");
        QTest::addColumn<int>("sure");
        QTest::newRow("bes") << std::optional<QString>(QStringLiteral("5")) << 5;
        QTest::newRow("bir") << std::optional<QString>(QStringLiteral("1")) << 1;
        QTest::newRow("iptal") << std::optional<QString>() << 15;
        QTest::newRow("bos") << std::optional<QString>(QString()) << 15;
        QTest::newRow("sifir") << std::optional<QString>(QStringLiteral("0")) << 15;
        QTest::newRow("eksi") << std::optional<QString>(QStringLiteral("-5")) << 15;
        QTest::newRow("yalniz_eksi") << std::optional<QString>(QStringLiteral("-")) << 15;
        QTest::newRow("harf") << std::optional<QString>(QStringLiteral("on")) << 15;
        QTest::newRow("ondalik") << std::optional<QString>(QStringLiteral("2.5")) << 15;
    }
    void zamanAyarla()
    {
        QFETCH(std::optional<QString>, cevap);
        QFETCH(int, sure);
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        f.Timer1Timer();
        f.CheckBox1->setChecked(true);
        ortam.Girdiler.push_back(cevap);
        f.Button2->click();
        QCOMPARE(ortam.Kayit, QStringList({"girdi: Kaçma zamanı | Kaçma zamanınını giriniz"}));
        QCOMPARE(f.Sayac().KacmaZamani(), sure);
        // The running count goes on; the new time counts from the next start.
        QCOMPARE(f.Label5->text(), QStringLiteral("15"));
        f.CheckBox1->setChecked(false);
        f.CheckBox1->setChecked(true);
        QCOMPARE(f.Label5->text(), QString::number(sure));
        for (int i = 0; i < sure; ++i)
            f.KalanTimerTimer();
        QCOMPARE(f.Label5->text(), QStringLiteral("0"));
        QCOMPARE(ortam.Sesler(), QList<int>({1258}));
    }

    void f9YalnizIlkTurdanOnce()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f);
        Sakla(ortam, 5, 0);
        QTest::keyClick(&f, Qt::Key_F9);
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(5, 0));
        QCOMPARE(f.Durum(), TurDurumu::Oyunda);
        Sakla(ortam, 8, 1);
        QTest::keyClick(&f, Qt::Key_F9);
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(5, 0));
        // The timer's turn after F9 simply hides the rabbit again.
        f.Timer1Timer();
        QCOMPARE(f.Yaprak->Tavsan(), QPoint(8, 1));
    }

    // On a resize the pictures follow their points; a rabbit the smaller
    // plane no longer holds hides again inside it.
    void boyutDegisince()
    {
        TestOrtami ortam;
        TAnalitikDuzlemForm f(nullptr);
        Ac(f, QSize(600, 600));
        const int genisL = f.Yaprak->YSiniri();
        QVERIFY(f.Yaprak->Olcu().Birim >= 22);
        Sakla(ortam, -11, genisL - 1);
        f.Timer1Timer();
        f.Edit1->setText(QStringLiteral("-11"));
        f.Edit2->setText(QString::number(genisL));
        f.GitAction->trigger();
        SpritelarYerinde(f);

        Sakla(ortam, 4, -2);
        f.resize(1366, 600);
        QTRY_COMPARE(f.size(), QSize(1366, 600));
        const int darL = f.Yaprak->YSiniri();
        QVERIFY(darL < genisL - 1);
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

    // Closing stops both timers: nothing runs on after the window is gone.
    void kapaninca_zamanlayicilar_durur()
    {
        TestOrtami ortam;
        QPointer<TAnalitikDuzlemForm> f = new TAnalitikDuzlemForm(nullptr);
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        QVERIFY(f->Timer1->isActive());
        f->close();
        QVERIFY(!f || !f->Timer1->isActive());
        QTRY_VERIFY(f.isNull());

        auto* g = new TAnalitikDuzlemForm(nullptr);
        const QPoint ilkYer = g->Yaprak->Tavsan();
        Sakla(ortam, 9, 1);
        g->show();
        QElapsedTimer saat;
        saat.start();
        g->close();
        QVERIFY(!g->Timer1->isActive());
        QTRY_VERIFY(saat.hasExpired(250));
        QCOMPARE(g->Durum(), TurDurumu::IlkTurOncesi);
        QCOMPARE(g->Yaprak->Tavsan(), ilkYer);
        g->Timer1Timer();
        g->CheckBox1->setChecked(true);
        QVERIFY(g->KalanTimer->isActive());
        g->show();
        g->close();
        QVERIFY(!g->KalanTimer->isActive());
        delete g;
        QCOMPARE(ortam.Kayit, QStringList());
    }
};

#include "duzlemformu_test.moc"
ORVANTA_TEST(DuzlemFormuTesti)
