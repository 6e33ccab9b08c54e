#include "bebekgiyimformu.h"
#include "bebekformu.h"
#include "giysigirisformu.h"
#include "aracubugu.h"
#include "erisim.h"
#include "giyimresmi.h"
#include "gorunum.h"
#include "ortam.h"
#include "ses.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
constexpr TRenk ZEMIN_RENGI = 0xF5FBFF;  // warm cream
constexpr TRenk ARAC_RENGI = 0xB5853F;   // calm blue
constexpr TRenk YAZI_RENGI = 0x6E2A1F;   // deep blue
// Everything under the command bar stands this much lower than its place in the drawing of the window.
constexpr int UST = 40;
constexpr int ADAM_UST = 48;
constexpr int PANO_UST = 240;
}

const EtkinlikSatiri& TBebekGiyimForm::Satiri()
{
    static const EtkinlikSatiri satir{
        7, QStringLiteral("Saymanın Temel İlkeleri"), 8, 7, QStringLiteral("Saymanın Temel İlkeleri"),
        QStringLiteral("Saymanın Temel İlkeleri"), QStringLiteral("SaymaninIlkeleri"),
        HakkindaTuru::Pencere, QStringLiteral("Saymanın Temel İlkeleri"),
        QStringLiteral("Pomlu Bey ve giysileri: Orvanta Çizim Atölyesi"), ETKINLIK_OLCUSU,
        PencereYap<TBebekGiyimForm>};
    return satir;
}

TBebekGiyimForm::TBebekGiyimForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TBebekGiyimForm"));
    ZeminVer(this, ZEMIN_RENGI);

    RastgeleProblemAction = Eylem(QStringLiteral("Yeni Problem"), [this] { RastgeleProblemActionExecute(); });
    YeniProblemAction = Eylem(QStringLiteral("Problem Gir"), [this] { YeniProblemActionExecute(); });
    CozAction = Eylem(QStringLiteral("Tüm Giysileri Göster"), [this] { CozActionExecute(); });
    Giydir1 = Eylem(QStringLiteral("Giydir"), [this] { Giydir1Click(); });
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setFont(Yazi(YaziAilesi::Arial, 14, false));
    PopupMenu1->addAction(Giydir1);

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    ToolBar1->Dugme(YardimAction, QStringLiteral("Açıklama"))->setObjectName(QStringLiteral("Button9"));
    ToolBar1->Dugme(HakkindaAction, QStringLiteral("Hakkında"))->setObjectName(QStringLiteral("Button3"));
    ToolBar1->Dugme(RastgeleProblemAction, QString())->setObjectName(QStringLiteral("Button8"));
    ToolBar1->Dugme(YeniProblemAction, QString())->setObjectName(QStringLiteral("Button6"));
    ToolBar1->Dugme(CozAction, QString(), 200)->setObjectName(QStringLiteral("Button7"));
    KomutCubuguBitir(ToolBar1);

    Label1 = new QLabel(QStringLiteral("Haydi Pomlu Beyi farklı şekillerde giydirelim..."), this);
    Label1->setFont(Yazi(YaziAilesi::CenturyGothic, 15));
    RenkVer(Label1, QPalette::WindowText, YAZI_RENGI);

    const qreal oran = devicePixelRatioF();
    Image2 = new GiyimResmi(this, GiyimResmi::Cizim(QStringLiteral(":/pictures/gomlek.svg"), GOMLEK_SABLONU.Olcu, oran));
    Image3 = new GiyimResmi(this, GiyimResmi::Cizim(QStringLiteral(":/pictures/pantolon.svg"),
                                                    PANTOLON_SABLONU.Olcu, oran));
    // Named before anything is done to them: Qt keeps the first description it makes of a widget.
    ErisimKur(Image2, QAccessible::Graphic, [] { return QStringLiteral("Gömlek"); });
    ErisimKur(Image3, QAccessible::Graphic, [] { return QStringLiteral("Pantolon"); });
    Image2->hide();
    Image3->hide();
    Image4 = new GiyimResmi(this, GiyimResmi::Cizim(QStringLiteral(":/pictures/adam.svg"), ADAM_OLCUSU, oran));
    ErisimKur(Image4, QAccessible::Graphic, [this] { return Model.AdamAdi(); });
    Image4->setToolTip(QStringLiteral("Pomlu Bey"));

    BebekForm = new TBebekForm(this);
    Yerlestir();
    RastgeleProblemActionExecute();
}

