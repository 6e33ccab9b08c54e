#pragma once
#include <QApplication>
#include <functional>

// The application object of the program and of the window tests. Its event
// boundary catches the conversion error (and any other exception a handler
// lets escape) and shows it through the environment; the window goes on.
class OrvantaUygulamasi : public QApplication
{
public:
    OrvantaUygulamasi(int& argc, char** argv);
    // Waits for the work it handed to the pool, before Qt takes down what it uses.
    ~OrvantaUygulamasi() override;
    bool notify(QObject* alici, QEvent* olay) override;
};

// Runs `is` as the event boundary would: an escaping error is shown through
// the environment. Returns false when one was shown.
bool HataSinirinda(const std::function<void()>& is);

// Application name, desktop file name, fonts and translation: set once at start.
void UygulamaAyarla(QApplication& uygulama);

// The windows' icon. Drawing it from its picture costs the start a few
// milliseconds, so the menu sets it once it has been painted.
void PencereSimgesiKur();
