#include "testkaydi.h"

#include "Dilyardim.h"

#include <QTest>
#include <climits>

class DilYardimTesti : public QObject
{
    Q_OBJECT

private slots:
    void Metinler_data()
    {
        QTest::addColumn<int>("dil");
        QTest::addColumn<int>("numara");
        QTest::addColumn<QString>("beklenen");

        // Turkish letters, and the spellings the sets windows show as they are.
        QTest::newRow("tr-0-ilk") << DIL_TURKCE << 0 << QStringLiteral("Küme Kazanımları");
        QTest::newRow("tr-1-bicileri") << DIL_TURKCE << 1
                                       << QStringLiteral("Bir kümeyi modelleri ile belirler, farklı temsil biçileri ile gösterir.");
        QTest::newRow("tr-5-ilgli") << DIL_TURKCE << 5 << QStringLiteral("Küme ile ilgli oyunlar");
        QTest::newRow("tr-14-ven") << DIL_TURKCE << 14 << QStringLiteral("Ven Şeması");
        QTest::newRow("tr-32-bolenebilen") << DIL_TURKCE << 32 << QStringLiteral("ile Bölenebilen Sayılar");
        QTest::newRow("tr-67-uc") << DIL_TURKCE << 67 << QStringLiteral("Üç(3) Küme Kesişim");
        QTest::newRow("tr-89-bekleme") << DIL_TURKCE << 89
                                       << QStringLiteral("Küme Bölge Hesaplamaları yapılıyor... Lütfen Bekleyiniz");
        QTest::newRow("tr-95-form") << DIL_TURKCE << 95 << QStringLiteral("Kelime Giriş Formu");
        QTest::newRow("tr-97-son") << DIL_TURKCE << 97 << QStringLiteral("Bu bölge bırakmak için uygun değil");

        // Blanks at the ends are kept: these texts are joined to names and counts.
        QTest::newRow("tr-85-bas-bosluk") << DIL_TURKCE << 85 << QStringLiteral(" bölge maalesef doğru boyanmadı!");
        QTest::newRow("tr-86-son-bosluk") << DIL_TURKCE << 86 << QStringLiteral("Bölge adı : ");
        QTest::newRow("tr-87-bas-bosluk") << DIL_TURKCE << 87 << QStringLiteral(" Alternatif isim bulundu.");
        QTest::newRow("tr-88-bas-bosluk") << DIL_TURKCE << 88 << QStringLiteral(" Alternatif isimler bulundu");

        QTest::newRow("en-0") << DIL_INGILIZCE << 0 << QStringLiteral("Set Objectives");
        QTest::newRow("en-20-dosya") << DIL_INGILIZCE << 20 << QStringLiteral("examples.txt");
        QTest::newRow("en-95") << DIL_INGILIZCE << 95 << QStringLiteral("Word Entrance Form");
        QTest::newRow("en-97") << DIL_INGILIZCE << 97
                               << QStringLiteral("This region is not appropriate for dropping the item");
    }

    void Metinler()
    {
        QFETCH(int, dil);
        QFETCH(int, numara);
        QTEST(DilMetni(dil, numara), "beklenen");
    }

    void HerNumaraIkiDildeDolu()
    {
        for (int numara = 0; numara < DIL_METIN_SAYISI; ++numara) {
            QVERIFY2(!DilMetni(DIL_TURKCE, numara).trimmed().isEmpty(), qPrintable(QString::number(numara)));
            QVERIFY2(!DilMetni(DIL_INGILIZCE, numara).trimmed().isEmpty(), qPrintable(QString::number(numara)));
        }
    }

    void KenarBosluklariDillerdeAyni()
    {
        // A window that glues entry 86 to a region name must read right in either language.
        for (int numara = 0; numara < DIL_METIN_SAYISI; ++numara) {
            const QString tr = DilMetni(DIL_TURKCE, numara);
            const QString en = DilMetni(DIL_INGILIZCE, numara);
            const QByteArray etiket = QByteArray::number(numara);
            QVERIFY2(tr.startsWith(QLatin1Char(' ')) == en.startsWith(QLatin1Char(' ')), etiket.constData());
            QVERIFY2(tr.endsWith(QLatin1Char(' ')) == en.endsWith(QLatin1Char(' ')), etiket.constData());
        }
    }

    void TanimsizIstekBosMetinVerir_data()
    {
        QTest::addColumn<int>("dil");
        QTest::addColumn<int>("numara");

        QTest::newRow("tr-eksi-bir") << DIL_TURKCE << -1;
        QTest::newRow("en-98") << DIL_INGILIZCE << DIL_METIN_SAYISI;
        QTest::newRow("tr-en-kucuk-int") << DIL_TURKCE << INT_MIN;
        QTest::newRow("en-en-buyuk-int") << DIL_INGILIZCE << INT_MAX;
        QTest::newRow("dil-2") << 2 << 0;
        QTest::newRow("dil-eksi-bir") << -1 << 37;
    }

    void TanimsizIstekBosMetinVerir()
    {
        QFETCH(int, dil);
        QFETCH(int, numara);
        QVERIFY(DilMetni(dil, numara).isEmpty());
    }

    void GecerliDilTurkceBaslarVeKalir()
    {
        QCOMPARE(GecerliDil(), DIL_TURKCE);
        // The language is program-wide: give it back even when a check below fails.
        struct DiliGeriVer {
            ~DiliGeriVer() { GecerliDil() = DIL_TURKCE; }
        } geriVer;
        GecerliDil() = DIL_INGILIZCE;
        QCOMPARE(DilMetni(GecerliDil(), 38), QStringLiteral("Cancel"));
        GecerliDil() = DIL_TURKCE;
        QCOMPARE(DilMetni(GecerliDil(), 38), QStringLiteral("İptal"));
    }
};

#include "dilyardim_test.moc"
ORVANTA_TEST(DilYardimTesti)
