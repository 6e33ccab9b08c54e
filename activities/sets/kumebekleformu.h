#pragma once
#include <QWidget>

class QLabel;

// The window shown while the board prepares its regions.
class TKumeBekleForm : public QWidget
{
    Q_OBJECT
public:
    explicit TKumeBekleForm(QWidget* ebeveyn);
    QLabel* Label1;
};
