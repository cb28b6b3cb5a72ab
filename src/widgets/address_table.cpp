#include "widgets/address_table.h"

#include "widgets/object_names.h"

#include <QLabel>

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

} // namespace quillet::widgets
