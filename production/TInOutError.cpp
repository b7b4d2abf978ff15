#include "TInOutError.h"

#include <cerrno>

namespace Production1 {

namespace {
constexpr int kReadFault = 30;
}

TInOutError::TInOutError(int errorCode)
    : std::runtime_error(MessageFor(errorCode)), m_errorCode(errorCode) {}

std::string TInOutError::MessageFor(int errorCode) {
    switch (errorCode) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

// The program's error numbers follow the classic desktop numbering. Operating-system errors with
// an equivalent take its number; a device read failure (EIO, whose value 5 would otherwise read as
// "File access denied") becomes the classic read fault 30. Any other errno is shown as its own
// value plus kSystemErrorBase: passed through unchanged, a network error of a mounted drive (100,
// 101, 106 on Linux) would read "Read beyond end of file", "Disk full" or "Invalid numeric input".
int TInOutError::ErrorCodeFromErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
        return 2;
    case ENAMETOOLONG:
    case EINVAL:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
        return 5;
    case ENOSPC:
        return 101;
    case EIO:
        return kReadFault;
    default:
        return errnoValue > 0 && errnoValue < kSystemErrorBase ? kSystemErrorBase + errnoValue
                                                               : kSystemErrorBase;
    }
}

} // namespace Production1
