#include "boncukmodel.h"
#include "donusum.h"
#include "ortam.h"

#include <algorithm>

const char* const RENK_KULLANILMIS = "Bu renk daha önce kullanılmış";
const char* const PUL_FAZLA = "Bir seferde bu kadar boncuk eklenmez!\nTekrar deneyiniz";
const char* const YUKSUZ_MESAJI = "Yüksüz değer yok edilemez!";
const char* const AYNI_DEGER_MESAJI = "Aynı değerler yok edilemez!";

BoncukAyarlari& BoncukAyarlari::Genel()
{
    static BoncukAyarlari ayarlar;
    return ayarlar;
}

TRenk BoncukRengi(int deger)
{
    const BoncukAyarlari& a = BoncukAyarlari::Genel();
    switch (deger) {
    case -1:
        return a.Eksi;
    case 0:
        return a.Yuksuz;
    case 1:
        return a.Arti;
    default:
        return clNone;
    }
}

bool BoncukRengiAyarla(int deger, TRenk renk)
{
    BoncukAyarlari& a = BoncukAyarlari::Genel();
    switch (deger) {
    case -1:
        a.Eksi = renk;
        return true;
    case 0:
        a.Yuksuz = renk;
        return true;
    case 1:
        a.Arti = renk;
        return true;
    default:
        return false;
    }
}

TRenk ToplamRengi(int toplam)
{
    return BoncukRengi(toplam > 0 ? 1 : toplam < 0 ? -1 : 0);
}

RenkKarari RenkSecimi(int deger, TRenk secilen)
{
    if (secilen == BoncukRengi(deger))
        return RenkKarari::Degismez;
    for (int d = -1; d <= 1; ++d)
        if (secilen == BoncukRengi(d))
            return RenkKarari::Kullanilmis;
    return secilen == KUTU_RENGI ? RenkKarari::Kullanilmis : RenkKarari::Yeni;
}

PulGirdisi PulGirdisiOku(const QString& metin)
{
    const int n = TamsayiyaCevir(metin).value_or(0);
    if (n == 0)
        return {};
    // The box takes at most 99 chips of either sign at once. The three
    // characters of the count box cannot hold less than -99; a longer text is
    // refused the same way.
    if (n >= PUL_SINIRI || n <= -PUL_SINIRI)
        return {PulGirdisi::Fazla, n};
    return {PulGirdisi::Tamam, n};
}

QString BoncukAdi(const BoncukOgesi& oge)
{
    if (oge.Cift)
        return oge.IlkPozitif ? QStringLiteral("yüksüz çift: +1 ve -1") : QStringLiteral("yüksüz çift: -1 ve +1");
    return oge.Deger > 0 ? QStringLiteral("+1 pulu") : oge.Deger < 0 ? QStringLiteral("-1 pulu") : QStringLiteral("0 pulu");
}

QString ToplamAdi(int toplam)
{
    return QStringLiteral("Toplam: %1").arg(toplam);
}

QString IslemSatiri(const QString& satir, int n, bool cikarma)
{
    QString sonuc = satir;
    if (!satir.isEmpty())
        sonuc += cikarma ? QLatin1Char('-') : QLatin1Char('+');
    else if (cikarma)
        sonuc += QLatin1Char('-');
    sonuc += QLatin1Char('(');
    if (n > 0)
        sonuc += QLatin1Char('+');
    sonuc += QString::number(n) + QLatin1Char(')');
    return sonuc;
}

QRect KutuAlani(QSize pencere)
{
    return QRect(10, 120, (2 * pencere.width() - 200) / 3 + 200, pencere.height() / 2 + 100);
}

int HucreSayisi(int uzunluk)
{
    return std::max(0, (uzunluk - HUCRE) / HUCRE);
}

QPoint Yasla(QPoint p, bool cift)
{
    const int adim = cift ? CIFT_HUCRESI : HUCRE;
    return QPoint(adim * ((p.x() - 1) / adim), HUCRE * (p.y() / HUCRE));
}

Eslesme EslesmeKarari(int kaynakDeger, int hedefDeger)
{
    if (kaynakDeger == 0 || hedefDeger == 0)
        return Eslesme::Yuksuz;
    if (kaynakDeger != -hedefDeger)
        return Eslesme::AyniDeger;
    return Eslesme::Cift;
}

namespace {
// Cell of a coordinate, rounding down also below 0.
int hucreNo(int v)
{
    return v >= 0 ? v / HUCRE : -((-v + HUCRE - 1) / HUCRE);
}

quint64 anahtar(int sutun, int satir)
{
    return (quint64(quint32(sutun)) << 32) | quint32(satir);
}
}

const BoncukOgesi* BoncukKutusuModeli::Oge(int no) const
{
    if (no < 0 || no >= int(ogeler_.size()))
        return nullptr;
    return &ogeler_[size_t(no)];
}

void BoncukKutusuModeli::dizineEkle(const BoncukOgesi& oge)
{
    if (oge.Alan.isEmpty())
        return;
    for (int y = hucreNo(oge.Alan.top()); y <= hucreNo(oge.Alan.bottom()); ++y)
        for (int x = hucreNo(oge.Alan.left()); x <= hucreNo(oge.Alan.right()); ++x)
            hucreler_[anahtar(x, y)].push_back(oge.No);
}

