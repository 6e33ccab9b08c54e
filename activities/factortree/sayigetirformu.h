#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// The dialog of "Problem Gir": two different numbers, each at least 2.
class TSayiGetirForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSayiGetirForm(QWidget* sahip);

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1; // "Tamam"
    QPushButton* Button2; // "İptal"
    int Ilk = 0;
    int Ikinci = 0;

    // "Tamam": a text that is no integer throws the conversion error and the dialog stays.
    void Button1Click();
};
