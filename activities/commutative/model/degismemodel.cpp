#include "degismemodel.h"
#include "donusum.h"
#include "metinler.h"

#include <algorithm>
#include <limits>
#include <utility>

QString TabloDegeriMetni(TabloDegeri deger)
{
    // The magnitude in unsigned arithmetic, so that no value overflows on the way.
    using Isaretsiz = unsigned __int128;
    const bool eksi = deger < 0;
    Isaretsiz kalan = eksi ? Isaretsiz(0) - Isaretsiz(deger) : Isaretsiz(deger);
    char rakamlar[48];
    int n = 0;
    do {
        rakamlar[n++] = char('0' + int(kalan % 10));
        kalan /= 10;
    } while (kalan != 0);
    QString metin;
    metin.reserve(n + 1);
    if (eksi)
        metin += QLatin1Char('-');
    while (n > 0)
        metin += QLatin1Char(rakamlar[--n]);
    return metin;
}

namespace {
TabloDegeri Carp(long long a, long long b)
{
    // Two 64-bit factors give at most 2^126 in magnitude. The product is taken
    // of the magnitudes without a sign, where nothing can overflow.
    using Isaretsiz = unsigned __int128;
    const Isaretsiz ua = a < 0 ? Isaretsiz(0) - Isaretsiz(TabloDegeri(a)) : Isaretsiz(a);
    const Isaretsiz ub = b < 0 ? Isaretsiz(0) - Isaretsiz(TabloDegeri(b)) : Isaretsiz(b);
    const TabloDegeri carpim = TabloDegeri(ua * ub);
    return (a < 0) != (b < 0) ? -carpim : carpim;
}

// Whether every two heads of equal value have the same text: then the
// order of equal heads cannot be seen, and any ascending sort shows what the
// exchange sort shows.
bool EsitlerAyniMetinli(const std::vector<Baslik>& basliklar)
{
    std::vector<const Baslik*> sirali;
    sirali.reserve(basliklar.size());
    for (const Baslik& b : basliklar)
        sirali.push_back(&b);
    std::sort(sirali.begin(), sirali.end(), [](const Baslik* x, const Baslik* y) { return x->Deger < y->Deger; });
    for (size_t i = 1; i < sirali.size(); ++i)
        if (sirali[i]->Deger == sirali[i - 1]->Deger && sirali[i]->Metin != sirali[i - 1]->Metin)
            return false;
    return true;
}
} // namespace

void BasliklariSirala(std::vector<Baslik>& basliklar)
{
    if (EsitlerAyniMetinli(basliklar)) {
        std::stable_sort(basliklar.begin(), basliklar.end(),
                         [](const Baslik& x, const Baslik& y) { return x.Deger < y.Deger; });
        return;
    }
    // The exchange sort itself, on the values and the heads' places; each
    // pass runs from one smaller value to the next, and the heads are put in
    // their places at the end.
    const size_t n = basliklar.size();
    std::vector<long long> degerler(n);
    std::vector<size_t> yerler(n);
    for (size_t i = 0; i < n; ++i) {
        degerler[i] = basliklar[i].Deger;
        yerler[i] = i;
    }
    for (size_t i = 0; i + 1 < n; ++i) {
        long long enKucuk = degerler[i];
        for (size_t j = i + 1;; ++j) {
            while (j < n && degerler[j] >= enKucuk)
                ++j;
            if (j == n)
                break;
            std::swap(degerler[i], degerler[j]);
            std::swap(yerler[i], yerler[j]);
            enKucuk = degerler[i];
        }
    }
    std::vector<Baslik> sirali;
    sirali.reserve(n);
    for (size_t yer : yerler)
        sirali.push_back(std::move(basliklar[yer]));
    basliklar = std::move(sirali);
}

