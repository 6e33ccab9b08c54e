#pragma once
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <future>

// A picture of the program's own art (SVG or PNG from the resources), drawn
// at its natural size in logical pixels, sharp at any device pixel ratio.
class ResimKutusu : public QWidget
{
    Q_OBJECT
public:
    ResimKutusu(const QString& yol, QWidget* sahip);
    // The picture drawn to `boyut` (its natural size when empty).
    static QPixmap Resim(const QString& yol, QSize boyut = QSize(), qreal oran = 1.0);
    // An SVG drawn into an image; safe on any thread.
    static QImage SvgCiz(const QString& yol, QSize boyut, qreal oran);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    QString yol_;
    QPixmap resim_;
    // A large SVG is drawn on a second thread while the window builds the rest
    // of itself; the first paint takes the result.
    std::future<QImage> cizim_;
};
