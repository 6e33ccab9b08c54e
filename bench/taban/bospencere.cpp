// The floor of the start-up figures: a bare Qt window shown maximised over the
// screen, in a program that links Qt Widgets and nothing of ours.
#include "../cocukbildirimi.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace {
class BosPencere : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!boyandi_) {
            boyandi_ = true;
            QTimer::singleShot(0, [] { cocuk::BoyandiBildir(); });
        }
    }

private:
    bool boyandi_ = false;
};
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    BosPencere pencere;
    if (QScreen* ekran = QGuiApplication::primaryScreen())
        pencere.setGeometry(ekran->availableGeometry());
    pencere.showMaximized();
    return uygulama.exec();
}
