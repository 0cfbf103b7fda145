#include "zar9/tuexec_zar9.h"

#include "procbase/resultcodes.h"

#include <algorithm>
#include <vector>

TUExec_zar9::TUExec_zar9(unsigned index, void* window) : TUExec_base_mo(index, window) {}

int TUExec_zar9::DefineJob(const std::string& job) {
    return m_job.Parse(QString::fromStdString(job));
}

bool TUExec_zar9::CheckJobEx() {
    TCSegyFilerUx& in = IFile();
    const bool big = in.BigEndian();
    const int traces = ITraceCount();
    const std::int64_t tb = in.TraceBytes();
    // A bounded block of whole traces per read; only the headers are looked at.
    const int block = int(std::max<std::int64_t>(1, kBlockBytes / tb));
    std::vector<unsigned char> buf(size_t(std::min(block, std::max(traces, 1)) * tb));
    m_job.ReserveTraces(traces);
    // In 64 bits: the last block may end at trace 2147483647.
    for (std::int64_t next = 1; next <= traces;) {
        const int first = int(next);
        const int count = std::min(block, traces - first + 1);
        in.ReadRawTraces(first, count, buf.data());
        for (int j = 0; j < count; ++j) {
            const unsigned char* h = buf.data() + j * tb;
            const auto word = [h, big](int index) {
                return TCSegyReaderEx::GetWord(h, 'T', index, big);
            };
            TFImagRec rec;
            if (!m_job.MakeEntry(first + j, word, rec))
                throw prc::kJobDoesNotFit;
            m_job.AddTrace(rec);
            ConnectToSupervisor(first + j);
        }
        next += count;
    }
    const int r = m_job.BuildPlan();
    if (r != 0)
        throw r;
    return true;
}

void TUExec_zar9::OSetFileProps() {
    TUExec_base_mo::OSetFileProps();
    m_workSteps = 2 * std::int64_t(ITraceCount());
}

void TUExec_zar9::EditTraceHeader(int) {
    if (m_job.KeepNumber())
        IFile().OSetHdrWord(3, IHdrWord(1));
    IFile().OSetHdrWord(1, OTrace());
}

std::string TUExec_zar9::OutputFileName(int k, const std::string& name) {
    return GatherFileName(name, m_job.Plan()[size_t(k - 1)].name);
}

int TUExec_zar9::ScanSteps() {
    return ITraceCount();
}

bool TUExec_zar9::NextOutputFile(int& k) {
    ++k;
    m_job.StartOutput();
    return k <= int(m_job.Plan().size());
}

bool TUExec_zar9::NextOutputTrace(int k, int& trace) {
    return m_job.NextTrace(k, trace);
}

std::string TUExec_zar9::GatherFileName(const std::string& path, std::int32_t gather) {
    const size_t slash = path.find_last_of("/\\");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find('.', nameStart);
    const std::string tag = "#" + std::to_string(gather);
    if (dot == std::string::npos)
        return path + tag;
    return path.substr(0, dot) + tag + path.substr(dot);
}
