#pragma once
#include <QEvent>
#include <QtGlobal>

class QObject;

// A numbered window message between the program's own controls and windows.
// The event type is the message number; both parameters travel as integers
// wide enough to carry an address.
class NumaraliMesaj : public QEvent
{
public:
    NumaraliMesaj(int numara, qintptr wParam, qintptr lParam);
    int Numara() const { return static_cast<int>(type()); }
    qintptr WParam;
    qintptr LParam;
    // What the receiver answers; 0 unless it sets one.
    qintptr Sonuc = 0;
};

// Opening message: sent to an activity window about 100 ms after it is shown.
constexpr int MSG_ACILIS = 8843;

// Sends message `numara` synchronously to `alici` and returns the receiver's
// answer. Does nothing (and answers 0) when there is no receiver.
qintptr MesajGonder(QObject* alici, int numara, qintptr wParam = 0, qintptr lParam = 0);

template <typename T>
qintptr MesajParametresi(T* isaretci)
{
    return reinterpret_cast<qintptr>(isaretci);
}

template <typename T>
T* MesajIsaretcisi(qintptr deger)
{
    return reinterpret_cast<T*>(deger);
}

// The message if `olay` is numbered message `numara`, else nullptr.
NumaraliMesaj* NumaraliMi(QEvent* olay, int numara);
