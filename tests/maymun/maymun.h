#pragma once
#include "etkinlikler.h"
#include "ortam.h"

#include <QByteArray>
#include <QEvent>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <random>

class Bekci;
class QDialog;
class QTimer;
class TMatematikForm;

// What one activity's play came to.
struct MaymunSonucu
{
    int Olay = 0;
    int Acilis = 0;
    double Saniye = 0;
    QMap<QByteArray, int> Turler; // events by kind, and the dialogs answered
};

// The live objects of the application: everything reachable from the
// application object, the top-level widgets and the windows, by class name.
QMap<QByteArray, int> CanliNesneler();

// Plays an activity as a crowd of pupils would: opens it from the menu and
// sends a reproducible stream of random events drawn from one seed (clicks,
// double and right clicks, pointer moves, drags through the drag helper, keys,
// typed and pasted answers, commands, resizes, timer ticks), and answers every
// dialog at random. Some episodes are played by keys alone, as a pupil
// without a mouse plays: a quarter of the openings start with one, and one may
// begin at any event; while it lasts no event but a key is sent (the
// activity's timers still tick). After each event it delivers what is pending and checks
// that no window but the activity's own (and the dialogs it has open) is
// shown, that no error other than a conversion error reached the pupil and
// that no dialog opened while a widget was painting.
// When the window is closed (its close button is a widget like any other) the
// menu opens it again; after every opening the live objects of the
// application must be what they were before it. A broken rule fails the
// running test and names the seed and the event.
//
// Mouse and key events enter as the window system's do (qt_handleMouseEvent,
// qt_handleKeyEvent of the test library), so Qt picks the receiver under the
// pointer, opens and closes pop-up menus, makes double clicks and runs
// shortcuts as for a pupil. A drag starts with a press and a move on a source
// of the drag helper; the helper's drag loop is replaced by one that drops
// where Qt would: on the first widget under the point that accepts drops.
//
// Timers. While an activity plays, its QTimers tick only when the monkey ticks
// them, so that a seed replays the same run: their ticks from the clock are
// held back, and a tick is the timer's own timer event sent to it (QTimer's
// handler stops a single-shot timer and emits timeout, as when the event loop
// delivers it). Right after the opening every running timer ticks once, for
// the time the pupil spends reading the help window.
class Maymun : public QObject, public Ortam
{
public:
    // Installs itself as the environment until destroyed.
    Maymun(quint64 tohum, Bekci& bekci);
    ~Maymun() override;

    MaymunSonucu Oyna(const EtkinlikSatiri& satir, int olaySayisi);

    // The activity's seed: the run's seed mixed with the launch code, so that
    // one activity replays alone as it played among the others.
    static quint64 EtkinlikTohumu(quint64 tohum, int kod);

    void MesajGoster(const QString& metin) override;
    void MesajKutusu(const QString& metin, const QString& baslik) override;
    QString GirdiKutusu(const QString& baslik, const QString& istem, const QString& varsayilan) override;
    std::optional<TRenk> RenkDiyalogu(TRenk baslangic) override;
    int ModalGoster(QDialog& pencere) override;
    void SesOynat(int, bool) override {}
    void Bip() override {}
    void HataGoster(const QString& metin) override;
    void Ac(const QUrl&) override {}
    int Rastgele(int n) override;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    // An event chosen and described, to be run under the watchdog.
    struct Plan
    {
        QByteArray Tur;
        QByteArray Tanim;
        std::function<void()> Yap;
    };
    // A point of a window, in its coordinates, and what it was chosen on.
    struct Nokta
    {
        QPoint P;
        QByteArray Ad;
    };

    int zar(int n) { return n <= 0 ? 0 : int(olayUretici_() % quint64(n)); }
    int zarAralik(int en, int son) { return en + zar(son - en + 1); }

    int etkinlikOturumu(QDialog& pencere);
    int icPencereOturumu(QDialog& pencere);
    void olay(QWidget* pencere, const QByteArray& onek);
    Plan olayUret(QWidget* pencere);
    void isle();
    void denetle();
    void hata(const QString& neden);
    void etkinlestir(QWidget* pencere);
    void tikla(QTimer* saat);
    // Runs what an event does; pop-up menus shown meanwhile belong to it.
    void olayIcinde(const std::function<void()>& yap);
    void acilanlariKapat();
    void boyarkenDiyalog(const char* diyalog);

    QList<QWidget*> gorunenler(QWidget* pencere) const;
    Nokta noktaSec(QWidget* pencere);
    std::optional<QPoint> icindeNokta(QWidget* pencere, QWidget* w);
    void fare(const QPointer<QWidget>& pencere, QPoint p, QEvent::Type tur, Qt::MouseButton dugme,
              Qt::KeyboardModifiers tuslar = Qt::NoModifier);

    Plan fareOlayi(QWidget* pencere, int tur);
    Plan surukleme(QWidget* pencere);
    Plan tus(QWidget* pencere);
    // A key of a pupil without a mouse: Tab, Shift+Tab, the arrows (with
    // Shift, the long steps), Space, Enter, Escape, the context-menu key,
    // Shift+F10, or a digit typed as an answer.
    Plan klavye(QWidget* pencere);
    Plan yazi(QWidget* pencere, bool yapistir);
    Plan eylem(QWidget* pencere);
    Plan boyut(QWidget* pencere);
    Plan saat(QWidget* pencere);

    Bekci& bekci_;
    Ortam* onceki_;
    const quint64 tohum_;
    const bool ayrinti_; // ORVANTA_MAYMUN_AYRINTI: every event is printed as it runs
    std::mt19937_64 olayUretici_;  // events, their targets and typed texts
    std::mt19937_64 cevapUretici_; // dialog answers and the activity's random numbers
    QByteArray baglam_;            // seed and activity, for every report
    TMatematikForm* menu_ = nullptr;
    QPointer<QDialog> etkinlik_;
    QList<QPointer<QWidget>> izinli_; // the activity window and the dialogs it has open
    int kalan_ = 0;
    int sira_ = 0; // number of the current event in this activity
    int klavyeKalan_ = 0; // events left of the episode played by keys alone
    QEvent* kendiTikim_ = nullptr;
    int olayDerinligi_ = 0;
    bool durdu_ = false;
    QString bekleyenHata_;
    QList<QByteArray> sonOlaylar_;
    MaymunSonucu sonuc_;
    Qt::MouseButtons basililar_;
    quint32 zaman_ = 1000; // the window system's clock of the events, in ms; wraps after 49 days of clicks
};
