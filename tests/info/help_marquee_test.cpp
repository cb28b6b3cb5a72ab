#include "info/help_marquee.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

using quillet::info::playHelpMarquee;

namespace {

constexpr int kStep = 300;

// One call the marquee made: a banner text, or a wait with its count (-1 for a banner text).
struct Call {
    QString text;
    int wait = -1;
};

std::vector<Call> recordMarquee() {
    std::vector<Call> calls;
    playHelpMarquee([&calls](const QString& text) { calls.push_back({text}); },
                    [&calls](quillet::core::WaitTicks pause) {
                        calls.push_back({{}, pause.count()});
                    });
    return calls;
}

const QStringList kMessages = {
    " The Add, Remove, and Clear list buttons will modify the e-mail listing only.",
    "  The 'List Controls' will not make any changes to your existing NK2 file...",
    "  For more help click INFO -> MORE HELP... Or visit the project web page "
    "quillet.example.org.",
    "  Click browse to open a NK2 file.",
};

} // namespace

TEST(HelpMarquee, PlaysEachMessageGrowingHoldingAndShrinking) {
    const std::vector<Call> calls = recordMarquee();
    std::vector<QString> texts;
    std::vector<int> holds;
    QStringList whole; // the text shown right after each hold: the complete message
    int steps = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].wait < 0) {
            texts.push_back(calls[i].text);
            // Every banner text is followed by one 30 ms step.
            ASSERT_LT(i + 1, calls.size());
            EXPECT_EQ(calls[i + 1].wait, kStep) << i;
        } else if (calls[i].wait == kStep) {
            ++steps;
        } else {
            holds.push_back(calls[i].wait);
            ASSERT_LT(i + 1, calls.size());
            whole.append(calls[i + 1].text);
        }
    }
    EXPECT_EQ(holds, (std::vector<int>{70000, 60000, 80000, 80000}));
    EXPECT_EQ(whole, kMessages);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "");
    EXPECT_EQ(texts.back(), "");

    // Each message of length L: L grow steps, a hold, L + 1 shrink steps.
    const qsizetype lengths =
        std::accumulate(kMessages.begin(), kMessages.end(), qsizetype{0},
                        [](qsizetype sum, const QString& message) { return sum + message.size(); });
    EXPECT_EQ(static_cast<qsizetype>(steps), 2 * lengths + 4);
    EXPECT_EQ(static_cast<qsizetype>(calls.size()), 2 * (2 * lengths + 4) + 4);
}

TEST(HelpMarquee, FirstMessageGrowsInSeventySevenStepsAndShrinksInSeventyEight) {
    const std::vector<Call> calls = recordMarquee();
    const QString& first = kMessages.front();
    ASSERT_EQ(first.size(), 77);
    // Grow: 77 texts, the last i characters for i = 0..76, then the hold.
    for (int i = 0; i < 77; ++i) {
        EXPECT_EQ(calls[2 * i].text, first.right(i)) << i;
    }
    EXPECT_EQ(calls[2 * 76].text, first.mid(1));
    EXPECT_EQ(calls[154].wait, 70000);
    // Shrink: 78 texts, i = 77 down to 0, before the second message begins.
    for (int i = 0; i < 78; ++i) {
        EXPECT_EQ(calls[155 + 2 * i].text, first.right(77 - i)) << i;
    }
    EXPECT_EQ(calls[155 + 2 * 78].text, "");
    EXPECT_EQ(calls[155 + 2 * 78 + 2].text, kMessages[1].right(1));
}
