#include "uretimortami.h"
#include "ses.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <chrono>
#include <limits>

namespace {
QWidget* etkinPencere()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
}

// When a dialog closes, the window it came from takes the keyboard back. A desktop's window manager does this itself; on a display
// without one (a classroom machine started straight into the program) the
// keyboard falls to the screen's root when the dialog goes, and every key the
// pupil presses afterwards is lost until a mouse click.
class KlavyeyiGeriVer
{
public:
    KlavyeyiGeriVer() : pencere_(etkinPencere()) {}
    ~KlavyeyiGeriVer()
    {
        if (pencere_ && pencere_->isVisible())
            pencere_->activateWindow();
    }
    KlavyeyiGeriVer(const KlavyeyiGeriVer&) = delete;
    KlavyeyiGeriVer& operator=(const KlavyeyiGeriVer&) = delete;

private:
    QPointer<QWidget> pencere_;
};
}

UretimOrtami& UretimOrtami::Program()
{
    static UretimOrtami ortam;
    return ortam;
}

UretimOrtami::UretimOrtami()
    : uretec_(static_cast<std::mt19937::result_type>(
          std::chrono::steady_clock::now().time_since_epoch().count()))
{
}

void UretimOrtami::MesajGoster(const QString& metin)
{
    KlavyeyiGeriVer geriVer;
    QMessageBox kutu(QMessageBox::NoIcon, QApplication::applicationDisplayName(), metin, QMessageBox::Ok,
                     etkinPencere());
    kutu.exec();
}

void UretimOrtami::MesajKutusu(const QString& metin, const QString& baslik)
{
    KlavyeyiGeriVer geriVer;
    QMessageBox kutu(QMessageBox::NoIcon, baslik, metin, QMessageBox::Ok, etkinPencere());
    kutu.exec();
}

QString UretimOrtami::GirdiKutusu(const QString& baslik, const QString& istem, const QString& varsayilan)
{
    KlavyeyiGeriVer geriVer;
    QInputDialog kutu(etkinPencere());
    kutu.setWindowTitle(baslik);
    kutu.setLabelText(istem);
    kutu.setTextValue(varsayilan);
    // A line edit keeps 32,767 characters and cuts a longer paste silently,
    // perhaps inside a number; the box takes whatever is pasted.
    if (auto* satir = kutu.findChild<QLineEdit*>())
        satir->setMaxLength(std::numeric_limits<int>::max());
    return kutu.exec() == QDialog::Accepted ? kutu.textValue() : varsayilan;
}

std::optional<TRenk> UretimOrtami::RenkDiyalogu(TRenk baslangic)
{
    KlavyeyiGeriVer geriVer;
    const QColor renk = QColorDialog::getColor(RenkQ(baslangic), etkinPencere());
    if (!renk.isValid())
        return std::nullopt;
    return QRenk(renk);
}

int UretimOrtami::ModalGoster(QDialog& pencere)
{
    KlavyeyiGeriVer geriVer;
    return pencere.exec();
}

void UretimOrtami::SesOynat(int numara, bool bekle)
{
    SesCalSecenekli(static_cast<quint16>(numara), SesSecenek{bekle}, SesKutuphanesi());
}

void UretimOrtami::Bip()
{
    QApplication::beep();
}

void UretimOrtami::HataGoster(const QString& metin)
{
    KlavyeyiGeriVer geriVer;
    QMessageBox::critical(etkinPencere(), QApplication::applicationDisplayName(), metin);
}

void UretimOrtami::Ac(const QUrl& adres)
{
    QDesktopServices::openUrl(adres);
}

int UretimOrtami::Rastgele(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(uretec_);
}
