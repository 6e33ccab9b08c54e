#pragma once
#include "etkinlikpenceresi.h"
#include "terazimodeli.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <array>

class AgirlikShape;
class AracCubugu;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TKefeForm;

// The balance picture (Image1): the stand and the beam, level or tipped to one
// side. The three drawings are made when first shown and kept.
class TeraziResmi : public QWidget
{
    Q_OBJECT
public:
    explicit TeraziResmi(QWidget* sahip);
    void Goster(TeraziDurumu durum);
    TeraziDurumu Durum() const { return durum_; }

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    TeraziDurumu durum_ = TeraziDurumu::Dengede;
    std::array<QImage, 3> resimler_;
};

// "Denklem Çözelim": two pans on a balance, a palette of 1, 3 and 5 kilogram
// weights, and one unknown X whose value the pupil finds once the balance is
// equalised.
class TTeraziForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TTeraziForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    // The state of the balance shared by the window and its two pans.
    TeraziModeli Model;

    AracCubugu* ToolBar1 = nullptr;
    QAction* ResetAction = nullptr;            // "Yeni Problem"
    QAction* BilinmeyenEkleAction = nullptr;   // "Bilinmeyen Ekle": the unknown on the left pan
    QAction* BilinmeyenEsitleAction = nullptr; // "Bilinmeyen Eşitle"
    QAction* CevapAction = nullptr;            // Enter in the answer box
    QPushButton* Button8 = nullptr;            // "Bilinmeyen Ekle"
    QPushButton* Button5 = nullptr;            // "Bilinmeyen Eşitle", hidden once equalised
    QCheckBox* CheckBox1 = nullptr;            // "Parçalama Modu"
    TeraziResmi* Image1 = nullptr;
    QFrame* Panel1 = nullptr; // the palette
    QFrame* Panel2 = nullptr; // "X=" and the answer box
    QLabel* Label1 = nullptr; // "X="
    QLineEdit* Edit1 = nullptr;
    TKefeForm* LeftPan = nullptr;
    TKefeForm* RightPan = nullptr;
    QTimer* Timer1 = nullptr; // deletes the weights that left the balance
    QTimer* Timer2 = nullptr; // deletes the weights dropped back on the palette

    // The palette weight of `kg` kilograms.
    AgirlikShape* PaletAgirligi(int kg) const;
    TKefeForm* Kefe(int taraf) const;
    // The unknown lying on one of the pans, or none. A move to the other pan
    // puts a copy there; a new problem destroys it.
    AgirlikShape* UnknownShape() const;

    // Judges the two sides and shows the scale level or tipped, the pans on its arms.
    void UpdateBalance();
    void ShowBalanced();
    void ShowLeftHeavy();
    void ShowRightHeavy();

    // A weight that left the balance: hidden now, deleted by Timer1 once no drag runs on it.
    void ScheduleDelete(QWidget* agirlik);
    void Timer1Timer();
    void Timer2Timer();
    int BekleyenSilmeler() const { return int(silinecekler_.size() + geriDonenler_.size()); }

    // Drag rules of the window's surface, and of the palette and the balance picture.
    bool FormDragOver(QObject* kaynak, QPoint p) const;
    void FormDragDrop(QObject* kaynak, QPoint p);
    bool PaletDragOver(QObject* kaynak, QPoint p) const;
    void PaletDragDrop(QObject* kaynak, QPoint p);

    void BolmeKipiAyarla(bool acik);
    void EqualiseUnknown();
    // Enter in the answer box; a text that is no integer gives the conversion error.
    void CheckAnswer();
    void ResetActionExecute();

protected:
    bool event(QEvent* olay) override;

private:
    void PanelleriKur();
    void Yerlesim(const QRect& alan) override;
    void KomutlariGuncelle();
    void KefeyeYerlestir(TeraziDurumu durum);
    // The drop of `kaynak` on `hedef` as the model judges it, applied.
    void Birak(QObject* kaynak, BirakmaHedefi hedef, QPoint p = QPoint());

    std::array<AgirlikShape*, 3> palet_{};
    QList<QPointer<QWidget>> silinecekler_; // Timer1's
    QList<QPointer<QWidget>> geriDonenler_; // Timer2's
};
