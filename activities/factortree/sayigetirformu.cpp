#include "sayigetirformu.h"
#include "carpanmodel.h"
#include "donusum.h"
#include "gorunum.h"
#include "ortam.h"
#include "servisler.h"
#include "uygulama.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSayiGetirForm::TSayiGetirForm(QWidget* sahip) : QDialog(sahip)
{
    setWindowTitle(QStringLiteral("Kendi Sayılarınızı Giriniz"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* izgara = new QGridLayout(this);
    izgara->setContentsMargins(16, 16, 16, 16);
    izgara->setHorizontalSpacing(12);
    izgara->setVerticalSpacing(10);
    auto etiket = [this](const QString& metin) {
        auto* e = new QLabel(metin, this);
        e->setFont(Yazi(YaziAilesi::Arial, 17));
        RenkVer(e, QPalette::WindowText, clRed);
        e->setAttribute(Qt::WA_TransparentForMouseEvents);
        return e;
    };
    QLabel* l1 = etiket(QStringLiteral("İlk Sayı"));
    QLabel* l2 = etiket(QStringLiteral("İkinci Sayı"));
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    for (QLineEdit* e : {Edit1, Edit2}) {
        e->setMaxLength(5);
        e->setFont(Yazi(YaziAilesi::Arial, 17));
        e->setFixedWidth(110);
        SayiTusuFiltresiKur(e);
        connect(e, &QLineEdit::returnPressed, this, [this] { HataSinirinda([this] { Button1Click(); }); });
    }
    l1->setBuddy(Edit1);
    l2->setBuddy(Edit2);
    Button1 = new QPushButton(QStringLiteral("Tamam"), this);
    Button2 = new QPushButton(QStringLiteral("İptal"), this);
    for (QPushButton* b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setFont(Yazi(YaziAilesi::Arial, 15));
        b->setMinimumHeight(34);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { HataSinirinda([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    izgara->addWidget(l1, 0, 0);
    izgara->addWidget(Edit1, 0, 1);
    izgara->addWidget(l2, 1, 0);
    izgara->addWidget(Edit2, 1, 1);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addWidget(Button1);
    dugmeler->addWidget(Button2);
    izgara->addLayout(dugmeler, 2, 0, 1, 2);
}

void TSayiGetirForm::Button1Click()
{
    const int a = TamsayiyaCevirVeyaHata(Edit1->text());
    const int b = TamsayiyaCevirVeyaHata(Edit2->text());
    if (ProblemSayilariUygun(a, b)) {
        Ilk = a;
        Ikinci = b;
        accept();
        return;
    }
    Ortam::Gecerli().MesajKutusu(QStringLiteral("Uygun değeler girip tekrar deneyiniz"),
                                 QStringLiteral("Veri Giriş Hatası"));
}
