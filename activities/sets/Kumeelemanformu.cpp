#include "Kumeelemanformu.h"
#include "canlilar.h"
#include "gorunum.h"
#include "kaydirmaalani.h"
#include "kumeformu.h"
#include "Kumegirisformu.h"
#include "kumelistesi.h"
#include "Metinshape.h"
#include "Dilyardim.h"
#include "erisim.h"
#include "mesaj.h"
#include "metinler.h"
#include "ortam.h"
#include "ses.h"
#include "surukle.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace {
const char* const PANEL_ETIKETI = "kumePanelEtiketi";
constexpr int PANEL_EN_AZ = 39;
constexpr int DUGME_YUKSEKLIGI = 40;
}

const EtkinlikSatiri& TKumeElemanForm::Satiri()
{
    static const EtkinlikSatiri satir{
        9, QStringLiteral("Küme Elemanları"), 10, 9, QStringLiteral("Kume Elemanlarını Bul"),
        QStringLiteral("Küme Elemanları"), QStringLiteral("KumeEleman"),
        HakkindaTuru::Pencere, QStringLiteral("Küme işlemleri"), QString(), ETKINLIK_OLCUSU,
        PencereYap<TKumeElemanForm>};
    return satir;
}

TKumeElemanForm::TKumeElemanForm(QWidget* sahip)
    : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("KumeElemanForm"));

    auto panel = [this](int etiket, const char* ad) {
        auto* p = new QFrame(this);
        p->setObjectName(QString::fromLatin1(ad));
        p->setFrameShape(QFrame::StyledPanel);
        p->setFrameShadow(QFrame::Sunken);
        p->setProperty(PANEL_ETIKETI, etiket);
        return p;
    };
    Panel1 = panel(1, "Panel1");
    Panel2 = panel(2, "Panel2");
    Panel3 = panel(1, "Panel3");
    Panel3->hide();
    auto panelAdi = [this](const QString& metin, TRenk renk) {
        auto* e = new QLabel(metin, this);
        e->setFont(Yazi(YaziAilesi::Tahoma, 20));
        RenkVer(e, QPalette::WindowText, renk);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return e;
    };
    PanelAdi1 = panelAdi(QStringLiteral("A :"), clRed);
    PanelAdi2 = panelAdi(QStringLiteral("B :"), clBlue);
    ErisimKur(Panel1, QAccessible::Grouping, [this] { return QStringLiteral("A kümesi, birinci kelime: ") + Word1(); });
    ErisimKur(Panel2, QAccessible::Grouping, [this] { return QStringLiteral("B kümesi, ikinci kelime: ") + Word2(); });
    ErisimKur(Panel3, QAccessible::Grouping, [] { return QStringLiteral("boş panel"); });

    ResetAction = Eylem(QStringLiteral("Sıfırla"), [this] { ResetActionExecute(); });
    YeniProblemAction = Eylem(QStringLiteral("Yeni Problem"), [this] { YeniProblemActionExecute(); });
    DenetleAction = Eylem(QStringLiteral("Denetle"), [this] { DenetleActionExecute(); });
    IpucuAction = Eylem(QStringLiteral("İpucu"), [this] { IpucuActionExecute(); });

    Button6 = EylemDugmesi(YardimAction, this, QStringLiteral("Açıklama"));
    Button4 = EylemDugmesi(HakkindaAction, this);
    Button1 = EylemDugmesi(ResetAction, this);
    Button2 = EylemDugmesi(YeniProblemAction, this);
    Button3 = EylemDugmesi(DenetleAction, this);
    Button5 = EylemDugmesi(IpucuAction, this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TKumeElemanForm::Timer1Timer);

    Yerlestir();
    CreateLetterTiles(Panel1, Word1(), clRed);
    CreateLetterTiles(Panel2, Word2(), clBlue);

    // The board, sized from the window as it is made; both circles are added
    // without regions, which Timer1 prepares behind the wait window.
    Tahta = new TKumeForm(nullptr);
    TahtaAlani = new KaydirmaAlani(this, Tahta, KaydirmaAlani::Sabit, QStringLiteral("Küme tahtası"));
    TahtaAlani->horizontalScrollBar()->setAccessibleName(QStringLiteral("Tahtanın yatay kaydırma çubuğu"));
    TahtaAlani->verticalScrollBar()->setAccessibleName(QStringLiteral("Tahtanın dikey kaydırma çubuğu"));
    Yerlestir();
    const CemberYerleri cemberler = CemberYerleriHesapla(Tahta->size());
    Tahta->AddCircle(1, cemberler.A, cemberler.Yaricap, false);
    Tahta->AddCircle(2, cemberler.B, cemberler.Yaricap, false);
    Tahta->show();
    SekmeSirasiKur();
    Timer1->start();
}

int TKumeElemanForm::PanelEtiketi(const QFrame* panel)
{
    return panel ? panel->property(PANEL_ETIKETI).toInt() : 0;
}

