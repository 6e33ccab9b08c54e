#pragma once
#include "renk.h"

#include <QWidget>

class KesirCizimi;
class QPainter;

// Messages a slice sends to its parent widget when it is pressed.
constexpr int MSG_SLICE_PRESSED = 1780;       // wParam the slice
constexpr int MSG_ROUND_SLICE_PRESSED = 1580; // wParam the address of the press record

// The press record of a round slice: one shared record, overwritten by every
// press; x and y are in the pressed slice's own coordinates.
struct DilimBasimi
{
    QObject* Sender = nullptr;
    quint8 Button = 0;
    quint8 Shift = 0;
    quint8 Dolgu[2] = {0, 0};
    qint32 X = 0;
    qint32 Y = 0;
};
DilimBasimi& BasimKaydi();

// One part of a whole divided into equal parts: here a strip, a whole control.
// Tag is the selection order (0: not selected, 1: selected first ...), kept
// by the drawing the slice belongs to.
class KesirShape : public QWidget
{
    Q_OBJECT
public:
    explicit KesirShape(QWidget* sahip);

    int SliceIndex = 0;
    bool ShowSliceNo = true;
    bool ShowSelectionNo = true;
    TRenk NormalColour = clYellow;
    TRenk SelectedColour = clRed;
    Qt::BrushStyle SliceBrushStyle = Qt::SolidPattern;
    // The drawing whose selections the slice shows; it outlives the slice.
    // None for a slice on its own, which is never selected.
    const KesirCizimi* Cizim = nullptr;
    int Tag() const;

    // Paints the slice and its numbers with `p`, in the slice's own coordinates.
    void Paint(QPainter& p);
    virtual void DrawSlice(QPainter& p);
    virtual bool HitTest(int x, int y) const;
    virtual QPoint SelectionNoPos() const;
    virtual QPoint SliceNoPos() const;
    virtual void MousePressed(Qt::MouseButton dugme, Qt::KeyboardModifiers tuslar, int x, int y);
    // Whether `metin` written at `yer` is shown: on a strip only where it fits whole.
    virtual bool NumaraYazilir(QPoint yer, const QString& metin) const;

signals:
    // An arrow key on a focused slice: +1 towards the next slice, -1 towards the previous one.
    void OkBasildi(KesirShape* dilim, int yon);

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    // With the focus, Space or Enter presses the slice as a click does.
    void keyPressEvent(QKeyEvent* olay) override;
    void focusInEvent(QFocusEvent* olay) override;
};

// A pie slice. Every slice of a circle is a control of the same size at the
// same place; each draws only its own part, so a press reaches the topmost
// and the window asks each slice in turn whether the press is its own.
class KesirCemberShape : public KesirShape
{
    Q_OBJECT
public:
    explicit KesirCemberShape(QWidget* sahip);

    int PartCount = 1;
    bool CounterClockwise = true;
    int Span = 1; // how many parts the slice covers

    void DrawSlice(QPainter& p) override;
    bool HitTest(int x, int y) const override;
    QPoint SelectionNoPos() const override;
    QPoint SliceNoPos() const override;
    void MousePressed(Qt::MouseButton dugme, Qt::KeyboardModifiers tuslar, int x, int y) override;
    bool NumaraYazilir(QPoint yer, const QString& metin) const override;
};

// A triangle from the centre: the slices together make a regular polygon.
// Numbers and presses work as for the circle it is inscribed in.
class KesirUcgenCemberShape : public KesirCemberShape
{
    Q_OBJECT
public:
    explicit KesirUcgenCemberShape(QWidget* sahip);
    void DrawSlice(QPainter& p) override;
};
