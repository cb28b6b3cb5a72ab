#include "banner.h"

namespace quillet::core {
namespace {

struct Entry {
    int blanks;
    std::string_view before; // text before the percent, or the whole message
    std::string_view after;  // text after the percent; empty when the message has none
    bool hasPercent;
};

Entry entryFor(BannerMessage message) {
    switch (message) {
    case BannerMessage::Initial:
        return {103, "Click browse to begin.", "", false};
    case BannerMessage::BrowsingForFile:
        return {141, "Browsing for File...", "", false};
    case BannerMessage::ClickBrowse:
        return {129, "Click browse to begin.", "", false};
    case BannerMessage::LoadingFile:
        return {133, "Loading file: 0% done.", "", false};
    case BannerMessage::LoadingDomain:
        return {106, "Loading Domain Adresses: ", "% done.", true};
    case BannerMessage::LoadingSmtpStart:
        return {123, "Loading SMTP Addresses: 0% done.", "", false};
    case BannerMessage::LoadingSmtp:
        return {108, "Loading SMTP Adresses: ", "% done.", true};
    case BannerMessage::RemovingDuplicates:
        return {106, "Detecting and Removing Duplicates...", "", false};
    case BannerMessage::ResolvingStart:
        return {130, "Resolving Names: 0% done.", "", false};
    case BannerMessage::Resolving:
        return {114, "Resolving Names: ", "% done.", true};
    case BannerMessage::Displaying:
        return {114, "Displaying List: ", "% done.", true};
    case BannerMessage::DisplayingNoSelection:
        return {114, "Displaying List: no file selection.", "", false};
    case BannerMessage::ClickBrowseToBegin:
        return {131, "Click Browse to Begin!", "", false};
    case BannerMessage::ExportAborted:
        return {107, "Detected user aborted file export! File NOT exported.", "", false};
    }
    return {0, "", "", false};
}

} // namespace

std::string bannerText(BannerMessage message, long percent) {
    const Entry e = entryFor(message);
    std::string text(kProductLine);
    text.append(static_cast<std::size_t>(e.blanks), ' ');
    text += e.before;
    if (e.hasPercent) {
        text += std::to_string(percent);
        text += e.after;
    }
    return text;
}

std::string bannerNote(std::string_view message) {
    constexpr std::size_t kNoteBlanks = 106;
    std::string text(kProductLine);
    text.append(kNoteBlanks, ' ');
    text += message;
    return text;
}

std::string pleaseWaitText(bool withMarker) {
    std::string text = "Quillet version .09 beta";
    text.append(89, ' ');
    text += "Please wait while reading file ";
    text += withMarker ? '#' : ' ';
    return text;
}

} // namespace quillet::core
