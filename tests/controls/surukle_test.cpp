#include "surukle.h"
#include "erisim.h"
#include "testana.h"

#include <QAccessibleInterface>
#include <QAction>
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

    // The keyboard path: Space picks up, the arrows and Tab carry the picture,
    // Enter drops through the same rules as the mouse, Escape and a lost focus
    // put back. No drag of the platform runs and a window's Enter shortcut is
    // not triggered while a widget is carried.
    void klavyeIleTasima()
    {
        QWidget pencere;
        pencere.resize(300, 200);
        int kisayol = 0;
        auto* enter = new QAction(&pencere);
        enter->setShortcut(Qt::Key_Return);
        pencere.addAction(enter);
        connect(enter, &QAction::triggered, [&] { ++kisayol; });
        auto* kaynak = new QWidget(&pencere);
        kaynak->setGeometry(10, 10, 20, 20);
        ErisimKur(kaynak, QAccessible::Button, [] { return QStringLiteral("pul"); });
        OtomatikSurukle(kaynak, true);
        auto* kutu = new QWidget(&pencere);
        kutu->setGeometry(150, 10, 100, 100);
        auto* kutu2 = new QWidget(&pencere);
        kutu2->setGeometry(10, 120, 100, 60);
        kutu2->setAccessibleName(QStringLiteral("ikinci kutu"));
        QList<QPair<QWidget*, QPoint>> birakilan;
        // The first box takes drops only in its left half; it names two places.
        SurukleHedefiKur(
            kutu, [](QObject*, QPoint p) { return p.x() < 50; },
            [&](QObject*, QPoint p) { birakilan.append({kutu, p}); });
        SurukleYerleriKur(kutu, [] { return QList<QPoint>{{25, 80}, {75, 20}, {25, 20}}; });
        SurukleHedefiKur(
            kutu2, [](QObject*, QPoint) { return true; }, [&](QObject*, QPoint p) { birakilan.append({kutu2, p}); });
        auto* kutu3 = new QWidget(&pencere); // a target out of sight
        kutu3->setGeometry(400, 10, 20, 20);
        SurukleHedefiKur(
            kutu3, [](QObject*, QPoint) { return true; }, [&](QObject*, QPoint p) { birakilan.append({kutu3, p}); });
        QVERIFY(kaynak->focusPolicy() & Qt::TabFocus);
        QVERIFY(!(kaynak->focusPolicy() & Qt::ClickFocus));
        pencere.show();
        QVERIFY(QTest::qWaitForWindowActive(&pencere));
        SuruklemeSurucusuKur([](QWidget*) { QFAIL("klavye bir sürükleme başlatmamalı"); });
        kaynak->setFocus();

        // Space, then 14 + 5 px right and 1 px down, a refused spot: nothing.
        QTest::keyClick(kaynak, Qt::Key_Space);
        QCOMPARE(KlavyeIleTasinan(), kaynak);
        auto* resim = pencere.findChild<QWidget*>(QStringLiteral("TasinanResim"));
        QVERIFY(resim && resim->isVisible());
        QCOMPARE(resim->pos(), kaynak->pos());
        QTest::keyClick(kaynak, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(kaynak, Qt::Key_Right);
        QTest::keyClick(kaynak, Qt::Key_Down);
        QCOMPARE(resim->pos(), kaynak->pos() + QPoint(11, 1));
        QCOMPARE(KlavyeTasimaNoktasi(), std::optional<QPoint>(pencere.mapToGlobal(QPoint(30, 20))));
        QVERIFY(kaynak->accessibleDescription().endsWith(QStringLiteral("buraya bırakılamaz")));
        QTest::keyClick(kaynak, Qt::Key_Return);
        QVERIFY(birakilan.isEmpty());
        QCOMPARE(KlavyeIleTasinan(), nullptr);
        QCOMPARE(KlavyeTasimaNoktasi(), std::nullopt);
        QCOMPARE(kisayol, 0);

        // Tab visits the places that take it, top to bottom: (25,20) and
        // (25,80) of the first box, then the second box's centre; (75,20) is
        // refused, the box outside the window is out of sight.
        QTest::keyClick(kaynak, Qt::Key_Space);
        QTest::keyClick(kaynak, Qt::Key_Tab);
        QTest::keyClick(kaynak, Qt::Key_Tab);
        QTest::keyClick(kaynak, Qt::Key_Tab);
        QTest::keyClick(kaynak, Qt::Key_Tab);
        QTest::keyClick(kaynak, Qt::Key_Backtab);
        QTest::keyClick(kaynak, Qt::Key_Up, Qt::ShiftModifier);
        // A reader hears where it is.
        QCOMPARE(kaynak->accessibleDescription(), QStringLiteral("taşınıyor, ikinci kutu üzerinde, bırakılabilir"));
        QCOMPARE(kaynak->accessibleName(), QStringLiteral("pul, taşınıyor, ikinci kutu üzerinde, bırakılabilir"));
        QTest::keyClick(kaynak, Qt::Key_Enter);
        QCOMPARE(kaynak->accessibleDescription(), QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(kaynak)->text(QAccessible::Name), QStringLiteral("pul"));
        QCOMPARE(birakilan, (QList<QPair<QWidget*, QPoint>>{{kutu2, QPoint(49, 19)}}));
        QCOMPARE(kaynak->pos(), QPoint(10, 10));
        QCOMPARE(kisayol, 0);

        // Escape, and the focus leaving, put back.
        birakilan.clear();
        for (bool kacis : {true, false}) {
            QTest::keyClick(kaynak, Qt::Key_Space);
            QTest::keyClick(kaynak, Qt::Key_Tab);
            if (kacis)
                QTest::keyClick(kaynak, Qt::Key_Escape);
            else
                kaynak->clearFocus();
            QCOMPARE(KlavyeIleTasinan(), nullptr);
            kaynak->setFocus();
            QTest::keyClick(kaynak, Qt::Key_Return);
        }
        QVERIFY(birakilan.isEmpty());
        QCOMPARE(kisayol, 2); // Enter with nothing carried is the window's again
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pencere.findChild<QWidget*>(QStringLiteral("TasinanResim")));

        // A disabled widget is not picked up.
        kaynak->setEnabled(false);
        QTest::keyClick(kaynak, Qt::Key_Space);
        QCOMPARE(KlavyeIleTasinan(), nullptr);
        SuruklemeSurucusuKur(nullptr);
        pencere.close();
    }
};

#include "surukle_test.moc"
ORVANTA_TEST(SurukleTesti)
