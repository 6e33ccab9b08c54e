#include "bekci.h"

#include <csignal>
#include <cstdio>
#include <utility>

Bekci::Bekci(std::chrono::milliseconds sinir) : sinir_(sinir), ana_(pthread_self())
{
    iplik_ = std::thread([this] { dongu(); });
}

Bekci::~Bekci()
{
    {
        std::lock_guard<std::mutex> k(kilit_);
        bitti_ = true;
    }
    uyandir_.notify_all();
    iplik_.join();
}

void Bekci::BaglamAyarla(const QByteArray& baglam)
{
    std::lock_guard<std::mutex> k(kilit_);
    baglam_ = baglam;
}

void Bekci::EnUzunuSifirla()
{
    enUzun_ = std::chrono::milliseconds(0);
    enUzunOlay_.clear();
}

void Bekci::Izle(const QByteArray& tanim, const std::function<void()>& olay)
{
    QByteArray onceki;
    {
        std::lock_guard<std::mutex> k(kilit_);
        onceki = tanim_;
        if (derinlik_++ == 0) {
            ++nesil_;
            baslangic_ = std::chrono::steady_clock::now();
            tanim_ = tanim;
        } else {
            tanim_ += " > " + tanim;
        }
    }
    uyandir_.notify_all();
    // The event's own errors (a failed check, an exception) pass through; the
    // watch ends either way.
    struct Son
    {
        Bekci* b;
        QByteArray onceki;
        ~Son()
        {
            std::lock_guard<std::mutex> k(b->kilit_);
            if (--b->derinlik_ == 0) {
                const auto sure = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - b->baslangic_);
                if (sure > b->enUzun_) {
                    b->enUzun_ = sure;
                    b->enUzunOlay_ = b->tanim_;
                }
            }
            b->tanim_ = onceki;
        }
    } son{this, onceki};
    olay();
}

void Bekci::Ara(const std::function<void()>& ara)
{
    int derinlik;
    std::chrono::steady_clock::time_point baslangic;
    QByteArray tanim;
    const auto durdu = std::chrono::steady_clock::now();
    {
        std::lock_guard<std::mutex> k(kilit_);
        derinlik = std::exchange(derinlik_, 0);
        baslangic = baslangic_;
        tanim = tanim_;
        ++nesil_;
    }
    uyandir_.notify_all();
    struct Geri
    {
        Bekci* b;
        int derinlik;
        std::chrono::steady_clock::time_point baslangic, durdu;
        QByteArray tanim;
        ~Geri()
        {
            {
                std::lock_guard<std::mutex> k(b->kilit_);
                b->derinlik_ = derinlik;
                b->baslangic_ = baslangic + (std::chrono::steady_clock::now() - durdu);
                b->tanim_ = tanim;
                ++b->nesil_;
            }
            b->uyandir_.notify_all();
        }
    } geri{this, derinlik, baslangic, durdu, tanim};
    ara();
}

void Bekci::dongu()
{
    std::unique_lock<std::mutex> k(kilit_);
    while (!bitti_) {
        if (derinlik_ == 0) {
            uyandir_.wait(k);
            continue;
        }
        const quint64 nesil = nesil_;
        const auto son = baslangic_ + sinir_;
        uyandir_.wait_until(k, son, [&] { return bitti_ || derinlik_ == 0 || nesil_ != nesil; });
        if (bitti_ || derinlik_ == 0 || nesil_ != nesil || std::chrono::steady_clock::now() < son)
            continue;
        std::fprintf(stderr, "\nmaymun: bir olay %lld ms içinde bitmedi (takıldı)\n%s\nolay: %s\n",
                     static_cast<long long>(sinir_.count()), baglam_.constData(), tanim_.constData());
        std::fflush(stderr);
        pthread_kill(ana_, SIGABRT);
        return;
    }
}
