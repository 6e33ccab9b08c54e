#pragma once
#include <QImage>
#include <QList>
#include <QWidget>

class AgirlikShape;
class QAction;
class QLabel;
class TTeraziForm;

// Messages of a pan to the balance window.
constexpr int MSG_PAN_CHANGED = 1171; // the pan's weights changed: judge the balance again
constexpr int MSG_SPLIT_DONE = 1181;  // a split finished: leave split mode

// One pan of the balance: a see-through child of the balance window with the
// pan's picture, its weights and the orange label of its total. The weights
// lying on a pan are its children; the window keeps the unknown among them
// (TTeraziForm::UnknownShape) and destroys it on a new problem. The totals
// live in the window's model; the pan keeps only its side.
class TKefeForm : public QWidget
{
    Q_OBJECT
public:
    // `taraf`: SOL_KEFE or SAG_KEFE.
    TKefeForm(TTeraziForm* terazi, int taraf);

    QLabel* Label1;
    // "Bilinmeyen Ekle" of the pan's right-click menu; the window makes it.
    void BilinmeyenActionKur(QAction* eylem);

    int Taraf() const { return taraf_; }
    qint64 Total() const;
    bool HasUnknown() const;
    qint64 TotalWithUnknown() const;
    // The label says the total ("X" for the unknown alone, "4 + X" beside it);
    // then the window judges the balance again.
    void UpdatePanLabel();
    // Every weight leaves the pan, except the unknown, which the window destroys itself.
    void ClearPan();
    // Automatic drag mode for every weight of the pan, or manual (split mode).
    void SetPanDragMode(bool otomatik);
    bool OtomatikSurukleme() const { return otomatik_; }
    // A weight of `kg` kilograms at a random place of the pan; the label stays as it was.
    AgirlikShape* AddPiece(int kg);
    // The one unknown, in the middle of the pan; nullptr when it exists already.
    AgirlikShape* AddUnknown();

    // Drag rules of the pan and of its picture and label.
    bool KefeDragOver(QObject* kaynak, QPoint p) const;
    void KefeDragDrop(QObject* kaynak, QPoint p);
    // The weight `birakilan` was dropped on the weight `hedef` lying on this pan.
    void CancelWeights(QObject* hedef, QObject* birakilan);
    // A press on `agirlik` in split mode: a 3 or a 5 becomes smaller weights.
    void SplitWeight(AgirlikShape* agirlik);

    // The weights lying on the pan, the unknown included; weights on their way
    // out are hidden at once and no longer count.
    QList<AgirlikShape*> Agirliklar() const;

protected:
    bool event(QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    AgirlikShape* agirlikYap(int kg, QPoint yer);
    AgirlikShape* parcaYap(int kg);
    int resimYuksekligi() const;
    // Where a weight may lie: the pan's width, down to the top of its label.
    QSize serbestAlan() const;

    TTeraziForm* terazi_;
    int taraf_;
    bool otomatik_ = true;
    QImage resim_; // the pan's picture at its current size
};
