#include "araliktoplamformu.h"
#include "canlilar.h"
#include "erisim.h"
#include "gorunum.h"
#include "ortam.h"
#include "piramithucresi.h"
#include "servisler.h"
#include "ses.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr TRenk PIRAMIT_ZEMINI = 0xC080FF; // pink
constexpr TRenk GIRIS_YAZISI = clBlue;
constexpr TRenk GIRIS_ZEMINI = clYellow;
constexpr TRenk ISLEM_YAZISI = 0x800000; // navy
}

PiramitGirisKutusu::PiramitGirisKutusu(QWidget* sahip) : QLineEdit(sahip)
{
    setFont(Yazi(YaziAilesi::Arial, 16));
    RenkVer(this, QPalette::Text, GIRIS_YAZISI);
    RenkVer(this, QPalette::Base, GIRIS_ZEMINI);
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    SayiTusuFiltresiKur(this);
}

void PiramitGirisKutusu::keyPressEvent(QKeyEvent* olay)
{
    if (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter) {
        olay->accept();
        if (Denetle)
            Denetle();
        return;
    }
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier && Birak) {
        olay->accept();
        Birak();
        return;
    }
    QLineEdit::keyPressEvent(olay);
}

void PiramitGirisKutusu::mousePressEvent(QMouseEvent* olay)
{
    // A press in a box without a number only places the cursor: nothing has been answered yet.
    if (Denetle && SayiPiramidi::TiklamaDenetler(text()))
        Denetle();
    QLineEdit::mousePressEvent(olay);
}

TAralikToplamForm::TAralikToplamForm(QWidget* sahip) : QWidget(sahip)
{
    setObjectName(QStringLiteral("AralikToplamForm"));
    ZeminVer(this, PIRAMIT_ZEMINI);
    setMouseTracking(true);
    IslemLabel = new QLabel(QStringLiteral("?"), this);
    IslemLabel->setFont(Yazi(YaziAilesi::Arial, 20));
    RenkVer(IslemLabel, QPalette::WindowText, ISLEM_YAZISI);
    IslemLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    // On the board's colour, so it stays readable where a scrolled board brings it over cells.
    ZeminVer(IslemLabel, PIRAMIT_ZEMINI);
    IslemLabel->setContentsMargins(2, 2, 6, 2);
    EtiketiYerlestir();
}

PiramitHucresi* TAralikToplamForm::Hucre(HucreYeri yer) const
{
    const int i = piramit_.Indeks(yer);
    return i >= 0 && size_t(i) < hucreler_.size() ? hucreler_[size_t(i)].data() : nullptr;
}

void TAralikToplamForm::HucreleriSil()
{
    // The hovered cell goes with the others: nothing may recolour a destroyed cell.
    uzerindeki_ = nullptr;
    hedef_.reset();
    if (giris_)
        giris_->hide();
    GizleVeSil(hucreler_);
}

void TAralikToplamForm::BuildPyramid(int n, bool randomBase)
{
    // The keyboard that was on the board stays there, on the new first cell to fill.
    const bool odakTahtada = OdakHucresi() && OdakHucresi()->hasFocus();
    HucreleriSil();
    if (randomBase)
        piramit_.RastgeleKur(n);
    else
        piramit_.Kur(n);
    n = piramit_.Boyut();
    setFixedSize(PiramitGenisligi(n), PiramitYuksekligi(n));
    hucreler_.reserve(size_t(piramit_.HucreSayisi()));
    for (int r = 1; r <= n; ++r)
        for (int c = 0; c < piramit_.SatirHucreSayisi(r); ++c) {
            auto* hucre = new PiramitHucresi(this, {r, c});
            hucre->move(HucreKonumu(n, r, c, topDown_));
            hucre->IsaretiYerlestir(topDown_);
            connect(hucre, &PiramitHucresi::Tiklandi, this, &TAralikToplamForm::OpenEntry);
            connect(hucre, &PiramitHucresi::Uzerinde, this, &TAralikToplamForm::HucreUzerinde);
            hucre->setFocusPolicy(Qt::NoFocus);
            hucre->installEventFilter(this);
            ErisimKur(
                hucre, QAccessible::Cell, [this, yer = hucre->Yer] { return piramit_.ErisimAdi(yer); },
                [](QAccessible::State& durum) { durum.focusable = true; });
            hucreler_.push_back(hucre);
            HucreyiGoster(hucre);
            hucre->show();
        }
    gosterilenYon_ = topDown_;
    IslemLabel->setText(QStringLiteral("?"));
    EtiketiYerlestir();
    IslemLabel->raise();
    OdakAyarla({1, 0}, odakTahtada);
    if (PiramitHucresi* taban = Hucre({1, 0}))
        emit GorunsunIstendi(taban);
}

