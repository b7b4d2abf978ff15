// Copying from the window and hovering over its chart: what a reader of the figures asks for
// most, offered without writing files or keeping state.

#include "TForm1.h"

#include "TChartHover.h"
#include "TErrorShell.h"
#include "TStringGrid.h"
#include "TableText.h"

#include <TChart.h>

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QShortcut>
#include <QTabWidget>

void TForm1::CreateShortcuts() {
    // A text field with the focus keeps Ctrl+C for its own selection.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this,
            [this] { TErrorShell::Guard([this] { CopyToClipboard(); }); });
    new TChartHover(*Chart1);
}

void TForm1::CopyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    if (PageControl1->currentWidget() == TabSheet2) {
        clipboard->setImage(ChartImage());
    } else {
        clipboard->setText(TableRowsText());
    }
}

// The picture has the screen's resolution: on a high-resolution screen it is as sharp as shown.
QImage TForm1::ChartImage() {
    const qreal ratio = Chart1->devicePixelRatio();
    QImage image(qRound(Chart1->width() * ratio), qRound(Chart1->height() * ratio),
                 QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    Chart1->Draw(&image, TRect{0, 0, Chart1->width(), Chart1->height()});
    return image;
}

QString TForm1::TableRowsText() const {
    std::vector<QStringList> rows;
    for (int row = 0; row < StringGrid1->RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < StringGrid1->columnCount(); ++column) {
            cells.push_back(StringGrid1->Cells(column, row));
        }
        rows.push_back(cells);
    }
    return TableText::TabSeparatedRows(rows);
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    const auto type = event->type();
    if ((type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange) &&
        Chart1 != nullptr) {
        Chart1->Invalidate();
    }
    // The figures' own palette keeps them from hearing of a new desktop palette themselves.
    if (type == QEvent::PaletteChange && Edit1 != nullptr) {
        ShowFiguresCue();
    }
}
