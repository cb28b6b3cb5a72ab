#pragma once

#include "core/address_row.h"

#include <QAbstractTableModel>
#include <QColor>

namespace quillet::widgets {

// The address list: one row per entry, four columns, no headings. The grid views it; loads,
// the list's commands, search and export change and read it here, never through the grid's
// cells. Rows are numbered from 0.
class AddressModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit AddressModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const core::AddressRows& rows() const { return rows_; }

    // A cell's text; outside the list, an empty text.
    QString text(int row, core::Column column) const;
    // Writing outside the list does nothing; the text is cut at its first NUL. The row then
    // counts as edited by hand.
    void setText(int row, core::Column column, const QString& text);
    // A row's cells replaced whole, as a reading improves them; outside the list: nothing.
    void setRow(int row, core::AddressRow cells);

    void append(core::AddressRows rows);
    void reserve(std::size_t more) { rows_.reserve(rows_.size() + more); }
    void remove(int row); // outside the list: nothing
    void clear();

    // What every cell is painted with; the area around them is the grid's.
    void setCellColours(const QColor& background, const QColor& text);

private:
    bool contains(int row, core::Column column) const;

    core::AddressRows rows_;
    QColor cellBackground_;
    QColor cellText_;
};

// The column's index in the model, and the column at an index.
constexpr int columnIndex(core::Column column) {
    return static_cast<int>(column);
}
constexpr core::Column columnAtIndex(int index) {
    return static_cast<core::Column>(index);
}

} // namespace quillet::widgets
