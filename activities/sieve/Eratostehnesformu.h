#pragma once
#include "eratosthenesmodel.h"
#include "etkinlikpenceresi.h"

#include <QPointer>
#include <vector>

class QFrame;
class QKeyEvent;
class AracCubugu;
class KaydirmaAlani;
class QMenuBar;
class QPushButton;
class SayiShape;

// The sieve of Eratosthenes: a board of tokens from 2 up to a maximum;
// pressing a number strikes all of its multiples.
class TErasthethenesForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TErasthethenesForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();
    ~TErasthethenesForm() override;

    QAction* KurAction;         // "Problem Gir"
    QAction* ResetAction;       // "Sıfırla", its button is not shown
    QAction* GosterHepsiAction; // "Asal Olmayanları Göster" / "Asal Olmayanları Sakla"
    QMenuBar* MainMenu1;
    AracCubugu* ToolBar1;
    QPushButton* BitBtn3;
    // The board under the bars: it holds the tokens and scrolls when a struck
    // board, which keeps its layout, no longer fits the window.
    QWidget* Tahta;
    KaydirmaAlani* TahtaAlani;

    // The tokens, one entry per board position; the window owns them.
    int JetonSayisi() const { return int(jetonlar_.size()); }
    const std::vector<QPointer<SayiShape>>& Jetonlar() const { return jetonlar_; }
    SayiShape* Jeton(int sayi) const;
    TahtaOlcusu Olcu() const { return olcu_; }

    void TahtaKur(int enBuyuk);
    void KurActionExecute();
    void GosterHepsiActionExecute();
    void ResetActionExecute();
    // A press of the token with number `n`.
    void JetonBasildi(int n);
    // The token that Tab brings the keyboard to: the one last moved to on
    // this board, the first at the start.
    SayiShape* OdakJetonu() const;

protected:
    bool event(QEvent* olay) override;
    // The keys of the tokens: arrows, Home and End move between them, Space
    // and Enter press the token as a click does.
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void Yerlesim(const QRect& alan) override;
    void paintEvent(QPaintEvent* olay) override;

private:
    void TahtaSil();
    void JetonlariYerlestir(TahtaOlcusu yeni);
    void GosterHepsiBasligi();
    bool JetonTusu(SayiShape* jeton, const QKeyEvent* tus);
    void JetonaGec(int indeks);

    std::vector<QPointer<SayiShape>> jetonlar_;
    // The marks of the board; the tokens show them.
    EleyiciIsaretleri isaretler_;
    TahtaOlcusu olcu_;
    int enBuyuk_ = SIEVE_ACILIS;
    bool dokunuldu_ = false; // a token was pressed on this board
    bool kuruluyor_ = false; // the board is being rebuilt
    // The board's one Tab stop; arrows hand it on, so that Tab leaves the
    // board in one step however many tokens it holds.
    int odak_ = 0;
};
