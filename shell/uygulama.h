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
    bool notify(QObject* alici, QEvent* olay) override;
};

// Runs `is` as the event boundary would: an escaping error is shown through
// the environment. Returns false when one was shown.
bool HataSinirinda(const std::function<void()>& is);

// Application name, display name, font and icon: set once at start.
void UygulamaAyarla(QApplication& uygulama);
