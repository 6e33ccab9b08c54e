#include "anakesirformu.h"
#include "canlilar.h"
#include "kesirgorsellestirmeformu.h"
#include "kesirgosterformu.h"
#include "aracubugu.h"
#include "erisim.h"
#include "gorunum.h"
#include "mesaj.h"
#include "ortam.h"
#include "servisler.h"
#include "ses.h"
#include "uygulama.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
constexpr TRenk ZEMIN = 0xF5EBDC;        // light blue-grey
constexpr TRenk ARAC_RENGI = 0xA0702D;   // blue
constexpr TRenk AYAR_RENGI = 0xF0DCC3;   // pale blue
constexpr int PANE_ARASI = 10;           // a pane stands this far under its drawing
constexpr int ETIKET_ARASI = 20;         // the instruction stands this far under the panes
constexpr int PANE_EN_DAR = 190;

} // namespace

TiklanirPanel::TiklanirPanel(const QString& baslik, TRenk renk, QWidget* sahip)
    : QFrame(sahip), Renk(renk), baslik_(baslik)
{
    setFont(Yazi(YaziAilesi::Arial, 13));
    setCursor(Qt::PointingHandCursor);
    ErisimKur(this, QAccessible::Button, [this] { return baslik_; });
}

void TiklanirPanel::RenkAyarla(TRenk renk)
{
    Renk = renk;
    update();
}

QSize TiklanirPanel::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(baslik_) + 24, 30);
}

void TiklanirPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor dolgu = RenkQ(Renk);
    KartCiz(p, rect(), dolgu, QPen(QColor(60, 60, 60), 1), 5);
    // The caption stays readable on any colour the pupil picks.
    p.setPen(dolgu.lightnessF() < 0.55 ? Qt::white : Qt::black);
    p.drawText(rect(), Qt::AlignCenter, baslik_);
}

void TiklanirPanel::mouseReleaseEvent(QMouseEvent* olay)
{
    olay->accept();
    if (olay->button() == Qt::LeftButton && rect().contains(olay->position().toPoint()))
        emit Tiklandi();
}

void TiklanirPanel::keyPressEvent(QKeyEvent* olay)
{
    const bool basar = olay->key() == Qt::Key_Space || olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter;
    if (basar && !(olay->modifiers() & ~Qt::KeypadModifier)) {
        olay->accept();
        emit Tiklandi();
        return;
    }
    QFrame::keyPressEvent(olay);
}

// ---------------------------------------------------------------------------

const EtkinlikSatiri& TAnaKesirForm::Satiri()
{
    static const EtkinlikSatiri satir{
        12, QStringLiteral("Kesir Karşılaştır"), 13, 12, QStringLiteral("Kesir Karşılaştır"),
        QStringLiteral("Kesir Karşılaştır"), QStringLiteral("KesirKarsilastir"),
        HakkindaTuru::Pencere, QStringLiteral("Kesir Görselleştirme"), QString(), ETKINLIK_OLCUSU,
        PencereYap<TAnaKesirForm>};
    return satir;
}

