#include "boncukkutusu.h"
#include "canlilar.h"
#include "erisim.h"
#include "gorunum.h"
#include "ortam.h"
#include "ses.h"
#include "surukle.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <cstdlib>

namespace {
// The total, in the colour of its sign with a thin halo, on a plate of the
// box's colour: readable in any colour, also over a box full of chips.
class ToplamEtiketi : public QLabel
{
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return QLabel::sizeHint() + QSize(10, 2); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QColor plaka = RenkQ(KUTU_RENGI);
        plaka.setAlpha(215);
        KartCiz(p, rect(), plaka, Qt::NoPen, 6);
        const QColor yazi = palette().color(QPalette::WindowText);
        const bool koyu = yazi.red() * 299 + yazi.green() * 587 + yazi.blue() * 114 < 160000;
        QPainterPath yol;
        yol.addText(5, QFontMetrics(font()).ascent() + 1, font(), text());
        p.strokePath(yol, QPen(koyu ? QColor(255, 255, 255, 190) : QColor(0, 0, 0, 150), 3, Qt::SolidLine,
                               Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(yol, yazi);
    }
};

QPointer<TBoncukKutuForm>& etkinKutu()
{
    static QPointer<TBoncukKutuForm> kutu;
    return kutu;
}
}

TBoncukKutuForm::TBoncukKutuForm(QWidget* sahip) : QWidget(sahip), pullar_(5), ciftler_(10)
{
    setObjectName(QStringLiteral("TBoncukKutuForm"));
    ZeminVer(this, KUTU_RENGI);
    Label1 = new ToplamEtiketi(QStringLiteral("0"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Yazi(YaziAilesi::MsSansSerif, 24));
    // The plate starts 5 pixels before the text, which stands at (8, 0).
    Label1->move(3, 0);
    // Chips under the total stay within reach of the mouse.
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    ToplamGoster();
    SurukleHedefiKur(
        this, [this](QObject* kaynak, QPoint p) { return FormDragOver(kaynak, p); },
        [this](QObject* kaynak, QPoint p) { FormDragDrop(kaynak, p); });
    model_.BoyutAyarla(size());
    etkinKutu() = this;
}

TBoncukKutuForm::~TBoncukKutuForm()
{
    if (etkinKutu() == this)
        etkinKutu() = nullptr;
}

TBoncukKutuForm* TBoncukKutuForm::Etkin()
{
    return etkinKutu();
}

Boncuk* TBoncukKutuForm::Gorunum(int no) const
{
    return no >= 0 && no < int(gorunumler_.size()) ? gorunumler_[size_t(no)].data() : nullptr;
}

Boncuk* TBoncukKutuForm::kendiBoncugu(QObject* nesne) const
{
    auto* b = qobject_cast<Boncuk*>(nesne);
    return b && Gorunum(b->No) == b ? b : nullptr;
}

void TBoncukKutuForm::Yerles(QSize alan)
{
    // Never smaller than what holds the chips: a chip outside a shrunken box
    // would be lost to sight while the total still counts it.
    QSize boyut = alan;
    for (const QPointer<Boncuk>& b : gorunumler_)
        if (b)
            boyut = boyut.expandedTo(QSize(b->geometry().right() + 1, b->geometry().bottom() + 1));
    resize(boyut);
    model_.BoyutAyarla(boyut);
}

void TBoncukKutuForm::PulEkle(int miktar)
{
    const int deger = miktar > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(miktar); ++i)
        BoncukEkle(deger);
    // The total stays readable over the chips.
    Label1->raise();
}

Boncuk* TBoncukKutuForm::BoncukEkle(int deger)
{
    const BoncukOgesi& oge = model_.PulEkle(deger);
    auto* b = new Boncuk(this, deger);
    connect(b, &Boncuk::UzerineBirakildi, this, &TBoncukKutuForm::Eslestir);
    b->No = oge.No;
    b->setGeometry(oge.Alan);
    erisimKur(b);
    gorunumler_.emplace_back(b);
    pullar_.Ekle(b);
    ustUsteGoster(oge.Alan);
    ToplamGoster();
    return b;
}

void TBoncukKutuForm::erisimKur(Boncuk* b)
{
    const int no = b->No;
    ErisimKur(b, QAccessible::Graphic, [this, no] {
        const BoncukOgesi* oge = model_.Oge(no);
        return oge ? BoncukAdi(*oge) : QString();
    });
    // Tab reaches the chips in the order they came, in the box's place: the
    // first right after what Tab reaches before the box, so before what the
    // window puts under it.
    QWidget* once = nullptr;
    for (const QPointer<Boncuk>& onceki : gorunumler_)
        if (onceki)
            once = onceki;
    for (QWidget* w = previousInFocusChain(); !once && w && w != this; w = w->previousInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            once = w;
    if (once)
        setTabOrder(once, b);
}

void TBoncukKutuForm::ustUsteGoster(const QRect& alan)
{
    const std::vector<int> yigin = model_.AyniYerdekiPullar(alan);
    for (size_t i = 0; i < yigin.size(); ++i)
        if (Boncuk* b = Gorunum(yigin[i]))
            b->setVisible(i + 1 == yigin.size());
}

Boncuk* TBoncukKutuForm::NoktadakiBoncuk(QPoint p) const
{
    return Gorunum(model_.NoktadakiOge(p));
}

void TBoncukKutuForm::Eslestir(Boncuk* hedef, QObject* kaynakNesne)
{
    Boncuk* kaynak = kendiBoncugu(kaynakNesne);
    if (!kaynak || !hedef || kendiBoncugu(hedef) != hedef)
        return;
    const auto sonuc = model_.Eslestir(kaynak->No, hedef->No);
    switch (sonuc.Karar) {
    case Eslesme::Yok:
        return;
    case Eslesme::Yuksuz:
        SesCal(SES_HATA);
        Ortam::Gecerli().MesajGoster(QString::fromUtf8(YUKSUZ_MESAJI));
        return;
    case Eslesme::AyniDeger:
        SesCal(SES_HATA);
        Ortam::Gecerli().MesajGoster(QString::fromUtf8(AYNI_DEGER_MESAJI));
        return;
    case Eslesme::Cift:
        break;
    }
    SesCal(SES_NOTR);
    const BoncukOgesi* oge = model_.Oge(sonuc.CiftNo);
    auto* cift = new BoncukCifti(this, oge->IlkPozitif);
    cift->No = oge->No;
    cift->setGeometry(oge->Alan);
    erisimKur(cift);
    gorunumler_.emplace_back(cift);
    ciftler_.Ekle(cift);
    cift->setVisible(BoncukAyarlari::Genel().CiftleriGoster);
    // Paired by keys, the pair takes the focus: a reader says what was made.
    const bool odakta = kaynak->hasFocus() || hedef->hasFocus();
    // The dragged chip is only hidden, never destroyed: its drag is still running.
    kaynak->hide();
    hedef->hide();
    if (odakta && cift->isVisibleTo(this))
        cift->setFocus(Qt::OtherFocusReason);
    ustUsteGoster(kaynak->geometry());
    ustUsteGoster(hedef->geometry());
    Label1->raise();
}

bool TBoncukKutuForm::FormDragOver(QObject* kaynak, QPoint p) const
{
    const Boncuk* b = kendiBoncugu(kaynak);
    return b && model_.TasimaKabul(b->No, p);
}

void TBoncukKutuForm::FormDragDrop(QObject* kaynak, QPoint p)
{
    Boncuk* b = kendiBoncugu(kaynak);
    const QRect eski = b ? b->geometry() : QRect();
    if (!b || !model_.Tasi(b->No, p))
        return;
    b->move(model_.Oge(b->No)->Alan.topLeft());
    ErisimDegisti(b);
    ustUsteGoster(eski);
    ustUsteGoster(b->geometry());
}

void TBoncukKutuForm::Temizle()
{
    // One repaint for the whole box, however many chips leave it.
    setUpdatesEnabled(false);
    pullar_.Bosalt();
    ciftler_.Bosalt();
    GizleVeSil(gorunumler_);
    model_.Temizle();
    setUpdatesEnabled(true);
    ToplamGoster();
    update();
}

void TBoncukKutuForm::ToplamGoster()
{
    Label1->setText(QString::number(model_.Toplam()));
    Label1->adjustSize();
    RenkVer(Label1, QPalette::WindowText, ToplamRengi(model_.Toplam()));
    // A label's reader is made with it, before any other could be given:
    // its name is set here, and a reader hears each change of it.
    Label1->setAccessibleName(ToplamAdi(model_.Toplam()));
}

void TBoncukKutuForm::Renklendir(int deger, TRenk renk)
{
    if (!BoncukRengiAyarla(deger, renk))
        return;
    pullar_.Renklendir(deger, renk);
    ciftler_.Renklendir(deger, renk);
}

void TBoncukKutuForm::resizeEvent(QResizeEvent* olay)
{
    model_.BoyutAyarla(size());
    QWidget::resizeEvent(olay);
}

void CiftGosterimiAyarla(bool goster)
{
    BoncukAyarlari::Genel().CiftleriGoster = goster;
    if (TBoncukKutuForm* kutu = TBoncukKutuForm::Etkin())
        kutu->Ciftler().Goster(goster);
}
