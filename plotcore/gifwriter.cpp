#include "plotcore/rasterfiles.h"
#include "plotcore/tccolorpalette.h"

#include <QFile>
#include <gif_lib.h>
#include <vector>

bool T_WriteGif(const QImage& image, const QString& path) {
    // The format keeps sizes in 16 bits.
    if (image.isNull() || image.width() > 65535 || image.height() > 65535)
        return false;
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    TCColorPalette palette = TCColorPalette::FromImage(src, 256);

    // A GIF colour table holds a power of two entries.
    int tableSize = 2;
    while (tableSize < palette.Size())
        tableSize *= 2;
    std::vector<GifColorType> table(size_t(tableSize), GifColorType{0, 0, 0});
    for (int i = 0; i < palette.Size(); ++i) {
        const QRgb c = palette.Colors()[i];
        table[size_t(i)] =
            GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    ColorMapObject* map = GifMakeMapObject(tableSize, table.data());
    if (!map)
        return false;

    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    bool ok = gif != nullptr;
    if (ok) {
        EGifSetGifVersion(gif, true);
        ok = EGifPutScreenDesc(gif, src.width(), src.height(), 8, 0, map) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, src.width(), src.height(), false, nullptr) == GIF_OK;
        std::vector<GifPixelType> line(size_t(src.width()));
        for (int y = 0; ok && y < src.height(); ++y) {
            const QRgb* px = reinterpret_cast<const QRgb*>(src.constScanLine(y));
            for (int x = 0; x < src.width(); ++x)
                line[size_t(x)] = GifPixelType(palette.IndexOf(px[x]));
            ok = EGifPutLine(gif, line.data(), src.width()) == GIF_OK;
        }
        ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    }
    GifFreeMapObject(map);
    if (!ok)
        QFile::remove(path);
    return ok;
}
