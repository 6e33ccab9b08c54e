#include "piramithucresi.h"
#include "erisim.h"
#include "gorunum.h"

#include <QFontMetrics>
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
}

void PiramitHucresi::Goster(const QString& metin, TRenk renk, const QString& isaret, bool cokBuyuk)
{
    if (metin == metin_ && renk == renk_ && isaret == isaret_ && cokBuyuk == cokBuyuk_)
        return;
    const bool dolduMu = metin != metin_;
    metin_ = metin;
    isaret_ = isaret;
    renk_ = renk;
    cokBuyuk_ = cokBuyuk;
    update();
    // A filled or emptied cell is spoken again.
    if (dolduMu)
        ErisimDegisti(this);
}

void PiramitHucresi::IsaretiYerlestir(bool yukaridanAsagiya)
{
    if (yukaridanAsagiya_ == yukaridanAsagiya)
        return;
    yukaridanAsagiya_ = yukaridanAsagiya;
    update();
}

QRect PiramitHucresi::IsaretAlani() const
{
    return QRect(0, IsaretUstu(yukaridanAsagiya_), width(), ISARET_YUKSEKLIGI);
}

void PiramitHucresi::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The border as two fills: a stroked rectangle costs many times more per cell.
    p.fillRect(rect(), RenkQ(KENAR_RENGI));
    p.fillRect(rect().adjusted(1, 1, -1, -1), RenkQ(renk_));
    if (metin_.isEmpty())
        return;
    // The number keeps clear of the sign's line.
    QRect alan = rect().adjusted(3, 2, -3, -2);
    if (!isaret_.isEmpty()) {
        const QRect isaret = IsaretAlani();
        if (yukaridanAsagiya_)
            alan.setTop(isaret.bottom() + 1);
        else
            alan.setBottom(isaret.top());
        p.setFont(Yazi(YaziAilesi::Arial, 20));
        p.setPen(RenkQ(YAZI_RENGI));
        p.drawText(isaret, Qt::AlignHCenter | Qt::AlignTop, isaret_);
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
