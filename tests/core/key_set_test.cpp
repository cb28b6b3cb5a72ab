#include "core/key_set.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using quillet::core::KeySet;

// Keys that share prefixes, differ in length only, or are empty are all told apart, past the
// room the set was made with.
TEST(KeySet, EachKeyIsNewOnceWhateverTheRoomItWasMadeWith) {
    std::vector<std::string> keys = {"", "a", "ab", "abc", "ann@x.org", "ann@x.org.uk"};
    for (int i = 0; i < 5000; ++i) {
        keys.push_back("user" + std::to_string(i) + "@example.com");
    }
    for (const std::size_t room : {std::size_t{0}, std::size_t{10}, std::size_t{100000}}) {
        KeySet set(room);
        for (const std::string& key : keys) {
            EXPECT_TRUE(set.insert(key)) << key;
        }
        for (const std::string& key : keys) {
            EXPECT_FALSE(set.insert(key)) << key;
        }
        EXPECT_EQ(set.size(), keys.size()) << room;
    }
}
