// Byte order, sample formats, textual header codes and dates.

#include "trcfile/segycodec.h"
#include "trcfile/segyfields.h"
#include "trcfile/tcsegyreaderex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <vector>

using namespace trc;

TEST(SegyCodec, IntegersInBothOrders) {
    struct Case {
        int size;
        int64_t value;
        std::vector<unsigned char> big;
    };
    const Case cases[] = {
        {2, 1, {0x00, 0x01}},
        {2, -2, {0xFF, 0xFE}},
        {2, 32767, {0x7F, 0xFF}},
        {2, -32768, {0x80, 0x00}},
        {4, 0x01020304, {0x01, 0x02, 0x03, 0x04}},
        {4, -1, {0xFF, 0xFF, 0xFF, 0xFF}},
        {4, -2147483647 - 1, {0x80, 0x00, 0x00, 0x00}},
        {8, int64_t(0x0102030405060708), {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::vector<unsigned char> little(c.big.rbegin(), c.big.rend());
        EXPECT_EQ(GetInt(c.big.data(), c.size, true), c.value);
        EXPECT_EQ(GetInt(little.data(), c.size, false), c.value);
        std::vector<unsigned char> buf(size_t(c.size));
        PutInt(buf.data(), c.size, c.value, true);
        EXPECT_EQ(buf, c.big);
        PutInt(buf.data(), c.size, c.value, false);
        EXPECT_EQ(buf, little);
    }
    // Values too wide for a field keep their low bytes.
    unsigned char two[2];
    PutInt(two, 2, 0x12345, true);
    EXPECT_EQ(GetInt(two, 2, true), 0x2345);
}

TEST(SegyCodec, IbmFloatKnownPatterns) {
    struct Case {
        uint32_t ibm;
        float value;
    };
    const Case cases[] = {
        {0x00000000, 0.0f},       {0x41100000, 1.0f},      {0xC1100000, -1.0f},
        {0x42640000, 100.0f},     {0xC276A000, -118.625f}, {0x40800000, 0.5f},
        {0x3F100000, 1.0f / 256}, {0x44F42400, 62500.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ibm);
        EXPECT_EQ(IbmToFloat(c.ibm), c.value);
        if (c.value != 0) {
            EXPECT_EQ(FloatToIbm(c.value), c.ibm);
        }
    }
    EXPECT_EQ(FloatToIbm(0.0f), 0u);
    EXPECT_EQ(FloatToIbm(std::numeric_limits<float>::quiet_NaN()), 0u);
    EXPECT_EQ(FloatToIbm(std::numeric_limits<float>::infinity()), 0x7FFFFFFFu);
}

// Encoding rounds the fraction to the nearest 24-bit value, ties to even. Each word is derived by
// hand from the float's bits: a = f x 16^e with 1/16 <= f < 1, word = sign | (e + 64) << 24 |
// round(f x 2^24). A float has 24 significant bits and f keeps 21 to 24 of them, so rounding
// drops up to 3 bits; it can carry through every fraction digit but never past 2^24 into the
// exponent (f x 2^24 < 2^23 whenever bits are dropped).
TEST(SegyCodec, IbmEncodingRoundsToNearest) {
    struct Case {
        uint32_t bits; // the float
        uint32_t ibm;
        const char* why;
    };
    const Case cases[] = {
        {0x3DCCCCCD, 0x4019999A, "0.1: 1677721.625 rounds up (truncation gives 0x40199999)"},
        {0xBDCCCCCD, 0xC019999A, "-0.1: the magnitude rounds, not toward minus infinity"},
        {0x3EAAAAAB, 0x40555556, "1/3: 5592405.5, a tie, to the even 5592406"},
        {0x3E800001, 0x40400000, "0.25 + 2^-25: 4194304.5, a tie, down to the even 4194304"},
        {0x3E800003, 0x40400002, "0.25 + 3 x 2^-25: 4194305.5, a tie, up to the even 4194306"},
        {0x3D800007, 0x40100001, "1/16 + 7 x 2^-27: 1048576.875, three bits dropped, up"},
        {0x3EFFFFFF, 0x40800000, "largest below 1/2: 8388607.5 carries through to 0x800000"},
        {0x3DFFFFFF, 0x40200000, "largest below 1/8: 2097151.875 carries through to 0x200000"},
        {0x3D7FFFFF, 0x3FFFFFFF, "largest below 1/16: exact in the lower exponent"},
        {0x4C000003, 0x47200001, "33554444 = (2^21 + 0.75) x 16: rounds up"},
        {0x4B7FFFFF, 0x46FFFFFF, "16777215: exact"},
        {0x3F800000, 0x41100000, "1"},
        {0x42C80000, 0x42640000, "100"},
        {0x00000000, 0x00000000, "zero"},
        {0x80000000, 0x00000000, "negative zero is written as zero"},
        {0x7F7FFFFF, 0x60FFFFFF, "largest float: (1 - 2^-24) x 16^32"},
        {0xFF7FFFFF, 0xE0FFFFFF, "most negative float"},
        {0x00800000, 0x21400000, "smallest normal float 2^-126 = 1/4 x 16^-31"},
        {0x00000001, 0x1B800000, "smallest subnormal float 2^-149 = 1/2 x 16^-37"},
        {0x80000001, 0x9B800000, "its negative"},
    };
    for (const Case& c : cases) {
        float value = 0;
        std::memcpy(&value, &c.bits, sizeof value);
        EXPECT_EQ(FloatToIbm(value), c.ibm) << std::hex << c.bits << ": " << c.why;
        // The words are exact: they decode to the float rounded to IBM precision.
        if (c.ibm != 0) {
            EXPECT_EQ(FloatToIbm(IbmToFloat(c.ibm)), c.ibm) << c.why;
        }
    }
}

TEST(SegyCodec, IbmFloatRoundTripKeepsSixDigits) {
    // IBM keeps 21 to 24 significant bits, so a round trip is within 2^-20 relative.
    for (double v : {1e-30, 3.3e-7, 0.1, 0.7, 1.5, 3.14159, 255.99, 1e5, 6.5e9, 1e37}) {
        for (double sign : {1.0, -1.0}) {
            const float f = float(v * sign);
            const float back = IbmToFloat(FloatToIbm(f));
            EXPECT_NEAR(back, f, std::fabs(f) * 1e-6) << f;
        }
    }
}

TEST(SegyCodec, SamplesOfEveryFormatAndOrder) {
    const std::vector<float> values = {0.0f, 1.0f, -1.0f, 100.0f, -118.0f, 127.0f, -128.0f};
    for (int format : {1, 2, 3, 5, 8}) {
        for (bool big : {true, false}) {
            SCOPED_TRACE(testing::Message() << "format " << format << " big " << big);
            const size_t size = size_t(SampleSize(format));
            std::vector<unsigned char> raw(values.size() * size);
            ASSERT_TRUE(EncodeSamples(format, big, values.data(), raw.data(), values.size()));
            std::vector<float> back(values.size());
            ASSERT_TRUE(DecodeSamples(format, big, raw.data(), back.data(), values.size()));
            EXPECT_EQ(back, values);
            // Sample 1 is 1.0: its bytes in the standard order, reversed for little-endian.
            std::vector<unsigned char> one(raw.begin() + long(size), raw.begin() + long(2 * size));
            std::vector<unsigned char> expect =
                format == 1   ? std::vector<unsigned char>{0x41, 0x10, 0, 0}
                : format == 2 ? std::vector<unsigned char>{0, 0, 0, 1}
                : format == 3 ? std::vector<unsigned char>{0, 1}
                : format == 5 ? std::vector<unsigned char>{0x3F, 0x80, 0, 0}
                              : std::vector<unsigned char>{1};
            if (!big)
                std::reverse(expect.begin(), expect.end());
            EXPECT_EQ(one, expect);
        }
    }
    EXPECT_FALSE(DecodeSamples(4, true, nullptr, nullptr, 0));
    EXPECT_EQ(SampleSize(4), 0);
    EXPECT_EQ(SampleSize(0), 0);
}

TEST(SegyCodec, IntegerFormatsRoundAndSaturate) {
    const float in[] = {1.4f, 1.6f, -1.6f, 1e10f, -1e10f, std::numeric_limits<float>::quiet_NaN()};
    struct Case {
        int format;
        std::vector<float> expect;
    };
    const Case cases[] = {
        {2, {1, 2, -2, 2147483647.0f, -2147483648.0f, 0}},
        {3, {1, 2, -2, 32767, -32768, 0}},
        {8, {1, 2, -2, 127, -128, 0}},
    };
    for (const Case& c : cases) {
        unsigned char raw[6 * 4];
        float back[6];
        EncodeSamples(c.format, true, in, raw, 6);
        DecodeSamples(c.format, true, raw, back, 6);
        EXPECT_EQ(std::vector<float>(back, back + 6), c.expect) << c.format;
    }
}

TEST(SegyCodec, TextBlocksInEbcdicAndAscii) {
    std::vector<unsigned char> block(3200, ' ');
    const char card[] = "C 1 CLIENT GRAVIK LINE 7";
    std::memcpy(block.data(), card, sizeof card - 1);
    EXPECT_FALSE(IsEbcdicText(block.data(), block.size()));
    EXPECT_EQ(DecodeTextLine(block.data(), 80, false), card);

    std::vector<unsigned char> ebcdic = block;
    AsciiToEbcdic(ebcdic.data(), ebcdic.size());
    EXPECT_EQ(ebcdic[0], 0xC3); // 'C'
    EXPECT_EQ(ebcdic[1], 0x40); // blank
    EXPECT_TRUE(IsEbcdicText(ebcdic.data(), ebcdic.size()));
    EXPECT_EQ(DecodeTextLine(ebcdic.data(), 80, true), card);

    // Windows-1251 Cyrillic in an ASCII block comes out as UTF-8; control bytes as blanks.
    const unsigned char cyr[] = {0xCF, 0xF0, 0xEE, 0x09, 'A', 0x00};
    EXPECT_EQ(DecodeTextLine(cyr, sizeof cyr, false), "Про A");
    // A block of zeros is blank text, not EBCDIC.
    std::vector<unsigned char> zeros(3200, 0);
    EXPECT_FALSE(IsEbcdicText(zeros.data(), zeros.size()));
    EXPECT_EQ(DecodeTextLine(zeros.data(), 80, false), "");
}

TEST(SegyCodec, DaysSince1899) {
    struct Case {
        int year, day, hour, minute, second;
        double days;
    };
    const Case cases[] = {
        {1899, 364, 0, 0, 0, 0.0},           // 30 December 1899
        {1900, 60, 0, 0, 0, 61.0},           // 1 March 1900 (1900 is not a leap year)
        {2000, 1, 12, 0, 0, 36526.5},        // 1 January 2000, noon
        {2000, 366, 0, 0, 0, 36891.0},       // 31 December 2000, a leap year
        {2024, 100, 6, 30, 36, 45391.27125}, // 9 April 2024 06:30:36
        {1600, 1, 0, 0, 0, -109571.0},       // proleptic Gregorian before 1899
    };
    for (const Case& c : cases)
        EXPECT_NEAR(DaysSince1899(c.year, c.day, c.hour, c.minute, c.second), c.days, 1e-9)
            << c.year << "/" << c.day;
    const int bad[][5] = {{0, 1, 0, 0, 0},     {2023, 366, 0, 0, 0}, {2023, 0, 0, 0, 0},
                          {2023, 1, 24, 0, 0}, {2023, 1, 0, 60, 0},  {2023, 1, 0, 0, -1}};
    for (const auto& b : bad)
        EXPECT_EQ(DaysSince1899(b[0], b[1], b[2], b[3], b[4]), -1) << b[0] << "/" << b[1];
}

// The SEG-Y revision 1 layouts as the standard prints them: first and last byte of each field,
// trace header bytes 1..240, binary header by file byte 3201..3600. A word set through the
// tables must land on exactly these bytes, in either byte order.
TEST(SegyFields, TablesMatchTheStandardPositions) {
    struct Field {
        const char* what;
        int first, last;
    };
    const Field trace[] = {
        {"trace sequence number within line", 1, 4},
        {"trace sequence number within file", 5, 8},
        {"original field record number", 9, 12},
        {"trace number within the field record", 13, 16},
        {"energy source point number", 17, 20},
        {"ensemble (CDP) number", 21, 24},
        {"trace number within the ensemble", 25, 28},
        {"trace identification code", 29, 30},
        {"number of vertically summed traces", 31, 32},
        {"number of horizontally stacked traces", 33, 34},
        {"data use", 35, 36},
        {"source to receiver distance", 37, 40},
        {"receiver group elevation", 41, 44},
        {"surface elevation at source", 45, 48},
        {"source depth below surface", 49, 52},
        {"datum elevation at receiver group", 53, 56},
        {"datum elevation at source", 57, 60},
        {"water depth at source", 61, 64},
        {"water depth at group", 65, 68},
        {"scalar for elevations and depths", 69, 70},
        {"scalar for coordinates", 71, 72},
        {"source coordinate X", 73, 76},
        {"source coordinate Y", 77, 80},
        {"group coordinate X", 81, 84},
        {"group coordinate Y", 85, 88},
        {"coordinate units", 89, 90},
        {"weathering velocity", 91, 92},
        {"subweathering velocity", 93, 94},
        {"uphole time at source", 95, 96},
        {"uphole time at group", 97, 98},
        {"source static correction", 99, 100},
        {"group static correction", 101, 102},
        {"total static applied", 103, 104},
        {"lag time A", 105, 106},
        {"lag time B", 107, 108},
        {"delay recording time", 109, 110},
        {"mute time start", 111, 112},
        {"mute time end", 113, 114},
        {"number of samples in this trace", 115, 116},
        {"sample interval of this trace", 117, 118},
        {"gain type of field instruments", 119, 120},
        {"instrument gain constant", 121, 122},
        {"instrument early or initial gain", 123, 124},
        {"correlated", 125, 126},
        {"sweep frequency at start", 127, 128},
        {"sweep frequency at end", 129, 130},
        {"sweep length", 131, 132},
        {"sweep type", 133, 134},
        {"sweep trace taper length at start", 135, 136},
        {"sweep trace taper length at end", 137, 138},
        {"taper type", 139, 140},
        {"alias filter frequency", 141, 142},
        {"alias filter slope", 143, 144},
        {"notch filter frequency", 145, 146},
        {"notch filter slope", 147, 148},
        {"low-cut frequency", 149, 150},
        {"high-cut frequency", 151, 152},
        {"low-cut slope", 153, 154},
        {"high-cut slope", 155, 156},
        {"year data recorded", 157, 158},
        {"day of year", 159, 160},
        {"hour of day", 161, 162},
        {"minute of hour", 163, 164},
        {"second of minute", 165, 166},
        {"time basis code", 167, 168},
        {"trace weighting factor", 169, 170},
        {"geophone group number of roll switch position one", 171, 172},
        {"geophone group number of trace number one", 173, 174},
        {"geophone group number of last trace", 175, 176},
        {"gap size", 177, 178},
        {"over travel", 179, 180},
        {"ensemble X coordinate", 181, 184},
        {"ensemble Y coordinate", 185, 188},
        {"in-line number", 189, 192},
        {"cross-line number", 193, 196},
        {"shotpoint number", 197, 200},
        {"scalar for the shotpoint number", 201, 202},
        {"trace value measurement unit", 203, 204},
        {"transduction constant mantissa", 205, 208},
        {"transduction constant power of ten", 209, 210},
        {"transduction units", 211, 212},
        {"device or trace identifier", 213, 214},
        {"scalar for times", 215, 216},
        {"source type and orientation", 217, 218},
        {"source energy direction mantissa", 219, 222},
        {"source energy direction exponent", 223, 224},
        {"source measurement mantissa", 225, 228},
        {"source measurement exponent", 229, 230},
        {"source measurement unit", 231, 232},
        {"unassigned, first word", 233, 236},
        {"unassigned, second word", 237, 240},
    };
    const Field binary[] = {
        {"job identification number", 3201, 3204},
        {"line number", 3205, 3208},
        {"reel number", 3209, 3212},
        {"data traces per ensemble", 3213, 3214},
        {"auxiliary traces per ensemble", 3215, 3216},
        {"sample interval", 3217, 3218},
        {"sample interval of the original field recording", 3219, 3220},
        {"samples per data trace", 3221, 3222},
        {"samples per data trace of the original field recording", 3223, 3224},
        {"data sample format code", 3225, 3226},
        {"ensemble fold", 3227, 3228},
        {"trace sorting code", 3229, 3230},
        {"vertical sum code", 3231, 3232},
        {"sweep frequency at start", 3233, 3234},
        {"sweep frequency at end", 3235, 3236},
        {"sweep length", 3237, 3238},
        {"sweep type code", 3239, 3240},
        {"trace number of sweep channel", 3241, 3242},
        {"sweep trace taper length at start", 3243, 3244},
        {"sweep trace taper length at end", 3245, 3246},
        {"taper type", 3247, 3248},
        {"correlated data traces", 3249, 3250},
        {"binary gain recovered", 3251, 3252},
        {"amplitude recovery method", 3253, 3254},
        {"measurement system", 3255, 3256},
        {"impulse signal polarity", 3257, 3258},
        {"vibratory polarity code", 3259, 3260},
        {"SEG-Y format revision number", 3501, 3502},
        {"fixed length trace flag", 3503, 3504},
        {"number of extended textual headers", 3505, 3506},
    };
    struct Layout {
        char kind;
        const Field* fields;
        int count;
        int tableCount;
        int offset; // file byte of the header's byte 1, less 1
        int bytes;
    };
    const Layout layouts[] = {
        {'T', trace, int(std::size(trace)), kTraceFieldCount, 0, kTraceHeaderBytes},
        {'B', binary, int(std::size(binary)), kBinFieldCount, kTextHeaderBytes, kBinHeaderBytes},
    };
    for (const Layout& l : layouts) {
        ASSERT_EQ(l.tableCount, l.count) << l.kind;
        EXPECT_EQ(TCSegyReaderEx::WordSize(l.kind, l.count), 0) << l.kind;
        for (int i = 0; i < l.count; ++i) {
            const Field& f = l.fields[i];
            const int size = f.last - f.first + 1;
            SCOPED_TRACE(testing::Message() << l.kind << " " << i << " " << f.what);
            EXPECT_EQ(TCSegyReaderEx::WordSize(l.kind, i), size);
            for (bool big : {true, false}) {
                std::vector<unsigned char> hdr(size_t(l.bytes), 0);
                // Bytes 8A 7B (6C 5D): all distinct, the sign bit set.
                const int64_t value = size == 2 ? -0x7585 : -0x758493A3;
                TCSegyReaderEx::SetWord(hdr.data(), l.kind, i, value, big);
                std::vector<unsigned char> want(size_t(l.bytes), 0);
                for (int k = 0; k < size; ++k)
                    want[size_t(f.first - l.offset - 1 + (big ? k : size - 1 - k))] =
                        uint8_t(uint64_t(value) >> (8 * (size - 1 - k)));
                EXPECT_EQ(hdr, want) << (big ? "big" : "little");
                EXPECT_EQ(TCSegyReaderEx::GetWord(hdr.data(), l.kind, i, big), value);
            }
        }
    }
}
