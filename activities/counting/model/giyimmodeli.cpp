#include "giyimmodeli.h"
#include "ortam.h"
#include "taramadoldurma.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

EsyaRenkler::EsyaRenkler(int kapasite) : kapasite_(std::max(0, kapasite))
{
    kayitlar_.reserve(size_t(kapasite_));
}

EsyaRenk* EsyaRenkler::Ekle(const EsyaRenk& kayit)
{
    if (Sayi() == kapasite_)
        ++kapasite_;
    kayitlar_.push_back(std::make_unique<EsyaRenk>(kayit));
    return kayitlar_.back().get();
}

EsyaRenk* EsyaRenkler::Al(int i)
{
    return i >= 0 && i < Sayi() ? kayitlar_[size_t(i)].get() : nullptr;
}

const EsyaRenk* EsyaRenkler::Al(int i) const
{
    return i >= 0 && i < Sayi() ? kayitlar_[size_t(i)].get() : nullptr;
}

bool EsyaRenkler::Icerir(const EsyaRenk& kayit) const
{
    return std::any_of(kayitlar_.begin(), kayitlar_.end(), [&](const auto& k) { return *k == kayit; });
}

void EsyaRenkler::Temizle()
{
    kayitlar_.clear();
}

TRenk PaletRengi(int i)
{
    static const TRenk palet[PALET_BOYU] = {clTeal,   clRed,  clYellow, clBlue,   clGreen,
                                            clMaroon, clAqua, clPurple, clSilver, clLime};
    return i >= 0 && i < PALET_BOYU ? palet[i] : clNone;
}

QString RenkAdi(TRenk renk)
{
    switch (renk) {
    case clTeal:
        return QStringLiteral("petrol mavisi");
    case clRed:
        return QStringLiteral("kırmızı");
    case clYellow:
        return QStringLiteral("sarı");
    case clBlue:
        return QStringLiteral("mavi");
    case clGreen:
        return QStringLiteral("yeşil");
    case clMaroon:
        return QStringLiteral("bordo");
    case clAqua:
        return QStringLiteral("turkuaz");
    case clPurple:
        return QStringLiteral("mor");
    case clSilver:
        return QStringLiteral("gümüş rengi");
    case clLime:
        return QStringLiteral("fıstık yeşili");
    case clWhite:
        return QStringLiteral("beyaz");
    default:
        return QStringLiteral("renksiz");
    }
}

std::vector<TRenk> FarkliRenkler(int adet, const std::function<int(int)>& rastgele)
{
    std::vector<TRenk> bos;
    for (int i = 0; i < PALET_BOYU; ++i)
        bos.push_back(PaletRengi(i));
    std::vector<TRenk> secilen;
    while (int(secilen.size()) < adet && !bos.empty()) {
        const int n = int(bos.size());
        // A source that answers out of range still picks a colour of the list.
        const int i = ((rastgele(n) % n) + n) % n;
        secilen.push_back(bos[size_t(i)]);
        bos.erase(bos.begin() + i);
    }
    return secilen;
}

GiyimProblemi::GiyimProblemi() : gardirop_(5) {}

bool GiyimProblemi::Kur(int gomlek, int pantolon, const std::function<int(int)>& rastgele)
{
    if (gomlek < 1 || pantolon < 1)
        return false;
    gomlek_ = std::min(gomlek, EN_COK_GIYSI);
    pantolon_ = std::min(pantolon, EN_COK_GIYSI);
    gardirop_.Temizle();
    for (int i = 0; i < std::max(gomlek_, pantolon_); ++i)
        gardirop_.Ekle(EsyaRenk());
    const std::vector<TRenk> gomlekler = FarkliRenkler(gomlek_, rastgele);
    const std::vector<TRenk> pantolonlar = FarkliRenkler(pantolon_, rastgele);
    for (size_t i = 0; i < gomlekler.size(); ++i)
        gardirop_.Al(int(i))->GomlekRengi = gomlekler[i];
    for (size_t i = 0; i < pantolonlar.size(); ++i)
        gardirop_.Al(int(i))->PantolonRengi = pantolonlar[i];
    return true;
}

TRenk GiyimProblemi::Gomlek(int i) const
{
    const EsyaRenk* k = gardirop_.Al(i);
    return k ? k->GomlekRengi : clNone;
}

