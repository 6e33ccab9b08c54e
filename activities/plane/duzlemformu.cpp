#include "duzlemformu.h"
#include "aracubugu.h"
#include "gorunum.h"
#include "koordinatkutusu.h"
#include "ortam.h"
#include "ses.h"
#include "uygulama.h"
#include "yaprakformu.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr TRenk ARAC_RENGI = 0x4CAF50; // green
constexpr TRenk GIRDI_RENGI = 0xE8F5E9;

QLabel* Etiket(const QString& metin, QWidget* ebeveyn, int piksel)
{
    auto* e = new QLabel(metin, ebeveyn);
    e->setFont(Yazi(YaziAilesi::Arial, piksel));
    return e;
}
}

const EtkinlikSatiri& TAnalitikDuzlemForm::Satiri()
{
    static const EtkinlikSatiri satir{
        3, QStringLiteral("Tavşanı Yakalayalım"), 4, 4, QStringLiteral("Tavşanı Yakalayalım"),
        QStringLiteral("Tavşanı Yakalayalım"), QStringLiteral("TavsanYakala"),
        HakkindaTuru::Pencere, QStringLiteral("Tavşanı Yakalayalım"), QString(), ETKINLIK_OLCUSU,
        PencereYap<TAnalitikDuzlemForm>};
    return satir;
}

TAnalitikDuzlemForm::TAnalitikDuzlemForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TAnalitikDuzlemForm"));
    GitAction = Eylem(QStringLiteral("Git"), [this] { GitActionExecute(); });
    PesAction = Eylem(QStringLiteral("Pes Et"), [this] { PesActionExecute(); });
    ZamanAyarlaAction = Eylem(QStringLiteral("Zaman Ayarla"), [this] { ZamanAyarlaActionExecute(); });
    TavsanSaklaAction = Eylem(QStringLiteral("Tavşan Sakla"), [this] { TavsanSaklaActionExecute(); },
                              QKeySequence(Qt::Key_F9));

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    Ust = new QWidget(this);
    Button5 = ToolBar1->Dugme(YardimAction, QStringLiteral("Açıklama"));
    Button4 = ToolBar1->Dugme(HakkindaAction, QStringLiteral("Hakkında"));
    CheckBox1 = new QCheckBox(QStringLiteral("Hızlı Kaç"), ToolBar1);
    CheckBox1->setFont(Yazi(YaziAilesi::Arial, 15));
    // Tab reaches it; a click leaves the focus in the box the pupil was typing in.
    CheckBox1->setFocusPolicy(Qt::TabFocus);
    ToolBar1->Duzen()->addSpacing(8);
    ToolBar1->Duzen()->addWidget(CheckBox1);
    Button2 = ToolBar1->Dugme(ZamanAyarlaAction, QStringLiteral("Zaman Ayarla"), 130);
    KomutCubuguBitir(ToolBar1);
    Label4 = Etiket(QStringLiteral("Kalan Süre:"), ToolBar1, 16);
    Label5 = Etiket(QStringLiteral("-"), ToolBar1, 24);
    Label5->setMinimumWidth(48);
    ToolBar1->Duzen()->addWidget(Label4);
    ToolBar1->Duzen()->addWidget(Label5);
    ToolBar1->Duzen()->addSpacing(12);

    auto* girdi = new QWidget(Ust);
    ZeminVer(girdi, GIRDI_RENGI);
    Label1 = Etiket(QStringLiteral("X:"), girdi, 20);
    Edit1 = new KoordinatKutusu(girdi);
    Label2 = Etiket(QStringLiteral("Y:"), girdi, 20);
    Edit2 = new KoordinatKutusu(girdi);
    Button1 = EylemDugmesi(GitAction, girdi);
    Button3 = EylemDugmesi(PesAction, girdi);
    auto* satir = new QHBoxLayout(girdi);
    satir->setContentsMargins(12, 6, 12, 6);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Edit1, Label2, Edit2, Button1, Button3}) {
        if (w != Label1 && w != Label2)
            w->setFont(Yazi(YaziAilesi::Arial, 20));
        w->setFixedHeight(38);
        satir->addWidget(w);
        satir->addSpacing(w == Edit1 ? 16 : 4);
    }
    satir->addStretch(1);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    for (KoordinatKutusu* kutu : {Edit1, Edit2}) {
        kutu->setFixedWidth(72);
        kutu->XKutusu = Edit1;
        kutu->YKutusu = Edit2;
        connect(kutu, &QLineEdit::returnPressed, GitAction, &QAction::trigger);
    }
    for (QPushButton* b : {Button1, Button3}) {
        b->setMinimumWidth(110);
        // A click leaves the focus in the box the pupil was typing in.
        b->setFocusPolicy(Qt::TabFocus);
    }
    auto* ustDuzen = new QVBoxLayout(Ust);
    ustDuzen->setContentsMargins(0, 0, 0, 0);
    ustDuzen->setSpacing(0);
    ustDuzen->addWidget(girdi);

    Yaprak = new TAnalitikYaprakForm(this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { HataSinirinda([this] { Timer1Timer(); }); });
    KalanTimer = new QTimer(this);
    KalanTimer->setInterval(1000);
    connect(KalanTimer, &QTimer::timeout, this, [this] { HataSinirinda([this] { KalanTimerTimer(); }); });
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { HizliKacUygula(); });

    Yerlestir();
    Yaprak->TavsanRastgele();
    TurDurumuAyarla(TurDurumu::IlkTurOncesi);
    HizliKacUygula();
    Edit1->setFocus();
}

