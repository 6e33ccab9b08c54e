#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;
class QFrame;

// The credits of the program.
extern const QString HAKKINDA_HAZIRLAYAN;   // "Orvanta Ekibi"
extern const QString HAKKINDA_GRAFIKLER;
extern const QString HAKKINDA_YER_YIL;      // "Ankara, 2026"
extern const QString HAKKINDA_HAKLAR;
extern const QString HAKKINDA_WEB;
extern const QString HAKKINDA_EPOSTA;

// The borderless about window: credits, and a countdown that closes it after
// ten seconds unless "Kapat" or Enter closes it first.
class TSetHakkindaForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSetHakkindaForm(QWidget* sahip = nullptr);

    // One tick of the one-second countdown.
    void Timer1Timer();
    int Kalan() const { return kalan_; }

    QFrame* Panel1;
    QWidget* Image1; // the picture, 353 x 321
    QLabel* ProductName;
    QLabel* Label6;
    QLabel* Version;
    QLabel* Label8;
    QLabel* Label7;
    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* OKButton;
    QLabel* Label9;
    QLabel* Label10;
    QTimer* Timer1;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    int kalan_ = 10;
};

// Shows the about window; a non-empty `baslik` fills the title line and a
// non-empty `ikinciSatir` replaces the graphics credit.
void HakkindaGoster(const QString& baslik, const QString& ikinciSatir);
