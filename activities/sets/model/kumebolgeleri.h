#pragma once
#include "Noktaciftler.h"
#include "renk.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// An element tile as the region bookkeeping sees it: its top-left corner in
// board pixels and its text.
struct KumeKarosu
{
    QPoint Kose;
    QString Metin;
};

// The geometry and bookkeeping of a Venn diagram of circles on a board: which
// region a point lies in, one seed point per region (and further points of
// regions split into pieces), and the elements lying in a region. Points are
// board pixels. The board window holds one of these and only paints it.
//
// Region numbers: with n circles, circle k adds 2^(n-1-k) when it contains the
// point, so circle 0 is the most significant bit; region 0 lies outside every
// circle. With A and B: 1 is B only, 2 is A only, 3 is both.
class KumeBolgeModeli
{
public:
    // A board has a name label slot for each circle, and no more slots than this.
    static constexpr int EN_COK_CEMBER = 25;
    static constexpr TRenk KENAR_RENGI = clRed;
    static constexpr TRenk VURGU_RENGI = clYellow;

    NoktaCiftler CircleList;    // centre, radius
    NoktaCiftler SeedList;      // index r: a point of region r, highlight flag
    NoktaCiftler ExtraSeedList; // a point of a further piece, its region number
    int EdgeWidth = 3;          // outline pen width, and where the seed scan starts

    int CircleCount() const { return CircleList.Count(); }
    int RegionCount() const { return 1 << CircleCount(); }
    // A point on the outline is inside; a circle with no centre or no radius holds nothing.
    bool InCircle(int k, QPoint p) const;
    int RegionAt(QPoint p) const;
    // A, B, C, D, then F, G ... (E is never a circle's name).
    static QString CircleLetter(int k);

    // Appends a circle; false when the board already holds EN_COK_CEMBER circles.
    bool CemberEkle(QPoint merkez, int yaricap);
    // One SeedList record per region, added as (-1, -1) without highlight.
    void SeedListBoyutla();
    // Finds a seed for every region by painting the board of `boyut` off-screen
    // and labelling its white areas with border fills.
    void ComputeRegions(QSize boyut);
    // Flips the highlight of the region that holds `p`; false when it has no record.
    bool VurguDegistir(QPoint p);

    // The board picture: white with a red frame, the red outlines, and every
    // seeded region filled (yellow when highlighted, else white). For the
    // region search (`hesap`) every seeded region is filled yellow and the
    // outlines stay unsmoothed; for the screen they are drawn smooth at the end.
    QImage TahtaResmi(QSize boyut, qreal oran, bool hesap) const;

    // The texts of the tiles whose top-left corner lies in `bolge`, taken from
    // the last tile to the first, in a sorted list; nullptr when there is none.
    std::unique_ptr<QStringList> ElementsInRegion(const std::vector<KumeKarosu>& karolar, int bolge) const;
    // The texts of the tiles in `bolge`, compared exactly ("K" and "k" both stay).
    QSet<QString> BolgedekiMetinler(const std::vector<KumeKarosu>& karolar, int bolge) const;
    // The elements of several regions joined with "," (the first region's list
    // takes in the later ones); empty when none holds an element.
    QString BolgelerMetni(const std::vector<KumeKarosu>& karolar, const std::vector<int>& bolgeler) const;

    // Where one more tile of size `karo` can be put in `bolge` on a board of
    // `boyut`: the top-left corner of a place whose whole tile, with a margin
    // clear of the outlines, lies in the region and covers none of `dolu`.
    // Rows are tried from the height of the circles' centres outward; on a
    // row, places from a quarter of the region's width there to its right,
    // then from its left end. (-1, -1) when the region has no room left.
    QPoint BosYer(int bolge, QSize karo, const QList<QRect>& dolu, QSize boyut) const;
    // Where a tile whose top-left corner is in `bolge` lies, as a reader says
    // it: "A ile B'nin kesişiminde", "yalnız A kümesinde".
    QString BolgeOkunusu(int bolge) const;
    // The middle of the first stretch of `bolge` on the row nearest the
    // circles' centres, on a board of `boyut`; (-1, -1) when it has none.
    QPoint BolgeOrtasi(int bolge, QSize boyut) const;
    // The region itself: "A ile B'nin kesişimi", "yalnız A", "çemberlerin dışı".
    QString BolgeAdi(int bolge) const;

    // Tiles of the first word (tag 1) go only into A, of the second (tag 2)
    // only into B; any other tag anywhere.
    static bool CanDropInRegion(int tag, int bolge);

private:
    void Dolgular(QImage& resim, bool hesap) const;
};
