#include "TJsonWriter.h"

#include <array>
#include <cmath>
#include <cstdio>

void TJsonWriter::NewLine(std::size_t depth) {
    m_out << '\n';
    for (std::size_t i = 0; i < depth; ++i) {
        m_out << "  ";
    }
}

// Object members get their separator from Key; array elements get theirs here. Objects inside
// an array start on a line of their own.
void TJsonWriter::BeforeValue(bool isObject) {
    if (m_levels.empty() || m_levels.back().container != TContainer::Array) {
        return;
    }
    TLevel& level = m_levels.back();
    if (level.count > 0) {
        m_out << ',';
    }
    if (isObject) {
        NewLine(m_levels.size());
        level.objectInside = true;
    } else if (level.count > 0) {
        m_out << ' ';
    }
    ++level.count;
}

void TJsonWriter::BeginObject() {
    BeforeValue(true);
    m_out << '{';
    m_levels.push_back({TContainer::Object});
}

void TJsonWriter::EndObject() {
    const bool empty = m_levels.back().count == 0;
    m_levels.pop_back();
    if (!empty) {
        NewLine(m_levels.size());
    }
    m_out << '}';
    if (m_levels.empty()) {
        m_out << '\n';
    }
}

void TJsonWriter::BeginArray() {
    BeforeValue(false);
    m_out << '[';
    m_levels.push_back({TContainer::Array});
}

void TJsonWriter::EndArray() {
    const bool objectInside = m_levels.back().objectInside;
    m_levels.pop_back();
    if (objectInside) {
        NewLine(m_levels.size());
    }
    m_out << ']';
}

void TJsonWriter::Key(std::string_view key) {
    TLevel& level = m_levels.back();
    if (level.count > 0) {
        m_out << ',';
    }
    ++level.count;
    NewLine(m_levels.size());
    WriteQuoted(key);
    m_out << ": ";
}

void TJsonWriter::String(std::string_view text) {
    BeforeValue(false);
    WriteQuoted(text);
}

void TJsonWriter::WriteQuoted(std::string_view text) {
    m_out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            m_out << '\\' << c;
        } else if (byte < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            m_out << escaped.data();
        } else {
            m_out << c;
        }
    }
    m_out << '"';
}

void TJsonWriter::Integer(std::int64_t value) {
    BeforeValue(false);
    m_out << value;
}

void TJsonWriter::Double(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue(false);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    m_out << text.data();
}

void TJsonWriter::Bool(bool value) {
    BeforeValue(false);
    m_out << (value ? "true" : "false");
}

void TJsonWriter::Null() {
    BeforeValue(false);
    m_out << "null";
}
