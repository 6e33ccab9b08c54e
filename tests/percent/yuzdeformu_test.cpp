#include "Yuzdeformu.h"
#include "Yuzdelikformu.h"
#include "kaydirmaalani.h"
#include "surukle.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
void Yaz(TYuzdeForm& f, const QString& ilkTam, const QString& ilk, const QString& ikinciTam, const QString& ikinci)
{
    f.Edit3->setText(ilkTam);
    f.Edit1->setText(ilk);
    f.Edit4->setText(ikinciTam);
    f.Edit2->setText(ikinci);
}

// The colour in the middle of cell `i` of a card, on a picture of the table.
TRenk Hucre(const QImage& resim, const TYuzdelikForm* kart, int i)
{
    const QPoint p = kart->pos() + HucreAlani(i, kart->Horizontal()).center();
    return QRenk(resim.pixelColor(p * resim.devicePixelRatio()));
}

// Whether a pixel of a fill colour lies outside every card.
bool KartDisindaHucreVar(const QImage& resim, const TYuzdeForm& f)
{
    QRegion kartlar;
    for (bool ilk : {true, false})
        for (int i = 0; i < f.KartSayisi(ilk); ++i)
            kartlar += f.Kart(ilk, i)->geometry();
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x) {
            const TRenk r = QRenk(resim.pixelColor(x, y));
            if ((r == clYellow || r == clGreen) && !kartlar.contains(QPoint(x, y) / resim.devicePixelRatio()))
                return true;
        }
    return false;
}

