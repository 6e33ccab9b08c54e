#include "boncukformu.h"
#include "aracubugu.h"
#include "boncukkutusu.h"
#include "kaydirmaalani.h"
#include "boncukmodel.h"
#include "erisim.h"
#include "gorunum.h"
#include "ortam.h"
#include "servisler.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr TRenk ZEMIN_RENGI = 0xF6EAEE;  // a pale lavender, RGB 238, 234, 246
constexpr TRenk ARAC_RENGI = 0x90406A;   // the purple of the command bar, RGB 106, 64, 144
constexpr TRenk ISLEM_YAZISI = clPurple; // the operations line: purple on yellow
constexpr int GIRDI_YUKSEKLIGI = 72;

QLabel* Etiket(const QString& metin, QWidget* ebeveyn)
{
    auto* e = new QLabel(metin, ebeveyn);
    e->setFont(Yazi(YaziAilesi::Arial, 16));
    return e;
}
}

RenkPaneli::RenkPaneli(QWidget* ebeveyn, int tag, const QString& baslik)
    : QFrame(ebeveyn), Tag(tag), Renk(BoncukRengi(tag)), baslik_(baslik)
{
    setFixedSize(33, 25);
    setFont(Yazi(YaziAilesi::MsSansSerif, 13));
    setToolTip(QStringLiteral("Rengini değiştirmek için çift tıklayın"));
    // Reached by Tab only: a click gives no focus, so the mouse works as before.
    setFocusPolicy(Qt::TabFocus);
    ErisimKur(this, QAccessible::Button, [this] { return QStringLiteral("%1 pullarının rengi").arg(baslik_); });
}

void RenkPaneli::RenkAyarla(TRenk renk)
{
    Renk = renk;
    update();
}

void RenkPaneli::paintEvent(QPaintEvent*)
{
    // A raised panel in the chips' colour; the caption in black or white,
    // whichever reads better on it.
    QPainter p(this);
    const QColor zemin = RenkQ(Renk);
    p.fillRect(rect(), zemin);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    const bool koyu = zemin.red() * 299 + zemin.green() * 587 + zemin.blue() * 114 < 128000;
    p.setPen(koyu ? Qt::white : Qt::black);
    p.drawText(rect(), Qt::AlignCenter, baslik_);
}

void RenkPaneli::mouseDoubleClickEvent(QMouseEvent* olay)
{
    olay->accept();
    emit CiftTiklandi(this);
}

void RenkPaneli::keyPressEvent(QKeyEvent* olay)
{
    switch (olay->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        olay->accept();
        emit CiftTiklandi(this);
        return;
    default:
        QFrame::keyPressEvent(olay);
    }
}

const EtkinlikSatiri& TBoncukForm::Satiri()
{
    static const EtkinlikSatiri satir{
        0, QStringLiteral("Sayma Pulları"), 1, 1, QStringLiteral("Sayma Pulları"),
        QStringLiteral("Sayma Pulları"), QStringLiteral("PulEkle"),
        HakkindaTuru::MesajKutusu, QStringLiteral("Sayma Pulları"), QString(), ETKINLIK_OLCUSU,
        PencereYap<TBoncukForm>};
    return satir;
}

TBoncukForm::TBoncukForm(QWidget* sahip) : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TBoncukForm"));
    ZeminVer(this, ZEMIN_RENGI);
    BoncukEkleAction = Eylem(QStringLiteral("Pul Ekle"), [this] { BoncukEkleActionExecute(); });
    ResetAction = Eylem(QStringLiteral("Temizle"), [this] { ResetActionExecute(); });

    ToolBar1 = KomutCubugu(ARAC_RENGI);
    Button2 = ToolBar1->Dugme(ResetAction, QString());
    Button6 = ToolBar1->Dugme(YardimAction, QStringLiteral("Açıklama"));
    Button3 = ToolBar1->Dugme(HakkindaAction, QString());
    KomutCubuguBitir(ToolBar1);

    Girdiler = new QWidget(this);
    Label2 = Etiket(QStringLiteral("İşlem"), Girdiler);
    ComboBox1 = new QComboBox(Girdiler);
    ComboBox1->addItems({QStringLiteral("+"), QStringLiteral("-")});
    ComboBox1->setCurrentIndex(0);
    Label1 = Etiket(QStringLiteral("Pul"), Girdiler);
    Label3 = Etiket(QStringLiteral("Sayısı"), Girdiler);
    Edit1 = new QLineEdit(QStringLiteral("3"), Girdiler);
    Edit1->setMaxLength(3);
    SayiTusuFiltresiKur(Edit1);
    for (QWidget* w : {static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(Edit1)}) {
        w->setFont(Yazi(YaziAilesi::Arial, 18));
        w->setFixedSize(60, 28);
    }
    Button1 = EylemDugmesi(BoncukEkleAction, Girdiler);
    Button1->setFont(Yazi(YaziAilesi::Arial, 16));
    Button1->setFixedSize(104, 62);

    GroupBox1 = new QGroupBox(QStringLiteral("Yüksüzleri Gösterme Tipi"), Girdiler);
    GroupBox1->setFont(Yazi(YaziAilesi::Arial, 13));
    RadioButton1 = new QRadioButton(QStringLiteral("Gizle"), GroupBox1);
    RadioButton2 = new QRadioButton(QStringLiteral("Göster"), GroupBox1);
    // The buttons tell the mode in force, which outlives the window.
    (BoncukAyarlari::Genel().CiftleriGoster ? RadioButton2 : RadioButton1)->setChecked(true);
    auto* secim = new QHBoxLayout(GroupBox1);
    secim->setContentsMargins(10, 2, 10, 4);
    secim->addWidget(RadioButton1);
    secim->addWidget(RadioButton2);

    Panel1 = new RenkPaneli(Girdiler, -1, QStringLiteral("-1"));
    Panel2 = new RenkPaneli(Girdiler, 0, QStringLiteral("0"));
    Panel3 = new RenkPaneli(Girdiler, 1, QStringLiteral("+1"));

    GirdiSatiriniDiz();

    BoncukKutu = new TBoncukKutuForm(nullptr);
    KutuCercevesi = new KaydirmaAlani(this, BoncukKutu, KaydirmaAlani::Sabit, QStringLiteral("Pul kutusu"));
    Label4 = Etiket(QStringLiteral("Kutudakiler"), this);
    Edit2 = new QLineEdit(this);
    Edit2->setReadOnly(true);
    // Read only, but reached by Tab after the box's chips, so that a reader
    // hears the operations entered so far.
    Edit2->setFocusPolicy(Qt::StrongFocus);
    Edit2->setFont(Yazi(YaziAilesi::Arial, 16));
    RenkVer(Edit2, QPalette::Base, clYellow);
    RenkVer(Edit2, QPalette::Text, ISLEM_YAZISI);

    // Readers name each box by its label; the count has two.
    Label2->setBuddy(ComboBox1);
    Label1->setBuddy(Edit1);
    Edit1->setAccessibleName(QStringLiteral("Pul Sayısı"));
    Label4->setBuddy(Edit2);
    setTabOrder(ComboBox1, Edit1);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, Panel1);
    setTabOrder(Panel1, Panel2);
    setTabOrder(Panel2, Panel3);

    connect(Edit1, &QLineEdit::returnPressed, BoncukEkleAction, &QAction::trigger);
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
    Yerlestir();
    Edit1->setFocus();
}

