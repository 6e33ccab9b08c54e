#include "piramithucresi.h"
#include "gorunum.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int ISARET_YUKSEKLIGI = 20;
constexpr TRenk YAZI_RENGI = clRed;
constexpr TRenk COK_BUYUK_YAZI_RENGI = 0x404040;
constexpr TRenk KENAR_RENGI = 0x606060;

// The largest font, from 20 pixels down, that shows `metin` whole inside
// `alan`: on one line while it stays readable, then broken between digits.
QFont SigdirilmisYazi(const QString& metin, const QRect& alan, int& bayraklar)
{
    QFont yazi = Yazi(YaziAilesi::Arial, 20);
    for (const int kirma : {0, int(Qt::TextWrapAnywhere)}) {
        const int enKucuk = kirma ? 7 : 13;
        for (int piksel = 20; piksel >= enKucuk; --piksel) {
            yazi.setPixelSize(piksel);
            bayraklar = Qt::AlignCenter | kirma;
            const QRect gereken = QFontMetrics(yazi).boundingRect(alan, bayraklar, metin);
            if (gereken.width() <= alan.width() && gereken.height() <= alan.height())
                return yazi;
        }
    }
    return yazi;
}
}

PiramitHucresi::PiramitHucresi(QWidget* sahip, HucreYeri yer) : QWidget(sahip), Yer(yer), Tag(yer.Tag())
{
    setFixedSize(HUCRE_GENISLIGI, HUCRE_YUKSEKLIGI);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    IsaretEtiketi = new QLabel(QStringLiteral(" "), this);
    IsaretEtiketi->setProperty("Tag", Tag);
    IsaretEtiketi->setAttribute(Qt::WA_TransparentForMouseEvents);
    IsaretEtiketi->setAlignment(Qt::AlignCenter);
    IsaretEtiketi->setFont(Yazi(YaziAilesi::Arial, 20));
    RenkVer(IsaretEtiketi, QPalette::WindowText, YAZI_RENGI);
    IsaretiYerlestir(false);
}

void PiramitHucresi::Goster(const QString& metin, TRenk renk, const QString& isaret, bool cokBuyuk)
{
    const QString yeniIsaret = isaret.isEmpty() ? QStringLiteral(" ") : isaret;
    if (IsaretEtiketi->text() != yeniIsaret)
        IsaretEtiketi->setText(yeniIsaret);
    if (metin == metin_ && renk == renk_ && cokBuyuk == cokBuyuk_)
        return;
    metin_ = metin;
    renk_ = renk;
    cokBuyuk_ = cokBuyuk;
    update();
}

void PiramitHucresi::IsaretiYerlestir(bool yukaridanAsagiya)
{
    yukaridanAsagiya_ = yukaridanAsagiya;
    // Only the 20 pixels of the sign's line; the rest of the cell stays for the number.
    IsaretEtiketi->setGeometry(0, yukaridanAsagiya ? 0 : IsaretUstu(false), width(), ISARET_YUKSEKLIGI);
    update();
}

void PiramitHucresi::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), RenkQ(renk_));
    p.setPen(RenkQ(KENAR_RENGI));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (metin_.isEmpty())
        return;
    QRect alan = rect().adjusted(3, 2, -3, -2);
    if (IsaretEtiketi->text().trimmed().size() > 0) {
        if (yukaridanAsagiya_)
            alan.setTop(ISARET_YUKSEKLIGI);
        else
            alan.setBottom(IsaretUstu(false));
    }
    int bayraklar = Qt::AlignCenter;
    p.setFont(SigdirilmisYazi(metin_, alan, bayraklar));
    p.setPen(RenkQ(cokBuyuk_ ? COK_BUYUK_YAZI_RENGI : YAZI_RENGI));
    p.drawText(alan, bayraklar, metin_);
}

void PiramitHucresi::mousePressEvent(QMouseEvent* olay)
{
    if (olay->button() == Qt::LeftButton)
        emit Tiklandi(this);
    olay->accept();
}

void PiramitHucresi::mouseMoveEvent(QMouseEvent* olay)
{
    emit Uzerinde(this);
    olay->accept();
}
