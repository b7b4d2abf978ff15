#include "TLineParser.h"

#include <algorithm>

namespace Production1 {

namespace {

bool IsCommentStart(char c) {
    return c == ';' || c == ' ' || c == 'X' || c == 'x';
}

// The position after the run of number characters that starts at the given position.
std::size_t NumberRunEnd(std::string_view piece, std::size_t position) {
    while (position < piece.size() && IsNumberChar(piece[position])) {
        ++position;
    }
    return position;
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
    if (piece.empty()) {
        return;
    }
    if (m_length == 0 && IsCommentStart(piece.front())) {
        m_commentStart = true;
        m_stopped = true;
    }
    m_length = std::min(kMinimumLineLength, m_length + piece.size());
    if (m_stopped) {
        return; // nothing further on this line can change the result
    }
    if (m_field == 1) {
        piece = TakeName(piece);
    }
    TakeFields(piece);
}

std::string_view TLineParser::TakeName(std::string_view piece) {
    const std::size_t comma = piece.find(',');
    m_line.Name.Append(piece.substr(0, comma));
    if (comma == std::string_view::npos) {
        return {};
    }
    m_field = kYearField;
    return piece.substr(comma + 1);
}

void TLineParser::TakeFields(std::string_view piece) {
    std::size_t position = 0;
    while (position < piece.size() && !m_stopped) {
        const std::size_t afterWholeNumbers = TakeWholeNumbers(piece, position);
        if (afterWholeNumbers != position) {
            position = afterWholeNumbers;
            continue;
        }
        const std::size_t runEnd = NumberRunEnd(piece, position);
        if (runEnd == position) {
            if (m_number.IsPending()) {
                EndField(m_number.Convert());
            }
            ++position; // a separator
            continue;
        }
        m_number.PushRun(piece.substr(position, runEnd - position));
        if (runEnd == piece.size()) {
            return; // the field may go on in the next piece
        }
        EndField(m_number.Convert());
        position = runEnd + 1; // the separator that ended the field
    }
}

std::size_t TLineParser::TakeWholeNumbers(std::string_view piece, std::size_t position) {
    if (m_number.IsPending()) {
        return position;
    }
    // The usual line is nothing but whole numbers, each with one separator. This loop keeps its
    // state in locals, where the compiler can hold it in registers across the fields.
    int field = m_field;
    bool converted = m_converted;
    while (field <= kLastField) {
        const auto number = ScanWholeNumber(piece.substr(position));
        if (!number) {
            break;
        }
        if (field == kYearField) {
            m_line.Year = number->Value();
        } else {
            m_months[field - kYearField] = number->ToInt32();
        }
        converted = true;
        ++field;
        position += number->Length + 1; // with the separator that ended the field
    }
    m_field = field;
    m_converted = converted;
    m_stopped = field > kLastField;
    return position;
}

void TLineParser::EndField(std::optional<double> value) {
    if (value) {
        if (m_field == kYearField) {
            m_line.Year = *value;
        } else {
            m_months[m_field - kYearField] = TruncateToInt32(*value);
        }
        m_converted = true;
    }
    NextField();
}

void TLineParser::NextField() {
    ++m_field;
    m_stopped = m_field > kLastField;
    if (m_number.IsPending()) {
        m_number.Clear();
    }
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
