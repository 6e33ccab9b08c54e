#pragma once
#include "duzlemmodeli.h"
#include "etkinlikpenceresi.h"

class AracCubugu;
class KoordinatKutusu;
class QCheckBox;
class QLabel;
class QTimer;
class TAnalitikYaprakForm;

// "Tavşanı Yakalayalım": the pupil types the rabbit's coordinates and throws
// the stone there; in quick-escape mode the rabbit jumps when a countdown
// runs out.
class TAnalitikDuzlemForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TAnalitikDuzlemForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    QWidget* Ust; // the coordinate boxes and their commands, under the command bar
    AracCubugu* ToolBar1;
    QLabel* Label1; // "X:"
    KoordinatKutusu* Edit1;
    QLabel* Label2; // "Y:"
    KoordinatKutusu* Edit2;
    QPushButton* Button1; // "Git"
    QPushButton* Button3; // "Pes Et"
    QCheckBox* CheckBox1; // "Hızlı Kaç"
    QPushButton* Button2; // "Zaman Ayarla"
    QLabel* Label4;       // "Kalan Süre:"
    QLabel* Label5;       // the remaining seconds
    QPushButton* Button5; // "Açıklama"
    QPushButton* Button4; // "Hakkında"
    TAnalitikYaprakForm* Yaprak;

    QAction* GitAction;
    QAction* PesAction;
    QAction* ZamanAyarlaAction;
    QAction* TavsanSaklaAction; // F9, before the first turn only

    QTimer* Timer1;     // 100 ms after opening: the first turn
    QTimer* KalanTimer; // every second in quick-escape mode

    TurDurumu Durum() const { return durum_; }
    const KacmaSayaci& Sayac() const { return sayac_; }

    void GitActionExecute();
    void PesActionExecute();
    void ZamanAyarlaActionExecute();
    void TavsanSaklaActionExecute();
    void Timer1Timer();
    void KalanTimerTimer();
    void YeniTur();
    void TurDurumuAyarla(TurDurumu durum);
    void HizliKacUygula();

protected:
    void showEvent(QShowEvent* olay) override;
    void hideEvent(QHideEvent* olay) override;

private:
    void Yerlesim(const QRect& alan) override;
    // In play: the rabbit hides again and the X box takes the focus.
    void TavsanKacar();

    TurDurumu durum_ = TurDurumu::IlkTurOncesi;
    KacmaSayaci sayac_;
    bool ilkGosterim_ = true;
};
