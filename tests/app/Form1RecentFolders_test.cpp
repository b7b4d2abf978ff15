// What the program keeps between runs and where its dialogs start, in the real window: the last
// data folder reopened from a directory without data files and not from one with them, a data
// file named on the command line, "Open recent" with "Clear list", and the names and folders the
// save dialogs and the print dialog suggest. Every test keeps its folders in a configuration
// file of its own.
#include "TForm1Fixture.h"

#include "DataFolderArgument.h"
#include "StartFolder.h"
#include "TRecentFolders.h"
#include "TStatusLine.h"
#include "TStringGrid.h"
#include "TTempDirectory.h"
#include "TWorkingDirectory.h"
#include "TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTabWidget>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

using namespace Armalyx;

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The entries of a menu as they read, without their access keys.
QStringList EntryTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* entry : menu.actions()) {
        texts.push_back(entry->isSeparator() ? QStringLiteral("--") : PlainText(*entry));
    }
    return texts;
}

class TForm1RecentFolders : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        ASSERT_FALSE(m_config.Path().empty());
        WriteTotalData(FleetLines(1000, 10, 20, 5));
        WriteVehicles(2);
        // A second data folder with another vehicle, and one without data files.
        ASSERT_TRUE(WriteFileBytes(m_other.Path() / "TankData.txt",
                                   DataFileBytes(SteadyVehicle("Other", 7))));
        ASSERT_TRUE(WriteFileBytes(m_other.Path() / "TotalData.txt",
                                   DataFileBytes(FleetLines(3000, 10, 20, 5))));
        ASSERT_FALSE(m_empty.Path().empty());
    }

    // The window as the program's start makes it, from the working directory the test set.
    void Start(const QStringList& arguments) {
        const DataFolderArgument::TParsed parsed = DataFolderArgument::Parse(arguments);
        ASSERT_TRUE(parsed.Usable) << parsed.Error.toStdString();
        using StartFolder::TOrder;
        const StartFolder::TChoice start = StartFolder::Choose(
            parsed.Folder,
            parsed.ReopenLast ? TOrder::LastFolderFirst : TOrder::WorkingDirectoryFirst,
            StartFolder::HoldsDataFile(QDir::currentPath()), m_recent.Last());
        auto form = std::make_unique<TForm1>(start.Folder);
        form->RememberFoldersIn(m_recent, start.Reopened ? TForm1::TStartNote::ReopenedLastFolder
                                                         : TForm1::TStartNote::None);
        AdoptForm(std::move(form));
        ShowAndActivate();
    }

    QString FirstCell() { return Driver().StringGrid1->Cells(0, 1); }
    QString StatusText() { return Driver().Label8->text(); }
    QString Other() const { return PathText(m_other.Path()); }
    QString Empty() const { return PathText(m_empty.Path()); }

    TTempDirectory m_config;
    TRecentFolders m_recent{PathText(m_config.Path() / "armalyx.conf")};
    TTempDirectory m_other;
    TTempDirectory m_empty;
};

} // namespace

TEST_F(TForm1RecentFolders, TheLastFolderIsReopenedFromADirectoryWithoutDataFiles) {
    m_recent.Remember(DataDirectory());
    const TWorkingDirectory workingDirectory(m_empty.Path());
    Start({});
    EXPECT_EQ(Form().DataFolder(), DataDirectory());
    EXPECT_EQ(FirstCell(), QStringLiteral("v1"));
    EXPECT_TRUE(StatusText().startsWith("Reopened the last data folder " +
                                        QDir::toNativeSeparators(DataDirectory()) + ".\n"))
        << StatusText().toStdString();
    // The note is the first load's: a reload says what it read, and no more.
    Driver().ReloadDataFiles();
    EXPECT_FALSE(StatusText().contains(QStringLiteral("Reopened")));
}

TEST_F(TForm1RecentFolders, TheWorkingDirectoryWithDataFilesIsReadAsBeforeAndRemembered) {
    m_recent.Remember(DataDirectory());
    const TWorkingDirectory workingDirectory(m_other.Path());
    Start({});
    EXPECT_EQ(QDir(Form().DataFolder()).canonicalPath(), QDir(Other()).canonicalPath());
    EXPECT_EQ(FirstCell(), QStringLiteral("Other"));
    EXPECT_FALSE(StatusText().contains(QStringLiteral("Reopened")));
    EXPECT_EQ(QDir(m_recent.Last()).canonicalPath(), QDir(Other()).canonicalPath());
}