void TAralikToplamForm::OdakAyarla(HucreYeri yer, bool odakla)
{
    PiramitHucresi* yeni = Hucre(yer);
    if (!yeni)
        return;
    if (PiramitHucresi* eski = OdakHucresi(); eski && eski != yeni)
        eski->setFocusPolicy(Qt::NoFocus);
    odak_ = yer;
    yeni->setFocusPolicy(Qt::TabFocus);
    if (odakla)
        yeni->setFocus(Qt::TabFocusReason);
}

bool TAralikToplamForm::eventFilter(QObject* nesne, QEvent* olay)
{
    auto* hucre = qobject_cast<PiramitHucresi*>(nesne);
    // A cell reached by Tab comes into view, as one reached by the arrows does.
    if (hucre && olay->type() == QEvent::FocusIn)
        emit GorunsunIstendi(hucre);
    if (!hucre || olay->type() != QEvent::KeyPress)
        return QWidget::eventFilter(nesne, olay);
    const auto* tus = static_cast<QKeyEvent*>(olay);
    if (tus->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // Up and down as the pupil sees them: with the base on top, the top of the pyramid is below.
    const SayiPiramidi::Yon yukari = topDown_ ? SayiPiramidi::Yon::Asagi : SayiPiramidi::Yon::Yukari;
    const SayiPiramidi::Yon asagi = topDown_ ? SayiPiramidi::Yon::Yukari : SayiPiramidi::Yon::Asagi;
    switch (tus->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OpenEntry(hucre);
        return true;
    case Qt::Key_Left:
        OdakAyarla(piramit_.Komsu(hucre->Yer, SayiPiramidi::Yon::Sol), true);
        return true;
    case Qt::Key_Right:
        OdakAyarla(piramit_.Komsu(hucre->Yer, SayiPiramidi::Yon::Sag), true);
        return true;
    case Qt::Key_Up:
        OdakAyarla(piramit_.Komsu(hucre->Yer, yukari), true);
        return true;
    case Qt::Key_Down:
        OdakAyarla(piramit_.Komsu(hucre->Yer, asagi), true);
        return true;
    default:
        return false;
    }
}

void TAralikToplamForm::GorunurAlanAyarla(const QRect& alan)
{
    gorunur_ = alan;
    EtiketiYerlestir();
}

void TAralikToplamForm::EtiketiYerlestir()
{
    IslemLabel->adjustSize();
    IslemLabel->move(IslemEtiketiKonumu(piramit_.Boyut(), gorunur_, IslemLabel->size()));
}

void TAralikToplamForm::TabanaKur(const QList<std::optional<qint64>>& taban, const QStringList& yazilanlar)
{
    BuildPyramid(int(taban.size()), false);
    const int isaretlenen = piramit_.TabanKur(taban, yazilanlar);
    HepsiniGoster();
    KendiligindenBittiyse(isaretlenen);
}

void TAralikToplamForm::KendiligindenBittiyse(int isaretlenen)
{
    // Only cells marked just now can have finished the pyramid; one that was
    // done before has had its congratulation.
    if (isaretlenen > 0 && piramit_.Bitti())
        GoNext();
}

void TAralikToplamForm::SetTopDown(bool yukaridanAsagiya)
{
    topDown_ = yukaridanAsagiya;
    if (topDown_ == gosterilenYon_)
        return;
    const int n = piramit_.Boyut();
    for (const QPointer<PiramitHucresi>& hucre : hucreler_)
        if (hucre) {
            hucre->move(HucreKonumu(n, hucre->Yer.Satir, hucre->Yer.Sutun, topDown_));
            hucre->IsaretiYerlestir(topDown_);
        }
    gosterilenYon_ = topDown_;
    GirisiYerlestir();
    if (giris_ && !giris_->isHidden())
        emit GorunsunIstendi(giris_);
    else if (PiramitHucresi* taban = Hucre({1, 0}))
        emit GorunsunIstendi(taban);
}

void TAralikToplamForm::SetOperation(PiramitIslemi islem)
{
    const int isaretlenen = piramit_.IslemAyarla(islem);
    if (giris_)
        giris_->hide();
    hedef_.reset();
    IslemLabel->setText(QStringLiteral("?"));
    EtiketiYerlestir();
    HepsiniGoster();
    KendiligindenBittiyse(isaretlenen);
}

void TAralikToplamForm::GirisiOdakla()
{
    if (giris_ && giris_->isVisible())
        giris_->setFocus();
}

void TAralikToplamForm::OpenEntry(PiramitHucresi* hucre)
{
    if (!hucre || !piramit_.Acilabilir(hucre->Yer))
        return;
    PiramitHucresi* onceki = uzerindeki_;
    uzerindeki_ = hucre;
    if (onceki && onceki != hucre)
        HucreyiGoster(onceki);
    HucreyiGoster(hucre);
    hedef_ = hucre->Yer;
    if (!giris_) {
        giris_ = new PiramitGirisKutusu(this);
        giris_->Denetle = [this] { CheckEntry(); };
        giris_->Birak = [this] {
            if (hedef_)
                OdakAyarla(*hedef_, true);
        };
        // The box is read with the operation it asks for: "2+3=?".
        IslemLabel->setBuddy(giris_);
    }
    // Shift+Tab from the box goes to the cell it answers.
    OdakAyarla(hucre->Yer, false);
    GirisiYerlestir();
    giris_->clear();
    giris_->show();
    giris_->raise();
    giris_->setFocus();
    ShowOperation();
    emit GorunsunIstendi(giris_);
}

void TAralikToplamForm::GirisiYerlestir()
{
    if (!giris_ || !hedef_)
        return;
    if (PiramitHucresi* hucre = Hucre(*hedef_))
        giris_->setGeometry(GirisKutusuYeri(hucre->pos(), topDown_));
}

void TAralikToplamForm::ShowOperation()
{
    IslemLabel->setText(hedef_ ? piramit_.IslemMetni(*hedef_) : QStringLiteral("?"));
    EtiketiYerlestir();
    if (giris_ && giris_->isVisible())
        ErisimDegisti(giris_);
}

void TAralikToplamForm::CheckEntry()
{
    if (!giris_ || giris_->isHidden() || !hedef_)
        return;
    if (!piramit_.CevapDogru(*hedef_, giris_->text())) {
        if (InformWrong)
            Ortam::Gecerli().MesajGoster(QStringLiteral("Maalesef işlem doğru değil"));
        else
            SesCal(SES_HATA);
        if (giris_ && giris_->isVisible())
            giris_->setFocus();
        return;
    }
    giris_->hide();
    IslemLabel->setText(QStringLiteral("?"));
    EtiketiYerlestir();
    SesCal(SES_NOTR);
    piramit_.Doldur(*hedef_);
    // The filled cell was highlighted by the entry, not by the pointer: it shows its aqua now.
    if (uzerindeki_ && uzerindeki_->Yer == *hedef_)
        uzerindeki_ = nullptr;
    hedef_.reset();
    HepsiniGoster();
    GoNext();
}

void TAralikToplamForm::GoNext()
{
    if (const std::optional<HucreYeri> bos = piramit_.IlkBos())
        OpenEntry(Hucre(*bos));
    else
        Ortam::Gecerli().MesajGoster(QStringLiteral("Tebrikler Bildiniz"));
}

void TAralikToplamForm::HucreyiGoster(PiramitHucresi* hucre)
{
    const HucreYeri yer = hucre->Yer;
    const std::optional<HucreDegeri> deger = piramit_.Deger(yer);
    const TRenk renk = hucre == uzerindeki_ ? piramit_.UzerindeRengi(yer) : piramit_.Renk(yer);
    hucre->Goster(piramit_.Metin(yer), renk, piramit_.Isaret(yer), deger && deger->CokBuyuk);
}

void TAralikToplamForm::HepsiniGoster()
{
    for (const QPointer<PiramitHucresi>& hucre : hucreler_)
        if (hucre)
            HucreyiGoster(hucre);
}

void TAralikToplamForm::HucreUzerinde(PiramitHucresi* hucre)
{
    PiramitHucresi* onceki = uzerindeki_;
    uzerindeki_ = hucre;
    if (onceki && onceki != hucre)
        HucreyiGoster(onceki);
    if (hucre)
        HucreyiGoster(hucre);
}

void TAralikToplamForm::ZeminUzerinde()
{
    PiramitHucresi* onceki = uzerindeki_;
    uzerindeki_ = nullptr;
    if (onceki)
        HucreyiGoster(onceki);
}

void TAralikToplamForm::mouseMoveEvent(QMouseEvent* olay)
{
    ZeminUzerinde();
    QWidget::mouseMoveEvent(olay);
}

void TAralikToplamForm::leaveEvent(QEvent* olay)
{
    ZeminUzerinde();
    QWidget::leaveEvent(olay);
}
