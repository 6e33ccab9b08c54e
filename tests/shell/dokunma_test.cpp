#include "agirlikshape.h"
#include "bebekgiyimformu.h"
#include "boncuk.h"
#include "boncukformu.h"
#include "boncukkutusu.h"
#include "boncukmodel.h"
#include "dokunma.h"
#include "Faktorformu.h"
#include "Kumeelemanformu.h"
#include "Metinshape.h"
#include "Myshape.h"
#include "Yuzdeformu.h"
#include "Yuzdelikformu.h"
#include "giyimresmi.h"
#include "kefeformu.h"
#include "kumeformu.h"
#include "../sets/kumeyardimci.h"
#include "surukle.h"
#include "teraziformu.h"
#include "testana.h"
#include "testortami.h"
#include "yuzdemodel.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QFrame>
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

bool GosterVeBekle(QWidget& pencere)
{
    PencereGoster(pencere);
    return QTest::qWaitForWindowExposed(&pencere);
}

// Drags `kaynak` with a finger: down at `kaynakta` (its coordinates), moved
// past the drag distance, lifted. The drag loop drops whatever was dragged on
// `hedef` at `hedefte` through the target's rules. True when `kaynak` was
// dragged and the rules took the drop.
bool ParmaklaSurukle(QWidget* kaynak, QPoint kaynakta, QWidget* hedef, QPoint hedefte)
{
    QWidget* pencere = kaynak->window();
    const QPoint basma = kaynak->mapTo(pencere, kaynakta);
    const QPoint kayma = basma + QPoint(QApplication::startDragDistance() + 5, 0);
    const QWidget* suruklenen = nullptr;
    bool birakildi = false;
    SuruklemeSurucusuKur([&](QWidget* k) {
        suruklenen = k;
        birakildi = SurukleBirak(k, hedef, hedefte);
    });
    Bas(pencere, basma);
    Kaydir(pencere, kayma);
    Kaldir(pencere, kayma);
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

MetinShape* PanelKarosu(const QFrame* panel, const QString& metin)
{
    for (MetinShape* k : panel->findChildren<MetinShape*>(QString(), Qt::FindDirectChildrenOnly))
        if (k->Text == metin && k->isEnabled())
            return k;
    return nullptr;
}

// One drag by a finger in each activity that has drags, checked by what the activity then holds.
const std::vector<std::pair<const char*, std::function<void()>>>& Suruklemeler()
{
    static const std::vector<std::pair<const char*, std::function<void()>>> tablo = {
        {"boncuk",
         [] {
             TestOrtami ortam;
             TBoncukForm f(nullptr);
             QVERIFY(GosterVeBekle(f));
             ortam.Rastgeleler = {60 / HUCRE, 90 / HUCRE};
             Boncuk* eksi = f.BoncukKutu->BoncukEkle(-1);
             ortam.Rastgeleler = {300 / HUCRE, 90 / HUCRE};
             Boncuk* arti = f.BoncukKutu->BoncukEkle(1);
             QVERIFY(ParmaklaSurukle(arti, QPoint(8, 8), eksi, QPoint(3, 3)));
             // The +1 onto the -1 makes a pair at the -1's place.
             QVERIFY(f.BoncukKutu->Ciftler().Oge(0));
             QVERIFY(eksi->isHidden() && arti->isHidden());
             QCOMPARE(f.BoncukKutu->Toplam(), 0);
         }},
        {"terazi",
         [] {
             TestOrtami ortam;
             TTeraziForm f(nullptr);
             QVERIFY(GosterVeBekle(f));
             AgirlikShape* agirlik = f.PaletAgirligi(3);
             QVERIFY(ParmaklaSurukle(agirlik, agirlik->rect().center(), f.LeftPan, QPoint(60, 80)));
             QCOMPARE(f.LeftPan->Total(), qint64(3));
             QCOMPARE(f.RightPan->Total(), qint64(0));
         }},
        {"yuzde",
         [] {
             TestOrtami ortam;
             TYuzdeForm f(nullptr);
             QVERIFY(GosterVeBekle(f));
             TYuzdelikForm* kart = f.Kart(true, 0);
             const QPoint yer(200, 150);
             QVERIFY(ParmaklaSurukle(kart, QPoint(10, 10), f.Masa, yer));
             QCOMPARE(kart->pos(), BirakmaYeri(yer, f.Masa->size()));
         }},
        {"kume_eleman",
         [] {
             TestOrtami ortam;
             TKumeElemanForm f(nullptr);
             f.Timer1Timer();
             QVERIFY(GosterVeBekle(f));
             MetinShape* k = PanelKarosu(f.Panel1, QStringLiteral("k"));
             QVERIFY(k);
             const QPoint yer = BolgeNoktasi(*f.Tahta, 2);
             QVERIFY(ParmaklaSurukle(k, QPoint(3, 3), f.Tahta, yer));
             // Placed on the board, and greyed in the word it came from.
             const QList<MetinShape*> tahtada =
                 f.Tahta->findChildren<MetinShape*>(QString(), Qt::FindDirectChildrenOnly);
             QCOMPARE(tahtada.size(), 1);
             QCOMPARE(tahtada[0]->Text, QStringLiteral("k"));
             QCOMPARE(f.Tahta->RegionAt(tahtada[0]->pos()), 2);
             QVERIFY(!k->isEnabled());
             // A placed tile moves on the board by a finger too.
             const QPoint yeni = BolgeNoktasi(*f.Tahta, 3);
             QVERIFY(ParmaklaSurukle(tahtada[0], QPoint(3, 3), f.Tahta, yeni));
             QCOMPARE(tahtada[0]->pos(), yeni);
         }},
        {"carpan_agaci",
         [] {
             TestOrtami ortam;
             ortam.Rastgeleler = {12, 18};
             TFaktorItForm f(nullptr);
             QVERIFY(GosterVeBekle(f));
             f.CozActionExecute();
             MyShape* yaprak = nullptr;
             for (MyShape* d : f.Tree1->findChildren<MyShape*>())
                 if (d->Value() == 2 && d->IsPrime() && !d->isHidden() && d->State == 1)
                     yaprak = d;
             QVERIFY(yaprak);
             QVERIFY(ParmaklaSurukle(yaprak, yaprak->rect().center(), f.Panel1, QPoint(10, 10)));
             QCOMPARE(f.Products[PANEL_ONLY_FIRST], 2);
         }},
    };
    return tablo;
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
        QVERIFY(GosterVeBekle(pencere));
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

    void parmaklaSurukleme_data()
    {
        QTest::addColumn<int>("sira");
        for (size_t i = 0; i < Suruklemeler().size(); ++i)
            QTest::newRow(Suruklemeler()[i].first) << int(i);
    }
    void parmaklaSurukleme()
    {
        QFETCH(int, sira);
        Suruklemeler()[size_t(sira)].second();
    }

    // A long press on a garment opens its menu, which stays open when the
    // finger lifts; its "Giydir" dresses the man.
    void uzunBasmaGiysiMenusu()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        QVERIFY(GosterVeBekle(f));
        GiyimResmi* pantolon = GiysiResmi(f, 200, 1);
        QVERIFY(pantolon);
        const QPoint yer = pantolon->rect().center();
        Bas(pantolon, yer);
        QVERIFY(UzunBasmaBekle([&] { return f.PopupMenu1->isVisible(); }));
        Kaldir(pantolon, yer);
        QVERIFY(f.PopupMenu1->isVisible());
        QCOMPARE(f.PopupMenu1->actions(), QList<QAction*>{f.Giydir1});
        QCOMPARE(f.Giydir1->text(), QStringLiteral("Giydir"));
        f.Giydir1->trigger();
        f.PopupMenu1->hide();
        QCOMPARE(f.Model.Adam().PantolonRengi, f.Model.Problem().Pantolon(1));
        QCOMPARE(f.Model.Adam().GomlekRengi, clWhite);
        f.close();
    }

    // A long press on a pan opens the pan's own menu (Qt runs it in a loop of
    // its own); "Bilinmeyen Ekle" there puts the unknown on that pan.
    void uzunBasmaKefeMenusu()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        QVERIFY(GosterVeBekle(f));
        const QPoint yer(f.RightPan->width() / 2, f.RightPan->height() - 10);
        QStringList menude;
        bool acikKaldi = false;
        QTimer bekci;
        bekci.setInterval(10);
        connect(&bekci, &QTimer::timeout, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            bekci.stop();
            Kaldir(f.RightPan, yer);
            acikKaldi = menu->isVisible();
            for (QAction* a : menu->actions())
                menude << a->text();
            if (!menu->actions().isEmpty())
                menu->actions().first()->trigger();
            menu->close();
        });
        bekci.start();
        Bas(f.RightPan, yer);
        if (!UzunBasmaBekle([&] { return !bekci.isActive(); })) {
            Kaldir(f.RightPan, yer);
            QFAIL("menü açılmadı");
        }
        QVERIFY(acikKaldi);
        QCOMPARE(menude, QStringList{QStringLiteral("Bilinmeyen Ekle")});
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
        QVERIFY(GosterVeBekle(f));
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
