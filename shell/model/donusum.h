#pragma once
#include <QString>
#include <optional>
#include <stdexcept>

// The conversion error of typed integers: "'<metin>' geçerli bir tamsayı değeri değil".
// When a handler lets it escape, the application shows it and the window goes on.
class DonusumHatasi : public std::runtime_error
{
public:
    explicit DonusumHatasi(const QString& metin);
    QString Mesaj() const { return mesaj_; }

private:
    QString mesaj_;
};

// Strict integer conversion: optional leading blanks, optional sign, decimal
// digits, nothing after, inside the 32-bit range. Locale plays no part.
std::optional<int> TamsayiyaCevir(const QString& metin);
// The same, throwing DonusumHatasi when the text is no integer.
int TamsayiyaCevirVeyaHata(const QString& metin);
// The same rules 64 bits wide, for products and multiples that do not fit in 32.
std::optional<long long> UzunTamsayiyaCevir(const QString& metin);
long long UzunTamsayiyaCevirVeyaHata(const QString& metin);
