#include "carpanmodel.h"
#include "asal.h"
#include "donusum.h"
#include "ortam.h"

#include <QStringList>
#include <algorithm>
#include <limits>

QString AccusativeSuffix(qint64 n)
{
    n = qAbs(n);
    switch (n % 10) {
    case 1:
    case 5:
    case 8:
        return QStringLiteral("i");
    case 2:
    case 7:
        return QStringLiteral("yi");
    case 3:
    case 4:
        return QStringLiteral("ü");
    case 6:
        return QStringLiteral("yı");
    case 9:
        return QStringLiteral("u");
    default:
        break;
    }
    switch ((n % 100) / 10) {
    case 2:
    case 5:
        return QStringLiteral("yi");
    case 4:
    case 6:
    case 9:
        return QStringLiteral("ı");
    case 7:
    case 8:
        return QStringLiteral("i");
    default: // 0, 1, 3: yüzü, onu, otuzu
        return QStringLiteral("u");
    }
}

namespace {
QString SayiEki(qint64 n)
{
    return QString::number(n) + QLatin1Char(' ') + AccusativeSuffix(n);
}
}

QString PanelBasligi(int tur, qint64 ilk, qint64 ikinci)
{
    switch (tur) {
    case PANEL_ONLY_FIRST:
        return QStringLiteral("Sadece ") + SayiEki(ilk) + QStringLiteral(" bölenler");
    case PANEL_BOTH:
        return QStringLiteral("Hem ") + SayiEki(ilk) + QStringLiteral(" Hem ") + SayiEki(ikinci)
               + QStringLiteral(" bölenler");
    case PANEL_ONLY_SECOND:
        return QStringLiteral("Sadece ") + SayiEki(ikinci) + QStringLiteral(" bölenler");
    default:
        return QString();
    }
}

qint64 Obeb(qint64 x, qint64 y)
{
    if (x < 1 || y < 1)
        return 1;
    while (y != 0) {
        const qint64 r = x % y;
        x = y;
        y = r;
    }
    return x;
}

qint64 Okek(qint64 x, qint64 y)
{
    return x / Obeb(x, y) * y;
}

DenetimSonucu CevapDenetle(qint64 x, qint64 y, qint64 obebCevap, qint64 okekCevap)
{
    const qint64 obeb = Obeb(x, y);
    const qint64 okek = x * y / obeb;
    const bool obebDogru = obebCevap == obeb;
    const bool okekDogru = okekCevap == okek;
    DenetimSonucu s;
    if (obebDogru && okekDogru) {
        s.Dogru = true;
        s.Baslik = QStringLiteral("Tebrikler");
        s.Mesaj = QStringLiteral("Tebrikler Bildiniz!");
        return s;
    }
    s.Baslik = QStringLiteral("Hatalı Değer");
    if (!obebDogru && !okekDogru)
        s.Mesaj = QStringLiteral("Maalesef, ne OBEB ne OKEK değerleriniz doğru değil.");
    else if (!obebDogru)
        s.Mesaj = QStringLiteral("Maalesef, OBEB değeriniz doğru değil.");
    else
        s.Mesaj = QStringLiteral("Maalesef, OKEK değeriniz doğru değil.");
    return s;
}

PanelKarari PanelKurali(int k, int t, int v, int kalanBolunmemis, int kendiAgacinda, int digerAgacta)
{
    PanelKarari s;
    if (k != PANEL_ONLY_FIRST && k != PANEL_ONLY_SECOND && k != PANEL_BOTH)
        return s;
    if (kalanBolunmemis > 0) {
        s.Mesaj = QStringLiteral("Önce tüm çarpanları bulunuz");
        s.Baslik = QStringLiteral("İşlem Eksik");
        return s;
    }
    if (k == PANEL_BOTH) {
        if (digerAgacta > 0) {
            s.Kabul = true;
            s.DigerindenAl = true;
        } else {
            s.Mesaj = QString::number(v) + QStringLiteral(" her iki sayıyıda bölmez!");
            s.Baslik = QStringLiteral("Yanlış Panel");
        }
        return s;
    }
    s.Baslik = QStringLiteral("Yanlış Panel");
    if (t != k) {
        s.Mesaj = QStringLiteral("Yanlış panele bırakıyorsunuz");
        return s;
    }
    // While the other number still holds as many unplaced copies of this
    // prime, the copy is a common divisor.
    if (digerAgacta >= kendiAgacinda) {
        s.Mesaj = QString::number(v) + QStringLiteral(" her iki sayıyıda böler");
        return s;
    }
    s.Baslik.clear();
    s.Kabul = true;
    return s;
}

