#include "procbase/tuexec_base.h"

#include "procbase/resultcodes.h"
#include "procbase/tublockwriter.h"
#include "procbase/tusupervisorlink.h"
#include "trcfile/esegyfiler.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

TUExec_base::TUExec_base(unsigned index, void* window)
    : m_index(index), m_link(static_cast<TUSupervisorLink*>(window)) {}

TUExec_base::~TUExec_base() = default;

int TUExec_base::Execute(const std::string& first, const std::string& second,
                         const std::string& third) {
    PostStatus(0);
    int r = 0;
    try {
        r = Run(first, second, third);
    } catch (int code) {
        r = code;
    } catch (const ESegyFiler&) {
        r = prc::kInputRead;
    } catch (const std::bad_alloc&) {
        r = prc::kNoMemory;
    } catch (...) {
        r = prc::kInternal;
    }
    // Finished and stopped runs keep what was processed; any other failure just closes.
    int closed = 0;
    try {
        if (r == 0 || r == prc::kStopped)
            closed = CloseOFile();
        else {
            m_writer.reset();
            m_ifile.OClose();
        }
    } catch (...) {
        closed = prc::kOutputWrite;
    }
    if (r == 0 && closed != 0)
        r = closed;
    if (r == 0 && m_lastPercent < 100)
        PostStatus(100);
    try {
        DoCleanup();
    } catch (...) {
        if (r == 0)
            r = prc::kInternal;
    }
    m_ifile.Close();
    PostStatus(1000 + static_cast<unsigned>(r));
    return r;
}

int TUExec_base::Run(const std::string&, const std::string&, const std::string&) {
    throw prc::kInternal;
}

int TUExec_base::DefineJob(const std::string&) {
    return 0;
}

bool TUExec_base::CheckJobEx() {
    return true;
}

void TUExec_base::OSetFileProps() {
    m_oSampleSize = static_cast<std::uint16_t>(m_ifile.SampleSize());
    m_oSamples = static_cast<std::uint16_t>(m_ifile.Samples());
}

int TUExec_base::OpenIFile(const std::string& name) {
    m_ifile.Close();
    if (m_ifile.Open(name, 0, true) != 0)
        return prc::kInputOpen;
    m_iTraces = m_ifile.Traces();
    return 0;
}

void TUExec_base::CreateOBuffer() {
    // A block still being written must not lose its buffer.
    if (m_writer && !m_writer->Wait())
        throw prc::kOutputWrite;
    const std::int64_t itb = m_ifile.TraceBytes();
    const std::int64_t otb = m_ifile.OTraceBytes();
    m_inPlace = itb == otb;
    const std::int64_t n = std::max<std::int64_t>(1, kBlockBytes / std::max(itb, otb));
    // Two of each buffer the outputs are written from: one fills while the other is written.
    for (int side = 0; side < 2; ++side) {
        m_ibuf[side].assign(side == 0 || m_inPlace ? static_cast<size_t>(n * itb) : 0, 0);
        m_obuf[side].assign(m_inPlace ? 0 : static_cast<size_t>(n * otb), 0);
    }
    m_side = 0;
}

void TUExec_base::CopyTextHeader() {
    std::memcpy(m_oText, m_ifile.RawTextHeader(), sizeof m_oText);
    EditTextHeader();
    if (m_ifile.OWriteTextHeader(m_oText) != 0)
        throw prc::kOutputWrite;
}

void TUExec_base::CopyBinHeader() {
    std::memcpy(m_oBin, m_ifile.RawBinHeader(), sizeof m_oBin);
    m_ifile.OSetHeader(m_oBin, 'B');
    // Word 7: samples per trace, which a merge may change.
    if (m_oSamples != m_ifile.Samples())
        m_ifile.OSetHdrWord(7, m_oSamples);
    EditFileHeader();
    m_ifile.OSetHeader(nullptr, 'B');
    if (m_ifile.OWriteBinHeader(m_oBin) != 0)
        throw prc::kOutputWrite;
}

void TUExec_base::WriteExtraTextBlocks() {
    unsigned char block[3200];
    for (int k = 1; k <= m_ifile.ExtBlocks(); ++k) {
        if (!m_ifile.ReadExtBlock(k, block))
            throw prc::kInputRead;
        if (m_ifile.OWriteExtBlock(block) != 0)
            throw prc::kOutputWrite;
    }
}

void TUExec_base::ProcessTraces() {
    const int step = BlockTraces();
    // In 64 bits: the last block may end at trace 2147483647.
    for (std::int64_t first = 1; first <= m_iTraces; first += step)
        ProcessBlock(int(first), int(std::min<std::int64_t>(step, m_iTraces - first + 1)));
}

int TUExec_base::MapTraceIndex() {
    return m_iTrace;
}

void TUExec_base::CopyTrace(int) {
    if (m_curOut == m_curIn)
        return;
    const std::int64_t isamp = m_ifile.TraceBytes() - 240;
    const std::int64_t osamp = m_ifile.OTraceBytes() - 240;
    // In place the output slot may overlap an earlier part of the block: memmove.
    std::memmove(m_curOut, m_curIn, static_cast<size_t>(240 + std::min(isamp, osamp)));
    if (osamp > isamp)
        std::memset(m_curOut + 240 + isamp, 0, static_cast<size_t>(osamp - isamp));
}

