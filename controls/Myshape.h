#pragma once
#include "asal.h"
#include "carpandugumu.h"
#include "renk.h"

#include <QPointer>
#include <QWidget>
#include <memory>

#include <QLineEdit>
class QPainter;

// Messages the number tokens send to their parent widget.
constexpr int MSG_SHAPE_DROPPED = 1151;   // wParam the receiving token, lParam the dropped object
constexpr int MSG_SHAPE_ACTIVATED = 1161; // wParam the address of Value (SayiShape) or the token (ImajSayiShape)
constexpr int MSG_SHAPE_PRESSED = 3599;   // wParam the address of Value

// The dynamic property through which a window tells its tree nodes its Tag
// (the factor tree's windows are 1 and 2). Panels and other plain widgets
// do not have it, so nodes on them answer OwnerTag 0.
extern const char* const FORM_TAG_OZELLIGI;

enum class SekilTuru { Kare, Daire };

// A drawn shape with a pen and a brush, painted at paint time from TRenk.
// Square and circle stand centred in the widget with the side of the shorter edge.
class SekilKontrolu : public QWidget
{
    Q_OBJECT
public:
    explicit SekilKontrolu(QWidget* ebeveyn);

    TRenk Firca = clWhite;
    TRenk Kalem = clBlack;
    SekilTuru Sekil = SekilTuru::Kare;
    int Tag = 0;
    // Drawn across the whole widget (a rectangle or an ellipse) rather than as
    // a centred square or circle: a node widened for a long number keeps it inside.
    bool Yayvan = false;

    void FircaAyarla(TRenk renk);
    void SekilAyarla(SekilTuru sekil);

protected:
    // The outline and the fill.
    void SekliCiz(QPainter& p) const;
    // The top-left of `metin` centred on (cx, cy), each half truncated toward zero.
    static QPoint OrtalaMetin(const QFontMetrics& fm, const QString& metin, int cx, int cy);
};

// A node of a factor tree: it shows a node of the tree's model (its number,
// state, children and whether it waits for a divisor) and passes the pupil's
// divisors to it. It owns its two children and its two divisor boxes; all
// four are siblings of the node on the same surface (its parent widget), and
// destroying a root destroys the whole tree with its model.
class MyShape : public SekilKontrolu
{
    Q_OBJECT
public:
    // `ebeveynDugum` is the node this one was split from (nullptr for a root).
    // The node made here has a model of its own.
    MyShape(QWidget* sahip, int deger, MyShape* ebeveynDugum);
    // A root showing `dugum`, the root of a tree that a model keeps; the
    // model must keep it while the control lives.
    MyShape(QWidget* sahip, CarpanDugumu& dugum);
    ~MyShape() override;

    // 1 available, 0 used (silver, fixed), -1 placed copy (red, fixed): the
    // model's state, read here; SetState changes it.
    const int& State;
    const int Spread = 100; // base horizontal distance of the children

    const CarpanDugumu& Dugum() const { return *dugum_; }
    void SetValue(int deger);
    int Value() const { return dugum_->Value(); }
    void Expand();
    void SetState(int durum);
    void DrawEdges(QPainter* p) const;
    void LayoutChildren();
    void SolveAll();
    int CountUnsplit() const;
    int CountAvailable(int deger) const;
    bool TakeAvailable(int deger);
    bool IsPrime() const;
    int OwnerTag() const;
    int Depth() const;

    // The divisor typed into `kutu` (one of the two boxes) splits the node.
    // A text that is no integer throws the conversion error before anything changes.
    // The keyboard stays in the tree: a refused divisor leaves its box
    // focused and selected, a split moves the focus to the next box of the
    // tree (see SonrakiBekleyen); when the tree waits for nothing more, the
    // root says AgacBitti.
    void EditEntered(QLineEdit* kutu);
    // The left box of the first node of the subtree that waits for its divisor.
    QLineEdit* BekleyenKutu() const;
    void AutoSplit();
    // Brings this node and its subtree in line with the model: number and
    // colours, the width of an expanded node, children and boxes made where
    // the model has them, and what is shown.
    void Yansit();

