#pragma once
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <future>
#include <memory>

class QSvgRenderer;

// A picture of the program's own art (SVG or PNG from the resources), drawn
// at its natural size in logical pixels, or at a size it is given, sharp at
// any device pixel ratio.
class ResimKutusu : public QWidget
{
    Q_OBJECT
public:
    // Drawn at `boyut` logical pixels, its natural size when empty.
    ResimKutusu(const QString& yol, QWidget* sahip, QSize boyut = QSize());
    ~ResimKutusu() override;
    // The picture drawn anew at `boyut` logical pixels.
    void Boyutla(QSize boyut);
    // The picture drawn to `boyut` (its natural size when empty).
    static QPixmap Resim(const QString& yol, QSize boyut = QSize(), qreal oran = 1.0);
    // An SVG drawn into an image; safe on any thread. Where the build drew
    // the picture already at this size (see OncedenCizilmis), its pixels.
    static QImage SvgCiz(const QString& yol, QSize boyut, qreal oran);
    // The pixels of `yol` drawn at build time at `boyut` and a pixel ratio of
    // one, packed beside the picture as `yol` + ".piksel"; a null image where
    // there are none for that size. Unpacking them costs a fraction of
    // drawing the SVG, and the board is the one picture the menu waits for.
    static QImage OncedenCizilmis(const QString& yol, QSize boyut);
    QSize sizeHint() const override;
    const QString& Yol() const { return yol_; }

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    QString yol_;
    QPixmap resim_;
    // A large SVG is drawn (or its pixels from the build unpacked) on a pool
    // thread while the window builds the rest of itself; the first paint
    // takes the result when it has the box's size and pixel ratio. The image
    // is not kept: later paints (and a first paint that the drawing does not
    // fit) draw the part they need straight from the SVG, so a board the size
    // of the screen does not hold its pixels twice (here and in the window's
    // backing store) and is never a bitmap scaled up.
    std::future<QImage> cizim_;
    QSize cizimBoyutu_;
    qreal cizimOrani_ = 1.0;
    bool buyukSvg_ = false;
    std::unique_ptr<QSvgRenderer> svg_;
};
