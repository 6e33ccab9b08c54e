#include "agirlikshape.h"
#include "gorunum.h"
#include "mesaj.h"
#include "surukle.h"
#include "resimkutusu.h"
#include "terazimodeli.h"

#include <QHash>
#include <QKeyEvent>
#include <QPainter>

static_assert(BILINMEYEN == SayiShape::UNKNOWN_VALUE, "the balance and the tokens name the unknown alike");

namespace {
QString resimYolu(int kg)
{
    switch (kg) {
    case 1:
    case 3:
    case 5:
        return QStringLiteral(":/pictures/agirlik%1.svg").arg(kg);
    default:
        return QStringLiteral(":/pictures/agirlikx.svg");
    }
}

// One drawing per kind, size and pixel ratio: a pan may hold a hundred weights.
QImage resim(int kg, QSize boyut, qreal oran)
{
    static QHash<QString, QImage> onbellek;
    const QString anahtar = QStringLiteral("%1/%2x%3/%4").arg(kg).arg(boyut.width()).arg(boyut.height()).arg(oran);
    auto it = onbellek.constFind(anahtar);
    if (it != onbellek.constEnd())
        return *it;
    const QImage yeni = ResimKutusu::SvgCiz(resimYolu(kg), boyut, oran);
    onbellek.insert(anahtar, yeni);
    return yeni;
}
}

AgirlikShape::AgirlikShape(QWidget* sahip, int kg, int kimlik) : ImajSayiShape(sahip, kg, false), kimlik_(kimlik)
{
    Tag = kg;
    Firca = AgirlikRengi(kg);
    resize(AgirlikBoyu(kg));
    setFont(Yazi(YaziAilesi::Arial, kg == BILINMEYEN ? 15 : 12));
    // Reached by Tab in either drag mode, never by a click. Carried by keys,
    // it is held by its top-left corner, the point a drop puts it at.
    setFocusPolicy(Qt::TabFocus);
    SurukleTutamagi(this, QPoint(0, 0));
}

void AgirlikShape::keyPressEvent(QKeyEvent* olay)
{
    const bool basma = olay->key() == Qt::Key_Space || olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter;
    if (!basma || OtomatikSurukleAcik(this)) {
        ImajSayiShape::keyPressEvent(olay);
        return;
    }
    olay->accept();
    // As a press: the pan may split this weight and delete it.
    MesajGonder(parentWidget(), MSG_SHAPE_ACTIVATED, MesajParametresi(static_cast<SayiShape*>(this)));
}

void AgirlikShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, resim(Tag, size(), devicePixelRatioF()));
    // The number on the middle of the block, as the token draws it.
    const QString metin = Etiket();
    const QFontMetrics fm(font());
    const QPoint sol = OrtalaMetin(fm, metin, Merkez().x(), Merkez().y() + height() / 6);
    p.setPen(Firca == clRed || Firca == clGreen ? Qt::white : Qt::black);
    p.drawText(sol.x(), sol.y() + fm.ascent(), metin);
}

int AgirlikKimligi(const QObject* o)
{
    const auto* a = qobject_cast<const AgirlikShape*>(o);
    return a ? a->Kimlik() : 0;
}
