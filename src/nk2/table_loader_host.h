#pragma once

#include "core/loader_host.h"
#include "nk2/browse_controls.h"
#include "nk2/repaint_throttle.h"

#include <chrono>

namespace quillet::nk2 {

// The loader's host in the main window: the banner, the entry count, the grid and the working
// lists, the cooperative wait (the window repainting and the grid laying out its appended rows
// at most once a frame meanwhile), and the hourglass as the application's override cursor.
class TableLoaderHost : public core::LoaderHost {
public:
    explicit TableLoaderHost(const BrowseControls& controls);
    ~TableLoaderHost() override;

    TableLoaderHost(const TableLoaderHost&) = delete;
    TableLoaderHost& operator=(const TableLoaderHost&) = delete;

    void setStatus(const std::string& bannerText) override;
    void setEntryCount(long count) override;
    void wait(core::WaitTicks pause) override;
    void setBusy(bool busy) override;
    void flashPleaseWait() override;
    void enableButtons() override;
    void appendRows(core::AddressRows rows) override;
    void expectRows(std::size_t count) override;
    bool pauseDue() const override;

    // The longest a load works before it pauses for the window.
    static constexpr std::chrono::milliseconds kSlice{25};
    int rowCount() const override;
    core::LoadLists& lists() override;

private:
    const BrowseControls& controls_;
    bool busyShown_ = false; // our override cursor is on the stack (at most one at a time)
    RepaintThrottle repaints_;
    std::chrono::steady_clock::time_point lastPause_ = std::chrono::steady_clock::now();
};

} // namespace quillet::nk2
