#include "carpandugumu.h"
#include "asal.h"
#include "sesnumaralari.h"

bool CarpanDugumu::IsPrime() const
{
    return ::IsPrime(value_);
}

void CarpanDugumu::Expand()
{
    acildi_ = true;
    if (IsPrime())
        return;
    if (!leftChild_ && !rightChild_) {
        leftChild_ = std::make_unique<CarpanDugumu>(value_);
        rightChild_ = std::make_unique<CarpanDugumu>(1);
        cocuklarGorunur_ = false;
    }
    kutularVar_ = true;
    kutularAcik_ = true;
}

BolmeSonucu CarpanDugumu::EditEntered(int bolen, bool solKutu)
{
    BolmeSonucu sonuc;
    if (!kutularVar_ || bolen <= 1)
        return sonuc;
    if (value_ % bolen != 0) {
        sonuc.Sonuc = BolmeSonucu::Bolmez;
        sonuc.Ses = SES_HATA;
        sonuc.Mesaj = QString::number(bolen) + QStringLiteral(" sayısı ") + QString::number(value_)
                      + QStringLiteral(" sayısını tam olarak bölmez!");
        return sonuc;
    }
    sonuc.Sonuc = BolmeSonucu::Bolundu;
    sonuc.Ses = SES_NOTR;
    // The number typed is the factor on its own side and its cofactor goes to
    // the other side, whatever the other box still holds.
    const int a = solKutu ? bolen : value_ / bolen;
    const int b = solKutu ? value_ / bolen : bolen;
    kutularAcik_ = false;
    SetChildValues(a, b);
    return sonuc;
}

void CarpanDugumu::SetChildValues(int a, int b)
{
    if (!leftChild_ || !rightChild_)
        return;
    leftChild_->SetValue(a);
    rightChild_->SetValue(b);
    cocuklarGorunur_ = a != 1 && b != 1;
    leftChild_->Expand();
    rightChild_->Expand();
}

BolmeSonucu CarpanDugumu::AutoSplit()
{
    if (IsPrime() || !kutularVar_)
        return BolmeSonucu();
    for (int d = 2; qint64(d) * d <= value_; ++d)
        if (value_ % d == 0)
            return EditEntered(d, false);
    return BolmeSonucu();
}

std::vector<BolmeSonucu> CarpanDugumu::SolveAll()
{
    std::vector<BolmeSonucu> sonuclar;
    if (kutularAcik_)
        sonuclar.push_back(AutoSplit());
    for (CarpanDugumu* cocuk : {leftChild_.get(), rightChild_.get()})
        if (cocuk) {
            const std::vector<BolmeSonucu> alt = cocuk->SolveAll();
            sonuclar.insert(sonuclar.end(), alt.begin(), alt.end());
        }
    return sonuclar;
}

int CarpanDugumu::CountUnsplit() const
{
    if (IsPrime())
        return 0;
    if (kutularAcik_)
        return 1;
    return (leftChild_ ? leftChild_->CountUnsplit() : 0) + (rightChild_ ? rightChild_->CountUnsplit() : 0);
}

int CarpanDugumu::CountAvailable(int deger) const
{
    if (IsPrime())
        return value_ == deger && State == 1 ? 1 : 0;
    return (leftChild_ ? leftChild_->CountAvailable(deger) : 0)
           + (rightChild_ ? rightChild_->CountAvailable(deger) : 0);
}

bool CarpanDugumu::TakeAvailable(int deger)
{
    if (IsPrime()) {
        if (value_ == deger && State == 1) {
            SetState(0);
            return true;
        }
        return false;
    }
    if (leftChild_ && leftChild_->TakeAvailable(deger))
        return true;
    return rightChild_ && rightChild_->TakeAvailable(deger);
}

const CarpanDugumu* CarpanDugumu::IlkBekleyen() const
{
    if (kutularAcik_)
        return this;
    for (const CarpanDugumu* cocuk : {leftChild_.get(), rightChild_.get()})
        if (cocuk)
            if (const CarpanDugumu* d = cocuk->IlkBekleyen())
                return d;
    return nullptr;
}

const CarpanDugumu* SonrakiBekleyen(const CarpanDugumu& kok, const CarpanDugumu& bolunen)
{
    const CarpanDugumu* altta = bolunen.IlkBekleyen();
    return altta ? altta : kok.IlkBekleyen();
}
