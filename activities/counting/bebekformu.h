#pragma once
#include "erisim.h"

#include <QPointer>
#include <QScrollArea>
#include <vector>

class KucukResim;
class QImage;

// The board under the man: one numbered thumbnail for every outfit found, in
// rows from the top left. It scrolls when the rows pass its lower edge.
class TBebekForm : public QScrollArea
{
    Q_OBJECT
public:
    explicit TBebekForm(QWidget* sahip);

    // A thumbnail of the man's picture `adam`, numbered `numara`, after the
    // others; `ad` is what readers hear of it.
    void KucukResimEkle(const QImage& adam, int numara, ErisimAdi ad = {});
    // Removes every thumbnail.
    void Temizle();

    // While one lives, the thumbnails added appear together when it ends (or
    // at GosterBekleyenler): Qt asks the display where the pointer is once
    // for them all rather than once for each. Nothing is painted meanwhile.
    class Toplu
    {
    public:
        explicit Toplu(TBebekForm* pano);
        ~Toplu();
        Toplu(const Toplu&) = delete;
        Toplu& operator=(const Toplu&) = delete;

    private:
        QPointer<TBebekForm> pano_;
    };
    // Shows the thumbnails of a batch now, the last one in sight.
    void GosterBekleyenler();
    int Sayi() const { return int(resimler_.size()); }

    // The surface that scrolls; the thumbnails are its children.
    QWidget* Tuval;
    const std::vector<QPointer<KucukResim>>& KucukResimler() const { return resimler_; }

protected:
    bool viewportEvent(QEvent* olay) override;

private:
    void Yerlestir();
    std::vector<QPointer<KucukResim>> resimler_; // owned by Tuval
    bool toplu_ = false;
};
