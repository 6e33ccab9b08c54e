#include "Yuzdeformu.h"
#include "canlilar.h"
#include "erisim.h"
#include "kaydirmaalani.h"
#include "Yuzdelikformu.h"
#include "aracubugu.h"
#include "gorunum.h"
#include "ortam.h"
#include "servisler.h"
#include "surukle.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {
constexpr TRenk ARAC_RENGI = 0x7A6B00;  // a deep teal, RGB 0, 107, 122
constexpr TRenk MASA_RENGI = 0xE8E0D0;  // a pale blue grey, RGB 208, 224, 232
constexpr TRenk ILK_KUTU = 0xC0FFFF;    // the first number's boxes, a pale yellow
constexpr TRenk IKINCI_KUTU = 0xC8F0C8; // the second number's, a pale green
constexpr int KUTU_USTU = 14;     // the boxes stand above the first row of cards
constexpr int KUTU_YUKSEKLIGI = 40;

// A number box that, full, selects its text when clicked, so that a digit
// typed replaces what it holds: the boxes are full with one or two
// characters, and a typed digit would otherwise be refused without a word.
class RakamKutusu : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void mouseReleaseEvent(QMouseEvent* olay) override
    {
        QLineEdit::mouseReleaseEvent(olay);
        if (olay->button() == Qt::LeftButton && !hasSelectedText() && text().size() >= maxLength())
            selectAll();
    }
};

// A number box of `uzunluk` characters at `x` on the table, tinted like its number's cards.
QLineEdit* SayiKutusu(QWidget* masa, const QString& metin, int uzunluk, int x, TRenk zemin)
{
    auto* kutu = new RakamKutusu(metin, masa);
    kutu->setMaxLength(uzunluk);
    kutu->setFont(Yazi(YaziAilesi::Arial, 26));
    kutu->setAlignment(Qt::AlignCenter);
    kutu->setGeometry(x, KUTU_USTU, uzunluk == 1 ? 34 : 52, KUTU_YUKSEKLIGI);
    RenkVer(kutu, QPalette::Base, zemin);
    SayiTusuFiltresiKur(kutu);
    return kutu;
}

QLabel* Virgul(QWidget* masa, int x)
{
    auto* virgul = new QLabel(QStringLiteral(","), masa);
    virgul->setFont(Yazi(YaziAilesi::Arial, 32));
    virgul->setGeometry(x, KUTU_USTU, 12, KUTU_YUKSEKLIGI);
    virgul->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return virgul;
}

QCheckBox* Secenek(const QString& metin, bool secili, AracCubugu* cubuk)
{
    auto* kutu = new QCheckBox(metin, cubuk);
    kutu->setFont(Yazi(YaziAilesi::Arial, 14));
    RenkVer(kutu, QPalette::WindowText, clWhite);
    kutu->setChecked(secili);
    // In the Tab order, but a click leaves the focus in the number boxes.
    kutu->setFocusPolicy(Qt::TabFocus);
    cubuk->Duzen()->addWidget(kutu);
    cubuk->Duzen()->addSpacing(8);
    return kutu;
}
}

const EtkinlikSatiri& TYuzdeForm::Satiri()
{
    static const EtkinlikSatiri satir{
        10, QStringLiteral("Yüzde Hesapları"), 11, 10, QStringLiteral("Yüzde Hesapları"),
        QStringLiteral("Yüzde hesaplar"), QStringLiteral("YuzdeHesap"),
        HakkindaTuru::Pencere, QStringLiteral("Yüzde Hesapları"), QString(), QSize(720, 600),
        PencereYap<TYuzdeForm>};
    return satir;
}

