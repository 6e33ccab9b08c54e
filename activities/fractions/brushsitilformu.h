#pragma once
#include <QDialog>
#include <QVector>

class QPushButton;

// A filled rectangle with a pen and a patterned brush over a plain ground: the
// preview and the samples of the brush style picker.
class FircaOrnegi : public QWidget
{
    Q_OBJECT
public:
    FircaOrnegi(QWidget* sahip, const QColor& firca, const QColor& kalem, Qt::BrushStyle stil);
    QColor Firca;
    QColor Kalem;
    QColor Zemin = Qt::white; // under the pattern
    Qt::BrushStyle Stil;

signals:
    void Basildi();

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    // A sample with the focus: Space or Enter presses it, the arrows go to its neighbours.
    void keyPressEvent(QKeyEvent* olay) override;
};

// "Fırça Boyama Sitili": eight samples of fill patterns; pressing one shows it
// in the preview, "Tamam" keeps it.
class TBrushSitilForm : public QDialog
{
    Q_OBJECT
public:
    // `baslangic` is the style the preview starts with.
    TBrushSitilForm(QWidget* sahip, Qt::BrushStyle baslangic);

    FircaOrnegi* Shape1; // the preview
    QVector<FircaOrnegi*> Ornekler;
    QPushButton* TamamButton;
    QPushButton* IptalButton;

    // Pressing sample `i` (0 to 7).
    void OrnekBasildi(int i);
    Qt::BrushStyle SeciliStil() const { return Shape1->Stil; }
};