std::optional<std::vector<Baslik>> BaslikCevabi(const QString& cevap)
{
    const std::unique_ptr<QStringList> parcalar = VirgulleAyir(cevap);
    if (!parcalar)
        return std::nullopt;
    std::vector<Baslik> basliklar;
    basliklar.reserve(size_t(parcalar->size()));
    for (const QString& parca : *parcalar) {
        const std::optional<long long> deger = UzunTamsayiyaCevir(parca);
        if (!deger)
            continue;
        if (*deger > EN_BUYUK_BASLIK)
            basliklar.push_back({QString::number(EN_BUYUK_BASLIK), EN_BUYUK_BASLIK});
        else
            basliklar.push_back({parca, *deger});
    }
    BasliklariSirala(basliklar);
    return basliklar;
}

std::optional<int> BoyutCevabi(const QString& cevap, int simdiki)
{
    if (cevap.isEmpty())
        return std::nullopt;
    const std::optional<int> n = TamsayiyaCevir(cevap);
    if (!n || *n == simdiki)
        return std::nullopt;
    return std::clamp(*n, 0, EN_BUYUK_BOYUT);
}

QSize IzgaraBoyutu(int n)
{
    // Qt's largest widget size; a table of millions of heads scrolls anyway.
    constexpr long long EN_BUYUK = 16777215;
    const long long k = std::max(n, 0);
    return QSize(int(std::min(55 + 43 * k, EN_BUYUK)), int(std::min(30 + 36 * k, EN_BUYUK)));
}

QSize IzgaraYerlesimi(int n, QSize alan, QSize cubuk)
{
    // The corner alone has nothing to scroll.
    const QSize kural = IzgaraBoyutu(n);
    if (n <= 0 || (kural.width() <= alan.width() && kural.height() <= alan.height()))
        return kural;
    // The cells alone, in 64 bits: ten thousand heads are 400,000 pixels wide.
    const long long k = std::max(n, 0);
    const long long hucreGenisligi = BASLIK_SUTUNU_GENISLIGI + SUTUN_GENISLIGI * k;
    const long long hucreYuksekligi = SATIR_YUKSEKLIGI + SATIR_YUKSEKLIGI * k;
    // Each scroll bar takes room from the other side; twice settles it.
    bool yatay = false, dikey = false;
    for (int i = 0; i < 2; ++i) {
        yatay = hucreGenisligi > alan.width() - (dikey ? cubuk.width() : 0);
        dikey = hucreYuksekligi > alan.height() - (yatay ? cubuk.height() : 0);
    }
    if (!yatay && !dikey)
        return kural.boundedTo(alan);
    // Along a scrolled side whole cells; along the other the cells and the
    // bar, which the loop above has found room for.
    const int dikeyCubuk = dikey ? cubuk.width() : 0;
    const int yatayCubuk = yatay ? cubuk.height() : 0;
    // At least one cell each way, even where the window has no room for it.
    const int sutun = yatay ? std::max(1, (alan.width() - dikeyCubuk - BASLIK_SUTUNU_GENISLIGI) / SUTUN_GENISLIGI) : n;
    const int satir = dikey ? std::max(1, (alan.height() - yatayCubuk - SATIR_YUKSEKLIGI) / SATIR_YUKSEKLIGI) : n;
    return QSize(BASLIK_SUTUNU_GENISLIGI + SUTUN_GENISLIGI * sutun + dikeyCubuk,
                 SATIR_YUKSEKLIGI + SATIR_YUKSEKLIGI * satir + yatayCubuk);
}

HucreDurumu DurumBelirle(bool baslik, bool secili, bool odakli, bool vurgulu)
{
    if (baslik)
        return HucreDurumu::Baslik;
    if (secili)
        return HucreDurumu::Secili;
    if (odakli || vurgulu)
        return HucreDurumu::Vurgulu;
    return HucreDurumu::Normal;
}

HucreRengi DurumRengi(const RenkSemasi& renkler, HucreDurumu durum)
{
    int cift = 2;
    switch (durum) {
    case HucreDurumu::Baslik:
        cift = 4;
        break;
    case HucreDurumu::Secili:
        cift = 6;
        break;
    case HucreDurumu::Vurgulu:
        cift = 8;
        break;
    case HucreDurumu::Normal:
        break;
    }
    return {renkler.Renkler[cift], renkler.Renkler[cift + 1]};
}

