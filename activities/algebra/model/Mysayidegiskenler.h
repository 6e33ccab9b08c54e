#pragma once
#include "Degiskenyapilar.h"
#include "Mydegiskenler.h"

#include <memory>

// Named numeric variables in one owning list (capacity 10, growing by one).
class Mysayidegiskenler : public Mydegiskenler
{
public:
    Mysayidegiskenler();

    bool Sil(const QString& ad) override;
    bool Bilinen(const QString& ad) const override;
    double Deger(const QString& ad, Hesapla* hesap) override;
    bool VarolaniAyarla(const QString& ad, double deger) override;
    void Temizle() override;
    // Heading "Değişkenler" / "Değerler", then one row per variable in list
    // order. The table grows when it has too few rows for every variable and
    // the row after the last one (where the current row goes).
    bool Goster(DegiskenTablosu* tablo) const override;
    bool Ayarla(const QString& ad, double deger) override;

    const Degiskenyapilar& Liste() const { return *liste_; }

protected:
    std::unique_ptr<Degiskenyapilar> liste_;
};

// A double as the variables grid writes it: general format, up to 15
// significant digits, '.' as decimal point whatever the locale ("4", "0.25", "1E20").
QString GenelSayiMetni(double deger);
