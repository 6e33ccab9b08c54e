#include "Faktorformu.h"
#include "Myshape.h"
#include "aracubugu.h"
#include "carpanmodel.h"
#include "donusum.h"
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
constexpr TRenk AGAC1_RENGI = 0xFFCC33; // light blue
constexpr TRenk AGAC2_RENGI = 0xCCFFCC; // light green
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
    : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TFaktorItForm"));
    HakkindaAction->setText(QStringLiteral("Özgün"));
    KomutlariKur();
    Tree1 = new TFaktorForm(Govde, 1, AGAC1_RENGI);
    Tree2 = new TFaktorForm(Govde, 2, AGAC2_RENGI);
    connect(Tree1, &TFaktorForm::RenkDegisti, this, &TFaktorItForm::PanelRenkleriniAl);
    connect(Tree2, &TFaktorForm::RenkDegisti, this, &TFaktorItForm::PanelRenkleriniAl);
    // A tree done by the keyboard hands it to the other tree.
    connect(Tree1, &TFaktorForm::AgacBitti, this, [this] { KutuyaOdaklan(Tree2); });
    connect(Tree2, &TFaktorForm::AgacBitti, this, [this] { KutuyaOdaklan(Tree1); });
    PanelleriKur();
    EtiketleriKur();
    SetCheckMode(false);
    Yerlestir();
    NewProblem(-1, -1);
}

void TFaktorItForm::KomutlariKur()
{
    YeniProblemAction = Eylem(QStringLiteral("Yeni Problem"), [this] { YeniProblemActionExecute(); },
                              QKeySequence(Qt::Key_F2));
    kendiSayiniGirAction = Eylem(QStringLiteral("Kendi Sayını Gir"), [this] { kendiSayiniGirActionExecute(); });
    ChangeDenetlemeAction = Eylem(QStringLiteral("Denetleme Modu"), [this] { ChangeDenetlemeActionExecute(); });
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
    connect(ChangeDenetlemeAction, &QAction::changed, ModDugmesi,
            [this] { ModDugmesi->setText(ChangeDenetlemeAction->text()); });
    dugme(CozAction, QStringLiteral("Çözümü Göster"));
    KomutCubuguBitir(ToolBar1);
}

void TFaktorItForm::PanelleriKur()
{
    Panel1 = new FaktorPaneli(Govde, PANEL_ONLY_FIRST, AGAC1_RENGI);
    Panel2 = new FaktorPaneli(Govde, PANEL_BOTH, clBtnFace);
    Panel3 = new FaktorPaneli(Govde, PANEL_ONLY_SECOND, AGAC2_RENGI);
    for (FaktorPaneli* panel : {Panel1, Panel2, Panel3}) {
        SurukleHedefiKur(
            panel, [this, panel](QObject* kaynak, QPoint p) { return PanelDragOver(panel, kaynak, p); },
            [this, panel](QObject* kaynak, QPoint p) { PanelDragDrop(panel, kaynak, p); });
        connect(panel, &FaktorPaneli::CiftTiklandi, this, [this, panel] { PanelDblClick(panel); });
    }
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

TFaktorForm* TFaktorItForm::Agac(int tag) const
{
    return tag == 1 ? Tree1 : tag == 2 ? Tree2 : nullptr;
}

void TFaktorItForm::NewProblem(int a, int b)
{
    ResetBoard();
    for (qint64& p : Products)
        p = 1;
    Tree1->SetNumberOrRandom(a);
    Tree2->SetNumberOrRandom(b);
    const int x = Tree1->RootValue();
    const int y = Tree2->RootValue();
    Label1->setText(PanelBasligi(PANEL_ONLY_FIRST, x, y));
    Label2->setText(PanelBasligi(PANEL_BOTH, x, y));
    Label3->setText(PanelBasligi(PANEL_ONLY_SECOND, x, y));
    UpdateProductLabels();
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
