#pragma once
#include "Degiskenyapi.h"

#include <QString>
#include <vector>

// A list of variables in the order they were added. An owning list frees a
// variable when it is removed or cleared, and when the list dies; a
// non-owning one only forgets it. A full list grows its capacity by one.
class Degiskenyapilar
{
public:
    explicit Degiskenyapilar(int kapasite = 10, bool sahip = true);
    ~Degiskenyapilar();
    Degiskenyapilar(const Degiskenyapilar&) = delete;
    Degiskenyapilar& operator=(const Degiskenyapilar&) = delete;

    void Ekle(Degiskenyapi* degisken);
    // The first variable named `ad`, or nullptr.
    Degiskenyapi* Bul(const QString& ad) const;
    // Removes the variable (freeing it when owning), closing the gap.
    bool Cikar(Degiskenyapi* degisken);
    void Temizle();
    int Sayi() const { return int(ogeler_.size()); }
    Degiskenyapi* Oge(int i) const;
    int Kapasite() const { return kapasite_; }
    bool Sahip() const { return sahip_; }

private:
    std::vector<Degiskenyapi*> ogeler_;
    int kapasite_;
    bool sahip_;
};
