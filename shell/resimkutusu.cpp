#include "resimkutusu.h"
#include "svgcizim.h"

#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QThreadPool>

namespace {
// Below this many pixels drawing on the spot costs less than a thread.
constexpr int KUCUK_RESIM = 200 * 200;
}

ResimKutusu::ResimKutusu(const QString& yol, QWidget* sahip, QSize istenen) : QWidget(sahip), yol_(yol)
{
    const bool svg = yol_.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QSize boyut = !istenen.isEmpty() ? istenen : svg ? QSvgRenderer(yol_).defaultSize() : QSize();
    if (svg && boyut.width() * boyut.height() > KUCUK_RESIM) {
        const qreal oran = devicePixelRatioF();
        // On a thread of Qt's pool: there Qt's painting does not hand parts of
        // large fills to further threads, which on a small machine would only
        // take the cores the window is being built on.
        // The application waits for the pool before Qt goes down.
        auto is = std::make_shared<std::packaged_task<QImage()>>(
            [yol, boyut, oran] { return SvgCiz(yol, boyut, oran); });
        cizim_ = is->get_future();
        cizimBoyutu_ = boyut;
        cizimOrani_ = oran;
        QThreadPool::globalInstance()->start([is] { (*is)(); });
        buyukSvg_ = true;
        setFixedSize(boyut);
        return;
    }
    resim_ = Resim(yol_, boyut, devicePixelRatioF());
    setFixedSize(resim_.isNull() ? QSize(1, 1) : resim_.deviceIndependentSize().toSize());
}

void ResimKutusu::Boyutla(QSize boyut)
{
    if (boyut.isEmpty() || boyut == size())
        return;
    setFixedSize(boyut);
    if (!buyukSvg_ && !resim_.isNull())
        resim_ = Resim(yol_, boyut, devicePixelRatioF());
    update();
}

ResimKutusu::~ResimKutusu() = default;

QImage ResimKutusu::OncedenCizilmis(const QString& yol, QSize boyut)
{
    const QResource kaynak(yol + QStringLiteral(".piksel"));
    if (!kaynak.isValid() || boyut.isEmpty()
        || kaynak.uncompressedSize() != qint64(boyut.width()) * boyut.height() * 4)
        return QImage();
    auto* veri = new QByteArray(kaynak.uncompressedData());
    if (veri->size() != kaynak.uncompressedSize()) {
        delete veri;
        return QImage();
    }
    // The image uses the unpacked bytes in place and frees them with itself.
    return QImage(
        reinterpret_cast<uchar*>(veri->data()), boyut.width(), boyut.height(), boyut.width() * 4,
        QImage::Format_ARGB32_Premultiplied, [](void* bayt) { delete static_cast<QByteArray*>(bayt); }, veri);
}

QImage ResimKutusu::SvgCiz(const QString& yol, QSize boyut, qreal oran)
{
    if (oran == 1.0) {
        QImage hazir = OncedenCizilmis(yol, boyut);
        if (!hazir.isNull())
            return hazir;
    }
    return SvgCizim(yol, boyut, oran);
}

QPixmap ResimKutusu::Resim(const QString& yol, QSize boyut, qreal oran)
{
    if (yol.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return QPixmap::fromImage(SvgCiz(yol, boyut, oran));
    QPixmap resim(yol);
    if (!resim.isNull() && !boyut.isEmpty())
        resim = resim.scaled(boyut * oran, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resim.setDevicePixelRatio(oran);
    return resim;
}

QSize ResimKutusu::sizeHint() const
{
    return size();
}

void ResimKutusu::paintEvent(QPaintEvent* olay)
{
    QPainter boya(this);
    const qreal oran = devicePixelRatioF();
    if (cizim_.valid()) {
        // A drawing for another size or ratio is left to finish on its own,
        // unwaited for.
        auto cizim = std::move(cizim_);
        if (cizimBoyutu_ == size() && cizimOrani_ == oran) {
            boya.drawImage(0, 0, cizim.get());
            return;
        }
    }
    if (buyukSvg_) {
        if (!svg_)
            svg_ = std::make_unique<QSvgRenderer>(yol_);
        boya.setClipRegion(olay->region());
        svg_->render(&boya, QRectF(rect()));
        return;
    }
    if (resim_.devicePixelRatio() != oran && !resim_.isNull())
        resim_ = Resim(yol_, size(), oran);
    boya.drawPixmap(0, 0, resim_);
}
