#pragma once

#include "core/loader_host.h"
#include "core/scratch_list.h"

#include <string>
#include <vector>

namespace quillet::testing {

// A LoaderHost that keeps everything the loader does, in order, as readable event lines
// ("status ...", "count 3", "wait 1", "busy on", "notice", "enable", "row ..."), and a grid
// made of the appended rows, each written as the text a load once joined it into: number,
// name and address each followed by a tab, then the type and a tab when it has one.
class RecordingHost : public core::LoaderHost {
public:
    void setStatus(const std::string& bannerText) override;
    void setEntryCount(long count) override;
    void wait(quillet::core::WaitTicks pause) override;
    void setBusy(bool busy) override;
    void flashPleaseWait() override;
    void enableButtons() override;
    void appendRows(core::AddressRows rows) override;
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    core::LoadLists& lists() override { return lists_; }

    const std::vector<std::string>& events() const { return events_; }
    const std::vector<std::string>& rows() const { return rows_; }
    std::vector<std::string> statuses() const;
    // The banner texts with the product line and blank run removed, for readable expectations.
    std::vector<std::string> messages() const;
    long lastEntryCount() const { return lastCount_; }
    int waits() const { return waits_; }
    void forgetEvents();

private:
    std::vector<std::string> events_;
    std::vector<std::string> rows_;
    core::LoadLists lists_;
    long lastCount_ = 0;
    int waits_ = 0;
};

} // namespace quillet::testing
