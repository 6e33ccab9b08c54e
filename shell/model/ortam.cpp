#include "ortam.h"

int SessizOrtam::Rastgele(int n)
{
    if (n <= 0)
        return 0;
    // A small generator of its own: the same numbers on every machine and library.
    durum_ = durum_ * 1664525u + 1013904223u;
    return int((durum_ >> 8) % std::uint32_t(n));
}

namespace {
Ortam* kurulu = nullptr;
Ortam* varsayilan = nullptr;

Ortam& sessiz()
{
    static SessizOrtam ortam;
    return ortam;
}
}

Ortam& Ortam::Gecerli()
{
    if (kurulu)
        return *kurulu;
    return varsayilan ? *varsayilan : sessiz();
}

Ortam* Ortam::Kurulu()
{
    return kurulu;
}

void Ortam::Kur(Ortam* ortam)
{
    kurulu = ortam;
}

void Ortam::VarsayilanKur(Ortam* ortam)
{
    varsayilan = ortam;
}
