// The study's rules without a window: which pair a pick fills, what a header click clears, when
// the figures are computed, and what a reload keeps when the vehicles are reordered, renamed,
// removed and brought back.
#include "TAvailabilityStudy.h"

#include "AvailabilityMaths.h"

#include "TTempDirectory.h"
#include "TestFiles.h"

#include <Production1.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Armalyx::TAvailabilityStudy;
using Armalyx::StudyCurves::TPairKind;

// The folder follower needs an application's event loop to exist.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "armalyx_app_core_tests";
    static char* argv[] = {name, nullptr};
    static const QCoreApplication application(argc, argv);
}

using TVehicles = std::vector<std::pair<std::string, int>>;

std::string TankData(const TVehicles& vehicles) {
    std::vector<std::string> lines;
    for (const auto& [name, monthly] : vehicles) {
        for (int year = 1941; year <= 1945; ++year) {
            lines.push_back(Armalyx::DataLine(name, year, std::vector<long long>(12, monthly)));
        }
    }
    return Armalyx::DataFileText(lines);
}

std::string TotalData() {
    std::vector<std::string> lines;
    for (int year = 1941; year <= 1945; ++year) {
        for (const auto& [name, value] : {std::pair<const char*, long long>{"Total", 1000},
                                          {"Loss", 10},
                                          {"New", 20},
                                          {"Lend Lease", 5}}) {
            lines.push_back(Armalyx::DataLine(name, year, std::vector<long long>(12, value)));
        }
    }
    return Armalyx::DataFileText(lines);
}

// What the two pairs show: a vehicle's name, "Lend Lease", or "" for an empty pair.
std::pair<QString, QString> Pairs(const TAvailabilityStudy& study) {
    const auto title = [&study](int pair) {
        const auto curves = study.PairCurves(pair);
        return curves.Kind == TPairKind::Empty ? QString() : curves.Title;
    };
    return {title(0), title(1)};
}

class TAvailabilityStudyTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        m_folder.WriteFile("TotalData.txt", TotalData());
        Restart();
    }
    void TearDown() override {
        m_study.reset();
        Production1::InitializeStore();
    }

    // A new study of Alpha, Bravo and Charlie, as a new window starts one.
    void Restart() {
        m_study.reset();
        Production1::InitializeStore();
        WriteVehicles({{"Alpha", 1}, {"Bravo", 2}, {"Charlie", 3}});
        m_study =
            std::make_unique<TAvailabilityStudy>(QString::fromStdString(m_folder.Path().string()));
        m_study->SetScreenReader([this] {
            return TAvailabilityStudy::TScreenWork{m_currentRow, {}, 0};
        });
        QObject::connect(m_study.get(), &TAvailabilityStudy::CurrentRowChanged,
                         [this](int row) { m_currentRow = row; });
        m_currentRow = 1;
        m_study->Open();
    }

    void WriteVehicles(const TVehicles& vehicles) {
        m_folder.WriteFile("TankData.txt", TankData(vehicles));
    }
    // A click on a row, which also makes it the table's current row.
    void Pick(int row) {
        m_currentRow = row;
        m_study->PickRow(row);
    }
    TAvailabilityStudy& Study() { return *m_study; }

    Armalyx::TTempDirectory m_folder;
    std::unique_ptr<TAvailabilityStudy> m_study;
    int m_currentRow = 1;
};

constexpr int kLendLeaseRow = 4; // below the three vehicles

} // namespace

