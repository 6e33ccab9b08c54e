#include "rtfokuyucu.h"

#include <QByteArray>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// Filling a document needs no application object: nothing here lays out or paints text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut)
{
    static QTextDocument* const belge = new QTextDocument;
    RtfOku(QByteArray::fromRawData(reinterpret_cast<const char*>(veri), qsizetype(boyut)), belge);
    return 0;
}
