#include "kesirmodel.h"
#include "donusum.h"
#include "ortam.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double PI = 3.14159265358979323846;
// A press exactly on a border belongs to both slices, whatever the last bit of
// the arccosine says; the first slice in order then wins.
constexpr double SINIR_PAYI = 1e-9;
constexpr int TAM_TUR = 360 * 16;

bool IntSigar(long long n)
{
    return n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max();
}

// The middle of a slice's chord in a box w x h; for the two halves of a
// circle, whose chords both run through the centre, a point halfway out
// along the slice's middle direction instead.
QPoint KirisOrtasi(int w, int h, int parcaSayisi, int dilim, int kapsam, bool tersYon)
{
    const QPoint c(w / 2, h / 2);
    const int r = w / 2;
    const double adim = DilimAdimi(parcaSayisi);
    const int k = DilimYuvasi(parcaSayisi, dilim, tersYon);
    if (kapsam < parcaSayisi && kapsam * adim >= 180.0)
        return PointOnCircle(c, r / 2, (k + kapsam / 2.0) * adim);
    const QPoint p1 = PointOnCircle(c, r, k * adim);
    const QPoint p2 = PointOnCircle(c, r, (k + kapsam) * adim);
    return QPoint((p1.x() + p2.x()) / 2, (p1.y() + p2.y()) / 2);
}

} // namespace

double DilimAdimi(int parcaSayisi)
{
    return parcaSayisi > 0 ? 360.0 / parcaSayisi : 360.0;
}

QPoint PointOnCircle(QPoint c, int r, double aci)
{
    const double radyan = aci * PI / 180.0;
    return QPoint(int(std::trunc(r * std::cos(radyan) + c.x() + 0.5)),
                  int(std::trunc(r * std::sin(radyan) + c.y() + 0.5)));
}

int DilimYuvasi(int parcaSayisi, int dilim, bool tersYon)
{
    return tersYon ? parcaSayisi - dilim - 1 : dilim;
}

std::optional<double> AngleOf(QPoint c, int x, int y)
{
    const double dx = double(x) - c.x();
    const double dy = double(y) - c.y();
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d == 0.0)
        return std::nullopt;
    // Rounding may push the cosine a hair past 1; the arccosine would then be NaN
    // and no slice would be hit.
    const double cx = std::clamp(dx / d, -1.0, 1.0);
    const double a = std::acos(cx) * 180.0 / PI;
    return dy / d <= 0 ? a : 360.0 - a;
}

bool DilimIsabeti(int w, int h, int parcaSayisi, int dilim, int kapsam, int x, int y)
{
    const std::optional<double> a = AngleOf(QPoint(w / 2, h / 2), x, y);
    if (!a)
        return false;
    const double adim = DilimAdimi(parcaSayisi);
    return dilim * adim - SINIR_PAYI <= *a && *a <= (dilim + kapsam) * adim + SINIR_PAYI;
}

int BasilanDilim(int w, int h, int parcaSayisi, int x, int y)
{
    for (int i = 0; i < parcaSayisi; ++i)
        if (DilimIsabeti(w, h, parcaSayisi, i, 1, x, y))
            return i;
    return -1;
}

PieAcisi PieAngles(int parcaSayisi, int dilim, int kapsam, bool tersYon)
{
    PieAcisi p;
    if (parcaSayisi <= 0 || kapsam >= parcaSayisi) {
        p.TamDaire = true;
        p.Aciklik = TAM_TUR;
        return p;
    }
    // The slot runs clockwise from k * step to (k + span) * step; drawPie runs
    // the same sector counter-clockwise, from the far end's mirror image.
    const double adim = DilimAdimi(parcaSayisi);
    const int k = DilimYuvasi(parcaSayisi, dilim, tersYon);
    const int bas = int(std::lround(k * adim * 16));
    const int son = int(std::lround((k + kapsam) * adim * 16));
    p.Baslangic = (TAM_TUR - son % TAM_TUR) % TAM_TUR;
    p.Aciklik = son - bas;
    return p;
}

std::array<QPoint, 3> UcgenKoseleri(int w, int h, int parcaSayisi, int dilim)
{
    const QPoint c(w / 2, h / 2);
    const int r = w / 2;
    const double adim = DilimAdimi(parcaSayisi);
    const int k = DilimYuvasi(parcaSayisi, dilim, true);
    return {c, PointOnCircle(c, r, k * adim), PointOnCircle(c, r, (k + 1) * adim)};
}

QPoint SliceNoPos(int w, int h, int parcaSayisi, int dilim, int kapsam, bool tersYon)
{
    const int kw = w - 10;
    const int kh = h - 10;
    if (parcaSayisi <= 0)
        return QPoint(kw / 2, kh / 2);
    return KirisOrtasi(kw, kh, parcaSayisi, dilim, kapsam, tersYon);
}

QPoint SelectionNoPos(int w, int h, int parcaSayisi, int dilim, int kapsam, bool tersYon)
{
    const QPoint c(w / 2, h / 2);
    const QPoint m = parcaSayisi <= 0 ? c : KirisOrtasi(w, h, parcaSayisi, dilim, kapsam, tersYon);
    return QPoint((m.x() + c.x()) / 2 - 5, (m.y() + c.y()) / 2);
}

