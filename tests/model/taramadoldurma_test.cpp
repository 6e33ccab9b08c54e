#include "taramadoldurma.h"
#include "testkaydi.h"

#include <QPainter>
#include <QtTest>
#include <deque>
#include <random>

namespace {

const QRgb BEYAZ = 0xFFFFFFFF;
const QRgb KIRMIZI = 0xFFFF0000; // clRed
const QRgb SARI = 0xFFFFFF00;    // clYellow

QImage Beyaz(int w, int h)
{
    QImage r(w, h, QImage::Format_RGB32);
    r.fill(BEYAZ);
    return r;
}

// The plain breadth-first fill the scan line fill must agree with.
QImage OrnekDoldur(QImage r, QPoint p, std::function<bool(QRgb)> icinde, QRgb dolgu)
{
    if (!r.rect().contains(p) || !icinde(r.pixel(p)))
        return r;
    std::vector<char> gorulen(size_t(r.width() * r.height()), 0);
    std::deque<QPoint> kuyruk{p};
    gorulen[size_t(p.y() * r.width() + p.x())] = 1;
    while (!kuyruk.empty()) {
        const QPoint q = kuyruk.front();
        kuyruk.pop_front();
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = q + d;
            if (!r.rect().contains(n) || gorulen[size_t(n.y() * r.width() + n.x())] || !icinde(r.pixel(n)))
                continue;
            gorulen[size_t(n.y() * r.width() + n.x())] = 1;
            kuyruk.push_back(n);
        }
    }
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (gorulen[size_t(y * r.width() + x)])
                r.setPixel(x, y, dolgu);
    return r;
}

int Say(const QImage& r, QRgb renk)
{
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            n += r.pixel(x, y) == renk;
    return n;
}

} // namespace

class TaramaDoldurmaTesti : public QObject
{
    Q_OBJECT

private slots:
    void resmin_kenarlari_data()
    {
        QTest::addColumn<QPoint>("tohum");
        QTest::addColumn<int>("dolan");
        QTest::addRow("sol ust kose") << QPoint(0, 0) << 30 * 20;
        QTest::addRow("disarida sol") << QPoint(-1, 5) << 0;
        QTest::addRow("disarida alt") << QPoint(5, 20) << 0;
    }
    void resmin_kenarlari()
    {
        QFETCH(QPoint, tohum);
        QFETCH(int, dolan);
        QImage r = Beyaz(30, 20);
        QCOMPARE(SinirDoldur(r, tohum, clRed, clYellow), dolan);
        QCOMPARE(Say(r, SARI), dolan);
    }

    void yuzey_dolgusu_ayni_renkle_durur()
    {
        QImage r = Beyaz(25, 25);
        QCOMPARE(YuzeyDoldur(r, {3, 3}, clWhite), 25 * 25);
        QCOMPARE(Say(r, BEYAZ), 25 * 25);
    }

    void rastgele_labirentte_ornekle_ayni_data()
    {
        QTest::addColumn<int>("tohumSayisi");
        QTest::addColumn<int>("yogunluk");
        QTest::addRow("seyrek") << 1 << 35;
        QTest::addRow("yogun") << 7 << 45;
        QTest::addRow("cok yogun") << 99 << 55;
    }
    void rastgele_labirentte_ornekle_ayni()
    {
        QFETCH(int, tohumSayisi);
        QFETCH(int, yogunluk);
        std::mt19937 uretec{unsigned(tohumSayisi)};
        auto sinirli = [&](int n) { return int(uretec() % unsigned(n)); };
        QImage r = Beyaz(97, 61);
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x)
                if (sinirli(100) < yogunluk)
                    r.setPixel(x, y, sinirli(2) ? KIRMIZI : SARI);
        for (int i = 0; i < 20; ++i) {
            const QPoint p(sinirli(r.width()), sinirli(r.height()));
            QImage sinir = r, yuzey = r;
            const QImage beklenenSinir = OrnekDoldur(r, p, [](QRgb c) { return c != KIRMIZI; }, 0xFF0000FF);
            QCOMPARE(SinirDoldur(sinir, p, clRed, clBlue), Say(sinir, 0xFF0000FF));
            QCOMPARE(sinir, beklenenSinir);
            const QRgb hedef = r.pixel(p);
            const QImage beklenenYuzey = OrnekDoldur(r, p, [hedef](QRgb c) { return c == hedef; }, 0xFF0000FF);
            QCOMPARE(YuzeyDoldur(yuzey, p, clBlue), Say(yuzey, 0xFF0000FF));
            QCOMPARE(yuzey, beklenenYuzey);
        }
    }

    void piksel_orani_data()
    {
        QTest::addColumn<qreal>("oran");
        QTest::addRow("1.5") << 1.5;
        QTest::addRow("2") << 2.0;
    }
    void piksel_orani()
    {
        QFETCH(qreal, oran);
        // A ring drawn in logical pixels; the seed is logical too.
        QImage r(QSize(int(100 * oran), int(100 * oran)), QImage::Format_RGB32);
        r.setDevicePixelRatio(oran);
        r.fill(BEYAZ);
        {
            QPainter boya(&r);
            boya.setPen(QPen(QColor(KIRMIZI), 3));
            boya.drawEllipse(QPointF(50, 50), 30, 30);
        }
        SinirDoldur(r, {50, 50}, clRed, clYellow);
        QCOMPARE(r.pixel(int(50 * oran), int(50 * oran)), SARI);
        QCOMPARE(r.pixel(int(70 * oran), int(50 * oran)), SARI);
        QCOMPARE(r.pixel(int(5 * oran), int(5 * oran)), BEYAZ);
        QCOMPARE(r.devicePixelRatio(), oran);
        SinirDoldur(r, {95, 95}, clRed, clBlue);
        QCOMPARE(r.pixel(int(5 * oran), int(5 * oran)), 0xFF0000FF);
        QCOMPARE(r.pixel(int(50 * oran), int(50 * oran)), SARI);
    }

    void baska_bicimdeki_resim_donusturulur()
    {
        QImage r(20, 20, QImage::Format_ARGB32_Premultiplied);
        r.fill(BEYAZ);
        QCOMPARE(SinirDoldur(r, {1, 1}, clRed, clYellow), 400);
        QCOMPARE(r.format(), QImage::Format_RGB32);
        QCOMPARE(r.pixel(10, 10), SARI);
        QImage bos;
        QCOMPARE(SinirDoldur(bos, {0, 0}, clRed, clYellow), 0);
        QCOMPARE(YuzeyDoldur(bos, {0, 0}, clYellow), 0);
    }

    void buyuk_alan_yigin_tasmaz()
    {
        // A comb of one pixel teeth: many short runs, a deep search.
        QImage r = Beyaz(1500, 1000);
        for (int x = 1; x < 1500; x += 2)
            for (int y = (x % 4 == 1 ? 0 : 1); y < (x % 4 == 1 ? 999 : 1000); ++y)
                r.setPixel(x, y, KIRMIZI);
        const int dolan = SinirDoldur(r, {0, 500}, clRed, clYellow);
        QCOMPARE(dolan, Say(r, SARI));
        QCOMPARE(Say(r, BEYAZ), 0);
    }
};

#include "taramadoldurma_test.moc"
ORVANTA_TEST(TaramaDoldurmaTesti)
