#include "plotcore/rasterfiles.h"
#include "plotcore/tccolorpalette.h"

#include <QSaveFile>
#include <QtEndian>
#include <vector>

namespace {

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;
constexpr qint32 kPixelsPerMeter = 3780; // 96 dots per inch

int BmpBits(int bits) {
    return bits == 4 || bits == 8 || bits == 16 || bits == 24 ? bits : 1;
}

template <typename T> void Put(std::vector<uchar>& b, size_t at, T v) {
    qToLittleEndian<T>(v, b.data() + at);
}

} // namespace

bool T_WriteBmp(const QImage& image, int bits, const QString& path) {
    if (image.isNull())
        return false;
    bits = BmpBits(bits);
    const QImage src =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const qint64 w = src.width(), h = src.height();

    TCColorPalette palette = bits == 1   ? TCColorPalette::BlackWhite()
                             : bits <= 8 ? TCColorPalette::FromImage(src, 1 << bits)
                                         : TCColorPalette();
    const int colors = bits <= 8 ? palette.Size() : 0;
    const qint64 stride = (w * bits + 31) / 32 * 4;
    const qint64 offset = kFileHeader + kInfoHeader + 4 * colors;
    const qint64 fileSize = offset + stride * h;
    if (fileSize > 0xFFFFFFFFLL)
        return false;

    std::vector<uchar> head(size_t(offset), 0);
    head[0] = 'B';
    head[1] = 'M';
    Put<quint32>(head, 2, quint32(fileSize));
    Put<quint32>(head, 10, quint32(offset));
    Put<quint32>(head, 14, kInfoHeader);
    Put<qint32>(head, 18, qint32(w));
    Put<qint32>(head, 22, qint32(h)); // positive: rows bottom-up
    Put<quint16>(head, 26, 1);
    Put<quint16>(head, 28, quint16(bits));
    Put<quint32>(head, 30, 0); // uncompressed
    Put<quint32>(head, 34, quint32(stride * h));
    Put<qint32>(head, 38, kPixelsPerMeter);
    Put<qint32>(head, 42, kPixelsPerMeter);
    Put<quint32>(head, 46, quint32(colors));
    for (int i = 0; i < colors; ++i) {
        const QRgb c = palette.Colors()[i];
        uchar* e = head.data() + kFileHeader + kInfoHeader + 4 * i;
        e[0] = uchar(qBlue(c));
        e[1] = uchar(qGreen(c));
        e[2] = uchar(qRed(c));
    }

    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(reinterpret_cast<const char*>(head.data()), qint64(head.size())) != offset)
        return false;
    std::vector<uchar> row(static_cast<size_t>(stride));
    for (qint64 y = h - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const QRgb* px = reinterpret_cast<const QRgb*>(src.constScanLine(int(y)));
        for (qint64 x = 0; x < w; ++x) {
            const QRgb c = px[x];
            switch (bits) {
            case 24:
                row[size_t(3 * x)] = uchar(qBlue(c));
                row[size_t(3 * x + 1)] = uchar(qGreen(c));
                row[size_t(3 * x + 2)] = uchar(qRed(c));
                break;
            case 16:
                qToLittleEndian<quint16>(
                    quint16(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3)),
                    row.data() + 2 * x);
                break;
            default: {
                // Indexes packed from the high bits of each byte.
                const int index = palette.IndexOf(c);
                const qint64 bit = x * bits;
                row[size_t(bit / 8)] |= uchar(index << (8 - bits - bit % 8));
            }
            }
        }
        if (f.write(reinterpret_cast<const char*>(row.data()), stride) != stride)
            return false;
    }
    return f.commit();
}
