#pragma once

#include <string>
#include <string_view>

namespace quillet::core {

// The status banner's product line; every composed banner text starts with it. It is the
// classic banner text that users and the Help texts know, so it stays as the program has always
// shown it, independent of the release version (core/version.h).
inline constexpr std::string_view kProductLine = "Quillet version .09c beta";

// Messages shown after the product line, each with its own fixed run of blanks.
enum class BannerMessage {
    Initial,               // "Click browse to begin." at start-up
    BrowsingForFile,       // "Browsing for File..."
    ClickBrowse,           // "Click browse to begin." once a file was chosen
    LoadingFile,           // "Loading file: 0% done."
    LoadingDomain,         // "Loading Domain Adresses: N% done."
    LoadingSmtpStart,      // "Loading SMTP Addresses: 0% done."
    LoadingSmtp,           // "Loading SMTP Adresses: N% done."
    RemovingDuplicates,    // "Detecting and Removing Duplicates..."
    ResolvingStart,        // "Resolving Names: 0% done."
    Resolving,             // "Resolving Names: N% done."
    Displaying,            // "Displaying List: N% done."
    DisplayingNoSelection, // "Displaying List: no file selection."
    ClickBrowseToBegin,    // "Click Browse to Begin!"
    ExportAborted,         // "Detected user aborted file export! File NOT exported."
};

// Product line + the message's blank run + the message; percent fills the "N" where there is one.
std::string bannerText(BannerMessage message, long percent = 0);

// A message of the program's own beyond the classic ones (what a reading missed, where it
// stopped): product line, the blank run those messages share, the message.
std::string bannerNote(std::string_view message);

// The flashing reading notice: with the marker it ends in "#", without it in a blank.
std::string pleaseWaitText(bool withMarker);

} // namespace quillet::core
