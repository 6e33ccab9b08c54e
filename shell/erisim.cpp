#include "erisim.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
const char* const VERI_OZELLIGI = "orvantaErisim";

// What ErisimKur gave a widget; a child of it, so it leaves with it.
class ErisimVerisi : public QObject
{
public:
    ErisimVerisi(QWidget* sahip, QAccessible::Role rol, ErisimAdi ad, ErisimDurumu durum)
        : QObject(sahip), Rol(rol), Ad(std::move(ad)), Durum(std::move(durum))
    {
    }
    QAccessible::Role Rol;
    ErisimAdi Ad;
    ErisimDurumu Durum;
};

ErisimVerisi* verisi(const QObject* nesne)
{
    return nesne ? dynamic_cast<ErisimVerisi*>(nesne->property(VERI_OZELLIGI).value<QObject*>()) : nullptr;
}

class CizilenNesne : public QAccessibleWidget
{
public:
    CizilenNesne(QWidget* w, QAccessible::Role rol) : QAccessibleWidget(w, rol) {}

    QAccessible::Role role() const override
    {
        const ErisimVerisi* veri = verisi(widget());
        return veri ? veri->Rol : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text tur) const override
    {
        // A name the program set by hand wins, as it does for every widget.
        const ErisimVerisi* veri = verisi(widget());
        if (tur == QAccessible::Name && widget()->accessibleName().isEmpty() && veri && veri->Ad)
            return veri->Ad();
        return QAccessibleWidget::text(tur);
    }

    QAccessible::State state() const override
    {
        QAccessible::State durum = QAccessibleWidget::state();
        if (const ErisimVerisi* veri = verisi(widget()); veri && veri->Durum)
            veri->Durum(durum);
        return durum;
    }
};

QAccessibleInterface* fabrika(const QString&, QObject* nesne)
{
    auto* w = qobject_cast<QWidget*>(nesne);
    ErisimVerisi* veri = verisi(w);
    return veri ? new CizilenNesne(w, veri->Rol) : nullptr;
}
}

// Qt asks the factory once per class of the object's ancestry; the first
// answer is cached for the object's life, so a description Qt made before
// (a widget disabled or shown first reports its state) is dropped here.
void ErisimKur(QWidget* nesne, QAccessible::Role rol, ErisimAdi ad, ErisimDurumu durum)
{
    if (!nesne)
        return;
    static const bool kuruldu = [] {
        QAccessible::installFactory(fabrika);
        return true;
    }();
    Q_UNUSED(kuruldu);
    delete verisi(nesne);
    auto* veri = new ErisimVerisi(nesne, rol, std::move(ad), std::move(durum));
    nesne->setProperty(VERI_OZELLIGI, QVariant::fromValue<QObject*>(veri));
    QAccessibleInterface* onceki = QAccessible::queryAccessibleInterface(nesne);
    if (onceki && !dynamic_cast<CizilenNesne*>(onceki))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(onceki));
}

void ErisimDegisti(QWidget* nesne)
{
    if (!nesne || !QAccessible::isActive())
        return;
    QAccessibleEvent ad(nesne, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ad);
    QAccessible::State degisen;
    degisen.checked = true;
    degisen.selected = true;
    degisen.pressed = true;
    QAccessibleStateChangeEvent durum(nesne, degisen);
    QAccessible::updateAccessibility(&durum);
}
