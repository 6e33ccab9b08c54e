#include "Faktorformu.h"
#include "canlilar.h"
#include "Myshape.h"
#include "aracubugu.h"
#include "carpanmodel.h"
#include "erisim.h"
#include "gorunum.h"
#include "ortam.h"
#include "servisler.h"
#include "ses.h"
#include "surukle.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {
constexpr TRenk ARAC_RENGI = 0x0080FF;  // orange
constexpr TRenk URUN_RENGI = 0xA00000;  // dark blue
} // namespace

const EtkinlikSatiri& TFaktorItForm::Satiri()
{
    static const EtkinlikSatiri satir{
        2, QStringLiteral("Çarpan Ağacı"), 3, 3, QStringLiteral("Çarpan Ağacı"),
        QStringLiteral("Çarpan Ağacı"), QStringLiteral("CarpanAgaci"),
        HakkindaTuru::MesajKutusu, QStringLiteral("Çarpan Ağacı"), QString(), ETKINLIK_OLCUSU,
        PencereYap<TFaktorItForm>};
    return satir;
}

TFaktorItForm::TFaktorItForm(QWidget* sahip)
    : EtkinlikPenceresi(sahip, Satiri()), CheckMode(Model.CheckMode()), Products(Model.Products())
{
    setObjectName(QStringLiteral("TFaktorItForm"));
    HakkindaAction->setText(QStringLiteral("Özgün"));
    KomutlariKur();
    Tree1 = new TFaktorForm(Govde, 1, Model);
    Tree2 = new TFaktorForm(Govde, 2, Model);
    connect(Tree1, &TFaktorForm::RenkDegisti, this, &TFaktorItForm::RenkleriGoster);
    connect(Tree2, &TFaktorForm::RenkDegisti, this, &TFaktorItForm::RenkleriGoster);
    // A tree done by the keyboard hands it to the other tree.
    connect(Tree1, &TFaktorForm::AgacBitti, this, [this] { KutuyaOdaklan(Tree2); });
    connect(Tree2, &TFaktorForm::AgacBitti, this, [this] { KutuyaOdaklan(Tree1); });
    PanelleriKur();
    EtiketleriKur();
    sekmeCapasi_ = Edit1->previousInFocusChain();
    for (TFaktorForm* agac : {Tree1, Tree2})
        connect(agac, &TFaktorForm::DugumlerDegisti, this, &TFaktorItForm::SekmeSirasiKur);
    SetCheckMode(false);
    Yerlestir();
    NewProblem(-1, -1);
}

TFaktorItForm::~TFaktorItForm()
{
    // The nodes' controls point into the model's trees: they go first.
    Tree1->ClearTree();
    Tree2->ClearTree();
}

void TFaktorItForm::KomutlariKur()
{
    YeniProblemAction = Eylem(QStringLiteral("Yeni Problem"), [this] { YeniProblemActionExecute(); },
                              QKeySequence(Qt::Key_F2));
    kendiSayiniGirAction = Eylem(QStringLiteral("Kendi Sayını Gir"), [this] { kendiSayiniGirActionExecute(); });
    ChangeDenetlemeAction = Eylem(Model.ModKomutu(), [this] { ChangeDenetlemeActionExecute(); });
    CozAction = Eylem(QStringLiteral("Çöz"), [this] { CozActionExecute(); });
    ResetAction = Eylem(QStringLiteral("Sıfırla"), [this] { ResetActionExecute(); });
    DenetleAction = Eylem(QStringLiteral("Sonucu Denetle"), [this] { DenetleActionExecute(); });

    MainMenu1 = MenuCubugu({{QStringLiteral("İşlemler"), {YeniProblemAction, kendiSayiniGirAction, ResetAction}},
                            {QStringLiteral("Hakkında"), {HakkindaAction}}});
    // The body reaches up under the command bar: the trees and panels keep
    // their places measured from under the menu.
    Govde = new QWidget(this);
    ToolBar1 = KomutCubugu(ARAC_RENGI);
    auto dugme = [&](QAction* a, const QString& baslik) { return ToolBar1->Dugme(a, baslik); };
    dugme(YardimAction, QStringLiteral("Açıklama"));
    dugme(HakkindaAction, QStringLiteral("Hakkında"));
    dugme(YeniProblemAction, QStringLiteral("Yeni Problem"));
    dugme(kendiSayiniGirAction, QStringLiteral("Problem Gir"));
    ModDugmesi = dugme(ChangeDenetlemeAction, QString());
    ModDugmesi->setProperty("genislik", 150);
    dugme(CozAction, QStringLiteral("Çözümü Göster"));
    KomutCubuguBitir(ToolBar1);
}

