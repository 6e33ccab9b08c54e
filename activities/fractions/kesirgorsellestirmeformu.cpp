#include "kesirgorsellestirmeformu.h"
#include "brushsitilformu.h"
#include "erisim.h"
#include "kesirshape.h"
#include "gorunum.h"
#include "mesaj.h"
#include "okdugmeleri.h"
#include "ortam.h"
#include "servisler.h"
#include "ses.h"
#include "uygulama.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr int KESIR_PIKSEL = 36;   // numerator, bar and denominator
constexpr int KESIR_GENISLIK = 100;
constexpr TRenk ZEMIN = 0xFFFFFF;
constexpr TRenk CERCEVE = 0xB48C64;

QLabel* KesirEtiketi(QWidget* sahip, const QString& metin)
{
    auto* e = new QLabel(metin, sahip);
    e->setFont(Yazi(YaziAilesi::Arial, KESIR_PIKSEL));
    e->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    e->setAttribute(Qt::WA_TranslucentBackground);
    return e;
}

QLineEdit* CevapKutusu(QWidget* sahip)
{
    auto* k = new QLineEdit(sahip);
    k->setFont(Yazi(YaziAilesi::Arial, 26));
    k->setAlignment(Qt::AlignCenter);
    k->setMaxLength(12);
    SayiTusuFiltresiKur(k);
    k->hide();
    return k;
}
} // namespace

TKesirGorsellestirmeForm::TKesirGorsellestirmeForm(QWidget* sahip, KesirCizimi* durum)
    : QWidget(sahip), kendi_(durum ? nullptr : new KesirCizimi), durum_(durum ? durum : kendi_.get())
{
    setObjectName(QStringLiteral("TKesirGorsellestirmeForm"));
    // A click anywhere in the drawing makes it the one that F2 renews.
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(QStringLiteral("Kesir"));

    Label2 = KesirEtiketi(this, QString());
    Label3 = KesirEtiketi(this, QStringLiteral("__"));
    Label1 = KesirEtiketi(this, QString());
    // Readers hear the fraction as a pupil reads it, numerator first.
    ErisimKur(Label2, QAccessible::StaticText, [this] { return QStringLiteral("Pay: ") + Label2->text(); });
    Label3->setAccessibleName(QStringLiteral("Kesir çizgisi"));
    ErisimKur(Label1, QAccessible::StaticText, [this] { return QStringLiteral("Payda: ") + Label1->text(); });
    Edit1 = CevapKutusu(this);
    Edit1->setAccessibleName(QStringLiteral("Pay"));
    Edit2 = CevapKutusu(this);
    Edit2->setAccessibleName(QStringLiteral("Payda"));
    UpDown1 = new OkDugmeleri(this);
    UpDown1->setToolTip(QStringLiteral("Parça sayısı"));
    UpDown1->AdVer(QStringLiteral("Parça sayısını artır"), QStringLiteral("Parça sayısını azalt"));
    connect(UpDown1, &OkDugmeleri::Basildi, this, [this](int yon) { HataSinirinda([&] { UpDown1Click(yon); }); });
    YonergeLabel = new QLabel(this);
    YonergeLabel->setFont(Yazi(YaziAilesi::Arial, 16));
    RenkVer(YonergeLabel, QPalette::WindowText, clNavy);

    DoYatayAction = eylem(QStringLiteral("Yatay Görünüm"), [this] { Rebuild(GORUNUM_YATAY, true); });
    DoDikeyAction = eylem(QStringLiteral("Dikey Görünüm"), [this] { Rebuild(GORUNUM_DIKEY, true); });
    DoCemberAction = eylem(QStringLiteral("Çember Görünüm"), [this] { Rebuild(GORUNUM_CEMBER, true); });
    DoUcgenAction = eylem(QStringLiteral("Üçgen Görünüm"), [this] { Rebuild(GORUNUM_COKGEN, true); });
    FircaSecAction = eylem(QStringLiteral("Fırca Boyama Sitili"), [this] { FircaSecActionExecute(); });
    GorsellestirmeModAction = eylem(QStringLiteral("Görselleştirme Modu"), [this] { SetMode(MOD_GORSELLESTIRME); });
    BolumSorAction = eylem(QStringLiteral("Kesir Adı Sor Modu"), [this] { SetMode(MOD_KESIR_GOSTER); });
    KesirSorAction = eylem(QStringLiteral("Kesir Bul"), [this] { SetMode(MOD_KESIR_ADI); });
    CevapDenetleAction = eylem(QStringLiteral("Cevap Denetle"), [this] { CevapDenetleActionExecute(); });
    GosterDilimAction =
        eylem(QStringLiteral("Dilim No Göster"), [this] { SetShowSliceNumbers(!durum_->ShowSliceNumbers()); });
    SeciliDilimGosterAction = eylem(QStringLiteral("Seçilmiş Dilim No Göster"),
                                    [this] { SetShowSelectionNumbers(!durum_->ShowSelectionNumbers()); });
    // F2 belongs to the comparison window, which passes it to one drawing.
    YeniProblemAction = eylem(QStringLiteral("Yeni Problem"), [this] { NewExercise(); });

    Button1 = new QPushButton(CevapDenetleAction->text(), this);
    Button1->setFont(Yazi(YaziAilesi::Arial, 14));
    Button1->setAutoDefault(false);
    Button1->resize(130, 34);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, CevapDenetleAction, &QAction::trigger);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();

    NewFraction();
    Rebuild(durum_->View(), false);
    Yerlesim();
}

