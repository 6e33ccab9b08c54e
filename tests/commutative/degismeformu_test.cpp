#include "degismeformu.h"
#include "degismemodel.h"
#include "islemtablosu.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {
// Whether cell (c, r) of the grabbed grid has the background `zemin` and
// pixels of the text colour `yazi` (no text: `yazi` is clNone).
bool Boyali(const QImage& resim, const IslemTablosu* g, int c, int r, TRenk zemin, TRenk yazi)
{
    QRect alan(0, 0, BASLIK_SUTUNU_GENISLIGI, SATIR_YUKSEKLIGI);
    if (r == 0 && c > 0)
        alan = QRect(g->horizontalHeader()->sectionViewportPosition(c - 1) + BASLIK_SUTUNU_GENISLIGI, 0,
                     SUTUN_GENISLIGI, SATIR_YUKSEKLIGI);
    else if (c == 0 && r > 0)
        alan = QRect(0, g->verticalHeader()->sectionViewportPosition(r - 1) + SATIR_YUKSEKLIGI,
                     BASLIK_SUTUNU_GENISLIGI, SATIR_YUKSEKLIGI);
    else if (c > 0)
        alan = g->visualRect(g->model()->index(r - 1, c - 1)).translated(g->viewport()->pos());
    const qreal o = resim.devicePixelRatio();
    bool yaziVar = yazi == clNone;
    for (int x = alan.left() + 2; x < alan.right() - 1 && !yaziVar; ++x)
        for (int y = alan.top() + 2; y < alan.bottom() - 1 && !yaziVar; ++y)
            yaziVar = QRenk(resim.pixelColor(QPoint(x, y) * o)) == yazi;
    return yaziVar && QRenk(resim.pixelColor((alan.bottomRight() - QPoint(3, 3)) * o)) == zemin;
}

QImage Resim(IslemTablosu* g)
{
    return g->grab().toImage();
}

QString Sayilar(int adet, int (*sayi)(int))
{
    QStringList s;
    for (int i = 0; i < adet; ++i)
        s << QString::number(sayi(i));
    return s.join(QLatin1Char(','));
}
// The name a reader gives inner cell (c, r), the table's own counting.
QString HucreAdi(IslemTablosu* g, int c, int r)
{
    QAccessibleInterface* tablo = QAccessible::queryAccessibleInterface(g);
    QAccessibleTableInterface* tablolu = tablo ? tablo->tableInterface() : nullptr;
    QAccessibleInterface* hucre = tablolu ? tablolu->cellAt(r - 1, c - 1) : nullptr;
    return hucre ? hucre->text(QAccessible::Name) : QStringLiteral("(yok)");
}
} // namespace

class DegismeFormuTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    // The colours of every cell state, on a grabbed grid.
    void renkler()
    {
        TestOrtami ortam;
        TTheDegismeForm f(nullptr);
        PencereGoster(f);
        IslemTablosu* g = f.StringGrid1;
        QCOMPARE(g->GecerliHucre(), QPoint(1, 1));
        g->GecerliHucreAyarla(4, 6);
        f.RadioButton7->click();
        QImage resim = Resim(g);
        for (QPoint p : {QPoint(0, 0), QPoint(4, 0), QPoint(0, 6)})
            QVERIFY(Boyali(resim, g, p.x(), p.y(), clAqua, clRed));
        QVERIFY(Boyali(resim, g, 4, 6, clBlue, clRed));
        for (QPoint p : {QPoint(6, 4), QPoint(9, 1), QPoint(1, 9)})
            QVERIFY(Boyali(resim, g, p.x(), p.y(), clTeal, clRed));
        QVERIFY(Boyali(resim, g, 5, 4, clWhite, clBlue));
        EkranKaydet(&f, QStringLiteral("degisme_ayni_degerler"));
        // A reader hears the highlight with the cell, and the operation at the corner.
        auto* kose = g->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(kose);
        QCOMPARE(OkunanAd(kose), QStringLiteral("işlem: toplama"));
        QCOMPARE(HucreAdi(g, 6, 4), QStringLiteral("8, 5 + 3, vurgulu"));
        QCOMPARE(HucreAdi(g, 1, 1), QStringLiteral("0, 0 + 0"));

        // The highlights follow the arrow keys.
        QTest::keyClick(g, Qt::Key_Right);
        QCOMPARE(g->GecerliHucre(), QPoint(5, 6));
        resim = Resim(g);
        QVERIFY(Boyali(resim, g, 6, 4, clWhite, clBlue) && Boyali(resim, g, 6, 5, clTeal, clRed));
        QCOMPARE(HucreAdi(g, 6, 4), QStringLiteral("8, 5 + 3"));
        // Control and a click take the selection off the cell; it keeps the focus.
        const QRect hucre = g->visualRect(g->currentIndex());
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ControlModifier, hucre.center());
        QVERIFY(Boyali(Resim(g), g, 5, 6, clTeal, clRed));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, hucre.center());

        f.RadioButton6->click();
        f.RadioButton8->click();
        resim = Resim(g);
        QVERIFY(Boyali(resim, g, 0, 0, clAqua, clRed));
        QCOMPARE(g->Tablo().HucreMetni(0, 0), QStringLiteral("*"));
        QVERIFY(Boyali(resim, g, 2, 7, clTeal, clRed) && Boyali(resim, g, 8, 2, clTeal, clRed));
        QVERIFY(Boyali(resim, g, 1, 7, clWhite, clBlue) && Boyali(resim, g, 5, 6, clBlue, clRed));
        EkranKaydet(&f, QStringLiteral("degisme_carpma_etkisiz"));
        QCOMPARE(OkunanAd(kose), QStringLiteral("işlem: çarpma"));
        QCOMPARE(HucreAdi(g, 2, 5), QStringLiteral("4, 1 × 4, vurgulu"));
        QCOMPARE(ortam.Kayit, QStringList());
    }

    void kendin_gir_ve_boyut()
    {
        TestOrtami ortam;
        TTheDegismeForm f(nullptr);
        PencereGoster(f);
        IslemTablosu* g = f.StringGrid1;
        ortam.Girdiler = {QStringLiteral("12,7,3,25,3,8"), std::nullopt, QStringLiteral("6"),
                          QStringLiteral("abc"), QStringLiteral("4")};
        f.KendinGirAction->trigger();
        QCOMPARE(ortam.Kayit, QStringList{"girdi: Başlangıç Sayıları | Başlangıç sayılarını giriniz:"});
        QCOMPARE(g->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("3"));
        QCOMPARE(g->model()->index(5, 5).data().toString(), QStringLiteral("50"));
        f.RadioButton7->click();
        g->GecerliHucreAyarla(2, 4);
        EkranKaydet(&f, QStringLiteral("degisme_kendin_gir"));

        // Cancel, the same size, no number: the pupil's heads stay.
        f.KendinGirAction->trigger();
        f.BoyutDegistirAction->trigger();
        f.BoyutDegistirAction->trigger();
        QCOMPARE(g->model()->headerData(5, Qt::Vertical).toString(), QStringLiteral("25"));
        f.BoyutDegistirAction->trigger();
        QCOMPARE(ortam.Kayit.count("girdi: Boyut girişi | Yeni Boyutu giriniz:"), 3);
        QCOMPARE(g->model()->headerData(3, Qt::Vertical).toString(), QStringLiteral("3"));
        QCOMPARE(g->GecerliHucre(), QPoint(2, 4));
    }

    // Large tables scroll inside the window a whole cell at a time; a far
    // cell left behind by a smaller table, or by an empty one, marks nothing.
    void buyuk_ve_kuculen_tablo()
    {
        TestOrtami ortam;
        TTheDegismeForm f(nullptr);
        PencereGoster(f);
        IslemTablosu* g = f.StringGrid1;
        ortam.Girdiler = {Sayilar(200, [](int i) { return 1000 - 5 * i; })};
        f.KendinGirAction->trigger();
        QVERIFY(g->geometry().bottom() < f.height() && f.Secenekler->geometry().right() < f.width());
        QCOMPARE(g->viewport()->width() % SUTUN_GENISLIGI, 0);
        QCOMPARE(g->viewport()->height() % SATIR_YUKSEKLIGI, 0);
        f.RadioButton7->click();
        g->GecerliHucreAyarla(120, 130);
        g->scrollTo(g->currentIndex(), QAbstractItemView::PositionAtCenter);
        QVERIFY(g->horizontalScrollBar()->value() > 0 && g->verticalScrollBar()->value() > 0);
        EkranKaydet(&f, QStringLiteral("degisme_200_baslik"));
        QTest::keyClick(g, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(g->GecerliHucre(), QPoint(200, 200));
        QCOMPARE(g->horizontalHeader()->offset() % SUTUN_GENISLIGI, 0);
        QCOMPARE(g->verticalHeader()->offset() % SATIR_YUKSEKLIGI, 0);

        ortam.Girdiler = {Sayilar(10000, [](int i) { return (i * 7919) % 2000 - 1000; }), QStringLiteral("5"),
                          QStringLiteral("-5")};
        f.KendinGirAction->trigger();
        QCOMPARE(g->model()->rowCount(), 10000);
        QCOMPARE(g->model()->headerData(9999, Qt::Vertical).toString(), QStringLiteral("999"));
        g->GecerliHucreAyarla(9000, 9500);
        g->scrollTo(g->currentIndex());
        Resim(g);
        f.BoyutDegistirAction->trigger();
        QCOMPARE(g->GecerliHucre(), QPoint(-1, -1));
        const QImage resim = Resim(g);
        for (int c = 1; c <= 5; ++c)
            for (int r = 1; r <= 5; ++r)
                QVERIFY(Boyali(resim, g, c, r, clWhite, clBlue));

        f.BoyutDegistirAction->trigger();
        QCOMPARE(g->size(), QSize(55, 30));
        QVERIFY(Boyali(Resim(g), g, 0, 0, clAqua, clRed));
        for (Qt::Key tus : {Qt::Key_Right, Qt::Key_Down, Qt::Key_End, Qt::Key_PageDown})
            QTest::keyClick(g, tus);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        f.RadioButton6->click();
        QCOMPARE(g->GecerliHucre(), QPoint(-1, -1));
        QCOMPARE(g->Tablo().HucreMetni(0, 0), QStringLiteral("*"));
    }

    // The mirror of a cell by keys alone: Tab to the display modes, an arrow
    // to "Aynı Değerleri Göster", back to the table and the arrows to the
    // cell of 3 + 5; its mirror 5 + 3 is highlighted with it.
    void klavyeyle_ayna()
    {
        TestOrtami ortam;
        TTheDegismeForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
        QCOMPARE(QApplication::focusWidget(), f.StringGrid1);
        int tuslar = 0;
        tuslar += SekmeIle(f.RadioButton1, false, 10);
        QCOMPARE(QApplication::focusWidget(), f.RadioButton1);
        tuslar += TuslaraBas({Qt::Key_Down});
        QVERIFY(f.RadioButton7->isChecked());
        QCOMPARE(f.Tablo().GosterimTipi(), Gosterim::AyniDegerler);
        tuslar += SekmeIle(f.StringGrid1, true, 10);
        QCOMPARE(QApplication::focusWidget(), f.StringGrid1);
        tuslar += TuslaraBas(QList<int>(3, Qt::Key_Right));
        tuslar += TuslaraBas(QList<int>(5, Qt::Key_Down));
        QCOMPARE(f.StringGrid1->GecerliHucre(), QPoint(4, 6));
        QVERIFY(f.Tablo().Vurgulu(6, 4, 4, 6));
        qInfo("ayna %d tuşla bulundu", tuslar);
        f.close();
    }
};

#include "degismeformu_test.moc"
ORVANTA_TEST(DegismeFormuTesti)
