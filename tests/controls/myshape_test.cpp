#include "Myshape.h"
#include "mesaj.h"
#include "surukle.h"
#include "testana.h"
#include "testortami.h"
#include "uygulama.h"

#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>
#include <climits>

namespace {

// A surface that keeps every numbered message its tokens send.
class Alici : public QWidget
{
public:
    struct Mesaj
    {
        int numara;
        qintptr w;
        qintptr l;
    };
    QList<Mesaj> gelenler;

protected:
    bool event(QEvent* olay) override
    {
        for (int n : {MSG_SHAPE_DROPPED, MSG_SHAPE_ACTIVATED, MSG_SHAPE_PRESSED})
            if (NumaraliMesaj* m = NumaraliMi(olay, n)) {
                gelenler.append({n, m->WParam, m->LParam});
                return true;
            }
        return QWidget::event(olay);
    }
};

// A root node of `n` on a wide surface, at (300, 10) and expanded.
MyShape* Kok(QWidget& yuzey, int n)
{
    yuzey.resize(800, 600);
    auto* kok = new MyShape(&yuzey, n, nullptr);
    kok->move(300, 10);
    kok->Expand();
    return kok;
}

// Types `metin` into a box and presses Enter there, as a pupil does.
void Yaz(QLineEdit* kutu, const QString& metin)
{
    kutu->setText(metin);
    QTest::keyClick(kutu, Qt::Key_Return);
}

QList<int> Yapraklar(const MyShape* d)
{
    if (!d)
        return {};
    if (d->IsPrime())
        return d->isHidden() ? QList<int>() : QList<int>{d->Value()};
    return Yapraklar(d->LeftChild()) + Yapraklar(d->RightChild());
}

void Fare(QWidget* w, QEvent::Type tur)
{
    QMouseEvent e(tur, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                  tur == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

class MyShapeTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void asal_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("asal");
        QTest::newRow("sifir") << 0 << true;
        QTest::newRow("bir") << 1 << true;
        QTest::newRow("iki") << 2 << true;
        QTest::newRow("uc") << 3 << true;
        QTest::newRow("dort") << 4 << false;
        QTest::newRow("kare_9") << 9 << false;
        QTest::newRow("kare_49") << 49 << false;
        QTest::newRow("97") << 97 << true;
        QTest::newRow("49999") << 49999 << true;
        QTest::newRow("99999") << 99999 << false;
        QTest::newRow("65536") << 65536 << false;
        QTest::newRow("en_buyuk_int") << INT_MAX << true;
        QTest::newRow("asal_kare_46337") << 46337 * 46337 << false;
    }
    void asal()
    {
        QFETCH(int, n);
        QFETCH(bool, asal);
        QCOMPARE(IsPrime(n), asal);
    }

    void cocuk_yerlesimi()
    {
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 12);
        QVERIFY(kok->LeftChild()->isHidden() && kok->RightChild()->isHidden());
        QCOMPARE(kok->LeftEdit()->geometry(), QRect(260, 60, 40, 30));
        QCOMPARE(kok->RightEdit()->geometry(), QRect(340, 60, 40, 30));
        Yaz(kok->RightEdit(), QStringLiteral("3"));
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("ses: 1256")});
        MyShape* sol = kok->LeftChild();
        MyShape* sag = kok->RightChild();
        QCOMPARE(sol->Value(), 4);
        QCOMPARE(sag->Value(), 3);
        QVERIFY(!sol->isHidden() && !sag->isHidden());
        QVERIFY(kok->LeftEdit()->isHidden() && kok->RightEdit()->isHidden());
        // Spread / (2 x Depth): 50 under the root, 25 one level down.
        QCOMPARE(sol->pos(), QPoint(300 - 50, 60));
        QCOMPARE(sag->pos(), QPoint(300 + kok->width() + 50, 60));
        QCOMPARE(sol->Depth(), 2);
        QCOMPARE(sol->LeftChild()->pos(), QPoint(250 - 25, 110));
        QCOMPARE(sol->RightChild()->pos(), QPoint(250 + sol->width() + 25, 110));
        QCOMPARE(sol->LeftEdit()->pos(), QPoint(210, 110));
        // Moving a node carries its subtree along.
        sol->move(100, 200);
        sol->LayoutChildren();
        QCOMPARE(sol->LeftChild()->pos(), QPoint(75, 250));
        QCOMPARE(sol->RightEdit()->pos(), QPoint(140, 250));
    }

    void derinlik_51_yayilim_sifir()
    {
        QWidget yuzey;
        yuzey.resize(400, 400);
        MyShape* onceki = nullptr;
        for (int i = 0; i < 50; ++i)
            onceki = new MyShape(&yuzey, 2, onceki);
        auto* derin = new MyShape(&yuzey, 4, onceki);
        derin->move(100, 100);
        derin->Expand();
        QCOMPARE(derin->Depth(), 51);
        QCOMPARE(derin->LeftChild()->x(), 100);
        QCOMPARE(derin->RightChild()->x(), 100 + derin->width());
    }

    void carpan_bir_durumu()
    {
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 12);
        Yaz(kok->RightEdit(), QStringLiteral("12"));
        QCOMPARE(kok->LeftChild()->Value(), 1);
        QCOMPARE(kok->RightChild()->Value(), 12);
        QVERIFY(kok->LeftChild()->isHidden() && kok->RightChild()->isHidden());
        MyShape* gizli = kok->RightChild();
        QVERIFY(gizli->LeftEdit() && !gizli->LeftEdit()->isHidden() && !gizli->RightEdit()->isHidden());
        QCOMPARE(kok->CountUnsplit(), 1);
        // The hidden 1s (this node's and the hidden 12's placeholder) count as prime leaves.
        QCOMPARE(kok->CountAvailable(1), 2);
        // The node's lines go to where its hidden boxes stand.
        QImage resim(800, 600, QImage::Format_RGB32);
        resim.fill(Qt::white);
        {
            QPainter p(&resim);
            kok->DrawEdges(&p);
        }
        QCOMPARE(resim.pixelColor(300 - 20, 10 + 49), QColor(Qt::red));
        QCOMPARE(resim.pixelColor(300 + 60, 10 + 49), QColor(Qt::red));
        // Solving reaches the hidden 12 too.
        kok->SolveAll();
        QCOMPARE(kok->CountUnsplit(), 0);
        QCOMPARE(gizli->CountAvailable(2), 2);
        QCOMPARE(gizli->CountAvailable(3), 1);
    }

    void yanlis_bolen()
    {
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 12);
        Yaz(kok->LeftEdit(), QStringLiteral("5"));
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1258"),
                                           QStringLiteral("mesaj: 5 sayısı 12 sayısını tam olarak bölmez!")}));
        QCOMPARE(kok->LeftEdit()->text(), QStringLiteral("5"));
        QVERIFY(!kok->LeftEdit()->isHidden());
        QCOMPARE(kok->CountUnsplit(), 1);
    }

    void yok_sayilan_bolenler_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::newRow("bos") << QString();
        QTest::newRow("sifir") << QStringLiteral("0");
        QTest::newRow("bir") << QStringLiteral("1");
        QTest::newRow("eksi") << QStringLiteral("-4");
    }
    void yok_sayilan_bolenler()
    {
        QFETCH(QString, metin);
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 12);
        Yaz(kok->RightEdit(), metin);
        QCOMPARE(ortam.Kayit, QStringList());
        QVERIFY(!kok->RightEdit()->isHidden());
        QVERIFY(kok->RightChild()->isHidden());
    }

    void donusum_hatasi_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::newRow("eksi") << QStringLiteral("-");
        QTest::newRow("arti") << QStringLiteral("+");
        QTest::newRow("yapistirilan_harf") << QStringLiteral("12a");
        QTest::newRow("bosluklu") << QStringLiteral("3 ");
    }
    void donusum_hatasi()
    {
        QFETCH(QString, metin);
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 12);
        kok->LeftEdit()->setText(metin);
        QVERIFY(!HataSinirinda([&] { kok->EditEntered(kok->LeftEdit()); }));
        QCOMPARE(ortam.Kayit, QStringList{QStringLiteral("hata: '%1' geçerli bir tamsayı değeri değil").arg(metin)});
        QCOMPARE(kok->CountUnsplit(), 1);
        QVERIFY(kok->LeftChild()->isHidden());
    }

    void tus_suzgeci_ve_enter()
    {
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 18);
        QTest::keyClicks(kok->LeftEdit(), QStringLiteral("a.,3 "));
        QCOMPARE(kok->LeftEdit()->text(), QStringLiteral("3"));
        QTest::keyClick(kok->LeftEdit(), Qt::Key_Return);
        // A divisor typed on the left is the left factor.
        QCOMPARE(kok->LeftChild()->Value(), 3);
        QCOMPARE(kok->RightChild()->Value(), 6);
    }

    void eski_kutu_metni_carpimi_bozmaz()
    {
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 12);
        kok->LeftEdit()->setText(QStringLiteral("5"));
        kok->SolveAll();
        QCOMPARE(kok->LeftChild()->Value() * kok->RightChild()->Value(), 12);
    }

    void tum_alt_agaci_coz_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("yapraklar");
        QTest::newRow("12") << 12 << QList<int>{3, 2, 2};
        QTest::newRow("18") << 18 << QList<int>{3, 3, 2};
        QTest::newRow("99999") << 99999 << QList<int>{271, 41, 3, 3};
        QTest::newRow("65536") << 65536 << QList<int>(16, 2);
        QTest::newRow("asal") << 97 << QList<int>{97};
    }
    void tum_alt_agaci_coz()
    {
        QFETCH(int, n);
        QFETCH(QList<int>, yapraklar);
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, n);
        kok->SolveAll();
        QCOMPARE(Yapraklar(kok), yapraklar);
        QCOMPARE(kok->CountUnsplit(), 0);
    }

    void yari_bolunmus_agac_tek_geciste_cozulur()
    {
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 24);
        Yaz(kok->LeftEdit(), QStringLiteral("4"));
        QCOMPARE(kok->CountUnsplit(), 2);
        kok->SolveAll();
        QCOMPARE(kok->CountUnsplit(), 0);
        QCOMPARE(Yapraklar(kok), (QList<int>{2, 2, 3, 2}));
    }

    void uygun_yapraklar()
    {
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 12);
        QCOMPARE(kok->CountAvailable(2), 0);
        kok->SolveAll();
        QCOMPARE(kok->CountAvailable(2), 2);
        QCOMPARE(kok->CountAvailable(3), 1);
        QCOMPARE(kok->CountAvailable(5), 0);
        QVERIFY(kok->TakeAvailable(2));
        QCOMPARE(kok->CountAvailable(2), 1);
        QVERIFY(kok->TakeAvailable(2));
        QVERIFY(!kok->TakeAvailable(2));
        QVERIFY(!kok->TakeAvailable(7));
        // The left side is taken first.
        MyShape* ilk = kok->LeftChild()->RightChild();
        QCOMPARE(ilk->Value(), 2);
        QCOMPARE(ilk->State, 0);
        QCOMPARE(ilk->Firca, clSilver);
        QVERIFY(!OtomatikSurukleAcik(ilk));
    }

    void kok_silinince_agac_gider()
    {
        TestOrtami ortam;
        QWidget yuzey;
        MyShape* kok = Kok(yuzey, 48);
        kok->SolveAll();
        QVERIFY(yuzey.findChildren<QWidget*>().size() > 10);
        delete kok;
        QCOMPARE(yuzey.findChildren<QWidget*>().size(), 0);
    }

    void isaretler_data()
    {
        QTest::addColumn<int>("deger");
        QTest::addColumn<int>("isaret");
        QTest::addColumn<uint>("firca");
        QTest::addColumn<bool>("daire");
        QTest::addColumn<bool>("etiket");
        QTest::newRow("isaretsiz") << 9 << 0 << uint(clYellow) << false << true;
        QTest::newRow("bos") << 9 << 1 << uint(clWhite) << false << false;
        QTest::newRow("vurulmus_asal") << 7 << 2 << uint(clAqua) << true << true;
        QTest::newRow("vurulmus_bilesik") << 9 << 2 << uint(clRed) << false << false;
        QTest::newRow("bilinmeyen") << 9 << 5 << uint(clWhite) << false << false;
    }
    void isaretler()
    {
        QFETCH(int, deger);
        QFETCH(int, isaret);
        QFETCH(uint, firca);
        QFETCH(bool, daire);
        QFETCH(bool, etiket);
        QWidget yuzey;
        SayiShape s(&yuzey, deger, true);
        s.Sekil = SekilTuru::Kare;
        s.SetMark(isaret);
        QCOMPARE(s.Firca, TRenk(firca));
        QCOMPARE(s.Sekil == SekilTuru::Daire, daire);
        QCOMPARE(s.EtiketCizilir(), etiket);
        SayiShape::ShowAllLabels = true;
        const bool hepsi = s.EtiketCizilir();
        SayiShape::ShowAllLabels = false;
        QCOMPARE(hepsi, etiket || isaret == 2);
    }

    void uzerinde_tek_gri_kalir()
    {
        QWidget yuzey;
        QList<SayiShape*> jetonlar;
        for (int i = 2; i < 8; ++i)
            jetonlar << new SayiShape(&yuzey, i, true);
        jetonlar[3]->SetMark(2);
        for (SayiShape* j : jetonlar)
            Fare(j, QEvent::MouseMove);
        Fare(jetonlar[1], QEvent::MouseMove);
        int gri = 0;
        for (SayiShape* j : jetonlar)
            gri += j->Firca == clGray;
        // The struck 5 (a prime) stopped reacting; the others got back their own colours.
        QCOMPARE(gri, 1);
        QCOMPARE(SayiShape::Hovered.data(), jetonlar[1]);
        QCOMPARE(jetonlar[3]->Firca, clAqua);
        QCOMPARE(jetonlar[5]->Firca, clYellow);
        delete jetonlar[1];
        QVERIFY(!SayiShape::Hovered);
    }

    void mesajlar()
    {
        Alici alici;
        auto* t = new SayiShape(&alici, 7, true);
        Fare(t, QEvent::MouseButtonPress);
        Fare(t, QEvent::MouseButtonDblClick);
        QCOMPARE(alici.gelenler.size(), 2);
        QCOMPARE(alici.gelenler[0].numara, MSG_SHAPE_PRESSED);
        QCOMPARE(*MesajIsaretcisi<int>(alici.gelenler[0].w), 7);
        QCOMPARE(alici.gelenler[1].numara, MSG_SHAPE_ACTIVATED);
        QCOMPARE(alici.gelenler[1].w, MesajParametresi(&t->Value));
        // A struck token is no longer pressed.
        t->SetMark(2);
        Fare(t, QEvent::MouseButtonPress);
        QCOMPARE(alici.gelenler.size(), 2);

        auto* birakilan = new SayiShape(&alici, 3, false);
        QWidget yabanci;
        QVERIFY(birakilan->XDragOver(t, QPoint(1, 1)));
        QVERIFY(!birakilan->XDragOver(&yabanci, QPoint(1, 1)));
        QVERIFY(birakilan->acceptDrops());
        birakilan->XDragDrop(t, QPoint(1, 1));
        QCOMPARE(alici.gelenler.last().numara, MSG_SHAPE_DROPPED);
        QCOMPARE(alici.gelenler.last().w, MesajParametresi(birakilan));
        QCOMPARE(alici.gelenler.last().l, MesajParametresi(t));
        birakilan->SetClickMode(true);
        QVERIFY(!birakilan->acceptDrops());

        auto* agirlik = new ImajSayiShape(&alici, SayiShape::UNKNOWN_VALUE, false);
        Fare(agirlik, QEvent::MouseButtonPress);
        QCOMPARE(alici.gelenler.last().numara, MSG_SHAPE_ACTIVATED);
        QCOMPARE(alici.gelenler.last().w, MesajParametresi(agirlik));
        QCOMPARE(agirlik->Etiket(), QStringLiteral("X"));

        // Without a parent nothing is sent and nothing breaks.
        SayiShape yalniz(nullptr, 4, true);
        Fare(&yalniz, QEvent::MouseButtonPress);
        Fare(&yalniz, QEvent::MouseButtonDblClick);
    }

    void agirlik_cizimi()
    {
        QWidget yuzey;
        ImajSayiShape a(&yuzey, 5, false);
        a.resize(60, 60);
        a.FircaAyarla(clBlue);
        const QImage resim = a.grab().toImage();
        const qreal o = resim.devicePixelRatio();
        // Ring on top in the middle third, block below across the width; the corners above stay empty.
        QCOMPARE(resim.pixelColor(QPoint(30, 10) * o), QColor(Qt::blue));
        QCOMPARE(resim.pixelColor(QPoint(4, 30) * o), QColor(Qt::blue));
        QVERIFY(resim.pixelColor(QPoint(4, 4) * o) != QColor(Qt::blue));
    }
};

#include "myshape_test.moc"
ORVANTA_TEST(MyShapeTesti)
