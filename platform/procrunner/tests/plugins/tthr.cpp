// Test plug-in whose execute entry lets an exception escape.
#include <stdexcept>

extern "C" __attribute__((visibility("default"))) int
Execute_tthr(unsigned, void*, const char16_t*, const char16_t*,
             const char16_t*) __asm__("_Execute_tthr");
int Execute_tthr(unsigned, void*, const char16_t*, const char16_t*, const char16_t*) {
    throw std::runtime_error("escaped");
}