QPoint KopyaYeri(QPoint birakma, QSize panelBoyu)
{
    QPoint yer = birakma;
    if (yer.x() + 50 >= panelBoyu.width())
        yer.setX(panelBoyu.width() - 50 - 5);
    if (yer.y() + 30 >= panelBoyu.height())
        yer.setY(panelBoyu.height() - 30 - 5);
    return yer;
}

QList<QPoint> KopyalariSigdir(const QList<QRect>& kopyalar, QSize panelBoyu)
{
    const QRect panel(QPoint(0, 0), panelBoyu);
    auto sigar = [&panel](const QRect& r) { return panel.contains(r); };
    QList<QRect> yerler = kopyalar;
    for (int i = 0; i < yerler.size(); ++i) {
        if (sigar(yerler[i]))
            continue;
        auto bos = [&](const QRect& aday) {
            for (int j = 0; j < yerler.size(); ++j)
                if (j != i && (sigar(yerler[j]) || j < i) && yerler[j].intersects(aday))
                    return false;
            return true;
        };
        bool bulundu = false;
        for (int y = 5; !bulundu && y + yerler[i].height() <= panel.height(); y += 35)
            for (int x = 5; !bulundu && x + yerler[i].width() <= panel.width(); x += 55) {
                const QRect aday(QPoint(x, y), yerler[i].size());
                if (bos(aday)) {
                    yerler[i] = aday;
                    bulundu = true;
                }
            }
        if (!bulundu)
            yerler[i].moveTopLeft(KopyaYeri(yerler[i].topLeft(), panelBoyu));
    }
    QList<QPoint> sonuc;
    for (const QRect& r : yerler)
        sonuc << r.topLeft();
    return sonuc;
}

QPoint BosKopyaYeri(const QList<QRect>& kopyalar, QSize panelBoyu, QSize kopya)
{
    const QRect panel(QPoint(0, 0), panelBoyu);
    for (int y = 5; y + kopya.height() <= panel.height(); y += 35)
        for (int x = 5; x + kopya.width() <= panel.width(); x += 55) {
            const QRect aday(QPoint(x, y), kopya);
            if (std::none_of(kopyalar.begin(), kopyalar.end(), [&](const QRect& r) { return r.intersects(aday); }))
                return aday.topLeft();
        }
    return KopyaYeri(panel.center(), panelBoyu);
}

QString DugumOkunusu(const CarpanDugumu& d)
{
    const QString sayi = QString::number(d.Value());
    if (d.IsPrime())
        return sayi + (d.State == 1 ? QStringLiteral(", asal") : QStringLiteral(", asal, kullanıldı"));
    if (d.CocuklarGorunur() && d.LeftChild() && d.RightChild())
        return sayi + QStringLiteral(", ") + QString::number(d.LeftChild()->Value()) + QStringLiteral(" çarpı ")
               + QString::number(d.RightChild()->Value());
    if (d.KutularAcik())
        return sayi + QStringLiteral(", bölen bekliyor");
    return sayi;
}

QString OkekSatiri(qint64 p1, qint64 p2, qint64 p3)
{
    return QStringLiteral(" = ") + QString::number(p1) + QStringLiteral(" * ") + QString::number(p2)
           + QStringLiteral(" * ") + QString::number(p3) + QStringLiteral(" = ") + QString::number(p1 * p2 * p3);
}

FaktorYerlesimi FaktorYerlesimiHesapla(int W, int H)
{
    FaktorYerlesimi y;
    const int h = std::max(0, (H - 150) / 3);
    const int tw = std::max(0, (W - 80) / 2);
    const int th = int(h * 1.5);
    y.Agac1 = QRect(10, 50, tw, th);
    y.Agac2 = QRect(tw + 20, 50, tw, th);
    const int pw = std::max(0, (W - 60) / 3);
    const int pt = y.Agac1.y() + th + 50;
    const int sollar[3] = {5, pw + 15, 2 * pw + 25};
    for (int i = 0; i < 3; ++i) {
        y.Paneller[i] = QRect(sollar[i], pt, pw, h);
        y.Ustler[i] = QRect(sollar[i], pt - 20, pw, 20);
        y.Altlar[i] = QRect(sollar[i], pt + h + 10, pw, 21);
    }
    const int t7 = y.Altlar[0].y() + 20;
    const int t8 = t7 + 20;
    y.Label7 = QRect(5, t7, 62, 21);
    y.Label8 = QRect(5, t8, 62, 21);
    y.Label9 = QRect(70, t7, W - 75, 21);
    y.Label10 = QRect(70, t8, W - 75, 21);
    y.Edit1 = QRect(70, t7, 130, 20);
    y.Edit2 = QRect(70, t8, 130, 20);
    y.Button1 = QRect(215, t7 + 10, 170, 32);
    return y;
}

