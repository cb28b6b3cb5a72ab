#pragma once

#include "core/address_row.h"
#include "widgets/address_grid.h"

#include <QString>

// Reaching the address grid's rows from tests by row and column number.
namespace quillet::test {

inline QString cellText(const widgets::AddressGrid& grid, int row, int column) {
    return grid.addresses().text(row, widgets::columnAtIndex(column));
}

inline void setCellText(widgets::AddressGrid& grid, int row, int column, const QString& text) {
    grid.addresses().setText(row, widgets::columnAtIndex(column), text);
}

// Appends a row written as its cells joined by tabs.
inline void appendRowText(widgets::AddressGrid& grid, const QString& tabJoined) {
    grid.addresses().append({core::rowFromText(tabJoined.toStdString())});
}

// Where the cell is on the grid's viewport.
inline QRect cellRect(const widgets::AddressGrid& grid, int row, int column) {
    return grid.visualRect(grid.addresses().index(row, column));
}

} // namespace quillet::test
