#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

// Pack and BMP fields are little-endian whatever the machine's own order.
inline std::uint16_t ReadLittleEndian16(const void* bytes) {
    return qFromLittleEndian<std::uint16_t>(bytes);
}
inline std::uint32_t ReadLittleEndian32(const void* bytes) {
    return qFromLittleEndian<std::uint32_t>(bytes);
}
inline void WriteLittleEndian32(std::uint32_t value, void* bytes) {
    qToLittleEndian(value, bytes);
}
inline void AppendLittleEndian16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}
inline void AppendLittleEndian32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}
