// The data status line: what the last load made of each data file, in one short line when all is
// well, and one line per file naming its full path, counts and reasons otherwise.
#include "TForm1Fixture.h"
#include "TStatusLine.h"

#include "DataStatusText.h"
#include "NearMissNames.h"
#include "ReportPairCase.h"

#include <Production1.h>

#include "TStringGrid.h"
#include "TestFiles.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include <initializer_list>
#include <string>
#include <utility>

using namespace Armalyx;

namespace {

using Production1::TLineOutcome;
using Production1::TReadReport;

// A report of a found file whose data lines came out as given.
TReadReport FoundReport(std::initializer_list<std::pair<TLineOutcome, int>> outcomes) {
    TReadReport report;
    report.SetFound();
    for (const auto& [outcome, count] : outcomes) {
        for (int i = 0; i < count; ++i) {
            report.Tally(outcome);
        }
    }
    return report;
}

// The same report with as many reported lines added, ignored or stored with a doubt.
TReadReport WithProblems(TReadReport report, int count, bool ignored = true) {
    for (int i = 0; i < count; ++i) {
        report.AddProblem({i + 2, ignored, "ignored: a reason", "a line", false});
    }
    return report;
}

const QString kDirectory = QStringLiteral("/home/ana/data");

// The status line of a load from a directory whose folder lists no other files.
auto StatusTextIn(const QString& directory) {
    return [directory](const TReadReport& total, const TReadReport& tank) {
        return Armalyx::DataStatusText::StatusText(directory, total, tank);
    };
}

} // namespace

TEST(DataStatusText, NamesEachFileWithItsPathCountsAndCommonestReasons) {
    const TReadReport missing;
    const TReadReport clean = FoundReport({{TLineOutcome::Stored, 20}});
    const TReadReport one = FoundReport({{TLineOutcome::Stored, 1}});
    const TReadReport commented =
        FoundReport({{TLineOutcome::Stored, 3}, {TLineOutcome::CommentOrBlankStart, 2}});
    const TReadReport onlyComments = FoundReport({{TLineOutcome::CommentOrBlankStart, 2}});
    const TReadReport headerOnly = FoundReport({});
    const TReadReport illFormed = FoundReport({{TLineOutcome::Stored, 5},
                                               {TLineOutcome::NoComma, 1},
                                               {TLineOutcome::TooShort, 3},
                                               {TLineOutcome::YearOutOfRange, 3},
                                               {TLineOutcome::UnknownName, 1},
                                               {TLineOutcome::EmptyName, 2}});
    struct TCase {
        const char* Name;
        const TReadReport& Total;
        const TReadReport& Tank;
        QString Expected;
    };
    const TCase cases[] = {
        {"both clean", clean, one,
         "Read TotalData.txt (20 lines) and TankData.txt (1 line) from /home/ana/data."},
        {"comment lines are no problem", commented, clean,
         "Read TotalData.txt (5 lines) and TankData.txt (20 lines) from /home/ana/data."},
        {"but a file of comments alone is", onlyComments, clean,
         "/home/ana/data/TotalData.txt: 2 data lines read, 2 ignored (2 comment or blank start).\n"
         "/home/ana/data/TankData.txt: 20 data lines read."},
        {"both missing", missing, missing,
         "No data files found in /home/ana/data. The program reads \"TotalData.txt\" and "
         "\"TankData.txt\" from its data folder: open the folder that holds them (Ctrl+O)."},
        {"fleet file missing", missing, clean,
         "/home/ana/data/TotalData.txt: not found; vehicles in service, losses, production and "
         "lend-lease are 0.\n"
         "/home/ana/data/TankData.txt: 20 data lines read."},
        {"vehicle file missing", one, missing,
         "/home/ana/data/TotalData.txt: 1 data line read.\n"
         "/home/ana/data/TankData.txt: not found; no vehicle types."},
        {"ill-formed lines, ties in the reader's order, the rest as other", clean, illFormed,
         "/home/ana/data/TotalData.txt: 20 data lines read.\n"
         "/home/ana/data/TankData.txt: 15 data lines read, 10 ignored (3 too short, 3 year out "
         "of range, 2 empty name, 2 other)."},
        {"header only", headerOnly, clean,
         "/home/ana/data/TotalData.txt: no data lines below the header.\n"
         "/home/ana/data/TankData.txt: 20 data lines read."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Armalyx::DataStatusText::StatusText(kDirectory, c.Total, c.Tank), c.Expected);
    }
}

