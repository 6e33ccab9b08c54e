#include "testana.h"
#include "tuslar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

namespace {
// Writes down the keys and context-menu requests that reach it; a request
// opens a menu of one command.
class Kaydedici : public QWidget
{
public:
    QStringList Kayit;
    QMenu Menu;

    explicit Kaydedici(QWidget* ust) : QWidget(ust)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(QStringLiteral("Kaydedici"));
        Menu.addAction(QStringLiteral("Seç"), [this] { Kayit << QStringLiteral("seçildi"); });
    }

protected:
    void keyPressEvent(QKeyEvent* olay) override
    {
        // The press of a modifier itself, before the key it goes with.
        if (olay->key() == Qt::Key_Shift)
            return;
        Kayit << QStringLiteral("tuş: ") + QKeySequence(olay->keyCombination()).toString();
    }
    void contextMenuEvent(QContextMenuEvent* olay) override
    {
        Kayit << (olay->reason() == QContextMenuEvent::Keyboard ? QStringLiteral("menü: klavye")
                                                                : QStringLiteral("menü: fare"));
        Menu.popup(olay->globalPos());
    }
};

struct Pencere
{
    QWidget Kendisi;
    QLineEdit* Ilk = new QLineEdit(&Kendisi);
    Kaydedici* Orta = new Kaydedici(&Kendisi);
    QLineEdit* Son = new QLineEdit(&Kendisi);
    QLineEdit* Gizli = new QLineEdit(&Kendisi);

    Pencere()
    {
        auto* dizilis = new QVBoxLayout(&Kendisi);
        for (QWidget* w : {static_cast<QWidget*>(Ilk), static_cast<QWidget*>(Orta), static_cast<QWidget*>(Son)})
            dizilis->addWidget(w);
        Ilk->setObjectName(QStringLiteral("ilk"));
        Orta->setObjectName(QStringLiteral("orta"));
        Son->setObjectName(QStringLiteral("son"));
        Gizli->hide();
    }
};
} // namespace

class TuslarTesti : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    // Where each key goes from the focused widget: Tab and Shift+Tab move the
    // focus, the context-menu key asks by keyboard, an open menu takes the keys.
    void tuslarinGittigiYer_data()
    {
        QTest::addColumn<QList<int>>("tuslar");
        QTest::addColumn<QString>("odak");
        QTest::addColumn<QStringList>("kayit");
        const int shiftTab = (Qt::SHIFT | Qt::Key_Backtab).toCombined();
        const int shiftF10 = (Qt::SHIFT | Qt::Key_F10).toCombined();
        QTest::newRow("Sekme") << QList<int>{Qt::Key_Tab} << "son" << QStringList();
        QTest::newRow("Shift+Sekme") << QList<int>{shiftTab} << "ilk" << QStringList();
        QTest::newRow("harf") << QList<int>{Qt::Key_A} << "orta" << QStringList{"tuş: A"};
        QTest::newRow("Shift+F10 bir tuştur") << QList<int>{shiftF10} << "orta" << QStringList{"tuş: Shift+F10"};
        QTest::newRow("menü tuşu, Esc menüyü kapatır")
            << QList<int>{Qt::Key_Menu, Qt::Key_Escape} << "orta" << QStringList{"menü: klavye"};
        QTest::newRow("menü tuşu, menüden seçilir") << QList<int>{Qt::Key_Menu, Qt::Key_Down, Qt::Key_Return} << "orta"
                                                   << QStringList{"menü: klavye", "seçildi"};
    }
    void tuslarinGittigiYer()
    {
        QFETCH(QList<int>, tuslar);
        QFETCH(QString, odak);
        QFETCH(QStringList, kayit);
        Pencere p;
        QVERIFY(EtkinPencereGoster(p.Kendisi, QSize(300, 200)));
        p.Orta->setFocus();
        QCOMPARE(TuslaraBas(tuslar), int(tuslar.size()));
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(QApplication::focusWidget()->objectName(), odak);
        QCOMPARE(p.Orta->Kayit, kayit);
    }

    // Tabbing stops at its bound when the widget sought never takes the focus.
    void sekmeSinirli()
    {
        Pencere p;
        QVERIFY(EtkinPencereGoster(p.Kendisi, QSize(300, 200)));
        p.Ilk->setFocus();
        QCOMPARE(SekmeIle(p.Son), 2);
        QCOMPARE(SekmeIle(p.Son), 0);
        QCOMPARE(SekmeIle(p.Orta, true), 1);
        QCOMPARE(SekmeIle(p.Gizli, false, 7), 7);
        QCOMPARE(OkunanAd(p.Orta), QStringLiteral("Kaydedici"));
        QCOMPARE(OkunanAd(nullptr), QString());
    }
};

#include "tuslar_test.moc"
ORVANTA_TEST(TuslarTesti)
