#include "nk2/table_loader_host.h"

#include "platform/cooperative_wait.h"
#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/status_banner.h"

#include <QApplication>
#include <QPushButton>

namespace quillet::nk2 {

TableLoaderHost::TableLoaderHost(const BrowseControls& controls)
    : controls_(controls), repaints_(controls.window) {
    controls_.table.grid().setLayoutsFramed(true);
}

TableLoaderHost::~TableLoaderHost() {
    controls_.table.grid().setLayoutsFramed(false);
    setBusy(false);
}

void TableLoaderHost::setStatus(const std::string& bannerText) {
    controls_.banner.setMessage(QString::fromStdString(bannerText));
}

void TableLoaderHost::setEntryCount(long count) {
    controls_.table.setEntryCount(count);
}

void TableLoaderHost::wait(core::WaitTicks pause) {
    platform::wait(pause);
    lastPause_ = std::chrono::steady_clock::now();
}

bool TableLoaderHost::pauseDue() const {
    return std::chrono::steady_clock::now() - lastPause_ >= kSlice;
}

void TableLoaderHost::setBusy(bool busy) {
    // The loader asks for the hourglass at every step; Qt stacks override cursors, so only
    // the first request sets one and only the matching release restores it.
    if (busy == busyShown_) {
        return;
    }
    busyShown_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TableLoaderHost::flashPleaseWait() {
    controls_.banner.flashPleaseWait();
}

void TableLoaderHost::enableButtons() {
    controls_.browseButton.setEnabled(true);
    controls_.exportButton.setEnabled(true);
}

void TableLoaderHost::appendRows(core::AddressRows rows) {
    controls_.table.grid().addresses().append(std::move(rows));
}

void TableLoaderHost::expectRows(std::size_t count) {
    controls_.table.grid().addresses().reserve(count);
}

int TableLoaderHost::rowCount() const {
    return controls_.table.grid().rows();
}

core::LoadLists& TableLoaderHost::lists() {
    return controls_.table.lists();
}

} // namespace quillet::nk2
