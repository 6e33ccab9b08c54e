#include "resimkutusu.h"
#include "svgcizim.h"
#include "testana.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>

class ResimKutusuTesti : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    // A picture stands at its natural size in logical pixels, or at the size
    // it was made for or given later, and shows the picture drawn at that
    // size, whichever way it was drawn: the small exit picture at once, the
    // large board on a second thread (whose drawing for a size the box no
    // longer has is not shown).
    void boyutunda_gosterilir_data()
    {
        QTest::addColumn<QString>("yol");
        QTest::addColumn<QSize>("istenen");
        QTest::addColumn<QSize>("sonradan");
        QTest::addColumn<QSize>("boyut");
        const QString cikis = QStringLiteral(":/pictures/cikis.svg");
        const QString tahta = QStringLiteral(":/pictures/tahta.svg");
        QTest::newRow("kucuk") << cikis << QSize() << QSize() << QSize(127, 42);
        QTest::newRow("buyuk") << tahta << QSize() << QSize() << QSize(1000, 640);
        QTest::newRow("kucuk buyutulmus") << cikis << QSize() << QSize(254, 84) << QSize(254, 84);
        QTest::newRow("buyuk istenen boyutta") << tahta << QSize(1200, 768) << QSize() << QSize(1200, 768);
        QTest::newRow("buyuk sonradan buyutulmus") << tahta << QSize() << QSize(1200, 768) << QSize(1200, 768);
        QTest::newRow("buyuk sonradan kucultulmus") << tahta << QSize(1200, 768) << QSize(500, 320) << QSize(500, 320);
    }
    void boyutunda_gosterilir()
    {
        QFETCH(QString, yol);
        QFETCH(QSize, istenen);
        QFETCH(QSize, sonradan);
        QFETCH(QSize, boyut);
        ResimKutusu kutu(yol, nullptr, istenen);
        kutu.Boyutla(sonradan);
        QCOMPARE(kutu.size(), boyut);
        QCOMPARE(kutu.sizeHint(), boyut);
        const QImage ekran = kutu.grab().toImage();
        const QImage resim = ResimKutusu::SvgCiz(yol, boyut, ekran.devicePixelRatio());
        int karsilastirilan = 0;
        const QString fark = ResimFarki(ekran, resim, 7, karsilastirilan);
        QVERIFY2(fark.isEmpty(), qPrintable(fark));
        QVERIFY(karsilastirilan > 20);
    }

    // Sharp at any device pixel ratio: drawn with the ratio's pixels, shown
    // at the natural size; asked for another size, drawn to that size.
    void piksel_oraninda_cizilir()
    {
        for (qreal oran : {1.0, 1.5, 2.0}) {
            const QPixmap p = ResimKutusu::Resim(QStringLiteral(":/pictures/anamenu.svg"), QSize(), oran);
            QCOMPARE(p.devicePixelRatio(), oran);
            QCOMPARE(p.size(), QSize(qRound(48 * oran), qRound(48 * oran)));
            QCOMPARE(p.deviceIndependentSize().toSize(), QSize(48, 48));
        }
        QCOMPARE(ResimKutusu::Resim(QStringLiteral(":/pictures/tahta.svg"), QSize(100, 64)).size(), QSize(100, 64));
    }

    // The board is drawn at build time: its packed pixels are what drawing
    // the SVG gives, and they stand in for it only at the board's natural
    // size and a pixel ratio of one.
    void tahta_onceden_cizilmistir()
    {
        const QString tahta = QStringLiteral(":/pictures/tahta.svg");
        const QImage hazir = ResimKutusu::OncedenCizilmis(tahta, QSize(1000, 640));
        QVERIFY(!hazir.isNull());
        QCOMPARE(hazir, SvgCizim(tahta, QSize(1000, 640), 1.0));
        QCOMPARE(ResimKutusu::SvgCiz(tahta, QSize(1000, 640), 1.0), hazir);
        QVERIFY(ResimKutusu::OncedenCizilmis(tahta, QSize(500, 320)).isNull());
        QVERIFY(ResimKutusu::OncedenCizilmis(tahta, QSize()).isNull());
        QVERIFY(ResimKutusu::OncedenCizilmis(QStringLiteral(":/pictures/cikis.svg"), QSize(127, 42)).isNull());
        const QImage iki = ResimKutusu::SvgCiz(tahta, QSize(1000, 640), 2.0);
        QCOMPARE(iki.size(), QSize(2000, 1280));
        QCOMPARE(iki.devicePixelRatio(), 2.0);
    }

    // A PNG is scaled to the size asked for; a picture that is not there
    // gives an empty box of one pixel, and painting it breaks nothing.
    void png_ve_eksik_resim()
    {
        QTemporaryDir klasor;
        QImage kirmizi(20, 10, QImage::Format_RGB32);
        kirmizi.fill(Qt::red);
        const QString yol = klasor.filePath(QStringLiteral("kirmizi.png"));
        QVERIFY(kirmizi.save(yol));
        const QPixmap buyuk = ResimKutusu::Resim(yol, QSize(40, 20), 2.0);
        QCOMPARE(buyuk.size(), QSize(80, 40));
        QCOMPARE(buyuk.deviceIndependentSize().toSize(), QSize(40, 20));
        QCOMPARE(buyuk.toImage().pixelColor(40, 20), QColor(Qt::red));
        ResimKutusu png(yol, nullptr);
        QCOMPARE(png.size(), QSize(20, 10));
        for (const QString& eksik : {QStringLiteral(":/pictures/yok.svg"), klasor.filePath(QStringLiteral("yok.png"))}) {
            ResimKutusu kutu(eksik, nullptr);
            QCOMPARE(kutu.size(), QSize(1, 1));
            kutu.grab();
        }
    }
};

#include "resimkutusu_test.moc"
ORVANTA_TEST(ResimKutusuTesti)
