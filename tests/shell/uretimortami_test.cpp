#include "testana.h"
#include "uretimortami.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace {
// The window the keyboard goes to when a dialog leaves, where no window
// manager hands it back: on a bare X server the screen's root, here another
// window of the program that stands in for it.
class OdakCalan : public QObject
{
public:
    explicit OdakCalan(QWidget* yabanci) : yabanci_(yabanci) {}
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() == QEvent::Hide && qobject_cast<QDialog*>(nesne))
            yabanci_->activateWindow();
        return false;
    }

private:
    QWidget* yabanci_;
};

// Closes each dialog as soon as it is up, as Escape does.
void AcilaniKapat()
{
    QTimer::singleShot(20, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
        else
            AcilaniKapat();
    });
}
}

using Diyalog = std::function<void(QWidget&)>;
Q_DECLARE_METATYPE(Diyalog)

class UretimOrtamiTesti : public QObject
{
    Q_OBJECT
private slots:
    // Every dialog of the program gives the keyboard back to its window.
    void diyalogdan_sonra_klavye_pencerede_data()
    {
        QTest::addColumn<Diyalog>("ac");
        UretimOrtami& o = UretimOrtami::Program();
        QTest::newRow("mesaj") << Diyalog([&o](QWidget&) { o.MesajGoster(QStringLiteral("Tebrikler")); });
        QTest::newRow("mesaj kutusu")
            << Diyalog([&o](QWidget&) { o.MesajKutusu(QStringLiteral("Dikkat"), QStringLiteral("Uyarı")); });
        QTest::newRow("girdi") << Diyalog([&o](QWidget&) {
            o.GirdiKutusu(QStringLiteral("Ad"), QStringLiteral("Yeni ad:"), QStringLiteral("A"));
        });
        QTest::newRow("renk") << Diyalog([&o](QWidget&) { o.RenkDiyalogu(0x0000FF); });
        QTest::newRow("hata") << Diyalog([&o](QWidget&) { o.HataGoster(QStringLiteral("Dosya okunamadı")); });
        QTest::newRow("pencere") << Diyalog([&o](QWidget& sahip) {
            QDialog d(&sahip);
            o.ModalGoster(d);
        });
    }
    void diyalogdan_sonra_klavye_pencerede()
    {
        QFETCH(Diyalog, ac);
        QWidget yabanci;
        yabanci.setWindowTitle(QStringLiteral("kök"));
        PencereGoster(yabanci, QSize(200, 100));
        QWidget pencere;
        auto* kutu = new QLineEdit(&pencere);
        (new QVBoxLayout(&pencere))->addWidget(kutu);
        QVERIFY(EtkinPencereGoster(pencere, QSize(400, 300)));
        kutu->setFocus();
        OdakCalan calan(&yabanci);
        qApp->installEventFilter(&calan);
        AcilaniKapat();
        ac(pencere);
        qApp->removeEventFilter(&calan);
        QTRY_COMPARE(QApplication::activeWindow(), &pencere);
        // The next key reaches the box the pupil was typing in.
        QCOMPARE(QApplication::focusWidget(), kutu);
    }
};

#include "uretimortami_test.moc"
ORVANTA_TEST(UretimOrtamiTesti)
