#include "anakesirformu.h"
#include "brushsitilformu.h"
#include "kesirgorsellestirmeformu.h"
#include "kesirgosterformu.h"
#include "kesirshape.h"
#include "okdugmeleri.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace {

// A press at `p` (drawing coordinates) on whatever the drawing shows there.
void Bas(TKesirGorsellestirmeForm& c, QPoint p)
{
    QWidget* hedef = c.childAt(p);
    QVERIFY(hedef);
    QTest::mouseClick(hedef, Qt::LeftButton, Qt::NoModifier, hedef->mapFrom(&c, p));
}

// A point at counter-clockwise angle `aci` in a drawing's circle, `oran` of the radius out.
QPoint Aci(const TKesirGorsellestirmeForm& c, double aci, double oran = 0.6)
{
    const double r = aci * M_PI / 180.0;
    const double yaricap = c.ShapeWidth / 2.0 * oran;
    return QPoint(c.ShapeLeft + c.ShapeWidth / 2 + int(std::lround(yaricap * std::cos(r))),
                  c.ShapeTop + c.ShapeHeight / 2 - int(std::lround(yaricap * std::sin(r))));
}

QVector<int> Taglar(const TKesirGorsellestirmeForm& c)
{
    QVector<int> t;
    for (KesirShape* d : c.Slices())
        t << d->Tag();
    return t;
}

QColor Piksel(const QImage& resim, QPoint p)
{
    return resim.pixelColor(p * resim.devicePixelRatio());
}

// Whether some pixel of `alan` passes `kosul`: where a number is written.
bool Bulunur(const QImage& resim, QRect alan, const std::function<bool(const QColor&)>& kosul)
{
    for (int x = alan.left(); x <= alan.right(); ++x)
        for (int y = alan.top(); y <= alan.bottom(); ++y)
            if (kosul(Piksel(resim, QPoint(x, y))))
                return true;
    return false;
}

// What a reader hears of each slice, a star for the checked state.
QStringList DilimAdlari(const TKesirGorsellestirmeForm& c)
{
    QStringList adlar;
    for (KesirShape* d : c.Slices()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(d);
        adlar << a->text(QAccessible::Name) + (a->state().checked ? QStringLiteral("*") : QString());
    }
    return adlar;
}

// A drawing of `n` parts in view `gorunum`, mode 1, with numbers off.
void Hazirla(TKesirGorsellestirmeForm& c, int n, int gorunum)
{
    c.SetSize(300);
    c.SetPartCount(n);
    c.Rebuild(gorunum, false);
}

} // namespace

class KesirCizimTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void tek_parca_sari_daire()
    {
        KesirCemberShape dilim(nullptr);
        dilim.resize(200, 200);
        const QImage resim = dilim.grab().toImage();
        for (QPoint p : {QPoint(100, 100), QPoint(40, 100), QPoint(160, 100), QPoint(100, 40), QPoint(100, 160)})
            QCOMPARE(Piksel(resim, p), RenkQ(clYellow));
        QVERIFY(Piksel(resim, QPoint(3, 3)) != RenkQ(clYellow));
        // Its number stands at 3 o'clock, in black.
        QVERIFY(Bulunur(resim, QRect(190, 95, 10, 20), [](const QColor& c) { return c.lightness() < 60; }));
    }

    // Presses on a circle of 4: the pixels of the selected slices turn red,
    // with their selection number between the chord and the centre.
    void secilen_dilimler_kirmizi()
    {
        TestOrtami ortam;
        TKesirGorsellestirmeForm c(nullptr);
        Hazirla(c, 4, GORUNUM_CEMBER);
        Bas(c, Aci(c, 45));  // slice 1
        Bas(c, Aci(c, 225)); // slice 3
        // The centre has no direction: it selects nothing.
        Bas(c, QPoint(c.ShapeLeft + c.ShapeWidth / 2, c.ShapeTop + c.ShapeHeight / 2));
        QCOMPARE(Taglar(c), (QVector<int>{1, 0, 2, 0}));
        c.SetShowSelectionNumbers(true);
        const QImage resim = c.grab().toImage();
        QCOMPARE(Piksel(resim, Aci(c, 30, 0.85)), RenkQ(clRed));
        QCOMPARE(Piksel(resim, Aci(c, 120, 0.85)), RenkQ(c.AllAreaColour()));
        QCOMPARE(Piksel(resim, Aci(c, 200, 0.85)), RenkQ(clRed));
        QCOMPARE(Piksel(resim, Aci(c, 300, 0.85)), RenkQ(c.AllAreaColour()));
        const QPoint no = c.Slices()[2]->SelectionNoPos() + QPoint(c.ShapeLeft, c.ShapeTop);
        QVERIFY(Bulunur(resim, QRect(no, QSize(12, 16)), [](const QColor& c) { return c == RenkQ(clYellow); }));
        QCOMPARE(c.Label2->text(), QStringLiteral("2"));
        QCOMPARE(c.Label1->text(), QStringLiteral("4"));
    }

    // Only one slice is a stop for Tab; Space and Enter press the slice that
    // has the focus, the arrows move it; the reader hears number and state.
    void dilim_tuslari_data()
    {
        QTest::addColumn<int>("parca");
        QTest::addColumn<int>("gorunum");
        QTest::addColumn<QList<int>>("tuslar");
        QTest::addColumn<QStringList>("adlar");
        const int R = Qt::Key_Right, L = Qt::Key_Left, B = Qt::Key_Space, E = Qt::Key_Return;
        QTest::newRow("çember") << 4 << int(GORUNUM_CEMBER) << QList<int>{R, R, B}
                                << QStringList{"1. dilim", "2. dilim", "3. dilim, seçili*", "4. dilim"};
        QTest::newRow("Enter, yine basınca kalkar")
            << 2 << int(GORUNUM_DIKEY) << QList<int>{E, R, E, E} << QStringList{"1. dilim, seçili*", "2. dilim"};
        QTest::newRow("başta kalır") << 2 << int(GORUNUM_COKGEN) << QList<int>{L, B}
                                     << QStringList{"1. dilim, seçili*", "2. dilim"};
        QTest::newRow("sonda kalır") << 3 << int(GORUNUM_COKGEN) << QList<int>{R, R, R, R, B}
                                     << QStringList{"1. dilim", "2. dilim", "3. dilim, seçili*"};
    }
    void dilim_tuslari()
    {
        QFETCH(int, parca);
        QFETCH(int, gorunum);
        QFETCH(QList<int>, tuslar);
        QFETCH(QStringList, adlar);
        TestOrtami ortam;
        TKesirGorsellestirmeForm c(nullptr);
        Hazirla(c, parca, gorunum);
        PencereGoster(c, c.size());
        QApplication::setActiveWindow(&c);
        int duraklar = 0;
        for (KesirShape* d : c.Slices())
            duraklar += d->focusPolicy() == Qt::TabFocus;
        QCOMPARE(duraklar, 1);
        c.Slices()[c.OdakDilimi()]->setFocus(Qt::TabFocusReason);
        TuslaraBas(tuslar);
        QCOMPARE(DilimAdlari(c), adlar);
        // A new view keeps the keyboard on the slice of the same number.
        QWidget* odak = QApplication::focusWidget();
        const int i = c.Slices().indexOf(qobject_cast<KesirShape*>(odak));
        c.DoYatayAction->trigger();
        QVERIFY(i >= 0 && QApplication::focusWidget() == c.Slices()[i]);
        c.close();
    }

    // The brush samples: the arrows go from sample to sample, Space shows
    // one in the preview, Tab reaches "Tamam".
    void firca_tuslari()
    {
        TestOrtami ortam;
        TKesirGorsellestirmeForm c(nullptr);
        Hazirla(c, 3, GORUNUM_CEMBER);
        ortam.Modallar.push_back([&](QDialog& d) {
            auto& secici = dynamic_cast<TBrushSitilForm&>(d);
            PencereGoster(secici, secici.size());
            QApplication::setActiveWindow(&secici);
            secici.Ornekler[0]->setFocus(Qt::TabFocusReason);
            TuslaraBas({Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
            if (QAccessible::queryAccessibleInterface(secici.Ornekler[2])->state().checked)
                ortam.Kayit << QAccessible::queryAccessibleInterface(secici.Shape1)->text(QAccessible::Name);
            SekmeIle(secici.TamamButton);
            TuslaraBas({Qt::Key_Space});
            secici.hide();
            return d.result();
        });
        c.FircaSecAction->trigger();
        QCOMPARE(ortam.Kayit.last(), QStringLiteral("Önizleme: Kareli"));
        QCOMPARE(c.AreaBrushStyle(), Qt::CrossPattern);
    }

    void cokgen_iki_parcada_daire()
    {
        TestOrtami ortam;
        TKesirGorsellestirmeForm c(nullptr);
        Hazirla(c, 2, GORUNUM_COKGEN);
        QCOMPARE(c.Slices().size(), 2);
        for (KesirShape* d : c.Slices())
            QVERIFY(!qobject_cast<KesirUcgenCemberShape*>(d) && qobject_cast<KesirCemberShape*>(d));
        c.SetPartCount(3);
        QVERIFY(qobject_cast<KesirUcgenCemberShape*>(c.Slices()[0]));
        // A polygon of 3 is a triangle: the circle's rim between its corners stays empty.
        const QImage resim = c.grab().toImage();
        QCOMPARE(Piksel(resim, Aci(c, 60, 0.3)), RenkQ(c.AllAreaColour()));
        QVERIFY(Piksel(resim, Aci(c, 60, 0.97)) != RenkQ(c.AllAreaColour()));
    }

    void parca_sayisi_siniri()
    {
        TestOrtami ortam;
        TKesirGorsellestirmeForm c(nullptr);
        c.SetSize(150);
        c.SetPartCount(99);
        c.Rebuild(GORUNUM_DIKEY, false);
        QTest::mouseClick(c.Slices()[0], Qt::LeftButton);
        QCOMPARE(c.SelectedCount(), 1);
        c.UpDown1->Yukari->click();
        QCOMPARE(Taglar(c), QVector<int>(100, 0));
        QCOMPARE(ortam.Kayit, QStringList());
        c.UpDown1->Yukari->click();
        QCOMPARE(c.Slices().size(), 100);
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1258"),
                                           QStringLiteral("mesaj: Bir bütün en çok 100 eş parçaya bölünebilir")}));
    }

    // A strip writes its number only where the whole number fits: a number
    // cut off at the strip's edge is not written at all.
    void serit_numarasi_sigarsa_yazilir_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("gorunum");
        QTest::addColumn<bool>("yazilir");
        QTest::newRow("yedi_ust_uste") << 7 << int(GORUNUM_YATAY) << true;
        QTest::newRow("on_ust_uste") << 10 << int(GORUNUM_YATAY) << false;
        QTest::newRow("dort_yan_yana") << 4 << int(GORUNUM_DIKEY) << true;
        QTest::newRow("on_iki_yan_yana") << 12 << int(GORUNUM_DIKEY) << false;
    }
    void serit_numarasi_sigarsa_yazilir()
    {
        QFETCH(int, n);
        QFETCH(int, gorunum);
        QFETCH(bool, yazilir);
        TestOrtami ortam;
        TKesirGorsellestirmeForm c(nullptr);
        Hazirla(c, n, gorunum);
        c.GosterDilimAction->trigger();
        for (KesirShape* d : c.Slices()) {
            QVERIFY(d->ShowSliceNo);
            const QImage resim = d->grab().toImage();
            const bool siyah = Bulunur(resim, d->rect(), [](const QColor& k) { return k.lightness() < 60; });
            QVERIFY2(siyah == yazilir, qPrintable(QString::number(d->SliceIndex + 1)));
        }
    }

    // Mode 3 with the target 2/7: two slices shown selected, typing 2 and 7 is right.
    void kesir_adi_2_7()
    {
        TestOrtami ortam;
        TKesirGorsellestirmeForm c(nullptr);
        c.SetSize(300);
        ortam.Rastgeleler = {1, 4, 2};
        c.KesirSorAction->trigger();
        QCOMPARE(c.PartCount(), 7);
        QCOMPARE(Taglar(c), (QVector<int>{1, 2, 0, 0, 0, 0, 0}));
        for (KesirShape* d : c.Slices())
            QVERIFY(!d->isEnabled());
        QVERIFY(!c.Edit1->isHidden() && !c.Edit2->isHidden() && !c.Button1->isHidden());
        QVERIFY(c.UpDown1->isHidden() && c.Label1->isHidden() && c.Label2->isHidden());
        QCOMPARE(c.YonergeLabel->text(), QStringLiteral("Belirtilen kesri giriniz"));
        EkranKaydet(&c, QStringLiteral("kesir_cizim_kesir_adi"), false);

        // Letters never reach the box; a lone sign is a conversion error and the drawing goes on.
        QTest::keyClicks(c.Edit1, QStringLiteral("a-"));
        QCOMPARE(c.Edit1->text(), QStringLiteral("-"));
        c.Button1->click();
        QCOMPARE(ortam.Suzulmus(QStringLiteral("hata: ")),
                 QStringList{QStringLiteral("hata: '-' geçerli bir tamsayı değeri değil")});
        c.Edit1->setText(QStringLiteral("2"));
        c.Edit2->setText(QStringLiteral("8"));
        ortam.Temizle();
        c.Button1->click();
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1258"),
                                           QStringLiteral("kutu: Yanlış Cevap | Payda doğru değil")}));
        c.Edit2->setText(QStringLiteral("7"));
        ortam.Temizle();
        ortam.Rastgeleler = {0, 0, 2};
        c.Button1->click();
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1256"),
                                           QStringLiteral("kutu: Doğru Cevap | Tebrikler Bildiniz")}));
        // A new exercise of the same mode: 1/2, boxes emptied.
        QCOMPARE(int(c.Mode()), 3);
        QCOMPARE(c.PartCount(), 2);
        QCOMPARE(Taglar(c), (QVector<int>{1, 0}));
        QVERIFY(c.Edit1->text().isEmpty() && c.Edit2->text().isEmpty());
    }

    void firca_sitili()
    {
        TestOrtami ortam;
        TKesirGorsellestirmeForm c(nullptr);
        Hazirla(c, 3, GORUNUM_CEMBER);
        QString baslik;
        ortam.Modallar.push_back([&](QDialog& d) {
            auto& secici = dynamic_cast<TBrushSitilForm&>(d);
            EkranKaydet(&secici, QStringLiteral("kesir_firca_sitili"), false);
            baslik = secici.windowTitle();
            QTest::mouseClick(secici.Ornekler[2], Qt::LeftButton);
            return int(QDialog::Accepted);
        });
        c.FircaSecAction->trigger();
        QCOMPARE(baslik, QStringLiteral("Fırça Boyama Sitili"));
        QCOMPARE(c.AreaBrushStyle(), Qt::CrossPattern);
        for (KesirShape* d : c.Slices())
            QCOMPARE(d->SliceBrushStyle, Qt::CrossPattern);
        // The clear style, and "İptal", change nothing.
        ortam.Modallar.push_back([](QDialog& d) {
            dynamic_cast<TBrushSitilForm&>(d).OrnekBasildi(0);
            return int(QDialog::Accepted);
        });
        ortam.Modallar.push_back([](QDialog& d) {
            dynamic_cast<TBrushSitilForm&>(d).OrnekBasildi(7);
            return int(QDialog::Rejected);
        });
        c.FircaSecAction->trigger();
        c.FircaSecAction->trigger();
        QCOMPARE(c.AreaBrushStyle(), Qt::CrossPattern);
        // A rebuild keeps the style.
        c.SetPartCount(5);
        QCOMPARE(c.Slices()[4]->SliceBrushStyle, Qt::CrossPattern);
    }
};

