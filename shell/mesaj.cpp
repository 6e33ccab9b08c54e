#include "mesaj.h"
#include <QCoreApplication>

NumaraliMesaj::NumaraliMesaj(int numara, qintptr wParam, qintptr lParam)
    : QEvent(static_cast<QEvent::Type>(numara)), WParam(wParam), LParam(lParam)
{
    Q_ASSERT(numara > QEvent::User && numara < QEvent::MaxUser);
}

qintptr MesajGonder(QObject* alici, int numara, qintptr wParam, qintptr lParam)
{
    if (!alici)
        return 0;
    NumaraliMesaj mesaj(numara, wParam, lParam);
    QCoreApplication::sendEvent(alici, &mesaj);
    return mesaj.Sonuc;
}

NumaraliMesaj* NumaraliMi(QEvent* olay, int numara)
{
    if (!olay || static_cast<int>(olay->type()) != numara)
        return nullptr;
    return static_cast<NumaraliMesaj*>(olay);
}
