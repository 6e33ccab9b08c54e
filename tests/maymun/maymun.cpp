#include "maymun.h"
#include "Orvantaformu.h"
#include "bekci.h"
#include "donusum.h"
#include "etkinlikpenceresi.h"
#include "hakkinda.h"
#include "surukle.h"
#include "uygulama.h"
#include "yardim.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <cstdio>
#include <iterator>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANTA_SANITIZER_VAR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ORVANTA_SANITIZER_VAR 1
#endif
#ifdef ORVANTA_SANITIZER_VAR
#include <sanitizer/common_interface_defs.h>
#endif

namespace {
// The context and the event that ran last, printed when a sanitizer stops the
// process: a crash names the seed and the event like any other failure.
char sonOlayTamponu[2048];

void sonOlayiYaz()
{
    std::fprintf(stderr, "\nmaymun: süreç olay sırasında durdu\n%s\n", sonOlayTamponu);
    std::fflush(stderr);
}

const QString TURKCE_HARFLER = QStringLiteral("abcçdefgğhıijklmnoöprsştuüvyzABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ");

// What a pupil may type into any box: cancel aside, the odd answers first.
QString rastgeleCevap(std::mt19937_64& g)
{
    static const QStringList tuhaflar = {
        QString(), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("99999999999"),
        QStringLiteral("2147483647"), QStringLiteral("-2147483648"), QStringLiteral("2147483648"),
        QStringLiteral("  "), QStringLiteral(" 8"), QStringLiteral("8 "), QStringLiteral("ğüşıöç"),
        QStringLiteral("İSTANBUL"), QStringLiteral("Iİıi"), QStringLiteral("1e3"), QStringLiteral("3,5"),
        QStringLiteral("0x10"), QStringLiteral("١٢"), QStringLiteral("12a"), QStringLiteral("--5"),
        QString(60, QLatin1Char('9')), QStringLiteral("A1+B2"), QStringLiteral("(((")};
    switch (g() % 5) {
    case 0:
        return tuhaflar[int(g() % quint64(tuhaflar.size()))];
    case 1:
        return QString::number(int(g() % 21)); // small valid numbers
    case 2:
        return QString::number(qint64(g() % 200000) - 1000);
    case 3: {
        QString kelime;
        for (int n = 1 + int(g() % 12); n > 0; --n)
            kelime += TURKCE_HARFLER[int(g() % quint64(TURKCE_HARFLER.size()))];
        return kelime;
    }
    default:
        return QString::number(2 + int(g() % 600));
    }
}

QByteArray kisalt(const QString& metin)
{
    QString m = metin.simplified();
    if (m.size() > 28)
        m = m.left(27) + QStringLiteral("…");
    return m.toUtf8();
}

// A widget as a report names it: its class, and its name or caption.
QByteArray adi(const QObject* nesne)
{
    if (!nesne)
        return "yok";
    QByteArray ad = nesne->metaObject()->className();
    QString ek = nesne->objectName();
    if (ek.isEmpty()) {
        const QVariant metin = nesne->property("text");
        if (metin.canConvert<QString>())
            ek = metin.toString();
    }
    if (!ek.isEmpty())
        ad += " '" + kisalt(ek) + "'";
    return ad;
}

QByteArray noktaMetni(QPoint p)
{
    return "(" + QByteArray::number(p.x()) + "," + QByteArray::number(p.y()) + ")";
}

// The widget that gets a drop at `p` of `pencere`: the first one under the
// point, going up, that accepts drops (Qt's own rule).
QWidget* birakmaHedefi(QWidget* pencere, QPoint p)
{
    QWidget* w = pencere->childAt(p);
    if (!w)
        w = pencere;
    while (w && !w->isWindow() && !w->acceptDrops())
        w = w->parentWidget();
    return w && w->acceptDrops() ? w : nullptr;
}

// Qt's own lazily made bookkeeping, which lives as long as the application:
// the gesture manager and its cached gestures, the input devices, the drag
// manager and the window of the desktop widget.
bool qtKaydi(const QObject* o)
{
    if (o->inherits("QGesture") || o->inherits("QGestureManager") || o->inherits("QInputDevice")
        || o->inherits("QDragManager"))
        return true;
    const auto* pencere = qobject_cast<const QWindow*>(o);
    return pencere && pencere->type() == Qt::Desktop;
}

// The classes whose number of live objects differs, with both numbers.
QString nesneFarki(const QMap<QByteArray, int>& once, const QMap<QByteArray, int>& sonra)
{
    QMap<QByteArray, int> siniflar = once;
    siniflar.insert(sonra);
    QStringList fark;
    for (auto it = siniflar.begin(); it != siniflar.end(); ++it)
        if (once.value(it.key()) != sonra.value(it.key()))
            fark << QStringLiteral("%1: %2 -> %3")
                        .arg(QString::fromLatin1(it.key()))
                        .arg(once.value(it.key()))
                        .arg(sonra.value(it.key()));
    return fark.join(QStringLiteral(", "));
}

quint64 karistir(quint64 x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}
} // namespace

