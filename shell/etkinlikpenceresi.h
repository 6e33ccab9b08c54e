#pragma once
#include "etkinliktablosu.h"
#include "renk.h"

#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <QRect>
#include <functional>

class AracCubugu;
class KaydirmaAlani;
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
//
// The window owns its frame: the menu bar at the top, the command bar under
// it, both placed here on every resize; the activity lays out the rest, its
// client area, in the one layout hook Yerlesim.
//
// The window never grows past the available screen: on a screen smaller than
// the activity's minimum size it takes the screen and its client area
// scrolls, in both directions, under the bars that stay in view. For that the
// activity's controls stand on a page (Sayfa) that keeps the window's
// coordinates and is at least the minimum size; the window moves every
// control made with the window as parent onto it, so an activity places them
// as before, measures its room with SayfaBoyutu rather than its own size,
// and finds them through their parents as before (numbered messages sent to
// the page go on to the window). A window that lays itself out with a
// QLayout fits itself and keeps its controls.
class EtkinlikPenceresi : public QDialog
{
    Q_OBJECT
public:
    // Height of the command bar, the same in every window.
    static constexpr int CUBUK_YUKSEKLIGI = 44;

    // `satir` is the activity's row, which its window class names (Satiri()).
    EtkinlikPenceresi(QWidget* sahip, const EtkinlikSatiri& satir);

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

    // A push button of `ebeveyn` (the window when null) that mirrors `eylem`
    // (EylemDugmesiYap) and shows `baslik`, the action's text when empty.
    QPushButton* EylemDugmesi(QAction* eylem, QWidget* ebeveyn, const QString& baslik = QString());

    // The window's coloured command bar, which the window places under its
    // menu bar. Add buttons with AracCubugu::Dugme, then KomutCubuguBitir
    // puts the close button after them.
    AracCubugu* KomutCubugu(TRenk renk);
    void KomutCubuguBitir(AracCubugu* cubuk);

    // The menu bar of the windows that have one, with the program's menu font;
    // `menuler` gives each menu's caption and its actions in order.
    QMenuBar* MenuCubugu(const QList<QPair<QString, QList<QAction*>>>& menuler);

    // The part of the window under its menu bar and command bar.
    QRect IstemciAlani() const;

    // The page that holds the activity's controls in the window's
    // coordinates; its top strip lies under the bars. A widget made on the
    // window goes onto the page, unless it stands over the whole window (the
    // picture of a widget carried by keys): that one has the property
    // UST_KATMAN set to true.
    static constexpr const char* UST_KATMAN = "orvantaUstKatman";
    QWidget* Sayfa() const { return sayfa_; }
    // The size the activity lays itself out at: the window's, or the page's
    // when the window is smaller than the activity's minimum size.
    QSize SayfaBoyutu() const;
    // The smallest page the activity is laid out on, its minimum size unless
    // it scrolls its own board and keeps its commands in view below that.
    virtual QSize EnKucukSayfa() const;
    // The widgets that Tab goes through, in order: the window's content as
    // its focus chain orders it, then the command bar's buttons from left to
    // right, the close button last. Hidden and disabled ones are left out.
    QList<QWidget*> TabSirasi() const;

protected:
    // The layout hook: lays the activity out in `alan`, the client area. The
    // window calls it after placing its bars on every resize; an activity
    // calls Yerlestir when its content needs a new layout.
    virtual void Yerlesim(const QRect& alan);
    void Yerlestir();
    void resizeEvent(QResizeEvent* olay) override;
    bool event(QEvent* olay) override;
    // Enter and Escape are used up here; Shift+F10 opens the focused
    // control's menu, as the context-menu key does.
    void keyPressEvent(QKeyEvent* olay) override;
    void showEvent(QShowEvent* olay) override;
    // Tab and Shift+Tab go through TabSirasi, round; a widget on a board that
    // scrolls is scrolled into view.
    bool focusNextPrevChild(bool sonraki) override;
    // A right click that no control of the window answers opens nothing (a
    // dialog would offer its English "What's This?" menu over the menu bar).
    void contextMenuEvent(QContextMenuEvent* olay) override;
    // Answer to the opening message; runs the help command unless overridden.
    virtual void AcilisMesaji();

private:
    void cubuklariYerlestir();
    // Moves the controls that were made on the window onto the page.
    void sayfayaTasi();
    void sayfayiBoyutla();
    // The minimum size and, before the first showing, the size of the window
    // on its screen.
    void ekranaUy(bool boyutla);
    EtkinlikSatiri satir_;
    AracCubugu* komutCubugu_ = nullptr;
    QMenuBar* menuCubugu_ = nullptr;
    // The frame under the bars, its board and on it the page, whose top
    // strip the board cuts off: the page's point (x, y) shows at the window's
    // (x, y) while nothing is scrolled.
    KaydirmaAlani* cerceve_ = nullptr;
    QWidget* tahta_ = nullptr;
    QWidget* sayfa_ = nullptr;
    bool tasimaBekliyor_ = false;
    bool ekranIzleniyor_ = false;
};