QAction* TKesirGorsellestirmeForm::eylem(const QString& metin, std::function<void()> is)
{
    auto* a = new QAction(metin, this);
    connect(a, &QAction::triggered, this, [is = std::move(is)] { HataSinirinda(is); });
    return a;
}

QList<KesirShape*> TKesirGorsellestirmeForm::Slices() const
{
    QList<KesirShape*> sonuc;
    for (const QPointer<KesirShape>& d : dilimler_)
        if (d)
            sonuc << d.data();
    return sonuc;
}

void TKesirGorsellestirmeForm::NewFraction()
{
    durum_->NewFraction();
}

void TKesirGorsellestirmeForm::SetPartCount(int n)
{
    durum_->SetPartCount(n);
    Rebuild(durum_->View(), false);
}

void TKesirGorsellestirmeForm::UpDown1Click(int yon)
{
    switch (durum_->ParcaOkunaBas(yon)) {
    case KesirCizimi::ParcaOku::CokFazla:
        SesCal(SES_HATA);
        Ortam::Gecerli().MesajGoster(
            QStringLiteral("Bir bütün en çok %1 eş parçaya bölünebilir").arg(KESIR_EN_COK_PARCA));
        break;
    case KesirCizimi::ParcaOku::Degisti:
        Rebuild(durum_->View(), false);
        break;
    case KesirCizimi::ParcaOku::Degismedi:
        break;
    }
}