TEST_F(TAvailabilityStudyTest, PicksFillThePairsInTurn) {
    const struct {
        const char* Name;
        std::vector<int> Rows;
        QString FirstPair;
        QString SecondPair;
        int CompareSlot;
        bool LendLeaseSelected;
        std::int64_t Figure;
    } cases[] = {
        {"nothing picked", {}, "", "", 0, false, 0},
        {"one vehicle", {1}, "Alpha", "", 1, false, 60},
        {"two vehicles", {1, 2}, "Alpha", "Bravo", 0, false, 120},
        {"the third replaces the first", {1, 2, 3}, "Charlie", "Bravo", 1, false, 180},
        {"lend-lease takes the first pair", {kLendLeaseRow}, "Lend Lease", "", 0, true, 300},
        {"lend-lease does not take a turn", {1, kLendLeaseRow}, "Lend Lease", "", 1, true, 300},
        {"a vehicle beside lend-lease",
         {1, kLendLeaseRow, 2},
         "Lend Lease",
         "Bravo",
         0,
         false,
         120},
        {"a vehicle in lend-lease's place", {kLendLeaseRow, 1}, "Alpha", "", 1, false, 60},
        {"the header clears the lend-lease pick",
         {kLendLeaseRow, 0},
         "Lend Lease",
         "",
         0,
         false,
         300},
        {"the header keeps the curves", {1, 2, 0}, "Alpha", "Bravo", 0, false, 120},
        {"an empty row picks nothing", {1, 9}, "Alpha", "", 1, false, 60},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        Restart();
        for (const int row : test.Rows) {
            Pick(row);
        }
        EXPECT_EQ(Pairs(Study()), std::make_pair(test.FirstPair, test.SecondPair));
        EXPECT_EQ(Production1::Store().CompareSlot, test.CompareSlot);
        EXPECT_EQ(Production1::Store().LendLeaseSelected, test.LendLeaseSelected);
        EXPECT_EQ(Study().Figures().Vehicle, test.Figure);
    }
}

TEST_F(TAvailabilityStudyTest, ChoicesDimTheFiguresUntilTheNextPick) {
    Pick(2);
    QSignalSpy figures(&Study(), &TAvailabilityStudy::FiguresChanged);
    QSignalSpy choices(&Study(), &TAvailabilityStudy::SpanChoicesChanged);
    Study().ChooseEndYear(3);
    EXPECT_TRUE(Study().FiguresOutOfDate());
    EXPECT_EQ(Study().Figures().Vehicle, 120);
    Study().ChooseEndYear(4);
    EXPECT_FALSE(Study().FiguresOutOfDate());
    Study().ChooseEndYear(3);
    Pick(2);
    EXPECT_FALSE(Study().FiguresOutOfDate());
    EXPECT_EQ(Study().Figures().Vehicle, 96); // 1941 to 1944
    EXPECT_EQ(choices.count(), 3);
    EXPECT_EQ(figures.count(), 1);
}