TAnaKesirForm::TAnaKesirForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TAnaKesirForm"));
    YeniProblemAction = Eylem(QStringLiteral("Yeni Problem"), [this] { NewProblem(); });
    KesirKarsilastirmaAction = Eylem(QStringLiteral("Kesir Karşılaştır"), [this] { CompareRanks(); });
    YeniKesirAction = Eylem(QStringLiteral("Yeni Kesir"), [this] { YeniKesirActionExecute(); }, Qt::Key_F2);

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    ToolBar1->Dugme(YardimAction, QStringLiteral("Açıklama"));
    ToolBar1->Dugme(HakkindaAction, QStringLiteral("Hakkında"));
    ToolBar1->Dugme(YeniProblemAction, QStringLiteral("Yeni Problem"), 130);
    KomutCubuguBitir(ToolBar1);

    AyarSeridiniKur();

    // Only a check that really changes runs a command: a check made by the
    // program for a drawing's new view must not start another round of views.
    for (int v = GORUNUM_YATAY; v <= GORUNUM_COKGEN; ++v)
        connect(ViewButton(v), &QRadioButton::toggled, this, [this, v](bool secili) {
            if (secili)
                HataSinirinda([&] { ViewChosen(v); });
        });
    const std::array<std::pair<QRadioButton*, int>, 6> secimler = {
        {{RadioButton10, 1}, {RadioButton8, 2}, {RadioButton9, 3}, {RadioButton11, -1}, {RadioButton12, -2},
         {RadioButton13, -3}}};
    for (const auto& [dugme, deger] : secimler)
        connect(dugme, &QRadioButton::toggled, this, [this, deger = deger](bool secili) {
            if (secili)
                HataSinirinda([&] { deger > 0 ? SetFractionCount(deger) : SetDrawingMode(-deger); });
        });
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool b) {
        model_.SetShowSelectionNumbers(b);
        for (const auto& c : Drawings)
            if (c)
                c->DilimleriBoya();
    });
    connect(CheckBox2, &QCheckBox::toggled, this, [this](bool b) {
        model_.SetShowSliceNumbers(b);
        for (const auto& c : Drawings)
            if (c)
                c->DilimleriBoya();
    });
    connect(Panel1, &TiklanirPanel::Tiklandi, this, [this] { HataSinirinda([this] { BoyamaSitiliClick(); }); });
    connect(Panel2, &TiklanirPanel::Tiklandi, this, [this] { HataSinirinda([this] { AlanRengiClick(false); }); });
    connect(Panel3, &TiklanirPanel::Tiklandi, this, [this] { HataSinirinda([this] { AlanRengiClick(true); }); });

    for (int i = 0; i < 3; ++i) {
        Panes[size_t(i)] = new TKesirGosterForm(this, model_, i);
        Panes[size_t(i)]->move(200 * i + 10, 400);
    }
    Label1 = new QLabel(QStringLiteral("Yukarıdaki Kesirleri büyükten küçüğe doğru sıralayınız...."), this);
    Label1->setFont(Yazi(YaziAilesi::Arial, 18));
    Label1->setWordWrap(true);
    RenkVer(Label1, QPalette::WindowText, clNavy);
    Button1 = EylemDugmesi(KesirKarsilastirmaAction, this);
    Button1->setFont(Yazi(YaziAilesi::Arial, 16));

    Yerlestir();
    BuildDrawings();
    Panel2->RenkAyarla(model_.AlanRengi(false));
    Panel3->RenkAyarla(model_.AlanRengi(true));
    NewProblem();
}

TAnaKesirForm::~TAnaKesirForm()
{
    for (const auto& c : Drawings)
        delete c.data();
    for (TKesirGosterForm*& p : Panes) {
        delete p;
        p = nullptr;
    }
}

QGroupBox* TAnaKesirForm::Grup(const QString& baslik)
{
    auto* g = new QGroupBox(baslik, AyarSeridi);
    g->setFont(Yazi(YaziAilesi::Arial, 13));
    auto* duzen = new QGridLayout(g);
    duzen->setContentsMargins(8, 2, 8, 4);
    duzen->setHorizontalSpacing(10);
    duzen->setVerticalSpacing(2);
    gruplar_.push_back({g, {}});
    return g;
}

template <class Oge_>
Oge_* TAnaKesirForm::Oge(QGroupBox* grup, Oge_* oge)
{
    oge->setFont(Yazi(YaziAilesi::Arial, 14));
    oge->setFocusPolicy(Qt::TabFocus);
    for (auto& [g, ogeler] : gruplar_)
        if (g == grup)
            ogeler << oge;
    return oge;
}

