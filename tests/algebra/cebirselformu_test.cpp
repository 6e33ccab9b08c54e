#include "Cebirselformu.h"
#include "Spreadsheetdegiskenler.h"
#include "etkinlikler.h"
#include "mesaj.h"
#include "testana.h"
#include "testortami.h"
#include "tuslar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

const QString DONGU = QStringLiteral("mesaj: Döngüsel hesaplama hatası");

std::unique_ptr<TTheCebirselForm> YeniPencere()
{
    auto pencere = std::make_unique<TTheCebirselForm>(nullptr);
    pencere->show();
    return pencere;
}

// Types `metin` into the cell (sutun, satir) as a pupil does: the first key
// opens the editor, the rest go into it; Enter commits when `enter` is set.
void HucreyeYaz(TTheCebirselForm& p, int sutun, int satir, const QString& metin, bool enter = true)
{
    p.StringGrid1->setCurrentCell(satir, sutun);
    QWidget* hedef = p.StringGrid1;
    for (const QChar c : metin) {
        QTest::sendKeyEvent(QTest::Click, hedef, Qt::Key_unknown, QString(c), Qt::NoModifier);
        // A closed editor lingers hidden until deleted: take the open one.
        for (QLineEdit* duzenleyici : p.StringGrid1->viewport()->findChildren<QLineEdit*>())
            if (duzenleyici->isVisibleTo(p.StringGrid1->viewport()))
                hedef = duzenleyici;
    }
    if (enter)
        QTest::keyClick(hedef, Qt::Key_Return);
}

void DegiskenEkle(TTheCebirselForm& p, const QString& ad, const QString& deger)
{
    p.Edit2->clear();
    for (const QChar c : ad)
        QTest::sendKeyEvent(QTest::Click, p.Edit2, Qt::Key_unknown, QString(c), Qt::NoModifier);
    p.Edit3->setText(deger);
    p.Button2->click();
}

// Row 0 of the variables grid is its header.
QString DegiskenHucresi(TTheCebirselForm& p, int sutun, int satir)
{
    const QTableWidgetItem* oge =
        satir == 0 ? p.DegiskenStringGrid->horizontalHeaderItem(sutun) : p.DegiskenStringGrid->item(satir - 1, sutun);
    return oge ? oge->text() : QString();
}

// The name a reader gives cell (sutun, satir) of a grid, counted as the grid counts.
QString HucreAdi(QTableWidget* tablo, int satir, int sutun)
{
    QAccessibleInterface* oge = QAccessible::queryAccessibleInterface(tablo);
    QAccessibleInterface* hucre = oge && oge->tableInterface() ? oge->tableInterface()->cellAt(satir, sutun) : nullptr;
    return hucre ? hucre->text(QAccessible::Name) : QStringLiteral("(yok)");
}

} // namespace

