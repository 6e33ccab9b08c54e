#pragma once
#include "boncuk.h"
#include "boncukmodel.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QLabel;

// The chip box: a purple surface, embedded in the counting-chips window, on
// which chips and pairs stand on a grid of 30-pixel cells, with the total of
// every chip added at its top left. It owns its chips and pairs; the rules
// are its model's.
class TBoncukKutuForm : public QWidget
{
    Q_OBJECT
public:
    explicit TBoncukKutuForm(QWidget* sahip);
    ~TBoncukKutuForm() override;

    QLabel* Label1; // the total

    int Toplam() const { return model_.Toplam(); }
    const BoncukKutusuModeli& Model() const { return model_; }
    // Every chip added since the box was last cleared, and every pair; neither list owns them.
    const Boncuklar& Pullar() const { return pullar_; }
    const Boncuklar& Ciftler() const { return ciftler_; }
    // The chip or pair with model number `no`, or nullptr.
    Boncuk* Gorunum(int no) const;

    // Gives the box the size `alan`, or more where its chips reach further; the
    // free cells follow its new size at once, shown or not.
    void Yerles(QSize alan);
    // Adds |miktar| chips, +1 for a positive amount and -1 for a negative one.
    void PulEkle(int miktar);
    // Adds one chip worth `deger` on a free cell.
    Boncuk* BoncukEkle(int deger);
    // The newest chip or pair at `p`, hidden chips included.
    Boncuk* NoktadakiBoncuk(QPoint p) const;
    // `kaynak` dropped onto the chip `hedef`: a pair, or a refusal with its sound and message.
    void Eslestir(Boncuk* hedef, QObject* kaynak);
    // Drag rules of the box itself: a chip or pair of this box moves to a free cell.
    bool FormDragOver(QObject* kaynak, QPoint p) const;
    void FormDragDrop(QObject* kaynak, QPoint p);
    // Destroys every chip and pair and sets the total to 0.
    void Temizle();
    void ToplamGoster();
    // The chips worth `deger` and the colour table take `renk`; the total keeps
    // its colour until it next changes.
    void Renklendir(int deger, TRenk renk);

    // The box whose pairs the display mode reaches: the one made last, while it lives.
    static TBoncukKutuForm* Etkin();

protected:
    void resizeEvent(QResizeEvent* olay) override;

private:
    Boncuk* kendiBoncugu(QObject* nesne) const;
    // Readers hear a chip or pair by its model entry.
    void erisimKur(Boncuk* b);
    // Of the chips stacked exactly on `alan`, shows the newest and hides the
    // ones it covers, which a full box would otherwise paint for nothing.
    void ustUsteGoster(const QRect& alan);

    BoncukKutusuModeli model_;
    std::vector<QPointer<Boncuk>> gorunumler_; // by model number
    Boncuklar pullar_;
    Boncuklar ciftler_;
};

// The display mode of the pairs, for the whole program: hides or shows every
// pair of the open box. Without an open box only the mode changes.
void CiftGosterimiAyarla(bool goster);
