#pragma once
#include "renk.h"
#include <QString>
#include <QUrl>
#include <optional>

class QDialog;

// Everything a window does that reaches outside the program, or that a test
// must control, goes through here: dialogs, sounds, the beep, random numbers
// and opening addresses. The program installs the production environment at
// start; tests install TestOrtami.
class Ortam
{
public:
    virtual ~Ortam() = default;

    // A plain message with the application's name as caption and one OK button.
    virtual void MesajGoster(const QString& metin) = 0;
    virtual void MesajKutusu(const QString& metin, const QString& baslik) = 0;
    // Returns the typed text, or `varsayilan` when cancelled.
    virtual QString GirdiKutusu(const QString& baslik, const QString& istem, const QString& varsayilan) = 0;
    // The chosen colour, or nothing when cancelled.
    virtual std::optional<TRenk> RenkDiyalogu(TRenk baslangic) = 0;
    // Runs a dialog modally and returns its result code.
    virtual int ModalGoster(QDialog& pencere) = 0;
    virtual void SesOynat(int numara, bool bekle) = 0;
    virtual void Bip() = 0;
    // The application's error display (for conversion errors and faults the pupil must see).
    virtual void HataGoster(const QString& metin) = 0;
    virtual void Ac(const QUrl& adres) = 0;
    // Uniform in 0 .. n-1; 0 when n <= 0.
    virtual int Rastgele(int n) = 0;

    // The installed environment, else the default one.
    static Ortam& Gecerli();
    // Installs `ortam` (not owned) as the current environment; nullptr restores the default one.
    static void Kur(Ortam* ortam);
    // The installed environment, nullptr while the default one serves.
    static Ortam* Kurulu();
    // The environment that serves when none is installed (not owned): the
    // application object sets the production one. Until then a quiet one
    // serves, which cancels every dialog and draws from a fixed seed.
    static void VarsayilanKur(Ortam* ortam);
};

// Shows and plays nothing and cancels every dialog; random numbers come from a
// fixed seed. It serves before the application sets its environment, in tests
// of the models that install none, and under the measuring program.
class SessizOrtam : public Ortam
{
public:
    void MesajGoster(const QString&) override {}
    void MesajKutusu(const QString&, const QString&) override {}
    QString GirdiKutusu(const QString&, const QString&, const QString& varsayilan) override { return varsayilan; }
    std::optional<TRenk> RenkDiyalogu(TRenk) override { return std::nullopt; }
    int ModalGoster(QDialog&) override { return 0; }
    void SesOynat(int, bool) override {}
    void Bip() override {}
    void HataGoster(const QString&) override {}
    void Ac(const QUrl&) override {}
    int Rastgele(int n) override;

private:
    std::uint32_t durum_ = 12345u;
};