void TKumeElemanForm::CreateLetterTiles(QFrame* panel, const QString& kelime, TRenk renk)
{
    if (!panel || kelime.isEmpty())
        return;
    for (const QString& harf : KelimeHarfleri(kelime)) {
        auto* karo = new MetinShape(panel, harf);
        ErisimKur(karo, QAccessible::ListItem, [karo] {
            return karo->Okunus() + (karo->Tag == 2 ? QStringLiteral(", B kümesinin elemanı") : QStringLiteral(", A kümesinin elemanı"))
                   + (karo->isEnabled() ? QString() : QStringLiteral(", yerleştirildi"));
        });
        OtomatikSurukle(karo, true);
        // Carried by keys, the tile lands where its picture's top left is, as under the pointer.
        SurukleTutamagi(karo, QPoint(0, 0));
        karo->Tag = PanelEtiketi(panel);
        karo->FitToText();
        karo->FontColor = renk;
        karo->show();
        HarfKarolari.emplace_back(karo);
    }
    karolariDiz(panel);
    Yerlestir();
    ErisimDegisti(panel);
    SekmeSirasiKur();
}

// Places a panel's tiles in a row from the left, starting a new row below
// when a tile would reach the panel's right edge; the panel grows to hold them.
void TKumeElemanForm::karolariDiz(QFrame* panel)
{
    const MetinShape* onceki = nullptr;
    int alt = 0;
    for (const QPointer<MetinShape>& k : HarfKarolari) {
        if (!k || k->parentWidget() != panel)
            continue;
        QPoint yer = onceki ? QPoint(onceki->x() + onceki->width() + 5, onceki->y()) : QPoint(10, 2);
        // A new row goes 25 pixels lower, or lower still when the tiles are
        // taller, so that rows never overlap and each letter can be picked.
        if (onceki && yer.x() + k->width() >= panel->width() - 2)
            yer = QPoint(10, yer.y() + qMax(25, onceki->height()));
        k->move(yer);
        alt = qMax(alt, k->y() + k->height());
        onceki = k;
    }
    panel->setFixedHeight(qMax(PANEL_EN_AZ, alt + 2));
}

void TKumeElemanForm::Yerlesim(const QRect& alan)
{
    // The window has no bars: the client area is all of it.
    const int w = alan.width();
    const int h = alan.height();
    const int panelSol = 150;
    const int panelGenislik = qMax(100, w - panelSol - 20);
    for (QFrame* p : {Panel1, Panel2}) {
        if (p->width() != panelGenislik) {
            p->setFixedWidth(panelGenislik);
            karolariDiz(p);
        }
    }
    Panel1->move(panelSol, 2);
    Panel2->move(panelSol, Panel1->y() + Panel1->height() + 3);
    Panel3->setGeometry(Panel1->x() + Panel1->width() + 10, Panel1->y(), panelGenislik, Panel1->height());
    PanelAdi1->setGeometry(20, Panel1->y(), panelSol - 30, PANEL_EN_AZ);
    PanelAdi2->setGeometry(20, Panel2->y(), panelSol - 30, PANEL_EN_AZ);

    // The commands in one row at the bottom, the close button at the right end;
    // in a window too narrow for six buttons of 90 pixels, in two rows of three.
    QPushButton* dugmeler[] = {Button6, Button4, Button1, Button2, Button3, Button5};
    const int bosluk = 10;
    const int satirda = (w - 40 - BitBtn2->width() - 7 * bosluk) / 6 >= 90 ? 6 : 3;
    const int satirlar = 6 / satirda;
    const int dugmeY = h - satirlar * (DUGME_YUKSEKLIGI + 6) - 4;
    const int genislik = qBound(90, (w - 40 - BitBtn2->width() - (satirda + 1) * bosluk) / satirda, 170);
    const QFont yazi = Yazi(YaziAilesi::Tahoma, w >= 1100 ? 17 : 13);
    for (int i = 0; i < 6; ++i) {
        dugmeler[i]->setFont(yazi);
        dugmeler[i]->setGeometry(20 + (i % satirda) * (genislik + bosluk),
                                 dugmeY + (i / satirda) * (DUGME_YUKSEKLIGI + 6), genislik, DUGME_YUKSEKLIGI);
    }
    BitBtn2->move(w - 20 - BitBtn2->width(), h - BitBtn2->height() - 4);

    if (!Tahta)
        return;
    // The board takes the room between the panels and the commands; a board
    // larger than that room scrolls, so the commands always stay in view.
    const int ust = Panel2->y() + Panel2->height() + 10;
    const QSize yer(qMax(0, w - 40), qMax(0, dugmeY - 10 - ust));
    const QSize boyut(qMax(200, yer.width()), qMax(150, yer.height()));
    TahtaAlani->setGeometry(QRect(QPoint(20, ust), yer));
    // Tiles already on the board keep the geometry they were placed in.
    if (!Tahta->Karolar().isEmpty() && Tahta->CircleCount() > 0)
        return;
    if (Tahta->size() == boyut)
        return;
    Tahta->resize(boyut);
    cemberleriYerlestir();
}

