#include "kumealistirmasi.h"
#include "kumelistesi.h"
#include "metinler.h"
#include "sesnumaralari.h"

KumeAlistirmasi::KumeAlistirmasi()
{
    KelimeleriAyarla(QStringLiteral("ankara"), QStringLiteral("istanbul"));
}

void KumeAlistirmasi::KelimeleriAyarla(const QString& ilk, const QString& ikinci)
{
    word1_ = ilk;
    word2_ = ikinci;
    ortak_.clear();
    const QStringList harfler2 = KelimeHarfleri(word2_);
    for (const QString& harf : KelimeHarfleri(word1_))
        if (harfler2.contains(harf))
            SiraliEkleTam(ortak_, harf);
}

KumeYaniti KumeAlistirmasi::Ipucu() const
{
    const QString liste = ortak_.isEmpty() ? QString() : ListeBirlestir(&ortak_, QLatin1Char(','), false);
    return {SES_NOTR, QStringLiteral("İpucumuz :AnB={") + liste + QLatin1Char('}')};
}

KumeYaniti KumeAlistirmasi::Denetle(bool yerlesecekVar, const QSet<QString>& kesisim) const
{
    if (yerlesecekVar)
        return {SES_HATA, QStringLiteral("Daha yerleştirilecek metin var")};
    if (QSet<QString>(ortak_.begin(), ortak_.end()) == kesisim)
        return {SES_TEBRIK, QStringLiteral("Tebrikler!Doğru cevap verdiniz.")};
    return {SES_HATA, QStringLiteral("Maalesef yanlış cevap verdiniz.\nLütfen Tekrar deneyiniz.")};
}

CemberYerleri CemberYerleriHesapla(QSize tahta)
{
    const int r = qMax(20, qMin((tahta.height() - 50) / 2, (tahta.width() - 250) / 3 - 10));
    const int cy = (tahta.height() - 50) / 2 + 25;
    return {r, QPoint(r + 10, cy), QPoint(2 * r + 20, cy)};
}
