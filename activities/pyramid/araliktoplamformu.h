#pragma once
#include "piramithucresi.h"
#include "piramitmodeli.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QLabel;

// The yellow entry box of the pyramid. Enter is consumed and checks the
// answer; so does a mouse press in the box.
class PiramitGirisKutusu : public QLineEdit
{
    Q_OBJECT
public:
    explicit PiramitGirisKutusu(QWidget* sahip);
    std::function<void()> Denetle;
    // Escape: the keyboard goes back to the cell being answered; the box stays open.
    std::function<void()> Birak;

protected:
    void keyPressEvent(QKeyEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
};

// The pink pyramid board: it makes and lays out the cells, colours the one
// under the pointer and runs the entry of answers.
class TAralikToplamForm : public QWidget
{
    Q_OBJECT
public:
    explicit TAralikToplamForm(QWidget* sahip);

    QLabel* IslemLabel;
    // "Yanlışı Bilgilendir": a wrong answer is told in words, not by the sound alone.
    bool InformWrong = false;

    const SayiPiramidi& Piramit() const { return piramit_; }
    int PyramidSize() const { return piramit_.Boyut(); }
    // The cell at `yer`, nullptr when there is none.
    PiramitHucresi* Hucre(HucreYeri yer) const;
    // The entry box, nullptr until first used.
    PiramitGirisKutusu* Giris() const { return giris_; }
    std::optional<HucreYeri> Hedef() const { return hedef_; }
    PiramitHucresi* Uzerindeki() const { return uzerindeki_; }
    bool TopDown() const { return topDown_; }

    // `n` rows of empty cells, on a random base when `randomBase`.
    void BuildPyramid(int n, bool randomBase);
    // A pyramid on the typed base (empty items leave empty base cells); the
    // base cells show the items as typed.
    void TabanaKur(const QList<std::optional<qint64>>& taban, const QStringList& yazilanlar = QStringList());
    // The orientation asked for; the cells move when it differs from the one shown.
    void SetTopDown(bool yukaridanAsagiya);
    // The filled cells stay; the entry closes and the label shows "?".
    void SetOperation(PiramitIslemi islem);

    // The keyboard back to the entry box, when it is open.
    void GirisiOdakla();
    // The cell that Tab brings the keyboard to: the board's one Tab stop,
    // which the arrow keys and the opening of the entry move.
    PiramitHucresi* OdakHucresi() const { return Hucre(odak_); }

    void OpenEntry(PiramitHucresi* hucre);
    void CheckEntry();
    void GoNext();
    // The pointer over a cell, and over the board's background.
    void HucreUzerinde(PiramitHucresi* hucre);
    void ZeminUzerinde();
    // The part of the board in view, when it scrolls; an empty rect when all of it is.
    void GorunurAlanAyarla(const QRect& alan);

signals:
    // The board asks its window to scroll `w` into view: the base after a
    // rebuild, the entry box when it opens.
    void GorunsunIstendi(QWidget* w);

protected:
    // The keys of the cells: arrows move between them, Space and Enter open
    // the entry as a click does.
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;
    void leaveEvent(QEvent* olay) override;

private:
    void HucreyiGoster(PiramitHucresi* hucre);
    void HepsiniGoster();
    void ShowOperation();
    void GirisiYerlestir();
    void HucreleriSil();
    // When cells marked too large (`isaretlenen` of them) left no empty cell,
    // the pyramid is done as after a last right answer.
    void KendiligindenBittiyse(int isaretlenen);
    void EtiketiYerlestir();
    // Makes the cell at `yer` the board's Tab stop; with `odakla` it takes the keyboard.
    void OdakAyarla(HucreYeri yer, bool odakla);

    SayiPiramidi piramit_;
    std::vector<QPointer<PiramitHucresi>> hucreler_; // row by row from the base; owned as children
    QPointer<PiramitHucresi> uzerindeki_;
    QPointer<PiramitGirisKutusu> giris_;
    std::optional<HucreYeri> hedef_;
    bool topDown_ = false;      // asked for
    bool gosterilenYon_ = false; // shown
    QRect gorunur_;
    HucreYeri odak_{1, 0};
};
