#include "hareketmiktarformu.h"
#include "olcum.h"
#include "sessizortam.h"
#include "tavsangitanaformu.h"
#include "tavsangitformu.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>
#include <vector>

namespace {

// Milliseconds of processor time this thread spent in `is`: the machine may
// be busy with other work, which wall time would count.
double IslemciSuresi(const std::function<void()>& is)
{
    timespec once{}, sonra{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &once);
    is();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &sonra);
    return double(sonra.tv_sec - once.tv_sec) * 1e3 + double(sonra.tv_nsec - once.tv_nsec) / 1e6;
}

// The medians of `a` and `b`, run by turns so that both see the same machine.
std::pair<double, double> Sirayla(const std::function<void()>& a, const std::function<void()>& b, int tekrar)
{
    std::vector<double> sa, sb;
    for (int i = 0; i < tekrar; ++i) {
        sa.push_back(IslemciSuresi(a));
        sb.push_back(IslemciSuresi(b));
    }
    std::sort(sa.begin(), sa.end());
    std::sort(sb.begin(), sb.end());
    return {sa[sa.size() / 2], sb[sb.size() / 2]};
}

// 200 moves of one step across the whole line, -100 to 100, each with the
// window's scroll and the repaint it asks for; against a plain widget of the
// scene's size, scrolled to the same positions in a window of the same size.
void TavsanGitHareketleri()
{
    OlcumOrtami sessiz;
    TTavsanGitAnaForm pencere(nullptr);
    ProjektordeGoster(pencere);
    THareketMiktarForm* panel = pencere.Panel;
    QScrollBar* kaydirma = pencere.ScrollBox->horizontalScrollBar();

    std::vector<int> konumlar;
    auto basaDon = [&] {
        panel->Button4Click();
        panel->RadioButton2->setChecked(true);
        panel->Edit1->setText(QStringLiteral("100"));
        panel->Button1Click();
        panel->RadioButton1->setChecked(true);
        panel->Edit1->setText(QStringLiteral("1"));
    };
    basaDon();
    for (int i = 0; i < 200; ++i) {
        panel->Button1Click();
        konumlar.push_back(kaydirma->value());
    }
    if (pencere.Sahne->Konum() != 100)
        std::printf("tavsan_git: the rabbit stopped at %d\n", pencere.Sahne->Konum());

    QWidget duz;
    duz.resize(pencere.size());
    auto* alan = new QScrollArea(&duz);
    alan->setFrameShape(QFrame::NoFrame);
    alan->setGeometry(duz.rect());
    auto* icerik = new QWidget;
    icerik->setAutoFillBackground(true);
    icerik->setFixedSize(pencere.ScrollBox->widget()->size());
    alan->setWidget(icerik);
    duz.show();
    QApplication::processEvents();
    QScrollBar* duzKaydirma = alan->horizontalScrollBar();

    const auto [taban, sure] = Sirayla(
        [&] {
            duzKaydirma->setValue(0);
            for (int x : konumlar) {
                duzKaydirma->setValue(x);
                QApplication::processEvents();
            }
        },
        [&] {
            basaDon();
            for (int i = 0; i < 200; ++i) {
                panel->Button1Click();
                QApplication::processEvents();
            }
        },
        15);
    OlcumYaz("tavsan_git_200_hareket_duz_kaydirma", taban, "ms", taban);
    OlcumYaz("tavsan_git_200_hareket", sure, "ms", taban);
}

} // namespace

ORVANTA_OLCUM(TavsanGitHareketleri, 42)
