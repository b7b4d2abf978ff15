#include "DisplayText.h"

#include "Windows1252.h"

#include <algorithm>
#include <cstdint>

namespace Production1 {

namespace {

// The length of the UTF-8 sequence that the lead byte starts, or 0 when it cannot start one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// The range the second byte of a sequence must lie in: narrower after the leads that would
// otherwise give overlong forms, surrogates or code points past U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
    case 0xE0:
        return second >= 0xA0 && second <= 0xBF;
    case 0xED:
        return second >= 0x80 && second <= 0x9F;
    case 0xF0:
        return second >= 0x90 && second <= 0xBF;
    case 0xF4:
        return second >= 0x80 && second <= 0x8F;
    default:
        return second >= 0x80 && second <= 0xBF;
    }
}

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

// The number of bytes of the valid sequence at the position, 0 when it is not valid, or the
// bytes left when the text ends inside a sequence that is valid so far (reported through cutEnd).
std::size_t ValidSequence(std::string_view bytes, std::size_t position, bool& cutEnd) {
    const auto lead = static_cast<unsigned char>(bytes[position]);
    const std::size_t length = SequenceLength(lead);
    if (length <= 1) {
        return length;
    }
    const std::size_t available = std::min(length, bytes.size() - position);
    for (std::size_t offset = 1; offset < available; ++offset) {
        const auto byte = static_cast<unsigned char>(bytes[position + offset]);
        const bool fits = offset == 1 ? SecondByteFits(lead, byte) : IsContinuation(byte);
        if (!fits) {
            return 0;
        }
    }
    cutEnd = available < length;
    return available;
}

// The bytes without an unfinished UTF-8 sequence at their end.
std::string_view WithoutCutEnd(std::string_view bytes) {
    std::size_t position = 0;
    while (position < bytes.size()) {
        bool cutEnd = false;
        const std::size_t length = ValidSequence(bytes, position, cutEnd);
        if (cutEnd) {
            return bytes.substr(0, position);
        }
        position += length;
    }
    return bytes;
}

void AppendControlPicture(unsigned char byte, std::string& text) {
    // U+2400..U+241F picture the controls 0x00..0x1F, U+2421 the delete character.
    const std::uint32_t codePoint = byte == 0x7F ? 0x2421 : 0x2400 + byte;
    text.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    text.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
}

} // namespace

bool IsMultiByteUtf8(std::string_view bytes, bool allowCutEnd) {
    bool multiByte = false;
    std::size_t position = 0;
    while (position < bytes.size()) {
        bool cutEnd = false;
        const std::size_t length = ValidSequence(bytes, position, cutEnd);
        if (length == 0 || (cutEnd && !allowCutEnd)) {
            return false;
        }
        multiByte = multiByte || (length > 1 && !cutEnd);
        position += length;
    }
    return multiByte;
}

bool LooksLikeWindows1251(std::string_view bytes, bool allowCutEnd) {
    std::size_t letters = 0;
    std::size_t cyrillic = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const auto lower = static_cast<unsigned char>(byte | 0x20);
        const bool isCyrillic = byte == 0xA8 || byte == 0xB8 || byte >= 0xC0;
        cyrillic += isCyrillic ? 1 : 0;
        letters += isCyrillic || (lower >= 'a' && lower <= 'z') ? 1 : 0;
    }
    return cyrillic * 2 > letters && !IsMultiByteUtf8(bytes, allowCutEnd);
}

std::string BytesToUtf8(std::string_view bytes) {
    if (IsMultiByteUtf8(bytes, true)) {
        return std::string(WithoutCutEnd(bytes));
    }
    return Windows1252ToUtf8(bytes);
}

std::string VehicleNameToUtf8(const VehicleName& name) {
    return BytesToUtf8(name.View());
}

std::string VisibleLineText(std::string_view bytes, bool cut) {
    const std::string text = BytesToUtf8(bytes);
    std::string visible;
    visible.reserve(text.size() + 8);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            AppendControlPicture(byte, visible);
        } else {
            visible.push_back(c);
        }
    }
    if (cut) {
        visible += "\xE2\x80\xA6"; // U+2026, the ellipsis
    }
    return visible;
}

} // namespace Production1
