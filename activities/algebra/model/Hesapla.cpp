#include "Hesapla.h"
#include "Mydegiskenler.h"
#include "Myfonksiyon.h"
#include "metinler.h"

#include <cfloat>
#include <cmath>

namespace {

const QChar F(UYGULAMA_ISARETI);

bool FonksiyonAdiMi(const QString& ad)
{
    return FonksiyonNo(ad) > 0;
}

bool Tek(const QString& t, char16_t c)
{
    return t.size() == 1 && t[0].unicode() == c;
}

// Whether the operator on top of the stack (a) goes to the output before b is handled.
bool OnceCikar(const QString& a, const QString& b)
{
    if (Tek(a, u'(') || Tek(b, u'('))
        return false;
    if (Tek(b, u')'))
        return true;
    // A sign has nothing on its left to finish first.
    if (Tek(b, ISARET_EKSI))
        return false;
    if (Tek(a, UYGULAMA_ISARETI))
        return !Tek(b, UYGULAMA_ISARETI);
    if (Tek(b, UYGULAMA_ISARETI) || (Tek(a, u'^') && Tek(b, u'^')))
        return false;
    if (Tek(a, u'^'))
        return true;
    if (Tek(b, u'^'))
        return false;
    if (Tek(a, ISARET_EKSI))
        return true;
    if (Tek(a, u'*') || Tek(a, u'/'))
        return true;
    if (Tek(b, u'*') || Tek(b, u'/'))
        return false;
    return Tek(a, u'%') || !Tek(b, u'%');
}

} // namespace

KarakterSinifi KarakterSinifiBul(QChar c)
{
    const char16_t k = c.unicode();
    switch (k) {
    case u'?':
        return KarakterSinifi::TirnakBasi;
    case u'~':
        return KarakterSinifi::TirnakSonu;
    case u'.':
    case u',':
        return KarakterSinifi::OndalikAyirici;
    case u'%':
    case UYGULAMA_ISARETI:
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'^':
        return KarakterSinifi::Islec;
    case u'(':
    case u'[':
    case u'{':
        return KarakterSinifi::AcmaParantez;
    case u')':
    case u']':
    case u'}':
        return KarakterSinifi::KapamaParantez;
    case u'\t':
    case u'\n':
    case u' ':
        return KarakterSinifi::Bosluk;
    // ü Ü ı İ ö Ö ç Ç ğ Ğ ş Ş
    case 0x00FC:
    case 0x00DC:
    case 0x0131:
    case 0x0130:
    case 0x00F6:
    case 0x00D6:
    case 0x00E7:
    case 0x00C7:
    case 0x011F:
    case 0x011E:
    case 0x015F:
    case 0x015E:
        return KarakterSinifi::Harf;
    default:
        break;
    }
    if ((k >= u'A' && k <= u'Z') || (k >= u'a' && k <= u'z'))
        return KarakterSinifi::Harf;
    if (k >= u'0' && k <= u'9')
        return KarakterSinifi::Rakam;
    return KarakterSinifi::Diger;
}