TEST_F(TForm1RecentFolders, TheLauncherReopensTheLastFolderBeforeItsOwn) {
    m_recent.Remember(DataDirectory());
    const TWorkingDirectory workingDirectory(m_other.Path());
    Start({QLatin1String(DataFolderArgument::kReopenLastOption)});
    EXPECT_EQ(Form().DataFolder(), DataDirectory());
    EXPECT_EQ(FirstCell(), QStringLiteral("v1"));
    EXPECT_TRUE(StatusText().startsWith(QStringLiteral("Reopened the last data folder ")));
}

TEST_F(TForm1RecentFolders, WithNothingRememberedAStartReadsTheWorkingDirectoryAsBefore) {
    const TWorkingDirectory workingDirectory(m_empty.Path());
    Start({});
    EXPECT_EQ(QDir(Form().DataFolder()).canonicalPath(), QDir(Empty()).canonicalPath());
    EXPECT_EQ(FirstCell(), QStringLiteral("Lend Lease"));
    EXPECT_FALSE(StatusText().contains(QStringLiteral("Reopened")));
    // A folder without either data file is not remembered, lest the next start reopen it.
    EXPECT_TRUE(m_recent.Folders().isEmpty());
}

TEST_F(TForm1RecentFolders, ADataFileNamedOnTheCommandLineOpensItsFolder) {
    m_recent.Remember(Other());
    const TWorkingDirectory workingDirectory(m_empty.Path());
    for (const char* file : {"TankData.txt", "TotalData.txt"}) {
        SCOPED_TRACE(file);
        Start({DataDirectory() + QLatin1Char('/') + QLatin1String(file)});
        EXPECT_EQ(Form().DataFolder(), DataDirectory());
        EXPECT_EQ(FirstCell(), QStringLiteral("v1"));
        EXPECT_FALSE(StatusText().contains(QStringLiteral("Reopened")));
        EXPECT_EQ(m_recent.Folders(), (QStringList{DataDirectory(), Other()}));
    }
}

TEST_F(TForm1RecentFolders, OpenRecentListsTheFoldersReadAndOpensThem) {
    const TWorkingDirectory workingDirectory(m_empty.Path());
    m_recent.Remember(Other());
    Start({DataDirectory()});
    QMenu* recent = Driver().RecentMenu();
    ASSERT_NE(recent, nullptr);
    // Right below "Open data folder…" in the window's menu.
    const QList<QAction*> entries = Driver().MainMenu->actions();
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries.at(0), Driver().OpenFolderAction);
    EXPECT_EQ(entries.at(1)->menu(), recent);
    EXPECT_EQ(PlainText(*entries.at(1)), QStringLiteral("Open recent"));

    emit recent->aboutToShow();
    EXPECT_EQ(EntryTexts(*recent),
              (QStringList{"1 " + QDir::toNativeSeparators(DataDirectory()),
                           "2 " + QDir::toNativeSeparators(Other()), "--", "Clear list"}));
    recent->actions().at(1)->trigger();
    EXPECT_EQ(Form().DataFolder(), Other());
    EXPECT_EQ(FirstCell(), QStringLiteral("Other"));
    emit recent->aboutToShow();
    EXPECT_EQ(recent->actions().at(0)->data().toString(), Other());

    // A folder that has gone is not offered.
    const TTempDirectory gone;
    gone.WriteFile("TankData.txt", DataFileBytes(SteadyVehicle("Gone", 1)));
    Driver().OpenDataFolder(PathText(gone.Path()));
    std::filesystem::remove_all(gone.Path());
    emit recent->aboutToShow();
    EXPECT_EQ(recent->actions().size(), 4);

    Driver().ClearRecentAction()->trigger();
    EXPECT_EQ(EntryTexts(*recent), (QStringList{"No folder read yet", "--", "Clear list"}));
    EXPECT_FALSE(recent->actions().at(0)->isEnabled());
    EXPECT_FALSE(Driver().ClearRecentAction()->isEnabled());
    EXPECT_TRUE(TRecentFolders(m_recent.FileName()).Folders().isEmpty());
    EXPECT_TRUE(Errors().empty());
}

// A window the tests or the inspector make, without the start's list, is the window as it always
// was: no "Open recent", nothing remembered anywhere.
TEST_F(TForm1RecentFolders, AWindowWithoutAListRemembersNothing) {
    const QStringList before = TRecentFolders(TRecentFolders::UserFile()).Folders();
    ShowAndActivate();
    Driver().OpenDataFolder(Other());
    EXPECT_EQ(Driver().RecentMenu(), nullptr);
    for (const QAction* entry : Driver().MainMenu->actions()) {
        EXPECT_EQ(entry->menu(), nullptr) << PlainText(*entry).toStdString();
    }
    EXPECT_EQ(TRecentFolders(TRecentFolders::UserFile()).Folders(), before);
    EXPECT_TRUE(m_recent.Folders().isEmpty());
}

