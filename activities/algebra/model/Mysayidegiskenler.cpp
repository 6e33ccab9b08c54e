#include "Mysayidegiskenler.h"

#include <algorithm>
#include <cmath>

Mysayidegiskenler::Mysayidegiskenler() : liste_(std::make_unique<Degiskenyapilar>(10, true)) {}

bool Mysayidegiskenler::Sil(const QString& ad)
{
    Degiskenyapi* d = liste_->Bul(ad);
    return d && liste_->Cikar(d);
}

bool Mysayidegiskenler::Bilinen(const QString& ad) const
{
    return liste_->Bul(ad) != nullptr;
}

double Mysayidegiskenler::Deger(const QString& ad, Hesapla*)
{
    const Degiskenyapi* d = liste_->Bul(ad);
    return d ? d->Deger : 0.0;
}

bool Mysayidegiskenler::VarolaniAyarla(const QString& ad, double deger)
{
    if (Degiskenyapi* d = liste_->Bul(ad))
        d->Deger = deger;
    return true;
}

void Mysayidegiskenler::Temizle()
{
    liste_->Temizle();
}

bool Mysayidegiskenler::Goster(DegiskenTablosu* tablo) const
{
    if (!tablo)
        return false;
    const int n = liste_->Sayi();
    if (tablo->SatirSayisi() < n + 2)
        tablo->SatirSayisiAyarla(n + 2);
    tablo->GecerliSatirAyarla(n + 1);
    tablo->HucreYaz(0, 0, QStringLiteral("Değişkenler"));
    tablo->HucreYaz(1, 0, QStringLiteral("Değerler"));
    for (int i = 0; i < n; ++i) {
        const Degiskenyapi* d = liste_->Oge(i);
        tablo->HucreYaz(0, i + 1, d->Ad);
        tablo->HucreYaz(1, i + 1, GenelSayiMetni(d->Deger));
    }
    return true;
}

bool Mysayidegiskenler::Ayarla(const QString& ad, double deger)
{
    if (ad.isEmpty() || !liste_)
        return false;
    if (Degiskenyapi* d = liste_->Bul(ad))
        d->Deger = deger;
    else
        liste_->Ekle(new Degiskenyapi{ad, deger});
    return true;
}

QString GenelSayiMetni(double deger)
{
    if (std::isnan(deger))
        return QStringLiteral("NAN");
    if (std::isinf(deger))
        return deger < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (deger == 0)
        return QStringLiteral("0");
    // QString::number is locale-free; only the exponent is rewritten: "1e+20" -> "1E20".
    QString metin = QString::number(deger, 'g', 15);
    const int e = int(metin.indexOf(QLatin1Char('e')));
    if (e < 0)
        return metin;
    QString us = metin.mid(e + 1);
    bool eksi = us.startsWith(QLatin1Char('-'));
    if (us.startsWith(QLatin1Char('+')) || eksi)
        us.remove(0, 1);
    while (us.size() > 1 && us.startsWith(QLatin1Char('0')))
        us.remove(0, 1);
    return metin.left(e) + QLatin1Char('E') + (eksi ? QStringLiteral("-") : QString()) + us;
}
