#include "aracubugu.h"
#include "etkinlikpenceresi.h"
#include "hakkinda.h"
#include "mesaj.h"
#include "ses.h"
#include "testana.h"
#include "testortami.h"
#include "uygulama.h"
#include "donusum.h"
#include "yardim.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {
// What a help window held while it was shown.
struct GorulenYardim
{
    QString baslik;
    QString metin;
};

std::function<int(QDialog&)> yardimiOku(GorulenYardim& gorulen)
{
    return [&gorulen](QDialog& d) {
        auto& yardim = static_cast<TYardimGosterForm&>(d);
        gorulen.baslik = yardim.windowTitle();
        gorulen.metin = yardim.RichEdit1->toPlainText();
        return 0;
    };
}

// A window of a row of its own, which the activity table does not know.
const EtkinlikSatiri DENEME_SATIRI{-1, QString(), 0, 99, QStringLiteral("Deneme"), QString(), QString(),
                                   HakkindaTuru::Pencere, QString(), QString(), ETKINLIK_OLCUSU, nullptr};

class DenemePenceresi : public EtkinlikPenceresi
{
public:
    DenemePenceresi() : EtkinlikPenceresi(nullptr, DENEME_SATIRI) {}
    int Yerlesimler = 0;
    QRect SonAlan;

protected:
    void Yerlesim(const QRect& alan) override
    {
        ++Yerlesimler;
        SonAlan = alan;
    }
};
}

