#include "trcfile/tcsegyfilerex.h"

#include "trcfile/segycodec.h"
#include "trcfile/segyfields.h"
#include "trcfile/trcerrors.h"

#include <filesystem>

TCSegyFilerEx::TCSegyFilerEx() = default;

TCSegyFilerEx::~TCSegyFilerEx() {
    OClose();
}

int TCSegyFilerEx::OCreate(const std::string& name, int samples) {
    if (!IsOpen())
        return trc::kErrInternal;
    return OCreate(name, FileFmt(), Format(), samples > 0 ? samples : Samples());
}

int TCSegyFilerEx::OCreate(const std::string& name, TCFileFmt order, int format, int samples) {
    OClose();
    if (trc::SampleSize(format) == 0 || samples < 1 || samples > 65535)
        return trc::kErrInternal;
    m_out.clear();
    m_out.open(std::filesystem::u8path(name), std::ios::out | std::ios::binary | std::ios::trunc);
    if (!m_out.is_open())
        return trc::kErrOpen;
    m_oname = name;
    m_obig = order == fmtUnix;
    m_oformat = format;
    m_osize = trc::SampleSize(format);
    m_osamples = samples;
    m_owritten = 0;
    m_oerror = trc::kOk;
    return trc::kOk;
}

int TCSegyFilerEx::Write(const void* buf, int64_t bytes) {
    if (!m_out.is_open())
        return trc::kErrNotCreated;
    if (m_oerror == trc::kOk && bytes > 0) {
        m_out.write(static_cast<const char*>(buf), std::streamsize(bytes));
        if (!m_out.good())
            m_oerror = trc::kErrWrite;
    }
    return m_oerror;
}

int TCSegyFilerEx::OWriteTextHeader(const void* text) {
    return Write(text, trc::kTextHeaderBytes);
}

int TCSegyFilerEx::OWriteBinHeader(const void* bin) {
    return Write(bin, trc::kBinHeaderBytes);
}

int TCSegyFilerEx::OWriteExtBlock(const void* block) {
    return Write(block, trc::kTextHeaderBytes);
}

int TCSegyFilerEx::OWriteTraces(const void* buf, int64_t count) {
    if (count < 0)
        return trc::kErrNotCreated;
    const int r = Write(buf, count * OTraceBytes());
    if (r == trc::kOk)
        m_owritten += count;
    return r;
}

int TCSegyFilerEx::OClose() {
    if (!m_out.is_open())
        return trc::kOk;
    m_out.flush();
    if (!m_out.good() && m_oerror == trc::kOk)
        m_oerror = trc::kErrWrite;
    m_out.close();
    if (m_out.fail() && m_oerror == trc::kOk)
        m_oerror = trc::kErrWrite;
    m_out.clear();
    m_ohdr = nullptr;
    const int r = m_oerror;
    m_oerror = trc::kOk;
    return r;
}

void TCSegyFilerEx::OSetHeader(void* hdr, char kind) {
    m_ohdr = static_cast<unsigned char*>(hdr);
    m_okind = kind == 'B' ? 'B' : 'T';
}

void TCSegyFilerEx::OSetHdrWord(int index, int64_t value) {
    if (m_ohdr)
        SetWord(m_ohdr, m_okind, index, value, m_obig);
}

int64_t TCSegyFilerEx::OHdrWord(int index) const {
    return m_ohdr ? GetWord(m_ohdr, m_okind, index, m_obig) : 0;
}

void TCSegyFilerEx::Close() {
    OClose();
    TCSegyReaderEx::Close();
}
