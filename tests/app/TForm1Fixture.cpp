#include "TForm1Fixture.h"

#include "TStringGrid.h"
#include "TestFiles.h"

#include <Production1.h>
#include <TChartSeries.h>

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

using namespace Armalyx;

std::array<int, 12> EveryMonth(int value) {
    std::array<int, 12> months{};
    months.fill(value);
    return months;
}

std::vector<TDataLine> FleetLines(int total, int losses, int production, int lendLease) {
    std::vector<TDataLine> lines;
    for (int year = 1941; year <= 1945; ++year) {
        lines.push_back({"Total", year, EveryMonth(total)});
        lines.push_back({"Loss", year, EveryMonth(losses)});
        lines.push_back({"New", year, EveryMonth(production)});
        lines.push_back({"Lend Lease", year, EveryMonth(lendLease)});
    }
    return lines;
}

std::vector<TDataLine> SteadyVehicle(const std::string& name, int monthly) {
    std::vector<TDataLine> lines;
    for (int year = 1941; year <= 1945; ++year) {
        lines.push_back({name, year, EveryMonth(monthly)});
    }
    return lines;
}

QString PlainText(const QAction& action) {
    return QString(action.text()).remove(QLatin1Char('&'));
}

std::vector<std::pair<double, double>> PointsOf(const TChartSeries& series) {
    std::vector<std::pair<double, double>> points;
    points.reserve(static_cast<std::size_t>(std::max(series.PointCount(), 0)));
    for (std::int32_t i = 0; i < series.PointCount(); ++i) {
        points.emplace_back(series.XValueAt(i), series.YValueAt(i));
    }
    return points;
}

void TForm1Fixture::SetUp() {
    ASSERT_FALSE(m_dataDirectory.Path().empty());
    Production1::InitializeStore();
}

void TForm1Fixture::TearDown() {
    m_driver.reset();
    m_form.reset();
    Production1::InitializeStore();
}

std::string TForm1Fixture::DataFileBytes(const std::vector<TDataLine>& lines) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const TDataLine& line : lines) {
        texts.push_back(DataLine(line.Name, line.Year,
                                 std::vector<long long>(line.Months.begin(), line.Months.end())));
    }
    return DataFileText(texts);
}

void TForm1Fixture::WriteDataFile(const char* fileName, const std::vector<TDataLine>& lines) {
    ASSERT_TRUE(WriteFileBytes(m_dataDirectory.Path() / fileName, DataFileBytes(lines)));
}

void TForm1Fixture::WriteTotalData(const std::vector<TDataLine>& lines) {
    WriteDataFile("TotalData.txt", lines);
}

void TForm1Fixture::WriteTankData(const std::vector<TDataLine>& lines) {
    WriteDataFile("TankData.txt", lines);
}

void TForm1Fixture::WriteVehicles(int count) {
    std::vector<TDataLine> lines;
    for (int vehicle = 1; vehicle <= count; ++vehicle) {
        const auto vehicleLines =
            SteadyVehicle(std::string("v").append(std::to_string(vehicle)), vehicle);
        lines.insert(lines.end(), vehicleLines.begin(), vehicleLines.end());
    }
    WriteTankData(lines);
}

void TForm1Fixture::CopySampleData() {
    for (const char* name : {"TotalData.txt", "TankData.txt"}) {
        const QString source = QStringLiteral(ARMALYX_SOURCE_DIR "/data/") + name;
        EXPECT_TRUE(QFile::copy(source, DataDirectory() + "/" + name)) << name;
    }
}

TForm1& TForm1Fixture::Form() {
    if (!m_form) {
        m_form = std::make_unique<TForm1>(DataDirectory());
        m_driver = std::make_unique<TForm1Driver>(*m_form);
    }
    return *m_form;
}

void TForm1Fixture::AdoptForm(std::unique_ptr<TForm1> form) {
    m_driver.reset();
    m_form = std::move(form);
    m_driver = std::make_unique<TForm1Driver>(*m_form);
}

TForm1Driver& TForm1Fixture::Driver() {
    Form();
    return *m_driver;
}

void TForm1Fixture::ShowAndActivate() {
    Form().show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form().Activated(); }));
}

void TForm1Fixture::PickSampleChart() {
    CopySampleData();
    ShowAndActivate();
    ClickRow(3);
    ClickRow(7);
    ASSERT_TRUE(Errors().empty());
}

void TForm1Fixture::ShowTwoVehicles() {
    ShowVehicles(2);
}

void TForm1Fixture::ShowVehicles(int count) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    WriteVehicles(count);
    ShowAndActivate();
}

void TForm1Fixture::ClickRow(int row, int column) {
    TStringGrid& grid = *Driver().StringGrid1;
    Driver().PageControl1->setCurrentIndex(0);
    if (row == 0) {
        const int x = grid.horizontalHeader()->sectionViewportPosition(column) + 5;
        QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(x, grid.horizontalHeader()->height() / 2));
        return;
    }
    const QModelIndex index = grid.model()->index(row - 1, column);
    grid.scrollTo(index);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
}

namespace {
// The window position of the centre of a table cell, scrolled into view.
QPoint CellInWindow(TForm1Driver& form, int row) {
    TStringGrid& grid = *form.StringGrid1;
    form.PageControl1->setCurrentIndex(0);
    const QModelIndex index = grid.model()->index(row - 1, 0);
    grid.scrollTo(index);
    return grid.viewport()->mapTo(&form.Window, grid.visualRect(index).center());
}
} // namespace

void TForm1Fixture::ClickRowWith(Qt::MouseButton button, int row, Qt::KeyboardModifiers modifiers) {
    const QPoint position = CellInWindow(Driver(), row);
    QTest::mouseClick(Form().windowHandle(), button, modifiers, position);
}

void TForm1Fixture::DoubleClickRow(int row) {
    const QPoint position = CellInWindow(Driver(), row);
    QTest::mouseDClick(Form().windowHandle(), Qt::LeftButton, {}, position);
}

void TForm1Fixture::PressKey(Qt::Key key) {
    Driver().StringGrid1->setFocus();
    QTest::keyClick(Driver().StringGrid1, key);
}