class CebirselFormuTesti : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(AcikPencereler(), QStringList()); }

    void acilis()
    {
        TestOrtami ortam;
        ortam.VarsayilanModal = [](QDialog&) { return 0; };
        std::unique_ptr<QDialog> pencere(EtkinlikOlustur(8, nullptr));
        auto* form = qobject_cast<TTheCebirselForm*>(pencere.get());
        QVERIFY(form);
        QCOMPARE(form->GosterilenMetin(0, 0), QStringLiteral("*"));
        QCOMPARE(form->GosterilenMetin(1, 0), QStringLiteral("A"));
        QCOMPARE(form->GosterilenMetin(4, 0), QStringLiteral("D"));
        QCOMPARE(form->GosterilenMetin(0, 9), QStringLiteral("9"));
        QCOMPARE(DegiskenHucresi(*form, 0, 0), QStringLiteral("Değişkenler"));
        QCOMPARE(DegiskenHucresi(*form, 1, 0), QStringLiteral("Değerler"));
        QVERIFY(!form->Aciklama());
        QVERIFY(form->Edit1->isReadOnly());
        QCOMPARE(form->Button3->text(), QStringLiteral("Açıklama"));
    }

    void yazmaBuyukHarfeCevirir_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<QString>("hucre");
        QTest::newRow("kucuk_harfler") << "2x+y" << "2X+Y";
        QTest::newRow("turkce_harfler_kalir") << "ışğüöç" << "ışğüöç";
        QTest::newRow("i_noktali") << "i" << "I";
        QTest::newRow("rakam_ve_isaret") << "1,5*(2-3)" << "1,5*(2-3)";
    }
    void yazmaBuyukHarfeCevirir()
    {
        QFETCH(QString, yazilan);
        QFETCH(QString, hucre);
        TestOrtami ortam;
        auto p = YeniPencere();
        HucreyeYaz(*p, 2, 1, yazilan);
        QCOMPARE(p->HucreMetni(2, 1), hucre);
        QCOMPARE(p->Edit1->text(), hucre);
        QVERIFY(ortam.Kayit.isEmpty());
    }

    void hesapTablosu()
    {
        TestOrtami ortam;
        auto p = YeniPencere();
        HucreyeYaz(*p, 2, 1, QStringLiteral("2+3"));
        QCOMPARE(p->GosterilenMetin(2, 1), QStringLiteral("5.0"));
        HucreyeYaz(*p, 2, 2, QStringLiteral("b1*2"));
        QCOMPARE(p->HucreMetni(2, 2), QStringLiteral("B1*2"));
        QCOMPARE(p->GosterilenMetin(2, 2), QStringLiteral("10.0"));
        // The explanation shows the text of cells that have a capital.
        p->CheckBox1->click();
        QVERIFY(p->Aciklama());
        QCOMPARE(p->GosterilenMetin(2, 2), QStringLiteral("B1*2=10.0"));
        QCOMPARE(p->GosterilenMetin(2, 1), QStringLiteral("5.0"));
        // A reader hears the text and the value once, and empty cells as such.
        QCOMPARE(HucreAdi(p->StringGrid1, 2, 2), QStringLiteral("B2, B1*2, değeri 10.0"));
        QCOMPARE(HucreAdi(p->StringGrid1, 1, 1), QStringLiteral("A1, boş"));
        p->CheckBox1->click();
        QCOMPARE(p->GosterilenMetin(2, 2), QStringLiteral("10.0"));
        HucreyeYaz(*p, 1, 3, QStringLiteral("1/0"));
        QCOMPARE(p->GosterilenMetin(1, 3), QStringLiteral("İfadede hata var!"));
        QCOMPARE(HucreAdi(p->StringGrid1, 3, 1), QStringLiteral("A3, 1/0, İfadede hata var!"));
        // Selecting a cell shows its raw text.
        p->StringGrid1->setCurrentCell(2, 2);
        QCOMPARE(p->Edit1->text(), QStringLiteral("B1*2"));
        p->StringGrid1->setCurrentCell(6, 3);
        QCOMPARE(p->Edit1->text(), QString());
        // Enter on a cell that is not being edited commits it as it is.
        p->StringGrid1->setCurrentCell(1, 2);
        QTest::keyClick(p->StringGrid1, Qt::Key_Return);
        QCOMPARE(p->HucreMetni(2, 1), QStringLiteral("2+3"));
        QCOMPARE(p->Edit1->text(), QStringLiteral("2+3"));
        QVERIFY(ortam.Kayit.isEmpty());
    }

    void degiskenler()
    {
        TestOrtami ortam;
        auto p = YeniPencere();
        DegiskenEkle(*p, QStringLiteral("x"), QStringLiteral("4"));
        QCOMPARE(p->Edit2->text(), QStringLiteral("X"));
        QCOMPARE(DegiskenHucresi(*p, 0, 1), QStringLiteral("X"));
        QCOMPARE(DegiskenHucresi(*p, 1, 1), QStringLiteral("4"));
        HucreyeYaz(*p, 1, 1, QStringLiteral("2x"));
        QCOMPARE(p->GosterilenMetin(1, 1), QStringLiteral("8.0"));
        QCOMPARE(HucreAdi(p->StringGrid1, 1, 1), QStringLiteral("A1, 2X, değeri 8.0"));
        DegiskenEkle(*p, QStringLiteral("y"), QStringLiteral("0.5"));
        QCOMPARE(DegiskenHucresi(*p, 0, 2), QStringLiteral("Y"));
        DegiskenEkle(*p, QStringLiteral("x"), QStringLiteral("5"));
        QCOMPARE(DegiskenHucresi(*p, 0, 1), QStringLiteral("X"));
        QCOMPARE(DegiskenHucresi(*p, 1, 1), QStringLiteral("5"));
        QCOMPARE(DegiskenHucresi(*p, 1, 2), QStringLiteral("0.5"));
        QCOMPARE(p->GosterilenMetin(1, 1), QStringLiteral("10.0"));
        QCOMPARE(HucreAdi(p->StringGrid1, 1, 1), QStringLiteral("A1, 2X, değeri 10.0"));
        QCOMPARE(HucreAdi(p->DegiskenStringGrid, 0, 0), QStringLiteral("Değişken: X"));
        QVERIFY(ortam.Kayit.isEmpty());
    }

    // Cells, a variable and a cell that uses it, by keys alone: typing opens a
    // cell's editor, Enter commits, the arrows move, Tab goes from the grid
    // through the variable's boxes to "Değişken Ekle".
    void klavyeyle_tablo()
    {
        TestOrtami ortam;
        TTheCebirselForm p(nullptr);
        QVERIFY(EtkinPencereGoster(p, TUR_BOYUTU));
        QCOMPARE(QApplication::focusWidget(), p.StringGrid1);
        int tuslar = 0;
        tuslar += MetniBas(QStringLiteral("2+3"));
        tuslar += TuslaraBas({Qt::Key_Return, Qt::Key_Down});
        tuslar += MetniBas(QStringLiteral("a1*2"));
        tuslar += TuslaraBas({Qt::Key_Return});
        QCOMPARE(p.GosterilenMetin(1, 1), QStringLiteral("5.0"));
        QCOMPARE(p.GosterilenMetin(1, 2), QStringLiteral("10.0"));
        QCOMPARE(p.Edit1->text(), QStringLiteral("A1*2"));

        tuslar += TuslaraBas(QList<int>(2, Qt::Key_Tab));
        QCOMPARE(QApplication::focusWidget(), p.Edit2);
        tuslar += MetniBas(QStringLiteral("x"));
        tuslar += TuslaraBas({Qt::Key_Tab});
        tuslar += MetniBas(QStringLiteral("4"));
        tuslar += TuslaraBas({Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), p.Button2);
        tuslar += TuslaraBas({Qt::Key_Space});
        QCOMPARE(DegiskenHucresi(p, 0, 1), QStringLiteral("X"));
        tuslar += TuslaraBas({Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), p.DegiskenStringGrid);

        tuslar += TuslaraBas(QList<int>(5, Qt::Key_Backtab));
        QCOMPARE(QApplication::focusWidget(), p.StringGrid1);
        tuslar += TuslaraBas({Qt::Key_Down});
        tuslar += MetniBas(QStringLiteral("2x"));
        tuslar += TuslaraBas({Qt::Key_Return});
        QCOMPARE(p.HucreMetni(1, 3), QStringLiteral("2X"));
        QCOMPARE(p.GosterilenMetin(1, 3), QStringLiteral("8.0"));
        QVERIFY(ortam.Kayit.isEmpty());
        qInfo("tablo %d tuşla dolduruldu", tuslar);
        p.close();
    }

    void degiskenGirdileri_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("deger");
        QTest::addColumn<QStringList>("kayit");
        QTest::addColumn<int>("degiskenSayisi");
        const QStringList ret{QStringLiteral("mesaj: Değişken yalnızca harften oluşmalıdır")};
        QTest::newRow("rakamli_ad") << "x1" << "3" << ret << 0;
        QTest::newRow("turkce_harfli_ad") << "ş" << "3" << ret << 0;
        QTest::newRow("bos_ad") << "" << "3" << QStringList() << 0;
        QTest::newRow("bos_deger") << "A" << "" << QStringList() << 0;
        QTest::newRow("sayi_olmayan_deger") << "A" << "abc" << QStringList() << 1;
        QTest::newRow("virgullu_deger") << "A" << "2,5" << QStringList() << 1;
    }
    void degiskenGirdileri()
    {
        QFETCH(QString, ad);
        QFETCH(QString, deger);
        QFETCH(QStringList, kayit);
        QFETCH(int, degiskenSayisi);
        TestOrtami ortam;
        auto p = YeniPencere();
        DegiskenEkle(*p, ad, deger);
        QCOMPARE(ortam.Kayit, kayit);
        QCOMPARE(p->Cozucu().Liste().Sayi(), degiskenSayisi);
    }

    // Every variable stays visible, however many the pupil defines.
    void yirmidenFazlaDegisken()
    {
        TestOrtami ortam;
        auto p = YeniPencere();
        for (int i = 0; i < 24; ++i)
            DegiskenEkle(*p, QStringLiteral("V") + QChar(char16_t(u'A' + i)), QString::number(i));
        QVERIFY(p->DegiskenStringGrid->rowCount() + 1 >= 25);
        QCOMPARE(DegiskenHucresi(*p, 0, 24), QStringLiteral("VX"));
        QCOMPARE(DegiskenHucresi(*p, 1, 24), QStringLiteral("23"));
        EkranKaydet(p.get(), QStringLiteral("cebir_cok_degisken"));
        QVERIFY(ortam.Kayit.isEmpty());
    }

    void dongu()
    {
        TestOrtami ortam;
        auto p = YeniPencere();
        HucreyeYaz(*p, 1, 1, QStringLiteral("B1"));
        QVERIFY(ortam.Kayit.isEmpty());
        HucreyeYaz(*p, 2, 1, QStringLiteral("A1+1"));
        QCOMPARE(ortam.Kayit, QStringList{DONGU});
        QCOMPARE(p->HucreMetni(2, 1), QString());
        QCOMPARE(p->HucreMetni(1, 1), QStringLiteral("B1"));
        QCOMPARE(p->Edit1->text(), QString());
        // A cell that refers to itself.
        ortam.Temizle();
        HucreyeYaz(*p, 3, 3, QStringLiteral("c3*2"));
        QCOMPARE(ortam.Kayit, QStringList{DONGU});
        QCOMPARE(p->HucreMetni(3, 3), QString());
    }

    // A cycle left in the grid without Enter is painted quietly, as often as
    // the grid is painted.
    void boyamaMesajAcmaz()
    {
        TestOrtami ortam;
        auto p = YeniPencere();
        HucreyeYaz(*p, 1, 1, QStringLiteral("B1"));
        HucreyeYaz(*p, 2, 1, QStringLiteral("A1"), false);
        p->StringGrid1->setCurrentCell(5, 4);
        QCOMPARE(p->HucreMetni(2, 1), QStringLiteral("A1"));
        for (int i = 0; i < 3; ++i)
            p->StringGrid1->grab();
        QCOMPARE(p->GosterilenMetin(2, 1), QStringLiteral("0.0"));
        QVERIFY(ortam.Kayit.isEmpty());
    }

    // Each cell refers twice to the one before it: a repaint evaluates each
    // referenced cell once, not 2^35 times.
    void ikiyeKatlananSayfaBoyanir()
    {
        TestOrtami ortam;
        auto p = YeniPencere();
        QString onceki;
        for (int sutun = 1; sutun <= 4; ++sutun)
            for (int satir = 1; satir <= 9; ++satir) {
                p->HucreMetniYaz(sutun, satir, onceki.isEmpty() ? QStringLiteral("1") : onceki + QLatin1Char('+') + onceki);
                onceki = QString(QChar(char16_t(u'A' + sutun - 1))) + QString::number(satir);
            }
        const long long once = p->Cozucu().HucreDegerlendirmeSayisi();
        p->StringGrid1->grab();
        QVERIFY(p->Cozucu().HucreDegerlendirmeSayisi() - once <= 36);
        // Enter on the last cell needs no more than another repaint.
        p->StringGrid1->setCurrentCell(9, 4);
        QTest::keyClick(p->StringGrid1, Qt::Key_Return);
        QVERIFY(p->Cozucu().HucreDegerlendirmeSayisi() - once <= 72);
        QVERIFY(ortam.Kayit.isEmpty());
        BellekOturumu oturum(&p->Cozucu());
        QCOMPARE(p->GosterilenMetin(4, 9), QStringLiteral("34359738368.0"));
    }

    // The colour-scheme pairs: fixed cells aqua, the selected cell blue, even
    // rows yellow, odd rows white.
    void renkler()
    {
        TestOrtami ortam;
        auto p = YeniPencere();
        p->StringGrid1->setCurrentCell(1, 1);
        const QImage resim = p->StringGrid1->grab().toImage();
        auto renk = [&](int sutun, int satir) {
            const QRect r = p->StringGrid1->visualRect(p->StringGrid1->model()->index(satir, sutun));
            const QPoint n = p->StringGrid1->viewport()->mapTo(p->StringGrid1, r.bottomRight() - QPoint(4, 4));
            return resim.pixelColor(n * resim.devicePixelRatio());
        };
        QCOMPARE(renk(0, 0), QColor(0, 255, 255));
        QCOMPARE(renk(2, 0), QColor(0, 255, 255));
        QCOMPARE(renk(0, 5), QColor(0, 255, 255));
        QCOMPARE(renk(1, 1), QColor(0, 0, 255));
        QCOMPARE(renk(2, 2), QColor(255, 255, 0));
        QCOMPARE(renk(3, 3), QColor(255, 255, 255));
    }

    void ekranTuru()
    {
        TestOrtami ortam;
        auto p = YeniPencere();
        EkranKaydet(p.get(), QStringLiteral("cebir_baslangic"));
        DegiskenEkle(*p, QStringLiteral("x"), QStringLiteral("4"));
        DegiskenEkle(*p, QStringLiteral("kenar"), QStringLiteral("2.5"));
        HucreyeYaz(*p, 1, 1, QStringLiteral("2+3"));
        HucreyeYaz(*p, 1, 2, QStringLiteral("a1*2"));
        HucreyeYaz(*p, 1, 3, QStringLiteral("2x+1"));
        HucreyeYaz(*p, 2, 1, QStringLiteral("kenar^2"));
        HucreyeYaz(*p, 2, 2, QStringLiteral("4kenar"));
        HucreyeYaz(*p, 2, 3, QStringLiteral("1/0"));
        HucreyeYaz(*p, 3, 1, QStringLiteral("(a1+a2)/3"));
        HucreyeYaz(*p, 3, 2, QStringLiteral("6%3"));
        p->CheckBox1->click();
        p->StringGrid1->setCurrentCell(2, 1);
        EkranKaydet(p.get(), QStringLiteral("cebir_aciklamali"));
        QVERIFY(ortam.Kayit.isEmpty());
    }
};

#include "cebirselformu_test.moc"
ORVANTA_TEST(CebirselFormuTesti)
