#include "plotcore/rasterfiles.h"
#include "plotcore/tccolorpalette.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A small picture with few colours: white ground, black lines, grey and red blocks.
QImage FewColours() {
    QImage img(37, 23, QImage::Format_RGB32); // odd sizes exercise the row padding
    img.fill(qRgb(255, 255, 255));
    for (int y = 0; y < img.height(); ++y) {
        img.setPixel(3, y, qRgb(0, 0, 0));
        for (int x = 10; x < 20; ++x)
            img.setPixel(x, y, y < 12 ? qRgb(150, 150, 150) : qRgb(255, 0, 0));
    }
    img.setPixel(36, 22, qRgb(0, 128, 128));
    return img;
}

// More colours than any palette: a gradient over a white ground.
QImage ManyColours() {
    QImage img(64, 40, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 64; ++x)
            img.setPixel(x, y, qRgb(x * 4, y * 12, 128));
    return img;
}

double MeanChannelError(const QImage& a, const QImage& b) {
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

int MaxChannelError(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

// A ramp of greys from black to white over the width, above the few-colour picture.
QImage GreysAndFewColours() {
    const QImage few = FewColours();
    QImage img(256, 8 + few.height(), QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 256; ++x)
            img.setPixel(x, y, qRgb(x, x, x));
    QPainter(&img).drawImage(0, 8, few);
    return img;
}

int SquaredDistance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

// The colour table of a BMP file of at most 8 bits per pixel, as the file stores it.
std::vector<QRgb> FilePalette(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    if (b.size() < 54)
        return {};
    const int bits = qFromLittleEndian<quint16>(b.constData() + 28);
    quint32 count = qFromLittleEndian<quint32>(b.constData() + 46);
    if (count == 0)
        count = 1u << bits;
    std::vector<QRgb> colors;
    for (quint32 i = 0; i < count && 54 + 4 * qsizetype(i) + 3 <= b.size(); ++i) {
        const char* e = b.constData() + 54 + 4 * i;
        colors.push_back(qRgb(uchar(e[2]), uchar(e[1]), uchar(e[0])));
    }
    return colors;
}

std::string Hex(QRgb c) {
    return QString::number(c & 0xFFFFFF, 16).rightJustified(6, QLatin1Char('0')).toStdString();
}

// Every pixel read back is an entry of the palette, and one as near to the source pixel as any.
::testing::AssertionResult NearestEntries(const QImage& src, const QImage& back,
                                          const std::vector<QRgb>& palette) {
    if (back.size() != src.size())
        return ::testing::AssertionFailure() << "size differs";
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb want = src.pixel(x, y), got = back.pixel(x, y) | 0xFF000000u;
            int best = INT_MAX;
            for (QRgb c : palette)
                best = std::min(best, SquaredDistance(want, c));
            if (std::find(palette.begin(), palette.end(), got) == palette.end() ||
                SquaredDistance(want, got) != best)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << ": "
                                                     << Hex(want) << " read back as " << Hex(got);
        }
    return ::testing::AssertionSuccess();
}

class RasterFiles : public ::testing::Test {
protected:
    QString Path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(RasterFiles, BmpHeaderCarriesTheDepthAndQtReadsItBack) {
    struct Case {
        int bits;
        int worstFew; // largest channel error allowed for the few-colour picture; -1: each
                      // pixel is the nearest entry of the file's palette
    } const cases[] = {
        {24, 0}, {16, 7}, {8, 0}, {4, 0}, {1, -1},
    };
    const QImage src = FewColours();
    for (const Case& c : cases) {
        const QString path = Path("out.bmp");
        ASSERT_TRUE(T_WriteBmp(src, c.bits, path)) << c.bits;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(uchar(bytes[28]), c.bits);
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 2), quint32(bytes.size()));
        const QImage back(path);
        ASSERT_FALSE(back.isNull()) << c.bits;
        EXPECT_EQ(back.size(), src.size());
        if (c.worstFew >= 0) {
            EXPECT_LE(MaxChannelError(src, back), c.worstFew) << c.bits;
        } else {
            EXPECT_TRUE(NearestEntries(src, back, FilePalette(path))) << c.bits;
        }
    }
}

