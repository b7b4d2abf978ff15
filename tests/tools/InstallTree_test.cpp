// The installed tree: `cmake --install` into a temporary prefix puts the programs, their manual
// pages, the copyright file and the changelog, the sample data, the menu entry, the icons and the
// software-centre description where a desktop finds them, and the menu launcher picks the data
// folder the program then starts in.
#include "TCommandRun.h"
#include "TTempDirectory.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

using namespace Armalyx;

namespace fs = std::filesystem;

namespace {

bool HaveProgram(const std::string& name) {
    return RunCommand("command -v " + name).Status == 0;
}

// The build installed once into a temporary prefix, shared by the tests of this file.
class TInstalledTree final {
public:
    static const TInstalledTree& Get() {
        static const TInstalledTree tree;
        return tree;
    }
    const fs::path& Prefix() const { return m_prefix; }
    const TCommandRun& Install() const { return m_install; }

private:
    TInstalledTree() : m_prefix(m_directory.Path() / "prefix") {
        m_install = RunCommand(Quoted(ARMALYX_CMAKE_COMMAND) + " --install " +
                               Quoted(ARMALYX_BINARY_DIR) + " --prefix " + Quoted(m_prefix));
    }

    TTempDirectory m_directory;
    fs::path m_prefix;
    TCommandRun m_install;
};

std::set<std::string> FilesBelow(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_directory()) {
            files.insert(fs::relative(entry.path(), root).string());
        }
    }
    return files;
}

// Width and height from a PNG's header; 0 x 0 when the file is not a PNG.
std::pair<std::uint32_t, std::uint32_t> PngSize(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 24> header{};
    file.read(reinterpret_cast<char*>(header.data()), header.size());
    const std::array<unsigned char, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!file || !std::equal(signature.begin(), signature.end(), header.begin())) {
        return {0, 0};
    }
    const auto bigEndian = [&header](std::size_t at) {
        return (std::uint32_t{header.at(at)} << 24) | (std::uint32_t{header.at(at + 1)} << 16) |
               (std::uint32_t{header.at(at + 2)} << 8) | std::uint32_t{header.at(at + 3)};
    };
    return {bigEndian(16), bigEndian(20)};
}

constexpr std::array<std::uint32_t, 4> kIconSizes = {16, 32, 48, 128};

std::string IconPath(std::uint32_t size) {
    const std::string side = std::to_string(size);
    return "share/icons/hicolor/" + side + "x" + side + "/apps/org.armalyx.armalyx.png";
}

} // namespace

TEST(InstallTree, InstallsExactlyTheProgramsDocumentsSampleDataDesktopEntryIconsAndDescription) {
    const TInstalledTree& tree = TInstalledTree::Get();
    ASSERT_EQ(tree.Install().Status, 0) << tree.Install().Output;
    std::set<std::string> expected = {
        "bin/armalyx-import",
        "bin/armalyx-inspect",
        "share/armalyx/examples/README.md",
        "share/armalyx/examples/TankData.txt",
        "share/armalyx/examples/TotalData.txt",
        "share/doc/armalyx/README.md",
        "share/doc/armalyx/changelog.gz",
        "share/doc/armalyx/copyright",
        "share/man/man1/armalyx-import.1.gz",
        "share/man/man1/armalyx-inspect.1.gz",
    };
#ifdef ARMALYX_INSTALLS_WINDOW
    expected.insert({
        "bin/armalyx",
        "bin/armalyx-launcher",
        "share/man/man1/armalyx.1.gz",
        "share/man/man1/armalyx-launcher.1.gz",
        "share/applications/org.armalyx.armalyx.desktop",
        "share/metainfo/org.armalyx.armalyx.metainfo.xml",
        "share/icons/hicolor/scalable/apps/org.armalyx.armalyx.svg",
    });
    for (const std::uint32_t size : kIconSizes) {
        expected.insert(IconPath(size));
    }
#endif
    EXPECT_EQ(FilesBelow(tree.Prefix()), expected);
}

