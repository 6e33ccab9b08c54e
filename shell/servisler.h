#pragma once
#include "renk.h"
#include <QChar>

class QLabel;
class QLineEdit;
class QObject;
class QWidget;

// Numeric key filter: Enter, '-', '+', Backspace and the digits pass; every
// other character becomes 0, which the edit box ignores.
void SayiTusuFiltresi(QChar& tus);
// Puts the numeric key filter on a line edit (typed characters only; pasted
// text still reaches the box and is judged where it is converted).
void SayiTusuFiltresiKur(QLineEdit* kutu);

// The colour dialog started on `baslangic`: the chosen colour, or `baslangic` when cancelled.
TRenk RenkSec(TRenk baslangic);
// Asks again, with "Lütfen farklı bir renk seçiniz", until the colour differs from `yasak`.
TRenk FarkliRenkSec(TRenk baslangic, TRenk yasak);

// The label magnifier of the main menu. The captions "KAPAT", "SINIFLAR" and
// "KONULAR" always get 14 (highlighted) or 12 points.
void EtiketBuyut(QLabel* etiket, TRenk renk, int boyut, bool vurgulu);
void EtiketVurgula(QObject* kontrol, int boyut, TRenk renk);
void VurguyuKaldir(int boyut, TRenk renk);
// The label the magnifier last highlighted, or nullptr.
QLabel* BuyutulmusEtiket();