MetinYigini Parcala(const QString& ifade)
{
    enum Kip { Basla, BoslukSonrasi, Sayida, Kelimede };
    MetinYigini liste;
    Kip kip = Basla;
    QString W, D, L;
    int S = 0;

    auto bitir = [&] {
        if (!W.isEmpty() || !D.isEmpty()) {
            liste.Ekle(W + D);
            if (FonksiyonAdiMi(W))
                liste.Ekle(QString(F));
        }
        L = W;
        W.clear();
        D.clear();
    };
    auto ortukCarpim = [&] {
        if (!FonksiyonAdiMi(L))
            liste.Ekle(QStringLiteral("*"));
        W.clear();
        D.clear();
    };

    const int n = int(ifade.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = ifade[i];
        switch (KarakterSinifiBul(c)) {
        case KarakterSinifi::Diger:
            S = 0;
            break;
        case KarakterSinifi::Bosluk:
            S = 0;
            if (kip == Sayida || kip == Kelimede) {
                bitir();
                kip = BoslukSonrasi;
            }
            break;
        case KarakterSinifi::TirnakBasi: {
            S = 0;
            if (kip == Sayida || kip == Kelimede)
                bitir();
            if (kip != Basla)
                ortukCarpim();
            int konum = i;
            W = MetinParcasiAl(ifade, konum, QLatin1Char('~'), true);
            bitir();
            kip = Kelimede;
            // Continue after the '~'; without one the name ran to the end.
            i = konum - 1;
            break;
        }
        case KarakterSinifi::TirnakSonu:
            break;
        case KarakterSinifi::Rakam:
            if (kip == Basla || kip == Sayida) {
                (S == 0 ? W : D).append(c);
                kip = Sayida;
            } else if (kip == BoslukSonrasi) {
                ortukCarpim();
                W = c;
                kip = Sayida;
            } else if (FonksiyonAdiMi(W)) {
                bitir();
                W = c;
                kip = Sayida;
            } else {
                W.append(c);
            }
            break;
        case KarakterSinifi::Harf:
            S = 0;
            if (kip == Basla || kip == Kelimede) {
                W.append(c);
            } else if (kip == BoslukSonrasi) {
                ortukCarpim();
                W = c;
            } else {
                bitir();
                liste.Ekle(QStringLiteral("*"));
                W = c;
            }
            kip = Kelimede;
            break;
        case KarakterSinifi::Islec:
            S = 0;
            bitir();
            liste.Ekle(QString(c));
            kip = Basla;
            break;
        case KarakterSinifi::AcmaParantez:
        case KarakterSinifi::KapamaParantez:
            S = 0;
            bitir();
            liste.Ekle(KarakterSinifiBul(c) == KarakterSinifi::AcmaParantez ? QStringLiteral("(") : QStringLiteral(")"));
            kip = Basla;
            break;
        case KarakterSinifi::OndalikAyirici:
            ++S;
            D = QStringLiteral(".");
            break;
        }
    }
    bitir();
    return liste;
}

bool IslecMi(const QString& parca)
{
    if (parca.isEmpty())
        return false;
    switch (parca[0].unicode()) {
    case u'-':
    case ISARET_EKSI:
    case UYGULAMA_ISARETI:
    case u'%':
    case u'(':
    case u')':
    case u'*':
    case u'+':
    case u'/':
    case u'^':
        return true;
    default:
        return false;
    }
}

MetinYigini SonekeCevir(const MetinYigini& parcalar)
{
    MetinYigini cikti;
    MetinYigini yigin;
    // Whether the token before stands on the left of a "-": an operand or ")".
    bool solIsleneniVar = false;
    for (int i = 0; i < parcalar.Sayi(); ++i) {
        QString t = *parcalar.Oge(i);
        if (!IslecMi(t)) {
            cikti.Ekle(t);
            solIsleneniVar = true;
            continue;
        }
        if (Tek(t, u'-') && !solIsleneniVar)
            t = QString(QChar(ISARET_EKSI));
        solIsleneniVar = Tek(t, u')');
        while (!yigin.Bosmu() && OnceCikar(*yigin.Ust(), t))
            cikti.Ekle(*yigin.Cek());
        if (!yigin.Bosmu() && Tek(t, u')'))
            yigin.Cek();
        else
            yigin.Ekle(t);
    }
    while (!yigin.Bosmu())
        cikti.Ekle(*yigin.Cek());
    return cikti;
}

double UcOndalik(double deger)
{
    if (!(std::fabs(deger) <= double(FLT_MAX)))
        throw HesapHatasi{HATA_TASMA};
    return MetinSayiya(SayiMetni(static_cast<float>(deger), 5));
}

double DegerAl(Hesapla& hesap, const QString& islenen)
{
    if (islenen.isEmpty())
        return 0;
    if (islenen[0] == QLatin1Char('?')) {
        const QString ad = islenen.mid(1);
        if (ad.isEmpty() || !hesap.Cozucu)
            return 0;
        return hesap.Cozucu->Deger(ad, &hesap);
    }
    if (KarakterSinifiBul(islenen[0]) == KarakterSinifi::Harf)
        return hesap.Cozucu ? hesap.Cozucu->Deger(islenen, &hesap) : 0.0;
    return MetinSayiya(islenen);
}

