#include "etkinlikler.h"
#include "Anakesirformu.h"
#include "Aralikanaformu.h"
#include "Bebekgiyimformu.h"
#include "boncukformu.h"
#include "Cebirselformu.h"
#include "degismeformu.h"
#include "Eratostehnesformu.h"
#include "Faktorformu.h"
#include "Kumeelemanformu.h"
#include "Teraziformu.h"
#include "Yuzdeformu.h"
#include "duzlemformu.h"
#include "tavsangitanaformu.h"

#include <QDialog>

namespace {
template <class Pencere>
QDialog* yap(QWidget* sahip)
{
    return new Pencere(sahip);
}

QString s(const char* metin)
{
    return QString::fromUtf8(metin);
}

constexpr auto PENCERE = HakkindaTuru::Pencere;
constexpr auto KUTU = HakkindaTuru::MesajKutusu;
const QSize OLCU(600, 600);
}

const std::vector<EtkinlikSatiri>& EtkinlikTablosu()
{
    // item, label, tag, code, caption, help title and document, about, minimum size, window
    static const std::vector<EtkinlikSatiri> tablo = {
        {0, s("Sayma Pulları"), 1, 1, s("Sayma Pulları"),
         s("Sayma Pulları"), s("PulEkle"),
         KUTU, s("Sayma Pulları"), QString(), OLCU,
         yap<TBoncukForm>},
        {1, s("Değişme Özelliği"), 2, 2, s("Değişme Özelliği"),
         s("Değişme Özelliği"), s("DegismeOzelligi"),
         PENCERE, s("Değişme Özelliği"), QString(), OLCU,
         yap<TTheDegismeForm>},
        {2, s("Çarpan Ağacı"), 3, 3, s("Çarpan Ağacı"),
         s("Çarpan Ağacı"), s("CarpanAgaci"),
         KUTU, s("Çarpan Ağacı"), QString(), OLCU,
         yap<TFaktorItForm>},
        {3, s("Tavşanı Yakalayalım"), 4, 4, s("Tavşanı Yakalayalım"),
         s("Tavşanı Yakalayalım"), s("TavsanYakala"),
         PENCERE, s("Tavşanı Yakalayalım"), QString(), OLCU,
         yap<TAnalitikDuzlemForm>},
        {4, s("Tavşan Git"), 5, 5, s("Tavşan Git "),
         s("Tavşan Git"), s("TavsanGit"),
         PENCERE, s("Tavşan Git"), QString(), QSize(600, 400),
         yap<TTavsanGitAnaForm>},
        {5, s("Sayı Piramidi"), 6, 6, s("Sayı Piramidi"),
         s("Sayı Piramidi"), s("SayiPiramidi"),
         PENCERE, s("Sayı Piramidi"), QString(), QSize(750, 600),
         yap<TAralikAnaForm>},
        {6, s("Asal Sayıları Bulma"), 7, 13, s("Eratosthenes Yöntemiyle Asal Sayılar"),
         s("Eratosthenes Yöntemiyle Asal Sayı Bulma"), s("Eratosthenes"),
         PENCERE, s("Eratosthenes Yöntemiyle Asal Sayı Bulma"), QString(), OLCU,
         yap<TErasthethenesForm>},
        {7, s("Saymanın Temel İlkeleri"), 8, 7, s("Saymanın Temel İlkeleri"),
         s("Saymanın Temel İlkeleri"), s("SaymaninIlkeleri"),
         PENCERE, s("Saymanın Temel İlkeleri"), s("Pomlu Bey ve giysileri: Orvanta Çizim Atölyesi"), OLCU,
         yap<TBebekGiyimForm>},
        {8, s("Cebirsel İfadeler"), 9, 8, s("Cebirsel İfadeler"),
         s("Cebirsel İfadeler"), s("CebirselIfade"),
         PENCERE, s("Cebirsel İfadeler"), QString(), OLCU,
         yap<TTheCebirselForm>},
        {9, s("Küme Elemanları"), 10, 9, s("Kume Elemanlarını Bul"),
         s("Küme Elemanları"), s("KumeEleman"),
         PENCERE, s("Küme işlemleri"), QString(), OLCU,
         yap<TKumeElemanForm>},
        {10, s("Yüzde Hesapları"), 11, 10, s("Yüzde Hesapları"),
         s("Yüzde hesaplar"), s("YuzdeHesap"),
         PENCERE, s("Yüzde Hesapları"), QString(), QSize(720, 600),
         yap<TYuzdeForm>},
        {11, s("Denklem Çöz"), 12, 11, s("Denklem Çözelim"),
         s("Denklem Çöz"), s("DenklemCoz"),
         PENCERE, s("Denklem Çöz"), QString(), QSize(720, 600),
         yap<TTeraziForm>},
        {12, s("Kesir Karşılaştır"), 13, 12, s("Kesir Karşılaştır"),
         s("Kesir Karşılaştır"), s("KesirKarsilastir"),
         PENCERE, s("Kesir Görselleştirme"), QString(), OLCU,
         yap<TAnaKesirForm>},
    };
    return tablo;
}

const EtkinlikSatiri* KodSatiri(int kod)
{
    for (const EtkinlikSatiri& satir : EtkinlikTablosu())
        if (satir.Kod == kod)
            return &satir;
    return nullptr;
}

const EtkinlikSatiri* TagSatiri(int tag)
{
    for (const EtkinlikSatiri& satir : EtkinlikTablosu())
        if (satir.Tag == tag)
            return &satir;
    return nullptr;
}

QDialog* EtkinlikOlustur(int kod, QWidget* sahip)
{
    const EtkinlikSatiri* satir = KodSatiri(kod);
    return satir && satir->Yap ? satir->Yap(sahip) : nullptr;
}
