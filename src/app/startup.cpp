#include "app/main_window.h"
#include "app/main_window_view.h"
#include "app/wheel_filter.h"
#include "platform/cooperative_wait.h"
#include "platform/file_search.h"
#include "platform/folder_search.h"
#include "platform/special_folders.h"
#include "widgets/address_grid.h"
#include "widgets/status_banner.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

// Start-up: the window's last preparations, then the search for the user's NK2 file.
namespace quillet::app {
namespace {

constexpr core::WaitTicks kMessagePause(20000); // 2 s per detection message

const QString kPattern = QStringLiteral("*.NK2");

} // namespace

void MainWindow::start() {
    show();
    view_->addressGrid->resetList();
    if (!wheelInstalled_) {
        new WheelFilter(*this, *view_->addressGrid, *view_->fileTypeBox);
        wheelInstalled_ = true;
    }
    view_->addressGrid->setWheelTopRow(0);
    view_->fileTypeBox->addItem(QStringLiteral("CSV"));
    view_->fileTypeBox->addItem(QStringLiteral("TAB"));
    view_->fileTypeBox->addItem(QStringLiteral("VCF"));

    const QString exportFile =
        platform::specialFolderWithSeparator(platform::SpecialFolder::Documents) +
        QStringLiteral("quillet.csv");
    if (view_->exportPathEdit->text().isEmpty()) {
        view_->exportPathEdit->setText(exportFile);
    }
    detectNk2File();
}

void MainWindow::detectNk2File() {
    widgets::StatusBanner& banner = *view_->statusBanner;
    const QString sep = QDir::separator();
    const QString appData = platform::specialFolderWithSeparator(platform::SpecialFolder::AppData);
    const QString outlookFolder =
        appData + QStringLiteral("Microsoft") + sep + QStringLiteral("Outlook") + sep;

    banner.setMessage(outlookFolder);
    if (!platform::matchingFiles(outlookFolder, kPattern).isEmpty()) {
        banner.setMessage(QStringLiteral("Detected File:"));
        platform::wait(kMessagePause);
        banner.setMessage(outlookFolder + kPattern);
        platform::wait(kMessagePause);
        banner.setMessage(core::BannerMessage::ClickBrowseToBegin);
        return;
    }

    banner.setMessage(QStringLiteral("Searching for NK2 Path..."));
    platform::wait(kMessagePause);
    QString root = appData + QStringLiteral("Microsoft");
    QString pattern = kPattern;
    if (platform::findFolderWithFile(root, pattern).isEmpty()) {
        banner.setMessage(
            QStringLiteral("Could not find NK2 file in profile path. Use 'Browse' manually."));
        return;
    }
    banner.setMessage(QStringLiteral("Found an NK2 file! Displaying location..."));
    platform::wait(kMessagePause);
    banner.setMessage(platform::findFolderWithFile(root, pattern));
    platform::wait(kMessagePause);
    banner.setMessage(QStringLiteral("Press 'Browse' to open the detected NK2 file."));
}

} // namespace quillet::app
