#pragma once
#include <QString>
#include <optional>
#include <vector>

// The text stack of the evaluator, also used as its token list. Pop and top
// answer nothing on an empty stack, as does an index outside 0 .. count-1.
// The capacity starts at 10 and grows in steps of 10; the storage underneath
// grows geometrically, so long expressions stay linear.
class MetinYigini
{
public:
    MetinYigini();

    void Ekle(const QString& metin);
    std::optional<QString> Cek();
    std::optional<QString> Ust() const;
    int Sayi() const { return int(ogeler_.size()); }
    std::optional<QString> Oge(int i) const;
    bool Bosmu() const { return ogeler_.empty(); }
    void Temizle();
    int Kapasite() const { return kapasite_; }

private:
    std::vector<QString> ogeler_;
    int kapasite_ = 10;
};
