#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace Production1 {

// What became of one data line of a data file.
enum class TLineOutcome {
    Stored,
    TooShort,
    CommentOrBlankStart,
    NoComma,
    NothingConverted,
    YearOutOfRange,
    EmptyName,
    NoFreeSlot,
    UnknownName,
};

inline constexpr std::size_t kLineOutcomeCount = 9;

// The words the inspector prints for each outcome.
const char* LineOutcomeText(TLineOutcome outcome);

// A tally of one read of a data file: whether it was found, how many data lines (the header not
// counted) were read and what became of each.
class TReadReport final {
public:
    bool Found() const { return m_found; }
    std::int64_t Lines() const { return m_lines; }
    std::int64_t Count(TLineOutcome outcome) const;

    void SetFound() { m_found = true; }
    void Tally(TLineOutcome outcome);

private:
    static std::size_t Position(TLineOutcome outcome) { return static_cast<std::size_t>(outcome); }

    bool m_found = false;
    std::int64_t m_lines = 0;
    std::array<std::int64_t, kLineOutcomeCount> m_counts{};
};

} // namespace Production1
