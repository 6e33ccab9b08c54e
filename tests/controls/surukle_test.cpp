#include "surukle.h"
#include "testana.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QWidget>

class SurukleTesti : public QObject
{
    Q_OBJECT
private slots:
    void otomatikKipAcilipKapanir()
    {
        QWidget w;
        QVERIFY(!OtomatikSurukleAcik(&w));
        OtomatikSurukle(&w, true);
        OtomatikSurukle(&w, true); // twice is once
        QVERIFY(OtomatikSurukleAcik(&w));
        QCOMPARE(w.children().size(), 1);
        OtomatikSurukle(&w, false);
        QVERIFY(!OtomatikSurukleAcik(&w));
        QCOMPARE(w.children().size(), 0);
        OtomatikSurukle(nullptr, true);
        QVERIFY(!OtomatikSurukleAcik(nullptr));
    }

    // A press and a short move is still a click: no drag starts and the widget
    // sees its own mouse events.
    void kisaHareketSuruklemeDegil()
    {
        struct Sayac : QWidget
        {
            int basma = 0;
            void mousePressEvent(QMouseEvent*) override { ++basma; }
        } w;
        w.resize(50, 50);
        OtomatikSurukle(&w, true);
        w.show();
        QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(&w, QPoint(11, 10));
        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(11, 10));
        QCOMPARE(w.basma, 1);
        w.close();
    }

    // A drag through a driver in place of the platform's loop: the press and
    // the move on the source start it, the driver drops where the target's
    // rules allow, and a widget that is no target takes nothing.
    void suruculuSuruklemeKurallardanGecer()
    {
        QWidget pencere;
        pencere.resize(200, 100);
        auto* kaynak = new QWidget(&pencere);
        kaynak->setGeometry(10, 10, 30, 30);
        OtomatikSurukle(kaynak, true);
        auto* hedef = new QWidget(&pencere);
        hedef->setGeometry(100, 10, 60, 60);
        auto* duz = new QWidget(&pencere);
        QList<QPoint> birakilan;
        SurukleHedefiKur(
            hedef, [](QObject*, QPoint p) { return p.x() < 30; },
            [&](QObject* k, QPoint p) {
                QCOMPARE(k, kaynak);
                birakilan << p;
            });
        pencere.show();
        QList<bool> sonuclar;
        SuruklemeSurucusuKur([&](QWidget* k) {
            sonuclar << SurukleBirak(k, hedef, QPoint(5, 5)) << SurukleBirak(k, hedef, QPoint(40, 5))
                     << SurukleBirak(k, duz, QPoint(5, 5)) << SurukleBirak(nullptr, hedef, QPoint(5, 5));
        });
        QTest::mousePress(kaynak, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(kaynak, QPoint(5 + QApplication::startDragDistance() + 5, 5));
        QTest::mouseRelease(kaynak, Qt::LeftButton, {}, QPoint(20, 5));
        SuruklemeSurucusuKur(nullptr);
        QCOMPARE(sonuclar, QList<bool>({true, false, false, false}));
        QCOMPARE(birakilan, QList<QPoint>({QPoint(5, 5)}));
        pencere.close();
    }

    // Drags from outside the program carry no source: the rules are not asked
    // and nothing is dropped.
    void disaridanGelenSuruklemeReddedilir()
    {
        QWidget hedef;
        int sorulan = 0, birakilan = 0;
        SurukleHedefiKur(
            &hedef,
            [&](QObject*, QPoint) {
                ++sorulan;
                return true;
            },
            [&](QObject*, QPoint) { ++birakilan; });
        QVERIFY(hedef.acceptDrops());
        QMimeData veri;
        veri.setText(QStringLiteral("dışarıdan"));
        QDragMoveEvent uzerinde(QPoint(5, 5), Qt::MoveAction, &veri, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&hedef, &uzerinde);
        QVERIFY(!uzerinde.isAccepted());
        QDropEvent birak(QPointF(5, 5), Qt::MoveAction, &veri, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&hedef, &birak);
        QVERIFY(!birak.isAccepted());
        QCOMPARE(sorulan, 0);
        QCOMPARE(birakilan, 0);
        QCOMPARE(SurukleKaynagi(&birak), nullptr);
        QCOMPARE(SuruklemeNoktasi(&birak), QPoint(5, 5));
    }
};

#include "surukle_test.moc"
ORVANTA_TEST(SurukleTesti)