    MyShape* LeftChild() const { return leftChild_; }
    MyShape* RightChild() const { return rightChild_; }
    QLineEdit* LeftEdit() const { return leftEdit_; }
    QLineEdit* RightEdit() const { return rightEdit_; }
    MyShape* ParentNode() const { return parentNode_; }

    // Width and height of a new node, the gap between levels, and the box size.
    static constexpr int GENISLIK = 50;
    static constexpr int YUKSEKLIK = 30;
    static constexpr int SEVIYE_ARASI = 50;
    static constexpr int KUTU_GENISLIK = 40;
    static constexpr int KUTU_YUKSEKLIK = 30;

signals:
    // Sent by a root when the last node of its tree has been split by a divisor typed.
    void AgacBitti();

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;

private:
    // The node of this subtree that shows `d`, or nullptr.
    MyShape* Gosteren(const CarpanDugumu* d) const;
    // A node showing `dugum`, which it owns when `sahiplen` is set.
    MyShape(QWidget* sahip, CarpanDugumu* dugum, bool sahiplen, MyShape* ebeveynDugum);
    void DegeriGoster();
    void DurumuGoster();
    // The sound and the message of a split or a refused divisor.
    static void Bildir(const BolmeSonucu& sonuc);
    void FitWidth();
    void CreateChildren();
    void CocukYerleri(QPoint& sol, QPoint& sag) const;
    void KutulariYerlestir();
    QLineEdit* KutuYap(bool sag);
    static int ReadEditNumber(const QLineEdit* kutu);

    std::unique_ptr<CarpanDugumu> kendi_; // the model of a node made on its own
    CarpanDugumu* dugum_;                 // the model node shown: kendi_, or one of the tree's
    int gosterilenDeger_ = 0;             // the number and the state the colours were set for
    int gosterilenDurum_ = 1;
    QPointer<MyShape> leftChild_;
    QPointer<MyShape> rightChild_;
    QPointer<QLineEdit> leftEdit_;
    QPointer<QLineEdit> rightEdit_;
    QPointer<MyShape> parentNode_; // not owned
};

// A round number token: hover highlighting and press messages in click mode,
// drop messages otherwise, and a three-way mark (0 unmarked, 1 blank, 2 struck).
class SayiShape : public SekilKontrolu
{
    Q_OBJECT
public:
    static constexpr int UNKNOWN_VALUE = -10000; // drawn as "X"

    SayiShape(QWidget* sahip, int deger, bool tiklamaKipi);
    ~SayiShape() override;

    bool ClickMode = false;
    int Value = 0;
    quint8 Mark = 0;

    void SetValue(int deger) { Value = deger; }
    void SetMark(int isaret);
    void SetClickMode(bool kip);
    bool IsPrime() const;
    QPoint Merkez() const { return QPoint(width() / 2, height() / 2); }

    // Drag rules of a token outside click mode (only tokens may be dropped).
    bool XDragOver(QObject* kaynak, QPoint p) const;
    void XDragDrop(QObject* kaynak, QPoint p);

    // The token highlighted under the pointer, shared by all tokens; cleared
    // when it dies. There is no leave handling: it stays gray until another
    // token is hovered or the window forgets it.
    static QPointer<SayiShape> Hovered;
    // Labels of struck composites are drawn while this is set.
    static bool ShowAllLabels;

    // The hover step, also what a mouse move over the token does.
    void Hover();
    // The label ("X" for UNKNOWN_VALUE) and whether the current mark shows it.
    QString Etiket() const;
    bool EtiketCizilir() const;

protected:
    enum class Basma { Yok, Basildi, Etkin };

    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
    // The colours of the current mark, without touching the handlers.
    void IsaretRenkleri();

    Basma basma_ = Basma::Yok;
    bool hover_ = false;
};

// A token drawn as a weight: a ring on top of a block, the number on the block.
// A press of any button sends MSG_SHAPE_ACTIVATED with the token itself.
class ImajSayiShape : public SayiShape
{
    Q_OBJECT
public:
    ImajSayiShape(QWidget* sahip, int deger, bool tiklamaKipi);
    ~ImajSayiShape() override;

protected:
    void paintEvent(QPaintEvent* olay) override;
};
