#include "etkinlikler.h"
#include "Cebirselformu.h"

#include <QDialog>

QDialog* EtkinlikOlustur(int kod, QWidget* sahip)
{
    switch (kod) {
    case 8:
        return new TTheCebirselForm(sahip);
    default:
        return nullptr;
    }
}
