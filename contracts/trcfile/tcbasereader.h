#pragma once
// TCBaseReader: an open read-only file and the integer query every reader answers.
//
// The file is read with positioned reads of any size at 64-bit offsets, so files over 4 GiB
// work. Texts and paths are UTF-8.

#include <cstdint>
#include <fstream>
#include <string>

class TCBaseReader {
public:
    TCBaseReader();
    virtual ~TCBaseReader();
    TCBaseReader(const TCBaseReader&) = delete;
    TCBaseReader& operator=(const TCBaseReader&) = delete;

    // Integer file facts by a one-byte code (second virtual operation of the table); the base
    // answers 0 for every code. TCSegyReaderEx documents its codes.
    virtual int GetInt(char code) const;

    bool IsOpen() const { return m_open; }
    virtual void Close();
    const std::string& FileName() const { return m_name; }
    // Size of the open file in bytes.
    int64_t FileSize() const { return m_size; }

protected:
    // Opens `name` for reading and takes its size: 0, trc::kErrOpen or trc::kErrSize.
    int OpenFile(const std::string& name);
    // Reads exactly `bytes` at `offset`; false on any failure or short read.
    bool ReadAt(int64_t offset, void* buf, size_t bytes) const;

private:
    mutable std::ifstream m_file;
    std::string m_name;
    int64_t m_size = 0;
    bool m_open = false;
};
