#include "piramitmodeli.h"
#include "donusum.h"
#include "metinler.h"
#include "ortam.h"

#include <algorithm>

QString IslemIsareti(PiramitIslemi islem)
{
    switch (islem) {
    case PiramitIslemi::Cikarma:
        return QStringLiteral("-");
    case PiramitIslemi::Carpma:
        return QStringLiteral("x");
    case PiramitIslemi::Toplama:
        break;
    }
    return QStringLiteral("+");
}

HucreDegeri IslemSonucu(PiramitIslemi islem, HucreDegeri sol, HucreDegeri sag)
{
    if (islem == PiramitIslemi::Carpma && ((!sol.CokBuyuk && sol.Sayi == 0) || (!sag.CokBuyuk && sag.Sayi == 0)))
        return HucreDegeri::Sayisi(0);
    if (sol.CokBuyuk || sag.CokBuyuk)
        return HucreDegeri::Tasan();
    qint64 sonuc = 0;
    bool tasti = false;
    switch (islem) {
    case PiramitIslemi::Toplama:
        tasti = __builtin_add_overflow(sol.Sayi, sag.Sayi, &sonuc);
        break;
    case PiramitIslemi::Cikarma:
        tasti = __builtin_sub_overflow(sol.Sayi, sag.Sayi, &sonuc);
        break;
    case PiramitIslemi::Carpma:
        tasti = __builtin_mul_overflow(sol.Sayi, sag.Sayi, &sonuc);
        break;
    }
    return tasti ? HucreDegeri::Tasan() : HucreDegeri::Sayisi(sonuc);
}

QString NumberText(qint64 v)
{
    const QString metin = TamsayiMetni(v);
    return v < 1 ? QLatin1Char('(') + metin + QLatin1Char(')') : metin;
}

QString NumberText(const HucreDegeri& d)
{
    return d.CokBuyuk ? QStringLiteral("(çok büyük)") : NumberText(d.Sayi);
}

QString HucreMetni(const HucreDegeri& d)
{
    return d.CokBuyuk ? QStringLiteral("çok\nbüyük") : TamsayiMetni(d.Sayi);
}

QString TabanSiniriMesaji()
{
    return QStringLiteral("En fazla %1 başlangıç sayısı girebilirsiniz.").arg(PIRAMIT_TABAN_SINIRI);
}

int YatayKayma(int n)
{
    return n < 7 ? 100 : 25;
}

int SatirUstu(int n, int satir, bool yukaridanAsagiya)
{
    return (yukaridanAsagiya ? satir - 1 : n - satir) * HUCRE_YUKSEKLIGI + PIRAMIT_UST_PAYI;
}

QPoint HucreKonumu(int n, int satir, int sutun, bool yukaridanAsagiya)
{
    const int sol = PIRAMIT_SOL_PAYI + (satir - 1) * SATIR_KAYMASI;
    return QPoint(sutun * HUCRE_GENISLIGI + sol + YatayKayma(n), SatirUstu(n, satir, yukaridanAsagiya));
}

int IsaretUstu(bool yukaridanAsagiya)
{
    return yukaridanAsagiya ? 0 : HUCRE_YUKSEKLIGI - 20;
}

int IslemEtiketiUstu(int n)
{
    return (n / 2) * HUCRE_YUKSEKLIGI + 20;
}

QPoint IslemEtiketiKonumu(int n, const QRect& gorunur, QSize etiket)
{
    QPoint p(ISLEM_ETIKETI_SOLU, IslemEtiketiUstu(n));
    if (gorunur.isEmpty())
        return p;
    constexpr int PAY = 10;
    p.setX(std::max(p.x(), gorunur.left() + ISLEM_ETIKETI_SOLU));
    const int alt = gorunur.top() + gorunur.height() - PAY;
    if (p.y() + etiket.height() > alt)
        p.setY(alt - etiket.height());
    p.setY(std::max(p.y(), gorunur.top() + PAY));
    return p;
}

int PiramitYuksekligi(int n)
{
    return std::max(0, n) * HUCRE_YUKSEKLIGI + 30;
}

int PiramitGenisligi(int n)
{
    return PIRAMIT_SOL_PAYI + YatayKayma(n) + std::max(0, n) * HUCRE_GENISLIGI + PIRAMIT_SOL_PAYI;
}

QRect GirisKutusuYeri(QPoint hucre, bool yukaridanAsagiya)
{
    const int ust = hucre.y() + HUCRE_YUKSEKLIGI / 3 - (yukaridanAsagiya ? 0 : 10);
    return QRect(hucre.x() + HUCRE_GENISLIGI / 4, ust, HUCRE_GENISLIGI * 3 / 5, HUCRE_YUKSEKLIGI / 2);
}

