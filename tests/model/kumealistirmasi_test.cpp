#include "kumealistirmasi.h"
#include "sesnumaralari.h"
#include "testkaydi.h"

#include <QtTest>

class KumeAlistirmasiTesti : public QObject
{
    Q_OBJECT

private slots:
    // The hint shows the common letters, compared exactly; placing exactly
    // those letters in A∩B is right, a letter more or less is wrong.
    void ipucu_denetimle_uyusur_data()
    {
        QTest::addColumn<QString>("ilk");
        QTest::addColumn<QString>("ikinci");
        QTest::addColumn<QString>("ortak");
        QTest::addRow("ankara istanbul") << "ankara" << "istanbul" << "a,n";
        QTest::addRow("Kalem kalem") << "Kalem" << "kalem" << "a,e,l,m";
        QTest::addRow("iki kelimede K ve k") << "Kk" << "kK" << "K,k";
        QTest::addRow("yalniz ikincide k") << "Kx" << "kK" << "K";
        QTest::addRow("noktali noktasiz i") << "İiIı" << "iİ" << "i,İ";
        QTest::addRow("ortak harf yok") << "ev" << "kuş" << "";
        QTest::addRow("ilk kelime bos") << "" << "kuş" << "";
        QTest::addRow("tekrarlanan harfler") << "aaaa" << "ba" << "a";
    }
    void ipucu_denetimle_uyusur()
    {
        QFETCH(QString, ilk);
        QFETCH(QString, ikinci);
        QFETCH(QString, ortak);
        KumeAlistirmasi m;
        m.KelimeleriAyarla(ilk, ikinci);
        QCOMPARE(m.Word1(), ilk);
        QCOMPARE(m.OrtakHarfler().join(QLatin1Char(',')), ortak);
        const KumeYaniti ipucu = m.Ipucu();
        QCOMPARE(ipucu.Ses, SES_NOTR);
        QCOMPARE(ipucu.Mesaj, QStringLiteral("İpucumuz :AnB={") + ortak + QLatin1Char('}'));

        QSet<QString> kesisim(m.OrtakHarfler().begin(), m.OrtakHarfler().end());
        const KumeYaniti dogru = m.Denetle(false, kesisim);
        QCOMPARE(dogru.Ses, SES_TEBRIK);
        QCOMPARE(dogru.Mesaj, QStringLiteral("Tebrikler!Doğru cevap verdiniz."));
        kesisim.insert(QStringLiteral("#"));
        const KumeYaniti fazla = m.Denetle(false, kesisim);
        QCOMPARE(fazla.Ses, SES_HATA);
        QCOMPARE(fazla.Mesaj, QStringLiteral("Maalesef yanlış cevap verdiniz.\nLütfen Tekrar deneyiniz."));
        if (!ortak.isEmpty()) {
            kesisim = QSet<QString>(m.OrtakHarfler().begin() + 1, m.OrtakHarfler().end());
            QCOMPARE(m.Denetle(false, kesisim).Ses, SES_HATA);
        }
        // While a tile waits, nothing is judged.
        const KumeYaniti bekleyen = m.Denetle(true, kesisim);
        QCOMPARE(bekleyen.Ses, SES_HATA);
        QCOMPARE(bekleyen.Mesaj, QStringLiteral("Daha yerleştirilecek metin var"));
    }

    void acilis_kelimeleri()
    {
        const KumeAlistirmasi m;
        QCOMPARE(m.Word1(), QStringLiteral("ankara"));
        QCOMPARE(m.Word2(), QStringLiteral("istanbul"));
        QCOMPARE(m.OrtakHarfler(), (QStringList{"a", "n"}));
    }
};

#include "kumealistirmasi_test.moc"
ORVANTA_TEST(KumeAlistirmasiTesti)
