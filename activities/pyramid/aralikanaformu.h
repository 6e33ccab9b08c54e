#pragma once
#include "etkinlikpenceresi.h"
#include "piramitmodeli.h"

class AracCubugu;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QScrollArea;
class TAralikToplamForm;

// "Sayı Piramidi": the pyramid board, the commands and the switches of
// orientation, operation and how a wrong answer is told.
class TAralikAnaForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TAralikAnaForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    TAralikToplamForm* AralikToplamForm; // inside Kaydirma, which scrolls rows wider than the window
    QScrollArea* Kaydirma;
    int PyramidSize = PIRAMIT_ACILIS_BOYU;

    QAction* YeniProblemAction;
    QAction* KendinGirAction;
    AracCubugu* ToolBar1;
    QPushButton* Button5; // "Açıklama"
    QPushButton* Button1; // "Hakkında"
    QPushButton* Button2; // "Yeni Problem"
    QPushButton* Button4; // "Problem Gir"
    QCheckBox* CheckBox1; // "Yukarıdan Aşağıya"
    QCheckBox* CheckBox2; // "Yanlışı Bilgilendir"
    QGroupBox* IslemGrubu;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;

    void YeniProblemActionExecute();
    void KendinGirActionExecute();
    void CheckBox1Click();
    void CheckBox2Click();
    void IslemSecildi(PiramitIslemi islem);

protected:
    // Follows the viewport's size and the board's place, for the operation label.
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    // Tells the board which part of it is in view, for its operation label.
    void GorunurAlaniBildir();
    void Goster(QWidget* w);
};
