#pragma once
// A file's creation and last-modification times as seconds since 1970-01-01 UTC. Qt-free, so
// the SEG-Y reader (linked into workers and plug-ins) can use it.

#include <cstdint>
#include <string>

struct TFileTimes {
    bool hasCreated = false; // not every file system keeps a creation time
    int64_t created = 0;
    bool hasModified = false;
    int64_t modified = 0;
};

// The times of the file at the UTF-8 path; both flags false when the file cannot be asked.
TFileTimes F_GetFileTimes(const std::string& path);
