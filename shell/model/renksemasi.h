#pragma once
#include "renk.h"

// The colour-scheme record of the grid windows (the operation table and the
// algebra sheet); each window holds its own.
// Five pairs of text and background colours: ordinary cells (0,1) and (2,3),
// fixed cells (4,5), the selected cell (6,7), the focused or highlighted cell (8,9).
struct RenkSemasi
{
    TRenk Renkler[10] = {0xFF0000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x0000FF,
                         0xFFFF00, 0x0000FF, 0xFF0000, 0x0000FF, 0x808000};
};
