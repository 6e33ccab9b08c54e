#include "aracubugu.h"
#include "gorunum.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include <memory>

namespace {
// Enter on a focused button of the command bar presses it, as Space does: the
// window itself lets Enter press nothing, but a pupil who has gone to a
// command with Tab means that command. (A button among the activity's own
// controls leaves Enter to them: the number line moves the rabbit with it.)
class EnterIleBasilir : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() != QEvent::KeyPress)
            return false;
        const auto* tus = static_cast<QKeyEvent*>(olay);
        if (tus->key() != Qt::Key_Return && tus->key() != Qt::Key_Enter)
            return false;
        if (!tus->isAutoRepeat())
            static_cast<QPushButton*>(nesne)->click();
        return true;
    }
};
}

AracCubugu::AracCubugu(QWidget* ebeveyn, TRenk renk) : QFrame(ebeveyn)
{
    ZeminVer(this, renk);
    duzen_ = new QHBoxLayout(this);
    duzen_->setContentsMargins(4, 3, 4, 3);
    duzen_->setSpacing(4);
}

QPushButton* AracCubugu::Dugme(QAction* eylem, const QString& baslik, int genislik)
{
    QPushButton* b = EylemDugmesiYap(eylem, this, baslik);
    b->setFont(Yazi(YaziAilesi::Arial, 14));
    b->setFixedHeight(36);
    b->setProperty("genislik", genislik);
    // Reached by Tab after the window's content; a click leaves the focus
    // where it was, in the box the pupil is typing into.
    b->setFocusPolicy(Qt::TabFocus);
    b->installEventFilter(new EnterIleBasilir(b));
    duzen_->addWidget(b);
    return b;
}

void AracCubugu::GenisligeUyar(int pencereGenisligi)
{
    const bool genis = pencereGenisligi >= 1000;
    for (QPushButton* b : findChildren<QPushButton*>()) {
        const int tasarim = b->property("genislik").toInt();
        if (tasarim > 0)
            b->setMinimumWidth(genis ? tasarim : 60);
    }
}

void AracCubugu::KapatmaDugmesiEkle(QPushButton* kapat)
{
    kapat->setParent(this);
    kapat->setFixedSize(44, 38);
    kapat->setIconSize(QSize(30, 30));
    duzen_->addWidget(kapat);
    duzen_->addStretch(1);
}

QPushButton* EylemDugmesiYap(QAction* eylem, QWidget* ebeveyn, const QString& baslik)
{
    auto* dugme = new QPushButton(baslik.isEmpty() ? eylem->text() : baslik, ebeveyn);
    dugme->setAutoDefault(false);
    dugme->setDefault(false);
    dugme->setEnabled(eylem->isEnabled());
    if (!eylem->isVisible())
        dugme->setVisible(false);
    // The button follows its action from now on. Text and visibility are
    // copied only when the action's own changes, so a window that hides a
    // button or gives it a caption of its own keeps it until the action
    // says otherwise.
    struct Son
    {
        QString metin;
        bool gorunur;
    };
    auto son = std::make_shared<Son>(Son{eylem->text(), eylem->isVisible()});
    auto esle = [dugme, eylem, son] {
        dugme->setEnabled(eylem->isEnabled());
        if (eylem->isVisible() != son->gorunur) {
            son->gorunur = eylem->isVisible();
            dugme->setVisible(son->gorunur);
        }
        if (eylem->text() != son->metin) {
            son->metin = eylem->text();
            dugme->setText(son->metin);
        }
        if (dugme->isCheckable())
            dugme->setChecked(eylem->isChecked());
    };
    // A window may make the button of a checkable action a plain one (its
    // caption telling the state instead).
    dugme->setCheckable(eylem->isCheckable());
    esle();
    QObject::connect(eylem, &QAction::changed, dugme, esle);
    // A checkable button has turned itself already; the action decides what
    // it shows (an action in an exclusive group may refuse to turn off).
    QObject::connect(dugme, &QPushButton::clicked, eylem, [eylem, esle] {
        eylem->trigger();
        esle();
    });
    return dugme;
}
