#include "kumebolgeleri.h"
#include "kumelistesi.h"
#include "metinler.h"
#include "taramadoldurma.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

bool KumeBolgeModeli::InCircle(int k, QPoint p) const
{
    const NoktaCift* c = CircleList.Get(k);
    if (!c || c->x == -1 || c->y == -1 || c->value == 0)
        return false;
    const qint64 dx = qint64(c->x) - p.x();
    const qint64 dy = qint64(c->y) - p.y();
    const float d = std::sqrt(float(dx * dx + dy * dy));
    return float(c->value) >= d;
}

int KumeBolgeModeli::RegionAt(QPoint p) const
{
    const int n = CircleCount();
    int bolge = 0;
    for (int k = n - 1; k >= 0; --k)
        if (InCircle(k, p))
            bolge += 1 << (n - 1 - k);
    return bolge;
}

QString KumeBolgeModeli::CircleLetter(int k)
{
    if (k < 0)
        return QString();
    return QString(QChar(k <= 3 ? 'A' + k : 'B' + k));
}

bool KumeBolgeModeli::CemberEkle(QPoint merkez, int yaricap)
{
    if (CircleCount() >= EN_COK_CEMBER)
        return false;
    CircleList.Add(NoktaCift(merkez, yaricap));
    return true;
}

void KumeBolgeModeli::SeedListBoyutla()
{
    SeedList.GrowTo(RegionCount(), NoktaCift(QPoint(-1, -1), 0));
}

void KumeBolgeModeli::ComputeRegions(QSize boyut)
{
    for (int r = 0; r < RegionCount(); ++r)
        SeedList.NoktaAyarla(r, QPoint(-1, -1));
    // Points of an earlier geometry would fill the wrong areas.
    ExtraSeedList.Clear();
    if (boyut.isEmpty())
        return;
    QImage resim = TahtaResmi(boyut, 1.0, true);
    const int w = resim.width();
    const int h = resim.height();
    const quint32 beyaz = 0xFFFFFFFFu;
    for (int y = EdgeWidth; y < h; y += 3) {
        for (int x = EdgeWidth; x < w; x += 3) {
            // The line is read again after every fill, which changes it.
            if (reinterpret_cast<const quint32*>(resim.constScanLine(y))[x] != beyaz)
                continue;
            const QPoint p(x, y);
            const int r = RegionAt(p);
            if (!SeedList.Get(r) || SeedList.Nokta(r) == QPoint(-1, -1))
                SeedList.NoktaAyarla(r, p);
            else
                ExtraSeedList.Add(NoktaCift(p, r));
            SinirDoldur(resim, p, KENAR_RENGI, VURGU_RENGI);
        }
    }
}

bool KumeBolgeModeli::VurguDegistir(QPoint p)
{
    const int r = RegionAt(p);
    if (r < 0 || r >= RegionCount() || !SeedList.Get(r))
        return false;
    SeedList.DegerAyarla(r, SeedList.Deger(r) == 1 ? 0 : 1);
    return true;
}

namespace {
// A seed found at one pixel ratio may fall on the outline at another: the
// nearest device pixel of the same region that is not outline serves instead.
bool TohumPikseli(const QImage& resim, const KumeBolgeModeli& model, QPoint tohum, QPoint& sonuc)
{
    const qreal oran = resim.devicePixelRatio();
    const QPoint merkez(qFloor(tohum.x() * oran), qFloor(tohum.y() * oran));
    const int bolge = model.RegionAt(tohum);
    const quint32 kenar = RenkQ(KumeBolgeModeli::KENAR_RENGI).rgb() & 0xFFFFFFu;
    const int menzil = qCeil(oran) + 2;
    for (int d = 0; d <= menzil; ++d)
        for (int dy = -d; dy <= d; ++dy)
            for (int dx = -d; dx <= d; ++dx) {
                if (qMax(qAbs(dx), qAbs(dy)) != d)
                    continue;
                const QPoint q = merkez + QPoint(dx, dy);
                if (!resim.rect().contains(q))
                    continue;
                if ((resim.pixel(q) & 0xFFFFFFu) == kenar)
                    continue;
                const QPoint mantiksal(qFloor(q.x() / oran), qFloor(q.y() / oran));
                if (model.RegionAt(mantiksal) != bolge)
                    continue;
                sonuc = q;
                return true;
            }
    return false;
}
}

