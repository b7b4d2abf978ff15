#pragma once

#include "TLineProblem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

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
    // Only in "StockData.txt": a month other than 1 to 12, a count other than a whole number of 0
    // or more.
    MonthOutOfRange,
    CountNotWhole,
};

inline constexpr std::size_t kLineOutcomeCount = 11;

// The words the inspector prints for each outcome.
const char* LineOutcomeText(TLineOutcome outcome);

// A tally of one read of a data file: whether it was found, how many data lines (the header not
// counted) were read and what became of each, and an account of every line that was ignored or
// stored other than written (comments and empty lines aside), in line order.
class TReadReport final {
public:
    // Lines reported past this many are counted but not kept, so that a file of any size cannot
    // fill the memory with its account.
    static constexpr std::size_t kKeptProblems = 10000;

    bool Found() const { return m_found; }
    std::int64_t Lines() const { return m_lines; }
    std::int64_t Count(TLineOutcome outcome) const;

    // The reported lines kept, in line order, and how many lines were reported in all.
    const std::vector<TLineProblem>& Problems() const { return m_problems; }
    std::int64_t ProblemCount() const { return m_problemCount; }

    void SetFound() { m_found = true; }
    void Tally(TLineOutcome outcome);
    void AddProblem(TLineProblem problem);
    // False once the account keeps all it can: a line reported after that is only counted, so
    // that its words need not be built.
    bool KeepsMoreProblems() const { return m_problems.size() < kKeptProblems; }
    void CountUnkeptProblem() { ++m_problemCount; }

private:
    static std::size_t Position(TLineOutcome outcome) { return static_cast<std::size_t>(outcome); }

    bool m_found = false;
    std::int64_t m_lines = 0;
    std::array<std::int64_t, kLineOutcomeCount> m_counts{};
    std::int64_t m_problemCount = 0;
    std::vector<TLineProblem> m_problems;
};

} // namespace Production1
