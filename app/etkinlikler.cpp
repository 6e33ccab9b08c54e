#include "etkinlikler.h"
#include "anakesirformu.h"
#include "aralikanaformu.h"
#include "bebekgiyimformu.h"
#include "boncukformu.h"
#include "Cebirselformu.h"
#include "degismeformu.h"
#include "Eratostehnesformu.h"
#include "Faktorformu.h"
#include "Kumeelemanformu.h"
#include "teraziformu.h"
#include "Yuzdeformu.h"
#include "duzlemformu.h"
#include "tavsangitanaformu.h"

#include <QDialog>

const std::vector<EtkinlikSatiri>& EtkinlikTablosu()
{
    // In menu order; each window names its own row.
    static const std::vector<EtkinlikSatiri> tablo = {
        TBoncukForm::Satiri(),        TTheDegismeForm::Satiri(),   TFaktorItForm::Satiri(),
        TAnalitikDuzlemForm::Satiri(), TTavsanGitAnaForm::Satiri(), TAralikAnaForm::Satiri(),
        TErasthethenesForm::Satiri(), TBebekGiyimForm::Satiri(),   TTheCebirselForm::Satiri(),
        TKumeElemanForm::Satiri(),    TYuzdeForm::Satiri(),        TTeraziForm::Satiri(),
        TAnaKesirForm::Satiri(),
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
