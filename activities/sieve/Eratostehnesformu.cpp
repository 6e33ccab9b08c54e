#include "Eratostehnesformu.h"
#include "canlilar.h"
#include "erisim.h"
#include "gorunum.h"
#include "kaydirmaalani.h"
#include "aracubugu.h"
#include "Myshape.h"
#include "mesaj.h"
#include "ortam.h"
#include "ses.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
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
    TahtaAlani->horizontalScrollBar()->setAccessibleName(QStringLiteral("Tahtayı yatay kaydır"));
    TahtaAlani->verticalScrollBar()->setAccessibleName(QStringLiteral("Tahtayı dikey kaydır"));

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

void TErasthethenesForm::TahtaKur(int enBuyuk)
{
    // Presses are refused while the board is rebuilt. Disabling the whole
    // window would do the same at the price of visiting every token twice.
    kuruluyor_ = true;
    // The keyboard that was on the board stays there, on the new first token.
    const bool odakTahtada = Tahta->isAncestorOf(QApplication::focusWidget());
    TahtaSil();
    odak_ = 0;
    setCursor(Qt::WaitCursor);
    enBuyuk_ = enBuyuk;
    dokunuldu_ = false;
    olcu_ = TahtaOlcusuHesapla(frameGeometry().width(), frameGeometry().height());
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
        // One Tab stop for the whole board (see odak_); the mouse leaves the focus where it is.
        j->setFocusPolicy(j == jetonlar_.front() ? Qt::TabFocus : Qt::NoFocus);
        j->installEventFilter(this);
        ErisimKur(
            j, QAccessible::CheckBox, [this, j] { return JetonAdi(j->Value, isaretler_.Isaret(j->Value)); },
            [this, j](QAccessible::State& durum) {
                durum.focusable = true;
                durum.checkable = true;
                durum.checked = isaretler_.Isaret(j->Value) == 2;
            });
        j->show();
    }
    TahtaAlani->Sigdir();
    if (odakTahtada && !jetonlar_.empty() && jetonlar_.front())
        jetonlar_.front()->setFocus(Qt::OtherFocusReason);
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
        if (j && j->Mark != isaretler_.Isaret(j->Value)) {
            j->SetMark(isaretler_.Isaret(j->Value));
            ErisimDegisti(j);
        }
}

SayiShape* TErasthethenesForm::OdakJetonu() const
{
    return odak_ >= 0 && size_t(odak_) < jetonlar_.size() ? jetonlar_[size_t(odak_)].data() : nullptr;
}

bool TErasthethenesForm::eventFilter(QObject* nesne, QEvent* olay)
{
    auto* j = qobject_cast<SayiShape*>(nesne);
    if (j && j->parentWidget() == Tahta) {
        // A token reached by keys comes into view on a board that scrolls.
        if (olay->type() == QEvent::FocusIn)
            TahtaAlani->ensureWidgetVisible(j, 10, 10);
        else if (olay->type() == QEvent::KeyPress && JetonTusu(j, static_cast<QKeyEvent*>(olay)))
            return true;
    }
    return EtkinlikPenceresi::eventFilter(nesne, olay);
}

bool TErasthethenesForm::JetonTusu(SayiShape* jeton, const QKeyEvent* tus)
{
    if (tus->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    std::optional<TahtaYonu> yon;
    switch (tus->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As a click: only an unmarked token can be pressed.
        if (isaretler_.Isaret(jeton->Value) == 0)
            JetonBasildi(jeton->Value);
        return true;
    case Qt::Key_Left:
        yon = TahtaYonu::Sol;
        break;
    case Qt::Key_Right:
        yon = TahtaYonu::Sag;
        break;
    case Qt::Key_Up:
        yon = TahtaYonu::Yukari;
        break;
    case Qt::Key_Down:
        yon = TahtaYonu::Asagi;
        break;
    case Qt::Key_Home:
        yon = TahtaYonu::Ilk;
        break;
    case Qt::Key_End:
        yon = TahtaYonu::Son;
        break;
    default:
        return false;
    }
    int adet = 0;
    int i = -1;
    for (size_t k = 0; k < jetonlar_.size() && jetonlar_[k]; ++k, ++adet)
        if (jetonlar_[k] == jeton)
            i = int(k);
    if (i >= 0)
        JetonaGec(KomsuJeton(i, adet, olcu_.Sutun, *yon));
    return true;
}

void TErasthethenesForm::JetonaGec(int indeks)
{
    SayiShape* yeni = indeks >= 0 && size_t(indeks) < jetonlar_.size() ? jetonlar_[size_t(indeks)].data() : nullptr;
    if (!yeni)
        return;
    if (SayiShape* eski = OdakJetonu(); eski && eski != yeni)
        eski->setFocusPolicy(Qt::NoFocus);
    odak_ = indeks;
    yeni->setFocusPolicy(Qt::TabFocus);
    yeni->setFocus(Qt::TabFocusReason);
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
    const TahtaOlcusu yeni = TahtaOlcusuHesapla(frameGeometry().width(), frameGeometry().height());
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
