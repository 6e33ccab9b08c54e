#include "etkinlikler.h"

#include <QDialog>

QDialog* EtkinlikOlustur(int kod, QWidget* sahip)
{
    (void)sahip;
    switch (kod) {
    default:
        return nullptr;
    }
}
