#include "yardim.h"
#include "gorunum.h"
#include "ortam.h"
#include "rtfokuyucu.h"
#include "ses.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QVBoxLayout>
#include <memory>

KaynakHatasi::KaynakHatasi(const QString& mesaj) : std::runtime_error(mesaj.toStdString()), mesaj_(mesaj) {}

namespace {
QString asciiBuyuk(const QString& ad)
{
    QString sonuc = ad;
    for (QChar& c : sonuc)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return sonuc;
}
}

QString YardimGeciciKlasoru()
{
    // Made once per process with owner-only permissions and removed at exit, so
    // no other user can plant a file or a link where the copy is written.
    static std::unique_ptr<QTemporaryDir> klasor;
    if (!klasor || !klasor->isValid())
        klasor = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("orvanta-XXXXXX")));
    return klasor->isValid() ? klasor->path() : QString();
}

void KaynakYukle(const QString& kaynakAdi, QTextEdit* hedef)
{
    if (!hedef || kaynakAdi.isEmpty())
        return;
    QFile kaynak(QStringLiteral(":/help/") + asciiBuyuk(kaynakAdi) + QStringLiteral(".rtf"));
    if (!kaynak.open(QIODevice::ReadOnly))
        throw KaynakHatasi(QStringLiteral("\"%1\" adlı yardım belgesi bulunamadı.").arg(kaynakAdi));
    const QByteArray veri = kaynak.readAll();

    const QString klasor = YardimGeciciKlasoru();
    if (klasor.isEmpty())
        throw KaynakHatasi(QStringLiteral("Yardım belgesi için geçici klasör oluşturulamadı."));
    const QString yol = QDir(klasor).filePath(QStringLiteral("met.txt"));
    QFile kopya(yol);
    if (!kopya.open(QIODevice::WriteOnly | QIODevice::Truncate) || kopya.write(veri) != veri.size())
        throw KaynakHatasi(QStringLiteral("\"%1\" dosyası oluşturulamadı.").arg(yol));
    kopya.close();
    if (!kopya.open(QIODevice::ReadOnly))
        throw KaynakHatasi(QStringLiteral("\"%1\" dosyası okunamadı.").arg(yol));
    RtfOku(kopya.readAll(), hedef->document());
    hedef->moveCursor(QTextCursor::Start);
}

TYardimGosterForm::TYardimGosterForm(QWidget* sahip) : QDialog(sahip)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Shown without an owner over an activity window, which has the hidden menu
    // as its owner: closing this window must not count as closing the program's last window.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(600, 400);
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setAccessibleName(QStringLiteral("Yardım metni"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setFont(Yazi(YaziAilesi::CenturyGothic, 12));
    RichEdit1->document()->setDocumentMargin(12);
    RichEdit1->installEventFilter(this);
    duzen->addWidget(RichEdit1);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->showMessage(QStringLiteral(
        "Bu ekranı kapatmak için ONAY(ENTER) tuşu , KAÇIŞ(ESC) tuşu veya BOŞLUK tuşuna basınız..."));
    duzen->addWidget(StatusBar1);
    SesCal(SES_NOTR);
}

bool TYardimGosterForm::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == RichEdit1 && olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent*>(olay)->key();
        if (tus == Qt::Key_Return || tus == Qt::Key_Enter || tus == Qt::Key_Escape || tus == Qt::Key_Space) {
            close();
            return true;
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

void YardimGoster(const QString& baslik, const QString& kaynakAdi)
{
    TYardimGosterForm pencere;
    pencere.setWindowTitle(baslik);
    try {
        KaynakYukle(kaynakAdi, pencere.RichEdit1);
    } catch (const KaynakHatasi& hata) {
        Ortam::Gecerli().HataGoster(hata.Mesaj());
        return;
    }
    pencere.RichEdit1->setFocus();
    Ortam::Gecerli().ModalGoster(pencere);
}
