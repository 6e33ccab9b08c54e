#pragma once
#include "ortam.h"

#include <random>

class QDialog;
class QWidget;

// Moves the shown top-level `pencere` wholly inside the available area of
// its screen, title bar included; one larger than that is made as small as
// the area, or, where it cannot shrink (a message box sizes itself to its
// text), stands at the area's top-left corner.
void EkranIcineAl(QWidget& pencere);

// Runs `pencere` modally; once shown it is brought inside its screen, and
// when it closes the window that was active takes the keyboard back.
int EkranIcindeCalistir(QDialog& pencere);

// The environment of the running program: real dialogs, QSoundEffect, a clock-seeded generator.
class UretimOrtami : public Ortam
{
public:
    UretimOrtami();
    // The one environment of the program, made on first use.
    static UretimOrtami& Program();
    void MesajGoster(const QString& metin) override;
    void MesajKutusu(const QString& metin, const QString& baslik) override;
    QString GirdiKutusu(const QString& baslik, const QString& istem, const QString& varsayilan) override;
    std::optional<TRenk> RenkDiyalogu(TRenk baslangic) override;
    int ModalGoster(QDialog& pencere) override;
    void SesOynat(int numara, bool bekle) override;
    void Bip() override;
    void HataGoster(const QString& metin) override;
    void Ac(const QUrl& adres) override;
    int Rastgele(int n) override;

private:
    std::mt19937 uretec_;
};
