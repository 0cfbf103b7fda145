#pragma once
// The amplitude scale of a file: the mean absolute sample of its first trace that is not all
// zero, searched trace by trace.

class TCSegyReaderEx;

// Mean absolute sample (sum over the trace / samples per trace) of the first trace among
// first..last whose absolute samples sum above 0; 0 with *found = 0 when there is none, else
// *found is that trace's number. A trace that cannot be read throws the reader's ESegyFiler.
double KV_FirstNonZeroMean(TCSegyReaderEx& reader, int first, int last, int* found);
