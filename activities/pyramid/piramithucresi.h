#pragma once
#include "piramitmodeli.h"
#include "renk.h"

#include <QWidget>

// One cell of the pyramid: 80 x 55, its colour, its number (or the too-large
// mark) and the sign of the operation that filled it, drawn on the cell's
// own surface, so clicks and hovers on the sign are the cell's.
class PiramitHucresi : public QWidget
{
    Q_OBJECT
public:
    PiramitHucresi(QWidget* sahip, HucreYeri yer);

    const HucreYeri Yer;
    const int Tag; // 100 * row + column

    TRenk Renk() const { return renk_; }
    QString Metin() const { return metin_; }
    QString Isaret() const { return isaret_; }
    // Where the sign stands inside the cell: a 20-pixel line at the top edge
    // (base on top) or at the bottom.
    QRect IsaretAlani() const;
    // What the cell shows; repaints only what changed.
    void Goster(const QString& metin, TRenk renk, const QString& isaret, bool cokBuyuk);
    void IsaretiYerlestir(bool yukaridanAsagiya);

signals:
    void Tiklandi(PiramitHucresi* hucre);
    void Uzerinde(PiramitHucresi* hucre);

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;

private:
    QString metin_;
    QString isaret_;
    TRenk renk_ = HUCRE_BOS_RENGI;
    bool cokBuyuk_ = false;
    bool yukaridanAsagiya_ = false;
};
