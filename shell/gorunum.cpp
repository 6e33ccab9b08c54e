#include "gorunum.h"

#include <QWidget>

QFont Yazi(YaziAilesi aile, int piksel, bool kalin)
{
    switch (aile) {
    case YaziAilesi::Tahoma:
        return PikselYazi(QStringLiteral("Tahoma"), piksel, kalin);
    case YaziAilesi::MsSansSerif:
        return PikselYazi(QStringLiteral("MS Sans Serif"), piksel, kalin);
    case YaziAilesi::CenturyGothic:
        return PikselYazi(QStringLiteral("Century Gothic"), piksel, kalin);
    case YaziAilesi::CourierNew:
        return PikselYazi(QStringLiteral("Courier New"), piksel, kalin);
    case YaziAilesi::Arial:
        break;
    }
    return PikselYazi(QStringLiteral("Arial"), piksel, kalin);
}

void RenkVer(QWidget* w, QPalette::ColorRole rol, TRenk renk)
{
    QPalette p = w->palette();
    p.setColor(rol, RenkQ(renk));
    w->setPalette(p);
}

void ZeminVer(QWidget* w, TRenk renk)
{
    w->setAutoFillBackground(true);
    RenkVer(w, QPalette::Window, renk);
}
