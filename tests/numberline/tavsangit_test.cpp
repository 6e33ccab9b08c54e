#include "Eksen.h"
#include "hareketmiktarformu.h"
#include "mesaj.h"
#include "tavsangitanaformu.h"
#include "tavsangitformu.h"
#include "testana.h"
#include "testortami.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {

void Ac(TTavsanGitAnaForm& f, QSize boyut = QSize(1024, 700))
{
    f.setWindowState(Qt::WindowNoState);
    f.show();
    f.resize(boyut);
    QApplication::setActiveWindow(&f);
    QTRY_COMPARE(f.size(), boyut);
}

// Types `miktar` over the amount and presses Enter in the box.
void Git(TTavsanGitAnaForm& f, bool toplama, const QString& miktar)
{
    THareketMiktarForm* p = f.Panel;
    (toplama ? p->RadioButton1 : p->RadioButton2)->setChecked(true);
    p->Edit1->setFocus();
    p->Edit1->selectAll();
    QTest::keyClick(p->Edit1, Qt::Key_Backspace);
    QTest::keyClicks(p->Edit1, miktar);
    QTest::keyClick(p->Edit1, Qt::Key_Return);
}

// The rabbit stands over the tick of its number, facing `saga`, and the
// window shows it.
void TavsanYerinde(const TTavsanGitAnaForm& f, int konum, bool saga)
{
    const TTavsanGitForm* s = f.Sahne;
    QCOMPARE(s->Konum(), konum);
    QCOMPARE(f.Panel->Konum(), konum);
    QLabel* gorunen = saga ? s->Image1 : s->Image2;
    QLabel* gizli = saga ? s->Image2 : s->Image1;
    QVERIFY(gorunen->isVisible());
    QVERIFY(gizli->isHidden());
    const int centik = s->NumberLine->x() + s->NumberLine->Olcu().CentikX(konum);
    QCOMPARE(gorunen->geometry().center().x(), centik);
    const QRect ekranda(gorunen->mapTo(f.ScrollBox->viewport(), QPoint(0, 0)), gorunen->size());
    QVERIFY(f.ScrollBox->viewport()->rect().contains(ekranda));
    QCOMPARE(f.ScrollBox->horizontalScrollBar()->value(),
             KaydirmaHedefi(konum, f.ScrollBox->horizontalScrollBar()->maximum()));
    QVERIFY(f.rect().contains(f.Panel->geometry()));
}

} // namespace

class TavsanGitTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void acilis()
    {
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        QCOMPARE(f.Panel->parentWidget(), &f);
        QCOMPARE(f.BitBtn2->parentWidget(), f.Panel);
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("-"));
        QCOMPARE(f.Panel->Edit1->text(), QStringLiteral("0"));
        QVERIFY(f.Panel->RadioButton1->isChecked());
        const Eksen* e = f.Sahne->NumberLine;
        QCOMPARE(e->Olcu().Baslangic, -100);
        QCOMPARE(e->width(), 201 * 50 + 5);
        QCOMPARE(f.Sahne->width(), e->x() + e->width() + 20);
        TavsanYerinde(f, 0, true);
        // The longest equation the line allows is never cut off.
        const QLabel* denklem = f.Panel->Label4;
        QVERIFY(denklem->fontMetrics().horizontalAdvance(QStringLiteral("(-100) - (-200) = 100")) <= denklem->width());
        QCOMPARE(ortam.Kayit, QStringList());
    }

    void hareketler()
    {
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        Git(f, true, QStringLiteral("7"));
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("0 + 7 = 7"));
        TavsanYerinde(f, 7, true);
        Git(f, false, QStringLiteral("10"));
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("7 - 10 = -3"));
        TavsanYerinde(f, -3, false);
        EkranKaydet(&f, QStringLiteral("tavsan_git_sola"));
        TavsanYerinde(f, -3, false);
        Git(f, true, QStringLiteral("-4"));
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("(-3) + (-4) = -7"));
        TavsanYerinde(f, -7, false);
        Git(f, false, QStringLiteral("-9"));
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("(-7) - (-9) = 2"));
        TavsanYerinde(f, 2, true);

        // Enter anywhere in the window moves by the amount in the box; a
        // button with the focus does the same.
        f.Panel->Edit1->setText(QStringLiteral("98"));
        f.Panel->RadioButton1->setChecked(true);
        f.Panel->Button3->setFocus();
        QTest::keyClick(f.Panel->Button3, Qt::Key_Return);
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("2 + 98 = 100"));
        TavsanYerinde(f, 100, true);
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(f.isVisible());

        f.Panel->Edit1->setText(QStringLiteral("200"));
        f.Panel->RadioButton2->setChecked(true);
        f.Panel->Button1->click();
        TavsanYerinde(f, -100, false);
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // Amounts that leave the line, and texts that are no number: nothing moves.
    void yapilmayanHareketler_data()
    {
        QTest::addColumn<bool>("toplama");
        QTest::addColumn<QString>("miktar");
        QTest::addColumn<QStringList>("kayit");
        const QStringList sinir = {"mesaj: Bu işlemin sonucu ekran gösterim sınırlarını aşıyor"};
        QTest::newRow("arti_6") << true << "6" << sinir;
        QTest::newRow("eksi_196") << false << "196" << sinir;
        QTest::newRow("arti_eksi_196") << true << "-196" << sinir;
        QTest::newRow("dort_basamak") << true << "9999" << sinir;
        QTest::newRow("bos") << true << "" << QStringList();
        QTest::newRow("yalniz_eksi") << true << "-" << QStringList();
        QTest::newRow("yalniz_arti") << false << "+" << QStringList();
        QTest::newRow("yapistirilan_harf") << true << "5a" << QStringList();
    }
    void yapilmayanHareketler()
    {
        QFETCH(bool, toplama);
        QFETCH(QString, miktar);
        QFETCH(QStringList, kayit);
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        Git(f, true, QStringLiteral("95"));
        ortam.Temizle();
        (toplama ? f.Panel->RadioButton1 : f.Panel->RadioButton2)->setChecked(true);
        f.Panel->Edit1->setText(miktar);
        f.Panel->Button1->click();
        QCOMPARE(ortam.Kayit, kayit);
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("0 + 95 = 95"));
        TavsanYerinde(f, 95, true);
        Git(f, true, QStringLiteral("5"));
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("95 + 5 = 100"));
        TavsanYerinde(f, 100, true);
    }

    void sifirla()
    {
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f, QSize(600, 400));
        Git(f, false, QStringLiteral("40"));
        TavsanYerinde(f, -40, false);
        f.Panel->Button4->click();
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("-"));
        QCOMPARE(f.Panel->Edit1->text(), QStringLiteral("0"));
        TavsanYerinde(f, 0, true);
        Git(f, true, QStringLiteral("3"));
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("0 + 3 = 3"));
        // A narrow window keeps the panel in sight wherever the rabbit goes.
        Git(f, true, QStringLiteral("97"));
        TavsanYerinde(f, 100, true);
        f.resize(900, 400);
        QTRY_COMPARE(f.size(), QSize(900, 400));
        TavsanYerinde(f, 100, true);
    }

    // Every opening starts at 0, whatever the last one left.
    void yenidenAcilis()
    {
        TestOrtami ortam;
        {
            TTavsanGitAnaForm f(nullptr);
            Ac(f);
            Git(f, false, QStringLiteral("60"));
            TavsanYerinde(f, -60, false);
            f.close();
        }
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        TavsanYerinde(f, 0, true);
        Git(f, true, QStringLiteral("3"));
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("0 + 3 = 3"));
        TavsanYerinde(f, 3, true);
    }

    // The move request travels as message 1124 to the main window.
    void hareketMesaji()
    {
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        HareketIstegi istek{0, 12};
        MesajGonder(&f, MSG_TAVSAN_HAREKET, MesajParametresi(&istek));
        QCOMPARE(f.Sahne->Konum(), -12);
        QVERIFY(!f.Sahne->SagaBakar());
        istek = HareketIstegi{1, GERI_DON_MIKTARI};
        MesajGonder(&f, MSG_TAVSAN_HAREKET, MesajParametresi(&istek));
        QCOMPARE(f.Sahne->Konum(), 0);
        QVERIFY(f.Sahne->SagaBakar());
        MesajGonder(&f, MSG_TAVSAN_HAREKET, 0);
        QCOMPARE(f.Sahne->Konum(), 0);
    }
};

#include "tavsangit_test.moc"
ORVANTA_TEST(TavsanGitTesti)