void SayiPiramidi::Kur(int n)
{
    boyut_ = std::max(0, n);
    hucreler_.assign(size_t(boyut_) * size_t(boyut_ + 1) / 2, Hucre());
}

int SayiPiramidi::TabanKur(const QList<std::optional<qint64>>& taban, const QStringList& yazilanlar)
{
    Kur(int(taban.size()));
    for (int c = 0; c < boyut_; ++c)
        if (taban[c]) {
            DegerVer({1, c}, HucreDegeri::Sayisi(*taban[c]));
            if (c < yazilanlar.size())
                hucreler_[size_t(Indeks({1, c}))].yazilan = yazilanlar[c];
        }
    return TasanlariIsaretle();
}

void SayiPiramidi::RastgeleKur(int n)
{
    QList<std::optional<qint64>> taban;
    for (int c = 0; c < n; ++c)
        taban << qint64(Ortam::Gecerli().Rastgele(9) + 2);
    TabanKur(taban);
}

int SayiPiramidi::SatirHucreSayisi(int satir) const
{
    return satir >= 1 && satir <= boyut_ ? boyut_ - satir + 1 : 0;
}

int SayiPiramidi::HucreSayisi() const
{
    return int(hucreler_.size());
}

bool SayiPiramidi::Var(HucreYeri y) const
{
    return y.Sutun >= 0 && y.Sutun < SatirHucreSayisi(y.Satir);
}

int SayiPiramidi::Indeks(HucreYeri y) const
{
    if (!Var(y))
        return -1;
    // Rows 1 .. r-1 hold n + (n-1) + ... + (n-r+2) cells.
    const int onceki = (y.Satir - 1) * boyut_ - (y.Satir - 1) * (y.Satir - 2) / 2;
    return onceki + y.Sutun;
}

std::optional<HucreDegeri> SayiPiramidi::Deger(HucreYeri y) const
{
    if (!Var(y))
        return std::nullopt;
    return hucreler_[size_t(Indeks(y))].deger;
}

QString SayiPiramidi::Metin(HucreYeri y) const
{
    if (!Var(y))
        return QString();
    const Hucre& h = hucreler_[size_t(Indeks(y))];
    if (!h.deger)
        return QString();
    return h.yazilan.isEmpty() ? HucreMetni(*h.deger) : h.yazilan;
}

QString SayiPiramidi::Isaret(HucreYeri y) const
{
    return Var(y) ? hucreler_[size_t(Indeks(y))].isaret : QString();
}

void SayiPiramidi::DegerVer(HucreYeri y, std::optional<HucreDegeri> deger, const QString& isaret)
{
    if (!Var(y))
        return;
    Hucre& h = hucreler_[size_t(Indeks(y))];
    h.deger = deger;
    h.isaret = deger ? isaret : QString();
    h.yazilan.clear();
}

int SayiPiramidi::IslemAyarla(PiramitIslemi islem)
{
    islem_ = islem;
    return TasanlariIsaretle();
}

std::optional<HucreDegeri> SayiPiramidi::ExpectedValue(HucreYeri y) const
{
    if (y.Satir < 2 || !Var(y))
        return std::nullopt;
    const std::optional<HucreDegeri> sol = Deger({y.Satir - 1, y.Sutun});
    const std::optional<HucreDegeri> sag = Deger({y.Satir - 1, y.Sutun + 1});
    if (!sol || !sag)
        return std::nullopt;
    return IslemSonucu(islem_, *sol, *sag);
}

QString SayiPiramidi::IslemMetni(HucreYeri y) const
{
    const std::optional<HucreDegeri> sol = Deger({y.Satir - 1, y.Sutun});
    const std::optional<HucreDegeri> sag = Deger({y.Satir - 1, y.Sutun + 1});
    if (y.Satir < 2 || !Var(y) || !sol || !sag)
        return QStringLiteral("?");
    return NumberText(*sol) + IslemIsareti(islem_) + NumberText(*sag) + QStringLiteral("=?");
}

namespace {
// The sign as a reader speaks it: an "x" would be read as the letter.
QString OkunanIsaret(const QString& isaret)
{
    return isaret == QStringLiteral("x") ? QStringLiteral("×") : isaret;
}

QString OkunanSayi(const HucreDegeri& d)
{
    return d.CokBuyuk ? QStringLiteral("çok büyük") : TamsayiMetni(d.Sayi);
}
}

