#include "core/cp1252.h"

#include <gtest/gtest.h>

using namespace quillet::core;

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(encodeCp1252(decodeCp1252(all)), all);
    EXPECT_EQ(decodeCp1252("\x80\xE9"), "\u20AC\u00E9");
    EXPECT_EQ(decodeCp1252("\x81"), "\u0081");
}

TEST(Cp1252, UnrepresentableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(encodeCp1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(encodeCp1252("\U0001F600"), "?");
    EXPECT_EQ(encodeCp1252("x\xC3"), "x?");
}

TEST(Cp1252, FoldsCaseByCodePageRules) {
    EXPECT_EQ(foldCaseCp1252("MARY\xC9\xD7\x8A\x9F"), "mary\xE9\xD7\x9A\xFF");
    EXPECT_EQ(foldCaseCp1252("\xDF\xDE"), "\xDF\xFE");
}

TEST(Utf16, DecodesUpToTheFirstNulUnit) {
    using namespace std::string_literals;
    EXPECT_EQ(decodeUtf16le("A\0n\0n\0\0\0X\0"s), "Ann");
    EXPECT_EQ(decodeUtf16le("A\0B"s), "A");                      // odd byte ignored
    EXPECT_EQ(decodeUtf16le("\x3D\xD8\x00\xDE"s), "\U0001F600"); // surrogate pair
    EXPECT_EQ(decodeUtf16le("\x3D\xD8"
                            "A\0"s),
              "\uFFFD"
              "A");                                  // unpaired high
    EXPECT_EQ(decodeUtf16le("\x00\xDE"s), "\uFFFD"); // lone low
}
