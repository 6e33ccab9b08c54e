#include "Myfonksiyon.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

const char16_t* const ilkAdlar[FONKSIYON_SAYISI + 1] = {
    u"",     u"sin", u"cos", u"tan", u"cot", u"asin",   u"acos",   u"atan",   u"sqrt",
    u"abs",  u"log", u"ln",  u"exp", u"birler", u"onlar", u"yuzler", u"binler", u"degil"};
const char16_t* const ikinciAdlar[FONKSIYON_SAYISI + 1] = {
    u"",       u"sinüs", u"kosinüs", u"tanjant", u"kotenjant", u"arcsinus", u"arccosinus", u"atan", u"kök",
    u"mutlak", u"log",   u"ln",      u"exp",     u"birler",    u"onlar",    u"yuzler",     u"binler", u"not"};

constexpr double PI = 3.14159265358979323846;

double Radyan(double derece)
{
    return derece * PI * (1.0 / 180);
}

double Derece(double radyan)
{
    return radyan * (1.0 / PI) * 180;
}

// Truncation toward zero into a 32-bit integer; a value beyond that range
// (or no number at all) has no integer to stand for it.
std::int32_t Tamsayi(double x)
{
    if (!(x > -2147483649.0 && x < 2147483648.0))
        throw HesapHatasi{HATA_TASMA};
    return static_cast<std::int32_t>(x);
}

} // namespace

QString FonksiyonAdi(int no)
{
    return no >= 0 && no <= FONKSIYON_SAYISI ? QString::fromUtf16(ilkAdlar[no]) : QString();
}

QString FonksiyonIkinciAdi(int no)
{
    return no >= 0 && no <= FONKSIYON_SAYISI ? QString::fromUtf16(ikinciAdlar[no]) : QString();
}

int FonksiyonNo(const QString& ad)
{
    for (int i = 0; i <= FONKSIYON_SAYISI; ++i)
        if (ad == QStringView(ilkAdlar[i]))
            return i;
    for (int i = 0; i <= FONKSIYON_SAYISI; ++i)
        if (ad == QStringView(ikinciAdlar[i]))
            return i;
    return 0;
}

double FonksiyonUygula(int no, double x)
{
    switch (no) {
    case 1:
        return std::sin(Radyan(x));
    case 2:
        return std::cos(Radyan(x));
    case 3:
        return std::tan(Radyan(x));
    case 4:
        if (x < 0)
            throw HesapHatasi{HATA_NEGATIF_KOTANJANT};
        return 1 / std::tan(Radyan(x));
    case 5:
        if (x >= -1 && x <= 1)
            return Derece(std::asin(x));
        throw HesapHatasi{HATA_ARKSINUS_ARALIGI};
    case 6: {
        if (x < -1 || x > 1)
            return 0;
        const double a = Derece(std::acos(x));
        return a > 90 ? 180 - a : a;
    }
    case 7:
        return Derece(std::atan(x));
    case 8:
        if (x >= 0)
            return std::sqrt(x);
        throw HesapHatasi{HATA_NEGATIF_KOK};
    case 9:
        return double(std::llabs(static_cast<long long>(Tamsayi(x))));
    case 10:
        return std::log10(x);
    case 11:
        return std::log(x);
    case 12:
        return std::exp(x);
    case 13:
        return double((Tamsayi(x) % 10) / 1);
    case 14:
        return double((Tamsayi(x) % 100) / 10);
    case 15:
        return double((Tamsayi(x) % 1000) / 100);
    case 16:
        return double((Tamsayi(x) % 10000) / 1000);
    case 17:
        return x == 0 ? 1 : 0;
    default:
        return 0;
    }
}
