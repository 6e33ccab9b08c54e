#include "kesirshape.h"
#include "erisim.h"
#include "gorunum.h"
#include "kesirkarsilastirma.h"
#include "mesaj.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// The slice numbers: black near the rim, the selection order in yellow.
constexpr int NUMARA_PIKSEL = 14;

QRectF IcKutu(const QWidget* w)
{
    // Half a pixel in, so an antialiased outline of one pixel stays inside.
    return QRectF(0.5, 0.5, w->width() - 1.0, w->height() - 1.0);
}

void NumaraYaz(QPainter& p, QPoint solUst, const QString& metin, const QColor& renk)
{
    p.setPen(renk);
    p.drawText(QRect(solUst, QSize(200, 40)), Qt::AlignLeft | Qt::AlignTop, metin);
}
} // namespace

DilimBasimi& BasimKaydi()
{
    static DilimBasimi kayit;
    return kayit;
}

KesirShape::KesirShape(QWidget* sahip) : QWidget(sahip)
{
    setFont(Yazi(YaziAilesi::Arial, NUMARA_PIKSEL));
    ErisimKur(this, QAccessible::CheckBox, [this] { return DilimAdi(SliceIndex, Tag()); },
              [this](QAccessible::State& durum) {
                  durum.checkable = true;
                  durum.checked = Tag() != 0;
              });
}

int KesirShape::Tag() const
{
    return Cizim ? Cizim->Tag(SliceIndex) : 0;
}

void KesirShape::Paint(QPainter& p)
{
    const int tag = Tag();
    p.setBrush(QBrush(RenkQ(tag != 0 ? SelectedColour : NormalColour), SliceBrushStyle));
    p.setPen(QPen(RenkQ(clBlue), 1));
    DrawSlice(p);
    const QString dilimNo = QString::number(SliceIndex + 1);
    if (ShowSliceNo && NumaraYazilir(SliceNoPos(), dilimNo))
        NumaraYaz(p, SliceNoPos(), dilimNo, Qt::black);
    const QString secimNo = QString::number(tag);
    if (ShowSelectionNo && tag != 0 && NumaraYazilir(SelectionNoPos(), secimNo))
        NumaraYaz(p, SelectionNoPos(), secimNo, RenkQ(clYellow));
}

bool KesirShape::NumaraYazilir(QPoint yer, const QString& metin) const
{
    // A strip is a control of its own: a number too big for it would be cut
    // off at its edge, so only a whole one is written.
    const QFontMetrics olcu(font());
    return NumaraSigar(size(), yer, QSize(olcu.horizontalAdvance(metin), olcu.height()));
}

void KesirShape::DrawSlice(QPainter& p)
{
    p.drawRect(QRect(0, 0, width() - 1, height() - 1));
}

bool KesirShape::HitTest(int x, int y) const
{
    return rect().contains(x, y);
}

QPoint KesirShape::SelectionNoPos() const
{
    return QPoint(width() / 2, height() / 2);
}

QPoint KesirShape::SliceNoPos() const
{
    return QPoint(20, 20);
}

void KesirShape::MousePressed(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    MesajGonder(parentWidget(), MSG_SLICE_PRESSED, MesajParametresi(this));
}

void KesirShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Paint(p);
    // A slice reached by the keys shows its own outline: the slices of a
    // circle share one box, so a frame around the box would not tell which.
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 3, Qt::DashLine));
        DrawSlice(p);
    }
}

void KesirShape::focusInEvent(QFocusEvent* olay)
{
    // Above the other slices of its circle, so that its outline shows whole.
    raise();
    QWidget::focusInEvent(olay);
}

void KesirShape::keyPressEvent(QKeyEvent* olay)
{
    if (olay->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(olay);
        return;
    }
    switch (olay->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        olay->accept();
        // The slice itself is the one pressed, whatever its shape.
        MesajGonder(parentWidget(), MSG_SLICE_PRESSED, MesajParametresi(this));
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        olay->accept();
        emit OkBasildi(this, 1);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        olay->accept();
        emit OkBasildi(this, -1);
        return;
    default:
        QWidget::keyPressEvent(olay);
    }
}

void KesirShape::mousePressEvent(QMouseEvent* olay)
{
    olay->accept();
    const QPoint n = olay->position().toPoint();
    MousePressed(olay->button(), olay->modifiers(), n.x(), n.y());
}

// ---------------------------------------------------------------------------

KesirCemberShape::KesirCemberShape(QWidget* sahip) : KesirShape(sahip) {}

void KesirCemberShape::DrawSlice(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const PieAcisi a = PieAngles(PartCount, SliceIndex, Span, CounterClockwise);
    if (a.TamDaire)
        p.drawEllipse(IcKutu(this));
    else
        p.drawPie(IcKutu(this), a.Baslangic, a.Aciklik);
}

bool KesirCemberShape::HitTest(int x, int y) const
{
    return DilimIsabeti(width(), height(), PartCount, SliceIndex, Span, x, y);
}

QPoint KesirCemberShape::SelectionNoPos() const
{
    return ::SelectionNoPos(width(), height(), PartCount, SliceIndex, Span, CounterClockwise);
}

QPoint KesirCemberShape::SliceNoPos() const
{
    return ::SliceNoPos(width(), height(), PartCount, SliceIndex, Span, CounterClockwise);
}

bool KesirCemberShape::NumaraYazilir(QPoint, const QString&) const
{
    // Every slice has the circle's size: its numbers are always written.
    return true;
}

void KesirCemberShape::MousePressed(Qt::MouseButton dugme, Qt::KeyboardModifiers tuslar, int x, int y)
{
    DilimBasimi& kayit = BasimKaydi();
    kayit.Sender = this;
    kayit.Button = quint8(dugme & 0xFF);
    kayit.Shift = quint8((tuslar >> 25) & 0xFF); // shift, control, alt, meta
    kayit.X = x;
    kayit.Y = y;
    MesajGonder(parentWidget(), MSG_ROUND_SLICE_PRESSED, MesajParametresi(&kayit));
}

// ---------------------------------------------------------------------------

KesirUcgenCemberShape::KesirUcgenCemberShape(QWidget* sahip) : KesirCemberShape(sahip) {}

void KesirUcgenCemberShape::DrawSlice(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    if (PartCount <= 1) {
        p.drawEllipse(IcKutu(this));
        return;
    }
    // The polygon inscribed in the same circle as the pie, half a pixel inside the box.
    const std::array<QPoint, 3> k = UcgenKoseleri(width() - 1, height() - 1, PartCount, SliceIndex);
    const QPointF koseler[3] = {QPointF(k[0]) + QPointF(0.5, 0.5), QPointF(k[1]) + QPointF(0.5, 0.5),
                                QPointF(k[2]) + QPointF(0.5, 0.5)};
    p.drawPolygon(koseler, 3);
}
