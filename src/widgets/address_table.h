#pragma once

#include "core/file_identity.h"
#include "core/scratch_list.h"

#include <QObject>

class QLabel;
class QWidget;

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

    // Whether rows were added, edited or removed by hand since the last successful export (or
    // since the list was emptied). Loaded rows alone do not count: the file can be loaded again.
    bool hasUnexportedEdits() const { return unexportedEdits_; }
    void markEdited() { unexportedEdits_ = true; }
    void markExported() { unexportedEdits_ = false; }

    // True when the list may be thrown away: it holds no unexported edits, or the user said Yes
    // to the question "<what> anyway?" (No is the default).
    bool confirmDiscard(QWidget& window, const QString& what) const;

private:
    AddressGrid& grid_;
    QLabel& entryCount_;
    core::LoadLists lists_;
    bool unexportedEdits_ = false;
    core::FileIdentities loadedFiles_;
};

} // namespace quillet::widgets
