#pragma once
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

// What a divisor typed under a node of a factor tree comes to.
struct BolmeSonucu
{
    enum Tur { YokSayildi, Bolmez, Bolundu };
    Tur Sonuc = YokSayildi;
    quint16 Ses = 0; // 1256 after a split, 1258 for a divisor that does not divide
    QString Mesaj;   // "5 sayısı 12 sayısını tam olarak bölmez!" for one that does not
};

// A node of a factor tree as the rules see it; the tree's controls show it.
// A composite node, once expanded, has two placeholder children (its own
// number and 1, both hidden) and waits for a divisor with its two boxes open:
// it is unsplit. A divisor that divides it closes the boxes and gives the
// children the two factors; the children are then expanded and wait in turn.
// A prime node is a leaf: available (State 1) until it is taken (0); a copy
// placed on a panel is -1. The node owns its children.
class CarpanDugumu
{
public:
    explicit CarpanDugumu(int deger) : value_(deger) {}

    int State = 1;

    int Value() const { return value_; }
    void SetValue(int deger) { value_ = deger; }
    bool IsPrime() const;
    void SetState(int durum) { State = durum; }

    CarpanDugumu* LeftChild() const { return leftChild_.get(); }
    CarpanDugumu* RightChild() const { return rightChild_.get(); }
    bool Acildi() const { return acildi_; }           // Expand has run on it
    bool KutularVar() const { return kutularVar_; }   // its divisor boxes were made
    bool KutularAcik() const { return kutularAcik_; } // it waits for its divisor
    // Both children are shown once the node is split into two factors that are not 1.
    bool CocuklarGorunur() const { return cocuklarGorunur_; }

    // A prime node stays a leaf; a composite one gets its placeholder
    // children (once) and opens its boxes.
    void Expand();
    // The divisor `bolen` typed into the left box (`solKutu`) or the right
    // one: 0 and 1 are ignored; one that does not divide the number is
    // refused with sound 1258 and the message; one that does splits the node
    // (sound 1256): it is the factor on its own side, its cofactor goes to the
    // other side, and both children are expanded.
    BolmeSonucu EditEntered(int bolen, bool solKutu);
    // Splits the node by its smallest divisor, as if typed into the right box.
    BolmeSonucu AutoSplit();
    // Splits every unsplit node of the subtree, the children made by a split
    // in the same pass; the result of each split, in order.
    std::vector<BolmeSonucu> SolveAll();
    // Composite nodes of the subtree whose divisor is still awaited.
    int CountUnsplit() const;
    // Prime leaves of the subtree with number `deger` and State 1.
    int CountAvailable(int deger) const;
    // Marks the first such leaf used, the left side searched first.
    bool TakeAvailable(int deger);
    // The first node of the subtree that waits for its divisor, in reading
    // order (a node, then its left subtree, then its right); nullptr when none.
    const CarpanDugumu* IlkBekleyen() const;

private:
    void SetChildValues(int a, int b);

    int value_;
    std::unique_ptr<CarpanDugumu> leftChild_;
    std::unique_ptr<CarpanDugumu> rightChild_;
    bool acildi_ = false;
    bool kutularVar_ = false;
    bool kutularAcik_ = false;
    bool cocuklarGorunur_ = false;
};

// Where the keyboard goes in a tree of root `kok` once `bolunen` has been
// split: the first waiting node below it, else the first waiting node of the
// tree; nullptr when the tree waits for nothing more.
const CarpanDugumu* SonrakiBekleyen(const CarpanDugumu& kok, const CarpanDugumu& bolunen);
