#include "Faktorformu.h"
#include "gorunum.h"
#include "aracubugu.h"
#include "Myshape.h"
#include "carpanmodel.h"
#include "donusum.h"
#include "ortam.h"
#include "servisler.h"
#include "ses.h"
#include "surukle.h"
#include "uygulama.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QGridLayout>

namespace {

constexpr TRenk AGAC1_RENGI = 0xFFCC33;  // light blue
constexpr TRenk AGAC2_RENGI = 0xCCFFCC;  // light green
constexpr TRenk ARAC_RENGI = 0x0080FF;   // orange
constexpr int ARAC_YUKSEKLIGI = 44;

QFont Yazi(int piksel, bool kalin = true)
{
    return PikselYazi(QStringLiteral("Arial"), piksel, kalin);
}

QLabel* Etiket(QWidget* ebeveyn, int piksel, const QColor& renk = Qt::black)
{
    auto* e = new QLabel(ebeveyn);
    e->setFont(Yazi(piksel));
    QPalette p = e->palette();
    p.setColor(QPalette::WindowText, renk);
    e->setPalette(p);
    e->setAttribute(Qt::WA_TransparentForMouseEvents);
    return e;
}




} // namespace

// ---------------------------------------------------------------------------

TFaktorForm::TFaktorForm(QWidget* sahip, int tag, TRenk renk) : QWidget(sahip), Tag(tag), Renk(renk)
{
    setProperty(FORM_TAG_OZELLIGI, tag);
    SurukleHedefiKur(
        this, [this](QObject* kaynak, QPoint p) { return FormDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { FormDragDrop(kaynak, p); });
}

void TFaktorForm::SetNumber(int n)
{
    ClearTree();
    root_ = new MyShape(this, n, nullptr);
    yerlesimGenisligi_ = width();
    root_->move(width() / 2, 10);
    root_->Expand();
    root_->show();
    update();
}

void TFaktorForm::SetNumberOrRandom(int n)
{
    if (n == -1)
        RandomNumber();
    else
        SetNumber(n);
}

void TFaktorForm::RandomNumber()
{
    int n = 2;
    // A composite number from 4 to 49; a generator stuck on primes must not hang the window.
    for (int deneme = 0; IsPrime(n) && deneme < 10000; ++deneme)
        n = Ortam::Gecerli().Rastgele(50);
    if (IsPrime(n))
        n = 4;
    SetNumber(n);
}

void TFaktorForm::ClearTree()
{
    if (root_) {
        root_->hide();
        delete root_.data();
    }
    root_ = nullptr;
    update();
}

int TFaktorForm::RootValue() const
{
    return root_ ? root_->Value() : 0;
}

int TFaktorForm::CountUnsplit() const
{
    return root_ ? root_->CountUnsplit() : 0;
}

int TFaktorForm::CountAvailable(int v) const
{
    return root_ ? root_->CountAvailable(v) : 0;
}

bool TFaktorForm::TakeAvailable(int v)
{
    return root_ && root_->TakeAvailable(v);
}

void TFaktorForm::SolveAll()
{
    if (root_)
        root_->SolveAll();
}

bool TFaktorForm::FormDragOver(QObject*, QPoint) const
{
    return true;
}

void TFaktorForm::FormDragDrop(QObject* kaynak, QPoint p)
{
    // Only a node of this tree moves: a node of the other tree belongs to another surface.
    auto* dugum = qobject_cast<MyShape*>(kaynak);
    if (!dugum || dugum->parentWidget() != this)
        return;
    dugum->move(p);
    dugum->LayoutChildren();
    update();
}

void TFaktorForm::RenkAyarla(TRenk renk)
{
    Renk = renk;
    update();
}

void TFaktorForm::FormDblClick()
{
    RenkAyarla(RenkSec(Renk));
    emit RenkDegisti();
}

void TFaktorForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), RenkQ(Renk));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (root_)
        root_->DrawEdges(&p);
}

void TFaktorForm::mouseDoubleClickEvent(QMouseEvent* olay)
{
    olay->accept();
    FormDblClick();
}

void TFaktorForm::resizeEvent(QResizeEvent* olay)
{
    // The root stands at the middle: the whole tree, with whatever the pupil
    // moved, follows the middle when the surface changes width.
    const int kayma = width() / 2 - yerlesimGenisligi_ / 2;
    yerlesimGenisligi_ = width();
    if (kayma != 0)
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            w->move(w->x() + kayma, w->y());
    QWidget::resizeEvent(olay);
}

