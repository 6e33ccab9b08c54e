#pragma once
#include "erisim.h"
#include "giyimmodeli.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture of the dressing activity that surface fills paint on: the man or
// a garment. It keeps the fillable picture (opaque, on white) and the drawing
// it came from, and shows the filled picture over the window's background,
// stretched to the widget's size.
class GiyimResmi : public QWidget
{
    Q_OBJECT
public:
    // `cizim` is the drawing at the picture's own size, over a transparent background.
    GiyimResmi(QWidget* sahip, const QImage& cizim);
    // A new picture with a copy of `sablon`'s picture, at the template's size.
    GiyimResmi(QWidget* sahip, const GiyimResmi& sablon);

    // One of the program's SVG pictures drawn at `olcu` for a screen of pixel ratio `oran`.
    static QImage Cizim(const QString& yol, QSize olcu, qreal oran);

    // A garment's number in the activity's model, -1 for the man and the templates.
    int GiysiNo = -1;
    int Tag = 0; // the garment's Tag as the model gives it (100 a shirt, 200 trousers); 0 otherwise

    const QImage& Resim() const { return resim_; }
    QSize Olcu() const { return resim_.deviceIndependentSize().toSize(); }
    // Surface fills of `renk` at `noktalar`, then a repaint.
    void Doldur(const std::vector<QPoint>& noktalar, TRenk renk);
    TRenk Renk(QPoint nokta) const { return RenkOrnegi(resim_, nokta); }
    // The picture as it is shown: transparent around the figure.
    QImage Gorunum() const;

signals:
    void CiftTiklandi(GiyimResmi* resim);
    void MenuIstendi(GiyimResmi* resim, QPoint ekranda);
    // An arrow key on a focused garment: the window moves the focus to the neighbour.
    void OkBasildi(GiyimResmi* resim, int tus);

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
    void contextMenuEvent(QContextMenuEvent* olay) override;
    // A garment with the focus: Enter or Space dresses the man as a double
    // click does; the arrows go to its neighbours.
    void keyPressEvent(QKeyEvent* olay) override;

private:
    QImage resim_; // RGB32, the fills work here
    QImage cizim_; // the drawing; its coverage says where the background shows
    mutable QImage gorunum_;
};

// A numbered thumbnail of the dressed man on the white board, 130 pixels square.
class KucukResim : public QWidget
{
    Q_OBJECT
public:
    // `adam`: the man's picture on white; `numara`: the outfit's place among
    // those found, from 1; `ad`: what readers hear of it.
    KucukResim(QWidget* sahip, const QImage& adam, int numara, ErisimAdi ad = {});

    const int Numara;

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    QImage resim_;
};
