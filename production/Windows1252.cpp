#include "Windows1252.h"

#include <array>
#include <cstdint>

namespace Production1 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of bytes 0x80..0x9F.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,       kReplacement, 0x201A, 0x0192, 0x201E, 0x2026,       0x2020, 0x2021,
    0x02C6,       0x2030,       0x0160, 0x2039, 0x0152, kReplacement, 0x017D, kReplacement,
    kReplacement, 0x2018,       0x2019, 0x201C, 0x201D, 0x2022,       0x2013, 0x2014,
    0x02DC,       0x2122,       0x0161, 0x203A, 0x0153, kReplacement, 0x017E, 0x0178,
};

char32_t CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls.at(static_cast<std::size_t>(byte - 0x80));
    }
    return byte;
}

} // namespace

void AppendUtf8(char32_t codePoint, std::string& text) {
    const auto put = [&text](std::uint32_t unit) { text.push_back(static_cast<char>(unit)); };
    const auto value = static_cast<std::uint32_t>(codePoint);
    if (value < 0x80) {
        put(value);
    } else if (value < 0x800) {
        put(0xC0 | (value >> 6));
        put(0x80 | (value & 0x3F));
    } else {
        // Every character of the single-byte code pages lies in the Basic Multilingual Plane.
        put(0xE0 | (value >> 12));
        put(0x80 | ((value >> 6) & 0x3F));
        put(0x80 | (value & 0x3F));
    }
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        AppendUtf8(CodePoint(static_cast<unsigned char>(byte)), text);
    }
    return text;
}

} // namespace Production1