void TFaktorItForm::PanelleriKur()
{
    Panel1 = new FaktorPaneli(Govde, PANEL_ONLY_FIRST, Model.PanelRengi(PANEL_ONLY_FIRST));
    Panel2 = new FaktorPaneli(Govde, PANEL_BOTH, Model.PanelRengi(PANEL_BOTH));
    Panel3 = new FaktorPaneli(Govde, PANEL_ONLY_SECOND, Model.PanelRengi(PANEL_ONLY_SECOND));
    for (FaktorPaneli* panel : {Panel1, Panel2, Panel3}) {
        SurukleHedefiKur(
            panel, [this, panel](QObject* kaynak, QPoint p) { return PanelDragOver(panel, kaynak, p); },
            [this, panel](QObject* kaynak, QPoint p) { PanelDragDrop(panel, kaynak, p); });
        connect(panel, &FaktorPaneli::CiftTiklandi, this, [this, panel] { PanelDblClick(panel); });
        // A leaf carried by keys visits the panels by Tab, each at the place
        // where its copy would stand next.
        SurukleYerleriKur(panel, [panel] {
            QList<QRect> kopyalar;
            for (MyShape* s : panel->findChildren<MyShape*>(QString(), Qt::FindDirectChildrenOnly))
                if (!s->isHidden())
                    kopyalar << s->geometry();
            const QWidget* tasinan = KlavyeIleTasinan();
            const QSize boy = tasinan ? tasinan->size() : QSize(MyShape::GENISLIK, MyShape::YUKSEKLIK);
            return QList<QPoint>{BosKopyaYeri(kopyalar, panel->size(), boy)};
        });
    }
    // The name alone is what a reader hears of a prime carried over the
    // panel; what the panel holds follows it as the description.
    ErisimKur(Panel1, QAccessible::Grouping, [this] { return Label1->text() + QStringLiteral(" paneli"); });
    ErisimKur(Panel2, QAccessible::Grouping, [this] { return Label2->text() + QStringLiteral(" paneli"); });
    ErisimKur(Panel3, QAccessible::Grouping, [this] { return Label3->text() + QStringLiteral(" paneli"); });
}

void TFaktorItForm::EtiketleriKur()
{
    auto etiket = [this](int piksel, TRenk renk, const QString& metin = QString()) {
        auto* e = new QLabel(metin, Govde);
        e->setFont(Yazi(YaziAilesi::Arial, piksel));
        RenkVer(e, QPalette::WindowText, renk);
        e->setAttribute(Qt::WA_TransparentForMouseEvents);
        return e;
    };
    Label1 = etiket(17, clBlack);
    Label2 = etiket(17, clBlack);
    Label3 = etiket(17, clBlack);
    Label4 = etiket(18, URUN_RENGI);
    Label5 = etiket(18, URUN_RENGI);
    Label6 = etiket(18, URUN_RENGI);
    Label7 = etiket(19, clRed, QStringLiteral("OBEB"));
    Label8 = etiket(19, clRed, QStringLiteral("OKEK"));
    Label9 = etiket(19, clBlack);
    Label10 = etiket(19, clBlack);
    Edit1 = new QLineEdit(QStringLiteral("1"), Govde);
    Edit2 = new QLineEdit(QStringLiteral("1"), Govde);
    for (QLineEdit* e : {Edit1, Edit2}) {
        e->setFont(Yazi(YaziAilesi::Arial, 16));
        SayiTusuFiltresiKur(e);
    }
    Button1 = EylemDugmesi(DenetleAction, Govde);
    Button1->setFont(Yazi(YaziAilesi::Arial, 15));
    // The answer boxes are read by the labels beside them.
    Label7->setBuddy(Edit1);
    Label8->setBuddy(Edit2);
}

