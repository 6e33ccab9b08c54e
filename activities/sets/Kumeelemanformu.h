#pragma once
#include "etkinlikpenceresi.h"
#include "kumebekleformu.h"
#include "kumealistirmasi.h"
#include "renk.h"

#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class KaydirmaAlani;
class MetinShape;
class QFrame;
class QLabel;
class QTimer;
class TKumeForm;

// "Küme Elemanları": the letters of two words sorted into a Venn diagram.
// The first word's letters (red, Tag 1) form A, the second's (blue, Tag 2) B.
class TKumeElemanForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TKumeElemanForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    // The words, their common letters, the check and the hint.
    KumeAlistirmasi Alistirma;
    const QString& Word1() const { return Alistirma.Word1(); }
    const QString& Word2() const { return Alistirma.Word2(); }
    TKumeForm* Tahta = nullptr;
    KaydirmaAlani* TahtaAlani = nullptr; // the board's frame, which scrolls a board larger than its room
    QPointer<TKumeBekleForm> BekleForm;

    QFrame* Panel1; // Tag 1: the tiles of Word1
    QFrame* Panel2; // Tag 2: the tiles of Word2
    QFrame* Panel3; // never shown
    QLabel* PanelAdi1;
    QLabel* PanelAdi2;
    QAction* ResetAction;
    QAction* YeniProblemAction;
    QAction* DenetleAction;
    QAction* IpucuAction;
    QPushButton* Button6; // Açıklama
    QPushButton* Button4; // Hakkında
    QPushButton* Button1; // Sıfırla
    QPushButton* Button2; // Yeni Problem
    QPushButton* Button3; // Denetle
    QPushButton* Button5; // İpucu
    QTimer* Timer1;

    // The letter tiles of both words, in the order they were made. The tiles
    // belong to their panels; the list does not own them.
    std::vector<QPointer<MetinShape>> HarfKarolari;

    void CreateLetterTiles(QFrame* panel, const QString& kelime, TRenk renk);
    void DisableLetter(const QString& metin);
    // The letters of Word1 that also occur in Word2 (compared exactly), sorted;
    // nullptr when there are none or a word is empty.
    std::unique_ptr<QStringList> CommonLetters() const;
    bool AskWords(QString& ilk, QString& ikinci);

    void ResetActionExecute();
    void YeniProblemActionExecute();
    void DenetleActionExecute();
    void IpucuActionExecute();
    void Timer1Timer();
    // The Tab order in reading order: the tiles of both words, the diagram,
    // its circles' names and the tiles on it, then the commands.
    void SekmeSirasiKur();

protected:
    bool event(QEvent* olay) override;
    void Yerlesim(const QRect& alan) override;

private:
    static int PanelEtiketi(const QFrame* panel);
    void karolariDiz(QFrame* panel);
    // Gives both circles their places on the board at its present size.
    void cemberleriYerlestir();
    void Yanitla(const KumeYaniti& yanit);
};
