// The data folder: named on the command line, chosen with Ctrl+O or dropped onto the window; the
// window reads from it without changing the working directory, and opening another folder starts
// fresh while opening the same one again keeps the work.
#include "TForm1Fixture.h"
#include "TStatusLine.h"

#include "DataFolderArgument.h"
#include "DataFolderDrop.h"
#include "TDataFolderWatcher.h"
#include "TStringGrid.h"
#include "TTempDirectory.h"
#include "TestFiles.h"

#include <Production1.h>
#include <TLineSeries.h>

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace Armalyx;

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class TForm1DataFolder : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        WriteTotalData(FleetLines(1000, 10, 20, 5));
        WriteVehicles(2);
        // Another folder with other vehicles.
        const auto lines = SteadyVehicle("Other", 7);
        ASSERT_TRUE(WriteFileBytes(m_other.Path() / "TankData.txt", DataFileBytes(lines)));
        ASSERT_TRUE(WriteFileBytes(m_other.Path() / "TotalData.txt",
                                   DataFileBytes(FleetLines(3000, 10, 20, 5))));
        m_otherFolder = PathText(m_other.Path());
    }

    // A drop of these addresses onto the window, as the windowing system delivers it.
    bool Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = Form().rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Form(), &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Form(), &drop);
        return true;
    }

    TTempDirectory m_other;
    QString m_otherFolder;
};

} // namespace

TEST(DataFolderArgument, NamesOneExistingFolderOrSaysWhatIsWrong) {
    const TTempDirectory folder;
    folder.WriteFile("TotalData.txt", "header\r\n");
    folder.WriteFile("StockData.txt", "header\r\n");
    folder.WriteFile("notes.txt", "x");
    const QString path = PathText(folder.Path());
    const struct {
        const char* Name;
        QStringList Arguments;
        bool Usable;
        QString Folder;
        QString Error;
    } cases[] = {
        {"none: the working directory", {}, true, QString(), QString()},
        {"a folder", {path}, true, path, QString()},
        {"a folder, relative", {QDir::current().relativeFilePath(path)}, true, path, QString()},
        {"missing",
         {path + "/nothing"},
         false,
         QString(),
         "armalyx: data folder '" + path + "/nothing' does not exist"},
        {"empty", {QString()}, false, QString(), "armalyx: data folder '' does not exist"},
        {"a data file", {path + "/TotalData.txt"}, true, path, QString()},
        {"the optional data file", {path + "/StockData.txt"}, true, path, QString()},
        {"another file",
         {path + "/notes.txt"},
         false,
         QString(),
         "armalyx: '" + path +
             "/notes.txt' is neither a folder nor a data file; name the folder that holds "
             "TotalData.txt and TankData.txt, or one of the two files"},
        {"two",
         {path, QDir::tempPath()},
         false,
         QString(),
         "armalyx: unexpected argument '" + QDir::tempPath() +
             "'; only one data folder can be named"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        const Armalyx::DataFolderArgument::TParsed parsed =
            Armalyx::DataFolderArgument::Parse(test.Arguments);
        EXPECT_EQ(parsed.Usable, test.Usable);
        EXPECT_EQ(QDir::cleanPath(parsed.Folder), QDir::cleanPath(test.Folder));
        EXPECT_EQ(parsed.Error, test.Error);
    }
}

TEST(DataFolderDrop, TakesOneFolderOrOneDataFile) {
    const TTempDirectory folder;
    folder.WriteFile("TankData.txt", "header\r\n");
    folder.WriteFile("TotalData.txt", "header\r\n");
    folder.WriteFile("StockData.txt", "header\r\n");
    folder.WriteFile("notes.txt", "x");
    const QString path = PathText(folder.Path());
    const auto local = [&path](const char* name) {
        return QUrl::fromLocalFile(path + QLatin1Char('/') + QLatin1String(name));
    };
    const struct {
        const char* Name;
        QList<QUrl> Urls;
        QString Folder;
    } cases[] = {
        {"the folder", {QUrl::fromLocalFile(path)}, path},
        {"TankData.txt", {local("TankData.txt")}, path},
        {"TotalData.txt", {local("TotalData.txt")}, path},
        {"StockData.txt", {local("StockData.txt")}, path},
        {"another file", {local("notes.txt")}, QString()},
        {"a file that is not there", {local("missing")}, QString()},
        {"both data files", {local("TankData.txt"), local("TotalData.txt")}, QString()},
        {"a web address", {QUrl(QStringLiteral("https://example.org/TankData.txt"))}, QString()},
        {"nothing", {}, QString()},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(Armalyx::DataFolderDrop::FolderOfDrop(test.Urls), test.Folder);
    }
}

TEST_F(TForm1DataFolder, TheWindowReadsItsFolderWithoutChangingTheWorkingDirectory) {
    const QString workingDirectory = QDir::currentPath();
    ShowAndActivate();
    EXPECT_EQ(QDir::currentPath(), workingDirectory);
    EXPECT_EQ(Form().DataFolder(), DataDirectory());
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("v1"));
    EXPECT_TRUE(Driver().Label8->text().contains(QDir::toNativeSeparators(DataDirectory())));
}

