#pragma once
#include <QDialog>
#include <QSpinBox>

class QLabel;
class QPushButton;

// A count from 1 to 9 that changes only by its arrows, the arrow keys and the
// wheel: nothing can be typed or pasted into it.
class SayacKutusu : public QSpinBox
{
    Q_OBJECT
public:
    explicit SayacKutusu(QWidget* ebeveyn);
};

// "Giysi Sayısı Girişi": the numbers of trousers and shirts of a new problem.
class TGiysiGirisForm : public QDialog
{
    Q_OBJECT
public:
    explicit TGiysiGirisForm(QWidget* sahip = nullptr);

    QLabel* Label1;         // "Pantolon Sayısı"
    QLabel* Label2;         // "Gömlek Sayısı"
    SayacKutusu* CSpinEdit1; // shirts
    SayacKutusu* CSpinEdit2; // trousers
    QPushButton* Button1;   // "Tamam"
    QPushButton* Button2;   // "İptal"

    // Shows the dialog with the two counts. After "Tamam" they take the
    // chosen values and the answer is true; otherwise they stay as they were.
    static bool Sor(QWidget* sahip, int& gomlek, int& pantolon);
};
