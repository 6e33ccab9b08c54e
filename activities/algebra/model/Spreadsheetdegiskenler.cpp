#include "Spreadsheetdegiskenler.h"
#include "Hesapla.h"
#include "donusum.h"
#include "metinler.h"

#include <algorithm>

BellekTablosu::BellekTablosu(int sutun, int satir)
    : sutun_(std::max(0, sutun)), satir_(std::max(0, satir)), hucreler_(sutun_ * satir_)
{
}

QString BellekTablosu::HucreMetni(int sutun, int satir) const
{
    if (sutun < 1 || satir < 1 || sutun >= sutun_ || satir >= satir_)
        return QString();
    return hucreler_[satir * sutun_ + sutun];
}

void BellekTablosu::HucreYaz(int sutun, int satir, const QString& metin)
{
    if (sutun < 0 || satir < 0 || sutun >= sutun_ || satir >= satir_)
        return;
    hucreler_[satir * sutun_ + sutun] = metin;
}

void BellekTablosu::HucreYaz(const QString& ad, const QString& metin)
{
    if (const auto adres = HucreAdiCoz(ad))
        HucreYaz(adres->Sutun, adres->Satir, metin);
}

std::optional<HucreAdresi> HucreAdiCoz(const QString& ad)
{
    const int n = int(ad.size());
    int i = 0;
    // Column letters count in base 27 with A as 0 (AA is A). A column index
    // past this bound lies outside any grid; stopping there keeps the sum in range.
    constexpr int SINIR = 1 << 20;
    int indeks = 0;
    while (i < n && ad[i] >= QLatin1Char('A') && ad[i] <= QLatin1Char('Z')) {
        indeks = std::min(SINIR, indeks * 27 + (ad[i].unicode() - u'A'));
        ++i;
    }
    if (i == 0 || i == n)
        return std::nullopt;
    const int rakamBasi = i;
    while (i < n && ad[i] >= QLatin1Char('0') && ad[i] <= QLatin1Char('9'))
        ++i;
    if (i == rakamBasi || i != n)
        return std::nullopt;
    // A row number beyond the integer range names no cell.
    const auto satir = TamsayiyaCevir(ad.mid(rakamBasi));
    return HucreAdresi{indeks + 1, satir ? *satir : -1};
}

Spreadsheetdegiskenler::Spreadsheetdegiskenler(const HucreKaynagi* hucreler) : hucreler_(hucreler) {}

bool Spreadsheetdegiskenler::Bilinen(const QString& ad) const
{
    if (!hucreler_ || ad.isEmpty())
        return false;
    const auto adres = HucreAdiCoz(ad);
    return adres && adres->Satir >= 0 && adres->Satir - 1 < hucreler_->SatirSayisi();
}

double Spreadsheetdegiskenler::Deger(const QString& ad, Hesapla* hesap)
{
    if (!hucreler_)
        return 0;
    const auto adres = HucreAdiCoz(ad);
    if (!adres)
        return Mysayidegiskenler::Deger(ad, hesap);
    const QString metin = adres->Satir < 0 ? QString() : hucreler_->HucreMetni(adres->Sutun, adres->Satir);
    if (!hesap)
        return MetinSayiya(metin);
    if (hesap->HesaplananAdlar.contains(ad)) {
        hesap->DonguBayragi = 1;
        return 0;
    }
    if (hesap->DonguBayragi != 0)
        return 0;
    if (bellekDerinligi_ > 0) {
        const auto bulunan = bellek_.constFind(ad);
        if (bulunan != bellek_.constEnd())
            return *bulunan;
    }
    ++degerlendirme_;
    hesap->HesaplananAdlar.append(ad);
    double deger = 0;
    bool basarili = false;
    try {
        basarili = Hesapla_Degerlendir(*hesap, metin, deger, true);
    } catch (...) {
        // An error in the referenced cell makes the reference worth 0; the
        // referring expression goes on.
        basarili = false;
    }
    hesap->HesaplananAdlar.removeOne(ad);
    const double cevap = basarili && hesap->DonguBayragi == 0 ? deger : 0.0;
    if (bellekDerinligi_ > 0 && hesap->DonguBayragi == 0)
        bellek_.insert(ad, cevap);
    return cevap;
}

bool Spreadsheetdegiskenler::Sil(const QString& ad)
{
    bellek_.clear();
    return Mysayidegiskenler::Sil(ad);
}

bool Spreadsheetdegiskenler::VarolaniAyarla(const QString& ad, double deger)
{
    bellek_.clear();
    return Mysayidegiskenler::VarolaniAyarla(ad, deger);
}

void Spreadsheetdegiskenler::Temizle()
{
    bellek_.clear();
    Mysayidegiskenler::Temizle();
}

bool Spreadsheetdegiskenler::Ayarla(const QString& ad, double deger)
{
    bellek_.clear();
    return Mysayidegiskenler::Ayarla(ad, deger);
}

void Spreadsheetdegiskenler::BellekAc()
{
    ++bellekDerinligi_;
}

void Spreadsheetdegiskenler::BellekKapat()
{
    if (bellekDerinligi_ > 0 && --bellekDerinligi_ == 0)
        bellek_.clear();
}
