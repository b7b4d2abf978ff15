#pragma once
// Shared set-up of the window tests: a temporary data directory with data files written by the
// test, a fresh production store, one window on the off-screen display, and the error reports
// captured instead of shown.

#include "TErrorCapture.h"
#include "TForm1.h"
#include "TForm1Driver.h"
#include "TTempDirectory.h"

#include <gtest/gtest.h>

#include <QString>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class TChartSeries;

// One line of a data file: a name, a year and its twelve monthly values.
struct TDataLine {
    std::string Name;
    int Year = 1941;
    std::array<int, 12> Months{};
};

// The same value in each of a year's twelve months.
std::array<int, 12> EveryMonth(int value);
// Fleet rows for all five years with constant monthly values.
std::vector<TDataLine> FleetLines(int total, int losses, int production, int lendLease);
// A vehicle with the same production in every month of every year.
std::vector<TDataLine> SteadyVehicle(const std::string& name, int monthly);
// The text of a menu entry without its access-key marks ("&Copy" reads "Copy").
QString PlainText(const QAction& action);
// The points of a series as (x, y) pairs.
std::vector<std::pair<double, double>> PointsOf(const TChartSeries& series);

class TForm1Fixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The bytes of a data file: its header line, then the lines, with CR LF line ends.
    static std::string DataFileBytes(const std::vector<TDataLine>& lines);
    // Writes a data file (with its header line and CR LF line ends) into the data directory.
    void WriteDataFile(const char* fileName, const std::vector<TDataLine>& lines);
    void WriteTotalData(const std::vector<TDataLine>& lines);
    void WriteTankData(const std::vector<TDataLine>& lines);
    // Copies the sample data files shipped with the program into the data directory.
    void CopySampleData();
    // A data set of the given number of vehicles v1, v2, .. with production 1, 2, .. per month.
    void WriteVehicles(int count);

    // The window, created on first use over the data directory, and its controls and commands.
    TForm1& Form();
    // A window the test made itself, as the program's start makes it, in place of that one.
    void AdoptForm(std::unique_ptr<TForm1> form);
    TForm1Driver& Driver();
    // Shows the window and waits for its first activation, as the program does.
    void ShowAndActivate();
    // The sample data, the window activated and the rows of T-50 and T-34 picked: the chart of the
    // README's pictures.
    void PickSampleChart();
    // The usual start: steady fleet rows, vehicles v1 and v2, the window shown and activated.
    void ShowTwoVehicles();
    // The same with vehicles v1 .. v<count>.
    void ShowVehicles(int count);
    // A click with the mouse on a table cell (row 0 is the header row).
    void ClickRow(int row, int column = 0);
    // A press and release of the given button, or a double-click with the left one, on a table
    // cell, sent through the window as the windowing system sends them.
    void ClickRowWith(Qt::MouseButton button, int row, Qt::KeyboardModifiers modifiers = {});
    void DoubleClickRow(int row);
    void PressKey(Qt::Key key);
    const std::vector<TErrorCapture::TReport>& Errors() const { return m_errors.Reports(); }
    QString DataDirectory() const {
        return QString::fromStdString(m_dataDirectory.Path().string());
    }

private:
    Armalyx::TTempDirectory m_dataDirectory;
    TErrorCapture m_errors;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TForm1Driver> m_driver;
};