TEST_F(TAvailabilityStudyTest, AReloadKeepsThePicksByName) {
    const struct {
        const char* Name;
        TVehicles Vehicles;
        QString FirstPair;
        QString SecondPair;
        int CurrentRow; // 0: no row is current any more
        std::int64_t Figure;
        QStringList Lost;
    } cases[] = {
        {"kept, in another order",
         {{"Charlie", 4}, {"Alpha", 1}, {"Bravo", 2}},
         "Charlie",
         "Bravo",
         1,
         240,
         {}},
        {"one renamed",
         {{"Alpha", 1}, {"Bravo", 2}, {"Charles", 3}},
         "",
         "Bravo",
         0,
         0,
         {"Charlie"}},
        {"one removed", {{"Alpha", 1}, {"Charlie", 3}}, "Charlie", "", 2, 180, {"Bravo"}},
        {"all gone", {{"Delta", 5}}, "", "", 0, 0, {"Charlie", "Bravo"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        Restart();
        for (const int row : {1, 2, 3}) {
            Pick(row);
        }
        QSignalSpy readAgain(&Study(), &TAvailabilityStudy::ReadAgain);
        WriteVehicles(test.Vehicles);
        Study().ReloadKeepingWork(QStringLiteral("test"));
        EXPECT_EQ(Pairs(Study()), std::make_pair(test.FirstPair, test.SecondPair));
        EXPECT_EQ(m_currentRow, test.CurrentRow);
        EXPECT_EQ(Study().Figures().Vehicle, test.Figure);
        ASSERT_EQ(readAgain.count(), 1);
        EXPECT_EQ(readAgain.at(0).at(1).toStringList(), test.Lost);
        // The turn is kept: the next pick goes into the second pair.
        EXPECT_EQ(Production1::Store().CompareSlot, 1);
    }
}

TEST_F(TAvailabilityStudyTest, PicksThatAreGoneComeBackWithTheirVehicles) {
    for (const int row : {1, 2, 3}) {
        Pick(row);
    }
    WriteVehicles({{"Alpha", 1}});
    Study().ReloadKeepingWork(QStringLiteral("gone"));
    ASSERT_EQ(Pairs(Study()), std::make_pair(QString(), QString()));
    // Reading again with them still gone keeps them in mind.
    Study().ReloadKeepingWork(QStringLiteral("still gone"));
    WriteVehicles({{"Bravo", 2}, {"Alpha", 1}, {"Charlie", 3}});
    Study().ReloadKeepingWork(QStringLiteral("back"));
    EXPECT_EQ(Pairs(Study()), std::make_pair(QStringLiteral("Charlie"), QStringLiteral("Bravo")));
    EXPECT_EQ(m_currentRow, 3);
    EXPECT_EQ(Study().Figures().Vehicle, 180);
}

TEST_F(TAvailabilityStudyTest, APickMadeMeanwhileWinsOverAMissedOne) {
    Pick(3);
    WriteVehicles({{"Alpha", 1}, {"Bravo", 2}});
    m_study->ReloadKeepingWork(QStringLiteral("gone"));
    // The turn was kept: Alpha goes into the second pair, and Bravo into Charlie's.
    Pick(1);
    Pick(2);
    WriteVehicles({{"Alpha", 1}, {"Bravo", 2}, {"Charlie", 3}});
    m_study->ReloadKeepingWork(QStringLiteral("back"));
    EXPECT_EQ(Pairs(Study()), std::make_pair(QStringLiteral("Bravo"), QStringLiteral("Alpha")));
    EXPECT_EQ(m_currentRow, 2);
    EXPECT_EQ(Study().Figures().Vehicle, 120);
}

TEST_F(TAvailabilityStudyTest, AnotherFolderStartsFresh) {
    Pick(1);
    Armalyx::TTempDirectory other;
    other.WriteFile("TotalData.txt", TotalData());
    other.WriteFile("TankData.txt", TankData({{"Alpha", 7}}));
    QSignalSpy reset(&Study(), &TAvailabilityStudy::ViewReset);
    Study().OpenFolder(QString::fromStdString(other.Path().string()));
    EXPECT_EQ(Pairs(Study()), std::make_pair(QString(), QString()));
    EXPECT_EQ(Study().Figures().Vehicle, 0);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(Production1::Store().CompareSlot, 0);
}

namespace {

// Alpha, Bravo and Charlie with the fleet as above: their estimates as single picks.
std::vector<double> SingleEstimate(int slot) {
    std::vector<double> values;
    for (const auto& point : Armalyx::StudyCurves::Vehicle(Production1::Store(), slot).Values) {
        values.push_back(point.Value);
    }
    return values;
}

} // namespace

TEST_F(TAvailabilityStudyTest, AGroupSumsItsMembers) {
    enum class TClick { Plain, Ctrl, Shift };
    const struct {
        const char* Name;
        std::vector<std::pair<TClick, int>> Clicks;
        std::vector<int> FirstPair; // the members, in the order they joined
        std::vector<int> SecondPair;
        QString FirstTitle;
        std::int64_t Figure;
        int CompareSlot;
        std::vector<int> GroupRows;
    } cases[] = {
        {"Ctrl+click joins",
         {{TClick::Plain, 1}, {TClick::Ctrl, 3}},
         {1, 3},
         {},
         "Alpha + Charlie",
         240,
         1,
         {1, 3}},
        {"Ctrl+click again leaves",
         {{TClick::Plain, 1}, {TClick::Ctrl, 3}, {TClick::Ctrl, 1}},
         {3},
         {},
         "Charlie",
         180,
         1,
         {}},
        {"Shift+click takes the rows between",
         {{TClick::Plain, 1}, {TClick::Shift, 3}},
         {1, 2, 3},
         {},
         "Alpha + Bravo + Charlie",
         360,
         1,
         {1, 2, 3}},
        {"the group keeps its pair; the next plain pick takes the other",
         {{TClick::Plain, 1}, {TClick::Ctrl, 2}, {TClick::Plain, 3}},
         {1, 2},
         {3},
         "Alpha + Bravo",
         180,
         0,
         {}},
        {"a group grows in the second pair",
         {{TClick::Plain, 1}, {TClick::Plain, 2}, {TClick::Ctrl, 3}},
         {1},
         {2, 3},
         "Alpha",
         300,
         0,
         {2, 3}},
        {"nothing to join: a plain pick", {{TClick::Ctrl, 2}}, {2}, {}, "Bravo", 120, 1, {}},
        {"lend-lease is no group",
         {{TClick::Plain, kLendLeaseRow}, {TClick::Ctrl, 2}},
         {2},
         {},
         "Bravo",
         120,
         1,
         {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        Restart();
        for (const auto& [click, row] : test.Clicks) {
            m_currentRow = row;
            if (click == TClick::Plain) {
                Study().PickRow(row);
            } else if (click == TClick::Ctrl) {
                Study().TogglePickRow(row);
            } else {
                Study().AddRowsToPick(row);
            }
        }
        EXPECT_EQ(Study().PairCurves(0).Title, test.FirstTitle);
        EXPECT_EQ(Study().Figures().Vehicle, test.Figure);
        EXPECT_EQ(Production1::Store().CompareSlot, test.CompareSlot);
        EXPECT_EQ(Study().GroupRows(), test.GroupRows);
        const std::array<std::vector<int>, 2> pairs = {test.FirstPair, test.SecondPair};
        for (int pair = 0; pair < 2; ++pair) {
            std::vector<double> expected(Armalyx::AvailabilityMaths::kLastPlottedMonth, 0.0);
            for (const int member : pairs.at(static_cast<std::size_t>(pair))) {
                const std::vector<double> single = SingleEstimate(member);
                for (std::size_t month = 0; month < expected.size(); ++month) {
                    expected.at(month) += single.at(month);
                }
            }
            std::vector<double> shown;
            for (const auto& point : Study().PairCurves(pair).Values) {
                shown.push_back(point.Value);
            }
            if (pairs.at(static_cast<std::size_t>(pair)).empty()) {
                expected.clear();
            }
            EXPECT_EQ(shown, expected) << "pair " << pair;
        }
    }
}

TEST_F(TAvailabilityStudyTest, AReloadPicksAGroupAgainByItsMembersNames) {
    Pick(1);
    Study().TogglePickRow(3);
    WriteVehicles({{"Charlie", 3}, {"Delta", 4}, {"Alpha", 1}});
    Study().ReloadKeepingWork(QStringLiteral("reordered"));
    EXPECT_EQ(Study().PairCurves(0).Title, QStringLiteral("Alpha + Charlie"));
    EXPECT_EQ(Study().Figures().Vehicle, 240);
    EXPECT_EQ(Study().GroupRows(), (std::vector<int>{3, 1}));

    QSignalSpy readAgain(&Study(), &TAvailabilityStudy::ReadAgain);
    WriteVehicles({{"Alpha", 1}, {"Bravo", 2}});
    Study().ReloadKeepingWork(QStringLiteral("one gone"));
    EXPECT_EQ(Study().PairCurves(0).Title, QStringLiteral("Alpha"));
    ASSERT_EQ(readAgain.count(), 1);
    EXPECT_EQ(readAgain.at(0).at(1).toStringList(), QStringList{QStringLiteral("Charlie")});

    WriteVehicles({{"Alpha", 1}, {"Bravo", 2}, {"Charlie", 3}});
    Study().ReloadKeepingWork(QStringLiteral("back"));
    EXPECT_EQ(Study().PairCurves(0).Title, QStringLiteral("Alpha + Charlie"));
    EXPECT_EQ(Study().PickedNames(), QStringList{QStringLiteral("Alpha + Charlie")});
}
