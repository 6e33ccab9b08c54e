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
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <limits>

namespace {
QWidget* etkinPencere()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
}

// Brings its dialog inside the screen after each showing, when the dialog
// has taken its size and Qt has placed it over its parent.
class EkranIcindeTutucu : public QObject
{
public:
    explicit EkranIcindeTutucu(QWidget* pencere) : QObject(pencere) { pencere->installEventFilter(this); }
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() == QEvent::ShowToParent && nesne->isWidgetType())
            EkranIcineAl(*static_cast<QWidget*>(nesne));
        return false;
    }
};

// When a dialog closes, the window it came from takes the keyboard back. A
// desktop's window manager does this itself; on a display without one (a classroom machine started straight into the program) the
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

void EkranIcineAl(QWidget& pencere)
{
    const QScreen* ekran = pencere.screen();
    // A maximised window is the window manager's to place.
    if (!ekran || !pencere.isWindow() || (pencere.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QRect alan = ekran->availableGeometry();
    const QSize kenar = pencere.frameGeometry().size() - pencere.size();
    const QSize sigan = (alan.size() - kenar).expandedTo(QSize(1, 1));
    if ((pencere.width() > sigan.width() || pencere.height() > sigan.height())
        && !qobject_cast<QMessageBox*>(&pencere)) {
        pencere.setMinimumSize(pencere.minimumSize().boundedTo(sigan));
        pencere.resize(pencere.size().boundedTo(sigan));
    }
    // The frame's top-left corner inside the area first, so that the title
    // bar can always be taken hold of; then, where it fits, the rest.
    const QRect cerceve = pencere.frameGeometry();
    const int x = std::max(alan.left(), std::min(cerceve.left(), alan.right() + 1 - cerceve.width()));
    const int y = std::max(alan.top(), std::min(cerceve.top(), alan.bottom() + 1 - cerceve.height()));
    if (QPoint(x, y) != cerceve.topLeft())
        pencere.move(x, y);
}

int EkranIcindeCalistir(QDialog& pencere)
{
    static const QString ad = QStringLiteral("EkranIcindeTutucu");
    if (!pencere.findChild<QObject*>(ad, Qt::FindDirectChildrenOnly))
        (new EkranIcindeTutucu(&pencere))->setObjectName(ad);
    KlavyeyiGeriVer geriVer;
    return pencere.exec();
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
    QMessageBox kutu(QMessageBox::NoIcon, QApplication::applicationDisplayName(), metin, QMessageBox::Ok,
                     etkinPencere());
    EkranIcindeCalistir(kutu);
}

void UretimOrtami::MesajKutusu(const QString& metin, const QString& baslik)
{
    QMessageBox kutu(QMessageBox::NoIcon, baslik, metin, QMessageBox::Ok, etkinPencere());
    EkranIcindeCalistir(kutu);
}

QString UretimOrtami::GirdiKutusu(const QString& baslik, const QString& istem, const QString& varsayilan)
{
    QInputDialog kutu(etkinPencere());
    kutu.setWindowTitle(baslik);
    kutu.setLabelText(istem);
    kutu.setTextValue(varsayilan);
    // A line edit keeps 32,767 characters and cuts a longer paste silently,
    // perhaps inside a number; the box takes whatever is pasted.
    if (auto* satir = kutu.findChild<QLineEdit*>())
        satir->setMaxLength(std::numeric_limits<int>::max());
    return EkranIcindeCalistir(kutu) == QDialog::Accepted ? kutu.textValue() : varsayilan;
}

std::optional<TRenk> UretimOrtami::RenkDiyalogu(TRenk baslangic)
{
    QColorDialog kutu(RenkQ(baslangic), etkinPencere());
    if (EkranIcindeCalistir(kutu) != QDialog::Accepted || !kutu.selectedColor().isValid())
        return std::nullopt;
    return QRenk(kutu.selectedColor());
}

int UretimOrtami::ModalGoster(QDialog& pencere)
{
    return EkranIcindeCalistir(pencere);
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
    QMessageBox kutu(QMessageBox::Critical, QApplication::applicationDisplayName(), metin, QMessageBox::Ok,
                     etkinPencere());
    EkranIcindeCalistir(kutu);
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
