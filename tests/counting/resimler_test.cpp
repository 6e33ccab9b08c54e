#include "giyimmodeli.h"
#include "giyimresmi.h"
#include "taramadoldurma.h"
#include "testana.h"

#include <QtTest>

namespace {

constexpr TRenk DENEME = 0xFF00FF; // fuchsia: no picture uses it

struct Resim
{
    QString yol;
    QSize olcu;
    std::vector<std::vector<QPoint>> alanlar; // the point groups, each filled with one colour
};

Resim Bul(const QString& ad)
{
    if (ad == QLatin1String("adam"))
        return {QStringLiteral(":/pictures/adam.svg"), ADAM_OLCUSU, {ADAM_GOMLEK_NOKTALARI, ADAM_PANTOLON_NOKTALARI}};
    if (ad == QLatin1String("gomlek"))
        return {QStringLiteral(":/pictures/gomlek.svg"), GOMLEK_SABLONU.Olcu, {GOMLEK_SABLONU.DolguNoktalari}};
    return {QStringLiteral(":/pictures/pantolon.svg"), PANTOLON_SABLONU.Olcu, {PANTOLON_SABLONU.DolguNoktalari}};
}

QRgb Piksel(TRenk r)
{
    return RenkQ(r).rgb();
}

// Pixels of colour `renk` that touch (4-neighbour) anything but `renk` and the outline.
int AcikKenarlar(const QImage& resim, TRenk renk)
{
    const QRgb dolgu = Piksel(renk), cizgi = Piksel(GIYSI_CIZGISI);
    int acik = 0;
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x) {
            if (resim.pixel(x, y) != dolgu)
                continue;
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint k(x + d.x(), y + d.y());
                if (!resim.valid(k) || (resim.pixel(k) != dolgu && resim.pixel(k) != cizgi))
                    ++acik;
            }
        }
    return acik;
}

int Say(const QImage& resim, TRenk renk)
{
    int n = 0;
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x)
            n += resim.pixel(x, y) == Piksel(renk);
    return n;
}

} // namespace

// The pictures of the man and of the two garment templates, drawn as the
// window draws them, at the pixel ratios of ordinary and dense screens.
class GiyimResimleriTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void alanlar_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<qreal>("oran");
        for (const char* ad : {"adam", "gomlek", "pantolon"})
            for (qreal oran : {1.0, 1.25, 1.5, 2.0, 3.0})
                QTest::addRow("%s_%g", ad, oran) << QString::fromLatin1(ad) << oran;
    }
    // Every fill area is white, holds its points, and is closed on every side
    // by the outline colour: a fill changes that area and nothing else.
    void alanlar()
    {
        QFETCH(QString, ad);
        QFETCH(qreal, oran);
        const Resim r = Bul(ad);
        const QImage cizim = GiyimResmi::Cizim(r.yol, r.olcu, oran);
        QCOMPARE(cizim.deviceIndependentSize().toSize(), r.olcu);
        const QImage hazir = BoyamayaHazirla(cizim);
        QCOMPARE(hazir.devicePixelRatio(), oran);
        QCOMPARE(hazir.format(), QImage::Format_RGB32);
        for (const auto& alan : r.alanlar)
            for (const QPoint& p : alan)
                QCOMPARE(RenkOrnegi(hazir, p), clWhite);

        for (size_t i = 0; i < r.alanlar.size(); ++i) {
            QImage boyali = hazir;
            NoktalardanDoldur(boyali, r.alanlar[i], DENEME);
            // A garment, not a stray pixel or two.
            QVERIFY(Say(boyali, DENEME) > 300 * oran * oran);
            for (const QPoint& p : r.alanlar[i])
                QCOMPARE(RenkOrnegi(boyali, p), DENEME);
            QCOMPARE(AcikKenarlar(boyali, DENEME), 0);
            QCOMPARE(boyali.pixel(0, 0), Piksel(clWhite));
            // The other area keeps its white.
            for (size_t j = 0; j < r.alanlar.size(); ++j)
                if (j != i)
                    for (const QPoint& p : r.alanlar[j])
                        QCOMPARE(RenkOrnegi(boyali, p), clWhite);
        }

        // The white around the figure reaches no area.
        QImage zemin = hazir;
        QVERIFY(YuzeyDoldur(zemin, QPoint(0, 0), DENEME) > 0);
        for (const auto& alan : r.alanlar)
            for (const QPoint& p : alan)
                QCOMPARE(RenkOrnegi(zemin, p), clWhite);
    }

    void kirmizi_kirmizi_mavi_data()
    {
        QTest::addColumn<qreal>("oran");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
    }
    // Shirt and trousers of one colour touch only through the belt: a new
    // shirt leaves the trousers as they were.
    void kirmizi_kirmizi_mavi()
    {
        QFETCH(qreal, oran);
        QImage adam = BoyamayaHazirla(GiyimResmi::Cizim(QStringLiteral(":/pictures/adam.svg"), ADAM_OLCUSU, oran));
        NoktalardanDoldur(adam, ADAM_GOMLEK_NOKTALARI, clRed);
        NoktalardanDoldur(adam, ADAM_PANTOLON_NOKTALARI, clRed);
        const QImage kirmizi = adam;
        NoktalardanDoldur(adam, ADAM_GOMLEK_NOKTALARI, clBlue);
        for (const QPoint& p : ADAM_GOMLEK_NOKTALARI)
            QCOMPARE(RenkOrnegi(adam, p), clBlue);
        QCOMPARE(RenkOrnegi(adam, ADAM_PANTOLON_NOKTALARI.front()), clRed);
        // Back to white, like the background: still nothing but the shirt changes.
        NoktalardanDoldur(adam, ADAM_GOMLEK_NOKTALARI, clWhite);
        NoktalardanDoldur(adam, ADAM_GOMLEK_NOKTALARI, clRed);
        QCOMPARE(adam, kirmizi);
    }

    // The picture shown keeps the drawing's soft edge against the background
    // and shows the fills inside.
    void gorunum()
    {
        QWidget ebeveyn;
        GiyimResmi adam(&ebeveyn, GiyimResmi::Cizim(QStringLiteral(":/pictures/adam.svg"), ADAM_OLCUSU, 2.0));
        QCOMPARE(adam.Olcu(), ADAM_OLCUSU);
        adam.Doldur(ADAM_PANTOLON_NOKTALARI, clGreen);
        const QImage g = adam.Gorunum();
        QCOMPARE(g.devicePixelRatio(), 2.0);
        QCOMPARE(qAlpha(g.pixel(0, 0)), 0);
        QCOMPARE(g.pixelColor(ADAM_PANTOLON_NOKTALARI.front() * 2), RenkQ(clGreen));
        QCOMPARE(adam.Renk(ADAM_PANTOLON_NOKTALARI.front()), clGreen);
    }
};

#include "resimler_test.moc"
ORVANTA_TEST(GiyimResimleriTesti)
