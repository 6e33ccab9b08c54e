#pragma once
#include "testkaydi.h"

#include <QString>
#include <QStringList>

class QWidget;

// Writes a picture of `pencere` into the screen tour folder as <ad>.png.
// A top-level window is first brought to the tour size of 1366 x 768 when `boyutla` is set.
void EkranKaydet(QWidget* pencere, const QString& ad, bool boyutla = true);

// Class names of the top-level windows still shown: a test's cleanup expects none.
QStringList AcikPencereler();
