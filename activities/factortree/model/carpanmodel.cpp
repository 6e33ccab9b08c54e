#include "carpanmodel.h"
#include "donusum.h"

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

QString OkekSatiri(qint64 p1, qint64 p2, qint64 p3)
{
    return QStringLiteral(" = ") + QString::number(p1) + QStringLiteral(" * ") + QString::number(p2)
           + QStringLiteral(" * ") + QString::number(p3) + QStringLiteral(" = ") + QString::number(p1 * p2 * p3);
}
