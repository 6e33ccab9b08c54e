#pragma once
#include "etkinliktablosu.h"

// The thirteen activities in menu order: the rows their windows name.
const std::vector<EtkinlikSatiri>& EtkinlikTablosu();
// The row of launch code `kod`, or of menu label tag `tag`; nullptr when none.
const EtkinlikSatiri* KodSatiri(int kod);
const EtkinlikSatiri* TagSatiri(int tag);

// Makes the activity window of launch code 1 .. 13 as the menu does, owned by
// `sahip`; nullptr for a code that has no window.
QDialog* EtkinlikOlustur(int kod, QWidget* sahip);
