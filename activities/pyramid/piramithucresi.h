#pragma once
#include "piramitmodeli.h"
#include "renk.h"

#include <QWidget>

class QLabel;

// One cell of the pyramid: 80 x 55, its colour, its number (or the too-large
// mark) and a label with the sign of the operation that filled it. The label
// lets the pointer through, so clicks and hovers on it reach the cell.
class PiramitHucresi : public QWidget
{
    Q_OBJECT
public:
    PiramitHucresi(QWidget* sahip, HucreYeri yer);

    const HucreYeri Yer;
    const int Tag; // 100 * row + column
    QLabel* IsaretEtiketi;

    TRenk Renk() const { return renk_; }
    QString Metin() const { return metin_; }
    // What the cell shows; repaints only what changed.
    void Goster(const QString& metin, TRenk renk, const QString& isaret, bool cokBuyuk);
    // The sign label at the top edge (base on top) or at the bottom.
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
    TRenk renk_ = HUCRE_BOS_RENGI;
    bool cokBuyuk_ = false;
    bool yukaridanAsagiya_ = false;
};
