#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// One test executable runs every QTest class of its folder; each class
// registers itself with ORVANTA_TEST(Class) at the end of its file.
int TestKaydet(const char* ad, std::function<QObject*()> yapici);
#define ORVANTA_TEST(Sinif)                                                                                 \
    static const int orvantaTestKaydi_##Sinif = TestKaydet(#Sinif, []() -> QObject* { return new Sinif; });

// Writes a picture of `pencere` into the screen tour folder as <ad>.png.
// A top-level window is first brought to the tour size of 1366 x 768 when `boyutla` is set.
void EkranKaydet(QWidget* pencere, const QString& ad, bool boyutla = true);

// Class names of the top-level windows still shown: a test's cleanup expects none.
QStringList AcikPencereler();
