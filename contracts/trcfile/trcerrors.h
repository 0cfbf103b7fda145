#pragma once
// Result codes of trcfile. Open, OpenTest and the writer's operations return 0 on success or one
// of these; trace access throws ESegyFiler carrying one of them and the trace number.

namespace trc {
enum Error : int {
    kOk = 0,
    kErrOpen = 1,           // the operating system refused to open (or create) the file
    kErrSize = 2,           // the file size could not be determined
    kErrMemory = 3,         // buffers could not be allocated
    kErrUnknown = 4,        // unidentified open error
    kErrInternal = 5,       // internal error (misuse of the library, e.g. no file open)
    kErrTooSmall = 6,       // shorter than the 3600 bytes of textual and binary header
    kErrRead = 7,           // a read failed or came back short (also: a trace cut by the file end)
    kErrTraceCount = 9,     // trace count above 2147483647, or not whole while the first trace
                            // header's sample count would make it whole (a wrong binary header)
    kErrTruncated = 10,     // the file ends inside a trace (data size not a multiple of the
                            // trace size, and the trace headers do not explain it otherwise)
    kErrHeaderWord = 12,    // a binary header word is unacceptable: sample count 0, unknown sample
                            // format, interval 0, extended block count the file cannot hold
    kErrHeader = 13,        // unidentified header interpretation error
    kErrVarExtBlocks = 14,  // extended block count -1 (variable number of blocks)
    kErrTraceInterval = 15, // first or last trace header's interval differs from the file's
                            // (not checked when the fixed-length flag is set)
    kErrTraceSamples = 16,  // first or last trace header's sample count differs from the file's
                            // (not checked when the fixed-length flag is set)
    kErrTraceRange = 20,    // trace number outside 1..traces (thrown by trace access)
    kErrWrite = 21,         // a write, flush or close of the output file failed
    kErrNotCreated = 22,    // output operation without an output file, or a wrong buffer size
};
} // namespace trc