TRenk GiyimProblemi::Pantolon(int i) const
{
    const EsyaRenk* k = gardirop_.Al(i);
    return k ? k->PantolonRengi : clNone;
}

std::vector<EsyaRenk> GiyimProblemi::TumGiyimler() const
{
    std::vector<EsyaRenk> sira;
    for (int i = 0; i < gardirop_.Sayi(); ++i) {
        if (Pantolon(i) == clNone)
            continue;
        for (int j = 0; j < gardirop_.Sayi(); ++j)
            if (Gomlek(j) != clNone)
                sira.push_back(EsyaRenk{Gomlek(j), Pantolon(i)});
    }
    return sira;
}

bool Tamamlandi(const EsyaRenkler& bulunanlar, int toplam)
{
    return bulunanlar.Sayi() == toplam;
}

KayitSonucu KayitKarari(const EsyaRenk& giyim, const EsyaRenkler& bulunanlar, int toplam)
{
    for (TRenk r : {giyim.GomlekRengi, giyim.PantolonRengi})
        if (r == clNone || r == clWhite)
            return KayitSonucu::Yok;
    if (Tamamlandi(bulunanlar, toplam))
        return KayitSonucu::Yok;
    return bulunanlar.Icerir(giyim) ? KayitSonucu::Tekrar : KayitSonucu::Yeni;
}

const QString TEKRAR_MESAJI = QStringLiteral("Bu renklerde giysiler var!");

QString TamamMesaji(int toplam)
{
    return QStringLiteral("Tebrikler tüm elbiseleri buldunuz.\nAdam toplam %1 şekilde giyinebilir.").arg(toplam);
}

GiyimModeli::GiyimModeli() = default;

void GiyimModeli::RastgeleProblem()
{
    Ortam& ortam = Ortam::Gecerli();
    const int gomlek = ortam.Rastgele(8) + 2;
    const int pantolon = ortam.Rastgele(8) + 2;
    ProblemKur(gomlek, pantolon);
}

bool GiyimModeli::ProblemKur(int gomlek, int pantolon)
{
    GiyimProblemi yeni;
    if (!yeni.Kur(gomlek, pantolon, [](int n) { return Ortam::Gecerli().Rastgele(n); }))
        return false;
    Sifirla();
    problem_ = std::move(yeni);
    for (GiysiTuru tur : {GiysiTuru::Gomlek, GiysiTuru::Pantolon}) {
        const bool g = tur == GiysiTuru::Gomlek;
        const int adet = g ? problem_.GomlekSayisi() : problem_.PantolonSayisi();
        for (int i = 0; i < adet; ++i)
            giysiler_.push_back(Giysi{tur, i, g ? problem_.Gomlek(i) : problem_.Pantolon(i)});
    }
    return true;
}

void GiyimModeli::Sifirla()
{
    problem_ = GiyimProblemi();
    giysiler_.clear();
    gecerli_ = -1;
    bulunanlar_.Temizle();
    // White is never recorded, so dressing in it stays silent.
    GomlekGiydir(clWhite);
    PantolonGiydir(clWhite);
}

int GiyimModeli::GirisGomlekSayisi() const
{
    return problem_.GomlekSayisi() > 0 ? problem_.GomlekSayisi() : 3;
}

int GiyimModeli::GirisPantolonSayisi() const
{
    return problem_.PantolonSayisi() > 0 ? problem_.PantolonSayisi() : 3;
}

void GiyimModeli::GiysiSec(int no)
{
    gecerli_ = no >= 0 && no < int(giysiler_.size()) ? no : -1;
}

GiyimYaniti GiyimModeli::Giydir(int no)
{
    if (no < 0 || no >= int(giysiler_.size()))
        return GiyimYaniti();
    const Giysi g = giysiler_[size_t(no)];
    return giy(g.Tur, g.Renk);
}

GiyimYaniti GiyimModeli::GomlekGiydir(TRenk renk)
{
    return giy(GiysiTuru::Gomlek, renk);
}

GiyimYaniti GiyimModeli::PantolonGiydir(TRenk renk)
{
    return giy(GiysiTuru::Pantolon, renk);
}

GiyimYaniti GiyimModeli::giy(GiysiTuru tur, TRenk renk)
{
    (tur == GiysiTuru::Gomlek ? adam_.GomlekRengi : adam_.PantolonRengi) = renk;
    GiyimYaniti y = otomatikKayit_ ? GiyimKaydet(true) : GiyimYaniti();
    y.Giyilen = tur;
    y.Renk = renk;
    return y;
}

