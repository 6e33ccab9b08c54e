#pragma once
#include "carpanmodel.h"
#include "etkinlikpenceresi.h"
#include "faktoragaci.h"
#include "faktorpaneli.h"
#include "sayigetirformu.h"

class AracCubugu;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

// The factor tree activity: two trees, three prime panels, OBEB and OKEK.
class TFaktorItForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TFaktorItForm(QWidget* sahip);
    ~TFaktorItForm() override;
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    // The problem, the trees, the panels' products and the mode; the window shows it.
    CarpanAgaciModeli Model;
    const bool& CheckMode;
    // The two trees, made with the window and never null.
    TFaktorForm* Tree1;
    TFaktorForm* Tree2;
    // Products of the panels, indexed by panel kind.
    const CarpanAgaciModeli::Urunler& Products;

    QAction* YeniProblemAction;
    QAction* kendiSayiniGirAction;
    QAction* ChangeDenetlemeAction;
    QAction* CozAction;
    QAction* ResetAction;
    QAction* DenetleAction;

    QMenuBar* MainMenu1;
    AracCubugu* ToolBar1;
    QWidget* Govde; // everything under the menu
    FaktorPaneli* Panel1;
    FaktorPaneli* Panel2;
    FaktorPaneli* Panel3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1;
    QPushButton* ModDugmesi;

    void NewProblem(int a, int b);
    // The focus goes to the first waiting box of `once`, else of the other tree.
    void KutuyaOdaklan(TFaktorForm* once);
    void ResetBoard();
    void RemovePanelCopies();
    void UpdateProductLabels();
    void UpdateResultLabels();
    void SetCheckMode(bool kip);
    void LayoutControls();
    // The Tab order in reading order: the first tree's nodes and boxes, the
    // second's, the copies on the panels from left to right, then the answers.
    void SekmeSirasiKur();

    void YeniProblemActionExecute();
    void kendiSayiniGirActionExecute();
    void ChangeDenetlemeActionExecute();
    void CozActionExecute();
    void ResetActionExecute();
    void DenetleActionExecute();

    // Drag rules of the three panels; `panel` is the one the leaf is dropped on.
    bool PanelDragOver(FaktorPaneli* panel, QObject* kaynak, QPoint p) const;
    void PanelDragDrop(FaktorPaneli* panel, QObject* kaynak, QPoint p);
    void PanelDblClick(FaktorPaneli* panel);

    FaktorPaneli* Panel(int tur) const;
    // The kind of one of the three panels, 0 for anything else.
    int PanelTuru(const FaktorPaneli* panel) const;

protected:
    void Yerlesim(const QRect& alan) override;
    // The help, then the keyboard in the first box of the first tree.
    void AcilisMesaji() override;

private:
    void KomutlariKur();
    void PanelleriKur();
    void EtiketleriKur();
    // The model's colours on the trees and panels.
    void RenkleriGoster();
    // Readers hear the new state of the trees and the panels.
    void ErisimiBildir();
    QWidget* sekmeCapasi_ = nullptr; // the Tab order of the body starts after it
};
