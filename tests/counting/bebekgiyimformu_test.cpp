#include "bebekformu.h"
#include "bebekgiyimformu.h"
#include "giysigirisformu.h"
#include "giyimresmi.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// Garment `i` of a kind (100 shirts, 200 trousers), left to right.
GiyimResmi* GiysiResmi(const TBebekGiyimForm& f, int tag, int i)
{
    for (const QPointer<GiyimResmi>& g : f.Giysiler())
        if (g && g->Tag == tag && i-- == 0)
            return g;
    return nullptr;
}

// Double-clicks the garments named "g<i>" (shirt) or "p<i>" (trousers).
void Giydir(const TBebekGiyimForm& f, const QStringList& adlar)
{
    for (const QString& ad : adlar) {
        GiyimResmi* g = GiysiResmi(f, ad[0] == 'g' ? 100 : 200, ad.mid(1).toInt());
        QVERIFY(g);
        QTest::mouseDClick(g, Qt::LeftButton, Qt::NoModifier, g->rect().center());
    }
}

// The board's thumbnails in order, by their numbers and the outfits they stand for, as shirt/trousers in hex.
QStringList Pano(const TBebekGiyimForm& f)
{
    QStringList s;
    for (const QPointer<KucukResim>& r : f.BebekForm->KucukResimler()) {
        const EsyaRenk* giyim = f.Model.Bulunanlar().Al(r->Numara - 1);
        if (!giyim)
            return {QStringLiteral("thumbnail %1 stands for nothing").arg(r->Numara)};
        s << QStringLiteral("%1:%2/%3").arg(r->Numara).arg(giyim->GomlekRengi, 0, 16).arg(giyim->PantolonRengi, 0, 16);
    }
    return s;
}

QStringList Sesler(int notr, const QList<int>& sonra = {})
{
    QStringList s;
    for (int i = 0; i < notr; ++i)
        s << QStringLiteral("ses: 1256");
    for (int n : sonra)
        s << QStringLiteral("ses: %1").arg(n);
    return s;
}

QString Tebrik(int n)
{
    return QStringLiteral("mesaj: ") + TamamMesaji(n);
}

} // namespace

class BebekGiyimTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    // 2 x 3: a shirt alone records nothing, six combinations are numbered 1
    // to 6, a repeat is refused, and after the congratulation all is silent.
    void iki_uc()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        f.ProblemKur(2, 3); // shirts teal, red; trousers teal, red, yellow
        Giydir(f, {"g0"});
        QCOMPARE(ortam.Kayit, QStringList());
        Giydir(f, {"p0", "g1", "g1"});
        QCOMPARE(ortam.Kayit, Sesler(2, {1258}) << QStringLiteral("mesaj: ") + TEKRAR_MESAJI);
        ortam.Temizle();
        Giydir(f, {"p1", "g0", "p2", "g1"});
        QCOMPARE(ortam.Kayit, Sesler(4, {1257}) << Tebrik(6));
        QCOMPARE(Pano(f), QStringList({"1:808000/808000", "2:ff/808000", "3:ff/ff", "4:808000/ff", "5:808000/ffff",
                                       "6:ff/ffff"}));
        ortam.Temizle();
        Giydir(f, {"g0", "p0", "p0"});
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(f.Image4->Renk(ADAM_GOMLEK_NOKTALARI[0]), clTeal);
    }

    void problem_gir_data()
    {
        QTest::addColumn<int>("gomlek");
        QTest::addColumn<int>("pantolon");
        QTest::addColumn<bool>("tamam");
        QTest::addColumn<QSize>("sonuc");
        QTest::newRow("tamam") << 9 << 3 << true << QSize(8, 3);
        QTest::newRow("iptal") << 5 << 6 << false << QSize(2, 2);
    }
    void problem_gir()
    {
        QFETCH(int, gomlek);
        QFETCH(int, pantolon);
        QFETCH(bool, tamam);
        QFETCH(QSize, sonuc);
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr); // 2 x 2: the test source answers 0
        Giydir(f, {"g0", "p0"});
        QList<int> gorulen;
        ortam.Modallar.push_back([&](QDialog& d) {
            auto& g = static_cast<TGiysiGirisForm&>(d);
            gorulen << g.CSpinEdit1->value() << g.CSpinEdit2->value();
            QTest::keyClicks(g.CSpinEdit1, QStringLiteral("7-"));
            QTest::keyClick(g.CSpinEdit1, Qt::Key_Up);
            gorulen << g.CSpinEdit1->value();
            g.CSpinEdit1->setValue(gomlek);
            g.CSpinEdit2->setValue(pantolon);
            (tamam ? g.Button1 : g.Button2)->click();
            return d.result();
        });
        ortam.Temizle();
        f.YeniProblemAction->trigger();
        QCOMPARE(ortam.Kayit, QStringList({"modal: TGiysiGirisForm"}));
        // It starts from the counts on the screen; nothing can be typed, the arrows step.
        QCOMPARE(gorulen, QList<int>({2, 2, 3}));
        QCOMPARE(QSize(f.Model.Problem().GomlekSayisi(), f.Model.Problem().PantolonSayisi()), sonuc);
        QCOMPARE(int(f.Giysiler().size()), sonuc.width() + sonuc.height());
        QCOMPARE(f.BebekForm->Sayi(), tamam ? 0 : 1);
    }

    // "Giydir" acts on the garment whose menu was opened, and on nothing once it is gone.
    void giydir_menusu()
    {
        TestOrtami ortam;
        ortam.Rastgeleler.assign(40, 7); // 9 x 9 becomes 8 x 8; colours still distinct
        TBebekGiyimForm f(nullptr);
        f.show();
        // Each picture shows its garment's colour where the colour is probed.
        QCOMPARE(f.Giysiler().size(), size_t(16));
        for (size_t no = 0; no < 16; ++no) {
            const Giysi& g = f.Model.Giysiler()[no];
            const GiysiSablonu& sablon = g.Tur == GiysiTuru::Gomlek ? GOMLEK_SABLONU : PANTOLON_SABLONU;
            QCOMPARE(f.Giysiler()[no]->Renk(sablon.RenkNoktasi), g.Renk);
            QCOMPARE(f.Giysiler()[no]->Tag, g.Tag());
        }
        GiyimResmi* pantolon = GiysiResmi(f, 200, 1);
        QContextMenuEvent sag(QContextMenuEvent::Mouse, QPoint(40, 30), pantolon->mapToGlobal(QPoint(40, 30)));
        QApplication::sendEvent(pantolon, &sag);
        QVERIFY(f.PopupMenu1->isVisible());
        f.Giydir1->trigger();
        f.PopupMenu1->hide();
        QCOMPARE(f.Model.Adam().PantolonRengi, f.Model.Problem().Pantolon(1));
        QCOMPARE(f.Image4->Renk(ADAM_PANTOLON_NOKTALARI[0]), f.Model.Problem().Pantolon(1));
        f.GiysiMenusuAc(GiysiResmi(f, 100, 0), QPoint(100, 100));
        f.PopupMenu1->hide();
        f.RastgeleProblemAction->trigger();
        f.Giydir1->trigger();
        QCOMPARE(f.Model.Adam(), (EsyaRenk{clWhite, clWhite}));
        f.close();
    }

    // 2 x 2 by keys alone: Tab to the first shirt, Enter or Space dresses,
    // the arrows go along a row and between the rows, Shift+F10 opens "Giydir".
    void klavyeIleGiydirme()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1366, 768)));
        f.ProblemKur(2, 2);
        int tuslar = 0;
        while (QApplication::focusWidget() != GiysiResmi(f, 100, 0) && tuslar < 30)
            tuslar += TuslaraBas({Qt::Key_Tab});
        tuslar += TuslaraBas({Qt::Key_Return, Qt::Key_Down, Qt::Key_Return, Qt::Key_Up, Qt::Key_Right, Qt::Key_Space,
                              Qt::Key_Down, Qt::Key_Return, Qt::Key_Up, Qt::Key_Left, (Qt::SHIFT | Qt::Key_F10).toCombined()});
        QVERIFY(f.PopupMenu1->isVisible());
        tuslar += TuslaraBas({Qt::Key_Down, Qt::Key_Return});
        QVERIFY(f.Model.Tamam());
        QCOMPARE(ortam.Kayit, Sesler(4, {1257}) << Tebrik(4));
        QCOMPARE(Pano(f), QStringList({"1:808000/808000", "2:ff/808000", "3:ff/ff", "4:808000/ff"}));
        QCOMPARE(OkunanAd(f.BebekForm->KucukResimler()[1]), QStringLiteral("2. giyim: kırmızı gömlek, petrol mavisi pantolon"));
        qInfo("Saymanın Temel İlkeleri, tuşlarla: %d tuş", tuslar);
        f.close();
    }

    // What a reader hears of the garments and the man as the keys dress him.
    void okunanAdlar_data()
    {
        QTest::addColumn<QList<int>>("tuslar");
        QTest::addColumn<QStringList>("giysiler");
        QTest::addColumn<QString>("adam");
        const QStringList bastaki{"Petrol mavisi gömlek", "Kırmızı gömlek", "Petrol mavisi pantolon", "Kırmızı pantolon",
                                  "Sarı pantolon"};
        const auto giyili = [&](int i) { return QStringList(bastaki).replaceInStrings(bastaki[i], bastaki[i] + ", giyili"); };
        QTest::newRow("başta") << QList<int>{} << bastaki << "Pomlu Bey: beyaz gömlek, beyaz pantolon";
        QTest::newRow("Enter") << QList<int>{Qt::Key_Return} << giyili(0) << "Pomlu Bey: petrol mavisi gömlek, beyaz pantolon";
        QTest::newRow("sıranın sonunda kalır") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space}
                                               << giyili(3) << "Pomlu Bey: beyaz gömlek, kırmızı pantolon";
        QTest::newRow("menü tuşu") << QList<int>{Qt::Key_Return, Qt::Key_Right, Qt::Key_Menu, Qt::Key_Down, Qt::Key_Return}
                                   << giyili(1) << "Pomlu Bey: kırmızı gömlek, beyaz pantolon";
    }
    void okunanAdlar()
    {
        QFETCH(QList<int>, tuslar);
        QFETCH(QStringList, giysiler);
        QFETCH(QString, adam);
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1366, 768)));
        f.ProblemKur(2, 3); // shirts teal, red; trousers teal, red, yellow
        GiysiResmi(f, 100, 0)->setFocus(Qt::TabFocusReason);
        TuslaraBas(tuslar);
        QStringList okunan;
        for (const QPointer<GiyimResmi>& g : f.Giysiler())
            okunan << OkunanAd(g);
        QCOMPARE(okunan, giysiler);
        QCOMPARE(OkunanAd(f.Image4), adam);
        f.close();
    }

    // 8 x 8 fills more rows than the board shows: it scrolls to the last one,
    // and a new window size lays the thumbnails and the garments out again.
    void pano_kayar()
    {
        TestOrtami ortam;
        TBebekGiyimForm f(nullptr);
        PencereGoster(f);
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.ProblemKur(8, 8);
        EkranKaydet(&f, QStringLiteral("giyim_yeni_problem"));
        Giydir(f, {"g2", "p5", "g6"});
        EkranKaydet(&f, QStringLiteral("giyim_giydirildi"));
        Giydir(f, {"p1", "g0", "p2", "g4", "p7"});
        EkranKaydet(&f, QStringLiteral("giyim_pano"));
        // Outfits found before are passed over without a message.
        ortam.Temizle();
        f.CozAction->trigger();
        QCOMPARE(ortam.Suzulmus(QStringLiteral("mesaj: ")), QStringList{Tebrik(64)});
        TBebekForm* pano = f.BebekForm;
        const auto yerlesimUyar = [&] {
            QCoreApplication::processEvents();
            const QSize alan = pano->viewport()->size();
            const PanoYerlesimi y = KucukResimYerleri(64, alan.width(), alan.height());
            for (int i = 0; i < 64; ++i)
                QCOMPARE(pano->KucukResimler()[size_t(i)]->pos(), y.Yerler[size_t(i)]);
            QCOMPARE(pano->Tuval->size(), QSize(alan.width(), y.Yukseklik));
            QCOMPARE(pano->verticalScrollBar()->isVisible(), y.Yukseklik > alan.height());
        };
        yerlesimUyar();
        QVERIFY(pano->Tuval->isVisible());
        QCOMPARE(pano->verticalScrollBar()->value(), pano->verticalScrollBar()->maximum());
        EkranKaydet(&f, QStringLiteral("giyim_8x8_tamam"));
        f.resize(640, 600);
        yerlesimUyar();
        for (int tag : {100, 200})
            QVERIFY(GiysiResmi(f, tag, 7)->geometry().right() < f.width() - 9);
        Giydir(f, {"g7"});
        QCOMPARE(f.Model.Adam().GomlekRengi, f.Model.Problem().Gomlek(7));
        EkranKaydet(&f, QStringLiteral("giyim_8x8_dar"), false);
        f.close();
    }
};

#include "bebekgiyimformu_test.moc"
ORVANTA_TEST(BebekGiyimTesti)