QMap<QByteArray, int> CanliNesneler()
{
    QMap<QByteArray, int> sonuc;
    QSet<QObject*> gorulen;
    QList<QObject*> yigin{QCoreApplication::instance()};
    for (QWidget* w : QApplication::topLevelWidgets())
        yigin << w;
    for (QWindow* w : QGuiApplication::allWindows())
        yigin << w;
    while (!yigin.isEmpty()) {
        QObject* o = yigin.takeLast();
        if (!o || gorulen.contains(o) || qtKaydi(o))
            continue;
        gorulen.insert(o);
        ++sonuc[o->metaObject()->className()];
        yigin << o->children();
    }
    return sonuc;
}

quint64 Maymun::EtkinlikTohumu(quint64 tohum, int kod)
{
    return karistir(tohum ^ karistir(quint64(kod)));
}

Maymun::Maymun(quint64 tohum, Bekci& bekci)
    : bekci_(bekci), onceki_(Ortam::Kurulu()), tohum_(tohum),
      ayrinti_(qEnvironmentVariableIsSet("ORVANTA_MAYMUN_AYRINTI"))
{
    Ortam::Kur(this);
#ifdef ORVANTA_SANITIZER_VAR
    __sanitizer_set_death_callback(sonOlayiYaz);
#endif
}

Maymun::~Maymun()
{
#ifdef ORVANTA_SANITIZER_VAR
    __sanitizer_set_death_callback(nullptr);
#endif
    SuruklemeSurucusuKur(nullptr);
    Ortam::Kur(onceki_);
}

MaymunSonucu Maymun::Oyna(const EtkinlikSatiri& satir, int olaySayisi)
{
    sonuc_ = MaymunSonucu();
    kalan_ = olaySayisi;
    sira_ = 0;
    durdu_ = false;
    bekleyenHata_.clear();
    sonOlaylar_.clear();
    const quint64 tohum = EtkinlikTohumu(tohum_, satir.Kod);
    olayUretici_.seed(tohum);
    cevapUretici_.seed(karistir(tohum));
    baglam_ = "tohum " + QByteArray::number(tohum_) + ", etkinlik " + satir.Etiket.toUtf8() + " (" +
              satir.YardimKaynagi.toUtf8() + ")\nyeniden oynatmak için: ORVANTA_MAYMUN_TOHUM=" +
              QByteArray::number(tohum_) + " ORVANTA_MAYMUN_OLAY=" + QByteArray::number(olaySayisi) +
              " ./test_maymun MaymunTesti herEtkinlik:" + satir.YardimKaynagi.toUtf8();
    bekci_.BaglamAyarla(baglam_);
    bekci_.EnUzunuSifirla();

    TMatematikForm menu;
    menu.AciklamaTimer->stop();
    menu.show();
    isle();
    menu_ = &menu;
    qApp->installEventFilter(this);
    QElapsedTimer sure;
    sure.start();
    while (kalan_ > 0 && !durdu_) {
        acilanlariKapat();
        isle();
        const QMap<QByteArray, int> once = CanliNesneler();
        const int acilis = sonuc_.Acilis;
        --kalan_; // the opening is an event too, so every round makes progress
        ++sira_;
        const QByteArray tanim = "#" + QByteArray::number(sira_) + " menüden açılış";
        qstrncpy(sonOlayTamponu, (baglam_ + "\nolay: " + tanim).constData(), sizeof sonOlayTamponu);
        bekci_.Izle(tanim, [&] {
            menu.EtiketTiklandi(satir.Tag);
            isle();
        });
        if (durdu_)
            break;
        if (sonuc_.Acilis == acilis) {
            hata(QStringLiteral("etkinlik penceresi açılmadı"));
            break;
        }
        acilanlariKapat();
        isle();
        const QMap<QByteArray, int> sonra = CanliNesneler();
        if (sonra != once) {
            hata(QStringLiteral("pencere kapandıktan sonra canlı nesneler açılıştan öncekiyle aynı değil: ") +
                 nesneFarki(once, sonra));
            break;
        }
        if (!menu.isVisible()) {
            hata(QStringLiteral("etkinlik kapandıktan sonra menü görünmüyor"));
            break;
        }
    }
    sonuc_.Saniye = sure.nsecsElapsed() / 1e9;
    qApp->removeEventFilter(this);
    menu_ = nullptr;
    menu.close();
    isle();
    return sonuc_;
}