// ---------------------------------------------------------------------------

class KesirKarsilastirTesti : public QObject
{
    Q_OBJECT

private:
    static TKesirGorsellestirmeForm& Cizim(TAnaKesirForm& f, int i) { return *f.Drawings[size_t(i)]; }
    static TKesirGosterForm& Pane(TAnaKesirForm& f, int i) { return *f.Panes[size_t(i)]; }

private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    // Every drawing takes the view of the last one made; a view change by the
    // program ends after one round.
    void gorunum_degisimi_biter()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        f.RadioButton9->click();
        ortam.Rastgeleler = {0, 0, GORUNUM_YATAY, 0, 0, GORUNUM_DIKEY, 0, 0, GORUNUM_COKGEN};
        f.YeniProblemAction->trigger();
        QVERIFY(f.RadioButton2->isChecked());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(int(Cizim(f, i).View()), int(GORUNUM_COKGEN));
        // The pupil's choice switches all three, keeping an uneven selection.
        Cizim(f, 1).SetPartCount(5);
        Bas(Cizim(f, 1), Aci(Cizim(f, 1), 300));
        f.RadioButton3->click();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(int(Cizim(f, i).View()), int(GORUNUM_DIKEY));
        QCOMPARE(Taglar(Cizim(f, 1)).size(), 5);
        QCOMPARE(Cizim(f, 1).SelectedCount(), 1);
    }

    // 3 -> 1 -> 3 fractions: no pane or ranking slot keeps a drawing that is gone.
    void kesir_sayisi_degisir()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        f.RadioButton9->click();
        QVERIFY(f.Drawings[2] && !Pane(f, 2).isHidden());
        QVERIFY(!f.Label1->isHidden() && !f.Button1->isHidden());
        f.RadioButton10->click();
        QVERIFY(f.Drawings[0] && !f.Drawings[1] && !f.Drawings[2] && !f.Ranking[1]);
        QVERIFY(!f.IslemTipiGroup->isHidden() && f.Label1->isHidden() && f.Button1->isHidden());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(Pane(f, i).isHidden());
            QVERIFY(!f.Model().PaneBagli(i));
            // A pane without a drawing ignores "Denetle".
            Pane(f, i).Button1->click();
        }
        QCOMPARE(ortam.Kayit, QStringList());
        f.RadioButton9->click();
        for (int i = 0; i < 3; ++i) {
            QVERIFY(f.Model().PaneBagli(i));
            QVERIFY(Pane(f, i).y() > Cizim(f, i).geometry().bottom());
        }
        QVERIFY(f.Label1->y() > Pane(f, 0).geometry().bottom());
        // Everything stays inside the window.
        QVERIFY(f.Button1->geometry().bottom() < f.height());
        QVERIFY(Cizim(f, 2).geometry().right() < f.width());
    }

    void tek_kesir_alistirmalari()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        f.RadioButton10->click();
        f.RadioButton13->click();
        QCOMPARE(f.DrawingMode(), 3);
        QCOMPARE(int(Cizim(f, 0).Mode()), 3);
        // "Yeni Problem" keeps the exercise in force.
        ortam.Rastgeleler = {1, 4, 0};
        f.YeniProblemAction->trigger();
        QCOMPARE(int(Cizim(f, 0).Mode()), 3);
        QCOMPARE(Cizim(f, 0).PartCount(), 7);
        QCOMPARE(Cizim(f, 0).SelectedCount(), 2);
        QVERIFY(f.RadioButton13->isChecked());
        EkranKaydet(&f, QStringLiteral("kesir_tek_kesir_adi"));
        // More fractions go back to the first exercise, and so do the buttons.
        f.RadioButton8->click();
        QCOMPARE(f.DrawingMode(), 1);
        QVERIFY(f.RadioButton11->isChecked());
        f.RadioButton10->click();
        QCOMPARE(int(Cizim(f, 0).Mode()), 1);
    }

    // "Denetle", "Kesri Genişlet" and the clicks on the fraction of a pane,
    // with what the pane shows afterwards.
    void pane_denetimi_ve_genisletme()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        TKesirGorsellestirmeForm& c = Cizim(f, 0);
        TKesirGosterForm& p = Pane(f, 0);
        f.RadioButton3->click();
        p.SetFraction(Kesir{1, 2});
        c.SetPartCount(4);
        for (KesirShape* d : c.Slices().mid(0, 2))
            QTest::mouseClick(d, Qt::LeftButton);
        ortam.Temizle();
        p.Button1->click();
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1256"),
                                           QStringLiteral("mesaj: Pay ve paydalar aynı değil ama kesirler eşit")}));

        p.SetFraction(Kesir{2, 3});
        ortam.Temizle();
        ortam.Girdiler = {QStringLiteral("9"), QStringLiteral("4")};
        p.Button2->click();
        QCOMPARE(p.Label2->text(), QStringLiteral("6"));
        QCOMPARE(p.Label1->text(), QStringLiteral("9"));
        p.Button2->click();
        QCOMPARE(p.Fraction(), (Kesir{6, 9}));
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("girdi: Payda Genişletme | Yeni payda değerini giriniz:"),
                                           QStringLiteral("ses: 1256"),
                                           QStringLiteral("girdi: Payda Genişletme | Yeni payda değerini giriniz:"),
                                           QStringLiteral("ses: 1258"),
                                           QStringLiteral("mesaj: Bu değerle genişletme yapılamaz")}));

        ortam.Temizle();
        ortam.Girdiler = {QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("-")};
        QTest::mouseClick(p.Label2, Qt::LeftButton);
        QCOMPARE(p.Label2->text(), QStringLiteral("5"));
        QTest::mouseClick(p.Label1, Qt::LeftButton);
        QTest::mouseClick(p.Label1, Qt::LeftButton);
        QCOMPARE(p.Label1->text(), QStringLiteral("9"));
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("girdi: Yeni Pay Değeri | Yeni pay değerini giriniz:"),
                                           QStringLiteral("girdi: Yeni Payda Değeri | Yeni payda değerini giriniz:"),
                                           QStringLiteral("ses: 1258"),
                                           QStringLiteral("mesaj: Payda 0'dan büyük olmalıdır"),
                                           QStringLiteral("girdi: Yeni Payda Değeri | Yeni payda değerini giriniz:"),
                                           QStringLiteral("hata: '-' geçerli bir tamsayı değeri değil")}));
    }

    void siralar_ve_karsilastirma()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        Pane(f, 0).SetFraction(Kesir{1, 2});
        Pane(f, 1).SetFraction(Kesir{3, 4});
        ortam.Temizle();
        f.Button1->click();
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1258"), QStringLiteral("mesaj: Maalesef Sıralama Yanlış")}));
        // The pane with rank 1 goes to 2: the pane that had 2 gets 1.
        Pane(f, 0).UpDown1->Yukari->click();
        QCOMPARE(Pane(f, 0).Label4->text(), QStringLiteral("2"));
        QCOMPARE(Pane(f, 1).Label4->text(), QStringLiteral("1"));
        ortam.Temizle();
        f.Button1->click();
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("ses: 1257"), QStringLiteral("mesaj: Tebrikler! Sıralama Doğru")}));
    }

    void renkler_ve_numaralar_kalir()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        ortam.Renkler = {clRed, clGreen};
        QTest::mouseClick(f.Panel2, Qt::LeftButton);
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("renk"),
                                           QStringLiteral("kutu: Renk hatası | Lütfen farklı bir renk seçiniz"),
                                           QStringLiteral("renk")}));
        QCOMPARE(f.Panel2->Renk, clGreen);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(Cizim(f, i).Slices()[0]->NormalColour, clGreen);
        f.CheckBox2->click();
        f.CheckBox1->click();
        f.RadioButton9->click();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Cizim(f, i).AllAreaColour(), clGreen);
            QVERIFY(Cizim(f, i).Slices()[0]->ShowSliceNo);
            QVERIFY(Cizim(f, i).Slices()[0]->ShowSelectionNo);
        }
        f.CheckBox2->click();
        QVERIFY(!Cizim(f, 2).Slices()[0]->ShowSliceNo);
        ortam.Renkler = {clBlue};
        QTest::mouseClick(f.Panel3, Qt::LeftButton);
        QCOMPARE(Cizim(f, 2).SelectedAreaColour(), clBlue);
        QCOMPARE(f.Panel3->Renk, clBlue);
    }

    // Two fractions by keys alone: the pane's denominator through its box,
    // parts by the arrows, slices by Space, "Denetle", the ranks, the comparison.
    void klavyeIleKarsilastirma()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1366, 768)));
        Pane(f, 1).SetFraction(Kesir{3, 4});
        QCOMPARE(Pane(f, 0).Fraction(), (Kesir{1, 1}));
        ortam.Temizle();
        ortam.Girdiler = {QStringLiteral("2")};
        int tuslar = SekmeIle(Pane(f, 0).Label1);
        tuslar += TuslaraBas({Qt::Key_Return});
        QCOMPARE(Pane(f, 0).Fraction(), (Kesir{1, 2}));
        // Tab goes drawing by drawing: the pane follows its drawing's arrows.
        QCOMPARE(SekmeIle(Cizim(f, 0).UpDown1->Yukari, true), 3);
        tuslar += 3 + TuslaraBas({Qt::Key_Space});
        tuslar += SekmeIle(Cizim(f, 0).Slices()[0], true);
        tuslar += TuslaraBas({Qt::Key_Space});
        tuslar += SekmeIle(Pane(f, 0).Button1);
        tuslar += TuslaraBas({Qt::Key_Space});
        tuslar += SekmeIle(Cizim(f, 1).UpDown1->Yukari);
        tuslar += TuslaraBas({Qt::Key_Space, Qt::Key_Space, Qt::Key_Space});
        tuslar += SekmeIle(Cizim(f, 1).Slices()[0], true);
        tuslar += TuslaraBas({Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space});
        QCOMPARE(Cizim(f, 1).SelectedCount(), 3);
        tuslar += SekmeIle(Pane(f, 1).Button1);
        tuslar += TuslaraBas({Qt::Key_Space});
        // 3/4 is the larger: its pane goes down to rank 1.
        tuslar += SekmeIle(Pane(f, 1).UpDown1->Asagi);
        tuslar += TuslaraBas({Qt::Key_Space});
        QCOMPARE(Pane(f, 0).Rank(), 2);
        tuslar += SekmeIle(f.Button1);
        tuslar += TuslaraBas({Qt::Key_Space});
        QCOMPARE(ortam.Kayit, (QStringList{QStringLiteral("girdi: Yeni Payda Değeri | Yeni payda değerini giriniz:"),
                                           QStringLiteral("ses: 1256"), QStringLiteral("mesaj: Tebrikler doğru"),
                                           QStringLiteral("ses: 1256"), QStringLiteral("mesaj: Tebrikler doğru"),
                                           QStringLiteral("ses: 1257"),
                                           QStringLiteral("mesaj: Tebrikler! Sıralama Doğru")}));
        qInfo("Kesir Karşılaştır, tuşlarla: %d tuş", tuslar);
        f.close();
    }

    // F2 renews only the drawing that holds the focus, or the first.
    void f2_odaktaki_cizime()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        f.show();
        f.activateWindow();
        QApplication::setActiveWindow(&f);
        Cizim(f, 1).setFocus();
        const quint8 gorunum = Cizim(f, 0).View();
        ortam.Rastgeleler = {3, 5, gorunum};
        QTest::keyClick(&f, Qt::Key_F2);
        QCOMPARE(Cizim(f, 1).TargetNumerator(), 4);
        QCOMPARE(Cizim(f, 1).TargetDenominator(), 10);
        QCOMPARE(Cizim(f, 0).TargetNumerator(), 1);
        f.setFocus();
        ortam.Rastgeleler = {2, 5, gorunum};
        QTest::keyClick(&f, Qt::Key_F2);
        QCOMPARE(Cizim(f, 0).TargetNumerator(), 3);
        QCOMPARE(Cizim(f, 1).TargetNumerator(), 4);
        f.close();
    }

    void ekran_turu()
    {
        TestOrtami ortam;
        TAnaKesirForm f(nullptr);
        f.setWindowState(Qt::WindowNoState);
        f.resize(1366, 768);
        f.RadioButton1->click();
        f.CheckBox1->click();
        f.CheckBox2->click();
        Cizim(f, 0).SetPartCount(4);
        Cizim(f, 1).SetPartCount(6);
        Pane(f, 0).SetFraction(Kesir{3, 4});
        Pane(f, 1).SetFraction(Kesir{2, 3});
        for (int i = 0; i < 2; ++i) {
            TKesirGorsellestirmeForm& c = Cizim(f, i);
            for (double a : {45.0, 135.0, 225.0, 315.0})
                if (a < 300 || i == 1)
                    Bas(c, Aci(c, a));
        }
        EkranKaydet(&f, QStringLiteral("kesir_iki_cember"));
        f.RadioButton9->click();
        f.RadioButton2->click();
        for (int i = 0; i < 3; ++i)
            Cizim(f, i).SetPartCount(5 + i);
        Bas(Cizim(f, 2), Aci(Cizim(f, 2), 20));
        EkranKaydet(&f, QStringLiteral("kesir_uc_cokgen"));
        f.RadioButton3->click();
        Cizim(f, 0).SetPartCount(100);
        EkranKaydet(&f, QStringLiteral("kesir_yuz_serit"));
        f.resize(600, 600);
        EkranKaydet(&f, QStringLiteral("kesir_dar_pencere"), false);
        // The smallest window still shows every drawing, pane and the check button.
        QVERIFY(Pane(f, 2).geometry().right() < f.width());
        QVERIFY(f.Button1->geometry().right() < f.width());
    }
};

#include "anakesirformu_test.moc"
ORVANTA_TEST(KesirCizimTesti)
ORVANTA_TEST(KesirKarsilastirTesti)
