#include "koordinatkutusu.h"
#include "gorunum.h"
#include "servisler.h"

#include <QKeyEvent>

KoordinatKutusu::KoordinatKutusu(QWidget* ebeveyn) : QLineEdit(ebeveyn)
{
    setMaxLength(3);
    setAlignment(Qt::AlignCenter);
    SayiTusuFiltresiKur(this);
    Renklen(false);
}

void KoordinatKutusu::Renklen(bool odakta)
{
    RenkVer(this, QPalette::Base, odakta ? clYellow : clWhite);
    RenkVer(this, QPalette::Text, odakta ? clBlue : clBlack);
}

void KoordinatKutusu::focusInEvent(QFocusEvent* olay)
{
    Renklen(true);
    QLineEdit::focusInEvent(olay);
}

void KoordinatKutusu::focusOutEvent(QFocusEvent* olay)
{
    Renklen(false);
    QLineEdit::focusOutEvent(olay);
}

void KoordinatKutusu::keyPressEvent(QKeyEvent* olay)
{
    QLineEdit* hedef = nullptr;
    switch (olay->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        hedef = XKutusu;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        hedef = YKutusu;
        break;
    default:
        QLineEdit::keyPressEvent(olay);
        return;
    }
    if (hedef)
        hedef->setFocus(Qt::TabFocusReason);
    olay->accept();
}
