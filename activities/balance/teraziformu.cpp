#include "teraziformu.h"
#include "agirlikshape.h"
#include "kefeformu.h"
#include "aracubugu.h"
#include "erisim.h"
#include "gorunum.h"
#include "mesaj.h"
#include "ortam.h"
#include "resimkutusu.h"
#include "servisler.h"
#include "ses.h"
#include "surukle.h"

#include <QAction>
#include <QCheckBox>
#include <QDrag>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr TRenk ARAC_RENGI = 0x0080FF; // orange
// The scene as designed: the picture at (200, 47), the palette at (312, 0);
// the pans reach from x = 72 to 758 in every state of the scale.
const QPoint RESIM_YERI(200, 47);
const QRect PALET_YERI(312, 0, 441, 41);
constexpr int SAHNE_SOL = 72;
constexpr int SAHNE_ORTA = 415;
constexpr int KEFE_BOYU = 250;
// The answer box takes every value equalising can give: a sign and 19 digits.
constexpr int CEVAP_UZUNLUGU = 20;

QString resimYolu(TeraziDurumu durum)
{
    switch (durum) {
    case TeraziDurumu::SolAgir:
        return QStringLiteral(":/pictures/terazi_sol.svg");
    case TeraziDurumu::SagAgir:
        return QStringLiteral(":/pictures/terazi_sag.svg");
    case TeraziDurumu::Dengede:
        break;
    }
    return QStringLiteral(":/pictures/terazi_dengede.svg");
}

// A weight is deleted only once no drag runs on it: a drag in progress is a
// QDrag child of its source until it has ended.
bool SurukleniyorMu(const QWidget* w)
{
    return w->findChild<QDrag*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

// Deletes the pending weights that may go; true while some must still wait.
bool BekleyenleriSil(QList<QPointer<QWidget>>& liste)
{
    QList<QPointer<QWidget>> kalan;
    for (const QPointer<QWidget>& w : liste) {
        if (!w)
            continue;
        if (SurukleniyorMu(w))
            kalan << w;
        else
            w->deleteLater();
    }
    liste = kalan;
    return !liste.isEmpty();
}

void Bekletmeye(QList<QPointer<QWidget>>& liste, QWidget* w, QTimer* zamanlayici)
{
    w->hide();
    if (!liste.contains(w))
        liste << w;
    zamanlayici->start();
}
}

// ---------------------------------------------------------------------------

TeraziResmi::TeraziResmi(QWidget* sahip) : QWidget(sahip)
{
    setFixedSize(444, 368);
}

void TeraziResmi::Goster(TeraziDurumu durum)
{
    if (durum != durum_) {
        durum_ = durum;
        update();
        ErisimDegisti(this);
    }
}

void TeraziResmi::paintEvent(QPaintEvent*)
{
    QImage& resim = resimler_[size_t(durum_)];
    if (resim.isNull())
        resim = ResimKutusu::SvgCiz(resimYolu(durum_), size(), devicePixelRatioF());
    QPainter p(this);
    p.drawImage(0, 0, resim);
}

// ---------------------------------------------------------------------------

const EtkinlikSatiri& TTeraziForm::Satiri()
{
    static const EtkinlikSatiri satir{
        11, QStringLiteral("Denklem Çöz"), 12, 11, QStringLiteral("Denklem Çözelim"),
        QStringLiteral("Denklem Çöz"), QStringLiteral("DenklemCoz"),
        HakkindaTuru::Pencere, QStringLiteral("Denklem Çöz"), QString(), QSize(720, 600),
        PencereYap<TTeraziForm>};
    return satir;
}

