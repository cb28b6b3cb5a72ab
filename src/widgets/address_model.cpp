#include "widgets/address_model.h"

#include <iterator>

namespace quillet::widgets {

AddressModel::AddressModel(QObject* parent) : QAbstractTableModel(parent) {}

int AddressModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int AddressModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : core::kColumnCount;
}

QVariant AddressModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), columnAtIndex(index.column()));
    case Qt::BackgroundRole:
        return cellBackground_.isValid() ? QVariant(cellBackground_) : QVariant();
    case Qt::ForegroundRole:
        return cellText_.isValid() ? QVariant(cellText_) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags AddressModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString AddressModel::text(int row, core::Column column) const {
    if (!contains(row, column)) {
        return {};
    }
    return QString::fromStdString(rows_[static_cast<std::size_t>(row)][column]);
}

void AddressModel::setText(int row, core::Column column, const QString& text) {
    if (!contains(row, column)) {
        return;
    }
    core::AddressRow& cells = rows_[static_cast<std::size_t>(row)];
    cells[column] = core::cutAtNul(text.toStdString());
    cells.byHand = true;
    const QModelIndex changed = index(row, columnIndex(column));
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void AddressModel::setRow(int row, core::AddressRow cells) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    rows_[static_cast<std::size_t>(row)] = std::move(cells);
    emit dataChanged(index(row, 0), index(row, core::kColumnCount - 1), {Qt::DisplayRole});
}

void AddressModel::append(core::AddressRows rows) {
    if (rows.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    endInsertRows();
}

void AddressModel::remove(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void AddressModel::clear() {
    beginResetModel();
    core::AddressRows().swap(rows_); // the memory too: a cleared list may have been huge
    endResetModel();
}

bool AddressModel::contains(int row, core::Column column) const {
    return row >= 0 && row < rowCount() && columnIndex(column) >= 0 &&
           columnIndex(column) < core::kColumnCount;
}

void AddressModel::setCellColours(const QColor& background, const QColor& text) {
    cellBackground_ = background;
    cellText_ = text;
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, core::kColumnCount - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
    }
}

} // namespace quillet::widgets
