#pragma once
#include <QFocusFrame>
#include <QPointer>

// The one visible sign of the keyboard focus, for every control and every
// drawn object of every window: a ring in the program's focus colours around
// the widget that has the focus. It is a sibling laid over that widget, in the
// same parent, so it moves and scrolls with it; it takes no mouse events and
// leaves the inside of the widget alone, so typed text is never covered. It
// leaves when the focus leaves, and follows the widget when it moves, changes
// size, hides or shows.
//
// A widget with the property "odakCercevesiz" set draws its own sign of the
// focus (the menu's rows light their highlight frame); a window, a menu bar
// and a pop-up get none either.
//
// It is a QFocusFrame only so that Qt leaves it out of the accessibility tree
// (a reader has the focused widget to speak); its place and its look are its
// own.
class OdakCercevesi : public QFocusFrame
{
    Q_OBJECT
public:
    // Width of the ring in pixels.
    static constexpr int KALINLIK = 3;

    // Made by OdakCercevesiKur; it watches QApplication::focusChanged.
    OdakCercevesi();
    ~OdakCercevesi() override;

    // The application's frame, nullptr before OdakCercevesiKur.
    static OdakCercevesi* Uygulamaninki();

    // The widget framed now, or nullptr while the frame is away.
    QWidget* Hedef() const { return hedef_; }

    // The widget that a focus on `odak` frames: the widget itself, or the
    // compound widget (a spin box, a combo box) whose focus proxy it is;
    // nullptr when nothing is framed.
    static QWidget* CerceveHedefi(QWidget* odak);

protected:
    void paintEvent(QPaintEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    friend void OdakCercevesiKur();
    void odakDegisti(QWidget* odak);
    void ayril();
    void yerlestir();

    QPointer<QWidget> hedef_;
    bool icte_ = false; // the ring lies inside the widget: outside it the parent would cut it off
};

// Creates the application's focus frame. A window deleted while the frame
// stood in it takes the frame along; a new one is made at once.
void OdakCercevesiKur();
// Deletes it, before the application object goes.
void OdakCercevesiKaldir();
