#include "Agirlikshape.h"
#include "Kefeformu.h"
#include "Teraziformu.h"
#include "mesaj.h"
#include "surukle.h"
#include "testana.h"
#include "testortami.h"

#include <QCheckBox>
#include <QDrag>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <limits>
#include <random>

namespace {
// A weight of the palette (or any weight) dropped on a pan at `p`, as a drop does it.
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

// What lies on each pan as the pupil sees it agrees with the totals and the labels.
void Tutarli(const TTeraziForm& f)
{
    for (TKefeForm* kefe : {f.LeftPan, f.RightPan}) {
        qint64 toplam = 0;
        int x = 0;
        for (AgirlikShape* a : kefe->Agirliklar())
            a->Bilinmeyen() ? ++x : toplam += a->Tag;
        QCOMPARE(kefe->Total(), toplam);
        QCOMPARE(int(kefe->HasUnknown()), x);
        QCOMPARE(kefe->Label1->text(), KefeEtiketi(toplam, x == 1));
    }
    QCOMPARE(f.Image1->Durum(), f.Model.Durum());
    const KefeYerleri yer = KefeYerleriHesapla(f.Model.Durum(), f.Image1->pos());
    QCOMPARE(f.LeftPan->pos(), yer.Sol);
    QCOMPARE(f.RightPan->pos(), yer.Sag);
}

// Lets Qt delete what was handed to deleteLater.
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
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("0"));
        QVERIFY(!f.Model.UnknownAdded && !f.Model.Frozen && !f.UnknownShape);
        QVERIFY(f.Panel1->isVisible() && !f.Panel2->isVisible());
        QVERIFY(f.BilinmeyenEkleAction->isEnabled());
        QVERIFY(!f.BilinmeyenEsitleAction->isEnabled() && !f.Button5->isEnabled());
        QCOMPARE(f.Edit1->text(), QStringLiteral("0"));
        for (int kg : {1, 3, 5}) {
            QCOMPARE(f.PaletAgirligi(kg)->size(), AgirlikBoyu(kg));
            QCOMPARE(f.PaletAgirligi(kg)->Firca, AgirlikRengi(kg));
        }
        Tutarli(f);
        EkranKaydet(&f, QStringLiteral("terazi_bos"));
        // The pans sit on the picture's arms also after the window was resized,
        // and the narrowest window still shows both of them whole.
        f.resize(f.minimumSize());
        f.grab();
        Tutarli(f);
        QVERIFY(f.LeftPan->x() >= 0 && f.RightPan->geometry().right() < f.width());
        QCOMPARE(ortam.Kayit, QStringList());
        EkranKaydet(&f, QStringLiteral("terazi_dar"), false);
        f.close();
    }

    // Palette copies, the scale after each change, moving and the unknown.
    void kefelere_agirlik()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        Birak(f.LeftPan, f.PaletAgirligi(5));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::SolAgir);
        Birak(f.RightPan, f.PaletAgirligi(3));
        Birak(f.RightPan, f.PaletAgirligi(3), QPoint(240, 240));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::SagAgir);
        // Pulled back inside the pan at the corner.
        QCOMPARE(f.RightPan->Agirliklar().last()->pos(), QPoint(250 - 24 - 5, 250 - 30 - 5));
        Birak(f.LeftPan, f.PaletAgirligi(1));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::Dengede);
        QCOMPARE(ortam.Sesler(), (QList<int>{1256, 1256, 1256, 1256}));
        QCOMPARE(f.Panel1->findChildren<AgirlikShape*>().size(), 3);
        Tutarli(f);

        // Moving inside its own pan keeps the total; to the other pan, the weight goes along.
        AgirlikShape* bes = Bul(f.LeftPan, 5);
        Birak(f.LeftPan, bes, QPoint(150, 30));
        QCOMPARE(bes->pos(), QPoint(150, 30));
        QCOMPARE(f.LeftPan->Total(), qint64(6));
        Birak(f.RightPan, bes);
        QVERIFY(bes->isHidden());
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("1"));
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("11"));
        Tutarli(f);

        f.BilinmeyenEkleAction->trigger();
        QVERIFY(f.UnknownShape && f.UnknownShape->parentWidget() == f.LeftPan);
        QVERIFY(!f.BilinmeyenEkleAction->isEnabled() && !f.Button8->isEnabled());
        QVERIFY(!f.RightPan->actions().first()->isEnabled());
        QCOMPARE(f.RightPan->AddUnknown(), nullptr);
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("1 + X"));
        // The unknown never leaves the pans.
        QVERIFY(!f.FormDragOver(f.UnknownShape, QPoint(5, 5)));
        QVERIFY(!f.PaletDragOver(f.UnknownShape, QPoint(5, 5)));
        Birak(f.RightPan, f.UnknownShape);
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("1"));
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("11 + X"));
        QCOMPARE(f.UnknownShape->parentWidget(), f.RightPan);
        Tutarli(f);
        f.setWindowState(Qt::WindowNoState);
        f.resize(1366, 768);
        Birak(f.LeftPan, f.UnknownShape, QPoint(120, 40));
        for (int kg : {5, 3, 3, 1})
            Birak(f.LeftPan, f.PaletAgirligi(kg), QPoint(20 + 45 * f.LeftPan->Agirliklar().size(), 150));
        Tutarli(f);
        QCOMPARE(f.Model.Durum(), TeraziDurumu::SolAgir);
        EkranKaydet(&f, QStringLiteral("terazi_sola_egik"));

        // Anything that is not a weight is not taken.
        QWidget yabanci;
        Birak(f.LeftPan, &yabanci);
        f.FormDragDrop(&yabanci, QPoint(5, 5));
        f.PaletDragDrop(&yabanci, QPoint(5, 5));
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
        // Dropped on the 3 of the right pan, the left pan's 3 takes it along.
        MesajGonder(f.RightPan, MSG_SHAPE_DROPPED, MesajParametresi<SayiShape>(sagUc), MesajParametresi<QObject>(solUc));
        QVERIFY(solUc->isHidden() && sagUc->isHidden());
        QCOMPARE(f.LeftPan->Total(), qint64(9));
        QCOMPARE(f.RightPan->Total(), qint64(7));
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("ses: 1256")});
        Tutarli(f);

        // Refusals: sound, message, nothing moves.
        ortam.Temizle();
        f.LeftPan->CancelWeights(Bul(f.LeftPan, 3), Bul(f.LeftPan, 5));
        f.RightPan->CancelWeights(Bul(f.RightPan, 5), f.PaletAgirligi(5));
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1258"),
                                           QStringLiteral("mesaj: Aynı Kefeden farklı ağırlıkları Götüremezsiniz!"),
                                           QStringLiteral("ses: 1258"),
                                           QStringLiteral("mesaj: Önce ağırlığı bir kefeye bırakınız!")}));
        Tutarli(f);

        // The window's surface, the palette, a palette weight and the picture take weights away.
        ortam.Temizle();
        QPointer<AgirlikShape> gidenler[4] = {Bul(f.LeftPan, 5), Bul(f.LeftPan, 1), Bul(f.RightPan, 5),
                                              Bul(f.RightPan, 1)};
        f.FormDragDrop(gidenler[0], QPoint(5, 600));
        f.PaletDragDrop(gidenler[1], QPoint(300, 10));
        QVERIFY(f.PaletAgirligi(1)->XDragOver(gidenler[2], QPoint(1, 1)));
        f.PaletDragDrop(gidenler[2], QPoint(1, 1));
        f.PaletDragDrop(gidenler[3], QPoint(100, 100));
        QCOMPARE(f.LeftPan->Total(), qint64(3));
        QCOMPARE(f.RightPan->Total(), qint64(1));
        Tutarli(f);
        // The 3 of the palette lies on no pan: a drop of it on the window does nothing.
        f.FormDragDrop(f.PaletAgirligi(3), QPoint(5, 600));
        QVERIFY(f.PaletAgirligi(3)->isVisible() == f.Panel1->isVisible());
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(f.BekleyenSilmeler(), 5);
        f.Timer1Timer();
        f.Timer2Timer();
        Sil();
        for (const auto& g : gidenler)
            QVERIFY(!g);
        QVERIFY(!solUc && !sagUc);
        QVERIFY(!f.Timer1->isActive() && !f.Timer2->isActive());
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
        auto* surukleme = new QDrag(bir); // still being dragged
        f.ResetActionExecute();
        Tutarli(f);
        QCOMPARE(f.LeftPan->Total(), qint64(0));
        QVERIFY(uc->isHidden() && bes->isHidden() && bir->isHidden());
        f.Timer1Timer();
        Sil();
        QVERIFY(!uc && !bes);
        QVERIFY(bir);
        QVERIFY(f.Timer1->isActive());
        delete surukleme;
        f.Timer1Timer();
        Sil();
        QVERIFY(!bir);
        QVERIFY(!f.Timer1->isActive());
        QVERIFY(f.LeftPan->Agirliklar().isEmpty() && f.RightPan->Agirliklar().isEmpty());
    }

    void parcalama()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        f.setWindowState(Qt::WindowNoState);
        f.resize(1366, 768);
        f.show();
        Birak(f.RightPan, f.PaletAgirligi(5));
        Birak(f.RightPan, f.PaletAgirligi(3));
        Birak(f.LeftPan, f.PaletAgirligi(3));
        ortam.Temizle();
        // In drag mode a press (the start of a drag) and a double click split nothing.
        AgirlikShape* bes = Bul(f.RightPan, 5);
        QTest::mousePress(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QTest::mouseRelease(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QTest::mouseDClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QCOMPARE(f.RightPan->Agirliklar().size(), 2);
        QVERIFY(OtomatikSurukleAcik(bes));

        f.CheckBox1->setChecked(true);
        QVERIFY(!OtomatikSurukleAcik(bes));
        // A press of the other pan's weight sent to this pan splits nothing.
        MesajGonder(f.RightPan, MSG_SHAPE_ACTIVATED, MesajParametresi<SayiShape>(Bul(f.LeftPan, 3)));
        QCOMPARE(f.LeftPan->Agirliklar().size(), 1);
        // A double click reports the number, not the weight: no split.
        QTest::mouseDClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QCOMPARE(f.RightPan->Agirliklar().size(), 2);
        // A quick double click: the first press splits, the rest does nothing more.
        ortam.Rastgeleler = {0, 0, 90, 40, 170, 10};
        QTest::mouseClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QTest::mouseDClick(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QTest::mouseRelease(bes, Qt::LeftButton, {}, QPoint(5, 20));
        QList<int> kgler;
        for (AgirlikShape* a : f.RightPan->Agirliklar())
            kgler << a->Tag;
        QCOMPARE(kgler, (QList<int>{3, 3, 1, 1}));
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("8"));
        QCOMPARE(f.RightPan->Agirliklar().at(1)->pos(), QPoint(20, 20));
        QVERIFY(!f.CheckBox1->isChecked() && !f.Model.BolmeKipi);
        for (AgirlikShape* a : f.RightPan->Agirliklar())
            QVERIFY(OtomatikSurukleAcik(a));
        QCOMPARE(ortam.Sesler(), QList<int>{1256});
        Tutarli(f);
        EkranKaydet(&f, QStringLiteral("terazi_parcalandi"));

        // A 1 does not split, but split mode still ends.
        f.CheckBox1->setChecked(true);
        QTest::mouseClick(Bul(f.RightPan, 1), Qt::LeftButton, {}, QPoint(5, 20));
        QCOMPARE(f.RightPan->Agirliklar().size(), 4);
        QVERIFY(!f.CheckBox1->isChecked());
        f.close();
    }

    void esitle_ve_cevapla()
    {
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        f.setWindowState(Qt::WindowNoState);
        f.resize(1366, 768);
        f.show();
        QApplication::setActiveWindow(&f);
        Birak(f.LeftPan, f.PaletAgirligi(1));
        f.BilinmeyenEkleAction->trigger();
        Birak(f.RightPan, f.PaletAgirligi(5));
        Birak(f.RightPan, f.PaletAgirligi(1));
        QVERIFY(f.BilinmeyenEsitleAction->isEnabled());
        f.BilinmeyenEsitleAction->trigger();
        QCOMPARE(f.Model.UnknownValue, qint64(5));
        QVERIFY(f.Model.Frozen && !f.Panel1->isVisible() && f.Panel2->isVisible());
        QVERIFY(!f.Button5->isVisible());
        QCOMPARE(f.Model.Durum(), TeraziDurumu::Dengede);
        Tutarli(f);

        // Frozen: no drops on the pans or the window; weight on weight still cancels.
        QVERIFY(!f.LeftPan->KefeDragOver(Bul(f.RightPan, 5), QPoint(5, 5)));
        f.LeftPan->KefeDragDrop(Bul(f.RightPan, 5), QPoint(5, 5));
        QVERIFY(!f.FormDragOver(Bul(f.RightPan, 5), QPoint(5, 5)));
        f.FormDragDrop(Bul(f.RightPan, 5), QPoint(5, 600));
        QCOMPARE(f.RightPan->Total(), qint64(6));
        ortam.Temizle();
        f.LeftPan->CancelWeights(Bul(f.LeftPan, 1), Bul(f.RightPan, 1));
        QCOMPARE(f.LeftPan->Label1->text(), QStringLiteral("X"));
        QCOMPARE(f.RightPan->Label1->text(), QStringLiteral("5"));
        QCOMPARE(f.Model.Durum(), TeraziDurumu::Dengede);
        Tutarli(f);

        // The answer: the key filter, a wrong and a right one, and Enter.
        QVERIFY(f.Edit1->hasFocus());
        QTest::keyClicks(f.Edit1, QStringLiteral("4a."));
        QCOMPARE(f.Edit1->text(), QStringLiteral("4"));
        QTest::keyClick(f.Edit1, Qt::Key_Return);
        f.Edit1->setText(QStringLiteral("5"));
        QTest::keyClick(f.Edit1, Qt::Key_Enter);
        QVERIFY(f.isVisible());
        QCOMPARE(ortam.Kayit.mid(1), (QStringList{QStringLiteral("ses: 1258"),
                                                   QStringLiteral("mesaj: Maalesef x değerini bulamadınız.\nTekrar Deneyiniz!"),
                                                   QStringLiteral("ses: 1257"),
                                                   QStringLiteral("mesaj: Tebrikler x değerini doğru buldunuz.")}));
        EkranKaydet(&f, QStringLiteral("terazi_esitlendi"));

        // A new problem: empty pans, no unknown, building again.
        QPointer<AgirlikShape> x = f.UnknownShape;
        f.ResetAction->trigger();
        QVERIFY(x->isHidden() && !f.UnknownShape);
        QVERIFY(!f.Model.Frozen && !f.Model.UnknownAdded && f.Panel1->isVisible() && !f.Panel2->isVisible());
        QVERIFY(f.BilinmeyenEkleAction->isEnabled());
        QVERIFY(f.Button5->isVisible());
        Tutarli(f);
        f.Timer1Timer();
        Sil();
        QVERIFY(!x);
        f.close();
    }

    // What cannot be read as an integer shows the conversion error and changes nothing.
    void cevap_kutusu_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::newRow("bos") << QString();
        QTest::newRow("eksi") << QStringLiteral("-");
        QTest::newRow("arti") << QStringLiteral("+");
        QTest::newRow("yirmi_basamak") << QStringLiteral("12345678901234567890");
    }
    void cevap_kutusu()
    {
        QFETCH(QString, metin);
        TestOrtami ortam;
        TTeraziForm f(nullptr);
        f.LeftPan->AddUnknown();
        f.EqualiseUnknown();
        // Every value of x fits in the box.
        QVERIFY(f.Edit1->maxLength() >= QString::number(std::numeric_limits<qint64>::min()).size());
        ortam.Temizle();
        f.Edit1->setText(metin);
        f.CevapAction->trigger();
        QCOMPARE(ortam.Kayit,
                 QStringList{QStringLiteral("hata: '%1' geçerli bir tamsayı değeri değil").arg(metin)});
        QCOMPARE(f.Edit1->text(), metin);
        QVERIFY(f.Model.Frozen);
    }

    // Random drops, cancels, splits, removals and new problems on the window,
    // as a pupil's hand would make them: the pans keep showing what they hold.
    void rastgele_oyun()
    {
        TestOrtami ortam;
        std::mt19937 uretec(7);
        for (int i = 0; i < 3000; ++i)
            ortam.Rastgeleler.push_back(int(uretec() % 10000));
        auto r = [](int n) { return Ortam::Gecerli().Rastgele(n); };
        TTeraziForm f(nullptr);
        f.show();
        for (int adim = 0; adim < 300; ++adim) {
            TKefeForm* kefe = f.Kefe(r(2));
            TKefeForm* diger = f.Kefe(r(2));
            const QList<AgirlikShape*> bunda = kefe->Agirliklar();
            const QList<AgirlikShape*> onda = diger->Agirliklar();
            AgirlikShape* a = bunda.isEmpty() ? nullptr : bunda[r(int(bunda.size()))];
            AgirlikShape* b = onda.isEmpty() ? nullptr : onda[r(int(onda.size()))];
            switch (r(10)) {
            case 0:
            case 1:
            case 2:
                Birak(kefe, f.PaletAgirligi(1 + 2 * r(3)), QPoint(r(250), r(250)));
                break;
            case 3:
                Birak(diger, a, QPoint(r(250), r(250)));
                break;
            case 4:
                if (a && b)
                    MesajGonder(diger, MSG_SHAPE_DROPPED, MesajParametresi<SayiShape>(b), MesajParametresi<QObject>(a));
                break;
            case 5:
                f.CheckBox1->setChecked(true);
                if (a)
                    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(3, 3));
                f.CheckBox1->setChecked(false);
                break;
            case 6:
                r(2) ? f.FormDragDrop(a, QPoint(5, 600)) : f.PaletDragDrop(a, QPoint(5, 5));
                break;
            case 7:
                r(2) ? (void)kefe->AddUnknown() : f.EqualiseUnknown();
                break;
            case 8:
                if (r(5) == 0)
                    f.ResetAction->trigger();
                break;
            default:
                r(2) ? f.Timer1Timer() : f.Timer2Timer();
                Sil();
            }
            Tutarli(f);
        }
        f.close();
    }
};

#include "terazi_test.moc"
ORVANTA_TEST(TeraziTesti)
