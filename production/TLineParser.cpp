#include "TLineParser.h"

#include "TProductionStore.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Production1 {

namespace {

bool IsCommentStart(char c) {
    return c == ';' || c == ' ' || c == 'X' || c == 'x';
}

bool IsCrossOut(char c) {
    return c == 'X' || c == 'x';
}

bool IsAsciiLetterOrDigit(char c) {
    const auto lower = static_cast<char>(c | 0x20);
    return (c >= '0' && c <= '9') || (lower >= 'a' && lower <= 'z');
}

// The position after the run of number characters that starts at the given position.
std::size_t NumberRunEnd(std::string_view piece, std::size_t position) {
    while (position < piece.size() && IsNumberChar(piece[position])) {
        ++position;
    }
    return position;
}

// One step of the 64-bit FNV-1a hash, over a run of bytes.
std::uint64_t HashBytes(std::uint64_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    }
    return hash;
}

constexpr std::uint64_t kHashStart = 0xCBF29CE484222325ull;
constexpr std::uint64_t kHashedNameBytes = 1024;

} // namespace

void TLineParser::Begin() {
    m_line = TParsedLine();
    m_line.Writing.NameHash = kHashStart;
    m_months.Fill(0);
    m_number.Clear();
    m_length = 0;
    m_field = 1;
    m_cellSeparators = 1;
    m_secondChar = '\0';
    m_commentStart = false;
    m_stopped = false;
    m_converted = false;
}

void TLineParser::Feed(std::string_view piece) {
    if (piece.empty()) {
        return;
    }
    if (m_length < 2) {
        NoteLineStart(piece);
    }
    m_length = std::min(m_lengthCap, m_length + piece.size());
    NoteWriting(piece);
    if (m_stopped) {
        if (!m_commentStart) {
            NoteQuotationMark(piece);
            NoteExtraValues(piece);
        }
        return; // nothing further on this line can change what is stored
    }
    if (m_field == 1) {
        piece = TakeName(piece);
    }
    NoteQuotationMark(piece);
    TakeFields(piece);
}

void TLineParser::NoteLineStart(std::string_view piece) {
    if (m_length == 0) {
        m_line.Writing.FirstChar = piece.front();
        m_commentStart = IsCommentStart(piece.front());
        // A line that starts with "X" and a letter or digit is still read, only to tell whether
        // it would have been a data line.
        m_stopped = m_commentStart && !IsCrossOut(piece.front());
        piece.remove_prefix(1);
    }
    if (m_length < 2 && !piece.empty()) {
        m_secondChar = piece.front();
        m_stopped = m_stopped || (m_commentStart && !IsAsciiLetterOrDigit(m_secondChar));
    }
}

bool TLineParser::ReadsAsCrossedOutData() const {
    const double year = std::trunc(m_line.Year);
    return m_commentStart && m_length >= m_minimumLength && IsCrossOut(m_line.Writing.FirstChar) &&
           IsAsciiLetterOrDigit(m_secondChar) && m_line.Writing.YearConverted &&
           year >= kFirstYear && year <= kLastYear;
}

void TLineParser::NoteWriting(std::string_view piece) {
    TLineWriting& writing = m_line.Writing;
    if (writing.OnlyBlanks) {
        writing.OnlyBlanks = piece.find_first_not_of(" \t") == std::string_view::npos;
    }
}

void TLineParser::NoteQuotationMark(std::string_view fields) {
    TLineWriting& writing = m_line.Writing;
    if (!writing.QuotationMark && !fields.empty()) {
        writing.QuotationMark = std::memchr(fields.data(), '"', fields.size()) != nullptr;
    }
}

void TLineParser::NoteName(std::string_view name) {
    TLineWriting& writing = m_line.Writing;
    if (name.empty()) {
        return;
    }
    // The first 20 bytes are kept in the name itself; the hash tells apart names that agree in
    // them. Only bytes up to kHashedNameBytes go into it (and the length, at the end), so that a
    // name of any length costs little.
    const std::uint64_t offset = writing.NameLength;
    const std::uint64_t hashFrom = std::max<std::uint64_t>(offset, TVehicleName::kCapacity);
    if (hashFrom < kHashedNameBytes && offset + name.size() > hashFrom) {
        const std::size_t skip = hashFrom - offset;
        const std::size_t count =
            std::min<std::size_t>(name.size() - skip, kHashedNameBytes - hashFrom);
        writing.NameHash = HashBytes(writing.NameHash, name.substr(skip, count));
    }
    writing.NameLength += name.size();
    writing.NameLastChar = name.back();
}

void TLineParser::NoteExtraValues(std::string_view rest) {
    TLineWriting& writing = m_line.Writing;
    if (!writing.ExtraValues && m_field > kLastField) {
        writing.ExtraValues = std::any_of(rest.begin(), rest.end(), IsNumberChar);
    }
}

