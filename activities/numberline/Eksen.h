#pragma once
#include "eksengeometrisi.h"
#include "erisim.h"
#include "renk.h"

#include <QWidget>

// A number line drawn on a strip filled with its brush colour. Its width
// follows the number of steps and the step.
class Eksen : public QWidget
{
    Q_OBJECT
public:
    explicit Eksen(QWidget* sahip);

    TRenk Brush = clBtnFace;
    const SayiDogrusuOlcusu& Olcu() const { return olcu_; }
    // Start value, number of unit steps and pixels per step; sets the width again.
    void OlcuAyarla(int baslangic, int adet, int adim);
    // What readers hear of the line; "Sayı doğrusu" unless the owner says more.
    ErisimAdi Ad;
    // The number the keyboard's place stands on (the rabbit's): a scroll area
    // that the focus leaves or enters keeps it, not the line's middle, in sight.
    int OdakDegeri = 0;
    QVariant inputMethodQuery(Qt::InputMethodQuery sorgu) const override;

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    SayiDogrusuOlcusu olcu_;
};
