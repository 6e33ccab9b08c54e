#include "islemtablosu.h"
#include "degismemodel.h"
#include "erisim.h"
#include "gorunum.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
// The colour of the grid lines, the one the view draws between the inner cells.
QColor CizgiRengi(const QWidget* w)
{
    QStyleOptionViewItem secenek;
    secenek.initFrom(w);
    return QColor::fromRgba(
        static_cast<QRgb>(w->style()->styleHint(QStyle::SH_Table_GridLineColor, &secenek, w)));
}

// A cell as the grid draws it: the background, the text at (2, 2) cut with
// "…" when it does not fit, and grid lines on the edges `kenarlar`.
void HucreBoya(QPainter* ressam, const QRect& alan, const QString& metin, const HucreRengi& renk,
               const QFont& yazi, const QColor& cizgi, Qt::Edges kenarlar)
{
    ressam->save();
    ressam->fillRect(alan, RenkQ(renk.Zemin));
    if (!metin.isEmpty()) {
        ressam->setFont(yazi);
        ressam->setPen(RenkQ(renk.Yazi));
        const QRect yazilik = alan.adjusted(2, 2, -1, 0);
        const QString sigan = QFontMetrics(yazi).elidedText(metin, Qt::ElideRight, yazilik.width());
        ressam->drawText(yazilik, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, sigan);
    }
    ressam->setPen(cizgi);
    if (kenarlar & Qt::TopEdge)
        ressam->drawLine(alan.topLeft(), alan.topRight());
    if (kenarlar & Qt::LeftEdge)
        ressam->drawLine(alan.topLeft(), alan.bottomLeft());
    if (kenarlar & Qt::RightEdge)
        ressam->drawLine(alan.topRight(), alan.bottomRight());
    if (kenarlar & Qt::BottomEdge)
        ressam->drawLine(alan.bottomLeft(), alan.bottomRight());
    ressam->restore();
}
} // namespace

IslemTablosuModeli::IslemTablosuModeli(const DegismeTablosu* tablo, std::function<QPoint()> gecerli,
                                       QObject* ebeveyn)
    : QAbstractTableModel(ebeveyn), tablo_(tablo), gecerli_(std::move(gecerli))
{
}

int IslemTablosuModeli::rowCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0 : tablo_->Boyut();
}

int IslemTablosuModeli::columnCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0 : tablo_->Boyut();
}

QVariant IslemTablosuModeli::data(const QModelIndex& indeks, int rol) const
{
    if (indeks.isValid() && rol == Qt::AccessibleTextRole) {
        const QPoint g = gecerli_ ? gecerli_() : QPoint(-1, -1);
        return tablo_->HucreAdi(indeks.column() + 1, indeks.row() + 1, g.x(), g.y());
    }
    if (!indeks.isValid() || (rol != Qt::DisplayRole && rol != Qt::ToolTipRole))
        return QVariant();
    return tablo_->HucreMetni(indeks.column() + 1, indeks.row() + 1);
}

QVariant IslemTablosuModeli::headerData(int bolum, Qt::Orientation yon, int rol) const
{
    if (rol == Qt::AccessibleTextRole)
        return (yon == Qt::Horizontal ? QStringLiteral("sütun başı ") : QStringLiteral("satır başı "))
            + tablo_->BaslikMetni(bolum + 1).trimmed();
    if (rol != Qt::DisplayRole && rol != Qt::ToolTipRole)
        return QVariant();
    return tablo_->BaslikMetni(bolum + 1);
}

Qt::ItemFlags IslemTablosuModeli::flags(const QModelIndex& indeks) const
{
    return indeks.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void IslemTablosuModeli::Degistir(const std::function<void()>& degisiklik)
{
    beginResetModel();
    degisiklik();
    endResetModel();
}

void IslemTablosuModeli::DegerlerDegisti()
{
    const int n = tablo_->Boyut();
    if (n > 0)
        emit dataChanged(index(0, 0), index(n - 1, n - 1), {Qt::DisplayRole, Qt::ToolTipRole});
}

BaslikSeridi::BaslikSeridi(Qt::Orientation yon, const RenkSemasi* renkler, QWidget* ebeveyn)
    : QHeaderView(yon, ebeveyn), renkler_(renkler)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(1);
    if (yon == Qt::Horizontal) {
        setDefaultSectionSize(SUTUN_GENISLIGI);
        setFixedHeight(SATIR_YUKSEKLIGI);
    } else {
        setDefaultSectionSize(SATIR_YUKSEKLIGI);
        setFixedWidth(BASLIK_SUTUNU_GENISLIGI);
    }
}

void BaslikSeridi::paintEvent(QPaintEvent* olay)
{
    // The sections alone: past the last one the window's background shows,
    // so the table ends where its cells end.
    const int n = count();
    if (n == 0)
        return;
    QPainter ressam(viewport());
    const QRect alan = olay->rect();
    const bool yatay = orientation() == Qt::Horizontal;
    int ilk = visualIndexAt(yatay ? alan.left() : alan.top());
    int son = visualIndexAt(yatay ? alan.right() : alan.bottom());
    if (ilk < 0)
        ilk = 0;
    if (son < 0)
        son = n - 1;
    for (int i = ilk; i <= son; ++i) {
        const int bolum = logicalIndex(i);
        const int konum = sectionViewportPosition(bolum);
        const int boy = sectionSize(bolum);
        paintSection(&ressam, yatay ? QRect(konum, 0, boy, height()) : QRect(0, konum, width(), boy), bolum);
    }
}

