#pragma once
#include <QImage>
#include <QList>
#include <QWidget>

class AgirlikShape;
class QAction;
class QLabel;
class TeraziModeli;

// Messages of a pan to the balance window.
constexpr int MSG_PAN_CHANGED = 1171; // the pan's weights changed: judge the balance again
constexpr int MSG_SPLIT_DONE = 1181;  // a split finished: leave split mode

// One pan of the balance: a see-through child of the balance window with the
// pan's picture, its weights and the orange label of its total. The weights
// lying on a pan are its children, each drawing one weight of the balance's
// model. The pan draws its side of the model and passes the drops it receives
// on to its window, which asks the model and applies the answer.
class TKefeForm : public QWidget
{
    Q_OBJECT
public:
    // `taraf`: SOL_KEFE or SAG_KEFE. The model is the window's and outlives the pan.
    TKefeForm(QWidget* sahip, TeraziModeli& model, int taraf);

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
    // Every weight leaves the pan.
    void ClearPan();
    // Automatic drag mode for every weight of the pan, or manual (split mode).
    void SetPanDragMode(bool otomatik);
    bool OtomatikSurukleme() const { return otomatik_; }
    // A weight of `kg` kilograms at a random place of the pan; the label stays as it was.
    AgirlikShape* AddPiece(int kg);
    // The one unknown, in the middle of the pan; nullptr when it exists already.
    AgirlikShape* AddUnknown();
    // Draws the model's weight `kimlik`, which has come to lie on this pan, where it lies.
    AgirlikShape* AgirlikGoster(int kimlik);
    // The drawn weight of number `kimlik` lying on this pan, or nullptr.
    AgirlikShape* Agirlik(int kimlik) const;

    // Drag rules of the pan and of its picture and label: the drop goes to the window.
    bool KefeDragOver(QObject* kaynak, QPoint p) const;
    void KefeDragDrop(QObject* kaynak, QPoint p);
    // The weight `birakilan` was dropped on the weight `hedef` lying on this pan.
    void CancelWeights(QObject* hedef, QObject* birakilan);
    // A press on `agirlik` in split mode: a 3 or a 5 becomes smaller weights.
    void SplitWeight(AgirlikShape* agirlik);

    // The weights lying on the pan, the unknown included; weights on their way
    // out are hidden at once and no longer count.
    QList<AgirlikShape*> Agirliklar() const;

signals:
    // A drop on the pan at `p`, and a drop on one of its weights.
    void Birakildi(QObject* kaynak, QPoint p);
    void UstuneBirakildi(QObject* hedef, QObject* birakilan);
    // The label changed.
    void EtiketDegisti();
    // A weight left the pan: hidden, to be deleted once no drag runs on it.
    void Ayrildi(QWidget* agirlik);

protected:
    bool event(QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    int resimYuksekligi() const;
    // The label's place, and the model told where a weight may lie.
    void etiketiYerlestir();

    TeraziModeli& model_;
    int taraf_;
    bool otomatik_ = true;
    QImage resim_; // the pan's picture at its current size
};
