#pragma once
// Helpers of the trcfile tests: a fresh folder per test, file bytes, header patches.

#include "trcfile/tcsegyreaderex.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace trctest {

// A fresh folder below $GRAVIK_HOME (or the system's temporary folder), removed at the end.
class TempDir {
public:
    TempDir() {
        const char* home = std::getenv("GRAVIK_HOME");
        const std::filesystem::path base =
            home && *home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
        std::random_device rd;
        m_path = base / ("trc-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Sets binary header word `index` of a file image in its byte order.
inline void SetBinWord(std::vector<unsigned char>& bytes, int index, int64_t value, bool big) {
    TCSegyReaderEx::SetWord(bytes.data() + 3200, 'B', index, value, big);
}

} // namespace trctest
