#pragma once
#include <QDialog>
#include <QString>
#include <stdexcept>

class QStatusBar;
class QTextEdit;

// A help document that could not be loaded (no such document, or no private
// temporary directory to copy it into).
class KaynakHatasi : public std::runtime_error
{
public:
    explicit KaynakHatasi(const QString& mesaj);
    QString Mesaj() const { return mesaj_; }

private:
    QString mesaj_;
};

// The help window: a formatted document that Enter, Escape or Space closes.
class TYardimGosterForm : public QDialog
{
    Q_OBJECT
public:
    explicit TYardimGosterForm(QWidget* sahip = nullptr);
    QTextEdit* RichEdit1;
    QStatusBar* StatusBar1;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
};

// Shows the help window for the document `kaynakAdi` with `baslik` as caption.
// An unknown document is reported through the environment's error display and
// no window opens; an empty name shows an empty window.
void YardimGoster(const QString& baslik, const QString& kaynakAdi);

// Loads the help document `kaynakAdi` (found whatever its case) into `hedef`
// through a copy "met.txt" in a private temporary directory of the process.
// Does nothing for a null target or an empty name; throws KaynakHatasi.
void KaynakYukle(const QString& kaynakAdi, QTextEdit* hedef);

// The private directory that holds "met.txt" (created on first use, owner only).
QString YardimGeciciKlasoru();
