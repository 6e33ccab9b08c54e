#include "donusum.h"

DonusumHatasi::DonusumHatasi(const QString& metin)
    : std::runtime_error(QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(metin).toStdString()),
      mesaj_(QStringLiteral("'%1' geçerli bir tamsayı değeri değil").arg(metin))
{
}

std::optional<int> TamsayiyaCevir(const QString& metin)
{
    int i = 0;
    const int n = metin.size();
    while (i < n && (metin[i] == QLatin1Char(' ') || metin[i] == QLatin1Char('\t')))
        ++i;
    bool eksi = false;
    if (i < n && (metin[i] == QLatin1Char('-') || metin[i] == QLatin1Char('+'))) {
        eksi = metin[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    long long deger = 0;
    for (; i < n; ++i) {
        const char16_t c = metin[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        deger = deger * 10 + (c - u'0');
        if (deger > 2147483648LL)
            return std::nullopt;
    }
    if (eksi)
        deger = -deger;
    if (deger > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(deger);
}

int TamsayiyaCevirVeyaHata(const QString& metin)
{
    const auto sonuc = TamsayiyaCevir(metin);
    if (!sonuc)
        throw DonusumHatasi(metin);
    return *sonuc;
}
