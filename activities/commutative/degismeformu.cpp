#include "degismeformu.h"
#include "aracubugu.h"
#include "gorunum.h"
#include "islemtablosu.h"
#include "ortam.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr TRenk ZEMIN_RENGI = 0xF2F5EE; // a pale grey-green, RGB 238, 245, 242
constexpr TRenk ARAC_RENGI = 0x8B4934;  // the slate blue of the command bar, RGB 52, 73, 139
constexpr int KENAR = 14; // between the grid and the window's edges
constexpr int ARA = 28;   // between the grid and the choices

QRadioButton* Secenek(const QString& metin, QGroupBox* kutu, bool secili = false)
{
    auto* dugme = new QRadioButton(metin, kutu);
    dugme->setFont(Yazi(YaziAilesi::Arial, 16, false));
    dugme->setChecked(secili);
    kutu->layout()->addWidget(dugme);
    return dugme;
}

QGroupBox* Kutu(const QString& baslik, QWidget* ebeveyn)
{
    auto* kutu = new QGroupBox(baslik, ebeveyn);
    kutu->setFont(Yazi(YaziAilesi::Arial, 16));
    auto* duzen = new QVBoxLayout(kutu);
    duzen->setContentsMargins(12, 10, 12, 10);
    duzen->setSpacing(8);
    return kutu;
}
} // namespace

const EtkinlikSatiri& TTheDegismeForm::Satiri()
{
    static const EtkinlikSatiri satir{
        1, QStringLiteral("Değişme Özelliği"), 2, 2, QStringLiteral("Değişme Özelliği"),
        QStringLiteral("Değişme Özelliği"), QStringLiteral("DegismeOzelligi"),
        HakkindaTuru::Pencere, QStringLiteral("Değişme Özelliği"), QString(), ETKINLIK_OLCUSU,
        PencereYap<TTheDegismeForm>};
    return satir;
}

TTheDegismeForm::TTheDegismeForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TheDegismeForm"));
    ZeminVer(this, ZEMIN_RENGI);
    KendinGirAction = Eylem(QStringLiteral("Kendin Gir"), [this] { KendinGirActionExecute(); });
    BoyutDegistirAction = Eylem(QStringLiteral("Boyut Değiştir"), [this] { BoyutDegistirActionExecute(); });

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    Button2 = ToolBar1->Dugme(KendinGirAction, QString(), 130);
    Button3 = ToolBar1->Dugme(BoyutDegistirAction, QString(), 150);
    Button4 = ToolBar1->Dugme(YardimAction, QStringLiteral("Açıklama"));
    Button1 = ToolBar1->Dugme(HakkindaAction, QString());
    KomutCubuguBitir(ToolBar1);

    StringGrid1 = new IslemTablosu(&tablo_, &renkler_, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));

    GroupBox3 = Kutu(QStringLiteral("İşlemler"), this);
    RadioButton5 = Secenek(QStringLiteral("Toplama (+)"), GroupBox3, true);
    RadioButton6 = Secenek(QStringLiteral("Çarpma (*)"), GroupBox3);
    GroupBox4 = Kutu(QStringLiteral("Gösterim Tipi"), this);
    RadioButton1 = Secenek(QStringLiteral("Normal"), GroupBox4, true);
    RadioButton7 = Secenek(QStringLiteral("Aynı Değerleri Göster"), GroupBox4);
    RadioButton8 = Secenek(QStringLiteral("Etkisiz Elemanı Göster"), GroupBox4);
    const QList<QPair<QRadioButton*, void (TTheDegismeForm::*)()>> secenekler = {
        {RadioButton5, &TTheDegismeForm::RadioButton5Click}, {RadioButton6, &TTheDegismeForm::RadioButton6Click},
        {RadioButton1, &TTheDegismeForm::RadioButton1Click}, {RadioButton7, &TTheDegismeForm::RadioButton7Click},
        {RadioButton8, &TTheDegismeForm::RadioButton8Click}};
    for (const auto& s : secenekler)
        connect(s.first, &QRadioButton::toggled, this, [this, is = s.second](bool secili) {
            if (secili)
                (this->*is)();
        });

    // The two choices stand beside the grid, wherever its size ends.
    Secenekler = new QWidget(this);
    auto* yan = new QVBoxLayout(Secenekler);
    yan->setContentsMargins(0, 0, 0, 0);
    yan->setSpacing(16);
    yan->addWidget(GroupBox3);
    yan->addWidget(GroupBox4);
    Secenekler->resize(Secenekler->sizeHint());
    Yerlestir();
    // Reading order: the table, then the choices beside it. Within a group
    // Tab stops at the chosen button; the arrows choose another.
    const QList<QWidget*> sira = {StringGrid1, RadioButton5, RadioButton6, RadioButton1, RadioButton7, RadioButton8};
    for (qsizetype i = 1; i < sira.size(); ++i)
        setTabOrder(sira[i - 1], sira[i]);

    StringGrid1->GecerliHucreAyarla(1, 1);
    StringGrid1->setFocus();
}

