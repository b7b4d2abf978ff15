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
    EXPECT_EQ(tags, (std::vector<std::string>{"-h, --help", "--version", "--reopen-last"}));
    EXPECT_EQ(HelpOptions(help.Output), tags) << help.Output;
}

// A mistyped folder or another file named on the command line would otherwise be passed over
// without a word, and the window would show other data than the user asked for.
TEST(CommandLine, ProgramRefusesAnythingButOneExistingFolderOrDataFileAfterQtHasTakenItsOptions) {
    const TTempDirectory folder;
    folder.WriteFile("TotalData.txt", "header\r\n");
    folder.WriteFile("notes.txt", "x");
    const std::string path = folder.Path().string();
    const std::string program = "QT_QPA_PLATFORM=offscreen " + Quoted(ARMALYX_PROGRAM_PATH);
    const struct {
        const char* Name;
        std::string Arguments;
        std::string Message;
    } cases[] = {
        {"another file", Quoted(folder.Path() / "notes.txt"),
         "armalyx: '" + path + "/notes.txt' is neither a folder nor a data file"},
        {"another file after Qt's options",
         "-platform offscreen " + Quoted(folder.Path() / "notes.txt"),
         "armalyx: '" + path + "/notes.txt' is neither a folder nor a data file"},
        {"a folder that does not exist", Quoted(folder.Path() / "missing"),
         "armalyx: data folder '" + path + "/missing' does not exist"},
        {"two folders", Quoted(folder.Path()) + " /",
         "armalyx: unexpected argument '/'; only one data folder can be named"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        const TCommandRun run = RunCommand(program + " " + test.Arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_NE(run.Output.find(test.Message), std::string::npos) << run.Output;
        EXPECT_NE(run.Output.find("Try 'armalyx --help'"), std::string::npos) << run.Output;
    }
}

// The program as it starts: which folder it reads, told by the data file it says it misses (each
// folder here holds TankData.txt alone), and which folders it remembers, in a configuration
// folder of the test's own.
class ProgramStart : public ::testing::Test {
protected:
    void SetUp() override {
        for (const fs::path& folder : {Last(), Here(), Empty()}) {
            fs::create_directories(folder);
        }
        m_root.WriteFile("last/TankData.txt", "header\r\n");
        m_root.WriteFile("here/TankData.txt", "header\r\n");
    }

    fs::path Last() const { return m_root.Path() / "last"; }
    fs::path Here() const { return m_root.Path() / "here"; }
    fs::path Empty() const { return m_root.Path() / "empty"; }
    fs::path ConfigFile() const { return m_root.Path() / "config/armalyx/armalyx.conf"; }

    // Runs the window for a moment from the folder with the arguments.
    TCommandRun Run(const fs::path& from, const std::string& arguments = std::string()) const {
        return RunCommand("cd " + Quoted(from) + " && QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=" +
                          Quoted(m_root.Path() / "config") + " timeout 2 " +
                          Quoted(ARMALYX_PROGRAM_PATH) + " " + arguments);
    }
    static std::string Misses(const fs::path& folder) {
        return "armalyx: data file not found: " + (folder / "TotalData.txt").string();
    }
    std::string Remembered() const {
        return fs::exists(ConfigFile()) ? ReadFileBytes(ConfigFile()) : std::string();
    }

    TTempDirectory m_root;
};

TEST_F(ProgramStart, ReopensTheLastFolderFromADirectoryWithoutDataFilesAndNotFromOneWithThem) {
    // Nothing remembered: the working directory, as always, and a folder without data files is
    // not remembered.
    TCommandRun run = Run(Empty());
    EXPECT_EQ(run.Status, 124);
    EXPECT_NE(run.Output.find(Misses(Empty())), std::string::npos) << run.Output;
    EXPECT_EQ(Remembered(), "");
    // A data file names its folder, which is remembered.
    run = Run(Empty(), Quoted(Last() / "TankData.txt"));
    EXPECT_EQ(run.Status, 124);
    EXPECT_NE(run.Output.find(Misses(Last())), std::string::npos) << run.Output;
    EXPECT_NE(Remembered().find(Last().string()), std::string::npos) << Remembered();
    // From a folder without data files the last one is read.
    run = Run(Empty());
    EXPECT_NE(run.Output.find(Misses(Last())), std::string::npos) << run.Output;
    EXPECT_EQ(run.Output.find(Misses(Empty())), std::string::npos) << run.Output;
    // From a folder with data files that one is, and it goes first.
    run = Run(Here());
    EXPECT_NE(run.Output.find(Misses(Here())), std::string::npos) << run.Output;
    EXPECT_EQ(run.Output.find(Misses(Last())), std::string::npos) << run.Output;
    EXPECT_LT(Remembered().find(Here().string()), Remembered().find(Last().string()));
    // The launcher's option puts the last folder first.
    fs::remove_all(Last());
    fs::create_directories(Last());
    run = Run(Last(), "--reopen-last");
    EXPECT_NE(run.Output.find(Misses(Here())), std::string::npos) << run.Output;
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
