#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace Production1 {

// A fixed table whose elements are addressed by the index range the data uses (months 1..60,
// vehicle slots 0..201 and so on), never by a zero-based position.
//
// An index outside First()..Last() is our own mistake: debug builds stop on an assertion. Release
// builds never touch memory outside the table either: the access lands on a spare element that
// is reset to its default value first, so a stray read gives zero and a stray write is lost.
template <typename T, int Low, int High> class TIndexedTable final {
    static_assert(Low <= High, "a table needs at least one element");

public:
    static constexpr int kFirst = Low;
    static constexpr int kLast = High;
    static constexpr std::size_t kSize = std::size_t{High - Low + 1};

    static constexpr int First() { return Low; }
    static constexpr int Last() { return High; }
    static constexpr bool Contains(int index) { return index >= Low && index <= High; }

    T& operator[](int index) {
        if (Contains(index)) {
            return m_items[Position(index)];
        }
        return Spare();
    }

    const T& operator[](int index) const {
        if (Contains(index)) {
            return m_items[Position(index)];
        }
        return Spare();
    }

    void Fill(const T& value) { m_items.fill(value); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    friend bool operator==(const TIndexedTable& left, const TIndexedTable& right) {
        return left.m_items == right.m_items;
    }

private:
    static constexpr std::size_t Position(int index) {
        return static_cast<std::size_t>(index - Low);
    }

    T& Spare() const {
        assert(false && "table index out of range: check it against First()..Last() first");
        m_spare = T{};
        return m_spare;
    }

    std::array<T, kSize> m_items{};
    mutable T m_spare{};
};

} // namespace Production1
