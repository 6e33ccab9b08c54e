#include "cebirselhucre.h"
#include "Hesapla.h"
#include "metinler.h"

#include <algorithm>

QString HucreGosterimi(Hesapla& hesap, const QString& metin, bool aciklama)
{
    if (metin.isEmpty())
        return QString();
    double deger = 0;
    const QString gosterim =
        IfadeHesapla(hesap, metin, deger) ? SayiMetni(static_cast<float>(deger), 1) : IFADE_HATASI;
    const bool buyukHarfVar = std::any_of(metin.begin(), metin.end(),
                                          [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); });
    if (aciklama && buyukHarfVar)
        return metin + QLatin1Char('=') + gosterim;
    return gosterim;
}

bool DonguluIfade(Hesapla& hesap, const QString& metin)
{
    if (metin.isEmpty())
        return false;
    double deger = 0;
    IfadeHesapla(hesap, metin, deger);
    return hesap.DonguBayragi != 0;
}

QString SutunBasligi(int sutun)
{
    return sutun <= 0 ? QStringLiteral("*") : QString(QChar(char16_t(64 + sutun)));
}

QString AsciiBuyukHarf(QString metin)
{
    for (QChar& c : metin)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(char16_t(c.unicode() - u'a' + u'A'));
    return metin;
}

bool DegiskenAdiGecerli(const QString& ad)
{
    return !ad.isEmpty()
           && std::all_of(ad.begin(), ad.end(), [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); });
}

QString IfadeHucresiAdi(Hesapla& hesap, int sutun, int satir, const QString& metin)
{
    if (sutun == 0 && satir == 0)
        return QStringLiteral("köşe");
    if (satir == 0)
        return SutunBasligi(sutun) + QStringLiteral(" sütunu");
    if (sutun == 0)
        return QString::number(satir) + QStringLiteral(". satır");
    const QString yer = SutunBasligi(sutun) + QString::number(satir);
    if (metin.isEmpty())
        return yer + QStringLiteral(", boş");
    const QString deger = HucreGosterimi(hesap, metin, false);
    return yer + QStringLiteral(", ") + metin + QStringLiteral(", ")
        + (deger == IFADE_HATASI ? deger : QStringLiteral("değeri ") + deger);
}

QString DegiskenHucresiAdi(int sutun, const QString& metin)
{
    return (sutun == 0 ? QStringLiteral("Değişken: ") : QStringLiteral("Değer: "))
        + (metin.isEmpty() ? QStringLiteral("boş") : metin);
}