GiyimYaniti GiyimModeli::GiyimKaydet(bool mesaj)
{
    GiyimYaniti y;
    y.Kayit = KayitKarari(adam_, bulunanlar_, Toplam());
    if (y.Kayit == KayitSonucu::Tekrar) {
        y.Ses = SES_HATA;
        if (mesaj)
            y.Mesaj = TEKRAR_MESAJI;
    } else if (y.Kayit == KayitSonucu::Yeni) {
        bulunanlar_.Ekle(adam_);
        y.Ses = SES_NOTR;
        y.Numara = bulunanlar_.Sayi();
        y.Tamam = Tamam();
    }
    return y;
}

std::vector<GiyimYaniti> GiyimModeli::HepsiniGoster()
{
    std::vector<GiyimYaniti> adimlar;
    if (Tamam())
        return adimlar;
    const bool onceki = otomatikKayit_;
    otomatikKayit_ = false;
    TRenk pantolon = clNone;
    for (const EsyaRenk& giyim : problem_.TumGiyimler()) {
        if (giyim.PantolonRengi != pantolon) {
            pantolon = giyim.PantolonRengi;
            adimlar.push_back(PantolonGiydir(pantolon));
        }
        GomlekGiydir(giyim.GomlekRengi);
        GiyimYaniti y = GiyimKaydet(false);
        y.Giyilen = GiysiTuru::Gomlek;
        y.Renk = giyim.GomlekRengi;
        adimlar.push_back(y);
        if (Tamam())
            break;
    }
    otomatikKayit_ = onceki;
    return adimlar;
}

PanoYerlesimi KucukResimYerleri(int adet, int genislik, int yukseklik)
{
    PanoYerlesimi p;
    p.Yukseklik = yukseklik;
    int x = 10, y = 10;
    for (int i = 0; i < adet; ++i) {
        if (x + 100 > genislik) {
            y += KUCUK_RESIM;
            p.Yerler.emplace_back(10, y);
            x = 10 + KUCUK_RESIM;
        } else {
            p.Yerler.emplace_back(x, y);
            x += KUCUK_RESIM;
        }
        if (y + KUCUK_RESIM > p.Yukseklik)
            p.Yukseklik = y + KUCUK_RESIM + 10;
    }
    return p;
}

QRect GiysiYeri(int tur, int i, int adet, int genislik)
{
    const bool gomlek = tur == 1;
    const QSize olcu = gomlek ? QSize(89, 65) : QSize(89, 81);
    const int sol = gomlek ? 208 + 5 : 216 + 5;
    const int ust = gomlek ? 48 : 136;
    const int yer = genislik - 10 - sol;
    const double olcek = adet > 0 && yer < olcu.width() * adet ? std::max(0.0, double(yer) / (olcu.width() * adet)) : 1.0;
    return QRect(sol + qFloor(olcu.width() * olcek * i), ust, qFloor(olcu.width() * olcek),
                 qFloor(olcu.height() * olcek));
}

const GiysiSablonu GOMLEK_SABLONU{QSize(89, 65), {{23, 44}, {58, 51}, {55, 10}, {67, 28}}, {58, 51}};
const GiysiSablonu PANTOLON_SABLONU{QSize(89, 81), {{40, 25}}, {40, 25}};
const QSize ADAM_OLCUSU(162, 185);
const std::vector<QPoint> ADAM_GOMLEK_NOKTALARI{{77, 100}, {77, 87}, {56, 95}, {71, 73}};
const std::vector<QPoint> ADAM_PANTOLON_NOKTALARI{{70, 110}};

