#pragma once

#include "core/address_row.h"
#include "core/scratch_list.h"
#include "core/wait_ticks.h"

#include <cstdint>
#include <string>
#include <utility>

namespace quillet::core {

// What the NK2 loader needs from whoever runs it: the main window, the converter, or a test
// recorder. Texts are UTF-8.
class LoaderHost {
public:
    virtual ~LoaderHost() = default;

    virtual void setStatus(const std::string& bannerText) = 0; // whole banner text
    virtual void setEntryCount(long count) = 0;
    virtual void wait(WaitTicks pause) = 0;        // cooperative pause
    virtual void setBusy(bool busy) = 0;           // hourglass pointer on or off
    virtual void flashPleaseWait() = 0;            // the reading notice: two texts, two waits
    virtual void enableButtons() = 0;              // Browse and Export usable again
    virtual void appendRows(AddressRows rows) = 0; // after the last row
    virtual void expectRows(std::size_t) {}        // about so many rows are coming
    // Whether a long loop should pause (wait) now, so that the window keeps answering: a window
    // says so once a slice of time has passed since the last pause, a host without one never.
    virtual bool pauseDue() const { return false; }
    virtual int rowCount() const = 0;
    virtual LoadLists& lists() = 0;

    void appendRow(AddressRow row) {
        AddressRows rows;
        rows.push_back(std::move(row));
        appendRows(std::move(rows));
    }
};

} // namespace quillet::core
