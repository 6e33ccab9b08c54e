#pragma once
#include <QString>

// The two-language message table of the sets windows: captions and messages by number.
constexpr int DIL_INGILIZCE = 0;
constexpr int DIL_TURKCE = 1;
constexpr int DIL_METIN_SAYISI = 98;

// Entry `numara` (0..97) of the English (0) or Turkish (1) table; any other language or number gives an empty text.
QString DilMetni(int dil, int numara);

// The program-wide current language of the sets windows; starts Turkish.
int& GecerliDil();
