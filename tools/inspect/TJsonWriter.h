#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

// Writes one JSON document: objects one member a line, arrays of numbers on one line, so that a
// person can read the output and a test can find "key": value in it.
class TJsonWriter final {
public:
    explicit TJsonWriter(std::ostream& out) : m_out(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view key);

    // Text must be UTF-8; quotes, backslashes and control characters are escaped.
    void String(std::string_view text);
    void Integer(std::int64_t value);
    // Printed with 17 significant digits, so that the number reads back to the same double.
    void Double(double value);
    void Bool(bool value);
    void Null();

    template <typename Range> void IntegerArray(const Range& values) {
        BeginArray();
        for (const auto value : values) {
            Integer(value);
        }
        EndArray();
    }

    template <typename Range> void DoubleArray(const Range& values) {
        BeginArray();
        for (const double value : values) {
            Double(value);
        }
        EndArray();
    }

private:
    enum class TContainer { Object, Array };
    struct TLevel {
        TContainer container;
        int count = 0;
        bool objectInside = false;
    };

    void BeforeValue(bool isObject);
    void NewLine(std::size_t depth);
    void WriteQuoted(std::string_view text);

    std::ostream& m_out;
    std::vector<TLevel> m_levels;
};
