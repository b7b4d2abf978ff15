// The documents a release carries state the same version, date, licence and contact: the
// changelog, the manual pages, the software-centre description, the Debian copyright file, the
// LICENSE file and the package's maintainer field.
#include "TestFiles.h"

#include "ArmalyxVersion.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace Armalyx;

namespace fs = std::filesystem;

namespace {

std::string SourceFile(const std::string& name) {
    return ReadFileBytes(fs::path(ARMALYX_SOURCE_DIR) / name);
}

// The first match of the pattern's group 1 in the text; empty when there is none.
std::string Captured(const std::string& text, const std::string& pattern) {
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : std::string();
}

// A paragraph of a Debian control-style file: each field with its value, continuation lines
// unfolded with " ." as an empty line.
using TParagraph = std::map<std::string, std::string>;

std::vector<TParagraph> ControlParagraphs(const std::string& text) {
    std::vector<TParagraph> paragraphs(1);
    std::istringstream lines(text);
    std::string field;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) {
            if (!paragraphs.back().empty()) {
                paragraphs.emplace_back();
            }
        } else if (line.starts_with(' ') && !field.empty()) {
            std::string& value = paragraphs.back()[field];
            value += '\n';
            if (line != " .") {
                value.append(line, 1);
            }
        } else if (const std::size_t colon = line.find(':'); colon != std::string::npos) {
            field = line.substr(0, colon);
            paragraphs.back()[field] = line.substr(line.find_first_not_of(' ', colon + 1));
        }
    }
    if (paragraphs.back().empty()) {
        paragraphs.pop_back();
    }
    return paragraphs;
}

const char* const kManualPages[] = {"armalyx", "armalyx-import", "armalyx-inspect",
                                    "armalyx-launcher"};

} // namespace

TEST(ReleaseDocuments, ChangelogPagesAndDescriptionStateThisVersionAndItsDate) {
    const std::string changelog = SourceFile("docs/changelog");
    EXPECT_EQ(Captured(changelog, R"(^armalyx \(([^)]+)\) unstable; urgency=\w+\n)"),
              kArmalyxVersion);
    const std::map<std::string, std::string> months = {
        {"Jan", "01"}, {"Feb", "02"}, {"Mar", "03"}, {"Apr", "04"}, {"May", "05"}, {"Jun", "06"},
        {"Jul", "07"}, {"Aug", "08"}, {"Sep", "09"}, {"Oct", "10"}, {"Nov", "11"}, {"Dec", "12"}};
    std::smatch trailer;
    ASSERT_TRUE(std::regex_search(changelog, trailer,
                                  std::regex(R"(\n -- [^\n]+>  \w{3}, (\d\d) (\w{3}) (\d{4}) )")))
        << "the first entry has no trailer line";
    const std::string date =
        trailer[3].str() + "-" + months.at(trailer[2].str()) + "-" + trailer[1].str();

    const std::string metainfo = SourceFile("app/desktop/org.armalyx.armalyx.metainfo.xml");
    EXPECT_EQ(Captured(metainfo, R"re(<release version="([^"]+)")re"), kArmalyxVersion);
    EXPECT_EQ(Captured(metainfo, R"re(<release version="[^"]+" date="([^"]+)")re"), date);
    for (const char* page : kManualPages) {
        SCOPED_TRACE(page);
        const std::string source = SourceFile(std::string("docs/man/") + page + ".1");
        EXPECT_EQ(Captured(source, R"(^\.TH \S+ 1 (\S+) )"), date);
        EXPECT_EQ(Captured(source, R"re(^\.TH \S+ 1 \S+ "Armalyx ([^"]+)")re"), kArmalyxVersion);
    }
}

TEST(ReleaseDocuments, CopyrightFileCarriesTheLicenceOfLicenseAndTheDescriptionNamesIt) {
    const std::string license = SourceFile("LICENSE");
    ASSERT_TRUE(license.starts_with("MIT License\n\nCopyright (c) ")) << license;
    const std::size_t holderStart = license.find("(c) ") + 4;
    const std::size_t holderEnd = license.find('\n', holderStart);
    const std::string holder = license.substr(holderStart, holderEnd - holderStart);
    // The text after the copyright line, without its surrounding blank lines.
    const std::string terms = license.substr(holderEnd + 2, license.size() - holderEnd - 3);

    const std::vector<TParagraph> copyright = ControlParagraphs(SourceFile("docs/copyright"));
    ASSERT_EQ(copyright.size(), 3U);
    EXPECT_EQ(copyright[0].at("Format"),
              "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/");
    EXPECT_EQ(copyright[1].at("Files"), "*");
    EXPECT_EQ(copyright[1].at("Copyright"), holder);
    EXPECT_EQ(copyright[1].at("License"), "Expat");
    // Debian's name for this licence is Expat; the paragraph holds its whole text.
    EXPECT_EQ(copyright[2].at("License"), "Expat\n" + terms);

    const std::string metainfo = SourceFile("app/desktop/org.armalyx.armalyx.metainfo.xml");
    EXPECT_EQ(Captured(metainfo, "<project_license>([^<]+)</project_license>"), "MIT");
}

TEST(ReleaseDocuments, PackageChangelogAndCopyrightGiveOneContact) {
    const std::string cpackConfig =
        ReadFileBytes(fs::path(ARMALYX_BINARY_DIR) / "CPackConfig.cmake");
    const std::string contact =
        Captured(cpackConfig, R"re(set\(CPACK_PACKAGE_CONTACT "([^"]+)"\))re");
    EXPECT_TRUE(std::regex_match(contact, std::regex(R"([^<>]+ <[^@<>\s]+@[^@<>\s]+\.[a-z]+>)")))
        << "Debian wants a name and a mail address: " << contact;
    EXPECT_EQ(Captured(SourceFile("docs/changelog"), R"(\n -- ([^\n]+>)  )"), contact);
    EXPECT_EQ(ControlParagraphs(SourceFile("docs/copyright")).at(0).at("Upstream-Contact"),
              contact);
}
