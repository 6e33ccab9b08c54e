#pragma once
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

class DegismeTablosu;
class QAbstractButton;
struct RenkSemasi;

// The inner cells of the operation table as Qt's views see them: item
// (row, column) is cell (column + 1, row + 1), and the heads are the header
// sections. Nothing is stored per cell; every text is made when it is asked
// for, so a table of ten thousand heads costs no more than one of ten.
class IslemTablosuModeli : public QAbstractTableModel
{
    Q_OBJECT
public:
    // `gecerli` answers the grid's current cell as the table counts cells,
    // which the names of the highlighted cells depend on.
    IslemTablosuModeli(const DegismeTablosu* tablo, std::function<QPoint()> gecerli, QObject* ebeveyn);
    int rowCount(const QModelIndex& ust = QModelIndex()) const override;
    int columnCount(const QModelIndex& ust = QModelIndex()) const override;
    QVariant data(const QModelIndex& indeks, int rol) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;

    // Runs a change of the size or of the heads as a reset of the model.
    void Degistir(const std::function<void()>& degisiklik);
    // Every value changed, the size and the heads did not (a new operation).
    void DegerlerDegisti();

private:
    const DegismeTablosu* tablo_;
    std::function<QPoint()> gecerli_;
};

// The heads: red on aqua like every fixed cell, the number at (2, 2), and
// nothing past the last head.
class BaslikSeridi : public QHeaderView
{
    Q_OBJECT
public:
    BaslikSeridi(Qt::Orientation yon, const RenkSemasi* renkler, QWidget* ebeveyn);

protected:
    void paintEvent(QPaintEvent* olay) override;
    void paintSection(QPainter* ressam, const QRect& alan, int bolum) const override;

private:
    const RenkSemasi* renkler_;
};

class IslemTablosu;

// Draws an inner cell in the colours of its state (selected, highlighted by
// the display mode, focused or ordinary) with its value at (2, 2). A value
// too long for its column ends in "…"; its tooltip shows it whole.
class HucreCizici : public QStyledItemDelegate
{
    Q_OBJECT
public:
    HucreCizici(const IslemTablosu* tablo, QObject* ebeveyn);
    void paint(QPainter* ressam, const QStyleOptionViewItem& secenek, const QModelIndex& indeks) const override;

private:
    const IslemTablosu* tablo_;
};

// The operation table's grid: the heads stay in sight on the top and the left
// while the inner cells scroll a whole cell at a time.
class IslemTablosu : public QTableView
{
    Q_OBJECT
public:
    // `tablo` and `renkler` belong to the window and outlive the grid.
    IslemTablosu(const DegismeTablosu* tablo, const RenkSemasi* renkler, QWidget* ebeveyn);

    const DegismeTablosu& Tablo() const { return *tablo_; }
    const RenkSemasi& Renkler() const { return *renkler_; }
    IslemTablosuModeli* Modeli() const { return modeli_; }

    // The current cell as the table counts cells, (column, row) from 1;
    // (-1, -1) when there is none.
    QPoint GecerliHucre() const;
    void GecerliHucreAyarla(int c, int r);
    // Rebuilds after a change of size or heads; the current cell stays where it still exists.
    void Degistir(const std::function<void()>& degisiklik);
    // Repaints the corner, the heads and every cell.
    void Yenile();

    // The table's own size (55 + 43n by 30 + 36n), and the size it takes in a
    // space of `alan`, with scroll bars where whole cells do not fit.
    QSize sizeHint() const override;
    QSize Yerlesim(QSize alan) const;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void KoseyiBoya(QWidget* kose) const;

    const DegismeTablosu* tablo_;
    const RenkSemasi* renkler_;
    IslemTablosuModeli* modeli_;
    QPointer<QAbstractButton> kose_; // Qt's corner button, painted as the sign cell
};
