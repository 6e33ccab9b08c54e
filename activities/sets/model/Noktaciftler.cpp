#include "Noktaciftler.h"

const NoktaCift* NoktaCiftler::Get(int indeks) const
{
    if (indeks < 0 || indeks >= Count())
        return nullptr;
    return &kayitlar_[size_t(indeks)];
}

void NoktaCiftler::GrowTo(int n, const NoktaCift& kayit)
{
    while (Count() < n)
        Add(kayit);
}

void NoktaCiftler::Delete(int indeks)
{
    if (indeks >= 0 && indeks < Count())
        kayitlar_.erase(kayitlar_.begin() + indeks);
}

QPoint NoktaCiftler::Nokta(int indeks) const
{
    const NoktaCift* k = Get(indeks);
    return k ? k->Nokta() : QPoint(-1, -1);
}

int NoktaCiftler::Deger(int indeks) const
{
    const NoktaCift* k = Get(indeks);
    return k ? k->Deger() : 0;
}

void NoktaCiftler::NoktaAyarla(int indeks, QPoint p)
{
    if (indeks >= 0 && indeks < Count())
        kayitlar_[size_t(indeks)].NoktaAyarla(p);
}

void NoktaCiftler::DegerAyarla(int indeks, int deger)
{
    if (indeks >= 0 && indeks < Count())
        kayitlar_[size_t(indeks)].DegerAyarla(deger);
}
