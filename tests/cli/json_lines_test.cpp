#include "cli/json_lines.h"

#include <gtest/gtest.h>

using quillet::cli::appendJsonLine;
using quillet::cli::jsonString;

TEST(JsonLines, EveryByteGivesValidJson) {
    EXPECT_EQ(jsonString("Ann \"Jo\" C:\\x"), R"("Ann \"Jo\" C:\\x")");
    EXPECT_EQ(jsonString(std::string("\n\r\t\0\x01\x1F\x7F", 7)),
              R"("\n\r\t\u0000\u0001\u001f\u007f")");
    EXPECT_EQ(jsonString("王芳 🎉 é"), "\"王芳 🎉 é\"");
    // Line separators a line-splitting reader would break a row at.
    EXPECT_EQ(jsonString("a\u0085b\u2028c\u2029d\u2027"), R"("a\u0085b\u2028c\u2029d)"
                                                          "\u2027\"");
    // Lone continuation, truncated sequence, overlong form, surrogate, past U+10FFFF.
    EXPECT_EQ(jsonString("\x80|\xE7\x8E|\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80"),
              "\"\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD|"
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF"
              "\xBD\"");
}

TEST(JsonLines, OneObjectPerRow) {
    std::string text;
    appendJsonLine(text, 1, "Ann", "ann@x.org", "");
    appendJsonLine(text, 2, "", "PJONES", "EX");
    EXPECT_EQ(text, "{\"number\":1,\"name\":\"Ann\",\"address\":\"ann@x.org\","
                    "\"type\":\"\"}\n{\"number\":2,\"name\":\"\",\"address\":"
                    "\"PJONES\",\"type\":\"EX\"}\n");
}
