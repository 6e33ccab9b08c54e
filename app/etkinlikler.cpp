#include "etkinlikler.h"
#include "Cebirselformu.h"
#include "Kumeelemanformu.h"

#include <QDialog>

QDialog* EtkinlikOlustur(int kod, QWidget* sahip)
{
    switch (kod) {
    case 8:
        return new TTheCebirselForm(sahip);
    case 9:
        return new TKumeElemanForm(sahip);
    default:
        return nullptr;
    }
}
