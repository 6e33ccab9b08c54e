#include "Orvantaformu.h"
#include "aracubugu.h"
#include "etkinlikpenceresi.h"
#include "etkinlikler.h"
#include "hakkinda.h"
#include "kaydirmaalani.h"
#include "resimkutusu.h"
#include "testana.h"
#include "testortami.h"
#include "uretimortami.h"
#include "yardim.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
// The screen's name in the tour's pictures: its pixels, and the scale when
// the desktop scales, e.g. "3840x2160_olcek2".
QString EkranAdi(const QScreen& ekran)
{
    const qreal oran = ekran.devicePixelRatio();
    QString ad = QStringLiteral("%1x%2").arg(qRound(ekran.geometry().width() * oran)).arg(qRound(ekran.geometry().height() * oran));
    if (oran != 1.0)
        ad += QStringLiteral("_olcek%1").arg(oran);
    return ad;
}

// Pictures of the window that do not match their SVG drawn at their size and
// the screen's pixel ratio: a bitmap drawn for another ratio and stretched.
QStringList BulanikResimler(QWidget& pencere)
{
    QStringList sonuc;
    for (ResimKutusu* r : pencere.findChildren<ResimKutusu*>()) {
        if (!r->isVisibleTo(&pencere) || !r->Yol().endsWith(QLatin1String(".svg")))
            continue;
        const QImage ekran = r->grab().toImage();
        const QImage resim = ResimKutusu::SvgCiz(r->Yol(), r->size(), ekran.devicePixelRatio());
        int sayi = 0;
        const QString fark = ResimFarki(ekran, resim, 3, sayi);
        if (!fark.isEmpty())
            sonuc << r->Yol() + QStringLiteral(": ") + fark;
    }
    return sonuc;
}

// What a pupil would miss in the shown window `pencere`: a frame out of the
// screen, widgets cut off, labels cut short, blurred pictures. Its picture
// goes into the tour as tur_<ad>_<screen>.
QStringList TurKusurlari(QWidget& pencere, const QString& ad)
{
    QStringList kusur;
    if (!pencere.screen()->availableGeometry().contains(pencere.frameGeometry()))
        kusur << QStringLiteral("ekrandan taşıyor: %1x%2").arg(pencere.width()).arg(pencere.height());
    kusur << Kesilenler(pencere) << TasanEtiketler(pencere) << BulanikResimler(pencere);
    EkranKaydet(&pencere, QStringLiteral("tur_%1_").arg(ad) + EkranAdi(*pencere.screen()), false);
    return kusur;
}
}