void TFaktorItForm::SekmeSirasiKur()
{
    if (!sekmeCapasi_)
        return;
    QList<QWidget*> sira = Tree1->OkumaSirasi() + Tree2->OkumaSirasi();
    for (FaktorPaneli* panel : {Panel1, Panel2, Panel3})
        for (MyShape* s : panel->findChildren<MyShape*>(QString(), Qt::FindDirectChildrenOnly))
            sira << s;
    sira << Edit1 << Edit2 << Button1;
    QWidget* onceki = sekmeCapasi_;
    for (QWidget* w : sira) {
        setTabOrder(onceki, w);
        onceki = w;
    }
}

void TFaktorItForm::ErisimiBildir()
{
    Tree1->DurumuBildir();
    Tree2->DurumuBildir();
    for (FaktorPaneli* panel : {Panel1, Panel2, Panel3}) {
        panel->setAccessibleDescription(Model.PanelDurumu(PanelTuru(panel)));
        ErisimDegisti(panel);
    }
}

void TFaktorItForm::Yerlesim(const QRect& alan)
{
    Govde->setGeometry(alan.adjusted(0, -CUBUK_YUKSEKLIGI, 0, 0));
    LayoutControls();
}

void TFaktorItForm::LayoutControls()
{
    const FaktorYerlesimi y = FaktorYerlesimiHesapla(Govde->width(), Govde->height());
    Tree1->setGeometry(y.Agac1);
    Tree2->setGeometry(y.Agac2);
    FaktorPaneli* paneller[3] = {Panel1, Panel2, Panel3};
    QLabel* ustler[3] = {Label1, Label2, Label3};
    QLabel* altlar[3] = {Label4, Label5, Label6};
    for (int i = 0; i < 3; ++i) {
        paneller[i]->setGeometry(y.Paneller[i]);
        ustler[i]->setGeometry(y.Ustler[i]);
        altlar[i]->setGeometry(y.Altlar[i]);
    }
    Label7->setGeometry(y.Label7);
    Label8->setGeometry(y.Label8);
    Label9->setGeometry(y.Label9);
    Label10->setGeometry(y.Label10);
    Edit1->setGeometry(y.Edit1);
    Edit2->setGeometry(y.Edit2);
    Button1->setGeometry(y.Button1);
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

int TFaktorItForm::PanelTuru(const FaktorPaneli* panel) const
{
    if (!panel)
        return 0;
    for (int tur : {PANEL_ONLY_FIRST, PANEL_BOTH, PANEL_ONLY_SECOND})
        if (Panel(tur) == panel)
            return tur;
    return 0;
}

void TFaktorItForm::NewProblem(int a, int b)
{
    ResetBoard();
    Model.NewProblem(a, b);
    Tree1->AgaciGoster();
    Tree2->AgaciGoster();
    Label1->setText(Model.Baslik(PANEL_ONLY_FIRST));
    Label2->setText(Model.Baslik(PANEL_BOTH));
    Label3->setText(Model.Baslik(PANEL_ONLY_SECOND));
    UpdateProductLabels();
    ErisimiBildir();
    SekmeSirasiKur();
    KutuyaOdaklan(Tree1);
}

void TFaktorItForm::KutuyaOdaklan(TFaktorForm* once)
{
    TFaktorForm* digeri = once == Tree1 ? Tree2 : Tree1;
    QLineEdit* kutu = once->BekleyenKutu();
    if (!kutu)
        kutu = digeri->BekleyenKutu();
    if (kutu)
        kutu->setFocus(Qt::OtherFocusReason);
}

void TFaktorItForm::AcilisMesaji()
{
    EtkinlikPenceresi::AcilisMesaji();
    KutuyaOdaklan(Tree1);
}

void TFaktorItForm::ResetBoard()
{
    Tree1->ClearTree();
    Tree2->ClearTree();
    RemovePanelCopies();
    Model.ResetBoard();
    UpdateProductLabels();
    ErisimiBildir();
    update();
}

void TFaktorItForm::RemovePanelCopies()
{
    // The copies are collected first and destroyed afterwards, so that no
    // copy is skipped by a list that changes while it is walked.
    QList<QPointer<MyShape>> kopyalar;
    for (FaktorPaneli* panel : {Panel1, Panel2, Panel3})
        for (MyShape* s : panel->findChildren<MyShape*>(QString(), Qt::FindDirectChildrenOnly))
            kopyalar << s;
    GizleVeSil(kopyalar);
}

void TFaktorItForm::UpdateProductLabels()
{
    Label4->setText(Model.UrunMetni(PANEL_ONLY_FIRST));
    Label5->setText(Model.UrunMetni(PANEL_BOTH));
    Label6->setText(Model.UrunMetni(PANEL_ONLY_SECOND));
    UpdateResultLabels();
}

void TFaktorItForm::UpdateResultLabels()
{
    Label9->setText(Model.ObebMetni());
    Label10->setText(Model.OkekMetni());
}

void TFaktorItForm::SetCheckMode(bool kip)
{
    Model.SetCheckMode(kip);
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
    ChangeDenetlemeAction->setText(Model.ModKomutu());
}

void TFaktorItForm::CozActionExecute()
{
    if (Model.AgaclarVar()) {
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
    const DenetimSonucu sonuc = Model.Denetle(Edit1->text(), Edit2->text());
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
    const int k = PanelTuru(panel);
    if (!dugum || !k)
        return;
    const PanelKarari karar = Model.PanelaBirak(k, &dugum->Dugum());
    if (!karar.Kabul) {
        if (!karar.Mesaj.isEmpty())
            Ortam::Gecerli().MesajKutusu(karar.Mesaj, karar.Baslik);
        return;
    }
    UpdateProductLabels();
    const int v = dugum->Value();
    auto* kopya = new MyShape(panel, v, nullptr);
    QLabel* baslik = k == PANEL_ONLY_FIRST ? Label1 : k == PANEL_BOTH ? Label2 : Label3;
    ErisimKur(kopya, QAccessible::ListItem, [v, baslik] { return CarpanAgaciModeli::KopyaOkunusu(v, baslik->text()); });
    kopya->move(KopyaYeri(p, panel->size()));
    kopya->resize(dugum->size());
    kopya->Tag = -k;
    kopya->SetState(-1);
    kopya->show();
    // The leaf, and on the common panel the other tree's leaf, are used now.
    Tree1->Yenile();
    Tree2->Yenile();
    ErisimiBildir();
    SekmeSirasiKur();
}

void TFaktorItForm::PanelDblClick(FaktorPaneli* panel)
{
    const int k = PanelTuru(panel);
    Model.PanelRengiAyarla(k, RenkSec(Model.PanelRengi(k)));
    RenkleriGoster();
}

void TFaktorItForm::RenkleriGoster()
{
    Tree1->RenkAyarla(Model.AgacRengi(1));
    Tree2->RenkAyarla(Model.AgacRengi(2));
    for (FaktorPaneli* panel : {Panel1, Panel2, Panel3})
        panel->RenkAyarla(Model.PanelRengi(PanelTuru(panel)));
}