QImage BoyamayaHazirla(const QImage& cizim, TRenk cizgi)
{
    if (cizim.isNull())
        return QImage();
    QImage resim = cizim.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QColor c = RenkQ(cizgi);
    const int koyu[3] = {c.red(), c.green(), c.blue()};
    const int genislik = resim.width(), yukseklik = resim.height();
    for (int y = 0; y < yukseklik; ++y) {
        QRgb* satir = reinterpret_cast<QRgb*>(resim.scanLine(y));
        for (int x = 0; x < genislik; ++x) {
            const QRgb p = satir[x];
            if (qAlpha(p) == 255) {
                // How far along the way from the outline to white, judged on all three channels.
                const int kanal[3] = {qRed(p), qGreen(p), qBlue(p)};
                double t = 0;
                for (int k = 0; k < 3; ++k)
                    t += double(kanal[k] - koyu[k]) / (255 - koyu[k]);
                t /= 3;
                bool arada = t > 0 && t < 1;
                for (int k = 0; k < 3 && arada; ++k)
                    arada = std::abs(kanal[k] - (koyu[k] + t * (255 - koyu[k]))) <= 6;
                // Half-covered pixels go to the outline, which keeps it closed.
                if (arada)
                    satir[x] = t < 0.6 ? qRgb(koyu[0], koyu[1], koyu[2]) : qRgb(255, 255, 255);
                continue;
            }
            // Laid on white.
            const int a = 255 - qAlpha(p);
            satir[x] = qRgb(qRed(p) + a, qGreen(p) + a, qBlue(p) + a);
        }
    }
    QImage sonuc = resim.convertToFormat(QImage::Format_RGB32);
    sonuc.setDevicePixelRatio(cizim.devicePixelRatio());
    return sonuc;
}

int NoktalardanDoldur(QImage& resim, const std::vector<QPoint>& noktalar, TRenk renk)
{
    int toplam = 0;
    for (const QPoint& n : noktalar)
        toplam += YuzeyDoldur(resim, n, renk);
    return toplam;
}

TRenk RenkOrnegi(const QImage& resim, QPoint nokta)
{
    const qreal oran = resim.devicePixelRatio();
    const QPoint p(qFloor(nokta.x() * oran), qFloor(nokta.y() * oran));
    if (!resim.valid(p))
        return clNone;
    const QRgb px = resim.pixel(p);
    return TRenk(qRed(px)) | (TRenk(qGreen(px)) << 8) | (TRenk(qBlue(px)) << 16);
}

QImage SaydamGorunum(const QImage& boyali, const QImage& cizim)
{
    if (boyali.isNull() || cizim.size() != boyali.size())
        return QImage();
    const QImage kaynak = boyali.convertToFormat(QImage::Format_RGB32);
    const QImage alt = cizim.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage sonuc(boyali.size(), QImage::Format_ARGB32_Premultiplied);
    const int genislik = sonuc.width(), yukseklik = sonuc.height();
    for (int y = 0; y < yukseklik; ++y) {
        const QRgb* b = reinterpret_cast<const QRgb*>(kaynak.constScanLine(y));
        const QRgb* c = reinterpret_cast<const QRgb*>(alt.constScanLine(y));
        QRgb* s = reinterpret_cast<QRgb*>(sonuc.scanLine(y));
        for (int x = 0; x < genislik; ++x)
            s[x] = qAlpha(c[x]) == 255 ? (b[x] | 0xFF000000u) : c[x];
    }
    sonuc.setDevicePixelRatio(boyali.devicePixelRatio());
    return sonuc;
}

namespace {
QString GiyimAdi(TRenk gomlek, TRenk pantolon)
{
    return QStringLiteral("%1 gömlek, %2 pantolon").arg(RenkAdi(gomlek), RenkAdi(pantolon));
}
}

QString GiyimModeli::GiysiAdi(int no) const
{
    if (no < 0 || no >= int(giysiler_.size()))
        return QString();
    const Giysi& g = giysiler_[size_t(no)];
    const bool gomlek = g.Tur == GiysiTuru::Gomlek;
    QString ad = RenkAdi(g.Renk) + (gomlek ? QStringLiteral(" gömlek") : QStringLiteral(" pantolon"));
    ad[0] = ad[0].toUpper();
    if ((gomlek ? adam_.GomlekRengi : adam_.PantolonRengi) == g.Renk)
        ad += QStringLiteral(", giyili");
    return ad;
}

QString GiyimModeli::AdamAdi() const
{
    return QStringLiteral("Pomlu Bey: ") + GiyimAdi(adam_.GomlekRengi, adam_.PantolonRengi);
}

QString GiyimModeli::BulunanAdi(int sira) const
{
    const EsyaRenk* giyim = bulunanlar_.Al(sira - 1);
    return giyim ? QStringLiteral("%1. giyim: %2").arg(sira).arg(GiyimAdi(giyim->GomlekRengi, giyim->PantolonRengi))
                 : QString();
}
