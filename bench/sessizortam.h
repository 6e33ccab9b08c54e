#pragma once
#include "ortam.h"

// The environment of a measurement: the quiet one, installed for as long as it
// lives, with every random number at the middle of its range so that figures repeat.
class OlcumOrtami : public SessizOrtam
{
public:
    OlcumOrtami() : onceki_(Ortam::Kurulu()) { Ortam::Kur(this); }
    ~OlcumOrtami() override { Ortam::Kur(onceki_); }
    int Rastgele(int n) override { return n > 1 ? n / 2 : 0; }

private:
    Ortam* onceki_;
};
