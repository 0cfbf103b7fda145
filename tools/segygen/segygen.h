#pragma once
// Synthetic SEG-Y shot records for tests, benchmarks and the demo.
//
// Each of `sources` shots is recorded by the same line of `receivers` receivers; every trace
// carries a direct arrival and three reflections (Ricker wavelets on hyperbolic moveout).
// Header words set (field index): 0 and 1 the trace's position in the file (from 1), 2 field
// record = shot number (from 1), 3 trace number in the record = receiver number (from 1),
// 4 source point = shot number, 5 CDP number, 6 trace in CDP, 7 trace id 1, 11 signed offset
// (receiver X - source X), 12 receiver elevation, 20 coordinate scalar 1, 21..24 source X/Y and
// receiver X/Y, 25 coordinate units 1, 38 samples (or traceHeaderSamples), 39 interval, 59..63 shot
// time (year, day of year, hour, minute, second; shot k starts shotStepSeconds x (k - 1) after the
// base time), 64 time basis 4 (UTC). Binary header: job, line and reel 1, traces per ensemble =
// receivers, interval, samples, format, sorting 1 (0 when shuffled), measurement 1 (metres),
// revision 0x0100, fixed length 1 (0 when fixedLength is off), extended block count.
//
//     SynthSpec synth;
//     synth.sources = 4;
//     synth.receivers = 24;
//     synth.shuffle = true;
//     int rc = WriteSynthSegy(path, synth); // 0 or a code of trcfile/trcerrors.h

#include "trcfile/tcfilefmt.h"

#include <cstdint>
#include <string>
#include <vector>

struct SynthSpec {
    int sources = 4;
    int receivers = 24;
    int samples = 500;
    int intervalUs = 2000;
    int format = 1; // 1, 2, 3, 5 or 8
    TCFileFmt order = fmtUnix;
    int extBlocks = 0;           // extended textual blocks to write
    int text = -1;               // textual header code: 0 ASCII, 1 EBCDIC, -1 EBCDIC for big-endian
                                 // files and ASCII for little-endian ones
    bool fixedLength = true;     // the binary header's fixed-length flag
    int traceHeaderSamples = -1; // sample count word of every trace header, -1: `samples`; a
                                 // cropped file keeps the count of the longer original here
    bool shuffle = false;        // write the traces in a random order (reproducible by seed)
    unsigned seed = 1;
    double amplitude = 0;   // peak of an event; 0: 100 for int8, 10000 for int16, 1e6 for
                            // int32, 1 for the float formats
    double frequency = 25;  // Ricker peak frequency, Hz
    double velocity = 2000; // m/s
    int receiverStep = 25;  // m between receivers; receiver r (from 0) lies at X = r x step
    int sourceStep = 100;   // m between shots; shot s (from 0) lies at X = s x step + 12
    int lineY = 1000;       // Y of every source and receiver
    int year = 2024, dayOfYear = 100, hour = 10, minute = 0, second = 0;
    int shotStepSeconds = 30;
};

// Checks a SynthSpec: "" when it can be written, otherwise what is wrong (English, for developers).
std::string CheckSynthSpec(const SynthSpec& synth);

// Writes the file: 0, trc::kErrInternal for a description CheckSynthSpec refuses, or the writer's
// code.
int WriteSynthSegy(const std::string& path, const SynthSpec& synth);

// The samples of shot `source` and receiver `receiver` (both from 0) before conversion to the
// sample format (integer formats round them to nearest).
std::vector<float> SynthTrace(const SynthSpec& synth, int source, int receiver);

// The trace order of the file: element k is source * receivers + receiver of trace k + 1.
std::vector<int> SynthOrder(const SynthSpec& synth);