int Maymun::ModalGoster(QDialog& pencere)
{
    boyarkenDiyalog(pencere.metaObject()->className());
    if (qobject_cast<TYardimGosterForm*>(&pencere)) {
        ++sonuc_.Turler["yardım penceresi"];
        return QDialog::Rejected;
    }
    if (qobject_cast<TSetHakkindaForm*>(&pencere)) {
        ++sonuc_.Turler["hakkında penceresi"];
        return QDialog::Accepted;
    }
    if (!etkinlik_ && qobject_cast<EtkinlikPenceresi*>(&pencere))
        return etkinlikOturumu(pencere);
    if (durdu_ || izinli_.size() >= 4)
        return QDialog::Rejected;
    return icPencereOturumu(pencere);
}

int Maymun::etkinlikOturumu(QDialog& d)
{
    QPointer<QDialog> pencere(&d);
    etkinlik_ = pencere;
    izinli_ = {pencere.data()};
    ++sonuc_.Acilis;
    klavyeKalan_ = zar(4) == 0 ? zarAralik(30, 120) : 0;
    d.show();
    etkinlestir(&d);
    bekci_.Ara([&] {
        // The menu's timer sends the opening message; the pupil then reads the
        // help while the window's timers run.
        ++sira_;
        bekci_.Izle("#" + QByteArray::number(sira_) + " açılış iletisi ve ilk saat tikleri", [&] {
            olayIcinde([&] { menu_->AciklamaTimerTimer(); });
            isle();
            QList<QPointer<QTimer>> saatler;
            if (pencere)
                for (QTimer* t : pencere->findChildren<QTimer*>())
                    saatler << t;
            for (const QPointer<QTimer>& t : saatler)
                if (t && t->isActive())
                    olayIcinde([&] { tikla(t); });
            isle();
        });
        denetle();
        while (kalan_ > 0 && !durdu_ && pencere && pencere->isVisible())
            olay(pencere, QByteArray());
        acilanlariKapat();
        // Out of events: the pupil goes back to the menu.
        if (pencere && pencere->isVisible() && !durdu_) {
            ++sira_;
            bekci_.Izle("#" + QByteArray::number(sira_) + " pencereyi kapatma", [&] {
                pencere->close();
                isle();
            });
        }
    });
    if (!pencere)
        hata(QStringLiteral("etkinlik penceresi bir olay sırasında silindi"));
    izinli_.clear();
    etkinlik_ = nullptr;
    return pencere ? pencere->result() : QDialog::Rejected;
}

int Maymun::icPencereOturumu(QDialog& d)
{
    QPointer<QDialog> pencere(&d);
    ++sonuc_.Turler["iç pencere"];
    izinli_ << pencere.data();
    d.show();
    etkinlestir(&d);
    const QByteArray onek = "[" + QByteArray(d.metaObject()->className()) + "] ";
    bekci_.Ara([&] {
        for (int n = zar(9); n > 0 && kalan_ > 0 && !durdu_ && pencere && pencere->isVisible(); --n)
            olay(pencere, onek);
    });
    // Whatever is left open is closed with the window's cross.
    if (pencere && pencere->isVisible())
        pencere->reject();
    if (pencere)
        pencere->hide();
    izinli_.removeLast();
    if (!izinli_.isEmpty() && izinli_.last())
        etkinlestir(izinli_.last());
    return pencere ? pencere->result() : QDialog::Rejected;
}

void Maymun::olay(QWidget* pencere, const QByteArray& onek)
{
    --kalan_;
    ++sira_;
    Plan plan = olayUret(pencere);
    ++sonuc_.Olay;
    ++sonuc_.Turler[plan.Tur];
    const QByteArray tanim = "#" + QByteArray::number(sira_) + " " + onek + plan.Tanim;
    sonOlaylar_ << tanim;
    if (sonOlaylar_.size() > 12)
        sonOlaylar_.removeFirst();
    qstrncpy(sonOlayTamponu, (baglam_ + "\nolay: " + tanim).constData(), sizeof sonOlayTamponu);
    QElapsedTimer sure;
    sure.start();
    bekci_.Izle(tanim, [&] {
        olayIcinde(plan.Yap);
        isle();
    });
    // Straight to the error stream: QTest stops printing after 2000 messages.
    if (ayrinti_)
        std::fprintf(stderr, "%s (%lld ms)\n", tanim.constData(), static_cast<long long>(sure.elapsed()));
    denetle();
}