TTeraziForm::TTeraziForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TTeraziForm"));
    ZeminVer(this, clWhite);

    ResetAction = Eylem(QStringLiteral("Yeni Problem"), [this] { ResetActionExecute(); });
    BilinmeyenEkleAction = Eylem(QStringLiteral("Bilinmeyen Ekle"), [this] { LeftPan->AddUnknown(); });
    BilinmeyenEsitleAction = Eylem(QStringLiteral("Bilinmeyen Eşitle"), [this] { EqualiseUnknown(); });
    CevapAction = Eylem(QStringLiteral("Denetle"), [this] { CheckAnswer(); });

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    ToolBar1->Dugme(YardimAction, QStringLiteral("Açıklama"));
    ToolBar1->Dugme(HakkindaAction, QStringLiteral("Hakkında"));
    ToolBar1->Dugme(ResetAction, QString(), 130);
    Button8 = ToolBar1->Dugme(BilinmeyenEkleAction, QString(), 160);
    Button5 = ToolBar1->Dugme(BilinmeyenEsitleAction, QString(), 170);
    CheckBox1 = new QCheckBox(QStringLiteral("Parçalama Modu"), ToolBar1);
    CheckBox1->setFont(Yazi(YaziAilesi::Arial, 14));
    // In the Tab order, but a click leaves the focus where it was.
    CheckBox1->setFocusPolicy(Qt::TabFocus);
    Button8->setFocusPolicy(Qt::TabFocus);
    Button5->setFocusPolicy(Qt::TabFocus);
    RenkVer(CheckBox1, QPalette::WindowText, clWhite);
    ToolBar1->Duzen()->addSpacing(8);
    ToolBar1->Duzen()->addWidget(CheckBox1);
    ToolBar1->Duzen()->addSpacing(8);
    KomutCubuguBitir(ToolBar1);
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool acik) { BolmeKipiAyarla(acik); });

    Image1 = new TeraziResmi(this);
    ErisimKur(Image1, QAccessible::Graphic, [this] { return TeraziAdi(Model.Durum()); });
    PanelleriKur();
    LeftPan = new TKefeForm(this, Model, SOL_KEFE);
    RightPan = new TKefeForm(this, Model, SAG_KEFE);
    for (TKefeForm* kefe : {LeftPan, RightPan}) {
        const int taraf = kefe->Taraf();
        kefe->resize(KEFE_BOYU, KEFE_BOYU);
        kefe->BilinmeyenActionKur(Eylem(QStringLiteral("Bilinmeyen Ekle"), [kefe] { kefe->AddUnknown(); }));
        connect(kefe, &TKefeForm::Birakildi, this,
                [this, taraf](QObject* kaynak, QPoint p) { Birak(kaynak, BirakmaHedefi{taraf}, p); });
        connect(kefe, &TKefeForm::UstuneBirakildi, this, [this](QObject* hedef, QObject* birakilan) {
            if (const int kimlik = AgirlikKimligi(hedef))
                Birak(birakilan, BirakmaHedefi{YER_YOK, kimlik});
        });
        connect(kefe, &TKefeForm::EtiketDegisti, this, [this] { UpdateBalance(); });
        connect(kefe, &TKefeForm::Ayrildi, this, [this](QWidget* agirlik) { ScheduleDelete(agirlik); });
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });

    SurukleHedefiKur(
        this, [this](QObject* kaynak, QPoint p) { return FormDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { FormDragDrop(kaynak, p); });
    // Tab carries a weight to the pans, the weights on them and the palette's
    // middle; the surface and the picture are reached by the arrows.
    SurukleYerleriKur(this, [] { return QList<QPoint>(); });
    SurukleYerleriKur(Image1, [] { return QList<QPoint>(); });
    setTabOrder(CheckBox1, Edit1);
    setTabOrder(Edit1, PaletAgirligi(1));
    setTabOrder(PaletAgirligi(1), PaletAgirligi(3));
    setTabOrder(PaletAgirligi(3), PaletAgirligi(5));
    setTabOrder(PaletAgirligi(5), LeftPan);
    setTabOrder(LeftPan, RightPan);
    Yerlestir();
    ShowBalanced();
}

