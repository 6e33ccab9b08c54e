#include "Bebekformu.h"
#include "Bebekgiyimformu.h"
#include "Giysigirisformu.h"
#include "giyimresmi.h"
#include "testana.h"
#include "testortami.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <set>

namespace {

// The garments of one kind (100 shirts, 200 trousers), left to right.
QList<GiyimResmi*> Giysiler(const TBebekGiyimForm& f, int tag)
{
    QList<GiyimResmi*> liste;
    for (const QPointer<GiyimResmi>& g : f.Giysiler())
        if (g && g->Tag == tag)
            liste << g.data();
    return liste;
}

GiyimResmi* Gomlek(const TBebekGiyimForm& f, int i)
{
    return Giysiler(f, 100).value(i);
}

GiyimResmi* Pantolon(const TBebekGiyimForm& f, int i)
{
    return Giysiler(f, 200).value(i);
}

void CiftTikla(GiyimResmi* g)
{
    QVERIFY(g);
    QTest::mouseDClick(g, Qt::LeftButton, Qt::NoModifier, g->rect().center());
}

QString Metin(const EsyaRenk& g)
{
    return QString::number(g.GomlekRengi, 16) + '/' + QString::number(g.PantolonRengi, 16);
}

// The outfits of the board's thumbnails, in order.
QStringList Pano(const TBebekGiyimForm& f)
{
    QStringList s;
    for (const QPointer<KucukResim>& r : f.BebekForm->KucukResimler())
        if (r && r->Giyim)
            s << Metin(*r->Giyim);
    return s;
}

QList<int> Numaralar(const TBebekGiyimForm& f)
{
    QList<int> s;
    for (const QPointer<KucukResim>& r : f.BebekForm->KucukResimler())
        s << (r ? r->Numara : -1);
    return s;
}

QStringList Sesler(int notr, QList<int> sira = {})
{
    QStringList s;
    for (int i = 0; i < notr; ++i)
        s << QStringLiteral("ses: 1256");
    for (int n : sira)
        s << QStringLiteral("ses: ") + QString::number(n);
    return s;
}

QString Tebrik(int n)
{
    return QStringLiteral("mesaj: ") + TamamMesaji(n);
}

// Answers the count dialog: checks its start values, sets new ones and presses a button.
std::function<int(QDialog&)> Sayilar(int gomlekOnce, int pantolonOnce, int gomlek, int pantolon, bool tamam)
{
    return [=](QDialog& d) {
        auto* g = qobject_cast<TGiysiGirisForm*>(&d);
        if (!g)
            return 0;
        if (g->CSpinEdit1->value() != gomlekOnce || g->CSpinEdit2->value() != pantolonOnce)
            QTest::qFail("sayılar beklendiği gibi başlamadı", __FILE__, __LINE__);
        g->CSpinEdit1->setValue(gomlek);
        g->CSpinEdit2->setValue(pantolon);
        (tamam ? g->Button1 : g->Button2)->click();
        return d.result();
    };
}

// A tour picture at the projector's size; the board lays itself out for it first.
void Boyutla(TBebekGiyimForm& f)
{
    f.setWindowState(Qt::WindowNoState);
    f.resize(1366, 768);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
}

} // namespace

class BebekGiyimTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void acilis()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {3, 6};
        TBebekGiyimForm f(nullptr);
        QCOMPARE(f.Problem.GomlekSayisi(), 5);
        QCOMPARE(f.Problem.PantolonSayisi(), 8);
        QCOMPARE(Giysiler(f, 100).size(), 5);
        QCOMPARE(Giysiler(f, 200).size(), 8);
        QCOMPARE(f.Adam, (EsyaRenk{clWhite, clWhite}));
        QCOMPARE(f.BebekForm->Sayi(), 0);
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(Gomlek(f, 0)->pos(), QPoint(213, 88));
        QCOMPARE(Pantolon(f, 1)->pos(), QPoint(310, 176));
        QCOMPARE(Gomlek(f, 0)->size(), QSize(89, 65));
        QCOMPARE(Pantolon(f, 0)->size(), QSize(89, 81));
        QCOMPARE(f.Image4->size(), QSize(169, 177));
        QVERIFY(f.Image2->isHidden() && f.Image3->isHidden());
        // Every garment shows the colour the wardrobe gave it.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Gomlek(f, i)->Renk(GOMLEK_SABLONU.RenkNoktasi), f.Problem.Gomlek(i));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(Pantolon(f, i)->Renk(PANTOLON_SABLONU.RenkNoktasi), f.Problem.Pantolon(i));
        Boyutla(f);
        EkranKaydet(&f, QStringLiteral("giyim_yeni_problem"));
    }

    // 2 x 3: six combinations numbered 1 to 6, then the congratulation.
    void iki_uc()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        f.ProblemKur(2, 3); // shirts teal, red; trousers teal, red, yellow
        ortam.Temizle();
        // A shirt alone records nothing: the trousers are still white.
        CiftTikla(Gomlek(f, 0));
        QCOMPARE(f.Adam, (EsyaRenk{clTeal, clWhite}));
        QCOMPARE(ortam.Kayit, QStringList());
        for (GiyimResmi* g : {Pantolon(f, 0), Gomlek(f, 1), Pantolon(f, 1), Gomlek(f, 0), Pantolon(f, 2)})
            CiftTikla(g);
        QCOMPARE(ortam.Kayit, Sesler(5));
        CiftTikla(Gomlek(f, 1));
        QCOMPARE(ortam.Kayit, Sesler(6, {1257}) << Tebrik(6));
        QCOMPARE(Numaralar(f), (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(Pano(f), QStringList({"808000/808000", "ff/808000", "ff/ff", "808000/ff", "808000/ffff", "ff/ffff"}));
        QCOMPARE(f.BebekForm->KucukResimler()[1]->size(), QSize(130, 130));
        // After the last one, dressing still recolours the man, silently.
        ortam.Temizle();
        CiftTikla(Gomlek(f, 0));
        CiftTikla(Pantolon(f, 0));
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(f.Image4->Renk(ADAM_GOMLEK_NOKTALARI[0]), clTeal);
        QCOMPARE(f.BebekForm->Sayi(), 6);
    }

    // The same outfit twice, by quick double clicks: one thumbnail, then the refusal.
    void tekrar()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        CiftTikla(Gomlek(f, 1));
        CiftTikla(Pantolon(f, 0));
        CiftTikla(Pantolon(f, 0));
        CiftTikla(Pantolon(f, 0));
        const QString tekrar = QStringLiteral("mesaj: ") + TEKRAR_MESAJI;
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1256", "ses: 1258", tekrar, "ses: 1258", tekrar}));
        QCOMPARE(f.BebekForm->Sayi(), 1);
        QCOMPARE(f.BebekForm->KucukResimler().size(), size_t(1));
    }

    void hepsini_goster_data()
    {
        QTest::addColumn<QStringList>("tiklanan"); // garments double-clicked first: g shirt, p trousers, index
        QTest::addColumn<QStringList>("sesler");
        // 3 x 4 in trousers-major order; an outfit already found is passed
        // with 1258 and no message, and the show stops at the last new one.
        QTest::newRow("bos") << QStringList() << Sesler(12, {1257});
        // red/red and teal/red are found: the fourth and fifth of the order.
        QTest::newRow("iki") << QStringList({"g1", "p1", "g0"}) << (Sesler(3, {1258, 1258}) << Sesler(7, {1257}));
        // yellow/blue, the last of the order, is found: the show ends before it.
        QTest::newRow("sonuncu") << QStringList({"g2", "p3"}) << Sesler(11, {1257});
    }
    void hepsini_goster()
    {
        QFETCH(QStringList, tiklanan);
        QFETCH(QStringList, sesler);
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        f.ProblemKur(3, 4);
        for (const QString& t : tiklanan)
            CiftTikla(t[0] == 'g' ? Gomlek(f, t.mid(1).toInt()) : Pantolon(f, t.mid(1).toInt()));
        QStringList beklenen = Pano(f);
        QCOMPARE(beklenen.size(), std::max(0, int(tiklanan.size()) - 1));
        for (const EsyaRenk& g : f.Problem.TumGiyimler())
            if (!beklenen.contains(Metin(g)))
                beklenen << Metin(g);
        ortam.Temizle();
        f.CozAction->trigger();
        QCOMPARE(ortam.Kayit, sesler << Tebrik(12));
        QCOMPARE(Pano(f), beklenen);
        QCOMPARE(Numaralar(f).last(), 12);
        QVERIFY(f.OtomatikKayit);
        // The man wears the last outfit put on the board.
        QCOMPARE(Metin(f.Adam), beklenen.last());
        // A second time there is nothing left to show.
        ortam.Temizle();
        f.CozAction->trigger();
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(f.BebekForm->Sayi(), 12);
    }

    void problem_gir_data()
    {
        QTest::addColumn<int>("gomlek");
        QTest::addColumn<int>("pantolon");
        QTest::addColumn<bool>("tamam");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("t");
        QTest::newRow("dokuz_gomlek") << 9 << 3 << true << 8 << 3;
        QTest::newRow("dokuz_dokuz") << 9 << 9 << true << 8 << 8;
        QTest::newRow("bir_bir") << 1 << 1 << true << 1 << 1;
        QTest::newRow("iptal") << 5 << 6 << false << 2 << 2;
    }
    void problem_gir()
    {
        QFETCH(int, gomlek);
        QFETCH(int, pantolon);
        QFETCH(bool, tamam);
        QFETCH(int, s);
        QFETCH(int, t);
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        CiftTikla(Gomlek(f, 0));
        CiftTikla(Pantolon(f, 0));
        const GiyimResmi* eski = Gomlek(f, 0);
        ortam.Modallar.push_back(Sayilar(2, 2, gomlek, pantolon, tamam));
        ortam.Temizle();
        f.YeniProblemAction->trigger();
        QCOMPARE(ortam.Kayit, QStringList({"modal: TGiysiGirisForm"}));
        QCOMPARE(f.Problem.GomlekSayisi(), s);
        QCOMPARE(f.Problem.PantolonSayisi(), t);
        QCOMPARE(Giysiler(f, 100).size(), s);
        QCOMPARE(Giysiler(f, 200).size(), t);
        // Cancelled, the problem stays as it was, found outfit and all.
        QCOMPARE(Gomlek(f, 0) == eski, !tamam);
        QCOMPARE(f.BebekForm->Sayi(), tamam ? 0 : 1);
        QCOMPARE(f.Adam == (EsyaRenk{clWhite, clWhite}), tamam);
        if (s == 1) {
            ortam.Temizle();
            CiftTikla(Gomlek(f, 0));
            CiftTikla(Pantolon(f, 0));
            QCOMPARE(ortam.Kayit, Sesler(1, {1257}) << Tebrik(1));
        }
        // The dialog starts from the counts of the problem on the screen.
        ortam.Modallar.push_back(Sayilar(s, t, 1, 1, false));
        f.YeniProblemActionExecute();
    }

    void sayi_penceresi()
    {
        TestOrtami ortam;
        TGiysiGirisForm d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Giysi Sayısı Girişi"));
        QCOMPARE(d.Label1->text(), QStringLiteral("Pantolon Sayısı"));
        QCOMPARE(d.Label2->text(), QStringLiteral("Gömlek Sayısı"));
        QCOMPARE(d.Button1->text(), QStringLiteral("Tamam"));
        QCOMPARE(d.Button2->text(), QStringLiteral("İptal"));
        SayacKutusu* k = d.CSpinEdit1;
        QCOMPARE(k->minimum(), 1);
        QCOMPARE(k->maximum(), 9);
        k->setValue(4);
        // Nothing can be typed; the arrow keys step within 1 .. 9.
        QTest::keyClicks(k, QStringLiteral("7x-"));
        QCOMPARE(k->value(), 4);
        QTest::keyClick(k, Qt::Key_Backspace);
        QCOMPARE(k->value(), 4);
        QTest::keyClick(k, Qt::Key_Up);
        QCOMPARE(k->value(), 5);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(k, Qt::Key_Up);
        QCOMPARE(k->value(), 9);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(k, Qt::Key_Down);
        QCOMPARE(k->value(), 1);
        // Enter confirms, Escape cancels.
        int gomlek = 3, pantolon = 4;
        ortam.Modallar.push_back([](QDialog& p) {
            auto& g = static_cast<TGiysiGirisForm&>(p);
            g.show();
            QTest::keyClick(g.CSpinEdit1, Qt::Key_Up);
            QTest::keyClick(g.CSpinEdit1, Qt::Key_Return);
            return p.result();
        });
        QVERIFY(TGiysiGirisForm::Sor(nullptr, gomlek, pantolon));
        QCOMPARE(gomlek, 4);
        QCOMPARE(pantolon, 4);
        ortam.Modallar.push_back([](QDialog& p) {
            auto& g = static_cast<TGiysiGirisForm&>(p);
            g.show();
            QTest::keyClick(g.CSpinEdit2, Qt::Key_Up);
            QTest::keyClick(g.CSpinEdit2, Qt::Key_Escape);
            return p.result();
        });
        QVERIFY(!TGiysiGirisForm::Sor(nullptr, gomlek, pantolon));
        QCOMPARE(pantolon, 4);
        d.show();
        EkranKaydet(&d, QStringLiteral("giyim_sayi_penceresi"), false);
        d.close();
    }

    void renkler_farkli_data()
    {
        QTest::addColumn<int>("cevap");
        QTest::newRow("0") << 0;
        QTest::newRow("5") << 5;
        QTest::newRow("9") << 9;
    }
    // A source that always answers the same still gives distinct colours within a kind.
    void renkler_farkli()
    {
        QFETCH(int, cevap);
        TestOrtami ortam;
        ortam.Rastgeleler.assign(200, cevap);
        TBebekGiyimForm f(nullptr);
        f.ProblemKur(8, 8);
        for (int tag : {100, 200}) {
            std::set<TRenk> renkler;
            for (GiyimResmi* g : Giysiler(f, tag))
                renkler.insert(g->Renk(tag == 100 ? GOMLEK_SABLONU.RenkNoktasi : PANTOLON_SABLONU.RenkNoktasi));
            QCOMPARE(int(renkler.size()), 8);
            QVERIFY(!renkler.count(clWhite) && !renkler.count(GIYSI_CIZGISI));
        }
    }

    // Red shirt with red trousers, then a blue shirt: the trousers stay red.
    void kirmizi_kirmizi_mavi()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        f.ProblemKur(4, 2); // shirts teal, red, yellow, blue; trousers teal, red
        CiftTikla(Gomlek(f, 1));
        CiftTikla(Pantolon(f, 1));
        CiftTikla(Gomlek(f, 3));
        QCOMPARE(f.Adam, (EsyaRenk{clBlue, clRed}));
        for (const QPoint& p : ADAM_GOMLEK_NOKTALARI)
            QCOMPARE(f.Image4->Renk(p), clBlue);
        QCOMPARE(f.Image4->Renk(ADAM_PANTOLON_NOKTALARI[0]), clRed);
        // As the pupil sees it: the picture is stretched to 169 x 177.
        const QImage ekran = f.grab().toImage();
        const auto yer = [&](QPoint p) {
            return f.Image4->mapTo(&f, QPoint(p.x() * 169 / 162, p.y() * 177 / 185)) * ekran.devicePixelRatio();
        };
        QCOMPARE(ekran.pixelColor(yer(ADAM_PANTOLON_NOKTALARI[0])), RenkQ(clRed));
        QCOMPARE(ekran.pixelColor(yer(ADAM_GOMLEK_NOKTALARI[1])), RenkQ(clBlue));
        Boyutla(f);
        EkranKaydet(&f, QStringLiteral("giyim_giydirildi"));
    }

    // "Giydir" acts on the garment whose menu was opened, and on nothing once it is gone.
    void giydir_menusu()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        f.show();
        f.Giydir1->trigger();
        QCOMPARE(f.Adam, (EsyaRenk{clWhite, clWhite}));
        GiyimResmi* pantolon = Pantolon(f, 1);
        QContextMenuEvent sag(QContextMenuEvent::Mouse, QPoint(40, 30), pantolon->mapToGlobal(QPoint(40, 30)));
        QApplication::sendEvent(pantolon, &sag);
        QCOMPARE(f.GecerliGiysi(), pantolon);
        QVERIFY(f.PopupMenu1->isVisible());
        QCOMPARE(f.PopupMenu1->actions(), QList<QAction*>{f.Giydir1});
        QCOMPARE(f.Giydir1->text(), QStringLiteral("Giydir"));
        f.Giydir1->trigger();
        f.PopupMenu1->hide();
        QCOMPARE(f.Adam.PantolonRengi, clRed);
        f.GiysiMenusuAc(Gomlek(f, 0), QPoint(100, 100));
        f.PopupMenu1->hide();
        f.RastgeleProblemAction->trigger();
        QCOMPARE(f.GecerliGiysi(), nullptr);
        f.Giydir1->trigger();
        QCOMPARE(f.Adam, (EsyaRenk{clWhite, clWhite}));
        QCOMPARE(ortam.Kayit, QStringList());
        f.close();
    }

    // 8 x 8 fills more rows than the board shows: it scrolls to the last one,
    // and a new window size lays the thumbnails out again by the same rule.
    void pano_kayar()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        Boyutla(f);
        f.ProblemKur(8, 8);
        CiftTikla(Gomlek(f, 2));
        CiftTikla(Pantolon(f, 5));
        CiftTikla(Gomlek(f, 6));
        CiftTikla(Pantolon(f, 1));
        EkranKaydet(&f, QStringLiteral("giyim_pano"));
        ortam.Temizle();
        f.CozAction->trigger();
        // 61 new, the three found before passed over, the congratulation.
        QCOMPARE(ortam.Kayit.size(), 61 + 3 + 2);
        QCOMPARE(ortam.Kayit.last(), Tebrik(64));
        TBebekForm* pano = f.BebekForm;
        QCOMPARE(pano->KucukResimler().size(), size_t(64));
        const auto yerlesimUyar = [&] {
            const QSize alan = pano->viewport()->size();
            const PanoYerlesimi y = KucukResimYerleri(64, alan.width(), alan.height());
            for (int i = 0; i < 64; ++i)
                QCOMPARE(pano->KucukResimler()[size_t(i)]->pos(), y.Yerler[size_t(i)]);
            QCOMPARE(pano->Tuval->size(), QSize(alan.width(), y.Yukseklik));
            QVERIFY(pano->Tuval->height() > alan.height());
        };
        QCoreApplication::processEvents();
        yerlesimUyar();
        QVERIFY(pano->verticalScrollBar()->isVisible());
        QVERIFY(pano->verticalScrollBar()->maximum() > 0);
        QCOMPARE(pano->verticalScrollBar()->value(), pano->verticalScrollBar()->maximum());
        // The last thumbnail is in sight.
        const QRect son = pano->KucukResimler().back()->geometry().translated(pano->Tuval->pos());
        QVERIFY(pano->viewport()->rect().contains(son.adjusted(0, 0, -30, 0)));
        EkranKaydet(&f, QStringLiteral("giyim_8x8_tamam"));

        f.resize(640, 600);
        QCoreApplication::processEvents();
        QCOMPARE(pano->width(), 620);
        yerlesimUyar();
        // The rows of garments shrink into the narrow window and still dress the man.
        for (GiyimResmi* g : {Gomlek(f, 7), Pantolon(f, 7)}) {
            QVERIFY(g->geometry().right() < f.width() - 9);
            QVERIFY(g->width() < 89);
        }
        CiftTikla(Gomlek(f, 7));
        QCOMPARE(f.Adam.GomlekRengi, f.Problem.Gomlek(7));
        f.resize(1000, 700);
        QCoreApplication::processEvents();
        yerlesimUyar();
        EkranKaydet(&f, QStringLiteral("giyim_8x8_dar"), false);
        f.close();
    }
};

#include "bebekgiyim_test.moc"
ORVANTA_TEST(BebekGiyimTesti)