void KumeBolgeModeli::Dolgular(QImage& resim, bool hesap) const
{
    const qreal oran = resim.devicePixelRatio();
    auto doldur = [&](QPoint tohum, TRenk renk) {
        if (oran == 1.0) {
            SinirDoldur(resim, tohum, KENAR_RENGI, renk);
            return;
        }
        QPoint piksel;
        if (TohumPikseli(resim, *this, tohum, piksel)) {
            // SinirDoldur takes logical points; hand it one that lands on `piksel`.
            resim.setDevicePixelRatio(1.0);
            SinirDoldur(resim, piksel, KENAR_RENGI, renk);
            resim.setDevicePixelRatio(oran);
        }
    };
    for (int r = 0; r < RegionCount(); ++r) {
        const NoktaCift* tohum = SeedList.Get(r);
        if (!tohum || tohum->Nokta() == QPoint(-1, -1))
            continue;
        const TRenk renk = hesap || tohum->value == 1 ? VURGU_RENGI : clWhite;
        doldur(tohum->Nokta(), renk);
        for (int i = 0; i < ExtraSeedList.Count(); ++i)
            if (ExtraSeedList.Deger(i) == r)
                doldur(ExtraSeedList.Nokta(i), renk);
    }
}

QImage KumeBolgeModeli::TahtaResmi(QSize boyut, qreal oran, bool hesap) const
{
    if (boyut.isEmpty())
        return QImage();
    if (oran <= 0)
        oran = 1.0;
    QImage resim(QSize(qCeil(boyut.width() * oran), qCeil(boyut.height() * oran)), QImage::Format_RGB32);
    resim.setDevicePixelRatio(oran);
    resim.fill(Qt::white);
    const QColor kirmizi = RenkQ(KENAR_RENGI);
    auto cemberler = [&](QPainter& boya) {
        boya.setPen(QPen(kirmizi, EdgeWidth));
        boya.setBrush(Qt::NoBrush);
        for (int k = 0; k < CircleCount(); ++k) {
            const NoktaCift* c = CircleList.Get(k);
            if (!c || c->x == -1 || c->y == -1)
                continue;
            boya.drawEllipse(QPointF(c->x, c->y), c->value, c->value);
        }
    };
    {
        QPainter boya(&resim);
        boya.setRenderHint(QPainter::Antialiasing, false);
        boya.setPen(QPen(kirmizi, 1));
        boya.setBrush(Qt::white);
        boya.drawRect(QRectF(0.5, 0.5, boyut.width() - 1, boyut.height() - 1));
        cemberler(boya);
    }
    Dolgular(resim, hesap);
    if (!hesap) {
        // Smooth outlines over the jagged ones the fills were bounded by.
        QPainter boya(&resim);
        boya.setRenderHint(QPainter::Antialiasing, true);
        cemberler(boya);
    }
    return resim;
}

std::unique_ptr<QStringList> KumeBolgeModeli::ElementsInRegion(const std::vector<KumeKarosu>& karolar,
                                                               int bolge) const
{
    auto liste = std::make_unique<QStringList>();
    for (auto it = karolar.rbegin(); it != karolar.rend(); ++it)
        if (RegionAt(it->Kose) == bolge)
            SiraliEkle(*liste, it->Metin);
    if (liste->isEmpty())
        return nullptr;
    return liste;
}

QSet<QString> KumeBolgeModeli::BolgedekiMetinler(const std::vector<KumeKarosu>& karolar, int bolge) const
{
    QSet<QString> metinler;
    for (const KumeKarosu& k : karolar)
        if (RegionAt(k.Kose) == bolge)
            metinler.insert(k.Metin);
    return metinler;
}

QString KumeBolgeModeli::BolgelerMetni(const std::vector<KumeKarosu>& karolar, const std::vector<int>& bolgeler) const
{
    std::unique_ptr<QStringList> birlesim;
    for (int bolge : bolgeler) {
        std::unique_ptr<QStringList> liste = ElementsInRegion(karolar, bolge);
        if (!liste)
            continue;
        if (!birlesim)
            birlesim = std::move(liste);
        else
            for (const QString& oge : *liste)
                SiraliEkle(*birlesim, oge);
    }
    return birlesim ? ListeBirlestir(birlesim.get(), QLatin1Char(','), false) : QString();
}

