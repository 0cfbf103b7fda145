// segygen OUT [options]: writes synthetic shot records (see segygen.h and the usage text).

#include "segygen/segygen.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The program's messages.
const char* const kUsage =
    "Использование: segygen ФАЙЛ [--sources N] [--receivers N] [--samples N] [--interval МКС]\n"
    "  [--format 1|2|3|5|8] [--order big|little] [--ext N] [--text ascii|ebcdic]\n"
    "  [--shuffle SEED] [--min-mb N] [--fixed-length 0|1] [--trace-samples N]\n"
    "       segygen --help | --version\n"
    "Пишет синтетические сейсмограммы ОПВ в формате SEG-Y.\n"
    "--min-mb N увеличивает число источников, пока файл не станет не меньше N МБ.\n"
    "--fixed-length 0 снимает признак трасс постоянной длины в двоичном заголовке.\n"
    "--trace-samples N пишет N в слово числа отсчетов заголовков трасс (как в файле,\n"
    "  обрезанном по времени без правки заголовков трасс).\n";
const char* const kVersion = "segygen " GRAVIK_VERSION "\n";
const char* const kBadOption = "Неизвестный или неполный параметр: %s\n";
const char* const kBadNumber = "Недопустимое число: %s\n";
const char* const kBadSpec = "Недопустимые параметры: %s\n";
const char* const kWriteError = "Ошибка %d записи файла %s\n";

bool ParseInt(const char* text, long long& value) {
    const char* end = text + std::strlen(text);
    const auto r = std::from_chars(text, end, value);
    return r.ec == std::errc() && r.ptr == end && end != text;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--version")) {
            std::fputs(kVersion, stdout);
            return 0;
        }
    if (argc < 2 || argv[1][0] == '-') {
        std::fputs(kUsage, stderr);
        return 2;
    }
    SynthSpec synth;
    long long minMb = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string opt = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, kBadOption, argv[i]);
            return 2;
        }
        const char* arg = argv[++i];
        if (opt == "--order" && (!std::strcmp(arg, "big") || !std::strcmp(arg, "little"))) {
            synth.order = !std::strcmp(arg, "big") ? fmtUnix : fmtWindows;
            continue;
        }
        if (opt == "--text" && (!std::strcmp(arg, "ascii") || !std::strcmp(arg, "ebcdic"))) {
            synth.text = !std::strcmp(arg, "ebcdic") ? 1 : 0;
            continue;
        }
        if (opt == "--fixed-length" && (!std::strcmp(arg, "0") || !std::strcmp(arg, "1"))) {
            synth.fixedLength = arg[0] == '1';
            continue;
        }
        long long v = 0;
        int* target = opt == "--sources"         ? &synth.sources
                      : opt == "--receivers"     ? &synth.receivers
                      : opt == "--samples"       ? &synth.samples
                      : opt == "--interval"      ? &synth.intervalUs
                      : opt == "--format"        ? &synth.format
                      : opt == "--ext"           ? &synth.extBlocks
                      : opt == "--trace-samples" ? &synth.traceHeaderSamples
                                                 : nullptr;
        const bool numeric = target || opt == "--shuffle" || opt == "--min-mb";
        if (!numeric) {
            std::fprintf(stderr, kBadOption, opt.c_str());
            return 2;
        }
        if (!ParseInt(arg, v) || v < 0 || v > 2147483647) {
            std::fprintf(stderr, kBadNumber, arg);
            return 2;
        }
        if (target)
            *target = int(v);
        else if (opt == "--shuffle") {
            synth.shuffle = true;
            synth.seed = unsigned(v);
        } else
            minMb = v;
    }
    if (minMb > 0 && synth.receivers > 0 && synth.samples > 0) {
        const long long traceBytes = 240 + (long long)synth.samples * (synth.format == 3   ? 2
                                                                       : synth.format == 8 ? 1
                                                                                           : 4);
        const long long perShot = traceBytes * synth.receivers;
        const long long need = (minMb * 1048576 + perShot - 1) / perShot;
        if (need > synth.sources)
            synth.sources = int(std::min<long long>(need, 2147483647LL / synth.receivers));
    }
    const std::string problem = CheckSynthSpec(synth);
    if (!problem.empty()) {
        std::fprintf(stderr, kBadSpec, problem.c_str());
        return 2;
    }
    const int rc = WriteSynthSegy(argv[1], synth);
    if (rc != 0) {
        std::fprintf(stderr, kWriteError, rc, argv[1]);
        return 1;
    }
    return 0;
}