void TTeraziForm::PanelleriKur()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    ZeminVer(Panel1, clWhite);
    const int kgler[3] = {1, 3, 5};
    const int soldan[3] = {10, 50, 100};
    auto paletKurali = [this](QWidget* hedef) {
        SurukleHedefiKur(
            hedef, [this](QObject* kaynak, QPoint p) { return PaletDragOver(kaynak, p); },
            [this](QObject* kaynak, QPoint p) { PaletDragDrop(kaynak, p); });
    };
    for (int i = 0; i < 3; ++i) {
        palet_[size_t(i)] = new AgirlikShape(Panel1, kgler[i], Model.PaletAgirligi(kgler[i]));
        palet_[size_t(i)]->move(soldan[i], 3);
        OtomatikSurukle(palet_[size_t(i)], true);
        const int kimlik = Model.PaletAgirligi(kgler[i]);
        ErisimKur(palet_[size_t(i)], QAccessible::Graphic, [this, kimlik] { return Model.AgirlikAdi(kimlik); });
        // A weight dropped on a palette weight is dropped on the palette.
        paletKurali(palet_[size_t(i)]);
        SurukleYerleriKur(palet_[size_t(i)], [] { return QList<QPoint>(); });
    }
    paletKurali(Panel1);
    paletKurali(Image1);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* duzen = new QHBoxLayout(Panel2);
    duzen->setContentsMargins(0, 2, 0, 2);
    Label1 = new QLabel(QStringLiteral("X="), Panel2);
    Label1->setFont(Yazi(YaziAilesi::Arial, 24));
    Edit1 = new QLineEdit(QStringLiteral("0"), Panel2);
    Edit1->setFont(Yazi(YaziAilesi::Arial, 20));
    Edit1->setMaxLength(CEVAP_UZUNLUGU);
    Edit1->setFixedWidth(260);
    SayiTusuFiltresiKur(Edit1);
    Label1->setBuddy(Edit1);
    connect(Edit1, &QLineEdit::returnPressed, CevapAction, &QAction::trigger);
    duzen->addWidget(Label1);
    duzen->addWidget(Edit1);
    duzen->addStretch(1);
    Panel2->hide();
}

AgirlikShape* TTeraziForm::PaletAgirligi(int kg) const
{
    for (AgirlikShape* a : palet_)
        if (a->Kimlik() == Model.PaletAgirligi(kg))
            return a;
    return nullptr;
}

TKefeForm* TTeraziForm::Kefe(int taraf) const
{
    if (taraf == SOL_KEFE)
        return LeftPan;
    if (taraf == SAG_KEFE)
        return RightPan;
    return nullptr;
}

AgirlikShape* TTeraziForm::UnknownShape() const
{
    TKefeForm* kefe = Kefe(Model.BilinmeyenKefesi());
    return kefe ? kefe->Agirlik(Model.BilinmeyenKimligi()) : nullptr;
}

// ---------------------------------------------------------------------------

void TTeraziForm::UpdateBalance()
{
    if (!LeftPan || !RightPan)
        return;
    switch (Model.Durum()) {
    case TeraziDurumu::Dengede:
        ShowBalanced();
        break;
    case TeraziDurumu::SolAgir:
        ShowLeftHeavy();
        break;
    case TeraziDurumu::SagAgir:
        ShowRightHeavy();
        break;
    }
}

void TTeraziForm::KefeyeYerlestir(TeraziDurumu durum)
{
    Image1->Goster(durum);
    const KefeYerleri yerler = KefeYerleriHesapla(durum, Image1->pos());
    LeftPan->move(yerler.Sol);
    RightPan->move(yerler.Sag);
    KomutlariGuncelle();
    update();
}

void TTeraziForm::ShowBalanced()
{
    KefeyeYerlestir(TeraziDurumu::Dengede);
}

void TTeraziForm::ShowLeftHeavy()
{
    KefeyeYerlestir(TeraziDurumu::SolAgir);
}

void TTeraziForm::ShowRightHeavy()
{
    KefeyeYerlestir(TeraziDurumu::SagAgir);
}

void TTeraziForm::KomutlariGuncelle()
{
    BilinmeyenEkleAction->setEnabled(!Model.UnknownAdded);
    for (TKefeForm* kefe : {LeftPan, RightPan})
        for (QAction* a : kefe->actions())
            a->setEnabled(!Model.UnknownAdded);
    BilinmeyenEsitleAction->setEnabled(Model.UnknownAdded && !Model.Frozen);
    Button5->setVisible(!Model.Frozen);
    Panel1->setVisible(!Model.Frozen);
    Panel2->setVisible(Model.Frozen);
}

// ---------------------------------------------------------------------------

void TTeraziForm::ScheduleDelete(QWidget* agirlik)
{
    if (agirlik)
        Bekletmeye(silinecekler_, agirlik, Timer1);
}

void TTeraziForm::Timer1Timer()
{
    if (!BekleyenleriSil(silinecekler_))
        Timer1->stop();
}

void TTeraziForm::Timer2Timer()
{
    if (!BekleyenleriSil(geriDonenler_))
        Timer2->stop();
}