TEST(InstallTree, ProgramsAreExecutableAndIconsHaveTheirDirectorysSize) {
    const TInstalledTree& tree = TInstalledTree::Get();
    ASSERT_EQ(tree.Install().Status, 0) << tree.Install().Output;
    for (const char* program :
         {"armalyx", "armalyx-import", "armalyx-inspect", "armalyx-launcher"}) {
        SCOPED_TRACE(program);
        const fs::path path = tree.Prefix() / "bin" / program;
        if (!fs::exists(path)) {
            continue; // the file list test reports what is missing
        }
        const fs::perms perms = fs::status(path).permissions();
        EXPECT_NE(perms & fs::perms::others_exec, fs::perms::none);
    }
#ifdef ARMALYX_INSTALLS_WINDOW
    for (const std::uint32_t size : kIconSizes) {
        SCOPED_TRACE(size);
        EXPECT_EQ(PngSize(tree.Prefix() / IconPath(size)), std::make_pair(size, size));
    }
#endif
}

// Debian compares packages byte for byte: a compressed document carries neither the name nor the
// time of the file it was made from, and unpacks to its source in the repository.
TEST(InstallTree, CompressedDocumentsUnpackToTheirSourcesAndCarryNoNameOrTime) {
    const TInstalledTree& tree = TInstalledTree::Get();
    ASSERT_EQ(tree.Install().Status, 0) << tree.Install().Output;
    std::vector<std::pair<std::string, std::string>> documents = {
        {"share/doc/armalyx/changelog.gz", "docs/changelog"},
        {"share/man/man1/armalyx-import.1.gz", "docs/man/armalyx-import.1"},
        {"share/man/man1/armalyx-inspect.1.gz", "docs/man/armalyx-inspect.1"},
    };
#ifdef ARMALYX_INSTALLS_WINDOW
    documents.emplace_back("share/man/man1/armalyx.1.gz", "docs/man/armalyx.1");
    documents.emplace_back("share/man/man1/armalyx-launcher.1.gz", "docs/man/armalyx-launcher.1");
#endif
    for (const auto& [installed, source] : documents) {
        SCOPED_TRACE(installed);
        const std::string bytes = ReadFileBytes(tree.Prefix() / installed);
        ASSERT_GE(bytes.size(), 10U);
        constexpr char kNameFlag = 0x08;
        EXPECT_EQ(bytes.substr(0, 3), std::string("\x1f\x8b\x08")) << "not a gzip file";
        EXPECT_EQ(bytes[3] & kNameFlag, 0) << "the header names the source file";
        EXPECT_EQ(bytes.substr(4, 4), std::string(4, '\0')) << "the header holds a time";
        const TCommandRun unpacked = RunCommand("gzip -dc " + Quoted(tree.Prefix() / installed));
        EXPECT_EQ(unpacked.Status, 0);
        EXPECT_EQ(unpacked.Output, ReadFileBytes(fs::path(ARMALYX_SOURCE_DIR) / source));
    }
}

#ifdef ARMALYX_INSTALLS_WINDOW
TEST(InstallTree, DesktopEntryAndDescriptionPassTheirValidators) {
    const TInstalledTree& tree = TInstalledTree::Get();
    ASSERT_EQ(tree.Install().Status, 0) << tree.Install().Output;
    if (!HaveProgram("desktop-file-validate") || !HaveProgram("appstreamcli")) {
        GTEST_SKIP() << "desktop-file-utils and appstream are not installed";
    }
    const fs::path share = tree.Prefix() / "share";
    const TCommandRun entry = RunCommand(
        "desktop-file-validate " + Quoted(share / "applications/org.armalyx.armalyx.desktop"));
    EXPECT_EQ(entry.Status, 0) << entry.Output;
    EXPECT_EQ(entry.Output, "");
    const TCommandRun description =
        RunCommand("appstreamcli validate --no-net --pedantic " +
                   Quoted(share / "metainfo/org.armalyx.armalyx.metainfo.xml"));
    EXPECT_EQ(description.Status, 0) << description.Output;
}

// Without a folder named, the program takes the folder read last before the launcher's.
constexpr const char* kReopenLast = "--reopen-last\n";

