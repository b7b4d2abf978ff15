// The data files are followed: however an editor or a script saves them, the window reads them
// again by itself shortly after the last change, keeping the work, and says when and why.
#include "TForm1Fixture.h"
#include "TStatusLine.h"

#include "TDataFolderWatcher.h"
#include "TStringGrid.h"
#include "TestFiles.h"

#include <Production1.h>
#include <TLineSeries.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <filesystem>

using namespace Armalyx;

namespace fs = std::filesystem;

namespace {

// Long enough for the settle time and a load on a busy machine; the waits end as soon as the
// window shows what they wait for.
constexpr int kPatience = 10000;

enum class TSave { InPlace, RenameOver, DeleteAndCreate };

class TForm1Watcher : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        ShowTwoVehicles();
        QObject::connect(&Driver().DataWatcher(), &TDataFolderWatcher::FilesChanged, &Form(),
                         [this] { ++m_loads; });
    }

    fs::path Folder() const { return fs::path(DataDirectory().toStdString()); }

    // Saves TankData.txt with these vehicles the way an editor or script of that kind does.
    void SaveVehicles(TSave save, const std::vector<TDataLine>& lines) {
        const fs::path file = Folder() / "TankData.txt";
        const std::string bytes = DataFileBytes(lines);
        switch (save) {
        case TSave::InPlace:
            ASSERT_TRUE(WriteFileBytes(file, bytes));
            break;
        case TSave::RenameOver:
            ASSERT_TRUE(WriteFileBytes(Folder() / ".TankData.txt.swp", bytes));
            fs::rename(Folder() / ".TankData.txt.swp", file);
            break;
        case TSave::DeleteAndCreate:
            fs::remove(file);
            QTest::qWait(20);
            ASSERT_TRUE(WriteFileBytes(file, bytes));
            break;
        }
    }

    bool WaitForFirstVehicle(const QString& name) {
        return QTest::qWaitFor([this, &name] { return Driver().StringGrid1->Cells(0, 1) == name; },
                               kPatience);
    }

    int m_loads = 0;
};

} // namespace

TEST_F(TForm1Watcher, EveryWayOfSavingIsReadAgainKeepingThePicks) {
    ClickRow(2);
    const struct {
        const char* Name;
        TSave Save;
    } saves[] = {
        {"write in place", TSave::InPlace},
        {"write a new file and rename it over", TSave::RenameOver},
        {"delete and create again", TSave::DeleteAndCreate},
        {"write in place after the renames", TSave::InPlace},
    };
    int round = 0;
    for (const auto& save : saves) {
        SCOPED_TRACE(save.Name);
        const std::string first = std::string("first").append(std::to_string(++round));
        auto lines = SteadyVehicle(first, 5);
        const auto v2 = SteadyVehicle("v2", 2);
        lines.insert(lines.end(), v2.begin(), v2.end());
        SaveVehicles(save.Save, lines);
        ASSERT_TRUE(WaitForFirstVehicle(QString::fromStdString(first)));
        EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("v2"));
        EXPECT_GT(Driver().Series2->PointCount(), 0);
        EXPECT_EQ(Driver().StringGrid1->Row(), 2);
        EXPECT_TRUE(Driver().Label8->text().contains(QStringLiteral(": TankData.txt changed.")))
            << Driver().Label8->text().toStdString();
    }
    EXPECT_TRUE(Errors().empty());
}

