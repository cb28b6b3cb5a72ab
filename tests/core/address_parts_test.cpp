#include "core/address_parts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using quillet::core::AddressPart;
using quillet::core::AddressType;
using quillet::core::FirstAddresses;

// An address counts as seen in any letter case, whether it came in a part or was asked about
// alone: the layout's rows and the scan's rows that fill a damaged file's gaps never double.
TEST(FirstAddresses, KeepsTheFirstOfEachAddressAcrossPartsAndSingleAddresses) {
    const struct {
        std::vector<std::vector<std::string>> parts;
        std::vector<std::vector<std::size_t>> newInEach;
        std::vector<std::string> alone;
        std::vector<bool> firstSightOfEach;
    } cases[] = {
        {{{"Ann@X.org", "bob@x.org", "ANN@x.ORG"}, {"bob@X.ORG", "cy@x.org"}},
         {{0, 1}, {1}},
         {"ann@x.org", "dee@x.org", "DEE@X.ORG", "Cy@x.org"},
         {false, true, false, false}},
        // Windows-1252 letters fold too; texts without a Windows-1252 form fold their ASCII.
        {{{"ZOË@X.FR", "王@X.CN"}, {"zoë@x.fr", "王@x.cn", "Ŝ@x.eo"}},
         {{0, 1}, {2}},
         {"ŝ@x.eo", "Ŝ@X.EO"},
         {true, false}},
    };
    for (const auto& c : cases) {
        FirstAddresses first(0);
        for (std::size_t p = 0; p < c.parts.size(); ++p) {
            AddressPart part;
            for (const std::string& address : c.parts[p]) {
                part.add("", address, AddressType::Smtp);
            }
            EXPECT_EQ(first.newIn(part), c.newInEach[p]) << c.parts[p][0];
        }
        for (std::size_t a = 0; a < c.alone.size(); ++a) {
            EXPECT_EQ(first.firstSight(c.alone[a]), c.firstSightOfEach[a]) << c.alone[a];
        }
    }
}