TEST(DataStatusText, LinesInTheReportAreCountedOnALineOfTheirOwn) {
    const TReadReport clean = FoundReport({{TLineOutcome::Stored, 20}});
    const TReadReport doubted = WithProblems(FoundReport({{TLineOutcome::Stored, 1}}), 1, false);
    const TReadReport tooShort =
        WithProblems(FoundReport({{TLineOutcome::Stored, 5}, {TLineOutcome::TooShort, 2}}), 2);
    const TReadReport tallied =
        FoundReport({{TLineOutcome::Stored, 5}, {TLineOutcome::NoComma, 1}});
    const TReadReport many = WithProblems(tooShort, 12000);
    ExpectReportPairTexts(
        {
            {"no reported lines: the short line as it was", clean, clean,
             "Read TotalData.txt (20 lines) and TankData.txt (20 lines) from /home/ana/data."},
            {"a line stored with a doubt, one of one", clean, doubted,
             "Read TotalData.txt (20 lines) and TankData.txt (1 line) from /home/ana/data.\n"
             "1 line needs a look."},
            {"the report gives the reasons of its lines", tooShort, clean,
             "/home/ana/data/TotalData.txt: 7 data lines read, 2 ignored.\n"
             "/home/ana/data/TankData.txt: 20 data lines read.\n"
             "2 lines need a look."},
            {"lines not in the report keep their reasons", tallied, tooShort,
             "/home/ana/data/TotalData.txt: 6 data lines read, 1 ignored (1 no comma).\n"
             "/home/ana/data/TankData.txt: 7 data lines read, 2 ignored.\n"
             "2 lines need a look."},
            {"both files add up, kept in the account or not", many, doubted,
             "/home/ana/data/TotalData.txt: 7 data lines read, 2 ignored.\n"
             "/home/ana/data/TankData.txt: 1 data line read.\n"
             "12003 lines need a look."},
        },
        StatusTextIn(kDirectory));
}

TEST(NearMissNames, NamesDifferingInCaseOrExtensionOrWithAnExtraExtension) {
    const QStringList folder = {"TankData.txt",     "tankdata.txt", "TankData.csv",
                                "TankData.txt.txt", "TANKDATA.TXT", "TankData",
                                "TankData2.txt",    "Tank.txt",     "MyTankData.txt",
                                ".TankData.txt",    "TotalData.txt"};
    struct TCase {
        const char* Wanted;
        QStringList Expected;
    };
    const TCase cases[] = {
        {"TankData.txt",
         {"tankdata.txt", "TankData.csv", "TankData.txt.txt", "TANKDATA.TXT", "TankData"}},
        {"TotalData.txt", {}},
        {"", {}},
        {".txt", {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Wanted);
        EXPECT_EQ(Armalyx::NearMissNames::NearMisses(folder, QString::fromLatin1(c.Wanted)),
                  c.Expected);
    }
}

TEST(DataStatusText, AMissingFileNamesTheFilesThatComeClose) {
    const TReadReport missing;
    const TReadReport clean = FoundReport({{TLineOutcome::Stored, 20}});
    const QString mustBe =
        QStringLiteral(", but the names must be exactly \"TotalData.txt\" and \"TankData.txt\".");
    struct TCase {
        const char* Name;
        const TReadReport& Total;
        const TReadReport& Tank;
        QStringList Folder;
        QString Expected;
    };
    const TCase cases[] = {
        {"fleet file in small letters",
         missing,
         clean,
         {"notes.txt", "totaldata.txt"},
         "/home/ana/data/TotalData.txt: not found; vehicles in service, losses, production and "
         "lend-lease are 0. The folder holds \"totaldata.txt\"" +
             mustBe + "\n/home/ana/data/TankData.txt: 20 data lines read."},
        {"a found file's near names are no matter",
         clean,
         missing,
         {"totaldata.txt", "Notes.txt"},
         "/home/ana/data/TotalData.txt: 20 data lines read.\n"
         "/home/ana/data/TankData.txt: not found; no vehicle types."},
        {"both missing, the fleet file's names first",
         missing,
         missing,
         {"TANKDATA.TXT", "TotalData.csv", "TotalData.txt.txt"},
         "No data files found in /home/ana/data. The program reads \"TotalData.txt\" and "
         "\"TankData.txt\" from its data folder: open the folder that holds them (Ctrl+O). "
         "The folder holds \"TotalData.csv\", \"TotalData.txt.txt\" and \"TANKDATA.TXT\"" +
             mustBe},
        {"many names are counted",
         clean,
         missing,
         {"TankData.1", "TankData.2", "TankData.3", "TankData.4", "TankData.5"},
         "/home/ana/data/TotalData.txt: 20 data lines read.\n"
         "/home/ana/data/TankData.txt: not found; no vehicle types. The folder holds "
         "\"TankData.1\", \"TankData.2\", \"TankData.3\" and 2 more" +
             mustBe},
        {"a line break in a name is shown, not written",
         clean,
         missing,
         {QStringLiteral("TankData.txt\n")},
         "/home/ana/data/TotalData.txt: 20 data lines read.\n"
         "/home/ana/data/TankData.txt: not found; no vehicle types. The folder holds "
         "\"TankData.txt\u240A\"" +
             mustBe},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Armalyx::DataStatusText::StatusText(kDirectory, c.Total, c.Tank, c.Folder),
                  c.Expected);
    }
}

