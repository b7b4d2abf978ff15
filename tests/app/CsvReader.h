#pragma once
// A reader of CSV files as RFC 4180 describes them, for the tests of the program's CSV files: it
// is written from the format's rules, not from the writer, so that the two check each other.

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <vector>

// The records of a file, each as its fields; nothing when the file breaks the format (a quote
// inside an unquoted field, an unclosed quoted field, a record not ended by CR LF).
std::optional<std::vector<QStringList>> ReadCsv(const QByteArray& bytes);
