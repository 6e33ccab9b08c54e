#pragma once
#include "etkinlikpenceresi.h"

class QScrollArea;
class THareketMiktarForm;
class TTavsanGitForm;

// "Tavşan Git": the rabbit moves along the number line by signed amounts.
// The window scrolls the scene so that the rabbit stays in view; the movement
// panel stays in sight above it and sends its moves as numbered messages.
class TTavsanGitAnaForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TTavsanGitAnaForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    QScrollArea* ScrollBox; // scrolls the scene
    TTavsanGitForm* Sahne;
    THareketMiktarForm* Panel;

    // Scrolls to the rabbit and moves the panel after it.
    void TavsanIzle();

protected:
    bool event(QEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void showEvent(QShowEvent* olay) override;

private:
    void Yerlesim(const QRect& alan) override;
};
