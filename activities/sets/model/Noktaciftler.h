#pragma once
#include "Noktacift.h"

#include <vector>

// A list of NoktaCift records that owns copies of what is added. Reading a
// record that is not there gives the absent record (point (-1, -1), value 0);
// writing to one does nothing.
class NoktaCiftler
{
public:
    NoktaCiftler() { kayitlar_.reserve(10); }

    // The record at `indeks`, or nullptr when there is none.
    const NoktaCift* Get(int indeks) const;
    void Add(const NoktaCift& kayit) { kayitlar_.push_back(kayit); }
    // Appends copies of `kayit` while the list holds fewer than `n` records.
    void GrowTo(int n, const NoktaCift& kayit);
    void Delete(int indeks);
    int Count() const { return int(kayitlar_.size()); }
    void Clear() { kayitlar_.clear(); }

    QPoint Nokta(int indeks) const;
    int Deger(int indeks) const;
    void NoktaAyarla(int indeks, QPoint p);
    void DegerAyarla(int indeks, int deger);

private:
    std::vector<NoktaCift> kayitlar_;
};
