#pragma once
#include "giyimmodeli.h"

#include <QPointer>
#include <QScrollArea>
#include <vector>

class GiyimResmi;
class KucukResim;

// The board under the man: one numbered thumbnail for every outfit found, in
// rows from the top left. It scrolls when the rows pass its lower edge.
class TBebekForm : public QScrollArea
{
    Q_OBJECT
public:
    explicit TBebekForm(QWidget* sahip);
    ~TBebekForm() override;

    // The outfits found, in order; each thumbnail points at its record here.
    EsyaRenkler Bulunanlar{10};

    // Records `giyim`, worn in `adam`, with a thumbnail: sound 1256. An outfit
    // already on the board is refused with sound 1258 and, when `mesaj` is
    // set, the message "Bu renklerde giysiler var!". True when added.
    bool GiyimEkle(const GiyimResmi& adam, const EsyaRenk& giyim, bool mesaj);
    // Removes every thumbnail and every outfit.
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
    int Sayi() const { return Bulunanlar.Sayi(); }

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
