#include "giysigirisformu.h"
#include "gorunum.h"
#include "ortam.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SayacKutusu::SayacKutusu(QWidget* ebeveyn) : QSpinBox(ebeveyn)
{
    setRange(1, 9);
    // Read-only text still steps: the spin box writes its own value.
    lineEdit()->setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFont(Yazi(YaziAilesi::MsSansSerif, 15));
}

TGiysiGirisForm::TGiysiGirisForm(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("TGiysiGirisForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Giysi Sayısı Girişi"));
    setFixedSize(220, 119);

    auto satir = [this](const QString& metin, int y, SayacKutusu*& kutu) {
        auto* etiket = new QLabel(metin, this);
        etiket->setFont(Yazi(YaziAilesi::MsSansSerif, 14));
        etiket->setGeometry(12, y, 120, 28);
        kutu = new SayacKutusu(this);
        kutu->setGeometry(138, y, 70, 28);
        etiket->setBuddy(kutu);
        return etiket;
    };
    Label1 = satir(QStringLiteral("Pantolon Sayısı"), 10, CSpinEdit2);
    Label2 = satir(QStringLiteral("Gömlek Sayısı"), 44, CSpinEdit1);

    Button1 = new QPushButton(QStringLiteral("Tamam"), this);
    Button2 = new QPushButton(QStringLiteral("İptal"), this);
    Button1->setGeometry(26, 82, 80, 28);
    Button2->setGeometry(114, 82, 80, 28);
    Button1->setDefault(true);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(CSpinEdit2, CSpinEdit1);
    setTabOrder(CSpinEdit1, Button1);
    setTabOrder(Button1, Button2);
}

bool TGiysiGirisForm::Sor(QWidget* sahip, int& gomlek, int& pantolon)
{
    TGiysiGirisForm pencere(sahip);
    pencere.CSpinEdit1->setValue(gomlek);
    pencere.CSpinEdit2->setValue(pantolon);
    if (Ortam::Gecerli().ModalGoster(pencere) != QDialog::Accepted)
        return false;
    gomlek = pencere.CSpinEdit1->value();
    pantolon = pencere.CSpinEdit2->value();
    return true;
}
