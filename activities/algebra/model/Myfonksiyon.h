#pragma once
#include <QString>

// The errors the evaluator throws; the top-level evaluation catches them and
// the cell shows "İfadede hata var!".
enum HesapHataKodu {
    HATA_NEGATIF_KOK = 1,    // square root of a negative number
    HATA_SIFIRA_BOLME = 2,   // division by zero
    HATA_NEGATIF_KOTANJANT = 3,
    HATA_ARKSINUS_ARALIGI = 4, // arc sine outside -1 .. 1
    // A value that is no finite number a 32-bit float can hold (overflow of
    // pow or exp, cot 0, log 0, a digit function of a value beyond the integer range).
    HATA_TASMA = 5
};

struct HesapHatasi
{
    int Kod;
};

constexpr int FONKSIYON_SAYISI = 17;

// Function names, index 1 .. 17 (index 0 is the empty name, "no function").
QString FonksiyonAdi(int no);
QString FonksiyonIkinciAdi(int no);
// 1 .. 17 for a function name of either table, compared exactly; 0 otherwise.
int FonksiyonNo(const QString& ad);
// The function's result for x; angles in degrees. Throws HesapHatasi. 0 for number 0.
double FonksiyonUygula(int no, double x);
