#pragma once

#include "widgets/address_model.h"

#include <QColor>
#include <QTableView>
#include <QTimer>
#include <chrono>
#include <cstdint>

namespace quillet::widgets {

// The grid's colours, named after what they paint.
struct GridLook {
    QColor fixedBackground;    // heading cells (the address grid has none)
    QColor outsideBackground;  // the area below and right of the last cell
    QColor selectedBackground; // selected cells
    QColor selectedText;
    QColor cellBackground; // ordinary cells
    QColor cellText;
    QColor gridLines;
};

// A cell by row and column, both from 0.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// The address grid: a view without headings of the address list, which it owns. It selects one
// cell at a time, the current one; the banner and Remove act on its row.
class AddressGrid : public QTableView {
    Q_OBJECT

public:
    explicit AddressGrid(QWidget* parent = nullptr);
    ~AddressGrid() override;

    AddressModel& addresses() { return addresses_; }
    const AddressModel& addresses() const { return addresses_; }
    int rows() const { return addresses_.rowCount(); }

    // The current cell; (0, 0) while no cell is current. Setting one outside the list does
    // nothing.
    GridCell currentCell() const;
    void setCurrentCell(GridCell cell);
    QString currentText() const;
    void setCurrentText(const QString& text);

    // Makes `current` the current cell and selects the range from it to `corner`; does nothing
    // when either lies outside the list.
    void selectRange(GridCell current, GridCell corner);
    // The corner of the selected range opposite the current cell.
    GridCell selectionCorner() const;

    // The topmost visible row; setting it scrolls as far as the grid allows.
    int topRow() const;
    void setTopRow(int row);

    void setLook(const GridLook& look);
    const GridLook& look() const { return look_; }

    void setColumnWidthTwips(core::Column column, int twips);

    // Empties the list and gives the grid the address list's colours and column widths.
    void resetList();

    // The wheel scrolls by its own 16-bit row counter, which a click brings back to the grid's
    // top row. One step up or down moves the top row with it; past either end, or past the
    // counter's range, a step does nothing.
    std::int16_t wheelTopRow() const { return wheelTopRow_; }
    void setWheelTopRow(std::int16_t row) { wheelTopRow_ = row; }
    void wheelStepUp();
    void wheelStepDown();
    void wheelFollowTopRow();

    // The layout after appending rows below the visible ones leaves the visible cells as they
    // were: it updates the scroll bar without repainting them (each repaint costs about a
    // millisecond, and a load appends a row between every two pauses).
    void doItemsLayout() override;

    // While a load runs, that layout comes at most once a frame: one asked for sooner is held
    // until its frame ends, and runs at once when framing is turned off.
    void setLayoutsFramed(bool framed);
    static constexpr std::chrono::milliseconds kLayoutFrame{40};

signals:
    // The user clicked a cell; it is already the current cell.
    void clickedByUser();

private:
    bool contains(GridCell cell) const;
    bool belowVisibleRows(int row) const;
    void rowsComing(int first);
    void runHeldLayout();

    AddressModel addresses_;
    GridLook look_;
    bool appendingOutOfSight_ = false;    // rows about to be appended land below the visible ones
    bool onlyAppendedOutOfSight_ = false; // since the last layout
    bool layoutsFramed_ = false;
    bool layoutHeld_ = false;
    std::chrono::steady_clock::time_point lastLayout_{};
    QTimer heldLayoutTimer_;
    std::int16_t wheelTopRow_ = 0;
};

} // namespace quillet::widgets
