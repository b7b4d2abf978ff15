// The names the save dialogs suggest: what the chart shows, made safe for every file system.
#include "ExportFileName.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

using namespace Armalyx;

TEST(ExportFileName, NamesTheChartByItsPicks) {
    const struct {
        QStringList Picks;
        QString Chart;
        QString Numbers;
    } cases[] = {
        {{}, "Armalyx chart", "Armalyx chart numbers"},
        {{"T-34"}, "Armalyx T-34", "Armalyx T-34 numbers"},
        {{"T-34", "KV-1"}, "Armalyx T-34 and KV-1", "Armalyx T-34 and KV-1 numbers"},
        {{"Lend Lease"}, "Armalyx Lend Lease", "Armalyx Lend Lease numbers"},
        {{"Lend Lease", "KV-1"},
         "Armalyx Lend Lease and KV-1",
         "Armalyx Lend Lease and KV-1 numbers"},
        {{"T-34", "T-34"}, "Armalyx T-34", "Armalyx T-34 numbers"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Picks.join(", ").toStdString());
        EXPECT_EQ(ExportFileName::ChartStem(test.Picks), test.Chart);
        EXPECT_EQ(ExportFileName::ChartNumbersStem(test.Picks), test.Numbers);
    }
    EXPECT_EQ(ExportFileName::VehicleTableStem(), "Armalyx vehicle table");
}

TEST(ExportFileName, MakesNamesThatEveryFileSystemTakes) {
    const struct {
        const char* Name;
        QString Stem;
        QString Extension;
        QString Expected;
    } cases[] = {
        {"as it is", "Armalyx T-34 and KV-1", "pdf", "Armalyx T-34 and KV-1.pdf"},
        {"a slash", "Armalyx KV-1/2 and T-34/85", "png", "Armalyx KV-1-2 and T-34-85.png"},
        {"every refused character", "a/b\\c:d*e?f\"g<h>i|j", "svg", "a-b-c-d-e-f-g-h-i-j.svg"},
        {"control characters",
         "Armalyx T-34\tmod.\n1943\x7f"
         "x",
         "csv", "Armalyx T-34 mod. 1943 x.csv"},
        {"runs of blanks", "Armalyx   T-34", "csv", "Armalyx T-34.csv"},
        {"dots and blanks at the end", "Armalyx Pz.Kpfw. IV. . ", "png", "Armalyx Pz.Kpfw. IV.png"},
        {"dots and blanks at the start", " ..hidden", "png", "hidden.png"},
        {"a device name", "CON", "pdf", "CON_.pdf"},
        {"a device name in small letters", "nul", "csv", "nul_.csv"},
        {"a device name with a dot", "com1.old", "png", "com1_.old.png"},
        {"a device with a superscript", "LPT\u00B9", "png", "LPT\u00B9_.png"},
        {"not a device name", "CONSOLE", "pdf", "CONSOLE.pdf"},
        {"nothing left", " ./ ", "png", "-.png"},
        {"empty", "", "png", "Armalyx.png"},
        {"only dots", "...", "png", "Armalyx.png"},
        {"long", QString(300, u'a'), "pdf", QString(251, u'a') + ".pdf"},
        {"long with two-byte characters", QString(200, u'\u00E9'), "pdf",
         QString(125, u'\u00E9') + ".pdf"},
        {"long with four-byte characters",
         QString::fromUtf8(QByteArray(100, 'x').replace("x", "\xF0\x9F\x9B\xA1")), "pdf",
         QString::fromUtf8(QByteArray(62, 'x').replace("x", "\xF0\x9F\x9B\xA1")) + ".pdf"},
        {"cut before a blank", QString(250, u'a') + "  b", "pdf", QString(250, u'a') + ".pdf"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        const QString name = ExportFileName::Suggested(test.Stem, test.Extension);
        EXPECT_EQ(name, test.Expected);
        EXPECT_LE(name.toUtf8().size(), ExportFileName::kMaxNameBytes);
    }
}
