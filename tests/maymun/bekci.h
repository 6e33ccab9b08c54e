#pragma once
#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <functional>
#include <mutex>
#include <pthread.h>
#include <thread>

// The watchdog of the monkey. Every event runs under it, and a hung event is
// one of two kinds: a loop, which burns the main thread's processor time, or a
// wait that does not end, which burns none. So an event is stopped when the
// main thread has spent more than `islemciSiniri` of processor time on it, or
// when it has lasted longer than `beklemeSiniri` of wall-clock time; a machine
// busy with other work slows an event down but does not make it a loop. The
// watchdog then prints the context (seed, activity) and the event, and stops
// the process with SIGABRT on the main thread, whose handlers (QTest's, a
// debugger's) then show where it stood. Events watched from inside an event
// belong to the outer one, unless the outer one is suspended with Ara.
class Bekci
{
public:
    Bekci(std::chrono::milliseconds islemciSiniri, std::chrono::milliseconds beklemeSiniri);
    ~Bekci();
    Bekci(const Bekci&) = delete;
    Bekci& operator=(const Bekci&) = delete;

    // Printed before the event when a limit is passed.
    void BaglamAyarla(const QByteArray& baglam);
    // Runs `olay` under watch; `tanim` names it in the report.
    void Izle(const QByteArray& tanim, const std::function<void()>& olay);
    // Runs `ara` with the watch of the running event suspended: events that
    // `ara` watches are events of their own (a dialog the pupil plays while
    // the event that opened it waits), and neither their processor time nor
    // their duration counts for it.
    void Ara(const std::function<void()>& ara);

    std::chrono::milliseconds IslemciSiniri() const { return islemciSiniri_; }
    std::chrono::milliseconds BeklemeSiniri() const { return beklemeSiniri_; }
    // The longest outer event so far by the clock, and its name.
    std::chrono::milliseconds EnUzun() const { return enUzun_; }
    QByteArray EnUzunOlay() const { return enUzunOlay_; }
    // The most processor time an outer event took so far, and its name.
    std::chrono::milliseconds EnCokIslemci() const { return enCokIslemci_; }
    QByteArray EnCokIslemciOlay() const { return enCokIslemciOlay_; }
    void EnUzunuSifirla();

private:
    // The processor time the main thread has used since it started.
    std::chrono::nanoseconds islemciZamani() const;
    void dongu();

    const std::chrono::milliseconds islemciSiniri_;
    const std::chrono::milliseconds beklemeSiniri_;
    const pthread_t ana_;
    clockid_t anaSaati_; // the main thread's processor-time clock
    std::mutex kilit_;
    std::condition_variable uyandir_;
    bool bitti_ = false;
    int derinlik_ = 0;
    quint64 nesil_ = 0; // one per outer event, and per suspension and resumption
    std::chrono::steady_clock::time_point baslangic_;
    std::chrono::nanoseconds islemciBaslangici_{0};
    QByteArray baglam_;
    QByteArray tanim_; // the outer event and, after " > ", the inner ones running
    std::chrono::milliseconds enUzun_{0};
    QByteArray enUzunOlay_;
    std::chrono::milliseconds enCokIslemci_{0};
    QByteArray enCokIslemciOlay_;
    std::thread iplik_;
};
