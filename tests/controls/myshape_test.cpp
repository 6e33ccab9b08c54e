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

// A root node of `n` on a wide surface, at (300, 10) and expanded, with the
// environment that hears its sounds and messages.
struct Agac
{
    explicit Agac(int n) : kok(new MyShape(&yuzey, n, nullptr))
    {
        yuzey.resize(800, 600);
        kok->move(300, 10);
        kok->Expand();
    }
    TestOrtami ortam;
    QWidget yuzey;
    MyShape* kok;
};

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

    // A split as the pupil types it: the factors shown under the node, the
    // boxes gone; moving a node carries its subtree and boxes along.
    void bolme_ve_tasima()
    {
        Agac a(12);
        MyShape* kok = a.kok;
        QVERIFY(kok->LeftChild()->isHidden() && kok->RightChild()->isHidden());
        QVERIFY(!kok->LeftEdit()->isHidden() && !kok->RightEdit()->isHidden());
        Yaz(kok->RightEdit(), QStringLiteral("3"));
        QCOMPARE(a.ortam.Kayit, QStringList{QStringLiteral("ses: 1256")});
        MyShape* sol = kok->LeftChild();
        QCOMPARE(sol->Value(), 4);
        QCOMPARE(kok->RightChild()->Value(), 3);
        QVERIFY(!sol->isHidden() && !kok->RightChild()->isHidden());
        QVERIFY(kok->LeftEdit()->isHidden() && kok->RightEdit()->isHidden());
        QVERIFY(!sol->LeftEdit()->isHidden());
        QCOMPARE(kok->RightChild()->Sekil, SekilTuru::Daire);
        QCOMPARE(sol->Sekil, SekilTuru::Kare);
        const QPoint kutudan = sol->LeftEdit()->pos() - sol->pos();
        const QPoint cocuktan = sol->RightChild()->pos() - sol->pos();
        sol->move(100, 200);
        sol->LayoutChildren();
        QCOMPARE(sol->LeftEdit()->pos() - sol->pos(), kutudan);
        QCOMPARE(sol->RightChild()->pos() - sol->pos(), cocuktan);
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

    // 12 typed under 12: both children stay hidden, and the node's lines go
    // to where its hidden boxes stand.
    void carpan_bir_cizgileri()
    {
        Agac a(12);
        MyShape* kok = a.kok;
        Yaz(kok->RightEdit(), QStringLiteral("12"));
        QVERIFY(kok->LeftChild()->isHidden() && kok->RightChild()->isHidden());
        MyShape* gizli = kok->RightChild();
        QVERIFY(!gizli->LeftEdit()->isHidden() && !gizli->RightEdit()->isHidden());
        QImage resim(800, 600, QImage::Format_RGB32);
        resim.fill(Qt::white);
        {
            QPainter p(&resim);
            kok->DrawEdges(&p);
        }
        QCOMPARE(resim.pixelColor(300 - 20, 10 + 49), QColor(Qt::red));
        QCOMPARE(resim.pixelColor(300 + 60, 10 + 49), QColor(Qt::red));
        // Solving reaches the hidden 12, whose new children show as its own do.
        kok->SolveAll();
        QVERIFY(!gizli->LeftChild()->isHidden());
        QVERIFY(gizli->LeftEdit()->isHidden());
    }

    // A divisor that does not divide, or no number at all: the pupil is told,
    // the text stays in its box and the node stays unsplit.
    void donusum_hatasi_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QStringList>("kayit");
        QTest::newRow("bolmeyen") << QStringLiteral("5")
                                  << QStringList{QStringLiteral("ses: 1258"),
                                                 QStringLiteral("mesaj: 5 sayısı 12 sayısını tam olarak bölmez!")};
        QTest::newRow("eksi") << QStringLiteral("-")
                              << QStringList{QStringLiteral("hata: '-' geçerli bir tamsayı değeri değil")};
        QTest::newRow("yapistirilan_harf") << QStringLiteral("12a")
                                           << QStringList{QStringLiteral("hata: '12a' geçerli bir tamsayı değeri değil")};
    }
    void donusum_hatasi()
    {
        QFETCH(QString, metin);
        Agac a(12);
        MyShape* kok = a.kok;
        kok->LeftEdit()->setText(metin);
        QCOMPARE(HataSinirinda([&] { kok->EditEntered(kok->LeftEdit()); }), metin == QLatin1String("5"));
        QTEST(a.ortam.Kayit, "kayit");
        QCOMPARE(kok->LeftEdit()->text(), metin);
        QVERIFY(!kok->LeftEdit()->isHidden());
        QCOMPARE(kok->CountUnsplit(), 1);
        QVERIFY(kok->LeftChild()->isHidden());
    }

    void tus_suzgeci_ve_enter()
    {
        Agac a(18);
        MyShape* kok = a.kok;
        QTest::keyClicks(kok->LeftEdit(), QStringLiteral("a.,3 "));
        QCOMPARE(kok->LeftEdit()->text(), QStringLiteral("3"));
        QTest::keyClick(kok->LeftEdit(), Qt::Key_Return);
        // A divisor typed on the left is the left factor.
        QCOMPARE(kok->LeftChild()->Value(), 3);
        QCOMPARE(kok->RightChild()->Value(), 6);
    }

    // Solving shows every leaf; a taken leaf turns silver and stays put.
    void cozum_ve_alinan_yaprak()
    {
        Agac a(12);
        MyShape* kok = a.kok;
        kok->SolveAll();
        QCOMPARE(Yapraklar(kok), (QList<int>{3, 2, 2}));
        QCOMPARE(a.ortam.Sesler(), (QList<int>{1256, 1256}));
        QVERIFY(kok->TakeAvailable(2));
        MyShape* ilk = kok->LeftChild()->RightChild();
        QCOMPARE(ilk->Firca, clSilver);
        QVERIFY(!OtomatikSurukleAcik(ilk));
        QVERIFY(OtomatikSurukleAcik(kok->RightChild()));
    }

    void kok_silinince_agac_gider()
    {
        Agac a(48);
        MyShape* kok = a.kok;
        kok->SolveAll();
        QVERIFY(a.yuzey.findChildren<QWidget*>().size() > 10);
        delete kok;
        QCOMPARE(a.yuzey.findChildren<QWidget*>().size(), 0);
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
        QFETCH(bool, etiket);
        QWidget yuzey;
        SayiShape s(&yuzey, deger, true);
        s.Sekil = SekilTuru::Kare;
        s.SetMark(isaret);
        QCOMPARE(s.Firca, TRenk(firca));
        QTEST(s.Sekil == SekilTuru::Daire, "daire");
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
