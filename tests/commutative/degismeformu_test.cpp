#include "degismeformu.h"
#include "degismemodel.h"
#include "islemtablosu.h"
#include "testana.h"
#include "testortami.h"

#include <QAction>
#include <QHeaderView>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {
// A shown window of the tour size.
void Boyutla(TTheDegismeForm& f)
{
    f.setWindowState(Qt::WindowNoState);
    f.resize(1366, 768);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
}

// Where cell (c, r) of the table lies inside the grid, as the pupil sees it.
QRect HucreAlani(const IslemTablosu* g, int c, int r)
{
    if (c == 0 && r == 0)
        return QRect(g->frameWidth(), g->frameWidth(), BASLIK_SUTUNU_GENISLIGI, SATIR_YUKSEKLIGI);
    if (r == 0) {
        const QHeaderView* h = g->horizontalHeader();
        return QRect(h->mapTo(g, QPoint(h->sectionViewportPosition(c - 1), 0)), QSize(h->sectionSize(c - 1), h->height()));
    }
    if (c == 0) {
        const QHeaderView* h = g->verticalHeader();
        return QRect(h->mapTo(g, QPoint(0, h->sectionViewportPosition(r - 1))), QSize(h->width(), h->sectionSize(r - 1)));
    }
    const QRect alan = g->visualRect(g->model()->index(r - 1, c - 1));
    return QRect(g->viewport()->mapTo(g, alan.topLeft()), alan.size());
}

// The background of a cell and whether its text has pixels of colour `yazi`.
struct Boyali
{
    TRenk zemin;
    bool yaziVar;
};
Boyali Hucre(const QImage& resim, const IslemTablosu* g, int c, int r, TRenk yazi)
{
    const QRect alan = HucreAlani(g, c, r);
    const qreal o = resim.devicePixelRatio();
    Boyali b{QRenk(resim.pixelColor((alan.bottomRight() - QPoint(3, 3)) * o)), false};
    for (int x = alan.left() + 2; x < alan.right() - 1 && !b.yaziVar; ++x)
        for (int y = alan.top() + 2; y < alan.bottom() - 1 && !b.yaziVar; ++y)
            b.yaziVar = QRenk(resim.pixelColor(QPoint(x, y) * o)) == yazi;
    return b;
}

QImage Resim(IslemTablosu* g)
{
    return g->grab().toImage();
}
} // namespace

class DegismeFormuTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    // The colours of every cell state, read from a grabbed grid.
    void renkler()
    {
        TestOrtami ortam;
        TTheDegismeForm f(nullptr);
        Boyutla(f);
        IslemTablosu* g = f.StringGrid1;
        QCOMPARE(g->size(), QSize(485, 390));
        QCOMPARE(g->GecerliHucre(), QPoint(1, 1));

        g->GecerliHucreAyarla(4, 6);
        f.RadioButton7->click();
        QImage resim = Resim(g);
        const Boyali kose = Hucre(resim, g, 0, 0, clRed);
        QVERIFY(kose.zemin == clAqua && kose.yaziVar);
        for (QPoint p : {QPoint(4, 0), QPoint(0, 6)}) {
            const Boyali b = Hucre(resim, g, p.x(), p.y(), clRed);
            QVERIFY(b.zemin == clAqua && b.yaziVar);
        }
        const Boyali secili = Hucre(resim, g, 4, 6, clRed);
        QVERIFY(secili.zemin == clBlue && secili.yaziVar);
        for (QPoint p : {QPoint(6, 4), QPoint(9, 1), QPoint(1, 9)}) {
            const Boyali b = Hucre(resim, g, p.x(), p.y(), clRed);
            QVERIFY2(b.zemin == clTeal && b.yaziVar, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
        const Boyali siradan = Hucre(resim, g, 5, 4, clBlue);
        QVERIFY(siradan.zemin == clWhite && siradan.yaziVar);
        EkranKaydet(&f, QStringLiteral("degisme_ayni_degerler"));

        // The highlights follow the arrow keys.
        QTest::keyClick(g, Qt::Key_Right);
        QCOMPARE(g->GecerliHucre(), QPoint(5, 6));
        resim = Resim(g);
        QCOMPARE(Hucre(resim, g, 6, 4, clRed).zemin, clWhite);
        QCOMPARE(Hucre(resim, g, 6, 5, clRed).zemin, clTeal);

        f.RadioButton6->click();
        f.RadioButton8->click();
        resim = Resim(g);
        QCOMPARE(g->Tablo().HucreMetni(0, 0), QStringLiteral("*"));
        QCOMPARE(Hucre(resim, g, 2, 7, clRed).zemin, clTeal);
        QCOMPARE(Hucre(resim, g, 8, 2, clRed).zemin, clTeal);
        QCOMPARE(Hucre(resim, g, 1, 7, clBlue).zemin, clWhite);
        QCOMPARE(Hucre(resim, g, 5, 6, clRed).zemin, clBlue);
        EkranKaydet(&f, QStringLiteral("degisme_carpma_etkisiz"));
        QCOMPARE(ortam.Kayit, QStringList());
    }

    void kendin_gir_ve_boyut()
    {
        TestOrtami ortam;
        TTheDegismeForm f(nullptr);
        Boyutla(f);
        IslemTablosu* g = f.StringGrid1;
        ortam.Girdiler = {QStringLiteral("12,7,3,25,3,8")};
        f.KendinGirAction->trigger();
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("girdi: Başlangıç Sayıları | Başlangıç sayılarını giriniz:")});
        QCOMPARE(g->model()->columnCount(), 6);
        QCOMPARE(g->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("3"));
        QCOMPARE(g->model()->index(5, 5).data().toString(), QStringLiteral("50"));
        QTRY_COMPARE(g->size(), QSize(313, 246));
        f.RadioButton7->click();
        g->GecerliHucreAyarla(2, 4);
        EkranKaydet(&f, QStringLiteral("degisme_kendin_gir"));

        ortam.Temizle();
        ortam.Girdiler = {std::nullopt, QStringLiteral("6"), QStringLiteral("abc"), QStringLiteral("4")};
        f.KendinGirAction->trigger();
        f.BoyutDegistirAction->trigger();
        f.BoyutDegistirAction->trigger();
        QCOMPARE(g->model()->headerData(5, Qt::Vertical).toString(), QStringLiteral("25"));
        f.BoyutDegistirAction->trigger();
        QCOMPARE(ortam.Kayit.count(QStringLiteral("girdi: Boyut girişi | Yeni Boyutu giriniz:")), 3);
        QCOMPARE(g->model()->headerData(3, Qt::Vertical).toString(), QStringLiteral("3"));
        QCOMPARE(g->GecerliHucre(), QPoint(2, 4));
        QTRY_COMPARE(g->size(), QSize(227, 174));

        // Numbers too long for a cell end in "…"; the tooltip holds them whole.
        ortam.Girdiler = {QStringLiteral("-99999,999, 25,+7")};
        f.KendinGirAction->trigger();
        f.RadioButton6->click();
        QCOMPARE(g->model()->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("9999800001"));
        QCOMPARE(g->model()->headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral(" 25"));
        QCOMPARE(g->model()->index(1, 2).data().toString(), QStringLiteral("175"));
        EkranKaydet(&f, QStringLiteral("degisme_uzun_sayilar"));
    }

    // A table of 200 heads scrolls inside the window, its heads stay in sight.
    void buyuk_tablo()
    {
        TestOrtami ortam;
        TTheDegismeForm f(nullptr);
        Boyutla(f);
        IslemTablosu* g = f.StringGrid1;
        QStringList sayilar;
        for (int i = 200; i > 0; --i)
            sayilar << QString::number(i * 5);
        ortam.Girdiler = {sayilar.join(QLatin1Char(','))};
        f.KendinGirAction->trigger();
        QVERIFY(g->geometry().bottom() < f.height() && g->geometry().right() < f.width());
        // Only whole cells are seen, also after scrolling to the far end.
        QCOMPARE(g->viewport()->width() % SUTUN_GENISLIGI, 0);
        QCOMPARE(g->viewport()->height() % SATIR_YUKSEKLIGI, 0);
        QVERIFY(f.Secenekler->geometry().right() < f.width());
        f.RadioButton7->click();
        g->GecerliHucreAyarla(120, 130);
        g->scrollTo(g->model()->index(129, 119), QAbstractItemView::PositionAtCenter);
        QVERIFY(g->horizontalScrollBar()->value() > 0 && g->verticalScrollBar()->value() > 0);
        QCOMPARE(g->horizontalHeader()->offset() % SUTUN_GENISLIGI, 0);
        EkranKaydet(&f, QStringLiteral("degisme_200_baslik"));
        QTest::keyClick(g, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(g->GecerliHucre(), QPoint(200, 200));
        QCOMPARE(g->horizontalHeader()->offset() % SUTUN_GENISLIGI, 0);
        QCOMPARE(g->verticalHeader()->offset() % SATIR_YUKSEKLIGI, 0);
    }

    // Ten thousand pasted heads, a far cell selected, then a table too small
    // for it and one with no inner cells: nothing is marked, nothing breaks.
    void on_bin_baslik_ve_kuculme()
    {
        TestOrtami ortam;
        TTheDegismeForm f(nullptr);
        Boyutla(f);
        IslemTablosu* g = f.StringGrid1;
        QStringList sayilar;
        for (int i = 0; i < 10000; ++i)
            sayilar << QString::number((i * 7919) % 2000 - 1000);
        ortam.Girdiler = {sayilar.join(QLatin1Char(',')), QStringLiteral("5"), QStringLiteral("-5")};
        f.KendinGirAction->trigger();
        QCOMPARE(g->model()->rowCount(), 10000);
        QCOMPARE(g->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("-1000"));
        QCOMPARE(g->model()->headerData(9999, Qt::Vertical).toString(), QStringLiteral("999"));
        QVERIFY(g->geometry().bottom() < f.height());
        f.RadioButton7->click();
        g->GecerliHucreAyarla(9000, 9500);
        g->scrollTo(g->currentIndex());
        Resim(g);

        f.BoyutDegistirAction->trigger();
        QCOMPARE(g->model()->rowCount(), 5);
        QCOMPARE(g->GecerliHucre(), QPoint(-1, -1));
        QImage resim = Resim(g);
        for (int c = 1; c <= 5; ++c)
            for (int r = 1; r <= 5; ++r)
                QCOMPARE(Hucre(resim, g, c, r, clBlue).zemin, clWhite);

        f.BoyutDegistirAction->trigger();
        QCOMPARE(g->model()->rowCount(), 0);
        QCOMPARE(g->size(), QSize(55, 30));
        resim = Resim(g);
        QCOMPARE(Hucre(resim, g, 0, 0, clRed).zemin, clAqua);
        for (Qt::Key tus : {Qt::Key_Right, Qt::Key_Down, Qt::Key_End, Qt::Key_PageDown})
            QTest::keyClick(g, tus);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(g->GecerliHucre(), QPoint(-1, -1));
        f.RadioButton6->click();
        QCOMPARE(g->Tablo().HucreMetni(0, 0), QStringLiteral("*"));
        QCOMPARE(ortam.Kayit.size(), 3);
    }
};

#include "degismeformu_test.moc"
ORVANTA_TEST(DegismeFormuTesti)
