#include "core/banner.h"
#include "core/file_bytes.h"
#include "core/nk2_load.h"
#include "core/nk2_scan.h"
#include "nk2_generator.h"
#include "support/load_options.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace std::string_literals;
using quillet::core::BannerMessage;
using quillet::core::bannerText;
using quillet::core::loadNk2;
using quillet::core::LoadOptions;
using quillet::testing::kBoth;
using quillet::testing::kDomainOnly;
using quillet::testing::kSmtpOnly;
using quillet::testing::RecordingHost;
using Texts = std::vector<std::string>;

namespace {

std::string status(BannerMessage message, long percent = 0) {
    return "status " + bannerText(message, percent);
}

std::string sampleBytes() {
    const auto sample = quillet::core::readFileBytes(QUILLET_EXAMPLES_DIR "/sample.nk2");
    EXPECT_TRUE(sample.ok) << sample.reason;
    return sample.bytes;
}

Texts load(const std::string& file, const LoadOptions& options) {
    RecordingHost host;
    loadNk2(file, options, host);
    return host.rows();
}

const Texts kSampleRows = {
    "1\tPJONES\tPJONES\t",
    "2\tAMULLER\tAMULLER\t",
    "3\trtanaka\trtanaka\t",
    "4\tMary Smith\tMARY.SMITH@EXAMPLE.ORG\t",
    "5\tJosé Núñez\tJOSE.NUNEZ@EXAMPLE.ES\t",
    "6\tŁukasz Żak\tLUKASZ.ZAK@EXAMPLE.PL\t",
    "7\t王芳\tWANG.FANG@EXAMPLE.CN\t",
    "8\tTom O'Brien\tTOM@OBRIEN.EXAMPLE.IE\t",
    "9\tΑλέξης Παππάς\tALEXIS@EXAMPLE.GR\t",
    "10\tZoë Dubois\tZOE.DUBOIS@EXAMPLE.FR\t",
    "11\tBjörn Ström\tBJORN.STROM@EXAMPLE.SE\t",
    "12\tHelp Desk\tHELPDESK@EXAMPLE.ORG\t",
};

} // namespace

TEST(Nk2Load, ReportsEveryStepInOrder) {
    RecordingHost host;
    loadNk2("xSMTP:a@b\x02", kSmtpOnly, host);
    const std::string shown = status(BannerMessage::Displaying, 100);
    EXPECT_EQ(host.events(),
              (Texts{// SMTP scan: one stored address, then a step that finds no marker.
                     "busy on", status(BannerMessage::LoadingSmtpStart), "busy on", "wait 1",
                     status(BannerMessage::LoadingSmtp, 50), "count 1", "busy on", "wait 1",
                     status(BannerMessage::LoadingSmtp, 50),
                     // Name step: (k + 2) / n runs past 100; no name marker gives no name.
                     "busy on", status(BannerMessage::ResolvingStart), "busy on", "wait 1",
                     status(BannerMessage::Resolving, 200), "count 1", "count 1",
                     // Closing step: the address, the empty item closing the SMTP part, and the
                     // round past the end; the percent is held at 100.
                     "busy off", "notice", "enable", "status Finished reading file...",
                     "row 1\t\ta@b\x02\t", "count 2", "wait 1", shown, "count 2", "wait 1", shown,
                     "count 2", "wait 1", shown, "enable", "count 1"}));
}

TEST(Nk2Load, FinishingWithoutAFileAddsNothing) {
    RecordingHost host;
    quillet::core::finishWithoutFile(host);
    EXPECT_EQ(host.events(),
              (Texts{"busy off", "notice", "enable", "status Finished reading file...", "count 1",
                     "wait 1", status(BannerMessage::DisplayingNoSelection), "enable", "count 0"}));

    loadNk2(sampleBytes(), kBoth, host);
    quillet::core::finishWithoutFile(host);
    EXPECT_EQ(host.rows().size(), 12u);
    EXPECT_EQ(host.lastEntryCount(), 12);
    EXPECT_EQ(host.messages().back(), "Displaying List: no file selection.");
}

TEST(Nk2Load, CheckedInSampleLoadsToItsRows) {
    const std::string bytes = sampleBytes();
    EXPECT_EQ(bytes, quillet::testdata::nk2File(quillet::testdata::sampleEntries()))
        << "examples/sample.nk2 is no longer what make-nk2 sample writes";
    EXPECT_EQ(load(bytes, kBoth), kSampleRows);
}

