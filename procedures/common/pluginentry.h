#pragma once
// The two entries every procedure plug-in exports, with C linkage and under exactly the symbols
// "_CheckJob_<code>" and "_Execute_<code>" (the leading underscore comes from the asm label):
//
//   int _CheckJob_<code>(const char16_t* job)
//       parses the UTF-16 job text into a fresh job object and returns 0 or the job error code;
//   int _Execute_<code>(unsigned index, void* window, const char16_t* input,
//                       const char16_t* output, const char16_t* job)
//       constructs the executor with (index, window), calls Execute(input, output, job) with the
//       texts as UTF-8, and returns its result. `window` is the worker's TUSupervisorLink*.
//
// Neither entry throws. A plug-in writes one line after its classes:
//   GRAVIK_PLUGIN_ENTRIES(tva3, TUJob_tva3, TUExec_tva3)
// where the job class has `int Parse(const QString&)` and the executor derives from TUExec_base.

#include "procbase/resultcodes.h"

#include <QString>

#include <string>

namespace plugin {

inline std::string Utf8(const char16_t* text) {
    return text ? QString::fromUtf16(text).toStdString() : std::string();
}

template <class Job> int CheckJob(const char16_t* text) noexcept {
    try {
        Job job;
        return job.Parse(text ? QString::fromUtf16(text) : QString());
    } catch (...) {
        return prc::kValueError;
    }
}

template <class Exec>
int Execute(unsigned index, void* window, const char16_t* first, const char16_t* second,
            const char16_t* third) noexcept {
    try {
        Exec exec(index, window);
        return exec.Execute(Utf8(first), Utf8(second), Utf8(third));
    } catch (...) {
        return prc::kInternal;
    }
}

} // namespace plugin

#define GRAVIK_PLUGIN_ENTRIES(code, JobClass, ExecClass)                                           \
    extern "C" __attribute__((visibility("default"))) int CheckJob_##code(                         \
        const char16_t* job) __asm__("_CheckJob_" #code);                                          \
    extern "C" __attribute__((visibility("default"))) int Execute_##code(                          \
        unsigned index, void* window, const char16_t* first, const char16_t* second,               \
        const char16_t* third) __asm__("_Execute_" #code);                                         \
    int CheckJob_##code(const char16_t* job) {                                                     \
        return plugin::CheckJob<JobClass>(job);                                                    \
    }                                                                                              \
    int Execute_##code(unsigned index, void* window, const char16_t* first,                        \
                       const char16_t* second, const char16_t* third) {                            \
        return plugin::Execute<ExecClass>(index, window, first, second, third);                    \
    }
