#include "core/key_set.h"

#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

using quillet::core::KeySet;

// Keys that share prefixes, differ in length only, or are empty are all told apart, past the
// room the set was made with.
TEST(KeySet, EachKeyIsNewOnceWhateverTheRoomItWasMadeWith) {
    std::vector<std::string> keys = {"", "a", "ab", "abc", "ann@x.org", "ann@x.org.uk"};
    for (int i = 0; i < 5000; ++i) {
        keys.push_back("user" + std::to_string(i) + "@example.com");
    }
    // Each key twice: the second time in the same batch and in the next.
    std::vector<std::string_view> views(keys.begin(), keys.end());
    views.insert(views.end(), keys.begin(), keys.end());
    std::vector<std::size_t> hashes;
    for (const std::string_view key : views) {
        hashes.push_back(KeySet::hashOf(key));
    }
    std::vector<std::size_t> firstTimes(keys.size());
    std::iota(firstTimes.begin(), firstTimes.end(), std::size_t{0});
    for (const std::size_t room : {std::size_t{0}, std::size_t{10}, std::size_t{100000}}) {
        KeySet set(room);
        std::vector<std::size_t> newOnes;
        set.insert(views, hashes, newOnes);
        EXPECT_EQ(newOnes, firstTimes) << room;
        set.insert(views, hashes, newOnes);
        EXPECT_TRUE(newOnes.empty()) << room;
        EXPECT_EQ(set.size(), keys.size()) << room;
    }
}
