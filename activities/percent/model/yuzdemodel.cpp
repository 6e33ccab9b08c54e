#include "yuzdemodel.h"
#include "donusum.h"

#include <algorithm>
#include <array>

namespace {
// A box's integer: 0 when empty, else the strict conversion, refused below 0 or above `sinir`.
int kutuSayisi(const QString& metin, int sinir)
{
    if (metin.isEmpty())
        return 0;
    const int n = TamsayiyaCevirVeyaHata(metin);
    if (n < 0 || n > sinir)
        throw DonusumHatasi(metin);
    return n;
}

using Izgara = std::array<std::array<bool, 10>, 10>; // [row][column]

// Runs of marked cells along each row, as rectangles of whole cells with
// their outlines, runs of neighbouring rows with the same span joined into one.
void hucreSeritleri(const Izgara& isaretli, int kenar, std::vector<QRect>& sonuc)
{
    const size_t ilk = sonuc.size();
    for (int satir = 0; satir < 10; ++satir)
        for (int sutun = 0; sutun < 10;) {
            if (!isaretli[size_t(satir)][size_t(sutun)]) {
                ++sutun;
                continue;
            }
            int son = sutun;
            while (son + 1 < 10 && isaretli[size_t(satir)][size_t(son + 1)])
                ++son;
            const QRect serit(sutun * kenar, satir * kenar, (son - sutun + 1) * kenar + 1, kenar + 1);
            bool birlesti = false;
            for (size_t i = ilk; i < sonuc.size(); ++i) {
                QRect& r = sonuc[i];
                if (r.left() == serit.left() && r.width() == serit.width() && r.bottom() == serit.top()) {
                    r.setBottom(serit.bottom());
                    birlesti = true;
                    break;
                }
            }
            if (!birlesti)
                sonuc.push_back(serit);
            sutun = son + 1;
        }
}
}

QString YuzdelikSiniriMesaji()
{
    return QStringLiteral("Yüzdelik kısım 0 ile %1 arasında olmalıdır").arg(YUZDELIK_SINIRI);
}

SayiGirdisi SayiOku(const QString& tamMetni, const QString& yuzdelikMetni)
{
    SayiGirdisi g;
    g.Sayi.Tam = kutuSayisi(tamMetni, TAM_SINIRI);
    // -5 is an integer: it is refused for what it is, not as a text that is no number.
    const int yuzdelik = yuzdelikMetni.isEmpty() ? 0 : TamsayiyaCevirVeyaHata(yuzdelikMetni);
    if (yuzdelik < 0 || yuzdelik > YUZDELIK_SINIRI) {
        g.Sayi = OndalikSayi{};
        g.Hata = YuzdelikSiniriMesaji();
        return g;
    }
    g.Sayi.Yuzdelik = yuzdelik;
    g.YuzdelikMetni = yuzdelikMetni;
    const bool basSifir = yuzdelikMetni.startsWith(QLatin1Char('0'));
    if (g.Sayi.Yuzdelik < 10 && !basSifir) {
        g.Sayi.Yuzdelik *= 10;
        g.YuzdelikMetni = QString::number(g.Sayi.Yuzdelik);
    }
    return g;
}

QPoint KartKonumu(bool ilk, int sira)
{
    return QPoint(KART_ARALIGI * (sira / KART_SUTUNU) + (ilk ? ILK_SOL : IKINCI_SOL),
                  KART_ARALIGI * (sira % KART_SUTUNU) + KART_USTU);
}

QString KartAdi(bool ilk, int sira, int dolu)
{
    return QStringLiteral("%1 sayının %2. kartı, yüzde %3 dolu")
        .arg(ilk ? QStringLiteral("Birinci") : QStringLiteral("İkinci"))
        .arg(sira + 1)
        .arg(dolu);
}

