#include "cebirselhucre.h"
#include "Hesapla.h"
#include "Spreadsheetdegiskenler.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The input is a sheet: its lines fill the cells A1 .. A9, B1 .. D9 in turn,
// so expressions refer to one another. Every cell is evaluated with the value
// memory; a small sheet is evaluated without it too, and both must agree.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut)
{
    const QString metin = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boyut));
    BellekTablosu tablo;
    int hucre = 0;
    for (const QString& satir : metin.split(u'\n')) {
        if (hucre == 36)
            break;
        tablo.HucreYaz(1 + hucre / 9, 1 + hucre % 9, satir);
        ++hucre;
    }
    Spreadsheetdegiskenler cozucu(&tablo);
    cozucu.Ayarla(QStringLiteral("X"), 4);
    cozucu.Ayarla(QStringLiteral("ÇAP"), -2.5);
    Hesapla hesap(&cozucu);

    struct Sonuc
    {
        bool basarili;
        double deger;
        int dongu;
    } bellekli[36];
    {
        BellekOturumu oturum(&cozucu);
        for (int i = 0; i < 36; ++i) {
            const QString ifade = tablo.HucreMetni(1 + i / 9, 1 + i % 9);
            double d = 0;
            const bool b = IfadeHesapla(hesap, ifade, d);
            bellekli[i] = {b, d, hesap.DonguBayragi};
            HucreGosterimi(hesap, ifade, true);
        }
    }
    // Without the memory a sheet can cost exponentially many evaluations;
    // a short one stays cheap.
    if (boyut <= 48) {
        for (int i = 0; i < 36; ++i) {
            double d = 0;
            const bool b = IfadeHesapla(hesap, tablo.HucreMetni(1 + i / 9, 1 + i % 9), d);
            const Sonuc& s = bellekli[i];
            if (b != s.basarili || hesap.DonguBayragi != s.dongu || !(d == s.deger || (d != d && s.deger != s.deger)))
                std::abort();
        }
    }
    return 0;
}
