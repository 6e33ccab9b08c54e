#include "testkaydi.h"
#include "testortami.h"

#include <QGuiApplication>
#include <QTest>

// Without Qt Widgets no window exists, so none can be shown modally.
int TestOrtami::ModalGoster(QDialog&)
{
    QTest::qFail("bir model testi pencere gösterdi", __FILE__, __LINE__);
    return 0; // rejected
}

// The tests of the models run without widgets: a QGuiApplication serves the
// models that compute on images and fonts.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication uygulama(argc, argv);
    return KayitliTestleriCalistir(uygulama);
}