std::vector<KartYeri> SayiKartlari(bool ilk, OndalikSayi s)
{
    std::vector<KartYeri> kartlar;
    const int tam = std::clamp(s.Tam, 0, TAM_SINIRI);
    const int yuzdelik = std::clamp(s.Yuzdelik, 0, YUZDELIK_SINIRI);
    for (int i = 0; i <= tam; ++i) {
        if (i == tam && yuzdelik == 0)
            break;
        kartlar.push_back({i, KartKonumu(ilk, i), i < tam ? 100 : yuzdelik});
    }
    return kartlar;
}

QPoint KareYeri(int i, bool yatay)
{
    return yatay ? QPoint(i % 10, i / 10) : QPoint(i / 10, i % 10);
}

QRect HucreAlani(int i, bool yatay, int kenar)
{
    const QPoint yer = KareYeri(i, yatay);
    return QRect(yer.x() * kenar, yer.y() * kenar, kenar + 1, kenar + 1);
}

KartCizimi KartCiz(const KartDurumu& kart)
{
    KartCizimi c;
    const int kenar = std::max(1, kart.CellSize);
    const int dolu = std::clamp(kart.FilledCount, 0, 100);
    Izgara doluHucre{}, bosHucre{}, cizilen{};
    for (int i = 0; i < 100; ++i) {
        const QPoint yer = KareYeri(i, kart.Horizontal);
        const size_t satir = size_t(yer.y()), sutun = size_t(yer.x());
        doluHucre[satir][sutun] = i < dolu;
        bosHucre[satir][sutun] = i >= dolu && kart.ShowEmpty;
        cizilen[satir][sutun] = doluHucre[satir][sutun] || bosHucre[satir][sutun];
    }
    hucreSeritleri(doluHucre, kenar, c.Dolu);
    hucreSeritleri(bosHucre, kenar, c.Bos);
    if (!kart.ShowGrid)
        return c;
    // Line k runs between rows (or columns) k - 1 and k; a piece of it is
    // drawn wherever a cell on either side of it is drawn.
    for (int k = 0; k <= 10; ++k)
        for (bool yatayCizgi : {true, false})
            for (int j = 0; j < 10;) {
                auto var = [&](int jj) {
                    auto hucre = [&](int a) {
                        if (a < 0 || a > 9)
                            return false;
                        return yatayCizgi ? cizilen[size_t(a)][size_t(jj)] : cizilen[size_t(jj)][size_t(a)];
                    };
                    return hucre(k - 1) || hucre(k);
                };
                if (!var(j)) {
                    ++j;
                    continue;
                }
                int son = j;
                while (son + 1 < 10 && var(son + 1))
                    ++son;
                const int bas = j * kenar, uzunluk = (son - j + 1) * kenar + 1;
                c.Cizgiler.push_back(yatayCizgi ? QRect(bas, k * kenar, uzunluk, 1) : QRect(k * kenar, bas, 1, uzunluk));
                j = son + 1;
            }
    return c;
}

Karsilastirma KarsilastirmaDuzeni(OndalikSayi ilk, OndalikSayi ikinci, bool karsilastir)
{
    Karsilastirma k;
    k.Karsilastir = karsilastir;
    k.IlkBuyuk = ilk.Yuzdelikler() > ikinci.Yuzdelikler();
    return k;
}

int Karsilastirma::Sol(bool ilk, int sira) const
{
    const bool ilkYerinde = Karsilastir ? !IlkBuyuk : ilk;
    return KartKonumu(ilkYerinde, sira).x();
}

bool Karsilastirma::BosGoster(bool ilk) const
{
    return !Karsilastir || (ilk ? IlkBuyuk : !IlkBuyuk);
}

bool Karsilastirma::Ustte(bool ilk) const
{
    return Karsilastir && !BosGoster(ilk);
}

bool Karsilastirma::BirakincaUsteCikar(bool ilk) const
{
    return !Karsilastir || Ustte(ilk);
}

QPoint BirakmaYeri(QPoint p, QSize masa)
{
    const int x = std::clamp(p.x(), 0, std::max(0, masa.width() - KART_KENARI));
    const int y = std::clamp(p.y(), 0, std::max(0, masa.height() - KART_KENARI));
    return QPoint(x, y);
}
