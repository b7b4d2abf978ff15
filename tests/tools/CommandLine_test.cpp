// The programs' command lines: --version and --help answer at once (armalyx without a display),
// armalyx takes one data folder beside them and refuses anything else, and each --help lists
// exactly the options its manual page describes, in the same order and with the same arguments.
#include "TCommandRun.h"
#include "TTempDirectory.h"
#include "TestFiles.h"

#include "ArmalyxVersion.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace Armalyx;

namespace fs = std::filesystem;

namespace {

fs::path ManualPage(const std::string& name) {
    return fs::path(ARMALYX_SOURCE_DIR) / "docs/man" / (name + ".1");
}

// The arguments of a roff request line, with double quotes grouping blanks into one argument.
std::vector<std::string> RequestArguments(std::string_view line) {
    std::vector<std::string> arguments;
    std::size_t at = line.find(' ');
    while (at != std::string_view::npos && at < line.size()) {
        at = line.find_first_not_of(' ', at);
        if (at == std::string_view::npos) {
            break;
        }
        const bool quoted = line[at] == '"';
        const std::size_t begin = quoted ? at + 1 : at;
        const std::size_t end = line.find(quoted ? '"' : ' ', begin);
        arguments.emplace_back(
            line.substr(begin, end == std::string_view::npos ? end : end - begin));
        at = end == std::string_view::npos ? end : end + 1;
    }
    return arguments;
}

// The text a tag line of the page shows: the font requests that alternate two fonts (.BR, .BI,
// ...) join their arguments, .B and .I separate them by a blank; escapes for fonts and the
// minus sign are resolved.
std::string ShownText(std::string_view line) {
    std::string text;
    if (line.starts_with('.')) {
        const std::string_view request = line.substr(1, line.find(' ') - 1);
        const char* separator = request.size() == 2 ? "" : " ";
        for (const std::string& argument : RequestArguments(line)) {
            text += (text.empty() ? "" : separator) + argument;
        }
    } else {
        text = line;
    }
    std::string shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\' || at + 1 == text.size()) {
            shown += text[at];
        } else if (text[at + 1] == 'f') {
            at += 2; // \fB, \fI, \fR, \fP
        } else {
            shown += text[at + 1] == 'e' ? '\\' : text[at + 1]; // \- and \e
            ++at;
        }
    }
    return shown;
}

// The tags of the page's OPTIONS section (the line after each .TP), with the subsection each
// is in.
struct TPageOption {
    std::string Subsection;
    std::string Tag;
};

std::vector<TPageOption> PageOptions(const fs::path& page) {
    std::istringstream lines(ReadFileBytes(page));
    std::vector<TPageOption> options;
    bool inOptions = false;
    std::string subsection;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(".SH ")) {
            inOptions = line == ".SH OPTIONS";
        } else if (inOptions && line.starts_with(".SS ")) {
            subsection = line.substr(4);
        } else if (inOptions && line == ".TP" && std::getline(lines, line)) {
            options.push_back({subsection, ShownText(line)});
        }
    }
    return options;
}

// The option entries of a help text: lines indented by two blanks that start with "-", up to
// the two blanks before the description (or the end of the line).
std::vector<std::string> HelpOptions(const std::string& help) {
    std::istringstream lines(help);
    std::vector<std::string> options;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("  -")) {
            options.push_back(line.substr(2, line.find("  ", 2) - 2));
        }
    }
    return options;
}

std::vector<std::string> Tags(const std::vector<TPageOption>& options, bool withWindowOptions) {
    std::vector<std::string> tags;
    for (const TPageOption& option : options) {
        if (withWindowOptions || option.Subsection != "Window options") {
            tags.push_back(option.Tag);
        }
    }
    return tags;
}

// Without a display: a program that opened a window here would abort.
const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ";

} // namespace

TEST(CommandLine, ToolsPrintTheirVersionAndHelp) {
    const struct {
        const char* Name;
        const char* Path;
    } tools[] = {{"armalyx-inspect", ARMALYX_INSPECT_PATH},
                 {"armalyx-import", ARMALYX_IMPORT_PATH}};
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.Name);
        const std::string program = Quoted(tool.Path);
        const TCommandRun version = RunCommand(program + " --version");
        EXPECT_EQ(version.Status, 0);
        EXPECT_EQ(version.Output, std::string(tool.Name) + " " + kArmalyxVersion + "\n");
        for (const char* option : {"--help", "-h"}) {
            SCOPED_TRACE(option);
            const TCommandRun help = RunCommand(program + " " + option);
            EXPECT_EQ(help.Status, 0);
            EXPECT_TRUE(help.Output.starts_with(std::string("Usage: ") + tool.Name + " "))
                << help.Output;
        }
    }
}

