#include "kumebekleformu.h"
#include "Dilyardim.h"
#include "gorunum.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TKumeBekleForm::TKumeBekleForm(QWidget* ebeveyn) : QWidget(ebeveyn, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("KumeBekleForm"));
    setFixedSize(546, 78);
    ZeminVer(this, 0x4080FF);
    Label1 = new QLabel(DilMetni(GecerliDil(), 89), this);
    Label1->setFont(Yazi(YaziAilesi::MsSansSerif, 19));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(rect());
    const QScreen* ekran = ebeveyn && ebeveyn->screen() ? ebeveyn->screen() : QGuiApplication::primaryScreen();
    if (ekran)
        move(ekran->geometry().center() - rect().center());
}