TYuzdeForm::TYuzdeForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TYuzdeForm"));
    // The table has no background of its own: the window's shows through it.
    ZeminVer(this, MASA_RENGI);
    IlkSayiAction = Eylem(QStringLiteral("İlk Sayı"), [this] { UpdateNumber(Edit3, Edit1, true); });
    IkinciSayiAction = Eylem(QStringLiteral("İkinci Sayı"), [this] { UpdateNumber(Edit4, Edit2, false); });
    GuncelleAction = Eylem(QStringLiteral("Güncelle"), [this] { GuncelleActionExecute(); });

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    ToolBar1->Duzen()->addSpacing(8);
    YatayCheckBox = Secenek(QStringLiteral("Yatay"), true, ToolBar1);
    CheckBox2 = Secenek(QStringLiteral("Kısım Göster"), true, ToolBar1);
    CheckBox1 = Secenek(QStringLiteral("Karşılaştır"), false, ToolBar1);
    Button2 = ToolBar1->Dugme(YardimAction, QStringLiteral("Açıklama"));
    Button1 = ToolBar1->Dugme(HakkindaAction, QString());
    Button3 = ToolBar1->Dugme(GuncelleAction, QString());
    KomutCubuguBitir(ToolBar1);

    Masa = new QWidget;
    Masa->setObjectName(QStringLiteral("Masa"));
    // Cards stay where they are put: a table larger than the window scrolls.
    MasaAlani = new KaydirmaAlani(this, Masa, KaydirmaAlani::Izleyen, QStringLiteral("Kart masası"));
    SurukleHedefiKur(
        Masa, [this](QObject* kaynak, QPoint p) { return MasaDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { MasaDragDrop(kaynak, p); });
    Edit3 = SayiKutusu(Masa, QStringLiteral("1"), 1, ILK_SOL + 14, ILK_KUTU);
    Label1 = Virgul(Masa, ILK_SOL + 50);
    Edit1 = SayiKutusu(Masa, QStringLiteral("10"), 2, ILK_SOL + 64, ILK_KUTU);
    Edit4 = SayiKutusu(Masa, QStringLiteral("2"), 1, IKINCI_SOL + 14, IKINCI_KUTU);
    Label3 = Virgul(Masa, IKINCI_SOL + 50);
    Edit2 = SayiKutusu(Masa, QStringLiteral("15"), 2, IKINCI_SOL + 64, IKINCI_KUTU);
    // The boxes have no words beside them, only the commas: readers hear these names.
    Edit3->setAccessibleName(QStringLiteral("Birinci sayının tam kısmı"));
    Edit1->setAccessibleName(QStringLiteral("Birinci sayının virgülden sonraki kısmı"));
    Edit4->setAccessibleName(QStringLiteral("İkinci sayının tam kısmı"));
    Edit2->setAccessibleName(QStringLiteral("İkinci sayının virgülden sonraki kısmı"));
    Label1->setBuddy(Edit1);
    Label3->setBuddy(Edit2);
    // A card carried by keys goes by Tab onto the other cards and back to its own place.
    SurukleYerleriKur(Masa, [this] { return kartYerleri(); });
    setTabOrder(Edit3, Edit1);
    setTabOrder(Edit1, Edit4);
    setTabOrder(Edit4, Edit2);

    connect(Edit3, &QLineEdit::returnPressed, IlkSayiAction, &QAction::trigger);
    connect(Edit1, &QLineEdit::returnPressed, IlkSayiAction, &QAction::trigger);
    connect(Edit4, &QLineEdit::returnPressed, IkinciSayiAction, &QAction::trigger);
    connect(Edit2, &QLineEdit::returnPressed, IkinciSayiAction, &QAction::trigger);
    connect(YatayCheckBox, &QCheckBox::toggled, this, [this] { YatayCheckBoxClick(); });
    connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CompareCards(); });

    BuildCards(true, ilk_.Tam, ilk_.Yuzdelik);
    BuildCards(false, ikinci_.Tam, ikinci_.Yuzdelik);
    Yerlestir();
    Edit3->setFocus();
}

void TYuzdeForm::Yerlesim(const QRect& alan)
{
    MasaAlani->setGeometry(alan);
}

TYuzdelikForm* TYuzdeForm::Kart(bool ilk, int sira) const
{
    return sira >= 0 && sira < KART_YUVASI ? yuvalar(ilk)[size_t(sira)].data() : nullptr;
}

int TYuzdeForm::KartSayisi(bool ilk) const
{
    int n = 0;
    for (const QPointer<TYuzdelikForm>& k : yuvalar(ilk))
        n += !k.isNull();
    return n;
}

Karsilastirma TYuzdeForm::Duzen() const
{
    return KarsilastirmaDuzeni(ilk_, ikinci_, CheckBox1->isChecked());
}

std::optional<bool> TYuzdeForm::kartSahibi(const QObject* nesne) const
{
    if (!nesne)
        return std::nullopt;
    for (bool ilk : {true, false})
        for (const QPointer<TYuzdelikForm>& k : yuvalar(ilk))
            if (k && k.data() == nesne)
                return ilk;
    return std::nullopt;
}

QList<QPoint> TYuzdeForm::kartYerleri() const
{
    QList<QPoint> yerler;
    QWidget* tasinan = KlavyeIleTasinan();
    for (bool ilk : {true, false})
        for (int i = 0; i < KART_YUVASI; ++i) {
            TYuzdelikForm* kart = Kart(ilk, i);
            if (!kart)
                continue;
            if (kart != tasinan)
                yerler << kart->pos();
            else
                yerler << KartKonumu(ilk, i);
        }
    return yerler;
}

void TYuzdeForm::kutulariOneAl()
{
    for (QWidget* w : {static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Edit1),
                       static_cast<QWidget*>(Edit4), static_cast<QWidget*>(Label3), static_cast<QWidget*>(Edit2)})
        w->raise();
}

