#include "kesirkarsilastirma.h"

void KesirCizimi::SetPartCount(int n)
{
    parca_ = std::clamp(n, KESIR_EN_AZ_PARCA, KESIR_EN_COK_PARCA);
    taglar_ = QVector<int>(parca_, 0);
    sayac_ = 0;
}

KesirCizimi::ParcaOku KesirCizimi::ParcaOkunaBas(int yon)
{
    const int n = parca_ + yon;
    if (n > KESIR_EN_COK_PARCA)
        return ParcaOku::CokFazla;
    if (n < KESIR_EN_AZ_PARCA || n == parca_)
        return ParcaOku::Degismedi;
    SetPartCount(n);
    return ParcaOku::Degisti;
}

void KesirCizimi::NewFraction()
{
    const KesirProblemi p = YeniKesirProblemi();
    hedef_ = Kesir{p.Pay, p.Payda};
    gorunum_ = p.Gorunum;
}

void KesirCizimi::Rebuild(int v, bool koru)
{
    gorunum_ = quint8(v);
    sayac_ = 0;
    // A drawing not built yet has nothing to keep.
    if (koru && !taglar_.isEmpty()) {
        taglar_ = SecimleriGeriVer(taglar_, parca_);
        sayac_ = SeciliSayisi(taglar_);
    } else {
        taglar_ = QVector<int>(parca_, 0);
    }
}

void KesirCizimi::ToggleSlice(int i)
{
    SecimDegistir(taglar_, sayac_, i);
}

void KesirCizimi::HedefiSec()
{
    taglar_ = QVector<int>(parca_, 0);
    for (int i = 0; i < hedef_.Pay && i < parca_; ++i)
        taglar_[i] = i + 1;
    sayac_ = SelectedCount();
}

std::optional<CevapYargisi> KesirCizimi::CevapDenetle(const QString& yazilanPay, const QString& yazilanPayda) const
{
    if (mod_ != MOD_KESIR_GOSTER && mod_ != MOD_KESIR_ADI)
        return std::nullopt;
    int pay = 0;
    int payda = 0;
    if (mod_ == MOD_KESIR_ADI) {
        pay = BosSifirTamsayi(yazilanPay);
        payda = BosSifirTamsayi(yazilanPayda);
    }
    return ModCevabi(mod_, SelectedCount(), parca_, hedef_.Pay, hedef_.Payda, pay, payda);
}

void KesirCizimi::SetAreaBrushStyle(Qt::BrushStyle stil)
{
    if (stil != Qt::NoBrush)
        stil_ = stil;
}

// ---------------------------------------------------------------------------

void KesirKarsilastirmaModeli::SetFractionCount(int c)
{
    kesirSayisi_ = std::clamp(c, 1, EN_COK_KESIR);
    if (kesirSayisi_ > 1)
        mod_ = MOD_GORSELLESTIRME;
    for (int i = 0; i < EN_COK_KESIR; ++i)
        SetRank(i, i + 1);
}

KesirCizimi& KesirKarsilastirmaModeli::YeniCizim(int i)
{
    KesirCizimi yeni;
    yeni.SetAllAreaColour(tumAlan_);
    yeni.SetSelectedAreaColour(seciliAlan_);
    yeni.SetShowSliceNumbers(dilimNo_);
    yeni.SetShowSelectionNumbers(seciliNo_);
    // The style picker serves the first drawing only, and it keeps its style.
    if (i == 0)
        yeni.SetAreaBrushStyle(cizimler_[0].AreaBrushStyle());
    return Cizim(i) = yeni;
}

TRenk KesirKarsilastirmaModeli::AlanRengi(bool secili) const
{
    return secili ? seciliAlan_ : tumAlan_;
}

void KesirKarsilastirmaModeli::AlanRengiVer(bool secili, TRenk renk)
{
    (secili ? seciliAlan_ : tumAlan_) = renk;
    for (KesirCizimi& c : cizimler_)
        secili ? c.SetSelectedAreaColour(renk) : c.SetAllAreaColour(renk);
}

void KesirKarsilastirmaModeli::SetShowSliceNumbers(bool goster)
{
    dilimNo_ = goster;
    for (KesirCizimi& c : cizimler_)
        c.SetShowSliceNumbers(goster);
}

void KesirKarsilastirmaModeli::SetShowSelectionNumbers(bool goster)
{
    seciliNo_ = goster;
    for (KesirCizimi& c : cizimler_)
        c.SetShowSelectionNumbers(goster);
}

std::optional<PaneYargisi> KesirKarsilastirmaModeli::Denetle(int i) const
{
    if (!PaneBagli(i))
        return std::nullopt;
    return KesirDenetle(Fraction(i), Cizim(i).SelectedCount(), Cizim(i).PartCount());
}

GenisletmeSonucu KesirKarsilastirmaModeli::KesriGenislet(int i, const QString& cevap)
{
    const GenisletmeSonucu s = Genislet(Fraction(i), cevap);
    if (s.Durum == GenisletmeSonucu::Degisti)
        SetFraction(i, s.Yeni);
    return s;
}

void KesirKarsilastirmaModeli::PayCevabiVer(int i, const QString& cevap)
{
    if (const std::optional<int> pay = PayCevabi(cevap))
        SetFraction(i, Kesir{*pay, Fraction(i).Payda});
}

KesirKarsilastirmaModeli::PaydaSonucu KesirKarsilastirmaModeli::PaydaCevabiVer(int i, const QString& cevap)
{
    const std::optional<int> payda = ::PaydaCevabi(cevap);
    if (!payda)
        return PaydaSonucu::Yok;
    if (*payda <= 0)
        return PaydaSonucu::Sifir;
    SetFraction(i, Kesir{Fraction(i).Pay, *payda});
    return PaydaSonucu::Degisti;
}

void KesirKarsilastirmaModeli::RankChanged(int eski, int yeni)
{
    QVector<int> siralar;
    for (const Pane& p : paneler_)
        siralar << p.Sira;
    SiraDegistir(siralar, eski, yeni);
    for (int i = 0; i < EN_COK_KESIR; ++i)
        SetRank(i, siralar[i]);
}

bool KesirKarsilastirmaModeli::CompareRanks() const
{
    QVector<Kesir> kesirler;
    QVector<int> siralar;
    for (int i = 0; i < kesirSayisi_; ++i) {
        kesirler << Fraction(i);
        siralar << Rank(i);
    }
    return SiralamaDogru(kesirler, siralar);
}
