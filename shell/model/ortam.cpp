#include "ortam.h"

#include <random>

namespace {
// Serves before the application sets its environment, and in tests of the
// models that install none: nothing is shown or played, dialogs are cancelled.
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
    int Rastgele(int n) override
    {
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(uretec_);
    }

private:
    std::mt19937 uretec_{12345u};
};

Ortam* kurulu = nullptr;
Ortam* varsayilan = nullptr;

Ortam& sessiz()
{
    static SessizOrtam ortam;
    return ortam;
}
}

Ortam& Ortam::Gecerli()
{
    if (kurulu)
        return *kurulu;
    return varsayilan ? *varsayilan : sessiz();
}

Ortam* Ortam::Kurulu()
{
    return kurulu;
}

void Ortam::Kur(Ortam* ortam)
{
    kurulu = ortam;
}

void Ortam::VarsayilanKur(Ortam* ortam)
{
    varsayilan = ortam;
}
