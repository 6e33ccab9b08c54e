#include "boncuk.h"
#include "boncukmodel.h"
#include "gorunum.h"
#include "surukle.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollArea>
#include <QPainter>
#include <QPixmapCache>
#include <cstdlib>

Boncuk::Boncuk(QWidget* kutu, int deger) : Boncuk(kutu, deger, true) {}

Boncuk::Boncuk(QWidget* kutu, int deger, bool hedef)
    : QWidget(kutu), Tag(deger), Firca(BoncukRengi(deger)), deger_(deger)
{
    resize(PUL_CAPI, PUL_CAPI);
    setCursor(Qt::OpenHandCursor);
    OtomatikSurukle(this, true);
    if (hedef)
        SurukleHedefiKur(
            this, [this](QObject* kaynak, QPoint p) { return BoncukDragOver(kaynak, p); },
            [this](QObject* kaynak, QPoint p) { BoncukDragDrop(kaynak, p); });
}

void Boncuk::FircaAyarla(TRenk renk)
{
    if (Firca == renk)
        return;
    Firca = renk;
    update();
}

bool Boncuk::BoncukDragOver(QObject* kaynak, QPoint) const
{
    return qobject_cast<Boncuk*>(kaynak) != nullptr;
}

void Boncuk::BoncukDragDrop(QObject* kaynak, QPoint)
{
    emit UzerineBirakildi(this, kaynak);
}

void Boncuk::keyPressEvent(QKeyEvent* olay)
{
    QPoint yon;
    switch (olay->key()) {
    case Qt::Key_Left:
        yon = QPoint(-1, 0);
        break;
    case Qt::Key_Right:
        yon = QPoint(1, 0);
        break;
    case Qt::Key_Up:
        yon = QPoint(0, -1);
        break;
    case Qt::Key_Down:
        yon = QPoint(0, 1);
        break;
    default:
        QWidget::keyPressEvent(olay);
        return;
    }
    olay->accept();
    Boncuk* hedef = komsu(yon);
    if (!hedef)
        return;
    hedef->setFocus(Qt::TabFocusReason);
    // A box larger than its frame scrolls to the chip.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* alan = qobject_cast<QScrollArea*>(w)) {
            alan->ensureWidgetVisible(hedef);
            break;
        }
}

Boncuk* Boncuk::komsu(QPoint yon) const
{
    if (!parentWidget())
        return nullptr;
    const QPoint merkez = geometry().center();
    Boncuk* enYakin = nullptr;
    int enIyi = 0;
    for (Boncuk* b : parentWidget()->findChildren<Boncuk*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (b == this || b->isHidden())
            continue;
        const QPoint d = b->geometry().center() - merkez;
        const int ileri = d.x() * yon.x() + d.y() * yon.y();
        if (ileri <= 0)
            continue;
        // Straight ahead counts for more than off to the side.
        const int yan = std::abs(d.x() * yon.y()) + std::abs(d.y() * yon.x());
        const int puan = ileri + 2 * yan;
        if (!enYakin || puan < enIyi) {
            enYakin = b;
            enIyi = puan;
        }
    }
    return enYakin;
}

QChar Boncuk::Isaret(int deger)
{
    return deger > 0 ? QLatin1Char('+') : deger < 0 ? QLatin1Char('-') : QLatin1Char('0');
}

void Boncuk::IsaretYaz(QPainter& p, QPoint merkez, QChar isaret)
{
    // Placed as the sign's own extent says: its top left is the centre less
    // half its width and height.
    const QFont yazi = Yazi(YaziAilesi::MsSansSerif, 16);
    const QFontMetrics olcu(yazi);
    const QString metin(isaret);
    const int genislik = olcu.horizontalAdvance(metin);
    const int yukseklik = olcu.height();
    p.setFont(yazi);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawText(QRect(merkez.x() - genislik / 2, merkez.y() - yukseklik / 2, genislik, yukseklik),
               Qt::AlignLeft | Qt::AlignTop, metin);
}

namespace {
// A full box repaints hundreds of chips at a time: each kind of chip is drawn
// once into a picture, which the chips then copy.
QPixmap pulResmi(QSize boyut, TRenk renk, QChar isaret, qreal oran, void (*ciz)(QPainter&, QSize, TRenk, QChar))
{
    const QString anahtar = QStringLiteral("orvanta-pul-%1x%2-%3-%4-%5")
                                .arg(boyut.width())
                                .arg(boyut.height())
                                .arg(renk)
                                .arg(isaret.unicode())
                                .arg(oran);
    QPixmap resim;
    if (QPixmapCache::find(anahtar, &resim))
        return resim;
    resim = QPixmap(boyut * oran);
    resim.setDevicePixelRatio(oran);
    resim.fill(Qt::transparent);
    {
        QPainter p(&resim);
        ciz(p, boyut, renk, isaret);
    }
    QPixmapCache::insert(anahtar, resim);
    return resim;
}
}

void Boncuk::PulCiz(QPainter& p, QSize boyut, TRenk renk, QChar isaret)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(RenkQ(renk));
    p.drawEllipse(QRectF(0.5, 0.5, boyut.width() - 1.0, boyut.height() - 1.0));
    IsaretYaz(p, QPoint(boyut.width() / 2, boyut.height() / 2), isaret);
}

void Boncuk::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, pulResmi(size(), Firca, Isaret(deger_), devicePixelRatioF(), &Boncuk::PulCiz));
}

BoncukCifti::BoncukCifti(QWidget* kutu, bool ilkPozitif) : Boncuk(kutu, 0, false), IlkPozitif(ilkPozitif)
{
    resize(2 * PUL_CAPI, PUL_CAPI);
}

void BoncukCifti::paintEvent(QPaintEvent*)
{
    // Painted in the neutral colour of the moment, whatever the brush says.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(RenkQ(BoncukRengi(0)));
    const int r = width() / 2;
    p.drawEllipse(QRectF(0.5, 0.5, r - 1.0, r - 1.0));
    p.drawEllipse(QRectF(r + 0.5, 0.5, r - 1.0, r - 1.0));
    const QChar ilk = IlkPozitif ? QLatin1Char('+') : QLatin1Char('-');
    const QChar ikinci = IlkPozitif ? QLatin1Char('-') : QLatin1Char('+');
    IsaretYaz(p, QPoint(r / 2, r / 2), ilk);
    IsaretYaz(p, QPoint(3 * r / 2, r / 2), ikinci);
}

Boncuklar::Boncuklar(int kapasite)
{
    ogeler_.reserve(size_t(qMax(0, kapasite)));
}

void Boncuklar::Ekle(Boncuk* boncuk)
{
    ogeler_.emplace_back(boncuk);
}

Boncuk* Boncuklar::Oge(int i) const
{
    return i >= 0 && i < Sayi() ? ogeler_[size_t(i)].data() : nullptr;
}

void Boncuklar::Renklendir(int deger, TRenk renk) const
{
    for (const QPointer<Boncuk>& b : ogeler_)
        if (b && b->Deger() == deger)
            b->FircaAyarla(renk);
}

void Boncuklar::Goster(bool gorunur) const
{
    for (const QPointer<Boncuk>& b : ogeler_)
        if (b)
            b->setVisible(gorunur);
}
