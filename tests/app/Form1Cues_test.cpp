// The cues for the span rules that surprise people: a selector holding typed text is tinted and
// says to pick an item; the three figures are dimmed while a selector differs from the choices
// they were computed with. Both only change how the controls look.
#include "TForm1Fixture.h"

#include "CueColors.h"
#include "TComboBox.h"

#include <Production1.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

namespace {

class TForm1Cues : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        ShowTwoVehicles();
    }

    static void Type(TComboBox& selector, const char* text) {
        selector.lineEdit()->clear();
        QTest::keyClicks(selector.lineEdit(), QString::fromLatin1(text));
    }

    // Whether each of the three figures shows its text in the dimmed colour.
    std::vector<bool> Dimmed() {
        std::vector<bool> dimmed;
        const QPalette normal = Form().palette();
        for (const QLineEdit* figure : {Driver().Edit1, Driver().Edit2, Driver().Edit3}) {
            dimmed.push_back(figure->palette().color(QPalette::Active, QPalette::Text) ==
                             Armalyx::CueColors::DimmedTextColor(normal.color(QPalette::Text),
                                                                 normal.color(QPalette::Base)));
        }
        return dimmed;
    }

    QStringList Figures() {
        return {Driver().Edit1->text(), Driver().Edit2->text(), Driver().Edit3->text()};
    }
};

const std::vector<bool> kAllDimmed{true, true, true};
const std::vector<bool> kNoneDimmed{false, false, false};

} // namespace

TEST_F(TForm1Cues, ASelectorHoldingTypedTextIsTintedAndSaysToPickAnItem) {
    TComboBox& selector = *Driver().ComboBox2;
    const QColor base = Form().palette().color(QPalette::Base);
    // The initial text was not typed.
    EXPECT_FALSE(selector.HoldsTypedText());
    EXPECT_EQ(selector.lineEdit()->palette().color(QPalette::Base), base);
    EXPECT_TRUE(selector.toolTip().isEmpty());

    // Text that names no item selects nothing.
    Type(selector, "Febr");
    EXPECT_EQ(selector.ItemIndex(), -1);
    EXPECT_EQ(Production1::Store().EndMonthChoice, -1);
    EXPECT_TRUE(selector.HoldsTypedText());
    EXPECT_EQ(selector.lineEdit()->palette().color(QPalette::Base),
              Armalyx::CueColors::TypedFieldColor(base));
    // The field shows the tint beside its text.
    const QImage field = selector.lineEdit()->grab().toImage();
    EXPECT_EQ(QColor(field.pixel(field.width() - 2, field.height() / 2)),
              Armalyx::CueColors::TypedFieldColor(base));
    EXPECT_EQ(selector.toolTip(), TComboBox::TypedTextToolTip());
    EXPECT_TRUE(selector.toolTip().contains(QStringLiteral("pick an item from the list")));
    EXPECT_EQ(selector.currentText(), QStringLiteral("Febr"));
    // The other selectors stay as they are.
    EXPECT_FALSE(Driver().ComboBox1->HoldsTypedText());
    EXPECT_EQ(Driver().ComboBox1->lineEdit()->palette().color(QPalette::Base), base);

    selector.PickItem(1);
    EXPECT_FALSE(selector.HoldsTypedText());
    EXPECT_EQ(selector.lineEdit()->palette().color(QPalette::Base), base);
    EXPECT_TRUE(selector.toolTip().isEmpty());
}

TEST_F(TForm1Cues, BothCuesFollowADesktopPaletteChange) {
    TComboBox& selector = *Driver().ComboBox3;
    Type(selector, "19");
    ASSERT_EQ(Dimmed(), kAllDimmed);
    const QPalette previous = QApplication::palette();
    QPalette dark = previous;
    dark.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    const QColor tinted = selector.lineEdit()->palette().color(QPalette::Base);
    const std::vector<bool> dimmedInTheDark = Dimmed();
    QApplication::setPalette(previous);
    QCoreApplication::processEvents();
    EXPECT_EQ(tinted, Armalyx::CueColors::TypedFieldColor(QColor(0x10, 0x10, 0x10)));
    EXPECT_EQ(dimmedInTheDark, kAllDimmed);
    EXPECT_EQ(Dimmed(), kAllDimmed);
    EXPECT_EQ(selector.lineEdit()->palette().color(QPalette::Base),
              Armalyx::CueColors::TypedFieldColor(previous.color(QPalette::Base)));
    EXPECT_EQ(Driver().ComboBox1->lineEdit()->palette().color(QPalette::Base),
              previous.color(QPalette::Base));
}

TEST_F(TForm1Cues, FiguresAreDimmedWhileASelectorDiffersFromTheirChoices) {
    ClickRow(1);
    const QStringList computed = Figures();
    EXPECT_EQ(Dimmed(), kNoneDimmed);

    struct TStep {
        const char* Name;
        std::function<void()> Act;
        std::vector<bool> Expected;
    };
    const TStep steps[] = {
        {"a picked start month", [this] { Driver().ComboBox1->PickItem(2); }, kAllDimmed},
        {"back to the figures' month", [this] { Driver().ComboBox1->PickItem(0); }, kNoneDimmed},
        {"a typed end year naming none", [this] { Type(*Driver().ComboBox4, "1946"); }, kAllDimmed},
        {"the same end year picked again", [this] { Driver().ComboBox4->PickItem(4); },
         kNoneDimmed},
        {"a picked start year", [this] { Driver().ComboBox3->PickItem(1); }, kAllDimmed},
        // The header row computes nothing, so the figures stay out of date.
        {"a header click", [this] { ClickRow(0); }, kAllDimmed},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Name);
        step.Act();
        EXPECT_EQ(Dimmed(), step.Expected);
        EXPECT_EQ(Figures(), computed);
        EXPECT_EQ(Driver().FiguresOutOfDate(), step.Expected.front());
    }

    ClickRow(1);
    EXPECT_EQ(Dimmed(), kNoneDimmed);
    EXPECT_NE(Figures(), computed);
}
