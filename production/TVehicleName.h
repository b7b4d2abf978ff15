#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

    // Appends bytes while there is room; bytes past the capacity are dropped.
    void Append(std::string_view bytes);
    void Clear() { *this = TVehicleName(); }

    // A well-mixed hash of the name, for tables that look names up.
    std::uint64_t Hash() const {
        std::uint64_t hash = m_length;
        for (std::size_t offset = 0; offset < kCapacity; offset += sizeof(std::uint32_t)) {
            hash = (hash ^ Word(m_bytes, offset)) * 0x9E3779B97F4A7C15ull;
            hash ^= hash >> 29;
        }
        return hash;
    }

    // Bytes past the length are always zero, so whole arrays compare, as a few words.
    friend bool operator==(const TVehicleName& left, const TVehicleName& right) {
        return left.m_length == right.m_length && SameBytes(left.m_bytes, right.m_bytes);
    }

private:
    using TBytes = std::array<char, kCapacity>;

    static std::uint32_t Word(const TBytes& bytes, std::size_t offset) {
        std::uint32_t word = 0;
        std::memcpy(&word, bytes.data() + offset, sizeof word);
        return word;
    }

    static bool SameBytes(const TBytes& left, const TBytes& right) {
        std::uint32_t difference = 0;
        for (std::size_t offset = 0; offset < kCapacity; offset += sizeof(std::uint32_t)) {
            difference |= Word(left, offset) ^ Word(right, offset);
        }
        return difference == 0;
    }

    static_assert(kCapacity % sizeof(std::uint32_t) == 0, "names are compared in whole words");

    TBytes m_bytes{};
    std::size_t m_length = 0;
};

using VehicleName = TVehicleName;

} // namespace Production1
