#include "okdugmeleri.h"

#include <QToolButton>
#include <QVBoxLayout>

OkDugmeleri::OkDugmeleri(QWidget* sahip) : QWidget(sahip)
{
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(1);
    auto ok = [&](Qt::ArrowType yon, const QString& ad) {
        auto* b = new QToolButton(this);
        b->setArrowType(yon);
        b->setAccessibleName(ad);
        b->setAutoRepeat(false);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        duzen->addWidget(b);
        return b;
    };
    Yukari = ok(Qt::UpArrow, QStringLiteral("Artır"));
    Asagi = ok(Qt::DownArrow, QStringLiteral("Azalt"));
    connect(Yukari, &QToolButton::clicked, this, [this] { emit Basildi(1); });
    connect(Asagi, &QToolButton::clicked, this, [this] { emit Basildi(-1); });
}

QSize OkDugmeleri::sizeHint() const
{
    return QSize(26, 44);
}

void OkDugmeleri::AdVer(const QString& yukari, const QString& asagi)
{
    Yukari->setAccessibleName(yukari);
    Asagi->setAccessibleName(asagi);
}
