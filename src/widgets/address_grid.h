#pragma once

#include <QColor>
#include <QString>
#include <QTableWidget>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <utility>

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

// The address grid: a table without headings whose rows are appended from tab-joined text.
// Rows and columns are numbered from 0. No cell ever holds a NUL character: text written into
// a cell is cut at its first NUL.
class AddressGrid : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 4;

    explicit AddressGrid(QWidget* parent = nullptr);
    ~AddressGrid() override;

    int rows() const { return rowCount(); }
    void setRows(int count);

    // The current cell; (0, 0) while no cell is current.
    int row() const;
    int col() const;
    void setCurrent(int row, int col);

    // The selected range runs from the current cell to (rowSel, colSel).
    int rowSel() const;
    int colSel() const;
    void selectRange(int row, int col, int rowSel, int colSel);

    // The topmost visible row; setting it scrolls as far as the grid allows.
    int topRow() const;
    void setTopRow(int row);

    // Cell text; reading outside the grid gives an empty text, writing there does nothing.
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    QString text() const { return textMatrix(row(), col()); }
    void setText(const QString& text) { setTextMatrix(row(), col(), text); }

    // Appends a row split at tabs into the four columns: missing cells stay empty, text past
    // the fourth cell is dropped.
    void addItem(const QString& tabJoined);
    void removeItem(int row);

    void setLook(const GridLook& look);
    const GridLook& look() const { return look_; }

    void setColWidth(int col, int twips);

    // Empties the grid and gives it the address list's colours and column widths.
    void reset();

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
    // The corner of the selected range opposite the current cell, as (row, col).
    std::pair<int, int> selectionEnd() const;
    QTableWidgetItem* makeItem(const QString& text) const;
    bool contains(int row, int col) const;
    bool belowVisibleRows(int row) const;
    void runHeldLayout();

    GridLook look_;
    bool onlyAppendedOutOfSight_ = false; // since the last layout
    bool layoutsFramed_ = false;
    bool layoutHeld_ = false;
    std::chrono::steady_clock::time_point lastLayout_{};
    QTimer heldLayoutTimer_;
    std::int16_t wheelTopRow_ = 0;
};

} // namespace quillet::widgets
