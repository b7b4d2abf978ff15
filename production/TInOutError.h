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
    // Turns an operating-system error (errno) into the program's error number. An errno that has
    // no meaning of the program's own becomes kSystemErrorBase + errno ("I/O error 1021" for
    // EISDIR), which no fixed text uses.
    static int ErrorCodeFromErrno(int errnoValue);

    // Also the number of an errno outside 1..999, which no system uses.
    static constexpr int kSystemErrorBase = 1000;

private:
    int m_errorCode;
};

} // namespace Production1