Qt::BrushStyle StyleOf(int i)
{
    static const Qt::BrushStyle stiller[] = {Qt::NoBrush,      Qt::SolidPattern, Qt::CrossPattern,
                                             Qt::DiagCrossPattern, Qt::BDiagPattern, Qt::HorPattern,
                                             Qt::FDiagPattern, Qt::VerPattern};
    return i >= 0 && i < 8 ? stiller[i] : Qt::SolidPattern;
}

QString StilAdi(Qt::BrushStyle stil)
{
    switch (stil) {
    case Qt::NoBrush:
        return QStringLiteral("Boş");
    case Qt::SolidPattern:
        return QStringLiteral("Düz");
    case Qt::CrossPattern:
        return QStringLiteral("Kareli");
    case Qt::DiagCrossPattern:
        return QStringLiteral("Çapraz kareli");
    case Qt::BDiagPattern:
        return QStringLiteral("Sağa yatık çizgili");
    case Qt::HorPattern:
        return QStringLiteral("Yatay çizgili");
    case Qt::FDiagPattern:
        return QStringLiteral("Sola yatık çizgili");
    case Qt::VerPattern:
        return QStringLiteral("Dikey çizgili");
    default:
        return QStringLiteral("Desenli");
    }
}

QString DilimAdi(int i, int tag)
{
    const QString ad = QStringLiteral("%1. dilim").arg(i + 1);
    return tag != 0 ? ad + QStringLiteral(", seçili") : ad;
}

KesirGorunumu CizilenGorunum(int gorunum, int n)
{
    if (gorunum == GORUNUM_COKGEN && n < 3)
        return GORUNUM_CEMBER;
    return gorunum >= GORUNUM_YATAY && gorunum <= GORUNUM_COKGEN ? KesirGorunumu(gorunum) : GORUNUM_CEMBER;
}

QRect SeritYeri(int gorunum, QRect sekil, int n, int i)
{
    n = std::max(1, n);
    // Strip i runs from i·L/n to (i+1)·L/n: the strips meet without gaps and
    // fill the whole length, the pixels that do not divide evenly going one
    // at a time to strips spread along it.
    auto sinir = [n](int uzunluk, int k) { return int(qint64(uzunluk) * k / n); };
    if (gorunum == GORUNUM_YATAY) {
        const int ust = sinir(sekil.height(), i);
        return QRect(sekil.left(), sekil.top() + ust, sekil.width(), sinir(sekil.height(), i + 1) - ust);
    }
    const int sol = sinir(sekil.width(), i);
    return QRect(sekil.left() + sol, sekil.top(), sinir(sekil.width(), i + 1) - sol, sekil.height());
}

bool NumaraSigar(QSize dilim, QPoint yer, QSize yazi)
{
    return QRect(QPoint(0, 0), dilim).contains(QRect(yer, yazi));
}

// ---------------------------------------------------------------------------

void SecimDegistir(QVector<int>& taglar, int& sayac, int i)
{
    if (i < 0 || i >= taglar.size())
        return;
    const int t = taglar[i];
    if (t == 0) {
        taglar[i] = ++sayac;
        return;
    }
    taglar[i] = 0;
    sayac = std::max(0, sayac - 1);
    for (int& diger : taglar)
        if (diger > t)
            --diger;
}

int SeciliSayisi(const QVector<int>& taglar)
{
    return int(std::count_if(taglar.begin(), taglar.end(), [](int t) { return t != 0; }));
}

QVector<int> SecimleriGeriVer(const QVector<int>& kayitli, int n)
{
    QVector<int> taglar(std::max(0, n), 0);
    for (int i = 0; i < taglar.size() && i < kayitli.size(); ++i)
        taglar[i] = kayitli[i];
    return taglar;
}

// ---------------------------------------------------------------------------

KesirProblemi YeniKesirProblemi()
{
    Ortam& ortam = Ortam::Gecerli();
    KesirProblemi p;
    p.Pay = ortam.Rastgele(5) + 1;
    p.Payda = ortam.Rastgele(10) + p.Pay + 1;
    p.Gorunum = quint8(ortam.Rastgele(4));
    return p;
}

QString ModYonergesi(int mod)
{
    switch (mod) {
    case MOD_GORSELLESTIRME:
        return QStringLiteral("Seçimlerinizi inceleyiniz");
    case MOD_KESIR_GOSTER:
        return QStringLiteral("Kesri şekilde gösteriniz");
    case MOD_KESIR_ADI:
        return QStringLiteral("Belirtilen kesri giriniz");
    default:
        return QString();
    }
}

