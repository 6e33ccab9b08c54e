#include "Yuzdeforum.h"
#include "Yuzdelikformu.h"
#include "testana.h"
#include "testortami.h"
#include "yuzdemodel.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
// A shown window of the tour size.
void Boyutla(TYuzdeForm& f)
{
    f.setWindowState(Qt::WindowNoState);
    f.resize(1366, 768);
    f.show();
    QCoreApplication::processEvents();
}

QImage Masa(TYuzdeForm& f)
{
    return f.Masa->grab().toImage();
}

// The colour painted at `p` of the table.
TRenk Piksel(const QImage& resim, QPoint p)
{
    return QRenk(resim.pixelColor(p * resim.devicePixelRatio()));
}

// The colour seen in the middle of cell `i` of a card, on the table's picture.
TRenk Hucre(const QImage& resim, const TYuzdelikForm* kart, int i)
{
    return Piksel(resim, kart->pos() + HucreAlani(i, kart->Horizontal()).center());
}

// Whether some pixel of a fill colour lies outside every card shown.
bool KartDisindaHucreVar(const QImage& resim, TYuzdeForm& f)
{
    QRegion kartlar;
    for (bool ilk : {true, false})
        for (int i = 0; i < KART_YUVASI; ++i)
            if (const TYuzdelikForm* k = f.Kart(ilk, i))
                kartlar += k->geometry();
    const qreal oran = resim.devicePixelRatio();
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x) {
            const TRenk r = QRenk(resim.pixelColor(x, y));
            if ((r == ILK_RENGI || r == IKINCI_RENGI) && !kartlar.contains(QPoint(int(x / oran), int(y / oran))))
                return true;
        }
    return false;
}

void Sayi(TYuzdeForm& f, bool ilk, const QString& tam, const QString& yuzdelik)
{
    (ilk ? f.Edit3 : f.Edit4)->setText(tam);
    (ilk ? f.Edit1 : f.Edit2)->setText(yuzdelik);
}

QList<TYuzdelikForm*> Kartlar(const TYuzdeForm& f, bool ilk)
{
    QList<TYuzdelikForm*> kartlar;
    for (int i = 0; i < KART_YUVASI; ++i)
        if (TYuzdelikForm* k = f.Kart(ilk, i))
            kartlar << k;
    return kartlar;
}

class BoyamaSayaci : public QObject
{
public:
    int Sayi = 0;
    bool eventFilter(QObject*, QEvent* olay) override
    {
        Sayi += olay->type() == QEvent::Paint;
        return false;
    }
};
}

class YuzdeFormuTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void acilis()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        Boyutla(f);
        QCOMPARE((QStringList{f.Edit3->text(), f.Edit1->text(), f.Edit4->text(), f.Edit2->text()}),
                 (QStringList{"1", "10", "2", "15"}));
        QCOMPARE((QList<int>{f.Edit3->maxLength(), f.Edit1->maxLength()}), (QList<int>{1, 2}));
        QVERIFY(f.YatayCheckBox->isChecked() && f.CheckBox2->isChecked() && !f.CheckBox1->isChecked());
        for (bool ilk : {true, false}) {
            const std::vector<KartYeri> beklenen = SayiKartlari(ilk, ilk ? OndalikSayi{1, 10} : OndalikSayi{2, 15});
            QCOMPARE(size_t(f.KartSayisi(ilk)), beklenen.size());
            for (const KartYeri& yer : beklenen) {
                const TYuzdelikForm* k = f.Kart(ilk, yer.Sira);
                QCOMPARE(k->parentWidget(), f.Masa);
                QCOMPARE(k->geometry(), QRect(yer.Konum, QSize(101, 101)));
                QCOMPARE(k->FilledCount(), yer.Dolu);
                QCOMPARE(k->FillColor(), ilk ? clYellow : clGreen);
                QVERIFY(k->Horizontal() && k->ShowGrid() && k->ShowEmpty() && k->isVisible());
            }
        }
        const QImage resim = Masa(f);
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 9), clYellow);
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 10), clWhite);
        QCOMPARE(Hucre(resim, f.Kart(false, 2), 14), clGreen);
        QCOMPARE(Hucre(resim, f.Kart(false, 2), 15), clWhite);
        QCOMPARE(Piksel(resim, f.Kart(true, 0)->pos() + QPoint(10, 5)), clBlack);
        QVERIFY(!KartDisindaHucreVar(resim, f));

        // Painting a card asks for no further painting.
        BoyamaSayaci sayac;
        f.Kart(true, 1)->installEventFilter(&sayac);
        QCoreApplication::processEvents();
        sayac.Sayi = 0;
        f.Kart(true, 1)->repaint();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(sayac.Sayi, 1);
        QCOMPARE(ortam.Kayit, QStringList());
        EkranKaydet(&f, QStringLiteral("yuzde_acilis"));
    }

    // Numbers typed and entered with Enter or "Güncelle".
    void sayi_girisi()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        Boyutla(f);
        f.Edit1->clear();
        QTest::keyClicks(f.Edit1, QStringLiteral("a.5,"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("5"));
        QPointer<TYuzdelikForm> eski = f.Kart(true, 1);
        QTest::keyClick(f.Edit1, Qt::Key_Return);
        QCOMPARE(f.Edit1->text(), QStringLiteral("50"));
        QCOMPARE(f.Kart(true, 1)->FilledCount(), 50);
        QVERIFY(f.Sayi(true) == (OndalikSayi{1, 50}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(eski.isNull());

        f.Edit1->setText(QStringLiteral("05"));
        QTest::keyClick(f.Edit3, Qt::Key_Return);
        QCOMPARE(f.Edit1->text(), QStringLiteral("05"));
        QCOMPARE(f.Kart(true, 1)->FilledCount(), 5);

        Sayi(f, true, QString(), QString());
        QTest::keyClick(f.Edit1, Qt::Key_Return);
        QCOMPARE(f.KartSayisi(true), 0);
        QCOMPARE(f.Edit3->text(), QString());
        QCOMPARE(f.Edit1->text(), QStringLiteral("0"));

        Sayi(f, false, QStringLiteral("3"), QString());
        QTest::keyClick(f.Edit2, Qt::Key_Return);
        QCOMPARE(f.KartSayisi(false), 3);
        for (const TYuzdelikForm* k : Kartlar(f, false))
            QCOMPARE(k->FilledCount(), 100);

        // A click into a full box lets the next digit replace what it holds.
        f.Edit3->setText(QStringLiteral("1"));
        for (int tik = 0; tik < 2; ++tik)
            QTest::mouseClick(f.Edit3, Qt::LeftButton, Qt::NoModifier, QPoint(5, 20));
        QTest::keyClicks(f.Edit3, QStringLiteral("9"));
        QCOMPARE(f.Edit3->text(), QStringLiteral("9"));
        f.Edit1->setText(QStringLiteral("99"));
        f.Button3->click();
        QCOMPARE(f.KartSayisi(true), 10);
        QCOMPARE(f.Kart(true, 9)->FilledCount(), 99);
        QCOMPARE(f.Kart(true, 9)->pos(), QPoint(230, 175));
        QCOMPARE(f.KartSayisi(false), 3);
        QCOMPARE(f.Edit2->text(), QStringLiteral("0"));
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // A box that holds no number of the activity: the conversion error, and
    // the number keeps its value, its cards and the box its text.
    void hatali_kutu_data()
    {
        QTest::addColumn<int>("kutu"); // Edit3, Edit1, Edit4, Edit2
        QTest::addColumn<QString>("metin");
        QTest::newRow("ilk_tam_eksi") << 0 << "-";
        QTest::newRow("ilk_tam_arti") << 0 << "+";
        QTest::newRow("ilk_yuzdelik_eksi_bes") << 1 << "-5";
        QTest::newRow("ilk_yuzdelik_eksi") << 1 << "-";
        QTest::newRow("ikinci_tam_eksi") << 2 << "-";
        QTest::newRow("ikinci_yuzdelik_eksi_bes") << 3 << "-5";
        QTest::newRow("ikinci_yuzdelik_arti") << 3 << "+";
        QTest::newRow("ikinci_yuzdelik_harfler") << 3 << "x7";
    }
    void hatali_kutu()
    {
        QFETCH(int, kutu);
        QFETCH(QString, metin);
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        Boyutla(f);
        QLineEdit* kutular[] = {f.Edit3, f.Edit1, f.Edit4, f.Edit2};
        const bool ilk = kutu < 2;
        const QList<TYuzdelikForm*> onceki = Kartlar(f, ilk);
        const OndalikSayi deger = f.Sayi(ilk);
        kutular[kutu]->setText(metin);
        QTest::keyClick(kutular[kutu], Qt::Key_Return);
        QCOMPARE(ortam.Kayit, QStringList{"hata: '" + metin + "' geçerli bir tamsayı değeri değil"});
        QCOMPARE(Kartlar(f, ilk), onceki);
        QVERIFY(f.Sayi(ilk) == deger);
        QCOMPARE(kutular[kutu]->text(), metin);
        for (const TYuzdelikForm* k : onceki)
            QVERIFY(k->isVisible());
    }

    // "Güncelle" stops at a refused first number: the second is not read.
    void guncelle_ilk_hatali()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        Sayi(f, true, QStringLiteral("-"), QStringLiteral("10"));
        Sayi(f, false, QStringLiteral("5"), QStringLiteral("5"));
        const QList<TYuzdelikForm*> ikinci = Kartlar(f, false);
        f.Button3->click();
        QCOMPARE(ortam.Kayit, QStringList{"hata: '-' geçerli bir tamsayı değeri değil"});
        QVERIFY(f.Sayi(false) == (OndalikSayi{2, 15}));
        QCOMPARE(Kartlar(f, false), ikinci);
        QCOMPARE(f.Edit2->text(), QStringLiteral("5"));
    }

    // "Yatay" turns the cards there are; new cards are always made horizontal.
    // "Kısım Göster" reaches the cards there are and the new ones.
    void yatay_ve_kisim()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        Boyutla(f);
        f.YatayCheckBox->click();
        f.CheckBox2->click();
        for (bool ilk : {true, false})
            for (const TYuzdelikForm* k : Kartlar(f, ilk))
                QVERIFY(!k->Horizontal() && !k->ShowGrid());
        QImage resim = Masa(f);
        const TYuzdelikForm* onbes = f.Kart(false, 2);
        QCOMPARE(Piksel(resim, onbes->pos() + QPoint(15, 45)), clGreen); // cell 14: column 1, row 4
        QCOMPARE(Piksel(resim, onbes->pos() + QPoint(45, 15)), clWhite); // where it lies when horizontal
        // Without outlines the line between two full cells is in their colour.
        QCOMPARE(Piksel(resim, f.Kart(true, 0)->pos() + QPoint(10, 5)), clYellow);
        QVERIFY(!KartDisindaHucreVar(resim, f));
        EkranKaydet(&f, QStringLiteral("yuzde_dikey_cizgisiz"));

        Sayi(f, true, QStringLiteral("1"), QStringLiteral("50"));
        f.IlkSayiAction->trigger();
        for (const TYuzdelikForm* k : Kartlar(f, true))
            QVERIFY(k->Horizontal() && !k->ShowGrid());
        for (const TYuzdelikForm* k : Kartlar(f, false))
            QVERIFY(!k->Horizontal());
        f.CheckBox2->click();
        f.YatayCheckBox->click();
        for (bool ilk : {true, false})
            for (const TYuzdelikForm* k : Kartlar(f, ilk))
                QVERIFY(k->Horizontal() && k->ShowGrid());
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // Comparing stacks both numbers at the smaller one's place, the smaller
    // number's cards on top with their filled cells only; an update while
    // comparing lays the comparison out again.
    void karsilastirma()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        Boyutla(f);
        f.CheckBox1->click();
        for (bool ilk : {true, false})
            for (int i = 0; i < f.KartSayisi(ilk); ++i) {
                QCOMPARE(f.Kart(ilk, i)->pos(), KartKonumu(true, i));
                QCOMPARE(f.Kart(ilk, i)->ShowEmpty(), !ilk);
            }
        QImage resim = Masa(f);
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 5), clYellow); // over the green card
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 50), clGreen);
        QCOMPARE(Hucre(resim, f.Kart(false, 2), 14), clGreen);
        QCOMPARE(Hucre(resim, f.Kart(false, 2), 50), clWhite);
        QCOMPARE(Piksel(resim, QPoint(400, 120)), Piksel(resim, QPoint(700, 500)));
        QVERIFY(!KartDisindaHucreVar(resim, f));
        EkranKaydet(&f, QStringLiteral("yuzde_karsilastirma"));

        // The first number becomes the greater: the stack moves to x = 350, green on top.
        Sayi(f, true, QStringLiteral("2"), QStringLiteral("15"));
        Sayi(f, false, QStringLiteral("1"), QStringLiteral("10"));
        f.Button3->click();
        QVERIFY(f.CheckBox1->isChecked());
        for (bool ilk : {true, false})
            for (int i = 0; i < f.KartSayisi(ilk); ++i) {
                QCOMPARE(f.Kart(ilk, i)->pos(), KartKonumu(false, i));
                QCOMPARE(f.Kart(ilk, i)->ShowEmpty(), ilk);
            }
        resim = Masa(f);
        QCOMPARE(Hucre(resim, f.Kart(false, 1), 5), clGreen);
        QCOMPARE(Hucre(resim, f.Kart(false, 1), 50), clYellow);
        QCOMPARE(Hucre(resim, f.Kart(true, 2), 50), clWhite);

        // A tie: the first number's cards lie on top, with their filled cells only.
        Sayi(f, true, QStringLiteral("1"), QStringLiteral("10"));
        f.Button3->click();
        resim = Masa(f);
        QCOMPARE(f.Kart(true, 1)->pos(), QPoint(10, 175));
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 5), clYellow);
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 50), clWhite);

        f.CheckBox1->click();
        for (bool ilk : {true, false})
            for (int i = 0; i < f.KartSayisi(ilk); ++i) {
                QCOMPARE(f.Kart(ilk, i)->pos(), KartKonumu(ilk, i));
                QVERIFY(f.Kart(ilk, i)->ShowEmpty());
            }
        QCOMPARE(ortam.Kayit, QStringList());
    }

    void surukleme()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        Boyutla(f);
        TYuzdelikForm* sari = f.Kart(true, 0);
        QObject yabanci;
        QVERIFY(f.MasaDragOver(sari, QPoint(500, 300)));
        QVERIFY(!f.MasaDragOver(&yabanci, QPoint(500, 300)));
        QVERIFY(!f.MasaDragOver(nullptr, QPoint(500, 300)));
        QVERIFY(!f.MasaDragOver(f.Edit1, QPoint(500, 300)));
        f.MasaDragDrop(&yabanci, QPoint(500, 300));
        f.MasaDragDrop(f.Edit1, QPoint(500, 300));
        QCOMPARE(f.Edit1->pos(), QPoint(74, 14));

        f.MasaDragDrop(sari, QPoint(500, 300));
        QCOMPARE(sari->pos(), QPoint(500, 300));
        // Onto another card: the dropped card lies on top.
        TYuzdelikForm* yesil = f.Kart(false, 2);
        f.MasaDragDrop(sari, yesil->pos() + QPoint(20, 20));
        QCOMPARE(sari->pos(), yesil->pos() + QPoint(20, 20));
        QCOMPARE(Hucre(Masa(f), sari, 0), clYellow);
        // Onto the boxes: they stay above the card and can still be typed into.
        f.MasaDragDrop(sari, f.Edit1->pos());
        QCOMPARE(f.Masa->childAt(f.Edit1->geometry().center()), f.Edit1);
        // Past the edge: the whole card stays on the table.
        f.MasaDragDrop(sari, QPoint(5000, -20));
        QCOMPARE(sari->pos(), QPoint(f.Masa->width() - 101, 0));

        // While comparing a card of the larger number stays beneath the smaller's.
        f.CheckBox1->click();
        const QPoint yer(700, 300);
        f.MasaDragDrop(f.Kart(true, 1), yer);
        f.MasaDragDrop(f.Kart(false, 1), yer);
        QImage resim = Masa(f);
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 5), clYellow);
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 50), clGreen);

        // A card taken away by an update is no longer moved by its drop.
        QPointer<TYuzdelikForm> eski = f.Kart(false, 1);
        f.IkinciSayiAction->trigger();
        QVERIFY(eski && eski->isHidden());
        QVERIFY(!f.MasaDragOver(eski, QPoint(100, 500)));
        f.MasaDragDrop(eski, QPoint(100, 500));
        QVERIFY(eski->pos() != QPoint(100, 500));
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // The tour's fullest picture: ten cards against ten, stacked.
    void dokuz_doksan_dokuz()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        Boyutla(f);
        Sayi(f, true, QStringLiteral("9"), QStringLiteral("99"));
        Sayi(f, false, QStringLiteral("9"), QStringLiteral("98"));
        f.Button3->click();
        f.CheckBox1->click();
        QCOMPARE(f.KartSayisi(true), 10);
        QCOMPARE(f.KartSayisi(false), 10);
        QCOMPARE(f.Kart(true, 9)->pos(), QPoint(570, 175));
        const QImage resim = Masa(f);
        const TYuzdelikForm* son = f.Kart(false, 9);
        QCOMPARE(Hucre(resim, son, 97), clGreen);
        QCOMPARE(Hucre(resim, son, 98), clYellow);
        QCOMPARE(Hucre(resim, son, 99), clWhite);
        QVERIFY(!KartDisindaHucreVar(resim, f));
        EkranKaydet(&f, QStringLiteral("yuzde_999_998_karsilastirma"));
    }
};

#include "yuzdeform_test.moc"
ORVANTA_TEST(YuzdeFormuTesti)
