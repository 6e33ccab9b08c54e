#include "Mystringstack.h"

MetinYigini::MetinYigini()
{
    ogeler_.reserve(std::size_t(kapasite_));
}

void MetinYigini::Ekle(const QString& metin)
{
    if (Sayi() == kapasite_)
        kapasite_ += 10;
    ogeler_.push_back(metin);
}

std::optional<QString> MetinYigini::Cek()
{
    if (ogeler_.empty())
        return std::nullopt;
    QString son = std::move(ogeler_.back());
    ogeler_.pop_back();
    return son;
}

std::optional<QString> MetinYigini::Ust() const
{
    if (ogeler_.empty())
        return std::nullopt;
    return ogeler_.back();
}

std::optional<QString> MetinYigini::Oge(int i) const
{
    if (i < 0 || i >= Sayi())
        return std::nullopt;
    return ogeler_[std::size_t(i)];
}

void MetinYigini::Temizle()
{
    ogeler_.clear();
}
