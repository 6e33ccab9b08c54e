#pragma once
#include "ortam.h"

#include <QDialog>

// Keeps the figures free of sounds and dialogs: every dialog is answered as
// cancelled, nothing plays, and random numbers are fixed.
class SessizOrtam : public Ortam
{
public:
    SessizOrtam() : onceki_(Ortam::Kurulu()) { Ortam::Kur(this); }
    ~SessizOrtam() override { Ortam::Kur(onceki_); }
    void MesajGoster(const QString&) override {}
    void MesajKutusu(const QString&, const QString&) override {}
    QString GirdiKutusu(const QString&, const QString&, const QString& v) override { return v; }
    std::optional<TRenk> RenkDiyalogu(TRenk) override { return std::nullopt; }
    int ModalGoster(QDialog&) override { return 0; }
    void SesOynat(int, bool) override {}
    void Bip() override {}
    void HataGoster(const QString&) override {}
    void Ac(const QUrl&) override {}
    int Rastgele(int n) override { return n > 1 ? n / 2 : 0; }

private:
    Ortam* onceki_;
};
