#include "etkinlikler.h"
#include "Cebirselformu.h"
#include "Eratostehnesformu.h"
#include "Faktorformu.h"
#include "Kumeelemanformu.h"

#include <QDialog>

QDialog* EtkinlikOlustur(int kod, QWidget* sahip)
{
    switch (kod) {
    case 3:
        return new TFaktorItForm(sahip);
    case 8:
        return new TTheCebirselForm(sahip);
    case 9:
        return new TKumeElemanForm(sahip);
    case 13:
        return new TErasthethenesForm(sahip);
    default:
        return nullptr;
    }
}
