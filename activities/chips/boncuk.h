#pragma once
#include "renk.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QKeyEvent;
class QPainter;
class TBoncukKutuForm;

// A counting chip: a 25 x 25 circle worth +1, -1 or 0, filled with the colour
// of its kind and marked with its sign. It lives on a chip box, which owns it;
// the pupil drags it, and a chip of the other sign dropped onto it makes a
// neutral pair (the box decides).
class Boncuk : public QWidget
{
    Q_OBJECT
public:
    Boncuk(QWidget* kutu, int deger);

    int Deger() const { return deger_; }
    int Tag;
    // Its number in the box's model; the box finds the chip by it.
    int No = -1;
    TRenk Firca;
    void FircaAyarla(TRenk renk);

    // Drag rules: any chip or pair is welcome; the drop is the box's pairing
    // rule, which the box runs when the chip says so.
    bool BoncukDragOver(QObject* kaynak, QPoint p) const;
    void BoncukDragDrop(QObject* kaynak, QPoint p);

signals:
    void UzerineBirakildi(Boncuk* hedef, QObject* kaynak);

protected:
    // A pair is made without the drop handlers.
    Boncuk(QWidget* kutu, int deger, bool hedef);
    // The arrow keys move the focus to the nearest chip or pair that way.
    void keyPressEvent(QKeyEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    // Writes `isaret` centred on `merkez` in the chips' sign font, black.
    static void IsaretYaz(QPainter& p, QPoint merkez, QChar isaret);
    static QChar Isaret(int deger);
    // One chip of `boyut` in `renk` with `isaret` on it.
    static void PulCiz(QPainter& p, QSize boyut, TRenk renk, QChar isaret);

private:
    // The nearest shown chip or pair of the same box in direction `yon`.
    Boncuk* komsu(QPoint yon) const;

    int deger_;
};

// A neutral pair: two circles side by side, the receiving chip's sign first.
// It can be moved; nothing can be dropped onto it.
class BoncukCifti : public Boncuk
{
    Q_OBJECT
public:
    BoncukCifti(QWidget* kutu, bool ilkPozitif);
    const bool IlkPozitif;

protected:
    void paintEvent(QPaintEvent* olay) override;
};

// A list of chips that never owns them: it holds guarded pointers, so a chip
// destroyed with its box is simply skipped.
class Boncuklar
{
public:
    explicit Boncuklar(int kapasite);
    void Ekle(Boncuk* boncuk);
    int Sayi() const { return int(ogeler_.size()); }
    Boncuk* Oge(int i) const;
    // Every listed chip worth `deger` takes the brush colour `renk`.
    void Renklendir(int deger, TRenk renk) const;
    // Shows or hides every listed chip.
    void Goster(bool gorunur) const;
    void Bosalt() { ogeler_.clear(); }

private:
    std::vector<QPointer<Boncuk>> ogeler_;
};
