#pragma once
#include <QColor>
#include <cstdint>

// A colour as the program's models keep it: 24 bits in blue-green-red order
// (0x0000FF is red). Equality is plain integer equality.
using TRenk = std::uint32_t;

constexpr TRenk clBlack = 0x000000;
constexpr TRenk clMaroon = 0x000080;
constexpr TRenk clGreen = 0x008000;
constexpr TRenk clOlive = 0x008080;
constexpr TRenk clNavy = 0x800000;
constexpr TRenk clPurple = 0x800080;
constexpr TRenk clTeal = 0x808000;
constexpr TRenk clGray = 0x808080;
constexpr TRenk clSilver = 0xC0C0C0;
constexpr TRenk clRed = 0x0000FF;
constexpr TRenk clLime = 0x00FF00;
constexpr TRenk clYellow = 0x00FFFF;
constexpr TRenk clBlue = 0xFF0000;
constexpr TRenk clFuchsia = 0xFF00FF;
constexpr TRenk clAqua = 0xFFFF00;
constexpr TRenk clWhite = 0xFFFFFF;
constexpr TRenk clMoneyGreen = 0xC0DCC0;
constexpr TRenk clSkyBlue = 0xF0CAA6;
constexpr TRenk clCream = 0xF0FBFF;
constexpr TRenk clMedGray = 0xA4A0A0;
// The face colour of buttons and plain windows.
constexpr TRenk clBtnFace = 0xF0F0F0;
// No real colour has this value: every real colour fits in 24 bits.
constexpr TRenk clNone = 0x1FFFFFFF;

// The one conversion from the program's colours to Qt's, done at painting time.
// clNone becomes a fully transparent colour.
inline QColor RenkQ(TRenk renk)
{
    if (renk > 0xFFFFFF)
        return QColor(0, 0, 0, 0);
    return QColor(int(renk & 0xFF), int((renk >> 8) & 0xFF), int((renk >> 16) & 0xFF));
}

inline TRenk QRenk(const QColor& renk)
{
    if (!renk.isValid() || renk.alpha() == 0)
        return clNone;
    return TRenk(renk.red()) | (TRenk(renk.green()) << 8) | (TRenk(renk.blue()) << 16);
}