namespace {

// The save dialog's question, answered with the given name (empty: cancelled).
struct TAskedSave {
    TForm1::TSaveQuestion Question;
    QString Answer;
};

void AnswerSaves(TForm1Driver& driver, TAskedSave& asked) {
    driver.SetSaveChooser([&asked](QWidget*, TForm1::TSaveQuestion& question) {
        asked.Question = question;
        return asked.Answer;
    });
}

} // namespace

TEST_F(TForm1RecentFolders, TheSaveDialogsSuggestANameFromThePicksWhereTheWorkIs) {
    ShowAndActivate();
    TAskedSave asked;
    AnswerSaves(Driver(), asked);
    const QString data = DataDirectory() + QLatin1Char('/');
    const struct {
        const char* Name;
        std::vector<int> Rows;
        QString Chart;
        QString Numbers;
    } cases[] = {
        {"no pick", {}, "Armalyx chart.png", "Armalyx chart numbers.csv"},
        {"one pick", {1}, "Armalyx v1.png", "Armalyx v1 numbers.csv"},
        {"two picks", {2}, "Armalyx v1 and v2.png", "Armalyx v1 and v2 numbers.csv"},
        {"lend-lease",
         {3},
         "Armalyx Lend Lease and v2.png",
         "Armalyx Lend Lease and v2 numbers.csv"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        for (const int row : test.Rows) {
            ClickRow(row);
        }
        Driver().PageControl1->setCurrentWidget(Driver().TabSheet2);
        Driver().ExportChart();
        EXPECT_EQ(asked.Question.Start, data + test.Chart);
        EXPECT_EQ(asked.Question.Filter, QStringLiteral("PNG picture (*.png)"));
        Driver().ExportData();
        EXPECT_EQ(asked.Question.Start, data + test.Numbers);
        EXPECT_EQ(asked.Question.Filter, QStringLiteral("Chart numbers, CSV (*.csv)"));
        EXPECT_EQ(Driver().PrintFileName(),
                  data +
                      QString(test.Chart).replace(QStringLiteral(".png"), QStringLiteral(".pdf")));
    }
    // From the table's page Export data asks for the table.
    Driver().PageControl1->setCurrentWidget(Driver().Tabsheet1);
    Driver().ExportData();
    EXPECT_EQ(asked.Question.Start, data + "Armalyx vehicle table.csv");
    EXPECT_EQ(asked.Question.Filter, QStringLiteral("Vehicle table, CSV (*.csv)"));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1RecentFolders, TheDialogsStartInTheFolderLastExportedTo) {
    ShowAndActivate();
    ClickRow(1);
    TAskedSave asked;
    AnswerSaves(Driver(), asked);
    // Exported to another folder, with no extension typed: the filter's is added.
    asked.Answer = Other() + QStringLiteral("/my table");
    Driver().ExportData();
    EXPECT_TRUE(QFile::exists(Other() + QStringLiteral("/my table.csv")));
    asked.Answer.clear();
    Driver().ExportChart();
    EXPECT_EQ(asked.Question.Start, Other() + QStringLiteral("/Armalyx v1.png"));
    EXPECT_EQ(Driver().PrintFileName(), Other() + QStringLiteral("/Armalyx v1.pdf"));
    // The folder is removed: the data folder again.
    std::filesystem::remove_all(m_other.Path());
    Driver().ExportData();
    EXPECT_EQ(asked.Question.Start, DataDirectory() + QStringLiteral("/Armalyx vehicle table.csv"));
    // A write that fails moves nothing.
    asked.Answer = Other() + QStringLiteral("/gone/table.csv");
    EXPECT_THROW(Driver().ExportData(), std::runtime_error);
    asked.Answer.clear();
    Driver().ExportData();
    EXPECT_EQ(asked.Question.Start, DataDirectory() + QStringLiteral("/Armalyx vehicle table.csv"));
}

TEST_F(TForm1RecentFolders, AVehicleNameThatNamesAFolderIsMadeSafe) {
    WriteTankData(SteadyVehicle("KV-1/2 Dora?", 3));
    ShowAndActivate();
    ClickRow(1);
    TAskedSave asked;
    AnswerSaves(Driver(), asked);
    Driver().ExportChart();
    EXPECT_EQ(asked.Question.Start, DataDirectory() + QStringLiteral("/Armalyx KV-1-2 Dora-.png"));
}
