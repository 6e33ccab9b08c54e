#include "Cebirselformu.h"
#include "kaydirmaalani.h"
#include "gorunum.h"
#include "cebirselhucre.h"
#include "Hesapla.h"
#include "Spreadsheetdegiskenler.h"
#include "metinler.h"
#include "ortam.h"

#include <QAction>
#include <algorithm>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int IFADE_SATIR = 10;
constexpr int IFADE_SUTUN = 5;
constexpr int DEGISKEN_SATIR = 20;

// A cell whose name for screen readers is made when a reader asks, from
// what the cell holds now.
class AdliOge : public QTableWidgetItem
{
public:
    using AdVerici = std::function<QString(const QTableWidgetItem&)>;
    explicit AdliOge(AdVerici ad) : ad_(std::move(ad)) {}
    QVariant data(int rol) const override
    {
        if (rol == Qt::AccessibleTextRole && ad_ && tableWidget())
            return ad_(*this);
        return QTableWidgetItem::data(rol);
    }
    QTableWidgetItem* clone() const override { return new AdliOge(*this); }

private:
    AdVerici ad_;
};

// A cell of the variables grid, named by its column and its text.
QTableWidgetItem* DegiskenOgesi()
{
    auto* oge = new AdliOge([](const QTableWidgetItem& o) { return DegiskenHucresiAdi(o.column(), o.text()); });
    // Selectable only so that readers know the arrows reach it: the grid selects nothing.
    oge->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return oge;
}

// Every row of the variables grid has its cells, the empty ones too, so that
// a reader names them.
void DegiskenOgeleriniDoldur(QTableWidget* tablo)
{
    for (int satir = 0; satir < tablo->rowCount(); ++satir)
        for (int sutun = 0; sutun < tablo->columnCount(); ++sutun)
            if (!tablo->item(satir, sutun))
                tablo->setItem(satir, sutun, DegiskenOgesi());
}

// The expression grid's cells as the resolver reads them.
class TabloHucreleri : public HucreKaynagi
{
public:
    explicit TabloHucreleri(const QTableWidget* tablo) : tablo_(tablo) {}
    int SutunSayisi() const override { return tablo_->columnCount(); }
    int SatirSayisi() const override { return tablo_->rowCount(); }
    QString HucreMetni(int sutun, int satir) const override
    {
        if (sutun < 1 || satir < 1 || sutun >= tablo_->columnCount() || satir >= tablo_->rowCount())
            return QString();
        const QTableWidgetItem* oge = tablo_->item(satir, sutun);
        return oge ? oge->text() : QString();
    }

private:
    const QTableWidget* tablo_;
};

// The variables grid as the resolver writes it. Its heading row is the
// table's header, so the headings stay in sight when the variables scroll;
// row r of the resolver's grid is table row r - 1.
class DegiskenTablosuYazici : public DegiskenTablosu
{
public:
    explicit DegiskenTablosuYazici(QTableWidget* tablo) : tablo_(tablo) {}
    int SatirSayisi() const override { return tablo_->rowCount() + 1; }
    void SatirSayisiAyarla(int satir) override
    {
        tablo_->setRowCount(std::max(0, satir - 1));
        DegiskenOgeleriniDoldur(tablo_);
    }
    void GecerliSatirAyarla(int satir) override
    {
        if (satir >= 1 && satir <= tablo_->rowCount())
            tablo_->setCurrentCell(satir - 1, 0);
    }
    void HucreYaz(int sutun, int satir, const QString& metin) override
    {
        if (satir == 0) {
            tablo_->setHorizontalHeaderItem(sutun, new QTableWidgetItem(metin));
            return;
        }
        QTableWidgetItem* oge = tablo_->item(satir - 1, sutun);
        if (!oge) {
            oge = DegiskenOgesi();
            tablo_->setItem(satir - 1, sutun, oge);
        }
        oge->setText(metin);
    }

private:
    QTableWidget* tablo_;
};

void TabloyuHazirla(QTableWidget* tablo, int satirYuksekligi)
{
    tablo->horizontalHeader()->hide();
    tablo->verticalHeader()->hide();
    tablo->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tablo->verticalHeader()->setMinimumSectionSize(satirYuksekligi);
    tablo->verticalHeader()->setDefaultSectionSize(satirYuksekligi);
    tablo->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tablo->setFont(Yazi(YaziAilesi::MsSansSerif, 16));
    tablo->setWordWrap(false);
    tablo->setGridStyle(Qt::SolidLine);
    // Arrows move between the cells; Tab goes on to the next control.
    tablo->setTabKeyNavigation(false);
}

} // namespace

