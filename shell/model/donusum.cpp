#include "donusum.h"

#include <limits>

DonusumHatasi::DonusumHatasi(const QString& metin)
    : std::runtime_error(QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(metin).toStdString()),
      mesaj_(QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(metin))
{
}

namespace {
// Collects the digits as a negative number, whose range is one wider, so that
// the smallest value of the type converts and nothing overflows.
template <typename T>
std::optional<T> tamsayi(const QString& metin)
{
    int i = 0;
    const int n = int(metin.size());
    while (i < n && (metin[i] == QLatin1Char(' ') || metin[i] == QLatin1Char('\t')))
        ++i;
    bool eksi = false;
    if (i < n && (metin[i] == QLatin1Char('-') || metin[i] == QLatin1Char('+'))) {
        eksi = metin[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    constexpr T enKucuk = std::numeric_limits<T>::min();
    T deger = 0;
    for (; i < n; ++i) {
        const char16_t c = metin[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int rakam = c - u'0';
        if (deger < (enKucuk + rakam) / 10)
            return std::nullopt;
        deger = T(deger * 10 - rakam);
    }
    if (!eksi) {
        if (deger == enKucuk)
            return std::nullopt;
        deger = -deger;
    }
    return deger;
}
}

std::optional<int> TamsayiyaCevir(const QString& metin)
{
    return tamsayi<int>(metin);
}

std::optional<long long> UzunTamsayiyaCevir(const QString& metin)
{
    return tamsayi<long long>(metin);
}

long long UzunTamsayiyaCevirVeyaHata(const QString& metin)
{
    const auto sonuc = UzunTamsayiyaCevir(metin);
    if (!sonuc)
        throw DonusumHatasi(metin);
    return *sonuc;
}

int TamsayiyaCevirVeyaHata(const QString& metin)
{
    const auto sonuc = TamsayiyaCevir(metin);
    if (!sonuc)
        throw DonusumHatasi(metin);
    return *sonuc;
}
