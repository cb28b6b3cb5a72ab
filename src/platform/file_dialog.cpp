#include "platform/file_dialog.h"

#include "platform/path_resolver.h"

#include <QFileDialog>
#include <optional>

namespace quillet::platform {
namespace {

std::optional<QString> nextFileName;
FileDialog::Request last;

} // namespace

QString FileDialog::getOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    last = {title, resolvePath(folder), filter};
    if (nextFileName) {
        const QString answer = *nextFileName;
        nextFileName.reset();
        return answer;
    }
    // Qt's own dialog matches the filter's patterns without regard to letter case, as every
    // pattern here does; a native one may not ("*.NK2" would hide "outlook.nk2").
    return QFileDialog::getOpenFileName(parent, title, last.folder, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void FileDialog::setNextFileName(const QString& fileName) {
    nextFileName = fileName;
}

const FileDialog::Request& FileDialog::lastRequest() {
    return last;
}

} // namespace quillet::platform