void TLineParser::NoteInexactMonth(int field, double value, std::int32_t stored) {
    if (value != stored && m_line.Writing.FirstInexactMonth == 0) {
        m_line.Writing.FirstInexactMonth = field - kYearField;
    }
}

void TLineParser::NoteMovedField(int field) {
    if (m_cellSeparators >= 2 && field > kYearField && m_line.Writing.FirstMovedMonth == 0) {
        m_line.Writing.FirstMovedMonth = field - kYearField;
    }
}

std::string_view TLineParser::TakeName(std::string_view piece) {
    const std::size_t comma = piece.find(',');
    const std::string_view name = piece.substr(0, comma);
    m_line.Name.Append(name);
    NoteName(name);
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
            const char separator = piece[position];
            if (m_number.IsPending()) {
                EndField(m_number.Convert(), separator);
            } else if (IsCellSeparator(separator) && m_cellSeparators < 2) {
                ++m_cellSeparators; // two or more all mean the same
            }
            ++position;
            continue;
        }
        m_number.PushRun(piece.substr(position, runEnd - position));
        if (runEnd == piece.size()) {
            return; // the field may go on in the next piece
        }
        EndField(m_number.Convert(), piece[runEnd]);
        position = runEnd + 1; // the separator that ended the field
    }
    NoteExtraValues(piece.substr(std::min(position, piece.size())));
}

std::size_t TLineParser::TakeWholeNumbers(std::string_view piece, std::size_t position) {
    if (m_number.IsPending()) {
        return position;
    }
    // The usual line is nothing but whole numbers, each with one separator. This loop keeps its
    // state in locals, where the compiler can hold it in registers across the fields. Only its
    // first field can follow two separators in a row: every later one follows a single one.
    int field = m_field;
    bool converted = m_converted;
    const std::size_t start = position;
    while (field <= kLastField) {
        const auto number = ScanWholeNumber(piece.substr(position));
        if (!number) {
            break;
        }
        if (field == kYearField) {
            m_line.Year = number->Value();
            m_line.Writing.YearConverted = true;
        } else {
            m_months[field - kYearField] = number->ToInt32();
            NoteInexactMonth(field, number->Value(), m_months[field - kYearField]);
        }
        converted = true;
        ++field;
        position += number->Length + 1; // with the separator that ended the field
    }
    if (position != start) {
        NoteMovedField(m_field);
        m_cellSeparators = IsCellSeparator(piece[position - 1]) ? 1 : 0;
    }
    m_field = field;
    m_converted = converted;
    m_stopped = field > kLastField;
    return position;
}

void TLineParser::EndField(std::optional<double> value, char separator) {
    NoteMovedField(m_field);
    if (value) {
        if (m_field == kYearField) {
            m_line.Year = *value;
            m_line.Writing.YearConverted = true;
        } else {
            m_months[m_field - kYearField] = TruncateToInt32(*value);
            NoteInexactMonth(m_field, *value, m_months[m_field - kYearField]);
        }
        m_converted = true;
    } else if (m_field > kYearField && m_line.Writing.FirstFailedMonth == 0) {
        m_line.Writing.FirstFailedMonth = m_field - kYearField;
    }
    m_cellSeparators = IsCellSeparator(separator) ? 1 : 0;
    NextField();
}

void TLineParser::NextField() {
    ++m_field;
    m_stopped = m_field > kLastField;
    if (m_number.IsPending()) {
        m_number.Clear();
    }
}

const TParsedLine& TLineParser::Finish() {
    // A number that ends the line is taken as if a separator followed it.
    if (!m_stopped && m_number.IsPending()) {
        EndField(m_number.Convert(), '\0');
    }
    if (m_length < m_minimumLength || m_commentStart) {
        return FinishIgnored();
    }
    m_line.Writing.NameHash ^= m_line.Writing.NameLength * 0x9E3779B97F4A7C15ull;
    m_line.Writing.MonthFields = std::clamp(m_field - kYearField - 1, 0, kLastField - kYearField);
    if (m_field == 1) {
        m_line.Shape = TLineShape::NoComma;
    } else {
        m_line.Shape = m_converted ? TLineShape::Converted : TLineShape::NothingConverted;
    }
    return m_line;
}

const TParsedLine& TLineParser::FinishIgnored() {
    const TLineShape shape = m_commentStart && m_length >= m_minimumLength
                                 ? TLineShape::CommentOrBlankStart
                                 : TLineShape::TooShort;
    const TLineWriting writing = m_line.Writing;
    const bool crossedOutData = ReadsAsCrossedOutData();
    // The quotation marks of a comment read on are not the line's.
    const bool quotationMark = writing.QuotationMark && !m_commentStart;
    Begin();
    m_line.Shape = shape;
    m_line.Writing.FirstChar = writing.FirstChar;
    m_line.Writing.OnlyBlanks = writing.OnlyBlanks;
    m_line.Writing.QuotationMark = quotationMark;
    m_line.Writing.CrossedOutData = crossedOutData;
    return m_line;
}

} // namespace Production1
