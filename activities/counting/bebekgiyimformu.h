#pragma once
#include "etkinlikpenceresi.h"
#include "giyimmodeli.h"
#include "giyimresmi.h"

#include <QPointer>
#include <vector>

class AracCubugu;
class QLabel;
class QMenu;
class TBebekForm;

// "Saymanın Temel İlkeleri": a row of shirts and a row of trousers in
// different colours, the man, and the board of the outfits found. A double
// click on a garment (or "Giydir" from its menu) dresses the man; every new
// combination goes onto the board until all S x T are found.
class TBebekGiyimForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TBebekGiyimForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    QLabel* Label1;
    AracCubugu* ToolBar1;
    QAction* RastgeleProblemAction; // "Yeni Problem"
    QAction* YeniProblemAction;     // "Problem Gir"
    QAction* CozAction;             // "Tüm Giysileri Göster"
    QMenu* PopupMenu1;              // the garments' menu
    QAction* Giydir1;               // its one item, "Giydir"
    GiyimResmi* Image2;             // shirt template, hidden
    GiyimResmi* Image3;             // trousers template, hidden
    GiyimResmi* Image4;             // the man
    TBebekForm* BebekForm;          // the board

    // Everything the pupil changes: the problem, the garments, what the man
    // wears, the outfits found. The widgets draw it.
    GiyimModeli Model;

    // The garments' pictures, numbered as the model's garments; the window owns them.
    const std::vector<QPointer<GiyimResmi>>& Giysiler() const { return giysiler_; }

    void RastgeleProblemActionExecute();
    void YeniProblemActionExecute();
    // A new problem of `gomlek` shirts and `pantolon` trousers (at most 8 each); nothing when a count is below 1.
    void ProblemKur(int gomlek, int pantolon);
    void Sifirla();
    // Dresses the man in `giysi`: a shirt (Tag 100) or trousers (Tag 200).
    void Giydir(GiyimResmi* giysi);
    void GomlekGiydir(TRenk renk);
    void PantolonGiydir(TRenk renk);
    // Puts the man's outfit on the board when it is new and complete.
    void GiyimKaydet(bool mesaj);
    // Whether every outfit is found; with `mesaj` the congratulation too.
    bool TamamDenetle(bool mesaj);
    void CozActionExecute();
    // Opens the garments' menu for `giysi` at `ekranda`.
    void GiysiMenusuAc(GiyimResmi* giysi, QPoint ekranda);
    void Giydir1Click();
    // The arrow keys on a garment: left and right along its row, up and down to the other row.
    void KomsuyaGec(GiyimResmi* giysi, int tus);

private:
    // Shows the model after a new problem or a reset: the garments, an empty board, the man.
    void ProblemiGoster();
    // Shows what a move came to.
    void Uygula(const GiyimYaniti& yanit);
    // Readers hear the man's outfit and the garments he wears again.
    void ErisimiGuncelle();
    void Yerlesim(const QRect& alan) override;

    std::vector<QPointer<GiyimResmi>> giysiler_;
};
