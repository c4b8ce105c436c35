#pragma once
// The catalogue's integers in bytes: unsigned, big-endian, 2 or 3 bytes wide. Every reader and
// writer of the format goes through these, so the byte order is spelled in one place.
//
// The helpers check nothing: the caller has made sure the bytes are there (the reader checks
// every position against the file before it decodes). They are inline and compile to the
// shifts one would write by hand.

#include <cstdint>

namespace corkwise::coding {

inline constexpr int kU16Size = 2;
inline constexpr int kU24Size = 3;

// The u16 at P (0 to 65535).
constexpr int getU16(const unsigned char* p) {
    return (p[0] << 8) | p[1];
}
// The u24 at P (0 to 16777215).
constexpr int getU24(const unsigned char* p) {
    return (p[0] << 16) | (p[1] << 8) | p[2];
}
inline int getU16(const char* p) {
    return getU16(reinterpret_cast<const unsigned char*>(p));
}
inline int getU24(const char* p) {
    return getU24(reinterpret_cast<const unsigned char*>(p));
}

// Writes the low 16 or 24 bits of VALUE at P; higher bits are dropped.
constexpr void putU16(char* p, std::uint32_t value) {
    p[0] = static_cast<char>((value >> 8) & 0xFF);
    p[1] = static_cast<char>(value & 0xFF);
}
constexpr void putU24(char* p, std::uint32_t value) {
    p[0] = static_cast<char>((value >> 16) & 0xFF);
    p[1] = static_cast<char>((value >> 8) & 0xFF);
    p[2] = static_cast<char>(value & 0xFF);
}

}  // namespace corkwise::coding
