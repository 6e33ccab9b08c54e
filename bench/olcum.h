#pragma once
#include <functional>
#include <string>
#include <vector>

class QWidget;

// The measuring program prints one line per figure:
//   <name>: <value> <unit> ratio=<r>
// where r is the value divided by a floor measured in the same run. It never
// fails on a figure. Each file of this folder registers its figures with
// ORVANTA_OLCUM(function, order).
int OlcumKaydet(const char* ad, int sira, std::function<void()> islev);
#define ORVANTA_OLCUM(islev, sira) static const int orvantaOlcum_##islev = OlcumKaydet(#islev, sira, islev);

// Prints one figure.
void OlcumYaz(const std::string& ad, double deger, const char* birim, double taban);
// The median wall time of `tekrar` runs of `is`, in milliseconds.
double OrtancaSure(const std::function<void()>& is, int tekrar);
// The median of `degerler`; 0 for none.
double Ortanca(std::vector<double> degerler);

// Shows `pencere` as a classroom projector does, at 1366 x 768 in its normal
// state, and lets it paint.
void ProjektordeGoster(QWidget& pencere);
