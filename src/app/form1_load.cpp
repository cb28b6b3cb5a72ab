#include "app/find_file.h"
#include "app/form1.h"
#include "app/mod_wait.h"
#include "app/special_folder.h"
#include "platform/file_search.h"
#include "platform/special_folders.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

namespace quillet::app {
namespace {

constexpr std::int32_t kMessagePause = 20000; // 2 s per detection message

const QString kPattern = QStringLiteral("*.NK2");

} // namespace

void Form1::Form_Load() {
    show();
    resetGrid();
    installWheelScrolling();
    GridTopRow = 0;
    Combo1->addItem(QStringLiteral("CSV"));
    Combo1->addItem(QStringLiteral("TAB"));

    const QString sep = QDir::separator();
    const QString outlookFolder = GetSpecialFolder(platform::AppData) +
                                  QStringLiteral("Microsoft") + sep + QStringLiteral("Outlook") +
                                  sep;
    const QString exportFile =
        GetSpecialFolder(platform::Documents) + QStringLiteral("quillet.csv");
    if (Text1->text().isEmpty()) {
        Text1->setText(exportFile);
    }

    setBanner(outlookFolder);
    if (!platform::matchingFiles(outlookFolder, kPattern).isEmpty()) {
        setBanner(QStringLiteral("Detected File:"));
        modWait::Wait(kMessagePause);
        setBanner(outlookFolder + kPattern);
        modWait::Wait(kMessagePause);
        setBanner(core::BannerMessage::ClickBrowseToBegin);
        return;
    }

    setBanner(QStringLiteral("Searching for NK2 Path..."));
    modWait::Wait(kMessagePause);
    QString root = GetSpecialFolder(platform::AppData) + QStringLiteral("Microsoft");
    QString pattern = kPattern;
    if (FindFile(root, pattern).isEmpty()) {
        setBanner(
            QStringLiteral("Could not find NK2 file in profile path. Use 'Browse' manually."));
        return;
    }
    setBanner(QStringLiteral("Found an NK2 file! Displaying location..."));
    modWait::Wait(kMessagePause);
    setBanner(FindFile(root, pattern));
    modWait::Wait(kMessagePause);
    setBanner(QStringLiteral("Press 'Browse' to open the detected NK2 file."));
}

} // namespace quillet::app
