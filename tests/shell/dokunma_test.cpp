#include "agirlikshape.h"
#include "bebekgiyimformu.h"
#include "dokunma.h"
#include "giyimresmi.h"
#include "kefeformu.h"
#include "kumeformu.h"
#include "../sets/kumeyardimci.h"
#include "Kumeelemanformu.h"
#include "Metinshape.h"
#include "surukle.h"
#include "teraziformu.h"
#include "testana.h"
#include "testortami.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QPointingDevice>
#include <QPushButton>
#include <QStyleHints>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

QPointingDevice* Parmak()
{
    static QPointingDevice* aygit = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return aygit;
}

// A finger on `w` at `p` (w's coordinates): down, moved, up.
void Bas(QWidget* w, QPoint p)
{
    QTest::touchEvent(w->window(), Parmak()).press(0, w->mapTo(w->window(), p));
}
void Kaydir(QWidget* w, QPoint p)
{
    QTest::touchEvent(w->window(), Parmak()).move(0, w->mapTo(w->window(), p));
}
void Kaldir(QWidget* w, QPoint p)
{
    QTest::touchEvent(w->window(), Parmak()).release(0, w->mapTo(w->window(), p));
}
void Dokun(QWidget* w, QPoint p)
{
    Bas(w, p);
    Kaldir(w, p);
}

// Waits until `olur`, long enough for a long press to fire on a busy machine.
bool UzunBasmaBekle(const std::function<bool()>& olur)
{
    return QTest::qWaitFor(olur, 3 * UZUN_BASMA_MS);
}

// Drags `kaynak` with a finger: down at `kaynakta` (its coordinates), moved
// past the drag distance, lifted. The drag loop drops whatever was dragged on
// `hedef` at `hedefte` through the target's rules. True when `kaynak` was
// dragged and the rules took the drop.
bool ParmaklaSurukle(QWidget* kaynak, QPoint kaynakta, QWidget* hedef, QPoint hedefte)
{
    const QPoint kayma = kaynakta + QPoint(QApplication::startDragDistance() + 5, 0);
    const QWidget* suruklenen = nullptr;
    bool birakildi = false;
    SuruklemeSurucusuKur([&](QWidget* k) {
        suruklenen = k;
        birakildi = SurukleBirak(k, hedef, hedefte);
    });
    Bas(kaynak, kaynakta);
    Kaydir(kaynak, kayma);
    Kaldir(kaynak, kayma);
    SuruklemeSurucusuKur(nullptr);
    return suruklenen == kaynak && birakildi;
}

// A window that counts the context menus asked of it and of its children.
class MenuSayanPencere : public QWidget
{
public:
    int Menu = 0;

protected:
    void contextMenuEvent(QContextMenuEvent* olay) override
    {
        ++Menu;
        olay->accept();
    }
};

GiyimResmi* GiysiResmi(const TBebekGiyimForm& f, int tag, int i)
{
    for (const QPointer<GiyimResmi>& g : f.Giysiler())
        if (g && g->Tag == tag && i-- == 0)
            return g;
    return nullptr;
}

// Long-presses `w` at `yer` (w's coordinates); once a menu opens (a popup, or
// one run in a loop of its own) lifts the finger and picks the menu's first
// command. The menu's commands, "(kapandı)" added when the lift closed it;
// nothing when no menu opened.
QStringList UzunBasipSec(QWidget* w, QPoint yer)
{
    QStringList menude;
    QTimer bekci;
    bekci.setInterval(10);
    QObject::connect(&bekci, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        bekci.stop();
        Kaldir(w, yer);
        for (QAction* a : menu->actions())
            menude << a->text();
        if (!menu->isVisible())
            menude << QStringLiteral("(kapandı)");
        else if (!menu->actions().isEmpty())
            menu->actions().first()->trigger();
        menu->close();
    });
    bekci.start();
    Bas(w, yer);
    if (!UzunBasmaBekle([&] { return !bekci.isActive(); }))
        Kaldir(w, yer);
    return menude;
}

} // namespace

class DokunmaTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        SuruklemeSurucusuKur(nullptr);
        QCOMPARE(AcikPencereler(), QStringList());
    }

    // What a finger does to a button that can also be dragged, against what a
    // mouse does. Steps: b down, k a tremble (within the drag distance), K a
    // move past it, u a long wait, s up; F, U, S the same with the mouse.
    void parmakDugmede_data()
    {
        QTest::addColumn<QString>("adimlar");
        QTest::addColumn<int>("tiklama"); // -1: not asked
        QTest::addColumn<int>("menu");
        QTest::addColumn<int>("surukleme");
        QTest::newRow("dokunma") << "bs" << 1 << 0 << 0;
        QTest::newRow("uzun basma") << "bus" << 0 << 1 << 0;
        QTest::newRow("titreyen uzun basma") << "bkus" << 0 << 1 << 0;
        QTest::newRow("uzun basıp kaydırma") << "buKs" << 0 << 1 << 0;
        // Moved before the wait: a drag, never a menu (the drag loop stands
        // in for the platform's, so the lift still reaches the button).
        QTest::newRow("kaydırıp bekleme") << "bKus" << -1 << 0 << 1;
        QTest::newRow("fareyle uzun basma") << "FUS" << 1 << 0 << 0;
    }
    void parmakDugmede()
    {
        QFETCH(QString, adimlar);
        QFETCH(int, tiklama);
        QFETCH(int, menu);
        QFETCH(int, surukleme);
        MenuSayanPencere pencere;
        pencere.resize(300, 200);
        auto* dugme = new QPushButton(QStringLiteral("Dene"), &pencere);
        dugme->setGeometry(50, 50, 150, 60);
        OtomatikSurukle(dugme, true);
        int tiklanan = 0, suruklenen = 0;
        connect(dugme, &QAbstractButton::clicked, this, [&] { ++tiklanan; });
        SuruklemeSurucusuKur([&](QWidget*) { ++suruklenen; });
        QVERIFY(EtkinPencereGoster(pencere, TUR_BOYUTU));
        QPoint p(20, 20);
        for (QChar adim : adimlar) {
            switch (adim.unicode()) {
            case 'b': Bas(dugme, p); break;
            case 'k': Kaydir(dugme, p += QPoint(2, 1)); break;
            case 'K': Kaydir(dugme, p += QPoint(QApplication::startDragDistance() + 5, 0)); break;
            case 'u': case 'U': UzunBasmaBekle([&] { return pencere.Menu > 0; }); break;
            case 's': Kaldir(dugme, p); break;
            case 'F': QTest::mousePress(dugme, Qt::LeftButton, {}, p); break;
            case 'S': QTest::mouseRelease(dugme, Qt::LeftButton, {}, p); break;
            }
        }
        if (tiklama >= 0)
            QCOMPARE(tiklanan, tiklama);
        QCOMPARE(pencere.Menu, menu);
        QCOMPARE(suruklenen, surukleme);
        QVERIFY(!dugme->isDown());
        // The next tap is a plain click again.
        tiklanan = 0;
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        Dokun(dugme, QPoint(100, 30));
        QCOMPARE(tiklanan, 1);
        pencere.close();
    }

    // A finger drags as the mouse does, the drop obeying the target's rules:
    // a weight from the palette onto a pan; a letter onto the sets' board,
    // and the placed tile on along the board.
    void parmaklaSurukleme()
    {
        TestOrtami ortam;
        {
            TTeraziForm f(nullptr);
            QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
            AgirlikShape* agirlik = f.PaletAgirligi(3);
            QVERIFY(ParmaklaSurukle(agirlik, agirlik->rect().center(), f.LeftPan, QPoint(60, 80)));
            QCOMPARE(f.LeftPan->Total(), qint64(3));
            QCOMPARE(f.RightPan->Total(), qint64(0));
            f.close();
        }
        TKumeElemanForm f(nullptr);
        f.Timer1Timer();
        QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
        MetinShape* k = nullptr;
        for (MetinShape* karo : f.Panel1->findChildren<MetinShape*>(QString(), Qt::FindDirectChildrenOnly))
            if (karo->Text == QStringLiteral("k"))
                k = karo;
        QVERIFY(k);
        QVERIFY(ParmaklaSurukle(k, QPoint(3, 3), f.Tahta, BolgeNoktasi(*f.Tahta, 2)));
        QVERIFY(!k->isEnabled());
        const QList<MetinShape*> tahtada = f.Tahta->findChildren<MetinShape*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(tahtada.size(), 1);
        QCOMPARE(f.Tahta->RegionAt(tahtada[0]->pos()), 2);
        const QPoint yeni = BolgeNoktasi(*f.Tahta, 3);
        QVERIFY(ParmaklaSurukle(tahtada[0], QPoint(3, 3), f.Tahta, yeni));
        QCOMPARE(tahtada[0]->pos(), yeni);
        f.close();
    }

    // A long press opens an activity's own menu, which stays open when the
    // finger lifts: a garment's "Giydir" dresses the man, a pan's "Bilinmeyen
    // Ekle" (a menu Qt runs in a loop of its own) puts the unknown on that pan.
    void uzunBasmaMenusu()
    {
        TestOrtami ortam;
        {
            TBebekGiyimForm f(nullptr);
            QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
            GiyimResmi* pantolon = GiysiResmi(f, 200, 1);
            QVERIFY(pantolon);
            QCOMPARE(UzunBasipSec(pantolon, pantolon->rect().center()), QStringList{QStringLiteral("Giydir")});
            QCOMPARE(f.Model.Adam().PantolonRengi, f.Model.Problem().Pantolon(1));
            QCOMPARE(f.Model.Adam().GomlekRengi, clWhite);
            f.close();
        }
        TTeraziForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
        const QPoint yer(f.RightPan->width() / 2, f.RightPan->height() - 10);
        QCOMPARE(UzunBasipSec(f.RightPan, yer), QStringList{QStringLiteral("Bilinmeyen Ekle")});
        QVERIFY(f.RightPan->HasUnknown());
        QVERIFY(!f.LeftPan->HasUnknown());
        f.close();
    }

    // Two taps are a double click, as two clicks are: soon after each other and near.
    void ciftDokunma_data()
    {
        QTest::addColumn<int>("ara");
        QTest::addColumn<int>("kayma");
        QTest::addColumn<bool>("giydi");
        const int aralik = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QTest::newRow("hemen") << 0 << 0 << true;
        QTest::newRow("yakında") << aralik / 4 << 3 << true;
        QTest::newRow("geç") << aralik + 150 << 0 << false;
        QTest::newRow("uzakta") << 0 << 40 << false;
    }
    void ciftDokunma()
    {
        QFETCH(int, ara);
        QFETCH(int, kayma);
        QFETCH(bool, giydi);
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
        GiyimResmi* gomlek = GiysiResmi(f, 100, 0);
        QVERIFY(gomlek);
        const QPoint yer(gomlek->width() / 3, gomlek->height() / 2);
        // Far from any earlier tap of another test.
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        Dokun(gomlek, yer);
        QTest::qWait(ara);
        Dokun(gomlek, yer + QPoint(kayma, 0));
        QCOMPARE(f.Model.Adam().GomlekRengi == f.Model.Problem().Gomlek(0), giydi);
        f.close();
    }
};

#include "dokunma_test.moc"
ORVANTA_TEST(DokunmaTesti)
