#pragma once
// The messages and published names by which a worker and its owner (the batch editor's main
// window, the headless runner, a test) talk. Numbers keep their window-message values.

#include <cstdint>

// Posted by a worker: wParam = (file index << 16) | code; code 0 start, 1..100 percent done,
// 1000 + r the final result r. lParam 0.
constexpr std::uint32_t SPV_MSG_STATUS = 0x84D2;
// Sent by a worker, lParam = file index; the owner answers 1 when the worker should stop.
constexpr std::uint32_t SPV_MSG_QUERYSTOP = 0x84D3;
// Posted by a client right after connecting, wParam = its file index. The channel consumes it
// itself (it names the connection), owners never see it.
constexpr std::uint32_t SPV_MSG_HELLO = 0x84D0;

// Status codes above this value are final (1000 + result).
constexpr std::uint32_t SPV_STATUS_LAST_PERCENT = 100;
constexpr std::uint32_t SPV_STATUS_FINAL_BASE = 1000;

// Published name of the owner's channel and name of the shared job text.
constexpr const char* SPV_HANDLE_NAME = "ked_supervisor_winhandle";
constexpr const char* SPV_JOB_TEXT_NAME = "ked_procedure_jobstring";

inline std::uint32_t SPV_StatusWParam(unsigned index, unsigned code) {
    return (static_cast<std::uint32_t>(index & 0xFFFF) << 16) | (code & 0xFFFF);
}
