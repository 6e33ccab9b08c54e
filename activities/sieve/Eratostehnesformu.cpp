#include "Eratostehnesformu.h"
#include "canlilar.h"
#include "gorunum.h"
#include "kaydirmaalani.h"
#include "aracubugu.h"
#include "Myshape.h"
#include "mesaj.h"
#include "ortam.h"
#include "ses.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr TRenk ZEMIN_RENGI = 0xAFD1CF;
constexpr TRenk ARAC_RENGI = 0x0080FF; // orange

// A token's place on the board; the first row stands 10 pixels under the bars.
QPoint JetonKonumu(const JetonYeri& y)
{
    return QPoint(35 * y.Sutun + 10, 25 * y.Satir + 10 - 25);
}
}

const EtkinlikSatiri& TErasthethenesForm::Satiri()
{
    static const EtkinlikSatiri satir{
        6, QStringLiteral("Asal Sayıları Bulma"), 7, 13, QStringLiteral("Eratosthenes Yöntemiyle Asal Sayılar"),
        QStringLiteral("Eratosthenes Yöntemiyle Asal Sayı Bulma"), QStringLiteral("Eratosthenes"),
        HakkindaTuru::Pencere, QStringLiteral("Eratosthenes Yöntemiyle Asal Sayı Bulma"), QString(), ETKINLIK_OLCUSU,
        PencereYap<TErasthethenesForm>};
    return satir;
}

TErasthethenesForm::TErasthethenesForm(QWidget* sahip)
    : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TErasthethenesForm"));
    HakkindaAction->setText(QStringLiteral("Özgün"));

    KurAction = Eylem(QStringLiteral("Kur"), [this] { KurActionExecute(); });
    ResetAction = Eylem(QStringLiteral("Sıfırla"), [this] { ResetActionExecute(); });
    // The checked state is set by the command itself, after the switch.
    GosterHepsiAction = Eylem(QStringLiteral("Asal Olmayanları Göster"), [this] { GosterHepsiActionExecute(); });
    GosterHepsiAction->setCheckable(true);

    MainMenu1 = MenuCubugu({{QStringLiteral("İşlemler"), {KurAction, GosterHepsiAction, ResetAction}},
                            {QStringLiteral("Hakkında"), {HakkindaAction}}});

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    auto dugme = [&](QAction* a, const QString& baslik) { return ToolBar1->Dugme(a, baslik); };
    dugme(YardimAction, QStringLiteral("Açıklama"));
    dugme(HakkindaAction, QStringLiteral("Hakkında"));
    dugme(KurAction, QStringLiteral("Problem Gir"));
    dugme(ResetAction, QString())->setVisible(false);
    BitBtn3 = dugme(GosterHepsiAction, QString());
    BitBtn3->setProperty("genislik", 230);
    BitBtn3->setCheckable(false);
    KomutCubuguBitir(ToolBar1);

    Tahta = new QWidget;
    TahtaAlani = new KaydirmaAlani(this, Tahta, KaydirmaAlani::Buyuyen, QStringLiteral("Sayı tahtası"));

    // The show-all switch is shared by all boards and may still be on from an earlier opening.
    GosterHepsiBasligi();

    Yerlestir();
    TahtaKur(SIEVE_ACILIS);
}

TErasthethenesForm::~TErasthethenesForm()
{
    TahtaSil();
}

SayiShape* TErasthethenesForm::Jeton(int sayi) const
{
    for (const QPointer<SayiShape>& j : jetonlar_)
        if (j && j->Value == sayi)
            return j;
    return nullptr;
}

void TErasthethenesForm::TahtaSil()
{
    GizleVeSil(jetonlar_);
}

TahtaOlcusu TErasthethenesForm::PencereOlcusu() const
{
    const QSize cerceve = SayfaBoyutu() + (frameGeometry().size() - size());
    return TahtaOlcusuHesapla(cerceve.width(), cerceve.height());
}