void TAnaKesirForm::AyarSeridiniKur()
{
    AyarSeridi = new QFrame(this);
    ZeminVer(AyarSeridi, AYAR_RENGI);
    GorunumGroup = Grup(QStringLiteral("Görünüm Ayarı"));
    RadioButton1 = Oge(GorunumGroup, new QRadioButton(QStringLiteral("Çember"), GorunumGroup));
    RadioButton2 = Oge(GorunumGroup, new QRadioButton(QStringLiteral("Çokgen"), GorunumGroup));
    RadioButton3 = Oge(GorunumGroup, new QRadioButton(QStringLiteral("Dikey"), GorunumGroup));
    RadioButton4 = Oge(GorunumGroup, new QRadioButton(QStringLiteral("Yatay"), GorunumGroup));
    RadioButton1->setChecked(true);
    SecimGroup = Grup(QStringLiteral("Seçim"));
    CheckBox1 = Oge(SecimGroup, new QCheckBox(QStringLiteral("Seçilmiş  No"), SecimGroup));
    Panel1 = Oge(SecimGroup, new TiklanirPanel(QStringLiteral("Boyama Sitili"), clBtnFace, SecimGroup));
    CheckBox2 = Oge(SecimGroup, new QCheckBox(QStringLiteral("Dilim No "), SecimGroup));
    RenkGroup = Grup(QStringLiteral("Renk Değiştir"));
    Panel2 = Oge(RenkGroup, new TiklanirPanel(QStringLiteral("Tüm Alan"), clWhite, RenkGroup));
    Panel3 = Oge(RenkGroup, new TiklanirPanel(QStringLiteral("Seçili Alan"), clRed, RenkGroup));
    KesirSayisiGroup = Grup(QStringLiteral("Kesir Sayısı"));
    RadioButton10 = Oge(KesirSayisiGroup, new QRadioButton(QStringLiteral("1 Kesir"), KesirSayisiGroup));
    RadioButton8 = Oge(KesirSayisiGroup, new QRadioButton(QStringLiteral("2 Kesir"), KesirSayisiGroup));
    RadioButton9 = Oge(KesirSayisiGroup, new QRadioButton(QStringLiteral("3 Kesir"), KesirSayisiGroup));
    RadioButton8->setChecked(true);
    IslemTipiGroup = Grup(QStringLiteral("İşlem Tipi"));
    RadioButton11 = Oge(IslemTipiGroup, new QRadioButton(QStringLiteral("Kesir Görselleştirme"), IslemTipiGroup));
    RadioButton12 = Oge(IslemTipiGroup, new QRadioButton(QStringLiteral("Kesir Ad Bulma"), IslemTipiGroup));
    RadioButton13 = Oge(IslemTipiGroup, new QRadioButton(QStringLiteral("Kesir Ad Sorma"), IslemTipiGroup));
    RadioButton11->setChecked(true);
    IslemTipiGroup->hide();
    GruplariDiz(false);
}

void TAnaKesirForm::GruplariDiz(bool tekSira)
{
    for (auto& [grup, ogeler] : gruplar_) {
        auto* duzen = static_cast<QGridLayout*>(grup->layout());
        for (QWidget* oge : ogeler)
            duzen->removeWidget(oge);
        for (int i = 0; i < ogeler.size(); ++i)
            duzen->addWidget(ogeler[i], tekSira ? 0 : i / 2, tekSira ? i : i % 2);
        duzen->invalidate();
    }
}

QRadioButton* TAnaKesirForm::ViewButton(int gorunum) const
{
    switch (gorunum) {
    case GORUNUM_YATAY:
        return RadioButton4;
    case GORUNUM_DIKEY:
        return RadioButton3;
    case GORUNUM_COKGEN:
        return RadioButton2;
    default:
        return RadioButton1;
    }
}

void TAnaKesirForm::ViewChosen(int gorunum)
{
    for (const auto& c : Drawings) {
        if (!c)
            continue;
        switch (gorunum) {
        case GORUNUM_YATAY:
            c->DoYatayAction->trigger();
            break;
        case GORUNUM_DIKEY:
            c->DoDikeyAction->trigger();
            break;
        case GORUNUM_COKGEN:
            c->DoUcgenAction->trigger();
            break;
        default:
            c->DoCemberAction->trigger();
        }
    }
}

void TAnaKesirForm::SetFractionCount(int c)
{
    model_.SetFractionCount(c);
    const int n = model_.FractionCount();
    Label1->setVisible(n >= 2);
    Button1->setVisible(n >= 2);
    IslemTipiGroup->setVisible(n == 1);
    if (n > 1) {
        // The exercise buttons show the mode in force, without building twice.
        const QSignalBlocker engel(RadioButton11);
        RadioButton11->setChecked(true);
    }
    for (TKesirGosterForm* p : Panes)
        p->Goster();
    Yerlestir();
    BuildDrawings();
}

void TAnaKesirForm::SetDrawingMode(int mod)
{
    model_.SetDrawingMode(mod);
    BuildDrawings();
}

