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

// Made in blocks, an export is the same bytes and the same counts as made whole, also when a
// writer starts over and makes the blocks again.
TEST(ContactsExport, BlocksAddUpToTheWholeExportCountedOnce) {
    AddressRows rows = kRows;
    rows.push_back({"4", "Zoë \"Z\" Ng", "zoe@example.com", ""});
    rows.push_back({"5", "Оля", "olya", "EX"});
    const struct {
        ExportFormat format;
        TextEncoding encoding;
    } cases[] = {{ExportFormat::Csv, TextEncoding::Cp1252},
                 {ExportFormat::Tab, TextEncoding::Utf8},
                 {ExportFormat::Vcf, TextEncoding::Cp1252}};
    for (const auto& c : cases) {
        const ExportBytes whole = exportRows(rows, c.format, c.encoding);
        ExportBlocks blocks(rows, c.format, c.encoding, 2);
        EXPECT_EQ(blocks.header(), whole.header);
        EXPECT_EQ(blocks.leftOut(), whole.leftOut);
        for (int pass = 0; pass < 2; ++pass) {
            std::string records;
            std::size_t index = 0;
            for (; const auto block = blocks.records(index); ++index) {
                records += *block;
            }
            EXPECT_EQ(index, 3U);
            EXPECT_EQ(records, whole.records);
            EXPECT_EQ(blocks.entriesWithReplacements(), whole.entriesWithReplacements);
        }
    }
    ExportBlocks none(std::span<const AddressRow>{}, ExportFormat::Csv, TextEncoding::Utf8);
    EXPECT_EQ(none.header(), "");
    EXPECT_EQ(none.records(0), std::nullopt);
}

// Rows packed a run of inputs at a time come back numbered by their place, every other text and
// the by-hand mark as they were, and export as the rows themselves do.
TEST(ContactsExport, PackedRowsComeBackAndExportAsTheRowsThemselves) {
    AddressRows rows = kRows;
    rows.push_back({"1", "Zoë \"Z\" Ng", "zoe@example.com", "SMTP", true});
    rows.push_back({"2", "", "olya", "EX"});
    PackedRows packed;
    packed.append(std::span(rows).first(2));
    packed.append(std::span(rows).subspan(2));
    AddressRows numbered = rows;
    for (std::size_t i = 0; i < numbered.size(); ++i) {
        numbered[i].number = std::to_string(i + 1);
    }
    const auto run = packed.run(0, packed.size());
    EXPECT_EQ(AddressRows(run.begin(), run.end()), numbered);
    EXPECT_EQ(packed.run(3, 1)[0], numbered[3]);

    for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::Vcf}) {
        const ExportBytes whole = exportRows(numbered, format, TextEncoding::Cp1252);
        ExportBlocks blocks(RowRuns::of(packed), format, TextEncoding::Cp1252, 2);
        std::string records;
        for (std::size_t index = 0; const auto block = blocks.records(index); ++index) {
            records += *block;
        }
        EXPECT_EQ(blocks.header() + records, whole.header + whole.records);
        EXPECT_EQ(blocks.leftOut(), whole.leftOut);
        EXPECT_EQ(blocks.entriesWithReplacements(), whole.entriesWithReplacements);
    }
}
