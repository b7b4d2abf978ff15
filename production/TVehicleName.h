#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace Production1 {

// The name of a vehicle type as the data file spells it: up to kCapacity bytes held inline, with
// no case folding, trimming or code-page conversion. The empty name marks a free vehicle slot.
class TVehicleName final {
public:
    static constexpr std::size_t kCapacity = 20;

    TVehicleName() = default;
    // Keeps the first kCapacity bytes of the text.
    explicit TVehicleName(std::string_view text);

    std::size_t Length() const { return m_length; }
    bool IsEmpty() const { return m_length == 0; }
    bool IsFull() const { return m_length == kCapacity; }
    std::string_view View() const { return {m_bytes.data(), m_length}; }

    // Appends one byte while there is room; a byte past the capacity is dropped.
    void Append(char byte);
    void Clear() { *this = TVehicleName(); }

    // Bytes past the length are always zero, so whole arrays compare as quickly as a few words.
    friend bool operator==(const TVehicleName& left, const TVehicleName& right) {
        return left.m_length == right.m_length && left.m_bytes == right.m_bytes;
    }

private:
    std::array<char, kCapacity> m_bytes{};
    std::size_t m_length = 0;
};

using VehicleName = TVehicleName;

} // namespace Production1
