#include "rtfokuyucu.h"
#include "testana.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

QString BloklarinMetni(const QTextDocument& belge)
{
    QStringList satirlar;
    for (QTextBlock b = belge.begin(); b.isValid(); b = b.next())
        satirlar << b.text();
    return satirlar.join(u'\n');
}

QString Oku(const QByteArray& rtf)
{
    QTextDocument belge;
    RtfOku(rtf, &belge);
    return BloklarinMetni(belge);
}

QTextCharFormat ParcaBicimi(const QTextDocument& belge, const QString& metin)
{
    for (QTextBlock b = belge.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(metin))
                return it.fragment().charFormat();
    return {};
}

} // namespace

class RtfOkuyucuTesti : public QObject
{
    Q_OBJECT

private slots:
    void cp1254_data()
    {
        QTest::addColumn<int>("bayt");
        QTest::addColumn<int>("beklenen");
        const QList<QPair<int, int>> satirlar = {
            {0xFD, 0x0131}, {0xDD, 0x0130}, {0xF0, 0x011F}, {0xD0, 0x011E}, {0xFE, 0x015F}, {0xDE, 0x015E},
            {0xE7, 0x00E7}, {0xC7, 0x00C7}, {0xF6, 0x00F6}, {0xD6, 0x00D6}, {0xFC, 0x00FC}, {0xDC, 0x00DC},
            {0xE9, 0x00E9}, {0xC4, 0x00C4}, {0x80, 0x20AC}, {0x85, 0x2026}, {0x8A, 0x0160}, {0x9A, 0x0161},
            {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xFF, 0x00FF}, {0x41, 0x0041}, {0x00, 0x0000},
            {0x81, 0xFFFD}, {0x8D, 0xFFFD}, {0x8E, 0xFFFD}, {0x90, 0xFFFD}, {0x9D, 0xFFFD}, {0x9E, 0xFFFD}};
        for (const auto& [bayt, kod] : satirlar)
            QTest::addRow("%02X", bayt) << bayt << kod;
    }
    void cp1254()
    {
        QFETCH(int, bayt);
        QTEST(int(Cp1254Karakter(static_cast<unsigned char>(bayt)).unicode()), "beklenen");
    }

