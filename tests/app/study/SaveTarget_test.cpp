// Files written whole or not at all: every way a write can fail leaves no partial file, keeps an
// existing file as it was, and says why with the system's reason.
#include "TSaveTarget.h"

#include "TCommandRun.h"
#include "TTempDirectory.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <utility>

using namespace Armalyx;

namespace {

namespace fs = std::filesystem;

const std::string kOldContent = "the figure of last week";

QString PathText(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// The error text of a write that must fail, empty when it did not.
std::string FailureOf(const fs::path& path, const QByteArray& bytes) {
    try {
        TSaveTarget::Write(PathText(path), bytes);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return {};
}

std::vector<fs::path> Entries(const fs::path& folder) {
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        entries.push_back(entry.path().filename());
    }
    return entries;
}

// Writes beyond a size fail as on a full disk ("File too large" instead of "No space left on
// device"); the signal that would end the process is ignored meanwhile.
class TFileSizeLimit final {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

TEST(SaveTarget, WritesTheWholeFileAndReplacesAnOldOne) {
    const TTempDirectory folder;
    const fs::path target = folder.Path() / "chart.svg";
    ASSERT_TRUE(WriteFileBytes(target, kOldContent));
    TSaveTarget::Write(PathText(target), QByteArray("<svg/>"));
    EXPECT_EQ(ReadFileBytes(target), "<svg/>");
    EXPECT_EQ(Entries(folder.Path()), std::vector<fs::path>{"chart.svg"});
}

TEST(SaveTarget, AFullDiskKeepsTheOldFileAndLeavesNothingElse) {
    const TTempDirectory folder;
    const fs::path target = folder.Path() / "chart.png";
    ASSERT_TRUE(WriteFileBytes(target, kOldContent));
    std::string failure;
    {
        const TFileSizeLimit limit(4096);
        failure = FailureOf(target, QByteArray(64 * 1024, 'x'));
    }
    EXPECT_EQ(failure, "Could not write " + target.string() + ": File too large.");
    EXPECT_EQ(ReadFileBytes(target), kOldContent);
    EXPECT_EQ(Entries(folder.Path()), std::vector<fs::path>{"chart.png"});
}

TEST(SaveTarget, AVanishedFolderOrANameThatIsNoFileLeavesNothing) {
    const TTempDirectory folder;
    fs::create_directory(folder.Path() / "gone");
    fs::remove(folder.Path() / "gone");
    fs::create_directory(folder.Path() / "a folder.csv");
    ASSERT_TRUE(WriteFileBytes(folder.Path() / "file", kOldContent));
    const struct {
        fs::path target;
        const char* reason;
    } cases[] = {
        {folder.Path() / "gone" / "chart.pdf", "No such file or directory"},
        {folder.Path() / "file" / "chart.pdf", "Not a directory"},
        {folder.Path() / "a folder.csv", "directory"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.target.string());
        const std::string failure = FailureOf(test.target, QByteArray("data"));
        EXPECT_TRUE(failure.starts_with("Could not write " + test.target.string() + ": "))
            << failure;
        EXPECT_NE(failure.find(test.reason), std::string::npos) << failure;
    }
    EXPECT_FALSE(fs::exists(folder.Path() / "gone"));
    EXPECT_TRUE(fs::is_directory(folder.Path() / "a folder.csv"));
    EXPECT_EQ(ReadFileBytes(folder.Path() / "file"), kOldContent);
    EXPECT_EQ(Entries(folder.Path()).size(), 2U);
}

// A folder nobody may write into: without write permission, and for the superuser, who writes
// anyway, also immutable (where the file system allows it). Writable again when it goes.
class TLockedFolder final {
public:
    explicit TLockedFolder(fs::path folder) : m_folder(std::move(folder)) {
        fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
        if (WriteFileBytes(m_folder / "probe", "x")) {
            fs::remove(m_folder / "probe");
            m_immutable = RunCommand("chattr +i " + Quoted(m_folder) + " 2>&1").Status == 0;
        }
        m_locked = !WriteFileBytes(m_folder / "probe", "x");
    }
    ~TLockedFolder() {
        if (m_immutable) {
            RunCommand("chattr -i " + Quoted(m_folder));
        }
        fs::permissions(m_folder, fs::perms::owner_all);
    }
    TLockedFolder(const TLockedFolder&) = delete;
    TLockedFolder& operator=(const TLockedFolder&) = delete;

    bool Locked() const { return m_locked; }

private:
    fs::path m_folder;
    bool m_immutable = false;
    bool m_locked = false;
};

TEST(SaveTarget, AReadOnlyFolderKeepsTheOldFile) {
    const TTempDirectory folder;
    const fs::path locked = folder.Path() / "locked";
    fs::create_directory(locked);
    const fs::path target = locked / "table.csv";
    ASSERT_TRUE(WriteFileBytes(target, kOldContent));
    std::string failure;
    {
        const TLockedFolder lock(locked);
        if (!lock.Locked()) {
            GTEST_SKIP() << "this user writes into any folder here";
        }
        failure = FailureOf(target, QByteArray("new,table\r\n"));
    }
    EXPECT_TRUE(failure == "Could not write " + target.string() + ": Permission denied." ||
                failure == "Could not write " + target.string() + ": Operation not permitted.")
        << failure;
    EXPECT_EQ(ReadFileBytes(target), kOldContent);
    EXPECT_EQ(Entries(locked), std::vector<fs::path>{"table.csv"});
}