// A file deleted and written anew a second later (a script that rewrites it, a restore from a
// backup) is read twice: once missing, once back. The picks once went with the first read.
TEST_F(TForm1Watcher, PicksOutliveAFileThatIsDeletedAndCreatedAgain) {
    ClickRow(2); // v2 into the first pair, its row current and its figures shown
    ClickRow(1); // v1 into the second pair
    const QString figure = Driver().Edit1->text();
    ASSERT_EQ(Driver().Series2->Title(), QStringLiteral("v2"));
    ASSERT_EQ(Driver().Series7->Title(), QStringLiteral("v1"));
    const fs::path file = Folder() / "TankData.txt";
    const std::string bytes = ReadFileBytes(file);
    ASSERT_FALSE(bytes.empty());

    fs::remove(file);
    ASSERT_TRUE(QTest::qWaitFor([] { return Production1::Store().VehicleCount == 0; }, kPatience));
    EXPECT_EQ(Driver().Series2->PointCount(), 0);
    EXPECT_EQ(Driver().Series7->PointCount(), 0);
    EXPECT_EQ(Driver().StringGrid1->Row(), 0) << "no row stands for a vehicle that is not there";
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("0"));
    QTest::qWait(1000);

    ASSERT_TRUE(WriteFileBytes(file, bytes));
    ASSERT_TRUE(WaitForFirstVehicle(QStringLiteral("v1")));
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("v2"));
    EXPECT_GT(Driver().Series2->PointCount(), 0);
    EXPECT_EQ(Driver().Series7->Title(), QStringLiteral("v1"));
    EXPECT_GT(Driver().Series7->PointCount(), 0);
    // v1 was picked last, so its row is current and the figures are its.
    EXPECT_EQ(Driver().StringGrid1->Row(), 1);
    EXPECT_EQ(Production1::Store().SelectedVehicle, 1);
    EXPECT_EQ(Driver().Edit1->text(), figure);
    // The next pick goes into the first pair, as it would have.
    EXPECT_EQ(Production1::Store().CompareSlot, 0);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1Watcher, ABurstOfWritesIsReadOnceOrTwiceAndTheLastStateIsShown) {
    for (int write = 1; write <= 100; ++write) {
        SaveVehicles(TSave::InPlace,
                     SteadyVehicle(std::string("w").append(std::to_string(write)), write));
        QTest::qWait(5);
    }
    ASSERT_TRUE(WaitForFirstVehicle(QStringLiteral("w100")));
    // Anything still pending would come within the settle time.
    QTest::qWait(2 * static_cast<int>(TDataFolderWatcher::kSettleTime.count()));
    EXPECT_GE(m_loads, 1);
    EXPECT_LE(m_loads, 2);
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("w100"));
}

TEST_F(TForm1Watcher, AFileThatAppearsAndAFolderThatGoesAndComesBackAreFollowed) {
    // TotalData.txt goes away and comes back.
    ASSERT_TRUE(QFile::remove(DataDirectory() + "/TotalData.txt"));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return Driver().Label8->text().contains(QStringLiteral("TotalData.txt: not found"));
        },
        kPatience));
    WriteTotalData(FleetLines(4000, 10, 20, 5));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return Driver().Series1->PointCount() > 0 && Driver().Series1->YValueAt(0) == 4000;
        },
        kPatience));

    // The whole folder goes, then comes back with other files.
    fs::remove_all(Folder());
    ASSERT_TRUE(QTest::qWaitFor([] { return Production1::Store().VehicleCount == 0; }, kPatience));
    fs::create_directory(Folder());
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    SaveVehicles(TSave::InPlace, SteadyVehicle("back", 1));
    EXPECT_TRUE(WaitForFirstVehicle(QStringLiteral("back")));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1Watcher, OtherFilesOfTheFolderReadNothing) {
    ASSERT_TRUE(WriteFileBytes(Folder() / "notes.txt", "x"));
    QTest::qWait(3 * static_cast<int>(TDataFolderWatcher::kSettleTime.count()));
    EXPECT_EQ(m_loads, 0);
    EXPECT_FALSE(Driver().Label8->text().contains(QStringLiteral("Read again")));
}

TEST_F(TForm1Watcher, AStockDataFileThatAppearsChangesAndGoesIsReadAgain) {
    ClickRow(1);
    const auto firstMonth = [this] {
        const auto points = PointsOf(*Driver().Series2);
        return points.empty() ? 0.0 : points.front().first;
    };
    ASSERT_EQ(firstMonth(), 1.0);
    const fs::path stock = Folder() / "StockData.txt";
    const std::string header = std::string(kDataFileHeader) + "\r\n";
    ASSERT_TRUE(WriteFileBytes(stock, header + "v1,1941,6,500,\r\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstMonth() == 6.0; }, kPatience));
    ASSERT_TRUE(WriteFileBytes(stock, header + "v1,1942,2,800,\r\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstMonth() == 14.0; }, kPatience));
    EXPECT_TRUE(Driver().Label8->text().contains(QStringLiteral("StockData.txt changed")))
        << Driver().Label8->text().toStdString();
    fs::remove(stock);
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstMonth() == 1.0; }, kPatience));
    EXPECT_TRUE(Errors().empty());
}