bool TYuzdeForm::UpdateNumber(QLineEdit* wholeEdit, QLineEdit* hundredthsEdit, bool isFirst)
{
    const SayiGirdisi g = SayiOku(wholeEdit->text(), hundredthsEdit->text());
    if (!g.Hata.isEmpty()) {
        Ortam::Gecerli().MesajGoster(g.Hata);
        return false;
    }
    if (hundredthsEdit->text() != g.YuzdelikMetni)
        hundredthsEdit->setText(g.YuzdelikMetni);
    // The new cards stand at their number's own place, horizontal and full,
    // even while comparing; the next "Karşılaştır" click compares them.
    BuildCards(isFirst, g.Sayi.Tam, g.Sayi.Yuzdelik);
    return true;
}

void TYuzdeForm::BuildCards(bool isFirst, int whole, int hundredths)
{
    DestroyCards(isFirst, !isFirst);
    const OndalikSayi sayi{std::clamp(whole, 0, TAM_SINIRI), std::clamp(hundredths, 0, YUZDELIK_SINIRI)};
    (isFirst ? ilk_ : ikinci_) = sayi;
    Yuvalar& yuva = yuvalar(isFirst);
    for (const KartYeri& yer : SayiKartlari(isFirst, sayi)) {
        auto* kart = new TYuzdelikForm(Masa, YUZDE_HUCRESI, true, isFirst ? ILK_RENGI : IKINCI_RENGI);
        kart->move(yer.Konum);
        kart->SetFilledCount(yer.Dolu);
        kart->SetShowGrid(izgara_);
        ErisimKur(kart, QAccessible::Graphic,
                  [kart, isFirst, sira = yer.Sira] { return KartAdi(isFirst, sira, kart->FilledCount()); });
        kart->show();
        yuva[size_t(yer.Sira)] = kart;
        // In reading order: after the boxes, the first number's cards before the second's.
        QWidget* once = yer.Sira > 0 ? static_cast<QWidget*>(yuva[size_t(yer.Sira - 1)]) : Edit2;
        if (yer.Sira == 0 && !isFirst)
            for (const QPointer<TYuzdelikForm>& k : ilkKartlar_)
                if (k)
                    once = k;
        setTabOrder(once, kart);
    }
    kutulariOneAl();
}

void TYuzdeForm::DestroyCards(bool first, bool second)
{
    for (bool ilk : {true, false}) {
        if (ilk ? !first : !second)
            continue;
        // Hidden at once and deleted later: a card may be the source of a running drag.
        GizleVeSil(yuvalar(ilk), true);
    }
}

void TYuzdeForm::CompareCards()
{
    const Karsilastirma duzen = Duzen();
    for (bool ilk : {true, false})
        for (int i = 0; i < KART_YUVASI; ++i)
            if (TYuzdelikForm* kart = Kart(ilk, i)) {
                kart->move(duzen.Sol(ilk, i), kart->y());
                kart->SetShowEmpty(duzen.BosGoster(ilk));
            }
    for (bool ilk : {true, false})
        if (duzen.Ustte(ilk))
            for (int i = 0; i < KART_YUVASI; ++i)
                if (TYuzdelikForm* kart = Kart(ilk, i))
                    kart->raise();
    kutulariOneAl();
}

void TYuzdeForm::GuncelleActionExecute()
{
    // A refused first number stops here: the second is left as it is.
    if (UpdateNumber(Edit3, Edit1, true))
        UpdateNumber(Edit4, Edit2, false);
}

void TYuzdeForm::YatayCheckBoxClick()
{
    for (bool ilk : {true, false})
        for (int i = 0; i < KART_YUVASI; ++i)
            if (TYuzdelikForm* kart = Kart(ilk, i))
                kart->SetHorizontal(YatayCheckBox->isChecked());
}

void TYuzdeForm::CheckBox2Click()
{
    izgara_ = CheckBox2->isChecked();
    for (bool ilk : {true, false})
        for (int i = 0; i < KART_YUVASI; ++i)
            if (TYuzdelikForm* kart = Kart(ilk, i))
                kart->SetShowGrid(izgara_);
}

bool TYuzdeForm::MasaDragOver(QObject* kaynak, QPoint) const
{
    return kartSahibi(kaynak).has_value();
}

void TYuzdeForm::MasaDragDrop(QObject* kaynak, QPoint p)
{
    const std::optional<bool> sahip = kartSahibi(kaynak);
    if (!sahip)
        return;
    auto* kart = static_cast<TYuzdelikForm*>(kaynak);
    kart->move(BirakmaYeri(p, Masa->size()));
    ErisimDegisti(kart);
    if (Duzen().BirakincaUsteCikar(*sahip)) {
        kart->raise();
        kutulariOneAl();
    }
}
