#pragma once
#include <QDialog>
#include <QSize>
#include <QString>

class QAction;
class QPushButton;

// What an activity window tells the shell about itself.
struct EtkinlikBilgisi
{
    QString Baslik;         // passed to the help window
    QString YardimKaynagi;  // help document name, e.g. "CarpanAgaci"
    QString HakkindaBaslik; // title of the about window or message box
    bool HakkindaMesajKutusu = false; // a message box instead of the about window
    QString HakkindaIkinciSatir;      // second line of the about window, may be empty
    QSize EnKucuk{600, 600};
};

// The base of every activity window: maximised, with the help command (F1),
// the about command, the close button with its picture, the minimum size, and
// the opening message answered with the help command. Enter and Escape never
// close the window or press a button by themselves: a pupil typing into a box
// must not lose the activity.
class EtkinlikPenceresi : public QDialog
{
    Q_OBJECT
public:
    EtkinlikPenceresi(QWidget* sahip, EtkinlikBilgisi bilgi);

    const EtkinlikBilgisi& Bilgi() const { return bilgi_; }

    QAction* YardimAction;   // "Yardım", F1
    QAction* HakkindaAction; // "Hakkında"
    QPushButton* BitBtn2;    // back to the main menu

    virtual void YardimActionExecute();
    virtual void HakkindaActionExecute();

    // A push button that runs `eylem` and shows `baslik` (the action's text when empty).
    // It is never a default button.
    QPushButton* EylemDugmesi(QAction* eylem, QWidget* ebeveyn, const QString& baslik = QString());

protected:
    bool event(QEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    // Answer to the opening message; runs the help command unless overridden.
    virtual void AcilisMesaji();

private:
    EtkinlikBilgisi bilgi_;
};