void TKesirGorsellestirmeForm::Rebuild(int v, bool koru)
{
    durum_->Rebuild(v, koru);
    // A pupil at the keys who was on a slice stays on the slice of that number.
    bool dilimdeydi = false;
    for (const QPointer<KesirShape>& d : dilimler_)
        dilimdeydi = dilimdeydi || (d && d->hasFocus());
    for (const QPointer<KesirShape>& d : dilimler_)
        if (d) {
            d->hide();
            delete d.data();
        }
    dilimler_.clear();

    const int n = durum_->PartCount();
    const KesirGorunumu cizilen = durum_->DrawnView();
    for (int i = 0; i < n; ++i) {
        KesirShape* d = nullptr;
        if (cizilen == GORUNUM_YATAY || cizilen == GORUNUM_DIKEY) {
            d = new KesirShape(this);
        } else {
            auto* c = cizilen == GORUNUM_COKGEN ? new KesirUcgenCemberShape(this) : new KesirCemberShape(this);
            c->PartCount = n;
            c->Span = 1;
            d = c;
        }
        d->SliceIndex = i;
        d->Cizim = durum_;
        connect(d, &KesirShape::OkBasildi, this, &TKesirGorsellestirmeForm::DilimeGec);
        dilimler_ << d;
    }
    odakDilimi_ = std::clamp(odakDilimi_, 0, std::max(0, n - 1));
    OdakDiliminiAyarla();
    DilimleriYerlestir();
    DilimleriBoya();
    for (KesirShape* d : Slices()) {
        d->setEnabled(durum_->SlicesEnabled());
        d->show();
    }
    if (dilimdeydi && odakDilimi_ < dilimler_.size() && dilimler_[odakDilimi_]->isEnabled())
        dilimler_[odakDilimi_]->setFocus(Qt::OtherFocusReason);
    YonergeLabel->setText(ModYonergesi(durum_->Mode()));
    quint8 gorunum = durum_->View();
    MesajGonder(parentWidget(), MSG_VIEW_CHANGED, MesajParametresi(&gorunum));
    UpdateModeDisplay();
}

void TKesirGorsellestirmeForm::DilimleriYerlestir()
{
    const QRect sekil(ShapeLeft, ShapeTop, ShapeWidth, ShapeHeight);
    const KesirGorunumu cizilen = durum_->DrawnView();
    const bool serit = cizilen == GORUNUM_YATAY || cizilen == GORUNUM_DIKEY;
    for (KesirShape* d : Slices())
        d->setGeometry(serit ? SeritYeri(cizilen, sekil, durum_->PartCount(), d->SliceIndex) : sekil);
}

void TKesirGorsellestirmeForm::ToggleSlice(KesirShape* dilim)
{
    const int i = Slices().indexOf(dilim);
    if (i >= 0) {
        // A press changes one slice's order and may lower later ones: only
        // the slices whose order changed are painted again.
        const QVector<int> once = durum_->Tags();
        durum_->ToggleSlice(i);
        const QList<KesirShape*> dilimler = Slices();
        for (int k = 0; k < dilimler.size(); ++k)
            if (durum_->Tag(k) != once.value(k)) {
                dilimler[k]->update();
                ErisimDegisti(dilimler[k]);
            }
    }
    UpdateModeDisplay();
}

void TKesirGorsellestirmeForm::OdakDiliminiAyarla()
{
    for (int i = 0; i < dilimler_.size(); ++i)
        if (dilimler_[i])
            dilimler_[i]->setFocusPolicy(i == odakDilimi_ ? Qt::TabFocus : Qt::NoFocus);
}

void TKesirGorsellestirmeForm::DilimeGec(KesirShape* dilim, int yon)
{
    const int i = Slices().indexOf(dilim);
    const int yeni = std::clamp(i + yon, 0, int(dilimler_.size()) - 1);
    if (i < 0 || yeni == i || !dilimler_[yeni])
        return;
    odakDilimi_ = yeni;
    // The new stop takes the focus before the old one gives up its policy.
    dilimler_[yeni]->setFocusPolicy(Qt::TabFocus);
    dilimler_[yeni]->setFocus(Qt::TabFocusReason);
    OdakDiliminiAyarla();
}

QList<QWidget*> TKesirGorsellestirmeForm::SekmeSirasi() const
{
    QList<QWidget*> sira;
    for (KesirShape* d : Slices())
        sira << d;
    sira << Edit1 << Edit2 << Button1 << UpDown1->Yukari << UpDown1->Asagi;
    return sira;
}

