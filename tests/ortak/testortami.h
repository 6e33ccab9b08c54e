#pragma once
#include "ortam.h"

#include <QStringList>
#include <deque>
#include <functional>

class QDialog;

// The environment of the tests. It records every message, sound and beep in
// order as one line each ("mesaj: ...", "kutu: <caption> | <text>", "ses: 1256",
// "bip", "hata: ...", "girdi: <caption> | <prompt>", "renk", "modal: <class>",
// "ac: <url>") and answers input boxes, colour dialogs, modal windows and random
// numbers from queues the test fills. A dialog that meets no answer fails the
// running test at once and is answered as cancelled, so no test waits on a person.
class TestOrtami : public Ortam
{
public:
    // Installs itself as the current environment; the destructor restores the previous.
    TestOrtami();
    ~TestOrtami() override;

    void MesajGoster(const QString& metin) override;
    void MesajKutusu(const QString& metin, const QString& baslik) override;
    QString GirdiKutusu(const QString& baslik, const QString& istem, const QString& varsayilan) override;
    std::optional<TRenk> RenkDiyalogu(TRenk baslangic) override;
    // Defined by the kind of test executable: the window tests answer from
    // Modallar and VarsayilanModal (testortamipencere.cpp); the model tests,
    // which link no widgets, have no window to show (modelana.cpp).
    int ModalGoster(QDialog& pencere) override;
    void SesOynat(int numara, bool bekle) override;
    void Bip() override;
    void HataGoster(const QString& metin) override;
    void Ac(const QUrl& adres) override;
    int Rastgele(int n) override;

    QStringList Kayit;
    // Answers, taken from the front. A std::nullopt input answer stands for Cancel.
    std::deque<std::optional<QString>> Girdiler;
    std::deque<std::optional<TRenk>> Renkler;
    // Called with the window shown modally; returns its result code.
    std::deque<std::function<int(QDialog&)>> Modallar;
    // Random numbers, each taken modulo n; when empty, Rastgele answers 0.
    std::deque<int> Rastgeleler;
    // When set, every modal window is answered by this (after the queue is empty).
    std::function<int(QDialog&)> VarsayilanModal;

    // Recorded lines that start with `onek`, in order.
    QStringList Suzulmus(const QString& onek) const;
    // Every sound number played, in order.
    QList<int> Sesler() const;
    void Temizle() { Kayit.clear(); }

private:
    Ortam* onceki_;
};
