#include "app/flex_grid.h"

#include "app/twips.h"
#include "core/row_text.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace quillet::app {
namespace {

constexpr int kRowHeightTwips = 240;

QString cutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(0, kColumns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(twipsToPixels(kRowHeightTwips, logicalDpiY()));
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    connect(this, &QTableWidget::cellClicked, this, &FlexGrid::Click);
    // Any change to the grid's contents may need a full repaint at the next layout; addItem
    // marks its own appends afterwards.
    QAbstractItemModel* contents = model();
    const auto changed = [this] { onlyAppendedOutOfSight_ = false; };
    connect(contents, &QAbstractItemModel::dataChanged, this, changed);
    connect(contents, &QAbstractItemModel::rowsInserted, this, changed);
    connect(contents, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(contents, &QAbstractItemModel::rowsMoved, this, changed);
    connect(contents, &QAbstractItemModel::columnsInserted, this, changed);
    connect(contents, &QAbstractItemModel::columnsRemoved, this, changed);
    connect(contents, &QAbstractItemModel::columnsMoved, this, changed);
    connect(contents, &QAbstractItemModel::layoutChanged, this, changed);
    connect(contents, &QAbstractItemModel::modelReset, this, changed);
}

FlexGrid::~FlexGrid() {
    // The base classes still reset the contents while they are destroyed.
    model()->disconnect(this);
}

void FlexGrid::setRows(int count) {
    setRowCount(std::max(count, 0));
}

int FlexGrid::row() const {
    return std::max(currentRow(), 0);
}

int FlexGrid::col() const {
    return std::max(currentColumn(), 0);
}

void FlexGrid::setCurrent(int row, int col) {
    if (contains(row, col)) {
        setCurrentCell(row, col);
    }
}

int FlexGrid::rowSel() const {
    return selectionEnd().first;
}

int FlexGrid::colSel() const {
    return selectionEnd().second;
}

std::pair<int, int> FlexGrid::selectionEnd() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        return {row(), col()};
    }
    const QTableWidgetSelectionRange& range = ranges.first();
    return {range.topRow() == row() ? range.bottomRow() : range.topRow(),
            range.leftColumn() == col() ? range.rightColumn() : range.leftColumn()};
}

void FlexGrid::selectRange(int row, int col, int rowSel, int colSel) {
    if (!contains(row, col) || !contains(rowSel, colSel)) {
        return;
    }
    setCurrentCell(row, col, QItemSelectionModel::NoUpdate);
    clearSelection();
    setRangeSelected(QTableWidgetSelectionRange(std::min(row, rowSel), std::min(col, colSel),
                                                std::max(row, rowSel), std::max(col, colSel)),
                     true);
}

int FlexGrid::topRow() const {
    return std::max(rowAt(0), 0);
}

void FlexGrid::setTopRow(int row) {
    // Rows appended since the last layout are not yet in the scroll range.
    updateGeometries();
    verticalScrollBar()->setValue(row);
}

QString FlexGrid::textMatrix(int row, int col) const {
    if (!contains(row, col)) {
        return {};
    }
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (!contains(row, col)) {
        return;
    }
    if (QTableWidgetItem* cell = item(row, col)) {
        cell->setText(cutAtNul(text));
    } else {
        setItem(row, col, makeItem(text));
    }
}

void FlexGrid::addItem(const QString& tabJoined) {
    const auto cells = core::splitRowText(tabJoined.toStdString());
    const int newRow = rowCount();
    bool outOfSight = belowVisibleRows(newRow);
    if (outOfSight && !onlyAppendedOutOfSight_) {
        // Earlier changes get their full layout and repaint now, so the next layout is about
        // appended rows alone.
        executeDelayedItemsLayout();
        outOfSight = belowVisibleRows(newRow);
    }
    insertRow(newRow);
    for (int c = 0; c < kColumns; ++c) {
        setItem(newRow, c, makeItem(QString::fromStdString(cells[static_cast<std::size_t>(c)])));
    }
    onlyAppendedOutOfSight_ = outOfSight;
}

void FlexGrid::doItemsLayout() {
    QWidget* cells = viewport();
    if (!std::exchange(onlyAppendedOutOfSight_, false) || !cells->updatesEnabled()) {
        QTableWidget::doItemsLayout();
        return;
    }
    cells->setAttribute(Qt::WA_UpdatesDisabled, true);
    QTableWidget::doItemsLayout();
    cells->setAttribute(Qt::WA_UpdatesDisabled, false);
}

void FlexGrid::removeItem(int row) {
    if (row >= 0 && row < rowCount()) {
        removeRow(row);
    }
}

void FlexGrid::setLook(const GridLook& look) {
    look_ = look;
    QPalette p = palette();
    p.setColor(QPalette::Button, look.fixedBackground);
    p.setColor(QPalette::Base, look.outsideBackground);
    p.setColor(QPalette::Highlight, look.selectedBackground);
    p.setColor(QPalette::HighlightedText, look.selectedText);
    p.setColor(QPalette::Text, look.cellText);
    setPalette(p);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }").arg(look.gridLines.name()));
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (QTableWidgetItem* cell = item(r, c)) {
                cell->setBackground(look.cellBackground);
                cell->setForeground(look.cellText);
            }
        }
    }
}

void FlexGrid::setColWidth(int col, int twips) {
    setColumnWidth(col, twipsToPixels(twips, logicalDpiX()));
}

QTableWidgetItem* FlexGrid::makeItem(const QString& text) const {
    auto* cell = new QTableWidgetItem(cutAtNul(text));
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (look_.cellBackground.isValid()) {
        cell->setBackground(look_.cellBackground);
    }
    if (look_.cellText.isValid()) {
        cell->setForeground(look_.cellText);
    }
    return cell;
}

bool FlexGrid::belowVisibleRows(int row) const {
    const int lastVisible = rowAt(viewport()->height() - 1); // -1: the rows end above the bottom
    return isVisible() && lastVisible >= 0 && row > lastVisible;
}

bool FlexGrid::contains(int row, int col) const {
    return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

} // namespace quillet::app
