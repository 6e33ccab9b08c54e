#include "erisimgezgini.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

namespace {
bool Etkilesimli(const QAccessibleInterface* oge)
{
    if (oge->state().focusable)
        return true;
    switch (oge->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::Cell:
    case QAccessible::ListItem:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

// Where in the tree an element stands, for a reader of the test's output.
QString Tanim(QAccessibleInterface* oge, const QString& yol)
{
    QString s = yol + QStringLiteral(" [rol %1").arg(int(oge->role()), 0, 16);
    if (const QObject* nesne = oge->object()) {
        s += QLatin1Char(' ') + QString::fromLatin1(nesne->metaObject()->className());
        if (!nesne->objectName().isEmpty())
            s += QLatin1Char('#') + nesne->objectName();
    }
    const QRect r = oge->rect();
    s += QStringLiteral(" %1,%2 %3x%4]").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    return s;
}

void Gez(QAccessibleInterface* oge, const QString& yol, ErisimRaporu& rapor, int derinlik)
{
    const int cocuk = oge->childCount();
    for (int i = 0; i < cocuk; ++i) {
        QAccessibleInterface* c = oge->child(i);
        if (!c || !c->isValid())
            continue;
        const QAccessible::State durum = c->state();
        // Hidden, or of no size (a table's corner with its headers hidden): not shown.
        if (durum.invisible || c->rect().isEmpty())
            continue;
        ++rapor.Oge;
        const QString ad = c->text(QAccessible::Name).trimmed();
        const QString buYol = yol + QLatin1Char('/') + QString::number(i);
        const bool etkilesimli = Etkilesimli(c);
        const bool yaprak = c->childCount() == 0;
        if (durum.focusable)
            ++rapor.Odaklanabilir;
        if (ad.isEmpty() && (etkilesimli || yaprak)) {
            rapor.Suclular << QStringLiteral("adsız ") + (etkilesimli ? QStringLiteral("denetim ") : QStringLiteral("yaprak "))
                                  + Tanim(c, buYol);
            (etkilesimli ? rapor.AdsizEtkilesimli : rapor.AdsizYaprak) += 1;
        } else if (const QString sozcuk = IngilizceSozcuk(ad); !sozcuk.isEmpty()) {
            rapor.Suclular << QStringLiteral("İngilizce \"") + sozcuk + QStringLiteral("\" in \"") + ad
                                  + QStringLiteral("\" ") + Tanim(c, buYol);
        }
        // A cycle in a broken tree must not run for ever.
        if (derinlik < 40)
            Gez(c, buYol, rapor, derinlik + 1);
    }
}
}

QString IngilizceSozcuk(const QString& ad)
{
    // What Qt names its own parts with, when no translation is loaded.
    static const QRegularExpression ingilizce(QStringLiteral(
        "\\b(Line up|Line down|Page up|Page down|Page left|Page right|Line left|Line right|Position|Vertical|"
        "Horizontal|Scroll here|Scroll|Left edge|Right edge|Bottom|Close|Cancel|OK|Yes|Apply|Open|Save|"
        "Help|Minimize|Maximize|Restore|More|Clear|Press|Toggle|Increase|Decrease|Step up|Step down|"
        "Show menu|SetFocus|Menu|Edit|Copy|Paste|Undo|Redo|Select All|Delete)\\b"));
    const QRegularExpressionMatch m = ingilizce.match(ad);
    return m.hasMatch() ? m.captured(1) : QString();
}

ErisimRaporu ErisimAgaciniGez(QWidget* pencere)
{
    ErisimRaporu rapor;
    if (QAccessibleInterface* kok = QAccessible::queryAccessibleInterface(pencere))
        Gez(kok, QString::fromLatin1(pencere->metaObject()->className()), rapor, 0);
    return rapor;
}

QStringList AdsizErisilebilirler(QWidget* pencere)
{
    return ErisimAgaciniGez(pencere).Suclular;
}

QStringList OdakDurumuEksikler(QWidget* pencere)
{
    QStringList sonuc;
    QApplication::setActiveWindow(pencere);
    if (!QTest::qWaitFor([&] { return pencere->isActiveWindow(); }))
        return {QStringLiteral("pencere etkinleşmedi")};
    for (QWidget* w : pencere->findChildren<QWidget*>()) {
        if (w->window() != pencere || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled()
            || !w->isVisibleTo(pencere))
            continue;
        w->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QAccessibleInterface* oge = QAccessible::queryAccessibleInterface(w);
        QString ad = QString::fromLatin1(w->metaObject()->className());
        if (oge)
            ad += QStringLiteral(" \"") + oge->text(QAccessible::Name) + QLatin1Char('"');
        if (!w->hasFocus())
            sonuc << ad + QStringLiteral(": odağı almadı");
        else if (!oge || !oge->state().focused)
            sonuc << ad + QStringLiteral(": odaktayken odakta olduğunu söylemiyor");
        else if (!oge->state().focusable)
            sonuc << ad + QStringLiteral(": odak alıyor ama odaklanabilir olduğunu söylemiyor");
    }
    return sonuc;
}
