#pragma once

class QApplication;

// Parts that Qt makes by itself inside the program's controls (the scroll
// bars of a board, a help text or a table) get Turkish names for screen
// readers, as they are first polished. A name a window gave stays.
void QtParcalariniAdlandir(QApplication& uygulama);
