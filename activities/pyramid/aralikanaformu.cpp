#include "aralikanaformu.h"
#include "araliktoplamformu.h"
#include "aracubugu.h"
#include "gorunum.h"
#include "ortam.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr TRenk PENCERE_ZEMINI = 0xF3E6FA; // pale lilac, under the pink board
constexpr TRenk ARAC_RENGI = 0x9A3C8E;     // plum
}

const EtkinlikSatiri& TAralikAnaForm::Satiri()
{
    static const EtkinlikSatiri satir{
        5, QStringLiteral("Sayı Piramidi"), 6, 6, QStringLiteral("Sayı Piramidi"),
        QStringLiteral("Sayı Piramidi"), QStringLiteral("SayiPiramidi"),
        HakkindaTuru::Pencere, QStringLiteral("Sayı Piramidi"), QString(), QSize(750, 600),
        PencereYap<TAralikAnaForm>};
    return satir;
}

TAralikAnaForm::TAralikAnaForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("AralikAnaForm"));
    ZeminVer(this, PENCERE_ZEMINI);
    YeniProblemAction = Eylem(QStringLiteral("Yeni Problem"), [this] { YeniProblemActionExecute(); });
    KendinGirAction = Eylem(QStringLiteral("Problem Gir"), [this] { KendinGirActionExecute(); });

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    Button5 = ToolBar1->Dugme(YardimAction, QStringLiteral("Açıklama"));
    Button1 = ToolBar1->Dugme(HakkindaAction, QStringLiteral("Hakkında"));
    Button2 = ToolBar1->Dugme(YeniProblemAction, QString(), 130);
    Button4 = ToolBar1->Dugme(KendinGirAction, QString(), 130);
    KomutCubuguBitir(ToolBar1);

    IslemGrubu = new QGroupBox(QStringLiteral("İşlem"), this);
    IslemGrubu->setFont(Yazi(YaziAilesi::Arial, 14));
    RadioButton1 = new QRadioButton(QStringLiteral("Toplama (+)"), IslemGrubu);
    RadioButton2 = new QRadioButton(QStringLiteral("Çıkartma (-)"), IslemGrubu);
    RadioButton3 = new QRadioButton(QStringLiteral("Çarpma"), IslemGrubu);
    RadioButton1->setChecked(true);
    auto* islemler = new QHBoxLayout(IslemGrubu);
    const QList<QPair<QRadioButton*, PiramitIslemi>> secenekler = {{RadioButton1, PiramitIslemi::Toplama},
                                                                     {RadioButton2, PiramitIslemi::Cikarma},
                                                                     {RadioButton3, PiramitIslemi::Carpma}};
    for (const auto& [dugme, islem] : secenekler) {
        dugme->setFont(Yazi(YaziAilesi::Arial, 15, false));
        islemler->addWidget(dugme);
        connect(dugme, &QRadioButton::toggled, this, [this, islem = islem](bool secili) {
            if (secili)
                IslemSecildi(islem);
        });
    }

    CheckBox1 = new QCheckBox(QStringLiteral("Yukarıdan Aşağıya"), this);
    CheckBox2 = new QCheckBox(QStringLiteral("Yanlışı Bilgilendir"), this);
    // A click on a switch leaves the keyboard with the entry box; Tab still reaches them.
    for (QCheckBox* kutu : {CheckBox1, CheckBox2}) {
        kutu->setFont(Yazi(YaziAilesi::Arial, 15, false));
        kutu->setFocusPolicy(Qt::TabFocus);
    }
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });

    AralikToplamForm = new TAralikToplamForm(this);
    Kaydirma = new QScrollArea(this);
    Kaydirma->setFrameShape(QFrame::NoFrame);
    // Tab moves between the cells, not onto the frame; readers hear the board by its name.
    Kaydirma->setFocusPolicy(Qt::NoFocus);
    Kaydirma->setAccessibleName(QStringLiteral("Piramit"));
    Kaydirma->horizontalScrollBar()->setAccessibleName(QStringLiteral("Piramidi yatay kaydır"));
    Kaydirma->verticalScrollBar()->setAccessibleName(QStringLiteral("Piramidi dikey kaydır"));
    Kaydirma->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Kaydirma->viewport()->setAutoFillBackground(false);
    Kaydirma->setWidget(AralikToplamForm);
    Kaydirma->viewport()->installEventFilter(this);
    AralikToplamForm->installEventFilter(this);
    connect(AralikToplamForm, &TAralikToplamForm::GorunsunIstendi, this, &TAralikAnaForm::Goster);

    auto* secimler = new QHBoxLayout;
    secimler->setContentsMargins(20, 0, 20, 0);
    secimler->setSpacing(24);
    secimler->addWidget(IslemGrubu);
    auto* kutular = new QVBoxLayout;
    kutular->setSpacing(6);
    kutular->addStretch(1);
    kutular->addWidget(CheckBox1);
    kutular->addWidget(CheckBox2);
    kutular->addStretch(1);
    secimler->addLayout(kutular);
    secimler->addStretch(1);
    auto* duzen = new QVBoxLayout(this);
    // Under the command bar, which the window places itself.
    duzen->setContentsMargins(0, CUBUK_YUKSEKLIGI + 8, 0, 10);
    duzen->setSpacing(8);
    duzen->addLayout(secimler);
    auto* tahta = new QHBoxLayout;
    tahta->setContentsMargins(20, 0, 20, 0);
    tahta->addWidget(Kaydirma);
    duzen->addLayout(tahta, 1);

    AralikToplamForm->BuildPyramid(PyramidSize, true);
}

