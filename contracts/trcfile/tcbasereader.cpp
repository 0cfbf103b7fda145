#include "trcfile/tcbasereader.h"

#include "trcfile/trcerrors.h"

#include <filesystem>
#include <system_error>

TCBaseReader::TCBaseReader() = default;

TCBaseReader::~TCBaseReader() = default;

int TCBaseReader::GetInt(char) const {
    return 0;
}

void TCBaseReader::Close() {
    if (m_file.is_open())
        m_file.close();
    m_file.clear();
    m_open = false;
    m_size = 0;
}

int TCBaseReader::OpenFile(const std::string& name) {
    TCBaseReader::Close();
    m_name = name;
    const std::filesystem::path path = std::filesystem::u8path(name);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return trc::kErrOpen;
    m_file.open(path, std::ios::in | std::ios::binary);
    if (!m_file.is_open())
        return trc::kErrOpen;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        m_file.close();
        return trc::kErrSize;
    }
    m_size = int64_t(size);
    m_open = true;
    return trc::kOk;
}

bool TCBaseReader::ReadAt(int64_t offset, void* buf, size_t bytes) const {
    if (!m_open || offset < 0 || int64_t(bytes) > m_size - offset)
        return false;
    m_file.clear();
    m_file.seekg(std::streamoff(offset));
    m_file.read(static_cast<char*>(buf), std::streamsize(bytes));
    return m_file.good() && size_t(m_file.gcount()) == bytes;
}
