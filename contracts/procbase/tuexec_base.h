#pragma once
// TUExec_base: the executor every procedure derives from (through TUExec_base_a, _c, _mi, _mo).
//
// Execute(first, second, third) takes the input path, the output path and the job text, in this
// order. It posts status 0, runs Run() and ends with exactly one final status 1000 + r, whatever
// happens inside: the result r is 0, the code a step returned, an int a step threw, prc::kStopped
// when the supervisor asked to stop, prc::kInputRead for an ESegyFiler, prc::kNoMemory for
// std::bad_alloc and prc::kInternal for any other exception (resultcodes.h). On success and on a
// soft stop the traces already processed are written and the output is closed, so it is a
// readable file; a failed write or close turns a success into prc::kOutputWrite.
//
// Traces go through one engine: the input is read in large blocks of whole traces (raw bytes,
// no sample conversion), each taken trace passes BeforeTrace, CopyTrace, EditTraceHeader,
// ProcessSignal and AfterTrace in its output slot, and the output is written in large blocks.
// When input and output traces have the same size the block is edited in place. Blocks are
// written by a thread of their own (TUBlockWriter) while the next block is read and edited. During
// EditTraceHeader the filer's OSetHdrWord sets words of the current output trace header;
// IHdrWord reads the input trace's header as it was read. Progress goes out as percents 1..100
// when the percent changes; the supervisor is asked whether to stop every kStopQueryEvery steps,
// starting with the first.
//
// Executors with several inputs or outputs build their Run() from the same pieces: OpenIFile,
// OpenOFile, the header copies, ProcessBlock (sequential traces) or ProcessOneTrace (a trace by
// number), FlushOutput and CloseOFile, and SetProgressTotal/SetProgress.

#include "trcfile/tcsegyfilerux.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TUBlockWriter;
class TUSupervisorLink;

class TUExec_base {
public:
    static constexpr int kStopQueryEvery = 256;
    // Two blocks (the one being read and edited, the one being written) stay within the
    // processor's cache, so the write copies from cache; 8 MiB blocks ran a fifth slower.
    static constexpr std::int64_t kBlockBytes = 2 << 20;

    // `window` is a TUSupervisorLink* or null.
    TUExec_base(unsigned index, void* window);
    virtual ~TUExec_base();
    TUExec_base(const TUExec_base&) = delete;
    TUExec_base& operator=(const TUExec_base&) = delete;

    // Virtual operations, in table order.
    virtual int Execute(const std::string& first, const std::string& second,
                        const std::string& third);
    // Parses the job text: 0 or a job error code. The base accepts any job.
    virtual int DefineJob(const std::string& job);
    // Compares the job with the open input: true, or throws an int code (false gives 210).
    virtual bool CheckJobEx();
    // Output sample size and samples per trace from the input.
    virtual void OSetFileProps();
    // Opens the input file: 0 or prc::kInputOpen. Sets the number of input traces.
    virtual int OpenIFile(const std::string& name);
    // Allocates the block buffers for the current input and output.
    virtual void CreateOBuffer();
    // Copy the input's textual header, binary header and extended blocks to the output, each
    // edited (EditTextHeader, EditFileHeader) before it is written.
    virtual void CopyTextHeader();
    virtual void CopyBinHeader();
    virtual void WriteExtraTextBlocks();
    // All input traces in blocks.
    virtual void ProcessTraces();
    // Input trace number to take for the current input trace ITrace(), 0 to skip it.
    virtual int MapTraceIndex();
    // Copies input trace n into its output slot: the header, and the samples cut or padded with
    // zero bytes to the output length. An override calls this first.
    virtual void CopyTrace(int n);
    virtual void ProcessSignal(int n);
    virtual void BeforeTrace(int n);
    virtual void AfterTrace(int n);
    // The output textual header (OTextHeader()) before it is written.
    virtual void EditTextHeader();
    // The output binary header, through OSetHdrWord, before it is written.
    virtual void EditFileHeader();
    // The output trace header of input trace n, through OSetHdrWord.
    virtual void EditTraceHeader(int n);
    // Called once at the end of every run, after the output is closed.
    virtual void DoCleanup();

