#include "core/contacts_export.h"

#include <gtest/gtest.h>
#include <string>

using namespace quillet::core;

namespace {

const AddressRows kRows = {
    {"1", "Łukasz Żak", "lukasz@example.pl", ""},
    {"2", "Ann", "ann@example.org", "SMTP"},
    {"3", "Paul Jones", "pjones", "EX"},
};

} // namespace

TEST(ContactsExport, FileTypesAreKnownInAnyLetterCase) {
    const struct {
        const char* type;
        std::optional<ExportFormat> format;
    } cases[] = {{"CSV", ExportFormat::Csv}, {"csv", ExportFormat::Csv}, {"Tab", ExportFormat::Tab},
                 {"vcf", ExportFormat::Vcf}, {"VCF ", std::nullopt},     {"TXT", std::nullopt},
                 {"", std::nullopt}};
    for (const auto& [type, format] : cases) {
        EXPECT_EQ(exportFormatFor(type), format) << type;
    }
}

// Header, records and counts of each format and encoding: what decides them is here alone.
TEST(ContactsExport, EachFormatGivesItsHeaderRecordsAndCounts) {
    const struct {
        ExportFormat format;
        TextEncoding encoding;
        std::string headerStart; // empty: no header
        std::string inRecords;
        std::size_t replaced;
        std::size_t leftOut;
    } cases[] = {
        {ExportFormat::Csv, TextEncoding::Cp1252, "\"Title\",", "\"?ukasz ?ak\"", 1, 0},
        {ExportFormat::Tab, TextEncoding::Cp1252, "\"Title\"\t", "\t\"Ann\"\t", 1, 0},
        {ExportFormat::Csv, TextEncoding::Utf8, "\xEF\xBB\xBF\"Title\",", "\"Łukasz Żak\"", 0, 0},
        {ExportFormat::Vcf, TextEncoding::Cp1252, "", "FN:Łukasz Żak\r\n", 0, 1},
    };
    for (const auto& c : cases) {
        const ExportBytes bytes = exportRows(kRows, c.format, c.encoding);
        const std::string label = bytes.header.substr(0, 12);
        if (c.headerStart.empty()) {
            EXPECT_EQ(bytes.header, "") << label;
        } else {
            EXPECT_TRUE(bytes.header.starts_with(c.headerStart)) << label;
            EXPECT_TRUE(bytes.header.ends_with("\r\n")) << label;
        }
        EXPECT_NE(bytes.records.find(c.inRecords), std::string::npos) << bytes.records;
        EXPECT_EQ(bytes.entriesWithReplacements, c.replaced) << label;
        EXPECT_EQ(bytes.leftOut, c.leftOut) << label;
    }
    // No rows, no header: nothing at all is added to a file.
    const ExportBytes none = exportRows({}, ExportFormat::Csv, TextEncoding::Utf8);
    EXPECT_EQ(none.header + none.records, "");
}
