#include "aralikanaformu.h"
#include "araliktoplamformu.h"
#include "piramithucresi.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

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
void Uzerinden(QWidget* w, QPoint p = QPoint(10, 10))
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

QString Degerler(const TAralikToplamForm& t)
{
    QStringList metinler;
    for (int r = 1; r <= t.PyramidSize(); ++r)
        for (int c = 0; c < t.Piramit().SatirHucreSayisi(r); ++c)
            metinler << t.Hucre({r, c})->Metin();
    return metinler.join(QLatin1Char('|'));
}

} // namespace

class PiramitPenceresiTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    // A whole game on 2, 3, 4: the early click, wrong answers both ways, the
    // walk to the next cell and the congratulation.
    void toplama_oyunu()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        f.show();
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("2,3,4"));
        PiramitHucresi* tepe = t->Hucre({3, 0});
        // A reader hears which cells can be worked out yet.
        QCOMPARE(OkunanAd(t->Hucre({2, 0})), QStringLiteral("boş hücre, 2 + 3"));
        QCOMPARE(OkunanAd(tepe), QStringLiteral("boş hücre, henüz hesaplanamaz"));
        QTest::mouseClick(tepe, Qt::LeftButton);
        QCOMPARE(t->Giris(), nullptr);
        Uzerinden(tepe);
        QCOMPARE(tepe->Renk(), clRed);

        // A click on the sign's place belongs to its cell.
        PiramitHucresi* sol = t->Hucre({2, 0});
        QCOMPARE(t->childAt(sol->pos() + sol->IsaretAlani().center()), sol);
        QTest::mouseClick(sol, Qt::LeftButton, Qt::NoModifier, sol->IsaretAlani().center());
        QCOMPARE(t->Giris()->geometry(), GirisKutusuYeri(sol->pos(), false));
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("2+3=?"));
        QCOMPARE(sol->Renk(), clLime);
        QCOMPARE(tepe->Renk(), clWhite);

        QTest::keyClicks(t->Giris(), QStringLiteral("6"));
        QTest::keyClick(t->Giris(), Qt::Key_Return);
        f.CheckBox2->setChecked(true);
        QTest::keyClick(t->Giris(), Qt::Key_Enter);
        QCOMPARE(ortam.Kayit, QStringList({QStringLiteral("ses: 1258"),
                                           QStringLiteral("mesaj: Maalesef işlem doğru değil")}));
        QVERIFY(t->Giris()->isVisible());

        ortam.Temizle();
        Cevapla(f, QStringLiteral("5"));
        QCOMPARE(ortam.Kayit, QStringList({QStringLiteral("ses: 1256")}));
        QCOMPARE(sol->Isaret(), QStringLiteral("+"));
        QCOMPARE(sol->Renk(), clAqua);
        QCOMPARE(OkunanAd(sol), QStringLiteral("5 = 2 + 3"));
        QCOMPARE(t->Hedef(), std::optional<HucreYeri>(HucreYeri{2, 1}));
        Cevapla(f, QStringLiteral("7"));
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("5+7=?"));
        QCOMPARE(OkunanAd(t->Giris()), QStringLiteral("5+7=?"));
        Cevapla(f, QStringLiteral("12"));
        QCOMPARE(ortam.Kayit.last(), QStringLiteral("mesaj: Tebrikler Bildiniz"));
        QVERIFY(t->Giris()->isHidden());
        QCOMPARE(Degerler(*t), QStringLiteral("2|3|4|5|7|12"));
        QCOMPARE(tepe->Renk(), clAqua);
        Uzerinden(tepe);
        const QImage resim = t->grab().toImage();
        QCOMPARE(resim.pixelColor((tepe->pos() + QPoint(6, 6)) * resim.devicePixelRatio()), RenkQ(clBlue));
    }

    void cift_tiklama_ve_islem_degisimi()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("2,5,1"));
        f.RadioButton2->setChecked(true);
        QTest::mouseDClick(t->Hucre({2, 0}), Qt::LeftButton);
        Cevapla(f, QStringLiteral("-3"));
        Cevapla(f, QStringLiteral("4"));
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("(-3)-4=?"));
        // A new operation with the entry open closes it; the filled cells stay.
        f.RadioButton3->setChecked(true);
        QVERIFY(t->Giris()->isHidden());
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("?"));
        QTest::keyClick(t->Giris(), Qt::Key_Return);
        QCOMPARE(ortam.Sesler(), QList<int>({1256, 1256}));
        QTest::mouseClick(t->Hucre({3, 0}), Qt::LeftButton);
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("(-3)x4=?"));
        Cevapla(f, QStringLiteral("-12"));
        QCOMPARE(Degerler(*t), QStringLiteral("2|5|1|-3|4|-12"));
        QCOMPARE(OkunanAd(t->Hucre({3, 0})), QStringLiteral("-12 = -3 × 4"));
    }

    // The base shows what was typed; the cells above count with the values.
    void yazilan_taban()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("+5,007,-2"));
        QCOMPARE(Degerler(*t), QStringLiteral("+5|007|-2|||"));
        QCOMPARE(OkunanAd(t->Hucre({1, 0})), QStringLiteral("+5, taban"));
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("5+7=?"));
        for (const char* cevap : {"12", "5", "17"})
            Cevapla(f, QString::fromLatin1(cevap));
        QCOMPARE(Degerler(*t), QStringLiteral("+5|007|-2|12|5|17"));
        QCOMPARE(ortam.Kayit.last(), QStringLiteral("mesaj: Tebrikler Bildiniz"));
        EkranKaydet(&f, QStringLiteral("piramit_yazilan_taban"));
    }

    // A new operation that leaves only too-large cells finishes the pyramid:
    // the congratulation comes once, and not again on the next switch.
    void islemle_biten_piramit()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("2147483647,2147483647,2147483647"));
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        Cevapla(f, QStringLiteral("4294967294"));
        Cevapla(f, QStringLiteral("4294967294"));
        QCOMPARE(t->Hedef(), std::optional<HucreYeri>(HucreYeri{3, 0}));
        ortam.Temizle();
        f.RadioButton3->setChecked(true);
        QCOMPARE(ortam.Kayit, QStringList({QStringLiteral("mesaj: Tebrikler Bildiniz")}));
        QCOMPARE(t->Hucre({3, 0})->Metin(), QStringLiteral("çok\nbüyük"));
        QVERIFY(t->Giris()->isHidden());
        f.RadioButton1->setChecked(true);
        f.RadioButton3->setChecked(true);
        QCOMPARE(ortam.Kayit.size(), 1);
    }

    // A press in the entry box answers only when the box holds a number.
    void tiklama_cevap_degil_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<QStringList>("kayit");
        QTest::newRow("bos") << QString() << QStringList();
        QTest::newRow("yalniz_eksi") << "-" << QStringList();
        QTest::newRow("yanlis") << "6" << QStringList{"mesaj: Maalesef işlem doğru değil"};
        QTest::newRow("dogru") << "5" << QStringList{"ses: 1256"};
    }
    void tiklama_cevap_degil()
    {
        QFETCH(QString, yazilan);
        QFETCH(QStringList, kayit);
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("2,3,4"));
        f.CheckBox2->setChecked(true);
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        QTest::keyClicks(t->Giris(), yazilan);
        QTest::mouseClick(t->Giris(), Qt::LeftButton);
        QCOMPARE(ortam.Kayit, kayit);
        QCOMPARE(t->Hedef(), std::optional<HucreYeri>(HucreYeri{2, kayit.isEmpty() || yazilan == "6" ? 0 : 1}));
    }

    // Ticking either check box, reached by Tab, gives the keyboard back to the entry box.
    void kutular_odagi_birakir_data()
    {
        QTest::addColumn<bool>("ilk"); // "Yukarıdan Aşağıya", else "Yanlışı Bilgilendir"
        QTest::newRow("yon") << true;
        QTest::newRow("bilgilendir") << false;
    }
    void kutular_odagi_birakir()
    {
        QFETCH(bool, ilk);
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1024, 700)));
        TAralikToplamForm* t = f.AralikToplamForm;
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), t->Giris());
        QCheckBox* kutu = ilk ? f.CheckBox1 : f.CheckBox2;
        kutu->setFocus(Qt::TabFocusReason);
        QTest::keyClick(kutu, Qt::Key_Space);
        QVERIFY(kutu->isChecked());
        QCOMPARE(QApplication::focusWidget(), t->Giris());
        f.close();
    }

    // A pyramid on 2, 3, 4, 5 by keys alone: Tab to the board, up to the first
    // cell to fill, Space, and then only answers and Enter; Escape leaves
    // the box for its cell, and Space there opens it again.
    void klavyeyle_piramit()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(1024, 700)));
        TAralikToplamForm* t = f.AralikToplamForm;
        ProblemGir(f, ortam, QStringLiteral("2,3,4,5"));
        int tuslar = 0;
        tuslar += KosulaKadarSekme([] { return qobject_cast<PiramitHucresi*>(QApplication::focusWidget()); }, 20);
        QCOMPARE(QApplication::focusWidget(), t->Hucre({1, 0}));
        // The top cannot be opened yet: Space there does nothing.
        tuslar += TuslaraBas({Qt::Key_Up, Qt::Key_Up});
        QCOMPARE(QApplication::focusWidget(), t->Hucre({3, 0}));
        tuslar += TuslaraBas({Qt::Key_Space});
        QCOMPARE(t->Giris(), nullptr);
        tuslar += TuslaraBas({Qt::Key_Down});
        QCOMPARE(QApplication::focusWidget(), t->Hucre({2, 0}));
        tuslar += TuslaraBas({Qt::Key_Space});
        QCOMPARE(QApplication::focusWidget(), t->Giris());
        QCOMPARE(t->IslemLabel->text(), QStringLiteral("2+3=?"));
        tuslar += TuslaraBas({Qt::Key_Escape});
        QCOMPARE(QApplication::focusWidget(), t->Hucre({2, 0}));
        QVERIFY(t->Giris()->isVisible());
        tuslar += TuslaraBas({Qt::Key_Return});
        for (const QString& cevap : QStringList{"5", "7", "9", "12", "16", "28"}) {
            QCOMPARE(QApplication::focusWidget(), t->Giris());
            tuslar += MetniBas(cevap);
            tuslar += TuslaraBas({Qt::Key_Return});
        }
        QVERIFY(t->Piramit().Bitti());
        QCOMPARE(Degerler(*t), QStringLiteral("2|3|4|5|5|7|9|12|16|28"));
        QCOMPARE(ortam.Kayit.last(), QStringLiteral("mesaj: Tebrikler Bildiniz"));
        qInfo("piramit %d tuşla bitti", tuslar);
        f.close();
    }

    void bos_taban_hucresi_okunur()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        ProblemGir(f, ortam, QStringLiteral("2,,4"));
        QCOMPARE(OkunanAd(f.AralikToplamForm->Hucre({1, 1})), QStringLiteral("boş taban hücresi"));
    }

    // The hovered cell is forgotten with the pyramid: moving afterwards touches
    // no destroyed cell (the sanitizers watch this one).
    void yeniden_kurulunca_uzerindeki_unutulur()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        f.show();
        TAralikToplamForm* t = f.AralikToplamForm;
        Uzerinden(t->Hucre({2, 0}));
        QTest::mouseClick(t->Hucre({2, 1}), Qt::LeftButton);
        ortam.Girdiler.push_back(QStringLiteral("5"));
        f.YeniProblemAction->trigger();
        QCOMPARE(t->PyramidSize(), 5);
        QCOMPARE(t->Uzerindeki(), nullptr);
        QVERIFY(!t->Hedef() && t->Giris()->isHidden());
        Uzerinden(t, QPoint(2, 2));
        QEvent ayrilis(QEvent::Leave);
        QApplication::sendEvent(t, &ayrilis);
    }

    // Flipping moves every cell and the open entry and keeps every value.
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
        EkranKaydet(&f, QStringLiteral("piramit_yarim_asagidan"));
        const QString degerler = Degerler(*t);

        f.CheckBox1->setChecked(true);
        QCOMPARE(Degerler(*t), degerler);
        QCOMPARE(t->Hucre({1, 7})->pos(), HucreKonumu(8, 1, 7, true));
        QCOMPARE(t->Hucre({8, 0})->pos(), HucreKonumu(8, 8, 0, true));
        QCOMPARE(t->Giris()->geometry(), GirisKutusuYeri(t->Hucre({3, 2})->pos(), true));
        EkranKaydet(&f, QStringLiteral("piramit_yarim_yukaridan"));
        Cevapla(f, QStringLiteral("20"));
        QCOMPARE(t->Hucre({3, 2})->Metin(), QStringLiteral("20"));
        // A new pyramid takes the orientation asked for.
        ortam.Girdiler.push_back(QStringLiteral("3"));
        f.YeniProblemAction->trigger();
        QCOMPARE(t->Hucre({1, 0})->pos(), HucreKonumu(3, 1, 0, true));
    }

    void reddedilen_cevaplar_data()
    {
        QTest::addColumn<bool>("taban"); // "Problem Gir", else "Yeni Problem"
        QTest::addColumn<std::optional<QString>>("cevap");
        QTest::addColumn<QString>("kayit"); // what the pupil is told
        const QString hata = QStringLiteral("hata: '%1' geçerli bir tamsayı değeri değil");
        QString yirmiBir = QStringLiteral("1");
        for (int i = 2; i <= 21; ++i)
            yirmiBir += QLatin1Char(',') + QString::number(i);
        using C = std::optional<QString>;
        QTest::newRow("taban_32_bit_disi") << true << C(QStringLiteral("-5,99999999999"))
                                           << hata.arg(QLatin1String("99999999999"));
        QTest::newRow("taban_yirmi_bir") << true << C(yirmiBir) << QStringLiteral("mesaj: ") + TabanSiniriMesaji();
        QTest::newRow("taban_iptal") << true << C() << QString();
        QTest::newRow("boy_bos") << false << C(QString()) << hata.arg(QString());
        QTest::newRow("boy_cok_buyuk") << false << C(QStringLiteral("99999999999"))
                                       << hata.arg(QLatin1String("99999999999"));
        QTest::newRow("boy_eksi") << false << C(QStringLiteral("-3")) << QString();
    }
    // Every refused answer leaves the pyramid as it was.
    void reddedilen_cevaplar()
    {
        QFETCH(bool, taban);
        QFETCH(std::optional<QString>, cevap);
        QFETCH(QString, kayit);
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        ProblemGir(f, ortam, QStringLiteral("9,9,9"));
        ortam.Girdiler.push_back(cevap);
        (taban ? f.KendinGirAction : f.YeniProblemAction)->trigger();
        QCOMPARE(ortam.Kayit.mid(1).join(QString()), kayit);
        QCOMPARE(Degerler(*f.AralikToplamForm), QStringLiteral("9|9|9|||"));
    }

    void yeni_problem_boyu()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        ortam.Girdiler = {QStringLiteral("0"), QStringLiteral("11"), std::nullopt};
        f.YeniProblemAction->trigger();
        QCOMPARE(f.AralikToplamForm->height(), 30);
        f.YeniProblemAction->trigger();
        QCOMPARE(f.AralikToplamForm->PyramidSize(), 8);
        // Cancel answers the size shown in the box: a new pyramid of that size.
        ortam.Rastgeleler.assign(8, 1);
        f.YeniProblemAction->trigger();
        QCOMPARE(Degerler(*f.AralikToplamForm).left(15), QStringLiteral("3|3|3|3|3|3|3|3"));
    }

    // Multiplication on a base of 10s: rows 6 to 8 are too large for 64 bits,
    // shown grey, closed to the entry, and the game still ends.
    void carpma_cok_buyuk_hucreler()
    {
        TestOrtami ortam;
        ortam.Rastgeleler.assign(8, 8);
        TAralikAnaForm f(nullptr);
        f.show();
        TAralikToplamForm* t = f.AralikToplamForm;
        f.RadioButton3->setChecked(true);
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        for (int cevap = 0; cevap < 40 && t->Giris()->isVisible(); ++cevap)
            Cevapla(f, QString::number(t->Piramit().ExpectedValue(*t->Hedef())->Sayi));
        QCOMPARE(ortam.Kayit.last(), QStringLiteral("mesaj: Tebrikler Bildiniz"));
        QCOMPARE(t->Hucre({8, 0})->Metin(), QStringLiteral("çok\nbüyük"));
        QCOMPARE(t->Hucre({8, 0})->Renk(), clSilver);
        EkranKaydet(&f, QStringLiteral("piramit_cok_buyuk"));
    }

    // The largest pyramid a pupil may type scrolls; no cell is cut off.
    void en_buyuk_piramit()
    {
        TestOrtami ortam;
        TAralikAnaForm f(nullptr);
        f.show();
        QStringList yirmi;
        for (int i = 1; i <= 20; ++i)
            yirmi << QString::number(i);
        ProblemGir(f, ortam, yirmi.join(QLatin1Char(',')));
        TAralikToplamForm* t = f.AralikToplamForm;
        QTest::mouseClick(t->Hucre({2, 0}), Qt::LeftButton);
        EkranKaydet(&f, QStringLiteral("piramit_en_buyuk"));
        QCOMPARE(t->findChildren<PiramitHucresi*>().size(), 210);
        for (PiramitHucresi* h : t->findChildren<PiramitHucresi*>())
            QVERIFY(t->rect().contains(h->geometry()));
        QVERIFY(f.Kaydirma->horizontalScrollBar()->maximum() > 0);
        QVERIFY(f.Kaydirma->verticalScrollBar()->maximum() > 0);
        // The entry is scrolled into view.
        const QRect kutu(t->Giris()->mapTo(f.Kaydirma->viewport(), QPoint()), t->Giris()->size());
        QVERIFY(f.Kaydirma->viewport()->rect().contains(kutu));
    }
};

#include "aralikanaformu_test.moc"
ORVANTA_TEST(PiramitPenceresiTesti)
