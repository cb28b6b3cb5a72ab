#pragma once

#include "core/loader_host.h"

namespace quillet::app {
class Form1;
}

namespace quillet::nk2 {

// The loader's host in the main window: the banner, the entry count, the grid and the scratch
// lists of Form1, the cooperative Wait, and the hourglass as the application's override cursor.
class FormLoaderHost : public core::LoaderHost {
public:
    explicit FormLoaderHost(app::Form1& form) : form_(form) {}
    ~FormLoaderHost() override;

    FormLoaderHost(const FormLoaderHost&) = delete;
    FormLoaderHost& operator=(const FormLoaderHost&) = delete;

    void setStatus(const std::string& bannerText) override;
    void setEntryCount(long count) override;
    void wait(std::int32_t count) override;
    void setBusy(bool busy) override;
    void readingNotice() override;
    void enableButtons() override;
    void appendRow(const std::string& tabJoined) override;
    int rowCount() const override;
    core::ScratchLists& lists() override;

private:
    app::Form1& form_;
    bool busyShown_ = false; // our override cursor is on the stack (at most one at a time)
};

} // namespace quillet::nk2