TTheDegismeForm::~TTheDegismeForm()
{
    // The grid reads the table and the colours: it goes before them.
    delete StringGrid1;
}

void TTheDegismeForm::Yerlesim(const QRect& alan)
{
    const QPoint sol(alan.left() + KENAR, alan.top() + KENAR);
    const QSize izgara(alan.right() + 1 - sol.x() - ARA - Secenekler->width() - KENAR,
                       alan.bottom() + 1 - sol.y() - KENAR);
    StringGrid1->setGeometry(QRect(sol, StringGrid1->Yerlesim(izgara)));
    Secenekler->move(StringGrid1->geometry().right() + 1 + ARA, sol.y());
}

void TTheDegismeForm::KendinGirActionExecute()
{
    const QString cevap = Ortam::Gecerli().GirdiKutusu(QStringLiteral("Başlangıç Sayıları"),
                                                       QStringLiteral("Başlangıç sayılarını giriniz:"), QString());
    std::optional<std::vector<Baslik>> basliklar = BaslikCevabi(cevap);
    if (!basliklar)
        return;
    StringGrid1->Degistir([&] { tablo_.BasliklariAyarla(std::move(*basliklar)); });
    Yerlestir();
}

void TTheDegismeForm::BoyutDegistirActionExecute()
{
    const QString cevap = Ortam::Gecerli().GirdiKutusu(QStringLiteral("Boyut girişi"),
                                                       QStringLiteral("Yeni Boyutu giriniz:"),
                                                       QString::number(tablo_.Boyut()));
    const std::optional<int> n = BoyutCevabi(cevap, tablo_.Boyut());
    if (!n)
        return;
    StringGrid1->Degistir([&] { tablo_.BoyutAyarla(*n); });
    Yerlestir();
}

void TTheDegismeForm::IslemSec(Islem islem)
{
    if (tablo_.Islemi() == islem)
        return;
    tablo_.IslemAyarla(islem);
    StringGrid1->Modeli()->DegerlerDegisti();
    StringGrid1->Yenile();
}

void TTheDegismeForm::GosterimSec(Gosterim gosterim)
{
    tablo_.GosterimAyarla(gosterim);
    StringGrid1->Yenile();
}

void TTheDegismeForm::RadioButton5Click()
{
    IslemSec(Islem::Toplama);
}

void TTheDegismeForm::RadioButton6Click()
{
    IslemSec(Islem::Carpma);
}

void TTheDegismeForm::RadioButton1Click()
{
    GosterimSec(Gosterim::Normal);
}

void TTheDegismeForm::RadioButton7Click()
{
    GosterimSec(Gosterim::AyniDegerler);
}

void TTheDegismeForm::RadioButton8Click()
{
    GosterimSec(Gosterim::EtkisizEleman);
}
