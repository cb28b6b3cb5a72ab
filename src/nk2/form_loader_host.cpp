#include "nk2/form_loader_host.h"

#include "app/flex_grid.h"
#include "app/form1.h"
#include "app/mod_wait.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace quillet::nk2 {

FormLoaderHost::~FormLoaderHost() {
    setBusy(false);
}

void FormLoaderHost::setStatus(const std::string& bannerText) {
    form_.setBanner(QString::fromStdString(bannerText));
}

void FormLoaderHost::setEntryCount(long count) {
    form_.Label5->setText(QString::number(count));
}

void FormLoaderHost::wait(std::int32_t count) {
    app::modWait::Wait(count);
}

void FormLoaderHost::setBusy(bool busy) {
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

void FormLoaderHost::readingNotice() {
    app::modWait::ReadingNotice(form_);
}

void FormLoaderHost::enableButtons() {
    form_.Command1->setEnabled(true);
    form_.Command2->setEnabled(true);
}

void FormLoaderHost::appendRow(const std::string& tabJoined) {
    form_.MSFlexGrid1->addItem(QString::fromStdString(tabJoined));
}

int FormLoaderHost::rowCount() const {
    return form_.MSFlexGrid1->rows();
}

core::ScratchLists& FormLoaderHost::lists() {
    return form_.lists;
}

} // namespace quillet::nk2