void BaslikSeridi::paintSection(QPainter* ressam, const QRect& alan, int bolum) const
{
    // The heads carry the table's outer edge on the top and on the left.
    const Qt::Edges kenarlar = Qt::RightEdge | Qt::BottomEdge
        | (orientation() == Qt::Horizontal ? Qt::TopEdge : Qt::LeftEdge);
    HucreBoya(ressam, alan, model() ? model()->headerData(bolum, orientation()).toString() : QString(),
              DurumRengi(*renkler_, HucreDurumu::Baslik), font(), CizgiRengi(this), kenarlar);
}

HucreCizici::HucreCizici(const IslemTablosu* tablo, QObject* ebeveyn) : QStyledItemDelegate(ebeveyn), tablo_(tablo)
{
}

void HucreCizici::paint(QPainter* ressam, const QStyleOptionViewItem& secenek, const QModelIndex& indeks) const
{
    const DegismeTablosu& t = tablo_->Tablo();
    const int c = indeks.column() + 1;
    const int r = indeks.row() + 1;
    const QPoint gecerli = tablo_->GecerliHucre();
    const HucreDurumu durum = DurumBelirle(false, secenek.state & QStyle::State_Selected,
                                           secenek.state & QStyle::State_HasFocus,
                                           t.Vurgulu(c, r, gecerli.x(), gecerli.y()));
    // The view draws the grid lines itself, around the cell's rectangle.
    HucreBoya(ressam, secenek.rect, t.HucreMetni(c, r), DurumRengi(tablo_->Renkler(), durum), secenek.font, QColor(),
              Qt::Edges());
}

IslemTablosu::IslemTablosu(const DegismeTablosu* tablo, const RenkSemasi* renkler, QWidget* ebeveyn)
    : QTableView(ebeveyn), tablo_(tablo), renkler_(renkler)
{
    // The corner says the operation. Readers must learn it before anything
    // below changes the button's state: Qt fixes a widget's description at
    // the first change it reports.
    if (auto* kose = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        ErisimKur(kose, QAccessible::StaticText, [this] { return tablo_->HucreAdi(0, 0, -1, -1); });
    setFont(Yazi(YaziAilesi::MsSansSerif, 16));
    setAccessibleName(QStringLiteral("İşlem tablosu"));
    horizontalScrollBar()->setAccessibleName(QStringLiteral("Tabloyu yatay kaydır"));
    verticalScrollBar()->setAccessibleName(QStringLiteral("Tabloyu dikey kaydır"));
    setHorizontalHeader(new BaslikSeridi(Qt::Horizontal, renkler, this));
    setVerticalHeader(new BaslikSeridi(Qt::Vertical, renkler, this));
    modeli_ = new IslemTablosuModeli(tablo, [this] { return GecerliHucre(); }, this);
    setModel(modeli_);
    setItemDelegate(new HucreCizici(this, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Whole cells: a head cut at the edge would show another number ("75" of "575").
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Cells paint themselves; around them, where the grid is larger than its
    // cells, the window's background shows.
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    horizontalHeader()->viewport()->setAutoFillBackground(false);
    verticalHeader()->viewport()->setAutoFillBackground(false);
    // The corner is Qt's own button; it is painted here as the sign cell.
    kose_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (kose_)
        kose_->installEventFilter(this);
    // Highlights follow the current cell wherever it goes.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, viewport(), [this] { viewport()->update(); });
}

QPoint IslemTablosu::GecerliHucre() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? QPoint(i.column() + 1, i.row() + 1) : QPoint(-1, -1);
}

void IslemTablosu::GecerliHucreAyarla(int c, int r)
{
    if (tablo_->IcHucre(c, r))
        setCurrentIndex(modeli_->index(r - 1, c - 1));
    else
        selectionModel()->clear();
}

void IslemTablosu::Degistir(const std::function<void()>& degisiklik)
{
    const QPoint onceki = GecerliHucre();
    modeli_->Degistir(degisiklik);
    if (tablo_->IcHucre(onceki.x(), onceki.y()))
        GecerliHucreAyarla(onceki.x(), onceki.y());
    updateGeometry();
    Yenile();
}

void IslemTablosu::Yenile()
{
    if (kose_)
        kose_->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    viewport()->update();
}

QSize IslemTablosu::sizeHint() const
{
    return IzgaraBoyutu(tablo_->Boyut());
}

QSize IslemTablosu::Yerlesim(QSize alan) const
{
    return IzgaraYerlesimi(tablo_->Boyut(), alan,
                           QSize(verticalScrollBar()->sizeHint().width(), horizontalScrollBar()->sizeHint().height()));
}

bool IslemTablosu::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == kose_ && olay->type() == QEvent::Paint) {
        KoseyiBoya(kose_);
        return true;
    }
    return QTableView::eventFilter(nesne, olay);
}

void IslemTablosu::KoseyiBoya(QWidget* kose) const
{
    QPainter ressam(kose);
    HucreBoya(&ressam, kose->rect(), tablo_->HucreMetni(0, 0), DurumRengi(*renkler_, HucreDurumu::Baslik), font(),
              CizgiRengi(this), Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
}
