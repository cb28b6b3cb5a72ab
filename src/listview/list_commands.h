#pragma once

class QWidget;

namespace quillet::widgets {
class AddressTable;
class StartHereHint;
class StatusBanner;
} // namespace quillet::widgets

namespace quillet::listview {

// The "List Controls" buttons: Add, Edit, Remove and Clear. They change the address list only.
class ListCommands {
public:
    struct Controls {
        QWidget& window; // owns the add and edit dialogs
        widgets::AddressTable& table;
        widgets::StatusBanner& banner;
        const widgets::StartHereHint& startHere;
    };

    explicit ListCommands(const Controls& controls) : controls_(controls) {}

    void add();
    // Opens the edit dialog on the current cell; with no rows there is none.
    void edit();
    // Removes the current row; the row that moves up into the gap becomes current.
    void remove();
    // Empties the list, the count and the load's address lists, and shows the start hint; asks
    // first when the list holds unexported edits.
    void clear();

private:
    Controls controls_;
};

} // namespace quillet::listview
