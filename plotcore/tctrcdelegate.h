#pragma once
// The source of processed trace samples for the screen plotter.

class TCSeisPlotter1;

class TCTrcDelegate {
public:
    virtual ~TCTrcDelegate() = default;
    // Processed samples of `trace` for the plotter's current frame: samples Y0 to Y1 of the
    // frame, consecutive, in display units (+-1.0 is a full slot). nullptr means no data; the
    // plotter then stops drawing the frame. The pointer must stay valid until the next call.
    virtual const float* ProvideTrace(const TCSeisPlotter1& plotter, int trace) = 0;
};