void TTeraziForm::Birak(QObject* kaynak, BirakmaHedefi hedef, QPoint p)
{
    auto* s = qobject_cast<AgirlikShape*>(kaynak);
    if (!s)
        return;
    // The weight dropped on, found before the model lets it go.
    AgirlikShape* t = nullptr;
    for (TKefeForm* kefe : {LeftPan, RightPan})
        if (!t)
            t = kefe->Agirlik(hedef.Agirlik);
    const BirakmaKarari karar = Model.Birak(s->Kimlik(), hedef, p);
    switch (karar.Sonuc) {
    case BirakmaKarari::Yok:
        return;
    case BirakmaKarari::Red:
        SesCal(karar.Ses);
        Ortam::Gecerli().MesajGoster(karar.Mesaj);
        return;
    case BirakmaKarari::Tasi:
        s->move(karar.Konum);
        ErisimDegisti(s);
        break;
    case BirakmaKarari::Kopyala:
        Kefe(karar.Kefe)->AgirlikGoster(karar.Agirlik);
        break;
    case BirakmaKarari::Cikar:
        break;
    case BirakmaKarari::Iptal:
        // The receiving weight is in the middle of its own drop: hidden now,
        // deleted once Qt is done with it.
        if (t) {
            t->hide();
            t->deleteLater();
        }
        break;
    }
    // The dragged weight is in the middle of its drag.
    if (karar.KaynakGider) {
        if (hedef.Yer == PALET)
            Bekletmeye(geriDonenler_, s, Timer2);
        else
            ScheduleDelete(s);
    }
    LeftPan->UpdatePanLabel();
    RightPan->UpdatePanLabel();
    if (karar.Ses)
        SesCal(karar.Ses);
}

bool TTeraziForm::FormDragOver(QObject* kaynak, QPoint) const
{
    return Model.Birakilabilir(AgirlikKimligi(kaynak), PENCERE_YUZEYI);
}

void TTeraziForm::FormDragDrop(QObject* kaynak, QPoint p)
{
    if (FormDragOver(kaynak, p))
        Birak(kaynak, BirakmaHedefi{PENCERE_YUZEYI}, p);
}

bool TTeraziForm::PaletDragOver(QObject* kaynak, QPoint) const
{
    return Model.Birakilabilir(AgirlikKimligi(kaynak), PALET);
}

void TTeraziForm::PaletDragDrop(QObject* kaynak, QPoint p)
{
    if (PaletDragOver(kaynak, p))
        Birak(kaynak, BirakmaHedefi{PALET}, p);
}

// ---------------------------------------------------------------------------

void TTeraziForm::BolmeKipiAyarla(bool acik)
{
    Model.BolmeKipi = acik;
    if (CheckBox1->isChecked() != acik)
        CheckBox1->setChecked(acik);
    LeftPan->SetPanDragMode(!acik);
    RightPan->SetPanDragMode(!acik);
}

void TTeraziForm::EqualiseUnknown()
{
    if (!Model.EqualiseUnknown())
        return;
    UpdateBalance();
    Edit1->setFocus();
    Edit1->selectAll();
}

void TTeraziForm::CheckAnswer()
{
    const CevapSonucu sonuc = Model.CheckAnswer(Edit1->text());
    SesCal(sonuc.Dogru ? SES_TEBRIK : SES_HATA);
    Ortam::Gecerli().MesajGoster(sonuc.Mesaj);
}

void TTeraziForm::ResetActionExecute()
{
    ScheduleDelete(UnknownShape());
    Model.YeniProblem();
    LeftPan->ClearPan();
    RightPan->ClearPan();
    Edit1->setText(QStringLiteral("0"));
    UpdateBalance();
}

// ---------------------------------------------------------------------------

bool TTeraziForm::event(QEvent* olay)
{
    if (NumaraliMi(olay, MSG_PAN_CHANGED)) {
        UpdateBalance();
        return true;
    }
    if (NumaraliMi(olay, MSG_SPLIT_DONE)) {
        BolmeKipiAyarla(false);
        return true;
    }
    return EtkinlikPenceresi::event(olay);
}

void TTeraziForm::Yerlesim(const QRect& alan)
{
    // The scene stands in the middle of the window, never cut off on the left.
    const QPoint kayma(std::max(-SAHNE_SOL, width() / 2 - SAHNE_ORTA), alan.top() + 8);
    Image1->move(RESIM_YERI + kayma);
    Panel1->setGeometry(PALET_YERI.translated(kayma));
    Panel2->setGeometry(PALET_YERI.translated(kayma));
    LeftPan->resize(KEFE_BOYU, KEFE_BOYU);
    RightPan->resize(KEFE_BOYU, KEFE_BOYU);
    // The pans go back onto the picture's arms at once.
    UpdateBalance();
}
