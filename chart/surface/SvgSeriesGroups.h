#pragma once
// Series as named groups in an SVG written by Qt's generator, which has no way to name or group
// what it writes. While a series' points are drawn the surface gives the painter a font whose
// family is a marker naming the series; the generator repeats the family in every group it opens
// for them, and GroupSeries turns each run of marked groups into one group with an id and a
// title, so that a drawing program shows the curve under its series' name.

#include <QByteArray>
#include <QString>

namespace Armalyx::SvgSeriesGroups {

// The marker family for the series at a position (counted from 1) in the chart's series list.
QString MarkerFamily(int position, const QString& title);

// The document with every run of marked groups inside a group with the id "series-" and the
// position, and the series' title as its first child; the markers themselves are removed. A
// document without markers comes back unchanged.
QByteArray GroupSeries(const QByteArray& svg);

} // namespace Armalyx::SvgSeriesGroups