void BoncukKutusuModeli::dizindenCikar(const BoncukOgesi& oge)
{
    if (oge.Alan.isEmpty())
        return;
    for (int y = hucreNo(oge.Alan.top()); y <= hucreNo(oge.Alan.bottom()); ++y)
        for (int x = hucreNo(oge.Alan.left()); x <= hucreNo(oge.Alan.right()); ++x) {
            auto it = hucreler_.find(anahtar(x, y));
            if (it == hucreler_.end())
                continue;
            std::vector<int>& nolar = it.value();
            nolar.erase(std::remove(nolar.begin(), nolar.end(), oge.No), nolar.end());
            if (nolar.empty())
                hucreler_.erase(it);
        }
}

int BoncukKutusuModeli::yeniOge(int deger, QRect alan, bool cift)
{
    BoncukOgesi oge;
    oge.No = int(ogeler_.size());
    oge.Deger = deger;
    oge.Alan = alan;
    oge.Cift = cift;
    ogeler_.push_back(oge);
    dizineEkle(oge);
    return oge.No;
}

int BoncukKutusuModeli::NoktadakiOge(QPoint p) const
{
    const auto it = hucreler_.constFind(anahtar(hucreNo(p.x()), hucreNo(p.y())));
    if (it == hucreler_.cend())
        return -1;
    int enYeni = -1;
    for (int no : it.value())
        if (no > enYeni && ogeler_[size_t(no)].Alan.contains(p))
            enYeni = no;
    return enYeni;
}

QPoint BoncukKutusuModeli::BosHucre() const
{
    // A box narrower or lower than two cells has no column or row to draw
    // from: every candidate is then the corner cell.
    const int sutun = HucreSayisi(boyut_.width());
    const int satir = HucreSayisi(boyut_.height());
    QPoint aday;
    for (int deneme = 0; deneme < BOS_HUCRE_DENEMESI; ++deneme) {
        const int x = sutun > 0 ? HUCRE * Ortam::Gecerli().Rastgele(sutun) : 0;
        const int y = satir > 0 ? HUCRE * Ortam::Gecerli().Rastgele(satir) : 0;
        aday = QPoint(x, y);
        if (NoktadakiOge(aday) < 0)
            break;
    }
    return aday;
}

const BoncukOgesi& BoncukKutusuModeli::PulEkle(int deger)
{
    const int no = yeniOge(deger, QRect(BosHucre(), QSize(PUL_CAPI, PUL_CAPI)), false);
    toplam_ += deger;
    return ogeler_[size_t(no)];
}

BoncukKutusuModeli::EslesmeSonucu BoncukKutusuModeli::Eslestir(int kaynak, int hedef)
{
    const BoncukOgesi* k = Oge(kaynak);
    const BoncukOgesi* h = Oge(hedef);
    // A chip already paired has left the board: it can neither give nor take a drop.
    if (!k || !h || k->Gizli || h->Gizli)
        return {};
    const Eslesme karar = EslesmeKarari(k->Deger, h->Deger);
    if (karar != Eslesme::Cift)
        return {karar, -1};
    const QRect alan(h->Alan.topLeft(), QSize(2 * h->Alan.width(), h->Alan.height()));
    const bool ilkPozitif = h->Deger == 1;
    ogeler_[size_t(kaynak)].Gizli = true;
    ogeler_[size_t(hedef)].Gizli = true;
    const int cift = yeniOge(0, alan, true);
    ogeler_[size_t(cift)].IlkPozitif = ilkPozitif;
    return {Eslesme::Cift, cift};
}

std::vector<int> BoncukKutusuModeli::AyniYerdekiPullar(const QRect& alan) const
{
    std::vector<int> sonuc;
    const auto it = hucreler_.constFind(anahtar(hucreNo(alan.left()), hucreNo(alan.top())));
    if (it == hucreler_.cend())
        return sonuc;
    for (int no : it.value()) {
        const BoncukOgesi& oge = ogeler_[size_t(no)];
        if (!oge.Cift && !oge.Gizli && oge.Alan == alan)
            sonuc.push_back(no);
    }
    std::sort(sonuc.begin(), sonuc.end());
    return sonuc;
}

bool BoncukKutusuModeli::TasimaKabul(int no, QPoint p) const
{
    const BoncukOgesi* oge = Oge(no);
    if (!oge || oge->Gizli || !QRect(QPoint(0, 0), boyut_).contains(p))
        return false;
    const int orada = NoktadakiOge(Yasla(p, oge->Cift));
    return orada < 0 || orada == no;
}

bool BoncukKutusuModeli::Tasi(int no, QPoint p)
{
    if (!TasimaKabul(no, p))
        return false;
    BoncukOgesi& oge = ogeler_[size_t(no)];
    dizindenCikar(oge);
    oge.Alan.moveTopLeft(Yasla(p, oge.Cift));
    dizineEkle(oge);
    return true;
}

void BoncukKutusuModeli::Temizle()
{
    ogeler_.clear();
    hucreler_.clear();
    toplam_ = 0;
}
