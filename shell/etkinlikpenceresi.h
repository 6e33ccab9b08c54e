#pragma once
#include "etkinliktablosu.h"
#include "renk.h"

#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <functional>

class AracCubugu;
class QAction;
class QMenu;
class QMenuBar;
class QPushButton;

// The base of every activity window and its kit. It gives the window its row
// of the activity table (caption, help, about, minimum size), maximises it,
// and makes the help command (F1), the about command and the close button
// with its picture; the opening message runs the help command. Enter and
// Escape never close the window or press a button by themselves: a pupil
// typing into a box must not lose the activity.
//
// An activity window's constructor lays out and connects with the kit:
// Eylem for every command, KomutCubugu for the coloured bar, MenuCubugu for
// a menu bar, and the named fonts and colours of gorunum.h.
class EtkinlikPenceresi : public QDialog
{
    Q_OBJECT
public:
    // `kod` is the activity's launch code in the table.
    EtkinlikPenceresi(QWidget* sahip, int kod);

    const EtkinlikSatiri& Satir() const { return satir_; }

    QAction* YardimAction;   // "Yardım", F1
    QAction* HakkindaAction; // "Hakkında"
    QPushButton* BitBtn2;    // back to the main menu

    virtual void YardimActionExecute();
    virtual void HakkindaActionExecute();

    // The one way to make a command: an action of this window (so its shortcut
    // works while the window is active) that runs `is` inside the error
    // boundary, so a conversion error is shown and the window goes on.
    QAction* Eylem(const QString& metin, std::function<void()> is, const QKeySequence& kisayol = QKeySequence());

    // A push button that runs `eylem` and shows `baslik` (the action's text when empty).
    // It mirrors the action: enabled always, checked while the button is
    // checkable, text and visibility whenever the action's change. It is
    // never a default button.
    QPushButton* EylemDugmesi(QAction* eylem, QWidget* ebeveyn, const QString& baslik = QString());

    // The coloured command bar: a child of `ebeveyn` (the window when null).
    // Add buttons with AracCubugu::Dugme, then KomutCubuguBitir puts the close
    // button after them.
    AracCubugu* KomutCubugu(TRenk renk, QWidget* ebeveyn = nullptr);
    void KomutCubuguBitir(AracCubugu* cubuk);

    // The menu bar of the windows that have one, with the program's menu font;
    // `menuler` gives each menu's caption and its actions in order.
    QMenuBar* MenuCubugu(const QList<QPair<QString, QList<QAction*>>>& menuler);

protected:
    bool event(QEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    // A right click that no control of the window answers opens nothing (a
    // dialog would offer its English "What's This?" menu over the menu bar).
    void contextMenuEvent(QContextMenuEvent* olay) override;
    // Answer to the opening message; runs the help command unless overridden.
    virtual void AcilisMesaji();

private:
    EtkinlikSatiri satir_;
};
