// The catalogue's big-endian integers: values at the edges of each width come back as they were
// written, in the byte order the format gives.

#include "catalog/Coding.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <cstdint>

namespace corkwise {
namespace {

struct Case {
    int width;  // coding::kU16Size or coding::kU24Size
    std::uint32_t value;
    const char* bytes;  // as the file holds them, first byte first
};

constexpr Case kCases[] = {
    {coding::kU16Size, 0x0000, "\x00\x00"},       {coding::kU16Size, 0x0001, "\x00\x01"},
    {coding::kU16Size, 0x00FF, "\x00\xFF"},       {coding::kU16Size, 0x0100, "\x01\x00"},
    {coding::kU16Size, 0x1234, "\x12\x34"},       {coding::kU16Size, 0x7FFF, "\x7F\xFF"},
    {coding::kU16Size, 0x8000, "\x80\x00"},       {coding::kU16Size, 0xFFFF, "\xFF\xFF"},
    {coding::kU24Size, 0x000000, "\x00\x00\x00"}, {coding::kU24Size, 0x000001, "\x00\x00\x01"},
    {coding::kU24Size, 0x0000FF, "\x00\x00\xFF"}, {coding::kU24Size, 0x00FFFF, "\x00\xFF\xFF"},
    {coding::kU24Size, 0x010000, "\x01\x00\x00"}, {coding::kU24Size, 0x123456, "\x12\x34\x56"},
    {coding::kU24Size, 0x7FFFFF, "\x7F\xFF\xFF"}, {coding::kU24Size, 0x800000, "\x80\x00\x00"},
    {coding::kU24Size, 0xFFFFFF, "\xFF\xFF\xFF"},
};

TEST(CodingTest, ValuesAtTheEdgesOfEachWidthRoundTripInBigEndianOrder) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "width " << c.width << ", value " << c.value);
        const QByteArray expected(c.bytes, c.width);
        // Written between two guard bytes, which must stay as they were.
        QByteArray buffer(c.width + 2, '\x5A');
        char* at = buffer.data() + 1;
        if (c.width == coding::kU16Size) {
            coding::putU16(at, c.value);
        } else {
            coding::putU24(at, c.value);
        }
        EXPECT_EQ(buffer.mid(1, c.width), expected);
        EXPECT_EQ(buffer.front(), '\x5A');
        EXPECT_EQ(buffer.back(), '\x5A');

        const int read = c.width == coding::kU16Size ? coding::getU16(at) : coding::getU24(at);
        EXPECT_EQ(read, static_cast<int>(c.value));
        // The same through unsigned bytes, as the reader gets them from a map.
        const auto* bytes = reinterpret_cast<const unsigned char*>(expected.constData());
        EXPECT_EQ(c.width == coding::kU16Size ? coding::getU16(bytes) : coding::getU24(bytes),
                  static_cast<int>(c.value));
    }
}

TEST(CodingTest, BitsAboveTheWidthAreDropped) {
    char bytes[coding::kU24Size] = {};
    coding::putU16(bytes, 0x1ABCD);
    EXPECT_EQ(coding::getU16(bytes), 0xABCD);
    coding::putU24(bytes, 0x1ABCDEF);
    EXPECT_EQ(coding::getU24(bytes), 0xABCDEF);
}

// The helpers are constexpr: what the reader decodes costs no call.
static_assert([] {
    char bytes[coding::kU24Size] = {};
    coding::putU24(bytes, 0xFEDCBA);
    const unsigned char u[] = {static_cast<unsigned char>(bytes[0]),
                               static_cast<unsigned char>(bytes[1]),
                               static_cast<unsigned char>(bytes[2])};
    return coding::getU24(u) == 0xFEDCBA && coding::getU16(u) == 0xFEDC;
}());

}  // namespace
}  // namespace corkwise
