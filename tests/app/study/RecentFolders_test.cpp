// The folders remembered between runs: their order, the cap of eight, folders that have gone, and
// settings files that are damaged, far too large or cannot be written, none of which may stop the
// program or lose the list that was there.
#include "RecentFolderList.h"
#include "TRecentFolders.h"

#include "TTempDirectory.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <string>

using namespace Armalyx;

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QStringList Numbered(int first, int count) {
    QStringList folders;
    for (int i = first; i < first + count; ++i) {
        folders.push_back(QStringLiteral("/f%1").arg(i));
    }
    return folders;
}

} // namespace

TEST(RecentFolderList, PutsTheFolderReadFirstOnceAndKeepsEightThatAreStillThere) {
    const QSet<QString> gone{QStringLiteral("/gone"), QStringLiteral("/f12")};
    const auto exists = [&gone](const QString& folder) { return !gone.contains(folder); };
    const struct {
        const char* Name;
        QStringList Stored;
        QString Read;
        QStringList Expected;
    } cases[] = {
        {"the first folder", {}, "/a", {"/a"}},
        {"a new folder goes first", {"/a", "/b"}, "/c", {"/c", "/a", "/b"}},
        {"a folder read again moves up", {"/a", "/b", "/c"}, "/c", {"/c", "/a", "/b"}},
        {"the first folder again changes nothing", {"/a", "/b"}, "/a", {"/a", "/b"}},
        {"the same folder written otherwise is one", {"/a/", "/b/./"}, "/a/../a", {"/a", "/b"}},
        {"at most eight", Numbered(1, 8), "/new", QStringList{"/new"} + Numbered(1, 8).mid(0, 7)},
        {"folders that have gone leave room", Numbered(10, 9), "/f18",
         QStringList{"/f18", "/f10", "/f11", "/f13", "/f14", "/f15", "/f16", "/f17"}},
        {"a gone folder is not remembered", {"/a"}, "/gone", {"/a"}},
        {"empty and relative entries are dropped", {"", "relative/path", "/a"}, "/b", {"/b", "/a"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(RecentFolderList::WithFirst(test.Stored, test.Read, exists), test.Expected);
    }
}

TEST(RecentFolderList, OffersOnlyFoldersThatAreFoldersOnTheDisk) {
    const TTempDirectory base;
    base.WriteFile("a file", "x");
    const QString path = PathText(base.Path());
    EXPECT_TRUE(RecentFolderList::FolderExists(path));
    EXPECT_FALSE(RecentFolderList::FolderExists(path + "/a file"));
    EXPECT_FALSE(RecentFolderList::FolderExists(path + "/nothing"));
}

class TRecentFoldersFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_config.Path().empty());
        ASSERT_FALSE(m_data.Path().empty());
    }

    // A folder of data below the temporary one, made on the disk.
    QString Folder(const std::string& name) const {
        std::filesystem::create_directories(m_data.Path() / name);
        return PathText(m_data.Path() / name);
    }
    QString ConfigFile() const { return PathText(m_config.Path() / "armalyx" / "armalyx.conf"); }
    void WriteConfig(const QByteArray& bytes) const {
        QDir().mkpath(PathText(m_config.Path() / "armalyx"));
        QFile file(ConfigFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    TTempDirectory m_config;
    TTempDirectory m_data;
};

// Every character a folder name may hold on Linux reads back as written, the settings file's
// own punctuation included.
TEST_F(TRecentFoldersFile, KeepsFoldersOfAnyNameAcrossRuns) {
    const QStringList folders{
        Folder("plain"),
        Folder("with, comma"),
        Folder("with \"quotes\""),
        Folder("a=b;c#d[e]"),
        Folder("back\\slash"),
        Folder("@Variant(x)"),
        Folder("Gro\xc3\x9f T-34"),
        Folder("  blanks  "),
    };
    for (const QString& folder : folders) {
        TRecentFolders(ConfigFile()).Remember(folder);
    }
    QStringList expected = folders;
    std::reverse(expected.begin(), expected.end());
    const TRecentFolders later(ConfigFile());
    EXPECT_EQ(later.Folders(), expected);
    EXPECT_EQ(later.Last(), folders.back());
}

TEST_F(TRecentFoldersFile, OneFolderAloneReadsBackAsThatFolder) {
    const QString folder = Folder("one, with a comma");
    TRecentFolders(ConfigFile()).Remember(folder);
    EXPECT_EQ(TRecentFolders(ConfigFile()).Folders(), QStringList{folder});
}

TEST_F(TRecentFoldersFile, ForgetsFoldersThatHaveGoneAndClearsTheList) {
    TRecentFolders recent(ConfigFile());
    const QString kept = Folder("kept");
    const QString removed = Folder("removed");
    recent.Remember(kept);
    recent.Remember(removed);
    std::filesystem::remove(m_data.Path() / "removed");
    EXPECT_EQ(recent.Folders(), QStringList{kept});
    EXPECT_EQ(recent.Last(), kept);
    recent.Clear();
    EXPECT_TRUE(recent.Folders().isEmpty());
    EXPECT_TRUE(TRecentFolders(ConfigFile()).Last().isEmpty());
}

TEST_F(TRecentFoldersFile, ADamagedOrStrangeFileReadsAsNoListAndIsWrittenAnew) {
    const QString folder = Folder("study");
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"empty", ""},
        {"binary", QByteArray("\x00\xff\xfe[\x01\x02=\n\n\x7f", 11)},
        {"no section, no equals", "RecentFolders\n[[[\n"},
        {"a number", "[General]\nRecentFolders=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"},
        {"a byte array", "[General]\nRecentFolders=@ByteArray(abc)\n"},
        {"relative names", "[General]\nRecentFolders=a, b, c\n"},
        {"far too large",
         "[General]\nRecentFolders=" + QByteArray(qsizetype{200} * 1024, 'x') + "\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        WriteConfig(test.Bytes);
        TRecentFolders recent(ConfigFile());
        EXPECT_TRUE(recent.Folders().isEmpty());
        recent.Remember(folder);
    }
    // The file that was far too large is left alone: nothing of it is this program's.
    EXPECT_TRUE(TRecentFolders(ConfigFile()).Folders().isEmpty());
    WriteConfig("[General]\nRecentFolders=" + QFile::encodeName(folder) + ", relative, /gone\n");
    EXPECT_EQ(TRecentFolders(ConfigFile()).Folders(), QStringList{folder});
}

TEST_F(TRecentFoldersFile, AFileThatCannotBeWrittenLeavesTheProgramGoing) {
    // A plain file where the configuration folder should be: nothing can be made below it.
    const TTempDirectory base;
    base.WriteFile("config", "not a folder");
    const QString fileName = PathText(base.Path() / "config" / "armalyx" / "armalyx.conf");
    TRecentFolders recent(fileName);
    recent.Remember(Folder("study"));
    recent.Remember(Folder("other"));
    recent.Clear();
    EXPECT_TRUE(recent.Folders().isEmpty());
    // A folder where the file should be.
    QDir().mkpath(ConfigFile());
    TRecentFolders(ConfigFile()).Remember(Folder("study"));
    EXPECT_TRUE(TRecentFolders(ConfigFile()).Folders().isEmpty());
}

// Tests and the inspector set XDG_CONFIG_HOME so that they never write the user's own file.
TEST_F(TRecentFoldersFile, TheUsersFileIsInTheConfigurationFolderTheEnvironmentNames) {
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_config.Path().string().c_str());
    const QString userFile = TRecentFolders::UserFile();
    if (before.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", before);
    }
    EXPECT_EQ(userFile, ConfigFile());
}
