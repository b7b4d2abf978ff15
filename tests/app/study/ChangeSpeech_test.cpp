// What a screen reader is told of a change the user made: the pick in words, with the vehicles
// it joins, and the steps taken back.
#include "ChangeSpeech.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

using namespace Armalyx;

TEST(ChangeSpeech, APickNamesWhatCameAndWhatItJoins) {
    const struct {
        QStringList Before, After;
        const char* Text;
    } cases[] = {
        {{}, {"T-34"}, "T-34 picked."},
        {{"T-34"}, {"T-34", "KV-1"}, "KV-1 picked, with T-34."},
        {{"KV-1"}, {"T-34", "KV-1"}, "T-34 picked, with KV-1."},
        {{"T-34", "KV-1"}, {"T-34", "T-40"}, "T-40 picked, with T-34."},
        {{}, {"Lend Lease", "T-34", "KV-1"}, "Lend Lease, T-34 and KV-1 picked."},
        {{"T-34", "KV-1"}, {"T-34"}, "KV-1 no longer picked."},
        {{"T-34"}, {}, "No vehicle picked."},
        {{"T-34", "KV-1"}, {"KV-1", "T-34"}, "Picked: KV-1 and T-34."},
        {{"T-34"}, {"T-34"}, ""},
        {{}, {}, ""},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ChangeSpeech::PicksText(test.Before, test.After), QString::fromUtf8(test.Text))
            << test.Text;
    }
}

TEST(ChangeSpeech, AStepTakenBackIsNamedByItsLabel) {
    EXPECT_EQ(ChangeSpeech::UndoneText(QStringLiteral("pick of KV-1")),
              QStringLiteral("Undone: pick of KV-1."));
    EXPECT_EQ(ChangeSpeech::RedoneText(QStringLiteral("zoom")), QStringLiteral("Redone: zoom."));
    EXPECT_EQ(ChangeSpeech::UndoneText(QString()), QString());
    EXPECT_EQ(ChangeSpeech::ChartDataCopiedText(1), QStringLiteral("Chart data copied: 1 month."));
    EXPECT_EQ(ChangeSpeech::ChartDataCopiedText(48),
              QStringLiteral("Chart data copied: 48 months."));
}
