#include "Kumegirisformu.h"
#include "Dilyardim.h"
#include "gorunum.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TKumeGirisForm::TKumeGirisForm(QWidget* sahip) : QDialog(sahip)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(379, 176);
    const int dil = GecerliDil();
    setWindowTitle(DilMetni(dil, 95));


    auto baslik = [&](int numara, int y) {
        auto* e = new QLabel(DilMetni(dil, numara), this);
        e->setFont(Yazi(YaziAilesi::MsSansSerif, 19));
        RenkVer(e, QPalette::WindowText, clRed);
        e->setGeometry(14, y, 146, 28);
        return e;
    };
    auto kutu = [&](int y) {
        auto* k = new QLineEdit(this);
        k->setFont(Yazi(YaziAilesi::MsSansSerif, 16));
        k->setMaxLength(EN_UZUN_KELIME);
        k->setGeometry(164, y, 200, 30);
        return k;
    };
    Label1 = baslik(93, 20);
    Edit1 = kutu(19);
    Label2 = baslik(94, 64);
    Edit2 = kutu(63);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);

    Button1 = new QPushButton(DilMetni(dil, 37), this);
    Button2 = new QPushButton(DilMetni(dil, 38), this);
    for (QPushButton* d : {Button1, Button2}) {
        d->setAutoDefault(false);
        d->setDefault(false);
    }
    Button1->setGeometry(164, 118, 95, 34);
    Button2->setGeometry(269, 118, 95, 34);
    connect(Button1, &QPushButton::clicked, this, &TKumeGirisForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TKumeGirisForm::Button2Click);
    // Enter in the second box confirms, as the pupil expects after typing.
    connect(Edit2, &QLineEdit::returnPressed, this, &TKumeGirisForm::Button1Click);
    connect(Edit1, &QLineEdit::returnPressed, Edit2, qOverload<>(&QWidget::setFocus));
}

void TKumeGirisForm::Button1Click()
{
    Sonuc = 1;
    done(1);
}

void TKumeGirisForm::Button2Click()
{
    Sonuc = 0;
    done(0);
}
