#include "kesirgosterformu.h"
#include "erisim.h"
#include "gorunum.h"
#include "mesaj.h"
#include "okdugmeleri.h"
#include "ortam.h"
#include "ses.h"
#include "uygulama.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr TRenk ZEMIN = 0xCCF5FF; // pale yellow
constexpr TRenk CERCEVE = 0x3C8CC8;

QLabel* Etiket(QWidget* sahip, const QString& metin, int piksel)
{
    auto* e = new QLabel(metin, sahip);
    e->setFont(Yazi(YaziAilesi::Arial, piksel));
    e->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    e->setAttribute(Qt::WA_TranslucentBackground);
    return e;
}
} // namespace

TKesirGosterForm::TKesirGosterForm(QWidget* sahip, KesirKarsilastirmaModeli& model, int no)
    : QWidget(sahip), model_(model), no_(no)
{
    setObjectName(QStringLiteral("TKesirGosterForm"));
    Label2 = Etiket(this, QString(), 24);
    Label3 = Etiket(this, QStringLiteral("__"), 24);
    Label1 = Etiket(this, QString(), 24);
    for (QLabel* e : {Label2, Label3, Label1}) {
        e->setCursor(Qt::PointingHandCursor);
        e->installEventFilter(this);
    }
    Label2->setToolTip(QStringLiteral("Payı değiştir"));
    Label3->setToolTip(QStringLiteral("Payı değiştir"));
    Label1->setToolTip(QStringLiteral("Paydayı değiştir"));
    // The numerator and the denominator are reached by Tab and changed with
    // Space or Enter, as a click changes them; the bar only repeats the numerator.
    Label2->setFocusPolicy(Qt::TabFocus);
    Label1->setFocusPolicy(Qt::TabFocus);
    ErisimKur(Label2, QAccessible::Button, [this] { return QStringLiteral("Pay: %1").arg(Fraction().Pay); });
    Label3->setAccessibleName(QStringLiteral("Kesir çizgisi"));
    ErisimKur(Label1, QAccessible::Button, [this] { return QStringLiteral("Payda: %1").arg(Fraction().Payda); });

    auto dugme = [this](const QString& metin, void (TKesirGosterForm::*is)()) {
        auto* b = new QPushButton(metin, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, is] { HataSinirinda([&] { (this->*is)(); }); });
        return b;
    };
    Button1 = dugme(QStringLiteral("Denetle"), &TKesirGosterForm::DenetleActionExecute);
    Button2 = dugme(QStringLiteral("Kesri Genişlet"), &TKesirGosterForm::KesriGenisletActionExecute);

    Label5 = Etiket(this, QStringLiteral("Sıra"), 14);
    Label4 = Etiket(this, QString(), 26);
    UpDown1 = new OkDugmeleri(this);
    UpDown1->setToolTip(QStringLiteral("Sıra"));
    UpDown1->AdVer(QStringLiteral("Sırayı artır"), QStringLiteral("Sırayı azalt"));
    ErisimKur(Label4, QAccessible::StaticText, [this] { return QStringLiteral("Sıra: %1").arg(Rank()); });
    connect(UpDown1, &OkDugmeleri::Basildi, this, [this](int yon) { HataSinirinda([&] { UpDown1Click(yon); }); });
    resize(290, 80);
    Yerlesim();
    Goster();
}

void TKesirGosterForm::resizeEvent(QResizeEvent* olay)
{
    QWidget::resizeEvent(olay);
    Yerlesim();
}

void TKesirGosterForm::Yerlesim()
{
    // The fraction on the left, the rank on the right, the buttons between;
    // a narrow pane (three fractions in a small window) packs them closer.
    const bool genis = width() >= 260;
    const int kesir = genis ? 80 : 44;
    const int sira = genis ? 66 : 52;
    Label2->setGeometry(4, 4, kesir, 28);
    Label3->setGeometry(4, 14, kesir, 28);
    Label1->setGeometry(4, 44, kesir, 28);
    const int dugmeGenisligi = width() - kesir - sira - 12;
    for (QPushButton* b : {Button1, Button2})
        b->setFont(Yazi(YaziAilesi::Arial, dugmeGenisligi >= 115 ? 13 : 11));
    Button1->setGeometry(kesir + 8, 6, dugmeGenisligi, 32);
    Button2->setGeometry(kesir + 8, 42, dugmeGenisligi, 32);
    Label5->setGeometry(width() - sira, 6, sira - 24, 20);
    Label4->setGeometry(width() - sira, 30, sira - 24, 32);
    UpDown1->setGeometry(width() - 24, 18, 20, 48);
}

