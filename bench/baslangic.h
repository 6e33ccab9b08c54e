#pragma once

// The child side of the start-up figures: shows the menu (--cocuk-menu) or a
// bare window (--cocuk-bos) maximised, and at its first paint prints its
// resident memory in kB and exits.
int BaslangicCocugu(int argc, char** argv);