void TKumeElemanForm::cemberleriYerlestir()
{
    if (Tahta->CircleCount() != 2)
        return;
    const CemberYerleri cemberler = CemberYerleriHesapla(Tahta->size());
    Tahta->CemberTasi(0, 1, cemberler.A, cemberler.Yaricap);
    Tahta->CemberTasi(1, 2, cemberler.B, cemberler.Yaricap);
    if (Tahta->BolgelerHesaplandi())
        Tahta->ComputeRegions();
}

void TKumeElemanForm::Timer1Timer()
{
    Timer1->stop();
    setEnabled(false);
    BekleForm = new TKumeBekleForm(this);
    BekleForm->show();
    BekleForm->repaint();
    Tahta->ComputeRegions();
    BekleForm->hide();
    delete BekleForm.data();
    setEnabled(true);
}

bool TKumeElemanForm::event(QEvent* olay)
{
    if (auto* m = NumaraliMi(olay, KUME_ELEMAN_BIRAKILDI)) {
        const QString* metin = MesajIsaretcisi<const QString>(m->WParam);
        const int* etiket = MesajIsaretcisi<const int>(m->LParam);
        if (metin && etiket && (*etiket == 1 || *etiket == 2))
            DisableLetter(*metin);
        SekmeSirasiKur();
        return true;
    }
    return EtkinlikPenceresi::event(olay);
}

void TKumeElemanForm::DisableLetter(const QString& metin)
{
    for (auto it = HarfKarolari.rbegin(); it != HarfKarolari.rend(); ++it) {
        MetinShape* k = *it;
        if (!k || k->Text != metin)
            continue;
        k->setEnabled(false);
        k->FontColor = clGray;
        k->update();
        ErisimDegisti(k);
    }
}

std::unique_ptr<QStringList> TKumeElemanForm::CommonLetters() const
{
    if (Alistirma.OrtakHarfler().isEmpty())
        return nullptr;
    return std::make_unique<QStringList>(Alistirma.OrtakHarfler());
}

void TKumeElemanForm::Yanitla(const KumeYaniti& yanit)
{
    SesCal(yanit.Ses);
    Ortam::Gecerli().MesajGoster(yanit.Mesaj);
}

void TKumeElemanForm::DenetleActionExecute()
{
    if (!Tahta)
        return;
    bool yerlesecekVar = false;
    for (const QPointer<MetinShape>& k : HarfKarolari)
        yerlesecekVar = yerlesecekVar || (k && k->isEnabled());
    Yanitla(Alistirma.Denetle(yerlesecekVar, yerlesecekVar ? QSet<QString>() : Tahta->BolgedekiMetinler(3)));
}

void TKumeElemanForm::IpucuActionExecute()
{
    Yanitla(Alistirma.Ipucu());
}

void TKumeElemanForm::ResetActionExecute()
{
    GizleVeSil(HarfKarolari);
    if (Tahta)
        Tahta->ResetBoard();
    karolariDiz(Panel1);
    karolariDiz(Panel2);
    Yerlestir();
    SekmeSirasiKur();
}

void TKumeElemanForm::SekmeSirasiKur()
{
    QList<QWidget*> sira;
    for (QFrame* panel : {Panel1, Panel2})
        for (const QPointer<MetinShape>& k : HarfKarolari)
            if (k && k->parentWidget() == panel)
                sira << k;
    if (Tahta) {
        sira << Tahta;
        for (QLabel* ad : Tahta->NameLabels)
            if (ad)
                sira << ad;
        QList<MetinShape*> tahtadakiler = Tahta->Karolar();
        std::stable_sort(tahtadakiler.begin(), tahtadakiler.end(), [](const MetinShape* a, const MetinShape* b) {
            return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
        });
        for (MetinShape* k : tahtadakiler)
            sira << k;
    }
    sira << Button6 << Button4 << Button1 << Button2 << Button3 << Button5 << BitBtn2;
    QWidget* onceki = PanelAdi2;
    for (QWidget* w : sira) {
        setTabOrder(onceki, w);
        onceki = w;
    }
}

bool TKumeElemanForm::AskWords(QString& ilk, QString& ikinci)
{
    TKumeGirisForm giris(this);
    Ortam::Gecerli().ModalGoster(giris);
    if (giris.Sonuc != 1)
        return false;
    ilk = giris.Edit1->text();
    ikinci = giris.Edit2->text();
    return true;
}

void TKumeElemanForm::YeniProblemActionExecute()
{
    QString ilk, ikinci;
    if (!AskWords(ilk, ikinci) || ilk.isEmpty() || ikinci.isEmpty())
        return;
    ResetActionExecute();
    Alistirma.KelimeleriAyarla(ilk, ikinci);
    ErisimDegisti(Panel1);
    ErisimDegisti(Panel2);
    CreateLetterTiles(Panel1, Word1(), clRed);
    CreateLetterTiles(Panel2, Word2(), clBlue);
}
