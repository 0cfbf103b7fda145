// A stand-in procedure plug-in for the job-check tests (see jobtext_test.cpp).
#include <cstddef>

#ifdef WITH_CHECK_ENTRY
extern "C" __attribute__((visibility("default"))) int
checkJobTst1(const char16_t* job) __asm__("_CheckJob_tst1");

extern "C" int checkJobTst1(const char16_t* job) {
    std::size_t n = 0;
    while (job[n])
        ++n;
    if (n == 1 && (job[0] == u'0' || job[0] == u'1'))
        return job[0] - u'0';
    return int(n);
}
#else
extern "C" __attribute__((visibility("default"))) int somethingElse() {
    return 0;
}
#endif