QString SayiPiramidi::ErisimAdi(HucreYeri y) const
{
    if (!Var(y))
        return QString();
    const std::optional<HucreDegeri> deger = Deger(y);
    if (y.Satir == 1)
        return deger ? Metin(y) + QStringLiteral(", taban") : QStringLiteral("boş taban hücresi");
    const std::optional<HucreDegeri> sol = Deger({y.Satir - 1, y.Sutun});
    const std::optional<HucreDegeri> sag = Deger({y.Satir - 1, y.Sutun + 1});
    if (deger) {
        if (deger->CokBuyuk || !sol || !sag)
            return OkunanSayi(*deger);
        return OkunanSayi(*deger) + QStringLiteral(" = ") + OkunanSayi(*sol) + ' ' + OkunanIsaret(Isaret(y)) + ' '
            + OkunanSayi(*sag);
    }
    if (!sol || !sag)
        return QStringLiteral("boş hücre, henüz hesaplanamaz");
    return QStringLiteral("boş hücre, ") + OkunanSayi(*sol) + ' ' + OkunanIsaret(IslemIsareti(islem_)) + ' '
        + OkunanSayi(*sag);
}

HucreYeri SayiPiramidi::Komsu(HucreYeri y, Yon yon) const
{
    HucreYeri k = y;
    switch (yon) {
    case Yon::Sol:
        k.Sutun -= 1;
        break;
    case Yon::Sag:
        k.Sutun += 1;
        break;
    case Yon::Yukari:
        k.Satir += 1;
        k.Sutun = std::min(y.Sutun, SatirHucreSayisi(k.Satir) - 1);
        break;
    case Yon::Asagi:
        k.Satir -= 1;
        break;
    }
    return Var(k) ? k : y;
}

bool SayiPiramidi::Acilabilir(HucreYeri y) const
{
    if (Deger(y))
        return false;
    const std::optional<HucreDegeri> beklenen = ExpectedValue(y);
    return beklenen && !beklenen->CokBuyuk;
}

bool SayiPiramidi::TiklamaDenetler(const QString& cevap)
{
    return UzunTamsayiyaCevir(cevap).has_value();
}

bool SayiPiramidi::CevapDogru(HucreYeri y, const QString& cevap) const
{
    if (!Acilabilir(y))
        return false;
    const std::optional<long long> sayi = cevap.isEmpty() ? 0LL : UzunTamsayiyaCevir(cevap);
    return sayi && *sayi == ExpectedValue(y)->Sayi;
}

bool SayiPiramidi::Doldur(HucreYeri y)
{
    if (!Acilabilir(y))
        return false;
    DegerVer(y, ExpectedValue(y), IslemIsareti(islem_));
    TasanlariIsaretle();
    return true;
}

int SayiPiramidi::TasanlariIsaretle()
{
    // A row depends only on the row beneath, so one pass upwards reaches
    // every cell that a too-large cell makes too large.
    int adet = 0;
    for (int r = 2; r <= boyut_; ++r)
        for (int c = 0; c < SatirHucreSayisi(r); ++c) {
            if (Deger({r, c}))
                continue;
            const std::optional<HucreDegeri> beklenen = ExpectedValue({r, c});
            if (beklenen && beklenen->CokBuyuk) {
                DegerVer({r, c}, beklenen, IslemIsareti(islem_));
                ++adet;
            }
        }
    return adet;
}

std::optional<HucreYeri> SayiPiramidi::IlkBos() const
{
    for (int r = 1; r <= boyut_; ++r)
        for (int c = 0; c < SatirHucreSayisi(r); ++c)
            if (!Deger({r, c}))
                return HucreYeri{r, c};
    return std::nullopt;
}

TRenk SayiPiramidi::Renk(HucreYeri y) const
{
    const std::optional<HucreDegeri> d = Deger(y);
    if (!d)
        return HUCRE_BOS_RENGI;
    return d->CokBuyuk ? HUCRE_COK_BUYUK_RENGI : HUCRE_DOLU_RENGI;
}

TRenk SayiPiramidi::UzerindeRengi(HucreYeri y) const
{
    if (Deger(y))
        return UZERINDE_DOLU_RENGI;
    return ExpectedValue(y) ? UZERINDE_HESAPLANABILIR_RENGI : UZERINDE_HESAPLANAMAZ_RENGI;
}

std::optional<int> YeniBoyutCevabi(const QString& cevap)
{
    const int boy = TamsayiyaCevirVeyaHata(cevap);
    if (boy < 0)
        return std::nullopt;
    return std::min(boy, PIRAMIT_EN_BUYUK_BOY);
}

TabanCevabi TabanCevabiOku(const QString& cevap)
{
    TabanCevabi sonuc;
    const std::unique_ptr<QStringList> ogeler = VirgulleAyir(cevap);
    if (!ogeler)
        return sonuc;
    if (ogeler->size() > PIRAMIT_TABAN_SINIRI) {
        sonuc.Sonuc = TabanCevabi::CokUzun;
        return sonuc;
    }
    for (const QString& oge : *ogeler)
        sonuc.Taban << (oge.isEmpty() ? std::nullopt : std::optional<qint64>(TamsayiyaCevirVeyaHata(oge)));
    sonuc.Yazilanlar = *ogeler;
    sonuc.Sonuc = TabanCevabi::Tamam;
    return sonuc;
}
