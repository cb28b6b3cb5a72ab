#include "core/banner.h"

#include <gtest/gtest.h>

using quillet::core::BannerMessage;
using quillet::core::bannerText;

namespace {

// The blanks between product line and message, counted back from the composed text.
std::size_t blanksBefore(const std::string& text, const std::string& message) {
    const std::string product = "Quillet version .09c beta";
    EXPECT_EQ(text.rfind(product, 0), 0u);
    EXPECT_TRUE(text.ends_with(message)) << text;
    return text.size() - product.size() - message.size();
}

} // namespace

TEST(Banner, EachMessageHasItsOwnBlankRun) {
    EXPECT_EQ(blanksBefore(bannerText(BannerMessage::Initial), "Click browse to begin."), 103u);
    EXPECT_EQ(blanksBefore(bannerText(BannerMessage::ClickBrowse), "Click browse to begin."), 129u);
    EXPECT_EQ(blanksBefore(bannerText(BannerMessage::LoadingDomain, 42),
                           "Loading Domain Adresses: 42% done."),
              106u);
    EXPECT_EQ(blanksBefore(bannerText(BannerMessage::LoadingSmtp, 100),
                           "Loading SMTP Adresses: 100% done."),
              108u);
    EXPECT_EQ(blanksBefore(bannerText(BannerMessage::Displaying, 7), "Displaying List: 7% done."),
              114u);
    EXPECT_EQ(blanksBefore(bannerText(BannerMessage::ClickBrowseToBegin), "Click Browse to Begin!"),
              131u);
    EXPECT_EQ(blanksBefore(bannerText(BannerMessage::ExportAborted),
                           "Detected user aborted file export! File NOT exported."),
              107u);
}

TEST(Banner, PleaseWaitUsesTheOlderProductLine) {
    const std::string lead = "Quillet version .09 beta" + std::string(89, ' ');
    EXPECT_EQ(quillet::core::pleaseWaitText(true), lead + "Please wait while reading file #");
    EXPECT_EQ(quillet::core::pleaseWaitText(false), lead + "Please wait while reading file  ");
}
