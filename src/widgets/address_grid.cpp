#include "widgets/address_grid.h"

#include "core/row_text.h"
#include "widgets/twips.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <limits>
#include <utility>

namespace quillet::widgets {
namespace {

const GridLook kAddressListLook{
    .fixedBackground = QColor(255, 255, 255),
    .outsideBackground = QColor(153, 153, 255),
    .selectedBackground = QColor(0, 0, 255),
    .selectedText = QColor(255, 255, 204),
    .cellBackground = QColor(255, 255, 255),
    .cellText = QColor(0, 0, 0),
    .gridLines = QColor(204, 204, 255),
};
constexpr int kColumnWidthsTwips[AddressGrid::kColumns] = {400, 3200, 4000, 500};
constexpr int kRowHeightTwips = 240;

QString cutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

} // namespace

AddressGrid::AddressGrid(QWidget* parent) : QTableWidget(0, kColumns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    heldLayoutTimer_.setSingleShot(true);
    heldLayoutTimer_.setTimerType(Qt::PreciseTimer);
    connect(&heldLayoutTimer_, &QTimer::timeout, this, [this] { runHeldLayout(); });
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(twipsToPixels(kRowHeightTwips, logicalDpiY()));
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // One cell at a time: Remove and the banner's "Selected C of R" act on the current row,
    // so the grid never highlights more than that row.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    connect(this, &QTableWidget::cellClicked, this, &AddressGrid::clickedByUser);
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

AddressGrid::~AddressGrid() {
    // The base classes still reset the contents while they are destroyed.
    model()->disconnect(this);
}

void AddressGrid::setRows(int count) {
    setRowCount(std::max(count, 0));
}

int AddressGrid::row() const {
    return std::max(currentRow(), 0);
}

int AddressGrid::col() const {
    return std::max(currentColumn(), 0);
}

void AddressGrid::setCurrent(int row, int col) {
    if (contains(row, col)) {
        setCurrentCell(row, col);
    }
}

int AddressGrid::rowSel() const {
    return selectionEnd().first;
}

int AddressGrid::colSel() const {
    return selectionEnd().second;
}

std::pair<int, int> AddressGrid::selectionEnd() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        return {row(), col()};
    }
    const QTableWidgetSelectionRange& range = ranges.first();
    return {range.topRow() == row() ? range.bottomRow() : range.topRow(),
            range.leftColumn() == col() ? range.rightColumn() : range.leftColumn()};
}

void AddressGrid::selectRange(int row, int col, int rowSel, int colSel) {
    if (!contains(row, col) || !contains(rowSel, colSel)) {
        return;
    }
    setCurrentCell(row, col, QItemSelectionModel::NoUpdate);
    clearSelection();
    setRangeSelected(QTableWidgetSelectionRange(std::min(row, rowSel), std::min(col, colSel),
                                                std::max(row, rowSel), std::max(col, colSel)),
                     true);
}

int AddressGrid::topRow() const {
    return std::max(rowAt(0), 0);
}

void AddressGrid::setTopRow(int row) {
    // Rows appended since the last layout are not yet in the scroll range.
    updateGeometries();
    verticalScrollBar()->setValue(row);
}

QString AddressGrid::textMatrix(int row, int col) const {
    if (!contains(row, col)) {
        return {};
    }
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void AddressGrid::setTextMatrix(int row, int col, const QString& text) {
    if (!contains(row, col)) {
        return;
    }
    if (QTableWidgetItem* cell = item(row, col)) {
        cell->setText(cutAtNul(text));
    } else {
        setItem(row, col, makeItem(text));
    }
}

void AddressGrid::addItem(const QString& tabJoined) {
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

void AddressGrid::doItemsLayout() {
    const auto now = std::chrono::steady_clock::now();
    const auto sinceLast = now - lastLayout_;
    if (layoutsFramed_ && onlyAppendedOutOfSight_ && sinceLast < kLayoutFrame) {
        layoutHeld_ = true;
        if (!heldLayoutTimer_.isActive()) {
            heldLayoutTimer_.start(
                std::chrono::ceil<std::chrono::milliseconds>(kLayoutFrame - sinceLast));
        }
        return;
    }
    lastLayout_ = now;
    layoutHeld_ = false;
    QWidget* cells = viewport();
    if (!std::exchange(onlyAppendedOutOfSight_, false) || !cells->updatesEnabled()) {
        QTableWidget::doItemsLayout();
        return;
    }
    cells->setAttribute(Qt::WA_UpdatesDisabled, true);
    QTableWidget::doItemsLayout();
    cells->setAttribute(Qt::WA_UpdatesDisabled, false);
}

void AddressGrid::setLayoutsFramed(bool framed) {
    layoutsFramed_ = framed;
    if (!framed) {
        runHeldLayout();
    }
}

void AddressGrid::runHeldLayout() {
    heldLayoutTimer_.stop();
    if (std::exchange(layoutHeld_, false)) {
        lastLayout_ = {};
        doItemsLayout();
    }
}

void AddressGrid::removeItem(int row) {
    if (row >= 0 && row < rowCount()) {
        removeRow(row);
    }
}

void AddressGrid::setLook(const GridLook& look) {
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

void AddressGrid::setColWidth(int col, int twips) {
    setColumnWidth(col, twipsToPixels(twips, logicalDpiX()));
}

void AddressGrid::reset() {
    setRows(0);
    setLook(kAddressListLook);
    for (int c = 0; c < kColumns; ++c) {
        setColWidth(c, kColumnWidthsTwips[c]);
    }
}

void AddressGrid::wheelStepUp() {
    if (wheelTopRow_ > 0) {
        --wheelTopRow_;
        setTopRow(wheelTopRow_);
    }
}

void AddressGrid::wheelStepDown() {
    if (wheelTopRow_ < rows() - 1 && wheelTopRow_ < std::numeric_limits<std::int16_t>::max()) {
        ++wheelTopRow_;
        setTopRow(wheelTopRow_);
    }
}

void AddressGrid::wheelFollowTopRow() {
    const int top = topRow();
    if (top != wheelTopRow_) {
        wheelTopRow_ =
            static_cast<std::int16_t>(std::min<int>(top, std::numeric_limits<std::int16_t>::max()));
    }
}

QTableWidgetItem* AddressGrid::makeItem(const QString& text) const {
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

bool AddressGrid::belowVisibleRows(int row) const {
    const int lastVisible = rowAt(viewport()->height() - 1); // -1: the rows end above the bottom
    return isVisible() && lastVisible >= 0 && row > lastVisible;
}

bool AddressGrid::contains(int row, int col) const {
    return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

} // namespace quillet::widgets