Maymun::Plan Maymun::olayUret(QWidget* pencere)
{
    if (klavyeKalan_ == 0 && zar(200) == 0)
        klavyeKalan_ = zarAralik(20, 80);
    if (klavyeKalan_ > 0) {
        --klavyeKalan_;
        return zar(10) == 0 ? saat(pencere) : klavye(pencere);
    }
    const int z = zar(100);
    if (z < 25)
        return fareOlayi(pencere, 0);
    if (z < 31)
        return fareOlayi(pencere, 1);
    if (z < 35)
        return fareOlayi(pencere, 2);
    if (z < 40)
        return fareOlayi(pencere, 3);
    if (z < 52)
        return surukleme(pencere);
    if (z < 72)
        return tus(pencere);
    if (z < 77)
        return yazi(pencere, false);
    if (z < 79)
        return yazi(pencere, true);
    if (z < 89)
        return eylem(pencere);
    if (z < 92)
        return boyut(pencere);
    return saat(pencere);
}

void Maymun::isle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Maymun::denetle()
{
    if (durdu_)
        return;
    if (!bekleyenHata_.isEmpty()) {
        hata(bekleyenHata_);
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
            continue;
        bool izinli = false;
        for (const QPointer<QWidget>& p : izinli_)
            izinli = izinli || p == w;
        if (!izinli) {
            hata(QStringLiteral("etkinliğin kendi penceresinden başka bir pencere açık kaldı: ") +
                 QString::fromUtf8(adi(w)) + QStringLiteral(" \"") + w->windowTitle() + QLatin1Char('"'));
            return;
        }
    }
}

void Maymun::hata(const QString& neden)
{
    durdu_ = true;
    QString ileti = QStringLiteral("maymun: ") + neden + QLatin1Char('\n') + QString::fromUtf8(baglam_);
    if (!sonOlaylar_.isEmpty()) {
        ileti += QStringLiteral("\nson olaylar:");
        for (const QByteArray& o : sonOlaylar_)
            ileti += QStringLiteral("\n  ") + QString::fromUtf8(o);
    }
    QTest::qFail(qPrintable(ileti), __FILE__, __LINE__);
}

void Maymun::etkinlestir(QWidget* pencere)
{
    pencere->activateWindow();
    QApplication::setActiveWindow(pencere);
    isle();
}

void Maymun::tikla(QTimer* saat)
{
    QTimerEvent tik(saat->timerId());
    kendiTikim_ = &tik;
    QCoreApplication::sendEvent(saat, &tik);
    kendiTikim_ = nullptr;
}

void Maymun::acilanlariKapat()
{
    for (int n = 0; n < 10 && QApplication::activePopupWidget(); ++n)
        QApplication::activePopupWidget()->close();
    QToolTip::hideText();
}

void Maymun::olayIcinde(const std::function<void()>& yap)
{
    ++olayDerinligi_;
    struct Son
    {
        int& d;
        ~Son() { --d; }
    } son{olayDerinligi_};
    yap();
}

bool Maymun::eventFilter(QObject* nesne, QEvent* olay)
{
    // A pop-up menu that Qt runs in a loop of its own (QMenu::exec) holds the
    // event that opened it until the pupil clicks elsewhere: from inside that
    // loop the pupil does. A menu opened with popup() returns at once and
    // stays open for the events that follow.
    if (olay->type() == QEvent::Show && olayDerinligi_ > 0) {
        auto* w = qobject_cast<QWidget*>(nesne);
        if (w && w->windowType() == Qt::Popup) {
            QPointer<QWidget> acilan(w);
            const int derinlik = olayDerinligi_;
            QMetaObject::invokeMethod(
                this,
                [this, acilan, derinlik] {
                    if (acilan && acilan->isVisible() && olayDerinligi_ >= derinlik) {
                        ++sonuc_.Turler["kendi döngüsündeki menü"];
                        acilan->close();
                    }
                },
                Qt::QueuedConnection);
        }
    }
    // The activity's timers tick only when the monkey ticks them.
    if (olay->type() == QEvent::Timer && olay != kendiTikim_ && etkinlik_ && qobject_cast<QTimer*>(nesne))
        for (QObject* o = nesne->parent(); o; o = o->parent())
            if (o == etkinlik_.data())
                return true;
    return QObject::eventFilter(nesne, olay);
}

