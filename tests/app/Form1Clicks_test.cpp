#include "TForm1Fixture.h"

#include "TComboBox.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"

#include <Production1.h>
#include <TLineSeries.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

// Vehicles v1, v2, v3 build 1, 2 and 3 a month; the fleet holds 1000, loses 10 and gets 5
// lend-lease vehicles a month.
class TForm1Clicks : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        ShowVehicles(3);
    }

    QStringList EditTexts() {
        return {Driver().Edit1->text(), Driver().Edit2->text(), Driver().Edit3->text()};
    }
};

std::vector<double> YValues(const TChartSeries& series) {
    std::vector<double> values;
    for (const auto& point : PointsOf(series)) {
        values.push_back(point.second);
    }
    return values;
}

} // namespace

TEST_F(TForm1Clicks, FleetCurvesAreFilledOnActivation) {
    TForm1Driver& form = Driver();
    EXPECT_EQ(form.Series1->PointCount(), 53);
    EXPECT_EQ(PointsOf(*form.Series1).front(), std::make_pair(1.0, 1000.0));
    ASSERT_EQ(form.Series5->PointCount(), 48);
    EXPECT_EQ(PointsOf(*form.Series5).front(), std::make_pair(6.0, 20.0));
    EXPECT_EQ(PointsOf(*form.Series5).back(), std::make_pair(53.0, 20.0));
    EXPECT_EQ(PointsOf(*form.Series3).front(), std::make_pair(6.0, 10.0));
    EXPECT_EQ(PointsOf(*form.Series4).front(), std::make_pair(6.0, 6.0));
    EXPECT_EQ(form.Series2->PointCount(), 0);
    EXPECT_EQ(form.Series2->Title(), QStringLiteral("Tanks"));
    EXPECT_EQ(form.Series7->Title(), QStringLiteral("n/a"));
    // Every point takes its series' colour.
    EXPECT_EQ(form.Series5->PointColor(0), form.Series5->SeriesColor());
    EXPECT_EQ(form.Series5->PointLabel(0), QString());
}

TEST_F(TForm1Clicks, VehicleRowPlotsItsPairAndShowsTheSpanFigures) {
    ClickRow(2);
    TForm1Driver& form = Driver();
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(EditTexts(), QStringList({"120", "360", "600"}));
    EXPECT_EQ(form.Series2->Title(), QStringLiteral("v2"));
    ASSERT_EQ(form.Series2->PointCount(), 53);
    EXPECT_EQ(PointsOf(*form.Series2).front(), std::make_pair(1.0, 1.0));
    ASSERT_EQ(form.Series6->PointCount(), 53);
    EXPECT_EQ(PointsOf(*form.Series6).front(), std::make_pair(1.0, 10010.0));
    EXPECT_EQ(form.Series6->Title(), QStringLiteral("Percentage @ 10000"));
    EXPECT_EQ(form.Series7->PointCount(), 0);
    EXPECT_EQ(Production1::Store().CompareSlot, 1);
    EXPECT_EQ(Production1::Store().SelectedVehicle, 2);
}

TEST_F(TForm1Clicks, SuccessivePicksAlternateBetweenTheTwoPairs) {
    TForm1Driver& form = Driver();
    ClickRow(1);
    ClickRow(3);
    EXPECT_EQ(form.Series2->Title(), QStringLiteral("v1"));
    EXPECT_EQ(form.Series7->Title(), QStringLiteral("v3"));
    EXPECT_EQ(form.Series8->PointCount(), 53);
    const std::vector<double> first = YValues(*form.Series7);
    // The same row again draws into the other pair.
    ClickRow(3);
    EXPECT_EQ(form.Series2->Title(), QStringLiteral("v3"));
    EXPECT_EQ(YValues(*form.Series2), first);
    EXPECT_EQ(Production1::Store().CompareSlot, 1);
}

