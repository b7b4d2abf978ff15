#pragma once

#include "Production1.h"
#include "TTempDirectory.h"
#include "TWorkingDirectory.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The five figures ComputeSpanTotals stores.
struct TSpanFigures {
    std::int32_t SpanStart = 0;
    std::int32_t SpanEnd = 0;
    std::int32_t SpanTotal = 0;
    std::int32_t SpanVehicleTotal = 0;
    std::int32_t SpanLosses = 0;

    friend bool operator==(const TSpanFigures&, const TSpanFigures&) = default;
};
std::ostream& operator<<(std::ostream& stream, const TSpanFigures& figures);

// Data files are looked for in the working directory: every test runs in a fresh temporary
// directory of its own, with a freshly initialised store.
class TProductionTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a data file: a header line, then the given lines, each ended by CR LF.
    void WriteDataFile(const std::string& name, const std::vector<std::string>& lines) const;
    void WriteTotalData(const std::vector<std::string>& lines) const {
        WriteDataFile(Production1::kTotalDataFileName, lines);
    }
    void WriteTankData(const std::vector<std::string>& lines) const {
        WriteDataFile(Production1::kTankDataFileName, lines);
    }

    // Sets the four selector indices, runs ComputeSpanTotals and gives what it stored.
    TSpanFigures SpanFor(std::int32_t startMonth, std::int32_t startYear, std::int32_t endMonth,
                         std::int32_t endYear);

    Production1::TProductionStore& store = Production1::Store();
    Armalyx::TTempDirectory directory;

private:
    std::optional<Armalyx::TWorkingDirectory> m_workingDirectory;
};

// The series as a plain list, month 1 first.
std::vector<int> Months(const Production1::MonthSeries& series);
std::vector<int> Months(const Production1::YearMonths& months);
