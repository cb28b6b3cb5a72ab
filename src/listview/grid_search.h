#pragma once

class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillet::widgets {
class AddressTable;
class StatusBanner;
} // namespace quillet::widgets

namespace quillet::listview {

// A click on the address grid, and the search box above it.
class GridSearch {
public:
    struct Controls {
        QWidget& window; // owns the edit dialog
        widgets::AddressTable& table;
        QLineEdit& searchEdit;
        const QRadioButton& searchByName;
        QLineEdit& clipboardEdit;
        widgets::StatusBanner& banner;
    };

    explicit GridSearch(const Controls& controls) : controls_(controls) {}

    // The clicked cell goes to the clipboard box and the edit dialog; the banner counts it.
    void gridClicked();
    // Selects the first row whose name (or address) is the whole typed text, letter case
    // aside; beeps when there is none.
    void searchChanged();
    // A click into the search box takes the placeholder away.
    void searchClicked();

private:
    Controls controls_;
};

} // namespace quillet::listview
