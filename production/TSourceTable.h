#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Production1 {

// The source texts named by the comment lines of the data files, each held once: the data lines
// keep a number into this table, so that a source shared by a block of lines costs one copy.
class TSourceTable final {
public:
    // The number of a line without a source.
    static constexpr std::int32_t kNone = 0;
    // Different texts past this many are refused, so that no file can fill the memory with them.
    static constexpr std::size_t kMostTexts = 100000;

    // The number of the text, kNone for the empty text; nothing when the table is full.
    std::optional<std::int32_t> Add(std::string_view text);
    // The text of a number; empty for kNone and for a number the table does not hold.
    std::string_view Text(std::int32_t number) const;
    std::size_t Count() const { return m_texts.size(); }
    void Clear();

private:
    std::vector<std::string> m_texts; // number n is at position n - 1
    std::unordered_map<std::string, std::int32_t> m_numbers;
};

} // namespace Production1
