#pragma once
// One frame of the message channel: message number u32, wParam u32, lParam i64, 16 bytes,
// little-endian whatever the machine.

#include <cstddef>
#include <cstdint>

struct TMsgFrame {
    static constexpr std::size_t kSize = 16;

    std::uint32_t msg = 0;
    std::uint32_t wParam = 0;
    std::int64_t lParam = 0;

    void Encode(unsigned char* out) const;
    static TMsgFrame Decode(const unsigned char* in);
};
