#include "platform/file_dialog.h"

#include "platform/path_resolver.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <optional>

namespace quillet::platform {
namespace {

std::optional<QString> nextFileName;
FileDialog::Request last;

std::optional<QString> takeNextFileName() {
    std::optional<QString> answer = nextFileName;
    nextFileName.reset();
    return answer;
}

} // namespace

QString FileDialog::getOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    last = {title, resolvePath(folder), filter};
    if (const std::optional<QString> answer = takeNextFileName()) {
        return *answer;
    }
    // Qt's own dialog matches the filter's patterns without regard to letter case, as every
    // pattern here does; a native one may not ("*.NK2" would hide "outlook.nk2").
    return QFileDialog::getOpenFileName(parent, title, last.folder, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& title, const QString& path,
                                    const QString& filter) {
    const QFileInfo proposed(path);
    last = {title, resolvePath(proposed.path()), filter};
    if (const std::optional<QString> answer = takeNextFileName()) {
        return *answer;
    }
    return QFileDialog::getSaveFileName(
        parent, title, QDir(last.folder).filePath(proposed.fileName()), filter, nullptr,
        QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
}

void FileDialog::setNextFileName(const QString& fileName) {
    nextFileName = fileName;
}

const FileDialog::Request& FileDialog::lastRequest() {
    return last;
}

} // namespace quillet::platform
