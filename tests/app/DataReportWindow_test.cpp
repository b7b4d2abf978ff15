// The data report: the rows made of the two files' accounts, the line under the table, the Copy
// text, and the window that lists them, sorts them and copies them.
#include "DataReportText.h"
#include "ReportPairCase.h"
#include "TDataReportWindow.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <initializer_list>
#include <string>

namespace {

using Armalyx::DataReportText::TRow;
using Production1::TLineProblem;
using Production1::TReadReport;

TReadReport Report(std::initializer_list<TLineProblem> problems) {
    TReadReport report;
    report.SetFound();
    for (const TLineProblem& problem : problems) {
        report.AddProblem(problem);
    }
    return report;
}

// A report of count lines, each ignored for the same reason.
TReadReport ManyLines(std::int64_t count) {
    TReadReport report;
    for (std::int64_t line = 2; line < count + 2; ++line) {
        report.AddProblem({line, true, "ignored: too short", "x", false});
    }
    return report;
}

const TReadReport kTotal = Report({
    {10, true, "ignored: unknown fleet name \"Losses\" (did you mean \"Loss\"?)", "Losses,1942,",
     false},
    {2, false, "stored with a doubt: fewer than 12 monthly values", "Total,1941,1,2,", false},
});
const TReadReport kTank = Report({
    {100, true, "ignored: year 1950 outside 1941 .. 1945", "T-60,1950,\t1,", false},
    {10, false,
     "stored with a doubt: quotation marks, which separate values (\"1,250\" reads as "
     "two values)",
     "KV-1,1942,\"1,250\"", true},
    {3, true, "ignored: \xE2\x80\x9Cno comma\xE2\x80\x9D\tafter the name", "T-34 1942", false},
});

} // namespace

TEST(DataReportText, RowsListTheFleetFileFirstThenTheVehicleFileEachInLineOrder) {
    const std::vector<TRow> rows = Armalyx::DataReportText::Rows(kTotal, kTank);
    struct TExpected {
        int FileOrder;
        const char* File;
        std::int64_t Line;
        const char* Reason;
        const char* Text;
    };
    const TExpected expected[] = {
        {0, "TotalData.txt", 2, "stored with a doubt: fewer than 12 monthly values",
         "Total,1941,1,2,"},
        {0, "TotalData.txt", 10, "ignored: unknown fleet name \"Losses\" (did you mean \"Loss\"?)",
         "Losses,1942,"},
        {1, "TankData.txt", 3, "ignored: \u201Cno comma\u201D\u2409after the name", "T-34 1942"},
        {1, "TankData.txt", 10,
         "stored with a doubt: quotation marks, which separate values (\"1,250\" reads as two "
         "values)",
         "KV-1,1942,\"1,250\"\u2026"},
        {1, "TankData.txt", 100, "ignored: year 1950 outside 1941 .. 1945", "T-60,1950,\u24091,"},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].FileOrder, expected[i].FileOrder);
        EXPECT_EQ(rows[i].File, QString::fromUtf8(expected[i].File));
        EXPECT_EQ(rows[i].Line, expected[i].Line);
        EXPECT_EQ(rows[i].Reason, QString::fromUtf8(expected[i].Reason));
        EXPECT_EQ(rows[i].Text, QString::fromUtf8(expected[i].Text));
    }
    EXPECT_EQ(Armalyx::DataReportText::ReportedLines(kTotal, kTank), 5);
}

TEST(DataReportText, NoteSaysWhatIsNotListedOrThatThereIsNothing) {
    const TReadReport none;
    const TReadReport full = ManyLines(TReadReport::kKeptProblems);
    const TReadReport oneOver = ManyLines(TReadReport::kKeptProblems + 1);
    const TReadReport threeOver = ManyLines(TReadReport::kKeptProblems + 3);
    ExpectReportPairTexts(
        {
            {"nothing reported", none, none, "Every data line was stored as written."},
            {"every reported line listed", kTotal, full, QString()},
            {"one line past the list", oneOver, kTank,
             "1 more line was reported but not listed: the list keeps the first 10000 of each "
             "file."},
            {"both files past the list", oneOver, threeOver,
             "4 more lines were reported but not listed: the list keeps the first 10000 of each "
             "file."},
        },
        [](const auto& total, const auto& tank) {
            return Armalyx::DataReportText::NoteText(total, tank);
        });
    EXPECT_EQ(Armalyx::DataReportText::Rows(oneOver, threeOver).size(),
              2 * TReadReport::kKeptProblems);
    EXPECT_EQ(Armalyx::DataReportText::ReportedLines(oneOver, threeOver),
              static_cast<std::int64_t>(2 * TReadReport::kKeptProblems + 4));
}

TEST(DataReportText, CopyTextIsTabSeparatedUnderTheColumnTitles) {
    const std::vector<TRow> rows = Armalyx::DataReportText::Rows(kTotal, kTank);
    EXPECT_EQ(Armalyx::DataReportText::CopyText({rows[2], rows[1]}),
              QString::fromUtf8("File\tLine\tReason\tLine as written\n"
                                "TankData.txt\t3\tignored: \u201Cno comma\u201D\u2409after the "
                                "name\tT-34 1942\n"
                                "TotalData.txt\t10\tignored: unknown fleet name \"Losses\" (did "
                                "you mean \"Loss\"?)\tLosses,1942,\n"));
    EXPECT_EQ(Armalyx::DataReportText::CopyText({}),
              QStringLiteral("File\tLine\tReason\tLine as written\n"));
}

