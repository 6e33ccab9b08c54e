#pragma once
#include "degismemodel.h"
#include "etkinlikpenceresi.h"
#include "renksemasi.h"

class AracCubugu;
class IslemTablosu;
class QGroupBox;
class QRadioButton;

// "Değişme Özelliği": the addition or multiplication table of the same
// numbers on both heads, which shows that a + b = b + a and a * b = b * a.
// Selecting a cell and a display mode marks every cell of the same value
// (its mirror among them) or the row and the column of the identity element.
class TTheDegismeForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TTheDegismeForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();
    ~TTheDegismeForm() override;

    AracCubugu* ToolBar1;
    QAction* KendinGirAction;     // "Kendin Gir"
    QAction* BoyutDegistirAction; // "Boyut Değiştir"
    QPushButton* Button2;         // "Kendin Gir"
    QPushButton* Button3;         // "Boyut Değiştir"
    QPushButton* Button4;         // "Açıklama"
    QPushButton* Button1;         // "Hakkında"
    IslemTablosu* StringGrid1;
    QGroupBox* GroupBox3;       // "İşlemler"
    QRadioButton* RadioButton5; // "Toplama (+)"
    QRadioButton* RadioButton6; // "Çarpma (*)"
    QGroupBox* GroupBox4;       // "Gösterim Tipi"
    QRadioButton* RadioButton1; // "Normal"
    QRadioButton* RadioButton7; // "Aynı Değerleri Göster"
    QRadioButton* RadioButton8; // "Etkisiz Elemanı Göster"
    QWidget* Secenekler;        // the two group boxes, beside the grid

    const DegismeTablosu& Tablo() const { return tablo_; }
    const RenkSemasi& Renkler() const { return renkler_; }

    void KendinGirActionExecute();
    void BoyutDegistirActionExecute();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton1Click();
    void RadioButton7Click();
    void RadioButton8Click();

private:
    // The grid on the left of the client area, as large as the table wants
    // and the window allows, and the choices beside it.
    void Yerlesim(const QRect& alan) override;
    void IslemSec(Islem islem);
    void GosterimSec(Gosterim gosterim);

    RenkSemasi renkler_;
    DegismeTablosu tablo_;
};
