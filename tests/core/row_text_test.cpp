#include "core/row_text.h"

#include <gtest/gtest.h>

using quillet::core::splitRowText;
using Cells = std::array<std::string, 4>;

TEST(RowText, SplitsAtTabsIntoFourCells) {
    EXPECT_EQ(splitRowText("1\tAnn\tann@x.org\t"), (Cells{"1", "Ann", "ann@x.org", ""}));
    EXPECT_EQ(splitRowText("7\tA\tB"), (Cells{"7", "A", "B", ""}));
    EXPECT_EQ(splitRowText("3"), (Cells{"3", "", "", ""}));
    // A tab inside a name shifts the rest; text past the fourth cell is dropped.
    EXPECT_EQ(splitRowText("3\tAnn\tLee\ta@b\t\t"), (Cells{"3", "Ann", "Lee", "a@b"}));
}

TEST(RowText, EveryCellIsCutAtItsFirstNul) {
    using namespace std::string_literals;
    EXPECT_EQ(splitRowText("1\tma\0ry\tx\0\ty\t"s), (Cells{"1", "ma", "x", "y"}));
}