bool TKesirGorsellestirmeForm::event(QEvent* olay)
{
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_SLICE_PRESSED)) {
        ToggleSlice(MesajIsaretcisi<KesirShape>(m->WParam));
        return true;
    }
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_ROUND_SLICE_PRESSED)) {
        const DilimBasimi* kayit = MesajIsaretcisi<DilimBasimi>(m->WParam);
        // Every slice of a circle has the circle's box, the one pressed included.
        const auto* basilan = kayit ? qobject_cast<const KesirShape*>(kayit->Sender) : nullptr;
        const int i = basilan ? BasilanDilim(basilan->width(), basilan->height(), durum_->PartCount(), kayit->X, kayit->Y)
                              : -1;
        ToggleSlice(Slices().value(i));
        return true;
    }
    return QWidget::event(olay);
}

void TKesirGorsellestirmeForm::UpdateModeDisplay()
{
    const int mod = durum_->Mode();
    const bool kutular = mod == MOD_KESIR_ADI;
    if (mod == MOD_KESIR_GOSTER) {
        Label1->setText(QString::number(durum_->TargetDenominator()));
        Label2->setText(QString::number(durum_->TargetNumerator()));
    } else {
        Label1->setText(QString::number(durum_->PartCount()));
        Label2->setText(QString::number(durum_->SelectedCount()));
    }
    Label1->setVisible(!kutular);
    Label2->setVisible(!kutular);
    Label3->setVisible(true);
    UpDown1->setVisible(!kutular);
    Button1->setVisible(mod != MOD_GORSELLESTIRME);
    Edit1->setVisible(kutular);
    Edit2->setVisible(kutular);
}

void TKesirGorsellestirmeForm::Timer1Timer()
{
    UpdateModeDisplay();
}

void TKesirGorsellestirmeForm::SetMode(int m)
{
    durum_->SetMode(m);
    Yerlesim();
    UpdateModeDisplay();
    MesajGonder(parentWidget(), MSG_MODE_CHANGED);
    if (durum_->Mode() == MOD_GORSELLESTIRME)
        Rebuild(durum_->View(), false);
    else
        NewExercise();
}

void TKesirGorsellestirmeForm::NewExercise()
{
    UpdateModeDisplay();
    NewFraction();
    const bool adi = durum_->Mode() == MOD_KESIR_ADI;
    if (adi) {
        durum_->SetPartCount(durum_->TargetDenominator());
        Edit1->clear();
        Edit2->clear();
    }
    Rebuild(durum_->View(), false);
    if (adi) {
        durum_->HedefiSec();
        DilimleriBoya();
        UpdateModeDisplay();
    }
}

void TKesirGorsellestirmeForm::CevapDenetleActionExecute()
{
    const std::optional<CevapYargisi> y = durum_->CevapDenetle(Edit1->text(), Edit2->text());
    if (!y)
        return;
    SesCal(y->Dogru ? SES_NOTR : SES_HATA);
    Ortam::Gecerli().MesajKutusu(y->Metin, y->Baslik);
    if (y->Dogru)
        NewExercise();
}

void TKesirGorsellestirmeForm::FircaSecActionExecute()
{
    TBrushSitilForm secici(this, durum_->AreaBrushStyle());
    if (Ortam::Gecerli().ModalGoster(secici) == QDialog::Accepted)
        SetAreaBrushStyle(secici.SeciliStil());
}

void TKesirGorsellestirmeForm::SetSize(int w)
{
    ShapeWidth = w;
    ShapeHeight = w;
    DilimleriYerlestir();
    Yerlesim();
}

TKesirGorsellestirmeForm::Olcu TKesirGorsellestirmeForm::OlcuIcin(int w)
{
    // A small drawing (three fractions in a small window) takes smaller type.
    Olcu o;
    o.Kucuk = w < 200;
    o.KesirYazisi = Yazi(YaziAilesi::Arial, o.Kucuk ? 26 : KESIR_PIKSEL);
    o.YonergeYazisi = Yazi(YaziAilesi::Arial, o.Kucuk ? 11 : 16);
    o.Sutun = o.Kucuk ? 64 : KESIR_GENISLIK;
    o.Satir = QFontMetrics(o.KesirYazisi).height();
    o.Ortusme = o.Kucuk ? 18 : 25;
    o.YonergeSatiri = QFontMetrics(o.YonergeYazisi).height();
    return o;
}