// ---------------------------------------------------------------------------
// Dialogs, answered at random.

// A dialog opened while a widget paints would paint again over it and may
// open itself once more: painting shows, it never asks.
void Maymun::boyarkenDiyalog(const char* diyalog)
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->testAttribute(Qt::WA_WState_InPaintEvent) && bekleyenHata_.isEmpty())
            bekleyenHata_ = QStringLiteral("%1 boyama sırasında açıldı: ").arg(QString::fromUtf8(diyalog)) +
                            QString::fromUtf8(adi(w));
}

void Maymun::MesajGoster(const QString&)
{
    ++sonuc_.Turler["mesaj"];
    boyarkenDiyalog("mesaj");
}

void Maymun::MesajKutusu(const QString&, const QString&)
{
    ++sonuc_.Turler["mesaj"];
    boyarkenDiyalog("mesaj kutusu");
}

QString Maymun::GirdiKutusu(const QString&, const QString&, const QString& varsayilan)
{
    ++sonuc_.Turler["girdi kutusu"];
    boyarkenDiyalog("girdi kutusu");
    if (cevapUretici_() % 8 == 0)
        return varsayilan; // Cancel
    return rastgeleCevap(cevapUretici_);
}

std::optional<TRenk> Maymun::RenkDiyalogu(TRenk baslangic)
{
    ++sonuc_.Turler["renk diyaloğu"];
    boyarkenDiyalog("renk diyaloğu");
    static const TRenk renkler[] = {clRed, clBlue, clWhite, clBlack, clYellow, clAqua, clSilver, clGray};
    switch (cevapUretici_() % 4) {
    case 0:
        return std::nullopt;
    case 1:
        return baslangic;
    case 2:
        return TRenk(cevapUretici_() & 0xFFFFFF);
    default:
        return renkler[cevapUretici_() % std::size(renkler)];
    }
}

void Maymun::HataGoster(const QString& metin)
{
    ++sonuc_.Turler["hata penceresi"];
    // A conversion error is how a typed text that is no integer is told; any
    // other error that reaches the pupil is a fault.
    static const QString donusum = DonusumHatasi(QString()).Mesaj().mid(2);
    if (!metin.endsWith(donusum) && bekleyenHata_.isEmpty())
        bekleyenHata_ = QStringLiteral("beklenmeyen hata gösterildi: ") + metin;
}

int Maymun::Rastgele(int n)
{
    return n <= 0 ? 0 : int(cevapUretici_() % quint64(n));
}

// ---------------------------------------------------------------------------
// Events.

QList<QWidget*> Maymun::gorunenler(QWidget* pencere) const
{
    QList<QWidget*> sonuc;
    for (QWidget* w : pencere->findChildren<QWidget*>())
        if (w->isVisible() && w->window() == pencere)
            sonuc << w;
    return sonuc;
}

std::optional<QPoint> Maymun::icindeNokta(QWidget* pencere, QWidget* w)
{
    const QRegion bolge = w->visibleRegion();
    if (bolge.isEmpty())
        return std::nullopt;
    const QRect r = *(bolge.begin() + zar(bolge.rectCount()));
    const QPoint p = w->mapTo(pencere, r.topLeft() + QPoint(zar(r.width()), zar(r.height())));
    if (!pencere->rect().contains(p))
        return std::nullopt;
    return p;
}

Maymun::Nokta Maymun::noktaSec(QWidget* pencere)
{
    const QList<QWidget*> adaylar = gorunenler(pencere);
    if (!adaylar.isEmpty() && zar(3) != 0) {
        QWidget* w = adaylar[zar(adaylar.size())];
        // The close button ends the opening: most of the times it is aimed at, the pupil thinks again.
        if (w->objectName() == QLatin1String("BitBtn2") && zar(10) != 0)
            w = adaylar[zar(adaylar.size())];
        if (const std::optional<QPoint> p = icindeNokta(pencere, w))
            return {*p, adi(pencere->childAt(*p))};
    }
    const QPoint p(zar(qMax(1, pencere->width())), zar(qMax(1, pencere->height())));
    QWidget* alti = pencere->childAt(p);
    return {p, alti ? adi(alti) : adi(pencere)};
}

void Maymun::fare(const QPointer<QWidget>& pencere, QPoint p, QEvent::Type tur, Qt::MouseButton dugme,
                  Qt::KeyboardModifiers tuslar)
{
    if (tur == QEvent::MouseButtonPress)
        basililar_ |= dugme;
    else if (tur == QEvent::MouseButtonRelease)
        basililar_ &= ~Qt::MouseButtons(dugme);
    if (!pencere || !pencere->windowHandle())
        return;
    zaman_ += 5;
    qt_handleMouseEvent(pencere->windowHandle(), QPointF(p), pencere->mapToGlobal(QPointF(p)), basililar_, dugme,
                        tur, tuslar, int(zaman_));
}

