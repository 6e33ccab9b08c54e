#pragma once
#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <pthread.h>
#include <thread>

// The watchdog of the monkey. Every event runs under it; an event that has not
// ended after the limit is a hang: the watchdog prints the context (seed,
// activity) and the event, and stops the process with SIGABRT on the main
// thread, whose handlers (QTest's, a debugger's) then show where it stood.
// Events watched from inside an event belong to the outer one, unless the
// outer one is suspended with Ara.
class Bekci
{
public:
    explicit Bekci(std::chrono::milliseconds sinir);
    ~Bekci();
    Bekci(const Bekci&) = delete;
    Bekci& operator=(const Bekci&) = delete;

    // Printed before the event when the limit is passed.
    void BaglamAyarla(const QByteArray& baglam);
    // Runs `olay` under watch; `tanim` names it in the report.
    void Izle(const QByteArray& tanim, const std::function<void()>& olay);
    // Runs `ara` with the watch of the running event suspended: events that
    // `ara` watches are events of their own (a dialog the pupil plays while
    // the event that opened it waits), and their time does not count for it.
    void Ara(const std::function<void()>& ara);

    std::chrono::milliseconds Sinir() const { return sinir_; }
    // The longest outer event so far, and its name.
    std::chrono::milliseconds EnUzun() const { return enUzun_; }
    QByteArray EnUzunOlay() const { return enUzunOlay_; }
    void EnUzunuSifirla();

private:
    void dongu();

    const std::chrono::milliseconds sinir_;
    const pthread_t ana_;
    std::mutex kilit_;
    std::condition_variable uyandir_;
    bool bitti_ = false;
    int derinlik_ = 0;
    quint64 nesil_ = 0; // one per outer event
    std::chrono::steady_clock::time_point baslangic_;
    QByteArray baglam_;
    QByteArray tanim_; // the outer event and, after " > ", the inner ones running
    std::chrono::milliseconds enUzun_{0};
    QByteArray enUzunOlay_;
    std::thread iplik_;
};
