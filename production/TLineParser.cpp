#include "TLineParser.h"

namespace Production1 {

namespace {

bool IsCommentStart(char c) {
    return c == ';' || c == ' ' || c == 'X' || c == 'x';
}

} // namespace

void TLineParser::Begin() {
    m_line = TParsedLine();
    m_months.Fill(0);
    m_number.Clear();
    m_length = 0;
    m_field = 1;
    m_commentStart = false;
    m_stopped = false;
    m_converted = false;
}

void TLineParser::Feed(std::string_view piece) {
    for (const char c : piece) {
        if (m_length == 0 && IsCommentStart(c)) {
            m_commentStart = true;
            m_stopped = true;
        }
        if (m_length < kMinimumLineLength) {
            ++m_length;
        } else if (m_stopped) {
            return; // nothing further on this line can change the result
        }
        if (!m_stopped) {
            Take(c);
        }
    }
}

void TLineParser::Take(char c) {
    if (m_field == 1) {
        if (c == ',') {
            m_field = kYearField;
        } else {
            m_line.Name.Append(c);
        }
    } else if (IsNumberChar(c)) {
        m_number.Push(c);
    } else if (m_number.IsPending()) {
        EndField();
    }
}

void TLineParser::EndField() {
    if (const auto value = m_number.Convert()) {
        if (m_field == kYearField) {
            m_line.Year = *value;
        } else {
            m_months[m_field - kYearField] = TruncateToInt32(*value);
        }
        m_converted = true;
    }
    ++m_field;
    m_stopped = m_field > kLastField;
    m_number.Clear();
}

TParsedLine TLineParser::Finish() {
    if (m_length < kMinimumLineLength || m_commentStart) {
        const TLineShape shape = m_commentStart && m_length >= kMinimumLineLength
                                     ? TLineShape::CommentOrBlankStart
                                     : TLineShape::TooShort;
        Begin();
        m_line.Shape = shape;
        return m_line;
    }
    if (m_field == 1) {
        m_line.Shape = TLineShape::NoComma;
    } else {
        m_line.Shape = m_converted ? TLineShape::Converted : TLineShape::NothingConverted;
    }
    return m_line;
}

} // namespace Production1
