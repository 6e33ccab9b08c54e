#include "testkaydi.h"

#include <QGuiApplication>

// The tests of the models run without widgets: a QGuiApplication serves the
// models that compute on images and fonts.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication uygulama(argc, argv);
    return KayitliTestleriCalistir(uygulama);
}
