#include "core/banner.h"
#include "core/nk2_scan.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace std::string_literals;
using quillet::core::BannerMessage;
using quillet::core::bannerText;
using quillet::core::LoadContext;
using quillet::testing::RecordingHost;
using Texts = std::vector<std::string>;

namespace {

struct Scanned {
    Texts addresses;
    std::vector<long> locations;
    Texts messages;
    int steps = 0;
};

Scanned exchange(const std::string& file) {
    RecordingHost host;
    LoadContext load(file, host);
    quillet::core::exchangeScan(load);
    return {host.lists().exchangeFound.items(), {}, host.messages(), load.steps};
}

Scanned smtp(const std::string& file) {
    RecordingHost host;
    LoadContext load(file, host);
    quillet::core::smtpScan(load);
    return {host.lists().smtpFound.items(), host.lists().smtpLocations, host.messages(),
            load.steps};
}

std::string repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

} // namespace

TEST(ExchangeScan, TakesTheBytesAfterEitherMarkerThroughTheTerminator) {
    // Everything up to the terminator belongs to the address, NUL bytes included.
    EXPECT_EQ(exchange("/o=Org/ou=Site/cn=Recipients/cn=mary\0xyz\x02rest"s).addresses,
              (Texts{"mary\0xyz\x02"s}));
    // Only the two exact letter cases are markers.
    EXPECT_EQ(
        exchange("EX:/O=ORG/OU=SITE/CN=RECIPIENTS/CN=MARY\x02 Cn=Recipients/Cn=paul\x02").addresses,
        (Texts{"MARY\x02"}));
}

TEST(ExchangeScan, EachStepStartsOneByteIntoTheAddressJustStored) {
    // A marker inside an address is found again and gives a second, shorter address.
    EXPECT_EQ(exchange("xcn=Recipients/cn=ab cn=Recipients/cn=cd\x02").addresses,
              (Texts{"ab cn=Recipients/cn=cd\x02", "cd\x02"}));
    // A marker on the very byte after another is never found on its own.
    EXPECT_EQ(exchange("xcn=Recipients/cn=cn=Recipients/cn=ab\x02").addresses,
              (Texts{"cn=Recipients/cn=ab\x02"}));
}

TEST(ExchangeScan, FileEdges) {
    // The first search starts at position 2, so a marker on the first byte is missed.
    EXPECT_EQ(exchange("cn=Recipients/cn=ab\x02").addresses, Texts{});
    // A marker ending on the last byte is found; the address read past the end is empty.
    EXPECT_EQ(exchange("xx cn=Recipients/cn=").addresses, (Texts{""}));
    // An address without terminator runs to the end of the file.
    EXPECT_EQ(exchange("xcn=Recipients/cn=abc").addresses, (Texts{"abc"}));
    // ...but no further than the address limit, however long the file.
    const Scanned endless =
        exchange("x" + repeated("cn=Recipients/cn=" + std::string(300, 'a'), 40));
    ASSERT_EQ(endless.addresses.size(), 40u);
    EXPECT_EQ(endless.addresses.front().size(), quillet::core::kMaxAddressBytes);
    EXPECT_EQ(endless.addresses.back(), std::string(300, 'a'));
    // No marker: one step, nothing stored.
    const Scanned none = exchange("");
    EXPECT_EQ(none.addresses, Texts{});
    EXPECT_EQ(none.steps, 1);
}

TEST(ExchangeScan, BannerShowsThePositionAsPercentOfTheFile) {
    // 40 bytes, marker at position 2: step 1 at position 2 (5%), step 2 at 20 (50%).
    const std::string file = "xcn=Recipients/cn=a\x02" + std::string(20, '.');
    ASSERT_EQ(file.size(), 40u);
    EXPECT_EQ(exchange(file).messages,
              (Texts{"Loading file: 0% done.", "Loading Domain Adresses: 5% done.",
                     "Loading Domain Adresses: 50% done."}));
}

TEST(SmtpScan, StoresAddressAndItsLocation) {
    // Marker at position 100: the address starts at 105 and its location is 106.
    const Scanned scanned = smtp(std::string(99, '.') + "SMTP:ann@x.org\0\x02tail"s);
    EXPECT_EQ(scanned.addresses, (Texts{"ann@x.org\0\x02"s}));
    EXPECT_EQ(scanned.locations, (std::vector<long>{106}));
    // The terminator alone is a one-character address.
    EXPECT_EQ(smtp("xSMTP:\x02").addresses, (Texts{"\x02"}));
}

TEST(SmtpScan, PercentRoundsHalvesToEvenAndSmallFilesShowFifty) {
    // 256 bytes: positions 32 and 96 give exactly 12.5% and 37.5%.
    std::string file(256, '.');
    file.replace(25, 5, "SMTP:");  // marker at 26, next step at 32
    file.replace(89, 5, "SMTP:");  // marker at 90, next step at 96
    file.replace(199, 5, "SMTP:"); // marker at 200, next step at 206
    const Scanned scanned = smtp(file);
    EXPECT_EQ(scanned.messages,
              (Texts{"Loading SMTP Addresses: 0% done.", "Loading SMTP Adresses: 1% done.",
                     "Loading SMTP Adresses: 12% done.", "Loading SMTP Adresses: 38% done.",
                     "Loading SMTP Adresses: 80% done."}));
    EXPECT_EQ(smtp("xSMTP:a\x02SMTP:b\x02").messages,
              (Texts{"Loading SMTP Addresses: 0% done.", "Loading SMTP Adresses: 50% done.",
                     "Loading SMTP Adresses: 50% done.", "Loading SMTP Adresses: 50% done."}));
}

TEST(SmtpScan, ClearsTheLocationsOfTheLastScan) {
    RecordingHost host;
    host.lists().smtpLocations.push_back(12);
    const std::string file = "xSMTP:a\x02";
    LoadContext load(file, host);
    quillet::core::smtpScan(load);
    EXPECT_EQ(host.lists().smtpLocations, (std::vector<long>{8}));
}

TEST(StepLimits, SharedCounterStopsExchangeAt9000AndSmtpAfterPassingIt) {
    const std::string exchangeMarkers = "x" + repeated("cn=Recipients/cn=a\x02", 9500);
    const std::string smtpMarkers = "x" + repeated("SMTP:b\x02", 9500);

    EXPECT_EQ(exchange(exchangeMarkers).addresses.size(), 9000u);
    EXPECT_EQ(smtp(smtpMarkers).addresses.size(), 9001u);

    // With both types the SMTP scan continues the count and stops after its first step.
    RecordingHost host;
    const std::string both = exchangeMarkers + smtpMarkers;
    LoadContext load(both, host);
    quillet::core::exchangeScan(load);
    quillet::core::smtpScan(load);
    EXPECT_EQ(host.lists().exchangeFound.listCount(), 9000u);
    EXPECT_EQ(host.lists().smtpFound.listCount(), 1u);
    EXPECT_EQ(load.steps, 9001);
}

TEST(StepLimits, EveryStepPausesOnceAndShowsItsBanner) {
    RecordingHost host;
    const std::string file = "xSMTP:a\x02";
    LoadContext load(file, host);
    quillet::core::smtpScan(load);
    EXPECT_EQ(host.events(),
              (Texts{"busy on", "status " + bannerText(BannerMessage::LoadingSmtpStart), "busy on",
                     "wait 1", "status " + bannerText(BannerMessage::LoadingSmtp, 50), "count 1",
                     "busy on", "wait 1", "status " + bannerText(BannerMessage::LoadingSmtp, 50)}));
}
