#pragma once
#include <QSize>
#include <QString>
#include <vector>

class QDialog;
class QWidget;

// How an activity shows its about message.
enum class HakkindaTuru { Pencere, MesajKutusu };

// One activity of the menu: everything the menu, the launcher, the window base
// and the tests know of it. Each activity window names its own row beside its
// class (a static `Satiri()`); the menu's table lists those rows in order.
struct EtkinlikSatiri
{
    int Oge;                // menu item 0 .. 12
    QString Etiket;         // the menu label
    int Tag;                // the label's Tag, Oge + 1
    int Kod;                // launch code 1 .. 13
    QString PencereBasligi; // the window's caption
    QString YardimBasligi;  // title passed to the help window
    QString YardimKaynagi;  // help document, e.g. "CarpanAgaci"
    HakkindaTuru Hakkinda;
    QString HakkindaBaslik;      // title of the about window or message box
    QString HakkindaIkinciSatir; // second line of the about window, may be empty
    QSize EnKucuk;
    // Makes the window, owned by `sahip`.
    QDialog* (*Yap)(QWidget* sahip);
};

// The smallest size of most activity windows.
inline const QSize ETKINLIK_OLCUSU(600, 600);

// The row's window maker for the window class `Pencere`.
template <class Pencere>
QDialog* PencereYap(QWidget* sahip)
{
    return new Pencere(sahip);
}
