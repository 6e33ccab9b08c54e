// Draws a picture of the program's art at its natural size and writes its
// premultiplied ARGB pixels, row after row, for the resources: the picture
// box unpacks them at start instead of drawing the SVG.
//   orvanta-oncizim resim.svg cikti
#include "svgcizim.h"

#include <QSaveFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "kullanım: %s resim.svg çıktı\n", argv[0]);
        return 2;
    }
    const QImage resim = SvgCizim(QString::fromLocal8Bit(argv[1]), QSize(), 1.0);
    if (resim.isNull() || resim.format() != QImage::Format_ARGB32_Premultiplied
        || resim.bytesPerLine() != resim.width() * 4) {
        std::fprintf(stderr, "%s çizilemedi\n", argv[1]);
        return 1;
    }
    QSaveFile cikti(QString::fromLocal8Bit(argv[2]));
    if (!cikti.open(QIODevice::WriteOnly)
        || cikti.write(reinterpret_cast<const char*>(resim.constBits()), resim.sizeInBytes()) != resim.sizeInBytes()
        || !cikti.commit()) {
        std::fprintf(stderr, "%s yazılamadı\n", argv[2]);
        return 1;
    }
    return 0;
}
