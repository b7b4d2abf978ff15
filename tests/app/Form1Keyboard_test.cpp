// The window with the keyboard alone: Tab walks the controls in the layout's order, every
// control tells assistive technology its name, and the table and selectors work without a mouse.
#include "TForm1Fixture.h"

#include "TComboBox.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"

#include <Production1.h>
#include <TChart.h>
#include <TLineSeries.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

class TForm1Keyboard : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        ShowVehicles(3);
    }

    // The controls of the "Tank Selection" page in their tab order.
    std::vector<QWidget*> SelectionControls() {
        TForm1Driver& form = Driver();
        return {form.StringGrid1, form.ComboBox1, form.ComboBox2, form.ComboBox3,
                form.ComboBox4,   form.Edit1,     form.Edit2,     form.Edit3};
    }

    // The layout's control that holds the keyboard focus (a combo box's text field counts as
    // the combo box); null for any other widget.
    QWidget* FocusedControl() {
        const std::vector<QWidget*> controls = SelectionControls();
        for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
             widget = widget->parentWidget()) {
            if (std::find(controls.begin(), controls.end(), widget) != controls.end()) {
                return widget;
            }
        }
        return nullptr;
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    void FocusGrid() {
        Driver().PageControl1->setCurrentIndex(0);
        Driver().StringGrid1->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(FocusedControl(), Driver().StringGrid1);
    }
};

} // namespace

TEST_F(TForm1Keyboard, TabWalksTheSelectionPageInTheLayoutsOrderAndBacktabWalksBack) {
    FocusGrid();
    const std::vector<QWidget*> order = SelectionControls();
    for (std::size_t i = 1; i < order.size(); ++i) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(FocusedControl(), order[i]) << "after " << i << " presses of Tab";
    }
    for (std::size_t i = order.size() - 1; i-- > 0;) {
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(FocusedControl(), order[i]) << "walking back to control " << i;
    }
}

// Controls carry a name of their own, a selector too (not its current text); labels and radio
// buttons are named by their text.
TEST_F(TForm1Keyboard, EveryControlHasAnAccessibleNameFromItsLabel) {
    TForm1Driver& form = Driver();
    const std::vector<std::pair<QWidget*, QString>> expected = {
        {form.PageControl1, QStringLiteral("Pages")},
        {form.StringGrid1, QStringLiteral("Vehicle table")},
        {form.ComboBox1, QStringLiteral("Start month")},
        {form.ComboBox2, QStringLiteral("End month")},
        {form.ComboBox3, QStringLiteral("Start year")},
        {form.ComboBox4, QStringLiteral("End year")},
        {form.Edit1, QStringLiteral("Production of the picked vehicle")},
        {form.Edit2, QStringLiteral("Production of all vehicles")},
        {form.Edit3, QStringLiteral("Losses")},
        {form.Chart1, QStringLiteral("Total Available AFVs")},
        {form.RadioGroup1, QStringLiteral("Production data source")},
    };
    for (const auto& [widget, name] : expected) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->accessibleName(), name);
    }
    const std::vector<std::pair<QWidget*, QString>> texts = {
        {form.RadioGroup1->Button(0), QStringLiteral("Merrowin's Production Data")},
        {form.RadioGroup1->Button(1), QStringLiteral("Data Driven Production Data")},
        {form.Label1, QStringLiteral("Start")},
        {form.Label6, QStringLiteral("Select Production Time Span")},
        {form.Edit1, QStringLiteral("Production of the picked vehicle")},
        {form.ComboBox1, QStringLiteral("Start month")},
        {form.ComboBox4, QStringLiteral("End year")},
    };
    for (const auto& [widget, name] : texts) {
        SCOPED_TRACE(widget->objectName().toStdString());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), name);
    }
    // The edit boxes are labelled by the label beside them.
    EXPECT_EQ(form.Label4->buddy(), form.Edit1);
    EXPECT_EQ(form.Label7->buddy(), form.Edit3);
}

TEST_F(TForm1Keyboard, ArrowAndPageKeysMoveTheCurrentRowAndPickItsVehicle) {
    FocusGrid();
    TForm1Driver& form = Driver();
    struct TKeyCase {
        Qt::Key Key;
        int Row;
        const char* Series2Title;
        const char* Series7Title;
    };
    const TKeyCase cases[] = {
        {Qt::Key_Down, 2, "v2", "n/a"}, {Qt::Key_Down, 3, "v2", "v3"},
        {Qt::Key_Up, 2, "v2", "v3"},    {Qt::Key_PageUp, 1, "v2", "v1"},
        {Qt::Key_Down, 2, "v2", "v1"},  {Qt::Key_Down, 3, "v2", "v3"},
    };
    for (const TKeyCase& keyCase : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &keyCase - cases);
        Press(keyCase.Key);
        EXPECT_EQ(form.StringGrid1->Row(), keyCase.Row);
        EXPECT_EQ(form.Series2->Title(), QString::fromLatin1(keyCase.Series2Title));
        EXPECT_EQ(form.Series7->Title(), QString::fromLatin1(keyCase.Series7Title));
    }
    // Row 4 is the "Lend Lease" row: it draws into the first pair.
    Press(Qt::Key_Down);
    EXPECT_EQ(form.StringGrid1->Row(), 4);
    EXPECT_EQ(form.Series2->Title(), QStringLiteral("Lend Lease"));
    EXPECT_TRUE(Production1::Store().LendLeaseSelected);
    Press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form.StringGrid1->Row(), form.StringGrid1->RowCount() - 1);
    EXPECT_FALSE(Production1::Store().LendLeaseSelected);
}

TEST_F(TForm1Keyboard, SpanAndFiguresWithoutAMouse) {
    FocusGrid();
    // Each selector's first item by arrow key (January 1941 to January 1941); then back to the
    // table, whose next keyboard pick shows the span's figures.
    Press(Qt::Key_Tab);
    Press(Qt::Key_Down);
    EXPECT_EQ(Driver().ComboBox1->ItemIndex(), 0);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Down);
    EXPECT_EQ(Driver().ComboBox2->ItemIndex(), 0);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Down);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Down);
    EXPECT_EQ(Driver().ComboBox3->ItemIndex(), 0);
    EXPECT_EQ(Driver().ComboBox4->ItemIndex(), 0);
    for (int i = 0; i < 4; ++i) {
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
    }
    ASSERT_EQ(FocusedControl(), Driver().StringGrid1);
    Press(Qt::Key_Down);
    // Vehicle v2 builds 2 a month: January 1941 alone.
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("2"));
}

TEST_F(TForm1Keyboard, RadioGroupItemsAreChosenWithTheArrowKeys) {
    TForm1Driver& form = Driver();
    form.PageControl1->setCurrentIndex(1);
    form.RadioGroup1->Button(0)->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Down);
    EXPECT_EQ(form.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(Production1::Store().ProductionSource, 1);
}
