#pragma once
#include "duzlemmodeli.h"

#include <QWidget>

class QLabel;

// The sheet of "Tavşanı Yakalayalım": the coordinate plane with the rabbit and
// the stone. It draws the plane at its own size and keeps both pictures on
// their plane points whatever that size is.
class TAnalitikYaprakForm : public QWidget
{
    Q_OBJECT
public:
    explicit TAnalitikYaprakForm(QWidget* sahip);

    QLabel* TavsanImage; // 30 x 30, 5 pixels above its point
    QLabel* Shape1;      // the stone, 15 x 15
    bool SayilarGorunur = true;

    const DuzlemOlcusu& Olcu() const { return olcu_; }
    int YSiniri() const { return olcu_.YSiniri; }
    QPoint DuzlemdenPiksele(QPoint nokta) const { return olcu_.Piksel(nokta.x(), nokta.y()); }
    QPoint Tavsan() const { return oyun_.Tavsan; }
    QPoint Tas() const { return oyun_.Tas; }
    bool Yakalandi() const { return oyun_.Yakalandi(); }

    // Places the sheet at `alan` of its window and takes the plane of that size at once.
    void AlanAyarla(const QRect& alan);
    void TavsanRastgele();
    void TasKoy(QPoint nokta);
    // Giving up: the stone goes onto the rabbit.
    void Goster();
    void SpritelariYerlestir();
    // The point the arrow keys walk over while the sheet has the focus.
    QPoint Imlec() const { return imlec_; }

protected:
    void paintEvent(QPaintEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;
    // Reached by Tab, the sheet lets the arrow keys walk its lattice points
    // (Home: the origin); readers hear each point and what stands there.
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void OlcuyuGuncelle();

    DuzlemOyunu oyun_;
    DuzlemOlcusu olcu_;
    QPoint imlec_{0, 0};
};