// ---------------------------------------------------------------------------

FaktorPaneli::FaktorPaneli(QWidget* ebeveyn, int tag, TRenk renk) : QFrame(ebeveyn), Tag(tag), Renk(renk)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void FaktorPaneli::RenkAyarla(TRenk renk)
{
    Renk = renk;
    update();
}

void FaktorPaneli::paintEvent(QPaintEvent* olay)
{
    {
        QPainter p(this);
        p.fillRect(rect(), RenkQ(Renk));
    }
    QFrame::paintEvent(olay);
}

void FaktorPaneli::mouseDoubleClickEvent(QMouseEvent* olay)
{
    olay->accept();
    emit CiftTiklandi();
}

// ---------------------------------------------------------------------------

TSayiGetirForm::TSayiGetirForm(QWidget* sahip) : QDialog(sahip)
{
    setWindowTitle(QStringLiteral("Kendi Sayılarınızı Giriniz"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* izgara = new QGridLayout(this);
    izgara->setContentsMargins(16, 16, 16, 16);
    izgara->setHorizontalSpacing(12);
    izgara->setVerticalSpacing(10);
    auto* l1 = Etiket(this, 17, Qt::red);
    l1->setText(QStringLiteral("İlk Sayı"));
    auto* l2 = Etiket(this, 17, Qt::red);
    l2->setText(QStringLiteral("İkinci Sayı"));
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    for (QLineEdit* e : {Edit1, Edit2}) {
        e->setMaxLength(5);
        e->setFont(Yazi(17));
        e->setFixedWidth(110);
        SayiTusuFiltresiKur(e);
        connect(e, &QLineEdit::returnPressed, this, [this] { HataSinirinda([this] { Button1Click(); }); });
    }
    Button1 = new QPushButton(QStringLiteral("Tamam"), this);
    Button2 = new QPushButton(QStringLiteral("İptal"), this);
    for (QPushButton* b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setFont(Yazi(15));
        b->setMinimumHeight(34);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { HataSinirinda([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    izgara->addWidget(l1, 0, 0);
    izgara->addWidget(Edit1, 0, 1);
    izgara->addWidget(l2, 1, 0);
    izgara->addWidget(Edit2, 1, 1);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addWidget(Button1);
    dugmeler->addWidget(Button2);
    izgara->addLayout(dugmeler, 2, 0, 1, 2);
}

void TSayiGetirForm::Button1Click()
{
    const int a = TamsayiyaCevirVeyaHata(Edit1->text());
    const int b = TamsayiyaCevirVeyaHata(Edit2->text());
    if (a >= 2 && b >= 2 && a != b) {
        Ilk = a;
        Ikinci = b;
        accept();
        return;
    }
    Ortam::Gecerli().MesajKutusu(QStringLiteral("Uygun değeler girip tekrar deneyiniz"),
                                 QStringLiteral("Veri Giriş Hatası"));
}

// ---------------------------------------------------------------------------

TFaktorItForm::TFaktorItForm(QWidget* sahip)
    : EtkinlikPenceresi(sahip, 3)
{
    setObjectName(QStringLiteral("TFaktorItForm"));
    HakkindaAction->setText(QStringLiteral("Özgün"));

    auto eylem = [this](const QString& metin, void (TFaktorItForm::*islev)()) {
        auto* a = new QAction(metin, this);
        addAction(a);
        // A conversion error is shown here, before it could unwind through Qt's own frames.
        connect(a, &QAction::triggered, this, [this, islev] { HataSinirinda([&] { (this->*islev)(); }); });
        return a;
    };
    YeniProblemAction = eylem(QStringLiteral("Yeni Problem"), &TFaktorItForm::YeniProblemActionExecute);
    YeniProblemAction->setShortcut(QKeySequence(Qt::Key_F2));
    YeniProblemAction->setShortcutContext(Qt::WindowShortcut);
    kendiSayiniGirAction = eylem(QStringLiteral("Kendi Sayını Gir"), &TFaktorItForm::kendiSayiniGirActionExecute);
    ChangeDenetlemeAction = eylem(QStringLiteral("Denetleme Modu"), &TFaktorItForm::ChangeDenetlemeActionExecute);
    CozAction = eylem(QStringLiteral("Çöz"), &TFaktorItForm::CozActionExecute);
    ResetAction = eylem(QStringLiteral("Sıfırla"), &TFaktorItForm::ResetActionExecute);
    DenetleAction = eylem(QStringLiteral("Sonucu Denetle"), &TFaktorItForm::DenetleActionExecute);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setFont(Yazi(14, false));
    QMenu* islemler = MainMenu1->addMenu(QStringLiteral("İşlemler"));
    islemler->addAction(YeniProblemAction);
    islemler->addAction(kendiSayiniGirAction);
    islemler->addAction(ResetAction);
    QMenu* hakkinda = MainMenu1->addMenu(QStringLiteral("Hakkında"));
    hakkinda->addAction(HakkindaAction);

    Govde = new QWidget(this);

    ToolBar1 = new AracCubugu(Govde, ARAC_RENGI);
    auto dugme = [&](QAction* a, const QString& baslik) { return ToolBar1->Dugme(this, a, baslik); };
    dugme(YardimAction, QStringLiteral("Açıklama"));
    dugme(HakkindaAction, QStringLiteral("Hakkında"));
    dugme(YeniProblemAction, QStringLiteral("Yeni Problem"));
    dugme(kendiSayiniGirAction, QStringLiteral("Problem Gir"));
    ModDugmesi = dugme(ChangeDenetlemeAction, QString());
    ModDugmesi->setProperty("genislik", 150);
    connect(ChangeDenetlemeAction, &QAction::changed, ModDugmesi,
            [this] { ModDugmesi->setText(ChangeDenetlemeAction->text()); });
    dugme(CozAction, QStringLiteral("Çözümü Göster"));
    KomutCubuguBitir(ToolBar1);

    Tree1 = new TFaktorForm(Govde, 1, AGAC1_RENGI);
    Tree2 = new TFaktorForm(Govde, 2, AGAC2_RENGI);
    connect(Tree1, &TFaktorForm::RenkDegisti, this, &TFaktorItForm::PanelRenkleriniAl);
    connect(Tree2, &TFaktorForm::RenkDegisti, this, &TFaktorItForm::PanelRenkleriniAl);

    Panel1 = new FaktorPaneli(Govde, PANEL_ONLY_FIRST, AGAC1_RENGI);
    Panel2 = new FaktorPaneli(Govde, PANEL_BOTH, clBtnFace);
    Panel3 = new FaktorPaneli(Govde, PANEL_ONLY_SECOND, AGAC2_RENGI);
    for (FaktorPaneli* panel : {Panel1, Panel2, Panel3}) {
        SurukleHedefiKur(
            panel, [this, panel](QObject* kaynak, QPoint p) { return PanelDragOver(panel, kaynak, p); },
            [this, panel](QObject* kaynak, QPoint p) { PanelDragDrop(panel, kaynak, p); });
        connect(panel, &FaktorPaneli::CiftTiklandi, this, [this, panel] { PanelDblClick(panel); });
    }

    Label1 = Etiket(Govde, 17);
    Label2 = Etiket(Govde, 17);
    Label3 = Etiket(Govde, 17);
    Label4 = Etiket(Govde, 18, QColor(0, 0, 160));
    Label5 = Etiket(Govde, 18, QColor(0, 0, 160));
    Label6 = Etiket(Govde, 18, QColor(0, 0, 160));
    Label7 = Etiket(Govde, 19, Qt::red);
    Label7->setText(QStringLiteral("OBEB"));
    Label8 = Etiket(Govde, 19, Qt::red);
    Label8->setText(QStringLiteral("OKEK"));
    Label9 = Etiket(Govde, 19);
    Label10 = Etiket(Govde, 19);
    Edit1 = new QLineEdit(QStringLiteral("1"), Govde);
    Edit2 = new QLineEdit(QStringLiteral("1"), Govde);
    for (QLineEdit* e : {Edit1, Edit2}) {
        e->setFont(Yazi(16));
        SayiTusuFiltresiKur(e);
    }
    Button1 = EylemDugmesi(DenetleAction, Govde);
    Button1->setFont(Yazi(15));

    SetCheckMode(false);
    LayoutControls();
    NewProblem(-1, -1);
}

void TFaktorItForm::resizeEvent(QResizeEvent* olay)
{
    EtkinlikPenceresi::resizeEvent(olay);
    LayoutControls();
}

void TFaktorItForm::LayoutControls()
{
    const int ust = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, width(), ust);
    Govde->setGeometry(0, ust, width(), std::max(0, height() - ust));
    const int W = Govde->width();
    const int H = Govde->height();
    ToolBar1->setGeometry(0, 0, W, ARAC_YUKSEKLIGI);
    ToolBar1->GenisligeUyar(W);

    const int h = std::max(0, (H - 150) / 3);
    const int tw = std::max(0, (W - 80) / 2);
    const int th = int(h * 1.5);
    Tree1->setGeometry(10, 50, tw, th);
    Tree2->setGeometry(tw + 20, 50, tw, th);
    const int pw = std::max(0, (W - 60) / 3);
    const int pt = Tree1->y() + Tree1->height() + 50;
    const int sollar[3] = {5, pw + 15, 2 * pw + 25};
    FaktorPaneli* paneller[3] = {Panel1, Panel2, Panel3};
    QLabel* ustler[3] = {Label1, Label2, Label3};
    QLabel* altlar[3] = {Label4, Label5, Label6};
    for (int i = 0; i < 3; ++i) {
        paneller[i]->setGeometry(sollar[i], pt, pw, h);
        ustler[i]->setGeometry(sollar[i], pt - 22, pw, 21);
        altlar[i]->setGeometry(sollar[i], pt + h + 10, pw, 21);
    }
    const int t7 = Label4->y() + 20;
    const int t8 = t7 + 20;
    Label7->setGeometry(5, t7, 62, 21);
    Label8->setGeometry(5, t8, 62, 21);
    Label9->setGeometry(70, t7, W - 75, 21);
    Label10->setGeometry(70, t8, W - 75, 21);
    Edit1->setGeometry(70, t7, 130, 20);
    Edit2->setGeometry(70, t8, 130, 20);
    Button1->setGeometry(215, t7 + 10 - 8, 170, 32);
}

FaktorPaneli* TFaktorItForm::Panel(int tur) const
{
    switch (tur) {
    case PANEL_ONLY_FIRST:
        return Panel1;
    case PANEL_BOTH:
        return Panel2;
    case PANEL_ONLY_SECOND:
        return Panel3;
    default:
        return nullptr;
    }
}

TFaktorForm* TFaktorItForm::Agac(int tag) const
{
    return tag == 1 ? Tree1 : tag == 2 ? Tree2 : nullptr;
}

void TFaktorItForm::NewProblem(int a, int b)
{
    ResetBoard();
    if (Tree1 && Tree2) {
        for (qint64& p : Products)
            p = 1;
        Tree1->SetNumberOrRandom(a);
        Tree2->SetNumberOrRandom(b);
    }
    const int x = Tree1->RootValue();
    const int y = Tree2->RootValue();
    Label1->setText(PanelBasligi(PANEL_ONLY_FIRST, x, y));
    Label2->setText(PanelBasligi(PANEL_BOTH, x, y));
    Label3->setText(PanelBasligi(PANEL_ONLY_SECOND, x, y));
    UpdateProductLabels();
}

void TFaktorItForm::ResetBoard()
{
    Tree1->ClearTree();
    Tree2->ClearTree();
    RemovePanelCopies();
    UpdateProductLabels();
    update();
}

void TFaktorItForm::RemovePanelCopies()
{
    // The copies are collected first and destroyed afterwards, so that no
    // copy is skipped by a list that changes while it is walked.
    QList<QPointer<MyShape>> kopyalar;
    for (MyShape* s : findChildren<MyShape*>())
        if (s->Tag == -PANEL_ONLY_FIRST || s->Tag == -PANEL_ONLY_SECOND || s->Tag == -PANEL_BOTH)
            kopyalar << s;
    for (const QPointer<MyShape>& s : kopyalar)
        if (s) {
            s->hide();
            delete s.data();
        }
}

void TFaktorItForm::UpdateProductLabels()
{
    Label4->setText(QString::number(Products[PANEL_ONLY_FIRST]));
    Label5->setText(QString::number(Products[PANEL_BOTH]));
    Label6->setText(QString::number(Products[PANEL_ONLY_SECOND]));
    UpdateResultLabels();
}

void TFaktorItForm::UpdateResultLabels()
{
    if (CheckMode) {
        Label9->setText(QStringLiteral("=1"));
        Label10->setText(QStringLiteral("=1"));
        return;
    }
    Label9->setText(QStringLiteral(" = ") + QString::number(Products[PANEL_BOTH]));
    Label10->setText(OkekSatiri(Products[PANEL_ONLY_FIRST], Products[PANEL_BOTH], Products[PANEL_ONLY_SECOND]));
}

void TFaktorItForm::SetCheckMode(bool kip)
{
    CheckMode = kip;
    Button1->setVisible(kip);
    Edit1->setVisible(kip);
    Edit2->setVisible(kip);
    Label9->setVisible(!kip);
    Label10->setVisible(!kip);
    UpdateProductLabels();
}

void TFaktorItForm::YeniProblemActionExecute()
{
    NewProblem(-1, -1);
}

void TFaktorItForm::kendiSayiniGirActionExecute()
{
    TSayiGetirForm pencere(this);
    if (Ortam::Gecerli().ModalGoster(pencere) == QDialog::Accepted)
        NewProblem(pencere.Ilk, pencere.Ikinci);
}

void TFaktorItForm::ChangeDenetlemeActionExecute()
{
    SetCheckMode(!CheckMode);
    // The command names the mode it switches to.
    ChangeDenetlemeAction->setText(CheckMode ? QStringLiteral("Deneme Modu") : QStringLiteral("Denetleme Modu"));
}

void TFaktorItForm::CozActionExecute()
{
    if (Tree1->Root() && Tree2->Root()) {
        Tree1->SolveAll();
        Tree2->SolveAll();
    }
}

void TFaktorItForm::ResetActionExecute()
{
    ResetBoard();
}

void TFaktorItForm::DenetleActionExecute()
{
    const qint64 obeb = UzunTamsayiyaCevirVeyaHata(Edit1->text());
    const qint64 okek = UzunTamsayiyaCevirVeyaHata(Edit2->text());
    const DenetimSonucu sonuc = CevapDenetle(Tree1->RootValue(), Tree2->RootValue(), obeb, okek);
    SesCal(sonuc.Dogru ? SES_TEBRIK : SES_HATA);
    Ortam::Gecerli().MesajKutusu(sonuc.Mesaj, sonuc.Baslik);
    if (sonuc.Dogru)
        NewProblem(-1, -1);
}

bool TFaktorItForm::PanelDragOver(FaktorPaneli*, QObject*, QPoint) const
{
    return true;
}

void TFaktorItForm::PanelDragDrop(FaktorPaneli* panel, QObject* kaynak, QPoint p)
{
    auto* dugum = qobject_cast<MyShape*>(kaynak);
    if (!panel || !dugum || !dugum->IsPrime())
        return;
    // Only an available, shown leaf of one of the two trees is placed; a used
    // leaf or a placed copy is no leaf to place.
    const int t = dugum->OwnerTag();
    TFaktorForm* kendi = Agac(t);
    if (!kendi || dugum->parentWidget() != kendi || dugum->State != 1 || dugum->isHidden())
        return;
    TFaktorForm* diger = Agac(t == 1 ? 2 : 1);
    const int k = panel->Tag;
    const int v = dugum->Value();
    const PanelKarari karar = PanelKurali(k, t, v, Tree1->CountUnsplit() + Tree2->CountUnsplit(),
                                          kendi->CountAvailable(v), diger->CountAvailable(v));
    if (!karar.Kabul) {
        if (!karar.Mesaj.isEmpty())
            Ortam::Gecerli().MesajKutusu(karar.Mesaj, karar.Baslik);
        return;
    }
    if (karar.DigerindenAl)
        diger->TakeAvailable(v);
    Products[k] *= v;
    UpdateProductLabels();

    auto* kopya = new MyShape(panel, v, nullptr);
    kopya->move(KopyaYeri(p, panel->size()));
    kopya->resize(dugum->size());
    kopya->Tag = -k;
    kopya->SetState(-1);
    kopya->show();
    dugum->SetState(0);
}

void TFaktorItForm::PanelDblClick(FaktorPaneli* panel)
{
    panel->RenkAyarla(RenkSec(panel->Renk));
    Tree1->RenkAyarla(Panel1->Renk);
    Tree2->RenkAyarla(Panel3->Renk);
}

void TFaktorItForm::PanelRenkleriniAl()
{
    Panel1->RenkAyarla(Tree1->Renk);
    Panel3->RenkAyarla(Tree2->Renk);
}