Maymun::Plan Maymun::fareOlayi(QWidget* pencere, int tur)
{
    const Nokta n = noktaSec(pencere);
    QPointer<QWidget> g(pencere);
    const Qt::KeyboardModifiers tuslar = zar(12) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    const QByteArray yer = noktaMetni(n.P) + " " + n.Ad;
    switch (tur) {
    case 0:
        return {"tıklama", "tıklama " + yer, [=] {
                    fare(g, n.P, QEvent::MouseButtonPress, Qt::LeftButton, tuslar);
                    fare(g, n.P, QEvent::MouseButtonRelease, Qt::LeftButton, tuslar);
                    zaman_ += 1000; // the next click is no double click
                }};
    case 1:
        return {"çift tıklama", "çift tıklama " + yer, [=] {
                    for (int i = 0; i < 2; ++i) {
                        fare(g, n.P, QEvent::MouseButtonPress, Qt::LeftButton);
                        fare(g, n.P, QEvent::MouseButtonRelease, Qt::LeftButton);
                    }
                    zaman_ += 1000;
                }};
    case 2:
        return {"sağ tıklama", "sağ tıklama " + yer, [=] {
                    fare(g, n.P, QEvent::MouseButtonPress, Qt::RightButton);
                    fare(g, n.P, QEvent::MouseButtonRelease, Qt::RightButton);
                    zaman_ += 1000;
                }};
    default:
        return {"fare hareketi", "fare hareketi " + yer,
                [=] { fare(g, n.P, QEvent::MouseMove, Qt::NoButton); }};
    }
}

Maymun::Plan Maymun::surukleme(QWidget* pencere)
{
    QList<QWidget*> kaynaklar;
    for (QWidget* w : gorunenler(pencere))
        if (OtomatikSurukleAcik(w))
            kaynaklar << w;
    if (kaynaklar.isEmpty())
        return fareOlayi(pencere, 0);
    QWidget* kaynak = kaynaklar[zar(kaynaklar.size())];
    const std::optional<QPoint> basma = icindeNokta(pencere, kaynak);
    if (!basma)
        return fareOlayi(pencere, 0);
    // Far enough from the press to start the drag, inside the window.
    const int mesafe = QApplication::startDragDistance() + 2 + zar(40);
    const int yon = zar(4);
    QPoint hareket = *basma + QPoint(yon == 0 ? mesafe : yon == 1 ? -mesafe : 0, yon == 2 ? mesafe : yon == 3 ? -mesafe : 0);
    if (!pencere->rect().contains(hareket))
        hareket = *basma - (hareket - *basma);
    const Nokta birak = noktaSec(pencere);
    QPointer<QWidget> g(pencere);
    return {"sürükleme",
            "sürükleme " + adi(kaynak) + " " + noktaMetni(*basma) + " -> " + noktaMetni(birak.P) + " " + birak.Ad,
            [=] {
                // The drop happens inside the source's mouse move, where the platform's drag loop would run.
                SuruklemeSurucusuKur([this, g, birak](QWidget* suruklenen) {
                    ++sonuc_.Turler["sürükleme başladı"];
                    // A disabled control takes no mouse input: nothing is dragged out of it.
                    if (!suruklenen->isEnabled())
                        hata(QStringLiteral("etkin olmayan bir denetimden sürükleme başladı: ") +
                             QString::fromUtf8(adi(suruklenen)));
                    if (!g || durdu_)
                        return;
                    if (QWidget* hedef = birakmaHedefi(g, birak.P))
                        if (SurukleBirak(suruklenen, hedef, hedef->mapFrom(g.data(), birak.P)))
                            ++sonuc_.Turler["bırakma"];
                });
                fare(g, *basma, QEvent::MouseButtonPress, Qt::LeftButton);
                fare(g, hareket, QEvent::MouseMove, Qt::NoButton);
                SuruklemeSurucusuKur(nullptr);
                fare(g, hareket, QEvent::MouseButtonRelease, Qt::LeftButton);
                zaman_ += 1000;
            }};
}

