#include "DataStatusText.h"

#include <DataFileReader.h>

#include <QDir>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace DataStatusText {
namespace {

using Production1::TLineOutcome;
using Production1::TReadReport;

// Reasons beyond these many are summed up as "other", so that the line stays short.
constexpr std::size_t kNamedReasons = 3;

constexpr std::array<TLineOutcome, 8> kIgnoreReasons = {
    TLineOutcome::TooShort,         TLineOutcome::CommentOrBlankStart, TLineOutcome::NoComma,
    TLineOutcome::NothingConverted, TLineOutcome::YearOutOfRange,      TLineOutcome::EmptyName,
    TLineOutcome::NoFreeSlot,       TLineOutcome::UnknownName,
};

QString Count(std::int64_t count, const char* singular, const char* plural) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

std::int64_t IgnoredLines(const TReadReport& report) {
    return report.Lines() - report.Count(TLineOutcome::Stored);
}

// Comment lines are skipped on purpose, so they alone are no problem.
bool ReadWithoutProblems(const TReadReport& report) {
    return report.Found() && report.Count(TLineOutcome::Stored) > 0 &&
           IgnoredLines(report) == report.Count(TLineOutcome::CommentOrBlankStart);
}

// "2 too short, 1 no comma": the commonest reasons first, ties in the reader's order.
QString Reasons(const TReadReport& report) {
    struct TReason {
        TLineOutcome Outcome;
        std::int64_t Count;
    };
    std::vector<TReason> reasons;
    for (const TLineOutcome outcome : kIgnoreReasons) {
        if (report.Count(outcome) > 0) {
            reasons.push_back({outcome, report.Count(outcome)});
        }
    }
    std::stable_sort(reasons.begin(), reasons.end(),
                     [](const TReason& a, const TReason& b) { return a.Count > b.Count; });
    QStringList parts;
    std::int64_t other = 0;
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        if (i < kNamedReasons) {
            parts.push_back(
                QStringLiteral("%1 %2")
                    .arg(reasons[i].Count)
                    .arg(QLatin1String(Production1::LineOutcomeText(reasons[i].Outcome))));
        } else {
            other += reasons[i].Count;
        }
    }
    if (other > 0) {
        parts.push_back(QStringLiteral("%1 other").arg(other));
    }
    return parts.join(QStringLiteral(", "));
}

// What the program goes without when a file is missing.
QString MissingConsequence(const char* fileName) {
    return QLatin1String(fileName) == QLatin1String(Production1::kTotalDataFileName)
               ? QStringLiteral("vehicles in service, losses, production and lend-lease are 0")
               : QStringLiteral("no vehicle types");
}

QString FileLine(const QString& directory, const char* fileName, const TReadReport& report) {
    const QString path = DataFilePath(directory, fileName);
    if (!report.Found()) {
        return QStringLiteral("%1: not found; %2.").arg(path, MissingConsequence(fileName));
    }
    if (report.Lines() == 0) {
        return QStringLiteral("%1: no data lines below the header (each line must end with a "
                              "carriage return).")
            .arg(path);
    }
    const QString read = Count(report.Lines(), "data line", "data lines") + QStringLiteral(" read");
    const std::int64_t ignored = IgnoredLines(report);
    if (ignored == 0) {
        return QStringLiteral("%1: %2.").arg(path, read);
    }
    return QStringLiteral("%1: %2, %3 ignored (%4).")
        .arg(path, read, QString::number(ignored), Reasons(report));
}

QString DirectoryText(const QString& directory) {
    return directory.isEmpty() ? QStringLiteral("the working directory")
                               : QDir::toNativeSeparators(directory);
}

} // namespace

QString DataFilePath(const QString& directory, const char* fileName) {
    const QString name = QLatin1String(fileName);
    return directory.isEmpty() ? name : QDir::toNativeSeparators(QDir(directory).filePath(name));
}

QString StatusText(const QString& directory, const TReadReport& totalData,
                   const TReadReport& tankData) {
    using Production1::kTankDataFileName;
    using Production1::kTotalDataFileName;
    if (!totalData.Found() && !tankData.Found()) {
        return QStringLiteral("No data files found in %1. The program reads \"%2\" and \"%3\" from "
                              "its working directory: start it in the folder that holds them.")
            .arg(DirectoryText(directory), QLatin1String(kTotalDataFileName),
                 QLatin1String(kTankDataFileName));
    }
    if (ReadWithoutProblems(totalData) && ReadWithoutProblems(tankData)) {
        return QStringLiteral("Read %1 (%2) and %3 (%4) from %5.")
            .arg(QLatin1String(kTotalDataFileName), Count(totalData.Lines(), "line", "lines"),
                 QLatin1String(kTankDataFileName), Count(tankData.Lines(), "line", "lines"),
                 DirectoryText(directory));
    }
    return FileLine(directory, kTotalDataFileName, totalData) + QLatin1Char('\n') +
           FileLine(directory, kTankDataFileName, tankData);
}

QString MissingFileMessage(const QString& path) {
    return QStringLiteral("armalyx: data file not found: %1").arg(path);
}

} // namespace DataStatusText