QValidator::State BuyukHarfDogrulayici::validate(QString& metin, int&) const
{
    metin = AsciiBuyukHarf(metin);
    return Acceptable;
}

IfadeTablosu::IfadeTablosu(int satir, int sutun, QWidget* ebeveyn) : QTableWidget(satir, sutun, ebeveyn) {}

void IfadeTablosu::paintEvent(QPaintEvent* olay)
{
    BellekOturumu oturum(Cozucu);
    QTableWidget::paintEvent(olay);
}

void IfadeTablosu::keyPressEvent(QKeyEvent* olay)
{
    if (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter) {
        olay->accept();
        emit EnterBasildi();
        return;
    }
    QTableWidget::keyPressEvent(olay);
}

CebirHucreCizici::CebirHucreCizici(const RenkSemasi* renkler, bool ifadeTablosu,
                                   std::function<QString(int, int)> metin, QObject* ebeveyn)
    : QStyledItemDelegate(ebeveyn), renkler_(renkler), ifadeTablosu_(ifadeTablosu), metin_(std::move(metin))
{
}

void CebirHucreCizici::paint(QPainter* ressam, const QStyleOptionViewItem& secenek, const QModelIndex& indeks) const
{
    // The variables grid keeps its heading in the header: its body starts at row 1.
    const int satir = indeks.row() + (ifadeTablosu_ ? 0 : 1);
    const int sutun = indeks.column();
    const bool sabit = ifadeTablosu_ && (satir == 0 || sutun == 0);
    int cift = satir % 2 == 0 ? 0 : 2;
    if (sabit)
        cift = 4;
    else if (ifadeTablosu_ && (secenek.state & QStyle::State_Selected))
        cift = 6;
    else if (ifadeTablosu_ && (secenek.state & QStyle::State_HasFocus))
        cift = 8;
    const QString metin = metin_ ? metin_(sutun, satir) : indeks.data().toString();
    ressam->save();
    ressam->fillRect(secenek.rect, RenkQ(renkler_->Renkler[cift + 1]));
    ressam->setPen(RenkQ(renkler_->Renkler[cift]));
    ressam->setFont(secenek.font);
    ressam->drawText(secenek.rect.adjusted(2, 2, -1, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, metin);
    ressam->restore();
}

QWidget* CebirHucreCizici::createEditor(QWidget* ebeveyn, const QStyleOptionViewItem& secenek,
                                        const QModelIndex& indeks) const
{
    QWidget* duzenleyici = QStyledItemDelegate::createEditor(ebeveyn, secenek, indeks);
    if (auto* satir = qobject_cast<QLineEdit*>(duzenleyici)) {
        satir->setValidator(new BuyukHarfDogrulayici(satir));
        satir->setFont(secenek.font);
    }
    return duzenleyici;
}

bool CebirHucreCizici::eventFilter(QObject* nesne, QEvent* olay)
{
    if (olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent*>(olay)->key();
        auto* duzenleyici = qobject_cast<QWidget*>(nesne);
        if (duzenleyici && (tus == Qt::Key_Return || tus == Qt::Key_Enter)) {
            emit commitData(duzenleyici);
            emit closeEditor(duzenleyici, QAbstractItemDelegate::NoHint);
            emit EnterIleOnay();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(nesne, olay);
}

const EtkinlikSatiri& TTheCebirselForm::Satiri()
{
    static const EtkinlikSatiri satir{
        8, QStringLiteral("Cebirsel İfadeler"), 9, 8, QStringLiteral("Cebirsel İfadeler"),
        QStringLiteral("Cebirsel İfadeler"), QStringLiteral("CebirselIfade"),
        HakkindaTuru::Pencere, QStringLiteral("Cebirsel İfadeler"), QString(), ETKINLIK_OLCUSU,
        PencereYap<TTheCebirselForm>};
    return satir;
}

TTheCebirselForm::TTheCebirselForm(QWidget* sahip)
    : EtkinlikPenceresi(sahip, Satiri())
{
    setObjectName(QStringLiteral("TheCebirselForm"));

    Label1 = new QLabel(QStringLiteral("İfade"), this);
    Label1->setFont(Yazi(YaziAilesi::MsSansSerif, 19));
    RenkVer(Label1, QPalette::WindowText, clRed);

    Edit1 = new QLineEdit(this);
    Edit1->setReadOnly(true);
    Edit1->setFont(Yazi(YaziAilesi::MsSansSerif, 19));

    IfadeTablosunuKur();

    CheckBox1 = new QCheckBox(QStringLiteral("İfade açıklamasını göster"), this);
    CheckBox1->setFont(Yazi(YaziAilesi::MsSansSerif, 16));
    CheckBox1->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 18px; height: 18px; }"));

    Label2 = new QLabel(QStringLiteral("Değişken"), this);
    Label2->setFont(Yazi(YaziAilesi::MsSansSerif, 16));
    Edit2 = new QLineEdit(this);
    Edit2->setFont(Yazi(YaziAilesi::MsSansSerif, 16));
    Edit2->setValidator(new BuyukHarfDogrulayici(Edit2));
    Label3 = new QLabel(QStringLiteral("Değer"), this);
    Label3->setFont(Yazi(YaziAilesi::MsSansSerif, 16));
    Edit3 = new QLineEdit(this);
    Edit3->setFont(Yazi(YaziAilesi::MsSansSerif, 16));

    DegiskenEkleAction = Eylem(QStringLiteral("Değişken Ekle"), [this] { DegiskenEkleActionExecute(); });
    Button2 = EylemDugmesi(DegiskenEkleAction, this);
    Button2->setFont(Yazi(YaziAilesi::MsSansSerif, 16));

    DegiskenTablosunuKur();

    Button3 = EylemDugmesi(YardimAction, this, QStringLiteral("Açıklama"));
    Button1 = EylemDugmesi(HakkindaAction, this);
    for (QPushButton* dugme : {Button3, Button1}) {
        dugme->setFont(Yazi(YaziAilesi::MsSansSerif, 16));
        dugme->setMinimumHeight(BitBtn2->height());
        dugme->setMinimumWidth(140);
    }

    hucreler_ = std::make_unique<TabloHucreleri>(StringGrid1);
    cozucu_ = std::make_unique<Spreadsheetdegiskenler>(hucreler_.get());
    hesap_ = std::make_unique<Hesapla>(cozucu_.get());
    StringGrid1->Cozucu = cozucu_.get();

    connect(StringGrid1, &IfadeTablosu::EnterBasildi, this, [this] { StringGrid1Enter(); });
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int satir, int sutun, int, int) { StringGrid1SelectCell(sutun, satir); });
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });

    // Boxes are read by their labels.
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    Label3->setBuddy(Edit3);
    Yerlestir();
    // Reading order: the expression side, then the variables, then the commands.
    const QList<QWidget*> sira = {Edit1, StringGrid1, CheckBox1, Edit2, Edit3, Button2, DegiskenStringGrid,
                                  Button3, Button1, BitBtn2};
    for (qsizetype i = 1; i < sira.size(); ++i)
        setTabOrder(sira[i - 1], sira[i]);
    StringGrid1->setCurrentCell(1, 1);
    StringGrid1->setFocus();
}