TEST_F(RasterFiles, OneBitIsBlackAndWhite) {
    const QImage src = GreysAndFewColours();
    ASSERT_TRUE(T_WriteBmp(src, 1, Path("mono.bmp")));
    const std::vector<QRgb> palette = FilePalette(Path("mono.bmp"));
    EXPECT_EQ(palette, (std::vector<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    const QImage back(Path("mono.bmp"));
    EXPECT_TRUE(NearestEntries(src, back, palette));
    // Greys up to 127 are nearer to black, from 128 on to white; red is nearer to black.
    EXPECT_EQ(back.pixel(127, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(back.pixel(128, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(back.pixel(15, 8 + 20) & 0xFFFFFF, 0u);
    // Any other depth counts as one bit.
    ASSERT_TRUE(T_WriteBmp(src, 7, Path("seven.bmp")));
    QFile f(Path("seven.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(uchar(f.read(30)[28]), 1);
}

TEST_F(RasterFiles, PalettesKeepTheMostFrequentColours) {
    const QImage src = ManyColours();
    for (int bits : {4, 8}) {
        ASSERT_TRUE(T_WriteBmp(src, bits, Path("many.bmp")));
        const QImage back(Path("many.bmp"));
        ASSERT_EQ(back.size(), src.size());
        // The white half is the most frequent colour and survives exactly; every other pixel
        // becomes the palette entry nearest to it.
        for (int y = 20; y < 40; y += 5)
            EXPECT_EQ(back.pixel(7, y) & 0xFFFFFF, 0xFFFFFFu) << bits;
        const std::vector<QRgb> palette = FilePalette(Path("many.bmp"));
        EXPECT_EQ(palette.size(), size_t(1) << bits);
        EXPECT_TRUE(NearestEntries(src, back, palette)) << bits;
    }
    TCColorPalette p = TCColorPalette::FromImage(FewColours(), 16);
    EXPECT_EQ(p.Size(), 5);
    EXPECT_EQ(p.Colors()[0], qRgb(255, 255, 255));
    EXPECT_EQ(p.Colors()[p.IndexOf(qRgb(0, 128, 128))], qRgb(0, 128, 128));
    EXPECT_EQ(p.Colors()[p.IndexOf(qRgb(140, 140, 160))], qRgb(150, 150, 150));
    QImage white(4, 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    TCColorPalette blank = TCColorPalette::FromImage(white, 16);
    EXPECT_EQ(blank.Size(), 2);
}

TEST_F(RasterFiles, GifPngAndJpegOpenAgainInQt) {
    struct Case {
        TRasterFormat format;
        const char* name;
        double meanError; // JPEG smears colour edges, the others are exact
    } const cases[] = {
        {TRasterFormat::Gif, "out.gif", 0},
        {TRasterFormat::Png, "out.png", 0},
        {TRasterFormat::Jpeg, "out.jpg", 3},
        {TRasterFormat::Bmp, "out.bmp", 0},
    };
    const QImage src = FewColours();
    for (const Case& c : cases) {
        ASSERT_TRUE(T_WriteRaster(src, c.format, 24, Path(c.name))) << c.name;
        const QImage back(Path(c.name));
        ASSERT_FALSE(back.isNull()) << c.name;
        EXPECT_EQ(back.size(), src.size()) << c.name;
        EXPECT_LE(MeanChannelError(src, back), c.meanError) << c.name;
    }
    QFile jpeg(Path("out.jpg"));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(jpeg.read(3) == QByteArray("\xFF\xD8\xFF"));
    // An image that went through an indexed BMP writes as GIF too.
    ASSERT_TRUE(T_WriteBmp(ManyColours(), 8, Path("idx.bmp")));
    ASSERT_TRUE(T_WriteGif(QImage(Path("idx.bmp")), Path("idx.gif")));
    EXPECT_EQ(QImage(Path("idx.gif")).size(), QSize(64, 40));
}

// The quantisation values and the colour component count of a baseline JPEG file.
struct JpegFacts {
    std::vector<int> quant;
    int components = 0;
};

JpegFacts ReadJpegFacts(const QByteArray& b) {
    JpegFacts facts;
    int at = 2;
    while (at + 4 <= b.size() && uchar(b[at]) == 0xFF) {
        const int marker = uchar(b[at + 1]);
        const int len = qFromBigEndian<quint16>(b.constData() + at + 2);
        const char* body = b.constData() + at + 4;
        if (marker == 0xDA) // the scan starts: no more headers
            break;
        if (marker == 0xDB) {
            for (int t = 0; t + 65 <= len - 2; t += 65) // 8-bit tables: Pq/Tq byte + 64 values
                for (int i = 1; i <= 64; ++i)
                    facts.quant.push_back(uchar(body[t + i]));
        }
        if (marker == 0xC0)
            facts.components = uchar(body[5]);
        at += 2 + len;
    }
    return facts;
}

TEST_F(RasterFiles, JpegIsFullQualityColourEvenForABlackAndWhiteImage) {
    const QImage mono = FewColours().convertToFormat(QImage::Format_Mono);
    for (const QImage& src : {FewColours(), mono}) {
        ASSERT_TRUE(T_WriteJpeg(src, Path("q.jpg")));
        QFile f(Path("q.jpg"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const JpegFacts facts = ReadJpegFacts(f.readAll());
        EXPECT_EQ(facts.components, 3) << src.format();
        ASSERT_FALSE(facts.quant.empty());
        // Quality 100 divides every coefficient by 1.
        EXPECT_EQ(*std::max_element(facts.quant.begin(), facts.quant.end()), 1);
    }
}

TEST_F(RasterFiles, UnwritablePathsFail) {
    const QString bad = dir.filePath(QStringLiteral("missing/folder/out"));
    const QImage src = FewColours();
    for (TRasterFormat f :
         {TRasterFormat::Bmp, TRasterFormat::Gif, TRasterFormat::Png, TRasterFormat::Jpeg})
        EXPECT_FALSE(T_WriteRaster(src, f, 24, bad)) << int(f);
    EXPECT_FALSE(T_WriteBmp(QImage(), 24, Path("null.bmp")));
    EXPECT_FALSE(QFile::exists(Path("null.bmp")));
}

} // namespace