TEST_F(TForm1Clicks, LendLeaseRowDrawsIntoTheFirstPairAndKeepsTheAlternation) {
    TForm1Driver& form = Driver();
    ClickRow(1);
    ClickRow(4);
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(form.Series2->Title(), QStringLiteral("Lend Lease"));
    ASSERT_EQ(form.Series2->PointCount(), 53);
    for (const double y : YValues(*form.Series2)) {
        EXPECT_EQ(y, 5.0);
    }
    EXPECT_EQ(form.Series6->PointCount(), 53);
    EXPECT_EQ(EditTexts(), QStringList({"300", "660", "600"}));
    EXPECT_TRUE(Production1::Store().LendLeaseSelected);
    EXPECT_EQ(Production1::Store().CompareSlot, 1);
    EXPECT_EQ(Production1::Store().SelectedVehicle, 1);
}

TEST_F(TForm1Clicks, HeaderAndEmptyRowClicksOnlyClearTheLendLeaseSelection) {
    for (const int row : {0, 5, 31}) {
        SCOPED_TRACE(row);
        ClickRow(4);
        ASSERT_TRUE(Production1::Store().LendLeaseSelected);
        const QStringList before = EditTexts();
        const auto title = Driver().Series2->Title();
        ClickRow(row);
        EXPECT_FALSE(Production1::Store().LendLeaseSelected);
        EXPECT_EQ(EditTexts(), before);
        EXPECT_EQ(Driver().Series2->Title(), title);
        EXPECT_EQ(Production1::Store().CompareSlot, 0);
    }
}

TEST_F(TForm1Clicks, HeaderClickLeavesTheCurrentCellWhereItWas) {
    ClickRow(3);
    ClickRow(0, 1);
    EXPECT_EQ(Driver().StringGrid1->Row(), 3);
    EXPECT_EQ(Driver().StringGrid1->currentColumn(), 0);
    PressKey(Qt::Key_Up);
    EXPECT_EQ(Driver().Series7->Title(), QStringLiteral("v2"));
}

TEST_F(TForm1Clicks, KeyboardMovesOfTheCurrentCellClickToo) {
    ClickRow(1);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(Driver().StringGrid1->Row(), 2);
    EXPECT_EQ(Driver().Series7->Title(), QStringLiteral("v2"));
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("120"));
    // A key that does not move the current cell raises nothing.
    PressKey(Qt::Key_Left);
    EXPECT_EQ(Production1::Store().CompareSlot, 0);
    PressKey(Qt::Key_Right);
    EXPECT_EQ(Production1::Store().CompareSlot, 1);
}

TEST_F(TForm1Clicks, ReleaseAfterADragUsesTheRowOfTheCurrentCell) {
    TStringGrid& grid = *Driver().StringGrid1;
    const QPoint from = grid.visualRect(grid.model()->index(0, 0)).center();
    const QPoint to = grid.visualRect(grid.model()->index(2, 1)).center();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(grid.viewport(), to);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("v3"));
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("180"));
}