void TUExec_base::ProcessSignal(int) {}
void TUExec_base::BeforeTrace(int) {}
void TUExec_base::AfterTrace(int) {}
void TUExec_base::EditTextHeader() {}
void TUExec_base::EditFileHeader() {}
void TUExec_base::EditTraceHeader(int) {}
void TUExec_base::DoCleanup() {}

unsigned char* TUExec_base::IBuf() {
    return m_ibuf[m_inPlace ? m_side : 0].data();
}

unsigned char* TUExec_base::OBuf() {
    return m_inPlace ? IBuf() : m_obuf[m_side].data();
}

std::int64_t TUExec_base::IHdrWord(int index) const {
    return TCSegyReaderEx::GetWord(m_inHdr, 'T', index, m_ifile.BigEndian());
}

int TUExec_base::ConnectToSupervisor(int i) {
    SetProgress(i);
    return 0;
}

int TUExec_base::OpenOFile(const std::string& name) {
    std::error_code ec;
    if (std::filesystem::equivalent(m_ifile.FileName(), name, ec) && !ec)
        return prc::kOutputIsInput;
    m_oPending = 0;
    m_oWritten = 0;
    return m_ifile.OCreate(name, m_oSamples) == 0 ? 0 : prc::kOutputCreate;
}

int TUExec_base::CloseOFile() {
    if (!m_ifile.OIsOpen())
        return 0;
    bool written = true;
    try {
        FlushOutput();
    } catch (int) {
        written = false;
    }
    written = (!m_writer || m_writer->Wait()) && written;
    m_writer.reset();
    return m_ifile.OClose() == 0 && written ? 0 : prc::kOutputWrite;
}

void TUExec_base::FlushOutput() {
    if (m_oPending == 0)
        return;
    const std::int64_t count = m_oPending;
    m_oPending = 0;
    m_oWritten += count;
    if (!m_writer)
        m_writer = std::make_unique<TUBlockWriter>(m_ifile);
    if (!m_writer->Submit(OBuf(), count))
        throw prc::kOutputWrite;
    m_side ^= 1;
}

int TUExec_base::BlockTraces() const {
    return static_cast<int>(m_ibuf[0].size() / static_cast<size_t>(m_ifile.TraceBytes()));
}

void TUExec_base::ProcessBlock(int first, int count) {
    if (count > BlockTraces())
        throw prc::kInternal;
    // In place, the outputs overwrite the block they come from, so a new block starts empty.
    if (m_inPlace)
        FlushOutput();
    const std::int64_t itb = m_ifile.TraceBytes();
    unsigned char* block = IBuf();
    m_ifile.ReadRawTraces(first, count, block);
    for (int j = 0; j < count; ++j)
        RunTraceSteps(first + j, block + j * itb);
    if (m_inPlace)
        FlushOutput();
}

void TUExec_base::ProcessOneTrace(int n) {
    const std::int64_t itb = m_ifile.TraceBytes();
    if (m_inPlace && (m_oPending + 1) * itb > std::int64_t(m_ibuf[0].size()))
        FlushOutput();
    // In place the trace is read into the next output slot, behind the pending outputs.
    unsigned char* in = m_inPlace ? IBuf() + m_oPending * itb : IBuf();
    m_ifile.ReadRawTraces(n, 1, in);
    RunTraceSteps(n, in);
}

void TUExec_base::RunTraceSteps(int n, unsigned char* in) {
    m_iTrace = n;
    if (MapTraceIndex() == 0)
        return;
    std::memcpy(m_inHdr, in, sizeof m_inHdr);
    const std::int64_t otb = m_ifile.OTraceBytes();
    if (!m_inPlace && (m_oPending + 1) * otb > std::int64_t(m_obuf[0].size()))
        FlushOutput();
    m_curOut = OBuf() + m_oPending * otb;
    m_curIn = in;
    BeforeTrace(n);
    CopyTrace(n);
    m_ifile.OSetHeader(m_curOut, 'T');
    EditTraceHeader(n);
    m_ifile.OSetHeader(nullptr, 'T');
    ProcessSignal(n);
    AfterTrace(n);
    ++m_oPending;
    m_curOut = nullptr;
    m_curIn = nullptr;
    SetProgress(m_progressOffset + m_oWritten + m_oPending);
}

void TUExec_base::SetProgressTotal(std::int64_t total) {
    m_progressTotal = total;
}

void TUExec_base::SetProgress(std::int64_t done) {
    if (m_progressCalls++ % kStopQueryEvery == 0)
        CheckStop();
    if (m_progressTotal <= 0)
        return;
    const int percent = static_cast<int>(std::min<std::int64_t>(100, done * 100 / m_progressTotal));
    if (percent > m_lastPercent) {
        m_lastPercent = percent;
        PostStatus(static_cast<unsigned>(percent));
    }
}

void TUExec_base::CheckStop() {
    if (m_link && m_link->QueryStop(m_index))
        throw prc::kStopped;
}

void TUExec_base::PostStatus(unsigned code) {
    if (m_link)
        m_link->PostStatus(m_index, code);
}
