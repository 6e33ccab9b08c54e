#pragma once
#include "sesnumaralari.h"

#include <QString>
#include <QtGlobal>

struct SesSecenek
{
    bool bekle = false; // true: return only when the sound has finished
};

// The loaded sound library; `yol` is empty while none is loaded.
struct SesModulu
{
    QString yol;
};

// Loads the sound library; a relative name is looked up beside the program,
// then in the program's installed data folder (../share/orvanta6).
// A missing or damaged file leaves no library loaded and reports nothing.
void SesKutuphanesiYukle(const QString& ad);
void SesKutuphanesiBirak();
const SesModulu& SesKutuphanesi();

// Plays a sound asynchronously through the environment (tests record it).
void SesCal(quint16 numara);
// Plays sound `numara` from `modul`, cutting off the one playing. Without a
// library, without that sound or without an audio device the system beep stands in.
// The player (a module beside the program, or in its installed library folder)
// is loaded on the first call, and only where a sound server runs.
void SesCalSecenekli(quint16 numara, SesSecenek secenek, const SesModulu& modul);
