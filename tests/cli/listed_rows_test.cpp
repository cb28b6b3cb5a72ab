#include "cli/listed_rows.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

using quillet::cli::ListedRows;

// The lines come out whole and numbered on, in order, across the blocks they are kept in.
TEST(ListedRows, PrintsEveryLineInOrderAcrossBlocks) {
    struct Case {
        bool json;
        std::string firstLine;
        std::string lastLine;
    };
    const Case cases[] = {
        // A tab line keeps to its line: CR and LF become spaces.
        {false, "1\tAnn Lee\tann  @x.org\tSMTP", "5000\tAnn Lee\tann  @x.org\tSMTP"},
        {true, R"({"number":1,"name":"Ann Lee","address":"ann\r\n@x.org","type":"SMTP"})",
         R"({"number":5000,"name":"Ann Lee","address":"ann\r\n@x.org","type":"SMTP"})"},
    };
    for (const Case& c : cases) {
        ListedRows rows(c.json);
        for (int i = 0; i < 5000; ++i) {
            rows.append("Ann Lee", "ann\r\n@x.org", "SMTP", false);
        }
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(rows.print(out, err), 0);
        const std::string text = out.str();
        std::istringstream lines(text);
        std::string line;
        std::size_t count = 0;
        std::string last;
        while (std::getline(lines, line)) {
            ++count;
            last = line;
            if (count == 1) {
                EXPECT_EQ(line, c.firstLine);
            }
        }
        EXPECT_EQ(count, 5000u);
        EXPECT_EQ(rows.size(), 5000u);
        EXPECT_EQ(last, c.lastLine);
        EXPECT_GT(text.size(), std::size_t{64} << 10) << "more than one block";
    }
}
