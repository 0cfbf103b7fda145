#include "qos5/tuexec_qos5.h"

#include "common/jobparse.h"
#include "procbase/resultcodes.h"

#include <algorithm>
#include <cstring>

TUExec_qos5::TUExec_qos5(unsigned index, void* window) : TUExec_base_mi(index, window) {}

int TUExec_qos5::DefineJob(const std::string& job) {
    m_job.DefineRuntime(QString::fromStdString(job));
    return 0;
}

bool TUExec_qos5::CheckJobEx() {
    int format = 0, interval = 0;
    bool first = true;
    for (TUJobRec& p : m_job.Pieces()) {
        // The output is created after this check: a job that names it as an input must not
        // get as far as truncating it.
        if (IsOutputFile(p.file))
            throw prc::kOutputIsInput;
        TCSegyReaderEx file;
        if (file.Open(p.file, 0, true) != 0)
            throw prc::kPieceOpen;
        p.samples = std::uint16_t(file.GetInt(7));
        if (first) {
            m_oSampleSize = std::uint16_t(file.GetInt(2));
            format = file.GetInt(1);
            interval = file.GetInt(4);
            first = false;
        } else if (file.GetInt(1) != format || file.GetInt(4) != interval) {
            throw prc::kPropsDiffer;
        }
        const int traces = file.GetInt(3);
        if (p.last == job::kAllTraces)
            p.last = traces;
        // A first trace beyond the file is as much beyond it as a last one; only the piece
        // from trace 1 to the end of a file without traces is empty rather than beyond it.
        if (p.last > traces || (p.first > p.last && p.first > 1))
            throw prc::kPieceBeyondFile;
    }
    return true;
}

void TUExec_qos5::OSetFileProps() {
    m_oSamples = m_job.OutputSamples();
    const std::int64_t traces = m_job.OutputTraces();
    if (traces > job::kAllTraces)
        throw prc::kTooManyTraces;
    m_oTraceCount = traces;
}

void TUExec_qos5::ProcessTraces() {
    const TUJobRec& p = m_job.Pieces()[size_t(m_job.Current())];
    const int step = BlockTraces();
    // In 64 bits: the last block may end at trace 2147483647.
    for (std::int64_t first = p.first; first <= p.last; first += step)
        ProcessBlock(int(first), int(std::min<std::int64_t>(step, p.last - first + 1)));
}

int TUExec_qos5::MapTraceIndex() {
    const TUJobRec& p = m_job.Pieces()[size_t(m_job.Current())];
    return ITrace() >= p.first && ITrace() <= p.last ? ITrace() : 0;
}

void TUExec_qos5::ProcessSignal(int) {
    const std::size_t have = m_job.Pieces()[size_t(m_job.Current())].samples;
    const std::size_t want = OSamplesPerTrace();
    if (have < want)
        std::memset(OSignalPtr() + have * OSampleSize(), 0, (want - have) * OSampleSize());
}

void TUExec_qos5::EditFileHeader() {
    IFile().OSetHdrWord(7, OSamplesPerTrace());
}

void TUExec_qos5::EditTraceHeader(int) {
    if (m_job.KeepNumber())
        IFile().OSetHdrWord(3, IHdrWord(1));
    IFile().OSetHdrWord(1, OTrace());
    IFile().OSetHdrWord(38, OSamplesPerTrace());
}

bool TUExec_qos5::NextInputFile(std::string& name) {
    if (!m_job.NextPiece())
        return false;
    name = m_job.Pieces()[size_t(m_job.Current())].file;
    return true;
}