TEST_F(TForm1DataFolder, TheChooserOpensAnotherFolderAndStartsFresh) {
    ShowAndActivate();
    ClickRow(2);
    QString offered;
    QString answer;
    Driver().SetFolderChooser([&offered, &answer](QWidget*, const QString& start) {
        offered = start;
        return answer;
    });
    // Cancelled: nothing changes.
    Driver().OpenFolderAction->trigger();
    EXPECT_EQ(offered, DataDirectory());
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("v2"));

    answer = m_otherFolder;
    Driver().OpenFolderAction->trigger();
    ASSERT_TRUE(Errors().empty());
    EXPECT_EQ(Form().DataFolder(), m_otherFolder);
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("Other"));
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 2), QStringLiteral("Lend Lease"));
    EXPECT_TRUE(Driver().Label8->text().contains(QDir::toNativeSeparators(m_otherFolder)))
        << Driver().Label8->text().toStdString();
    // A different folder starts as the first activation does: no picks, figures 0, no
    // "read again" line.
    EXPECT_EQ(Driver().Series2->PointCount(), 0);
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("Tanks"));
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("0"));
    EXPECT_FALSE(Driver().Label8->text().contains(QStringLiteral("Read again")));
    EXPECT_EQ(Driver().Series1->YValueAt(0), 3000);
    // The follower moved with it.
    EXPECT_EQ(Driver().DataWatcher().Folder(), m_otherFolder);
    EXPECT_TRUE(Driver().DataWatcher().WatchedPaths().contains(m_otherFolder + "/TankData.txt"));
}

TEST_F(TForm1DataFolder, ADroppedFolderOrDataFileOpensItsFolderAndOtherDropsAreRefused) {
    ShowAndActivate();
    EXPECT_FALSE(Drop({QUrl::fromLocalFile(DataDirectory() + "/missing.txt")}));
    EXPECT_FALSE(Drop({QUrl(QStringLiteral("https://example.org/"))}));
    EXPECT_EQ(Form().DataFolder(), DataDirectory());

    EXPECT_TRUE(Drop({QUrl::fromLocalFile(m_otherFolder + "/TankData.txt")}));
    EXPECT_EQ(Form().DataFolder(), m_otherFolder);
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("Other"));

    EXPECT_TRUE(Drop({QUrl::fromLocalFile(DataDirectory())}));
    EXPECT_EQ(Form().DataFolder(), DataDirectory());
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("v1"));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1DataFolder, AFolderNamedBeforeTheFirstActivationIsTheOneItReads) {
    Form().OpenDataFolder(m_otherFolder);
    ShowAndActivate();
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("Other"));
}

TEST_F(TForm1DataFolder, AFolderThatIsGoneIsReportedNotReplaced) {
    ShowAndActivate();
    const QString gone = m_otherFolder + "/gone";
    Form().OpenDataFolder(gone);
    EXPECT_EQ(Form().DataFolder(), gone);
    EXPECT_EQ(Production1::Store().VehicleCount, 0);
    EXPECT_TRUE(Driver().Label8->text().contains(QDir::toNativeSeparators(gone)))
        << Driver().Label8->text().toStdString();
}

// A reload must not leave a file descriptor or a watch behind, whatever started it.
TEST_F(TForm1DataFolder, ReloadsAndOpensLeakNoFileOrWatch) {
    ShowAndActivate();
    const auto openFiles = [] {
        return QDir(QStringLiteral("/proc/self/fd"))
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
            .size();
    };
    Driver().ReloadDataFiles();
    Form().OpenDataFolder(m_otherFolder);
    Form().OpenDataFolder(DataDirectory());
    const auto filesBefore = openFiles();
    const auto watchesBefore = Driver().DataWatcher().WatchedPaths().size();
    for (int i = 0; i < 1000; ++i) {
        Driver().ReloadDataFiles();
    }
    for (int i = 0; i < 50; ++i) {
        Form().OpenDataFolder(m_otherFolder);
        Form().OpenDataFolder(DataDirectory());
    }
    EXPECT_EQ(openFiles(), filesBefore);
    EXPECT_EQ(Driver().DataWatcher().WatchedPaths().size(), watchesBefore);
    EXPECT_TRUE(Errors().empty());
}
