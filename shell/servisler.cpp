#include "servisler.h"
#include "gorunum.h"
#include "ortam.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

void SayiTusuFiltresi(QChar& tus)
{
    const char16_t c = tus.unicode();
    if (c == 13 || c == 8 || c == u'-' || c == u'+' || (c >= u'0' && c <= u'9'))
        return;
    tus = QChar(0);
}

namespace {
class SayiTusuSuzgeci : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() != QEvent::KeyPress)
            return QObject::eventFilter(nesne, olay);
        auto* tus = static_cast<QKeyEvent*>(olay);
        // Editing and moving keys carry no text (or a control character) and stay untouched.
        if (tus->text().isEmpty() || tus->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        for (QChar c : tus->text()) {
            if (c.unicode() < 32 && c.unicode() != 13 && c.unicode() != 8)
                continue;
            QChar suzulen = c;
            SayiTusuFiltresi(suzulen);
            if (suzulen.isNull())
                return true;
        }
        return false;
    }
};

QPointer<QLabel>& buyutulmus()
{
    static QPointer<QLabel> etiket;
    return etiket;
}
}

void SayiTusuFiltresiKur(QLineEdit* kutu)
{
    if (kutu)
        kutu->installEventFilter(new SayiTusuSuzgeci(kutu));
}

TRenk RenkSec(TRenk baslangic)
{
    return Ortam::Gecerli().RenkDiyalogu(baslangic).value_or(baslangic);
}

TRenk FarkliRenkSec(TRenk baslangic, TRenk yasak)
{
    TRenk renk = RenkSec(baslangic);
    while (renk == yasak) {
        Ortam::Gecerli().MesajKutusu(QStringLiteral("Lütfen farklı bir renk seçiniz"), QStringLiteral("Renk hatası"));
        renk = RenkSec(baslangic);
    }
    return renk;
}

void EtiketBuyut(QLabel* etiket, TRenk renk, int boyut, bool vurgulu)
{
    if (!etiket)
        return;
    const QString yazi = etiket->text();
    if (yazi == QLatin1String("KAPAT") || yazi == QLatin1String("SINIFLAR") || yazi == QLatin1String("KONULAR"))
        boyut = vurgulu ? 14 : 12;
    RenkVer(etiket, QPalette::WindowText, renk);
    QFont yazitipi = etiket->font();
    if (boyut > 0)
        yazitipi.setPointSize(boyut);
    etiket->setFont(yazitipi);
    etiket->adjustSize();
    buyutulmus() = vurgulu ? etiket : nullptr;
}

void EtiketVurgula(QObject* kontrol, int boyut, TRenk renk)
{
    if (auto* etiket = qobject_cast<QLabel*>(kontrol))
        EtiketBuyut(etiket, renk, boyut, true);
}

void VurguyuKaldir(int boyut, TRenk renk)
{
    EtiketBuyut(buyutulmus().data(), renk, boyut, false);
}

QLabel* BuyutulmusEtiket()
{
    return buyutulmus().data();
}
