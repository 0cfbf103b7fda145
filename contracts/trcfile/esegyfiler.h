#pragma once
// The error object thrown when a trace cannot be read or written.

#include <exception>

class ESegyFiler : public std::exception {
public:
    ESegyFiler(int code, int trace) : m_code(code), m_trace(trace) {}
    int Code() const { return m_code; }
    // Trace number (from 1) being read when the error occurred.
    int TraceNo() const { return m_trace; }
    const char* what() const noexcept override { return "SEG-Y trace access error"; }

private:
    int m_code;
    int m_trace;
};
