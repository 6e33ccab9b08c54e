#pragma once
#include <QByteArray>
#include <QChar>

class QTextDocument;

// Fills the document (cleared first) from RTF bytes. Never throws, never crashes, never hangs on any input.
// Text outside \u escapes is read as code page 1254; character formats carry bold, italic, underline,
// point size and colour, block formats carry the alignment.
void RtfOku(const QByteArray& veri, QTextDocument* belge);

// Decodes one code page 1254 byte to its Unicode character; bytes the code page leaves undefined give U+FFFD.
QChar Cp1254Karakter(unsigned char bayt);