void TBebekGiyimForm::Yerlesim(const QRect& alan)
{
    Label1->setGeometry(16, alan.top() + 8, std::max(0, width() - 32), Label1->sizeHint().height());
    Image4->setGeometry(16, ADAM_UST + UST, 169, 177);
    const std::vector<Giysi>& giysiler = Model.Giysiler();
    for (size_t i = 0; i < giysiler_.size() && i < giysiler.size(); ++i) {
        if (!giysiler_[i])
            continue;
        const Giysi& g = giysiler[i];
        const bool gomlek = g.Tur == GiysiTuru::Gomlek;
        const int adet = gomlek ? Model.Problem().GomlekSayisi() : Model.Problem().PantolonSayisi();
        giysiler_[i]->setGeometry(GiysiYeri(int(g.Tur), g.Sira, adet, width()).translated(0, UST));
    }
    BebekForm->setGeometry(10, PANO_UST + UST, std::max(0, width() - 20), std::max(0, height() - PANO_UST - UST - 10));
}

void TBebekGiyimForm::RastgeleProblemActionExecute()
{
    Model.RastgeleProblem();
    ProblemiGoster();
}

void TBebekGiyimForm::YeniProblemActionExecute()
{
    int gomlek = Model.GirisGomlekSayisi();
    int pantolon = Model.GirisPantolonSayisi();
    if (TGiysiGirisForm::Sor(this, gomlek, pantolon))
        ProblemKur(gomlek, pantolon);
}

void TBebekGiyimForm::ProblemKur(int gomlek, int pantolon)
{
    if (Model.ProblemKur(gomlek, pantolon))
        ProblemiGoster();
}

void TBebekGiyimForm::Sifirla()
{
    Model.Sifirla();
    ProblemiGoster();
}

void TBebekGiyimForm::ProblemiGoster()
{
    // Collected first, then deleted: the templates and the man are not in the list.
    std::vector<QPointer<GiyimResmi>> eskiler;
    eskiler.swap(giysiler_);
    for (const QPointer<GiyimResmi>& g : eskiler)
        delete g.data();
    BebekForm->Temizle();
    Image4->Doldur(ADAM_GOMLEK_NOKTALARI, Model.Adam().GomlekRengi);
    Image4->Doldur(ADAM_PANTOLON_NOKTALARI, Model.Adam().PantolonRengi);

    const std::vector<Giysi>& giysiler = Model.Giysiler();
    for (size_t no = 0; no < giysiler.size(); ++no) {
        const Giysi& giysi = giysiler[no];
        const bool gomlek = giysi.Tur == GiysiTuru::Gomlek;
        auto* g = new GiyimResmi(this, gomlek ? *Image2 : *Image3);
        ErisimKur(g, QAccessible::Button, [this, no = int(no)] { return Model.GiysiAdi(no); });
        g->Doldur((gomlek ? GOMLEK_SABLONU : PANTOLON_SABLONU).DolguNoktalari, giysi.Renk);
        g->GiysiNo = int(no);
        g->Tag = giysi.Tag();
        g->setToolTip(QStringLiteral("Giydirmek için çift tıkla"));
        connect(g, &GiyimResmi::CiftTiklandi, this, &TBebekGiyimForm::Giydir);
        connect(g, &GiyimResmi::MenuIstendi, this, &TBebekGiyimForm::GiysiMenusuAc);
        connect(g, &GiyimResmi::OkBasildi, this, &TBebekGiyimForm::KomsuyaGec);
        // Tab reaches the garments, shirts then trousers, before the board; a click gives no focus.
        g->setFocusPolicy(Qt::TabFocus);
        if (!giysiler_.empty())
            setTabOrder(giysiler_.back(), g);
        giysiler_.push_back(g);
    }
    if (!giysiler_.empty())
        setTabOrder(giysiler_.back(), BebekForm);
    Yerlestir();
    for (const QPointer<GiyimResmi>& g : giysiler_)
        g->show();
    ErisimDegisti(Image4);
}

