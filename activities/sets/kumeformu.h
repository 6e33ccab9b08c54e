#pragma once
#include "kumebolgeleri.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include <QLabel>
class MetinShape;

// Sent by the board to the window of the tile's panel whenever an element is
// placed: WParam = address of the placed text (QString), LParam = address of
// the tile's Tag (int, 1 or 2).
constexpr int KUME_ELEMAN_BIRAKILDI = 3485;

// A label that wraps a long list anywhere, since element lists have no spaces.
class KumeEtiketi : public QWidget
{
    Q_OBJECT
public:
    KumeEtiketi(QWidget* ebeveyn, const QString& metin);
    QString text() const { return metin_; }
    void setText(const QString& metin);
    void Renk(TRenk renk);
    // Width kept, height made to fit the text.
    void GenisligeSigdir(int genislik);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;

private:
    int yukseklik(int genislik) const;
    QString metin_;
    TRenk renk_ = clBlack;
};

// The name of a circle over its outline; a click, or Space or Enter with
// the focus on it, renames the circle.
class CemberAdi : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// The Venn diagram board: circles on white, their name labels, the element
// tiles dropped on it, and six labels listing A, B, A\B, B\A, AnB and AUB.
class TKumeForm : public QWidget
{
    Q_OBJECT
public:
    explicit TKumeForm(QWidget* sahip);

    KumeBolgeModeli Model;
    std::array<QLabel*, KumeBolgeModeli::EN_COK_CEMBER> NameLabels{};
    KumeEtiketi* Label1; // stays "-"
    KumeEtiketi* Label6; // A
    KumeEtiketi* Label7; // B
    KumeEtiketi* Label2; // A\B
    KumeEtiketi* Label3; // B\A
    KumeEtiketi* Label4; // AnB
    KumeEtiketi* Label5; // AUB

    int CircleCount() const { return Model.CircleCount(); }
    int RegionCount() const { return Model.RegionCount(); }
    int RegionAt(QPoint p) const { return Model.RegionAt(p); }
    static QString CircleLetter(int k) { return KumeBolgeModeli::CircleLetter(k); }

    // labelPlace 1 puts the name at the circle's upper left, 2 at its upper
    // right, anything else at the centre. With `yeniden` the regions are
    // computed at once.
    bool AddCircle(int labelPlace, QPoint merkez, int yaricap, bool yeniden);
    // Gives circle k a new place and size; its name label follows.
    void CemberTasi(int k, int labelPlace, QPoint merkez, int yaricap);
    // Sizes the seed list to the regions and finds one seed per region.
    void ComputeRegions();
    bool BolgelerHesaplandi() const { return hesaplandi_; }
    std::unique_ptr<QStringList> ElementsInRegion(int bolge) const;
    QSet<QString> BolgedekiMetinler(int bolge) const;
    static bool CanDropInRegion(int tag, int bolge) { return KumeBolgeModeli::CanDropInRegion(tag, bolge); }
    void UpdateRegionLabels();
    void RenameCircle(int k);
    void ResetBoard();
    // The tiles on the board, in the order they were made: raising a tile
    // on the screen does not change which spelling of a letter a list shows.
    QList<MetinShape*> Karolar() const;

    // The drop rules; the drag helper calls them, and so do tests.
    bool KumeDragOver(QObject* kaynak, QPoint p);
    void KumeDragDrop(QObject* kaynak, QPoint p);
    // A press on the board itself: flips the highlight of the region there.
    void BolgeTiklandi(QPoint p);
    // The places a tile carried by keys visits by Tab: a free place in each
    // region inside the circles (the drop rules judge them, as they judge a
    // drop of the mouse).
    QList<QPoint> KlavyeYerleri() const;
    // A tile on the board as a reader says it: "a, A ile B'nin kesişiminde".
    QString KaroOkunusu(const MetinShape* karo) const;
    // The region that Space or Enter highlights when the board has the
    // focus; the arrow keys go through the regions left to right.
    int SecilenBolge() const { return secilenBolge_; }

protected:
    void paintEvent(QPaintEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void focusInEvent(QFocusEvent* olay) override;
    void focusOutEvent(QFocusEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void etiketleriYerlestir();
    // A point of region `bolge` found by the region search, or (-1, -1).
    QPoint bolgeNoktasi(int bolge) const;
    // Where a tile carried by keys would land on the board, or (-1, -1).
    QPoint tasinanNokta() const;
    // The region chosen for the highlight, and whether it is painted, as the description.
    void secimiBildir();
    int secilenBolge_ = 2;
    std::vector<KumeKarosu> karoYerleri() const;
    // A list label as a reader says it: "A fark B: a, k", "A kümesi: boş".
    QString listeOkunusu(const QString& baslik, const std::vector<int>& bolgeler) const;
    void resmiBoz() { resim_ = QImage(); }
    QImage resim_; // the painted board at the current size and pixel ratio
    bool hesaplandi_ = false;
    // The tiles made on the board, oldest first; the board owns them.
    std::vector<QPointer<MetinShape>> karolar_;
};
