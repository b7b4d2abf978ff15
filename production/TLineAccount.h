#pragma once

#include "TLineEcho.h"
#include "TParsedLine.h"
#include "TProductionStore.h"
#include "TReadReport.h"

#include <array>
#include <cstdint>
#include <string>

namespace Production1 {

// Which data file a line comes from: the fleet rows of "TotalData.txt" or the vehicle types of
// "TankData.txt".
enum class TDataFileKind { Fleet, Vehicles };

// Where a stored line went: the vehicle slot (0 for a fleet row) and the first month less one.
struct TStoredPlace {
    int Slot = 0;
    int MonthOffset = 0;
};

// Tells, line by line, what a read did not store as written: lines it ignored (comments and empty
// lines aside) and lines it stored with a doubt, each in plain words for the person who wrote the
// file. It only reports: nothing it notes changes what is stored.
//
// For the vehicle file it also remembers, for each slot, the line whose name first took it and the
// last line that wrote each year, so that two names cut to the same 20 characters can be told and
// the line whose months stand can be named.
class TLineAccount final {
public:
    explicit TLineAccount(TDataFileKind kind);

    void Record(std::int64_t lineNumber, const TParsedLine& line, TLineOutcome outcome,
                const TStoredPlace& place, const TLineEcho& echo, TReadReport& report);

    // The reasons for one line, without the "ignored" or "stored with a doubt" in front; empty
    // when the line needs no word. Fleet lines need no place.
    std::string IgnoredReason(const TParsedLine& line, TLineOutcome outcome) const;
    std::string Doubts(std::int64_t lineNumber, const TParsedLine& line, const TStoredPlace& place,
                       const TLineEcho& echo);

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
            // The last line that wrote each year, and the hash of its name as written.
            std::array<std::int64_t, kLastYear - kFirstYear + 1> YearLines{};
            std::array<std::uint64_t, kLastYear - kFirstYear + 1> YearNameHashes{};
        };
        std::array<TSlot, MaxVehicles + 1> Slots;
    };

    std::string NameDoubt(std::int64_t lineNumber, const TParsedLine& line,
                          const TStoredPlace& place, const TLineEcho& echo);

    TDataFileKind m_kind;
    TSlotHistory m_slots;
};

// The fleet name closest to an unknown one, when one is close enough to be meant ("Losses" gives
// "Loss", "lend-lease" gives "Lend Lease"); empty otherwise.
std::string ClosestFleetName(std::string_view name);

// The reported text of a line number's month 1..12 ("Mar").
const char* MonthAbbreviation(int month);

} // namespace Production1
