#pragma once

#include "core/file_identity.h"
#include "core/scratch_list.h"

#include <QObject>

class QLabel;

namespace quillet::widgets {

class AddressGrid;

// What the features share about the address list: the grid, the "Entries Read" count beside it,
// the loader's working lists, which live between loads, and the files loaded.
class AddressTable : public QObject {
    Q_OBJECT

public:
    AddressTable(AddressGrid& grid, QLabel& entryCount, QObject* parent);

    AddressGrid& grid() const { return grid_; }
    core::LoadLists& lists() { return lists_; }
    // Every file loaded since the last Clear: an export may not write into one of them.
    core::FileIdentities& loadedFiles() { return loadedFiles_; }

    void setEntryCount(long count);
    QString entryCountText() const;

private:
    AddressGrid& grid_;
    QLabel& entryCount_;
    core::LoadLists lists_;
    core::FileIdentities loadedFiles_;
};

} // namespace quillet::widgets
