#pragma once
#include "sayidogrusumodeli.h"

#include <QFrame>
#include <QPointer>

class EtkinlikPenceresi;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The move request, sent synchronously to the main window with a pointer to a
// HareketIstegi as its first parameter.
constexpr int MSG_TAVSAN_HAREKET = 1124;

// The movement panel of "Tavşan Git": the operation, the amount, "Git",
// "Sıfırla", the last equation, help, about and the close button. It stays in
// sight above the scrolling scene, inside its window, which owns it.
class THareketMiktarForm : public QFrame
{
    Q_OBJECT
public:
    // Made inside `pencere`, to which it sends its move requests; the
    // window's close button moves onto the panel.
    explicit THareketMiktarForm(EtkinlikPenceresi* pencere);

    QLabel* Label1; // "İşlem"
    QRadioButton* RadioButton1; // "Toplama (+)"
    QRadioButton* RadioButton2; // "Çıkartma (-)"
    QLabel* Label2; // "Hareket Miktarı"
    QLineEdit* Edit1;
    QPushButton* Button1; // "Git"
    QPushButton* Button4; // "Sıfırla"
    QLabel* Label3; // "Son İşlem:"
    QLabel* Label4; // the last equation
    QPushButton* Button2; // "Açıklama"
    QPushButton* Button3; // "Hakkında"
    QPushButton* BitBtn2;
    QAction* GitAction;
    QAction* SifirlaAction;

    int Konum() const { return model_.Konum(); }
    void Button1Click();
    void Button4Click();

protected:
    void keyPressEvent(QKeyEvent* olay) override;

private:
    // The focus back in the amount box, its text selected.
    void MiktaraDon();

    QPointer<EtkinlikPenceresi> anaPencere_;
    HareketPaneliModeli model_;
};
