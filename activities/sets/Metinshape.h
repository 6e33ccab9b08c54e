#pragma once
#include "renk.h"

#include <QString>
#include <QWidget>

// An element tile of the sets activity: its text and nothing else is drawn
// (Tahoma, 15 points, in FontColor). Tag is the number of the word, and so of
// the set, the tile belongs to (1 or 2).
class MetinShape : public QWidget
{
    Q_OBJECT
public:
    MetinShape(QWidget* ebeveyn, const QString& metin);

    QString Text;
    TRenk FontColor = clRed;
    int Tag = 0;

    // The tile's size from the text it shows: its extent plus 10 each way.
    void FitToText();
    static QFont KaroYazisi();
    // What the tile shows for `metin`: a blank character, which would leave
    // the tile empty and unfindable, is shown as "␣"; the element stays the
    // blank itself.
    static QString GorunenMetin(const QString& metin);
    // The element as a reader says it: "a", "büyük K" (the activity tells
    // the cases apart), "boşluk".
    QString Okunus() const { return Okunus(Text); }
    static QString Okunus(const QString& metin);

protected:
    void paintEvent(QPaintEvent* olay) override;
    void changeEvent(QEvent* olay) override;
    // A press on a tile is the tile's: it never reaches the board below.
    void mousePressEvent(QMouseEvent* olay) override;
};