namespace {

class TDataReportWindowTest : public ::testing::Test {
protected:
    void SetUp() override { m_window.Refresh(kTotal, kTank); }

    // The texts of a column in the order shown.
    QStringList Shown(Armalyx::DataReportText::TColumn column) const {
        const QAbstractItemModel& model = *m_window.Table->model();
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row) {
            texts.push_back(model.index(row, static_cast<int>(column)).data().toString());
        }
        return texts;
    }

    // File and line of each row shown, as "Total:10".
    QStringList ShownLines() const {
        const QStringList files = Shown(Armalyx::DataReportText::TColumn::File);
        const QStringList lines = Shown(Armalyx::DataReportText::TColumn::Line);
        QStringList shown;
        for (qsizetype i = 0; i < files.size(); ++i) {
            shown.push_back(files[i].left(files[i].indexOf(QLatin1String("Data"))) + ":" +
                            lines[i]);
        }
        return shown;
    }

    void ClickTitle(Armalyx::DataReportText::TColumn column) {
        QHeaderView& header = *m_window.Table->horizontalHeader();
        const int section = static_cast<int>(column);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(section) + 5, header.height() / 2));
    }

    void SelectShownRows(std::initializer_list<int> rows) {
        QItemSelectionModel& selection = *m_window.Table->selectionModel();
        for (const int row : rows) {
            selection.select(m_window.Table->model()->index(row, 0),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    TDataReportWindow m_window;
};

} // namespace

TEST_F(TDataReportWindowTest, ListsTheFilesAsReadAndSortsByAnyColumn) {
    using Armalyx::DataReportText::TColumn;
    EXPECT_EQ(m_window.windowTitle(), QStringLiteral("Data report"));
    EXPECT_FALSE(m_window.isModal());
    EXPECT_EQ(ShownLines(), (QStringList{"Total:2", "Total:10", "Tank:3", "Tank:10", "Tank:100"}));
    struct TCase {
        const char* Name;
        TColumn Column;
        QStringList Expected;
    };
    // Equal cells come in the order as read; a second click on the same title turns the whole
    // order round.
    const TCase clicks[] = {
        {"line numbers as numbers",
         TColumn::Line,
         {"Total:2", "Tank:3", "Total:10", "Tank:10", "Tank:100"}},
        {"line numbers downwards",
         TColumn::Line,
         {"Tank:100", "Tank:10", "Total:10", "Tank:3", "Total:2"}},
        {"reasons, a new column upwards first",
         TColumn::Reason,
         {"Total:10", "Tank:100", "Tank:3", "Total:2", "Tank:10"}},
        {"the file as read, not by name",
         TColumn::File,
         {"Total:2", "Total:10", "Tank:3", "Tank:10", "Tank:100"}},
        {"the fleet file last",
         TColumn::File,
         {"Tank:100", "Tank:10", "Tank:3", "Total:10", "Total:2"}},
        {"lines as written",
         TColumn::Text,
         {"Tank:10", "Total:10", "Tank:3", "Tank:100", "Total:2"}},
    };
    for (const TCase& c : clicks) {
        SCOPED_TRACE(c.Name);
        ClickTitle(c.Column);
        EXPECT_EQ(ShownLines(), c.Expected);
    }
}

TEST_F(TDataReportWindowTest, CopyTakesTheSelectedRowsInTheOrderShownOrElseAll) {
    const std::vector<TRow> rows = Armalyx::DataReportText::Rows(kTotal, kTank);
    EXPECT_EQ(m_window.SelectedRowsText(), Armalyx::DataReportText::CopyText(rows));
    SelectShownRows({4, 1});
    EXPECT_EQ(m_window.SelectedRowsText(), Armalyx::DataReportText::CopyText({rows[1], rows[4]}));
    // The selection stays with its rows when they are sorted anew.
    ClickTitle(Armalyx::DataReportText::TColumn::Line);
    ClickTitle(Armalyx::DataReportText::TColumn::Line);
    const QString selected = Armalyx::DataReportText::CopyText({rows[4], rows[1]});
    EXPECT_EQ(m_window.SelectedRowsText(), selected);

    QGuiApplication::clipboard()->clear();
    m_window.CopyButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), selected);
    QGuiApplication::clipboard()->clear();
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    m_window.Table->setFocus();
    QTest::keyClick(m_window.Table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), selected);
}

TEST_F(TDataReportWindowTest, TheLineUnderTheTableFollowsEachRefresh) {
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    EXPECT_TRUE(m_window.Note->isHidden());
    ClickTitle(Armalyx::DataReportText::TColumn::Line);
    const TReadReport none;
    m_window.Refresh(none, none);
    EXPECT_EQ(m_window.Table->model()->rowCount(), 0);
    EXPECT_TRUE(m_window.Note->isVisible());
    EXPECT_EQ(m_window.Note->text(), QStringLiteral("Every data line was stored as written."));
    // A refresh keeps the order the reader chose.
    m_window.Refresh(kTotal, kTank);
    EXPECT_TRUE(m_window.Note->isHidden());
    EXPECT_EQ(ShownLines(), (QStringList{"Total:2", "Tank:3", "Total:10", "Tank:10", "Tank:100"}));
}

TEST_F(TDataReportWindowTest, EscapeAndCloseCloseTheWindow) {
    for (const char* how : {"Escape", "Close"}) {
        SCOPED_TRACE(how);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        if (std::string(how) == "Escape") {
            QTest::keyClick(m_window.Table, Qt::Key_Escape);
        } else {
            m_window.CloseButton->click();
        }
        EXPECT_FALSE(m_window.isVisible());
    }
}
