// The segyinfo command end to end: JSON facts, headers and samples, and its failures.

#include "segygen/segygen.h"
#include "trcfile/segyfields.h"
#include "trcfile/tcsegyreaderex.h"
#include "trcfile/trcerrors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

class Folder {
public:
    Folder() {
        const char* home = std::getenv("GRAVIK_HOME");
        std::random_device rd;
        m_path = std::filesystem::path(home && *home ? home : "/tmp") /
                 ("segyinfo-" + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs a program of the bin folder with `args`; stdout and stderr land in files of `dir`;
// returns the exit code.
int RunTool(const Folder& dir, const std::string& program, const std::string& args) {
    const std::string cmd = std::string(GRAVIK_BIN_DIR) + "/" + program + " " + args + " > \"" +
                            dir.File("out.txt") + "\" 2> \"" + dir.File("err.txt") + "\"";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int RunSegyInfo(const Folder& dir, const std::string& args) {
    return RunTool(dir, "segyinfo", args);
}

} // namespace

TEST(SegyInfo, JsonCarriesFactsHeadersAndSamples) {
    Folder dir;
    const std::string path = dir.File("shots.sgy");
    SynthSpec synth;
    synth.sources = 3;
    synth.receivers = 5;
    synth.samples = 40;
    synth.intervalUs = 500;
    synth.format = 2;
    synth.order = fmtWindows;
    synth.extBlocks = 1;
    ASSERT_EQ(WriteSynthSegy(path, synth), 0);
    ASSERT_EQ(RunSegyInfo(dir, "\"" + path + "\" --json --traces 2-3 --samples --bin --text"), 0);

    // Python's json module checks the syntax and flattens the keys the test looks at.
    const std::string flat = dir.File("flat.txt");
    const std::string py =
        "import json,sys; d=json.load(open(sys.argv[1]));"
        "print(d['traces'], d['samples'], d['interval_us'], d['format'], d['byte_order'],"
        " d['extended_text_blocks'], len(d['text_blocks']), d['text_blocks'][1][0]);"
        "print(*d['binary_header']);"
        "[print(h['trace'], *h['words']) for h in d['trace_headers']];"
        "[print(*s) for s in d['sample_values']]";
    ASSERT_EQ(
        std::system(("python3 -c \"" + py + "\" \"" + dir.File("out.txt") + "\" > \"" + flat + "\"")
                        .c_str()),
        0)
        << Slurp(dir.File("out.txt"));
    std::istringstream in(Slurp(flat));
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "15 40 500 2 little 1 2 C 1 EXTENDED TEXTUAL HEADER 1 OF 1");

    TCSegyReaderEx r;
    ASSERT_EQ(r.Open(path), 0);
    std::getline(in, line);
    std::istringstream bin(line);
    for (int i = 0; i < trc::kBinFieldCount; ++i) {
        long long v = 0;
        bin >> v;
        EXPECT_EQ(v, r.HdrWord('B', i)) << "binary word " << i;
    }
    for (int t = 2; t <= 3; ++t) {
        r.SetTrace(t);
        std::getline(in, line);
        std::istringstream words(line);
        long long trace = 0;
        words >> trace;
        EXPECT_EQ(trace, t);
        for (int i = 0; i < trc::kTraceFieldCount; ++i) {
            long long v = 0;
            words >> v;
            EXPECT_EQ(v, r.HdrWord('T', i)) << "trace " << t << " word " << i;
        }
        EXPECT_FALSE(words.fail());
    }
    for (int t = 2; t <= 3; ++t) {
        r.SetTrace(t);
        std::getline(in, line);
        std::istringstream samples(line);
        for (int i = 0; i < 40; ++i) {
            float v = 0;
            samples >> v;
            EXPECT_EQ(v, r.SampAsFloat(i)) << "trace " << t << " sample " << i;
        }
    }
}

TEST(SegyInfo, PlainFactsAndFailures) {
    Folder dir;
    const std::string path = dir.File("shots.sgy");
    ASSERT_EQ(WriteSynthSegy(path, SynthSpec()), 0);
    ASSERT_EQ(RunSegyInfo(dir, "\"" + path + "\""), 0);
    const std::string out = Slurp(dir.File("out.txt"));
    EXPECT_NE(out.find("Число трасс в файле: 96\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Интервал дискретизации,  мс: 2\n"), std::string::npos) << out;

    ASSERT_EQ(RunSegyInfo(dir, "\"" + path + "\" --text --bin --traces 2-3 --samples"), 0);
    const std::string all = Slurp(dir.File("out.txt"));
    for (const char* part : {"\nC 1 SYNTHETIC SHOT RECORDS\n", "\n  7 SAMPLES_PER_TRACE", "\n#2\n",
                             "\n#3\n  0 TRACE_SEQUENCE_LINE                3\n"})
        EXPECT_NE(all.find(part), std::string::npos) << part << "\n" << all;
    EXPECT_EQ(all.find("\n#4\n"), std::string::npos);

    // A format code the reader does not know; a file cut inside its last trace.
    std::ifstream good(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(good)),
                            std::istreambuf_iterator<char>());
    std::ofstream(dir.File("cut.sgy"), std::ios::binary)
        .write(bytes.data(), std::streamsize(bytes.size() - 100));
    TCSegyReaderEx::SetWord(bytes.data() + 3200, 'B', trc::bf::kFormat, 4, true);
    std::ofstream(dir.File("format4.sgy"), std::ios::binary)
        .write(bytes.data(), std::streamsize(bytes.size()));

    struct Case {
        std::string args;
        int code;
        std::string message;
    };
    std::ofstream(dir.File("short.sgy")) << "too short";
    const Case cases[] = {
        {"\"" + dir.File("short.sgy") + "\"", 1,
         "Ошибка 6 открытия файла: Файл слишком мал для файла SEG-Y.\n"},
        {"\"" + dir.File("cut.sgy") + "\"", 1,
         "Ошибка 10 открытия файла: Файл обрезан: последняя трасса неполная.\n"},
        {"\"" + dir.File("format4.sgy") + "\"", 1,
         "Ошибка 12 открытия файла: Недопустимое значение слова заголовка файла.\n"},
        {"\"" + dir.File("missing.sgy") + "\"", 1,
         "Ошибка 1 открытия файла: Отказ ОС в открытии файла (отсутствует, нет прав доступа и "
         "пр)\n"},
        {"\"" + path + "\" --traces 90-97", 1, "Диапазон трасс вне файла (трасс в файле: 96).\n"},
        {"\"" + path + "\" --traces 5-2", 2, ""},
        {"\"" + path + "\" --frobnicate", 2, ""},
        {"", 2, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunSegyInfo(dir, c.args), c.code) << c.args;
        const std::string err = Slurp(dir.File("err.txt"));
        if (!c.message.empty())
            EXPECT_EQ(err, c.message) << c.args;
        else
            EXPECT_NE(err.find("segyinfo"), std::string::npos) << c.args; // the usage text
        EXPECT_TRUE(Slurp(dir.File("out.txt")).empty()) << c.args;
    }
}

TEST(SegyInfo, FixedLengthFilesAndTheRelaxingOptions) {
    // segygen writes the fixtures: cropped files of 75 samples whose trace headers say 462, with
    // and without the fixed-length flag; and a file whose binary header has no sample count.
    Folder dir;
    const std::string flagged = dir.File("flagged.sgy"), plain = dir.File("plain.sgy");
    const std::string common = " --sources 1 --receivers 4 --samples 75 --order little";
    ASSERT_EQ(RunTool(dir, "segygen", "\"" + flagged + "\"" + common + " --trace-samples 462"), 0);
    ASSERT_EQ(RunTool(dir, "segygen",
                      "\"" + plain + "\"" + common + " --trace-samples 462 --fixed-length 0"),
              0);
    TCSegyReaderEx r;
    ASSERT_EQ(r.Open(flagged), 0);
    EXPECT_EQ(r.HdrWord('B', trc::bf::kFixedLength), 1);
    r.SetTrace(4);
    EXPECT_EQ(r.HdrWord('T', trc::tf::kSampleCount), 462);
    std::vector<char> bytes;
    {
        std::ifstream in(flagged, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_EQ(r.Open(plain), trc::kErrTraceSamples);
    EXPECT_EQ(r.HdrWord('B', trc::bf::kFixedLength), 0);
    const std::string noCount = dir.File("nocount.sgy");
    for (int t = 0; t < 4; ++t) // the trace headers say 75 here
        TCSegyReaderEx::SetWord(bytes.data() + 3600 + t * (240 + 300), 'T', trc::tf::kSampleCount,
                                75, false);
    TCSegyReaderEx::SetWord(bytes.data() + 3200, 'B', trc::bf::kSamples, 0, false);
    std::ofstream(noCount, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));

    const std::string samples75 = "Число отсчетов сигнала: 75\n";
    const std::string err16 = "Ошибка 16 открытия файла: Ошибка в заголовке трассы (значения "
                              "интервала дискретизации или числа отсчетов).\n";
    const std::string err12 =
        "Ошибка 12 открытия файла: Недопустимое значение слова заголовка файла.\n";
    struct Case {
        std::string args;
        int code;
        std::string text; // in out when the code is 0, else the whole of err
    };
    const Case cases[] = {
        {"\"" + flagged + "\"", 0, samples75},
        {"\"" + plain + "\"", 1, err16},
        {"\"" + plain + "\" --ignore-trace-headers", 0, samples75},
        {"--ignore-trace-headers \"" + plain + "\" --json", 0, "\"samples\":75,"},
        {"\"" + plain + "\" --ignore-file-header", 1, err16},
        {"\"" + noCount + "\"", 1, err12},
        {"\"" + noCount + "\" --ignore-file-header", 0, samples75},
        {"\"" + noCount + "\" --ignore-trace-headers", 1, err12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunSegyInfo(dir, c.args), c.code) << c.args;
        if (c.code == 0)
            EXPECT_NE(Slurp(dir.File("out.txt")).find(c.text), std::string::npos) << c.args;
        else
            EXPECT_EQ(Slurp(dir.File("err.txt")), c.text) << c.args;
    }
}

TEST(SegyTools, HelpAndVersion) {
    Folder dir;
    const std::string version = std::string(" ") + GRAVIK_VERSION + "\n";
    struct Case {
        const char* program;
        const char* args;
        std::string out; // the start of the output
    };
    const Case cases[] = {
        {"segyinfo", "--help", "Использование: segyinfo"},
        {"segyinfo", "-h", "Использование: segyinfo"},
        {"segyinfo", "x.sgy --bogus --help", "Использование: segyinfo"},
        {"segyinfo", "--version", "segyinfo" + version},
        {"segygen", "--help", "Использование: segygen"},
        {"segygen", "-h", "Использование: segygen"},
        {"segygen", "x.sgy --samples --help", "Использование: segygen"},
        {"segygen", "--version", "segygen" + version},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunTool(dir, c.program, c.args), 0) << c.program << " " << c.args;
        const std::string out = Slurp(dir.File("out.txt"));
        EXPECT_EQ(out.compare(0, c.out.size(), c.out), 0)
            << c.program << " " << c.args << ": " << out;
        EXPECT_TRUE(Slurp(dir.File("err.txt")).empty()) << c.program << " " << c.args;
    }
    EXPECT_STRNE(GRAVIK_VERSION, "");
    EXPECT_FALSE(std::filesystem::exists("x.sgy"));
}

TEST(SegyInfo, ListsTheLastTracesOfAFileAtTheTraceLimit) {
    // One int8 sample: 241-byte traces; a sparse file of 2147483647 traces, the last one marked.
    Folder dir;
    const std::string path = dir.File("huge.sgy");
    std::vector<char> hdr(3600, 0);
    TCSegyReaderEx::SetWord(hdr.data() + 3200, 'B', trc::bf::kSampleInterval, 1000, true);
    TCSegyReaderEx::SetWord(hdr.data() + 3200, 'B', trc::bf::kSamples, 1, true);
    TCSegyReaderEx::SetWord(hdr.data() + 3200, 'B', trc::bf::kFormat, 8, true);
    std::ofstream(path, std::ios::binary).write(hdr.data(), std::streamsize(hdr.size()));
    const int64_t size = 3600 + int64_t(241) * 2147483647;
    std::error_code ec;
    std::filesystem::resize_file(path, uint64_t(size), ec);
    if (ec)
        GTEST_SKIP() << "no sparse files of 500 GiB here: " << ec.message();
    std::vector<char> last(241, 0);
    TCSegyReaderEx::SetWord(last.data(), 'T', trc::tf::kSeqFile, 77, true);
    last[240] = 5;
    {
        std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(size - 241);
        f.write(last.data(), std::streamsize(last.size()));
    }

    ASSERT_EQ(RunSegyInfo(dir, "\"" + path + "\" --json --traces 2147483646-2147483647 --samples"),
              0)
        << Slurp(dir.File("err.txt"));
    const std::string json = Slurp(dir.File("out.txt"));
    for (const char* part :
         {"\"traces\":2147483647,", "{\"trace\":2147483646,\"words\":[0,0,",
          "{\"trace\":2147483647,\"words\":[0,77,", "\"sample_values\":[[0],[5]]}"})
        EXPECT_NE(json.find(part), std::string::npos) << part << " in " << json;
}

TEST(SegyGen, CommandWritesTheFileItIsAskedFor) {
    Folder dir;
    const std::string path = dir.File("gen.sgy");
    ASSERT_EQ(RunTool(dir, "segygen",
                      "\"" + path +
                          "\" --sources 2 --receivers 3 --samples 16 --interval 1000 --format 8"
                          " --order little --ext 1 --text ebcdic --shuffle 7"),
              0)
        << Slurp(dir.File("err.txt"));
    SynthSpec synth;
    synth.sources = 2;
    synth.receivers = 3;
    synth.samples = 16;
    synth.intervalUs = 1000;
    synth.format = 8;
    synth.order = fmtWindows;
    synth.extBlocks = 1;
    synth.text = 1;
    synth.shuffle = true;
    synth.seed = 7;
    const std::string same = dir.File("same.sgy");
    ASSERT_EQ(WriteSynthSegy(same, synth), 0);
    EXPECT_EQ(Slurp(path), Slurp(same));

    ASSERT_EQ(RunSegyInfo(dir, "\"" + path + "\" --json"), 0);
    const std::string json = Slurp(dir.File("out.txt"));
    for (const char* part :
         {"\"traces\":6,", "\"samples\":16,", "\"interval_us\":1000,", "\"format\":8,",
          "\"byte_order\":\"little\",", "\"extended_text_blocks\":1,"})
        EXPECT_NE(json.find(part), std::string::npos) << part << " in " << json;

    for (const char* args : {"", "--samples 5", "x.sgy --format 4", "x.sgy --samples 1x",
                             "x.sgy --order middle", "x.sgy --sources"}) {
        EXPECT_EQ(RunTool(dir, "segygen", args), 2) << args;
        EXPECT_FALSE(Slurp(dir.File("err.txt")).empty()) << args;
    }
    EXPECT_EQ(RunTool(dir, "segygen", "\"" + dir.File("no/such/folder.sgy") + "\""), 1);
}