bool ProblemSayilariUygun(qint64 ilk, qint64 ikinci)
{
    return ilk >= 2 && ikinci >= 2 && ilk != ikinci;
}

int RastgeleBilesik()
{
    int n = 2;
    // A generator stuck on primes must not hang the window.
    for (int deneme = 0; IsPrime(n) && deneme < 10000; ++deneme)
        n = Ortam::Gecerli().Rastgele(50);
    return IsPrime(n) ? 4 : n;
}

namespace {
bool AgacNumarasi(int agac)
{
    return agac == 1 || agac == 2;
}
bool PanelTuru(int k)
{
    return k == PANEL_ONLY_FIRST || k == PANEL_ONLY_SECOND || k == PANEL_BOTH;
}

// `aranan` among the shown nodes of the subtree of `d`.
CarpanDugumu* GorunenlerdeBul(CarpanDugumu* d, const CarpanDugumu* aranan)
{
    if (!d)
        return nullptr;
    if (d == aranan)
        return d;
    if (!d->CocuklarGorunur())
        return nullptr;
    if (CarpanDugumu* b = GorunenlerdeBul(d->LeftChild(), aranan))
        return b;
    return GorunenlerdeBul(d->RightChild(), aranan);
}
} // namespace

CarpanAgaciModeli::CarpanAgaciModeli() = default;
CarpanAgaciModeli::~CarpanAgaciModeli() = default;

void CarpanAgaciModeli::NewProblem(int a, int b)
{
    ResetBoard();
    for (qint64& p : products_)
        p = 1;
    SetNumber(1, a == -1 ? RastgeleBilesik() : a);
    SetNumber(2, b == -1 ? RastgeleBilesik() : b);
}

void CarpanAgaciModeli::SetNumber(int agac, int n)
{
    if (!AgacNumarasi(agac))
        return;
    kokler_[agac - 1] = std::make_unique<CarpanDugumu>(n);
    kokler_[agac - 1]->Expand();
}

void CarpanAgaciModeli::ClearTree(int agac)
{
    if (AgacNumarasi(agac))
        kokler_[agac - 1].reset();
}

void CarpanAgaciModeli::ResetBoard()
{
    ClearTree(1);
    ClearTree(2);
    for (QList<int>& liste : yerlesenler_)
        liste.clear();
}

CarpanDugumu* CarpanAgaciModeli::Kok(int agac) const
{
    return AgacNumarasi(agac) ? kokler_[agac - 1].get() : nullptr;
}

int CarpanAgaciModeli::RootValue(int agac) const
{
    const CarpanDugumu* kok = Kok(agac);
    return kok ? kok->Value() : 0;
}

int CarpanAgaciModeli::CountUnsplit() const
{
    int n = 0;
    for (const auto& kok : kokler_)
        n += kok ? kok->CountUnsplit() : 0;
    return n;
}

int CarpanAgaciModeli::CountAvailable(int agac, int deger) const
{
    const CarpanDugumu* kok = Kok(agac);
    return kok ? kok->CountAvailable(deger) : 0;
}

bool CarpanAgaciModeli::TakeAvailable(int agac, int deger)
{
    CarpanDugumu* kok = Kok(agac);
    return kok && kok->TakeAvailable(deger);
}

CarpanDugumu* CarpanAgaciModeli::Bul(const CarpanDugumu* dugum) const
{
    for (const auto& kok : kokler_)
        if (CarpanDugumu* d = GorunenlerdeBul(kok.get(), dugum))
            return d;
    return nullptr;
}

int CarpanAgaciModeli::Agaci(const CarpanDugumu* dugum) const
{
    for (int agac : {1, 2})
        if (dugum && GorunenlerdeBul(Kok(agac), dugum))
            return agac;
    return 0;
}

