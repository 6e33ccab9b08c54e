#pragma once
#include "renk.h"

#include <QFrame>

class EtkinlikPenceresi;
class QAction;
class QHBoxLayout;
class QPushButton;

// The coloured command bar at the top of an activity window: a row of buttons
// bound to actions. The buttons keep their designed widths while the window is
// wide enough and shrink (never overlap) in a narrow one.
class AracCubugu : public QFrame
{
    Q_OBJECT
public:
    AracCubugu(QWidget* ebeveyn, TRenk renk);
    // A button for `eylem` of `pencere`, `genislik` pixels wide in a wide window.
    QPushButton* Dugme(EtkinlikPenceresi* pencere, QAction* eylem, const QString& baslik, int genislik = 110);
    QHBoxLayout* Duzen() const { return duzen_; }
    // Puts the window's close button after the buttons, at the bar's height,
    // and the free space after it.
    void KapatmaDugmesiEkle(QPushButton* kapat);
    // Fits the buttons to a window `pencereGenisligi` pixels wide.
    void GenisligeUyar(int pencereGenisligi);

private:
    QHBoxLayout* duzen_;
};
