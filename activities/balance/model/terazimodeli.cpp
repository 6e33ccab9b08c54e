#include "terazimodeli.h"
#include "donusum.h"
#include "ortam.h"

#include <algorithm>

namespace {
int sira(int kg)
{
    switch (kg) {
    case 1:
        return 0;
    case 3:
        return 1;
    case 5:
        return 2;
    default:
        return -1;
    }
}
}

bool AgirlikMi(int kg)
{
    return sira(kg) >= 0;
}

QSize AgirlikBoyu(int kg)
{
    switch (kg) {
    case 1:
        return QSize(18, 24);
    case 3:
        return QSize(24, 30);
    case 5:
        return QSize(30, 36);
    default:
        return QSize(36, 40);
    }
}

TRenk AgirlikRengi(int kg)
{
    switch (kg) {
    case 1:
        return clRed;
    case 3:
        return clAqua;
    case 5:
        return clGreen;
    default:
        return clYellow;
    }
}

QList<int> Parcalar(int kg)
{
    if (kg == 5)
        return {3, 1, 1};
    if (kg == 3)
        return {1, 1, 1};
    return {};
}

QPoint BirakmaYeri(QPoint p, QSize agirlik, QSize serbest)
{
    QPoint yer = p;
    if (yer.x() + agirlik.width() >= serbest.width())
        yer.setX(serbest.width() - agirlik.width() - 5);
    if (yer.y() + agirlik.height() >= serbest.height())
        yer.setY(serbest.height() - agirlik.height() - 5);
    return QPoint(std::max(0, yer.x()), std::max(0, yer.y()));
}

QPoint ParcaYeri(QSize kefe)
{
    const int x = Ortam::Gecerli().Rastgele(kefe.width() - 70) + 20;
    const int y = Ortam::Gecerli().Rastgele(kefe.height() - 70) + 20;
    return QPoint(x, y);
}

QPoint BilinmeyenYeri(QSize kefe)
{
    return QPoint(kefe.width() / 2, kefe.height() / 2 - 30);
}

QString KefeEtiketi(qint64 toplam, bool bilinmeyen)
{
    if (!bilinmeyen)
        return QString::number(toplam);
    if (toplam == 0)
        return QStringLiteral("X");
    return QString::number(toplam) + QStringLiteral(" + X");
}

TeraziDurumu Denge(qint64 sol, qint64 sag)
{
    if (sol == sag)
        return TeraziDurumu::Dengede;
    return sol < sag ? TeraziDurumu::SagAgir : TeraziDurumu::SolAgir;
}

KefeYerleri KefeYerleriHesapla(TeraziDurumu durum, QPoint resim)
{
    const int il = resim.x();
    const int it = resim.y();
    switch (durum) {
    case TeraziDurumu::SolAgir:
        return {QPoint(il - 123, it + 165), QPoint(il - 123 + 421, it + 65)};
    case TeraziDurumu::SagAgir:
        return {QPoint(il - 128, it + 65), QPoint(il - 128 + 419, it + 165)};
    case TeraziDurumu::Dengede:
        break;
    }
    return {QPoint(il - 128, it + 95), QPoint(il - 128 + 436, it + 95)};
}

// ---------------------------------------------------------------------------

int KefeModeli::Adet(int kg) const
{
    const int i = sira(kg);
    return i < 0 ? 0 : Adetler[size_t(i)];
}

int TeraziModeli::BilinmeyenKefesi() const
{
    if (Kefeler[SOL_KEFE].HasUnknown)
        return SOL_KEFE;
    if (Kefeler[SAG_KEFE].HasUnknown)
        return SAG_KEFE;
    return YER_YOK;
}

qint64 TeraziModeli::TotalWithUnknown(int k) const
{
    const KefeModeli& p = Kefe(k);
    return p.Total + (p.HasUnknown ? UnknownValue : 0);
}

QString TeraziModeli::Etiket(int k) const
{
    return KefeEtiketi(Kefe(k).Total, Kefe(k).HasUnknown);
}

TeraziDurumu TeraziModeli::Durum() const
{
    return Denge(TotalWithUnknown(SOL_KEFE), TotalWithUnknown(SAG_KEFE));
}

bool TeraziModeli::agirlikKoy(int k, int kg, int adet)
{
    const int i = sira(kg);
    if (!kefeMi(k) || i < 0)
        return false;
    int& sayi = kefe(k).Adetler[size_t(i)];
    if (sayi + adet < 0)
        return false;
    sayi += adet;
    kefe(k).AddToTotal(qint64(kg) * adet);
    return true;
}

