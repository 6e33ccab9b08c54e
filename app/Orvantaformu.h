#pragma once
#include "renk.h"

#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QAction;
class QLabel;
class QPushButton;
class QTimer;
class QDialog;

// Board coordinates to the menu window's. The rows, the frames, the title and
// the exit picture have their places on the 1000 x 640 board picture; the
// window shows the board as large as it allows with the aspect kept, centred,
// so a classroom screen gets a large board and a small laptop a smaller one.
// Painting, hit tests and the labels' fonts all go through this one mapping.
class TahtaDonusumu
{
public:
    static constexpr int GENISLIK = 1000;
    static constexpr int YUKSEKLIK = 640;

    // The board unscaled at (0,0).
    TahtaDonusumu() = default;
    // The board fitted into a window of `pencere` logical pixels.
    explicit TahtaDonusumu(QSize pencere);

    qreal Olcek() const { return olcek_; }
    QPointF Pencereye(QPointF tahtada) const { return kayma_ + tahtada * olcek_; }
    // Rounded to the window's pixels.
    QPoint Pencereye(QPoint tahtada) const { return Pencereye(QPointF(tahtada)).toPoint(); }
    // Each edge rounded on its own, so rectangles that touch on the board
    // touch in the window.
    QRect Pencereye(const QRect& tahtada) const;
    // The board point under the window pixel `pencerede` (its centre, rounded down).
    QPoint Tahtaya(QPoint pencerede) const;
    // Where the whole board picture stands in the window.
    QRect Tahta() const { return Pencereye(QRect(0, 0, GENISLIK, YUKSEKLIK)); }

private:
    qreal olcek_ = 1.0;
    QPointF kayma_;
};

// The main menu: a board of fourteen rows in two columns (thirteen activities
// and "Hakkında") and the exit picture. Coordinates of rows, frames, labels
// and pictures are those of the board picture; TahtaDonusumu puts them in the
// window.
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
    // Places the exit picture and its label at the board's lower right.
    void CikisResmiYerlestir();
    // Every label of the menu takes the size of its text.
    void EtiketleriSigdir();
    // Board coordinates to this window's, for its current size.
    const TahtaDonusumu& Donusum() const { return donusum_; }
    // The size the board picture will have once the window fills `ekran`
    // (a screen's available size, in logical pixels).
    static QSize TahtaBoyutu(QSize ekran);

    int SeciliOge() const { return secili_; }
    QLabel* Etiket(int oge) const;
    // The keyboard's and the screen reader's row of item 0 .. 14: a button
    // named by the row's text, over the row's band and drawing nothing (the
    // highlight shows it). The highlighted row has the focus; Tab goes
    // through the rows in their order, Space opens one.
    QAbstractButton* Satir(int oge) const;

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
    // Tab and Shift+Tab go round the rows, the exit after "Hakkında".
    bool focusNextPrevChild(bool sonraki) override;
    void closeEvent(QCloseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    // A label of the menu in `yazi` and `renk`, not yet measured; with a
    // `tag` above zero, one the mouse can open.
    QLabel* EtiketYap(const QString& metin, const QFont& yazi, TRenk renk, int tag);
    void SatirlariYap();
    // Puts `w` on the board at `tahtada` (board coordinates); an empty size
    // moves it only. It keeps the place when the window changes size.
    void TahtayaKoy(QWidget* w, const QRect& tahtada);
    // Moves `w` on the board to `tahtada`, its size on the board kept.
    void TahtadaTasi(QWidget* w, QPoint tahtada);
    // Everything on the board placed again through the current transform.
    void Yerlestir();
    // The label's font at its board size (kept on the label), drawn at the board's scale.
    void YaziOlcekle(QLabel* etiket);
    // The label magnifier, with the size it sets taken as a board size.
    void Buyut(QLabel* etiket, TRenk renk, int boyut);
    void VurguyuGeriAl(int boyut, TRenk renk);

    QLabel* etiketler_[15] = {};
    QAbstractButton* satirlar_[15] = {};
    QPointer<QWidget> bekleyen_;
    TRenk normalRenk_ = 0x310080;
    int secili_ = -1;
    TRenk vurguRenk_ = 0xFF8080;
    int normalBoyut_ = 9;
    int vurguBoyut_ = 10;
    bool boyandi_ = false;
    bool sigdirildi_ = false;
    TahtaDonusumu donusum_;
};
