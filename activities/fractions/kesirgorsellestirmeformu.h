#pragma once
#include "kesirkarsilastirma.h"
#include "renk.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class KesirShape;
class OkDugmeleri;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// Messages a drawing sends to its parent widget.
constexpr int MSG_MODE_CHANGED = 3024; // no parameters
constexpr int MSG_VIEW_CHANGED = 3025; // wParam the address of a byte holding the new view

// One fraction drawn as a whole cut into equal slices, with its numerator and
// denominator under it. Three exercises: look at a selection (mode 1), show
// a given fraction (mode 2), name the fraction shown (mode 3). A borderless
// child of the comparison window, which drives it through its actions.
// What the pupil changes lives in a KesirCizimi: the comparison window's, or
// the drawing's own when it is made alone.
class TKesirGorsellestirmeForm : public QWidget
{
    Q_OBJECT
public:
    // `durum` must outlive the drawing; none: the drawing keeps its own.
    explicit TKesirGorsellestirmeForm(QWidget* sahip, KesirCizimi* durum = nullptr);

    QLabel* Label2; // numerator
    QLabel* Label3; // the fraction bar
    QLabel* Label1; // denominator
    OkDugmeleri* UpDown1; // number of parts
    QPushButton* Button1; // "Cevap Denetle"
    QLineEdit* Edit1;     // typed numerator
    QLineEdit* Edit2;     // typed denominator
    QLabel* YonergeLabel;
    QTimer* Timer1;

    QAction* DoYatayAction;
    QAction* DoDikeyAction;
    QAction* DoCemberAction;
    QAction* DoUcgenAction;
    QAction* FircaSecAction;
    QAction* GorsellestirmeModAction;
    QAction* BolumSorAction;
    QAction* KesirSorAction;
    QAction* CevapDenetleAction;
    QAction* GosterDilimAction;
    QAction* SeciliDilimGosterAction;
    QAction* YeniProblemAction;

    TRenk AllAreaColour() const { return durum_->AllAreaColour(); }
    TRenk SelectedAreaColour() const { return durum_->SelectedAreaColour(); }
    Qt::BrushStyle AreaBrushStyle() const { return durum_->AreaBrushStyle(); }
    quint8 View() const { return durum_->View(); }
    int ShapeWidth = 300;
    int ShapeHeight = 300;
    int ShapeLeft = 10;
    int ShapeTop = 10;
    int TargetDenominator() const { return durum_->TargetDenominator(); }
    int TargetNumerator() const { return durum_->TargetNumerator(); }
    int SelectionCounter() const { return durum_->SelectionCounter(); }
    quint8 Mode() const { return durum_->Mode(); }
    bool ShowSliceNumbers() const { return durum_->ShowSliceNumbers(); }
    bool ShowSelectionNumbers() const { return durum_->ShowSelectionNumbers(); }

    // The number of parts, 1 to 100.
    int PartCount() const { return durum_->PartCount(); }
    // Sets the number of parts (limited to 1 .. 100) and rebuilds without the selections.
    void SetPartCount(int n);
    // The slices in creation order.
    QList<KesirShape*> Slices() const;
    int SelectedCount() const { return durum_->SelectedCount(); }

    void NewFraction();
    void Rebuild(int v, bool koru);
    void ToggleSlice(KesirShape* dilim);
    void UpdateModeDisplay();
    void SetMode(int m);
    // A new exercise of the mode in force: new target and view, no selections.
    void NewExercise();
    void SetSize(int w);
    // The height the drawing takes with a shape `w` wide.
    int YukseklikIcin(int w) const;
    void SetAllAreaColour(TRenk renk);
    void SetSelectedAreaColour(TRenk renk);
    void SetAreaBrushStyle(Qt::BrushStyle stil);
    void SetShowSliceNumbers(bool goster);
    void SetShowSelectionNumbers(bool goster);
    // Paints every slice again with the colours, style and numbers of the state.
    void DilimleriBoya();
    // The drawing's stops for Tab in reading order: the slice that holds the
    // keyboard's place (the others are reached by the arrow keys), the answer
    // boxes, the button and the parts arrows. Every slice is listed, so that
    // the order holds whichever of them the arrows make the stop.
    QList<QWidget*> SekmeSirasi() const;
    // The slice the Tab key reaches; the arrows move it.
    int OdakDilimi() const { return odakDilimi_; }

    void CevapDenetleActionExecute();
    void FircaSecActionExecute();
    // A press of the parts arrows: +1 or -1.
    void UpDown1Click(int yon);
    void Timer1Timer();

protected:
    bool event(QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;

private:
    // Type and rows under the shape for a shape `w` wide.
    struct Olcu
    {
        bool Kucuk;
        QFont KesirYazisi;
        QFont YonergeYazisi;
        int Sutun;         // width of the numerator and denominator
        int Satir;         // height of each of them
        int Ortusme;       // how far the bar climbs into the numerator's row
        int YonergeSatiri; // height of the instruction
    };
    static Olcu OlcuIcin(int w);
    QAction* eylem(const QString& metin, std::function<void()> is);
    void Yerlesim();
    void DilimleriYerlestir();
    // The arrows on slice `dilim`: the focus moves `yon` slices on.
    void DilimeGec(KesirShape* dilim, int yon);
    // Only the slice at odakDilimi_ takes the focus by Tab.
    void OdakDiliminiAyarla();

    std::unique_ptr<KesirCizimi> kendi_; // the state of a drawing made alone
    KesirCizimi* durum_;
    QList<QPointer<KesirShape>> dilimler_; // children of this window, in creation order
    int odakDilimi_ = 0;
};