std::optional<CevapYargisi> ModCevabi(int mod, int secili, int parca, int hedefPay, int hedefPayda, int yazilanPay,
                                      int yazilanPayda)
{
    bool pay = false;
    bool payda = false;
    if (mod == MOD_KESIR_GOSTER) {
        pay = secili == hedefPay;
        payda = parca == hedefPayda;
    } else if (mod == MOD_KESIR_ADI) {
        pay = yazilanPay == secili;
        payda = yazilanPayda == parca;
    } else {
        return std::nullopt;
    }
    const QString yanlis = QStringLiteral("Yanlış Cevap");
    if (pay && payda)
        return CevapYargisi{true, QStringLiteral("Doğru Cevap"), QStringLiteral("Tebrikler Bildiniz")};
    if (!pay && !payda)
        return CevapYargisi{false, yanlis, QStringLiteral("Ne pay ne de payda doğru değil")};
    if (!pay)
        return CevapYargisi{false, yanlis, QStringLiteral("Pay doğru değil")};
    return CevapYargisi{false, yanlis, QStringLiteral("Payda doğru değil")};
}

int BosSifirTamsayi(const QString& metin)
{
    return metin.isEmpty() ? 0 : TamsayiyaCevirVeyaHata(metin);
}

// ---------------------------------------------------------------------------

Kesir YeniHedefKesir()
{
    Ortam& ortam = Ortam::Gecerli();
    Kesir k;
    k.Pay = ortam.Rastgele(7) + 1;
    k.Payda = k.Pay + ortam.Rastgele(5);
    return k;
}

std::optional<PaneYargisi> KesirDenetle(Kesir hedef, int secili, int parca)
{
    if (hedef.Pay == 0 || hedef.Payda == 0)
        return std::nullopt;
    if (secili != hedef.Pay && parca != hedef.Payda) {
        // Both sides of the cross product reach 62 bits at most.
        if (qint64(hedef.Pay) * parca - qint64(hedef.Payda) * secili != 0)
            return PaneYargisi{false, QStringLiteral("Ne pay ne payda doğru değil")};
        return PaneYargisi{true, QStringLiteral("Pay ve paydalar aynı değil ama kesirler eşit")};
    }
    if (secili == hedef.Pay) {
        if (parca == hedef.Payda)
            return PaneYargisi{true, QStringLiteral("Tebrikler doğru")};
        return PaneYargisi{false, QStringLiteral("Payda doğru değil")};
    }
    return PaneYargisi{false, QStringLiteral("Pay doğru değil")};
}

GenisletmeSonucu Genislet(Kesir kesir, long long yeniPayda)
{
    GenisletmeSonucu s;
    if (yeniPayda <= 0)
        return s;
    s.Durum = GenisletmeSonucu::Reddedildi;
    const long long a = kesir.Pay;
    const long long d = kesir.Payda;
    if (d <= 0 || !IntSigar(yeniPayda))
        return s;
    if (yeniPayda % d == 0) {
        const long long pay = a * (yeniPayda / d);
        if (!IntSigar(pay))
            return s;
        s.Durum = GenisletmeSonucu::Degisti;
        s.Yeni = Kesir{int(pay), int(yeniPayda)};
        return s;
    }
    if (d % yeniPayda == 0) {
        const long long k = d / yeniPayda;
        if (a % k == 0) {
            s.Durum = GenisletmeSonucu::Degisti;
            s.Yeni = Kesir{int(a / k), int(d / k)};
        }
    }
    return s;
}

GenisletmeSonucu Genislet(Kesir kesir, const QString& cevap)
{
    if (cevap.isEmpty())
        return GenisletmeSonucu{};
    return Genislet(kesir, UzunTamsayiyaCevirVeyaHata(cevap));
}

std::optional<int> PayCevabi(const QString& cevap)
{
    if (cevap.isEmpty())
        return std::nullopt;
    return TamsayiyaCevirVeyaHata(cevap);
}

std::optional<int> PaydaCevabi(const QString& cevap)
{
    return PayCevabi(cevap);
}

// ---------------------------------------------------------------------------

int SiraSar(int p, int kesirSayisi)
{
    if (kesirSayisi <= 0)
        return p;
    return ((p - 1) % kesirSayisi + kesirSayisi) % kesirSayisi + 1;
}

void SiraDegistir(QVector<int>& siralar, int eski, int yeni)
{
    for (int& s : siralar) {
        if (s == eski)
            s = yeni;
        else if (s == yeni)
            s = eski;
    }
}

bool SiralamaDogru(const QVector<Kesir>& kesirler, const QVector<int>& siralar)
{
    const int n = int(std::min(kesirler.size(), siralar.size()));
    QVector<int> dizi(n);
    std::iota(dizi.begin(), dizi.end(), 0);
    std::sort(dizi.begin(), dizi.end(), [&](int a, int b) { return siralar[a] < siralar[b]; });
    for (int j = 0; j < n; ++j)
        if (siralar[dizi[j]] != j + 1)
            return false;
    for (int j = 0; j + 1 < n; ++j) {
        const Kesir& once = kesirler[dizi[j]];
        const Kesir& sonra = kesirler[dizi[j + 1]];
        if (once.Payda <= 0 || sonra.Payda <= 0)
            return false;
        // once >= sonra, with positive denominators; 62 bits at most.
        if (qint64(once.Pay) * sonra.Payda < qint64(sonra.Pay) * once.Payda)
            return false;
    }
    return true;
}
