#pragma once
#include "etkinlikpenceresi.h"
#include "yuzdemodel.h"

#include <QPointer>
#include <array>
#include <optional>

class KaydirmaAlani;
class AracCubugu;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TYuzdelikForm;

// "Yüzde Hesapları": two numbers with hundredths, each typed into a box for
// its whole part and one for its hundredths, shown as cards of a hundred
// cells on a table under the command bar (yellow for the first number, green
// for the second), and compared by stacking their cards.
class TYuzdeForm : public EtkinlikPenceresi
{
    Q_OBJECT
public:
    explicit TYuzdeForm(QWidget* sahip);
    // The activity's row of the menu's table.
    static const EtkinlikSatiri& Satiri();

    AracCubugu* ToolBar1;
    QCheckBox* YatayCheckBox; // "Yatay"
    QCheckBox* CheckBox2;     // "Kısım Göster"
    QCheckBox* CheckBox1;     // "Karşılaştır"
    QPushButton* Button2;     // "Açıklama"
    QPushButton* Button1;     // "Hakkında"
    QPushButton* Button3;     // "Güncelle"
    // The table: the number boxes at its top and the cards, in its own coordinates.
    QWidget* Masa;
    KaydirmaAlani* MasaAlani; // the table's place under the bar
    QLineEdit* Edit3; // whole part of the first number
    QLabel* Label1;   // its decimal comma
    QLineEdit* Edit1; // hundredths of the first number
    QLineEdit* Edit4; // whole part of the second number
    QLabel* Label3;
    QLineEdit* Edit2; // hundredths of the second number

    QAction* IlkSayiAction;    // Enter in the first number's boxes
    QAction* IkinciSayiAction; // Enter in the second number's boxes
    QAction* GuncelleAction;   // both numbers, first then second

    OndalikSayi Sayi(bool ilk) const { return ilk ? ilk_ : ikinci_; }
    // Card `sira` of a number, or nullptr for an empty slot.
    TYuzdelikForm* Kart(bool ilk, int sira) const;
    int KartSayisi(bool ilk) const;
    // The comparison layout for the numbers and the "Karşılaştır" box as they are.
    Karsilastirma Duzen() const;

    // Reads a number from its boxes and rebuilds its cards. A box that holds
    // no integer throws the conversion error before anything changes; hundredths
    // outside 0 .. 99 are refused with a message, and the answer is false.
    bool UpdateNumber(QLineEdit* wholeEdit, QLineEdit* hundredthsEdit, bool isFirst);
    void BuildCards(bool isFirst, int whole, int hundredths);
    void DestroyCards(bool first, bool second);
    void CompareCards();
    void GuncelleActionExecute();
    void YatayCheckBoxClick();
    void CheckBox2Click();

    // Drag rules of the table: a card of this window lands where it is dropped.
    bool MasaDragOver(QObject* kaynak, QPoint p) const;
    void MasaDragDrop(QObject* kaynak, QPoint p);

protected:

private:
    using Yuvalar = std::array<QPointer<TYuzdelikForm>, KART_YUVASI>;
    Yuvalar& yuvalar(bool ilk) { return ilk ? ilkKartlar_ : ikinciKartlar_; }
    const Yuvalar& yuvalar(bool ilk) const { return ilk ? ilkKartlar_ : ikinciKartlar_; }
    // Whose card `nesne` is: the first number's (true), the second's (false), or no card of this window.
    std::optional<bool> kartSahibi(const QObject* nesne) const;
    // Where Tab carries a card: onto every other card, and its own place.
    QList<QPoint> kartYerleri() const;
    // The number boxes stay above every card, so a card dropped on them never hides them.
    void kutulariOneAl();
    void Yerlesim(const QRect& alan) override;

    Yuvalar ilkKartlar_;
    Yuvalar ikinciKartlar_;
    OndalikSayi ilk_{1, 10};
    OndalikSayi ikinci_{2, 15};
    bool izgara_ = true; // new cards show their outlines; follows "Kısım Göster"
};
