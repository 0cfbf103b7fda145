// The job grammar of lum8 through the exported check entry, loaded as the batch editor loads it.

#include "procrunner/testkit/proctestkit.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* job;
    int expected;
};

TEST(Lum8Check, JobGrammarTable) {
    const Case cases[] = {
        {"", 1},
        {"1:10000,50,20000,0,120;2:10000,50,20500,0,*", 0},
        {"*:0,25,*,*,*", 0},
        // a start needs its step; a step alone is read and not used
        {"3:100,*,*,*,*", 2},
        {"3:*,*,100,*,*", 2},
        {"3:*,*,*,*,15", 0},
        {"3:100,0,*,*,*", 0},
        {"3:*,*,100,-3,*", 0},
        {"3:*,5,*,*,*", 2},
        {"3:*,*,*,5,*", 2},
        {"3:*,5,*,5,15", 0},
        {"3:*,x,*,*,15", 2},
        {"3:*,2147483648,*,*,15", 2},
        {"3:*,*,*,*,*", 2},
        // values
        {"1:-2147483648,1,2147483647,-1,-2147483648", 0},
        {"1:2147483648,1,*,*,*", 2},
        {"1:100,1 ,*,*,*", 2},
        // keys
        {"1:*,*,*,*,1;1:*,*,*,*,2", 2},
        {"*:*,*,*,*,1;2:*,*,*,*,2", 2},
        {"0:*,*,*,*,1", 0},
        {"1:*,*,*,*,1;0:*,*,*,*,2", 2},
        {"-2:*,*,*,*,1", 2},
        // separators
        {"1:*,*,*,*", 1},
        {"1:*,*,*,*,*,*", 1},
        {"1*,*,*,*,1", 1},
        {"1:*,*,*,*,1;", 0}, // a closing ";"
        {"1:*,*,*,*,1;;", 1},
    };
    for (int round = 0; round < 2; ++round)
        for (const Case& c : cases)
            EXPECT_EQ(proctest::CheckJob("lum8", QString::fromUtf8(c.job)), c.expected)
                << "job \"" << c.job << "\"";
}

} // namespace
