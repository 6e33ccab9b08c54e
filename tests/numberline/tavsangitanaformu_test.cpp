#include "Eksen.h"
#include "hareketmiktarformu.h"
#include "mesaj.h"
#include "resimkutusu.h"
#include "tavsangitanaformu.h"
#include "tavsangitformu.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QAbstractButton>
#include <QApplication>
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
    QVERIFY(EtkinPencereGoster(f, boyut));
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

// The rabbit stands over the tick of its number, facing `saga`, the window
// shows it, and the panel is whole in sight.
void TavsanYerinde(const TTavsanGitAnaForm& f, int konum, bool saga)
{
    const TTavsanGitForm* s = f.Sahne;
    QCOMPARE(s->Konum(), konum);
    QCOMPARE(f.Panel->Konum(), konum);
    QWidget* gorunen = saga ? s->Image1 : s->Image2;
    QVERIFY(gorunen->isVisible() && (saga ? s->Image2 : s->Image1)->isHidden());
    QCOMPARE(gorunen->geometry().center().x(), s->NumberLine->x() + s->NumberLine->Olcu().CentikX(konum));
    const QRect ekranda(gorunen->mapTo(f.ScrollBox->viewport(), QPoint(0, 0)), gorunen->size());
    QVERIFY(f.ScrollBox->viewport()->rect().contains(ekranda));
    QScrollBar* kaydirma = f.ScrollBox->horizontalScrollBar();
    QCOMPARE(kaydirma->value(), KaydirmaHedefi(konum, kaydirma->maximum()));
    QVERIFY(f.rect().contains(f.Panel->geometry()));
}

} // namespace

class TavsanGitTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void hareketler()
    {
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        QCOMPARE(f.Panel->Label4->text(), QStringLiteral("-"));
        TavsanYerinde(f, 0, true);
        // The longest equation the line allows is never cut off.
        const QLabel* denklem = f.Panel->Label4;
        QVERIFY(denklem->fontMetrics().horizontalAdvance(QStringLiteral("(-100) - (-200) = 100")) <= denklem->width());

        Git(f, true, QStringLiteral("7"));
        QCOMPARE(denklem->text(), QStringLiteral("0 + 7 = 7"));
        TavsanYerinde(f, 7, true);
        Git(f, false, QStringLiteral("10"));
        QCOMPARE(denklem->text(), QStringLiteral("7 - 10 = -3"));
        EkranKaydet(&f, QStringLiteral("tavsan_git_sola"));
        TavsanYerinde(f, -3, false);
        Git(f, true, QStringLiteral("-4"));
        QCOMPARE(denklem->text(), QStringLiteral("(-3) + (-4) = -7"));
        TavsanYerinde(f, -7, false);
        // Beyond the line, and a text that is no number: nothing moves.
        Git(f, false, QStringLiteral("94"));
        QCOMPARE(ortam.Kayit, QStringList({"mesaj: Bu işlemin sonucu ekran gösterim sınırlarını aşıyor"}));
        Git(f, false, QStringLiteral("-"));
        QCOMPARE(ortam.Kayit.size(), 1);
        QCOMPARE(denklem->text(), QStringLiteral("(-3) + (-4) = -7"));
        TavsanYerinde(f, -7, false);

        // Enter on a button with the focus moves by the amount in the box too;
        // Escape closes nothing.
        f.Panel->Edit1->setText(QStringLiteral("107"));
        f.Panel->RadioButton1->setChecked(true);
        f.Panel->Button3->setFocus();
        QTest::keyClick(f.Panel->Button3, Qt::Key_Return);
        QCOMPARE(denklem->text(), QStringLiteral("(-7) + 107 = 100"));
        TavsanYerinde(f, 100, true);
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(f.isVisible());
        QCOMPARE(ortam.Kayit.size(), 1);
    }

    void sifirlaDarPencerede()
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
        // A narrow window keeps the panel and the rabbit in sight at the end of the line.
        Git(f, true, QStringLiteral("100"));
        TavsanYerinde(f, 100, true);
        f.resize(900, 400);
        QTRY_COMPARE(f.size(), QSize(900, 400));
        TavsanYerinde(f, 100, true);
        // A move request without its record changes nothing.
        MesajGonder(&f, MSG_TAVSAN_HAREKET, 0);
        TavsanYerinde(f, 100, true);
    }

    // After a command or an operation chosen with the mouse, the amount box
    // has the keyboard with its text selected: the next amount replaces it.
    void miktarKutusuOdakta_data()
    {
        QTest::addColumn<QString>("dugme");
        QTest::addColumn<QString>("miktar"); // in the box before the click
        QTest::addColumn<QString>("denklem"); // afterwards
        QTest::newRow("git") << "Git" << "12" << "0 + 12 = 12";
        QTest::newRow("git_sinir_disi") << "Git" << "101" << "-";
        QTest::newRow("git_sayi_degil") << "Git" << "-" << "-";
        QTest::newRow("sifirla") << "Sıfırla" << "12" << "-";
        QTest::newRow("cikartma") << "Çıkartma (-)" << "12" << "-";
    }
    void miktarKutusuOdakta()
    {
        QFETCH(QString, dugme);
        QFETCH(QString, miktar);
        QFETCH(QString, denklem);
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        THareketMiktarForm* p = f.Panel;
        p->Edit1->setText(miktar);
        QAbstractButton* hedef = nullptr;
        for (QAbstractButton* b : p->findChildren<QAbstractButton*>())
            if (b->text() == dugme)
                hedef = b;
        QVERIFY(hedef);
        QTest::mouseClick(hedef, Qt::LeftButton);
        QCOMPARE(p->Label4->text(), denklem);
        QCOMPARE(QApplication::focusWidget(), p->Edit1);
        QCOMPARE(p->Edit1->selectedText(), p->Edit1->text());
        QTest::keyClicks(p->Edit1, QStringLiteral("3"));
        QCOMPARE(p->Edit1->text(), QStringLiteral("3"));
    }

    // Every opening starts at 0, whatever the last one left.
    // 0 + 57 = 57, then Shift+Tab enters the operations at "Çıkartma (-)",
    // Space chooses it and hands the keyboard back to the amount: 57 - 10 = 47.
    // Past the operations, Shift+Tab reaches the line, which tells where the rabbit stands.
    void klavyeIleHareket()
    {
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        THareketMiktarForm* p = f.Panel;
        QCOMPARE(OkunanAd(QApplication::focusWidget()), QStringLiteral("Hareket Miktarı"));
        const int shiftTab = (Qt::SHIFT | Qt::Key_Tab).toCombined();
        int tuslar = TuslaraBas({Qt::Key_Backspace, '5', '7', Qt::Key_Return});
        TavsanYerinde(f, 57, true);
        tuslar += TuslaraBas({shiftTab, Qt::Key_Space});
        QVERIFY(p->RadioButton2->isChecked());
        tuslar += TuslaraBas({'1', '0', Qt::Key_Return});
        TavsanYerinde(f, 47, false);
        QCOMPARE(p->Label4->text(), QStringLiteral("57 - 10 = 47"));
        tuslar += TuslaraBas({shiftTab, shiftTab});
        QCOMPARE(OkunanAd(QApplication::focusWidget()), QStringLiteral("Sayı doğrusu: Tavşan 47 üzerinde, sola bakıyor"));
        // Leaving the line keeps the rabbit in sight; Enter anywhere moves it again: 47 - 10 = 37.
        tuslar += TuslaraBas({Qt::Key_Tab});
        TavsanYerinde(f, 47, false);
        tuslar += TuslaraBas({Qt::Key_Return});
        TavsanYerinde(f, 37, false);
        QCOMPARE(ortam.Kayit, QStringList());
        qInfo("Tavşan Git, tuşlarla: %d tuş", tuslar);
    }

    // What a reader hears of the rabbit after each move.
    void tavsaninAdi_data()
    {
        QTest::addColumn<QStringList>("hareketler");
        QTest::addColumn<QString>("ad");
        QTest::newRow("başta") << QStringList() << "Tavşan 0 üzerinde, sağa bakıyor";
        QTest::newRow("çıkarma") << QStringList{"+7", "-10"} << "Tavşan -3 üzerinde, sola bakıyor";
        QTest::newRow("negatif ekleme") << QStringList{"+-4"} << "Tavşan -4 üzerinde, sola bakıyor";
        QTest::newRow("sınır dışı") << QStringList{"+95", "+6"} << "Tavşan 95 üzerinde, sağa bakıyor";
        QTest::newRow("sıfırla") << QStringList{"-5", "0"} << "Tavşan 0 üzerinde, sağa bakıyor";
    }
    void tavsaninAdi()
    {
        QFETCH(QStringList, hareketler);
        QFETCH(QString, ad);
        TestOrtami ortam;
        TTavsanGitAnaForm f(nullptr);
        Ac(f);
        for (const QString& h : hareketler)
            h == QLatin1String("0") ? f.Panel->Button4->click() : Git(f, h[0] == '+', h.mid(1));
        QCOMPARE(OkunanAd(f.Sahne->Tavsan()), ad);
        QCOMPARE(OkunanAd(f.Sahne->NumberLine), QStringLiteral("Sayı doğrusu: ") + ad);
    }

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
    }
};

#include "tavsangitanaformu_test.moc"
ORVANTA_TEST(TavsanGitTesti)
