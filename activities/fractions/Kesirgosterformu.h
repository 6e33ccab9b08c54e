#pragma once
#include "kesirmodel.h"

#include <QPointer>
#include <QWidget>

class OkDugmeleri;
class QLabel;
class QPushButton;
class TKesirGorsellestirmeForm;

// The comparison window hears of a rank change from a pane.
constexpr int MSG_RANK_CHANGED = 5347; // wParam the address of the current rank, lParam of the asked rank

// The pane under a drawing: a target fraction to show on the drawing, its
// check, its expansion, and the rank the pupil gives the drawing's fraction.
class TKesirGosterForm : public QWidget
{
    Q_OBJECT
public:
    explicit TKesirGosterForm(QWidget* sahip);

    QLabel* Label2; // target numerator
    QLabel* Label3; // the fraction bar
    QLabel* Label1; // target denominator
    QPushButton* Button1; // "Denetle"
    QPushButton* Button2; // "Kesri Genişlet"
    QLabel* Label5;       // "Sıra"
    OkDugmeleri* UpDown1; // rank arrows
    QLabel* Label4;       // the rank

    // The drawing this pane checks; none when the drawing is gone.
    QPointer<TKesirGorsellestirmeForm> Cizim;
    int Rank = 0;
    int FractionCount = 3;

    // The fraction shown, an empty label counting as 0.
    Kesir Fraction() const;
    void SetFraction(Kesir k);
    void NewTarget();
    void SetRank(int k);

    void DenetleActionExecute();
    void KesriGenisletActionExecute();
    // Clicks on the numerator (or the bar) and on the denominator.
    void PayTiklandi();
    void PaydaTiklandi();
    // A press of the rank arrows: +1 or -1.
    void UpDown1Click(int yon);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    void Yerlesim();
    void paintEvent(QPaintEvent* olay) override;
};