QPoint KumeBolgeModeli::BosYer(int bolge, QSize karo, const QList<QRect>& dolu, QSize boyut) const
{
    const int n = CircleCount();
    if (n == 0 || karo.isEmpty())
        return QPoint(-1, -1);
    int orta = 0;
    for (int k = 0; k < n; ++k)
        orta += CircleList.Get(k)->y;
    orta = orta / n - karo.height() / 2;
    const int pay = EdgeWidth + 2;
    const QRect tahta(QPoint(0, 0), boyut);
    auto bolgede = [&](const QRect& karoYeri) {
        const QRect genis = karoYeri.adjusted(-pay, -pay, pay, pay);
        if (!tahta.contains(genis))
            return false;
        for (QPoint kose : {genis.topLeft(), genis.topRight(), genis.bottomLeft(), genis.bottomRight()})
            if (RegionAt(kose) != bolge)
                return false;
        return true;
    };
    auto bos = [&](const QRect& karoYeri) {
        const QRect genis = karoYeri.adjusted(-pay, -pay, pay, pay);
        return std::none_of(dolu.begin(), dolu.end(), [&](const QRect& r) { return r.intersects(genis); });
    };
    const int adim = karo.height() + 4;
    for (int i = 0;; ++i) {
        // 0, +1, -1, +2, -2 ... rows away from the middle.
        const int uzaklik = ((i + 1) / 2) * adim;
        const int y = orta + (i % 2 ? uzaklik : -uzaklik);
        if (orta - uzaklik < 0 && orta + uzaklik > boyut.height())
            break;
        if (y < 0 || y + karo.height() > boyut.height())
            continue;
        // On a row, from a quarter of the region's width there to its right
        // end, then from its left end: tiles placed one after another stand
        // in the order they came.
        int sol = -1;
        int sag = -1;
        for (int x = 0; x + karo.width() <= boyut.width(); x += 2)
            if (bolgede(QRect(QPoint(x, y), karo))) {
                if (sol < 0)
                    sol = x;
                sag = x;
            }
        if (sol < 0)
            continue;
        const int bas = sol + ((sag - sol) / 4) / 2 * 2;
        const std::pair<int, int> araliklar[] = {{bas, sag}, {sol, bas - 2}};
        for (const auto& [ilk, son] : araliklar)
            for (int x = ilk; x <= son; x += 2) {
                const QRect yer(QPoint(x, y), karo);
                if (bolgede(yer) && bos(yer))
                    return yer.topLeft();
            }
    }
    return QPoint(-1, -1);
}

namespace {
// The letters of the circles that hold region `bolge` of `n` circles.
QStringList Cemberleri(int bolge, int n)
{
    QStringList harfler;
    for (int k = 0; k < n; ++k)
        if (bolge & (1 << (n - 1 - k)))
            harfler << KumeBolgeModeli::CircleLetter(k);
    return harfler;
}
}

QString KumeBolgeModeli::BolgeOkunusu(int bolge) const
{
    QStringList icinde = Cemberleri(bolge, CircleCount());
    if (icinde.isEmpty())
        return QStringLiteral("çemberlerin dışında");
    if (icinde.size() == 1)
        return QStringLiteral("yalnız ") + icinde.first() + QStringLiteral(" kümesinde");
    const QString son = icinde.takeLast();
    return icinde.join(QStringLiteral(", ")) + QStringLiteral(" ile ") + son + QStringLiteral("'nin kesişiminde");
}

QPoint KumeBolgeModeli::BolgeOrtasi(int bolge, QSize boyut) const
{
    const int n = CircleCount();
    if (n == 0)
        return QPoint(-1, -1);
    int orta = 0;
    for (int k = 0; k < n; ++k)
        orta += CircleList.Get(k)->y;
    orta /= n;
    for (int uzaklik = 0; orta - uzaklik >= 0 || orta + uzaklik < boyut.height(); uzaklik += 4)
        for (int y : {orta - uzaklik, orta + uzaklik}) {
            if (y < 0 || y >= boyut.height())
                continue;
            int sol = -1;
            int x = 0;
            for (; x < boyut.width(); ++x) {
                const bool icinde = RegionAt(QPoint(x, y)) == bolge;
                if (icinde && sol < 0)
                    sol = x;
                else if (!icinde && sol >= 0)
                    break;
            }
            if (sol >= 0)
                return QPoint((sol + x - 1) / 2, y);
        }
    return QPoint(-1, -1);
}

QString KumeBolgeModeli::BolgeAdi(int bolge) const
{
    QStringList icinde = Cemberleri(bolge, CircleCount());
    if (icinde.isEmpty())
        return QStringLiteral("çemberlerin dışı");
    if (icinde.size() == 1)
        return QStringLiteral("yalnız ") + icinde.first();
    const QString son = icinde.takeLast();
    return icinde.join(QStringLiteral(", ")) + QStringLiteral(" ile ") + son + QStringLiteral("'nin kesişimi");
}

bool KumeBolgeModeli::CanDropInRegion(int tag, int bolge)
{
    switch (tag) {
    case 1:
        return bolge == 2 || bolge == 3;
    case 2:
        return bolge == 1 || bolge == 3;
    default:
        return true;
    }
}
