#include "etkinlikler.h"
#include "Kumeelemanformu.h"

#include <QDialog>

QDialog* EtkinlikOlustur(int kod, QWidget* sahip)
{
    switch (kod) {
    case 9:
        return new TKumeElemanForm(sahip);
    default:
        return nullptr;
    }
}
