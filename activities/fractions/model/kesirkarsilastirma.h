#pragma once
#include "kesirmodel.h"
#include "renk.h"

#include <QString>
#include <QVector>
#include <algorithm>
#include <array>
#include <optional>

// What a pupil changes in one drawing: the number of parts, the selection
// order of every slice, the view, the exercise and its target, and how the
// slices are painted. The drawing window shows this state and forwards the
// pupil's moves to it.
class KesirCizimi
{
public:
    int PartCount() const { return parca_; }
    // The number of parts, limited to 1 .. 100; the selections go.
    void SetPartCount(int n);

    enum class ParcaOku { Degismedi, Degisti, CokFazla };
    // A press of the parts arrows (+1 or -1): past 100 is refused (the window
    // says why), below 1 nothing happens; a change drops the selections.
    ParcaOku ParcaOkunaBas(int yon);

    quint8 View() const { return gorunum_; }
    // What is drawn for View: a polygon needs 3 corners, so fewer parts draw the circle.
    KesirGorunumu DrawnView() const { return CizilenGorunum(gorunum_, parca_); }
    quint8 Mode() const { return mod_; }
    void SetMode(int m) { mod_ = quint8(m); }
    int TargetNumerator() const { return hedef_.Pay; }
    int TargetDenominator() const { return hedef_.Payda; }

    // The selection order of slice i: 0 unselected, 1 selected first ...
    int Tag(int i) const { return i >= 0 && i < taglar_.size() ? taglar_[i] : 0; }
    const QVector<int>& Tags() const { return taglar_; }
    int SelectionCounter() const { return sayac_; }
    int SelectedCount() const { return SeciliSayisi(taglar_); }
    // Mode 3 shows a fraction to be named: its slices cannot be pressed.
    bool SlicesEnabled() const { return mod_ != MOD_KESIR_ADI; }

    // A new target and view from the environment's random numbers.
    void NewFraction();
    // The slices of view v made anew: without selections, or with the old
    // ones given back slice by slice, the counter going on from them.
    void Rebuild(int v, bool koru);
    // A press on slice i: see SecimDegistir.
    void ToggleSlice(int i);
    // Mode 3: as many parts as the target's denominator, the first
    // TargetNumerator of them selected in order. The slices must be built first.
    void HedefiSec();

    // "Cevap Denetle": nothing in mode 1. In mode 3 the typed texts are read,
    // empty as 0 (DonusumHatasi for anything that is no integer).
    std::optional<CevapYargisi> CevapDenetle(const QString& yazilanPay, const QString& yazilanPayda) const;

    TRenk AllAreaColour() const { return tumAlan_; }
    TRenk SelectedAreaColour() const { return seciliAlan_; }
    Qt::BrushStyle AreaBrushStyle() const { return stil_; }
    bool ShowSliceNumbers() const { return dilimNo_; }
    bool ShowSelectionNumbers() const { return seciliNo_; }
    void SetAllAreaColour(TRenk renk) { tumAlan_ = renk; }
    void SetSelectedAreaColour(TRenk renk) { seciliAlan_ = renk; }
    // The brush style picker's answer: the clear style changes nothing.
    void SetAreaBrushStyle(Qt::BrushStyle stil);
    void SetShowSliceNumbers(bool goster) { dilimNo_ = goster; }
    void SetShowSelectionNumbers(bool goster) { seciliNo_ = goster; }

private:
    int parca_ = 1;
    QVector<int> taglar_; // one per slice once built
    int sayac_ = 0;
    quint8 gorunum_ = GORUNUM_CEMBER;
    quint8 mod_ = MOD_GORSELLESTIRME;
    Kesir hedef_{1, 2};
    TRenk tumAlan_ = 0xFFC4C4;
    TRenk seciliAlan_ = clRed;
    Qt::BrushStyle stil_ = Qt::SolidPattern;
    bool dilimNo_ = false;
    bool seciliNo_ = false;
};

// The comparison activity: up to three drawings side by side, and under each
// a pane with a target fraction and the rank the pupil gives the drawing.
class KesirKarsilastirmaModeli
{
public:
    static constexpr int EN_COK_KESIR = 3;

    int FractionCount() const { return kesirSayisi_; }
    int DrawingMode() const { return mod_; }
    // 1 to 3 fractions. More than one brings back the first exercise; the
    // ranks start again at 1, 2, 3, so that no hidden pane's rank stays on a shown one.
    void SetFractionCount(int c);
    void SetDrawingMode(int m) { mod_ = m; }

    // The drawing in place i (0 to 2); places from FractionCount on are not in use.
    KesirCizimi& Cizim(int i) { return cizimler_[yer(i)]; }
    const KesirCizimi& Cizim(int i) const { return cizimler_[yer(i)]; }
    // The state of a new drawing in place i: the colours and numbers chosen
    // for all drawings, and the first drawing's brush style in place 0.
    KesirCizimi& YeniCizim(int i);

    // The shared colours: of unselected slices, or (secili) of selected ones.
    TRenk AlanRengi(bool secili) const;
    // Every drawing takes the new colour.
    void AlanRengiVer(bool secili, TRenk renk);
    void SetShowSliceNumbers(bool goster);
    void SetShowSelectionNumbers(bool goster);

    // Pane i.
    Kesir Fraction(int i) const { return paneler_[yer(i)].Hedef; }
    void SetFraction(int i, Kesir k) { paneler_[yer(i)].Hedef = k; }
    void NewTarget(int i) { SetFraction(i, YeniHedefKesir()); }
    int Rank(int i) const { return paneler_[yer(i)].Sira; }
    void SetRank(int i, int k) { paneler_[yer(i)].Sira = k; }
    // A pane checks the drawing above it, only while two or more are shown.
    bool PaneBagli(int i) const { return kesirSayisi_ >= 2 && i >= 0 && i < kesirSayisi_; }

    // "Denetle" of pane i: nothing without a drawing or with a 0 in the target.
    std::optional<PaneYargisi> Denetle(int i) const;
    // "Kesri Genişlet" of pane i with the typed answer; a change is kept.
    GenisletmeSonucu KesriGenislet(int i, const QString& cevap);
    // A new numerator for pane i; an empty answer keeps the old one.
    void PayCevabiVer(int i, const QString& cevap);
    enum class PaydaSonucu { Yok, Sifir, Degisti };
    // A new denominator for pane i: empty keeps it, one not above 0 is refused.
    PaydaSonucu PaydaCevabiVer(int i, const QString& cevap);

    // The rank the arrows of pane i ask for (+1 or -1), wrapped into 1 .. FractionCount.
    int IstenenSira(int i, int yon) const { return SiraSar(Rank(i) + yon, kesirSayisi_); }
    // Pane ranks `eski` and `yeni` swap.
    void RankChanged(int eski, int yeni);
    // Whether the ranks of the panes in use go from the largest fraction to the smallest.
    bool CompareRanks() const;

private:
    static size_t yer(int i) { return size_t(std::clamp(i, 0, EN_COK_KESIR - 1)); }

    struct Pane
    {
        Kesir Hedef{0, 0};
        int Sira = 0;
    };
    int kesirSayisi_ = 2;
    int mod_ = MOD_GORSELLESTIRME;
    std::array<KesirCizimi, EN_COK_KESIR> cizimler_;
    std::array<Pane, EN_COK_KESIR> paneler_;
    TRenk tumAlan_ = 0xFFC4C4;
    TRenk seciliAlan_ = clRed;
    bool dilimNo_ = false;
    bool seciliNo_ = false;
};
