// Which folder a start reads: the command line's folder or data file, the working directory and
// the folder read last.
#include "DataFolderArgument.h"
#include "StartFolder.h"

#include "TTempDirectory.h"

#include <gtest/gtest.h>

#include <QDir>

#include <filesystem>

using namespace Armalyx;

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

TEST(StartFolder, TheNamedFolderThenTheWorkingDirectoryWithDataThenTheLastFolder) {
    using StartFolder::TOrder;
    const QString named = QStringLiteral("/named");
    const QString last = QStringLiteral("/last");
    const struct {
        const char* Name;
        QString Named;
        TOrder Order;
        bool WorkingDirectoryHoldsData;
        QString Last;
        QString Folder;
        bool Reopened;
    } cases[] = {
        {"named", named, TOrder::WorkingDirectoryFirst, false, last, named, false},
        {"named, from the menu", named, TOrder::LastFolderFirst, true, last, named, false},
        {"data here", {}, TOrder::WorkingDirectoryFirst, true, last, {}, false},
        {"no data here", {}, TOrder::WorkingDirectoryFirst, false, last, last, true},
        {"no data here, nothing remembered",
         {},
         TOrder::WorkingDirectoryFirst,
         false,
         {},
         {},
         false},
        {"from the menu", {}, TOrder::LastFolderFirst, true, last, last, true},
        {"from the menu, nothing remembered", {}, TOrder::LastFolderFirst, true, {}, {}, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        const StartFolder::TChoice choice =
            StartFolder::Choose(test.Named, test.Order, test.WorkingDirectoryHoldsData, test.Last);
        EXPECT_EQ(choice.Folder, test.Folder);
        EXPECT_EQ(choice.Reopened, test.Reopened);
    }
}

TEST(StartFolder, AFolderHoldsDataWhenEitherFileIsThereByItsExactName) {
    const struct {
        const char* Name;
        const char* File;
        bool Holds;
    } cases[] = {
        {"nothing", nullptr, false},
        {"TotalData.txt", "TotalData.txt", true},
        {"TankData.txt", "TankData.txt", true},
        {"another case", "tankdata.txt", false},
        {"another extension", "TankData.csv", false},
        {"another file", "notes.txt", false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        const TTempDirectory folder;
        if (test.File != nullptr) {
            folder.WriteFile(test.File, "header\r\n");
        }
        EXPECT_EQ(StartFolder::HoldsDataFile(PathText(folder.Path())), test.Holds);
    }
    const TTempDirectory folder;
    std::filesystem::create_directory(folder.Path() / "TankData.txt");
    EXPECT_FALSE(StartFolder::HoldsDataFile(PathText(folder.Path())));
}

TEST(DataFolderArgument, ADataFileNamesItsFolderAndTheLauncherAsksForTheLastFolder) {
    const TTempDirectory folder;
    folder.WriteFile("TotalData.txt", "header\r\n");
    folder.WriteFile("TankData.txt", "header\r\n");
    folder.WriteFile("notes.txt", "x");
    std::filesystem::create_directory(folder.Path() / "sub");
    folder.WriteFile("sub/tankdata.txt", "header\r\n");
    const QString path = PathText(folder.Path());
    const QString reopen = QLatin1String(DataFolderArgument::kReopenLastOption);
    const struct {
        const char* Name;
        QStringList Arguments;
        bool Usable;
        QString Folder;
        bool ReopenLast;
    } cases[] = {
        {"TankData.txt", {path + "/TankData.txt"}, true, path, false},
        {"TotalData.txt", {path + "/TotalData.txt"}, true, path, false},
        {"TankData.txt, relative",
         {QDir::current().relativeFilePath(path + "/TankData.txt")},
         true,
         path,
         false},
        {"another file", {path + "/notes.txt"}, false, {}, false},
        {"another case", {path + "/sub/tankdata.txt"}, false, {}, false},
        {"a data file that is not there", {path + "/sub/TankData.txt"}, false, {}, false},
        {"the launcher's option alone", {reopen}, true, {}, true},
        {"the launcher's option with a folder", {reopen, path}, true, path, true},
        {"the launcher's option with a file", {path + "/TankData.txt", reopen}, true, path, true},
        {"both data files", {path + "/TankData.txt", path + "/TotalData.txt"}, true, path, false},
        {"a data file and its folder", {path + "/TankData.txt", path + "/"}, true, path, false},
        {"two folders", {path, path + "/sub"}, false, {}, false},
        {"a data file and another folder",
         {path + "/TankData.txt", path + "/sub"},
         false,
         {},
         false},
        {"the launcher's option with two folders", {reopen, path + "/sub", path}, false, {}, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        const DataFolderArgument::TParsed parsed = DataFolderArgument::Parse(test.Arguments);
        EXPECT_EQ(parsed.Usable, test.Usable);
        EXPECT_EQ(QDir::cleanPath(parsed.Folder), QDir::cleanPath(test.Folder));
        EXPECT_EQ(parsed.ReopenLast, test.ReopenLast);
    }
    EXPECT_EQ(DataFolderArgument::Parse({path + "/notes.txt"}).Error,
              "armalyx: '" + path +
                  "/notes.txt' is neither a folder nor a data file; name the folder that holds "
                  "TotalData.txt and TankData.txt, or one of the two files");
}
