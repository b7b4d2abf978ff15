// What a screen reader hears for the three figures: the count whole, the span as the table
// names months, and the out-of-date mark.
#include "FigureSpeech.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

using namespace Armalyx;

TEST(FigureSpeech, NamesTheCountItsSpanAndWhetherItIsOutOfDate) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const struct {
        FigureSpeech::TFigure Figure;
        const char* Text;
    } cases[] = {
        {{"Production of T-34", "Jan 1941 to Dec 1945", 35249, false},
         "Production of T-34, Jan 1941 to Dec 1945: 35,249"},
        {{"Production of all vehicles", "Mar 1942 to Jun 1942", 106040, true},
         "Production of all vehicles, Mar 1942 to Jun 1942: 106,040, out of date"},
        {{"Losses", "", 82, false}, "Losses: 82"},
        {{"Losses", "Jan 1941 to Jan 1941", -5, false}, "Losses, Jan 1941 to Jan 1941: -5"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(FigureSpeech::Text(test.Figure, english), QString::fromUtf8(test.Text));
    }
}

TEST(FigureSpeech, NamesTheSpanFromTheSelectorsItems) {
    const struct {
        int StartMonth, StartYear, EndMonth, EndYear;
        const char* Text;
    } cases[] = {
        {0, 0, 11, 4, "Jan 1941 to Dec 1945"},
        {2, 1, 5, 1, "Mar 1942 to Jun 1942"},
        {-1, 0, 11, 4, ""}, // typed text in a selector
        {0, 0, 12, 4, ""},
        {0, 5, 11, 4, ""},
        {0, 0, 11, -1, ""},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(
            FigureSpeech::SpanText(test.StartMonth, test.StartYear, test.EndMonth, test.EndYear),
            QString::fromUtf8(test.Text));
    }
}
