#pragma once
// The processed samples of each trace of a frame, as the section plotter asks for them: the
// frame's sample range widened by the filter and AGC context and clipped to the trace, the
// trace's reduction and extra delay applied on reading, then filter, gain mode or gain table.
// The viewer's window and the raster exporter draw through the same chain.
//
// Bind before use; the reader, parameters and frame cache are not owned. A frame starts when
// the trace asked for is the frame's first trace: the read window is fixed, the filter is built
// when it is on, and the frame cache is emptied and defined. A trace that cannot be read gives
// nullptr and is remembered as the failure (trace and reader code) until ClearFailure.

#include "plotcore/tctrcdelegate.h"

#include <vector>

class TCFrameCasheB;
class TCSegyReaderEx;
class TCViewerParams;

class TCTraceSupplier : public TCTrcDelegate {
public:
    void Bind(TCSegyReaderEx* reader, TCViewerParams* params, TCFrameCasheB* cache) {
        m_reader = reader;
        m_params = params;
        m_cache = cache;
    }
    // Sample interval in seconds.
    void SetInterval(double dt) { m_dt = dt; }
    double Interval() const { return m_dt; }
    // Factor applied to every sample as read (the file's amplitude scale), 1 by default.
    void SetInputScale(float scale) { m_scale = scale; }
    float InputScale() const { return m_scale; }

    // Makes both trace buffers hold `samples` floats, growing only; false when memory runs out.
    bool Reserve(int samples);
    void Release();
    int Capacity() const { return int(m_input.size()); }

    // The plotter's frame: first trace X0 with the trace output step, samples Y0..Y1 (from 1).
    // At the frame's first trace every trace of the frame is read (in order, up to the first
    // that fails) and then processed on all cores; the later calls hand out the results.
    const float* ProvideTrace(const TCSeisPlotter1& plotter, int trace) override;
    // One trace of a frame whose first trace is frameFirst (output step traceStep) and whose
    // samples are first..last (from 0). Returns last - first + 1 processed samples.
    const float* Provide(int trace, int frameFirst, int traceStep, int first, int last);

    // Read window of the current frame (sample indices from 0).
    int WindowStart() const { return m_winStart; }
    int WindowEnd() const { return m_winEnd; }

    bool Failed() const { return m_failTrace != 0; }
    int FailedTrace() const { return m_failTrace; }
    int FailedCode() const { return m_failCode; }
    void ClearFailure() { m_failTrace = m_failCode = 0; }

private:
    void StartFrame(int frameFirst, int traceStep, int first, int last);
    void PrepareFrame(int firstTrace, int lastTrace, int step, int first, int last);
    // Reads the window of `trace` shifted by its delay, scaled, into data (n floats) and adds
    // the trace to the frame cache; false (remembered) when it cannot be read.
    bool ReadTrace(int trace, float* data, int n, float* maxAbs);
    void Process(int trace, float* data, int n, float maxAbs, float* work) const;
    int DistanceArg(int trace) const;

    TCSegyReaderEx* m_reader = nullptr;
    TCViewerParams* m_params = nullptr;
    TCFrameCasheB* m_cache = nullptr;
    double m_dt = 0.0;
    float m_scale = 1.0f;
    int m_winStart = 0;
    int m_winEnd = -1;
    int m_failTrace = 0;
    int m_failCode = 0;
    int m_frameFirst = 0; // first trace of the prepared frame, 0 = none
    int m_frameStep = 1;
    int m_ready = 0; // traces of the prepared frame read and processed
    std::vector<float> m_frame;
    std::vector<float> m_frameMax;
    std::vector<float> m_input;
    std::vector<float> m_work;
};
