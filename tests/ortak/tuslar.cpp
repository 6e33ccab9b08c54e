#include "tuslar.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyCombination>
#include <QWidget>
#include <QWindow>
#include <QtTest>

QWidget* TusAlan()
{
    if (QWidget* acilan = QApplication::activePopupWidget())
        return acilan->focusWidget() ? acilan->focusWidget() : acilan;
    return QApplication::focusWidget();
}

int TuslaraBas(const QList<int>& tuslar)
{
    int n = 0;
    for (int tus : tuslar) {
        QWidget* alan = TusAlan();
        if (!alan) {
            QTest::qFail("nothing has the keyboard", __FILE__, __LINE__);
            break;
        }
        const QKeyCombination k = QKeyCombination::fromCombined(tus);
        QWindow* pencere = alan->window()->windowHandle();
        if (k.key() == Qt::Key_Menu && pencere) {
            // The window hands the event on to its focused widget, at the
            // place the widget gives for its cursor.
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint(), k.keyboardModifiers());
            QCoreApplication::sendEvent(pencere, &menu);
        } else {
            QTest::keyClick(alan, k.key(), k.keyboardModifiers());
        }
        ++n;
    }
    return n;
}

int MetniBas(const QString& metin)
{
    int n = 0;
    for (const QChar c : metin) {
        QWidget* alan = TusAlan();
        if (!alan) {
            QTest::qFail("nothing has the keyboard", __FILE__, __LINE__);
            break;
        }
        QTest::keyClick(alan, c.toLatin1());
        ++n;
    }
    return n;
}

int KosulaKadarSekme(const std::function<bool()>& istenen, int sinir, bool geri)
{
    // Shift+Tab comes from a desktop as Backtab with Shift held.
    const int tus = geri ? (Qt::SHIFT | Qt::Key_Backtab).toCombined() : int(Qt::Key_Tab);
    int n = 0;
    while (n < sinir && !istenen())
        n += TuslaraBas({tus});
    return n;
}

int SekmeIle(QWidget* hedef, bool geri, int sinir)
{
    return KosulaKadarSekme([hedef] { return QApplication::focusWidget() == hedef; }, sinir, geri);
}

QWidget* TasinanResim(QWidget* pencere)
{
    for (QWidget* w : pencere->findChildren<QWidget*>(QStringLiteral("TasinanResim")))
        if (w->isVisible())
            return w;
    return nullptr;
}

QString OkunanAd(QWidget* w)
{
    QAccessibleInterface* a = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return a ? a->text(QAccessible::Name) : QString();
}

void Klavye::Bas(int tus, Qt::KeyboardModifiers degistirici)
{
    Sayi += TuslaraBas({QKeyCombination(degistirici, Qt::Key(tus)).toCombined()});
}

bool Klavye::Git(QWidget* hedef, bool geri)
{
    Sayi += SekmeIle(hedef, geri);
    return QApplication::focusWidget() == hedef;
}

bool Klavye::Sekme(const std::function<bool(QWidget*)>& istenen)
{
    Bas(Qt::Key_Tab);
    const int n = KosulaKadarSekme([&] { return istenen(QApplication::focusWidget()); }, 59);
    Sayi += n;
    return istenen(QApplication::focusWidget());
}
