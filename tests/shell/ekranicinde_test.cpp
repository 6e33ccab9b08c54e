#include "testana.h"
#include "uretimortami.h"

#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QScreen>
#include <QTest>
#include <QTimer>

// Dialogs open wholly inside the available area of the screen, title bar
// included, however large they are and wherever they would stand.
class EkranIcindeTesti : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void pencereEkranaGirer_data()
    {
        // Position and size as fractions of the available area.
        QTest::addColumn<QRectF>("yer");
        QTest::addColumn<bool>("kuculur");
        QTest::newRow("ekrandan büyük") << QRectF(0.1, 0.1, 2.5, 1.8) << true;
        QTest::newRow("sağ altta taşan") << QRectF(0.8, 0.9, 0.4, 0.3) << false;
        QTest::newRow("sol üstte taşan") << QRectF(-0.2, -0.3, 0.4, 0.3) << false;
        QTest::newRow("içinde") << QRectF(0.3, 0.3, 0.2, 0.2) << false;
    }
    void pencereEkranaGirer()
    {
        QFETCH(QRectF, yer);
        QFETCH(bool, kuculur);
        QDialog pencere;
        const QRect alan = pencere.screen()->availableGeometry();
        const QRect istenen(alan.left() + qRound(yer.x() * alan.width()), alan.top() + qRound(yer.y() * alan.height()),
                            qRound(yer.width() * alan.width()), qRound(yer.height() * alan.height()));
        pencere.setMinimumSize(istenen.size());
        pencere.show();
        pencere.setGeometry(istenen);
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        EkranIcineAl(pencere);
        QVERIFY2(alan.contains(pencere.frameGeometry()), qPrintable(QDebug::toString(pencere.frameGeometry())));
        QCOMPARE(pencere.size() != istenen.size(), kuculur);
        if (!kuculur && alan.contains(istenen))
            QCOMPARE(pencere.geometry(), istenen);
        pencere.close();
    }

    // The program's modal windows go through the environment, which brings
    // them inside the screen once they are shown.
    void modalPencereEkranaSigar()
    {
        QDialog pencere;
        const QRect alan = pencere.screen()->availableGeometry();
        pencere.setMinimumSize(alan.size() * 2);
        QRect yer;
        QTimer::singleShot(0, this, [&] {
            yer = pencere.frameGeometry();
            pencere.accept();
        });
        QCOMPARE(UretimOrtami::Program().ModalGoster(pencere), int(QDialog::Accepted));
        QVERIFY(yer.isValid());
        QVERIFY(alan.contains(yer));
    }
};

#include "ekranicinde_test.moc"
ORVANTA_TEST(EkranIcindeTesti)