TEST(Nk2Load, TypeBoxesChooseScansAndNames) {
    const std::string bytes = sampleBytes();
    const Texts smtpRows = load(bytes, kSmtpOnly);
    ASSERT_EQ(smtpRows.size(), 9u);
    EXPECT_EQ(smtpRows.front(), "1\tMary Smith\tMARY.SMITH@EXAMPLE.ORG\t");
    EXPECT_EQ(smtpRows.back(), "9\tHelp Desk\tHELPDESK@EXAMPLE.ORG\t");

    EXPECT_EQ(load(bytes, kDomainOnly), (Texts{kSampleRows.begin(), kSampleRows.begin() + 3}));

    // The hidden switches: no SMTP names, no Exchange names.
    const Texts unnamed = load(bytes, {true, true, false, false});
    ASSERT_EQ(unnamed.size(), 12u);
    EXPECT_EQ(unnamed[0], "1\t\tPJONES\t");
    EXPECT_EQ(unnamed[3], "4\t\tMARY.SMITH@EXAMPLE.ORG\t");
}

TEST(Nk2Load, SecondLoadNumbersOnAndOnlySmtpLocationsRemain) {
    RecordingHost host;
    loadNk2(sampleBytes(), kBoth, host);
    loadNk2(sampleBytes(), kBoth, host);
    ASSERT_EQ(host.rows().size(), 24u);
    EXPECT_EQ(host.rows()[12], "13\tPJONES\tPJONES\t");
    EXPECT_EQ(host.lastEntryCount(), 24);

    const auto& lists = host.lists();
    EXPECT_EQ(lists.smtpLocations.size(), 9u);
    for (const auto* emptied : {&lists.addresses, &lists.exchangeUnique, &lists.exchangeFound,
                                &lists.smtpNames, &lists.smtpFound, &lists.names}) {
        EXPECT_TRUE(emptied->empty());
    }
}

TEST(Nk2Load, NulCutsTextsBeforeRowsAreMadeAndTabsStayInThem) {
    EXPECT_EQ(
        load(quillet::testdata::nk2File(quillet::testdata::entriesWithNulAndTab()), kBoth),
        (Texts{"1\tCY\tCY\t", "2\tAnn\tLee\tANN.LEE@EXAMPLE.ORG\t", "3\tBob\tBOB@EXAMPLE.ORG\t",
               "4\tTab Address\tTAB\tADDR@EXAMPLE.ORG\t", "5\tNul Address\tNUL\t",
               "6\tWide\tTab\tWIDE.TAB@EXAMPLE.ORG\t", "7\t\tNAMELESS@EXAMPLE.ORG\t"}));
    // Name and address both empty once cut at the NUL: no row at all.
    EXPECT_EQ(load("xcn=Recipients/cn=\0junk\x02"s, kDomainOnly), Texts{});
    // Windows-1252 bytes become UTF-8.
    EXPECT_EQ(load("xcn=Recipients/cn=ren\xE9\0\x02"s, kDomainOnly),
              (Texts{"1\tren\u00E9\tren\u00E9\t"}));
}

TEST(Nk2Load, DisplayBannerFollowsTheRowNumber) {
    std::string file = "x";
    for (int i = 0; i < 100; ++i) {
        file += "cn=Recipients/cn=user" + std::to_string(i) + "\x02";
    }
    // The scan's last percent carries into the display; padding keeps it below 100.
    file += std::string(file.size(), '.');
    RecordingHost host;
    loadNk2(file, kDomainOnly, host);
    EXPECT_EQ(host.rows().size(), 100u);
    Texts display;
    for (const std::string& message : host.messages()) {
        if (message.starts_with("Displaying")) {
            display.push_back(message);
        }
    }
    // 102 items (the addresses and two closing empty items), 103 rounds; 1/102 rounds to 1.
    ASSERT_EQ(display.size(), 103u);
    EXPECT_EQ(display[0], "Displaying List: no file selection.");
    EXPECT_EQ(display[1], "Displaying List: 2% done.");
    EXPECT_EQ(display.back(), "Displaying List: 99% done.");
}

TEST(Nk2Load, HostileFilesLoadWithoutHarm) {
    std::vector<std::string> files = {
        "",
        "\x02",
        "SMTP:",
        "cn=Recipients/cn=",
        std::string(60, '\xA4'),
        quillet::testdata::fileWithoutTerminators(quillet::testdata::sampleEntries())};
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        files.push_back(quillet::testdata::hostileRandomFile(seed * 97, seed));
    }
    for (const std::string& file : files) {
        for (const LoadOptions& options :
             {kBoth, kSmtpOnly, kDomainOnly, LoadOptions{false, false}}) {
            RecordingHost host;
            loadNk2(file, options, host);
            const auto& lists = host.lists();
            EXPECT_TRUE(lists.addresses.empty() && lists.names.empty() &&
                        lists.exchangeFound.empty() && lists.smtpFound.empty());
            EXPECT_EQ(host.lastEntryCount(), static_cast<long>(host.rows().size()));
            // Name and address are each at most one address long, every byte at most three
            // bytes of UTF-8.
            for (const std::string& row : host.rows()) {
                EXPECT_LE(row.size(), 6 * quillet::core::kMaxAddressBytes + 16);
            }
        }
    }
}
