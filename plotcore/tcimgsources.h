#pragma once
// Where the raster imager gets its data: processed samples and offsets of the record's traces.

class TCImgTraceSource {
public:
    virtual ~TCImgTraceSource() = default;
    // Processed samples of `trace` from the picture's first sample S1 on, consecutive, in display
    // units (+1.0 is a full slot). `position` counts the calls from 1. nullptr means no data (or
    // a stop asked for) and ends the drawing with failure. The pointer stays valid until the
    // next call.
    virtual const float* ImgTrace(int trace, int position) = 0;
};

class TCImgOffsetSource {
public:
    virtual ~TCImgOffsetSource() = default;
    // The offset of `trace`, for the offset row of the upper trace axis.
    virtual int ImgOffset(int trace) = 0;
};
