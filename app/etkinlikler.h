#pragma once
#include "etkinliktablosu.h"

// Makes the activity window of launch code 1 .. 13 as the menu does, owned by
// `sahip`; nullptr for a code that has no window.
QDialog* EtkinlikOlustur(int kod, QWidget* sahip);