TEST_F(TForm1Clicks, OnlyTheLeftButtonMovesTheCurrentRowAndClicks) {
    ClickRow(2);
    ASSERT_EQ(Driver().StringGrid1->Row(), 2);
    const QStringList figures = EditTexts();
    int clicks = 0;
    QObject::connect(Driver().StringGrid1, &TStringGrid::Click, [&clicks] { ++clicks; });
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button == Qt::RightButton ? "right" : "middle");
        ClickRowWith(button, 3);
        EXPECT_EQ(Driver().StringGrid1->Row(), 2) << "the highlighted row keeps its figures";
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(EditTexts(), figures);
        EXPECT_EQ(Production1::Store().CompareSlot, 1);
        // Dragging with the button held selects nothing either.
        TStringGrid& grid = *Driver().StringGrid1;
        const QPoint from = grid.visualRect(grid.model()->index(0, 0)).center();
        QTest::mousePress(grid.viewport(), button, {}, from);
        QTest::mouseMove(grid.viewport(), grid.visualRect(grid.model()->index(3, 1)).center());
        QTest::mouseRelease(grid.viewport(), button, {}, from);
        EXPECT_EQ(grid.Row(), 2);
        EXPECT_EQ(grid.selectedItems().size(), 1);
        EXPECT_EQ(clicks, 0);
    }
    ClickRowWith(Qt::LeftButton, 3);
    EXPECT_EQ(Driver().StringGrid1->Row(), 3);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TForm1Clicks, EachClickOfADoubleClickIsAClick) {
    int clicks = 0;
    QObject::connect(Driver().StringGrid1, &TStringGrid::Click, [&clicks] { ++clicks; });
    DoubleClickRow(3);
    EXPECT_EQ(clicks, 2);
    // Two picks of the same vehicle: both pairs show it and the alternation is back at the first.
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("v3"));
    EXPECT_EQ(Driver().Series7->Title(), QStringLiteral("v3"));
    EXPECT_EQ(Production1::Store().CompareSlot, 0);
    EXPECT_EQ(Driver().StringGrid1->Row(), 3);
}

TEST_F(TForm1Clicks, SelectorsTakeEffectAtTheNextTableClick) {
    TForm1Driver& form = Driver();
    ClickRow(1);
    // January 1943 to March 1943: months 25..27.
    emit form.ComboBox3->activated(2);
    form.ComboBox4->PickItem(2);
    form.ComboBox2->PickItem(2);
    EXPECT_EQ(Production1::Store().StartYearChoice, 2);
    EXPECT_EQ(Production1::Store().EndYearChoice, 2);
    EXPECT_EQ(Production1::Store().EndMonthChoice, 2);
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("60"));
    ClickRow(2);
    EXPECT_EQ(EditTexts(), QStringList({"6", "18", "30"}));
}

TEST_F(TForm1Clicks, TypedSelectorTextNamingNoItemStoresMinusOne) {
    TForm1Driver& form = Driver();
    form.ComboBox1->PickItem(1);
    ASSERT_EQ(Production1::Store().StartMonthChoice, 1);
    form.ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(form.ComboBox1->lineEdit(), QStringLiteral("Marc"));
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("Marc"));
    EXPECT_EQ(form.ComboBox1->ItemIndex(), -1);
    EXPECT_EQ(Production1::Store().StartMonthChoice, -1);
    // Return and leaving the field do not turn the typed text into a pick.
    QTest::keyClick(form.ComboBox1->lineEdit(), Qt::Key_Return);
    form.Edit1->setFocus();
    EXPECT_EQ(form.ComboBox1->ItemIndex(), -1);
    EXPECT_EQ(form.ComboBox1->count(), 12);
    ClickRow(1);
    EXPECT_TRUE(Errors().empty());
}

