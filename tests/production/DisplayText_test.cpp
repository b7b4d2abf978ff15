#include "DisplayText.h"

#include <gtest/gtest.h>

#include <string>

using namespace Production1;

TEST(DisplayTextTest, NamesAreUtf8WhenTheirBytesAreMultiByteUtf8AndWindows1252Otherwise) {
    struct TCase {
        const char* what;
        std::string bytes;
        std::string shown;
    };
    const TCase cases[] = {
        {"plain ASCII", "T-34/85", "T-34/85"},
        {"UTF-8 S with caron", "\xC5\xA0koda T-21", "\xC5\xA0koda T-21"},
        {"Windows-1252 S with caron", "\x8Akoda T-21", "\xC5\xA0koda T-21"},
        {"Latin-1 e acute", "Pz\xE9", "Pz\xC3\xA9"},
        {"overlong form is not UTF-8", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"surrogate is not UTF-8", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"four-byte sequence", "Tank \xF0\x9F\x9A\x80", "Tank \xF0\x9F\x9A\x80"},
        {"a cut sequence at the end is left out", "\xC5\xA0koda \xC5", "\xC5\xA0koda "},
        {"a cut sequence alone is Windows-1252", "koda \xC5", "koda \xC3\x85"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_EQ(BytesToUtf8(test.bytes), test.shown);
    }
}

TEST(DisplayTextTest, AVehicleNameCutInsideACharacterKeepsItsWholeCharacters) {
    // "Škoda", 12 more ASCII bytes, then a two-byte character of which the cut keeps one byte.
    const VehicleName name("\xC5\xA0koda Destroyer XY\xC5\xA0");
    ASSERT_EQ(name.Length(), 20u);
    EXPECT_EQ(VehicleNameToUtf8(name), "\xC5\xA0koda Destroyer XY");
}

TEST(DisplayTextTest, LinesShowTheirControlCharactersAndTheirCut) {
    EXPECT_EQ(VisibleLineText("a\tb\rc", false), "a\xE2\x90\x89"
                                                 "b\xE2\x90\x8D"
                                                 "c");
    EXPECT_EQ(VisibleLineText(std::string("\0\x7F", 2), false), "\xE2\x90\x80\xE2\x90\xA1");
    EXPECT_EQ(VisibleLineText("T-34,1942", true), "T-34,1942\xE2\x80\xA6");
    EXPECT_EQ(VisibleLineText("\x8Akoda", false), "\xC5\xA0koda");
}