// The launcher from the build, placed in a prefix of its own beside a stand-in program that
// prints the directory it was started in and its arguments, one a line.
class DesktopLauncher : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_root.Path().empty());
        fs::create_directories(Bin());
        fs::copy_file(fs::path(ARMALYX_BINARY_DIR) / "app/armalyx-launcher",
                      Bin() / "armalyx-launcher");
        m_root.WriteFile("prefix/bin/armalyx",
                         "#!/bin/sh\npwd -P\nfor arg in \"$@\"; do echo \"$arg\"; done\n");
        fs::permissions(Bin() / "armalyx", fs::perms::owner_all, fs::perm_options::add);
        fs::create_directories(Start());
    }

    fs::path Bin() const { return m_root.Path() / "prefix/bin"; }
    fs::path Examples() const { return m_root.Path() / "prefix/share/armalyx/examples"; }
    fs::path Start() const { return m_root.Path() / "start"; }
    fs::path Home() const { return m_root.Path() / "home"; }
    fs::path DataHome() const { return m_root.Path() / "xdg"; }

    // The directory the program is started in, with the given environment settings.
    std::string StartedIn(const std::string& environment,
                          const std::string& arguments = std::string()) const {
        const TCommandRun run =
            RunCommand("cd " + Quoted(Start()) + " && env -u XDG_DATA_HOME " + environment + " " +
                       Quoted(Bin() / "armalyx-launcher") + arguments);
        EXPECT_EQ(run.Status, 0) << run.Output;
        return run.Output;
    }

    static std::string Line(const fs::path& path) { return fs::canonical(path).string() + "\n"; }

    TTempDirectory m_root;
};

TEST_F(DesktopLauncher, StartsInTheUsersDataFolderElseTheExamplesElseWhereItWasStarted) {
    const std::string home = "HOME=" + Quoted(Home());
    const std::string dataHome = "XDG_DATA_HOME=" + Quoted(DataHome());
    // Neither folder: the program starts where the launcher did and skips the data files.
    EXPECT_EQ(StartedIn(home), Line(Start()) + kReopenLast);

    fs::create_directories(Examples());
    EXPECT_EQ(StartedIn(home), Line(Examples()) + kReopenLast);
    EXPECT_EQ(StartedIn(home + " " + dataHome), Line(Examples()) + kReopenLast);

    fs::create_directories(Home() / ".local/share/armalyx");
    EXPECT_EQ(StartedIn(home), Line(Home() / ".local/share/armalyx") + kReopenLast);
    // A data home of its own replaces the default under the home folder.
    EXPECT_EQ(StartedIn(home + " " + dataHome), Line(Examples()) + kReopenLast);
    fs::create_directories(DataHome() / "armalyx");
    EXPECT_EQ(StartedIn(home + " " + dataHome), Line(DataHome() / "armalyx") + kReopenLast);
    // An empty data home counts as unset.
    EXPECT_EQ(StartedIn(home + " XDG_DATA_HOME="),
              Line(Home() / ".local/share/armalyx") + kReopenLast);
}
// A folder or a file named to the launcher (a file manager's "Open with" names a data file)
// reaches the program as the same one, though the launcher changes the working directory; other
// arguments pass unchanged.
TEST_F(DesktopLauncher, PassesANamedFolderOrFileOnAsAnAbsolutePath) {
    fs::create_directories(Examples());
    fs::create_directories(Start() / "mine");
    m_root.WriteFile("start/mine/TankData.txt", "header\r\n");
    const std::string home = "HOME=" + Quoted(Home());
    EXPECT_EQ(StartedIn(home, " mine -style fusion"),
              Line(Examples()) + kReopenLast + Line(Start() / "mine") + "-style\nfusion\n");
    EXPECT_EQ(StartedIn(home, " mine/TankData.txt"),
              Line(Examples()) + kReopenLast + Line(Start() / "mine/TankData.txt"));
    EXPECT_EQ(StartedIn(home, " './mine/../mine/TankData.txt'"),
              Line(Examples()) + kReopenLast + Line(Start() / "mine/TankData.txt"));
}
#endif
