#include "support/recording_host.h"

#include "core/banner.h"

namespace quillet::testing {
namespace {

constexpr std::string_view kStatus = "status ";

} // namespace

void RecordingHost::setStatus(const std::string& bannerText) {
    events_.push_back(std::string(kStatus) + bannerText);
}

void RecordingHost::setEntryCount(long count) {
    lastCount_ = count;
    events_.push_back("count " + std::to_string(count));
}

void RecordingHost::wait(quillet::core::WaitTicks pause) {
    ++waits_;
    events_.push_back("wait " + std::to_string(pause.count()));
}

void RecordingHost::setBusy(bool busy) {
    events_.push_back(busy ? "busy on" : "busy off");
}

void RecordingHost::flashPleaseWait() {
    events_.push_back("notice");
}

void RecordingHost::enableButtons() {
    events_.push_back("enable");
}

void RecordingHost::appendRows(core::AddressRows rows) {
    for (const core::AddressRow& row : rows) {
        std::string text = row.number + '\t' + row.name + '\t' + row.address + '\t';
        if (!row.type.empty()) {
            text += row.type + '\t';
        }
        rows_.push_back(text);
        events_.push_back("row " + text);
    }
}

std::vector<std::string> RecordingHost::statuses() const {
    std::vector<std::string> texts;
    for (const std::string& event : events_) {
        if (event.starts_with(kStatus)) {
            texts.push_back(event.substr(kStatus.size()));
        }
    }
    return texts;
}

std::vector<std::string> RecordingHost::messages() const {
    std::vector<std::string> texts;
    for (std::string text : statuses()) {
        if (text.starts_with(core::kProductLine)) {
            const std::size_t message = text.find_first_not_of(' ', core::kProductLine.size());
            text = message == std::string::npos ? std::string() : text.substr(message);
        }
        texts.push_back(text);
    }
    return texts;
}

void RecordingHost::forgetEvents() {
    events_.clear();
}

} // namespace quillet::testing
