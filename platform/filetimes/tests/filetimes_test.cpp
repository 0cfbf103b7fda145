#include "filetimes/filetimes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include <sys/time.h>

namespace {

std::string Home() {
    const char* h = std::getenv("GRAVIK_HOME");
    return h ? h : "/tmp";
}

TEST(FileTimes, ModifiedTimeIsTheOneSetAndCreationIsNotLater) {
    const std::string path = Home() + "/times.bin";
    std::ofstream(path) << "x";
    const std::time_t now = std::time(nullptr);
    // 2001-09-09 01:46:40 UTC
    const timeval set[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(0, utimes(path.c_str(), set));
    const TFileTimes t = F_GetFileTimes(path);
    ASSERT_TRUE(t.hasModified);
    EXPECT_EQ(1000000000, t.modified);
    if (t.hasCreated) {
        EXPECT_GE(t.created, now - 60);
        EXPECT_LE(t.created, std::time(nullptr) + 1);
    }
}

TEST(FileTimes, MissingFileHasNoTimes) {
    const TFileTimes t = F_GetFileTimes(Home() + "/no such file");
    EXPECT_FALSE(t.hasModified);
    EXPECT_FALSE(t.hasCreated);
}

} // namespace