void TTheCebirselForm::IfadeTablosunuKur()
{
    StringGrid1 = new IfadeTablosu(IFADE_SATIR, IFADE_SUTUN, this);
    StringGrid1->setAccessibleName(QStringLiteral("İfade tablosu"));
    TabloyuHazirla(StringGrid1, 30);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                                 | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int satir = 0; satir < IFADE_SATIR; ++satir)
        for (int sutun = 0; sutun < IFADE_SUTUN; ++sutun) {
            auto* oge = new AdliOge([this](const QTableWidgetItem& o) {
                // Nothing to read by before the resolver is made or once the window is closing.
                if (!StringGrid1->Cozucu)
                    return QString();
                BellekOturumu oturum(StringGrid1->Cozucu);
                return IfadeHucresiAdi(*hesap_, o.column(), o.row(), o.text());
            });
            // Row 0 and column 0 are fixed: never selected, never edited.
            if (satir == 0 || sutun == 0)
                oge->setFlags(Qt::NoItemFlags);
            StringGrid1->setItem(satir, sutun, oge);
        }
    // Column 0 holds the row numbers; the grid is exactly as wide as its columns.
    StringGrid1->setColumnWidth(0, 50);
    int genislik = 50;
    for (int sutun = 1; sutun < IFADE_SUTUN; ++sutun) {
        StringGrid1->setColumnWidth(sutun, 180);
        genislik += 180;
    }
    StringGrid1->setFixedSize(genislik + 2 * StringGrid1->frameWidth(), IFADE_SATIR * 30 + 2 * StringGrid1->frameWidth());

    auto* ifadeCizici = new CebirHucreCizici(&renkler_, true, [this](int sutun, int satir) {
        return GosterilenMetin(sutun, satir);
    }, StringGrid1);
    StringGrid1->setItemDelegate(ifadeCizici);
    connect(ifadeCizici, &CebirHucreCizici::EnterIleOnay, this, [this] { StringGrid1Enter(); });
}

