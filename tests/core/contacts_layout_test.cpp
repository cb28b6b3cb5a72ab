#include "core/contacts_layout.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace quillet::core;

namespace {

std::vector<std::string> split(const std::string& line, char delimiter) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == delimiter) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// The record every entry gets, written out from the Outlook layout: column number (from 1) to
// field text; every column not named here is empty.
std::vector<std::string> expectedRecord(const std::string& name, const std::string& address,
                                        const std::string& type) {
    const std::map<int, std::string> filled = {
        {2, '"' + name + '"'},
        {5, "\"\""},
        {6, "\"\""},
        {7, "\"\""},
        {48, "\"\""},
        {50, "0/0/00"},
        {53, "0/0/00"},
        {58, '"' + address + '"'},
        {59, type},
        {60, '"' + name + " (" + address + ")\""},
        {67, "Unspecified"},
        {78, "\"Imported from Outlook Autocompletion cache file using Quillet. Quillet is free "
             "software by the Quillet project.\""},
        {82, "Normal"},
        {83, "False"},
        {86, "Normal"},
    };
    std::vector<std::string> fields(86);
    for (const auto& [column, text] : filled) {
        fields[static_cast<std::size_t>(column - 1)] = text;
    }
    return fields;
}

constexpr std::string_view kHeader =
    R"("Title","First Name","Middle Name","Last Name","Suffix","Company","Department",)"
    R"("Job Title","Business Street","Business Street 2","Business Street 3","Business City",)"
    R"("Business State","Business Postal Code","Business Country","Home Street",)"
    R"("Home Street 2","Home Street 3","Home City","Home State","Home Postal Code",)"
    R"("Home Country","Other Street","Other Street 2","Other Street 3","Other City",)"
    R"("Other State","Other Postal Code","Other Country","Assistant's Phone","Business Fax",)"
    R"("Business Phone","Business Phone 2","Callback","Car Phone","Company Main Phone",)"
    R"("Home Fax","Home Phone","Home Phone 2","ISDN","Mobile Phone","Other Fax","Other Phone",)"
    R"("Pager","Primary Phone","Radio Phone","TTY/TDD Phone","Telex","Account","Anniversary",)"
    R"("Assistant's Name","Billing Information","Birthday","Business Address PO Box",)"
    R"("Categories","Children","Directory Server","E-mail Address","E-mail Type",)"
    R"("E-mail Display Name","E-mail 2 Address","E-mail 2 Type","E-mail 2 Display Name",)"
    R"("E-mail 3 Address","E-mail 3 Type","E-mail 3 Display Name","Gender",)"
    R"("Government ID Number","Hobby","Home Address PO Box","Initials","Internet Free Busy",)"
    R"("Keywords","Language","Location","Manager's Name","Mileage","Notes","Office Location",)"
    R"("Organizational ID Number","Other Address PO Box","Priority","Private","Profession",)"
    R"("Referred By","Sensitivity","Spouse","User 1","User 2","User 3","User 4","Web Page")";

} // namespace

TEST(ContactsLayout, HeaderLineHoldsTheNinetyTwoQuotedNames) {
    EXPECT_EQ(contactsHeaderLine(','), kHeader);
    const std::string tab = contactsHeaderLine('\t');
    EXPECT_EQ(split(tab, '\t'), split(std::string(kHeader), ','));
    EXPECT_EQ(split(tab, '\t').size(), 92U);
}

TEST(ContactsLayout, RecordMatchesTheLayoutFieldByField) {
    for (const char delimiter : {',', '\t'}) {
        SCOPED_TRACE(delimiter == ',' ? "CSV" : "TAB");
        EXPECT_EQ(split(contactRecord(delimiter, "Ann Lee", "ann@x.org", "SMTP"), delimiter),
                  expectedRecord("Ann Lee", "ann@x.org", "SMTP"));
        EXPECT_EQ(split(contactRecord(delimiter, "", "", "SMTP"), delimiter),
                  expectedRecord("", "", "SMTP"));
        // A type that came from the grid is written unquoted and unchanged.
        EXPECT_EQ(split(contactRecord(delimiter, "Bo", "/o=X/cn=bo", "EX "), delimiter),
                  expectedRecord("Bo", "/o=X/cn=bo", "EX "));
    }
    const std::string empty = contactRecord(',', "", "", "SMTP");
    EXPECT_EQ(empty.substr(0, 18), R"(,"",,,"","","",,,,)");
    EXPECT_NE(empty.find(R"q(,"",SMTP," ()",)q"), std::string::npos);
}

