#include "DataStatusText.h"

#include "DataReportText.h"
#include "NearMissNames.h"

#include <DataFileReader.h>
#include <DisplayText.h>

#include <QDir>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace Armalyx::DataStatusText {
namespace {

using Production1::TLineOutcome;
using Production1::TReadReport;

// Reasons beyond these many are summed up as "other", and near-miss names beyond these many
// counted, so that the line stays short.
constexpr std::size_t kNamedReasons = 3;
constexpr qsizetype kNamedNearMisses = 3;

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
        // Any line end counts (CR LF, CR or LF alone), so the file holds its header alone.
        return QStringLiteral("%1: no data lines below the header.").arg(path);
    }
    const QString read = Count(report.Lines(), "data line", "data lines") + QStringLiteral(" read");
    const std::int64_t ignored = IgnoredLines(report);
    if (ignored == 0) {
        return QStringLiteral("%1: %2.").arg(path, read);
    }
    // The data report gives the reason of each line it lists.
    if (report.ProblemCount() > 0) {
        return QStringLiteral("%1: %2, %3 ignored.").arg(path, read, QString::number(ignored));
    }
    return QStringLiteral("%1: %2, %3 ignored (%4).")
        .arg(path, read, QString::number(ignored), Reasons(report));
}

// The names quoted: "a", "b" and "c", or "a", "b", "c" and 2 more. A file name may hold control
// characters, shown as pictures so that the line stays whole.
QString NameList(const QStringList& names) {
    if (names.isEmpty()) {
        return QString();
    }
    QStringList parts;
    for (qsizetype i = 0; i < names.size() && i < kNamedNearMisses; ++i) {
        const std::string visible = Production1::VisibleLineText(names[i].toStdString(), false);
        parts.push_back(QLatin1Char('"') + QString::fromStdString(visible) + QLatin1Char('"'));
    }
    if (names.size() > kNamedNearMisses) {
        parts.push_back(QStringLiteral("%1 more").arg(names.size() - kNamedNearMisses));
    }
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last
                           : parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// Names that come close to the missing data files, with the names the program reads; empty when
// there are none.
QString NearMissSentence(const QStringList& folderNames, const std::vector<const char*>& missing) {
    QStringList nearMisses;
    for (const char* fileName : missing) {
        nearMisses += Armalyx::NearMissNames::NearMisses(folderNames, QLatin1String(fileName));
    }
    if (nearMisses.isEmpty()) {
        return QString();
    }
    return QStringLiteral(" The folder holds %1, but the names must be exactly \"%2\" and \"%3\".")
        .arg(NameList(nearMisses), QLatin1String(Production1::kTotalDataFileName),
             QLatin1String(Production1::kTankDataFileName));
}

QString MissingOrReadLine(const QString& directory, const char* fileName, const TReadReport& report,
                          const QStringList& folderNames) {
    const QString line = FileLine(directory, fileName, report);
    return report.Found() ? line : line + NearMissSentence(folderNames, {fileName});
}

// "3 lines need a look.", on a line of its own; empty when there is nothing to look at.
QString LookLine(const TReadReport& totalData, const TReadReport& tankData,
                 const TReadReport* stockData) {
    const std::int64_t lines =
        Armalyx::DataReportText::ReportedLines(totalData, tankData, stockData);
    if (lines == 0) {
        return QString();
    }
    return QStringLiteral("\n%1 %2.")
        .arg(lines)
        .arg(QLatin1String(lines == 1 ? "line needs a look" : "lines need a look"));
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
                   const TReadReport& tankData, const QStringList& folderNames,
                   const TReadReport* stockData) {
    using Production1::kTankDataFileName;
    using Production1::kTotalDataFileName;
    if (!totalData.Found() && !tankData.Found()) {
        return QStringLiteral("No data files found in %1. The program reads \"%2\" and \"%3\" from "
                              "its data folder: open the folder that holds them (Ctrl+O).")
                   .arg(DirectoryText(directory), QLatin1String(kTotalDataFileName),
                        QLatin1String(kTankDataFileName)) +
               NearMissSentence(folderNames, {kTotalDataFileName, kTankDataFileName});
    }
    const bool stockRead = stockData == nullptr || ReadWithoutProblems(*stockData);
    if (ReadWithoutProblems(totalData) && ReadWithoutProblems(tankData) && stockRead) {
        const auto file = [](const char* name, const TReadReport& report) {
            return QStringLiteral("%1 (%2)").arg(QLatin1String(name),
                                                 Count(report.Lines(), "line", "lines"));
        };
        QString files = file(kTotalDataFileName, totalData);
        if (stockData != nullptr) {
            files += QStringLiteral(", ") + file(kTankDataFileName, tankData) +
                     QStringLiteral(" and ") + file(Production1::kStockDataFileName, *stockData);
        } else {
            files += QStringLiteral(" and ") + file(kTankDataFileName, tankData);
        }
        return QStringLiteral("Read %1 from %2.").arg(files, DirectoryText(directory)) +
               LookLine(totalData, tankData, stockData);
    }
    QString text = MissingOrReadLine(directory, kTotalDataFileName, totalData, folderNames) +
                   QLatin1Char('\n') +
                   MissingOrReadLine(directory, kTankDataFileName, tankData, folderNames);
    if (stockData != nullptr) {
        text +=
            QLatin1Char('\n') + FileLine(directory, Production1::kStockDataFileName, *stockData);
    }
    return text + LookLine(totalData, tankData, stockData);
}

QString ReadAgainLine(const QTime& at, const QString& reason) {
    return QStringLiteral("Read again at %1: %2.")
        .arg(at.toString(QStringLiteral("HH:mm:ss")), reason);
}

QString ReadAgainAnnouncement(const QString& reason) {
    return QStringLiteral("Read again: %1.").arg(reason);
}

QString ChangedFilesReason(const QStringList& fileNames) {
    return QStringLiteral("%1 changed").arg(fileNames.join(QStringLiteral(" and ")));
}

QString LostPicksLine(const QStringList& vehicleNames) {
    return QStringLiteral("No longer in the data files, so their curves are empty: %1.")
        .arg(vehicleNames.join(QStringLiteral(", ")));
}

QString MissingFileMessage(const QString& path) {
    return QStringLiteral("armalyx: data file not found: %1").arg(path);
}

} // namespace Armalyx::DataStatusText
