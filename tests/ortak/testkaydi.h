#pragma once
#include <QObject>
#include <functional>

class QCoreApplication;

// One test executable runs every QTest class of its folder; each class
// registers itself with ORVANTA_TEST(Class) at the end of its file.
int TestKaydet(const char* ad, std::function<QObject*()> yapici);
#define ORVANTA_TEST(Sinif)                                                                                 \
    static const int orvantaTestKaydi_##Sinif = TestKaydet(#Sinif, []() -> QObject* { return new Sinif; });

// Runs every registered class, or only the class named by the first argument
// (the remaining arguments then go to QTest as usual). 0 when all passed.
int KayitliTestleriCalistir(QCoreApplication& uygulama);
