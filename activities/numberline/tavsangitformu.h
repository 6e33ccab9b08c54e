#pragma once
#include "sayidogrusumodeli.h"

#include <QWidget>

class Eksen;
class ResimKutusu;

// The scene of "Tavşan Git": the whole number line from -100 to 100 and the
// rabbit over the tick of its number, facing the way it last moved. It is as
// wide as the line; the main window scrolls it.
class TTavsanGitForm : public QWidget
{
    Q_OBJECT
public:
    explicit TTavsanGitForm(QWidget* sahip);

    Eksen* NumberLine;
    ResimKutusu* Image1; // facing right
    ResimKutusu* Image2; // facing left

    int Konum() const { return tavsan_.Konum(); }
    bool SagaBakar() const { return tavsan_.SagaBakar(); }
    // The visible rabbit picture.
    ResimKutusu* Tavsan() const;

    // Takes a move request; the picture follows with TavsanYerlestir, once the
    // window has scrolled to the new place.
    void Hareket(const HareketIstegi& istek);
    void TavsanYerlestir();

private:
    SahneTavsani tavsan_;
};
