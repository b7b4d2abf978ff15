#include "TReadReport.h"

#include <utility>

namespace Production1 {

const char* LineOutcomeText(TLineOutcome outcome) {
    switch (outcome) {
    case TLineOutcome::Stored:
        return "stored";
    case TLineOutcome::TooShort:
        return "too short";
    case TLineOutcome::CommentOrBlankStart:
        return "comment or blank start";
    case TLineOutcome::NoComma:
        return "no comma";
    case TLineOutcome::NothingConverted:
        return "nothing converted";
    case TLineOutcome::YearOutOfRange:
        return "year out of range";
    case TLineOutcome::EmptyName:
        return "empty name";
    case TLineOutcome::NoFreeSlot:
        return "no free slot";
    case TLineOutcome::UnknownName:
        return "unknown name";
    case TLineOutcome::MonthOutOfRange:
        return "month out of range";
    case TLineOutcome::CountNotWhole:
        return "count not a whole number";
    }
    return "unknown outcome";
}

std::int64_t TReadReport::Count(TLineOutcome outcome) const {
    const std::size_t position = Position(outcome);
    return position < m_counts.size() ? m_counts[position] : 0;
}

void TReadReport::Tally(TLineOutcome outcome) {
    ++m_lines;
    const std::size_t position = Position(outcome);
    if (position < m_counts.size()) {
        ++m_counts[position];
    }
}

void TReadReport::AddProblem(TLineProblem problem) {
    ++m_problemCount;
    if (m_problems.size() < kKeptProblems) {
        m_problems.push_back(std::move(problem));
    }
}

} // namespace Production1
