#include "erisim.h"
#include "testana.h"

#include <QAccessibleInterface>
#include <QTest>
#include <QWidget>

class ErisimTesti : public QObject
{
    Q_OBJECT
private slots:
    // A drawn object reads its name and state from what it shows at the time
    // a reader asks; a name set by hand still wins; a widget without it keeps
    // Qt's own description.
    void adVeDurumGuncelOkunur()
    {
        QWidget pencere;
        auto* jeton = new QWidget(&pencere);
        jeton->setFocusPolicy(Qt::TabFocus);
        bool isaretli = false;
        ErisimKur(jeton, QAccessible::CheckBox,
                  [&] { return isaretli ? QStringLiteral("17, asal, işaretlendi") : QStringLiteral("17"); },
                  [&](QAccessible::State& d) {
                      d.checkable = true;
                      d.checked = isaretli;
                  });
        auto* duz = new QWidget(&pencere);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(jeton);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::CheckBox);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("17"));
        QVERIFY(!a->state().checked);
        QVERIFY(a->state().focusable);
        isaretli = true;
        ErisimDegisti(jeton);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("17, asal, işaretlendi"));
        QVERIFY(a->state().checked && a->state().checkable);
        jeton->setAccessibleName(QStringLiteral("elle"));
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("elle"));
        QCOMPARE(QAccessible::queryAccessibleInterface(duz)->role(), QAccessible::Client);
        // A widget that Qt described before (disabled first) is still drawn's.
        auto* kose = new QWidget(&pencere);
        kose->setEnabled(false);
        QVERIFY(QAccessible::queryAccessibleInterface(kose));
        ErisimKur(kose, QAccessible::Cell, [] { return QStringLiteral("köşe"); });
        QCOMPARE(QAccessible::queryAccessibleInterface(kose)->text(QAccessible::Name), QStringLiteral("köşe"));
        QCOMPARE(QAccessible::queryAccessibleInterface(kose)->role(), QAccessible::Cell);
        ErisimKur(nullptr, QAccessible::Cell, {});
        ErisimDegisti(nullptr);
    }
};

#include "erisim_test.moc"
ORVANTA_TEST(ErisimTesti)
