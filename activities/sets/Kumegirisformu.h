#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the two words of a new problem. Sonuc is 1 after "Tamam", else 0.
class TKumeGirisForm : public QDialog
{
    Q_OBJECT
public:
    explicit TKumeGirisForm(QWidget* sahip = nullptr);

    // A word longer than this would make more tiles than a panel can show.
    static constexpr int EN_UZUN_KELIME = 250;

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1; // Tamam
    QPushButton* Button2; // İptal
    int Sonuc = 0;

    void Button1Click();
    void Button2Click();
};