// The table point under the top-left corner of the card carried by keys.
std::optional<QPoint> TasinanKose(TYuzdeForm& f)
{
    const std::optional<QPoint> nokta = KlavyeTasimaNoktasi();
    if (!nokta)
        return std::nullopt;
    return f.Masa->mapFromGlobal(*nokta);
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
        PencereGoster(f);
        QCOMPARE(f.KartSayisi(true), 2);
        QCOMPARE(f.KartSayisi(false), 3);
        const QImage resim = f.Masa->grab().toImage();
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 9), clYellow);
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 10), clWhite);
        QCOMPARE(Hucre(resim, f.Kart(false, 2), 14), clGreen);
        QCOMPARE(QRenk(resim.pixelColor(QPoint(20, 70) * resim.devicePixelRatio())), clBlack); // an outline
        QVERIFY(!KartDisindaHucreVar(resim, f));
        // Painting a card asks for no further painting.
        BoyamaSayaci sayac;
        f.Kart(true, 1)->installEventFilter(&sayac);
        QCoreApplication::processEvents();
        sayac.Sayi = 0;
        f.Kart(true, 1)->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(sayac.Sayi, 1);
        QCOMPARE(ortam.Kayit, QStringList());
        EkranKaydet(&f, QStringLiteral("yuzde_acilis"));
    }

    void sayi_girisi()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        PencereGoster(f);
        QCOMPARE(OkunanAd(f.Kart(true, 1)), QStringLiteral("Birinci sayının 2. kartı, yüzde 10 dolu"));
        f.Edit1->clear();
        QTest::keyClicks(f.Edit1, QStringLiteral("a.5,"));
        QPointer<TYuzdelikForm> eski = f.Kart(true, 1);
        QTest::keyClick(f.Edit1, Qt::Key_Return);
        QCOMPARE(f.Edit1->text(), QStringLiteral("50"));
        QCOMPARE(f.Kart(true, 1)->FilledCount(), 50);
        QCOMPARE(OkunanAd(f.Kart(true, 1)), QStringLiteral("Birinci sayının 2. kartı, yüzde 50 dolu"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(eski.isNull());
        // A click into a full box lets the next digit replace what it holds.
        for (int tik = 0; tik < 2; ++tik)
            QTest::mouseClick(f.Edit3, Qt::LeftButton, Qt::NoModifier, QPoint(5, 20));
        QTest::keyClicks(f.Edit3, QStringLiteral("0"));
        f.Edit1->clear();
        QTest::keyClick(f.Edit3, Qt::Key_Return);
        QCOMPARE(f.KartSayisi(true), 0);
        QCOMPARE(f.Edit1->text(), QStringLiteral("0"));
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // A refused box: the pupil is told why, and its number keeps value and
    // cards. "Güncelle" stops at a refused first number.
    void hatali_kutu_data()
    {
        QTest::addColumn<int>("kutu"); // Edit3, Edit1, Edit4, Edit2
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("guncelle");
        QTest::addColumn<QString>("kayit");
        const QString sayiDegil = QStringLiteral("hata: '%1' geçerli bir tamsayı değeri değil");
        const QString sinir = QStringLiteral("mesaj: Yüzdelik kısım 0 ile 99 arasında olmalıdır");
        QTest::newRow("ilk_yuzdelik_eksi_bes") << 1 << "-5" << false << sinir;
        QTest::newRow("guncelle_ilk_yuzdelik_eksi") << 1 << "-1" << true << sinir;
        QTest::newRow("ikinci_tam_eksi") << 2 << "-" << false << sayiDegil.arg("-");
        QTest::newRow("ikinci_yuzdelik_harfler") << 3 << "x7" << false << sayiDegil.arg("x7");
        QTest::newRow("guncelle_ilk_tam_arti") << 0 << "+" << true << sayiDegil.arg("+");
    }
    void hatali_kutu()
    {
        QFETCH(int, kutu);
        QFETCH(QString, metin);
        QFETCH(bool, guncelle);
        QFETCH(QString, kayit);
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        QLineEdit* kutular[] = {f.Edit3, f.Edit1, f.Edit4, f.Edit2};
        const TYuzdelikForm* kartlar[] = {f.Kart(true, 1), f.Kart(false, 2)};
        f.Edit2->setText(QStringLiteral("5"));
        kutular[kutu]->setText(metin);
        if (guncelle)
            f.Button3->click();
        else
            QTest::keyClick(kutular[kutu], Qt::Key_Return);
        QCOMPARE(ortam.Kayit, QStringList{kayit});
        QCOMPARE(f.Kart(true, 1), kartlar[0]);
        QCOMPARE(f.Kart(false, 2), kartlar[1]);
        QVERIFY(f.Sayi(true) == (OndalikSayi{1, 10}) && f.Sayi(false) == (OndalikSayi{2, 15}));
        QCOMPARE(kutular[kutu]->text(), metin);
        QCOMPARE(f.Edit2->text(), kutu == 3 ? metin : QStringLiteral("5"));
    }

    // "Yatay" turns the cards there are, new cards are made horizontal;
    // "Kısım Göster" reaches the cards there are and the new ones.
    void yatay_ve_kisim()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        PencereGoster(f);
        f.YatayCheckBox->click();
        f.CheckBox2->click();
        const QImage resim = f.Masa->grab().toImage();
        QCOMPARE(Hucre(resim, f.Kart(false, 2), 14), clGreen);
        QCOMPARE(QRenk(resim.pixelColor(QPoint(395, 300) * resim.devicePixelRatio())), clWhite); // cell 14 lying
        QCOMPARE(QRenk(resim.pixelColor(QPoint(20, 70) * resim.devicePixelRatio())), clYellow);  // no outline
        EkranKaydet(&f, QStringLiteral("yuzde_dikey_cizgisiz"));
        f.IlkSayiAction->trigger();
        QVERIFY(f.Kart(true, 1)->Horizontal() && !f.Kart(true, 1)->ShowGrid());
        QVERIFY(!f.Kart(false, 0)->Horizontal() && !f.Kart(false, 0)->ShowGrid());
    }

    // Comparing stacks both numbers at the smaller one's place, its cards on
    // top with their filled cells only. An update while comparing makes the
    // new cards apart, horizontal and full; the next clicks compare again.
    void karsilastirma()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        PencereGoster(f);
        f.CheckBox1->click();
        QCOMPARE(f.Kart(false, 2)->pos(), QPoint(10, 285));
        QImage resim = f.Masa->grab().toImage();
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 5), clYellow); // over the green card
        QCOMPARE(Hucre(resim, f.Kart(true, 1), 50), clGreen);
        QVERIFY(!KartDisindaHucreVar(resim, f));
        EkranKaydet(&f, QStringLiteral("yuzde_karsilastirma"));

        Yaz(f, "9", "99", "9", "98");
        f.YatayCheckBox->click();
        f.Button3->click();
        QVERIFY(f.CheckBox1->isChecked());
        for (bool ilk : {true, false})
            for (int i = 0; i < KART_YUVASI; ++i) {
                const TYuzdelikForm* kart = f.Kart(ilk, i);
                QCOMPARE(kart->pos(), KartKonumu(ilk, i));
                QVERIFY(kart->Horizontal() && kart->ShowEmpty());
            }
        f.CheckBox1->click();
        f.CheckBox1->click();
        QCOMPARE(f.Kart(true, 9)->pos(), QPoint(570, 175));
        QVERIFY(f.Kart(true, 9)->ShowEmpty() && !f.Kart(false, 9)->ShowEmpty());
        resim = f.Masa->grab().toImage();
        QCOMPARE(Hucre(resim, f.Kart(false, 9), 97), clGreen);
        QCOMPARE(Hucre(resim, f.Kart(false, 9), 98), clYellow);
        QCOMPARE(Hucre(resim, f.Kart(false, 9), 99), clWhite);
        QVERIFY(!KartDisindaHucreVar(resim, f));
        EkranKaydet(&f, QStringLiteral("yuzde_999_998_karsilastirma"));

        f.CheckBox1->click();
        QCOMPARE(f.Kart(true, 9)->pos(), QPoint(230, 175));
        QVERIFY(f.Kart(false, 9)->ShowEmpty());
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // At its smallest the window shows every card of the widest layouts whole:
    // two numbers of ten cards apart, and stacked at either number's place.
    void en_kucuk_pencere_data()
    {
        QTest::addColumn<QString>("ikinci"); // hundredths of the second number, after 9,99
        QTest::addColumn<bool>("karsilastir");
        QTest::newRow("ayri") << "99" << false;
        QTest::newRow("ikincinin_yerinde_yigin") << "98" << true;
    }
    void en_kucuk_pencere()
    {
        QFETCH(QString, ikinci);
        QFETCH(bool, karsilastir);
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        PencereGoster(f, f.minimumSize());
        QCOMPARE(f.size(), f.minimumSize());
        Yaz(f, "9", "99", "9", ikinci);
        f.Button3->click();
        if (karsilastir)
            f.CheckBox1->click();
        const QRect pencere = f.rect();
        for (bool ilk : {true, false})
            for (int i = 0; i < KART_YUVASI; ++i) {
                const TYuzdelikForm* kart = f.Kart(ilk, i);
                QVERIFY(f.Masa->rect().contains(kart->geometry()));
                QVERIFY2(pencere.contains(QRect(kart->mapTo(&f, QPoint()), kart->size())),
                         qPrintable(QStringLiteral("card %1 of the %2 number").arg(i).arg(ilk ? "first" : "second")));
            }
        EkranKaydet(&f, QStringLiteral("yuzde_en_kucuk_") + QTest::currentDataTag(), false);
    }

    void surukleme()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        PencereGoster(f);
        TYuzdelikForm* sari = f.Kart(true, 0);
        QObject yabanci;
        QVERIFY(f.MasaDragOver(sari, QPoint(500, 300)));
        for (QObject* kaynak : {&yabanci, static_cast<QObject*>(f.Edit1), static_cast<QObject*>(nullptr)}) {
            QVERIFY(!f.MasaDragOver(kaynak, QPoint(500, 300)));
            f.MasaDragDrop(kaynak, QPoint(500, 300));
        }
        QCOMPARE(f.Edit1->pos(), QPoint(74, 14));
        // Onto another card, it lies on top; onto the boxes, under them; past the edge, whole on the table.
        f.MasaDragDrop(sari, f.Kart(false, 2)->pos() + QPoint(20, 20));
        QCOMPARE(sari->pos(), QPoint(370, 305));
        QCOMPARE(Hucre(f.Masa->grab().toImage(), sari, 0), clYellow);
        f.MasaDragDrop(sari, f.Edit1->pos());
        QCOMPARE(f.Masa->childAt(f.Edit1->geometry().center()), f.Edit1);
        f.MasaDragDrop(sari, QPoint(5000, -20));
        QCOMPARE(sari->pos(), QPoint(f.Masa->width() - 101, 0));

        // While comparing, a dropped card of the larger number stays beneath the smaller's.
        f.CheckBox1->click();
        f.MasaDragDrop(f.Kart(true, 1), QPoint(700, 300));
        f.MasaDragDrop(f.Kart(false, 1), QPoint(700, 300));
        QCOMPARE(Hucre(f.Masa->grab().toImage(), f.Kart(true, 1), 5), clYellow);
        // A card taken away by an update is moved by no drop.
        QPointer<TYuzdelikForm> eski = f.Kart(false, 1);
        f.IkinciSayiAction->trigger();
        QVERIFY(!f.MasaDragOver(eski, QPoint(100, 500)));
        f.MasaDragDrop(eski, QPoint(100, 500));
        QCOMPARE(eski->pos(), QPoint(700, 300));
        QCOMPARE(ortam.Kayit, QStringList());
    }

    // 0,45 against 2,15 by keys alone: the first number typed, then its card
    // carried by Tab onto the second number's last card and dropped there.
    void klavyeyle_karsilastirma()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(900, 700)));
        QCOMPARE(QApplication::focusWidget(), f.Edit3);
        Klavye k;
        k.Sayi += TuslaraBas({Qt::Key_Backspace, Qt::Key_0, Qt::Key_Tab, Qt::Key_4, Qt::Key_5, Qt::Key_Return});
        QCOMPARE(f.Sayi(true).Tam, 0);
        QCOMPARE(f.Sayi(true).Yuzdelik, 45);
        QCOMPARE(f.KartSayisi(true), 1);
        TYuzdelikForm* sari = f.Kart(true, 0);
        TYuzdelikForm* yesil = f.Kart(false, 2);
        // The cards follow the boxes in the Tab order, the first number's first.
        k.Sayi += TuslaraBas({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), sari);
        k.Bas(Qt::Key_Space);
        QCOMPARE(KlavyeIleTasinan(), sari);
        k.Sayi += KosulaKadarSekme([&] { return TasinanKose(f) == yesil->pos(); }, 10);
        QCOMPARE(TasinanKose(f), std::optional<QPoint>(yesil->pos()));
        k.Bas(Qt::Key_Return);
        QVERIFY(!KlavyeIleTasinan());
        QCOMPARE(sari->pos(), yesil->pos());
        QCOMPARE(ortam.Kayit, QStringList());
        qInfo("tuşlar: %d", k.Sayi);
        f.close();
    }

    // A card carried by the arrows drops where the picture's corner is, also
    // over its own place.
    void kart_oklarla()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, QSize(900, 700)));
        TYuzdelikForm* kart = f.Kart(false, 1);
        const QPoint once = kart->pos();
        kart->setFocus(Qt::TabFocusReason);
        TuslaraBas({Qt::Key_Space, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return});
        QVERIFY(!KlavyeIleTasinan());
        QCOMPARE(kart->pos(), once + QPoint(1, 1));
        f.close();
    }

    // A card put far to the right stays on the table when the window is made
    // smaller: the table scrolls to it.
    void kucuk_pencerede_kart_kalir()
    {
        TestOrtami ortam;
        TYuzdeForm f(nullptr);
        PencereGoster(f);
        TYuzdelikForm* sari = f.Kart(true, 0);
        f.MasaDragDrop(sari, QPoint(1100, 400));
        const QRect yer = sari->geometry();
        for (QSize boyut : {f.minimumSize(), f.minimumSize() * 1.2}) {
            f.resize(boyut);
            QCoreApplication::processEvents();
            QCOMPARE(sari->geometry(), yer);
            QVERIFY(f.Masa->rect().contains(yer));
            const QStringList kesilen = Kesilenler(f);
            QVERIFY2(kesilen.isEmpty(), qPrintable(kesilen.join('\n')));
        }
        // The table is its place again in a large window.
        f.resize(TUR_BOYUTU);
        QCoreApplication::processEvents();
        QCOMPARE(f.Masa->size(), f.MasaAlani->viewport()->size());
    }
};

#include "yuzdeformu_test.moc"
ORVANTA_TEST(YuzdeFormuTesti)
