#pragma once
#include "Myshape.h"

// A weight of the balance: an ImajSayiShape of `kg` kilograms (1, 3, 5, or
// BILINMEYEN for the unknown X) with the size, colour, Tag and number of its
// kind, drawn from the program's art with its number on the block. It keeps
// the token's messages: a drop on it and a press of it are sent to its parent.
// Its Tag is for drawing; the rules know it by `Kimlik`, its number in the
// balance's model.
class AgirlikShape : public ImajSayiShape
{
    Q_OBJECT
public:
    AgirlikShape(QWidget* sahip, int kg, int kimlik);

    bool Bilinmeyen() const { return Tag == SayiShape::UNKNOWN_VALUE; }

    int Kimlik() const { return kimlik_; }

protected:
    void paintEvent(QPaintEvent* olay) override;
    // Space or Enter on a weight that is not carried by keys (split mode) is a press.
    void keyPressEvent(QKeyEvent* olay) override;

private:
    int kimlik_;
};

// The model's number of the weight `o`; 0 for an object that is no weight.
int AgirlikKimligi(const QObject* o);
