// The window's layout: every control at its absolute position with its texts and tab order, and
// the window fitted into a screen smaller than the one it was laid out for.

#include "TForm1.h"

#include "TAnnouncer.h"
#include "TApplication.h"
#include "TChart1Curves.h"
#include "TComboBox.h"
#include "TFigureBox.h"
#include "TRadioGroup.h"
#include "TStatusLine.h"
#include "TStringGrid.h"
#include "WindowPlacement.h"

#include <MonthNames.h>
#include <TChart.h>
#include <TProductionStore.h>

#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include <span>
#include <string_view>

namespace {

// Client area of a 738 x 498 window with the usual sizeable frame (4 pixels each side) and a
// caption bar of 19 pixels.
constexpr int kClientWidth = 730;
constexpr int kClientHeight = 471;
constexpr int kWindowLeft = 228;
constexpr int kWindowTop = 147;
// The window font: 8 points at 96 pixels per inch is an 11-pixel character height.
constexpr int kWindowFontPixels = 11;
constexpr int kHeadingFontPixels = 13;

QStringList Texts(std::span<const std::string_view> names) {
    QStringList texts;
    for (const std::string_view name : names) {
        texts.push_back(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    return texts;
}

// The span selectors' items: the months of a year, and the years studied.
QStringList MonthItems() {
    return Texts(Production1::kMonthSelectorItems);
}

QStringList YearItems() {
    QStringList years;
    for (int year = Production1::kFirstYear; year <= Production1::kLastYear; ++year) {
        years.push_back(QString::number(year));
    }
    return years;
}

// The month names written out, which typed text may give the months by as well.
QStringList MonthFullNames() {
    return Texts(Production1::kMonthFullNames);
}

QLabel* CreateLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

TComboBox* CreateComboBox(QWidget* parent, const char* name, const QStringList& items,
                          const QString& text, const QRect& geometry) {
    constexpr int kItemHeight = 13;
    auto* comboBox = new TComboBox(items, text, parent);
    comboBox->setObjectName(QString::fromLatin1(name));
    comboBox->setGeometry(geometry);
    comboBox->SetItemHeight(kItemHeight);
    return comboBox;
}

TFigureBox* CreateEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new TFigureBox(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    return edit;
}

QFont PixelFont(const QString& family, int pixels, QFont::Weight weight = QFont::Normal) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

} // namespace

// The icon's resource lives in the program's library: register it before first use.
static void RegisterIconResource() {
    Q_INIT_RESOURCE(Form1Icon);
}

void TForm1::CreateWindowFrame() {
    TApplication::InstallFontSubstitutions();
    RegisterIconResource();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Armalyx 2.1"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/Form1Icon.png")));
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), kWindowFontPixels));
    setAutoFillBackground(true);
    move(kWindowLeft, kWindowTop);
    resize(kClientWidth, kClientHeight);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 8, 697, 433);
    Tabsheet1 = new QWidget();
    Tabsheet1->setObjectName(QStringLiteral("Tabsheet1"));
    TabSheet2 = new QWidget();
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(Tabsheet1, QStringLiteral("Tank Selection"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Graph"));
    PageControl1->setCurrentIndex(0);
}

void TForm1::CreateSelectionPage() {
    CreateSelectionLabels();
    CreateSelectionInputs();
}

void TForm1::CreateSelectionLabels() {
    Label6 =
        CreateLabel(Tabsheet1, "Label6", QStringLiteral("Select Production Time Span"), 256, 8);
    Label6->setFont(PixelFont(QStringLiteral("MS Serif"), kHeadingFontPixels, QFont::Bold));
    Label6->adjustSize();
    Label1 = CreateLabel(Tabsheet1, "Label1", QStringLiteral("Start"), 272, 32);
    Label2 = CreateLabel(Tabsheet1, "Label2", QStringLiteral("End"), 344, 32);
    Label3 = CreateLabel(Tabsheet1, "Label3", QStringLiteral("Production"), 464, 32);
    Label4 = CreateLabel(Tabsheet1, "Label4", QStringLiteral("Tank"), 424, 54);
    Label5 = CreateLabel(Tabsheet1, "Label5", QStringLiteral("Total"), 424, 94);
    Label7 = CreateLabel(Tabsheet1, "Label7", QStringLiteral("Losses"), 416, 128);
    // The free area below the figures, down to the foot of the table.
    Label8 = new TStatusLine(Tabsheet1);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setGeometry(256, 168, 425, 209);
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_announcer = new TAnnouncer(this);
    // Placed below the status text whenever that changes; hidden while there is nothing to show.
    DetailsButton = new QPushButton(QStringLiteral("Details\u2026"), Tabsheet1);
    DetailsButton->setObjectName(QStringLiteral("DetailsButton"));
    DetailsButton->setFlat(true);
    DetailsButton->setCursor(Qt::PointingHandCursor);
    DetailsButton->hide();
}

void TForm1::CreateSelectionInputs() {
    StringGrid1 = new TStringGrid(2, 99, Tabsheet1);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(8, 16, 209, 361);
    StringGrid1->SetColumnWidth(0, 116);
    StringGrid1->SetColumnWidth(1, 68);
    StringGrid1->SetDefaultRowHeight(16);

    ComboBox1 = CreateComboBox(Tabsheet1, "ComboBox1", MonthItems(), QStringLiteral("Jan"),
                               QRect(264, 48, 49, 21));
    ComboBox2 = CreateComboBox(Tabsheet1, "ComboBox2", MonthItems(), QStringLiteral("Dec"),
                               QRect(336, 48, 49, 21));
    ComboBox3 = CreateComboBox(Tabsheet1, "ComboBox3", YearItems(), QStringLiteral("1941"),
                               QRect(264, 88, 49, 21));
    ComboBox4 = CreateComboBox(Tabsheet1, "ComboBox4", YearItems(), QStringLiteral("1945"),
                               QRect(336, 88, 49, 21));
    ComboBox1->SetItemAliases(MonthFullNames());
    ComboBox2->SetItemAliases(MonthFullNames());

    Edit1 = CreateEdit(Tabsheet1, "Edit1", QRect(456, 48, 73, 21));
    Edit2 = CreateEdit(Tabsheet1, "Edit2", QRect(456, 88, 73, 21));
    Edit3 = CreateEdit(Tabsheet1, "Edit3", QRect(456, 128, 73, 21));
}

void TForm1::CreateGraphPage() {
    Chart1 = new TChart(TabSheet2);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(0, 0, 673, 385);
    // Tab reaches the chart before the data-source selector lying on it; its month cursor
    // follows the keyboard there.
    Chart1->setFocusPolicy(Qt::StrongFocus);
    m_curves = std::make_unique<Armalyx::TChart1Curves>(*Chart1, *m_study);

    // The data-source selector lies over the right part of the plot, drawn above the chart.
    RadioGroup1 = new TRadioGroup(QStringLiteral("Production Data Source"),
                                  {QStringLiteral("Merrowin's Production Data"),
                                   QStringLiteral("Data Driven Production Data")},
                                  Chart1);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(488, 160, 177, 105);
    RadioGroup1->SetItemIndex(0);
    RadioGroup1->setAutoFillBackground(true);
}

void TForm1::SetTabOrder() {
    QWidget::setTabOrder(StringGrid1, ComboBox1);
    QWidget::setTabOrder(ComboBox1, ComboBox2);
    QWidget::setTabOrder(ComboBox2, ComboBox3);
    QWidget::setTabOrder(ComboBox3, ComboBox4);
    QWidget::setTabOrder(ComboBox4, Edit1);
    QWidget::setTabOrder(Edit1, Edit2);
    QWidget::setTabOrder(Edit2, Edit3);
    QWidget::setTabOrder(Edit3, DetailsButton);
}

// What a screen reader announces for each control: what it is, in words that stand on their
// own, where the layout lets a column heading or a short label speak for several controls.
void TForm1::SetAccessibleNames() {
    setAccessibleName(windowTitle());
    PageControl1->setAccessibleName(QStringLiteral("Pages"));
    StringGrid1->setAccessibleName(QStringLiteral("Vehicle table"));
    ComboBox1->setAccessibleName(QStringLiteral("Start month"));
    ComboBox2->setAccessibleName(QStringLiteral("End month"));
    ComboBox3->setAccessibleName(QStringLiteral("Start year"));
    ComboBox4->setAccessibleName(QStringLiteral("End year"));
    Edit1->setAccessibleName(QStringLiteral("Production of the picked vehicle"));
    Edit2->setAccessibleName(QStringLiteral("Production of all vehicles"));
    Edit3->setAccessibleName(QStringLiteral("Losses"));
    Chart1->setAccessibleName(QStringLiteral("Total Available AFVs"));
    RadioGroup1->setAccessibleName(QStringLiteral("Production data source"));
    Label8->setAccessibleName(QStringLiteral("Data files"));
    DetailsButton->setAccessibleName(QStringLiteral("Data report"));
    // Desktops that read a control's label through its label relation find it here.
    Label1->setBuddy(ComboBox1);
    Label2->setBuddy(ComboBox2);
    Label4->setBuddy(Edit1);
    Label5->setBuddy(Edit2);
    Label7->setBuddy(Edit3);
}

// The built-in position and size suit a screen of at least 966 x 645 pixels; on a smaller one
// the caption would lie off the screen.
void TForm1::FitIntoScreen() {
    QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (screen == nullptr) {
        screen = this->screen();
    }
    if (screen == nullptr) {
        return;
    }
    // A window's position is that of its frame; before the desktop has framed the window its
    // frame is taken to be the built-in one.
    const QRect client = geometry();
    QRect outer = frameGeometry();
    QMargins margins(client.left() - outer.left(), client.top() - outer.top(),
                     outer.right() - client.right(), outer.bottom() - client.bottom());
    if (margins.isNull()) {
        margins = Armalyx::WindowPlacement::kDesignedFrameMargins;
        outer = QRect(pos(), size().grownBy(margins));
    }
    const QRect fitted = Armalyx::WindowPlacement::FitIntoArea(outer, screen->availableGeometry());
    if (fitted != outer) {
        resize(fitted.size().shrunkBy(margins));
        move(fitted.topLeft());
    }
}