Maymun::Plan Maymun::tus(QWidget* pencere)
{
    static const QString turkce = QStringLiteral("çğıöşüÇĞİÖŞÜ");
    Qt::Key kod = Qt::Key_unknown;
    QString metin;
    QByteArray ad;
    const int z = zar(100);
    auto karakter = [&](QChar c) {
        metin = c;
        kod = Qt::Key(c.toUpper().unicode());
        ad = QString(c).toUtf8();
    };
    if (z < 30)
        karakter(QChar(u'0' + zar(10)));
    else if (z < 35)
        karakter(QLatin1Char('-'));
    else if (z < 38)
        karakter(QLatin1Char('+'));
    else if (z < 50)
        karakter(QChar((zar(2) ? u'a' : u'A') + zar(26)));
    else if (z < 58)
        karakter(turkce[zar(turkce.size())]);
    else {
        struct Ozel
        {
            int sinir;
            Qt::Key kod;
            const char* ad;
            const char* metin;
        };
        static const Ozel ozeller[] = {
            {66, Qt::Key_Return, "Enter", "\r"}, {70, Qt::Key_Escape, "Escape", "\x1b"},
            {75, Qt::Key_Tab, "Tab", "\t"},     {76, Qt::Key_Backtab, "Shift+Tab", ""},
            {78, Qt::Key_Left, "Sol", ""},      {80, Qt::Key_Right, "Sağ", ""},
            {82, Qt::Key_Up, "Yukarı", ""},     {84, Qt::Key_Down, "Aşağı", ""},
            {87, Qt::Key_F1, "F1", ""},         {90, Qt::Key_F2, "F2", ""},
            {92, Qt::Key_F9, "F9", ""},         {96, Qt::Key_Backspace, "Geri", "\b"},
            {98, Qt::Key_Delete, "Sil", ""},    {100, Qt::Key_Space, "Boşluk", " "}};
        for (const Ozel& o : ozeller)
            if (z < o.sinir) {
                kod = o.kod;
                ad = o.ad;
                metin = QString::fromLatin1(o.metin);
                break;
            }
    }
    const Qt::KeyboardModifiers tuslar = kod == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QPointer<QWidget> g(pencere);
    return {"tuş", "tuş " + ad + " -> " + adi(QApplication::focusWidget()), [=] {
                if (g && g->windowHandle())
                    QTest::sendKeyEvent(QTest::Click, g->windowHandle(), kod, metin, tuslar);
            }};
}

