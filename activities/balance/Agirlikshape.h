#pragma once
#include "Myshape.h"

// A weight of the balance: an ImajSayiShape of `kg` kilograms (1, 3, 5, or
// BILINMEYEN for the unknown X) with the size, colour, Tag and number of its
// kind, drawn from the program's art with its number on the block. It keeps
// the token's messages: a drop on it and a press of it are sent to its parent.
class AgirlikShape : public ImajSayiShape
{
    Q_OBJECT
public:
    AgirlikShape(QWidget* sahip, int kg);

    bool Bilinmeyen() const { return Tag == SayiShape::UNKNOWN_VALUE; }

protected:
    void paintEvent(QPaintEvent* olay) override;
};
