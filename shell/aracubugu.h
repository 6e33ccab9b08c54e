#pragma once
#include "renk.h"

#include <QFrame>

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
    // A button for `eylem`, `genislik` pixels wide in a wide window. Tab
    // reaches it (after the window's content); a click does not focus it;
    // Space or Enter, focused, presses it.
    QPushButton* Dugme(QAction* eylem, const QString& baslik, int genislik = 110);
    QHBoxLayout* Duzen() const { return duzen_; }
    // Puts the window's close button after the buttons, at the bar's height,
    // and the free space after it.
    void KapatmaDugmesiEkle(QPushButton* kapat);
    // Fits the buttons to a window `pencereGenisligi` pixels wide.
    void GenisligeUyar(int pencereGenisligi);

private:
    QHBoxLayout* duzen_;
};

// A push button that runs `eylem` and shows `baslik` (the action's text when
// empty). It mirrors the action: enabled always, checked while the button is
// checkable, text and visibility whenever the action's change. It is never a
// default button.
QPushButton* EylemDugmesiYap(QAction* eylem, QWidget* ebeveyn, const QString& baslik = QString());
