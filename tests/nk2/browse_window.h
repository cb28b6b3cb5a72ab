#pragma once

#include "app/main_window.h"
#include "core/banner.h"
#include "platform/cooperative_wait.h"
#include "platform/file_dialog.h"
#include "support/find_child.h"
#include "support/grid_cells.h"
#include "support/qt_printers.h"
#include "support/temp_profile.h"
#include "widgets/address_grid.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <string>

namespace quillet::test {

// The sample NK2 file a new user is pointed at.
inline const QString kSample = QStringLiteral(QUILLET_EXAMPLES_DIR "/sample.nk2");

inline QString bannerOf(core::BannerMessage message, long percent = 0) {
    return QString::fromStdString(core::bannerText(message, percent));
}

// The main window in a throw-away profile, with instant waits and every banner text recorded.
class BrowseWindow : public ::testing::Test {
protected:
    BrowseWindow() {
        platform::setWaitTickLength(std::chrono::nanoseconds(0));
        QObject::connect(child<StatusBanner>(form, names::statusBanner),
                         &StatusBanner::messageChanged,
                         [this](const QString& text) { banners << text; });
    }

    // Writes bytes to a new file in a temporary folder and returns its path.
    QString writeFile(const QString& name, const std::string& bytes) const {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    // Presses Browse with the dialog answering path (an empty path cancels it).
    void browse(const QString& path) {
        platform::FileDialog::setNextFileName(path);
        child<QPushButton>(form, names::browseButton)->click();
    }

    QString cell(int row, int col) const {
        return cellText(*child<AddressGrid>(form, names::addressGrid), row, col);
    }
    int rows() const { return child<AddressGrid>(form, names::addressGrid)->rows(); }
    bool buttonsEnabled() const {
        return child<QPushButton>(form, names::browseButton)->isEnabled() &&
               child<QPushButton>(form, names::exportButton)->isEnabled();
    }

    TempProfile profile; // before the window: it points the special folders elsewhere
    QTemporaryDir files;
    app::MainWindow form;
    QStringList banners;
};

} // namespace quillet::test
