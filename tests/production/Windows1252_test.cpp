#include "DisplayText.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <string>

using namespace Production1;

TEST(Windows1252Test, NamesAreShownInWindows1252) {
    const std::string replacement = "\xEF\xBF\xBD";
    struct TCase {
        std::string bytes;
        std::string utf8;
    };
    const TCase cases[] = {
        {"T-34/85 Model 7", "T-34/85 Model 7"},
        {"\x80", "\xE2\x82\xAC"}, // euro sign
        {"\x8A", "\xC5\xA0"},     // S with caron
        {"\x9F", "\xC5\xB8"},     // Y with diaeresis
        {"\x96", "\xE2\x80\x93"}, // en dash
        {"\x81\x8D\x8F\x90\x9D",
         replacement + replacement + replacement + replacement + replacement},
        {"\xA0\xE9\xFF", "\xC2\xA0\xC3\xA9\xC3\xBF"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.bytes);
        EXPECT_EQ(Windows1252ToUtf8(test.bytes), test.utf8);
    }
    EXPECT_EQ(VehicleNameToUtf8(VehicleName("Pz\xE9")), "Pz\xC3\xA9");
}
