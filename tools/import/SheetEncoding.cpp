#include "SheetEncoding.h"

#include "DisplayText.h"
#include "TCsvReader.h"
#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace Armalyx::Import {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are the Cyrillic letters U+0410..U+044F.
constexpr std::array<char32_t, 64> kWindows1251High = {
    0x0402, 0x0403, 0x201A,       0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C,       0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, kReplacement, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408,       0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE,       0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116,       0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t Windows1251CodePoint(unsigned char byte) {
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    if (byte >= 0x80) {
        return kWindows1251High.at(static_cast<std::size_t>(byte - 0x80));
    }
    return byte;
}

bool IsUtf8(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; }) ||
           Production1::IsMultiByteUtf8(bytes, false);
}

// The number, counted from 1, of the first line that is not UTF-8; 0 when every line is.
std::size_t FirstLineNotUtf8(std::string_view bytes) {
    std::size_t number = 1;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        if (!IsUtf8(bytes.substr(0, end))) {
            return number;
        }
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        ++number;
    }
    return 0;
}

} // namespace

std::optional<TSheetEncoding> SheetEncodingNamed(std::string_view name) {
    const std::string lowered = AsciiLowered(name);
    if (lowered == "utf-8" || lowered == "utf8") {
        return TSheetEncoding::Utf8;
    }
    if (lowered == "windows-1251" || lowered == "cp1251") {
        return TSheetEncoding::Windows1251;
    }
    if (lowered == "windows-1252" || lowered == "cp1252") {
        return TSheetEncoding::Windows1252;
    }
    return std::nullopt;
}

std::optional<std::string> SheetToUtf8(std::string_view bytes, TSheetEncoding encoding,
                                       std::string& problem) {
    switch (encoding) {
    case TSheetEncoding::Windows1251:
        return Windows1251ToUtf8(bytes);
    case TSheetEncoding::Windows1252:
        return Production1::Windows1252ToUtf8(bytes);
    case TSheetEncoding::Utf8:
    case TSheetEncoding::Unstated:
        break;
    }
    const std::size_t line = FirstLineNotUtf8(bytes);
    if (line == 0) {
        return std::string(bytes);
    }
    const std::string notUtf8 = "line " + std::to_string(line) + " is not UTF-8; ";
    if (encoding == TSheetEncoding::Unstated) {
        problem = notUtf8 + "its bytes were written as they are, which Armalyx shows as "
                            "Windows-1252 (Western European); if the sheet was saved in another "
                            "code page, convert it again with that code page, such as --encoding "
                            "windows-1251 (Cyrillic)";
        return std::string(bytes);
    }
    problem = notUtf8 + "give the code page the sheet was saved in, such as "
                        "--encoding windows-1251 (Cyrillic) or --encoding windows-1252 (Western "
                        "European); nothing was written";
    return std::nullopt;
}

std::string Windows1251ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        Production1::AppendUtf8(Windows1251CodePoint(static_cast<unsigned char>(byte)), text);
    }
    return text;
}

} // namespace Armalyx::Import
