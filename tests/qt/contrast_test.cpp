// The contrast ratio that the dialog's style and the look tests measure with, against pairs
// whose ratio WCAG's formula fixes.
#include <gtest/gtest.h>

#include "framework/qt/contrast.h"

namespace {

struct Pair {
    const char* first;
    const char* second;
    double ratio;
};

TEST(ContrastRatio, MatchesKnownPairsEitherWayRound) {
    const Pair pairs[] = {
        {"black", "white", 21.0},
        {"#767676", "white", 4.54},  // the lightest grey that reads as text on white
        {"#959595", "white", 3.0},   // about the least that tells a control from white
        {"#f0f0f0", "#f0f0f0", 1.0},
    };
    for (const Pair& pair : pairs) {
        EXPECT_NEAR(ContrastRatio(QColor(pair.first), QColor(pair.second)), pair.ratio, 0.01)
            << pair.first << " on " << pair.second;
        EXPECT_NEAR(ContrastRatio(QColor(pair.second), QColor(pair.first)), pair.ratio, 0.01);
    }
}

}  // namespace
