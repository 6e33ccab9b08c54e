#pragma once
class AracCubugu;
#include "etkinlikpenceresi.h"
#include "renk.h"

#include <QFrame>
#include <QPointer>

#include "Myshape.h"
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

// One factor tree on its own coloured surface. Its nodes and their divisor
// boxes are children of this window; the root owns the rest of the tree.
class TFaktorForm : public QWidget
{
    Q_OBJECT
public:
    // `tag` 1 for the first tree, 2 for the second; the nodes read it as OwnerTag.
    TFaktorForm(QWidget* sahip, int tag, TRenk renk);

    int Tag;
    TRenk Renk;
    MyShape* Root() const { return root_; }

    void SetNumber(int n);
    void SetNumberOrRandom(int n); // -1: a random composite number
    void RandomNumber();
    void ClearTree();
    int RootValue() const;
    int CountUnsplit() const;
    int CountAvailable(int v) const;
    bool TakeAvailable(int v);
    void SolveAll();

    // Drag rules: anything is welcome; a node of this tree moves, with its subtree, to the point.
    bool FormDragOver(QObject* kaynak, QPoint p) const;
    void FormDragDrop(QObject* kaynak, QPoint p);
    // The colour chosen on a double click.
    void FormDblClick();
    void RenkAyarla(TRenk renk);

signals:
    void RenkDegisti();

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    QPointer<MyShape> root_;
    int yerlesimGenisligi_ = 0; // the width the nodes were placed for
};

// A panel of the prime leaves; its Tag is its kind (1, 3 or 2 from left to right).
class FaktorPaneli : public QFrame
{
    Q_OBJECT
public:
    FaktorPaneli(QWidget* ebeveyn, int tag, TRenk renk);
    int Tag;
    TRenk Renk;
    void RenkAyarla(TRenk renk);

signals:
    void CiftTiklandi();

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
};

// The dialog of "Problem Gir": two different numbers, each at least 2.
class TSayiGetirForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSayiGetirForm(QWidget* sahip);

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1; // "Tamam"
    QPushButton* Button2; // "İptal"
    int Ilk = 0;
    int Ikinci = 0;

    // "Tamam": a text that is no integer throws the conversion error and the dialog stays.
    void Button1Click();
};

// The factor tree activity: two trees, three prime panels, OBEB and OKEK.
class TFaktorItForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TFaktorItForm(QWidget* sahip);

    bool CheckMode = false;
    TFaktorForm* Tree1;
    TFaktorForm* Tree2;
    // Products of the panels, indexed by panel kind; 64 bits for five-digit problems.
    qint64 Products[4] = {1, 1, 1, 1};

    QAction* YeniProblemAction;
    QAction* kendiSayiniGirAction;
    QAction* ChangeDenetlemeAction;
    QAction* CozAction;
    QAction* ResetAction;
    QAction* DenetleAction;

    QMenuBar* MainMenu1;
    AracCubugu* ToolBar1;
    QWidget* Govde; // everything under the menu
    FaktorPaneli* Panel1;
    FaktorPaneli* Panel2;
    FaktorPaneli* Panel3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1;
    QPushButton* ModDugmesi;

    void NewProblem(int a, int b);
    void ResetBoard();
    void RemovePanelCopies();
    void UpdateProductLabels();
    void UpdateResultLabels();
    void SetCheckMode(bool kip);
    void LayoutControls();

    void YeniProblemActionExecute();
    void kendiSayiniGirActionExecute();
    void ChangeDenetlemeActionExecute();
    void CozActionExecute();
    void ResetActionExecute();
    void DenetleActionExecute();

    // Drag rules of the three panels; `panel` is the one the leaf is dropped on.
    bool PanelDragOver(FaktorPaneli* panel, QObject* kaynak, QPoint p) const;
    void PanelDragDrop(FaktorPaneli* panel, QObject* kaynak, QPoint p);
    void PanelDblClick(FaktorPaneli* panel);

    FaktorPaneli* Panel(int tur) const;
    TFaktorForm* Agac(int tag) const;

protected:
    void resizeEvent(QResizeEvent* olay) override;

private:
    void PanelRenkleriniAl();
};
