#include "Bebekgiyimformu.h"
#include "Bebekformu.h"
#include "Giysigirisformu.h"
#include "aracubugu.h"
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

int Rastgele(int n)
{
    return Ortam::Gecerli().Rastgele(n);
}
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
    Image2->hide();
    Image3->hide();
    Image4 = new GiyimResmi(this, GiyimResmi::Cizim(QStringLiteral(":/pictures/adam.svg"), ADAM_OLCUSU, oran));
    Image4->setToolTip(QStringLiteral("Pomlu Bey"));

    BebekForm = new TBebekForm(this);
    Yerlestir();
    RastgeleProblemActionExecute();
}

void TBebekGiyimForm::Yerlesim(const QRect& alan)
{
    Label1->setGeometry(16, alan.top() + 8, std::max(0, width() - 32), Label1->sizeHint().height());
    Image4->setGeometry(16, ADAM_UST + UST, 169, 177);
    int sira[3] = {0, 0, 0};
    for (const QPointer<GiyimResmi>& g : giysiler_) {
        if (!g)
            continue;
        const int tur = g->Tag / 100;
        const int adet = tur == 1 ? Problem.GomlekSayisi() : Problem.PantolonSayisi();
        g->setGeometry(GiysiYeri(tur, sira[tur]++, adet, width()).translated(0, UST));
    }
    BebekForm->setGeometry(10, PANO_UST + UST, std::max(0, width() - 20), std::max(0, height() - PANO_UST - UST - 10));
}

void TBebekGiyimForm::RastgeleProblemActionExecute()
{
    const int gomlek = Rastgele(8) + 2;
    const int pantolon = Rastgele(8) + 2;
    ProblemKur(gomlek, pantolon);
}

void TBebekGiyimForm::YeniProblemActionExecute()
{
    int gomlek = Problem.GomlekSayisi() > 0 ? Problem.GomlekSayisi() : 3;
    int pantolon = Problem.PantolonSayisi() > 0 ? Problem.PantolonSayisi() : 3;
    if (TGiysiGirisForm::Sor(this, gomlek, pantolon))
        ProblemKur(gomlek, pantolon);
}

void TBebekGiyimForm::ProblemKur(int gomlek, int pantolon)
{
    GiyimProblemi yeni;
    if (!yeni.Kur(gomlek, pantolon, Rastgele))
        return;
    Sifirla();
    Problem = std::move(yeni);
    GiysileriUret(1);
    GiysileriUret(2);
}

void TBebekGiyimForm::Sifirla()
{
    // Collected first, then deleted: the templates and the man are not in the list.
    std::vector<QPointer<GiyimResmi>> eskiler;
    eskiler.swap(giysiler_);
    for (const QPointer<GiyimResmi>& g : eskiler)
        delete g.data();
    Problem = GiyimProblemi();
    BebekForm->Temizle();
    GomlekGiydir(clWhite);
    PantolonGiydir(clWhite);
}

void TBebekGiyimForm::GiysileriUret(int tur)
{
    const bool gomlek = tur == 1;
    const GiysiSablonu& sablon = gomlek ? GOMLEK_SABLONU : PANTOLON_SABLONU;
    const int adet = gomlek ? Problem.GomlekSayisi() : Problem.PantolonSayisi();
    for (int i = 0; i < adet; ++i) {
        auto* g = new GiyimResmi(this, gomlek ? *Image2 : *Image3);
        g->Doldur(sablon.DolguNoktalari, gomlek ? Problem.Gomlek(i) : Problem.Pantolon(i));
        g->Tag = 100 * tur;
        g->setToolTip(QStringLiteral("Giydirmek için çift tıkla"));
        connect(g, &GiyimResmi::CiftTiklandi, this, &TBebekGiyimForm::Giydir);
        connect(g, &GiyimResmi::MenuIstendi, this, &TBebekGiyimForm::GiysiMenusuAc);
        giysiler_.push_back(g);
    }
    Yerlestir();
    for (const QPointer<GiyimResmi>& g : giysiler_)
        if (g)
            g->show();
}

void TBebekGiyimForm::Giydir(GiyimResmi* giysi)
{
    if (!giysi)
        return;
    if (giysi->Tag == 100)
        GomlekGiydir(giysi->Renk(GOMLEK_SABLONU.RenkNoktasi));
    else if (giysi->Tag == 200)
        PantolonGiydir(giysi->Renk(PANTOLON_SABLONU.RenkNoktasi));
}

void TBebekGiyimForm::GomlekGiydir(TRenk renk)
{
    Adam.GomlekRengi = renk;
    Image4->Doldur(ADAM_GOMLEK_NOKTALARI, renk);
    if (OtomatikKayit)
        GiyimKaydet(true);
}

void TBebekGiyimForm::PantolonGiydir(TRenk renk)
{
    Adam.PantolonRengi = renk;
    Image4->Doldur(ADAM_PANTOLON_NOKTALARI, renk);
    if (OtomatikKayit)
        GiyimKaydet(true);
}

void TBebekGiyimForm::GiyimKaydet(bool mesaj)
{
    if (KayitKarari(Adam, BebekForm->Bulunanlar, Problem.Toplam()) == KayitSonucu::Yok)
        return;
    if (BebekForm->GiyimEkle(*Image4, Adam, mesaj))
        TamamDenetle(true);
}

bool TBebekGiyimForm::TamamDenetle(bool mesaj)
{
    const bool tamam = Tamamlandi(BebekForm->Bulunanlar, Problem.Toplam());
    if (tamam && mesaj) {
        BebekForm->GosterBekleyenler();
        SesCal(SES_TEBRIK);
        Ortam::Gecerli().MesajGoster(TamamMesaji(Problem.Toplam()));
    }
    return tamam;
}

void TBebekGiyimForm::CozActionExecute()
{
    if (TamamDenetle(false))
        return;
    const bool onceki = OtomatikKayit;
    OtomatikKayit = false;
    TBebekForm::Toplu toplu(BebekForm);
    TRenk pantolon = clNone;
    for (const EsyaRenk& giyim : Problem.TumGiyimler()) {
        if (giyim.PantolonRengi != pantolon) {
            pantolon = giyim.PantolonRengi;
            PantolonGiydir(pantolon);
        }
        GomlekGiydir(giyim.GomlekRengi);
        GiyimKaydet(false);
        if (Tamamlandi(BebekForm->Bulunanlar, Problem.Toplam()))
            break;
    }
    OtomatikKayit = onceki;
}

void TBebekGiyimForm::GiysiMenusuAc(GiyimResmi* giysi, QPoint ekranda)
{
    gecerliGiysi_ = giysi;
    PopupMenu1->popup(ekranda);
}

void TBebekGiyimForm::Giydir1Click()
{
    Giydir(gecerliGiysi_);
}
