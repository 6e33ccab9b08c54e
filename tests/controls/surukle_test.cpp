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
