#include "duzlemmodeli.h"
#include "donusum.h"
#include "ortam.h"

#include <algorithm>
#include <cstdlib>

const QString YAKALANDI_MESAJI = QStringLiteral("Tebrikler Tavşanı yakaladınız!");

QRect YaprakAlani(QSize pencere, int ust)
{
    return QRect(10, ust, std::max(0, pencere.width() - 20), std::max(0, pencere.height() - ust - 10));
}

void DuzlemOyunu::TavsanYerlestir(int ySiniri)
{
    Ortam& ortam = Ortam::Gecerli();
    int x = ortam.Rastgele(DUZLEM_X_SINIRI);
    int y = ySiniri > 0 ? ortam.Rastgele(ySiniri) : 0;
    if (ortam.Rastgele(2) == 1)
        x = -x;
    if (ortam.Rastgele(2) == 1)
        y = -y;
    Tavsan = QPoint(x, y);
}

bool DuzlemOyunu::SinirdaTut(int ySiniri)
{
    if (std::abs(Tavsan.y()) <= std::max(0, ySiniri - 1))
        return false;
    TavsanYerlestir(ySiniri);
    return true;
}

AtisSonucu AtisDenetle(const QString& x, const QString& y, int ySiniri)
{
    if (x.isEmpty())
        return {AtisTuru::BosX, {}, QStringLiteral("x için uygun bir değer giriniz")};
    if (y.isEmpty())
        return {AtisTuru::BosY, {}, QStringLiteral("y için uygun bir değer giriniz")};
    const std::optional<int> xd = TamsayiyaCevir(x);
    const std::optional<int> yd = TamsayiyaCevir(y);
    if (!xd || !yd)
        return {AtisTuru::Gecersiz, {}, QString()};
    if (*xd > DUZLEM_X_SINIRI || *xd < -DUZLEM_X_SINIRI)
        return {AtisTuru::XDisi, {}, QStringLiteral("Uygun olmayan x değeri")};
    if (*yd > ySiniri || *yd < -ySiniri)
        return {AtisTuru::YDisi, {}, QStringLiteral("Uygun olmayan y değeri")};
    return {AtisTuru::Atis, QPoint(*xd, *yd), QString()};
}

QString PesEtMetni(QPoint tavsan)
{
    return QStringLiteral("Oyunu Kaybettiniz!\nTavşanın yeri ( %1 , %2 ) noktası idi.").arg(tavsan.x()).arg(tavsan.y());
}

std::optional<int> KacmaZamaniCevabi(const QString& cevap)
{
    const std::optional<int> saniye = TamsayiyaCevir(cevap);
    // Below one second the count would pass zero and never make the rabbit jump.
    if (!saniye || *saniye < 1)
        return std::nullopt;
    return saniye;
}

void KacmaSayaci::KacmaZamaniAyarla(int saniye)
{
    kacmaZamani_ = std::max(1, saniye);
}

void KacmaSayaci::Baslat()
{
    kalan_ = kacmaZamani_;
    gosterilen_ = kalan_;
}

bool KacmaSayaci::Tik()
{
    --kalan_;
    gosterilen_ = kalan_;
    if (kalan_ > 0)
        return false;
    kalan_ = kacmaZamani_;
    return true;
}

QPoint ImleciTasi(QPoint imlec, int dx, int dy, int ySiniri)
{
    const int l = std::max(0, ySiniri);
    return QPoint(std::clamp(imlec.x() + dx, -12, 12), std::clamp(imlec.y() + dy, -l, l));
}

QString NoktaAdi(QPoint imlec, const DuzlemOyunu& oyun)
{
    QString ad = QStringLiteral("(%1, %2) noktası").arg(imlec.x()).arg(imlec.y());
    if (imlec == oyun.Tavsan)
        ad += QStringLiteral(", tavşan burada");
    if (imlec == oyun.Tas)
        ad += QStringLiteral(", taş burada");
    return ad;
}
