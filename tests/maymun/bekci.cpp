#include "bekci.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

using namespace std::chrono_literals;

namespace {
long long ms(std::chrono::nanoseconds sure)
{
    return static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(sure).count());
}
}

Bekci::Bekci(std::chrono::milliseconds islemciSiniri, std::chrono::milliseconds beklemeSiniri)
    : islemciSiniri_(islemciSiniri), beklemeSiniri_(beklemeSiniri), ana_(pthread_self())
{
    if (const int hata = pthread_getcpuclockid(ana_, &anaSaati_)) {
        std::fprintf(stderr, "maymun: ana iş parçacığının işlemci saati okunamıyor: %s\n", std::strerror(hata));
        std::abort();
    }
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

std::chrono::nanoseconds Bekci::islemciZamani() const
{
    timespec an{};
    clock_gettime(anaSaati_, &an);
    return std::chrono::seconds(an.tv_sec) + std::chrono::nanoseconds(an.tv_nsec);
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
    enCokIslemci_ = std::chrono::milliseconds(0);
    enCokIslemciOlay_.clear();
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
            islemciBaslangici_ = islemciZamani();
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
                const auto islemci =
                    std::chrono::duration_cast<std::chrono::milliseconds>(b->islemciZamani() - b->islemciBaslangici_);
                if (islemci > b->enCokIslemci_) {
                    b->enCokIslemci_ = islemci;
                    b->enCokIslemciOlay_ = b->tanim_;
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
    std::chrono::nanoseconds islemciBaslangici;
    QByteArray tanim;
    const auto durdu = std::chrono::steady_clock::now();
    const auto islemciDurdu = islemciZamani();
    {
        std::lock_guard<std::mutex> k(kilit_);
        derinlik = std::exchange(derinlik_, 0);
        baslangic = baslangic_;
        islemciBaslangici = islemciBaslangici_;
        tanim = tanim_;
        ++nesil_;
    }
    uyandir_.notify_all();
    struct Geri
    {
        Bekci* b;
        int derinlik;
        std::chrono::steady_clock::time_point baslangic, durdu;
        std::chrono::nanoseconds islemciBaslangici, islemciDurdu;
        QByteArray tanim;
        ~Geri()
        {
            {
                // The suspended event goes on where it stood: the time spent
                // in `ara`, by the clock and by the processor, is not its own.
                std::lock_guard<std::mutex> k(b->kilit_);
                b->derinlik_ = derinlik;
                b->baslangic_ = baslangic + (std::chrono::steady_clock::now() - durdu);
                b->islemciBaslangici_ = islemciBaslangici + (b->islemciZamani() - islemciDurdu);
                b->tanim_ = tanim;
                ++b->nesil_;
            }
            b->uyandir_.notify_all();
        }
    } geri{this, derinlik, baslangic, durdu, islemciBaslangici, islemciDurdu, tanim};
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
        const auto simdi = std::chrono::steady_clock::now();
        const auto sure = simdi - baslangic_;
        const auto islemci = islemciZamani() - islemciBaslangici_;
        const bool dongude = islemci >= islemciSiniri_;
        if (dongude || sure >= beklemeSiniri_) {
            if (dongude)
                std::fprintf(stderr, "\nmaymun: bir olay %lld ms işlemci zamanı içinde bitmedi (döngüde takıldı)",
                             static_cast<long long>(islemciSiniri_.count()));
            else
                std::fprintf(stderr, "\nmaymun: bir olay %lld ms içinde bitmedi (beklerken takıldı)",
                             static_cast<long long>(beklemeSiniri_.count()));
            std::fprintf(stderr, "; işlemci %lld ms, süre %lld ms\n%s\nolay: %s\n", ms(islemci), ms(sure),
                         baglam_.constData(), tanim_.constData());
            std::fflush(stderr);
            pthread_kill(ana_, SIGABRT);
            return;
        }
        // The main thread's processor time grows no faster than the clock, so
        // neither limit can be passed before this moment.
        const auto kalan = std::max<std::chrono::nanoseconds>(islemciSiniri_ - islemci, 10ms);
        const auto uyanis = std::min(baslangic_ + beklemeSiniri_, simdi + kalan);
        uyandir_.wait_until(k, uyanis, [&] { return bitti_ || derinlik_ == 0 || nesil_ != nesil; });
    }
}
