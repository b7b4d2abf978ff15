// Copying from the window and hovering over its chart: what a reader of the figures asks for
// most, offered without writing files or keeping state.

#include "TForm1.h"

#include "ChartDataText.h"
#include "ChartExport.h"
#include "TStringGrid.h"
#include "TableText.h"

#include <TChart.h>
#include <TLineSeries.h>

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMimeData>
#include <QTabWidget>

#include <memory>

void TForm1::CopyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    if (PageControl1->currentWidget() != TabSheet2) {
        clipboard->setText(TableRowsText());
        return;
    }
    // A document takes the picture, a spreadsheet the numbers.
    auto data = std::make_unique<QMimeData>();
    data->setImageData(ChartImage());
    // A drawing program or an office suite that takes vectors pastes them.
    data->setData(QStringLiteral("image/svg+xml"), Armalyx::ChartExport::SvgDocument(*Chart1, 0));
    data->setText(ChartDataText());
    clipboard->setMimeData(data.release());
}

void TForm1::CopyChartData() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(ChartDataText());
    }
}

std::vector<TSeriesReading> TForm1::SeriesReadings() const {
    std::vector<TSeriesReading> readings;
    for (const auto& series : Chart1->SeriesList()) {
        if (!series->Active()) {
            continue;
        }
        TSeriesReading reading{series.get(), series->Title(), TReadingKind::Count};
        // A share curve is named after the vehicle (or the deliveries) of its pair.
        if (series.get() == Series6 || series.get() == Series8) {
            const TLineSeries& estimate = series.get() == Series6 ? *Series2 : *Series7;
            reading.Name = estimate.Title() + QStringLiteral(" share");
            reading.Kind = TReadingKind::FleetShare;
        } else if (series.get() == Series2 && m_firstPairHoldsLendLease) {
            reading.Kind = TReadingKind::Deliveries;
        }
        readings.push_back(reading);
    }
    return readings;
}

QString TForm1::ChartDataText() const {
    return Armalyx::TableText::TabSeparatedRows(ChartDataRows(QLocale()));
}

std::vector<Armalyx::ChartDataText::TDataColumn> TForm1::ChartDataColumns() const {
    std::vector<Armalyx::ChartDataText::TDataColumn> columns;
    for (const TSeriesReading& reading : SeriesReadings()) {
        Armalyx::ChartDataText::TDataColumn column{reading.Name, reading.Kind, {}};
        const TChartSeries& series = *reading.Series;
        for (std::int32_t i = 0; i < series.PointCount(); ++i) {
            const double month = series.XValueAt(i);
            if (!series.IsNull(i) && month >= m_firstHomeMonth && month <= m_lastHomeMonth) {
                column.Points.emplace_back(month, series.YValueAt(i));
            }
        }
        // A curve without a point among the plotted months is not shown, and gets no column.
        if (!column.Points.empty()) {
            columns.push_back(std::move(column));
        }
    }
    return columns;
}

std::vector<QStringList> TForm1::ChartDataRows(const QLocale& locale) const {
    return Armalyx::ChartDataText::Rows(ChartDataColumns(), m_firstHomeMonth, m_lastHomeMonth,
                                        locale);
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
    return Armalyx::TableText::TabSeparatedRows(rows);
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
