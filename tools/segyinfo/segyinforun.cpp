#include "segyinfo/segyinforun.h"

#include "segyinfo/segyinfostrings.h"
#include "trcfile/segyfields.h"
#include "trcfile/tcsegyreaderex.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace segyinfo {

namespace {

struct Options {
    std::string file;
    bool text = false, bin = false, samples = false, json = false;
    int first = 0, last = 0; // trace range, 0 = none
    unsigned openFlags = 0;  // the reader's relaxing flags
};

// Message texts carry "%d" numbers or one "%s".
std::string Format(const char* fmt, int a, int b = 0) {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, a, b);
    return buf;
}

std::string Format(const char* fmt, const std::string& s) {
    char buf[1024];
    std::snprintf(buf, sizeof buf, fmt, s.c_str());
    return buf;
}

bool ParseTrace(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    return r.ec == std::errc() && r.ptr == end && !text.empty() && value >= 1;
}

// "A-B" or "A".
bool ParseRange(const std::string& text, int& first, int& last) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos)
        return ParseTrace(text, first) && ParseTrace(text, last);
    return ParseTrace(text.substr(0, dash), first) && ParseTrace(text.substr(dash + 1), last) &&
           first <= last;
}

std::string Json(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string Number(float v) {
    if (!std::isfinite(v))
        return "null";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", double(v));
    return buf;
}

template <typename T, typename F> std::string JsonList(const std::vector<T>& v, F item) {
    std::string out = "[";
    for (size_t i = 0; i < v.size(); ++i)
        out += (i ? "," : "") + item(v[i]);
    return out + "]";
}

std::vector<long long> Words(const TCSegyReaderEx& r, char kind) {
    std::vector<long long> words;
    const int n = kind == 'B' ? trc::kBinFieldCount : trc::kTraceFieldCount;
    for (int i = 0; i < n; ++i)
        words.push_back(r.HdrWord(kind, i));
    return words;
}

void PrintWords(std::string& out, const std::vector<long long>& words, char kind) {
    const trc::FieldDef* fields = kind == 'B' ? trc::kBinFields : trc::kTraceFields;
    for (size_t i = 0; i < words.size(); ++i) {
        char buf[128];
        std::snprintf(buf, sizeof buf, "%3d %-34s %lld\n", int(i), fields[i].name, words[i]);
        out += buf;
    }
}

} // namespace

int Run(const std::vector<std::string>& args, std::string& out, std::string& err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            out = Text(kUsage);
            return 0;
        }
    for (const std::string& a : args)
        if (a == "--version") {
            out = Text(kVersion);
            return 0;
        }
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--ignore-file-header")
            o.openFlags |= TCSegyReaderEx::kIgnoreFileHeader;
        else if (a == "--ignore-trace-headers")
            o.openFlags |= TCSegyReaderEx::kIgnoreTraceHeaders;
        else if (a == "--text")
            o.text = true;
        else if (a == "--bin")
            o.bin = true;
        else if (a == "--samples")
            o.samples = true;
        else if (a == "--json")
            o.json = true;
        else if (a == "--traces" && i + 1 < args.size() && ParseRange(args[i + 1], o.first, o.last))
            ++i;
        else if (!a.empty() && a[0] != '-' && o.file.empty())
            o.file = a;
        else {
            err = Format(Text(kBadArgs), a) + "\n" + Text(kUsage);
            return 2;
        }
    }
    if (o.file.empty()) {
        err = Text(kUsage);
        return 2;
    }
    if (o.samples && o.first == 0)
        o.first = o.last = 1;

    TCSegyReaderEx reader;
    const int rc = reader.Open(o.file, o.openFlags, true);
    if (rc != 0) {
        char buf[512];
        std::snprintf(buf, sizeof buf, Text(kOpenError), rc, OpenErrorText(rc));
        err = std::string(buf) + "\n";
        return 1;
    }
    if (o.first > 0 && o.last > reader.Traces()) {
        err = Format(Text(kRangeError), reader.Traces()) + "\n";
        return 1;
    }

    std::vector<std::vector<std::string>> blocks;
    std::vector<std::vector<long long>> headers;
    std::vector<std::vector<float>> samples;
    try {
        if (o.text)
            for (int b = 0; b <= reader.ExtBlocks(); ++b) {
                blocks.emplace_back();
                reader.GetTextList(blocks.back(), b);
            }
        // 64 bits: the range may end at trace 2147483647.
        for (int64_t t = o.first; t >= 1 && t <= o.last; ++t) {
            reader.SetTrace(int(t));
            headers.push_back(Words(reader, 'T'));
            if (o.samples) {
                samples.emplace_back(size_t(reader.Samples()));
                reader.SamplesAsFloat(samples.back().data(), 0, reader.Samples());
            }
        }
    } catch (const ESegyFiler& e) {
        err = Format(Text(kReadError), e.TraceNo(), e.Code()) + "\n";
        return 1;
    }

    if (o.json) {
        const bool big = reader.BigEndian();
        out = "{\"file\":" + Json(o.file) + ",\"size\":" + std::to_string(reader.FileSize()) +
              ",\"traces\":" + std::to_string(reader.Traces()) +
              ",\"samples\":" + std::to_string(reader.Samples()) +
              ",\"interval_us\":" + std::to_string(reader.Interval()) +
              ",\"format\":" + std::to_string(reader.Format()) + ",\"byte_order\":\"" +
              (big ? "big" : "little") +
              "\",\"extended_text_blocks\":" + std::to_string(reader.ExtBlocks()) +
              ",\"revision\":" + std::to_string(reader.HdrWord('B', trc::bf::kRevision));
        const auto num = [](long long v) { return std::to_string(v); };
        if (o.text)
            out += ",\"text_blocks\":" + JsonList(blocks, [](const std::vector<std::string>& b) {
                       return JsonList(b, Json);
                   });
        if (o.bin)
            out += ",\"binary_header\":" + JsonList(Words(reader, 'B'), num);
        if (o.first > 0) {
            out += ",\"trace_headers\":[";
            for (size_t k = 0; k < headers.size(); ++k)
                out += std::string(k ? "," : "") + "{\"trace\":" + std::to_string(o.first + k) +
                       ",\"words\":" + JsonList(headers[k], num) + "}";
            out += "]";
        }
        if (o.samples)
            out += ",\"sample_values\":" + JsonList(samples, [](const std::vector<float>& s) {
                       return JsonList(s, Number);
                   });
        out += "}\n";
        return 0;
    }

    std::vector<std::string> info;
    reader.GetFileInfo(info);
    const char* unit = reader.GetInt(6) ? "мс" : "мкс";
    for (size_t i = 0; i < info.size(); ++i) {
        std::string caption = Text(kCaptionFirst + int(i));
        if (i == 7 || i == 9)
            caption += unit;
        out += caption + ": " + info[i] + "\n";
    }
    for (size_t b = 0; b < blocks.size(); ++b) {
        out += "\n";
        for (const std::string& line : blocks[b])
            out += line + "\n";
    }
    if (o.bin) {
        out += "\n";
        PrintWords(out, Words(reader, 'B'), 'B');
    }
    // Traces were read once above; printing uses what was read.
    for (size_t k = 0; k < headers.size(); ++k) {
        out += "\n#" + std::to_string(o.first + int(k)) + "\n";
        PrintWords(out, headers[k], 'T');
        if (o.samples) {
            const std::vector<float>& s = samples[k];
            for (size_t i = 0; i < s.size(); ++i)
                out += Number(s[i]) + (i + 1 == s.size() || i % 10 == 9 ? "\n" : " ");
        }
    }
    return 0;
}

} // namespace segyinfo
