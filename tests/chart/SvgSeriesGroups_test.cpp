// Series groups in an SVG written by Qt's generator: the groups marked for one series become one
// group with an id and the series' title, written as XML text whatever the title holds.

#include "SvgSeriesGroups.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <string>

using namespace Armalyx::SvgSeriesGroups;

namespace {

// A group as the generator writes it, with the font family it was given.
QByteArray Group(const QString& family, const char* content) {
    return "<g fill=\"none\" stroke=\"#000000\"\nfont-family=\"" + family.toUtf8() +
           "\" font-size=\"11\" \n>\n" + content + "\n</g>\n\n";
}

const char* const kLine = "<polyline points=\"1,1 5,5 \" />";

// The markup without the blank lines between its elements, which mean nothing.
std::string Markup(const QByteArray& svg) {
    static const QRegularExpression blankBetween(QStringLiteral(">\\s+<"));
    return QString::fromUtf8(svg)
        .replace(blankBetween, QStringLiteral("><"))
        .trimmed()
        .toStdString();
}

} // namespace

TEST(SvgSeriesGroups, MarkedGroupsOfASeriesBecomeOneGroupWithItsTitle) {
    const QString first = MarkerFamily(1, QStringLiteral("Production & Lend Lease"));
    const QString second = MarkerFamily(2, QStringLiteral("<T-34> \"85\"\x01"));
    const QByteArray axis = Group(QStringLiteral("Arial"), kLine);
    const struct {
        const char* name;
        QByteArray svg;
        QByteArray grouped;
    } cases[] = {
        {"no markers", axis + axis, axis + axis},
        {"two groups of one series, an empty one left out",
         axis + Group(first, kLine) + Group(first, "") + Group(first, kLine) + axis,
         axis + "<g id=\"series-1\">\n<title>Production &amp; Lend Lease</title>\n" +
             Group(QString(), kLine).replace("font-family=\"\" ", "") +
             Group(QString(), kLine).replace("font-family=\"\" ", "") + "\n</g>" + axis},
        {"two series one after the other", Group(first, kLine) + Group(second, kLine),
         "<g id=\"series-1\">\n<title>Production &amp; Lend Lease</title>\n" +
             Group(QString(), kLine).replace("font-family=\"\" ", "") +
             "\n</g><g id=\"series-2\">\n<title>&lt;T-34&gt; &quot;85&quot;</title>\n" +
             Group(QString(), kLine).replace("font-family=\"\" ", "") + "\n</g>"},
        {"a series with nothing drawn has no group", axis + Group(first, "") + axis, axis + axis},
        {"a family that only looks like a marker stays",
         Group(QStringLiteral("ArmalyxSeries-x-41"), kLine),
         Group(QStringLiteral("ArmalyxSeries-x-41"), kLine)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(Markup(GroupSeries(test.svg)), Markup(test.grouped));
    }
}
