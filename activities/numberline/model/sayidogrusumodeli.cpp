#include "sayidogrusumodeli.h"
#include "donusum.h"

#include <algorithm>

const QString SINIR_MESAJI = QStringLiteral("Bu işlemin sonucu ekran gösterim sınırlarını aşıyor");

SayiDogrusuOlcusu SahneDogrusu()
{
    SayiDogrusuOlcusu o;
    o.Baslangic = -GOSTERIM_SINIRI;
    o.Adet = 2 * GOSTERIM_SINIRI + 1;
    o.Adim = 50;
    return o;
}

HareketPaneliModeli::Sonuc HareketPaneliModeli::Git(const QString& miktar, bool toplama)
{
    const std::optional<int> n = TamsayiyaCevir(miktar);
    if (!n)
        return Sonuc::Yok;
    // 64 bits: a pasted amount may be as large as an int holds.
    const long long sonuc = toplama ? (long long)konum_ + *n : (long long)konum_ - *n;
    if (sonuc > GOSTERIM_SINIRI || sonuc < -GOSTERIM_SINIRI)
        return Sonuc::Sinir;
    istek_ = HareketIstegi{toplama ? 1 : 0, *n};
    denklem_ = DenklemMetni(konum_, *n, toplama, sonuc);
    konum_ = int(sonuc);
    return Sonuc::Git;
}

HareketIstegi HareketPaneliModeli::Sifirla()
{
    konum_ = 0;
    denklem_.clear();
    istek_ = HareketIstegi{1, GERI_DON_MIKTARI};
    return istek_;
}

QString DenklemMetni(long long eski, long long miktar, bool toplama, long long sonuc)
{
    auto terim = [](long long n) {
        return n < 0 ? QStringLiteral("(%1)").arg(n) : QString::number(n);
    };
    return terim(eski) + (toplama ? QStringLiteral(" + ") : QStringLiteral(" - ")) + terim(miktar)
           + QStringLiteral(" = ") + QString::number(sonuc);
}

void SahneTavsani::Uygula(const HareketIstegi& istek)
{
    const long long a = istek.Toplama ? (long long)istek.Miktar : -(long long)istek.Miktar;
    if (a == GERI_DON_MIKTARI) {
        konum_ = 0;
        sonYon_ = 1;
        return;
    }
    // The panel checked the limits; a request from elsewhere still never leaves the line.
    konum_ = int(std::clamp<long long>(konum_ + a, -GOSTERIM_SINIRI, GOSTERIM_SINIRI));
    sonYon_ = a > 0 ? 1 : (a < 0 ? -1 : 0);
}

int SahneTavsani::ResimSolu(int resimGenisligi) const
{
    return DOGRU_SOLU + SahneDogrusu().CentikX(konum_) - resimGenisligi / 2;
}

int KaydirmaHedefi(int konum, int enFazla)
{
    return std::clamp((konum + GOSTERIM_SINIRI - 10) * SahneDogrusu().Adim, 0, std::max(0, enFazla));
}

int PanelSolu(int konum, int genislik, int panelGenisligi)
{
    return std::max(0, std::min(500 + konum, genislik - panelGenisligi));
}

QString SahneTavsani::Adi() const
{
    return QStringLiteral("Tavşan %1 üzerinde, %2 bakıyor")
        .arg(konum_)
        .arg(SagaBakar() ? QStringLiteral("sağa") : QStringLiteral("sola"));
}
