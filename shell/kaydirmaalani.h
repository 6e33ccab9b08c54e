#pragma once
#include <QScrollArea>

// The frame of a board that may not fit its place in the window: a board
// that keeps the positions of what a pupil put on it scrolls, in both
// directions, instead of being cut off when the window is made smaller. It
// has no frame and no background of its own, so while the board fits the
// window looks as if the board stood in it directly.
//
// The board keeps its own coordinates. A growing board is at least as large
// as the visible part and as large as it takes to hold every shown child: it
// is fitted when the frame changes size and when its window asks (Sigdir)
// after placing many children at once (`Buyuyen`, the sieve's tokens), or
// also whenever a child moves, whatever moved it (`Izleyen`, cards a pupil
// drags). A laid-out page (`Duzenli`) fills the visible part and scrolls below
// the minimum size of its layout; otherwise (`Sabit`) the board keeps the size
// its window gives it. Numbered messages that the board's children send
// to their parent widget go on to the window, as they did before the board
// was framed.
class KaydirmaAlani : public QScrollArea
{
    Q_OBJECT
public:
    enum Boyut { Sabit, Buyuyen, Izleyen, Duzenli };
    // `ad` is the Turkish name a screen reader gives the board's frame.
    KaydirmaAlani(QWidget* ebeveyn, QWidget* tahta, Boyut boyut, const QString& ad);

    QWidget* Tahta() const { return widget(); }
    // Fits a growing board to the visible part and its children now.
    void Sigdir() { sigdir(); }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    // The size a growing board takes now: the visible part, its minimum size
    // and its shown children, whichever reaches further.
    QSize GerekenBoyut() const;
    void sigdir();
    void sonraSigdir();
    Boyut boyut_;
    bool sigdirmeBekliyor_ = false;
};