void TAnaKesirForm::BuildDrawings()
{
    // Forget the old drawings before they go: a new drawing's view message
    // walks these slots while it is being made.
    std::array<QPointer<TKesirGorsellestirmeForm>, 3> eskiler = Drawings;
    for (size_t i = 0; i < 3; ++i) {
        Drawings[i] = nullptr;
        Ranking[i] = nullptr;
    }
    GizleVeSil(eskiler);
    const int w = CizimGenisligi();
    int x = 5;
    for (int i = 0; i < model_.FractionCount(); ++i) {
        auto* c = new TKesirGorsellestirmeForm(this, &model_.YeniCizim(i));
        c->setAccessibleName(QStringLiteral("%1. kesir").arg(i + 1));
        Drawings[size_t(i)] = c;
        c->move(x, cizimUstu_);
        c->SetSize(w);
        c->SetMode(model_.DrawingMode());
        c->show();
        x += c->width() + 10;
    }
    Ranking = Drawings;
    CizimleriYerlestir();
    SekmeSirasiKur();
}

void TAnaKesirForm::SekmeSirasiKur()
{
    QList<QWidget*> sira;
    for (const auto& [grup, ogeler] : gruplar_)
        sira << ogeler;
    for (size_t i = 0; i < 3; ++i) {
        if (Drawings[i])
            sira << Drawings[i]->SekmeSirasi();
        sira << Panes[i]->SekmeSirasi();
    }
    sira << Button1;
    // setTabOrder passes over a widget that takes no focus: the slices that
    // the arrows reach take their place in the chain for a moment.
    QList<std::pair<QWidget*, Qt::FocusPolicy>> kurallar;
    for (QWidget* w : sira) {
        kurallar.push_back({w, w->focusPolicy()});
        if (w->focusPolicy() == Qt::NoFocus)
            w->setFocusPolicy(Qt::TabFocus);
    }
    for (int i = 1; i < sira.size(); ++i)
        setTabOrder(sira[i - 1], sira[i]);
    for (const auto& [w, kural] : kurallar)
        w->setFocusPolicy(kural);
}

int TAnaKesirForm::EtiketGenisligi() const
{
    const int tekSatir = Label1->fontMetrics().horizontalAdvance(Label1->text()) + 4;
    return std::max(100, std::min(tekSatir, width() - 10 - 20 - 200 - 10));
}

int TAnaKesirForm::EtiketYuksekligi() const
{
    return Label1->heightForWidth(EtiketGenisligi());
}

int TAnaKesirForm::CizimGenisligi() const
{
    // A quarter of the window, narrower when the drawings (each with its pane)
    // do not fit side by side, or when they, their panes and the instruction
    // do not fit under the settings. A hundred strips need a pixel each.
    const int n = model_.FractionCount();
    const int alt = n >= 2 ? PANE_ARASI + 80 + ETIKET_ARASI + std::max(36, EtiketYuksekligi()) + 4 : 10;
    const int sutun = (width() - 10 - 10 * (n - 1)) / n;
    int w = std::min(width() / 4, sutun - 50);
    const TKesirGorsellestirmeForm* ornek = Drawings[0] ? Drawings[0].data() : nullptr;
    while (w > KESIR_EN_COK_PARCA && ornek && cizimUstu_ + ornek->YukseklikIcin(w) + alt > height())
        w -= std::max(1, w / 50);
    return std::max(KESIR_EN_COK_PARCA, w);
}

void TAnaKesirForm::CizimleriYerlestir()
{
    // Each drawing and its pane take a column as wide as the wider of them.
    const int w = CizimGenisligi();
    int x = 5;
    int alt = cizimUstu_;
    for (size_t i = 0; i < 3; ++i) {
        TKesirGorsellestirmeForm* c = Drawings[i];
        if (!c)
            continue;
        c->move(x, cizimUstu_);
        if (c->ShapeWidth != w)
            c->SetSize(w);
        Panes[i]->resize(std::clamp(c->width(), PANE_EN_DAR, 290), 80);
        x += std::max(c->width(), model_.FractionCount() >= 2 ? Panes[i]->width() : 0) + 10;
        alt = std::max(alt, c->y() + c->height());
    }
    int paneAlti = alt;
    for (size_t i = 0; i < 3; ++i) {
        TKesirGosterForm* p = Panes[i];
        const bool kullanilir = model_.PaneBagli(int(i)) && Drawings[i];
        p->setVisible(kullanilir);
        if (!kullanilir)
            continue;
        p->move(Drawings[i]->x(), alt + PANE_ARASI);
        paneAlti = p->y() + p->height();
    }
    // The instruction wraps in a narrow window, so that the button beside it stays in sight.
    Label1->setGeometry(10, paneAlti + ETIKET_ARASI, EtiketGenisligi(), EtiketYuksekligi());
    Button1->setGeometry(Label1->geometry().right() + 20, Label1->y() + (Label1->height() - 36) / 2, 200, 36);
}

