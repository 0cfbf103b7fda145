"""The segyio side of the interop tests.

make PATH FORMAT ENDIAN   segyio writes (not format 8, whose files segyio 1.8.3 writes with the
                          wrong size) 12 traces of 50 samples with set header words
dump PATH ENDIAN          prints what segyio reads: facts, then per trace one line of every
                          trace header word (by byte position) and one line of samples
text PATH ENDIAN          prints the 40 lines of every textual block as segyio decodes them
                          (always as EBCDIC), trailing blanks cut
"""
import sys

import numpy as np
import segyio


def make(path, fmt, endian):
    layout = segyio.spec()
    layout.format = fmt
    layout.samples = list(range(0, 50 * 4, 4))
    layout.tracecount = 12
    layout.endian = endian
    with segyio.create(path, layout) as f:
        f.bin.update({segyio.BinField.Interval: 4000, segyio.BinField.Samples: 50,
                      segyio.BinField.Traces: 12})
        for t in range(12):
            f.header[t] = {
                segyio.TraceField.TRACE_SEQUENCE_FILE: t + 1,
                segyio.TraceField.FieldRecord: 7 + t // 4,
                segyio.TraceField.TraceNumber: t % 4 + 1,
                segyio.TraceField.offset: -300 + 50 * t,
                segyio.TraceField.SourceX: 100000 + t,
                segyio.TraceField.GroupY: -2000000 - t,
                segyio.TraceField.TRACE_SAMPLE_COUNT: 50,
                segyio.TraceField.TRACE_SAMPLE_INTERVAL: 4000,
                segyio.TraceField.YearDataRecorded: 2021,
                segyio.TraceField.DayOfYear: 45 + t,
            }
            # segyio 1.8.3 leaves the unassigned words big-endian in little-endian files.
            if endian == "big":
                f.header[t] = {segyio.TraceField.UnassignedInt2: -t}
            i = np.arange(50, dtype=np.float64)
            if fmt in (2, 3, 8):
                data = np.round((i - 25) * (t + 1) * (1 if fmt == 8 else 40))
                data = np.clip(data, -128, 127) if fmt == 8 else data
            else:
                data = (i - 25) * (t + 1) * 0.37 + 1e-3
            f.trace[t] = data.astype(np.float32)


def dump(path, endian):
    with segyio.open(path, ignore_geometry=True, endian=endian) as f:
        print("traces", f.tracecount)
        print("samples", len(f.samples))
        print("interval", f.bin[segyio.BinField.Interval])
        print("format", f.bin[segyio.BinField.Format])
        keys = sorted(int(k) for k in segyio.TraceField.enums())
        print("positions", len(keys), *keys)
        for t in range(f.tracecount):
            h = f.header[t]
            print("h", *[h[k] for k in keys])
            print("s", *["%.9g" % v for v in f.trace[t]])


def text(path, endian):
    with segyio.open(path, ignore_geometry=True, endian=endian) as f:
        for block in f.text:
            data = bytes(block).decode("latin-1")
            for line in range(40):
                print(data[80 * line:80 * line + 80].rstrip(" "))


if __name__ == "__main__":
    if sys.argv[1] == "make":
        make(sys.argv[2], int(sys.argv[3]), sys.argv[4])
    elif sys.argv[1] == "text":
        text(sys.argv[2], sys.argv[3])
    else:
        dump(sys.argv[2], sys.argv[3])
