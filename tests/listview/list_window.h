#pragma once

#include "app/main_window.h"
#include "support/find_child.h"
#include "support/grid_cells.h"
#include "widgets/address_grid.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

// The real main window, shown, with helpers to fill the address grid and to click it the way
// the user does.
class ListWindow : public ::testing::Test {
protected:
    ListWindow() {
        form.show();
        child<AddressGrid>(form, names::addressGrid)->resetList();
    }

    quillet::widgets::AddressGrid& grid() { return *child<AddressGrid>(form, names::addressGrid); }

    // Appends rows "number, name, address" as the loader does (type empty).
    void addRows(std::initializer_list<std::pair<const char*, const char*>> rows) {
        for (const auto& [name, address] : rows) {
            quillet::test::appendRowText(
                grid(), QStringLiteral("%1\t%2\t%3\t")
                            .arg(grid().rows() + 1)
                            .arg(QString::fromUtf8(name), QString::fromUtf8(address)));
        }
    }

    // Rows "n, Person n, person.n@example.org" up to a row count of total.
    void fillTo(int total) {
        while (grid().rows() < total) {
            const int n = grid().rows() + 1;
            quillet::test::appendRowText(
                grid(), QStringLiteral("%1\tPerson %1\tperson.%1@example.org\t").arg(n));
        }
    }

    // A left click on the cell, scrolled into view first, as the user makes it.
    void clickCell(int row, int col) {
        ASSERT_LT(row, grid().rows());
        grid().scrollTo(grid().addresses().index(row, col));
        clickVisibleCell(row, col);
    }

    // A left click on a cell in view, without scrolling.
    void clickVisibleCell(int row, int col) {
        ASSERT_LT(row, grid().rows());
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                          quillet::test::cellRect(grid(), row, col).center());
    }

    // A left click into a widget; click reports of text boxes are queued behind the click.
    static void clickInto(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    QString banner() const { return child<StatusBanner>(form, names::statusBanner)->text(); }

    QStringList rowTexts(int row) {
        QStringList cells;
        for (int c = 0; c < quillet::core::kColumnCount; ++c) {
            cells.append(quillet::test::cellText(grid(), row, c));
        }
        return cells;
    }

    quillet::app::MainWindow form;
};
