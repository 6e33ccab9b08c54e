#pragma once
#include "etkinlikpenceresi.h"
#include "renksemasi.h"

#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QValidator>
#include <functional>
#include <memory>

class Hesapla;
class HucreKaynagi;
class QCheckBox;
class QLabel;
class QLineEdit;
class Spreadsheetdegiskenler;

// Turns typed (and pasted) a-z into A-Z; every other character stays.
class BuyukHarfDogrulayici : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& metin, int& konum) const override;
};

// The expression grid. Each paint runs with the value memory of
// the resolver, so a repaint evaluates every cell once. Enter on a cell that
// is not being edited commits it.
class IfadeTablosu : public QTableWidget
{
    Q_OBJECT
public:
    IfadeTablosu(int satir, int sutun, QWidget* ebeveyn);
    Spreadsheetdegiskenler* Cozucu = nullptr; // not owned

signals:
    void EnterBasildi();

protected:
    void paintEvent(QPaintEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
};

// Paints the cells of both grids with the colour-scheme pairs and writes the
// text at (left + 2, top + 2). The expression grid's editor turns a-z into
// A-Z, and Enter in it stores the text, closes it and commits the cell.
class CebirHucreCizici : public QStyledItemDelegate
{
    Q_OBJECT
public:
    CebirHucreCizici(const RenkSemasi* renkler, bool ifadeTablosu, std::function<QString(int, int)> metin,
                     QObject* ebeveyn);
    void paint(QPainter* ressam, const QStyleOptionViewItem& secenek, const QModelIndex& indeks) const override;
    QWidget* createEditor(QWidget* ebeveyn, const QStyleOptionViewItem& secenek,
                          const QModelIndex& indeks) const override;

signals:
    void EnterIleOnay();

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    const RenkSemasi* renkler_;
    bool ifadeTablosu_;
    std::function<QString(int, int)> metin_;
};

// "Cebirsel İfadeler": a spreadsheet of expressions over variables and cell
// references. The cell texts live in StringGrid1; the resolver reads them
// through a cell source, and the evaluator asks the resolver.
class TTheCebirselForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TTheCebirselForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();
    ~TTheCebirselForm() override;

    QLabel* Label1;
    QLineEdit* Edit1;
    IfadeTablosu* StringGrid1;
    QCheckBox* CheckBox1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QLabel* Label3;
    QLineEdit* Edit3;
    QAction* DegiskenEkleAction;
    QPushButton* Button2;
    QTableWidget* DegiskenStringGrid;
    QPushButton* Button3;
    QPushButton* Button1;

    // Enter: evaluates the current cell; a cycle is reported and empties it.
    void StringGrid1Enter();
    void StringGrid1SelectCell(int sutun, int satir);
    void CheckBox1Click();
    void DegiskenEkleActionExecute();

    QString HucreMetni(int sutun, int satir) const;
    void HucreMetniYaz(int sutun, int satir, const QString& metin);
    // The text the grid paints in a cell: headings, row numbers, values.
    QString GosterilenMetin(int sutun, int satir);
    bool Aciklama() const { return aciklama_; }
    Spreadsheetdegiskenler& Cozucu() { return *cozucu_; }
    Hesapla& Hesap() { return *hesap_; }

private:
    void IfadeTablosunuKur();
    void DegiskenTablosunuKur();
    void Yerlestir();

    RenkSemasi renkler_;
    std::unique_ptr<HucreKaynagi> hucreler_; // reads StringGrid1
    std::unique_ptr<Spreadsheetdegiskenler> cozucu_;
    std::unique_ptr<Hesapla> hesap_;
    bool aciklama_ = false;
};
