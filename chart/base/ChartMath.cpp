#include "ChartMath.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace Armalyx::ChartMath {

namespace {

constexpr double kOffsetLimit = 2147483647.0;
constexpr double kSmallestStep = 1e-12;
// A step grows at least tenfold every three rounds, so this covers the whole double range.
constexpr int kMaxStepRounds = 4000;

} // namespace

std::int32_t ClampToInt(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t RoundToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value);
    if (rounded >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (rounded <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(rounded);
}

std::int32_t AddClamped(std::int64_t a, std::int64_t b) {
    return ClampToInt(a + b);
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) {
        return 0;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    std::int64_t result = quotient;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<std::int64_t>(c))) {
        result += ((product < 0) != (c < 0)) ? -1 : 1;
    }
    return ClampToInt(result);
}

TRect RectAfterMargins(const TRect& bounds, const TMargins& percent, int borderWidth) {
    const int w = bounds.Width();
    const int h = bounds.Height();
    return TRect{bounds.Left + borderWidth + MulDiv(percent.Left, w, 100),
                 bounds.Top + borderWidth + MulDiv(percent.Top, h, 100),
                 bounds.Right - borderWidth - MulDiv(percent.Right, w, 100),
                 bounds.Bottom - borderWidth - MulDiv(percent.Bottom, h, 100)};
}

TRect KeepRectUpright(TRect rect, const TRect& bounds, int controlWidth, int controlHeight) {
    rect.Left = std::max(rect.Left, bounds.Left);
    rect.Top = std::max(rect.Top, bounds.Top);
    if (rect.Left > rect.Right) {
        rect.Right = rect.Left + 1;
    } else if (rect.Left == rect.Right) {
        rect.Right = rect.Left + controlWidth;
    }
    if (rect.Top > rect.Bottom) {
        rect.Bottom = rect.Top + 1;
    } else if (rect.Top == rect.Bottom) {
        rect.Bottom = rect.Top + controlHeight;
    }
    return rect;
}

std::int32_t TAxisScale::PixelSize() const {
    return ClampToInt(static_cast<std::int64_t>(PixelEnd) - PixelStart);
}

std::int32_t TAxisScale::PixelCenter() const {
    return ClampToInt((static_cast<std::int64_t>(PixelStart) + PixelEnd) / 2);
}

namespace {

// The offset of a value from the minimum's end of the span, in pixels towards the maximum.
double PixelOffset(const TAxisScale& scale, double value) {
    return static_cast<double>((static_cast<long double>(value) - scale.WorkMinimum) *
                               scale.PixelSize() / scale.WorkRange());
}

bool GrowsFromStart(const TAxisScale& scale) {
    return scale.Horizontal != scale.Inverted;
}

std::int32_t PixelAtOffset(const TAxisScale& scale, double t) {
    const std::int64_t offset = RoundToInt(t);
    return ClampToInt(GrowsFromStart(scale) ? scale.PixelStart + offset : scale.PixelEnd - offset);
}

} // namespace

std::int32_t ValueToPixel(const TAxisScale& scale, double value) {
    if (scale.WorkRange() == 0) {
        return scale.PixelCenter();
    }
    const double t = PixelOffset(scale, value);
    if (!(std::fabs(t) < kOffsetLimit)) {
        return scale.PixelCenter();
    }
    return PixelAtOffset(scale, t);
}

