#pragma once
#include "etkinlikpenceresi.h"
#include "kesirkarsilastirma.h"
#include "renk.h"

#include <QFrame>
#include <QPointer>
#include <array>
#include <utility>
#include <vector>

class AracCubugu;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class TKesirGorsellestirmeForm;
class TKesirGosterForm;

// A panel that is pressed like a button: a caption on a fill colour.
class TiklanirPanel : public QFrame
{
    Q_OBJECT
public:
    TiklanirPanel(const QString& baslik, TRenk renk, QWidget* sahip);
    TRenk Renk;
    void RenkAyarla(TRenk renk);
    QSize sizeHint() const override;

signals:
    void Tiklandi();

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;
    // With the focus, Space or Enter presses the panel.
    void keyPressEvent(QKeyEvent* olay) override;

private:
    QString baslik_;
};

// "Kesir Karşılaştır": one, two or three fractions drawn side by side. With
// one, the pupil picks an exercise of the drawing; with more, a pane under
// each drawing holds a target fraction and a rank, and the ranks are checked
// from the largest fraction to the smallest.
class TAnaKesirForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TAnaKesirForm(QWidget* sahip);
    ~TAnaKesirForm() override;
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    // What the pupil changes: the drawings, the panes, their number and the exercise.
    const KesirKarsilastirmaModeli& Model() const { return model_; }
    int FractionCount() const { return model_.FractionCount(); }
    int DrawingMode() const { return model_.DrawingMode(); }
    // The drawings in use (children of this window), and the same again as the
    // ranking list; guarded, so that no slot outlives its drawing.
    std::array<QPointer<TKesirGorsellestirmeForm>, 3> Drawings;
    std::array<QPointer<TKesirGorsellestirmeForm>, 3> Ranking;
    std::array<TKesirGosterForm*, 3> Panes{};

    AracCubugu* ToolBar1;
    QFrame* AyarSeridi; // the groups under the command bar
    QGroupBox* GorunumGroup;
    QRadioButton* RadioButton1; // "Çember"
    QRadioButton* RadioButton2; // "Çokgen"
    QRadioButton* RadioButton3; // "Dikey"
    QRadioButton* RadioButton4; // "Yatay"
    QGroupBox* SecimGroup;
    QCheckBox* CheckBox1; // "Seçilmiş  No"
    QCheckBox* CheckBox2; // "Dilim No "
    TiklanirPanel* Panel1; // "Boyama Sitili"
    QGroupBox* RenkGroup;
    TiklanirPanel* Panel2; // "Tüm Alan"
    TiklanirPanel* Panel3; // "Seçili Alan"
    QGroupBox* KesirSayisiGroup;
    QRadioButton* RadioButton10; // "1 Kesir"
    QRadioButton* RadioButton8;  // "2 Kesir"
    QRadioButton* RadioButton9;  // "3 Kesir"
    QGroupBox* IslemTipiGroup;
    QRadioButton* RadioButton11; // "Kesir Görselleştirme"
    QRadioButton* RadioButton12; // "Kesir Ad Bulma"
    QRadioButton* RadioButton13; // "Kesir Ad Sorma"
    QLabel* Label1;
    QPushButton* Button1; // "Kesir Karşılaştır"

    QAction* YeniProblemAction;
    QAction* KesirKarsilastirmaAction;
    QAction* YeniKesirAction; // F2: a new fraction for the drawing in use

    void SetFractionCount(int c);
    void BuildDrawings();
    void NewProblem();
    void CompareRanks();
    // The view radio button `gorunum` was checked: every drawing switches to it.
    void ViewChosen(int gorunum);
    void SetDrawingMode(int mod);
    // "Tüm Alan" (the colour of unselected slices) or "Seçili Alan" pressed.
    void AlanRengiClick(bool seciliAlan);
    void BoyamaSitiliClick();
    void YeniKesirActionExecute();
    QRadioButton* ViewButton(int gorunum) const;
    // Tab goes through the settings, then each drawing and its pane, then the comparison button.
    void SekmeSirasiKur();

protected:
    bool event(QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;

private:
    void AyarSeridiniKur();
    QGroupBox* Grup(const QString& baslik);
    // Adds a control to a group of the settings strip.
    template <class Oge_>
    Oge_* Oge(QGroupBox* grup, Oge_* oge);
    // The controls of every group in one row, or two to a row.
    void GruplariDiz(bool tekSira);
    void Yerlesim(const QRect& alan) override;
    // Places the shown groups left to right, wrapping; returns the strip's height.
    int GruplariAkit();
    void CizimleriYerlestir();
    int CizimGenisligi() const;
    int EtiketGenisligi() const;
    int EtiketYuksekligi() const;

    // Outlives the drawings and the panes, which the destructor removes first.
    KesirKarsilastirmaModeli model_;
    int cizimUstu_ = 90;
    std::vector<std::pair<QGroupBox*, QList<QWidget*>>> gruplar_;
};
