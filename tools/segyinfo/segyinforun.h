#pragma once
// segyinfo FILE [--text] [--bin] [--traces A-B] [--samples] [--json] [--ignore-file-header]
// [--ignore-trace-headers]: the facts of a SEG-Y file for shell work. The two --ignore options
// pass the reader's relaxing Open flags. --help (-h) puts the usage and --version the version in
// out. Returns the exit code: 0 success, 1 a file that cannot be read (one-line message in
// err), 2 wrong arguments (usage in err). Output goes to out.
//
// JSON keys: "file", "size", "traces", "samples", "interval_us", "format", "byte_order"
// ("big"/"little"), "extended_text_blocks", "revision"; with --text "text_blocks" (a list of
// blocks, each a list of 40 lines); with --bin "binary_header" (values in field index order);
// with --traces "trace_headers": [{"trace": n, "words": [...]}]; with --samples
// "sample_values": [[...] per listed trace].

#include <string>
#include <vector>

namespace segyinfo {

int Run(const std::vector<std::string>& args, std::string& out, std::string& err);

} // namespace segyinfo
