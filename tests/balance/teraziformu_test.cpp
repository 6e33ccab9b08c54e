#include "agirlikshape.h"
#include "kefeformu.h"
#include "teraziformu.h"
#include "mesaj.h"
#include "surukle.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QCheckBox>
#include <QMenu>
#include <QTimer>
#include <QDrag>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <limits>

namespace {
// A weight dropped on a pan at `p`, as a drop does it.
void Birak(TKefeForm* kefe, QObject* agirlik, QPoint p = QPoint(60, 80))
{
    if (kefe->KefeDragOver(agirlik, p))
        kefe->KefeDragDrop(agirlik, p);
}

AgirlikShape* Bul(TKefeForm* kefe, int kg)
{
    for (AgirlikShape* a : kefe->Agirliklar())
        if (a->Tag == kg)
            return a;
    return nullptr;
}

// What lies on each pan agrees with its total and its label, and the pans hang
// on the arms of the picture the scale shows.
void Tutarli(const TTeraziForm& f)
{
    for (TKefeForm* kefe : {f.LeftPan, f.RightPan}) {
        qint64 toplam = 0;
        int x = 0;
        for (AgirlikShape* a : kefe->Agirliklar())
            a->Bilinmeyen() ? ++x : toplam += a->Tag;
        QCOMPARE(kefe->Total(), toplam);
        QCOMPARE(kefe->Label1->text(), KefeEtiketi(toplam, x == 1));
    }
    QCOMPARE(f.Image1->Durum(), f.Model.Durum());
    const KefeYerleri yer = KefeYerleriHesapla(f.Model.Durum(), f.Image1->pos());
    QCOMPARE(f.LeftPan->pos(), yer.Sol);
    QCOMPARE(f.RightPan->pos(), yer.Sag);
}

// Tab while a weight is carried, until `istenen` holds for the widget under
// its hot spot (its top-left corner); false after 30 presses.
template <typename Kosul> bool Tasi(Klavye& k, QWidget* pencere, Kosul istenen)
{
    const auto altindaki = [&] {
        const std::optional<QPoint> nokta = KlavyeTasimaNoktasi();
        return nokta && istenen(pencere->childAt(pencere->mapFromGlobal(*nokta)));
    };
    k.Bas(Qt::Key_Tab);
    k.Sayi += KosulaKadarSekme(altindaki, 29);
    return altindaki();
}

// The key that opens the focused widget's context menu, then the menu's first
// command chosen by keys.
void MenudenSec(Klavye& k, int tus, Qt::KeyboardModifiers degistirici = Qt::NoModifier)
{
    bool acildi = false;
    QTimer secici;
    secici.setSingleShot(true);
    QObject::connect(&secici, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        acildi = true;
        if (!menu->activeAction())
            k.Bas(Qt::Key_Down);
        k.Bas(Qt::Key_Return);
    });
    secici.start(0);
    QWidget* w = QApplication::focusWidget();
    QVERIFY2(w, "nothing has the focus");
    QWidget* pencere = w->window();
    k.Bas(tus, degistirici);
    QVERIFY2(acildi, "no menu opened");
    // A desktop gives the window back its activation when the menu closes;
    // the offscreen platform leaves none active.
    if (!QApplication::activeWindow())
        QApplication::setActiveWindow(pencere);
    QCOMPARE(QApplication::focusWidget(), w);
}

void Sil()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

class TeraziTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void acilis()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        f.show();
        QVERIFY(!f.Model.UnknownAdded && !f.Model.Frozen && !f.UnknownShape());
        QVERIFY(f.Panel1->isVisible() && !f.Panel2->isVisible());
        QVERIFY(f.Button8->isEnabled() && !f.Button5->isEnabled());
        // Each weight of the palette shows its colour on its block.
        for (int kg : {1, 3, 5}) {
            AgirlikShape* a = f.PaletAgirligi(kg);
            const QImage resim = a->grab().toImage();
            const QPoint blok(a->width() - 5, a->height() * 2 / 3);
            QCOMPARE(resim.pixelColor(blok * resim.devicePixelRatio()), RenkQ(AgirlikRengi(kg)));
        }
        Tutarli(f);
        EkranKaydet(&f, QStringLiteral("terazi_bos"));
        // A resized window keeps the pans on the arms; the narrowest shows both whole.
        f.resize(f.minimumSize());
        f.grab();
        Tutarli(f);
        QVERIFY(f.LeftPan->x() >= 0 && f.RightPan->geometry().right() < f.width());
        EkranKaydet(&f, QStringLiteral("terazi_dar"), false);
        QCOMPARE(ortam.Kayit, QStringList());
        f.close();
    }

    void kefelere_agirlik()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        Birak(f.LeftPan, f.PaletAgirligi(5));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::SolAgir);
        Birak(f.RightPan, f.PaletAgirligi(3));
        Birak(f.RightPan, f.PaletAgirligi(3), QPoint(240, 240));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::SagAgir);
        // Pulled back inside the pan, clear of its label.
        const QRect son = f.RightPan->Agirliklar().last()->geometry();
        QVERIFY(f.RightPan->rect().contains(son) && son.bottom() < f.RightPan->Label1->y());
        Birak(f.LeftPan, f.PaletAgirligi(1));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::Dengede);
        QCOMPARE(ortam.Sesler(), (QList<int>{1256, 1256, 1256, 1256}));
        Tutarli(f);

        // Moved inside its pan a weight keeps the total; to the other pan, it goes along.
        AgirlikShape* bes = Bul(f.LeftPan, 5);
        Birak(f.LeftPan, bes, QPoint(150, 30));
        QCOMPARE(bes->pos(), QPoint(150, 30));
        Birak(f.RightPan, bes);
        QVERIFY(bes->isHidden());
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("11"));
        // A reader hears the weight, the pan and the picture as they now are.
        QCOMPARE(OkunanAd(Bul(f.RightPan, 5)), QStringLiteral("5 kg, sağ kefede"));
        QCOMPARE(OkunanAd(f.RightPan), QStringLiteral("Sağ kefe: 11"));
        QCOMPARE(OkunanAd(f.Image1), QStringLiteral("Terazi sağa eğik"));
        Tutarli(f);

        f.BilinmeyenEkleAction->trigger();
        QVERIFY(!f.Button8->isEnabled() && !f.RightPan->actions().first()->isEnabled());
        QCOMPARE(f.RightPan->AddUnknown(), nullptr);
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("1 + X"));
        // The unknown never leaves the pans, but goes from one to the other.
        QVERIFY(!f.FormDragOver(f.UnknownShape(), QPoint(5, 5)));
        QVERIFY(!f.PaletDragOver(f.UnknownShape(), QPoint(5, 5)));
        Birak(f.RightPan, f.UnknownShape());
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("11 + X"));
        QCOMPARE(f.UnknownShape()->parentWidget(), f.RightPan);
        QCOMPARE(OkunanAd(f.UnknownShape()), QStringLiteral("X, sağ kefede"));
        Tutarli(f);

        f.setWindowState(Qt::WindowNoState);
        f.resize(1366, 768);
        Birak(f.LeftPan, f.UnknownShape(), QPoint(120, 40));
        for (int kg : {5, 3, 3, 1})
            Birak(f.LeftPan, f.PaletAgirligi(kg), QPoint(20 + 45 * f.LeftPan->Agirliklar().size(), 150));
        Tutarli(f);
        EkranKaydet(&f, QStringLiteral("terazi_sola_egik"));
        QWidget yabanci; // not a weight: taken nowhere
        Birak(f.LeftPan, &yabanci);
        f.FormDragDrop(&yabanci, QPoint(5, 5));
        Tutarli(f);
    }

    // Weights leave by cancelling, and by drops on the window, the palette or the picture.
    void agirlik_gider()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        for (int kg : {3, 3, 5, 1})
            Birak(f.LeftPan, f.PaletAgirligi(kg));
        for (int kg : {3, 5, 1, 1})
            Birak(f.RightPan, f.PaletAgirligi(kg));
        ortam.Temizle();
        QPointer<AgirlikShape> solUc = Bul(f.LeftPan, 3), sagUc = Bul(f.RightPan, 3);
        MesajGonder(f.RightPan, MSG_SHAPE_DROPPED, MesajParametresi<SayiShape>(sagUc), MesajParametresi<QObject>(solUc));
        QVERIFY(solUc->isHidden() && sagUc->isHidden());
        QCOMPARE(f.LeftPan->Total(), qint64(9));
        QCOMPARE(f.RightPan->Total(), qint64(7));
        f.RightPan->CancelWeights(Bul(f.RightPan, 5), f.PaletAgirligi(5));
        QCOMPARE(ortam.Kayit, (QStringList{"ses: 1256", "ses: 1258", "mesaj: Önce ağırlığı bir kefeye bırakınız!"}));
        Tutarli(f);

        ortam.Temizle();
        QPointer<AgirlikShape> gidenler[4] = {Bul(f.LeftPan, 5), Bul(f.LeftPan, 1), Bul(f.RightPan, 5),
                                              Bul(f.RightPan, 1)};
        f.FormDragDrop(gidenler[0], QPoint(5, 600));
        f.PaletDragDrop(gidenler[1], QPoint(300, 10));
        QVERIFY(f.PaletAgirligi(1)->XDragOver(gidenler[2], QPoint(1, 1))); // a palette weight is the palette
        f.PaletDragDrop(gidenler[2], QPoint(1, 1));
        f.PaletDragDrop(gidenler[3], QPoint(100, 100));
        QCOMPARE(f.LeftPan->Total(), qint64(3));
        QCOMPARE(f.RightPan->Total(), qint64(1));
        f.FormDragDrop(f.PaletAgirligi(3), QPoint(5, 600)); // lies on no pan: nothing
        QVERIFY(!f.PaletAgirligi(3)->isHidden());
        QCOMPARE(ortam.Kayit, QStringList());
        Tutarli(f);
        f.Timer1Timer();
        f.Timer2Timer();
        Sil();
        for (const auto& g : gidenler)
            QVERIFY(!g);
        QVERIFY(!solUc && !sagUc && !f.Timer1->isActive() && !f.Timer2->isActive());
    }

    // Two cancels within one tick, a new problem right after them, and a weight
    // whose drag has not ended yet.
    void bekleyen_silmeler()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        for (int kg : {3, 5, 1})
            for (TKefeForm* kefe : {f.LeftPan, f.RightPan})
                Birak(kefe, f.PaletAgirligi(kg));
        QPointer<AgirlikShape> uc = Bul(f.LeftPan, 3), bes = Bul(f.LeftPan, 5), bir = Bul(f.RightPan, 1);
        f.RightPan->CancelWeights(Bul(f.RightPan, 3), uc);
        f.RightPan->CancelWeights(Bul(f.RightPan, 5), bes);
        auto* surukleme = new QDrag(bir);
        f.ResetActionExecute();
        Tutarli(f);
        QVERIFY(uc->isHidden() && bes->isHidden() && bir->isHidden());
        f.Timer1Timer();
        Sil();
        QVERIFY(!uc && !bes && bir && f.Timer1->isActive());
        delete surukleme;
        f.Timer1Timer();
        Sil();
        QVERIFY(!bir && !f.Timer1->isActive());
    }

    void parcalama()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        PencereGoster(f);
        for (int kg : {5, 3})
            Birak(f.RightPan, f.PaletAgirligi(kg));
        Birak(f.LeftPan, f.PaletAgirligi(3));
        ortam.Temizle();
        // In drag mode a press (the start of a drag) and a double click split nothing.
        AgirlikShape* bes = Bul(f.RightPan, 5);
        QTest::mouseClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QTest::mouseDClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        f.CheckBox1->setChecked(true);
        QVERIFY(!OtomatikSurukleAcik(bes));
        // Nor does a double click in split mode, nor a press of another pan's weight.
        QTest::mouseDClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        MesajGonder(f.RightPan, MSG_SHAPE_ACTIVATED, MesajParametresi<SayiShape>(Bul(f.LeftPan, 3)));
        QCOMPARE(f.RightPan->Agirliklar().size() + f.LeftPan->Agirliklar().size(), 3);
        // A quick double click in split mode: the first press splits, the rest does nothing.
        ortam.Rastgeleler = {0, 0, 90, 40, 170, 10};
        QTest::mouseClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QTest::mouseDClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QList<int> kgler;
        for (AgirlikShape* a : f.RightPan->Agirliklar()) {
            kgler << a->Tag;
            QVERIFY(OtomatikSurukleAcik(a));
        }
        QCOMPARE(kgler, (QList<int>{3, 3, 1, 1}));
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("8"));
        QVERIFY(!f.CheckBox1->isChecked() && !f.Model.BolmeKipi);
        QCOMPARE(ortam.Sesler(), QList<int>{1256});
        Tutarli(f);
        EkranKaydet(&f, QStringLiteral("terazi_parcalandi"));
        f.close();
    }

    // X + 1 = 5 + 1 by keys alone: the unknown from the pan's menu, the
    // weights carried from the palette, the ones taken off both pans, X
    // equalised and its value typed.
    void klavyeyle_cozum()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1000, 750)));
        Klavye k;
        QVERIFY(k.Git(f.LeftPan));
        MenudenSec(k, Qt::Key_Menu);
        QVERIFY(f.Model.UnknownAdded && f.LeftPan->HasUnknown());
        auto kefe = [](TKefeForm* hedef) { return [hedef](QWidget* w) { return w == hedef; }; };
        const struct
        {
            int kg;
            TKefeForm* kefe;
            bool geri; // the way to the palette weight by Tab
        } koyulanlar[] = {{1, f.LeftPan, true}, {1, f.RightPan, false}, {5, f.RightPan, false}};
        for (const auto& koy : koyulanlar) {
            QVERIFY(k.Git(f.PaletAgirligi(koy.kg), koy.geri));
            k.Bas(Qt::Key_Space);
            QVERIFY(Tasi(k, &f, kefe(koy.kefe)));
            k.Bas(Qt::Key_Return);
        }
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("1 + X"));
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("6"));
        // The 1 of the left pan onto the 1 of the right: both leave.
        QVERIFY(k.Git(Bul(f.LeftPan, 1)));
        k.Bas(Qt::Key_Space);
        AgirlikShape* sagdaki = Bul(f.RightPan, 1);
        QVERIFY(Tasi(k, &f, [&](QWidget* w) { return w == sagdaki; }));
        k.Bas(Qt::Key_Return);
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("X"));
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("5"));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::SagAgir);
        QVERIFY(k.Git(f.Button5, true));
        k.Bas(Qt::Key_Space);
        QCOMPARE(f.Model.UnknownValue, qint64(5));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::Dengede);
        QCOMPARE(QApplication::focusWidget(), f.Edit1);
        k.Bas(Qt::Key_5);
        k.Bas(Qt::Key_Return);
        QCOMPARE(ortam.Suzulmus(QStringLiteral("mesaj")),
                 QStringList{QStringLiteral("mesaj: Tebrikler x değerini doğru buldunuz.")});
        Tutarli(f);
        qInfo("tuşlar: %d", k.Sayi);
        f.close();
    }

    // Shift+F10 opens a pan's menu as the menu key does in the solve above.
    void kefe_menusu_shift_f10()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1000, 750)));
        Klavye k;
        QVERIFY(k.Git(f.RightPan));
        MenudenSec(k, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(f.RightPan->HasUnknown() && !f.LeftPan->HasUnknown());
        f.close();
    }

    // In split mode Space or Enter on a weight splits it, as a press does; the
    // first piece takes the focus.
    void parcalama_tuslari_data()
    {
        QTest::addColumn<int>("tus");
        QTest::newRow("Boşluk") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void parcalama_tuslari()
    {
        QFETCH(int, tus);
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1000, 750)));
        Birak(f.LeftPan, f.PaletAgirligi(5));
        Klavye k;
        QVERIFY(k.Git(f.CheckBox1, true));
        k.Bas(Qt::Key_Space);
        QVERIFY(f.Model.BolmeKipi);
        QVERIFY(k.Git(Bul(f.LeftPan, 5)));
        k.Bas(tus);
        QList<int> kgler;
        for (AgirlikShape* a : f.LeftPan->Agirliklar())
            kgler << a->Tag;
        QCOMPARE(kgler, (QList<int>{3, 1, 1}));
        QVERIFY(!f.Model.BolmeKipi);
        QCOMPARE(QApplication::focusWidget(), Bul(f.LeftPan, 3));
        // Out of split mode the same keys split nothing: Space picks the weight up.
        k.Bas(tus);
        QCOMPARE(f.LeftPan->Agirliklar().size(), 3);
        f.close();
    }

    void esitle_ve_cevapla()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        PencereGoster(f);
        QApplication::setActiveWindow(&f);
        Birak(f.LeftPan, f.PaletAgirligi(1));
        f.BilinmeyenEkleAction->trigger();
        for (int kg : {5, 1})
            Birak(f.RightPan, f.PaletAgirligi(kg));
        f.Button5->click();
        QCOMPARE(f.Model.UnknownValue, qint64(5));
        QVERIFY(!f.Panel1->isVisible() && f.Panel2->isVisible() && !f.Button5->isVisible());
        // Every value of x fits in the answer box.
        QVERIFY(f.Edit1->maxLength() >= QString::number(std::numeric_limits<qint64>::min()).size());
        Tutarli(f);

        // Frozen: weight on weight still cancels.
        QVERIFY(!f.LeftPan->KefeDragOver(Bul(f.RightPan, 5), QPoint(5, 5)));
        f.LeftPan->CancelWeights(Bul(f.LeftPan, 1), Bul(f.RightPan, 1));
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("X"));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::Dengede);
        Tutarli(f);

        // The answer: the key filter, a lone sign, a wrong and a right one.
        ortam.Temizle();
        QVERIFY(f.Edit1->hasFocus());
        QTest::keyClicks(f.Edit1, QStringLiteral("-a."));
        QCOMPARE(f.Edit1->text(), QStringLiteral("-"));
        QTest::keyClick(f.Edit1, Qt::Key_Return);
        f.Edit1->setText(QStringLiteral("4"));
        QTest::keyClick(f.Edit1, Qt::Key_Return);
        f.Edit1->setText(QStringLiteral("5"));
        QTest::keyClick(f.Edit1, Qt::Key_Enter);
        QVERIFY(f.isVisible() && f.Model.Frozen);
        QCOMPARE(ortam.Kayit, (QStringList{"hata: '-' geçerli bir tamsayı değeri değil", "ses: 1258",
                                           "mesaj: Maalesef x değerini bulamadınız.\nTekrar Deneyiniz!", "ses: 1257",
                                           "mesaj: Tebrikler x değerini doğru buldunuz."}));
        EkranKaydet(&f, QStringLiteral("terazi_esitlendi"));

        // A new problem: empty pans, the unknown destroyed once, building again.
        QPointer<AgirlikShape> x = f.UnknownShape();
        f.ResetAction->trigger();
        QVERIFY(x->isHidden() && !f.UnknownShape() && !f.Model.Frozen && !f.Model.UnknownAdded);
        QVERIFY(f.Panel1->isVisible() && !f.Panel2->isVisible() && f.Button5->isVisible() && f.Button8->isEnabled());
        Tutarli(f);
        f.Timer1Timer();
        Sil();
        QVERIFY(!x);
        f.close();
    }
};

#include "teraziformu_test.moc"
ORVANTA_TEST(TeraziTesti)
