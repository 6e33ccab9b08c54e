#include "metinler.h"

#include <algorithm>
#include <charconv>
#include <cmath>

QString MetinParcasiAl(const QString& metin, int& konum, QChar ayirici, bool atla)
{
    if (konum < 0)
        konum = 0;
    const int bas = konum;
    while (konum < metin.size() && metin[konum] != ayirici)
        ++konum;
    QString parca = metin.mid(bas, konum - bas);
    if (konum < metin.size() && atla)
        ++konum;
    return parca;
}

QString CiftMetni(int a, int b)
{
    return QString::number(a) + QChar(0x00E9) + QString::number(b) + QChar(0x00E9);
}

QString KarakterTekrar(QChar c, int n)
{
    return n <= 0 ? QString() : QString(n, c);
}

QString MetinTersCevir(const QString& metin)
{
    QString ters = metin;
    std::reverse(ters.begin(), ters.end());
    return ters;
}

QString SayiMetni(float x, int kod)
{
    int basamak = 3;
    if (kod == 0 || kod == 1 || kod == 2 || kod == 6)
        basamak = kod;
    const double d = static_cast<double>(x);
    if (std::isnan(d))
        return std::signbit(d) ? QStringLiteral("-nan") : QStringLiteral("nan");
    if (std::isinf(d))
        return d < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    // Wide enough for the largest float in fixed notation with six decimals.
    char tampon[400];
    const auto sonuc = std::to_chars(tampon, tampon + sizeof tampon, d, std::chars_format::fixed, basamak);
    if (sonuc.ec != std::errc())
        return QString();
    return QString::fromLatin1(tampon, int(sonuc.ptr - tampon));
}

QString TamsayiMetni(long long n)
{
    return QString::number(n);
}

namespace {
// For a number text that a double cannot hold: whether its magnitude lies
// above the range (true) or below it. The place of the first digit that is not
// zero, counted from the point, plus the exponent gives the order of the
// magnitude; a number out of range is far from 1 on one side or the other.
bool BuyuklukUstu(const char* bas, const char* son, bool onaltilik)
{
    const auto rakam = [onaltilik](char c) {
        return onaltilik ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : (c >= '0' && c <= '9');
    };
    bool bulundu = false, noktadan = false;
    long long tamKisim = 0; // digits before the point, from the first that is not zero
    long long kesirSifir = 0; // zeros after the point before the first digit that is not zero
    const char* q = bas;
    for (; q < son && (rakam(*q) || *q == '.'); ++q) {
        if (*q == '.') {
            noktadan = true;
            continue;
        }
        if (!bulundu && *q == '0') {
            if (noktadan)
                ++kesirSifir;
            continue;
        }
        bulundu = true;
        if (!noktadan)
            ++tamKisim;
    }
    // The order of the first digit that is not zero, in digits.
    const long long basamak = tamKisim > 0 ? tamKisim - 1 : -(kesirSifir + 1);
    long long us = 0;
    if (q < son && (*q == 'e' || *q == 'E' || *q == 'p' || *q == 'P')) {
        ++q;
        bool usEksi = false;
        if (q < son && (*q == '+' || *q == '-'))
            usEksi = *q++ == '-';
        for (; q < son && *q >= '0' && *q <= '9'; ++q)
            us = std::min<long long>(us * 10 + (*q - '0'), 1000000000LL);
        if (usEksi)
            us = -us;
    }
    // A hexadecimal digit stands for four binary places; its exponent counts binary places.
    const long long buyukluk = (onaltilik ? basamak * 4 : basamak) + us;
    return buyukluk > 0;
}
}

double MetinSayiya(const QString& metin)
{
    if (metin.isEmpty())
        return 0;
    const QByteArray bayt = metin.toLatin1();
    const char* p = bayt.constData();
    const char* son = p + bayt.size();
    while (p < son && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;
    bool eksi = false;
    if (p < son && (*p == '+' || *p == '-')) {
        eksi = *p == '-';
        ++p;
    }
    double deger = 0;
    auto fmt = std::chars_format::general;
    if (son - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')
        && std::isxdigit(static_cast<unsigned char>(p[2]))) {
        p += 2;
        fmt = std::chars_format::hex;
    }
    // A sign directly after the sign is no number for atof either.
    if (p < son && (*p == '+' || *p == '-'))
        return 0;
    const auto sonuc = std::from_chars(p, son, deger, fmt);
    if (sonuc.ec == std::errc::invalid_argument)
        return 0;
    if (sonuc.ec == std::errc::result_out_of_range)
        // atof gives HUGE_VAL for an overflow and 0 for an underflow.
        deger = BuyuklukUstu(p, sonuc.ptr, fmt == std::chars_format::hex) ? HUGE_VAL : 0.0;
    return eksi ? -deger : deger;
}

QString ListeBirlestir(const QStringList* liste, QChar ayirici, bool sayiIle)
{
    if (!liste)
        return QStringLiteral("0");
    QString sonuc;
    if (sayiIle)
        sonuc = QString::number(liste->size()) + ayirici;
    return sonuc + liste->join(ayirici);
}

std::unique_ptr<QStringList> VirgulleAyir(const QString& metin)
{
    if (metin.isEmpty())
        return nullptr;
    auto liste = std::make_unique<QStringList>();
    int konum = 0;
    while (konum < metin.size())
        liste->append(MetinParcasiAl(metin, konum, QLatin1Char(','), true));
    if (liste->isEmpty())
        return nullptr;
    return liste;
}
