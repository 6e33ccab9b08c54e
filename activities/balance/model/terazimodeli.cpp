#include "terazimodeli.h"
#include "donusum.h"
#include "ortam.h"
#include "sesnumaralari.h"

#include <QRect>
#include <algorithm>
#include <cstdlib>
#include <iterator>

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

QString TeraziAdi(TeraziDurumu durum)
{
    switch (durum) {
    case TeraziDurumu::SolAgir:
        return QStringLiteral("Terazi sola eğik");
    case TeraziDurumu::SagAgir:
        return QStringLiteral("Terazi sağa eğik");
    case TeraziDurumu::Dengede:
        break;
    }
    return QStringLiteral("Terazi dengede");
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

TeraziModeli::TeraziModeli()
{
    for (int kg : {1, 3, 5})
        ekle(PALET, kg, QPoint());
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

QString TeraziModeli::KefeAdi(int k) const
{
    if (!kefeMi(k))
        return QString();
    return (k == SOL_KEFE ? QStringLiteral("Sol kefe: ") : QStringLiteral("Sağ kefe: ")) + Etiket(k);
}

QString TeraziModeli::AgirlikAdi(int kimlik) const
{
    const Agirlik* a = Bul(kimlik);
    if (!a)
        return QString();
    const QString ne = a->Kg == BILINMEYEN ? QStringLiteral("X") : QStringLiteral("%1 kg").arg(a->Kg);
    switch (a->Yer) {
    case SOL_KEFE:
        return ne + QStringLiteral(", sol kefede");
    case SAG_KEFE:
        return ne + QStringLiteral(", sağ kefede");
    case PALET:
        return ne + QStringLiteral(", ağırlık sırasında");
    default:
        return ne;
    }
}

QPoint TeraziModeli::BosYer(int k, QSize boyut) const
{
    if (!kefeMi(k))
        return QPoint();
    const QSize alan = serbest_[size_t(k)];
    const QPoint orta(std::max(0, (alan.width() - boyut.width()) / 2), std::max(0, (alan.height() - boyut.height()) / 2));
    QList<QRect> dolu;
    for (const Agirlik& a : agirliklar_)
        if (a.Yer == k)
            dolu << QRect(a.Konum, AgirlikBoyu(a.Kg)).adjusted(-2, -2, 2, 2);
    constexpr int ADIM = 10;
    // Weights fall to the bottom of the pan: the lowest row first, each from
    // the middle outwards. Five pixels stay clear of the right and bottom edges.
    for (int y = alan.height() - boyut.height() - 5; y >= 0; y -= ADIM)
        for (int i = 0;; ++i) {
            const int x = orta.x() + ((i % 2) ? -(i + 1) / 2 : i / 2) * ADIM;
            if (std::abs(x - orta.x()) > orta.x())
                break;
            if (x < 0 || x + boyut.width() + 5 > alan.width())
                continue;
            const QRect yer(QPoint(x, y), boyut);
            if (std::none_of(dolu.begin(), dolu.end(), [&](const QRect& r) { return r.intersects(yer); }))
                return yer.topLeft();
        }
    return orta;
}

TeraziDurumu TeraziModeli::Durum() const
{
    return Denge(TotalWithUnknown(SOL_KEFE), TotalWithUnknown(SAG_KEFE));
}

const Agirlik* TeraziModeli::Bul(int kimlik) const
{
    auto it = agirliklar_.constFind(kimlik);
    return it == agirliklar_.constEnd() ? nullptr : &*it;
}

QList<Agirlik> TeraziModeli::Agirliklar(int yer) const
{
    QList<Agirlik> sonuc;
    for (const Agirlik& a : agirliklar_)
        if (a.Yer == yer)
            sonuc << a;
    return sonuc;
}

int TeraziModeli::PaletAgirligi(int kg) const
{
    for (const Agirlik& a : agirliklar_)
        if (a.Yer == PALET && a.Kg == kg)
            return a.Kimlik;
    return 0;
}

int TeraziModeli::BilinmeyenKimligi() const
{
    for (const Agirlik& a : agirliklar_)
        if (a.Kg == BILINMEYEN)
            return a.Kimlik;
    return 0;
}

void TeraziModeli::KefeAlaniAyarla(int k, QSize boyut, QSize serbest)
{
    if (!kefeMi(k))
        return;
    boyut_[size_t(k)] = boyut;
    serbest_[size_t(k)] = serbest;
}

int TeraziModeli::ekle(int yer, int kg, QPoint konum)
{
    const int kimlik = ++sonKimlik_;
    agirliklar_.insert(kimlik, Agirlik{kimlik, kg, yer, konum});
    if (kefeMi(yer)) {
        if (kg == BILINMEYEN)
            Kefeler[size_t(yer)].HasUnknown = true;
        else
            Kefeler[size_t(yer)].AddToTotal(kg);
    }
    return kimlik;
}

void TeraziModeli::cikar(int kimlik)
{
    const Agirlik a = agirliklar_.take(kimlik);
    if (!kefeMi(a.Yer))
        return;
    if (a.Kg == BILINMEYEN)
        Kefeler[size_t(a.Yer)].HasUnknown = false;
    else
        Kefeler[size_t(a.Yer)].AddToTotal(-a.Kg);
}

bool TeraziModeli::Birakilabilir(int kaynak, int yer) const
{
    if (Frozen)
        return false;
    const Agirlik* s = Bul(kaynak);
    switch (yer) {
    case SOL_KEFE:
    case SAG_KEFE:
        return true;
    case PENCERE_YUZEYI:
        return !s || s->Kg != BILINMEYEN;
    case PALET:
        return s && s->Kg != BILINMEYEN;
    default:
        return false;
    }
}

BirakmaKarari TeraziModeli::Birak(int kaynak, BirakmaHedefi hedef, QPoint nokta)
{
    const Agirlik* s = Bul(kaynak);
    if (!s)
        return {};
    if (hedef.Agirlik != 0)
        return iptal(hedef.Agirlik, kaynak);
    if (!Birakilabilir(kaynak, hedef.Yer))
        return {};
    // A copy: the weight's record goes when a weight of the balance changes.
    const Agirlik surulen = *s;
    if (kefeMi(hedef.Yer))
        return kefeye(surulen, hedef.Yer, nokta);
    return disari(surulen);
}

BirakmaKarari TeraziModeli::kefeye(const Agirlik& s, int k, QPoint nokta)
{
    BirakmaKarari karar;
    if (!(kefeMi(s.Yer) || (s.Yer == PALET && AgirlikMi(s.Kg))))
        return karar;
    karar.Kefe = k;
    karar.Konum = BirakmaYeri(nokta, AgirlikBoyu(s.Kg), serbest_[size_t(k)]);
    // Only the known weights sound as they land.
    karar.Ses = s.Kg == BILINMEYEN ? 0 : SES_NOTR;
    if (s.Yer == k) {
        karar.Sonuc = BirakmaKarari::Tasi;
        karar.Agirlik = s.Kimlik;
        agirliklar_[s.Kimlik].Konum = karar.Konum;
        return karar;
    }
    // The dragged weight is in the middle of its drag: a new one lies on the
    // pan, and one from the other pan leaves once its drag has ended.
    if (kefeMi(s.Yer)) {
        cikar(s.Kimlik);
        karar.KaynakGider = true;
    }
    karar.Sonuc = BirakmaKarari::Kopyala;
    karar.Agirlik = ekle(k, s.Kg, karar.Konum);
    return karar;
}

BirakmaKarari TeraziModeli::disari(const Agirlik& s)
{
    BirakmaKarari karar;
    if (!kefeMi(s.Yer))
        return karar;
    cikar(s.Kimlik);
    karar.Sonuc = BirakmaKarari::Cikar;
    karar.KaynakGider = true;
    return karar;
}

BirakmaKarari TeraziModeli::iptal(int hedef, int kaynak)
{
    BirakmaKarari karar;
    const Agirlik* t = Bul(hedef);
    const Agirlik* s = Bul(kaynak);
    if (!t || !s || hedef == kaynak || !kefeMi(t->Yer))
        return karar;
    karar.Sonuc = BirakmaKarari::Red;
    karar.Ses = SES_HATA;
    if (s->Yer == PALET) {
        karar.Mesaj = QStringLiteral("Önce ağırlığı bir kefeye bırakınız!");
        return karar;
    }
    if (s->Yer == t->Yer) {
        karar.Mesaj = t->Kg == s->Kg ? QStringLiteral("Aynı Kefeden aynı oranları götüremezsiniz!")
                                     : QStringLiteral("Aynı Kefeden farklı ağırlıkları Götüremezsiniz!");
        return karar;
    }
    // The unknown is a kind of its own, so it never equals a weight.
    if (t->Kg != s->Kg) {
        karar.Mesaj = QStringLiteral("Eşit olmayan ağırlıkları Götüremezsiniz!");
        return karar;
    }
    cikar(hedef);
    cikar(kaynak);
    karar.Sonuc = BirakmaKarari::Iptal;
    karar.Ses = SES_NOTR;
    karar.KaynakGider = true;
    karar.HedefGider = hedef;
    return karar;
}

int TeraziModeli::ParcaEkle(int k, int kg)
{
    if (!kefeMi(k) || !AgirlikMi(kg))
        return 0;
    // The random place may reach under the label; the piece is pulled above it as a drop is.
    const QPoint yer = BirakmaYeri(ParcaYeri(boyut_[size_t(k)]), AgirlikBoyu(kg), serbest_[size_t(k)]);
    return ekle(k, kg, yer);
}

QList<int> TeraziModeli::Bol(int kimlik)
{
    const Agirlik* w = Bul(kimlik);
    if (!w || !kefeMi(w->Yer))
        return {};
    const int k = w->Yer;
    QList<int> parcalar;
    for (int kg : Parcalar(w->Kg))
        parcalar << ParcaEkle(k, kg);
    if (!parcalar.isEmpty())
        cikar(kimlik);
    return parcalar;
}

bool TeraziModeli::BasincaBolunur(int kimlik) const
{
    const Agirlik* w = Bul(kimlik);
    return BolmeKipi && w && kefeMi(w->Yer);
}

int TeraziModeli::BilinmeyenEkle(int k)
{
    if (UnknownAdded || !kefeMi(k))
        return 0;
    UnknownAdded = true;
    return ekle(k, BILINMEYEN, BilinmeyenYeri(boyut_[size_t(k)]));
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
    if (!kefeMi(k))
        return;
    for (auto it = agirliklar_.begin(); it != agirliklar_.end();)
        it = it->Yer == k ? agirliklar_.erase(it) : std::next(it);
    Kefeler[size_t(k)] = KefeModeli();
}

void TeraziModeli::YeniProblem()
{
    Frozen = false;
    UnknownAdded = false;
    UnknownValue = 0;
    KefeyiBosalt(SOL_KEFE);
    KefeyiBosalt(SAG_KEFE);
}