void TTheCebirselForm::DegiskenTablosunuKur()
{
    DegiskenStringGrid = new QTableWidget(DEGISKEN_SATIR - 1, 2, this);
    DegiskenStringGrid->setObjectName(QStringLiteral("DegiskenStringGrid"));
    DegiskenStringGrid->setAccessibleName(QStringLiteral("Değişkenler tablosu"));
    DegiskenStringGrid->verticalScrollBar()->setAccessibleName(QStringLiteral("Değişkenleri kaydır"));
    TabloyuHazirla(DegiskenStringGrid, 26);
    {
        // The heading row in the fixed colours (red on aqua).
        QHeaderView* baslik = DegiskenStringGrid->horizontalHeader();
        baslik->show();
        baslik->setFixedHeight(26);
        baslik->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
        baslik->setHighlightSections(false);
        baslik->setSectionsClickable(false);
        baslik->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; color: %2;"
                                             " border: none; border-right: 1px solid #c0c0c0;"
                                             " border-bottom: 1px solid #c0c0c0; padding: 1px 0px 0px 2px;"
                                             " font-family: 'MS Sans Serif'; font-size: 16px; font-weight: bold; }")
                                  .arg(RenkQ(renkler_.Renkler[5]).name(), RenkQ(renkler_.Renkler[4]).name()));
    }
    DegiskenStringGrid->setColumnWidth(0, 150);
    DegiskenStringGrid->setColumnWidth(1, 150);
    DegiskenStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DegiskenStringGrid->setSelectionMode(QAbstractItemView::NoSelection);
    DegiskenStringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DegiskenStringGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    DegiskenStringGrid->setItemDelegate(new CebirHucreCizici(&renkler_, false, nullptr, DegiskenStringGrid));
    {
        DegiskenTablosuYazici yazici(DegiskenStringGrid);
        yazici.HucreYaz(0, 0, QStringLiteral("Değişkenler"));
        yazici.HucreYaz(1, 0, QStringLiteral("Değerler"));
    }
    DegiskenOgeleriniDoldur(DegiskenStringGrid);
    const int kaydirmaPayi = DegiskenStringGrid->verticalScrollBar()->sizeHint().width();
    DegiskenStringGrid->setFixedSize(300 + 2 * DegiskenStringGrid->frameWidth() + kaydirmaPayi,
                                     DEGISKEN_SATIR * 26 + 2 * DegiskenStringGrid->frameWidth());
}