bool TeraziModeli::AgirlikEkle(int k, int kg)
{
    return agirlikKoy(k, kg, 1);
}

bool TeraziModeli::AgirlikTasi(int kaynak, int hedef, int kg)
{
    if (Frozen || !kefeMi(kaynak) || !kefeMi(hedef))
        return false;
    if (kg == BILINMEYEN) {
        if (!kefe(kaynak).HasUnknown)
            return false;
        kefe(kaynak).HasUnknown = false;
        kefe(hedef).HasUnknown = true;
        return true;
    }
    if (kaynak == hedef)
        return Kefe(kaynak).Adet(kg) > 0;
    if (!agirlikKoy(kaynak, kg, -1))
        return false;
    return agirlikKoy(hedef, kg, 1);
}

bool TeraziModeli::AgirlikCikar(int k, int kg)
{
    if (!DisariBirakilabilir(kg == BILINMEYEN))
        return false;
    return agirlikKoy(k, kg, -1);
}

IptalKarari TeraziModeli::Iptal(int hedefKefe, int hedef, int birakilanYeri, int birakilan)
{
    IptalKarari karar;
    if (!kefeMi(hedefKefe) || birakilanYeri == YER_YOK)
        return karar;
    karar.Sonuc = IptalKarari::Red;
    if (birakilanYeri == PALET) {
        karar.Mesaj = QStringLiteral("Önce ağırlığı bir kefeye bırakınız!");
        return karar;
    }
    if (birakilanYeri == hedefKefe) {
        karar.Mesaj = hedef == birakilan ? QStringLiteral("Aynı Kefeden aynı oranları götüremezsiniz!")
                                         : QStringLiteral("Aynı Kefeden farklı ağırlıkları Götüremezsiniz!");
        return karar;
    }
    // The unknown counts by its Tag, so it never equals a weight.
    if (hedef != birakilan || !AgirlikMi(hedef)) {
        karar.Mesaj = QStringLiteral("Eşit olmayan ağırlıkları Götüremezsiniz!");
        return karar;
    }
    if (Kefe(hedefKefe).Adet(hedef) == 0 || Kefe(birakilanYeri).Adet(birakilan) == 0) {
        karar.Sonuc = IptalKarari::Yok;
        return karar;
    }
    agirlikKoy(hedefKefe, hedef, -1);
    agirlikKoy(birakilanYeri, birakilan, -1);
    karar.Sonuc = IptalKarari::Kabul;
    return karar;
}

QList<int> TeraziModeli::Bol(int k, int kg)
{
    const QList<int> parcalar = Parcalar(kg);
    if (parcalar.isEmpty() || !kefeMi(k) || Kefe(k).Adet(kg) == 0)
        return {};
    for (int parca : parcalar)
        agirlikKoy(k, parca, 1);
    agirlikKoy(k, kg, -1);
    return parcalar;
}

bool TeraziModeli::BilinmeyenEkle(int k)
{
    if (UnknownAdded || !kefeMi(k))
        return false;
    kefe(k).HasUnknown = true;
    UnknownAdded = true;
    return true;
}

bool TeraziModeli::EqualiseUnknown()
{
    const int yer = BilinmeyenKefesi();
    if (Frozen || yer == YER_YOK)
        return false;
    // X weighed nothing until now, so the plain totals decide.
    const int diger = yer == SOL_KEFE ? SAG_KEFE : SOL_KEFE;
    UnknownValue = Kefe(diger).Total - Kefe(yer).Total;
    Frozen = true;
    return true;
}

CevapSonucu TeraziModeli::CheckAnswer(const QString& metin) const
{
    const qint64 cevap = UzunTamsayiyaCevirVeyaHata(metin);
    if (cevap == UnknownValue)
        return {true, QStringLiteral("Tebrikler x değerini doğru buldunuz.")};
    return {false, QStringLiteral("Maalesef x değerini bulamadınız.\nTekrar Deneyiniz!")};
}

void TeraziModeli::KefeyiBosalt(int k)
{
    if (kefeMi(k))
        kefe(k) = KefeModeli();
}

void TeraziModeli::YeniProblem()
{
    Frozen = false;
    UnknownAdded = false;
    UnknownValue = 0;
    KefeyiBosalt(SOL_KEFE);
    KefeyiBosalt(SAG_KEFE);
}
