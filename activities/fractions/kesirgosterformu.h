#pragma once
#include "kesirkarsilastirma.h"

#include <QWidget>

class OkDugmeleri;
class QLabel;
class QPushButton;

// The comparison window hears of a rank change from a pane.
constexpr int MSG_RANK_CHANGED = 5347; // wParam the address of the current rank, lParam of the asked rank

// The pane under a drawing: a target fraction to show on the drawing, its
// check, its expansion, and the rank the pupil gives the drawing's fraction.
// The fraction and the rank are pane `no` of the comparison model.
class TKesirGosterForm : public QWidget
{
    Q_OBJECT
public:
    // `model` must outlive the pane.
    TKesirGosterForm(QWidget* sahip, KesirKarsilastirmaModeli& model, int no);

    QLabel* Label2; // target numerator
    QLabel* Label3; // the fraction bar
    QLabel* Label1; // target denominator
    QPushButton* Button1; // "Denetle"
    QPushButton* Button2; // "Kesri Genişlet"
    QLabel* Label5;       // "Sıra"
    OkDugmeleri* UpDown1; // rank arrows
    QLabel* Label4;       // the rank

    int Rank() const { return model_.Rank(no_); }
    Kesir Fraction() const { return model_.Fraction(no_); }
    void SetFraction(Kesir k);
    void NewTarget();
    void SetRank(int k);
    // Shows the pane's fraction and rank as the model holds them.
    void Goster();

    void DenetleActionExecute();
    void KesriGenisletActionExecute();
    // Clicks on the numerator (or the bar) and on the denominator.
    void PayTiklandi();
    void PaydaTiklandi();
    // A press of the rank arrows: +1 or -1.
    void UpDown1Click(int yon);
    // The pane's stops for Tab in reading order.
    QList<QWidget*> SekmeSirasi() const;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    void Yerlesim();

    KesirKarsilastirmaModeli& model_;
    const int no_;
    void paintEvent(QPaintEvent* olay) override;
};
