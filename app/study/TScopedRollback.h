#pragma once
// Sets a variable for the length of a scope and puts its old value back when the scope ends, also
// when an exception leaves it: a re-entrancy flag can never stay raised.

#include <utility>

namespace Armalyx {

template <typename TValue> class TScopedRollback final {
public:
    TScopedRollback(TValue& variable, TValue value)
        : m_variable(variable), m_old(std::exchange(variable, std::move(value))) {}
    ~TScopedRollback() { m_variable = std::move(m_old); }
    TScopedRollback(const TScopedRollback&) = delete;
    TScopedRollback& operator=(const TScopedRollback&) = delete;

private:
    TValue& m_variable;
    TValue m_old;
};

} // namespace Armalyx
