#pragma once
#include <QLineEdit>
#include <QPointer>

// A coordinate box of the plane: digits and signs only, yellow with blue
// text while it has the focus, and the arrow keys move the focus between the
// X box (left and up) and the Y box (right and down).
class KoordinatKutusu : public QLineEdit
{
    Q_OBJECT
public:
    explicit KoordinatKutusu(QWidget* ebeveyn);
    // Where the arrow keys send the focus; not owned.
    QPointer<QLineEdit> XKutusu;
    QPointer<QLineEdit> YKutusu;

protected:
    void focusInEvent(QFocusEvent* olay) override;
    void focusOutEvent(QFocusEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void Renklen(bool odakta);
};