void TErasthethenesForm::TahtaKur(int enBuyuk)
{
    // Presses are refused while the board is rebuilt. Disabling the whole
    // window would do the same at the price of visiting every token twice.
    kuruluyor_ = true;
    TahtaSil();
    setCursor(Qt::WaitCursor);
    enBuyuk_ = enBuyuk;
    dokunuldu_ = false;
    olcu_ = PencereOlcusu();
    jetonlar_.assign(size_t(olcu_.Konum()), nullptr);
    const QList<JetonYeri> yerler = TahtaJetonlari(olcu_, enBuyuk);
    isaretler_.Kur(yerler);
    size_t i = 0;
    for (const JetonYeri& y : yerler) {
        auto* j = new SayiShape(Tahta, y.Sayi, true);
        jetonlar_[i++] = j;
        j->move(JetonKonumu(y));
        j->Tag = 0;
        j->Sekil = SekilTuru::Kare;
        j->resize(30, 20);
        j->show();
    }
    TahtaAlani->Sigdir();
    unsetCursor();
    kuruluyor_ = false;
}

bool TErasthethenesForm::event(QEvent* olay)
{
    if (NumaraliMesaj* m = NumaraliMi(olay, MSG_SHAPE_PRESSED)) {
        if (const int* sayi = MesajIsaretcisi<int>(m->WParam))
            JetonBasildi(*sayi);
        return true;
    }
    return EtkinlikPenceresi::event(olay);
}

void TErasthethenesForm::JetonBasildi(int n)
{
    if (n <= 0 || kuruluyor_)
        return;
    SesCal(isaretler_.Vur(n));
    dokunuldu_ = true;
    for (const QPointer<SayiShape>& j : jetonlar_)
        if (j && j->Mark != isaretler_.Isaret(j->Value))
            j->SetMark(isaretler_.Isaret(j->Value));
}

void TErasthethenesForm::KurActionExecute()
{
    setEnabled(false);
    const QString cevap = Ortam::Gecerli().GirdiKutusu(QStringLiteral("Maksimum sayıyı giriniz"),
                                                       QStringLiteral("Maksimum Sayı"), QStringLiteral("100"));
    const std::optional<int> enBuyuk = MaksimumCevabi(cevap);
    if (!enBuyuk) {
        setEnabled(true);
        return;
    }
    ResetActionExecute();
    update();
    TahtaKur(*enBuyuk);
    setEnabled(true);
}

void TErasthethenesForm::GosterHepsiBasligi()
{
    GosterHepsiAction->setChecked(SayiShape::ShowAllLabels);
    GosterHepsiAction->setText(SayiShape::ShowAllLabels ? QStringLiteral("Asal Olmayanları Sakla")
                                                         : QStringLiteral("Asal Olmayanları Göster"));
}

void TErasthethenesForm::GosterHepsiActionExecute()
{
    SayiShape::ShowAllLabels = !SayiShape::ShowAllLabels;
    GosterHepsiBasligi();
    update();
    for (const QPointer<SayiShape>& j : jetonlar_)
        if (j)
            j->update();
}

void TErasthethenesForm::ResetActionExecute()
{
    SayiShape::Hovered = nullptr;
}

void TErasthethenesForm::Yerlesim(const QRect& alan)
{
    TahtaAlani->setGeometry(alan);
    const TahtaOlcusu yeni = PencereOlcusu();
    if (yeni == olcu_)
        return;
    // A board nobody has touched yet is built again for the window's real size;
    // a struck board keeps its tokens and marks and only moves them, when they all fit.
    if (!dokunuldu_)
        TahtaKur(enBuyuk_);
    else
        JetonlariYerlestir(yeni);
}

void TErasthethenesForm::JetonlariYerlestir(TahtaOlcusu yeni)
{
    int adet = 0;
    for (const QPointer<SayiShape>& j : jetonlar_)
        adet += j ? 1 : 0;
    if (yeni.Konum() < adet)
        return;
    std::vector<QPointer<SayiShape>> tablo(size_t(yeni.Konum()), nullptr);
    const QList<JetonYeri> yerler = TahtaJetonlari(yeni, adet + 1);
    for (int i = 0; i < adet && i < yerler.size(); ++i) {
        tablo[size_t(i)] = jetonlar_[size_t(i)];
        tablo[size_t(i)]->move(JetonKonumu(yerler[i]));
    }
    jetonlar_.swap(tablo);
    olcu_ = yeni;
    TahtaAlani->Sigdir();
}

void TErasthethenesForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), RenkQ(ZEMIN_RENGI));
}