void TAnaKesirForm::Yerlesim(const QRect& alan)
{
    // The groups flow and wrap; each group puts its controls in one row or
    // two to a row, whichever leaves the strip lower.
    GruplariDiz(false);
    const int ikiSutun = GruplariAkit();
    GruplariDiz(true);
    int alt = GruplariAkit();
    if (ikiSutun < alt) {
        GruplariDiz(false);
        alt = GruplariAkit();
    }
    AyarSeridi->setGeometry(alan.left(), alan.top(), alan.width(), alt);
    cizimUstu_ = alan.top() + alt + 8;
    CizimleriYerlestir();
}

int TAnaKesirForm::GruplariAkit()
{
    const int bosluk = 6;
    int x = bosluk;
    int y = bosluk;
    int satirYuksekligi = 0;
    for (const auto& [g, ogeler] : gruplar_) {
        if (g->isHidden())
            continue;
        const QSize boy = g->sizeHint();
        if (x > bosluk && x + boy.width() > width() - bosluk) {
            x = bosluk;
            y += satirYuksekligi + bosluk;
            satirYuksekligi = 0;
        }
        g->setGeometry(x, y, boy.width(), boy.height());
        x += boy.width() + bosluk;
        satirYuksekligi = std::max(satirYuksekligi, boy.height());
    }
    return y + satirYuksekligi + bosluk;
}

void TAnaKesirForm::NewProblem()
{
    for (const auto& c : Drawings)
        if (c)
            c->NewExercise();
    for (int i = 0; i < 3; ++i) {
        Panes[size_t(i)]->NewTarget();
        Panes[size_t(i)]->SetRank(i + 1);
    }
}

void TAnaKesirForm::CompareRanks()
{
    if (model_.CompareRanks()) {
        SesCal(SES_TEBRIK);
        Ortam::Gecerli().MesajGoster(QStringLiteral("Tebrikler! Sıralama Doğru"));
    } else {
        SesCal(SES_HATA);
        Ortam::Gecerli().MesajGoster(QStringLiteral("Maalesef Sıralama Yanlış"));
    }
}

void TAnaKesirForm::AlanRengiClick(bool seciliAlan)
{
    // The new colour must differ from the other one, or the selection would not show.
    model_.AlanRengiVer(seciliAlan, FarkliRenkSec(model_.AlanRengi(seciliAlan), model_.AlanRengi(!seciliAlan)));
    for (const auto& c : Drawings)
        if (c)
            c->DilimleriBoya();
    Panel2->RenkAyarla(model_.AlanRengi(false));
    Panel3->RenkAyarla(model_.AlanRengi(true));
}

void TAnaKesirForm::BoyamaSitiliClick()
{
    if (TKesirGorsellestirmeForm* ilk = Drawings[0])
        ilk->FircaSecAction->trigger();
}

void TAnaKesirForm::YeniKesirActionExecute()
{
    TKesirGorsellestirmeForm* hedef = Drawings[0];
    const QWidget* odak = QApplication::focusWidget();
    for (const auto& c : Drawings)
        if (c && odak && (c == odak || c->isAncestorOf(odak)))
            hedef = c;
    if (hedef)
        hedef->YeniProblemAction->trigger();
}

bool TAnaKesirForm::event(QEvent* olay)
{
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_VIEW_CHANGED)) {
        // Checking the button switches every drawing; a button already checked does nothing.
        if (const quint8* gorunum = MesajIsaretcisi<quint8>(m->WParam))
            ViewButton(*gorunum)->setChecked(true);
        // The drawing has new slices; they take its place in the Tab order.
        SekmeSirasiKur();
        return true;
    }
    if (NumaraliMi(olay, MSG_MODE_CHANGED))
        return true;
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_RANK_CHANGED)) {
        const int* eski = MesajIsaretcisi<int>(m->WParam);
        const int* yeni = MesajIsaretcisi<int>(m->LParam);
        if (eski && yeni) {
            model_.RankChanged(*eski, *yeni);
            for (TKesirGosterForm* p : Panes)
                p->Goster();
        }
        return true;
    }
    return EtkinlikPenceresi::event(olay);
}

void TAnaKesirForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), RenkQ(ZEMIN));
}
