#include "Faktorformu.h"
#include "carpanmodel.h"
#include "Myshape.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"
#include "mesaj.h"
#include "surukle.h"
#include "uygulama.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// A shown, still available prime leaf of `agac` with number `v`.
MyShape* Yaprak(TFaktorForm* agac, int v, int durum = 1)
{
    for (MyShape* d : agac->findChildren<MyShape*>())
        if (d->Value() == v && d->IsPrime() && !d->isHidden() && d->State == durum)
            return d;
    return nullptr;
}

int KopyaSayisi(const QWidget& w)
{
    int n = 0;
    for (MyShape* s : w.findChildren<MyShape*>())
        n += s->Tag < 0;
    return n;
}

// Runs the "Problem Gir" dialog with the two texts typed and "Tamam" pressed;
// a refused pair is then cancelled.
std::function<int(QDialog&)> SayiGir(const QString& a, const QString& b)
{
    return [a, b](QDialog& d) {
        auto& p = dynamic_cast<TSayiGetirForm&>(d);
        p.Edit1->setText(a);
        p.Edit2->setText(b);
        HataSinirinda([&] { p.Button1Click(); });
        if (p.result() != QDialog::Accepted)
            p.reject();
        return p.result();
    };
}

} // namespace

class FaktorFormuTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void acilis()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {7, 12, 2, 18};
        TFaktorItForm f(nullptr);
        QCOMPARE(f.Tree1->RootValue(), 12);
        QCOMPARE(f.Tree2->RootValue(), 18);
        QCOMPARE(f.Label2->text(), QStringLiteral("Hem 12 yi Hem 18 i bölenler"));
        QCOMPARE(f.Label10->text(), QStringLiteral(" = 1 * 1 * 1 = 1"));
        QVERIFY(f.Edit1->isHidden() && f.Button1->isHidden() && !f.Label9->isHidden());
        QCOMPARE(f.ChangeDenetlemeAction->text(), QStringLiteral("Denetleme Modu"));
        QCOMPARE(f.Panel1->Renk, f.Tree1->Renk);
        QCOMPARE(f.Panel3->Renk, f.Tree2->Renk);
        QCOMPARE(ortam.Kayit, QStringList());
        EkranKaydet(&f, QStringLiteral("carpan_baslangic"));
    }

    // Primes placed on a wide panel stay whole on it when the window, and so
    // the panel, is made smaller.
    void kucuk_pencerede_kopyalar_gorunur()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        TFaktorItForm f(nullptr);
        PencereGoster(f);
        f.CozActionExecute();
        f.PanelDragDrop(f.Panel1, Yaprak(f.Tree1, 2), QPoint(f.Panel1->width() - 60, 10));
        f.PanelDragDrop(f.Panel3, Yaprak(f.Tree2, 3), QPoint(f.Panel3->width() - 60, 60));
        QCOMPARE(KopyaSayisi(*f.Panel1), 1);
        QCOMPARE(KopyaSayisi(*f.Panel3), 1);
        for (QSize boyut : {QSize(800, 600), f.minimumSize(), f.minimumSize() * 1.2}) {
            f.resize(boyut);
            QCoreApplication::processEvents();
            const QStringList kesilen = Kesilenler(f);
            QVERIFY2(kesilen.isEmpty(), qPrintable(kesilen.join('\n')));
        }
        QCOMPARE(KopyaSayisi(*f.Panel1) + KopyaSayisi(*f.Panel3), 2);
        QCOMPARE(f.Products[PANEL_ONLY_FIRST], 2);
    }

    // The keyboard starts in the first tree once the help has closed, and
    // stays in the tree the pupil works on until that tree is done.
    void klavye_agacta_kalir()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        ortam.VarsayilanModal = [](QDialog&) { return 0; };
        TFaktorItForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1366, 768)));
        MesajGonder(&f, MSG_ACILIS);
        QCOMPARE(ortam.Suzulmus("modal:"), QStringList{"modal: TYardimGosterForm"});
        MyShape* on_iki = f.Tree1->Root();
        QCOMPARE(QApplication::focusWidget(), on_iki->LeftEdit());
        auto yaz = [](const QString& metin) {
            QWidget* kutu = QApplication::focusWidget();
            QVERIFY(kutu);
            QTest::keyClicks(kutu, metin);
            QTest::keyClick(kutu, Qt::Key_Return);
        };
        // 12 = 2 * 6: on to the box of 6, in the same tree.
        yaz(QStringLiteral("2"));
        MyShape* alti = on_iki->RightChild();
        QCOMPARE(alti->Value(), 6);
        QCOMPARE(QApplication::focusWidget(), alti->LeftEdit());
        // A divisor refused: the same box, its text ready to be typed over.
        ortam.Temizle();
        yaz(QStringLiteral("5"));
        QCOMPARE(ortam.Suzulmus("mesaj:"), QStringList{"mesaj: 5 sayısı 6 sayısını tam olarak bölmez!"});
        QCOMPARE(QApplication::focusWidget(), alti->LeftEdit());
        QCOMPARE(alti->LeftEdit()->selectedText(), QStringLiteral("5"));
        // The first tree done: the keyboard goes on in the second one.
        yaz(QStringLiteral("3"));
        QCOMPARE(f.Tree1->CountUnsplit(), 0);
        QCOMPARE(QApplication::focusWidget(), f.Tree2->Root()->LeftEdit());
        yaz(QStringLiteral("2"));
        QCOMPARE(QApplication::focusWidget(), f.Tree2->Root()->RightChild()->LeftEdit());
        // A new problem starts again in the first tree.
        ortam.Rastgeleler = {20, 30};
        f.YeniProblemActionExecute();
        QCOMPARE(QApplication::focusWidget(), f.Tree1->Root()->LeftEdit());
        f.close();
    }

    // The pupil's placing of 12 and 18, as the window shows it: refusals
    // in message boxes, placed copies red on their panel, used leaves silver.
    void panellere_yerlestirme_12_18()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        TFaktorItForm f(nullptr);
        f.Tree1->Root()->RightEdit()->setText(QStringLiteral("2"));
        f.Tree1->Root()->EditEntered(f.Tree1->Root()->RightEdit());
        ortam.Temizle();
        f.PanelDragDrop(f.Panel1, Yaprak(f.Tree1, 2), QPoint(10, 10));
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("kutu: İşlem Eksik | Önce tüm çarpanları bulunuz")});

        f.CozActionExecute();
        EkranKaydet(&f, QStringLiteral("carpan_carpanlara_ayrilmis"));
        ortam.Temizle();
        QObject yabanci;
        f.PanelDragDrop(f.Panel1, &yabanci, QPoint(10, 10));
        f.PanelDragDrop(f.Panel1, nullptr, QPoint(10, 10));
        f.PanelDragDrop(f.Panel2, Yaprak(f.Tree1, 2), QPoint(10, 10));
        f.PanelDragDrop(f.Panel1, Yaprak(f.Tree1, 2), QPoint(10, 10));
        f.PanelDragDrop(f.Panel2, Yaprak(f.Tree1, 3), QPoint(60, 10));
        f.PanelDragDrop(f.Panel3, Yaprak(f.Tree2, 3), QPoint(5000, 5000));
        QCOMPARE(ortam.Kayit, QStringList());

        // The common panel used the 2 of 18 too; a used leaf is not placed again.
        MyShape* kullanilmis = Yaprak(f.Tree2, 2, 0);
        QVERIFY(kullanilmis);
        QCOMPARE(kullanilmis->Firca, clSilver);
        f.PanelDragDrop(f.Panel3, kullanilmis, QPoint(10, 10));
        MyShape* kopya = f.Panel3->findChild<MyShape*>();
        QVERIFY(kopya);
        f.PanelDragDrop(f.Panel2, kopya, QPoint(10, 10));
        QCOMPARE(ortam.Kayit, QStringList());

        QCOMPARE(kopya->Tag, -PANEL_ONLY_SECOND);
        QCOMPARE(kopya->State, -1);
        QCOMPARE(kopya->Firca, clRed);
        // Dropped far outside, the copy still stands inside its panel.
        QVERIFY(f.Panel3->rect().contains(kopya->geometry()));
        QCOMPARE(KopyaSayisi(f), 4);
        QCOMPARE(f.Label4->text(), QStringLiteral("2"));
        QCOMPARE(f.Label5->text(), QStringLiteral("6"));
        QCOMPARE(f.Label6->text(), QStringLiteral("3"));
        QCOMPARE(f.Label9->text(), QStringLiteral(" = 6"));
        QCOMPARE(f.Label10->text(), QStringLiteral(" = 2 * 6 * 3 = 36"));
        EkranKaydet(&f, QStringLiteral("carpan_paneller"));

        // "Sıfırla" clears the trees and every copy; the products stay until a new problem.
        f.ResetActionExecute();
        QVERIFY(!f.Tree1->Root() && !f.Tree2->Root());
        QCOMPARE(KopyaSayisi(f), 0);
        QCOMPARE(f.Label5->text(), QStringLiteral("6"));
        f.CozActionExecute();
        ortam.Rastgeleler = {20, 30};
        f.YeniProblemActionExecute();
        QCOMPARE(f.Label10->text(), QStringLiteral(" = 1 * 1 * 1 = 1"));
        QCOMPARE(f.Label2->text(), QStringLiteral("Hem 20 yi Hem 30 u bölenler"));
    }

    void denetim_kipi_data()
    {
        QTest::addColumn<QString>("obeb");
        QTest::addColumn<QString>("okek");
        QTest::addColumn<QStringList>("kayit");
        QTest::newRow("dogru") << QStringLiteral("4") << QStringLiteral("24")
                               << QStringList{QStringLiteral("ses: 1257"),
                                              QStringLiteral("kutu: Tebrikler | Tebrikler Bildiniz!")};
        QTest::newRow("obeb_yanlis") << QStringLiteral("8") << QStringLiteral("24")
                                     << QStringList{QStringLiteral("ses: 1258"),
                                                    QStringLiteral("kutu: Hatalı Değer | Maalesef, OBEB değeriniz doğru değil.")};
        QTest::newRow("bos") << QString() << QStringLiteral("24")
                             << QStringList{QStringLiteral("hata: '' geçerli bir tamsayı değeri değil")};
    }
    void denetim_kipi()
    {
        QFETCH(QString, obeb);
        QFETCH(QString, okek);
        QFETCH(QStringList, kayit);
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        TFaktorItForm f(nullptr);
        f.NewProblem(8, 12);
        f.ChangeDenetlemeActionExecute();
        QVERIFY(f.CheckMode);
        QVERIFY(!f.Edit1->isHidden() && !f.Edit2->isHidden() && !f.Button1->isHidden());
        QVERIFY(f.Label9->isHidden() && f.Label10->isHidden());
        QCOMPARE(f.ChangeDenetlemeAction->text(), QStringLiteral("Deneme Modu"));
        QCOMPARE(f.ModDugmesi->text(), QStringLiteral("Deneme Modu"));
        f.Edit1->setText(obeb);
        f.Edit2->setText(okek);
        ortam.Rastgeleler = {20, 30};
        HataSinirinda([&] { f.Button1->click(); });
        QCOMPARE(ortam.Kayit, kayit);
        const bool yeni = kayit.first() == QStringLiteral("ses: 1257");
        QCOMPARE(f.Tree1->RootValue(), yeni ? 20 : 8);
        QCOMPARE(f.Tree2->RootValue(), yeni ? 30 : 12);
        QVERIFY(f.isEnabled());
        f.ChangeDenetlemeActionExecute();
        QCOMPARE(f.ChangeDenetlemeAction->text(), QStringLiteral("Denetleme Modu"));
        QVERIFY(f.Edit1->isHidden() && !f.Label9->isHidden());
    }

    void problem_gir_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QStringList>("kayit");
        QTest::addColumn<int>("kok1");
        QTest::addColumn<int>("kok2");
        const QString ret = QStringLiteral("kutu: Veri Giriş Hatası | Uygun değeler girip tekrar deneyiniz");
        const QString modal = QStringLiteral("modal: TSayiGetirForm");
        QTest::newRow("esit") << QStringLiteral("7") << QStringLiteral("7") << QStringList{modal, ret} << 12 << 18;
        QTest::newRow("yalniz_eksi") << QStringLiteral("-") << QStringLiteral("9")
                                     << QStringList{modal, QStringLiteral("hata: '-' geçerli bir tamsayı değeri değil")}
                                     << 12 << 18;
        QTest::newRow("asal_kok") << QStringLiteral("7") << QStringLiteral("12") << QStringList{modal} << 7 << 12;
    }
    void problem_gir()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QStringList, kayit);
        QFETCH(int, kok1);
        QFETCH(int, kok2);
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        TFaktorItForm f(nullptr);
        ortam.Modallar.push_back(SayiGir(a, b));
        f.kendiSayiniGirActionExecute();
        QCOMPARE(ortam.Kayit, kayit);
        QCOMPARE(f.Tree1->RootValue(), kok1);
        QCOMPARE(f.Tree2->RootValue(), kok2);
        if (kok1 == 7) {
            // A prime root is one round leaf, ready to be placed.
            QCOMPARE(f.Tree1->Root()->Sekil, SekilTuru::Daire);
            QVERIFY(!f.Tree1->Root()->LeftEdit());
            QCOMPARE(f.Tree1->CountAvailable(7), 1);
        }
    }

    // Five-digit numbers: the products and the OKEK beyond 32 bits, checked in checking mode.
    void bes_basamakli_sayilar()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        TFaktorItForm f(nullptr);
        f.NewProblem(99999, 99998);
        QCOMPARE(f.Label1->text(), QStringLiteral("Sadece 99999 u bölenler"));
        f.CozActionExecute();
        for (int v : {3, 3, 41, 271})
            f.PanelDragDrop(f.Panel1, Yaprak(f.Tree1, v), QPoint(5, 5));
        for (int v : {2, 49999})
            f.PanelDragDrop(f.Panel3, Yaprak(f.Tree2, v), QPoint(5, 5));
        QCOMPARE(f.Label10->text(), QStringLiteral(" = 99999 * 1 * 99998 = 9999700002"));
        f.ChangeDenetlemeActionExecute();
        f.Edit1->setText(QStringLiteral("1"));
        f.Edit2->setText(QStringLiteral("9999700002"));
        EkranKaydet(&f, QStringLiteral("carpan_denetim_kipi"));
        ortam.Temizle();
        ortam.Rastgeleler = {20, 30};
        f.DenetleActionExecute();
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1257"),
                                           QStringLiteral("kutu: Tebrikler | Tebrikler Bildiniz!")}));
        QCOMPARE(f.Tree1->RootValue(), 20);
    }

    void agac_icinde_tasima()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        TFaktorItForm f(nullptr);
        f.CozActionExecute();
        MyShape* alt = f.Tree1->Root()->LeftChild();
        QVERIFY(f.Tree1->FormDragOver(alt, QPoint(1, 1)));
        f.Tree1->FormDragDrop(alt, QPoint(40, 120));
        QCOMPARE(alt->pos(), QPoint(40, 120));
        QCOMPARE(alt->LeftChild()->pos(), QPoint(40 - 25, 170));
        // A node of the other tree does not move into this one.
        MyShape* diger = f.Tree2->Root();
        const QPoint once = diger->pos();
        f.Tree1->FormDragDrop(diger, QPoint(5, 5));
        QCOMPARE(diger->pos(), once);
    }

    // 12 and 18 by keys alone: the divisors typed into the boxes, each prime
    // reached by Tab, picked up with Space, carried by Tab to its panel and
    // dropped with Enter.
    void klavyeyle_cozum()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        ortam.VarsayilanModal = [](QDialog&) { return 0; };
        TFaktorItForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1366, 768)));
        MesajGonder(&f, MSG_ACILIS);
        int tuslar = 0;
        for (int bolen : {2, 2, 2, 3})
            tuslar += TuslaraBas({Qt::Key_0 + bolen, Qt::Key_Return});
        QCOMPARE(f.Model.CountUnsplit(), 0);
        ortam.Temizle();
        // Panels by Tab from the left: only the first, both, only the second.
        const struct
        {
            TFaktorForm* agac;
            int deger;
            int panel;
        } adimlar[] = {{f.Tree1, 2, 2}, {f.Tree1, 2, 1}, {f.Tree1, 3, 2}, {f.Tree2, 3, 3}};
        for (const auto& a : adimlar) {
            MyShape* yaprak = Yaprak(a.agac, a.deger);
            QVERIFY(yaprak);
            tuslar += SekmeIle(yaprak, false, 40);
            QCOMPARE(QApplication::focusWidget(), yaprak);
            tuslar += TuslaraBas({Qt::Key_Space});
            QCOMPARE(KlavyeIleTasinan(), yaprak);
            tuslar += TuslaraBas(QList<int>(a.panel, Qt::Key_Tab));
            if (a.panel == 3)
                EkranKaydet(&f, QStringLiteral("carpan_klavyeyle_tasinan"));
            tuslar += TuslaraBas({Qt::Key_Return});
            QVERIFY(!KlavyeIleTasinan());
            QCOMPARE(yaprak->State, 0);
        }
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(f.Model.Yerlesenler(PANEL_ONLY_FIRST), QList<int>{2});
        QCOMPARE(f.Model.Yerlesenler(PANEL_BOTH), (QList<int>{2, 3}));
        QCOMPARE(f.Model.Yerlesenler(PANEL_ONLY_SECOND), QList<int>{3});
        QCOMPARE(f.Label10->text(), QStringLiteral(" = 2 * 6 * 3 = 36"));
        // The copies stand side by side, none over another.
        const QList<MyShape*> ortadakiler = f.Panel2->findChildren<MyShape*>();
        QCOMPARE(ortadakiler.size(), 2);
        QVERIFY(!ortadakiler[0]->geometry().intersects(ortadakiler[1]->geometry()));
        qInfo("tuşlar: %d", tuslar);
        QVERIFY(tuslar <= 60);
        f.close();
    }

    // What a reader hears follows the trees, before and after they are solved
    // and a 3 is placed on the common panel.
    void okunuslar()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        TFaktorItForm f(nullptr);
        const auto aciklama = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
        };
        QCOMPARE(OkunanAd(f.Tree1->Root()), QStringLiteral("12, bölen bekliyor"));
        QCOMPARE(aciklama(f.Tree1), QStringLiteral("12, 1 sayı bölen bekliyor"));
        QCOMPARE(aciklama(f.Panel2), QStringLiteral("boş"));
        f.CozActionExecute();
        f.PanelDragDrop(f.Panel2, Yaprak(f.Tree1, 3), QPoint(5, 5));
        QCOMPARE(OkunanAd(f.Tree1->Root()), QStringLiteral("12, 6 çarpı 2"));
        QCOMPARE(OkunanAd(Yaprak(f.Tree1, 3, 0)), QStringLiteral("3, asal, kullanıldı"));
        QCOMPARE(aciklama(f.Tree1), QStringLiteral("12, asal çarpanlarına ayrıldı"));
        QCOMPARE(aciklama(f.Panel2), QStringLiteral("3; çarpım 3"));
        QCOMPARE(OkunanAd(f.Panel2->findChild<MyShape*>()), QStringLiteral("3, Hem 12 yi Hem 18 i bölenler panelinde"));
    }

    void renkler()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {12, 18};
        TFaktorItForm f(nullptr);
        ortam.Renkler = {TRenk(0x112233), TRenk(0x445566), std::nullopt};
        f.Tree1->FormDblClick();
        QCOMPARE(f.Panel1->Renk, TRenk(0x112233));
        f.PanelDblClick(f.Panel3);
        QCOMPARE(f.Tree2->Renk, TRenk(0x445566));
        // Cancelled: the colour stays.
        f.PanelDblClick(f.Panel2);
        QCOMPARE(f.Panel2->Renk, clBtnFace);
        QCOMPARE(ortam.Suzulmus(QStringLiteral("renk")).size(), 3);
    }
};

#include "faktorformu_test.moc"
ORVANTA_TEST(FaktorFormuTesti)
