#pragma once
#include <QWidget>

class QToolButton;

// A pair of arrow buttons, one above the other, that only report a press: the
// owner decides what the press changes (a count of parts, a rank).
class OkDugmeleri : public QWidget
{
    Q_OBJECT
public:
    explicit OkDugmeleri(QWidget* sahip);
    QToolButton* Yukari;
    QToolButton* Asagi;
    QSize sizeHint() const override;
    // What readers call the two arrows: "Sırayı artır", "Sırayı azalt".
    void AdVer(const QString& yukari, const QString& asagi);

signals:
    // +1 for the upper arrow, -1 for the lower one.
    void Basildi(int yon);
};
