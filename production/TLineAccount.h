#pragma once

#include "TLineEcho.h"
#include "TParsedLine.h"
#include "TProductionStore.h"
#include "TReadReport.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Production1 {

// Which data file a line comes from: the fleet rows of "TotalData.txt" or the vehicle types of
// "TankData.txt".
enum class TDataFileKind { Fleet, Vehicles };

// Where a stored line went: the vehicle slot (for a fleet line its row, 1 to 4 in the order
// Total, Loss, New, Lend Lease) and the first month less one; and what its twelve values add to
// the figures (a vehicle's positive months, as its total counts them; a fleet row's with signs).
struct TStoredPlace {
    int Slot = 0;
    int MonthOffset = 0;
    std::int64_t Counted = 0;
};

// Tells, line by line, what a read did not store as written: lines it ignored (comments and empty
// lines aside) and lines it stored with a doubt, each in plain words for the person who wrote the
// file. It only reports: nothing it notes changes what is stored.
//
// It also remembers, for each vehicle slot or fleet row, the line whose name first took it and the
// last line that wrote each year with what its months added up to, so that two names cut to the
// same 20 bytes can be told and a line whose months another line replaced can be named.
class TLineAccount final {
public:
    explicit TLineAccount(TDataFileKind kind);

    void Record(std::int64_t lineNumber, const TParsedLine& line, TLineOutcome outcome,
                const TStoredPlace& place, const TLineEcho& echo, TReadReport& report);

    // The reason an ignored line gets, without the "ignored: " in front; empty for comments and
    // empty lines.
    std::string IgnoredReason(const TParsedLine& line, TLineOutcome outcome) const;

private:
    // How much of a name as written a message quotes.
    static constexpr std::size_t kQuotedNameLength = 60;

    // Fixed in size, so that keeping it allocates nothing.
    struct TSlotHistory {
        struct TSlot {
            std::int64_t FirstLine = 0; // 0 while no line of this read has taken the slot
            std::uint64_t NameHash = 0;
            std::array<char, kQuotedNameLength> FirstName{};
            std::size_t FirstNameLength = 0;
            bool FirstNameCut = false;
            // The last line that wrote each year, and what its months added to the figures.
            std::array<std::int64_t, kLastYear - kFirstYear + 1> YearLines{};
            std::array<std::int64_t, kLastYear - kFirstYear + 1> YearCounted{};
        };
        std::array<TSlot, MaxVehicles + 1> Slots;
    };

    // What a stored line meant for its slot or row: the slot's first name, when this line's name
    // as written differs from it, and the line whose months for the same year it replaced.
    struct TSlotNote {
        const TSlotHistory::TSlot* MergedWith = nullptr;
        std::int64_t ReplacedLine = 0;
        int ReplacedYear = 0;
        std::int64_t ReplacedCounted = 0;
    };

    // Keeps the slot's history up to date for every stored line, and tells what it found.
    TSlotNote NoteSlot(std::int64_t lineNumber, const TParsedLine& line, const TStoredPlace& place,
                       const TLineEcho& echo);
    bool StoredAsWritten(const TParsedLine& line, const TSlotNote& note) const;
    // The doubts about a stored line, separated by "; ".
    std::string Doubts(const TParsedLine& line, const TSlotNote& note) const;
    static bool NameAsWritten(const TParsedLine& line, const TSlotNote& note);
    static void NameDoubts(const TParsedLine& line, const TSlotNote& note,
                           std::vector<std::string>& doubts);

    TDataFileKind m_kind;
    TSlotHistory m_slots;
};

// The fleet name closest to an unknown one, when one is close enough to be meant ("Losses" gives
// "Loss", "lend-lease" gives "Lend Lease"); empty otherwise.
std::string ClosestFleetName(std::string_view name);

// The outcome of a line whose shape stores nothing (too short, a comment, no comma, nothing
// converted); nothing for a line that converted.
std::optional<TLineOutcome> UnconvertedOutcome(TLineShape shape);

// The account's entry for a line, with the line's start as written.
TLineProblem LineProblem(std::int64_t lineNumber, const TLineEcho& echo, bool ignored,
                         std::string message);

// A whole number with its thousands grouped by commas, as the figures are shown ("12,553").
std::string GroupedNumber(std::int64_t value);

// The reported text of a line number's month 1..12 ("Mar").
const char* MonthAbbreviation(int month);

} // namespace Production1
