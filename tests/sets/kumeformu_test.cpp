#include "kumeformu.h"
#include "Metinshape.h"
#include "kumeyardimci.h"
#include "mesaj.h"
#include "testana.h"
#include "testortami.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

namespace {
// Stands for the exercise window: it holds a word panel and the board and
// writes down every element-placed message.
class KayitciPencere : public QWidget
{
public:
    KayitciPencere()
    {
        resize(800, 500);
        Panel = new QFrame(this);
        Panel->setGeometry(150, 2, 300, 39);
        Tahta = new TKumeForm(this);
        Tahta->setGeometry(20, 91, 750, 354);
        Tahta->AddCircle(1, {162, 177}, 152, false);
        Tahta->AddCircle(2, {324, 177}, 152, false);
    }
    MetinShape* Karo(const QString& metin, int etiket, TRenk renk = clRed)
    {
        auto* k = new MetinShape(Panel, metin);
        k->Tag = etiket;
        k->FontColor = renk;
        k->FitToText();
        return k;
    }
    QFrame* Panel;
    TKumeForm* Tahta;
    QStringList Mesajlar;

protected:
    bool event(QEvent* olay) override
    {
        if (auto* m = NumaraliMi(olay, KUME_ELEMAN_BIRAKILDI)) {
            Mesajlar << *MesajIsaretcisi<QString>(m->WParam) + QLatin1Char('/')
                            + QString::number(*MesajIsaretcisi<int>(m->LParam));
            return true;
        }
        return QWidget::event(olay);
    }
};

QStringList Etiketler(const TKumeForm& t)
{
    return {t.Label2->text(), t.Label3->text(), t.Label4->text(),
            t.Label6->text(), t.Label7->text(), t.Label5->text()};
}
}

class KumeFormTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void yasak_bolgeler_data()
    {
        QTest::addColumn<int>("etiket");
        QTest::addColumn<int>("bolge");
        QTest::addRow("ilk kelime yalniz B") << 1 << 1;
        QTest::addRow("ikinci kelime disarida") << 2 << 0;
    }
    void yasak_bolgeler()
    {
        QFETCH(int, etiket);
        QFETCH(int, bolge);
        TestOrtami ortam;
        KayitciPencere p;
        MetinShape* k = p.Karo("a", etiket);
        QVERIFY(p.Tahta->KumeDragOver(k, BolgeNoktasi(*p.Tahta, bolge)));
        p.Tahta->KumeDragDrop(k, BolgeNoktasi(*p.Tahta, bolge));
        QCOMPARE(ortam.Kayit, QStringList{"mesaj: Bu bölge bırakmak için uygun değil"});
        QVERIFY(p.Tahta->Karolar().isEmpty());
        QVERIFY(p.Mesajlar.isEmpty());
        QCOMPARE(k->parentWidget(), p.Panel);
    }

    void izinli_birakma_kopya_yapar_ve_haber_verir()
    {
        TestOrtami ortam;
        KayitciPencere p;
        MetinShape* k = p.Karo("s", 2, clBlue);
        const QPoint yer = BolgeNoktasi(*p.Tahta, 3);
        p.Tahta->KumeDragDrop(k, yer);
        QVERIFY(ortam.Kayit.isEmpty());
        QCOMPARE(p.Mesajlar, QStringList{"s/2"});
        QCOMPARE(k->parentWidget(), p.Panel);
        const QList<MetinShape*> karolar = p.Tahta->Karolar();
        QCOMPARE(karolar.size(), 1);
        QCOMPARE(karolar[0]->pos(), yer);
        QCOMPARE(karolar[0]->Text, QStringLiteral("s"));
        QCOMPARE(karolar[0]->Tag, 2);
        QCOMPARE(karolar[0]->FontColor, clBlue);
        QVERIFY(karolar[0]->isVisibleTo(p.Tahta));
        QCOMPARE(Etiketler(*p.Tahta), (QStringList{"A\\B={}", "B\\A={}", "AnB={s}", "A={s}", "B={s}", "AUB={s}"}));
    }

    void etiketler_birakmalari_izler()
    {
        TestOrtami ortam;
        KayitciPencere p;
        TKumeForm& t = *p.Tahta;
        t.KumeDragDrop(p.Karo("k", 1), BolgeNoktasi(t, 2, 0));
        t.KumeDragDrop(p.Karo("a", 1), BolgeNoktasi(t, 2, 1));
        QCOMPARE(t.Label2->text(), QStringLiteral("A\\B={a,k}"));
        t.KumeDragDrop(p.Karo("b", 2), BolgeNoktasi(t, 1, 0));
        t.KumeDragDrop(p.Karo("a", 2), BolgeNoktasi(t, 3, 0));
        t.KumeDragDrop(p.Karo("n", 1), BolgeNoktasi(t, 3, 1));
        QCOMPARE(Etiketler(t), (QStringList{"A\\B={a,k}", "B\\A={b}", "AnB={a,n}", "A={a,k,n}", "B={a,b,n}",
                                            "AUB={a,b,k,n}"}));
        QCOMPARE(p.Mesajlar, (QStringList{"k/1", "a/1", "b/2", "a/2", "n/1"}));
    }

    void tahtadaki_karo_tasinir()
    {
        TestOrtami ortam;
        KayitciPencere p;
        TKumeForm& t = *p.Tahta;
        t.KumeDragDrop(p.Karo("r", 1), BolgeNoktasi(t, 2));
        MetinShape* tahtada = t.Karolar().value(0);
        QVERIFY(tahtada);
        p.Mesajlar.clear();
        t.KumeDragDrop(tahtada, BolgeNoktasi(t, 3));
        QCOMPARE(t.Karolar(), QList<MetinShape*>{tahtada});
        QCOMPARE(tahtada->pos(), BolgeNoktasi(t, 3));
        QCOMPARE(t.Label2->text(), QStringLiteral("A\\B={}"));
        QCOMPARE(t.Label4->text(), QStringLiteral("AnB={r}"));
        QCOMPARE(p.Mesajlar, QStringList{"r/1"});
        // Into B only it may not go, and stays where it was.
        t.KumeDragDrop(tahtada, BolgeNoktasi(t, 1));
        QCOMPARE(tahtada->pos(), BolgeNoktasi(t, 3));
        QCOMPARE(ortam.Kayit, QStringList{"mesaj: Bu bölge bırakmak için uygun değil"});
    }

    // Two spellings of one letter in a region: the list shows the one of the
    // tile made last, also after the other one was moved (and so raised).
    void karo_sirasi_tasimayla_degismez()
    {
        TestOrtami ortam;
        KayitciPencere p;
        TKumeForm& t = *p.Tahta;
        t.KumeDragDrop(p.Karo("K", 1), BolgeNoktasi(t, 2, 0));
        t.KumeDragDrop(p.Karo("k", 1), BolgeNoktasi(t, 2, 1));
        QCOMPARE(t.Label2->text(), QStringLiteral("A\\B={k}"));
        MetinShape* buyuk = t.Karolar().first();
        t.KumeDragDrop(buyuk, BolgeNoktasi(t, 2, 2));
        QCOMPARE(t.Label2->text(), QStringLiteral("A\\B={k}"));
        QCOMPARE(t.Karolar().first(), buyuk);
    }

    void karo_olmayan_kaynaklar_yok_sayilir()
    {
        TestOrtami ortam;
        KayitciPencere p;
        QWidget baska(&p);
        QObject nesne;
        for (QObject* kaynak : {static_cast<QObject*>(p.Tahta->NameLabels[0]),
                                static_cast<QObject*>(p.Tahta->Label4), static_cast<QObject*>(&baska), &nesne}) {
            QVERIFY(p.Tahta->KumeDragOver(kaynak, {243, 177}));
            p.Tahta->KumeDragDrop(kaynak, {243, 177});
        }
        p.Tahta->KumeDragDrop(nullptr, {243, 177});
        QVERIFY(!p.Tahta->KumeDragOver(nullptr, {243, 177}));
        QVERIFY(ortam.Kayit.isEmpty());
        QVERIFY(p.Tahta->Karolar().isEmpty());
    }

    void cember_adi_degisir_data()
    {
        QTest::addColumn<std::optional<QString>>("cevap");
        QTest::addColumn<QString>("ad");
        QTest::addRow("yeni ad") << std::optional<QString>(QStringLiteral("Şehirler")) << QStringLiteral("Şehirler");
        QTest::addRow("bos ad") << std::optional<QString>(QString()) << QStringLiteral("A");
        QTest::addRow("vazgecildi") << std::optional<QString>() << QStringLiteral("A");
        QTest::addRow("yazi bicimi yorumlanmaz") << std::optional<QString>(QStringLiteral("<b>K</b>"))
                                                 << QStringLiteral("<b>K</b>");
    }
    void cember_adi_degisir()
    {
        QFETCH(std::optional<QString>, cevap);
        QFETCH(QString, ad);
        TestOrtami ortam;
        ortam.Girdiler.push_back(cevap);
        KayitciPencere p;
        QLabel* etiket = p.Tahta->NameLabels[0];
        QTest::mouseClick(etiket, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(ortam.Kayit, QStringList{"girdi: Çember İsmi | Yeni İsmi Giriniz:"});
        QCOMPARE(etiket->text(), ad);
        QCOMPARE(etiket->textFormat(), Qt::PlainText);
        QVERIFY(etiket->width() >= 50);
        QCOMPARE(p.Tahta->Label6->text(), QStringLiteral("A={}"));
        QCOMPARE(p.Tahta->NameLabels[1]->text(), QStringLiteral("B"));
    }

    void bolge_tiklaninca_sarariyor()
    {
        TestOrtami ortam;
        KayitciPencere p;
        TKumeForm& t = *p.Tahta;
        t.ComputeRegions();
        QCOMPARE(t.Model.SeedList.Count(), 4);
        const QPoint kesisim = BolgeNoktasi(t, 3);
        auto renk = [&](QPoint yer) { return t.grab().toImage().pixelColor(yer * t.devicePixelRatioF()); };
        QCOMPARE(renk(kesisim), QColor(Qt::white));
        QTest::mouseClick(&t, Qt::LeftButton, {}, kesisim);
        QCOMPARE(renk(kesisim), QColor(Qt::yellow));
        QCOMPARE(renk(BolgeNoktasi(t, 2)), QColor(Qt::white));
        // A press on a tile belongs to the tile, not to the region under it.
        t.KumeDragDrop(p.Karo("n", 1), BolgeNoktasi(t, 3, 2));
        QTest::mouseClick(t.Karolar()[0], Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(t.Model.SeedList.Deger(3), 1);
        QTest::mouseClick(&t, Qt::LeftButton, {}, kesisim);
        QCOMPARE(renk(kesisim), QColor(Qt::white));
        QTest::mouseClick(&t, Qt::LeftButton, {}, BolgeNoktasi(t, 0));
        QCOMPARE(renk(BolgeNoktasi(t, 0)), QColor(Qt::yellow));
    }

    void tahta_sifirlanir()
    {
        TestOrtami ortam;
        KayitciPencere p;
        TKumeForm& t = *p.Tahta;
        t.KumeDragDrop(p.Karo("k", 1), BolgeNoktasi(t, 2));
        t.KumeDragDrop(p.Karo("u", 2), BolgeNoktasi(t, 1));
        QCOMPARE(t.Karolar().size(), 2);
        t.ResetBoard();
        QVERIFY(t.Karolar().isEmpty());
        QCOMPARE(Etiketler(t), (QStringList{"A\\B={}", "B\\A={}", "AnB={}", "A={}", "B={}", "AUB={}"}));
        QCOMPARE(p.Panel->findChildren<MetinShape*>().size(), 2);
    }
};

#include "kumeformu_test.moc"
ORVANTA_TEST(KumeFormTesti)
