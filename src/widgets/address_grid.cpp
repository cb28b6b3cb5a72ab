#include "widgets/address_grid.h"

#include "widgets/twips.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <array>
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
constexpr std::array<std::pair<core::Column, int>, core::kColumnCount> kColumnWidthsTwips = {{
    {core::Column::Number, 400},
    {core::Column::Name, 3200},
    {core::Column::Address, 4000},
    {core::Column::Type, 500},
}};
constexpr int kRowHeightTwips = 240;

} // namespace

AddressGrid::AddressGrid(QWidget* parent) : QTableView(parent) {
    setModel(&addresses_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    heldLayoutTimer_.setSingleShot(true);
    heldLayoutTimer_.setTimerType(Qt::PreciseTimer);
    connect(&heldLayoutTimer_, &QTimer::timeout, this, [this] { runHeldLayout(); });
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    // The face's full height, accents on capitals included, where the twips fall short of it.
    verticalHeader()->setDefaultSectionSize(
        std::max(twipsToPixels(kRowHeightTwips, logicalDpiY()), fontMetrics().height() + 2));
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // One cell at a time: Remove and the banner's "Selected C of R" act on the current row,
    // so the grid never highlights more than that row.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // Tab leaves the grid (thousands of cells to walk otherwise); the arrows move between cells.
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::clicked, this, &AddressGrid::clickedByUser);
    // Any change to the list may need a full repaint at the next layout; rows appended below
    // the visible ones alone do not.
    connect(&addresses_, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first) { rowsComing(first); });
    connect(&addresses_, &QAbstractItemModel::rowsInserted, this,
            [this] { onlyAppendedOutOfSight_ = appendingOutOfSight_; });
    const auto changed = [this] { onlyAppendedOutOfSight_ = false; };
    connect(&addresses_, &QAbstractItemModel::dataChanged, this, changed);
    connect(&addresses_, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&addresses_, &QAbstractItemModel::layoutChanged, this, changed);
    connect(&addresses_, &QAbstractItemModel::modelReset, this, changed);
}

AddressGrid::~AddressGrid() {
    // The list goes before the view's base classes, which would still reach it.
    addresses_.disconnect(this);
    setModel(nullptr);
}

GridCell AddressGrid::currentCell() const {
    const QModelIndex current = currentIndex();
    return {std::max(current.row(), 0), std::max(current.column(), 0)};
}

void AddressGrid::setCurrentCell(GridCell cell) {
    if (contains(cell)) {
        setCurrentIndex(addresses_.index(cell.row, cell.column));
    }
}

QString AddressGrid::currentText() const {
    const GridCell cell = currentCell();
    return addresses_.text(cell.row, columnAtIndex(cell.column));
}

void AddressGrid::setCurrentText(const QString& text) {
    const GridCell cell = currentCell();
    addresses_.setText(cell.row, columnAtIndex(cell.column), text);
}

void AddressGrid::selectRange(GridCell current, GridCell corner) {
    if (!contains(current) || !contains(corner)) {
        return;
    }
    selectionModel()->setCurrentIndex(addresses_.index(current.row, current.column),
                                      QItemSelectionModel::NoUpdate);
    const QModelIndex topLeft = addresses_.index(std::min(current.row, corner.row),
                                                 std::min(current.column, corner.column));
    const QModelIndex bottomRight = addresses_.index(std::max(current.row, corner.row),
                                                     std::max(current.column, corner.column));
    selectionModel()->select(QItemSelection(topLeft, bottomRight),
                             QItemSelectionModel::ClearAndSelect);
}

GridCell AddressGrid::selectionCorner() const {
    const GridCell current = currentCell();
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        return current;
    }
    const QItemSelectionRange& range = selection.first();
    return {range.top() == current.row ? range.bottom() : range.top(),
            range.left() == current.column ? range.right() : range.left()};
}

int AddressGrid::topRow() const {
    return std::max(rowAt(0), 0);
}

void AddressGrid::setTopRow(int row) {
    // Rows appended since the last layout are not yet in the scroll range.
    updateGeometries();
    verticalScrollBar()->setValue(row);
}

void AddressGrid::rowsComing(int first) {
    appendingOutOfSight_ = first == rows() && belowVisibleRows(first);
    if (appendingOutOfSight_ && !onlyAppendedOutOfSight_) {
        // Earlier changes get their full layout and repaint now, so the next layout is about
        // appended rows alone.
        executeDelayedItemsLayout();
        appendingOutOfSight_ = belowVisibleRows(first);
    }
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
        QTableView::doItemsLayout();
        return;
    }
    cells->setAttribute(Qt::WA_UpdatesDisabled, true);
    QTableView::doItemsLayout();
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
    addresses_.setCellColours(look.cellBackground, look.cellText);
}

void AddressGrid::setColumnWidthTwips(core::Column column, int twips) {
    setColumnWidth(columnIndex(column), twipsToPixels(twips, logicalDpiX()));
}

void AddressGrid::resetList() {
    addresses_.clear();
    setLook(kAddressListLook);
    for (const auto& [column, twips] : kColumnWidthsTwips) {
        setColumnWidthTwips(column, twips);
    }
    // Six-digit row numbers whole at any DPI; the name column gives up the room, so the grid
    // keeps its width. Besides the style's text margins the cell loses its grid line, and the
    // style's text area one pixel more.
    const int textMargins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    const int number = columnIndex(core::Column::Number);
    const int name = columnIndex(core::Column::Name);
    const int missing = fontMetrics().horizontalAdvance(QStringLiteral("999999")) + textMargins -
                        columnWidth(number);
    if (missing > 0) {
        setColumnWidth(number, columnWidth(number) + missing);
        setColumnWidth(name, columnWidth(name) - missing);
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

bool AddressGrid::belowVisibleRows(int row) const {
    const int lastVisible = rowAt(viewport()->height() - 1); // -1: the rows end above the bottom
    return isVisible() && lastVisible >= 0 && row > lastVisible;
}

bool AddressGrid::contains(GridCell cell) const {
    return cell.row >= 0 && cell.row < rows() && cell.column >= 0 &&
           cell.column < core::kColumnCount;
}

} // namespace quillet::widgets