// Typing "1942" into a year selector, exactly as its item reads, once counted as no item and
// gave span figures of 0.
TEST_F(TForm1Clicks, TypedTextNamingAnItemIsThatItem) {
    TForm1Driver& form = Driver();
    struct TCase {
        TComboBox* Selector;
        const char* Typed;
        int Item;          // -1: names no item
        const char* Shown; // the field's text once typing ends
    };
    const TCase cases[] = {
        {form.ComboBox3, "1942", 1, "1942"},     {form.ComboBox3, " 1943 ", 2, "1943"},
        {form.ComboBox1, "jan", 0, "Jan"},       {form.ComboBox2, "DEC", 11, "Dec"},
        {form.ComboBox1, "January", 0, "Jan"},   {form.ComboBox1, "june", 5, "June"},
        {form.ComboBox2, "September", 8, "Sep"}, {form.ComboBox2, "april", 3, "April"},
        {form.ComboBox1, "Ja", -1, "Ja"},        {form.ComboBox3, "194", -1, "194"},
        {form.ComboBox4, "1946", -1, "1946"},    {form.ComboBox2, "Sept", -1, "Sept"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Typed);
        TComboBox& selector = *c.Selector;
        selector.setFocus();
        selector.lineEdit()->selectAll();
        QTest::keyClicks(selector.lineEdit(), QString::fromLatin1(c.Typed));
        EXPECT_EQ(selector.ItemIndex(), c.Item);
        EXPECT_EQ(selector.HoldsTypedText(), c.Item < 0);
        // While typing, the field keeps what was typed.
        EXPECT_EQ(selector.currentText(), QString::fromLatin1(c.Typed));
        form.Edit1->setFocus();
        EXPECT_EQ(selector.currentText(), QString::fromLatin1(c.Shown));
        EXPECT_EQ(selector.ItemIndex(), c.Item);
        selector.PickItem(c.Selector == form.ComboBox1 || c.Selector == form.ComboBox3 ? 0
                          : c.Selector == form.ComboBox2                               ? 11
                                                                                       : 4);
    }
    // "1942" typed as both years gives the figures of 1942: v2 builds 2 a month.
    for (TComboBox* selector : {form.ComboBox3, form.ComboBox4}) {
        selector->lineEdit()->selectAll();
        QTest::keyClicks(selector->lineEdit(), QStringLiteral("1942"));
    }
    ClickRow(2);
    EXPECT_EQ(EditTexts(), QStringList({"24", "72", "120"}));
}

TEST_F(TForm1Clicks, RadioGroupChoosesTheProductionSource) {
    TForm1Driver& form = Driver();
    form.PageControl1->setCurrentIndex(1);
    QRadioButton* second = form.RadioGroup1->Button(1);
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, second->height() / 2));
    EXPECT_EQ(form.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(Production1::Store().ProductionSource, 1);
    // Summed production plus lend-lease: 6 + 5 a month.
    ASSERT_EQ(form.Series5->PointCount(), 48);
    for (const double y : YValues(*form.Series5)) {
        EXPECT_EQ(y, 11.0);
    }
    // A reload plots source 0 again whatever the radio group shows.
    form.FormActivate();
    EXPECT_EQ(form.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(YValues(*form.Series5).front(), 20.0);
}

namespace {

// Months whose fleet is empty have no share of it.
class TForm1EmptyFleet : public TForm1Fixture {};

} // namespace

TEST_F(TForm1EmptyFleet, PicksWithoutFleetDataPlotNoSharesAndStillShowTheFigures) {
    WriteVehicles(2);
    ShowAndActivate();
    ClickRow(2);
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(Driver().Series2->PointCount(), 53);
    EXPECT_EQ(Driver().Series6->PointCount(), 0);
    EXPECT_EQ(Production1::Store().CompareSlot, 1);
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("120"));
    ClickRow(3);
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("Lend Lease"));
    EXPECT_EQ(Driver().Series2->PointCount(), 53);
    EXPECT_EQ(Driver().Series6->PointCount(), 0);
    EXPECT_EQ(Driver().Edit2->text(), QStringLiteral("180"));
}

TEST_F(TForm1EmptyFleet, OnlyTheEmptyMonthsLoseTheirSharePoint) {
    std::vector<TDataLine> fleet = FleetLines(1000, 10, 20, 5);
    fleet[0].Months[2] = 0; // March 1941
    fleet[4].Months[0] = 0; // January 1942
    WriteTotalData(fleet);
    WriteVehicles(1);
    ShowAndActivate();
    ClickRow(1);
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(Driver().Series2->PointCount(), 53);
    const auto shares = PointsOf(*Driver().Series6);
    ASSERT_EQ(shares.size(), 51U);
    EXPECT_EQ(shares[1].first, 2.0);
    EXPECT_EQ(shares[2].first, 4.0);
    EXPECT_EQ(Driver().Series1->PointCount(), 51);
}