class PencerelerTesti : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(AcikPencereler().isEmpty(), qPrintable(AcikPencereler().join(' '))); }

    void herYardimBelgesiAcilir_data()
    {
        QTest::addColumn<QString>("kaynak");
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<bool>("uniteli");
        QTest::newRow("pullar") << "PulEkle" << "Sayma Pulları" << true;
        QTest::newRow("değişme") << "DegismeOzelligi" << "Değişme Özelliği" << true;
        QTest::newRow("çarpan") << "CarpanAgaci" << "Çarpan Ağacı" << true;
        QTest::newRow("tavşan yakala") << "TavsanYakala" << "Tavşanı Yakalayalım" << false;
        QTest::newRow("tavşan git") << "TavsanGit" << "Tavşan Git" << true;
        QTest::newRow("piramit") << "SayiPiramidi" << "Sayı Piramidi" << false;
        QTest::newRow("sayma ilkeleri") << "SaymaninIlkeleri" << "Saymanın Temel İlkeleri" << true;
        QTest::newRow("cebir") << "CebirselIfade" << "Cebirsel İfadeler" << false;
        QTest::newRow("küme") << "KumeEleman" << "Küme Elemanları" << true;
        QTest::newRow("yüzde") << "YuzdeHesap" << "Yüzde hesaplar" << true;
        QTest::newRow("denklem") << "DenklemCoz" << "Denklem Çöz" << true;
        QTest::newRow("kesir") << "KesirKarsilastir" << "Kesir Karşılaştır" << true;
        QTest::newRow("eratosthenes") << "Eratosthenes" << "Eratosthenes Yöntemiyle Asal Sayı Bulma" << true;
        QTest::newRow("küçük harfle") << "carpanagaci" << "Çarpan Ağacı" << true;
    }
    void herYardimBelgesiAcilir()
    {
        QFETCH(QString, kaynak);
        QFETCH(QString, baslik);
        QFETCH(bool, uniteli);
        TestOrtami ortam;
        GorulenYardim gorulen;
        ortam.Modallar.push_back(yardimiOku(gorulen));
        YardimGoster(baslik, kaynak);
        QCOMPARE(ortam.Kayit, QStringList({"ses: 1256", "modal: TYardimGosterForm"}));
        QCOMPARE(gorulen.baslik, baslik);
        // Every document names the close, help and about buttons, with its Turkish letters intact.
        for (const char* dugme : {"Ana Menüye Dön", "Açıklama", "Hakkında"})
            QVERIFY2(gorulen.metin.contains(QString::fromUtf8(dugme)), dugme);
        QVERIFY(!gorulen.metin.contains(QChar(0xFFFD)));
        QCOMPARE(gorulen.metin.contains(QStringLiteral("Ünite")), uniteli);
        QCOMPARE(gorulen.metin.contains(QStringLiteral("KAZANIM")), uniteli);
    }

    // An unknown document is an error and no window; no document at all is an empty window.
    void bilinmeyenYardimHataVerir()
    {
        TestOrtami ortam;
        YardimGoster(QStringLiteral("Başlık"), QStringLiteral("YokBoyleBelge"));
        QCOMPARE(ortam.Suzulmus(QStringLiteral("modal")).size(), 0);
        const QStringList hatalar = ortam.Suzulmus(QStringLiteral("hata: "));
        QCOMPARE(hatalar.size(), 1);
        QVERIFY(hatalar.first().contains(QStringLiteral("YokBoyleBelge")));
        GorulenYardim gorulen;
        ortam.Modallar.push_back(yardimiOku(gorulen));
        YardimGoster(QStringLiteral("Boş"), QString());
        QCOMPARE(gorulen.baslik, QStringLiteral("Boş"));
        QVERIFY(gorulen.metin.isEmpty());
    }

    // The copy goes into a directory of this process that only its owner may enter,
    // never to a fixed name in the shared temporary directory.
    void geciciKopyaOzelKlasorde()
    {
        TestOrtami ortam;
        QTextEdit hedef;
        KaynakYukle(QStringLiteral("PulEkle"), &hedef);
        const QString klasor = YardimGeciciKlasoru();
        QVERIFY(!klasor.isEmpty());
        QVERIFY(QDir::cleanPath(klasor) != QDir::cleanPath(QDir::tempPath()));
        QVERIFY(QFileInfo::exists(QDir(klasor).filePath(QStringLiteral("met.txt"))));
        const QFileDevice::Permissions izin = QFileInfo(klasor).permissions();
        QVERIFY(!(izin & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                          | QFileDevice::WriteOther | QFileDevice::ExeOther)));
        KaynakYukle(QStringLiteral("PulEkle"), nullptr); // nothing to do, nothing thrown
    }

    void yardimPenceresiTuslarlaKapanir_data()
    {
        QTest::addColumn<int>("tus");
        QTest::addColumn<bool>("kapanir");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("boşluk") << int(Qt::Key_Space) << true;
        QTest::newRow("a") << int(Qt::Key_A) << false;
    }
    void yardimPenceresiTuslarlaKapanir()
    {
        QFETCH(int, tus);
        QFETCH(bool, kapanir);
        TestOrtami ortam;
        TYardimGosterForm pencere;
        QCOMPARE(pencere.StatusBar1->currentMessage(),
                 QStringLiteral("Bu ekranı kapatmak için ONAY(ENTER) tuşu , KAÇIŞ(ESC) tuşu veya BOŞLUK tuşuna "
                                "basınız..."));
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        QTest::keyClick(pencere.RichEdit1, Qt::Key(tus));
        QCOMPARE(pencere.isVisible(), !kapanir);
        pencere.close();
    }

    void hakkindaPenceresiGeriSayar()
    {
        TestOrtami ortam;
        TSetHakkindaForm pencere;
        QCOMPARE(ortam.Sesler(), QList<int>({1257}));
        QCOMPARE(pencere.Label5->text(), QStringLiteral("10"));
        QCOMPARE(pencere.Timer1->interval(), 1000);
        QVERIFY(pencere.Timer1->isActive());
        pencere.show();
        QStringList gorulen;
        for (int i = 0; i < 9; ++i) {
            pencere.Timer1Timer();
            gorulen << pencere.Label5->text();
            QVERIFY(pencere.isVisible());
        }
        QCOMPARE(gorulen, QStringList({"9", "8", "7", "6", "5", "4", "3", "2", "1"}));
        pencere.Timer1Timer();
        QVERIFY(!pencere.isVisible());
        QVERIFY(!pencere.Timer1->isActive());
    }

    // Without a second line of its own the about window names the program's picture makers.
    void hakkindaPenceresiMetinleri()
    {
        TestOrtami ortam;
        QString grafik;
        ortam.VarsayilanModal = [&](QDialog& d) {
            grafik = static_cast<TSetHakkindaForm&>(d).Label3->text();
            return 1;
        };
        HakkindaGoster(QString(), QString());
        QCOMPARE(grafik, HAKKINDA_GRAFIKLER);
    }

    void hakkindaKapatVeAdresler()
    {
        TestOrtami ortam;
        TSetHakkindaForm pencere;
        QCOMPARE(pencere.OKButton->text(), QStringLiteral("Kapat"));
        QVERIFY(pencere.OKButton->isDefault());
        QCOMPARE(pencere.windowTitle(), QStringLiteral("İlköğretim 6. Sınıf Orvanta Hakkında"));
        pencere.show();
        QTest::mouseClick(pencere.Label9, Qt::LeftButton);
        QTest::mouseClick(pencere.Label10, Qt::LeftButton);
        QCOMPARE(ortam.Suzulmus(QStringLiteral("ac: ")),
                 QStringList({"ac: " + HAKKINDA_WEB, "ac: mailto:" + HAKKINDA_EPOSTA}));
        QTest::keyClick(&pencere, Qt::Key_Return);
        QVERIFY(!pencere.isVisible());
        QCOMPARE(pencere.result(), 1);
    }

    // The window kit: commands run inside the error boundary, the command bar
    // ends with the close button, and a code the table does not know still
    // gives a usable window.
    void pencereTakimi()
    {
        TestOrtami ortam;
        DenemePenceresi pencere;
        QCOMPARE(pencere.minimumSize(), QSize(600, 600));
        QVERIFY(pencere.windowState() & Qt::WindowMaximized);
        int calisti = 0;
        QAction* hatali = pencere.Eylem(QStringLiteral("Dene"), [&] {
            ++calisti;
            TamsayiyaCevirVeyaHata(QStringLiteral("-"));
        }, QKeySequence(Qt::Key_F2));
        QCOMPARE(hatali->shortcut(), QKeySequence(Qt::Key_F2));
        QVERIFY(pencere.actions().contains(hatali));
        QPushButton* dugme = pencere.EylemDugmesi(hatali, nullptr);
        QVERIFY(!dugme->autoDefault());
        dugme->click();
        QCOMPARE(calisti, 1);
        QCOMPARE(ortam.Kayit, QStringList({"hata: '-' geçerli bir tamsayı değeri değil"}));

        AracCubugu* cubuk = pencere.KomutCubugu(0x0080FF);
        QPushButton* ilk = cubuk->Dugme(hatali, QStringLiteral("Birinci"));
        pencere.KomutCubuguBitir(cubuk);
        QCOMPARE(pencere.BitBtn2->parentWidget(), cubuk);
        QCOMPARE(cubuk->Duzen()->indexOf(ilk), 0);
        QCOMPARE(cubuk->Duzen()->indexOf(pencere.BitBtn2), 1);
        QMenuBar* menu = pencere.MenuCubugu({{QStringLiteral("İşlemler"), {hatali}},
                                             {QStringLiteral("Hakkında"), {pencere.HakkindaAction}}});
        QCOMPARE(menu->actions().at(0)->menu()->actions(), QList<QAction*>({hatali}));

        // The window places its bars and hands the rest to the activity's layout.
        PencereGoster(pencere, QSize(800, 600));
        QCoreApplication::processEvents();
        const int menuBoyu = menu->sizeHint().height();
        QCOMPARE(menu->geometry(), QRect(0, 0, 800, menuBoyu));
        QCOMPARE(cubuk->geometry(), QRect(0, menuBoyu, 800, EtkinlikPenceresi::CUBUK_YUKSEKLIGI));
        const QRect alan(0, menuBoyu + EtkinlikPenceresi::CUBUK_YUKSEKLIGI, 800,
                         600 - menuBoyu - EtkinlikPenceresi::CUBUK_YUKSEKLIGI);
        QCOMPARE(pencere.SonAlan, alan);
        const int once = pencere.Yerlesimler;
        pencere.resize(700, 650);
        QCoreApplication::processEvents();
        QVERIFY(pencere.Yerlesimler > once);
        QCOMPARE(pencere.SonAlan.size(), QSize(700, alan.height() + 50));
        QCOMPARE(cubuk->width(), 700);

        pencere.BitBtn2->click();
        QVERIFY(!pencere.isVisible());
    }

    // A command button follows its action from the start and on every change,
    // while a caption or a hiding of the window's own stays until the action
    // changes that property.
    void dugmeEylemiIzler()
    {
        TestOrtami ortam;
        DenemePenceresi pencere;
        int calisti = 0;
        QAction* eylem = pencere.Eylem(QStringLiteral("Dene"), [&] { ++calisti; });
        eylem->setEnabled(false);
        QPushButton* dugme = pencere.EylemDugmesi(eylem, nullptr);
        QPushButton* adli = pencere.EylemDugmesi(eylem, nullptr, QStringLiteral("Kendi adı"));
        pencere.show();
        QVERIFY(!dugme->isEnabled() && !adli->isEnabled());
        dugme->click();
        QCOMPARE(calisti, 0);

        eylem->setEnabled(true);
        QVERIFY(dugme->isEnabled() && adli->isEnabled());
        dugme->click();
        QCOMPARE(calisti, 1);

        adli->hide();
        eylem->setEnabled(false);
        QVERIFY(adli->isHidden());
        QCOMPARE(adli->text(), QStringLiteral("Kendi adı"));
        eylem->setText(QStringLiteral("Yeni ad"));
        QCOMPARE(dugme->text(), QStringLiteral("Yeni ad"));
        QCOMPARE(adli->text(), QStringLiteral("Yeni ad"));
        eylem->setVisible(false);
        QVERIFY(dugme->isHidden());
        eylem->setVisible(true);
        QVERIFY(dugme->isVisible() && adli->isVisible());

        eylem->setEnabled(true);
        eylem->setCheckable(true);
        QPushButton* secmeli = pencere.EylemDugmesi(eylem, nullptr);
        QVERIFY(secmeli->isCheckable() && !secmeli->isChecked());
        secmeli->click();
        QVERIFY(eylem->isChecked() && secmeli->isChecked());
        eylem->setChecked(false);
        QVERIFY(!secmeli->isChecked());
        // An action in an exclusive group that cannot turn off keeps its button down.
        auto* grup = new QActionGroup(&pencere);
        grup->addAction(eylem);
        eylem->setChecked(true);
        secmeli->click();
        QVERIFY(eylem->isChecked() && secmeli->isChecked());
        pencere.close();
    }

    // A right click on the menu bar opens no menu (a dialog's "What's This?"
    // menu would run its own loop there).
    void sagTiklamaMenuAcmaz()
    {
        TestOrtami ortam;
        DenemePenceresi pencere;
        QMenuBar* menu = pencere.MenuCubugu({{QStringLiteral("İşlemler"), {pencere.HakkindaAction}}});
        menu->setGeometry(0, 0, 400, 30);
        pencere.show();
        // A menu run in its own loop is found and closed from inside that loop.
        bool acildi = false;
        QTimer::singleShot(0, &pencere, [&] {
            if (QWidget* acilan = QApplication::activePopupWidget()) {
                acildi = true;
                acilan->close();
            }
        });
        const QPoint yer(300, 10);
        QContextMenuEvent sag(QContextMenuEvent::Mouse, yer, pencere.mapToGlobal(yer));
        QApplication::sendEvent(menu, &sag);
        QCoreApplication::processEvents();
        QVERIFY(!acildi);
        QVERIFY(!QApplication::activePopupWidget());
        pencere.close();
    }

    // The command bar keeps its buttons' designed widths in a wide window and
    // lets them shrink, side by side, in a narrow one.
    void aracCubuguDaralir()
    {
        TestOrtami ortam;
        DenemePenceresi pencere;
        AracCubugu* cubuk = pencere.KomutCubugu(0x0080FF);
        QList<QPushButton*> dugmeler;
        for (int i = 0; i < 6; ++i)
            dugmeler << cubuk->Dugme(pencere.HakkindaAction, QStringLiteral("Uzun bir düğme %1").arg(i), 150);
        pencere.KomutCubuguBitir(cubuk);
        for (int genislik : {1400, 620}) {
            cubuk->setGeometry(0, 0, genislik, 44);
            cubuk->GenisligeUyar(genislik);
            cubuk->Duzen()->activate();
            for (int i = 0; i < dugmeler.size(); ++i) {
                if (genislik >= 1000)
                    QCOMPARE(dugmeler[i]->width(), 150);
                if (i > 0)
                    QVERIFY(dugmeler[i]->x() >= dugmeler[i - 1]->geometry().right());
            }
            QVERIFY(pencere.BitBtn2->x() >= dugmeler.last()->geometry().right());
        }
    }

    // Without a sound library, or without the sound, the system beep stands in.
    void sesKutuphanesiYoksaBip()
    {
        TestOrtami ortam;
        SesKutuphanesiYukle(QStringLiteral("/yok/Sesler.rcc"));
        QVERIFY(SesKutuphanesi().yol.isEmpty());
        SesCalSecenekli(SES_TEBRIK, SesSecenek{}, SesKutuphanesi());
        QTemporaryDir klasor;
        const QString bozuk = klasor.filePath(QStringLiteral("Sesler.rcc"));
        QFile f(bozuk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("bu bir kaynak dosyası değil");
        f.close();
        SesKutuphanesiYukle(bozuk);
        QVERIFY(SesKutuphanesi().yol.isEmpty());
        SesCalSecenekli(SES_HATA, SesSecenek{true}, SesKutuphanesi());
        SesKutuphanesiBirak();
        QCOMPARE(ortam.Kayit, QStringList({"bip", "bip"}));
        SesCal(SES_NOTR);
        QCOMPARE(ortam.Sesler(), QList<int>({1256}));
    }

    void numaraliMesajlar()
    {
        struct Alici : QObject
        {
            QList<qintptr> gelen;
            bool event(QEvent* e) override
            {
                if (auto* m = NumaraliMi(e, 3599)) {
                    gelen << m->WParam << m->LParam;
                    m->Sonuc = 7;
                    return true;
                }
                return QObject::event(e);
            }
        } alici;
        int deger = 12;
        QCOMPARE(MesajGonder(&alici, 3599, MesajParametresi(&deger), 5), qintptr(7));
        QCOMPARE(MesajIsaretcisi<int>(alici.gelen.value(0)), &deger);
        QCOMPARE(alici.gelen.value(1), qintptr(5));
        QCOMPARE(MesajGonder(nullptr, 3599), qintptr(0));
        QCOMPARE(MesajGonder(&alici, 1151), qintptr(0));
    }

    // A conversion error that escapes an event handler is shown; the program goes on.
    void olaySinirindaDonusumHatasi()
    {
        TestOrtami ortam;
        QObject nesne;
        QTimer::singleShot(0, &nesne, [] { TamsayiyaCevirVeyaHata(QStringLiteral("-")); });
        QTRY_COMPARE(ortam.Kayit, QStringList({"hata: '-' geçerli bir tamsayı değeri değil"}));
        QVERIFY(!HataSinirinda([] { TamsayiyaCevirVeyaHata(QStringLiteral("+")); }));
        QVERIFY(HataSinirinda([] {}));
    }
};

#include "pencereler_test.moc"
ORVANTA_TEST(PencerelerTesti)
