#include "Kumeelemanformu.h"
#include "kumeformu.h"
#include "Kumegirisformu.h"
#include "Metinshape.h"
#include "kaydirmaalani.h"
#include "etkinlikler.h"
#include "kumeyardimci.h"
#include "mesaj.h"
#include "surukle.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {
QList<MetinShape*> PanelKarolari(const QFrame* panel)
{
    return panel->findChildren<MetinShape*>(QString(), Qt::FindDirectChildrenOnly);
}

// How many pixels of a tile show its own colour: what a pupil can find it by.
int RenkliPikseller(MetinShape* karo)
{
    const QColor renk = RenkQ(karo->FontColor);
    const QImage resim = karo->grab().toImage();
    int n = 0;
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x) {
            const QColor c = resim.pixelColor(x, y);
            n += qAbs(c.red() - renk.red()) < 100 && qAbs(c.green() - renk.green()) < 100
                 && qAbs(c.blue() - renk.blue()) < 100;
        }
    return n;
}

QString Metinler(const QList<MetinShape*>& karolar)
{
    QString s;
    for (const MetinShape* k : karolar)
        s += k->Text;
    return s;
}

// Drops every still enabled panel tile of `metin` (the first one found) into `bolge`.
void Yerlestir(TKumeElemanForm& f, QFrame* panel, const QString& metin, int bolge, int sira)
{
    for (MetinShape* k : PanelKarolari(panel))
        if (k->Text == metin && k->isEnabled()) {
            f.Tahta->KumeDragDrop(k, BolgeNoktasi(*f.Tahta, bolge, sira));
            return;
        }
    QFAIL(qPrintable(QStringLiteral("karo yok: ") + metin));
}

// The right answer for ankara and istanbul: a and n in both, the rest in their own set.
void Coz(TKumeElemanForm& f)
{
    int sira = 0;
    Yerlestir(f, f.Panel1, "a", 3, sira++);
    Yerlestir(f, f.Panel1, "n", 3, sira++);
    Yerlestir(f, f.Panel1, "k", 2, sira++);
    Yerlestir(f, f.Panel1, "r", 2, sira++);
    for (const char* h : {"i", "s", "t", "b", "u", "l"})
        Yerlestir(f, f.Panel2, h, 1, sira++);
}

std::function<int(QDialog&)> Kelimeler(const QString& ilk, const QString& ikinci, bool tamam = true)
{
    return [=](QDialog& d) {
        auto& g = dynamic_cast<TKumeGirisForm&>(d);
        g.Edit1->setText(ilk);
        g.Edit2->setText(ikinci);
        (tamam ? g.Button1 : g.Button2)->click();
        return g.result();
    };
}
}

class KumeElemanTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void acilis()
    {
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        QCOMPARE(Metinler(PanelKarolari(f.Panel1)), QStringLiteral("ankara"));
        QCOMPARE(Metinler(PanelKarolari(f.Panel2)), QStringLiteral("istanbul"));
        QCOMPARE(f.Tahta->Model.SeedList.Count(), 0);
        f.Timer1Timer();
        QVERIFY(f.isEnabled());
        QVERIFY(!f.BekleForm);
        QCOMPARE(f.Tahta->Model.SeedList.Count(), 4);
        for (int b = 0; b < 4; ++b)
            QCOMPARE(f.Tahta->RegionAt(f.Tahta->Model.SeedList.Nokta(b)), b);
        QVERIFY(ortam.Kayit.isEmpty());
    }

    // A placed letter greys out in both words, and a greyed letter starts no drag.
    void harf_yerlesince_ayni_harfler_griye_doner()
    {
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        f.show();
        Yerlestir(f, f.Panel2, "a", 1, 0); // the a of istanbul, into B only
        for (QFrame* panel : {f.Panel1, f.Panel2})
            for (MetinShape* k : PanelKarolari(panel)) {
                QCOMPARE(k->isEnabled(), k->Text != QStringLiteral("a"));
                QCOMPARE(k->FontColor, k->Text == QStringLiteral("a") ? clGray : (panel == f.Panel1 ? clRed : clBlue));
            }
        QCOMPARE(f.Tahta->Label3->text(), QStringLiteral("B\\A={a}"));
        QStringList suruklenen;
        SuruklemeSurucusuKur([&](QWidget* k) { suruklenen << static_cast<MetinShape*>(k)->Text; });
        for (MetinShape* k : PanelKarolari(f.Panel1)) {
            QTest::mousePress(k, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseMove(k, QPoint(3 + QApplication::startDragDistance() + 3, 3));
            QTest::mouseRelease(k, Qt::LeftButton, {}, QPoint(3, 3));
        }
        SuruklemeSurucusuKur(nullptr);
        QCOMPARE(suruklenen, QStringList({"n", "k", "r"}));
        f.close();
    }

    void kalem_Kalem_tam_metinle_griler()
    {
        TestOrtami ortam;
        ortam.Modallar.push_back(Kelimeler("Kalem", "kalem"));
        TKumeElemanForm f(nullptr);
        f.YeniProblemActionExecute();
        Yerlestir(f, f.Panel1, "K", 2, 0);
        int gri = 0;
        for (QFrame* panel : {f.Panel1, f.Panel2})
            for (MetinShape* k : PanelKarolari(panel))
                if (!k->isEnabled()) {
                    QCOMPARE(k->Text, QStringLiteral("K"));
                    ++gri;
                }
        QCOMPARE(gri, 1);
        QCOMPARE(f.CommonLetters()->join(','), QStringLiteral("a,e,l,m"));
    }

    void uyumsuz_mesajlar_yok_sayilir()
    {
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        QString a = QStringLiteral("a");
        int etiket = 3;
        MesajGonder(&f, KUME_ELEMAN_BIRAKILDI, MesajParametresi(&a), MesajParametresi(&etiket));
        MesajGonder(&f, KUME_ELEMAN_BIRAKILDI, 0, MesajParametresi(&etiket));
        MesajGonder(&f, KUME_ELEMAN_BIRAKILDI, MesajParametresi(&a), 0);
        for (MetinShape* k : PanelKarolari(f.Panel1))
            QVERIFY(k->isEnabled());
        etiket = 1;
        MesajGonder(&f, KUME_ELEMAN_BIRAKILDI, MesajParametresi(&a), MesajParametresi(&etiket));
        QVERIFY(!PanelKarolari(f.Panel1)[0]->isEnabled());
    }

    void denetle()
    {
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        f.DenetleActionExecute();
        Yerlestir(f, f.Panel1, "k", 2, 0);
        f.DenetleActionExecute();
        QCOMPARE(ortam.Kayit, (QStringList{"ses: 1258", "mesaj: Daha yerleştirilecek metin var", "ses: 1258",
                                           "mesaj: Daha yerleştirilecek metin var"}));
    }

    void sifirladan_sonra_denetle_data()
    {
        QTest::addColumn<QString>("ilk");
        QTest::addColumn<QString>("ikinci");
        QTest::addColumn<QString>("cevap");
        QTest::addRow("ortak harf var") << "ankara" << "istanbul" << "mesaj: Maalesef yanlış cevap verdiniz.\nLütfen Tekrar deneyiniz.";
        QTest::addRow("ortak harf yok") << "ev" << "kus" << "mesaj: Tebrikler!Doğru cevap verdiniz.";
    }
    void sifirladan_sonra_denetle()
    {
        QFETCH(QString, ilk);
        QFETCH(QString, ikinci);
        QFETCH(QString, cevap);
        TestOrtami ortam;
        ortam.Modallar.push_back(Kelimeler(ilk, ikinci));
        TKumeElemanForm f(nullptr);
        f.YeniProblemActionExecute();
        f.ResetActionExecute();
        QVERIFY(PanelKarolari(f.Panel1).isEmpty());
        QVERIFY(PanelKarolari(f.Panel2).isEmpty());
        QVERIFY(f.Tahta->Karolar().isEmpty());
        QCOMPARE(f.Word1(), ilk);
        ortam.Temizle();
        f.DenetleActionExecute();
        QCOMPARE(ortam.Suzulmus("mesaj:"), QStringList{cevap});
    }

    void yeni_problem_degismeyen_durumlar_data()
    {
        QTest::addColumn<QString>("ilk");
        QTest::addColumn<QString>("ikinci");
        QTest::addColumn<bool>("tamam");
        QTest::addRow("iptal") << "kalem" << "defter" << false;
        QTest::addRow("ilk kelime bos") << "" << "defter" << true;
        QTest::addRow("ikinci kelime bos") << "kalem" << "" << true;
    }
    void yeni_problem_degismeyen_durumlar()
    {
        QFETCH(QString, ilk);
        QFETCH(QString, ikinci);
        QFETCH(bool, tamam);
        TestOrtami ortam;
        ortam.Modallar.push_back(Kelimeler(ilk, ikinci, tamam));
        TKumeElemanForm f(nullptr);
        Yerlestir(f, f.Panel1, "k", 2, 0);
        f.YeniProblemActionExecute();
        QCOMPARE(ortam.Kayit, QStringList{"modal: TKumeGirisForm"});
        QCOMPARE(f.Word1(), QStringLiteral("ankara"));
        QCOMPARE(Metinler(PanelKarolari(f.Panel1)), QStringLiteral("ankara"));
        QCOMPARE(f.Tahta->Karolar().size(), 1);
    }

    void garip_kelimeler_data()
    {
        QTest::addColumn<QString>("kelime");
        QTest::addColumn<int>("karo");
        QTest::addRow("tek harf") << "a" << 1;
        QTest::addRow("iki yuz harf") << QString(200, QLatin1Char('w')) << 200;
        QTest::addRow("rakamlar") << "2024 yılı" << 9;
        QTest::addRow("Turkce buyuk harfler") << "İĞDIR ŞÜÇÖ" << 10;
        QTest::addRow("emoji") << "ay😀yıldız🇹🇷" << 10;
        QTest::addRow("en uzun") << QString(400, QChar(0x0130)) << TKumeGirisForm::EN_UZUN_KELIME;
    }
    void garip_kelimeler()
    {
        QFETCH(QString, kelime);
        QFETCH(int, karo);
        TestOrtami ortam;
        ortam.Modallar.push_back([kelime](QDialog& d) {
            auto& g = dynamic_cast<TKumeGirisForm&>(d);
            g.Edit1->setText(kelime);
            g.Edit2->setText(kelime);
            g.Button1->click();
            return 1;
        });
        TKumeElemanForm f(nullptr);
        f.resize(1366, 768);
        f.YeniProblemActionExecute();
        for (QFrame* panel : {f.Panel1, f.Panel2}) {
            const QList<MetinShape*> karolar = PanelKarolari(panel);
            QCOMPARE(karolar.size(), karo);
            for (MetinShape* k : karolar) {
                QVERIFY2(k->geometry().right() < panel->width(), qPrintable(k->Text));
                QVERIFY(k->geometry().bottom() < panel->height());
                QVERIFY(k->width() > 5);
            }
        }
        QVERIFY(f.Panel2->geometry().bottom() < f.TahtaAlani->y());
        // The tiles of every word fit inside its panel; the diagram and labels still work.
        Yerlestir(f, f.Panel1, PanelKarolari(f.Panel1).last()->Text, 3, 0);
        f.IpucuActionExecute();
        f.DenetleActionExecute();
        QVERIFY(f.Tahta->Label4->text().startsWith(QStringLiteral("AnB={")));
        EkranKaydet(&f, QStringLiteral("kume_kelime_") + QString::number(kelime.size()));
    }

    // A board with tiles on it keeps its size; in a smaller window it scrolls
    // and the commands stay in view.
    void kucuk_pencerede_komutlar_gorunur()
    {
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        PencereGoster(f);
        QCoreApplication::processEvents();
        f.Timer1Timer();
        Coz(f);
        const QSize tahta = f.Tahta->size();
        for (QSize boyut : {f.minimumSize(), QSize(700, 600), f.minimumSize() * 1.2}) {
            f.resize(boyut);
            QCoreApplication::processEvents();
            QCOMPARE(f.Tahta->size(), tahta);
            for (QPushButton* d : {f.Button1, f.Button2, f.Button3, f.Button5, f.BitBtn2})
                QVERIFY(QRect(QPoint(0, 0), f.size()).contains(QRect(d->mapTo(&f, QPoint(0, 0)), d->size())));
            QVERIFY(!f.TahtaAlani->geometry().intersects(f.Button3->geometry()));
            const QStringList kesilen = Kesilenler(f);
            QVERIFY2(kesilen.isEmpty(), qPrintable(kesilen.join('\n')));
            if (boyut == QSize(700, 600))
                EkranKaydet(&f, QStringLiteral("kume_700x600"), false);
        }
        f.DenetleActionExecute();
        QCOMPARE(ortam.Suzulmus("mesaj:").last(), QStringLiteral("mesaj: Tebrikler!Doğru cevap verdiniz."));
        f.close();
    }

    // A blank is an element like any letter: its tile can be seen and placed,
    // and the words are solved to the end.
    void bosluklu_kelime_data()
    {
        QTest::addColumn<QString>("ikinci");
        QTest::addColumn<QString>("ipucu");
        QTest::addRow("yalniz ilkinde bosluk") << "ca" << "mesaj: İpucumuz :AnB={c}";
        QTest::addRow("ikisinde de bosluk") << "a c" << "mesaj: İpucumuz :AnB={ ,c}";
    }
    void bosluklu_kelime()
    {
        QFETCH(QString, ikinci);
        QFETCH(QString, ipucu);
        TestOrtami ortam;
        ortam.Modallar.push_back(Kelimeler(QStringLiteral("b c"), ikinci));
        TKumeElemanForm f(nullptr);
        f.resize(1366, 768);
        f.YeniProblemActionExecute();
        ortam.Temizle();
        f.IpucuActionExecute();
        QCOMPARE(ortam.Kayit, (QStringList{"ses: 1256", ipucu}));
        const QStringList ortak = *f.CommonLetters();
        for (QFrame* panel : {f.Panel1, f.Panel2})
            for (MetinShape* k : PanelKarolari(panel)) {
                QVERIFY2(RenkliPikseller(k) >= 10, qPrintable(QStringLiteral("görünmeyen karo: '%1'").arg(k->Text)));
                QVERIFY(panel->rect().contains(k->geometry()));
            }
        int sira = 0;
        for (QFrame* panel : {f.Panel1, f.Panel2})
            for (MetinShape* k : PanelKarolari(panel))
                if (k->isEnabled())
                    f.Tahta->KumeDragDrop(k, BolgeNoktasi(*f.Tahta, ortak.contains(k->Text) ? 3 : (panel == f.Panel1 ? 2 : 1),
                                                          sira++));
        // The blank placed on the board shows there too.
        bool bosluk = false;
        for (MetinShape* k : f.Tahta->Karolar())
            if (k->Text == QStringLiteral(" ")) {
                bosluk = true;
                QVERIFY(RenkliPikseller(k) >= 10);
            }
        QVERIFY(bosluk);
        ortam.Temizle();
        f.DenetleActionExecute();
        QCOMPARE(ortam.Kayit, (QStringList{"ses: 1257", "mesaj: Tebrikler!Doğru cevap verdiniz."}));
        EkranKaydet(&f, QStringLiteral("kume_bosluklu_") + QString::number(ortak.size()));
    }

    // ankara and istanbul by keys alone: each letter picked up with Space,
    // carried by Tab to a region of the diagram and dropped with Enter; the
    // focus goes on by itself to the next letter still to be placed.
    void klavyeyle_cozum()
    {
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        // The regions are ready before the window takes the keyboard.
        f.Timer1Timer();
        QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
        int tuslar = 0;
        // The region under the carried picture's top left, where the tile will land.
        auto tasinanBolge = [&] {
            const std::optional<QPoint> nokta = KlavyeTasimaNoktasi();
            return nokta ? f.Tahta->RegionAt(f.Tahta->mapFromGlobal(*nokta)) : -1;
        };
        const QList<MetinShape*> ilkler = PanelKarolari(f.Panel1);
        tuslar += SekmeIle(ilkler.first(), false, 10);
        QCOMPARE(QApplication::focusWidget(), ilkler.first());
        const QList<QPair<QString, int>> plan = {{"a", 3}, {"n", 3}, {"k", 2}, {"r", 2}, {"i", 1},
                                                 {"s", 1}, {"t", 1}, {"b", 1}, {"u", 1}, {"l", 1}};
        for (const auto& [harf, bolge] : plan) {
            auto* karo = qobject_cast<MetinShape*>(QApplication::focusWidget());
            QVERIFY(karo);
            QCOMPARE(karo->Text, harf);
            tuslar += TuslaraBas({Qt::Key_Space});
            QCOMPARE(KlavyeIleTasinan(), karo);
            tuslar += KosulaKadarSekme([&, bolge = bolge] { return tasinanBolge() == bolge; }, 3);
            QCOMPARE(tasinanBolge(), bolge);
            // A reader hears the region under the tile.
            QCOMPARE(OkunanAd(f.Tahta), QStringLiteral("Venn şeması, ") + f.Tahta->Model.BolgeAdi(bolge));
            if (harf == QStringLiteral("k"))
                EkranKaydet(&f, QStringLiteral("kume_klavyeyle_tasinan"));
            tuslar += TuslaraBas({Qt::Key_Return});
            QVERIFY(!karo->isEnabled());
        }
        QCOMPARE(ortam.Kayit, QStringList());
        QCOMPARE(f.Tahta->Label4->text(), QStringLiteral("AnB={a,n}"));
        QCOMPARE(f.Tahta->Label5->text(), QStringLiteral("AUB={a,b,i,k,l,n,r,s,t,u}"));
        // No tile lies over another: each can still be reached and read.
        const QList<MetinShape*> yerlesenler = f.Tahta->Karolar();
        for (int i = 0; i < yerlesenler.size(); ++i)
            for (int j = i + 1; j < yerlesenler.size(); ++j)
                QVERIFY(!yerlesenler[i]->geometry().intersects(yerlesenler[j]->geometry()));
        // On the way to "Denetle", the intersection is painted yellow.
        tuslar += SekmeIle(f.Tahta, false, 20);
        tuslar += TuslaraBas({Qt::Key_Right});
        tuslar += TuslaraBas({Qt::Key_Space});
        QCOMPARE(f.Tahta->Model.SeedList.Deger(3), 1);
        EkranKaydet(&f, QStringLiteral("kume_klavyeyle_cozuldu"));
        tuslar += SekmeIle(f.Button3, false, 20);
        tuslar += TuslaraBas({Qt::Key_Space});
        QCOMPARE(ortam.Kayit, (QStringList{"ses: 1257", "mesaj: Tebrikler!Doğru cevap verdiniz."}));
        qInfo("tuşlar: %d", tuslar);
        f.close();
    }

    // What a reader hears follows the board: the a of ankara placed in AnB
    // (the a of istanbul greys with it), the left circle renamed by keys.
    void okunuslar()
    {
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        f.Timer1Timer();
        MetinShape* karo = PanelKarolari(f.Panel1).first();
        QCOMPARE(OkunanAd(karo), QStringLiteral("a, A kümesinin elemanı"));
        QCOMPARE(OkunanAd(f.Tahta->Label4), QStringLiteral("A kesişim B: boş"));
        Yerlestir(f, f.Panel1, "a", 3, 0);
        ortam.Girdiler.push_back(QStringLiteral("X"));
        QTest::keyClick(f.Tahta->NameLabels[0], Qt::Key_Return);
        QCOMPARE(OkunanAd(karo), QStringLiteral("a, A kümesinin elemanı, yerleştirildi"));
        QCOMPARE(OkunanAd(PanelKarolari(f.Panel2)[3]), QStringLiteral("a, B kümesinin elemanı, yerleştirildi"));
        QCOMPARE(OkunanAd(f.Tahta->Karolar().value(0)), QStringLiteral("a, A ile B'nin kesişiminde"));
        QCOMPARE(OkunanAd(f.Tahta->Label4), QStringLiteral("A kesişim B: a"));
        QCOMPARE(OkunanAd(f.Tahta->NameLabels[0]), QStringLiteral("Sol çemberin adı: X"));
    }

    // With the focus on the diagram, the arrow keys choose a region and
    // Space or Enter highlights it, as a click on it does.
    void bolge_vurgusu_klavyeyle_data()
    {
        QTest::addColumn<QList<int>>("tuslar");
        QTest::addColumn<QList<int>>("vurgulu");
        QTest::addColumn<QString>("okunus");
        const QString on = QStringLiteral("seçili bölge: ");
        QTest::newRow("sag_ok_kesisim") << QList<int>{Qt::Key_Right, Qt::Key_Return} << QList<int>{3}
                                        << on + QStringLiteral("A ile B'nin kesişimi, sarıya boyalı");
        QTest::newRow("sol_ok_disarisi") << QList<int>{Qt::Key_Left, Qt::Key_Space} << QList<int>{0}
                                         << on + QStringLiteral("çemberlerin dışı, sarıya boyalı");
        QTest::newRow("iki_kez_geri_alir") << QList<int>{Qt::Key_Space, Qt::Key_Space} << QList<int>{}
                                           << on + QStringLiteral("yalnız A");
        QTest::newRow("iki_bolge") << QList<int>{Qt::Key_Space, Qt::Key_Up, Qt::Key_Enter} << QList<int>{0, 2}
                                   << on + QStringLiteral("çemberlerin dışı, sarıya boyalı");
    }
    void bolge_vurgusu_klavyeyle()
    {
        QFETCH(QList<int>, tuslar);
        QFETCH(QList<int>, vurgulu);
        QFETCH(QString, okunus);
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        f.Timer1Timer();
        for (int tus : tuslar)
            QTest::keyClick(f.Tahta, Qt::Key(tus));
        QList<int> bulunan;
        for (int b = 0; b < 4; ++b)
            if (f.Tahta->Model.SeedList.Deger(b) == 1)
                bulunan << b;
        QCOMPARE(bulunan, vurgulu);
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Tahta)->text(QAccessible::Description), okunus);
    }

    void tur()
    {
        TestOrtami ortam;
        TKumeElemanForm f(nullptr);
        QVERIFY(EtkinPencereGoster(f, TUR_BOYUTU));
        QCoreApplication::processEvents();
        f.Timer1Timer();
        EkranKaydet(&f, QStringLiteral("kume_baslangic"));

        int sira = 0;
        Yerlestir(f, f.Panel1, "a", 3, sira++);
        Yerlestir(f, f.Panel1, "k", 2, sira++);
        Yerlestir(f, f.Panel2, "s", 1, sira++);
        Yerlestir(f, f.Panel2, "t", 1, sira++);
        f.Tahta->KumeDragDrop(PanelKarolari(f.Panel1)[4], BolgeNoktasi(*f.Tahta, 1, 5));
        QCOMPARE(ortam.Suzulmus("mesaj:"), QStringList{"mesaj: Bu bölge bırakmak için uygun değil"});
        {
            // The refusal as the pupil sees it, drawn over the window.
            QMessageBox kutu(QMessageBox::NoIcon, QStringLiteral("Orvanta (6)"),
                             QStringLiteral("Bu bölge bırakmak için uygun değil"), QMessageBox::Ok, &f);
            kutu.setWindowFlags(Qt::Widget);
            kutu.setAutoFillBackground(true);
            kutu.setStyleSheet(QStringLiteral("QMessageBox { border: 2px solid #808080; background: #f0f0f0; }"));
            kutu.adjustSize();
            kutu.move((f.width() - kutu.width()) / 2, (f.height() - kutu.height()) / 2);
            kutu.show();
            EkranKaydet(&f, QStringLiteral("kume_yarim_yasak_birakma"));
        }
        f.Tahta->ResetBoard();
        for (QFrame* panel : {f.Panel1, f.Panel2})
            for (MetinShape* k : PanelKarolari(panel)) {
                k->setEnabled(true);
                k->FontColor = panel == f.Panel1 ? clRed : clBlue;
            }
        Coz(f);
        const QPoint bos = BolgeNoktasi(*f.Tahta, 3, 5);
        QTest::mouseClick(f.Tahta, Qt::LeftButton, {}, bos);
        const QImage resim = f.Tahta->grab().toImage();
        QCOMPARE(resim.pixelColor(bos * f.devicePixelRatioF()), QColor(Qt::yellow));
        EkranKaydet(&f, QStringLiteral("kume_cozuldu_vurgulu"));
        f.DenetleActionExecute();
        QCOMPARE(ortam.Suzulmus("mesaj:").last(), QStringLiteral("mesaj: Tebrikler!Doğru cevap verdiniz."));
        f.close();
    }
};

#include "kumeelemanformu_test.moc"
ORVANTA_TEST(KumeElemanTesti)
