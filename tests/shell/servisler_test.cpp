#include "servisler.h"
#include "testana.h"
#include "testortami.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class ServislerTesti : public QObject
{
    Q_OBJECT
private slots:
    void sayiTusuFiltresi_data()
    {
        QTest::addColumn<QChar>("tus");
        QTest::addColumn<bool>("gecer");
        for (char c : QByteArray("0123456789-+"))
            QTest::newRow(QByteArray(1, c).constData()) << QChar(QLatin1Char(c)) << true;
        QTest::newRow("Enter") << QChar(13) << true;
        QTest::newRow("Geri") << QChar(8) << true;
        QTest::newRow("nokta") << QChar(QLatin1Char('.')) << false;
        QTest::newRow("virgül") << QChar(QLatin1Char(',')) << false;
        QTest::newRow("boşluk") << QChar(QLatin1Char(' ')) << false;
        QTest::newRow("harf") << QChar(QLatin1Char('a')) << false;
        QTest::newRow("ı") << QChar(0x0131) << false;
    }
    void sayiTusuFiltresi()
    {
        QFETCH(QChar, tus);
        QFETCH(bool, gecer);
        QChar c = tus;
        SayiTusuFiltresi(c);
        QCOMPARE(c, gecer ? tus : QChar(0));
    }

    void sayiKutusunaYazmak()
    {
        QLineEdit kutu;
        SayiTusuFiltresiKur(&kutu);
        QTest::keyClicks(&kutu, QStringLiteral("1a2.,-"));
        QKeyEvent turkceHarf(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ş"));
        QApplication::sendEvent(&kutu, &turkceHarf);
        QTest::keyClicks(&kutu, QStringLiteral("3 +"));
        QCOMPARE(kutu.text(), QStringLiteral("12-3+"));
        QTest::keyClick(&kutu, Qt::Key_Backspace);
        QTest::keyClick(&kutu, Qt::Key_Left);
        QCOMPARE(kutu.text(), QStringLiteral("12-3"));
    }

    void farkliRenkSec()
    {
        TestOrtami ortam;
        ortam.Renkler = {clRed, clRed, std::nullopt, clBlue};
        QCOMPARE(FarkliRenkSec(clRed, clRed), clBlue);
        QCOMPARE(ortam.Suzulmus(QStringLiteral("kutu: ")).size(), 3);
        QCOMPARE(ortam.Suzulmus(QStringLiteral("kutu: ")).first(),
                 QStringLiteral("kutu: Renk hatası | Lütfen farklı bir renk seçiniz"));
        // Cancelling returns the start colour, which is fine when it is allowed.
        ortam.Renkler = {std::nullopt};
        QCOMPARE(FarkliRenkSec(clGreen, clRed), clGreen);
    }

    void etiketBuyutucu()
    {
        QLabel a(QStringLiteral("Çarpan Ağacı")), ozel(QStringLiteral("SINIFLAR"));
        EtiketBuyut(nullptr, clRed, 10, true); // nothing to do
        EtiketVurgula(&a, 11, clRed);
        QCOMPARE(BuyutulmusEtiket(), &a);
        QCOMPARE(a.font().pointSize(), 11);
        QCOMPARE(a.palette().color(QPalette::WindowText), QColor(255, 0, 0));
        VurguyuKaldir(9, clBlue);
        QCOMPARE(a.font().pointSize(), 9);
        QCOMPARE(BuyutulmusEtiket(), nullptr);
        EtiketVurgula(&ozel, 10, clRed);
        QCOMPARE(ozel.font().pointSize(), 14);
        VurguyuKaldir(9, clRed);
        QCOMPARE(ozel.font().pointSize(), 12);
        // A control that is not a label leaves the magnified label alone.
        EtiketVurgula(&a, 10, clRed);
        QLineEdit kutu;
        EtiketVurgula(&kutu, 20, clRed);
        QCOMPARE(BuyutulmusEtiket(), &a);
        VurguyuKaldir(9, clRed);
    }

    // Qt's own dialogs speak Turkish too, whatever the machine's language.
    void diyaloglarTurkce()
    {
        QMessageBox kutu;
        kutu.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(kutu.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("Tamam"));
        QCOMPARE(kutu.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("İptal"));
    }
};

#include "servisler_test.moc"
ORVANTA_TEST(ServislerTesti)