double IslemUygula(Hesapla& hesap, const QString& sol, const QString& sag, const QString& islec)
{
    if (Tek(islec, UYGULAMA_ISARETI))
        return FonksiyonUygula(FonksiyonNo(sol), DegerAl(hesap, sag));
    const double x = DegerAl(hesap, sol);
    const double y = DegerAl(hesap, sag);
    switch (islec.isEmpty() ? u'\0' : islec[0].unicode()) {
    case u'+':
        return x + y;
    case u'-':
        return x - y;
    case u'*':
        return x * y;
    case u'/':
        if (y == 0)
            throw HesapHatasi{HATA_SIFIRA_BOLME};
        return x / y;
    case u'^':
        return std::pow(x, y);
    case u'%':
        return y != 0 && std::trunc(x / y) * y == x ? 1 : 0;
    default:
        return 0;
    }
}

double SonekHesapla(Hesapla& hesap, const MetinYigini& sonek)
{
    MetinYigini yigin;
    bool sonucVar = false;
    double r = 0;
    for (int i = 0; i < sonek.Sayi(); ++i) {
        const QString t = *sonek.Oge(i);
        if (!IslecMi(t)) {
            yigin.Ekle(t);
            continue;
        }
        // A bracket left without its partner is passed over: "(2+3" is 5.
        if (Tek(t, u'(') || Tek(t, u')'))
            continue;
        if (Tek(t, ISARET_EKSI)) {
            // A sign without its operand is passed over like any operator.
            const auto islenen = yigin.Cek();
            if (!islenen)
                continue;
            // 0 - x rather than -x, so that -0 is shown as 0.0.
            r = UcOndalik(0.0 - DegerAl(hesap, *islenen));
            yigin.Ekle(SayiMetni(static_cast<float>(r), 5));
            sonucVar = true;
            continue;
        }
        const auto sag = yigin.Cek();
        const auto sol = yigin.Cek();
        if (!sag || !sol)
            continue;
        r = UcOndalik(IslemUygula(hesap, *sol, *sag, t));
        yigin.Ekle(SayiMetni(static_cast<float>(r), 5));
        sonucVar = true;
    }
    if (sonucVar && yigin.Bosmu())
        return r;
    const auto ust = yigin.Cek();
    const auto ikinci = yigin.Cek();
    if (ust && ikinci) {
        QString ad = *ikinci;
        if (ad.isEmpty())
            return 0;
        double isaret = 1;
        if (ad[0] == QLatin1Char('+') || ad[0] == QLatin1Char('-')) {
            isaret = ad[0] == QLatin1Char('-') ? -1 : 1;
            ad.remove(0, 1);
        }
        const int no = FonksiyonNo(ad);
        if (no == 0)
            return 0;
        return UcOndalik(isaret * FonksiyonUygula(no, DegerAl(hesap, *ust)));
    }
    if (ust)
        return UcOndalik(DegerAl(hesap, *ust));
    return 0;
}

bool Hesapla_Degerlendir(Hesapla& hesap, const QString& ifade, double& sonuc, bool adlariKoru)
{
    sonuc = 0;
    if (!adlariKoru)
        hesap.HesaplananAdlar.clear();
    if (ifade.isEmpty())
        return false;
    sonuc = SonekHesapla(hesap, SonekeCevir(Parcala(ifade)));
    return true;
}

bool IfadeHesapla(Hesapla& hesap, const QString& ifade, double& sonuc)
{
    sonuc = 0;
    hesap.DonguBayragi = 0;
    try {
        double deger = 0;
        const bool basarili = Hesapla_Degerlendir(hesap, ifade, deger, false);
        sonuc = deger;
        return basarili;
    } catch (...) {
        sonuc = 0;
        return false;
    }
}
