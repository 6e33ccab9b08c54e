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

QString JetonAdi(int sayi, int isaret)
{
    const QString s = QString::number(sayi);
    if (isaret != 2)
        return s;
    return IsPrime(sayi) ? s + QStringLiteral(", asal, işaretlendi") : s + QStringLiteral(", asal değil, elendi");
}

int KomsuJeton(int i, int adet, int sutun, TahtaYonu yon)
{
    if (adet <= 0 || i < 0 || i >= adet)
        return i;
    int j = i;
    switch (yon) {
    case TahtaYonu::Sol:
        j = i - 1;
        break;
    case TahtaYonu::Sag:
        j = i + 1;
        break;
    case TahtaYonu::Yukari:
        j = i - sutun;
        break;
    case TahtaYonu::Asagi:
        j = i + sutun;
        break;
    case TahtaYonu::Ilk:
        return 0;
    case TahtaYonu::Son:
        return adet - 1;
    }
    return sutun > 0 && j >= 0 && j < adet ? j : i;
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
