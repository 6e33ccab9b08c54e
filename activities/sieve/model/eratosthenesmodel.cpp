#include "eratosthenesmodel.h"
#include "asal.h"
#include "donusum.h"
#include "sesnumaralari.h"

#include <algorithm>

TahtaOlcusu TahtaOlcusuHesapla(int genislik, int yukseklik)
{
    TahtaOlcusu o;
    o.Sutun = std::max(0, (genislik - 150) / 35);
    o.Satir = std::max(0, (yukseklik - 150) / 25);
    return o;
}

QList<JetonYeri> TahtaJetonlari(TahtaOlcusu olcu, int enBuyuk)
{
    QList<JetonYeri> jetonlar;
    for (int r = 1; r <= olcu.Satir; ++r)
        for (int c = 1; c <= olcu.Sutun; ++c) {
            const int sayi = (r - 1) * olcu.Sutun + c + 1;
            if (sayi > enBuyuk)
                break; // every later row starts above the maximum as well
            jetonlar.append({sayi, r, c});
        }
    return jetonlar;
}

std::optional<int> MaksimumCevabi(const QString& cevap)
{
    if (cevap.isEmpty())
        return std::nullopt;
    const int n = TamsayiyaCevir(cevap).value_or(100);
    return std::min(n, SIEVE_UST_SINIR);
}

void EleyiciIsaretleri::Kur(const QList<JetonYeri>& jetonlar)
{
    isaretler_.assign(jetonlar.isEmpty() ? 0 : size_t(jetonlar.last().Sayi - 1), 0);
}

int EleyiciIsaretleri::Isaret(int sayi) const
{
    return sayi >= 2 && size_t(sayi - 2) < isaretler_.size() ? isaretler_[size_t(sayi - 2)] : 0;
}

quint16 EleyiciIsaretleri::Vur(int n)
{
    if (n > 0)
        for (size_t i = 0; i < isaretler_.size(); ++i)
            if ((int(i) + 2) % n == 0)
                isaretler_[i] = 2;
    return IsPrime(n) ? SES_NOTR : SES_HATA;
}
