#pragma once
#include "Myshape.h"
#include "renk.h"

#include <QPointer>
#include <QWidget>

class CarpanAgaciModeli;

// One tree of the activity's model on its own coloured surface. Its nodes
// and their divisor boxes are children of this window; the root owns the
// rest of the tree's controls.
class TFaktorForm : public QWidget
{
    Q_OBJECT
public:
    // `tag` 1 for the first tree, 2 for the second: the tree of `model` shown
    // here, which the nodes read as OwnerTag. The model outlives the window.
    TFaktorForm(QWidget* sahip, int tag, CarpanAgaciModeli& model);

    int Tag;
    TRenk Renk; // the colour painted, the model's
    MyShape* Root() const { return root_; }

    // Shows the model's tree afresh: a root control at the middle, 10 from the top.
    void AgaciGoster();
    // Brings the shown nodes in line with the model (used leaves turn silver).
    void Yenile();

    void SetNumber(int n);
    void SetNumberOrRandom(int n); // -1: a random composite number
    void RandomNumber();
    void ClearTree();
    int RootValue() const;
    int CountUnsplit() const;
    int CountAvailable(int v) const;
    bool TakeAvailable(int v);
    void SolveAll();
    // The left box of the tree's first node waiting for its divisor, or nullptr.
    QLineEdit* BekleyenKutu() const;

    // Drag rules: anything is welcome; a node of this tree moves, with its subtree, to the point.
    bool FormDragOver(QObject* kaynak, QPoint p) const;
    void FormDragDrop(QObject* kaynak, QPoint p);
    // The colour chosen on a double click goes to the model.
    void FormDblClick();
    void RenkAyarla(TRenk renk);
    // The shown controls of the tree in reading order: a node, its two
    // boxes, then its left subtree and its right one.
    QList<QWidget*> OkumaSirasi() const;
    // Readers hear the tree's state ("12, 1 sayı bölen bekliyor") after its name.
    void DurumuBildir();

signals:
    void RenkDegisti();
    // The pupil split the tree's last waiting node.
    void AgacBitti();
    // A node or a box was made or shown: the window puts the tree in its Tab order.
    void DugumlerDegisti();

protected:
    bool event(QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    // Readers' names for the nodes and boxes made since the last call, and
    // the change events of those already named; a node carried by keys
    // lands where its picture's top left is, as it does under the pointer.
    void ErisimiGuncelle();
    bool erisimBekliyor_ = false;
    CarpanAgaciModeli& model_;
    const int agac_; // the model's tree shown here
    QPointer<MyShape> root_;
    int yerlesimGenisligi_ = 0; // the width the nodes were placed for
};
