#pragma once
#include <QString>

// A named numeric variable. Two variables are the same when their names are
// equal, compared exactly.
struct Degiskenyapi
{
    QString Ad;
    double Deger = 0;
};
