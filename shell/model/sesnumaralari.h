#pragma once
#include <QtGlobal>

// Sounds of the program, kept in the sound library Sesler.rcc beside it:
// 1256 neutral confirmation, 1257 congratulation, 1258 error or refused move.
// The rules name them; the sound service in shell/ses.h plays them.
constexpr quint16 SES_NOTR = 1256;
constexpr quint16 SES_TEBRIK = 1257;
constexpr quint16 SES_HATA = 1258;
