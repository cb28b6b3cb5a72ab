#include "core/nk2_scan.h"

#include "core/percent.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace quillet::core {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// The next place at or after a byte index where one of the markers (all of one length) begins.
// It looks for the byte all of them have at `pivot`, far rarer in these files than their first
// letters, and compares around each hit. Scan positions only grow, so a result stays valid until
// the scan passes it and each scan reads the file once.
class MarkerFinder {
public:
    MarkerFinder(std::string_view file, std::initializer_list<std::string_view> markers,
                 std::size_t pivot)
        : file_(file), markers_(markers), pivot_(pivot) {}

    std::size_t from(std::size_t index) {
        if (!known_ || next_ < index) {
            next_ = search(index);
            known_ = true;
        }
        return next_;
    }

private:
    std::size_t search(std::size_t index) const {
        const std::size_t length = markers_.front().size();
        const char key = markers_.front()[pivot_];
        for (std::size_t at = index + pivot_; at < file_.size(); ++at) {
            const void* hit = std::memchr(file_.data() + at, key, file_.size() - at);
            if (hit == nullptr) {
                break;
            }
            at = static_cast<std::size_t>(static_cast<const char*>(hit) - file_.data());
            // Most hits are some other '=' or ':'; a first byte that fits no marker rules them out
            // before the whole comparison.
            const std::string_view candidate = file_.substr(at - pivot_, length);
            if (std::ranges::any_of(markers_, [candidate](std::string_view marker) {
                    return marker.front() == candidate.front() && marker == candidate;
                })) {
                return at - pivot_;
            }
        }
        return kNotFound;
    }

    std::string_view file_;
    std::vector<std::string_view> markers_;
    std::size_t pivot_;
    std::size_t next_ = 0;
    bool known_ = false;
};

// The bytes from `first` up to and including the next terminator, or to the end of the file
// (or the address limit) when none follows.
std::string_view addressFrom(std::string_view file, std::size_t first) {
    if (first >= file.size()) {
        return {};
    }
    const std::string_view rest = file.substr(first, kMaxAddressBytes);
    const std::size_t end = rest.find(kTerminator);
    return end == kNotFound ? rest : rest.substr(0, end + 1);
}

// One search step per stored address, as both scans do it: count the step, move one position
// on, work out the percent, pause, show the banner, find the next marker and store the address
// behind it. `findMarker` maps a byte index to the next marker's index; `store` receives the
// address and the marker's 1-based position; `nextStep` decides on the new step counter.
template <typename Percent, typename FindMarker, typename Store, typename NextStep>
void searchSteps(LoadContext& load, BannerMessage message, std::size_t markerLength,
                 Percent percent, FindMarker findMarker, Store store, NextStep nextStep) {
    long position = 1;
    do {
        load.countStep();
        ++position;
        load.host.setBusy(true);
        percent(position);
        load.host.wait(WaitTicks(1));
        load.showStatus(message);
        const std::size_t marker = findMarker(static_cast<std::size_t>(position - 1));
        if (marker == kNotFound) {
            return;
        }
        const long markerPosition = static_cast<long>(marker) + 1;
        store(addressFrom(load.file, marker + markerLength), markerPosition);
        position = markerPosition + static_cast<long>(markerLength);
    } while (nextStep(load.steps));
}

} // namespace

void exchangeScan(LoadContext& load) {
    load.host.setBusy(true);
    load.showStatus(BannerMessage::LoadingFile);
    MarkerFinder markers(load.file, {kExchangeMarkerLower, kExchangeMarkerUpper}, 2); // '='
    searchSteps(
        load, BannerMessage::LoadingDomain, kExchangeMarkerLower.size(),
        [&](long position) {
            if (load.fileLength() > 0) {
                load.percent = percentOf(static_cast<double>(position),
                                         static_cast<double>(load.fileLength()));
            }
        },
        [&](std::size_t index) { return markers.from(index); },
        [&](std::string_view address, long) {
            load.lists.exchangeFound.addItem(std::string(address));
            load.host.setEntryCount(static_cast<long>(load.lists.exchangeFound.listCount()));
        },
        [](int steps) { return steps < kStepLimit; });
}

void smtpScan(LoadContext& load) {
    load.lists.smtpLocations.clear();
    load.host.setBusy(true);
    load.showStatus(BannerMessage::LoadingSmtpStart);
    MarkerFinder smtp(load.file, {kSmtpMarker}, 4); // ':'
    searchSteps(
        load, BannerMessage::LoadingSmtp, kSmtpMarker.size(),
        [&](long position) {
            // A file under 50 bytes shows 50 in every step.
            load.percent = load.fileLength() < 50
                               ? 50
                               : percentOf(static_cast<double>(position),
                                           static_cast<double>(load.fileLength()));
        },
        [&](std::size_t index) { return smtp.from(index); },
        [&](std::string_view address, long markerPosition) {
            load.lists.smtpFound.addItem(std::string(address));
            const long firstByte = markerPosition + static_cast<long>(kSmtpMarker.size());
            load.lists.smtpLocations.push_back(firstByte + 1);
            load.host.setEntryCount(static_cast<long>(load.lists.smtpFound.listCount()));
        },
        [](int steps) { return steps <= kStepLimit; });
}

} // namespace quillet::core
