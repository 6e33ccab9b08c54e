#include "hareketmiktarformu.h"
#include "etkinlikpenceresi.h"
#include "gorunum.h"
#include "mesaj.h"
#include "ortam.h"
#include "servisler.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr TRenk PANEL_RENGI = 0xD7F4FF; // light cream
constexpr TRenk DENKLEM_RENGI = 0x8B0000; // dark blue
}

THareketMiktarForm::THareketMiktarForm(EtkinlikPenceresi* pencere) : QFrame(pencere), anaPencere_(pencere)
{
    setObjectName(QStringLiteral("THareketMiktarForm"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    ZeminVer(this, PANEL_RENGI);
    setFont(Yazi(YaziAilesi::Arial, 15));

    Label1 = new QLabel(QStringLiteral("İşlem"), this);
    RadioButton1 = new QRadioButton(QStringLiteral("Toplama (+)"), this);
    RadioButton2 = new QRadioButton(QStringLiteral("Çıkartma (-)"), this);
    RadioButton1->setChecked(true);
    Label2 = new QLabel(QStringLiteral("Hareket Miktarı"), this);
    Edit1 = new QLineEdit(QStringLiteral("0"), this);
    Edit1->setMaxLength(4);
    Edit1->setFixedWidth(80);
    Edit1->setAlignment(Qt::AlignRight);
    Edit1->setFont(Yazi(YaziAilesi::Arial, 20));
    SayiTusuFiltresiKur(Edit1);
    Label3 = new QLabel(QStringLiteral("Son İşlem:"), this);
    Label4 = new QLabel(QStringLiteral("-"), this);
    Label4->setFont(Yazi(YaziAilesi::Arial, 22));
    RenkVer(Label4, QPalette::WindowText, DENKLEM_RENGI);
    // Filled with the panel's colour, a new equation repaints the label alone.
    ZeminVer(Label4, PANEL_RENGI);

    GitAction = pencere->Eylem(QStringLiteral("Git"), [this] { Button1Click(); });
    SifirlaAction = pencere->Eylem(QStringLiteral("Sıfırla"), [this] { Button4Click(); });
    Button1 = pencere->EylemDugmesi(GitAction, this);
    Button4 = pencere->EylemDugmesi(SifirlaAction, this);
    Button2 = pencere->EylemDugmesi(pencere->YardimAction, this, QStringLiteral("Açıklama"));
    Button3 = pencere->EylemDugmesi(pencere->HakkindaAction, this);
    BitBtn2 = pencere->BitBtn2;
    BitBtn2->setParent(this);
    BitBtn2->setFixedSize(44, 38);
    BitBtn2->setIconSize(QSize(30, 30));
    for (QPushButton* b : {Button1, Button4, Button2, Button3})
        b->setFixedHeight(34);
    // The amount box keeps the keyboard: a click on a command or an operation
    // leaves it there, and Tab still reaches them.
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{Button1, Button4, RadioButton1, RadioButton2})
        b->setFocusPolicy(Qt::TabFocus);
    for (QRadioButton* r : {RadioButton1, RadioButton2})
        connect(r, &QRadioButton::clicked, this, [this] { MiktaraDon(); });

    auto* izgara = new QGridLayout(this);
    izgara->setContentsMargins(12, 8, 12, 10);
    izgara->setHorizontalSpacing(12);
    izgara->setVerticalSpacing(6);
    izgara->addWidget(Label1, 0, 0);
    izgara->addWidget(Label2, 0, 1, 1, 2);
    izgara->addWidget(RadioButton1, 1, 0);
    izgara->addWidget(Edit1, 1, 1);
    izgara->addWidget(Button1, 1, 2);
    izgara->addWidget(RadioButton2, 2, 0);
    izgara->addWidget(Button4, 2, 2);
    izgara->addWidget(Label3, 3, 0);
    izgara->addWidget(Label4, 3, 1, 1, 3);
    izgara->addWidget(Button2, 0, 3);
    izgara->addWidget(Button3, 1, 3);
    izgara->addWidget(BitBtn2, 2, 3, Qt::AlignRight);
    Label2->setBuddy(Edit1);
    // Tab follows the work: the operation, the amount, its commands, then help, about and close.
    const QList<QWidget*> sira{RadioButton1, RadioButton2, Edit1, Button1, Button4, Button2, Button3, BitBtn2};
    for (int i = 1; i < sira.size(); ++i)
        setTabOrder(sira[i - 1], sira[i]);
    setFixedSize(sizeHint());
    // The longest equation, "(-100) - (-200) = 100", fits the label's columns;
    // at a fixed size a new equation never lays the panel out again.
    izgara->activate();
    Label4->setFixedSize(Label4->size());
}

void THareketMiktarForm::Button1Click()
{
    switch (model_.Git(Edit1->text(), RadioButton1->isChecked())) {
    case HareketPaneliModeli::Sonuc::Yok:
        break;
    case HareketPaneliModeli::Sonuc::Sinir:
        Ortam::Gecerli().MesajGoster(SINIR_MESAJI);
        break;
    case HareketPaneliModeli::Sonuc::Git: {
        HareketIstegi istek = model_.Istek();
        MesajGonder(anaPencere_, MSG_TAVSAN_HAREKET, MesajParametresi(&istek));
        Label4->setText(model_.Denklem());
        break;
    }
    }
    MiktaraDon();
}

void THareketMiktarForm::Button4Click()
{
    Label4->setText(QStringLiteral("-"));
    Edit1->setText(QStringLiteral("0"));
    HareketIstegi istek = model_.Sifirla();
    MesajGonder(anaPencere_, MSG_TAVSAN_HAREKET, MesajParametresi(&istek));
    MiktaraDon();
}

void THareketMiktarForm::MiktaraDon()
{
    // Selected, so that the next amount typed replaces the last one.
    Edit1->setFocus();
    Edit1->selectAll();
}

void THareketMiktarForm::keyPressEvent(QKeyEvent* olay)
{
    // Enter in the amount box (which passes it on) moves the rabbit.
    if (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter) {
        olay->accept();
        GitAction->trigger();
        return;
    }
    QFrame::keyPressEvent(olay);
}