// The screen tour on the screen this run was given (the classroom boards, a
// projector, a small laptop, each in its own run of the test): the menu and
// every activity of the table open as a pupil's program opens them, on the
// whole screen. Each window keeps to the screen, shows its bars whole, shows
// every label's whole text, and every control can be brought into view whole.
class EkranTuru : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        if (qEnvironmentVariableIsEmpty("ORVANTA_EKRAN_TURU"))
            QSKIP("ekran turu yalnız kendi ekranıyla çalışır");
    }
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    // The menu on the whole screen, the help and about windows as every
    // activity opens them.
    void menuYardimVeHakkinda()
    {
        TestOrtami ortam;
        TMatematikForm menu;
        menu.AciklamaTimer->stop();
        menu.setGeometry(menu.screen()->availableGeometry());
        TSetHakkindaForm hakkinda;
        hakkinda.Timer1->stop();
        TYardimGosterForm yardim;
        yardim.setWindowTitle(QStringLiteral("Sayma Pulları"));
        KaynakYukle(QStringLiteral("PulEkle"), yardim.RichEdit1);
        const std::pair<QWidget*, const char*> pencereler[] = {
            {&menu, "menu"}, {&hakkinda, "hakkinda"}, {&yardim, "yardim"}};
        for (const auto& [pencere, ad] : pencereler) {
            pencere == &menu ? menu.showMaximized() : pencere->show();
            QVERIFY(QTest::qWaitForWindowExposed(pencere));
            EkranIcineAl(*pencere);
            const QStringList kusur = TurKusurlari(*pencere, QString::fromLatin1(ad));
            QVERIFY2(kusur.isEmpty(), qPrintable(kusur.join('\n')));
            pencere->close();
        }
    }

    void herEtkinlik_data()
    {
        QTest::addColumn<int>("kod");
        for (const EtkinlikSatiri& s : EtkinlikTablosu())
            if (s.Yap)
                QTest::newRow(qPrintable(s.Etiket)) << s.Kod;
    }
    void herEtkinlik()
    {
        QFETCH(int, kod);
        const EtkinlikSatiri& satir = *KodSatiri(kod);
        TestOrtami ortam;
        ortam.VarsayilanModal = [](QDialog&) { return 0; };
        std::unique_ptr<QDialog> yapilan(satir.Yap(nullptr));
        auto* pencere = qobject_cast<EtkinlikPenceresi*>(yapilan.get());
        QVERIFY(pencere);
        pencere->show();
        QVERIFY(QTest::qWaitForWindowExposed(pencere));
        QCoreApplication::processEvents();

        // The window takes the screen and never more, whatever its minimum size.
        const QRect ekran = pencere->screen()->availableGeometry();
        QVERIFY(pencere->minimumWidth() <= ekran.width() && pencere->minimumHeight() <= ekran.height());
        // Its bars stand whole in the window, whatever scrolls under them.
        for (QWidget* cubuk : pencere->findChildren<QWidget*>()) {
            if (!qobject_cast<AracCubugu*>(cubuk) && !qobject_cast<QMenuBar*>(cubuk))
                continue;
            QCOMPARE(cubuk->parentWidget(), pencere);
            QVERIFY(cubuk->isVisible());
            QVERIFY(pencere->rect().contains(cubuk->geometry()));
        }
        QVERIFY(pencere->BitBtn2->isVisible());
        const QString ad = QStringLiteral("%1").arg(kod, 2, 10, QLatin1Char('0'));
        const QStringList kusur = TurKusurlari(*pencere, ad) + GorunmeyenKontroller(*pencere);
        QVERIFY2(kusur.isEmpty(), qPrintable(kusur.join('\n')));
        // Where the window scrolls, its far corner too goes into the tour.
        if (QScrollArea* alan = pencere->findChild<KaydirmaAlani*>(QString(), Qt::FindDirectChildrenOnly);
            alan && alan->isVisible()
            && (alan->horizontalScrollBar()->maximum() > 0 || alan->verticalScrollBar()->maximum() > 0)) {
            alan->horizontalScrollBar()->setValue(alan->horizontalScrollBar()->maximum());
            alan->verticalScrollBar()->setValue(alan->verticalScrollBar()->maximum());
            EkranKaydet(pencere, QStringLiteral("tur_%1_%2_kaydirilmis").arg(ad, EkranAdi(*pencere->screen())), false);
        }
        pencere->close();
    }
};

// A laptop beside a classroom board of twice its pixel ratio: a window taken
// from one to the other draws its pictures anew for the board, never the
// laptop's pixels stretched.
class IkiEkranTesti : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        if (QGuiApplication::screens().size() < 2)
            QSKIP("iki ekranla çalışır");
    }
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void resimlerYeniEkranaCizilir_data()
    {
        QTest::addColumn<int>("kod");
        QTest::newRow("Tavşanı Yakalayalım") << 4;
        QTest::newRow("Tavşan Git") << 5;
    }
    void resimlerYeniEkranaCizilir()
    {
        QFETCH(int, kod);
        QScreen* dizustu = QGuiApplication::screens().at(0);
        QScreen* tahta = QGuiApplication::screens().at(1);
        QVERIFY(tahta->devicePixelRatio() > dizustu->devicePixelRatio());
        TestOrtami ortam;
        ortam.VarsayilanModal = [](QDialog&) { return 0; };
        std::unique_ptr<QDialog> pencere(KodSatiri(kod)->Yap(nullptr));
        pencere->show();
        QVERIFY(QTest::qWaitForWindowExposed(pencere.get()));
        QCOMPARE(pencere->screen(), dizustu);
        // Every rabbit picture shown once, drawn for the laptop.
        for (ResimKutusu* r : pencere->findChildren<ResimKutusu*>())
            r->grab();
        pencere->setWindowState(Qt::WindowNoState);
        pencere->windowHandle()->setScreen(tahta);
        pencere->setGeometry(QRect(tahta->availableGeometry().topLeft(), QSize(1024, 700)));
        QTRY_COMPARE(pencere->devicePixelRatioF(), tahta->devicePixelRatio());
        QVERIFY(!pencere->findChildren<ResimKutusu*>().isEmpty());
        QVERIFY2(BulanikResimler(*pencere).isEmpty(), qPrintable(BulanikResimler(*pencere).join('\n')));
        pencere->close();
    }
};

#include "ekranturu_test.moc"
ORVANTA_TEST(EkranTuru)
ORVANTA_TEST(IkiEkranTesti)
