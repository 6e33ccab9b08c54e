#pragma once

// The child side of the start-up figures: shows the menu (--cocuk-menu)
// maximised and reports its first paint and its memory (cocukbildirimi.h).
// The floor, a bare window, is the program orvanta-olcum-taban.
int BaslangicCocugu(int argc, char** argv);