void TAralikAnaForm::YeniProblemActionExecute()
{
    const QString cevap = Ortam::Gecerli().GirdiKutusu(
        QStringLiteral("Yeni boyutu giriniz"), QStringLiteral("Boyutu Giriniz"), QString::number(PyramidSize));
    // A text that is no integer ends here with the conversion error; the pyramid stays.
    const std::optional<int> boy = YeniBoyutCevabi(cevap);
    if (!boy)
        return;
    PyramidSize = *boy;
    AralikToplamForm->BuildPyramid(PyramidSize, true);
}

void TAralikAnaForm::KendinGirActionExecute()
{
    const QString cevap = Ortam::Gecerli().GirdiKutusu(QStringLiteral("Başlangıç Sayıları"),
                                                       QStringLiteral("Başlangıç sayılarını giriniz:"), QString());
    const TabanCevabi taban = TabanCevabiOku(cevap);
    if (taban.Sonuc == TabanCevabi::CokUzun)
        Ortam::Gecerli().MesajGoster(TabanSiniriMesaji());
    if (taban.Sonuc != TabanCevabi::Tamam)
        return;
    AralikToplamForm->TabanaKur(taban.Taban, taban.Yazilanlar);
}

void TAralikAnaForm::CheckBox1Click()
{
    AralikToplamForm->SetTopDown(CheckBox1->isChecked());
    AralikToplamForm->GirisiOdakla();
}

void TAralikAnaForm::CheckBox2Click()
{
    AralikToplamForm->InformWrong = CheckBox2->isChecked();
    AralikToplamForm->GirisiOdakla();
}

void TAralikAnaForm::IslemSecildi(PiramitIslemi islem)
{
    AralikToplamForm->SetOperation(islem);
}

bool TAralikAnaForm::eventFilter(QObject* nesne, QEvent* olay)
{
    // Scrolling moves the board; a new size of the window resizes the viewport.
    if ((olay->type() == QEvent::Resize || olay->type() == QEvent::Move)
        && (nesne == AralikToplamForm || nesne == Kaydirma->viewport()))
        GorunurAlaniBildir();
    return EtkinlikPenceresi::eventFilter(nesne, olay);
}

void TAralikAnaForm::GorunurAlaniBildir()
{
    TAralikToplamForm* t = AralikToplamForm;
    const QRect gorunur = QRect(t->mapFrom(Kaydirma->viewport(), QPoint(0, 0)), Kaydirma->viewport()->size()) & t->rect();
    t->GorunurAlanAyarla(gorunur == t->rect() ? QRect() : gorunur);
}

void TAralikAnaForm::Goster(QWidget* w)
{
    // Room on the left for the operation label.
    Kaydirma->ensureWidgetVisible(w, ISLEM_ETIKETI_SOLU + AralikToplamForm->IslemLabel->width() + 20, 30);
}