std::int32_t ValueToPixelBeyondEdges(const TAxisScale& scale, double value, std::int32_t farPixel) {
    if (scale.WorkRange() == 0) {
        return scale.PixelCenter();
    }
    const double t = PixelOffset(scale, value);
    if (std::isnan(t)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (std::fabs(t) < kOffsetLimit) {
        return PixelAtOffset(scale, t);
    }
    const bool towardsHigherPixels = (t > 0) == GrowsFromStart(scale);
    return towardsHigherPixels ? farPixel : -farPixel;
}

double PixelToValue(const TAxisScale& scale, std::int32_t pixel) {
    if (scale.PixelSize() < 1) {
        return 0;
    }
    const double distance = scale.Inverted ? static_cast<double>(scale.PixelEnd) - pixel
                                           : static_cast<double>(pixel) - scale.PixelStart;
    const double t = distance * scale.WorkRange() / scale.PixelSize();
    return scale.Horizontal ? scale.WorkMinimum + t : scale.WorkMaximum - t;
}

double NextLabelStep(double x) {
    if (!(x > 0) || !std::isfinite(x)) {
        return 1;
    }
    int decadesUp = 0;
    int decadesDown = 0;
    while (x >= 10) {
        x = x * 0.1;
        ++decadesUp;
    }
    while (x < 1) {
        x = x * 10;
        ++decadesDown;
    }
    double step = x < 2 ? 2 : (x < 5 ? 5 : 10);
    for (int i = 0; i < decadesDown; ++i) {
        step = step * 0.1;
    }
    for (int i = 0; i < decadesUp; ++i) {
        step = step * 10;
    }
    return step;
}

std::int32_t LabelCount(std::int32_t labelSize, std::int32_t separationPercent,
                        std::int32_t pixelSize) {
    if (labelSize <= 0) {
        return 1;
    }
    double size = labelSize;
    if (separationPercent > 0) {
        size += RoundToInt(separationPercent * 0.01 * labelSize);
    }
    return RoundToInt(pixelSize / size);
}

double LabelStepForCount(std::int32_t count, double increment, double workRange,
                         std::int32_t separationPercent) {
    if (count < 1) {
        return kSmallestStep;
    }
    double step = increment > 0 ? increment : (std::fabs(workRange) >= 1 ? 1 : kSmallestStep);
    if (separationPercent > 0) {
        std::int64_t labels = static_cast<std::int64_t>(count) + 1;
        for (int round = 0; labels > count && round < kMaxStepRounds; ++round) {
            const double q = workRange / step;
            if (std::fabs(q) < kOffsetLimit) {
                labels = RoundToInt(q);
                if (labels > count) {
                    step = NextLabelStep(step);
                }
            } else {
                step = NextLabelStep(step);
            }
        }
    }
    return std::max(step, kSmallestStep);
}

std::vector<std::int32_t> MinorTickPositions(const std::vector<std::int32_t>& ticks, int count) {
    std::vector<std::int32_t> positions;
    if (ticks.empty() || count <= 0) {
        return positions;
    }
    const double parts = static_cast<double>(count) + 1;
    if (ticks.size() >= 2) {
        const double spacing = (static_cast<double>(ticks[1]) - ticks[0]) / parts;
        for (int i = 1; i <= count; ++i) {
            const std::int32_t d = RoundToInt(i * spacing);
            positions.push_back(AddClamped(ticks.front(), -static_cast<std::int64_t>(d)));
            positions.push_back(AddClamped(ticks.back(), d));
        }
    }
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const double spacing = (static_cast<double>(ticks[i]) - ticks[i - 1]) / parts;
        for (int j = 1; j <= count; ++j) {
            positions.push_back(
                AddClamped(ticks[i], -static_cast<std::int64_t>(RoundToInt(j * spacing))));
        }
    }
    return positions;
}

namespace {
QString FormatInLocale(const QLocale& locale, double value) {
    QString text = locale.toString(value, 'f', 3);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(locale.zeroDigit())) {
            text.chop(locale.zeroDigit().size());
        }
        if (text.endsWith(point)) {
            text.chop(point.size());
        }
    }
    const QString negativeZero = locale.negativeSign() + locale.zeroDigit();
    if (text == negativeZero) {
        text = locale.zeroDigit();
    }
    return text;
}

// The chart writes the same labels every frame, and the locale formats slowly: the texts made
// in the locale in force are kept, at most kLabelMemoCapacity of them, until the locale changes.
constexpr qsizetype kLabelMemoCapacity = 1024;

struct TLabelMemo {
    QLocale Base;       // the default locale the texts were made in
    QLocale Formatting; // the same with its group separator in force
    QHash<quint64, QString> Texts;
};
} // namespace

QString FormatAxisLabel(double value) {
    thread_local TLabelMemo memo;
    const QLocale current;
    if (memo.Texts.isEmpty() || !(current == memo.Base)) {
        memo.Base = current;
        memo.Formatting = current;
        memo.Formatting.setNumberOptions(current.numberOptions() & ~QLocale::OmitGroupSeparator);
        memo.Texts.clear();
    }
    const auto bits = std::bit_cast<quint64>(value);
    const auto found = memo.Texts.constFind(bits);
    if (found != memo.Texts.constEnd()) {
        return *found;
    }
    if (memo.Texts.size() >= kLabelMemoCapacity) {
        memo.Texts.clear();
    }
    QString text = FormatInLocale(memo.Formatting, value);
    memo.Texts.insert(bits, text);
    return text;
}

} // namespace Armalyx::ChartMath
