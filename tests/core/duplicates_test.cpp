#include "core/duplicates.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using quillet::core::ScratchList;
using Texts = std::vector<std::string>;

namespace {

ScratchList listOf(const Texts& items) {
    ScratchList list;
    for (const std::string& item : items) {
        list.addItem(item);
    }
    return list;
}

Texts fast(const Texts& items) {
    ScratchList list = listOf(items);
    quillet::core::removeDuplicates(list);
    return list.items();
}

Texts reference(const Texts& items) {
    ScratchList list = listOf(items);
    quillet::core::removeDuplicatesReference(list);
    return list.items();
}

} // namespace

TEST(Duplicates, CaseInsensitiveSurvivorsAsTheLoopLeavesThem) {
    for (auto remove : {fast, reference}) {
        EXPECT_EQ(remove({"mary\x02", "MARY\x02", "paul\x02", "PAUL\x02"}),
                  (Texts{"mary\x02", "paul\x02"}));
        EXPECT_EQ(remove({"a", "A", "a"}), (Texts{"a"}));
        EXPECT_EQ(remove({"solo\x02"}), (Texts{"solo\x02"}));
        EXPECT_EQ(remove({"b", "c", "a"}), (Texts{"b", "c", "a"}));
        // Windows-1252 letters fold too ("ÉTÉ" and "été"); the multiplication sign does not.
        EXPECT_EQ(remove({"\xC9T\xC9", "\xE9t\xE9", "\xD7", "\xF7"}),
                  (Texts{"\xC9T\xC9", "\xD7", "\xF7"}));
        // Reading past the last item gives the empty text, so empty items are all dropped.
        EXPECT_EQ(remove({"", "x", ""}), (Texts{"x"}));
        EXPECT_EQ(remove({}), Texts{});
    }
}

TEST(Duplicates, PassingOverTheItemAfterARemovalCanLeaveDuplicates) {
    // Removing item 1 moves the next "a" into its place; the loop has already left it.
    EXPECT_EQ(reference({"a", "A", "a", "b"}), fast({"a", "A", "a", "b"}));
    EXPECT_EQ(reference({"x", "a", "a", "a"}), (Texts{"x", "a"}));
    EXPECT_EQ(fast({"x", "a", "a", "a"}), (Texts{"x", "a"}));
}

TEST(Duplicates, FastVersionMatchesTheLoopOnRandomLists) {
    static constexpr std::array<const char*, 8> pool = {"", "a", "A", "b", "B", "ab", "aB", "c"};
    std::mt19937 random(2024);
    for (int round = 0; round < 3000; ++round) {
        const std::size_t size = round < 2900 ? random() % 24 : 300 + random() % 300;
        const std::size_t kinds = 2 + random() % (pool.size() - 1);
        Texts items;
        for (std::size_t i = 0; i < size; ++i) {
            items.emplace_back(pool[random() % kinds]);
        }
        ASSERT_EQ(fast(items), reference(items)) << "round " << round;
    }
}
