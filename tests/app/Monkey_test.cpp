// The real window under a stream of random user events over random data files. Seeded: every
// case prints its seed, and ARMALYX_MONKEY_SEED and ARMALYX_MONKEY_EVENTS (events over all
// cases together) repeat or lengthen a run.

#include "TChartMonthCursor.h"
#include "TForm1Fixture.h"
#include "TMonkey.h"
#include "TMonkeyData.h"
#include "TStringGrid.h"

#include <AvailabilityMaths.h>
#include <Production1.h>
#include <VehicleNameText.h>

#include <TChart.h>
#include <TLineSeries.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>

#include <array>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <sstream>
#include <string>
#include <tuple>

namespace {

constexpr std::uint32_t kDefaultSeed = 20261208;
constexpr int kDefaultEvents = 10000;
constexpr int kMostPointsPerSeries = 53;
constexpr std::size_t kEventsShownOnFailure = 12;
// Each kind of data runs in this many cases with seeds of their own, so that ctest -j2 can
// share the work out evenly.
constexpr int kPartsPerKind = 2;

const std::array<TMonkeyDataKind, 7> kKinds = {
    TMonkeyDataKind::None,         TMonkeyDataKind::Empty,        TMonkeyDataKind::Ordinary,
    TMonkeyDataKind::HugeNumbers,  TMonkeyDataKind::ManyVehicles, TMonkeyDataKind::RandomBytes,
    TMonkeyDataKind::MixedLineEnds};

unsigned long EnvironmentNumber(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    return *end == '\0' ? value : fallback;
}

std::size_t KindPosition(TMonkeyDataKind kind) {
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (kKinds.at(i) == kind) {
            return i;
        }
    }
    return 0;
}

using TMonkeyCase = std::tuple<TMonkeyDataKind, int>;

// Position of a case among all of them, 0 first.
int CasePosition(const TMonkeyCase& monkeyCase) {
    return static_cast<int>(KindPosition(std::get<0>(monkeyCase))) * kPartsPerKind +
           std::get<1>(monkeyCase) - 1;
}

// This case's share of the events: the total split evenly, the first cases taking the rest.
int EventsOfCase(const TMonkeyCase& monkeyCase) {
    const auto total = static_cast<int>(EnvironmentNumber("ARMALYX_MONKEY_EVENTS", kDefaultEvents));
    const auto cases = static_cast<int>(kKinds.size()) * kPartsPerKind;
    return total / cases + (CasePosition(monkeyCase) < total % cases ? 1 : 0);
}

std::string CaseName(const TMonkeyCase& monkeyCase) {
    return MonkeyDataKindName(std::get<0>(monkeyCase)) + "_" +
           std::to_string(std::get<1>(monkeyCase));
}

class TMonkeyTest : public TForm1Fixture, public ::testing::WithParamInterface<TMonkeyCase> {
protected:
    std::uint32_t BaseSeed() const {
        return static_cast<std::uint32_t>(EnvironmentNumber("ARMALYX_MONKEY_SEED", kDefaultSeed));
    }
    std::uint32_t CaseSeed() const {
        return BaseSeed() + static_cast<std::uint32_t>(CasePosition(GetParam())) * 1000003U;
    }

    // What the window shows that must hold after every event; empty when all holds.
    std::string Violations(const TMonkey& monkey) {
        std::ostringstream out;
        TForm1Driver& form = Driver();
        const QStringList edits = {form.Edit1->text(), form.Edit2->text(), form.Edit3->text()};
        if (edits != monkey.ExpectedEdits()) {
            out << "edit boxes show " << edits.join(' ').toStdString() << ", the store sums to "
                << monkey.ExpectedEdits().join(' ').toStdString() << "; ";
        }
        for (const TChartSeries* series :
             {form.Series1, form.Series2, form.Series3, form.Series4, form.Series5, form.Series6,
              form.Series7, form.Series8}) {
            if (series->PointCount() > kMostPointsPerSeries) {
                out << series->Title().toStdString() << " holds " << series->PointCount()
                    << " points; ";
            }
        }
        out << CursorViolations(form);
        out << TableViolations(form);
        // A chart without area is never asked to paint.
        const bool painted =
            form.Chart1->size().isEmpty() || form.Chart1->grab().size() == form.Chart1->size();
        if (!painted) {
            out << "the chart's paint gave no frame of its size; ";
        }
        return out.str();
    }

