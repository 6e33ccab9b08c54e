#include "olcum.h"
#include "rtfokuyucu.h"

#include <QTextDocument>

namespace {

// A document of 70 000 short bold paragraphs read by the RTF reader, against
// the same text set as plain text: the reader stays linear in its input.
void RtfBuyukBelge()
{
    const int paragraflar = 70000;
    QByteArray rtf("{\\rtf1\\ansi ");
    QString duz;
    for (int i = 0; i < paragraflar; ++i) {
        rtf += "{\\b \\'fd}\\par ";
        duz += QStringLiteral("ı\n");
    }
    rtf += '}';
    const double taban = OrtancaSure(
        [&] {
            QTextDocument belge;
            belge.setPlainText(duz);
        },
        3);
    const double sure = OrtancaSure(
        [&] {
            QTextDocument belge;
            RtfOku(rtf, &belge);
        },
        3);
    OlcumYaz("rtf_buyuk_belge_70000_paragraf", sure, "ms", taban);
}

} // namespace

ORVANTA_OLCUM(RtfBuyukBelge, 50)
