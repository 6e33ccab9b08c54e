#pragma once
#include "renk.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QPushButton;
class QTimer;
class QDialog;

// The main menu: a board of fourteen rows in two columns (thirteen activities
// and "Hakkında") and the exit picture. Coordinates of rows and frames are
// those of the board picture, which stands unscaled at (0,0).
class TMatematikForm : public QWidget
{
    Q_OBJECT
public:
    explicit TMatematikForm(QWidget* sahip = nullptr);
    ~TMatematikForm() override;

    // Row under (x, y) of the board: 1 .. 14, or 0 outside every row.
    static int IsaretTesti(int x, int y);
    // Launch code of a label tag, from the activity table (8 .. 13 give
    // tag - 1, 7 gives 13); the tags of "Hakkında" and "Çıkış" stay.
    static int BaslatmaKodu(int etiket);
    // The label of item 0 .. 14: the activities' from the table, then "Hakkında" and "Çıkış".
    static QString EtiketMetni(int oge);

    void Image1MouseMove(int x, int y);
    void Image1MouseDown();
    void Image2MouseMove();
    void FormMouseMove();
    void EtiketTiklandi(int etiket);
    // Highlights item 0 .. 14.
    void Vurgula(int oge);
    // Runs launch code 1 .. 15 (other codes only hide and show the menu).
    void Calistir(int kod);
    void AciklamaTimerTimer();
    // Places the exit picture and its label for the current width.
    void CikisResmiYerlestir();
    // Every label of the menu takes the size of its text.
    void EtiketleriSigdir();

    int SeciliOge() const { return secili_; }
    QLabel* Etiket(int oge) const;

    QWidget* Image1;
    QWidget* Image2;
    QLabel* Label1; // "Çıkış"
    QLabel* Label2; // "6. Sınıf"
    QWidget* Shape1;
    QWidget* Shape2;
    QWidget* Shape3; // the highlight frame
    QTimer* AciklamaTimer;
    QAction* CikisAction;
    QAction* HakkindaAction;

    // Makes activity windows; tests replace it.
    std::function<QDialog*(int, QWidget*)> EtkinlikYapici;

signals:
    // After the first paint of the menu.
    void IlkBoyandi();
    // The menu was closed: the program ends.
    void Kapandi();

protected:
    bool event(QEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    // A label of the menu in `yazi` and `renk`, not yet measured; with a
    // `tag` above zero, one the mouse can open.
    QLabel* EtiketYap(const QString& metin, const QFont& yazi, TRenk renk, int tag);

    QLabel* etiketler_[15] = {};
    QPointer<QWidget> bekleyen_;
    TRenk normalRenk_ = 0x310080;
    int secili_ = -1;
    TRenk vurguRenk_ = 0xFF8080;
    int normalBoyut_ = 9;
    int vurguBoyut_ = 10;
    bool boyandi_ = false;
};
