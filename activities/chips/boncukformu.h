#pragma once
#include "etkinlikpenceresi.h"
#include "renk.h"

#include <QFrame>

class AracCubugu;
class KaydirmaAlani;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TBoncukKutuForm;

// A colour panel of one kind of chip (Tag -1, 0 or +1), captioned with its
// value; a double click asks for a new colour.
class RenkPaneli : public QFrame
{
    Q_OBJECT
public:
    RenkPaneli(QWidget* ebeveyn, int tag, const QString& baslik);
    const int Tag;
    TRenk Renk;
    void RenkAyarla(TRenk renk);

signals:
    void CiftTiklandi(RenkPaneli* panel);

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
    // Space or Enter does what a double click does.
    void keyPressEvent(QKeyEvent* olay) override;

private:
    QString baslik_;
};

// "Sayma Pulları": +1 and -1 chips added by a signed count into the chip box,
// paired by dragging, with the running total and the written operations.
class TBoncukForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TBoncukForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    AracCubugu* ToolBar1;
    QWidget* Girdiler; // the row of the count, the display mode and the colours
    QLabel* Label2;    // "İşlem"
    QComboBox* ComboBox1;
    QLabel* Label1; // "Pul"
    QLabel* Label3; // "Sayısı"
    QLineEdit* Edit1;
    QPushButton* Button1; // "Pul Ekle"
    QPushButton* Button2; // "Temizle"
    QPushButton* Button3; // "Hakkında"
    QPushButton* Button6; // "Açıklama"
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1; // "Gizle"
    QRadioButton* RadioButton2; // "Göster"
    RenkPaneli* Panel1;         // -1
    RenkPaneli* Panel2;         // 0
    RenkPaneli* Panel3;         // +1
    TBoncukKutuForm* BoncukKutu;
    KaydirmaAlani* KutuCercevesi; // the box's place in the window; it scrolls a box that outgrew it
    QLabel* Label4; // "Kutudakiler"
    QLineEdit* Edit2; // the operations entered so far

    QAction* BoncukEkleAction;
    QAction* ResetAction;

    void BoncukEkleActionExecute();
    void ResetActionExecute();
    void RadioButton1Click();
    void RadioButton2Click();
    void Panel1DblClick(RenkPaneli* panel);

protected:

private:
    void GirdiSatiriniDiz();
    void Yerlesim(const QRect& alan) override;
};
