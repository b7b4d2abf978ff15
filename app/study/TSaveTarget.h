#pragma once
// Writes an exported file whole or not at all: the bytes go to a temporary file beside the target,
// which replaces the target only once everything is written and flushed. A full disk, a folder
// that cannot be written or one that has gone leaves no partial file and an existing file as it
// was, and the error names the file and the system's reason.

#include <QByteArray>
#include <QString>

class TSaveTarget final {
public:
    TSaveTarget() = delete;

    // Throws std::runtime_error with the text the error box shows.
    static void Write(const QString& path, const QByteArray& bytes);
    // "Could not write /path: reason."
    static QString FailureText(const QString& path, const QString& reason);
};
