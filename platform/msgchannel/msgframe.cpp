#include "msgchannel/msgframe.h"

namespace {

void PutLE(unsigned char* out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::uint64_t GetLE(const unsigned char* in, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | in[i];
    return v;
}

} // namespace

void TMsgFrame::Encode(unsigned char* out) const {
    PutLE(out, msg, 4);
    PutLE(out + 4, wParam, 4);
    PutLE(out + 8, static_cast<std::uint64_t>(lParam), 8);
}

TMsgFrame TMsgFrame::Decode(const unsigned char* in) {
    TMsgFrame f;
    f.msg = static_cast<std::uint32_t>(GetLE(in, 4));
    f.wParam = static_cast<std::uint32_t>(GetLE(in + 4, 4));
    f.lParam = static_cast<std::int64_t>(GetLE(in + 8, 8));
    return f;
}
