#include "hakkinda.h"
#include "gorunum.h"
#include "ortam.h"
#include "renk.h"
#include "resimkutusu.h"
#include "ses.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

const QString HAKKINDA_HAZIRLAYAN = QStringLiteral("Orvanta Ekibi");
const QString HAKKINDA_GRAFIKLER = QStringLiteral("Orvanta Ekibi");
const QString HAKKINDA_YER_YIL = QStringLiteral("Ankara, 2026");
const QString HAKKINDA_HAKLAR = QStringLiteral("Tüm hakları saklıdır.");
const QString HAKKINDA_WEB = QStringLiteral("https://orvanta.example.org");
const QString HAKKINDA_EPOSTA = QStringLiteral("ekip@orvanta.example.org");

namespace {
QLabel* etiket(const QString& yazi, QWidget* ebeveyn, YaziAilesi aile = YaziAilesi::MsSansSerif)
{
    auto* e = new QLabel(yazi, ebeveyn);
    e->setFont(Yazi(aile, 19));
    return e;
}

}

TSetHakkindaForm::TSetHakkindaForm(QWidget* sahip) : QDialog(sahip)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // Shown without an owner over an activity window, which has the hidden menu
    // as its owner: closing this window must not count as closing the program's last window.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("İlköğretim 6. Sınıf Orvanta Hakkında"));
    setFixedSize(683, 394);
    ZeminVer(this, 0x9393C9);

    auto* ana = new QVBoxLayout(this);
    ana->setContentsMargins(6, 6, 6, 6);
    ana->setSpacing(6);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    auto* panelDuzeni = new QHBoxLayout(Panel1);
    panelDuzeni->setContentsMargins(4, 4, 4, 4);
    Image1 = new ResimKutusu(QStringLiteral(":/pictures/hakkinda.svg"), Panel1);
    Image1->setAccessibleName(QStringLiteral("Program resmi"));
    panelDuzeni->addWidget(Image1);

    auto* yazilar = new QVBoxLayout;
    yazilar->setSpacing(2);
    ProductName = etiket(QStringLiteral("Orvanta"), Panel1);
    Label6 = etiket(QStringLiteral("İlköğretim 6. Sınıf"), Panel1);
    Label4 = etiket(QString(), Panel1);
    Label4->setWordWrap(true);
    Label4->hide();
    Version = etiket(QStringLiteral("Hazırlayan:"), Panel1);
    Label8 = etiket(HAKKINDA_HAZIRLAYAN, Panel1);
    Label7 = etiket(QStringLiteral("Grafikler:"), Panel1);
    Label3 = etiket(HAKKINDA_GRAFIKLER, Panel1);
    Label3->setWordWrap(true);
    Label1 = etiket(HAKKINDA_YER_YIL, Panel1);
    Label2 = etiket(HAKKINDA_HAKLAR, Panel1);
    for (QLabel* e : {Label8, Label3})
        e->setIndent(16);
    for (QLabel* e : {Version, Label7, Label2})
        RenkVer(e, QPalette::WindowText, 0x202040);
    yazilar->addWidget(ProductName);
    yazilar->addWidget(Label6);
    yazilar->addWidget(Label4);
    yazilar->addSpacing(10);
    yazilar->addWidget(Version);
    yazilar->addWidget(Label8);
    yazilar->addWidget(Label7);
    yazilar->addWidget(Label3);
    yazilar->addSpacing(10);
    yazilar->addWidget(Label1);
    yazilar->addWidget(Label2);
    yazilar->addStretch(1);
    Label9 = etiket(QStringLiteral("orvanta.example.org"), Panel1, YaziAilesi::Tahoma);
    Label10 = etiket(HAKKINDA_EPOSTA, Panel1, YaziAilesi::Tahoma);
    for (QLabel* e : {Label9, Label10}) {
        RenkVer(e, QPalette::WindowText, clBlue);
        e->installEventFilter(this);
        yazilar->addWidget(e);
    }
    panelDuzeni->addLayout(yazilar, 1);
    ana->addWidget(Panel1, 1);

    auto* alt = new QHBoxLayout;
    alt->addStretch(1);
    Label5 = etiket(QStringLiteral("10"), this);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5->setMinimumWidth(40);
    alt->addWidget(Label5);
    OKButton = new QPushButton(QStringLiteral("Kapat"), this);
    OKButton->setDefault(true);
    OKButton->setMinimumSize(90, 32);
    connect(OKButton, &QPushButton::clicked, this, [this] { done(1); });
    alt->addWidget(OKButton);
    ana->addLayout(alt);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TSetHakkindaForm::Timer1Timer);
    Timer1->start();
    SesCal(SES_TEBRIK);
}

void TSetHakkindaForm::Timer1Timer()
{
    --kalan_;
    if (kalan_ > 0) {
        Label5->setText(QString::number(kalan_));
    } else {
        Timer1->stop();
        close();
    }
}

bool TSetHakkindaForm::eventFilter(QObject* nesne, QEvent* olay)
{
    if ((nesne == Label9 || nesne == Label10) && olay->type() == QEvent::MouseButtonPress) {
        if (nesne == Label9)
            Ortam::Gecerli().Ac(QUrl(HAKKINDA_WEB));
        else
            Ortam::Gecerli().Ac(QUrl(QStringLiteral("mailto:") + HAKKINDA_EPOSTA));
        return true;
    }
    if ((nesne == Label9 || nesne == Label10) && olay->type() == QEvent::Enter)
        static_cast<QWidget*>(nesne)->setCursor(Qt::PointingHandCursor);
    return QDialog::eventFilter(nesne, olay);
}

void HakkindaGoster(const QString& baslik, const QString& ikinciSatir)
{
    TSetHakkindaForm pencere;
    if (!baslik.isEmpty()) {
        pencere.Label4->setText(baslik);
        pencere.Label4->show();
    }
    if (!ikinciSatir.isEmpty())
        pencere.Label3->setText(ikinciSatir);
    Ortam::Gecerli().ModalGoster(pencere);
}
