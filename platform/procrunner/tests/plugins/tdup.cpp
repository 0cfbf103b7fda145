// Test plug-in that posts its own final status 1005, then a second one, and returns 0.
#include "procbase/tusupervisorlink.h"

extern "C" __attribute__((visibility("default"))) int
Execute_tdup(unsigned, void*, const char16_t*, const char16_t*,
             const char16_t*) __asm__("_Execute_tdup");
int Execute_tdup(unsigned index, void* window, const char16_t*, const char16_t*, const char16_t*) {
    auto* link = static_cast<TUSupervisorLink*>(window);
    link->PostStatus(index, 0);
    link->PostStatus(index, 1005);
    link->PostStatus(index, 1006);
    return 0;
}
