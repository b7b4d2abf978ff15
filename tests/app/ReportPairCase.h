#pragma once
// Table rows for texts made of the two data files' read reports (the status line, the report
// window's note): a case name, the reports of TotalData.txt and TankData.txt, the text expected.

#include <TReadReport.h>

#include <gtest/gtest.h>

#include <QString>

#include <initializer_list>

struct TReportPairCase {
    const char* Name;
    const Production1::TReadReport& Total;
    const Production1::TReadReport& Tank;
    QString Expected;
};

// Checks text(total, tank) against each case's expected text.
template <typename TText>
void ExpectReportPairTexts(std::initializer_list<TReportPairCase> cases, TText text) {
    for (const TReportPairCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(text(c.Total, c.Tank), c.Expected);
    }
}
