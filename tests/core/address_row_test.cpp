#include "core/address_row.h"

#include <gtest/gtest.h>

using quillet::core::AddressRow;
using quillet::core::rowFromText;
using quillet::core::rowOf;

TEST(AddressRow, SplitsAtTabsIntoFourCells) {
    EXPECT_EQ(rowFromText("1\tAnn\tann@x.org\t"), (AddressRow{"1", "Ann", "ann@x.org", ""}));
    EXPECT_EQ(rowFromText("7\tA\tB"), (AddressRow{"7", "A", "B", ""}));
    EXPECT_EQ(rowFromText("3"), (AddressRow{"3", "", "", ""}));
    EXPECT_EQ(rowFromText(""), (AddressRow{"", "", "", ""}));
    // A tab inside a name shifts the rest; text past the fourth cell is dropped.
    EXPECT_EQ(rowFromText("3\tAnn\tLee\ta@b\t\t"), (AddressRow{"3", "Ann", "Lee", "a@b"}));
    EXPECT_EQ(rowFromText("3\ta\tb\tc\tdropped\tand this"), (AddressRow{"3", "a", "b", "c"}));
    EXPECT_EQ(rowFromText("6\tZoë Ünïcode\tzoe@example.com\t"),
              (AddressRow{"6", "Zoë Ünïcode", "zoe@example.com", ""}));
}

TEST(AddressRow, EveryCellIsCutAtItsFirstNul) {
    using namespace std::string_literals;
    EXPECT_EQ(rowFromText("1\tma\0ry\tx\0\ty\t"s), (AddressRow{"1", "ma", "x", "y"}));
    EXPECT_EQ(rowFromText("5\tNa\0me\tx@y\0\t"s), (AddressRow{"5", "Na", "x@y", ""}));
}

// A new row is its joined cells split again, whether or not a tab moves anything.
TEST(AddressRow, ANewRowIsItsJoinedCellsSplit) {
    using namespace std::string_literals;
    const struct {
        std::string name;
        std::string address;
    } cases[] = {
        {"Ann Lee", "ann@x.org"}, {"", ""},          {"Ann\tLee", "ann@x.org"},
        {"Ann", "a\tb\tc"},       {"a\0b\tc"s, "d"}, {"na\0me"s, "ad\0dr"s},
    };
    for (const auto& [name, address] : cases) {
        EXPECT_EQ(rowOf("4", name, address), rowFromText("4\t" + name + "\t" + address + "\t"))
            << name << " / " << address;
    }
}
