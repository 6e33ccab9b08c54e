#include "Eratostehnesformu.h"
#include "Myshape.h"
#include "eratosthenesmodel.h"
#include "kaydirmaalani.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

namespace {

void Bas(SayiShape* j)
{
    QVERIFY(j);
    QTest::mouseClick(j, Qt::LeftButton, Qt::NoModifier, QPoint(15, 10));
}

QList<int> Sayilar(const TErasthethenesForm& f)
{
    QList<int> s;
    for (const auto& j : f.Jetonlar())
        if (j)
            s << j->Value;
    return s;
}

// Colour of a token on a grabbed picture of the window, left of its label.
QColor Renk(const QImage& resim, const TErasthethenesForm& f, int sayi)
{
    const QPoint p = f.Jeton(sayi)->mapTo(&f, QPoint(7, 10));
    return resim.pixelColor(p * resim.devicePixelRatio());
}

// Whether anything dark (a label) is drawn in the middle of a token.
bool EtiketVar(const QImage& resim, const TErasthethenesForm& f, int sayi)
{
    SayiShape* j = f.Jeton(sayi);
    for (int x = 9; x < 22; ++x)
        for (int y = 4; y < 17; ++y) {
            const QColor c = resim.pixelColor(j->mapTo(&f, QPoint(x, y)) * resim.devicePixelRatio());
            if (c.red() < 90 && c.green() < 90 && c.blue() < 90)
                return true;
        }
    return false;
}

SayiShape* OdaktakiJeton()
{
    return qobject_cast<SayiShape*>(QApplication::focusWidget());
}

} // namespace

class EratosthenesTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        SayiShape::ShowAllLabels = false;
        QCOMPARE(AcikPencereler(), QStringList());
    }

    void acilis_tahtasi()
    {
        TestOrtami ortam;
        TErasthethenesForm f(nullptr);
        // Columns and rows come from the outer size, frame included; the
        // window opens on the whole screen.
        const QSize dis = f.frameGeometry().size();
        QCOMPARE(f.size(), f.screen()->availableGeometry().size());
        QCOMPARE(f.Olcu(), TahtaOlcusuHesapla(dis.width(), dis.height()));
        QCOMPARE(f.JetonSayisi(), f.Olcu().Konum());
        QCOMPARE(Sayilar(f).size(), 49);
        QCOMPARE(Sayilar(f).first(), 2);
        QCOMPARE(Sayilar(f).last(), 50);
        QCOMPARE(ortam.Kayit, QStringList());
        EkranKaydet(&f, QStringLiteral("eratosthenes_taze"));
        // The untouched board was laid out again for the wider window.
        QCOMPARE(f.Olcu(), TahtaOlcusuHesapla(f.frameGeometry().width(), f.frameGeometry().height()));
        QVERIFY(f.Olcu().Sutun >= 34);
    }

    void iki_sonra_uc()
    {
        TestOrtami ortam;
        TErasthethenesForm f(nullptr);
        // The tour pictures show the board laid out for the projector's width.
        f.setWindowState(Qt::WindowNoState);
        f.resize(1366, 768);
        f.grab();
        const TahtaOlcusu olcu = f.Olcu();
        QVERIFY(olcu.Sutun >= 34);
        const auto isaretli = [](SayiShape* j) {
            return bool(QAccessible::queryAccessibleInterface(j)->state().checked);
        };
        QCOMPARE(OkunanAd(f.Jeton(2)), QStringLiteral("2"));
        QVERIFY(!isaretli(f.Jeton(2)));
        Bas(f.Jeton(2));
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("ses: 1256")});
        // A reader hears what the press made of the token and of its multiples.
        QCOMPARE(OkunanAd(f.Jeton(2)), QStringLiteral("2, asal, işaretlendi"));
        QCOMPARE(OkunanAd(f.Jeton(4)), QStringLiteral("4, asal değil, elendi"));
        QVERIFY(isaretli(f.Jeton(2)) && isaretli(f.Jeton(4)));
        QCOMPARE(f.Jeton(2)->Sekil, SekilTuru::Daire);
        QCOMPARE(f.Jeton(2)->Firca, clAqua);
        QCOMPARE(int(f.Jeton(50)->Mark), 2);
        // A struck token cannot be pressed again.
        Bas(f.Jeton(4));
        QCOMPARE(ortam.Kayit.size(), 1);
        Bas(f.Jeton(3));
        QCOMPARE(ortam.Sesler(), (QList<int>{1256, 1256}));

        const QImage resim = f.grab().toImage();
        QCOMPARE(Renk(resim, f, 2), RenkQ(clAqua));
        QCOMPARE(Renk(resim, f, 3), RenkQ(clAqua));
        QCOMPARE(Renk(resim, f, 9), RenkQ(clRed));
        QCOMPARE(Renk(resim, f, 6), RenkQ(clRed));
        QCOMPARE(Renk(resim, f, 25), RenkQ(clYellow));
        QVERIFY(EtiketVar(resim, f, 3));
        QVERIFY(!EtiketVar(resim, f, 9));
        QVERIFY(EtiketVar(resim, f, 25));
        EkranKaydet(&f, QStringLiteral("eratosthenes_2_ve_3"));

        f.GosterHepsiAction->trigger();
        QCOMPARE(f.BitBtn3->text(), QStringLiteral("Asal Olmayanları Sakla"));
        const QImage hepsi = f.grab().toImage();
        QVERIFY(EtiketVar(hepsi, f, 9));
        QCOMPARE(Renk(hepsi, f, 9), RenkQ(clRed));
        EkranKaydet(&f, QStringLiteral("eratosthenes_asal_olmayanlar"));
        f.GosterHepsiActionExecute();
        QVERIFY(!SayiShape::ShowAllLabels);
        QCOMPARE(f.BitBtn3->text(), QStringLiteral("Asal Olmayanları Göster"));
        // A struck board keeps its tokens and marks when the window changes size;
        // they move to the new rows when they all fit.
        SayiShape* dokuz = f.Jeton(9);
        f.resize(700, 650);
        f.grab();
        QVERIFY(f.Olcu() != olcu);
        QCOMPARE(f.Jeton(9), dokuz);
        QCOMPARE(int(dokuz->Mark), 2);
        QCOMPARE(f.Jeton(2 + f.Olcu().Sutun)->y() - f.Jeton(2)->y(), 25);
        QVERIFY(f.Jeton(50)->geometry().right() < f.width());
    }

    // A struck board that no longer fits the window scrolls to its last token.
    void kucuk_pencerede_tahta_kayar()
    {
        TestOrtami ortam;
        TErasthethenesForm f(nullptr);
        PencereGoster(f);
        f.TahtaKur(SIEVE_UST_SINIR);
        Bas(f.Jeton(2));
        const QRect son = f.Jeton(SIEVE_UST_SINIR)->geometry();
        for (QSize boyut : {QSize(600, 600), QSize(700, 600), QSize(720, 720)}) {
            f.resize(boyut);
            QCoreApplication::processEvents();
            QCOMPARE(f.Jeton(SIEVE_UST_SINIR)->geometry(), son);
            QVERIFY(f.Tahta->rect().contains(son));
            QVERIFY(f.TahtaAlani->horizontalScrollBar()->maximum() > 0);
            const QStringList kesilen = Kesilenler(f);
            QVERIFY2(kesilen.isEmpty(), qPrintable(kesilen.join('\n')));
            if (boyut == QSize(700, 600))
                EkranKaydet(&f, QStringLiteral("eratosthenes_700x600"), false);
        }
        f.TahtaAlani->ensureWidgetVisible(f.Jeton(SIEVE_UST_SINIR));
        const QRect gorunen(-f.Tahta->pos(), f.TahtaAlani->viewport()->size());
        QVERIFY(gorunen.contains(son));
        // Pressing a token still reaches the window through the board.
        Bas(f.Jeton(3));
        QCOMPARE(ortam.Sesler(), (QList<int>{1256, 1256}));
    }

    void problem_gir_data()
    {
        QTest::addColumn<std::optional<QString>>("cevap");
        QTest::addColumn<int>("adet");
        QTest::addColumn<int>("son");
        QTest::newRow("1000") << std::optional<QString>(QStringLiteral("1000")) << 499 << 500;
        QTest::newRow("iptal") << std::optional<QString>() << 99 << 100;
        QTest::newRow("bos") << std::optional<QString>(QString()) << 49 << 50;
        QTest::newRow("sifir") << std::optional<QString>(QStringLiteral("0")) << 0 << 0;
    }
    void problem_gir()
    {
        QFETCH(std::optional<QString>, cevap);
        QFETCH(int, adet);
        QFETCH(int, son);
        TestOrtami ortam;
        TErasthethenesForm f(nullptr);
        f.resize(1024, 768);
        Bas(f.Jeton(2));
        SayiShape* eski = f.Jeton(7);
        ortam.Girdiler.push_back(cevap);
        ortam.Temizle();
        f.KurActionExecute();
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("girdi: Maksimum sayıyı giriniz | Maksimum Sayı")});
        QVERIFY(f.isEnabled());
        const QList<int> s = Sayilar(f);
        QCOMPARE(s.size(), adet);
        QCOMPARE(s.isEmpty() ? 0 : s.last(), son);
        if (cevap && cevap->isEmpty()) {
            // The board and its marks stay.
            QCOMPARE(f.Jeton(7), eski);
            QCOMPARE(int(f.Jeton(4)->Mark), 2);
        } else {
            for (const auto& j : f.Jetonlar())
                if (j)
                    QCOMPARE(int(j->Mark), 0);
        }
    }

    // The whole sieve by keys: Tab onto the board, then along the tokens,
    // Space on every token still unmarked. Only primes are left to press,
    // so every press sounds right, and in the end every token is marked.
    void klavyeyle_eleme()
    {
        TestOrtami ortam;
        TErasthethenesForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
        int tuslar = 0;
        tuslar += KosulaKadarSekme([] { return OdaktakiJeton() != nullptr; }, 20);
        QCOMPARE(OdaktakiJeton(), f.Jeton(2));
        const int adet = Sayilar(f).size();
        for (int i = 0; i < adet; ++i) {
            SayiShape* j = OdaktakiJeton();
            QVERIFY(j);
            if (j->Mark == 0)
                tuslar += TuslaraBas({Qt::Key_Space});
            if (i + 1 < adet)
                tuslar += TuslaraBas({Qt::Key_Right});
        }
        QCOMPARE(OdaktakiJeton(), f.Jeton(50));
        for (const auto& j : f.Jetonlar())
            if (j)
                QCOMPARE(int(j->Mark), 2);
        // 2, 3, 5, ..., 47: the fifteen primes, each with the right sound.
        QCOMPARE(ortam.Sesler(), QList<int>(15, 1256));
        qInfo("eleme %d tuşla bitti", tuslar);

        // Down keeps the column, and Tab leaves the board in one step.
        tuslar += TuslaraBas({Qt::Key_Home});
        tuslar += TuslaraBas({Qt::Key_Down});
        QCOMPARE(OdaktakiJeton(), f.Jeton(2 + f.Olcu().Sutun));
        tuslar += TuslaraBas({Qt::Key_Tab});
        QVERIFY(!OdaktakiJeton());
        tuslar += TuslaraBas({Qt::Key_Backtab});
        QCOMPARE(OdaktakiJeton(), f.Jeton(2 + f.Olcu().Sutun));
    }

    // On a struck board larger than its window, the token the keys reach is scrolled into view.
    void klavyeyle_kayan_tahta()
    {
        TestOrtami ortam;
        TErasthethenesForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
        f.TahtaKur(SIEVE_UST_SINIR);
        KosulaKadarSekme([] { return OdaktakiJeton() != nullptr; }, 20);
        TuslaraBas({Qt::Key_Space});
        f.resize(600, 600);
        QCoreApplication::processEvents();
        QVERIFY(f.TahtaAlani->verticalScrollBar()->maximum() > 0);
        QCOMPARE(f.TahtaAlani->verticalScrollBar()->value(), 0);
        TuslaraBas({Qt::Key_End});
        QCOMPARE(OdaktakiJeton(), f.Jeton(SIEVE_UST_SINIR));
        const QRect gorunen(-f.Tahta->pos(), f.TahtaAlani->viewport()->size());
        QVERIFY(gorunen.contains(f.Jeton(SIEVE_UST_SINIR)->geometry()));
        f.close();
    }

    void uzerinde_gezinme_ve_sifirla()
    {
        TestOrtami ortam;
        TErasthethenesForm f(nullptr);
        for (int n : {5, 6, 7, 8})
            QTest::mouseMove(f.Jeton(n), QPoint(10, 10));
        for (int n : {5, 6, 7, 8})
            f.Jeton(n)->Hover();
        int gri = 0;
        for (const auto& j : f.Jetonlar())
            gri += j && j->Firca == clGray;
        QCOMPARE(gri, 1);
        QCOMPARE(SayiShape::Hovered.data(), f.Jeton(8));
        f.ResetActionExecute();
        QVERIFY(!SayiShape::Hovered);
        QVERIFY(f.isEnabled());
    }
};

#include "eratostehnesformu_test.moc"
ORVANTA_TEST(EratosthenesTesti)
