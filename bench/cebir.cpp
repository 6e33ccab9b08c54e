#include "olcum.h"
#include "Cebirselformu.h"
#include "Hesapla.h"
#include "Spreadsheetdegiskenler.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

// Evaluations per second of a mixed set (operators, functions, variables,
// references, errors), against bare numbers.
void cebir_ifade_hizi()
{
    BellekTablosu tablo;
    tablo.HucreYaz(QStringLiteral("A1"), QStringLiteral("2+3"));
    tablo.HucreYaz(QStringLiteral("A2"), QStringLiteral("A1*2X"));
    tablo.HucreYaz(QStringLiteral("B1"), QStringLiteral("sin 30+cos(60)"));
    Spreadsheetdegiskenler cozucu(&tablo);
    cozucu.Ayarla(QStringLiteral("X"), 4);
    Hesapla hesap(&cozucu);
    const QStringList karisik = {
        QStringLiteral("2+3*4"),        QStringLiteral("2^3^2"),          QStringLiteral("(2+3)*[4-1]/7"),
        QStringLiteral("1+6%3"),        QStringLiteral("sin 30*kök 2"),   QStringLiteral("2X+3,5"),
        QStringLiteral("A2+B1-A1"),     QStringLiteral("1/0"),            QStringLiteral("birler 1234+onlar 987"),
        QStringLiteral("?X~^2-X Y+12"),
    };
    const QStringList yalin = {QStringLiteral("7")};
    auto hiz = [&](const QStringList& ifadeler) {
        const int tur = 2000;
        QElapsedTimer saat;
        saat.start();
        double toplam = 0;
        for (int t = 0; t < tur; ++t)
            for (const QString& ifade : ifadeler) {
                double d = 0;
                IfadeHesapla(hesap, ifade, d);
                toplam += d;
            }
        const double saniye = double(saat.nsecsElapsed()) / 1e9;
        return toplam == -1 ? 0 : double(tur) * double(ifadeler.size()) / saniye;
    };
    hiz(karisik);
    const double taban = hiz(yalin);
    OlcumYaz("cebir_ifade_hesap_hizi", hiz(karisik), "ifade/s", taban);
}

// One full repaint of the grid when each cell holds twice the one before
// (A2 = A1+A1 ... D9 = D8+D8), against the same grid holding plain numbers.
void cebir_katlanan_sayfa_boyama()
{
    TTheCebirselForm pencere(nullptr);
    pencere.show();
    QCoreApplication::processEvents();
    auto doldur = [&](bool katlanan) {
        QString onceki;
        for (int sutun = 1; sutun <= 4; ++sutun)
            for (int satir = 1; satir <= 9; ++satir) {
                const QString ad = QString(QChar(char16_t(u'A' + sutun - 1))) + QString::number(satir);
                QString metin = onceki.isEmpty() || !katlanan ? QString::number(satir * sutun) : onceki + QLatin1Char('+') + onceki;
                pencere.HucreMetniYaz(sutun, satir, metin);
                onceki = ad;
            }
    };
    auto boya = [&] { pencere.StringGrid1->viewport()->repaint(); };
    doldur(false);
    boya();
    const double yalin = OrtancaSure(boya, 31);
    doldur(true);
    boya();
    const double katlanan = OrtancaSure(boya, 31);
    OlcumYaz("cebir_katlanan_sayfa_boyama", katlanan, "ms", yalin);
}

} // namespace

ORVANTA_OLCUM(cebir_ifade_hizi, 60)
ORVANTA_OLCUM(cebir_katlanan_sayfa_boyama, 61)
