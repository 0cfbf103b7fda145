// Byte order, sample formats, textual header codes and dates.

#include "trcfile/segycodec.h"
#include "trcfile/segyfields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
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

TEST(SegyFields, TablesMatchTheStandardPositions) {
    struct Case {
        const FieldDef* table;
        int index, pos, size;
    };
    const Case cases[] = {
        {kTraceFields, 0, 1, 4},    {kTraceFields, 11, 37, 4},  {kTraceFields, 21, 73, 4},
        {kTraceFields, 24, 85, 4},  {kTraceFields, 38, 115, 2}, {kTraceFields, 59, 157, 2},
        {kTraceFields, 63, 165, 2}, {kTraceFields, 71, 181, 4}, {kTraceFields, 90, 237, 4},
        {kBinFields, 5, 17, 2},     {kBinFields, 7, 21, 2},     {kBinFields, 9, 25, 2},
        {kBinFields, 27, 301, 2},   {kBinFields, 29, 305, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.table[c.index].pos, c.pos) << c.table[c.index].name;
        EXPECT_EQ(c.table[c.index].size, c.size) << c.table[c.index].name;
    }
}
