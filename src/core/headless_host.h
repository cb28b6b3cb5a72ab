#pragma once

#include "core/loader_host.h"
#include "core/row_text.h"

#include <array>
#include <string>
#include <vector>

namespace quillet::core {

using GridRow = std::array<std::string, kGridColumns>;

// The loader's host without a window (converter, benchmarks, fuzzing): no pauses, no banner,
// just the grid's rows, split into their four cells the way the window's grid splits them.
class HeadlessHost : public LoaderHost {
public:
    void setStatus(const std::string&) override {}
    void setEntryCount(long) override {}
    void wait(WaitTicks) override {}
    void setBusy(bool) override {}
    void flashPleaseWait() override {}
    void enableButtons() override {}
    void appendRow(const std::string& tabJoined) override;
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    LoadLists& lists() override { return lists_; }

    const std::vector<GridRow>& rows() const { return rows_; }

private:
    std::vector<GridRow> rows_;
    LoadLists lists_;
};

} // namespace quillet::core