int TKesirGorsellestirmeForm::YukseklikIcin(int w) const
{
    const Olcu o = OlcuIcin(w);
    return ShapeTop + w + 10 + 3 * o.Satir - o.Ortusme + 5 + o.YonergeSatiri + 5;
}

void TKesirGorsellestirmeForm::Yerlesim()
{
    const Olcu o = OlcuIcin(ShapeWidth);
    for (QLabel* e : {Label2, Label3, Label1}) {
        e->setFont(o.KesirYazisi);
        e->resize(o.Sutun, o.Satir);
    }
    YonergeLabel->setFont(o.YonergeYazisi);
    Label2->move(10, ShapeTop + ShapeHeight + 10);
    Label3->move(10, Label2->y() + o.Satir - o.Ortusme);
    Label1->move(10, Label3->y() + o.Satir);
    Edit1->setGeometry(Label2->x() + 5, Label2->y() + 2, o.Sutun - 10, o.Satir - 6);
    Edit2->setGeometry(Label1->x() + 5, Label1->y() + 2, o.Sutun - 10, o.Satir - 6);
    const int genislik = ShapeWidth + 50;
    // The button, then the parts arrows, right of the bar; the arrows move up to
    // the bar while the button is hidden, and both stay inside a narrow drawing.
    const int x = Label3->x() + o.Sutun + 20;
    const int oklar = durum_->Mode() == MOD_KESIR_ADI ? 0 : 26 + 10;
    Button1->setFont(Yazi(YaziAilesi::Arial, o.Kucuk ? 12 : 14));
    Button1->setGeometry(x, Label3->y(), std::clamp(genislik - x - oklar - 6, 60, 130), 34);
    const int okX = durum_->Mode() == MOD_GORSELLESTIRME ? x : Button1->x() + Button1->width() + 10;
    UpDown1->setGeometry(std::min(okX, genislik - 32), Label3->y(), 26, 44);
    YonergeLabel->setGeometry(10, Label1->y() + o.Satir + 5, genislik - 20, o.YonergeSatiri);
    resize(genislik, YukseklikIcin(ShapeWidth));
}

void TKesirGorsellestirmeForm::DilimleriBoya()
{
    for (KesirShape* d : Slices()) {
        d->NormalColour = durum_->AllAreaColour();
        d->SelectedColour = durum_->SelectedAreaColour();
        d->SliceBrushStyle = durum_->AreaBrushStyle();
        d->ShowSliceNo = durum_->ShowSliceNumbers();
        d->ShowSelectionNo = durum_->ShowSelectionNumbers();
        d->update();
    }
}

void TKesirGorsellestirmeForm::SetAllAreaColour(TRenk renk)
{
    durum_->SetAllAreaColour(renk);
    DilimleriBoya();
}

void TKesirGorsellestirmeForm::SetSelectedAreaColour(TRenk renk)
{
    durum_->SetSelectedAreaColour(renk);
    DilimleriBoya();
}

void TKesirGorsellestirmeForm::SetAreaBrushStyle(Qt::BrushStyle stil)
{
    durum_->SetAreaBrushStyle(stil);
    DilimleriBoya();
}

void TKesirGorsellestirmeForm::SetShowSliceNumbers(bool goster)
{
    durum_->SetShowSliceNumbers(goster);
    DilimleriBoya();
}

void TKesirGorsellestirmeForm::SetShowSelectionNumbers(bool goster)
{
    durum_->SetShowSelectionNumbers(goster);
    DilimleriBoya();
}

void TKesirGorsellestirmeForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    KartCiz(p, rect(), RenkQ(ZEMIN), QPen(RenkQ(CERCEVE), 1), 8);
}
