#include "Aralikanaformu.h"
#include "Araliktoplamformu.h"
#include "piramithucresi.h"
#include "testana.h"
#include "testortami.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

// The pointer moving over `w` without a button, as the window system reports it.
void Uzerinden(QWidget* w, QPoint p)
{
    QMouseEvent olay(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &olay);
}

void ProblemGir(TAralikAnaForm& f, TestOrtami& ortam, const QString& taban)
{
    ortam.Girdiler.push_back(taban);
    f.KendinGirAction->trigger();
    ortam.Temizle();
}

// Types `cevap` into the open entry box and presses Enter.
void Cevapla(TAralikAnaForm& f, const QString& cevap)
{
    PiramitGirisKutusu* giris = f.AralikToplamForm->Giris();
    QVERIFY(giris && !giris->isHidden());
    giris->clear();
    QTest::keyClicks(giris, cevap);
    QTest::keyClick(giris, Qt::Key_Return);
}

QString BoardValues(const TAralikToplamForm& t)
{
    QStringList metinler;
    for (int r = 1; r <= t.PyramidSize(); ++r)
        for (int c = 0; c < t.Piramit().SatirHucreSayisi(r); ++c)
            metinler << t.Hucre({r, c})->Metin();
    return metinler.join(QLatin1Char('|'));
}

QString TabanMetni(int adet)
{
    QStringList ogeler;
    for (int i = 1; i <= adet; ++i)
        ogeler << QString::number(i);
    return ogeler.join(QLatin1Char(','));
}

} // namespace

class PiramitPenceresiTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void acilis()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {0, 1, 2, 3, 4, 5, 6, 7};
        TAralikAnaForm f(nullptr);
        TAralikToplamForm* t = f.AralikToplamForm;
        QCOMPARE(t->PyramidSize(), 8);
        QCOMPARE(t->findChildren<PiramitHucresi*>().size(), 36);
        for (int c = 0; c < 8; ++c)
            QCOMPARE(t->Hucre({1, c})->Metin(), QString::number(c + 2));
        QCOMPARE(t->Hucre({1, 0})->geometry(), QRect(35, 395, 80, 55));
        QCOMPARE(t->Hucre({8, 0})->pos(), QPoint(315, 10));
        QCOMPARE(t->Hucre({2, 3})->Tag, 203);
        QCOMPARE(t->height(), 470);
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("?"));
        QCOMPARE(t->Giris(), nullptr);
        QVERIFY(!f.CheckBox1->isChecked() && !f.CheckBox2->isChecked() && f.RadioButton1->isChecked());
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // A whole game on 2, 3, 4: the early click, wrong answers both ways, the
    // walk to the next cell and the congratulation.
    void toplama_oyunu()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        f.show();
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("2,3,4"));
        QCOMPARE(t->PyramidSize(), 3);
        QCOMPARE(BoardValues(*t), QStringLiteral("2|3|4|||"));

        PiramitHucresi* tepe = t->Hucre({3, 0});
        QTest::mouseClick(tepe, Qt::LeftButton);
        QCOMPARE(t->Giris(), nullptr);
        Uzerinden(tepe, QPoint(40, 20));
        QCOMPARE(tepe->Renk(), clRed);

        // A click on the sign's place belongs to its cell.
        PiramitHucresi* sol = t->Hucre({2, 0});
        const QPoint isaret = sol->pos() + sol->IsaretAlani().center();
        QCOMPARE(t->childAt(isaret), sol);
        QTest::mouseClick(sol, Qt::LeftButton, Qt::NoModifier, sol->IsaretAlani().center());
        QVERIFY(t->Giris()->isVisible());
        QCOMPARE(t->Giris()->geometry(), GirisKutusuYeri(sol->pos(), false));
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("2+3=?"));
        QCOMPARE(sol->Renk(), clLime);
        QCOMPARE(tepe->Renk(), clWhite);

        QTest::keyClicks(t->Giris(), QStringLiteral("a6"));
        QCOMPARE(t->Giris()->text(), QStringLiteral("6"));
        QTest::keyClick(t->Giris(), Qt::Key_Return);
        f.CheckBox2->setChecked(true);
        QTest::keyClick(t->Giris(), Qt::Key_Enter);
        QCOMPARE(ortam.Kayit, QStringList({QStringLiteral("ses: 1258"),
                                           QStringLiteral("mesaj: Maalesef işlem doğru değil")}));
        QVERIFY(t->Giris()->isVisible());
        QCOMPARE(sol->Metin(), QString());

        ortam.Temizle();
        Cevapla(f, QStringLiteral("5"));
        QCOMPARE(ortam.Kayit, QStringList({QStringLiteral("ses: 1256")}));
        QCOMPARE(sol->Metin(), QStringLiteral("5"));
        QCOMPARE(sol->Isaret(), QStringLiteral("+"));
        QCOMPARE(sol->Renk(), clAqua);
        QCOMPARE(t->Hedef(), std::optional<HucreYeri>(HucreYeri{2, 1}));
        QCOMPARE(t->Giris()->geometry(), GirisKutusuYeri(t->Hucre({2, 1})->pos(), false));
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("3+4=?"));

        Cevapla(f, QStringLiteral("7"));
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("5+7=?"));
        Cevapla(f, QStringLiteral("12"));
        QCOMPARE(ortam.Kayit.last(), QStringLiteral("mesaj: Tebrikler Bildiniz"));
        QVERIFY(t->Giris()->isHidden());
        QCOMPARE(BoardValues(*t), QStringLiteral("2|3|4|5|7|12"));
        // A filled cell does not open again.
        QTest::mouseClick(tepe, Qt::LeftButton);
        QVERIFY(t->Giris()->isHidden());
        Uzerinden(tepe, QPoint(40, 20));
        QCOMPARE(tepe->Renk(), clBlue);
        const QImage resim = t->grab().toImage();
        QCOMPARE(resim.pixelColor(tepe->geometry().topLeft() * resim.devicePixelRatio() + QPoint(6, 6)),
                 RenkQ(clBlue));
    }

    void cift_tiklama_ve_islem_degisimi()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("2,5,1"));
        f.RadioButton2->setChecked(true);
        QTest::mouseDClick(t->Hucre({2, 0}), Qt::LeftButton);
        QVERIFY(t->Giris()->isVisibleTo(&f));
        QCOMPARE(t->Giris()->text(), QString());
        Cevapla(f, QStringLiteral("-3"));
        Cevapla(f, QStringLiteral("4"));
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("(-3)-4=?"));
        // Changing the operation with the entry open closes it; the filled cells stay.
        f.RadioButton3->setChecked(true);
        QVERIFY(t->Giris()->isHidden());
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("?"));
        QTest::keyClick(t->Giris(), Qt::Key_Return);
        QCOMPARE(ortam.Sesler(), QList<int>({1256, 1256}));
        QTest::mouseClick(t->Hucre({3, 0}), Qt::LeftButton);
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("(-3)x4=?"));
        Cevapla(f, QStringLiteral("-12"));
        QCOMPARE(BoardValues(*t), QStringLiteral("2|5|1|-3|4|-12"));
        QCOMPARE(t->Hucre({3, 0})->Isaret(), QStringLiteral("x"));
    }

    // The hovered cell is forgotten with the pyramid: moving afterwards touches
    // no destroyed cell (the sanitizers watch this one).
    void yeniden_kurulunca_uzerindeki_unutulur()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        f.show();
        TAralikToplamForm* t = f.AralikToplamForm;
        Uzerinden(t->Hucre({2, 0}), QPoint(10, 10));
        QCOMPARE(t->Uzerindeki(), t->Hucre({2, 0}));
        QTest::mouseClick(t->Hucre({2, 1}), Qt::LeftButton);
        ortam.Girdiler.push_back(QStringLiteral("5"));
        f.YeniProblemAction->trigger();
        QCOMPARE(t->PyramidSize(), 5);
        QCOMPARE(t->Uzerindeki(), nullptr);
        QVERIFY(!t->Hedef());
        QVERIFY(t->Giris()->isHidden());
        Uzerinden(t, QPoint(2, 2));
        QEvent ayrilis(QEvent::Leave);
        QApplication::sendEvent(t, &ayrilis);
        for (PiramitHucresi* h : t->findChildren<PiramitHucresi*>())
            QVERIFY(h->Renk() == clWhite || h->Renk() == clAqua);
    }

    // Flipping moves every cell and the open entry to the other orientation and keeps every value.
    void yon_degisimi()
    {
        TestOrtami ortam;
        ortam.Rastgeleler = {0, 1, 2, 3, 4, 5, 6, 7};
        TAralikAnaForm f(nullptr);
        f.show();
        TAralikToplamForm* t = f.AralikToplamForm;
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        for (int c = 0; c < 7; ++c)
            Cevapla(f, QString::number(2 * c + 5));
        Cevapla(f, QStringLiteral("12"));
        Cevapla(f, QStringLiteral("16"));
        QCOMPARE(t->Hedef(), std::optional<HucreYeri>(HucreYeri{3, 2}));
        EkranKaydet(&f, QStringLiteral("piramit_yarim_asagidan"));
        // The whole board is in view: the operation label stands at half the pyramid's height.
        QCOMPARE(t->IslemLabel->pos(), QPoint(16, 240));
        const QString degerler = BoardValues(*t);

        f.CheckBox1->setChecked(true);
        QCOMPARE(BoardValues(*t), degerler);
        for (int r = 1; r <= 8; ++r)
            for (int c = 0; c <= 8 - r; ++c)
                QCOMPARE(t->Hucre({r, c})->pos(), HucreKonumu(8, r, c, true));
        QCOMPARE(t->Hucre({2, 0})->IsaretAlani().top(), 0);
        QVERIFY(t->Giris()->isVisible());
        QCOMPARE(t->Giris()->geometry(), GirisKutusuYeri(t->Hucre({3, 2})->pos(), true));
        EkranKaydet(&f, QStringLiteral("piramit_yarim_yukaridan"));
        Cevapla(f, QStringLiteral("20"));
        QCOMPARE(t->Hucre({3, 2})->Metin(), QStringLiteral("20"));

        f.CheckBox1->setChecked(false);
        QCOMPARE(t->Hucre({1, 0})->pos(), QPoint(35, 395));
        // A new pyramid takes the orientation asked for.
        f.CheckBox1->setChecked(true);
        ortam.Girdiler.push_back(QStringLiteral("3"));
        f.YeniProblemAction->trigger();
        QCOMPARE(t->Hucre({1, 0})->pos(), HucreKonumu(3, 1, 0, true));
    }

    void problem_gir_reddedilenler_data()
    {
        QTest::addColumn<std::optional<QString>>("cevap");
        QTest::addColumn<QStringList>("kayit");
        const QString girdi = QStringLiteral("girdi: Başlangıç Sayıları | Başlangıç sayılarını giriniz:");
        QTest::newRow("harf") << std::optional<QString>(QStringLiteral("a,2"))
                              << QStringList({girdi, QStringLiteral("hata: 'a' geçerli bir tamsayı değeri değil")});
        QTest::newRow("32_bit_disi") << std::optional<QString>(QStringLiteral("-5,99999999999"))
                                     << QStringList({girdi, QStringLiteral(
                                                                "hata: '99999999999' geçerli bir tamsayı değeri değil")});
        QTest::newRow("yirmi_bir") << std::optional<QString>(TabanMetni(21))
                                   << QStringList({girdi, QStringLiteral("mesaj: ") + TabanSiniriMesaji()});
        QTest::newRow("iptal") << std::optional<QString>() << QStringList({girdi});
    }
    void problem_gir_reddedilenler()
    {
        QFETCH(std::optional<QString>, cevap);
        QFETCH(QStringList, kayit);
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        const QString onceki = BoardValues(*f.AralikToplamForm);
        ortam.Girdiler.push_back(cevap);
        f.KendinGirAction->trigger();
        QCOMPARE(ortam.Kayit, kayit);
        QCOMPARE(BoardValues(*f.AralikToplamForm), onceki);
    }

    void yeni_problem_data()
    {
        QTest::addColumn<std::optional<QString>>("cevap");
        QTest::addColumn<int>("boy");
        QTest::addColumn<bool>("hata");
        QTest::newRow("harf") << std::optional<QString>(QStringLiteral("abc")) << 3 << true;
        QTest::newRow("bos") << std::optional<QString>(QString()) << 3 << true;
        QTest::newRow("cok_buyuk") << std::optional<QString>(QStringLiteral("99999999999")) << 3 << true;
        QTest::newRow("eksi_uc") << std::optional<QString>(QStringLiteral("-3")) << 3 << false;
        QTest::newRow("sifir") << std::optional<QString>(QStringLiteral("0")) << 0 << false;
        QTest::newRow("on_bir") << std::optional<QString>(QStringLiteral("11")) << 8 << false;
        QTest::newRow("iptal_ayni_boy") << std::optional<QString>() << 3 << false;
    }
    void yeni_problem()
    {
        QFETCH(std::optional<QString>, cevap);
        QFETCH(int, boy);
        QFETCH(bool, hata);
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        ortam.Girdiler.push_back(QStringLiteral("3"));
        f.YeniProblemAction->trigger();
        QCOMPARE(f.AralikToplamForm->PyramidSize(), 3);
        ProblemGir(f, ortam, QStringLiteral("9,9,9"));
        ortam.Temizle();
        ortam.Girdiler.push_back(cevap);
        f.YeniProblemAction->trigger();
        QCOMPARE(ortam.Kayit.first(), QStringLiteral("girdi: Yeni boyutu giriniz | Boyutu Giriniz"));
        QCOMPARE(ortam.Suzulmus(QStringLiteral("hata: ")).size(), hata ? 1 : 0);
        QCOMPARE(f.AralikToplamForm->PyramidSize(), boy);
        // The typed base survives only where nothing was rebuilt.
        const bool kaldi = hata || QByteArray(QTest::currentDataTag()) == "eksi_uc";
        QCOMPARE(BoardValues(*f.AralikToplamForm) == QStringLiteral("9|9|9|||"), kaldi);
        QCOMPARE(f.AralikToplamForm->height(), boy * 55 + 30);
    }

    // An empty base item: the entry never moves past it and the game never ends.
    void bos_taban_hucresi()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("2,,3,4"));
        QCOMPARE(BoardValues(*t), QStringLiteral("2||3|4||||||"));
        QCOMPARE(t->Hucre({1, 1})->Renk(), clWhite);
        QTest::mouseClick(t->Hucre({2, 2}), Qt::LeftButton);
        Cevapla(f, QStringLiteral("7"));
        QCOMPARE(ortam.Kayit, QStringList({QStringLiteral("ses: 1256")}));
        QVERIFY(t->Giris()->isHidden());
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        QVERIFY(t->Giris()->isHidden());
    }

    // Multiplication on a base of 10s: rows 6 to 8 are too large for 64 bits;
    // they are shown grey, cannot be entered and the game still ends.
    void carpma_cok_buyuk_hucreler()
    {
        TestOrtami ortam;
        ortam.Rastgeleler.assign(8, 8);
        TAralikAnaForm f(nullptr);
        f.show();
        TAralikToplamForm* t = f.AralikToplamForm;
        f.RadioButton3->setChecked(true);
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        int cevap = 0;
        while (t->Giris()->isVisible() && cevap < 40) {
            Cevapla(f, QString::number(t->Piramit().ExpectedValue(*t->Hedef())->Sayi));
            ++cevap;
        }
        QCOMPARE(cevap, 22);
        QCOMPARE(ortam.Kayit.last(), QStringLiteral("mesaj: Tebrikler Bildiniz"));
        QCOMPARE(t->Hucre({5, 0})->Metin(), QStringLiteral("10000000000000000"));
        QCOMPARE(t->Hucre({5, 3})->Renk(), clAqua);
        PiramitHucresi* tepe = t->Hucre({8, 0});
        QCOMPARE(tepe->Metin(), QStringLiteral("çok\nbüyük"));
        QCOMPARE(tepe->Renk(), clSilver);
        QTest::mouseClick(tepe, Qt::LeftButton);
        QVERIFY(t->Giris()->isHidden());
        EkranKaydet(&f, QStringLiteral("piramit_cok_buyuk"));
    }

    // The largest pyramid a pupil may type scrolls; no cell is cut off.
    void en_buyuk_piramit()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        f.show();
        ProblemGir(f, ortam, TabanMetni(20));
        TAralikToplamForm* t = f.AralikToplamForm;
        QCOMPARE(t->findChildren<PiramitHucresi*>().size(), 210);
        f.setWindowState(Qt::WindowNoState);
        f.resize(1366, 768);
        QCoreApplication::processEvents();
        for (PiramitHucresi* h : t->findChildren<PiramitHucresi*>())
            QVERIFY(t->rect().contains(h->geometry()));
        QVERIFY(f.Kaydirma->horizontalScrollBar()->maximum() > 0);
        QVERIFY(f.Kaydirma->verticalScrollBar()->maximum() > 0);
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        EkranKaydet(&f, QStringLiteral("piramit_en_buyuk"));
    }
};

#include "pyramid_test.moc"
ORVANTA_TEST(PiramitPenceresiTesti)
