#include "widgets/address_table.h"

#include "platform/message_box.h"
#include "widgets/object_names.h"

#include <QLabel>
#include <QWidget>

namespace quillet::widgets {

AddressTable::AddressTable(AddressGrid& grid, QLabel& entryCount, QObject* parent)
    : QObject(parent), grid_(grid), entryCount_(entryCount) {
    setObjectName(QString::fromLatin1(names::addressTable));
}

void AddressTable::setEntryCount(long count) {
    entryCount_.setText(QString::number(count));
}

QString AddressTable::entryCountText() const {
    return entryCount_.text();
}

bool AddressTable::confirmDiscard(QWidget& window, const QString& what) const {
    if (!unexportedEdits_) {
        return true;
    }
    const QString text = QStringLiteral("The list holds entries added, edited or removed since "
                                        "the last export. They will be lost.\r\n\r\n") +
                         what + QStringLiteral(" anyway?");
    return platform::MessageBox::riskyQuestion(&window, window.windowTitle(), text) ==
           platform::MessageBox::Answer::Yes;
}

} // namespace quillet::widgets
