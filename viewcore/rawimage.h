#pragma once
// Little-endian fields at fixed offsets of a raw object image, and whole-block stream moves.
// The images are built in a byte buffer (filler zeroed) and moved with one stream call, so they
// read the same on every platform whatever the compiler's own layout of the class.

#include <QIODevice>
#include <QtEndian>

#include <cstring>
#include <type_traits>

template <typename T> void RI_Put(char* image, int offset, T value) {
    static_assert(std::is_arithmetic_v<T>);
    if constexpr (std::is_same_v<T, bool>) {
        image[offset] = value ? 1 : 0;
    } else if constexpr (std::is_floating_point_v<T>) {
        using Bits = std::conditional_t<sizeof(T) == 4, quint32, quint64>;
        Bits bits;
        std::memcpy(&bits, &value, sizeof bits);
        qToLittleEndian(bits, image + offset);
    } else if constexpr (sizeof(T) == 1) {
        std::memcpy(image + offset, &value, 1);
    } else {
        qToLittleEndian(value, image + offset);
    }
}

template <typename T> T RI_Get(const char* image, int offset) {
    static_assert(std::is_arithmetic_v<T>);
    if constexpr (std::is_same_v<T, bool>) {
        return image[offset] != 0;
    } else if constexpr (std::is_floating_point_v<T>) {
        using Bits = std::conditional_t<sizeof(T) == 4, quint32, quint64>;
        const Bits bits = qFromLittleEndian<Bits>(image + offset);
        T value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    } else if constexpr (sizeof(T) == 1) {
        T value;
        std::memcpy(&value, image + offset, 1);
        return value;
    } else {
        return qFromLittleEndian<T>(image + offset);
    }
}

// One stream write (read) of `size` bytes; true when all of them moved.
inline bool RI_Write(QIODevice* dev, const char* data, qint64 size) {
    return dev != nullptr && dev->write(data, size) == size;
}
inline bool RI_Read(QIODevice* dev, char* data, qint64 size) {
    return dev != nullptr && dev->read(data, size) == size;
}