void DegismeTablosu::BasliklariAyarla(std::vector<Baslik> basliklar)
{
    // A count beyond an int cannot be typed into any box; it is cut, never wrapped.
    constexpr size_t EN_COK = size_t(std::numeric_limits<int>::max());
    if (basliklar.size() > EN_COK)
        basliklar.resize(EN_COK);
    boyut_ = int(basliklar.size());
    ozel_ = std::move(basliklar);
}

void DegismeTablosu::BoyutAyarla(int n)
{
    ozel_.reset();
    boyut_ = std::clamp(n, 0, EN_BUYUK_BOYUT);
}

bool DegismeTablosu::KendinGir(const QString& cevap)
{
    std::optional<std::vector<Baslik>> basliklar = BaslikCevabi(cevap);
    if (!basliklar)
        return false;
    BasliklariAyarla(std::move(*basliklar));
    return true;
}

bool DegismeTablosu::BoyutDegistir(const QString& cevap)
{
    const std::optional<int> n = BoyutCevabi(cevap, boyut_);
    if (!n)
        return false;
    BoyutAyarla(*n);
    return true;
}

long long DegismeTablosu::BaslikDegeri(int i) const
{
    if (i < 1 || i > boyut_)
        return 0;
    return ozel_ ? (*ozel_)[size_t(i - 1)].Deger : i - 1;
}

QString DegismeTablosu::BaslikMetni(int i) const
{
    if (i < 1 || i > boyut_)
        return QString();
    return ozel_ ? (*ozel_)[size_t(i - 1)].Metin : QString::number(i - 1);
}

std::optional<TabloDegeri> DegismeTablosu::Deger(int c, int r) const
{
    if (!IcHucre(c, r))
        return std::nullopt;
    const long long a = BaslikDegeri(c);
    const long long b = BaslikDegeri(r);
    if (islem_ == Islem::Toplama)
        return TabloDegeri(a) + TabloDegeri(b);
    return Carp(a, b);
}

QString DegismeTablosu::HucreMetni(int c, int r) const
{
    if (c == 0 && r == 0)
        return islem_ == Islem::Toplama ? QStringLiteral("+") : QStringLiteral("*");
    if (r == 0)
        return BaslikMetni(c);
    if (c == 0)
        return BaslikMetni(r);
    const std::optional<TabloDegeri> v = Deger(c, r);
    return v ? TabloDegeriMetni(*v) : QString();
}

QString DegismeTablosu::HucreAdi(int c, int r, int gecerliC, int gecerliR) const
{
    if (c == 0 && r == 0)
        return islem_ == Islem::Toplama ? QStringLiteral("işlem: toplama") : QStringLiteral("işlem: çarpma");
    if (!IcHucre(c, r))
        return QString();
    const QString isaret = islem_ == Islem::Toplama ? QStringLiteral(" + ") : QStringLiteral(" × ");
    QString ad =
        HucreMetni(c, r) + QStringLiteral(", ") + BaslikMetni(c).trimmed() + isaret + BaslikMetni(r).trimmed();
    if (Vurgulu(c, r, gecerliC, gecerliR))
        ad += QStringLiteral(", vurgulu");
    return ad;
}

bool DegismeTablosu::Vurgulu(int c, int r, int gecerliC, int gecerliR) const
{
    if (!IcHucre(c, r))
        return false;
    switch (gosterim_) {
    case Gosterim::Normal:
        return false;
    case Gosterim::AyniDegerler: {
        const std::optional<TabloDegeri> secilen = Deger(gecerliC, gecerliR);
        return secilen && *Deger(c, r) == *secilen;
    }
    case Gosterim::EtkisizEleman:
        return BaslikDegeri(c) == EtkisizEleman() || BaslikDegeri(r) == EtkisizEleman();
    }
    return false;
}