    // State the procedures read.
    unsigned Index() const { return m_index; }
    TCSegyFilerUx& IFile() { return m_ifile; }
    std::uint16_t OSampleSize() const { return m_oSampleSize; }
    std::uint16_t OSamplesPerTrace() const { return m_oSamples; }
    int ITraceCount() const { return m_iTraces; }
    // Samples of the current output trace.
    unsigned char* OSignalPtr() { return m_curOut ? m_curOut + 240 : nullptr; }
    // Header word of the current input trace as read (field index, like HdrWord('T', ...)).
    std::int64_t IHdrWord(int index) const;
    // Number of the current input trace (from 1) and of the output trace being made (from 1).
    int ITrace() const { return m_iTrace; }
    std::int64_t OTrace() const { return m_oWritten + m_oPending + 1; }
    // Reports progress position `i` of the total (see SetProgress) and asks about stopping.
    int ConnectToSupervisor(int i);

protected:
    // The run between the start and the final status; 0 or a code. The base throws: every
    // executor class defines its own.
    virtual int Run(const std::string& input, const std::string& output, const std::string& job);

    // Creates the output with OSamplesPerTrace(): 0, prc::kOutputIsInput or prc::kOutputCreate.
    int OpenOFile(const std::string& name);
    // Writes the pending output traces, then closes the output: 0 or prc::kOutputWrite.
    int CloseOFile();
    // Writes the pending output traces; throws prc::kOutputWrite on failure.
    void FlushOutput();
    // Input traces first..first+count-1 (count within one block, see BlockTraces()).
    void ProcessBlock(int first, int count);
    // Input trace n alone; its output joins the pending block.
    void ProcessOneTrace(int n);
    // Whole input traces that fit one block.
    int BlockTraces() const;
    // Progress: posts the percent of `done` in `total` when it changes; asks about stopping
    // every kStopQueryEvery calls and throws prc::kStopped when told to.
    void SetProgressTotal(std::int64_t total);
    void SetProgress(std::int64_t done);
    // Steps done before the current output's traces (several outputs count on).
    void SetProgressOffset(std::int64_t offset) { m_progressOffset = offset; }
    // Asks the supervisor now; throws prc::kStopped when told to stop.
    void CheckStop();
    void PostStatus(unsigned code);
    unsigned char* OTextHeader() { return m_oText; }
    unsigned char* OBinHeader() { return m_oBin; }

    std::uint16_t m_oSampleSize = 0;
    std::uint16_t m_oSamples = 0;
    int m_iTraces = 0;

private:
    void RunTraceSteps(int n, unsigned char* in);
    // The block being read into and the one the outputs are made in (the same in place).
    unsigned char* IBuf();
    unsigned char* OBuf();

    unsigned m_index;
    TUSupervisorLink* m_link;
    TCSegyFilerUx m_ifile;
    std::vector<unsigned char> m_ibuf[2];
    std::vector<unsigned char> m_obuf[2];
    int m_side = 0;
    bool m_inPlace = false;
    unsigned char* m_curIn = nullptr;
    unsigned char* m_curOut = nullptr;
    unsigned char m_inHdr[240] = {};
    unsigned char m_oText[3200] = {};
    unsigned char m_oBin[400] = {};
    int m_iTrace = 0;
    std::int64_t m_oPending = 0;
    std::int64_t m_oWritten = 0;
    std::int64_t m_progressTotal = 0;
    std::int64_t m_progressOffset = 0;
    std::int64_t m_progressCalls = 0;
    int m_lastPercent = 0;
    // Declared last: it writes through m_ifile from its buffers, so it goes first.
    std::unique_ptr<TUBlockWriter> m_writer;
};
