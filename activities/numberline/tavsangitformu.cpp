#include "tavsangitformu.h"
#include "Eksen.h"
#include "erisim.h"
#include "gorunum.h"
#include "resimkutusu.h"

#include <QLabel>

namespace {
constexpr int RESIM_USTU = 55;
const QSize RESIM_BOYU(55, 50);

QLabel* TavsanResmi(QWidget* ebeveyn, const QString& yol, const char* ad)
{
    auto* resim = new QLabel(ebeveyn);
    resim->setObjectName(QLatin1String(ad));
    resim->setFixedSize(RESIM_BOYU);
    resim->setPixmap(ResimKutusu::Resim(yol, RESIM_BOYU, ebeveyn->devicePixelRatioF()));
    resim->setAttribute(Qt::WA_TransparentForMouseEvents);
    resim->move(0, RESIM_USTU);
    resim->hide();
    return resim;
}
}

TTavsanGitForm::TTavsanGitForm(QWidget* sahip) : QWidget(sahip)
{
    setObjectName(QStringLiteral("TTavsanGitForm"));
    ZeminVer(this, clBtnFace);
    NumberLine = new Eksen(this);
    const SayiDogrusuOlcusu dogru = SahneDogrusu();
    NumberLine->OlcuAyarla(dogru.Baslangic, dogru.Adet, dogru.Adim);
    NumberLine->setGeometry(DOGRU_SOLU, DOGRU_USTU, NumberLine->width(), DOGRU_YUKSEKLIGI);
    NumberLine->Brush = clBtnFace;
    Image1 = TavsanResmi(this, QStringLiteral(":/pictures/tavsan_sag.svg"), "Image1");
    Image2 = TavsanResmi(this, QStringLiteral(":/pictures/tavsan_sol.svg"), "Image2");
    setFixedSize(NumberLine->x() + NumberLine->width() + 20, NumberLine->y() + NumberLine->height() + 100);
    // The line is a stop for Tab (never for a click): a reader hears where the rabbit stands.
    NumberLine->setFocusPolicy(Qt::TabFocus);
    NumberLine->setAccessibleDescription(QStringLiteral("-100'den 100'e sayı doğrusu"));
    NumberLine->Ad = [this] { return QStringLiteral("Sayı doğrusu: ") + tavsan_.Adi(); };
    for (QLabel* resim : {Image1, Image2})
        ErisimKur(resim, QAccessible::Graphic, [this] { return tavsan_.Adi(); });
    TavsanYerlestir();
}

QLabel* TTavsanGitForm::Tavsan() const
{
    return tavsan_.SagaBakar() ? Image1 : Image2;
}

void TTavsanGitForm::Hareket(const HareketIstegi& istek)
{
    tavsan_.Uygula(istek);
}

void TTavsanGitForm::TavsanYerlestir()
{
    QLabel* resim = Tavsan();
    (resim == Image1 ? Image2 : Image1)->hide();
    resim->move(tavsan_.ResimSolu(resim->width()), RESIM_USTU);
    resim->show();
    NumberLine->OdakDegeri = tavsan_.Konum();
    ErisimDegisti(resim);
    ErisimDegisti(NumberLine);
}