TEST(ContactsLayout, DelimitersInsideValuesStayInsideTheirQuotes) {
    const std::string csv = contactRecord(',', "Lee, Ann", "a,b@x.org", "SMTP");
    EXPECT_EQ(csv.substr(0, 29), R"(,"Lee, Ann",,,"","","",,,,,,,)");
    EXPECT_NE(csv.find(R"q(,"a,b@x.org",SMTP,"Lee, Ann (a,b@x.org)",,)q"), std::string::npos);
    const std::string tab = contactRecord('\t', "Ann\tLee", "a@x.org", "SMTP");
    EXPECT_EQ(tab.substr(0, 12), "\t\"Ann\tLee\"\t\t");
}

TEST(ContactsLayout, QuotesInsideQuotedValuesAreDoubled) {
    const std::string record = contactRecord(',', R"(Ann "Jo" Lee)", R"(a"@x)", "SMTP");
    EXPECT_EQ(record.substr(0, 20), R"(,"Ann ""Jo"" Lee",,,)");
    EXPECT_NE(record.find(R"q(,"a""@x",SMTP,"Ann ""Jo"" Lee (a""@x)",,)q"), std::string::npos);
    EXPECT_EQ(contactRecord(',', "\"", "", "SMTP").substr(0, 7), R"(,"""",,)");
}

TEST(ContactsLayout, CsvAndTabInAnyCaseChooseADelimiter) {
    EXPECT_EQ(delimiterFor("CSV"), ',');
    EXPECT_EQ(delimiterFor("TAB"), '\t');
    EXPECT_EQ(delimiterFor("csv"), ',');
    EXPECT_EQ(delimiterFor("tAb"), '\t');
    for (const char* other : {"", " CSV", "CSV ", "TXT", "cs"}) {
        EXPECT_EQ(delimiterFor(other), std::nullopt) << other;
    }
}

TEST(ContactsLayout, ExportTextIsHeaderThenRecordsEachEndedByCrLf) {
    const std::vector<ContactRow> rows = {{"Ann", "ann@x.org", ""}, {"Bo", "/o=X/cn=bo", "EX"}};
    for (const char* fileType : {"CSV", "TAB"}) {
        const char d = *delimiterFor(fileType);
        EXPECT_EQ(exportText(fileType, rows),
                  contactsHeaderLine(d) + "\r\n" + contactRecord(d, "Ann", "ann@x.org", "SMTP") +
                      "\r\n" + contactRecord(d, "Bo", "/o=X/cn=bo", "EX") + "\r\n");
        EXPECT_EQ(exportText(fileType, {}), "");
    }
    EXPECT_EQ(exportText("csv", rows), exportText("CSV", rows));
    // Any other file type writes nothing: it never reaches a file.
    EXPECT_EQ(exportText("", rows), "");
    EXPECT_EQ(exportText("txt", rows), "");
}

TEST(ContactsLayout, TypeIsQuotedOnlyWhenItWouldSplitTheRecord) {
    EXPECT_NE(contactRecord(',', "Ann", "a@x", "SMTP").find(R"(,"a@x",SMTP,)"), std::string::npos);
    EXPECT_NE(contactRecord('\t', "Ann", "a@x", "a,b").find("\t\"a@x\"\ta,b\t"), std::string::npos);
    EXPECT_NE(contactRecord(',', "Ann", "a@x", "x,\"y\"\r\nz").find(",\"x,\"\"y\"\"\r\nz\","),
              std::string::npos);
    EXPECT_NE(contactRecord('\t', "Ann", "a@x", "a\tb").find("\t\"a\tb\"\t"), std::string::npos);
}
