#include "TSaveTarget.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(QSaveFile& file, const QString& path, const QString& reason) {
    // Closing without commit removes the temporary file; the target was never touched.
    file.cancelWriting();
    throw std::runtime_error(TSaveTarget::FailureText(path, reason).toStdString());
}

} // namespace

void TSaveTarget::Write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, the bytes go to the system at once, so a failure is seen where it happens.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Fail(file, path, file.errorString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        // A write cut short by a full disk is reported by Qt without a reason: the system's is
        // still in errno.
        const int systemError = errno;
        const bool qtKnowsWhy = file.error() != QFileDevice::NoError;
        Fail(file, path,
             qtKnowsWhy || systemError == 0 ? file.errorString()
                                            : QString::fromLocal8Bit(std::strerror(systemError)));
    }
    if (!file.commit()) {
        Fail(file, path, file.errorString());
    }
}

QString TSaveTarget::FailureText(const QString& path, const QString& reason) {
    return QStringLiteral("Could not write %1: %2.").arg(QDir::toNativeSeparators(path), reason);
}