TEST(DataStatusText, AnUnknownWorkingDirectoryIsCalledSo) {
    const TReadReport missing;
    EXPECT_TRUE(Armalyx::DataStatusText::StatusText(QString(), missing, missing)
                    .startsWith(QStringLiteral("No data files found in the working directory.")));
    EXPECT_EQ(Armalyx::DataStatusText::DataFilePath(QString(), Production1::kTankDataFileName),
              QStringLiteral("TankData.txt"));
}

class TDataStatusLine : public TForm1Fixture {
protected:
    QString StatusLine() { return Driver().Label8->text(); }
    QString FilePath(const char* name) { return QDir(DataDirectory()).filePath(name); }
};

TEST_F(TDataStatusLine, SampleDataGivesOneShortLineBelowTheFigures) {
    CopySampleData();
    ShowAndActivate();
    const QString status = StatusLine();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Read TotalData.txt ("))) << status.toStdString();
    EXPECT_FALSE(status.contains(QLatin1Char('\n')));
    EXPECT_TRUE(status.endsWith(QDir::toNativeSeparators(DataDirectory()) + QLatin1Char('.')));
    // It lies in the free area below the figures and beside the table, in the window's font.
    const QLabel& label = *Driver().Label8;
    EXPECT_EQ(label.parentWidget(), Driver().Tabsheet1);
    EXPECT_GE(label.y(), Driver().Edit3->geometry().bottom());
    EXPECT_GT(label.x(), Driver().StringGrid1->geometry().right());
    EXPECT_LE(label.geometry().bottom(), Driver().StringGrid1->geometry().bottom());
    EXPECT_EQ(label.font(), Form().font());
    EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);
}

TEST_F(TDataStatusLine, IllFormedLinesAreCountedForTheReport) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    ASSERT_TRUE(WriteFileBytes(FilePath("TankData.txt").toStdString(),
                               "Name,Year,\r\n"
                               "T-34,1942,1,2,3,4,5,6,7,8,9,10,11,12,\r\n"
                               "short,1942,\r\n"
                               "no comma in this line at all\r\n"
                               "KV-1,1939,1,2,3,4,5,6,7,8,9,10,11,12,\r\n"
                               "T-60,1950,1,2,3,4,5,6,7,8,9,10,11,12,\r\n"));
    ShowAndActivate();
    // The data report gives each line's reason; the status line counts them.
    EXPECT_EQ(StatusLine(), QStringLiteral("%1: 20 data lines read.\n"
                                           "%2: 5 data lines read, 4 ignored.\n"
                                           "4 lines need a look.")
                                .arg(QDir::toNativeSeparators(FilePath("TotalData.txt")),
                                     QDir::toNativeSeparators(FilePath("TankData.txt"))));
}

TEST_F(TDataStatusLine, AMissingFileIsNamedOnceOnStandardError) {
    WriteVehicles(2);
    testing::internal::CaptureStderr();
    ShowAndActivate();
    // A second load with the file still missing says nothing more.
    Driver().FormActivate();
    const std::string written = testing::internal::GetCapturedStderr();
    const std::string expected = Armalyx::DataStatusText::MissingFileMessage(
                                     QDir::toNativeSeparators(FilePath("TotalData.txt")))
                                     .toStdString() +
                                 "\n";
    // Qt may write its own notes there too; the program's line comes once.
    const std::size_t first = written.find(expected);
    ASSERT_NE(first, std::string::npos) << written;
    EXPECT_EQ(written.find(expected, first + 1), std::string::npos) << written;
    EXPECT_EQ(written.find("TankData.txt"), std::string::npos) << written;
    EXPECT_TRUE(StatusLine().contains(QStringLiteral("TotalData.txt: not found")));
    EXPECT_TRUE(StatusLine().contains(QStringLiteral("TankData.txt: 10 data lines read.")));
}

TEST_F(TDataStatusLine, BothFilesMissingSaysWhereTheProgramLooked) {
    ShowAndActivate();
    EXPECT_TRUE(StatusLine().startsWith(QStringLiteral("No data files found in %1.")
                                            .arg(QDir::toNativeSeparators(DataDirectory()))));
}

TEST_F(TDataStatusLine, AMissingFileIsShownUnderTheNameItWasSavedAs) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    WriteDataFile("tankdata.txt", SteadyVehicle("T-34", 5));
    ShowAndActivate();
    EXPECT_TRUE(StatusLine().contains(
        QStringLiteral("TankData.txt: not found; no vehicle types. The folder holds "
                       "\"tankdata.txt\", but the names must be exactly \"TotalData.txt\" and "
                       "\"TankData.txt\".")))
        << StatusLine().toStdString();
}