    void metin_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("onaltilik_turkce") << QByteArray("{\\rtf1\\ansi\\ansicpg1254 \\'fd\\'f0\\'fe}") << QStringLiteral("ığş");
        QTest::newRow("ham_baytlar") << QByteArray("\xfd" "\xf0" "\xfe" "\xe7") << QStringLiteral("ığşç");
        QTest::newRow("unicode_yedegi_atlanir") << QByteArray("\\u305?x") << QStringLiteral("ıx");
        QTest::newRow("unicode_uc2") << QByteArray("\\uc2\\u351\\'3f\\'3fy") << QStringLiteral("şy");
        QTest::newRow("uc_grupla_biter") << QByteArray("{\\uc2 a}\\u351?b") << QStringLiteral("aşb");
        QTest::newRow("yedek_grup_sonunda_biter") << QByteArray("{\\uc3\\u351}b") << QStringLiteral("şb");
        QTest::newRow("unicode_eksi") << QByteArray("\\u-4064?") << QString(QChar(0xF020));
        QTest::newRow("unicode_vekil_cifti") << QByteArray("\\u-10179?\\u-8704?") << QStringLiteral("\U0001F600");
        QTest::newRow("kacislar") << QByteArray("a\\\\b\\{c\\}d") << QStringLiteral("a\\b{c}d");
        QTest::newRow("bolunmez_bosluk_istege_bagli_tire") << QByteArray("a\\~b\\-c") << QStringLiteral("a\u00A0bc");
        QTest::newRow("paragraf_satir_sekme") << QByteArray("a\\par b\\line c\\tab d") << QStringLiteral("a\nb\u2028c\td");
        QTest::newRow("isaretler") << QByteArray("\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote")
                                   << QStringLiteral("—–•‘’“”");
        QTest::newRow("satir_sonlari_yok_sayilir") << QByteArray("a\r\nb\nc") << QStringLiteral("abc");
        QTest::newRow("tek_bosluk_sinirlayici") << QByteArray("\\i x\\i0  y") << QStringLiteral("x y");
        QTest::newRow("yildizli_hedef") << QByteArray("a{\\*\\foo gizli}b") << QStringLiteral("ab");
        QTest::newRow("yazi_tipi_tablosu") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}x}") << QStringLiteral("x");
        QTest::newRow("resim") << QByteArray("a{\\pict\\pngblip 89504e47}b") << QStringLiteral("ab");
        QTest::newRow("ikili_veri_parantezleri_saymaz") << QByteArray("a{\\*\\blob\\bin4 }}{{}b") << QStringLiteral("ab");
        QTest::newRow("gizli_metin") << QByteArray("a{\\v gizli}b") << QStringLiteral("ab");
        QTest::newRow("alan_sonucu") << QByteArray("{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt bag}}") << QStringLiteral("bag");
        // Damaged input keeps the readable text around the damage.
        QTest::newRow("bos") << QByteArray() << QString();
        QTest::newRow("kapanmamis_gruplar") << QByteArray("{\\rtf1{\\b kal\\'fdn") << QStringLiteral("kalın");
        QTest::newRow("fazla_kapanis") << QByteArray("a}}}b") << QStringLiteral("ab");
        QTest::newRow("sonda_yarim_onaltilik") << QByteArray("a\\'") << QStringLiteral("a");
        QTest::newRow("gecersiz_onaltilik") << QByteArray("a\\'zz") << QStringLiteral("azz");
        QTest::newRow("sayisiz_eksi_u") << QByteArray("a\\u-") << QStringLiteral("a-");
        QTest::newRow("dev_u") << QByteArray("\\u99999999999?b") << QStringLiteral("\uFFFDb");
        QTest::newRow("tek_vekil") << QByteArray("\\u-10179?b") << QStringLiteral("\uFFFDb");
        QTest::newRow("sifir_karakter") << QByteArray("a\\u0?b") << QStringLiteral("ab");
        QTest::newRow("belge_yapisi_isareti") << QByteArray("\\u-560?") << QStringLiteral("\uFFFD");
        QTest::newRow("dev_bin") << QByteArray("a\\bin999999999 xyz") << QStringLiteral("a");
        QTest::newRow("dev_uc") << QByteArray("{\\uc99999999999\\u351 abc}d") << QStringLiteral("şd");
        QTest::newRow("sonda_ters_bolu") << QByteArray("a\\") << QStringLiteral("a");
        QTest::newRow("nul_bayti") << QByteArray("a\0b", 3) << QStringLiteral("ab");
        QTest::newRow("disarida_yildiz") << QByteArray("\\*a\\fonttbl b") << QStringLiteral("ab");
    }
    void metin()
    {
        QFETCH(QByteArray, rtf);
        QTEST(Oku(rtf), "beklenen");
    }

    void karakterBicimi_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("kalin");
        QTest::addColumn<bool>("egik");
        QTest::addColumn<bool>("altiCizili");
        QTest::addColumn<double>("punto");
        QTest::addColumn<QColor>("renk");
        const QByteArray tablo("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}");
        QTest::newRow("duz") << QByteArray("x") << false << false << false << 12.0 << QColor();
        QTest::newRow("kalin") << QByteArray("a\\b x\\b0 y") << true << false << false << 12.0 << QColor();
        QTest::newRow("kalin_grupla_biter") << QByteArray("{\\b a}x") << false << false << false << 12.0 << QColor();
        QTest::newRow("ulnone") << QByteArray("\\ul a\\ulnone x") << false << false << false << 12.0 << QColor();
        QTest::newRow("ul0") << QByteArray("\\ul a\\ul0 x") << false << false << false << 12.0 << QColor();
        QTest::newRow("boyut") << QByteArray("\\fs36 x") << false << false << false << 18.0 << QColor();
        QTest::newRow("dev_boyut") << QByteArray("\\fs99999999999999999999 x") << false << false << false << 500.0 << QColor();
        QTest::newRow("plain") << QByteArray("\\b\\i\\ul\\fs40 a\\plain x") << false << false << false << 12.0 << QColor();
        QTest::newRow("renk") << tablo + "\\cf2 x" << false << false << false << 12.0 << QColor(0, 128, 0);
        QTest::newRow("renk_sifir_otomatik") << tablo + "\\cf1 a\\cf0 x" << false << false << false << 12.0 << QColor();
        QTest::newRow("renk_tablo_disinda") << tablo + "\\cf9 x" << false << false << false << 12.0 << QColor();
        QTest::newRow("hepsi") << tablo + "\\b\\i\\ul\\fs20\\cf1 x" << true << true << true << 10.0 << QColor(255, 0, 0);
    }
    void karakterBicimi()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument belge;
        RtfOku(rtf, &belge);
        const QTextCharFormat bicim = ParcaBicimi(belge, QStringLiteral("x"));
        QFETCH(bool, kalin);
        QCOMPARE(bicim.fontWeight(), kalin ? int(QFont::Bold) : int(QFont::Normal));
        QTEST(bicim.fontItalic(), "egik");
        QTEST(bicim.fontUnderline(), "altiCizili");
        QTEST(bicim.fontPointSize(), "punto");
        QTEST(bicim.hasProperty(QTextFormat::ForegroundBrush) ? bicim.foreground().color() : QColor(), "renk");
    }

    void hizalama_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("blok");
        QTest::addColumn<int>("hiza");
        QTest::newRow("sol") << QByteArray("a") << 0 << int(Qt::AlignLeft);
        QTest::newRow("orta") << QByteArray("\\qc a") << 0 << int(Qt::AlignHCenter);
        QTest::newRow("iki_yana") << QByteArray("\\qj a") << 0 << int(Qt::AlignJustify);
        QTest::newRow("sonraki_paragrafa_gecer") << QByteArray("\\qc a\\par b") << 1 << int(Qt::AlignHCenter);
        QTest::newRow("pard_sifirlar") << QByteArray("\\qc a\\par\\pard b") << 1 << int(Qt::AlignLeft);
        QTest::newRow("grupla_biter") << QByteArray("{\\qc a\\par}b") << 1 << int(Qt::AlignLeft);
    }
    void hizalama()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, blok);
        QTextDocument belge;
        RtfOku(rtf, &belge);
        QVERIFY(blok < belge.blockCount());
        QTEST(int(belge.findBlockByNumber(blok).blockFormat().alignment()), "hiza");
    }

    void derinGruplarMetinsizAmaDengeli()
    {
        QCOMPARE(Oku(QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y"), QStringLiteral("y"));
        QCOMPARE(Oku(QByteArray(500, '{') + "x" + QByteArray(500, '}') + "y"), QStringLiteral("xy"));
        QTextDocument belge;
        RtfOku("{\\b " + QByteArray(100000, '{') + QByteArray(100000, '}') + "x}y", &belge);
        QCOMPARE(BloklarinMetni(belge), QStringLiteral("xy"));
        QCOMPARE(ParcaBicimi(belge, QStringLiteral("x")).fontWeight(), int(QFont::Bold));
        QCOMPARE(Oku(QByteArray(100000, '{')), QString());
    }

    void belgeOnceTemizlenir()
    {
        QTextDocument belge;
        belge.setPlainText(QStringLiteral("eski\nmetin"));
        RtfOku("yeni", &belge);
        QCOMPARE(BloklarinMetni(belge), QStringLiteral("yeni"));
        RtfOku("yok", nullptr);
    }
};

#include "rtfokuyucu_test.moc"
ORVANTA_TEST(RtfOkuyucuTesti)
