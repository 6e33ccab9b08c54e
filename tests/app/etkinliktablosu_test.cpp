#include "Orvantaformu.h"
#include "etkinlikpenceresi.h"
#include "etkinlikler.h"
#include "hakkinda.h"
#include "kaydirmaalani.h"
#include "testana.h"
#include "testortami.h"
#include "yardim.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

namespace {
// What the help and about windows showed while an activity ran.
struct Gorulen
{
    QStringList yardimBasliklari;
    QStringList yardimMetinleri;
    QString hakkindaBasligi; // Label4, empty while hidden
    QString hakkindaIkinci;  // Label3
    int programiBitirenPencere = 0;
};

// Every top-level widget, shown or not, by class name.
QStringList topluPencereler()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList adlar;
    for (QWidget* w : QApplication::topLevelWidgets())
        adlar << QString::fromLatin1(w->metaObject()->className());
    adlar.sort();
    return adlar;
}
}

// Every activity of the table, opened the way the menu opens it.
class EtkinlikTablosuTesti : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void tabloTutarli()
    {
        QSet<int> ogeler, taglar, kodlar;
        for (const EtkinlikSatiri& s : EtkinlikTablosu()) {
            ogeler << s.Oge;
            taglar << s.Tag;
            kodlar << s.Kod;
            QCOMPARE(s.Tag, s.Oge + 1);
            QCOMPARE(TMatematikForm::BaslatmaKodu(s.Tag), s.Kod);
            QVERIFY(!s.Etiket.isEmpty() && !s.PencereBasligi.isEmpty() && !s.YardimKaynagi.isEmpty());
        }
        QCOMPARE(EtkinlikTablosu().size(), size_t(13));
        QCOMPARE(ogeler.size(), 13);
        QCOMPARE(taglar.size(), 13);
        QCOMPARE(kodlar.size(), 13);
        for (int kod = 1; kod <= 13; ++kod)
            QVERIFY(kodlar.contains(kod));
    }

    void herEtkinlikMenudenAcilir_data()
    {
        QTest::addColumn<int>("kod");
        int adet = 0;
        for (const EtkinlikSatiri& s : EtkinlikTablosu())
            if (s.Yap) {
                QTest::newRow(qPrintable(s.Etiket)) << s.Kod;
                ++adet;
            }
        QVERIFY(adet >= 4);
    }
    void herEtkinlikMenudenAcilir()
    {
        QFETCH(int, kod);
        const EtkinlikSatiri& satir = *KodSatiri(kod);
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        menu.show();
        const QStringList pencerelerOnce = topluPencereler();

        Gorulen g;
        QPointer<EtkinlikPenceresi> etkinlik;
        QString baslik;
        QSize enKucuk;
        bool menuGizli = false, f1Kisayol = false, tuslaKapanmadi = false, dugmeKapatti = false;
        ortam.VarsayilanModal = [&](QDialog& d) -> int {
            const bool bitirir = d.testAttribute(Qt::WA_QuitOnClose);
            if (auto* yardim = qobject_cast<TYardimGosterForm*>(&d)) {
                g.yardimBasliklari << yardim->windowTitle();
                g.yardimMetinleri << yardim->RichEdit1->toPlainText();
                g.programiBitirenPencere += bitirir;
                return 0;
            }
            if (auto* hakkinda = qobject_cast<TSetHakkindaForm*>(&d)) {
                g.hakkindaBasligi = hakkinda->Label4->isHidden() ? QString() : hakkinda->Label4->text();
                g.hakkindaIkinci = hakkinda->Label3->text();
                g.programiBitirenPencere += bitirir;
                return 1;
            }
            if (etkinlik) // another window the activity opened by itself
                return 0;
            etkinlik = qobject_cast<EtkinlikPenceresi*>(&d);
            if (!etkinlik)
                return 0;
            baslik = d.windowTitle();
            enKucuk = d.minimumSize();
            menuGizli = !menu.isVisible();
            // The menu's timer sends the opening message, which runs the help command.
            menu.AciklamaTimerTimer();
            d.show();
            d.activateWindow();
            QApplication::setActiveWindow(&d);
            f1Kisayol = etkinlik->YardimAction->shortcut() == QKeySequence(Qt::Key_F1);
            QTest::keyClick(&d, Qt::Key_F1);
            etkinlik->HakkindaAction->trigger();
            QTest::keyClick(&d, Qt::Key_Return);
            QTest::keyClick(&d, Qt::Key_Escape);
            tuslaKapanmadi = d.isVisible();
            etkinlik->BitBtn2->click();
            dugmeKapatti = !d.isVisible();
            return d.result();
        };
        menu.EtiketTiklandi(satir.Tag);

        QCOMPARE(baslik, satir.PencereBasligi);
        QCOMPARE(enKucuk, satir.EnKucuk);
        // Nothing of the activity is left: no top-level widget, shown or hidden.
        QCOMPARE(topluPencereler(), pencerelerOnce);
        QVERIFY(menuGizli);
        QVERIFY(f1Kisayol);
        // The opening message and F1: the help window twice, with the activity's document.
        QCOMPARE(g.yardimBasliklari, QStringList({satir.YardimBasligi, satir.YardimBasligi}));
        QTextEdit belge;
        KaynakYukle(satir.YardimKaynagi, &belge);
        QVERIFY(!belge.toPlainText().isEmpty());
        QCOMPARE(g.yardimMetinleri.value(0), belge.toPlainText());
        if (satir.Hakkinda == HakkindaTuru::MesajKutusu) {
            QCOMPARE(ortam.Suzulmus(QStringLiteral("kutu: ")),
                     QStringList({"kutu: " + satir.HakkindaBaslik + " | " + satir.HakkindaBaslik + "\n"
                                  + HAKKINDA_HAZIRLAYAN + "\n" + HAKKINDA_YER_YIL}));
        } else {
            QCOMPARE(g.hakkindaBasligi, satir.HakkindaBaslik);
            if (!satir.HakkindaIkinciSatir.isEmpty())
                QCOMPARE(g.hakkindaIkinci, satir.HakkindaIkinciSatir);
        }
        // Help and about windows have no owner while the menu is hidden: they must never end the program.
        QCOMPARE(g.programiBitirenPencere, 0);
        QVERIFY(tuslaKapanmadi);
        QVERIFY(dugmeKapatti);
        QVERIFY(etkinlik.isNull());
        QVERIFY(menu.isVisible());
        menu.close();
    }

    // At its minimum size and a little above it every window shows its
    // commands whole, and nothing else is cut off.
    void kucukPencereKesmez_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<double>("oran");
        for (const EtkinlikSatiri& s : EtkinlikTablosu())
            if (s.Yap)
                for (double oran : {1.0, 1.2})
                    QTest::newRow(qPrintable(QStringLiteral("%1 x%2").arg(s.Etiket).arg(oran))) << s.Kod << oran;
    }
    void kucukPencereKesmez()
    {
        QFETCH(int, kod);
        QFETCH(double, oran);
        const EtkinlikSatiri& satir = *KodSatiri(kod);
        TestOrtami ortam;
        ortam.VarsayilanModal = [](QDialog&) { return 0; };
        std::unique_ptr<QDialog> pencere(satir.Yap(nullptr));
        const QSize boyut = satir.EnKucuk * oran;
        PencereGoster(*pencere, TUR_BOYUTU);
        QCoreApplication::processEvents();
        pencere->resize(boyut);
        QCoreApplication::processEvents();
        QCOMPARE(pencere->size(), boyut);
        for (const KaydirmaAlani* alan : pencere->findChildren<KaydirmaAlani*>())
            QVERIFY(!alan->accessibleName().isEmpty());
        const QStringList kesilen = Kesilenler(*pencere);
        QVERIFY2(kesilen.isEmpty(), qPrintable(kesilen.join(QLatin1Char('\n'))));
        EkranKaydet(pencere.get(),
                    QStringLiteral("enkucuk_%1_%2x%3").arg(kod, 2, 10, QLatin1Char('0')).arg(boyut.width()).arg(boyut.height()),
                    false);
        pencere->close();
    }

    // In a window lower and narrower than its minimum size the page scrolls:
    // Tab reaches every control in turn and scrolls each into view, never
    // behind the bars.
    void kaydirilanSayfadaOdakGorunur_data()
    {
        QTest::addColumn<int>("kod");
        for (const EtkinlikSatiri& s : EtkinlikTablosu())
            if (s.Yap)
                QTest::newRow(qPrintable(s.Etiket)) << s.Kod;
    }
    void kaydirilanSayfadaOdakGorunur()
    {
        QFETCH(int, kod);
        TestOrtami ortam;
        ortam.VarsayilanModal = [](QDialog&) { return 0; };
        std::unique_ptr<QDialog> yapilan(KodSatiri(kod)->Yap(nullptr));
        auto* pencere = qobject_cast<EtkinlikPenceresi*>(yapilan.get());
        if (pencere->layout())
            QSKIP("kendi düzeniyle sığan pencere");
        QVERIFY(EtkinPencereGoster(*pencere, TUR_BOYUTU));
        // As on a screen smaller than the minimum size.
        pencere->setMinimumSize(0, 0);
        pencere->resize(480, 360);
        QTRY_COMPARE(pencere->size(), QSize(480, 360));
        auto* cerceve = qobject_cast<QScrollArea*>(pencere->Sayfa()->parentWidget()->parentWidget()->parentWidget());
        QVERIFY(cerceve);
        QVERIFY(cerceve->verticalScrollBar()->maximum() > 0);
        QWidget* ilk = QApplication::focusWidget();
        QVERIFY(ilk);
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* odak = QApplication::focusWidget();
            if (!odak || odak == ilk)
                break;
            if (!pencere->Sayfa()->isAncestorOf(odak))
                continue;
            const QRect yer(odak->mapTo(cerceve->viewport(), QPoint(0, 0)), odak->size());
            QVERIFY2(cerceve->viewport()->rect().intersects(yer),
                     qPrintable(QString::fromLatin1(odak->metaObject()->className()) + QLatin1Char(' ')
                                + odak->objectName()));
        }
        pencere->close();
    }
};

#include "etkinliktablosu_test.moc"
ORVANTA_TEST(EtkinlikTablosuTesti)
