#pragma once
#include "Mysayidegiskenler.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <optional>

// The cell texts of the expression grid as the resolver reads them. Column 0
// holds the row numbers and row 0 the column letters; their cells, like cells
// outside the grid, read as empty.
class HucreKaynagi
{
public:
    virtual ~HucreKaynagi() = default;
    virtual int SutunSayisi() const = 0;
    virtual int SatirSayisi() const = 0;
    virtual QString HucreMetni(int sutun, int satir) const = 0;
};

// Cell texts kept in memory: for the model without a window.
class BellekTablosu : public HucreKaynagi
{
public:
    BellekTablosu(int sutun = 5, int satir = 10);
    int SutunSayisi() const override { return sutun_; }
    int SatirSayisi() const override { return satir_; }
    QString HucreMetni(int sutun, int satir) const override;
    void HucreYaz(int sutun, int satir, const QString& metin);
    // By name: HucreYaz("B2", "A1*3").
    void HucreYaz(const QString& ad, const QString& metin);

private:
    int sutun_, satir_;
    QVector<QString> hucreler_;
};

// A name read as a cell reference: capitals A-Z, then digits, nothing after.
struct HucreAdresi
{
    int Sutun; // grid column: letters index + 1
    int Satir; // -1 when the row number does not fit an integer (no such cell)
};
std::optional<HucreAdresi> HucreAdiCoz(const QString& ad);

// The resolver of the algebra window: a cell reference (A1, B2 ...) is the
// value of the expression in that cell, evaluated with the same evaluator;
// any other name is a numeric variable. The cell source is not owned.
//
// Memory of values: between BellekAc and BellekKapat (one paint of the grid,
// one commit) the answer for a reference is remembered when its evaluation
// began and ended with no cycle found. Such an evaluation takes the same steps
// whatever names are under evaluation around it (a name it met in that list
// would have been a cycle), so the remembered answer is exactly what the
// recursive evaluation gives, and a sheet whose cells each refer twice to the
// one before costs one evaluation per cell instead of 2^n. Once a cycle is
// found every further reference of that evaluation is worth 0 anyway, so it
// is answered without evaluating.
class Spreadsheetdegiskenler : public Mysayidegiskenler
{
public:
    explicit Spreadsheetdegiskenler(const HucreKaynagi* hucreler);

    bool Bilinen(const QString& ad) const override;
    double Deger(const QString& ad, Hesapla* hesap) override;
    bool Sil(const QString& ad) override;
    bool VarolaniAyarla(const QString& ad, double deger) override;
    void Temizle() override;
    bool Ayarla(const QString& ad, double deger) override;

    const HucreKaynagi* Hucreler() const { return hucreler_; }

    // Opening and closing pairs nest; the memory is forgotten when the outermost pair closes,
    // and whenever a variable changes.
    void BellekAc();
    void BellekKapat();
    // How many referenced cells were evaluated (not answered from memory) so far.
    long long HucreDegerlendirmeSayisi() const { return degerlendirme_; }

private:
    const HucreKaynagi* hucreler_;
    int bellekDerinligi_ = 0;
    QHash<QString, double> bellek_;
    long long degerlendirme_ = 0;
};

// Keeps the value memory of a resolver open for its lifetime.
class BellekOturumu
{
public:
    explicit BellekOturumu(Spreadsheetdegiskenler* cozucu) : cozucu_(cozucu)
    {
        if (cozucu_)
            cozucu_->BellekAc();
    }
    ~BellekOturumu()
    {
        if (cozucu_)
            cozucu_->BellekKapat();
    }
    BellekOturumu(const BellekOturumu&) = delete;
    BellekOturumu& operator=(const BellekOturumu&) = delete;

private:
    Spreadsheetdegiskenler* cozucu_;
};
