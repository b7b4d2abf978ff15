#pragma once
// Makes a directory the working directory for as long as it lives and restores the previous one.
// An empty directory name changes nothing.

#include <QString>

class TCurrentDirectoryScope final {
public:
    explicit TCurrentDirectoryScope(const QString& directory);
    ~TCurrentDirectoryScope();
    TCurrentDirectoryScope(const TCurrentDirectoryScope&) = delete;
    TCurrentDirectoryScope& operator=(const TCurrentDirectoryScope&) = delete;

private:
    QString m_previous;
};
