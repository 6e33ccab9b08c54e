#pragma once
#include <QString>

class Hesapla;

// Where the variables grid of the window is written: two columns, one heading row.
class DegiskenTablosu
{
public:
    virtual ~DegiskenTablosu() = default;
    virtual int SatirSayisi() const = 0;
    virtual void SatirSayisiAyarla(int satir) = 0;
    virtual void GecerliSatirAyarla(int satir) = 0;
    virtual void HucreYaz(int sutun, int satir, const QString& metin) = 0;
};

// The variable store the evaluator asks for the value of a name. The base
// knows no variable; each operation has a harmless default.
class Mydegiskenler
{
public:
    virtual ~Mydegiskenler() = default;

    virtual QString AdMetni(const QString& ad) const { return ad; }
    virtual bool Gecerli() const { return true; }
    virtual bool Sil(const QString& ad);
    virtual bool Bilinen(const QString& ad) const;
    // `hesap` may be nullptr; a resolver that evaluates other expressions uses it.
    virtual double Deger(const QString& ad, Hesapla* hesap);
    virtual bool VarolaniAyarla(const QString& ad, double deger);
    virtual void Temizle() {}
    virtual bool Goster(DegiskenTablosu* tablo) const;
    // Adds the variable, or replaces the value of the one of that name.
    virtual bool Ayarla(const QString& ad, double deger);
};
