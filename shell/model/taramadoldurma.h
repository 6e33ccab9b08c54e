#pragma once
#include "renk.h"
#include <QPoint>

class QImage;

// Flood fills on a picture, shared by every activity that colours areas of a
// drawing. Both fill the 4-connected area around the seed, one scan line
// segment at a time (no recursion per pixel, so any area size is safe).
//
// The seed is in the picture's logical coordinates and is converted with the
// picture's device pixel ratio; the work itself is done in device pixels.
// A picture that is not Format_RGB32 is first converted to it (it becomes
// opaque). A seed outside the picture fills nothing.
// Both return the number of device pixels filled.

// Border fill: everything reachable from the seed without crossing a pixel of
// colour `sinir` becomes `dolgu`. A seed on the border colour fills nothing.
int SinirDoldur(QImage& resim, QPoint tohum, TRenk sinir, TRenk dolgu);

// Surface fill: the area of the seed pixel's own colour becomes `dolgu`.
int YuzeyDoldur(QImage& resim, QPoint tohum, TRenk dolgu);
