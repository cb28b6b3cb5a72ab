#include "core/structure_merge.h"

#include <gtest/gtest.h>

using namespace quillet::core;

// Each listed row meets the reading by its address, letter case aside.
TEST(StructureMerge, ImprovesListedRowsUnlessEditedAndAddsOnlyNewAddresses) {
    AddressRows rows = {
        {"1", "", "MARY@EXAMPLE.ORG", ""},
        {"2", "Kept", "PAUL@EXAMPLE.ORG", ""},
        {"3", "By Hand", "ANN@EXAMPLE.ORG", "", true},
        {"4", "Same", "same@example.org", "SMTP"},
        {"5", "", "elsewhere@example.org", ""},
    };
    NamedAddresses reading = {
        {"Mary Smith", "mary@example.org", AddressType::Smtp},
        {"", "paul@example.org", AddressType::Smtp},
        {"Ann Lee", "ann@example.org", AddressType::Smtp},
        {"Same", "same@example.org", AddressType::Smtp},
        {"New One", "new@example.org", AddressType::Smtp},
        {"Pat", "pat", AddressType::Exchange},
    };
    const StructureMerge merge = mergeStructure(rows, reading);
    ASSERT_EQ(merge.improved.size(), 2u);
    EXPECT_EQ(merge.improved[0].first, 0u);
    EXPECT_EQ(merge.improved[0].second,
              (AddressRow{"1", "Mary Smith", "mary@example.org", "SMTP"}));
    // A reading without a name leaves the row's own.
    EXPECT_EQ(merge.improved[1].second, (AddressRow{"2", "Kept", "paul@example.org", "SMTP"}));
    ASSERT_EQ(merge.added.size(), 2u);
    EXPECT_EQ(merge.added[0].address, "new@example.org");
    EXPECT_EQ(merge.added[1].address, "pat");
}