void TAnalitikDuzlemForm::Yerlesim(const QRect& alan)
{
    Ust->setGeometry(alan.left(), alan.top(), alan.width(), Ust->sizeHint().height());
    Yaprak->AlanAyarla(YaprakAlani(size(), Ust->geometry().bottom() + 1 + 10));
}

void TAnalitikDuzlemForm::showEvent(QShowEvent* olay)
{
    EtkinlikPenceresi::showEvent(olay);
    // The first turn begins once the window is up.
    if (ilkGosterim_ && !olay->spontaneous()) {
        ilkGosterim_ = false;
        Timer1->start();
    }
}

void TAnalitikDuzlemForm::hideEvent(QHideEvent* olay)
{
    // A closed window keeps no timer running; a minimised one goes on.
    if (!olay->spontaneous()) {
        Timer1->stop();
        KalanTimer->stop();
    }
    EtkinlikPenceresi::hideEvent(olay);
}

void TAnalitikDuzlemForm::Timer1Timer()
{
    Timer1->stop();
    TavsanSaklaActionExecute();
}

void TAnalitikDuzlemForm::TurDurumuAyarla(TurDurumu durum)
{
    durum_ = durum;
    const bool oyunda = durum == TurDurumu::Oyunda;
    TavsanSaklaAction->setEnabled(!oyunda);
    PesAction->setEnabled(oyunda);
    CheckBox1->setEnabled(oyunda);
}

void TAnalitikDuzlemForm::TavsanKacar()
{
    TurDurumuAyarla(TurDurumu::Oyunda);
    Yaprak->TavsanRastgele();
    Edit1->setFocus();
}

void TAnalitikDuzlemForm::TavsanSaklaActionExecute()
{
    TavsanKacar();
}

void TAnalitikDuzlemForm::YeniTur()
{
    TavsanKacar();
    HizliKacUygula();
}

void TAnalitikDuzlemForm::HizliKacUygula()
{
    const bool hizli = CheckBox1->isChecked();
    ZamanAyarlaAction->setEnabled(hizli);
    Label4->setVisible(hizli);
    Label5->setVisible(hizli);
    if (!hizli) {
        KalanTimer->stop();
        return;
    }
    sayac_.Baslat();
    Label5->setText(QString::number(sayac_.Gosterilen()));
    KalanTimer->start();
}

void TAnalitikDuzlemForm::KalanTimerTimer()
{
    const bool kacar = sayac_.Tik();
    Label5->setText(QString::number(sayac_.Gosterilen()));
    if (!kacar)
        return;
    SesCal(SES_HATA);
    TavsanKacar();
}

void TAnalitikDuzlemForm::GitActionExecute()
{
    const AtisSonucu atis = AtisDenetle(Edit1->text(), Edit2->text(), Yaprak->YSiniri());
    if (atis.Tur == AtisTuru::Gecersiz) {
        Ortam::Gecerli().Bip();
        return;
    }
    if (atis.Tur != AtisTuru::Atis) {
        SesCal(SES_HATA);
        Ortam::Gecerli().MesajGoster(atis.Mesaj);
        return;
    }
    Yaprak->TasKoy(atis.Nokta);
    if (!Yaprak->Yakalandi())
        return;
    KalanTimer->stop();
    SesCal(SES_TEBRIK);
    Ortam::Gecerli().MesajGoster(YAKALANDI_MESAJI);
    YeniTur();
}

void TAnalitikDuzlemForm::PesActionExecute()
{
    KalanTimer->stop();
    Yaprak->Goster();
    SesCal(SES_HATA);
    Ortam::Gecerli().MesajGoster(PesEtMetni(Yaprak->Tavsan()));
    YeniTur();
}

void TAnalitikDuzlemForm::ZamanAyarlaActionExecute()
{
    const QString cevap = Ortam::Gecerli().GirdiKutusu(QStringLiteral("Kaçma zamanı"), QStringLiteral("Kaçma zamanınını giriniz"),
                                                       QString::number(sayac_.KacmaZamani()));
    if (const std::optional<int> saniye = KacmaZamaniCevabi(cevap))
        sayac_.KacmaZamaniAyarla(*saniye);
}