void TBebekGiyimForm::ErisimiGuncelle()
{
    ErisimDegisti(Image4);
    for (const QPointer<GiyimResmi>& g : giysiler_)
        ErisimDegisti(g);
}

void TBebekGiyimForm::KomsuyaGec(GiyimResmi* giysi, int tus)
{
    const std::vector<Giysi>& giysiler = Model.Giysiler();
    if (!giysi || giysi->GiysiNo < 0 || giysi->GiysiNo >= int(giysiler.size()))
        return;
    const Giysi& simdiki = giysiler[size_t(giysi->GiysiNo)];
    GiysiTuru tur = simdiki.Tur;
    int sira = simdiki.Sira;
    if (tus == Qt::Key_Left)
        --sira;
    else if (tus == Qt::Key_Right)
        ++sira;
    else
        tur = tus == Qt::Key_Up ? GiysiTuru::Gomlek : GiysiTuru::Pantolon;
    // The other row may be shorter: its last garment takes the focus.
    GiyimResmi* hedef = nullptr;
    for (size_t no = 0; no < giysiler.size() && no < giysiler_.size(); ++no)
        if (giysiler[no].Tur == tur && giysiler[no].Sira <= sira && giysiler_[no])
            hedef = giysiler_[no];
    if (hedef && sira >= 0)
        hedef->setFocus(Qt::TabFocusReason);
}

void TBebekGiyimForm::Uygula(const GiyimYaniti& yanit)
{
    if (yanit.Giyilen != GiysiTuru::Yok)
        Image4->Doldur(yanit.Giyilen == GiysiTuru::Gomlek ? ADAM_GOMLEK_NOKTALARI : ADAM_PANTOLON_NOKTALARI,
                       yanit.Renk);
    if (yanit.Ses)
        SesCal(yanit.Ses);
    if (!yanit.Mesaj.isEmpty())
        Ortam::Gecerli().MesajGoster(yanit.Mesaj);
    if (yanit.Kayit == KayitSonucu::Yeni)
        BebekForm->KucukResimEkle(Image4->Resim(), yanit.Numara,
                                  [this, n = yanit.Numara] { return Model.BulunanAdi(n); });
    if (yanit.Giyilen != GiysiTuru::Yok)
        ErisimiGuncelle();
    if (yanit.Tamam)
        TamamDenetle(true);
}

void TBebekGiyimForm::Giydir(GiyimResmi* giysi)
{
    if (giysi)
        Uygula(Model.Giydir(giysi->GiysiNo));
}

void TBebekGiyimForm::GomlekGiydir(TRenk renk)
{
    Uygula(Model.GomlekGiydir(renk));
}

void TBebekGiyimForm::PantolonGiydir(TRenk renk)
{
    Uygula(Model.PantolonGiydir(renk));
}

void TBebekGiyimForm::GiyimKaydet(bool mesaj)
{
    Uygula(Model.GiyimKaydet(mesaj));
}

bool TBebekGiyimForm::TamamDenetle(bool mesaj)
{
    const bool tamam = Model.Tamam();
    if (tamam && mesaj) {
        BebekForm->GosterBekleyenler();
        SesCal(SES_TEBRIK);
        Ortam::Gecerli().MesajGoster(TamamMesaji(Model.Toplam()));
    }
    return tamam;
}

void TBebekGiyimForm::CozActionExecute()
{
    if (TamamDenetle(false))
        return;
    TBebekForm::Toplu toplu(BebekForm);
    for (const GiyimYaniti& adim : Model.HepsiniGoster())
        Uygula(adim);
}

void TBebekGiyimForm::GiysiMenusuAc(GiyimResmi* giysi, QPoint ekranda)
{
    Model.GiysiSec(giysi ? giysi->GiysiNo : -1);
    PopupMenu1->popup(ekranda);
}

void TBebekGiyimForm::Giydir1Click()
{
    Uygula(Model.Giydir(Model.GecerliGiysi()));
}