    // The table holds the data read last: its vehicles, the "Lend Lease" row and nothing below.
    static std::string TableViolations(TForm1Driver& form) {
        std::ostringstream out;
        const auto& store = Production1::Store();
        const TStringGrid& grid = *form.StringGrid1;
        const int lendLeaseRow = store.VehicleCount + 1;
        for (int row = 1; row < grid.RowCount(); ++row) {
            QString name;
            QString total;
            if (row < lendLeaseRow) {
                name = Armalyx::VehicleNameText(store.VehicleNames[row]);
                total = Armalyx::AvailabilityMaths::PlainInteger(store.VehicleTotals[row]);
            } else if (row == lendLeaseRow) {
                name = QStringLiteral("Lend Lease");
                total = grid.Cells(1, row);
            }
            if (grid.Cells(0, row) != name || grid.Cells(1, row) != total) {
                out << "table row " << row << " shows " << grid.Cells(0, row).toStdString() << " "
                    << grid.Cells(1, row).toStdString() << ", the store holds "
                    << name.toStdString() << " " << total.toStdString() << "; ";
                break;
            }
        }
        return out.str();
    }

    // The month cursor stands within the curves' months, and a screen reader reads the same
    // read-out, summary and table the window shows.
    static std::string CursorViolations(TForm1Driver& form) {
        std::ostringstream out;
        const auto* cursor = form.Chart1->findChild<TChartMonthCursor*>();
        const auto month = cursor->Month();
        const auto months = cursor->CurveMonths();
        if (month && (!months || *month < months->first || *month > months->second)) {
            out << "the month cursor stands on month " << *month << " outside the curves; ";
        }
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(form.Chart1);
        if (chart->textInterface()->text(0, -1) != cursor->ReadOut()) {
            out << "the chart's accessible text is not the cursor's read-out; ";
        }
        if (chart->tableInterface()->summary()->text(QAccessible::Name) != form.ChartSummary()) {
            out << "the chart's accessible summary is not its summary; ";
        }
        const auto rows = form.ChartDataRows(QLocale());
        if (chart->tableInterface()->rowCount() != static_cast<int>(rows.size()) - 1) {
            out << "the chart's table has " << chart->tableInterface()->rowCount()
                << " rows, Copy data " << rows.size() - 1 << "; ";
        }
        return out.str();
    }

    std::deque<std::string> m_recent;
};

std::string Recent(const std::deque<std::string>& events) {
    std::string text;
    for (const std::string& event : events) {
        text += "\n    " + event;
    }
    return text;
}

} // namespace

TEST_P(TMonkeyTest, RandomEventsKeepFiguresSeriesAndPaintSound) {
    const std::uint32_t seed = CaseSeed();
    const std::string reproduce = "seed " + std::to_string(seed) +
                                  " (ARMALYX_MONKEY_SEED=" + std::to_string(BaseSeed()) +
                                  ", case " + CaseName(GetParam()) + ")";
    std::cout << "monkey " << reproduce << ", " << EventsOfCase(GetParam()) << " events\n";
    std::mt19937 dataRandom(seed);
    WriteMonkeyData(std::get<0>(GetParam()), DataDirectory(), dataRandom);
    ShowAndActivate();
    TMonkey monkey(Form(), seed);
    const int events = EventsOfCase(GetParam());
    for (int event = 1; event <= events; ++event) {
        const std::size_t reportsBefore = Errors().size();
        std::string description;
        try {
            description = monkey.Step();
            QCoreApplication::processEvents();
        } catch (const std::exception& error) {
            FAIL() << "an exception escaped: " << error.what() << " at event " << event << ", "
                   << reproduce << Recent(m_recent);
        } catch (...) {
            FAIL() << "an exception escaped at event " << event << ", " << reproduce
                   << Recent(m_recent);
        }
        m_recent.push_back(std::to_string(event) + ": " + description);
        for (std::size_t i = reportsBefore; i < Errors().size(); ++i) {
            m_recent.back() += " [error box: " + Errors().at(i).Text.toStdString() + "]";
        }
        if (m_recent.size() > kEventsShownOnFailure) {
            m_recent.pop_front();
        }
        const std::string violations = Violations(monkey);
        ASSERT_TRUE(violations.empty())
            << violations << "at event " << event << ", " << reproduce << Recent(m_recent);
    }
    std::cout << "monkey: " << monkey.FigureClicks() << " row clicks checked, last figures "
              << monkey.ExpectedEdits().join(' ').toStdString() << ", " << Errors().size()
              << " error reports\n";
}

INSTANTIATE_TEST_SUITE_P(DataFiles, TMonkeyTest,
                         ::testing::Combine(::testing::ValuesIn(kKinds),
                                            ::testing::Range(1, kPartsPerKind + 1)),
                         [](const ::testing::TestParamInfo<TMonkeyCase>& info) {
                             return CaseName(info.param);
                         });
