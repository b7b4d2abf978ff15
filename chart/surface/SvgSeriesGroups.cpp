#include "SvgSeriesGroups.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace Armalyx::SvgSeriesGroups {

namespace {

const QByteArray kMarkerPrefix = QByteArrayLiteral("ArmalyxSeries-");
const QByteArray kFamilyAttribute = QByteArrayLiteral("font-family=\"");
const QByteArray kGroupOpen = QByteArrayLiteral("<g ");
const QByteArray kGroupClose = QByteArrayLiteral("</g>");

struct TMarkedSeries {
    int Position = 0;
    QString Title;
};

// The series a marker family names: the position, then the title's UTF-8 bytes in hexadecimal,
// so that the family needs no escaping wherever the generator writes it.
std::optional<TMarkedSeries> ReadMarker(const QByteArray& family) {
    if (!family.startsWith(kMarkerPrefix)) {
        return std::nullopt;
    }
    const QByteArray rest = family.mid(kMarkerPrefix.size());
    const qsizetype dash = rest.indexOf('-');
    bool numeric = false;
    const int position = rest.left(dash).toInt(&numeric);
    const QByteArray hex = rest.mid(dash + 1);
    if (dash < 0 || !numeric || position < 1 || hex.size() % 2 != 0 ||
        !std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(c) != 0; })) {
        return std::nullopt;
    }
    return TMarkedSeries{position, QString::fromUtf8(QByteArray::fromHex(hex))};
}

// The title as XML text: markup characters escaped, and the control characters that XML 1.0
// cannot hold at all left out.
QByteArray XmlText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r') {
            kept.append(c);
        }
    }
    return kept.toHtmlEscaped().toUtf8();
}

bool IsBlank(const QByteArray& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
}

// One group the generator wrote for a marked series: where it starts and ends, its marker and
// its text without the marker.
struct TMarkedGroup {
    qsizetype Start = 0;
    qsizetype End = 0;
    QByteArray Family;
    QByteArray Text;
    // The generator opens a group at every change of the painter's state, also at a clip change
    // with nothing drawn in it.
    bool Empty = false;
};

std::optional<TMarkedGroup> NextMarkedGroup(const QByteArray& svg, qsizetype from) {
    const qsizetype marker = svg.indexOf(kFamilyAttribute + kMarkerPrefix, from);
    if (marker < 0) {
        return std::nullopt;
    }
    const qsizetype valueStart = marker + kFamilyAttribute.size();
    const qsizetype valueEnd = svg.indexOf('"', valueStart);
    const qsizetype start = svg.lastIndexOf(kGroupOpen, marker);
    const qsizetype close = svg.indexOf(kGroupClose, marker);
    if (valueEnd < 0 || start < from || close < 0) {
        return std::nullopt;
    }
    TMarkedGroup group;
    group.Start = start;
    group.End = close + kGroupClose.size();
    group.Family = svg.mid(valueStart, valueEnd - valueStart);
    qsizetype attributeEnd = valueEnd + 1;
    if (attributeEnd < svg.size() && svg[attributeEnd] == ' ') {
        ++attributeEnd;
    }
    group.Text = svg.mid(start, marker - start) + svg.mid(attributeEnd, group.End - attributeEnd);
    const qsizetype tagEnd = svg.indexOf('>', valueEnd);
    group.Empty = tagEnd >= 0 && tagEnd < close && IsBlank(svg.mid(tagEnd + 1, close - tagEnd - 1));
    return group;
}

} // namespace

QString MarkerFamily(int position, const QString& title) {
    return QString::fromLatin1(kMarkerPrefix + QByteArray::number(position) + '-' +
                               title.toUtf8().toHex());
}

QByteArray GroupSeries(const QByteArray& svg) {
    QByteArray result;
    result.reserve(svg.size() + svg.size() / 16);
    qsizetype copied = 0;
    QByteArray openFamily;
    while (const std::optional<TMarkedGroup> group = NextMarkedGroup(svg, copied)) {
        const std::optional<TMarkedSeries> series = ReadMarker(group->Family);
        const QByteArray between = svg.mid(copied, group->Start - copied);
        if (series && group->Empty) {
            // Left out; only what stands between ends an open series.
            if (!IsBlank(between)) {
                if (!openFamily.isEmpty()) {
                    result += "\n" + kGroupClose;
                }
                result += between;
                openFamily.clear();
            }
            copied = group->End;
            continue;
        }
        const bool continues =
            series && !openFamily.isEmpty() && openFamily == group->Family && IsBlank(between);
        if (!continues && !openFamily.isEmpty()) {
            result += "\n" + kGroupClose;
        }
        result += between;
        copied = group->End;
        if (!series) {
            // Not a marker of ours after all: the group stays as it was written.
            result += svg.mid(group->Start, group->End - group->Start);
            openFamily.clear();
            continue;
        }
        if (!continues) {
            result += "<g id=\"series-" + QByteArray::number(series->Position) + "\">\n<title>" +
                      XmlText(series->Title) + "</title>\n";
        }
        result += group->Text;
        openFamily = group->Family;
    }
    if (!openFamily.isEmpty()) {
        result += "\n" + kGroupClose;
    }
    result += svg.mid(copied);
    return result;
}

} // namespace Armalyx::SvgSeriesGroups
