#include "core/percent.h"

#include <cfenv>
#include <gtest/gtest.h>

TEST(Percent, HalvesRoundToEvenInAnyRoundingMode) {
    const int saved = std::fegetround();
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        EXPECT_EQ(quillet::core::roundHalfEven(0.5), 0);
        EXPECT_EQ(quillet::core::roundHalfEven(1.5), 2);
        EXPECT_EQ(quillet::core::roundHalfEven(12.5), 12);
        EXPECT_EQ(quillet::core::roundHalfEven(37.5), 38);
        EXPECT_EQ(quillet::core::roundHalfEven(99.49), 99);
        EXPECT_EQ(quillet::core::percentOf(1, 3), 33);
    }
    std::fesetround(saved);
}
