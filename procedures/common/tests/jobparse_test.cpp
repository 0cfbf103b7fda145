// The shared job conventions: strict integers, "*" values, counted separators, RunParse.

#include "common/jobparse.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

int Code(const std::function<void()>& f) {
    return job::RunParse(f);
}

} // namespace

TEST(JobParse, IntegersAreStrictDecimal) {
    const struct {
        const char* text;
        std::int64_t low, high;
        int code; // 0: accepted with `value`
        std::int64_t value;
    } cases[] = {
        {"12", 0, 100, 0, 12},
        {"+12", 0, 100, 0, 12},
        {"-12", -100, 100, 0, -12},
        {"007", 0, 100, 0, 7},
        {"12 ", 0, 100, 2, 0},
        {" 12", 0, 100, 2, 0},
        {"", 0, 100, 2, 0},
        {"+", 0, 100, 2, 0},
        {"1e3", 0, 10000, 2, 0},
        {"0x1", 0, 100, 2, 0},
        {"١٢", 0, 100, 2, 0}, // digits of another script
        {"101", 0, 100, 2, 0},
        {"-1", 0, 100, 2, 0},
        {"2147483647", 0, 2147483647, 0, 2147483647},
        {"2147483648", 0, 2147483647, 2, 0},
        {"123456789012345678901234567890", 0, 2147483647, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::int64_t v = -999;
        EXPECT_EQ(c.code,
                  Code([&] { v = job::Integer(QString::fromUtf8(c.text), c.low, c.high); }));
        if (c.code == 0) {
            EXPECT_EQ(c.value, v);
        }
    }
}

TEST(JobParse, StarsSeparatorsAndRecords) {
    EXPECT_EQ(job::kAllTraces, job::TraceNumber("*"));
    EXPECT_EQ(65535, job::SampleNumber("*"));
    EXPECT_EQ(2, Code([] { job::SampleNumber("65536"); }));
    EXPECT_EQ(2, Code([] { job::TraceNumber("**"); }));
    EXPECT_EQ(0, Code([] { job::RequireCount("1:2-3", ':', 1); }));
    EXPECT_EQ(1, Code([] { job::RequireCount("1:2:3", ':', 1); }));
    EXPECT_EQ(1, Code([] { job::Records(""); }));
    EXPECT_EQ(3, job::Records("a;;b").size());
    // Any other failure inside a parse is a value error.
    EXPECT_EQ(2, Code([] { throw std::runtime_error("x"); }));
    EXPECT_EQ(210, Code([] { throw 210; }));
}
