#include "core/vcard_layout.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace quillet::core;

namespace {

std::vector<std::string> physicalLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

} // namespace

TEST(VcardLayout, OneCardPerInternetAddressWithTheNameOrTheAddressShown) {
    const std::vector<ContactRow> rows = {
        {"Mary Smith", "MARY@EXAMPLE.ORG", ""},
        {"Paul Jones", "PJONES", ""},
        {"", "nameless@example.org", "SMTP"},
        {"", "", ""},
        {"\x01", "x@y", ""},
    };
    const VcardExport cards = vcardExport(rows);
    EXPECT_EQ(cards.cards, 3u);
    EXPECT_EQ(cards.leftOut, 2u);
    // The UID is the same for an address in any letter case.
    const auto uid = [](const char* address) {
        const std::string card = vcardExport({{{"", address, ""}}}).text;
        const std::size_t at = card.find("UID:");
        return card.substr(at, card.find("\r\n", at) - at);
    };
    EXPECT_EQ(uid("MARY@EXAMPLE.ORG"), uid("mary@example.org"));
    EXPECT_NE(uid("MARY@EXAMPLE.ORG"), uid("x@y"));
    EXPECT_EQ(cards.text, "BEGIN:VCARD\r\nVERSION:3.0\r\n"
                          "FN:Mary Smith\r\nN:Mary Smith;;;;\r\n"
                          "EMAIL;TYPE=INTERNET:MARY@EXAMPLE.ORG\r\n" +
                              uid("mary@example.org") +
                              "\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nVERSION:3.0\r\n"
                              "FN:nameless@example.org\r\nN:nameless@example.org;;;;\r\n"
                              "EMAIL;TYPE=INTERNET:nameless@example.org\r\n" +
                              uid("nameless@example.org") +
                              "\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:x@y\r\nN:x@y;;;;\r\n"
                              "EMAIL;TYPE=INTERNET:x@y\r\n" +
                              uid("x@y") + "\r\nEND:VCARD\r\n");
    EXPECT_EQ(vcardExport({}).text, "");
}

TEST(VcardLayout, EscapesTextSpecialsAndEveryLineBreakForm) {
    EXPECT_EQ(escapedVcardText("Lee, Ann; \"Jo\" C:\\x"), "Lee\\, Ann\\; \"Jo\" C:\\\\x");
    EXPECT_EQ(escapedVcardText("a\r\nb\nc\rd\n"), "a\\nb\\nc\\nd\\n");
    EXPECT_EQ(escapedVcardText("王芳\t"), "王芳\t");
    EXPECT_EQ(escapedVcardText(std::string("a\0b\x01\x02\x1F\x7F@c", 9)), "ab@c");
}

TEST(VcardLayout, FoldsAt75OctetsWithoutSplittingUtf8) {
    EXPECT_EQ(foldedVcardLine(std::string(75, 'a')), std::string(75, 'a') + "\r\n");
    EXPECT_EQ(foldedVcardLine(std::string(76, 'a')), std::string(75, 'a') + "\r\n a\r\n");

    // Every shift of multi-byte letters against the fold points, two to four bytes each.
    for (const std::string letter : {"é", "王", "🎉"}) {
        for (std::size_t shift = 0; shift < 4; ++shift) {
            std::string line = "FN:" + std::string(shift, 'x');
            for (int i = 0; i < 60; ++i) {
                line += letter;
            }
            const std::string folded = foldedVcardLine(line);
            std::string unfolded;
            bool first = true;
            for (const std::string& physical : physicalLines(folded)) {
                EXPECT_LE(physical.size(), kVcardLineOctets);
                if (!first) {
                    ASSERT_EQ(physical.front(), ' ');
                    EXPECT_NE(physical[1] & 0xC0, 0x80)
                        << "splits a sequence: " << letter << " shift " << shift;
                }
                unfolded += first ? physical : physical.substr(1);
                first = false;
            }
            EXPECT_EQ(unfolded, line);
        }
    }
    // Bytes that are not UTF-8 at all are still cut at the limit.
    const std::string folded = foldedVcardLine(std::string(100, '\x80'));
    EXPECT_EQ(folded.substr(0, 77), std::string(75, '\x80') + "\r\n");
}
