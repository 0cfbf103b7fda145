// Test plug-in with a check entry but no execute entry.
extern "C" __attribute__((visibility("default"))) int
CheckJob_tnoe(const char16_t*) __asm__("_CheckJob_tnoe");
int CheckJob_tnoe(const char16_t*) {
    return 0;
}
