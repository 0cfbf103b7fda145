#include "plotcore/rasterfiles.h"

#include <QImageWriter>

bool T_WritePng(const QImage& image, const QString& path) {
    QImageWriter w(path, "png");
    return !image.isNull() && w.write(image);
}

bool T_WriteJpeg(const QImage& image, const QString& path) {
    if (image.isNull())
        return false;
    QImageWriter w(path, "jpeg");
    w.setQuality(100);
    return w.write(image.convertToFormat(QImage::Format_RGB888));
}

bool T_WriteRaster(const QImage& image, TRasterFormat format, int bits, const QString& path) {
    switch (format) {
    case TRasterFormat::Bmp:
        return T_WriteBmp(image, bits, path);
    case TRasterFormat::Gif:
        return T_WriteGif(image, path);
    case TRasterFormat::Png:
        return T_WritePng(image, path);
    case TRasterFormat::Jpeg:
        return T_WriteJpeg(image, path);
    }
    return false;
}