void TKesirGosterForm::Goster()
{
    const Kesir k = Fraction();
    Label2->setText(QString::number(k.Pay));
    Label1->setText(QString::number(k.Payda));
    Label4->setText(QString::number(Rank()));
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label4)})
        ErisimDegisti(w);
}

QList<QWidget*> TKesirGosterForm::SekmeSirasi() const
{
    return {Label2, Label1, Button1, Button2, UpDown1->Yukari, UpDown1->Asagi};
}

void TKesirGosterForm::SetFraction(Kesir k)
{
    model_.SetFraction(no_, k);
    Goster();
}

void TKesirGosterForm::NewTarget()
{
    model_.NewTarget(no_);
    Goster();
}

void TKesirGosterForm::SetRank(int k)
{
    model_.SetRank(no_, k);
    Goster();
}

void TKesirGosterForm::DenetleActionExecute()
{
    const std::optional<PaneYargisi> y = model_.Denetle(no_);
    if (!y)
        return;
    SesCal(y->Olumlu ? SES_NOTR : SES_HATA);
    Ortam::Gecerli().MesajGoster(y->Metin);
}

void TKesirGosterForm::KesriGenisletActionExecute()
{
    const QString cevap = Ortam::Gecerli().GirdiKutusu(QStringLiteral("Payda Genişletme"),
                                                       QStringLiteral("Yeni payda değerini giriniz:"),
                                                       QString::number(Fraction().Payda));
    const GenisletmeSonucu s = model_.KesriGenislet(no_, cevap);
    if (s.Durum == GenisletmeSonucu::Reddedildi) {
        SesCal(SES_HATA);
        Ortam::Gecerli().MesajGoster(QStringLiteral("Bu değerle genişletme yapılamaz"));
    } else if (s.Durum == GenisletmeSonucu::Degisti) {
        Goster();
        SesCal(SES_NOTR);
    }
}

void TKesirGosterForm::PayTiklandi()
{
    model_.PayCevabiVer(no_, Ortam::Gecerli().GirdiKutusu(QStringLiteral("Yeni Pay Değeri"),
                                                          QStringLiteral("Yeni pay değerini giriniz:"),
                                                          QString::number(Fraction().Pay)));
    Goster();
}

void TKesirGosterForm::PaydaTiklandi()
{
    const KesirKarsilastirmaModeli::PaydaSonucu s = model_.PaydaCevabiVer(
        no_, Ortam::Gecerli().GirdiKutusu(QStringLiteral("Yeni Payda Değeri"),
                                          QStringLiteral("Yeni payda değerini giriniz:"),
                                          QString::number(Fraction().Payda)));
    if (s == KesirKarsilastirmaModeli::PaydaSonucu::Sifir) {
        SesCal(SES_HATA);
        Ortam::Gecerli().MesajGoster(QStringLiteral("Payda 0'dan büyük olmalıdır"));
    }
    Goster();
}

void TKesirGosterForm::UpDown1Click(int yon)
{
    int istenen = model_.IstenenSira(no_, yon);
    int simdiki = Rank();
    MesajGonder(parentWidget(), MSG_RANK_CHANGED, MesajParametresi(&simdiki), MesajParametresi(&istenen));
}

bool TKesirGosterForm::eventFilter(QObject* nesne, QEvent* olay)
{
    auto* etiket = qobject_cast<QLabel*>(nesne);
    if (etiket && (etiket == Label2 || etiket == Label3 || etiket == Label1)) {
        if (olay->type() == QEvent::MouseButtonPress)
            return true;
        // A click: released over the label it was pressed on.
        if (olay->type() == QEvent::MouseButtonRelease
            && etiket->rect().contains(static_cast<QMouseEvent*>(olay)->position().toPoint())) {
            HataSinirinda([&] { etiket == Label1 ? PaydaTiklandi() : PayTiklandi(); });
            return true;
        }
        if (olay->type() == QEvent::KeyPress) {
            const auto* tus = static_cast<QKeyEvent*>(olay);
            const bool basar = tus->key() == Qt::Key_Space || tus->key() == Qt::Key_Return
                               || tus->key() == Qt::Key_Enter;
            if (basar && !(tus->modifiers() & ~Qt::KeypadModifier)) {
                HataSinirinda([&] { etiket == Label1 ? PaydaTiklandi() : PayTiklandi(); });
                return true;
            }
        }
    }
    return QWidget::eventFilter(nesne, olay);
}

void TKesirGosterForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    KartCiz(p, rect(), RenkQ(ZEMIN), QPen(RenkQ(CERCEVE), 1), 8);
}
