#include "TChartFont.h"

#include "StoreIfChanged.h"

#include <utility>

namespace Armalyx {

int PointsToPixels(int points) {
    const int scaled = points * 96;
    return scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72);
}

} // namespace Armalyx

TChartFont::TChartFont(QString name, int size, TColor color, TFontStyle style)
    : m_name(std::move(name)), m_size(size), m_color(color), m_style(style) {}

TChartFont::TChartFont(const TChartFont& other)
    : m_name(other.m_name), m_size(other.m_size), m_color(other.m_color), m_style(other.m_style) {}

TChartFont& TChartFont::operator=(const TChartFont& other) {
    if (this == &other || SameSettings(other)) {
        return *this;
    }
    m_name = other.m_name;
    m_size = other.m_size;
    m_color = other.m_color;
    m_style = other.m_style;
    Changed();
    return *this;
}

bool TChartFont::SameSettings(const TChartFont& other) const {
    return m_name == other.m_name && m_size == other.m_size && m_color == other.m_color &&
           m_style == other.m_style;
}

void TChartFont::SetName(const QString& value) {
    if (Armalyx::StoreIfChanged(m_name, value)) {
        Changed();
    }
}

void TChartFont::SetSize(int value) {
    if (Armalyx::StoreIfChanged(m_size, value)) {
        Changed();
    }
}

void TChartFont::SetColor(TColor value) {
    if (Armalyx::StoreIfChanged(m_color, value)) {
        Changed();
    }
}

void TChartFont::SetStyle(TFontStyle value) {
    if (Armalyx::StoreIfChanged(m_style, value)) {
        Changed();
    }
}

void TChartFont::Changed() const {
    if (m_onChange) {
        m_onChange();
    }
}

namespace {

// The layout's classic face names mapped to the metric-compatible faces of the Liberation family.
// "Arial" already maps to Liberation Sans through fontconfig.
bool RegisterFaceSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    return true;
}

} // namespace

namespace Armalyx {

QFont ToQFont(const TChartFont& font) {
    static const bool registered = RegisterFaceSubstitutions();
    static_cast<void>(registered);
    QFont result(font.Name());
    result.setPixelSize(font.PixelHeight() > 0 ? font.PixelHeight() : 1);
    result.setBold(HasStyle(font.Style(), TFontStyle::fsBold));
    result.setItalic(HasStyle(font.Style(), TFontStyle::fsItalic));
    result.setUnderline(HasStyle(font.Style(), TFontStyle::fsUnderline));
    result.setStrikeOut(HasStyle(font.Style(), TFontStyle::fsStrikeOut));
    return result;
}

} // namespace Armalyx
