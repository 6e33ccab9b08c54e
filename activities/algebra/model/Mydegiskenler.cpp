#include "Mydegiskenler.h"

bool Mydegiskenler::Sil(const QString&)
{
    return true;
}

bool Mydegiskenler::Bilinen(const QString&) const
{
    return false;
}

double Mydegiskenler::Deger(const QString&, Hesapla*)
{
    return 0.0;
}

bool Mydegiskenler::VarolaniAyarla(const QString&, double)
{
    return true;
}

bool Mydegiskenler::Goster(DegiskenTablosu*) const
{
    return false;
}

bool Mydegiskenler::Ayarla(const QString&, double)
{
    return true;
}
