#include "giyimmodeli.h"
#include "giyimresmi.h"
#include "taramadoldurma.h"
#include "testana.h"

#include <QtTest>

namespace {

constexpr TRenk DENEME = clFuchsia; // no picture has it

// Pixels of colour `renk` beside (4-neighbour) anything but `renk` and the outline.
int AcikKenarlar(const QImage& resim, TRenk renk)
{
    const QRgb dolgu = RenkQ(renk).rgb(), cizgi = RenkQ(GIYSI_CIZGISI).rgb();
    int acik = 0;
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x)
            if (resim.pixel(x, y) == dolgu)
                for (const QPoint k : {QPoint(x + 1, y), QPoint(x - 1, y), QPoint(x, y + 1), QPoint(x, y - 1)})
                    acik += !resim.valid(k) || (resim.pixel(k) != dolgu && resim.pixel(k) != cizgi);
    return acik;
}

QImage Adam(qreal oran)
{
    return BoyamayaHazirla(GiyimResmi::Cizim(QStringLiteral(":/pictures/adam.svg"), ADAM_OLCUSU, oran));
}

} // namespace

// The pictures of the man and of the garment templates, drawn as the window
// draws them, at the pixel ratios of ordinary and dense screens.
class GiyimResimleriTesti : public QObject
{
    Q_OBJECT

private slots:
    void alanlar_data()
    {
        QTest::addColumn<QString>("yol");
        QTest::addColumn<QSize>("olcu");
        QTest::addColumn<QList<std::vector<QPoint>>>("alanlar");
        QTest::addColumn<qreal>("oran");
        for (qreal oran : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            QTest::addRow("adam_%g", oran) << QStringLiteral(":/pictures/adam.svg") << ADAM_OLCUSU
                                           << QList<std::vector<QPoint>>{ADAM_GOMLEK_NOKTALARI, ADAM_PANTOLON_NOKTALARI}
                                           << oran;
            QTest::addRow("gomlek_%g", oran) << QStringLiteral(":/pictures/gomlek.svg") << GOMLEK_SABLONU.Olcu
                                             << QList<std::vector<QPoint>>{GOMLEK_SABLONU.DolguNoktalari} << oran;
            QTest::addRow("pantolon_%g", oran) << QStringLiteral(":/pictures/pantolon.svg") << PANTOLON_SABLONU.Olcu
                                               << QList<std::vector<QPoint>>{PANTOLON_SABLONU.DolguNoktalari} << oran;
        }
    }
    // Every fill area holds its points and is closed on every side by the
    // outline colour: a fill changes its own area and nothing else, and the
    // white around the figure reaches no area.
    void alanlar()
    {
        QFETCH(QString, yol);
        QFETCH(QSize, olcu);
        QFETCH(QList<std::vector<QPoint>>, alanlar);
        QFETCH(qreal, oran);
        const QImage hazir = BoyamayaHazirla(GiyimResmi::Cizim(yol, olcu, oran));
        QCOMPARE(hazir.devicePixelRatio(), oran);
        QCOMPARE(hazir.deviceIndependentSize().toSize(), olcu);
        for (int i = 0; i < alanlar.size(); ++i) {
            QImage boyali = hazir;
            QVERIFY(NoktalardanDoldur(boyali, alanlar[i], DENEME) > 300 * oran * oran);
            QCOMPARE(AcikKenarlar(boyali, DENEME), 0);
            for (int j = 0; j < alanlar.size(); ++j)
                for (const QPoint& p : alanlar[j])
                    QCOMPARE(RenkOrnegi(boyali, p), i == j ? DENEME : clWhite);
        }
        QImage zemin = hazir;
        QVERIFY(YuzeyDoldur(zemin, QPoint(0, 0), DENEME) > 0);
        for (const auto& alan : alanlar)
            for (const QPoint& p : alan)
                QCOMPARE(RenkOrnegi(zemin, p), clWhite);
    }

    void kirmizi_kirmizi_mavi_data()
    {
        QTest::addColumn<qreal>("oran");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
    }
    // Red shirt with red trousers, then a blue shirt: the trousers stay red;
    // and a shirt that goes white like the ground still stays in its area.
    void kirmizi_kirmizi_mavi()
    {
        QFETCH(qreal, oran);
        QImage adam = Adam(oran);
        NoktalardanDoldur(adam, ADAM_GOMLEK_NOKTALARI, clRed);
        NoktalardanDoldur(adam, ADAM_PANTOLON_NOKTALARI, clRed);
        const QImage kirmizi = adam;
        NoktalardanDoldur(adam, ADAM_GOMLEK_NOKTALARI, clBlue);
        for (const QPoint& p : ADAM_GOMLEK_NOKTALARI)
            QCOMPARE(RenkOrnegi(adam, p), clBlue);
        QCOMPARE(RenkOrnegi(adam, ADAM_PANTOLON_NOKTALARI[0]), clRed);
        NoktalardanDoldur(adam, ADAM_GOMLEK_NOKTALARI, clWhite);
        NoktalardanDoldur(adam, ADAM_GOMLEK_NOKTALARI, clRed);
        QCOMPARE(adam, kirmizi);
    }
};

#include "giyimresmi_test.moc"
ORVANTA_TEST(GiyimResimleriTesti)
