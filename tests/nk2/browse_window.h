#pragma once

#include "app/flex_grid.h"
#include "app/form1.h"
#include "app/mod_wait.h"
#include "app/qt_printers.h"
#include "app/temp_profile.h"
#include "core/banner.h"
#include "platform/file_dialog.h"

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
        app::modWait::setWaitUnit(std::chrono::nanoseconds(0));
        QObject::connect(&form, &app::Form1::bannerChanged,
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
        form.Command1_Click();
    }

    QString cell(int row, int col) const { return form.MSFlexGrid1->textMatrix(row, col); }
    int rows() const { return form.MSFlexGrid1->rows(); }
    bool buttonsEnabled() const { return form.Command1->isEnabled() && form.Command2->isEnabled(); }

    TempProfile profile; // before the window: it points the special folders elsewhere
    QTemporaryDir files;
    app::Form1 form;
    QStringList banners;
};

} // namespace quillet::test