void TTheCebirselForm::Yerlestir()
{
    // Layout: the expression side on the left, the variables on the right,
    // the commands along the bottom.
    auto* sol = new QVBoxLayout;
    sol->setSpacing(8);
    sol->addWidget(Label1);
    sol->addWidget(Edit1);
    sol->addSpacing(6);
    sol->addWidget(StringGrid1);
    sol->addSpacing(6);
    sol->addWidget(CheckBox1);
    sol->addStretch(1);
    Edit1->setFixedWidth(StringGrid1->width());

    auto* girdi = new QGridLayout;
    girdi->setHorizontalSpacing(10);
    girdi->setVerticalSpacing(8);
    girdi->addWidget(Label2, 0, 0);
    girdi->addWidget(Edit2, 0, 1);
    girdi->addWidget(Label3, 1, 0);
    girdi->addWidget(Edit3, 1, 1);
    girdi->addWidget(Button2, 2, 1);

    auto* sag = new QVBoxLayout;
    sag->setSpacing(8);
    sag->addLayout(girdi);
    sag->addSpacing(6);
    sag->addWidget(DegiskenStringGrid);
    sag->addStretch(1);

    auto* ust = new QHBoxLayout;
    ust->addLayout(sol);
    ust->addSpacing(30);
    ust->addLayout(sag);
    ust->addStretch(1);

    auto* alt = new QHBoxLayout;
    alt->addWidget(Button3);
    alt->addWidget(Button1);
    alt->addStretch(1);
    alt->addWidget(BitBtn2);

    // The grids sit on a page that scrolls when the window is made smaller
    // than they are; the commands stay in view under it.
    auto* sayfa = new QWidget;
    auto* sayfaDuzeni = new QVBoxLayout(sayfa);
    sayfaDuzeni->setContentsMargins(20, 14, 20, 0);
    sayfaDuzeni->addLayout(ust, 1);
    auto* kaydirma = new KaydirmaAlani(this, sayfa, KaydirmaAlani::Duzenli, QStringLiteral("Tablolar"));
    kaydirma->horizontalScrollBar()->setAccessibleName(QStringLiteral("Tabloları yatay kaydır"));
    kaydirma->verticalScrollBar()->setAccessibleName(QStringLiteral("Tabloları dikey kaydır"));
    auto* ana = new QVBoxLayout(this);
    ana->setContentsMargins(0, 0, 0, 0);
    ana->setSpacing(8);
    ana->addWidget(kaydirma, 1);
    alt->setContentsMargins(20, 0, 20, 14);
    ana->addLayout(alt);
}

TTheCebirselForm::~TTheCebirselForm()
{
    // The grid paints through the resolver: let it forget it before the resolver goes.
    StringGrid1->Cozucu = nullptr;
}

QString TTheCebirselForm::HucreMetni(int sutun, int satir) const
{
    return hucreler_->HucreMetni(sutun, satir);
}

void TTheCebirselForm::HucreMetniYaz(int sutun, int satir, const QString& metin)
{
    if (QTableWidgetItem* oge = StringGrid1->item(satir, sutun))
        oge->setText(metin);
}

QString TTheCebirselForm::GosterilenMetin(int sutun, int satir)
{
    if (satir == 0)
        return SutunBasligi(sutun);
    if (sutun == 0)
        return QString::number(satir);
    return HucreGosterimi(*hesap_, HucreMetni(sutun, satir), aciklama_);
}

void TTheCebirselForm::StringGrid1Enter()
{
    const int sutun = StringGrid1->currentColumn();
    const int satir = StringGrid1->currentRow();
    if (sutun < 1 || satir < 1)
        return;
    const QString metin = HucreMetni(sutun, satir);
    bool dongu = false;
    {
        BellekOturumu oturum(cozucu_.get());
        dongu = DonguluIfade(*hesap_, metin);
    }
    if (dongu) {
        // One cycle, one message: the cell that closed it is emptied.
        Ortam::Gecerli().MesajGoster(DONGU_MESAJI);
        HucreMetniYaz(sutun, satir, QString());
    } else {
        HucreMetniYaz(sutun, satir, metin);
    }
    Edit1->setText(HucreMetni(sutun, satir));
    StringGrid1->viewport()->update();
}

void TTheCebirselForm::StringGrid1SelectCell(int sutun, int satir)
{
    Edit1->setText(HucreMetni(sutun, satir));
    StringGrid1->viewport()->update();
}

void TTheCebirselForm::CheckBox1Click()
{
    aciklama_ = CheckBox1->isChecked();
    StringGrid1->viewport()->update();
}

void TTheCebirselForm::DegiskenEkleActionExecute()
{
    const QString ad = Edit2->text();
    if (ad.isEmpty())
        return;
    if (!DegiskenAdiGecerli(ad)) {
        Ortam::Gecerli().MesajGoster(DEGISKEN_ADI_HATASI);
        return;
    }
    const QString deger = Edit3->text();
    if (deger.isEmpty())
        return;
    cozucu_->Ayarla(ad, MetinSayiya(deger));
    DegiskenTablosuYazici yazici(DegiskenStringGrid);
    cozucu_->Goster(&yazici);
    StringGrid1->viewport()->update();
}
