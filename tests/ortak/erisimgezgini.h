#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// What a screen reader finds in a window: its accessibility tree as Qt gives
// it to the desktop (QAccessible), walked from the window down through every
// shown element.
struct ErisimRaporu
{
    int Oge = 0;             // shown elements under the window
    int Odaklanabilir = 0;   // of them, ones the keyboard can focus
    int AdsizYaprak = 0;     // leaves without a name
    int AdsizEtkilesimli = 0; // controls and focusable elements without a name
    // Readable descriptions of the offenders: elements without a name (a
    // control, a focusable element or a leaf) and names with an English word
    // that Qt put there.
    QStringList Suclular;

    int Adsiz() const { return Suclular.size(); }
};

ErisimRaporu ErisimAgaciniGez(QWidget* pencere);

// The offenders alone.
QStringList AdsizErisilebilirler(QWidget* pencere);

// The English words of Qt's own accessible names ("Line up", "Page down",
// "Position" ...) found in `ad`, or an empty string.
QString IngilizceSozcuk(const QString& ad);

// Gives the focus in turn to every shown, enabled widget of the window that the
// keyboard can reach and returns those whose accessible element then does not
// say it is focused, or is not the focused element of the tree. The window is
// made active first.
QStringList OdakDurumuEksikler(QWidget* pencere);
