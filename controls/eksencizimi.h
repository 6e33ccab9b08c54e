#pragma once
#include "eksengeometrisi.h"
#include "renk.h"

#include <QRect>

class QPainter;

// The line drawings the rabbit activities share. Numbers are written in the
// painter's font; `boyanacak` is the part that needs painting (drawing
// outside it is skipped, never clipped differently).

// The coordinate plane on a white sheet `alan`: a grey grid, the blue axes
// with their ticks, and the axis numbers when `sayilar` is set.
void DuzlemCiz(QPainter& ressam, const DuzlemOlcusu& olcu, const QRect& alan, const QRect& boyanacak, bool sayilar);

// A number line in colour `renk`, with every number above its tick when
// `sayilar` is set.
void SayiDogrusuCiz(QPainter& ressam, const SayiDogrusuOlcusu& olcu, TRenk renk, const QRect& boyanacak, bool sayilar);