// The row of inputs under the command bar: operation and count, "Pul Ekle",
// the display mode and the colour panels.
void TBoncukForm::GirdiSatiriniDiz()
{
    auto* sayi = new QGridLayout;
    sayi->setHorizontalSpacing(6);
    sayi->setVerticalSpacing(6);
    sayi->addWidget(Label2, 0, 0);
    auto* pulSayisi = new QHBoxLayout;
    pulSayisi->setSpacing(5);
    pulSayisi->addWidget(Label1);
    pulSayisi->addWidget(Label3);
    sayi->addLayout(pulSayisi, 1, 0);
    sayi->addWidget(ComboBox1, 0, 1);
    sayi->addWidget(Edit1, 1, 1);
    auto* renkler = new QHBoxLayout;
    renkler->setSpacing(4);
    for (RenkPaneli* panel : {Panel1, Panel2, Panel3}) {
        renkler->addWidget(panel);
        connect(panel, &RenkPaneli::CiftTiklandi, this, [this](RenkPaneli* p) { Panel1DblClick(p); });
    }
    auto* satir = new QHBoxLayout(Girdiler);
    satir->setContentsMargins(10, 2, 10, 2);
    satir->setSpacing(14);
    satir->addLayout(sayi);
    satir->addWidget(Button1);
    satir->addWidget(GroupBox1);
    satir->addLayout(renkler);
    satir->addStretch(1);
}

void TBoncukForm::Yerlesim(const QRect& alan)
{
    Girdiler->setGeometry(0, alan.top() + 2, alan.width(), GIRDI_YUKSEKLIGI);
    const QRect kutu = KutuAlani(size());
    // The box scrolls inside its place when its chips reach past it.
    KutuCercevesi->setGeometry(kutu);
    BoncukKutu->Yerles(kutu.size());
    Label4->setGeometry(kutu.left(), kutu.bottom() + 4, kutu.width(), Label4->sizeHint().height());
    Edit2->setGeometry(kutu.left(), Label4->geometry().bottom() + 2, kutu.width(), 32);
}

void TBoncukForm::BoncukEkleActionExecute()
{
    const PulGirdisi girdi = PulGirdisiOku(Edit1->text());
    if (girdi.Sonuc == PulGirdisi::Yok)
        return;
    if (girdi.Sonuc == PulGirdisi::Fazla) {
        Ortam::Gecerli().MesajGoster(QString::fromUtf8(PUL_FAZLA));
        return;
    }
    const bool cikarma = ComboBox1->currentIndex() == 1;
    Edit2->setText(IslemSatiri(Edit2->text(), girdi.Sayi, cikarma));
    BoncukKutu->PulEkle(cikarma ? -girdi.Sayi : girdi.Sayi);
}

void TBoncukForm::ResetActionExecute()
{
    BoncukKutu->Temizle();
    Edit2->clear();
}

void TBoncukForm::RadioButton1Click()
{
    CiftGosterimiAyarla(false);
}

void TBoncukForm::RadioButton2Click()
{
    CiftGosterimiAyarla(true);
}

void TBoncukForm::Panel1DblClick(RenkPaneli* panel)
{
    if (!panel)
        return;
    const TRenk renk = RenkSec(panel->Renk);
    switch (RenkSecimi(panel->Tag, renk)) {
    case RenkKarari::Degismez:
        return;
    case RenkKarari::Kullanilmis:
        Ortam::Gecerli().MesajGoster(QString::fromUtf8(RENK_KULLANILMIS));
        return;
    case RenkKarari::Yeni:
        panel->RenkAyarla(renk);
        BoncukKutu->Renklendir(panel->Tag, renk);
        return;
    }
}
