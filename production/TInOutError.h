#pragma once

#include <stdexcept>
#include <string>

namespace Production1 {

// The program's input/output error: carries the error number and the text the user is shown
// ("I/O error 30", or the fixed text of the numbers that have one, such as "File not found").
class TInOutError final : public std::runtime_error {
public:
    explicit TInOutError(int errorCode);

    int ErrorCode() const { return m_errorCode; }

    static std::string MessageFor(int errorCode);
    // Turns an operating-system error (errno) into the program's error number.
    static int ErrorCodeFromErrno(int errnoValue);

private:
    int m_errorCode;
};

} // namespace Production1
