#pragma once
// Writers of picture files. Each returns false when the file could not be written completely;
// a failed BMP save leaves any earlier file of that name in place.

#include <QImage>
#include <QString>

enum class TRasterFormat { Bmp, Gif, Png, Jpeg };

// Uncompressed BMP at 1, 4, 8, 16 (5-5-5) or 24 bits per pixel; other depths write 1 bit.
// 1 bit uses black and white; 4 and 8 bits a palette of the picture's own colours (the most
// frequent ones when there are more than fit).
bool T_WriteBmp(const QImage& image, int bits, const QString& path);
// GIF with a palette of up to 256 of the picture's colours.
bool T_WriteGif(const QImage& image, const QString& path);
// PNG with the pixels of the image as given (indexed images stay indexed).
bool T_WritePng(const QImage& image, const QString& path);
// JPEG at 24 bits, quality 100.
bool T_WriteJpeg(const QImage& image, const QString& path);
// One of the above; `bits` is used by BMP only.
bool T_WriteRaster(const QImage& image, TRasterFormat format, int bits, const QString& path);
