#pragma once

#include "core/address_row.h"
#include "core/loader_host.h"

namespace quillet::core {

// The loader's host without a window (converter, benchmarks, fuzzing): no pauses, no banner,
// just the rows.
class HeadlessHost : public LoaderHost {
public:
    void setStatus(const std::string&) override {}
    void setEntryCount(long) override {}
    void wait(WaitTicks) override {}
    void setBusy(bool) override {}
    void flashPleaseWait() override {}
    void enableButtons() override {}
    void appendRows(AddressRows rows) override;
    void expectRows(std::size_t count) override { rows_.reserve(rows_.size() + count); }
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    LoadLists& lists() override { return lists_; }

    const AddressRows& rows() const { return rows_; }

private:
    AddressRows rows_;
    LoadLists lists_;
};

} // namespace quillet::core
