#include "Degiskenyapilar.h"

#include <algorithm>

Degiskenyapilar::Degiskenyapilar(int kapasite, bool sahip) : kapasite_(std::max(0, kapasite)), sahip_(sahip)
{
    ogeler_.reserve(std::size_t(kapasite_));
}

Degiskenyapilar::~Degiskenyapilar()
{
    Temizle();
}

void Degiskenyapilar::Ekle(Degiskenyapi* degisken)
{
    if (Sayi() == kapasite_)
        ++kapasite_;
    ogeler_.push_back(degisken);
}

Degiskenyapi* Degiskenyapilar::Bul(const QString& ad) const
{
    for (Degiskenyapi* d : ogeler_)
        if (d && d->Ad == ad)
            return d;
    return nullptr;
}

bool Degiskenyapilar::Cikar(Degiskenyapi* degisken)
{
    const auto yer = std::find(ogeler_.begin(), ogeler_.end(), degisken);
    if (yer == ogeler_.end())
        return false;
    ogeler_.erase(yer);
    if (sahip_)
        delete degisken;
    return true;
}

void Degiskenyapilar::Temizle()
{
    if (sahip_)
        for (Degiskenyapi* d : ogeler_)
            delete d;
    ogeler_.clear();
}

Degiskenyapi* Degiskenyapilar::Oge(int i) const
{
    return i >= 0 && i < Sayi() ? ogeler_[std::size_t(i)] : nullptr;
}
