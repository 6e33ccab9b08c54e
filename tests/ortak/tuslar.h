#pragma once

// Keys pressed as a pupil presses them, for the window tests: on the open
// popup menu, or else on the widget with the focus, and counted.

#include <QList>
#include <QString>
#include <Qt>
#include <functional>

class QWidget;

// The widget a key goes to: the open popup menu (its focused item, if any),
// else the widget with the focus.
QWidget* TusAlan();

// Presses each of `tuslar`, a key or a key combined with its modifiers
// (`(Qt::SHIFT | Qt::Key_F10).toCombined()`), on TusAlan(). Qt::Key_Menu comes
// as the desktop turns it into a keyboard context-menu event for the focused
// widget. The number of keys pressed.
int TuslaraBas(const QList<int>& tuslar);

// Types `metin` on TusAlan(), a key for each character; the number of keys.
int MetniBas(const QString& metin);

// Tab, or Shift+Tab when `geri`, until `hedef` has the focus, at most `sinir`
// times; the number of presses.
int SekmeIle(QWidget* hedef, bool geri = false, int sinir = 80);

// Tab (Shift+Tab when `geri`) until `istenen` holds, asking before each
// press, at most `sinir` times; the number of presses.
int KosulaKadarSekme(const std::function<bool()>& istenen, int sinir, bool geri = false);

// The picture of the widget carried by keys, standing over `pencere`; those
// of earlier carries are hidden, awaiting deletion. A test that asks only
// where the picture points uses KlavyeTasimaNoktasi() instead.
QWidget* TasinanResim(QWidget* pencere);

// What a screen reader hears as the name of `w`; empty for none.
QString OkunanAd(QWidget* w);

// A running count of keys pressed through it.
struct Klavye
{
    int Sayi = 0;
    void Bas(int tus, Qt::KeyboardModifiers degistirici = Qt::NoModifier);
    // Tab (or Shift+Tab) until `hedef` has the focus; false when it never does.
    bool Git(QWidget* hedef, bool geri = false);
    // Tab at least once, until `istenen` holds for the focused widget; false
    // when it never does.
    bool Sekme(const std::function<bool(QWidget*)>& istenen);
};
