#include "TForm1Fixture.h"

#include "TComboBox.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"

#include <TChart.h>

#include <QAbstractItemView>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using TForm1Layout = TForm1Fixture;

TEST_F(TForm1Layout, WindowHasItsCaptionClientAreaAndTwoPages) {
    TForm1Driver& form = Driver();
    EXPECT_EQ(form.Window.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form.Window.windowTitle(), QStringLiteral("Armalyx 2.1"));
    EXPECT_EQ(form.Window.size(), QSize(730, 471));
    EXPECT_EQ(form.PageControl1->geometry(), QRect(8, 8, 697, 433));
    ASSERT_EQ(form.PageControl1->count(), 2);
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("Tank Selection"));
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("Graph"));
    EXPECT_EQ(form.PageControl1->currentWidget(), form.Tabsheet1);
    EXPECT_EQ(form.PageControl1->widget(1), form.TabSheet2);
    EXPECT_TRUE(form.Window.windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST_F(TForm1Layout, ControlsSitAtTheirAbsolutePositions) {
    TForm1Driver& form = Driver();
    const std::pair<QWidget*, QRect> placements[] = {
        {form.StringGrid1, QRect(8, 16, 209, 361)}, {form.ComboBox1, QRect(264, 48, 49, 21)},
        {form.ComboBox2, QRect(336, 48, 49, 21)},   {form.ComboBox3, QRect(264, 88, 49, 21)},
        {form.ComboBox4, QRect(336, 88, 49, 21)},   {form.Edit1, QRect(456, 48, 73, 21)},
        {form.Edit2, QRect(456, 88, 73, 21)},       {form.Edit3, QRect(456, 128, 73, 21)},
        {form.Chart1, QRect(0, 0, 673, 385)},       {form.RadioGroup1, QRect(488, 160, 177, 105)},
    };
    for (const auto& [widget, geometry] : placements) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->geometry(), geometry);
    }
    // Resizing the window moves nothing inside it.
    form.Window.resize(300, 200);
    EXPECT_EQ(form.PageControl1->geometry(), QRect(8, 8, 697, 433));
    EXPECT_EQ(form.Edit3->geometry(), QRect(456, 128, 73, 21));
}

TEST_F(TForm1Layout, LabelsShowTheirWholeTextAtTheirPosition) {
    TForm1Driver& form = Driver();
    const std::tuple<QLabel*, QPoint, const char*> labels[] = {
        {form.Label6, QPoint(256, 8), "Select Production Time Span"},
        {form.Label1, QPoint(272, 32), "Start"},
        {form.Label2, QPoint(344, 32), "End"},
        {form.Label3, QPoint(464, 32), "Production"},
        {form.Label4, QPoint(424, 54), "Tank"},
        {form.Label5, QPoint(424, 94), "Total"},
        {form.Label7, QPoint(416, 128), "Losses"},
    };
    for (const auto& [label, position, text] : labels) {
        SCOPED_TRACE(text);
        EXPECT_EQ(label->pos(), position);
        EXPECT_EQ(label->text(), QString::fromLatin1(text));
        const QFontMetrics metrics(label->font());
        EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text()));
        EXPECT_GE(label->height(), metrics.height());
    }
}

TEST_F(TForm1Layout, FontsAreGivenInPixelsWithTheirSubstitutes) {
    TForm1Driver& form = Driver();
    EXPECT_EQ(form.Window.font().pixelSize(), 11);
    EXPECT_EQ(QFontInfo(form.Window.font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(form.Label1->font().pixelSize(), 11);
    EXPECT_EQ(form.Label6->font().pixelSize(), 13);
    EXPECT_TRUE(form.Label6->font().bold());
    EXPECT_EQ(QFontInfo(form.Label6->font()).family(), QStringLiteral("Liberation Serif"));
}

TEST_F(TForm1Layout, SelectorsShowTheirTextWithNoItemSelected) {
    TForm1Driver& form = Driver();
    const QStringList months = {"Jan",  "Feb", "Mar", "April", "May", "June",
                                "July", "Aug", "Sep", "Oct",   "Nov", "Dec"};
    const QStringList years = {"1941", "1942", "1943", "1944", "1945"};
    const std::tuple<TComboBox*, const char*, QStringList> selectors[] = {
        {form.ComboBox1, "Jan", months},
        {form.ComboBox2, "Dec", months},
        {form.ComboBox3, "1941", years},
        {form.ComboBox4, "1945", years},
    };
    for (const auto& [comboBox, text, items] : selectors) {
        SCOPED_TRACE(text);
        EXPECT_EQ(comboBox->currentText(), QString::fromLatin1(text));
        EXPECT_EQ(comboBox->ItemIndex(), -1);
        EXPECT_EQ(comboBox->currentIndex(), -1);
        EXPECT_TRUE(comboBox->isEditable());
        EXPECT_EQ(comboBox->ItemHeight(), 13);
        EXPECT_EQ(comboBox->view()->sizeHintForRow(0), 13) << "rows of the drop-down list";
        ASSERT_EQ(comboBox->count(), items.size());
        for (int i = 0; i < comboBox->count(); ++i) {
            EXPECT_EQ(comboBox->itemText(i), items[i]);
        }
    }
    for (QLineEdit* edit : {form.Edit1, form.Edit2, form.Edit3}) {
        EXPECT_EQ(edit->text(), QStringLiteral("0"));
    }
}

TEST_F(TForm1Layout, RadioGroupLiesOnTheChartWithItsFirstItemSelected) {
    TForm1Driver& form = Driver();
    EXPECT_EQ(form.RadioGroup1->parentWidget(), form.Chart1);
    EXPECT_EQ(form.Chart1->parentWidget(), form.TabSheet2);
    EXPECT_EQ(form.RadioGroup1->title(), QStringLiteral("Production Data Source"));
    EXPECT_EQ(form.RadioGroup1->ItemIndex(), 0);
    ASSERT_NE(form.RadioGroup1->Button(1), nullptr);
    EXPECT_TRUE(form.RadioGroup1->Button(0)->isChecked());
    EXPECT_EQ(form.RadioGroup1->Button(0)->text(), QStringLiteral("Merrowin's Production Data"));
    EXPECT_EQ(form.RadioGroup1->Button(1)->text(), QStringLiteral("Data Driven Production Data"));
    form.Window.show();
    EXPECT_FALSE(form.RadioGroup1->isVisible());
    form.PageControl1->setCurrentIndex(1);
    EXPECT_TRUE(form.RadioGroup1->isVisible());
}

TEST_F(TForm1Layout, GridHasTwoColumnsAHeaderRowAndFixedRowHeight) {
    TForm1Driver& form = Driver();
    TStringGrid& grid = *form.StringGrid1;
    EXPECT_EQ(grid.RowCount(), 99);
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.columnWidth(0), 116);
    EXPECT_EQ(grid.columnWidth(1), 68);
    EXPECT_EQ(grid.rowHeight(0), 16);
    EXPECT_EQ(grid.horizontalHeader()->height(), 16);
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}