PanelKarari CarpanAgaciModeli::PanelaBirak(int k, const CarpanDugumu* dugum)
{
    CarpanDugumu* yaprak = Bul(dugum);
    // A used leaf or a placed copy is no leaf to place.
    if (!yaprak || !yaprak->IsPrime() || yaprak->State != 1)
        return PanelKarari();
    const int t = Agaci(yaprak);
    const int o = t == 1 ? 2 : 1;
    const int v = yaprak->Value();
    const PanelKarari karar = PanelKurali(k, t, v, CountUnsplit(), CountAvailable(t, v), CountAvailable(o, v));
    if (!karar.Kabul)
        return karar;
    if (karar.DigerindenAl)
        TakeAvailable(o, v);
    products_[k] *= v;
    yerlesenler_[k] << v;
    yaprak->SetState(0);
    return karar;
}

QList<int> CarpanAgaciModeli::Yerlesenler(int k) const
{
    return PanelTuru(k) ? yerlesenler_[k] : QList<int>();
}

QString CarpanAgaciModeli::AgacDurumu(int agac) const
{
    const CarpanDugumu* kok = Kok(agac);
    if (!kok)
        return QStringLiteral("boş");
    const int bekleyen = kok->CountUnsplit();
    return QString::number(kok->Value())
           + (bekleyen ? QStringLiteral(", ") + QString::number(bekleyen) + QStringLiteral(" sayı bölen bekliyor")
                       : QStringLiteral(", asal çarpanlarına ayrıldı"));
}

QString CarpanAgaciModeli::PanelDurumu(int k) const
{
    const QList<int> yerlesen = Yerlesenler(k);
    if (yerlesen.isEmpty())
        return QStringLiteral("boş");
    QStringList sayilar;
    for (int v : yerlesen)
        sayilar << QString::number(v);
    return sayilar.join(QStringLiteral(", ")) + QStringLiteral("; çarpım ") + UrunMetni(k);
}

QString CarpanAgaciModeli::KopyaOkunusu(int v, const QString& baslik)
{
    return QString::number(v) + QStringLiteral(", ") + baslik + QStringLiteral(" panelinde");
}

QString CarpanAgaciModeli::Baslik(int k) const
{
    return PanelBasligi(k, RootValue(1), RootValue(2));
}

QString CarpanAgaciModeli::UrunMetni(int k) const
{
    return PanelTuru(k) ? QString::number(products_[k]) : QString();
}

QString CarpanAgaciModeli::ObebMetni() const
{
    if (checkMode_)
        return QStringLiteral("=1");
    return QStringLiteral(" = ") + QString::number(products_[PANEL_BOTH]);
}

QString CarpanAgaciModeli::OkekMetni() const
{
    if (checkMode_)
        return QStringLiteral("=1");
    return OkekSatiri(products_[PANEL_ONLY_FIRST], products_[PANEL_BOTH], products_[PANEL_ONLY_SECOND]);
}

QString CarpanAgaciModeli::ModKomutu() const
{
    return checkMode_ ? QStringLiteral("Deneme Modu") : QStringLiteral("Denetleme Modu");
}

DenetimSonucu CarpanAgaciModeli::Denetle(const QString& obeb, const QString& okek) const
{
    const qint64 obebCevap = UzunTamsayiyaCevirVeyaHata(obeb);
    const qint64 okekCevap = UzunTamsayiyaCevirVeyaHata(okek);
    return CevapDenetle(RootValue(1), RootValue(2), obebCevap, okekCevap);
}

TRenk CarpanAgaciModeli::AgacRengi(int agac) const
{
    return AgacNumarasi(agac) ? agacRenkleri_[agac - 1] : clNone;
}

TRenk CarpanAgaciModeli::PanelRengi(int k) const
{
    return PanelTuru(k) ? panelRenkleri_[k] : clNone;
}

void CarpanAgaciModeli::AgacRengiAyarla(int agac, TRenk renk)
{
    if (!AgacNumarasi(agac))
        return;
    agacRenkleri_[agac - 1] = renk;
    panelRenkleri_[agac == 1 ? PANEL_ONLY_FIRST : PANEL_ONLY_SECOND] = renk;
}

void CarpanAgaciModeli::PanelRengiAyarla(int k, TRenk renk)
{
    if (!PanelTuru(k))
        return;
    panelRenkleri_[k] = renk;
    agacRenkleri_[0] = panelRenkleri_[PANEL_ONLY_FIRST];
    agacRenkleri_[1] = panelRenkleri_[PANEL_ONLY_SECOND];
}