Maymun::Plan Maymun::klavye(QWidget* pencere)
{
    struct Tus
    {
        int sinir;
        Qt::Key kod;
        Qt::KeyboardModifiers tuslar;
        const char* ad;
        const char* metin;
    };
    static const Tus tuslar[] = {
        {18, Qt::Key_Tab, Qt::NoModifier, "Tab", "\t"},
        {26, Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab", ""},
        {31, Qt::Key_Left, Qt::NoModifier, "Sol", ""},
        {36, Qt::Key_Right, Qt::NoModifier, "Sağ", ""},
        {41, Qt::Key_Up, Qt::NoModifier, "Yukarı", ""},
        {46, Qt::Key_Down, Qt::NoModifier, "Aşağı", ""},
        {48, Qt::Key_Left, Qt::ShiftModifier, "Shift+Sol", ""},
        {50, Qt::Key_Right, Qt::ShiftModifier, "Shift+Sağ", ""},
        {52, Qt::Key_Up, Qt::ShiftModifier, "Shift+Yukarı", ""},
        {54, Qt::Key_Down, Qt::ShiftModifier, "Shift+Aşağı", ""},
        {68, Qt::Key_Space, Qt::NoModifier, "Boşluk", " "},
        {78, Qt::Key_Return, Qt::NoModifier, "Enter", "\r"},
        {82, Qt::Key_Escape, Qt::NoModifier, "Escape", "\x1b"},
        {86, Qt::Key_Menu, Qt::NoModifier, "Menü tuşu", ""},
        {90, Qt::Key_F10, Qt::ShiftModifier, "Shift+F10", ""},
    };
    Qt::Key kod = Qt::Key_unknown;
    Qt::KeyboardModifiers degistirici = Qt::NoModifier;
    QByteArray ad;
    QString metin;
    const int z = zar(100);
    for (const Tus& t : tuslar)
        if (z < t.sinir) {
            kod = t.kod;
            degistirici = t.tuslar;
            ad = t.ad;
            metin = QString::fromLatin1(t.metin);
            break;
        }
    if (kod == Qt::Key_unknown) {
        // An answer typed digit by digit.
        const QChar c = zar(8) == 0 ? QLatin1Char('-') : QChar(u'0' + zar(10));
        kod = Qt::Key(c.unicode());
        metin = c;
        ad = QString(c).toUtf8();
    }
    QPointer<QWidget> g(pencere);
    return {"klavye", "klavye " + ad + " -> " + adi(QApplication::focusWidget()), [=] {
                if (g && g->windowHandle())
                    QTest::sendKeyEvent(QTest::Click, g->windowHandle(), kod, metin, degistirici);
                // The keyboard never leaves the focus on something the pupil cannot see.
                isle();
                const QWidget* odak = QApplication::focusWidget();
                if (odak && !odak->isVisible() && odak->window()->windowType() != Qt::Popup && bekleyenHata_.isEmpty())
                    bekleyenHata_ = QStringLiteral("klavye odağı görünmeyen bir ögede kaldı: ") +
                                    QString::fromUtf8(adi(odak));
            }};
}

Maymun::Plan Maymun::yazi(QWidget* pencere, bool yapistir)
{
    const QString metin = rastgeleCevap(olayUretici_);
    // Half of the times the pupil first clicks into a box.
    std::optional<QPoint> kutu;
    QByteArray kutuAdi;
    QList<QWidget*> kutular;
    for (QWidget* w : gorunenler(pencere))
        if (qobject_cast<QLineEdit*>(w))
            kutular << w;
    if (!kutular.isEmpty() && zar(2) == 0) {
        QWidget* k = kutular[zar(kutular.size())];
        kutu = icindeNokta(pencere, k);
        kutuAdi = adi(k);
    }
    // Half of the typed answers end with Enter, as a pupil confirms them.
    const bool enter = !yapistir && zar(2) == 0;
    QPointer<QWidget> g(pencere);
    const QByteArray tanim = (yapistir ? "yapıştırma \"" : "yazı \"") + metin.toUtf8() + "\"" +
                             (enter ? " ve Enter" : "") +
                             (kutu ? " " + kutuAdi + " kutusuna" : " -> " + adi(QApplication::focusWidget()));
    return {yapistir ? "yapıştırma" : "yazı", tanim, [=] {
                if (kutu) {
                    fare(g, *kutu, QEvent::MouseButtonPress, Qt::LeftButton);
                    fare(g, *kutu, QEvent::MouseButtonRelease, Qt::LeftButton);
                    zaman_ += 1000;
                }
                if (yapistir) {
                    QGuiApplication::clipboard()->setText(metin);
                    if (g && g->windowHandle())
                        QTest::sendKeyEvent(QTest::Click, g->windowHandle(), Qt::Key_V, QString(),
                                            Qt::ControlModifier);
                    return;
                }
                for (QChar c : metin)
                    if (g && g->windowHandle())
                        QTest::sendKeyEvent(QTest::Click, g->windowHandle(), Qt::Key(c.toUpper().unicode()),
                                            QString(c), Qt::NoModifier);
                if (enter && g && g->windowHandle())
                    QTest::sendKeyEvent(QTest::Click, g->windowHandle(), Qt::Key_Return, QStringLiteral("\r"),
                                        Qt::NoModifier);
            }};
}

Maymun::Plan Maymun::eylem(QWidget* pencere)
{
    QList<QAction*> eylemler;
    for (QAction* a : pencere->findChildren<QAction*>())
        if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu())
            eylemler << a;
    if (eylemler.isEmpty())
        return tus(pencere);
    QPointer<QAction> a(eylemler[zar(eylemler.size())]);
    // As from its button or menu: inside the event boundary.
    return {"eylem", "eylem " + kisalt(a->text()), [=] {
                if (a)
                    HataSinirinda([&] { a->trigger(); });
            }};
}

Maymun::Plan Maymun::boyut(QWidget* pencere)
{
    const QSize en = pencere->minimumSize();
    const QSize yeni(zarAralik(qMax(1, en.width()), 2560), zarAralik(qMax(1, en.height()), 1440));
    QPointer<QWidget> g(pencere);
    return {"boyut", "boyut " + QByteArray::number(yeni.width()) + "x" + QByteArray::number(yeni.height()), [=] {
                if (g)
                    g->resize(yeni);
            }};
}

Maymun::Plan Maymun::saat(QWidget* pencere)
{
    QList<QTimer*> saatler;
    for (QTimer* t : pencere->findChildren<QTimer*>())
        if (t->isActive())
            saatler << t;
    if (saatler.isEmpty())
        return tus(pencere);
    QPointer<QTimer> t(saatler[zar(saatler.size())]);
    return {"saat", "saat tiki " + adi(t) + " (" + QByteArray::number(t->interval()) + " ms)", [=] {
                if (t && t->isActive())
                    tikla(t);
            }};
}