TEST(CommandLine, InspectorHelpListsTheOptionsOfItsManualPage) {
    const TCommandRun help = RunCommand(Quoted(ARMALYX_INSPECT_PATH) + " --help");
    ASSERT_EQ(help.Status, 0) << help.Output;
#ifdef ARMALYX_INSTALLS_WINDOW
    constexpr bool kWithWindow = true;
#else
    constexpr bool kWithWindow = false; // the window options are not built
#endif
    const std::vector<std::string> tags =
        Tags(PageOptions(ManualPage("armalyx-inspect")), kWithWindow);
    EXPECT_GE(tags.size(), 5U);
    EXPECT_EQ(HelpOptions(help.Output), tags) << help.Output;
}

TEST(CommandLine, ImporterHelpListsTheOptionsOfItsManualPage) {
    const TCommandRun help = RunCommand(Quoted(ARMALYX_IMPORT_PATH) + " --help");
    ASSERT_EQ(help.Status, 0) << help.Output;
    const std::vector<std::string> tags = Tags(PageOptions(ManualPage("armalyx-import")), true);
    EXPECT_EQ(tags, (std::vector<std::string>{"-o, --output FILE", "--encoding NAME", "-h, --help",
                                              "--version"}));
    EXPECT_EQ(HelpOptions(help.Output), tags) << help.Output;
}

#ifdef ARMALYX_INSTALLS_WINDOW
TEST(CommandLine, ProgramAnswersVersionAndHelpWithoutADisplay) {
    const std::string program = kNoDisplay + Quoted(ARMALYX_PROGRAM_PATH);
    const TCommandRun version = RunCommand(program + " --version");
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Output, std::string("armalyx ") + kArmalyxVersion + "\n");
    // Qt's own options may come first; they are Qt's to read once a window is wanted.
    for (const char* arguments : {"--help", "-h", "-style fusion --help"}) {
        SCOPED_TRACE(arguments);
        const TCommandRun help = RunCommand(program + " " + arguments);
        EXPECT_EQ(help.Status, 0);
        EXPECT_TRUE(help.Output.starts_with("Usage: armalyx ")) << help.Output;
    }
}

TEST(CommandLine, ProgramHelpListsTheOptionsOfItsManualPage) {
    const TCommandRun help = RunCommand(kNoDisplay + Quoted(ARMALYX_PROGRAM_PATH) + " --help");
    ASSERT_EQ(help.Status, 0) << help.Output;
    const std::vector<std::string> tags = Tags(PageOptions(ManualPage("armalyx")), true);
    EXPECT_EQ(tags, (std::vector<std::string>{"-h, --help", "--version"}));
    EXPECT_EQ(HelpOptions(help.Output), tags) << help.Output;
}

// A data file or a mistyped folder named on the command line would otherwise be passed over
// without a word, and the window would show other data than the user asked for.
TEST(CommandLine, ProgramRefusesAnythingButOneExistingFolderAfterQtHasTakenItsOptions) {
    const TTempDirectory folder;
    folder.WriteFile("TotalData.txt", "header\r\n");
    const std::string path = folder.Path().string();
    const std::string program = "QT_QPA_PLATFORM=offscreen " + Quoted(ARMALYX_PROGRAM_PATH);
    const struct {
        const char* Name;
        std::string Arguments;
        std::string Message;
    } cases[] = {
        {"a data file", Quoted(folder.Path() / "TotalData.txt"),
         "armalyx: '" + path + "/TotalData.txt' is not a folder"},
        {"a data file after Qt's options",
         "-platform offscreen " + Quoted(folder.Path() / "TotalData.txt"),
         "armalyx: '" + path + "/TotalData.txt' is not a folder"},
        {"a folder that does not exist", Quoted(folder.Path() / "missing"),
         "armalyx: data folder '" + path + "/missing' does not exist"},
        {"two folders", Quoted(folder.Path()) + " " + Quoted(folder.Path()),
         "armalyx: unexpected argument '" + path + "'; only one data folder can be named"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        const TCommandRun run = RunCommand(program + " " + test.Arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_NE(run.Output.find(test.Message), std::string::npos) << run.Output;
        EXPECT_NE(run.Output.find("Try 'armalyx --help'"), std::string::npos) << run.Output;
    }
}
// A folder is taken: the window opens over it and runs until it is closed (here: until the
// command is stopped), with nothing said on standard error.
TEST(CommandLine, ProgramTakesOneFolderAndOpensItsWindow) {
    const TTempDirectory folder;
    folder.WriteFile("TotalData.txt", "header\r\n");
    folder.WriteFile("TankData.txt", "header\r\n");
    const TCommandRun run = RunCommand("QT_QPA_PLATFORM=offscreen timeout 2 " +
                                       Quoted(ARMALYX_PROGRAM_PATH) + " " + Quoted(folder.Path()));
    EXPECT_EQ(run.Status, 124) << run.Output;
    EXPECT_EQ(run.Output.find("armalyx:"), std::string::npos) << run.Output;
}
#endif
